#include "meetingprintkinds.h"

#include "registryloader.h"
#include "stampacommand.h"

#include "core/archive/companionfile.h"
#include "core/meeting/decreefile.h"
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

int minutesPrintout(const QString &file, ReportDocument &document, QTextStream &err)
{
    MinutesRegister::LoadResult result;
    if (const int loaded = loadRegister(file, result, err))
        return loaded;
    document = RegisterPrintouts::minutesRegister(result.condoName, result.entries);
    return ExitSuccess;
}

// The register of appointments from the register of minutes at file and the court decrees
// beside it: a condominium whose administrator the judge appointed may have either alone.
int appointmentsPrintout(const QString &file, ReportDocument &document, QTextStream &err)
{
    const QString decreesPath = CompanionFile::pathBeside(file, MinutesRegister::fileName(QString()),
                                                          DecreeFile::fileName(QString()));
    const bool hasMinutes = QFileInfo::exists(file) || !QFileInfo::exists(decreesPath);
    MinutesRegister::LoadResult minutes;
    if (hasMinutes) {
        if (const int loaded = loadRegister(file, minutes, err))
            return loaded;
    }
    DecreeFile::LoadResult decrees;
    if (QFileInfo::exists(decreesPath)) {
        decrees = DecreeFile::load(decreesPath);
        if (const int read = readingOutcome(decreesPath, decrees, "un file dei decreti", err))
            return read;
        if (hasMinutes && decrees.condoName != minutes.condoName) {
            err << "veltra-tool: il file dei decreti \"" << decreesPath << "\" è del condominio \""
                << decrees.condoName << "\", il registro dei verbali di \"" << minutes.condoName << "\"\n";
            return ExitDataRejected;
        }
    }
    document = RegisterPrintouts::appointmentsRegister(hasMinutes ? minutes.condoName : decrees.condoName,
                                                       minutes.entries, decrees.decrees);
    return ExitSuccess;
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
    command.addFileKind(QStringLiteral("registro-verbali"), minutesPrintout);
    command.addFileKind(QStringLiteral("registro-nomine"), appointmentsPrintout);
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
