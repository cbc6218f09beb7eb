#include "verificacommand.h"

#include "registryloader.h"

#include "core/registry/condominiumcheck.h"
#include "core/state/sharedstate.h"

namespace veltra {

int VerificaCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    SharedState state;
    const int loaded = RegistryLoader::load(name(), arguments, state, err);
    if (loaded != ExitSuccess)
        return loaded;
    const CondominiumCheck::Finding finding =
        CondominiumCheck::check(state, state.heatingBasis, CondominiumCheck::Form::Command);
    out << finding.text << '\n';
    return finding.passed ? ExitSuccess : ExitDataRejected;
}

} // namespace veltra
