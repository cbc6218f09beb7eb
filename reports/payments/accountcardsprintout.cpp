#include "reports/payments/accountcardsprintout.h"

#include "core/expenses/expensefilename.h"
#include "core/expenses/runningtotal.h"
#include "core/numbers/numbertext.h"
#include "reports/document/printstatus.h"
#include "reports/payments/paymentstables.h"

namespace veltra {

namespace {

const QChar CR(13);

const QStringList Heading = {
    QStringLiteral("n."), QStringLiteral("spesa totale"), QStringLiteral("tipo di spesa"),
    QStringLiteral("data della spesa"), QStringLiteral("data del pagamento"),
    QStringLiteral("data del sollecito"), QStringLiteral("spesa ripartita")};

QString yearText(const QString &date)
{
    const std::optional<int> year = ExpenseFileName::yearOf(date);
    return year ? QStringLiteral(" ") + NumberText::str(*year) : QString();
}

void appendCard(ReportDocument &document, const AccountCard &card, ManagementType type)
{
    const QString typeWord =
        type == ManagementType::Preventivi ? QStringLiteral("PREVENTIVI") : QStringLiteral("SPESE");
    document.appendParagraph(QStringLiteral("Condominio: ") + card.condoName + CR + CR, 20);
    document.appendParagraph(
        QStringLiteral("numero condomini: ") + NumberText::str(card.ownerCount) + CR + CR + CR, 12);
    document.appendParagraph(QStringLiteral("GESTIONE PAGAMENTI ") + typeWord
                                 + yearText(card.currentItemDate) + CR,
                             12);
    document.appendParagraph(QStringLiteral("scheda condomino: ") + card.ownerName
                                 + QStringLiteral("   -  ") + card.ownerAddress + CR + CR,
                             12);
    const int table = PaymentsTables::append(document, AccountCardsPrintout::tableRows(card), 10);
    document.alignColumnsRight(table, 4, 7);
    document.alignColumnsRight(table, 2, 2);
}

} // namespace

QString AccountCardsPrintout::openingStatus()
{
    return PrintStatus::Loading;
}

QString AccountCardsPrintout::closingStatus()
{
    return PrintStatus::ShownData;
}

QList<QStringList> AccountCardsPrintout::tableRows(const AccountCard &card)
{
    QList<QStringList> rows = {Heading};
    for (int j = 1; j <= card.rows.size(); ++j) {
        const AccountCardRow &row = card.rows[j - 1];
        rows.append({NumberText::str(j), RunningTotal::shownAmount(row.amount), row.description,
                     row.date, row.paymentDate, row.reminderDate,
                     RunningTotal::shownAmount(row.share)});
    }
    rows.append({QStringLiteral("totali"), RunningTotal::shownAmount(card.shownTotal), QString(), QString(), QString(),
                 QString(), PaymentsTables::ownerTotal(card.ownerTotal)});
    return rows;
}

ReportDocument AccountCardsPrintout::build(const QList<AccountCard> &cards, ManagementType type)
{
    ReportDocument document(PrintoutFont);
    for (int c = 0; c < cards.size(); ++c) {
        if (c > 0)
            document.appendPageBreak();
        appendCard(document, cards[c], type);
    }
    return document;
}

} // namespace veltra
