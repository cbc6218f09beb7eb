#include "reports/expenses/consumptionsummaryprintout.h"

#include "core/expenses/consumptionsummary.h"
#include "core/expenses/expensefilename.h"
#include "core/numbers/numberscan.h"
#include "core/numbers/numbertext.h"
#include "reports/registry/administratorletterhead.h"

#include <QStringList>

namespace veltra {

namespace {

const QChar CR(13);
const QString AddressIndent(80, QLatin1Char(' '));

const QStringList Heading = {QStringLiteral("spesa n."), QStringLiteral("tipo di spesa"),
                             QStringLiteral("data"),     QStringLiteral("lettura"),
                             QStringLiteral("stima"),    QStringLiteral("consumi"),
                             QStringLiteral("q. fissa"), QStringLiteral("totale")};
constexpr int FirstRightColumn = 4;

QString seasonLine(const ConsumptionSummary &summary)
{
    const std::optional<int> year = ExpenseFileName::yearOf(summary.items.first().date);
    return QStringLiteral("RIEPILOGO DEI CONSUMI DI RISCALDAMENTO")
        + (year ? QStringLiteral(" ") + NumberText::str(*year) : QString());
}

void appendAddress(ReportDocument &document, const ConsumptionSummary &summary, int i)
{
    document.appendParagraph(QString(CR) + AddressIndent + QStringLiteral("Al condomino") + CR, 12);
    document.appendParagraph(AddressIndent + summary.ownerNames.value(i - 1) + CR);
    document.appendParagraph(AddressIndent + summary.ownerAddresses.value(i - 1) + CR + CR);
    document.appendParagraph(QString::fromUtf8("Si riepilogano le letture dei contatori di calore "
                                               "della stagione e le quote di riscaldamento che ne "
                                               "sono derivate:")
                                 + CR,
                             10);
}

void appendTable(ReportDocument &document, const ConsumptionSummary &summary, int i)
{
    const int table = document.appendTable(summary.items.size() + 2, Heading.size(), 9);
    for (int column = 1; column <= Heading.size(); ++column)
        document.setCell(table, 1, column, Heading[column - 1]);
    double readings = 0;
    Money consumption;
    Money fixed;
    int row = 2;
    for (const ConsumptionSummary::Item &item : summary.items) {
        const ConsumptionSummary::OwnerPart part = item.owners.value(i - 1);
        const QString reading = part.takesPart ? part.reading : QStringLiteral("non partecipa");
        const QStringList cells = {NumberText::str(item.k), item.description, item.date, reading,
                                   part.estimated ? QString::fromUtf8("sì") : QString(),
                                   part.consumption.format(), part.fixed.format(),
                                   part.total().format()};
        for (int column = 1; column <= cells.size(); ++column)
            document.setCell(table, row, column, cells[column - 1]);
        if (part.takesPart)
            readings += NumberScan::readComma(part.reading).value_or(0.0);
        consumption = consumption + part.consumption;
        fixed = fixed + part.fixed;
        ++row;
    }
    const QStringList totals = {QStringLiteral("totale"), QString(), QString(),
                                NumberText::plain(readings), QString(), consumption.format(),
                                fixed.format(), (consumption + fixed).format()};
    for (int column = 1; column <= totals.size(); ++column)
        document.setCell(table, row, column, totals[column - 1]);
    document.alignColumnsRight(table, FirstRightColumn, Heading.size());
}

void appendClosing(ReportDocument &document, const AdministratorDetails &administrator,
                   const QDate &today)
{
    document.appendParagraph(QString(CR) + QString::fromUtf8("Una lettura segnata come stima "
                                                             "sostituisce quella di un contatore "
                                                             "che non è stato possibile leggere.")
                                 + CR,
                             10);
    document.appendParagraph(QStringLiteral("Data: ") + today.toString(QStringLiteral("dd/MM/yyyy"))
                             + CR + CR);
    document.appendParagraph(AdministratorLetterhead::signature(QStringLiteral("L'Amministratore"),
                                                                QString(CR), administrator)
                             + CR + CR);
    document.appendParagraph(QStringLiteral("__________________________") + CR);
}

} // namespace

QString ConsumptionSummaryPrintout::noHeatingItemsMessage()
{
    return QString::fromUtf8("Nessuna spesa della serie è ripartita come riscaldamento a "
                             "contabilizzazione: non vi sono consumi da riepilogare.");
}

ReportDocument ConsumptionSummaryPrintout::build(const ConsumptionSummary &summary,
                                                 const AdministratorDetails &administrator,
                                                 const QDate &today)
{
    ReportDocument document(PrintoutFont);
    if (summary.items.isEmpty())
        return document;
    for (int i = 1; i <= summary.ownerNames.size(); ++i) {
        if (i > 1)
            document.appendPageBreak();
        document.beginOwnerLetter(i, summary.ownerNames.at(i - 1));
        AdministratorLetterhead::append(document, administrator);
        document.appendParagraph(QStringLiteral("Condominio: ") + summary.condoName + CR + CR, 20);
        document.appendParagraph(seasonLine(summary) + CR, 12);
        appendAddress(document, summary, i);
        appendTable(document, summary, i);
        appendClosing(document, administrator, today);
    }
    return document;
}

} // namespace veltra
