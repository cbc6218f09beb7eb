#include "meetingprintkinds.h"

#include "registryloader.h"
#include "stampacommand.h"

#include "core/meeting/meetingfile.h"
#include "core/meeting/minutesregister.h"
#include "core/state/sharedstate.h"
#include "library/assembly/majoritytable.h"
#include "reports/meeting/attendancesheetprintout.h"
#include "reports/meeting/minutesprintout.h"
#include "reports/meeting/registerprintouts.h"

#include <QDir>
#include <QFileInfo>

namespace veltra::MeetingPrintKinds {

namespace {

// ExitSuccess for a file read whole; otherwise the exit code after one line naming the file
// as what it should have been.
template<typename Result>
int readingOutcome(const QString &file, const Result &result, const char *what, QTextStream &err)
{
    if (!result.opened) {
        err << notOpenedLine(file, result.problem);
        return ExitUnreadableFile;
    }
    if (result.isComplete())
        return ExitSuccess;
    err << "veltra-tool: il file \"" << file << "\" non è " << what << " leggibile";
    if (result.failedLine > 0)
        err << " (errore alla riga " << result.failedLine << ")";
    err << causeText(result.problem) << "\n";
    return ExitUnreadableFile;
}

// The register of minutes at file, whole; ExitSuccess or the exit code after one line.
int loadRegister(const QString &file, MinutesRegister::LoadResult &result, QTextStream &err)
{
    result = MinutesRegister::load(file);
    return readingOutcome(file, result, "un registro dei verbali", err);
}

template<typename Build>
StampaCommand::FileBuilder registerPrintout(Build build)
{
    return [build](const QString &file, ReportDocument &document, QTextStream &err) {
        MinutesRegister::LoadResult result;
        if (const int loaded = loadRegister(file, result, err))
            return loaded;
        document = build(result.condoName, result.entries);
        return int(ExitSuccess);
    };
}

} // namespace

int load(const QString &file, SharedState &state, Meeting &meeting, QTextStream &err)
{
    const MeetingFile::LoadResult result = MeetingFile::load(file);
    if (const int read = readingOutcome(file, result, "il file di una seduta", err))
        return read;
    meeting = result.meeting;
    const QString archive = QFileInfo(file).dir().filePath(QStringLiteral("Veltra-dati-") + result.condoName);
    return RegistryLoader::load(QStringLiteral("stampa"), {archive}, state, err);
}

void addTo(StampaCommand &command)
{
    command.addFileKind(QStringLiteral("registro-verbali"), registerPrintout(&RegisterPrintouts::minutesRegister));
    command.addFileKind(QStringLiteral("registro-nomine"), registerPrintout(&RegisterPrintouts::appointmentsRegister));
    command.addFileKind(QStringLiteral("verbale"), [&command](const QString &file, ReportDocument &document,
                                                              QTextStream &err) {
        SharedState state;
        Meeting meeting;
        if (const int loaded = load(file, state, meeting, err))
            return loaded;
        document = MinutesPrintout::build(state, meeting, MajorityTable::shipped().majorities,
                                          command.administrator());
        return int(ExitSuccess);
    });
    command.addFileKind(QStringLiteral("foglio-presenze"),
                        [](const QString &file, ReportDocument &document, QTextStream &err) {
                            SharedState state;
                            Meeting meeting;
                            if (const int loaded = load(file, state, meeting, err))
                                return loaded;
                            document = AttendanceSheetPrintout::build(state, meeting);
                            return int(ExitSuccess);
                        });
}

} // namespace veltra::MeetingPrintKinds
