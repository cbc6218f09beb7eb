#include "libraryprintkinds.h"

#include "libraryarguments.h"
#include "stampacommand.h"

#include "library/regulation/regulationtext.h"
#include "library/rulings/rulinglibrary.h"
#include "library/rulings/rulingtopics.h"
#include "library/templates/templatelibrary.h"
#include "reports/document/reportdocument.h"
#include "reports/library/regulationprintout.h"
#include "reports/library/rulingsprintout.h"
#include "reports/library/templateprintout.h"

namespace veltra::LibraryPrintKinds {

namespace {

int badArguments(const char *kind, const QString &synopsis, QTextStream &err)
{
    err << "veltra-tool: uso: veltra-tool stampa " << kind << ' ' << synopsis << " -o OUT\n";
    return ExitBadArguments;
}

int unreadable(const QString &error, QTextStream &err)
{
    err << "veltra-tool: " << error << "\n";
    return ExitUnreadableFile;
}

const QString RegulationSynopsis = QStringLiteral("[--dati DATI]");
const QString TemplateSynopsis = QStringLiteral("N [--dati DATI]");
const QString RulingsSynopsis = QStringLiteral("T [--da N] [--dati DATI]");

int regulation(const QStringList &words, ReportDocument &document, QTextStream &err)
{
    const auto arguments = LibraryArguments::parse(words, 0, false);
    if (!arguments)
        return badArguments("regolamento", RegulationSynopsis, err);
    const RegulationText text = RegulationText::load(arguments->dataFile(RegulationText::fileName()));
    if (!text.isValid())
        return unreadable(text.error(), err);
    document = RegulationPrintout::build(QString(), text.text());
    return ExitSuccess;
}

int letterTemplate(const QStringList &words, ReportDocument &document, QTextStream &err)
{
    const auto arguments = LibraryArguments::parse(words, 1, false);
    if (!arguments || arguments->numbers.first() < 1
        || arguments->numbers.first() > TemplateLibrary::EntryCount)
        return badArguments("modelli", TemplateSynopsis, err);
    const TemplateLibrary library = TemplateLibrary::load(arguments->dataFile(TemplateLibrary::fileName()));
    if (!library.isValid())
        return unreadable(library.error(), err);
    document = TemplatePrintout::build(QString(), library.text(arguments->numbers.first()));
    return ExitSuccess;
}

// The window's print-all from ruling N; a topic without rulings is refused as there.
int rulings(const QStringList &words, ReportDocument &document, QTextStream &err)
{
    const auto arguments = LibraryArguments::parse(words, 1, true);
    const int topic = arguments ? arguments->numbers.first() : 0;
    if (!arguments || topic < 1 || topic > RulingTopics::Count)
        return badArguments("sentenze", RulingsSynopsis, err);
    const RulingLibrary library = RulingLibrary::load(arguments->dataFile(RulingLibrary::fileName()));
    if (!library.isValid())
        return unreadable(library.error(), err);
    if (library.count(topic) == 0) {
        err << "veltra-tool: Non vi è nulla da stampare: l'argomento " << topic << " non ha sentenze.\n";
        return ExitDataRejected;
    }
    const int first = arguments->from.value_or(1);
    if (first < 1 || first > library.count(topic)) {
        err << "veltra-tool: l'argomento " << topic << " ha le sentenze da 1 a " << library.count(topic) << "\n";
        return ExitBadArguments;
    }
    QStringList texts;
    for (const Ruling &ruling : library.rulings(topic))
        texts << ruling.text;
    document = RulingsPrintout::build(QString(), RulingTopics::title(topic), texts, first, int(texts.size()));
    return ExitSuccess;
}

} // namespace

void addTo(StampaCommand &command)
{
    command.addKind(QStringLiteral("regolamento"), RegulationSynopsis, &regulation);
    command.addKind(QStringLiteral("modelli"), TemplateSynopsis, &letterTemplate);
    command.addKind(QStringLiteral("sentenze"), RulingsSynopsis, &rulings);
}

} // namespace veltra::LibraryPrintKinds
