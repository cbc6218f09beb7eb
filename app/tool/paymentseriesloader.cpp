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

int PaymentSeriesLoader::refuse(QTextStream &err) const
{
    err << "veltra-tool: " << m_ledger->problem() << "\n";
    return ExitUnreadableFile;
}

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
        err << notOpenedLine(path, item.problem);
        return ExitUnreadableFile;
    }
    if (!item.isComplete()) {
        err << "veltra-tool: il file \"" << path << "\" non è un archivio di "
            << managementTypeText(type) << " leggibile: " << item.problem << "\n";
        return ExitUnreadableFile;
    }
    QString firstName = absolute;
    firstName.replace(ItemNumber, NumberText::str(1));
    m_platform = std::make_unique<ToolPlatform>(firstName);
    m_ledger = std::make_unique<PaymentsLedger>(*m_state, *m_platform);
    // The open dialog enters the folder of the file chosen; the output named on the command
    // line stays relative to the folder the tool was started in.
    const QString startFolder = QDir::currentPath();
    const PaymentsLedger::Move first = m_ledger->chooseManagementType(type);
    QDir::setCurrent(startFolder);
    if (first.refusedItem != 0)
        return refuse(err);
    if (!first.opened) {
        err << "veltra-tool: il primo file della serie \"" << firstName
            << "\" manca o non è leggibile\n";
        return ExitUnreadableFile;
    }
    for (int j = 2; j <= k; ++j) {
        if (m_ledger->goToItem(j).refusedItem != 0)
            return refuse(err);
    }
    return ExitSuccess;
}

} // namespace veltra
