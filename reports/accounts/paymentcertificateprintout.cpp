#include "reports/accounts/paymentcertificateprintout.h"

#include "core/accounts/explanatorynote.h"
#include "core/accounts/finalaccount.h"
#include "core/state/sharedstate.h"
#include "reports/accounts/printedfigures.h"
#include "reports/document/reportdocument.h"
#include "reports/registry/administratorletterhead.h"

namespace veltra::PaymentCertificatePrintout {

using PrintedFigures::CR;
using PrintedFigures::day;
using PrintedFigures::money;

namespace {

constexpr int TextSize = 10;

void appendYearRow(ReportDocument &document, int table, int row, const FinalAccount &figures, int number)
{
    const FinalAccount::Owner *owner = figures.owner(number);
    const FinalAccount::Owner none;
    const FinalAccount::Owner &shown = owner ? *owner : none;
    document.setRow(table, row, {QString::number(figures.year),
                                 day(figures.firstDay) + QStringLiteral(" - ")
                                     + day(figures.lastDay),
                                 money(shown.openingCents), money(shown.sharesCents), money(shown.paidCents),
                                 money(shown.closingCents)});
}

// The year before is shown only when its figures hold: an attestation must not rest on a
// figure known to be wrong.
void appendYears(ReportDocument &document, const FinalAccount &current, const std::optional<FinalAccount> &before,
                 int owner)
{
    const std::optional<FinalAccount> previous = before && before->canPrint() ? before : std::nullopt;
    const int table = document.appendTable(previous ? 3 : 2, 6, 9);
    document.setRow(table, 1, {QStringLiteral("Esercizio"), QStringLiteral("Periodo"), QStringLiteral("Saldo iniziale"),
                               QStringLiteral("Quote"), QStringLiteral("Versato"), QStringLiteral("Saldo")});
    int row = 2;
    if (previous)
        appendYearRow(document, table, row++, *previous, owner);
    appendYearRow(document, table, row, current, owner);
    document.alignColumnsRight(table, 3, 6);
    document.appendParagraph(QStringLiteral("Saldo positivo: quanto resta da versare; negativo: quanto è stato versato "
                                            "in più.") + CR + CR, 8);
    if (before && !previous)
        document.appendParagraph(QStringLiteral("I conti dell'esercizio %1 hanno ancora dati da correggere: la "
                                                "posizione di quell'esercizio non è attestata.").arg(before->year)
                                     + CR + CR,
                                 TextSize);
}

QString standing(const FinalAccount &current, int number)
{
    const FinalAccount::Owner *owner = current.owner(number);
    const QString opening = QStringLiteral("Secondo le scritture dell'esercizio %1 registrate fino alla data di questa "
                                           "attestazione, il condomino ").arg(current.year);
    if (!owner || owner->closingCents == 0)
        return opening + QStringLiteral("è in regola con i pagamenti: non ha somme da versare.");
    if (owner->closingCents < 0)
        return opening + QStringLiteral("è in regola con i pagamenti e ha versato %1 euro più del dovuto, che restano "
                                        "a suo credito.").arg(money(-owner->closingCents));
    const QString since = owner->arrearsFromBefore
        ? QStringLiteral("con un debito che risale agli esercizi precedenti")
        : QStringLiteral("dal %1").arg(day(owner->arrearsSince));
    return opening + QStringLiteral("è moroso: deve ancora versare %1 euro, %2.").arg(money(owner->closingCents), since);
}

void appendQuestions(ReportDocument &document, const FinalAccount &current, const ExplanatoryNote &note)
{
    document.appendParagraph(CR + QStringLiteral("Liti in corso e questioni pendenti") + CR, TextSize, true);
    if (note.questions.isEmpty())
        return document.appendParagraph(QStringLiteral("Per l'esercizio %1 non è registrata alcuna lite in corso né "
                                                       "altra questione pendente del condominio.").arg(current.year)
                                            + CR,
                                        TextSize);
    document.appendParagraph(QStringLiteral("Per l'esercizio %1 sono registrate queste liti e questioni pendenti del "
                                            "condominio:").arg(current.year) + CR,
                             TextSize);
    for (const ExplanatoryNote::PendingQuestion &question : note.questions)
        document.appendParagraph(QStringLiteral("- %1; parti: %2; stato: %3.")
                                         .arg(question.subject, question.parties, question.stage)
                                     + CR,
                                 TextSize);
}

} // namespace

ReportDocument build(const FinalAccount &current, const std::optional<FinalAccount> &previous,
                     const ExplanatoryNote &note, const SharedState &state, const AdministratorDetails &administrator,
                     int owner, const QDate &today)
{
    ReportDocument document(PrintoutFont);
    AdministratorLetterhead::append(document, administrator);
    document.appendParagraph(QStringLiteral("ATTESTAZIONE DELLO STATO DEI PAGAMENTI") + CR, 14, true);
    document.appendParagraph(current.condoName + CR, 12, true);
    document.appendParagraph(QStringLiteral("Oneri condominiali e liti in corso (art. 1130, n. 9, c.c.)") + CR + CR, 9);
    const FinalAccount::Owner *figures = current.owner(owner);
    const QString name = figures ? figures->name : state.owner(owner).ownerName;
    const QString address = owner >= 1 && owner <= state.ownerCount ? state.owner(owner).ownerAddress : QString();
    document.appendParagraph(QStringLiteral("Condomino n. %1: %2").arg(owner).arg(name)
                                 + (address.isEmpty() ? QString() : QStringLiteral(", ") + address) + CR + CR,
                             TextSize, true);
    document.appendParagraph(QStringLiteral("Su richiesta del condomino, l'amministratore attesta la sua posizione "
                                            "verso il condominio secondo il registro di contabilità e lo stato di "
                                            "ripartizione:") + CR + CR,
                             TextSize);
    appendYears(document, current, previous, owner);
    document.appendParagraph(standing(current, owner) + CR, TextSize);
    appendQuestions(document, current, note);
    AdministratorLetterhead::appendDatedSignature(document, today, administrator, TextSize);
    return document;
}

} // namespace veltra::PaymentCertificatePrintout
