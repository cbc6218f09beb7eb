#include "reports/meeting/registerprintouts.h"

#include "core/meeting/meeting.h"
#include "core/meeting/meetingtally.h"
#include "library/assembly/majoritytable.h"
#include "reports/meeting/minutesprintout.h"

#include <algorithm>

namespace veltra::RegisterPrintouts {

namespace {

const QChar CR(13);
constexpr int AdministratorMatter = 7;
const QString DateFormat = QStringLiteral("dd/MM/yyyy");

QStringList documentLines(const ReportDocument &document)
{
    QStringList lines;
    for (const ReportBlock &block : document.blocks()) {
        if (block.kind == ReportBlock::Kind::Paragraph) {
            for (const QString &line : QString(block.text).remove(QChar(12)).split(CR))
                lines << line.trimmed();
            continue;
        }
        const ReportTable &table = document.table(block.table);
        for (int row = 1; row <= table.rows(); ++row) {
            QStringList cells;
            for (int column = 1; column <= table.columns(); ++column)
                cells << table.cell(row, column);
            lines << cells.join(QStringLiteral(" | "));
        }
    }
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList appointments(const SharedState &state, const Meeting &meeting, const QList<Majority> &matters)
{
    QStringList lines;
    if (matters.size() < AdministratorMatter)
        return lines;
    const MajorityRule &rule = matters.at(AdministratorMatter - 1).rule;
    for (int point = 1; point <= meeting.points.size(); ++point) {
        if (meeting.points.at(point - 1).matter != AdministratorMatter)
            continue;
        const PointResult result = MeetingTally::pointResult(state, meeting, point, rule);
        if (result.approved)
            lines << QStringLiteral("punto %1: %2").arg(point).arg(meeting.points.at(point - 1).text);
    }
    return lines;
}

void appendHeading(ReportDocument &document, const QString &title, const QString &condoName)
{
    document.appendParagraph(title + CR, 14, true);
    document.appendParagraph(condoName + CR + CR, 12, true);
}

// One line of the register of appointments: the day, what was decided and by whom, and the
// entry of the register of minutes that holds it (none for a decree).
struct AppointmentRow
{
    QDate date;
    QString text;
    QString entry;
};

AppointmentRow resolutionRow(const MinutesEntry &entry, const QString &appointment)
{
    return {QDate::fromString(entry.meetingDate, DateFormat),
            QStringLiteral("deliberazione dell'assemblea del %1, %2").arg(entry.meetingDate, appointment),
            QString::number(entry.number)};
}

AppointmentRow decreeRow(const CourtDecree &decree)
{
    QString text = QStringLiteral("decreto di %1 di %2, %3, %4")
                       .arg(DecreeFile::kindName(decree.kind), decree.administrator, decree.court, decree.particulars);
    if (!decree.note.isEmpty())
        text += QStringLiteral(" (%1)").arg(decree.note);
    return {decree.date, text, QString()};
}

} // namespace

MinutesEntry entryFor(const SharedState &state, const Meeting &meeting, const QList<Majority> &matters,
                      const AdministratorDetails &administrator, const QDate &day)
{
    MinutesEntry entry;
    entry.entryDate = day.toString(DateFormat);
    entry.meetingDate = meeting.date;
    entry.lines = documentLines(MinutesPrintout::build(state, meeting, matters, administrator));
    entry.appointments = appointments(state, meeting, matters);
    return entry;
}

ReportDocument minutesRegister(const QString &condoName, const QList<MinutesEntry> &entries)
{
    ReportDocument document(PrintoutFont);
    appendHeading(document, QStringLiteral("REGISTRO DEI VERBALI DELLE ASSEMBLEE"), condoName);
    document.appendParagraph(QStringLiteral("Indice") + CR, 11, true);
    const int index = document.appendTable(int(entries.size()) + 1, 4, 9);
    const QStringList heading{QStringLiteral("n."), QStringLiteral("assemblea del"),
                              QStringLiteral("trascritto il"), QStringLiteral("note")};
    for (int column = 0; column < heading.size(); ++column)
        document.setCell(index, 1, column + 1, heading.at(column));
    for (int row = 0; row < entries.size(); ++row) {
        const MinutesEntry &entry = entries.at(row);
        document.setCell(index, row + 2, 1, QString::number(entry.number));
        document.setCell(index, row + 2, 2, entry.meetingDate);
        document.setCell(index, row + 2, 3, entry.entryDate);
        if (entry.corrects > 0)
            document.setCell(index, row + 2, 4, QStringLiteral("corregge il verbale n. %1").arg(entry.corrects));
    }
    for (const MinutesEntry &entry : entries) {
        document.appendPageBreak();
        QString title = QStringLiteral("Verbale n. %1, trascritto il %2").arg(entry.number).arg(entry.entryDate);
        if (entry.corrects > 0)
            title += QStringLiteral(", a correzione del verbale n. %1").arg(entry.corrects);
        document.appendParagraph(title + CR, 11, true);
        for (const QString &line : entry.lines)
            document.appendParagraph(line + CR, 9);
    }
    return document;
}

ReportDocument appointmentsRegister(const QString &condoName, const QList<MinutesEntry> &entries,
                                    const QList<CourtDecree> &decrees)
{
    QList<AppointmentRow> rows;
    for (const MinutesEntry &entry : entries) {
        for (const QString &text : entry.appointments)
            rows << resolutionRow(entry, text);
    }
    for (const CourtDecree &decree : decrees)
        rows << decreeRow(decree);
    std::stable_sort(rows.begin(), rows.end(),
                     [](const AppointmentRow &a, const AppointmentRow &b) { return a.date < b.date; });
    ReportDocument document(PrintoutFont);
    appendHeading(document, QStringLiteral("REGISTRO DI NOMINA E REVOCA DELL'AMMINISTRATORE"), condoName);
    if (rows.isEmpty()) {
        document.appendParagraph(QStringLiteral("Il registro dei verbali non contiene deliberazioni di "
                                                "nomina, conferma o revoca dell'amministratore, né vi "
                                                "sono decreti del giudice annotati.")
                                     + CR,
                                 10);
        return document;
    }
    const int table = document.appendTable(int(rows.size()) + 1, 3, 9);
    document.setCell(table, 1, 1, QStringLiteral("data"));
    document.setCell(table, 1, 2, QStringLiteral("deliberazione o decreto"));
    document.setCell(table, 1, 3, QStringLiteral("verbale n."));
    for (int row = 0; row < rows.size(); ++row) {
        document.setCell(table, row + 2, 1, rows.at(row).date.toString(DateFormat));
        document.setCell(table, row + 2, 2, rows.at(row).text);
        document.setCell(table, row + 2, 3, rows.at(row).entry);
    }
    return document;
}

} // namespace veltra::RegisterPrintouts
