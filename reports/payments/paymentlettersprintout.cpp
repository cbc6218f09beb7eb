#include "reports/payments/paymentlettersprintout.h"

#include "core/expenses/runningtotal.h"
#include "core/numbers/numbertext.h"
#include "core/state/sharedstate.h"
#include "reports/document/printstatus.h"
#include "reports/expenses/expenseitemheading.h"
#include "reports/registry/administratorletterhead.h"

namespace veltra {

namespace {

const QChar CR(13);

// The blanks that set the address block towards the right of the page.
const QString AddressIndent(80, QLatin1Char(' '));

struct LetterTexts
{
    QString subject;
    QString request;
    QString sum;
};

const LetterTexts &lettersOf(PaymentLetters::Kind kind)
{
    static const LetterTexts reminder{
        QStringLiteral("Oggetto: sollecito di pagamento al condomino n."),
        QStringLiteral("Si sollecita la S/V a voler pagare il contributo relativo alla sua "
                       "proprietà e riguardante la spesa in oggetto."),
        QStringLiteral("La somma da pagare è la seguente: euro ")};
    static const LetterTexts receipt{
        QStringLiteral("Oggetto: ricevuta di pagamento al condomino n."),
        QStringLiteral("Si riceve dalla S/V il contributo relativo alla sua proprietà e "
                       "riguardante la spesa in oggetto."),
        QStringLiteral("La somma pagata è la seguente: euro ")};
    return kind == PaymentLetters::Kind::Reminder ? reminder : receipt;
}

void appendHead(ReportDocument &document, const SharedState &state, int k,
                const QString &shownTotal)
{
    ExpenseItemHeading::appendCondominiumLine(document, state);
    document.appendParagraph(
        ExpenseItemHeading::managementLine(QStringLiteral("SPESE"), state.item(k).expenseDate, k),
        12);
    document.appendParagraph(RunningTotal::line(shownTotal), 12);
    ExpenseItemHeading::appendOwnerCountLine(document, state);
    ExpenseItemHeading::appendItemTable(document, state, k, QStringLiteral("data della spesa"));
}

// The sum is the share as people read money: "1.234,50".
void appendLetter(ReportDocument &document, const SharedState &state, int i,
                  const LetterTexts &texts, const QDate &today)
{
    const Owner &owner = state.owner(i);
    document.appendParagraph(QString(CR) + CR + AddressIndent + QStringLiteral("Al condomino") + CR,
                             12);
    document.appendParagraph(AddressIndent + owner.ownerName + CR, 12);
    document.appendParagraph(AddressIndent + owner.ownerAddress + CR + CR + CR, 12);
    document.appendParagraph(texts.subject + NumberText::str(i) + CR + CR, 10);
    document.appendParagraph(texts.request + CR, 10);
    document.appendParagraph(texts.sum + RunningTotal::shownAmount(owner.shareAmount)
                                 + QStringLiteral(".") + CR,
                             10);
    document.appendParagraph(QStringLiteral("Data: ") + PaymentLetters::dateText(today) + CR + CR,
                             10);
    document.appendParagraph(QStringLiteral("Distinti saluti") + CR, 10);
    document.appendParagraph(AdministratorLetterhead::signature(QStringLiteral("L'Amministratore"),
                                                                QString(CR), state.administrator)
                                 + CR + CR,
                             10);
    document.appendParagraph(QStringLiteral("__________________________") + CR, 10);
}

} // namespace

QString PaymentLettersPrintout::openingStatus()
{
    return PrintStatus::Loading;
}

ReportDocument PaymentLettersPrintout::build(const SharedState &state, int k,
                                             const QString &shownTotal, PaymentLetters::Kind kind,
                                             const QList<int> &owners, bool singleOwner,
                                             const QDate &today)
{
    ReportDocument document(PrintoutFont);
    if (k < 1 || k > MaxItems)
        return document;
    for (int i : owners) {
        // Each letter after the first starts a new page; a break after the last letter would
        // print a blank sheet when the last owners have paid.
        if (!singleOwner && i != owners.first())
            document.appendPageBreak();
        document.beginOwnerLetter(i, state.owner(i).ownerName);
        AdministratorLetterhead::append(document, state.administrator);
        appendHead(document, state, k, shownTotal);
        appendLetter(document, state, i, lettersOf(kind), today);
    }
    return document;
}

} // namespace veltra
