#include "core/registry/condominiumcheck.h"

#include "core/numbers/numbertext.h"
#include "core/state/sharedstate.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace veltra {

namespace {

using Finding = CondominiumCheck::Finding;

Finding critical(const QString &text)
{
    return Finding{false, MessageIcon::Critical, text};
}

// The first empty cell of a unit, with the text that asks for it; null when none.
const char *firstMissing(const Unit &unit, int heatingOption)
{
    const std::pair<const QString *, const char *> cells[] = {
        {&unit.netSurface, "- digitare la superficie"},
        {&unit.coeffDestination, "- digitare il coefficiente di destinazione"},
        {&unit.coeffFloor, "- digitare il coefficiente di piano"},
        {&unit.coeffOrientation, "- digitare il coefficiente di orientamento"},
        {&unit.coeffProspect, "- digitare il coefficiente di prospetto"},
        {&unit.coeffLight, "- digitare il coefficiente di luminosità"},
        {&unit.coeffFunction, "- digitare il coefficiente di funzionalità"},
        {&unit.coeffVolume, "- digitare il coefficiente di volume"}};
    for (const auto &[cell, text] : cells) {
        if (cell->isEmpty())
            return text;
    }
    if (!unit.heatingValue.isEmpty())
        return nullptr;
    if (heatingOption == 1)
        return "- digitare la cubatura";
    if (heatingOption == 2)
        return "- digitare la superficie radiante";
    return nullptr;
}

std::optional<Finding> checkOwner(const Owner &owner, int i, int heatingOption)
{
    const QString prefix = QStringLiteral("Condomino n.") + NumberText::str(i)
        + QStringLiteral(":\n");
    if (owner.ownerAddress.isEmpty())
        return critical(prefix + QStringLiteral("- digitare l'indirizzo."));
    if (owner.ownerFloor.isEmpty())
        return critical(prefix + QStringLiteral("- digitare il numero del piano."));
    if (owner.unitCount == 0)
        return critical(prefix + QStringLiteral("- digitare i dati di almeno un locale."));
    for (int j = 1, units = std::clamp(owner.unitCount, 0, MaxUnits); j <= units; ++j) {
        if (const char *missing = firstMissing(owner.units[j], heatingOption))
            return critical(prefix + QString::fromUtf8(missing)
                            + QStringLiteral(" del locale n.") + NumberText::str(j));
    }
    return std::nullopt;
}

} // namespace

QString CondominiumCheck::passedText()
{
    return QStringLiteral("I dati sono stati immessi correttamente.");
}

CondominiumCheck::Finding CondominiumCheck::check(const SharedState &state, int heatingOption,
                                                  Form form)
{
    if (state.condoName.isEmpty())
        return critical(QStringLiteral("Digitare il nome del condominio."));
    if (state.ownerCount == 0)
        return Finding{false, MessageIcon::Exclamation,
                       QStringLiteral("Non esistono dati riconosciuti:\n"
                                      "- per procedere è necessario avere un elenco di condomini;\n"
                                      "- prelevarli dall'archivio o digitarli nei campi della "
                                      "finestra.")};
    for (int i = 1, owners = std::clamp(state.ownerCount, 0, MaxOwners); i <= owners; ++i) {
        if (auto finding = checkOwner(state.owner(i), i, heatingOption))
            return *finding;
    }
    if (form == Form::BeforeSaving)
        return Finding{true, MessageIcon::None, QString()};
    return Finding{true, MessageIcon::Information, passedText()};
}

} // namespace veltra
