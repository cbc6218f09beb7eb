#include "paymentseriesloader.h"

#include "toolcommand.h"

#include "core/expenses/expensearchive.h"
#include "core/numbers/numbertext.h"
#include "core/state/sharedstate.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace veltra {

namespace {

// Item k of a series ends its name with a blank and the number k.
const QRegularExpression ItemNumber(QStringLiteral(" (\\d{1,3})$"));

ManagementType typeOfName(const QString &path)
{
    return QFileInfo(path).fileName().startsWith(QLatin1String("Veltra-preventivi-"))
        ? ManagementType::Preventivi
        : ManagementType::Spese;
}

} // namespace

PaymentSeriesLoader::PaymentSeriesLoader()
    : m_state(std::make_unique<SharedState>())
{
    m_state->initSharedStrings();
}

PaymentSeriesLoader::~PaymentSeriesLoader() = default;

int PaymentSeriesLoader::open(const QString &path, QTextStream &err)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QRegularExpressionMatch number = ItemNumber.match(QFileInfo(absolute).fileName());
    const int k = number.hasMatch() ? number.captured(1).toInt() : 0;
    if (k < 1 || k > MaxItems) {
        err << "veltra-tool: il nome del file \"" << path
            << "\" non termina con il numero di una spesa (da 1 a 200)\n";
        return ExitBadArguments;
    }
    const ManagementType type = typeOfName(absolute);
    const ExpenseArchive::LoadResult item =
        ExpenseArchive::load(absolute, type == ManagementType::Spese);
    if (!item.opened) {
        err << "veltra-tool: impossibile aprire il file \"" << path << "\"\n";
        return ExitUnreadableFile;
    }
    if (!item.isComplete()) {
        err << "veltra-tool: il file \"" << path << "\" non è un archivio di "
            << managementTypeText(type) << " leggibile (errore alla riga " << item.failedLine
            << ")\n";
        return ExitUnreadableFile;
    }
    QString first = absolute;
    first.replace(ItemNumber, NumberText::str(1));
    m_platform = std::make_unique<ToolPlatform>(first);
    m_ledger = std::make_unique<PaymentsLedger>(*m_state, *m_platform);
    // The open dialog enters the folder of the file chosen; the output named on the command
    // line stays relative to the folder the tool was started in.
    const QString startFolder = QDir::currentPath();
    const bool opened = m_ledger->chooseManagementType(type).opened;
    QDir::setCurrent(startFolder);
    if (!opened) {
        err << "veltra-tool: il primo file della serie \"" << first
            << "\" manca o non è leggibile\n";
        return ExitUnreadableFile;
    }
    for (int j = 2; j <= k; ++j)
        m_ledger->goToItem(j);
    return ExitSuccess;
}

} // namespace veltra
