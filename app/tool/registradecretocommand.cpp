#include "registradecretocommand.h"

#include "meetinginput.h"
#include "registryloader.h"

#include "core/meeting/decreefile.h"
#include "core/state/sharedstate.h"

#include <QDir>
#include <QFileInfo>

namespace veltra {

namespace {

const QStringList RequiredOptions = {QStringLiteral("--dati"), QStringLiteral("--data"),
                                     QStringLiteral("--tribunale"), QStringLiteral("--estremi"),
                                     QStringLiteral("--tipo"), QStringLiteral("--amministratore")};

// The decree the options describe; nothing, with *problem, when its date or kind is not one.
std::optional<CourtDecree> decreeOf(const QMap<QString, QString> &options, QString *problem)
{
    CourtDecree decree;
    decree.date = QDate::fromString(options.value(QStringLiteral("--data")), QStringLiteral("dd/MM/yyyy"));
    const std::optional<CourtDecree::Kind> kind = DecreeFile::kindNamed(options.value(QStringLiteral("--tipo")));
    if (!decree.date.isValid())
        *problem = QStringLiteral("--data vuole il giorno del decreto come GG/MM/AAAA");
    else if (!kind)
        *problem = QStringLiteral("--tipo vuole \"nomina\" o \"revoca\"");
    if (!problem->isEmpty())
        return std::nullopt;
    decree.kind = *kind;
    decree.court = options.value(QStringLiteral("--tribunale")).simplified();
    decree.particulars = options.value(QStringLiteral("--estremi")).simplified();
    decree.administrator = options.value(QStringLiteral("--amministratore")).simplified();
    decree.note = options.value(QStringLiteral("--note")).simplified();
    return decree;
}

} // namespace

int RegistraDecretoCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const auto options = MeetingInput::readOptions(arguments, RequiredOptions + QStringList{QStringLiteral("--note")},
                                                   {}, RequiredOptions);
    if (!options) {
        err << "veltra-tool: uso: veltra-tool " << name() << ' ' << argumentsSynopsis() << "\n";
        return ExitBadArguments;
    }
    QString problem;
    const std::optional<CourtDecree> decree = decreeOf(*options, &problem);
    if (!decree) {
        err << "veltra-tool: " << problem << "\n";
        return ExitBadArguments;
    }
    const QString archive = options->value(QStringLiteral("--dati"));
    SharedState state;
    if (const int loaded = RegistryLoader::load(name(), {archive}, state, err))
        return loaded;
    const QString path = QFileInfo(archive).dir().filePath(DecreeFile::fileName(state.condoName));
    if (!DecreeFile::append(path, state.condoName, *decree, &problem)) {
        err << "veltra-tool: " << problem << "\n";
        return ExitDataRejected;
    }
    out << "decreto di " << DecreeFile::kindName(decree->kind) << " del " << decree->date.toString(QStringLiteral("dd/MM/yyyy"))
        << " annotato in \"" << path << "\"\n";
    return ExitSuccess;
}

} // namespace veltra
