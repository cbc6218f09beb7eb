#include "registraverbalecommand.h"

#include "meetingprintkinds.h"

#include "core/meeting/meeting.h"
#include "core/meeting/minutesregister.h"
#include "core/registry/administratorfile.h"
#include "core/state/sharedstate.h"
#include "library/assembly/majoritytable.h"
#include "reports/meeting/registerprintouts.h"

#include <QDir>
#include <QFileInfo>

namespace veltra {

int RegistraVerbaleCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    bool numberRead = arguments.size() == 1;
    const int corrects = arguments.size() == 3 && arguments.at(1) == QLatin1String("--corregge")
        ? arguments.at(2).toInt(&numberRead)
        : 0;
    if (!numberRead || corrects < 0) {
        err << "veltra-tool: uso: veltra-tool " << name() << ' ' << argumentsSynopsis() << "\n";
        return ExitBadArguments;
    }
    SharedState state;
    Meeting meeting;
    if (const int loaded = MeetingPrintKinds::load(arguments.first(), state, meeting, err))
        return loaded;
    QString problem;
    const AdministratorDetails administrator =
        AdministratorFile::load(AdministratorFile::defaultPath(), &problem).value_or(AdministratorDetails());
    MinutesEntry entry = RegisterPrintouts::entryFor(state, meeting, MajorityTable::shipped().majorities,
                                                     administrator, QDate::currentDate());
    entry.corrects = corrects;
    const QString path = QFileInfo(arguments.first()).dir().filePath(MinutesRegister::fileName(state.condoName));
    if (!MinutesRegister::append(path, state.condoName, entry, &problem)) {
        err << "veltra-tool: " << problem << "\n";
        return ExitDataRejected;
    }
    out << "verbale n. " << entry.number << " trascritto nel registro \"" << path << "\"\n";
    return ExitSuccess;
}

} // namespace veltra
