#include "controllaanagrafecommand.h"

#include "registerloader.h"

#include "core/registry/registercheck.h"
#include "core/state/sharedstate.h"

#include <QDate>

namespace veltra {

int ControllaAnagrafeCommand::run(const QStringList &arguments, QTextStream &out,
                                  QTextStream &err)
{
    SharedState state;
    bool matches = true;
    const int loaded =
        RegisterLoader::load(name(), argumentsSynopsis(), arguments, 1, state, err, &matches);
    if (loaded != ExitSuccess)
        return loaded;
    const QVector<RegisterCheck::OwnerFindings> all =
        RegisterCheck::check(state, QDate::currentDate());
    for (const RegisterCheck::OwnerFindings &findings : all) {
        out << "condomino n. " << findings.owner << " (" << findings.ownerName << ")\n";
        for (const QString &line : findings.missing)
            out << "  mancante: " << line << "\n";
        for (const QString &line : findings.wrong)
            out << "  errato: " << line << "\n";
    }
    return all.isEmpty() && matches ? ExitSuccess : ExitDataRejected;
}

} // namespace veltra
