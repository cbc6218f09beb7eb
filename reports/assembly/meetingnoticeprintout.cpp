#include "reports/assembly/meetingnoticeprintout.h"

#include "core/assembly/meetingnotice.h"
#include "core/numbers/numbertext.h"
#include "core/state/sharedstate.h"
#include "reports/document/printstatus.h"
#include "reports/expenses/expenseprintcheck.h"
#include "reports/registry/administratorletterhead.h"

#include <algorithm>

namespace veltra {

namespace {

const QChar CR(13);

// The blanks that set the address block towards the right of the page.
const QString AddressIndent(80, QLatin1Char(' '));
// The lines left for the signatures and for the name of the proxy.
const QString SignatureLine(26, QLatin1Char('_'));
const QString ProxyNameLine(35, QLatin1Char('_'));
const QString ProxySignatureLine(23, QLatin1Char('_'));

void appendAddress(ReportDocument &document, const SharedState &state, const Owner &owner)
{
    document.appendParagraph(QStringLiteral("Condominio: ") + state.condoName + CR + CR, 20);
    document.appendParagraph(QStringLiteral("Avviso di convocazione di assemblea di condominio")
                                 + CR + CR,
                             12);
    document.appendParagraph(AddressIndent + QStringLiteral("Al condomino") + CR, 12);
    document.appendParagraph(AddressIndent + owner.ownerName + CR, 12);
    document.appendParagraph(AddressIndent + owner.ownerAddress + CR + CR + CR, 12);
}

void appendCalls(ReportDocument &document, const MeetingNotice &notice)
{
    document.appendParagraph(QStringLiteral("Oggetto: ") + notice.subject + QStringLiteral("   - n.")
                                 + notice.number + CR + CR,
                             10);
    document.appendParagraph(notice.openingText + QStringLiteral(" in prima convocazione:") + CR, 10);
    document.appendParagraph(QStringLiteral("in data ") + notice.firstCallDate + CR, 10);
    document.appendParagraph(QStringLiteral("alle ore ") + notice.firstCallHour + CR, 10);
    document.appendParagraph(QStringLiteral("presso ") + notice.firstCallPlace + CR, 10);
    document.appendParagraph(QStringLiteral("e in seconda convocazione:") + CR, 10);
    document.appendParagraph(QStringLiteral("in data ") + notice.secondCallDate + CR, 10);
    document.appendParagraph(QStringLiteral("alle ore ") + notice.secondCallHour + CR, 10);
    document.appendParagraph(QStringLiteral("presso ") + notice.secondCallPlace + CR, 10);
}

// The agenda ends at its first empty point: the points after a gap are not called.
void appendAgenda(ReportDocument &document, const MeetingNotice &notice)
{
    document.appendParagraph(notice.agendaHeading + CR + CR, 10);
    for (int j = 1, points = notice.printedPoints(); j <= points; ++j)
        document.appendParagraph(NumberText::str(j) + QStringLiteral(") - ") + notice.agendaPoint(j)
                                     + CR,
                                 10);
}

void appendSignatures(ReportDocument &document, const SharedState &state,
                      const MeetingNotice &notice)
{
    document.appendParagraph(QString(CR) + QStringLiteral("data: ") + notice.noticeDate + CR, 10);
    document.appendParagraph(QString(CR)
                                 + AdministratorLetterhead::signature(QStringLiteral("L'amministratore: "),
                                                                      QString(), state.administrator)
                                 + CR + CR + CR,
                             10);
    document.appendParagraph(SignatureLine + CR + CR, 10);
    if (!notice.notes.isEmpty())
        document.appendParagraph(QString(CR) + QStringLiteral("note: ") + notice.notes + CR + CR, 10);
    document.appendParagraph(QStringLiteral("data e firma per ricevuta:") + CR + CR + CR, 10);
    document.appendParagraph(SignatureLine + CR + CR + CR, 10);
}

void appendProxy(ReportDocument &document, const MeetingNotice &notice, const Owner &owner)
{
    document.appendParagraph(QStringLiteral("DELEGA") + CR, 10);
    document.appendParagraph(
        QStringLiteral("Io sottoscritto condomino ") + owner.ownerName
            + QStringLiteral(" delego a rappresentarmi all'assemblea del giorno ")
            + notice.firstCallDate + QStringLiteral(" il Sig. ") + ProxyNameLine
            + QStringLiteral(" con mandato di discutere e deliberare in mia rappresentanza su "
                             "tutto quanto forma oggetto dell'ordine del giorno previsto, dando "
                             "sin d'ora per valido ed approvato il suo operato.")
            + CR,
        10);
    document.appendParagraph(QStringLiteral("Firma ") + ProxySignatureLine + CR, 10);
}

} // namespace

QString MeetingNoticePrintout::openingStatus()
{
    return PrintStatus::Loading;
}

QString MeetingNoticePrintout::closingStatus()
{
    return PrintStatus::ShownData;
}

std::optional<QString> MeetingNoticePrintout::refusal(const SharedState &state)
{
    if (state.ownerCount > 0)
        return std::nullopt;
    return ExpensePrintCheck::nothingToPrintMessage();
}

ReportDocument MeetingNoticePrintout::build(const SharedState &state, const MeetingNotice &notice,
                                            int copies)
{
    ReportDocument document(PrintoutFont);
    const int owners = std::clamp(state.ownerCount, 0, MaxOwners);
    const int perOwner = std::clamp(copies, 1, 2);
    for (int i = 1; i <= owners; ++i) {
        const Owner &owner = state.owner(i);
        document.beginOwnerLetter(i, owner.ownerName);
        for (int copy = 1; copy <= perOwner; ++copy) {
            AdministratorLetterhead::append(document, state.administrator);
            appendAddress(document, state, owner);
            appendCalls(document, notice);
            appendAgenda(document, notice);
            appendSignatures(document, state, notice);
            appendProxy(document, notice, owner);
            // The break goes between notices: after the last one it would print a blank sheet.
            if (i < owners || copy < perOwner)
                document.appendPageBreak();
        }
    }
    return document;
}

} // namespace veltra
