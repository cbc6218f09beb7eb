#include "reports/meeting/attendancesheetprintout.h"

#include "core/meeting/meetingfigures.h"
#include "core/meeting/meetingtally.h"
#include "core/state/sharedstate.h"
#include "reports/meeting/meetingtexts.h"

namespace veltra::AttendanceSheetPrintout {

namespace {

const QChar CR(13);

} // namespace

ReportDocument build(const SharedState &state, const Meeting &meeting)
{
    ReportDocument document(PrintoutFont);
    document.appendParagraph(QStringLiteral("FOGLIO DELLE PRESENZE") + CR, 14, true);
    document.appendParagraph(state.condoName + CR, 12, true);
    const QString call = meeting.call == 2 ? QStringLiteral("seconda") : QStringLiteral("prima");
    document.appendParagraph(QStringLiteral("Assemblea del %1, in %2 convocazione").arg(meeting.date, call) + CR + CR, 10);
    QList<int> owners;
    for (int owner = 1; owner <= Meeting::MaxOwners; ++owner) {
        if (!state.owner(owner).ownerName.isEmpty())
            owners << owner;
    }
    const int table = document.appendTable(int(owners.size()) + 2, 5, 9);
    const QStringList heading{QStringLiteral("n."), QStringLiteral("condomino"), QStringLiteral("millesimi"),
                              QStringLiteral("delegato (nome)"), QStringLiteral("firma")};
    for (int column = 0; column < heading.size(); ++column)
        document.setCell(table, 1, column + 1, heading.at(column));
    for (int row = 0; row < owners.size(); ++row) {
        document.setCell(table, row + 2, 1, QString::number(owners.at(row)));
        document.setCell(table, row + 2, 2, state.owner(owners.at(row)).ownerName);
        document.setCell(table, row + 2, 3, MeetingTexts::millesimi(state, owners.at(row)));
    }
    const QuorumResult all = MeetingTally::quorum(state, meeting);
    document.setCell(table, int(owners.size()) + 2, 2, QStringLiteral("totale"));
    document.setCell(table, int(owners.size()) + 2, 3, MeetingFigures::millesimiText(all.participants.thousandths));
    document.alignColumnsRight(table, 3, 3);
    return document;
}

} // namespace veltra::AttendanceSheetPrintout
