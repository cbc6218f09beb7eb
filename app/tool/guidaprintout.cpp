#include "guidaprintout.h"

#include "core/state/sharedstate.h"
#include "library/datafile/datafolder.h"
#include "library/help/helpguide.h"
#include "reports/help/helpprintout.h"

#include <QDir>

namespace veltra {

namespace {

// The page named by its row in the contents or by its window's name.
const HelpPage *findPage(const HelpGuide &guide, const QString &name)
{
    bool isRow = false;
    const int row = name.toInt(&isRow);
    if (isRow)
        return row >= 1 && row <= guide.pages().size() ? &guide.pages().at(row - 1) : nullptr;
    return guide.page(name);
}

} // namespace

QString GuidaPrintout::synopsis()
{
    return QStringLiteral("[PAGINA]");
}

StampaCommand::Builder GuidaPrintout::builder()
{
    return [](const QStringList &arguments, ReportDocument &document, QTextStream &err) {
        if (arguments.size() > 1) {
            err << "veltra-tool: uso: veltra-tool stampa guida [PAGINA] -o OUT\n";
            return int(ExitBadArguments);
        }
        QString error;
        const QString path = QDir(DataFolder::ofThisProgram()).filePath(HelpGuide::fileName());
        const std::optional<HelpGuide> guide = HelpGuide::fromFile(path, &error);
        if (!guide) {
            err << "veltra-tool: " << error << "\n";
            return int(ExitUnreadableFile);
        }
        SharedState state;
        state.initSharedStrings();
        if (arguments.isEmpty()) {
            document = HelpPrintout::guide(state.texts, *guide);
            return int(ExitSuccess);
        }
        const HelpPage *page = findPage(*guide, arguments.first());
        if (!page) {
            err << "veltra-tool: la guida non ha la pagina \"" << arguments.first()
                << "\": indicare il numero della riga del sommario (da 1 a 15) o il nome "
                   "della finestra.\n";
            return int(ExitBadArguments);
        }
        document = HelpPrintout::page(state.texts, *page);
        return int(ExitSuccess);
    };
}

} // namespace veltra
