#include "importaanagrafecommand.h"

#include "registerloader.h"

#include "core/archive/archivereader.h"
#include "core/registry/registercsv.h"
#include "core/registry/registerfile.h"
#include "core/state/sharedstate.h"

#include <QFile>

namespace veltra {

int ImportaAnagrafeCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    SharedState state;
    const int loaded = RegisterLoader::load(name(), argumentsSynopsis(), arguments, 2, state, err);
    if (loaded != ExitSuccess)
        return loaded;
    QFile csv(arguments.at(1));
    if (!csv.open(QIODevice::ReadOnly) || csv.size() > ArchiveReader::MaxArchiveBytes) {
        err << notOpenedLine(arguments.at(1), csv.errorString());
        return ExitUnreadableFile;
    }
    const RegisterCsv::Result imported = RegisterCsv::import(csv.readAll(), state);
    if (!imported.ok) {
        err << "veltra-tool: " << arguments.at(1) << ", " << imported.problem
            << ": l'anagrafe non è stata modificata\n";
        return ExitDataRejected;
    }
    QString error;
    if (!RegisterFile::saveBeside(state, arguments.at(0), &error)) {
        err << "veltra-tool: il file \"" << RegisterFile::pathBeside(arguments.at(0))
            << "\" non è stato salvato: " << error << "\n";
        return ExitDataRejected;
    }
    out << RegisterCsv::build(state);
    return ExitSuccess;
}

} // namespace veltra
