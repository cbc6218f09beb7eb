#include "reports/payments/balanceprintout.h"

#include "core/expenses/expensefilename.h"
#include "core/numbers/numberformat.h"
#include "core/numbers/numbertext.h"
#include "reports/document/printstatus.h"
#include "reports/payments/paymentstables.h"

namespace veltra {

namespace {

const QChar CR(13);

const QStringList Heading = {
    QStringLiteral("n."), QStringLiteral("ENTRATE"), QStringLiteral("quote da pagare"),
    QStringLiteral("data della spesa"), QStringLiteral("tipo di spesa"), QStringLiteral("USCITE")};

QString euro(double value)
{
    return formatNumber(value, NumberFormat::EuroPattern);
}

} // namespace

QString BalancePrintout::openingStatus()
{
    return PrintStatus::Loading;
}

QString BalancePrintout::closingStatus()
{
    return PrintStatus::ShownData;
}

QList<QStringList> BalancePrintout::tableRows(const BalanceSheet &sheet)
{
    QList<QStringList> rows = {Heading};
    for (int j = 1; j <= sheet.rows.size(); ++j) {
        const BalanceSheet::Row &row = sheet.rows[j - 1];
        rows.append({NumberText::str(j), euro(row.income), euro(row.outstanding), row.date,
                     row.description, euro(row.amount)});
    }
    rows.append({QStringLiteral("totali"), euro(sheet.incomeTotal), euro(sheet.outstandingTotal),
                 QString(), QString(),
                 euro(NumberText::read(sheet.shownTotal).value_or(0.0))});
    return rows;
}

ReportDocument BalancePrintout::build(const BalanceSheet &sheet, ManagementType type)
{
    const bool budget = type == ManagementType::Preventivi;
    const std::optional<int> year = ExpenseFileName::yearOf(sheet.currentItemDate);
    const QString yearText = year ? NumberText::str(*year) : QString();
    ReportDocument document(PrintoutFont);
    document.appendParagraph(QStringLiteral("Condominio: ") + sheet.condoName + CR + CR, 20);
    document.appendParagraph(
        QStringLiteral("numero condomini: ") + NumberText::str(sheet.ownerCount) + CR + CR, 12);
    document.appendParagraph(QStringLiteral("BILANCIO ")
                                 + (budget ? QStringLiteral("PREVENTIVO") : QStringLiteral("CONSUNTIVO"))
                                 + QStringLiteral(" - anno ") + yearText + CR,
                             12);
    if (!budget) {
        document.appendParagraph(QStringLiteral("Situazione contabile dal 01/01/") + yearText
                                     + QStringLiteral(" al 31/12/") + yearText + CR,
                                 12);
    }
    const int table = PaymentsTables::append(document, tableRows(sheet), 10);
    document.alignColumnsRight(table, 2, 4);
    document.alignColumnsRight(table, 6, 6);
    return document;
}

} // namespace veltra
