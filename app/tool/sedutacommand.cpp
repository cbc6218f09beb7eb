#include "sedutacommand.h"

#include "meetinginput.h"

#include "core/meeting/meetingfile.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

namespace veltra {

namespace {

const QStringList TextOptions = {QStringLiteral("--data"), QStringLiteral("--luogo"),
                                 QStringLiteral("--piattaforma"), QStringLiteral("--presidente"),
                                 QStringLiteral("--segretario"), QStringLiteral("--apertura"),
                                 QStringLiteral("--chiusura")};

// Why the day's texts cannot describe the meeting, or an empty text.
QString describe(const QMap<QString, QString> &options, Meeting &meeting)
{
    const QDate day = QDate::fromString(options.value(QStringLiteral("--data")), QStringLiteral("dd/MM/yyyy"));
    if (!day.isValid())
        return QStringLiteral("--data vuole il giorno della seduta come GG/MM/AAAA");
    if (options.contains(QStringLiteral("--luogo")) && options.contains(QStringLiteral("--piattaforma")))
        return QStringLiteral("una seduta si tiene in un luogo o in videoconferenza, non in entrambi");
    meeting.date = day.toString(QStringLiteral("dd/MM/yyyy"));
    meeting.place = options.value(QStringLiteral("--luogo"));
    meeting.platform = options.value(QStringLiteral("--piattaforma"));
    meeting.chair = options.value(QStringLiteral("--presidente"));
    meeting.secretary = options.value(QStringLiteral("--segretario"));
    for (const auto &[option, time] : {std::pair{QStringLiteral("--apertura"), &meeting.opening},
                                       std::pair{QStringLiteral("--chiusura"), &meeting.closing}}) {
        if (!options.contains(option))
            continue;
        *time = QTime::fromString(options.value(option), QStringLiteral("HH:mm"));
        if (!time->isValid())
            return option + QStringLiteral(" vuole un'ora come HH:MM");
    }
    return QString();
}

// Every point of the notice's agenda, with the votes read for it.
void takeAgenda(const MeetingNotice &notice, Meeting &meeting)
{
    while (meeting.points.size() < notice.printedPoints())
        meeting.points.append(MeetingPoint());
    for (int point = 1; point <= meeting.points.size(); ++point)
        meeting.points[point - 1].text = notice.agendaPoint(point);
}

} // namespace

int SedutaCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const auto options = MeetingInput::readOptions(arguments, MeetingInput::fileOptions() + TextOptions,
                                                   {QStringLiteral("--seconda")});
    if (!options || !options->contains(QStringLiteral("--data"))) {
        err << "veltra-tool: uso: veltra-tool " << name() << ' ' << argumentsSynopsis() << "\n";
        return ExitBadArguments;
    }
    MeetingInput input;
    Meeting &meeting = input.meeting();
    const QString problem = describe(*options, meeting);
    if (!problem.isEmpty()) {
        err << "veltra-tool: " << problem << "\n";
        return ExitBadArguments;
    }
    if (const int loaded = input.load(*options, err))
        return loaded;
    takeAgenda(input.notice(), meeting);
    const QString folder = QFileInfo(options->value(QStringLiteral("--avviso"))).dir().path();
    const QString path = QDir(folder).filePath(
        MeetingFile::fileName(input.state().condoName, QDate::fromString(meeting.date, QStringLiteral("dd/MM/yyyy"))));
    QString error;
    if (!MeetingFile::save(input.state().condoName, meeting, path, &error)) {
        err << "veltra-tool: impossibile scrivere \"" << path << "\": " << error << "\n";
        return ExitUnreadableFile;
    }
    out << path << "\n";
    return ExitSuccess;
}

} // namespace veltra
