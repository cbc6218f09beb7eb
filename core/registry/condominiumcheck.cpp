#include "core/registry/condominiumcheck.h"

#include "core/numbers/numbertext.h"
#include "core/registry/millesimalcomputation.h"
#include "core/state/sharedstate.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace veltra {

namespace {

using Finding = CondominiumCheck::Finding;

Finding critical(const QString &text)
{
    return Finding{false, MessageIcon::Critical, text};
}

// The heating value's name under the heating option marked; unmarked, the value is not
// required, but one that is typed must still read as a number.
QString heatingValueName(int heatingOption)
{
    if (heatingOption == 1)
        return QStringLiteral("la cubatura");
    if (heatingOption == 2)
        return QStringLiteral("la superficie radiante");
    return QStringLiteral("la cubatura o superficie radiante");
}

// What is wrong with the first cell of a unit that is empty, does not read as a number or
// is below zero, as "- digitare la superficie" or "- correggere la superficie"; the caller
// adds the unit and, for a text that is no number or below zero, why. Empty when every cell is right.
struct UnitFault
{
    QString text;
    QString reason;
};

std::optional<UnitFault> firstFault(const Unit &unit, int heatingOption)
{
    const std::pair<const QString *, QString> cells[] = {
        {&unit.netSurface, QStringLiteral("la superficie")},
        {&unit.coeffDestination, QStringLiteral("il coefficiente di destinazione")},
        {&unit.coeffFloor, QStringLiteral("il coefficiente di piano")},
        {&unit.coeffOrientation, QStringLiteral("il coefficiente di orientamento")},
        {&unit.coeffProspect, QStringLiteral("il coefficiente di prospetto")},
        {&unit.coeffLight, QStringLiteral("il coefficiente di luminosità")},
        {&unit.coeffFunction, QStringLiteral("il coefficiente di funzionalità")},
        {&unit.coeffVolume, QStringLiteral("il coefficiente di volume")},
        {&unit.heatingValue, heatingValueName(heatingOption)}};
    for (const auto &[cell, name] : cells) {
        if (cell->isEmpty()) {
            if (cell == &unit.heatingValue && heatingOption == 0)
                continue;
            return UnitFault{QStringLiteral("- digitare ") + name, QString()};
        }
        const QString reason = NumberText::fault(*cell);
        if (!reason.isEmpty())
            return UnitFault{QStringLiteral("- correggere ") + name, reason};
        // A unit never holds less than nothing: below zero it would take millesimi away
        // from the others.
        if (NumberText::read(*cell).value_or(0) < 0)
            return UnitFault{QStringLiteral("- correggere ") + name,
                             QStringLiteral("\"%1\" è minore di zero").arg(*cell)};
    }
    return std::nullopt;
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
        const std::optional<UnitFault> fault = firstFault(owner.units[j], heatingOption);
        if (!fault)
            continue;
        const QString unit = QStringLiteral(" del locale n.") + NumberText::str(j);
        if (fault->reason.isEmpty())
            return critical(prefix + fault->text + unit);
        return critical(prefix + fault->text + unit + QStringLiteral(": ") + fault->reason
                        + QLatin1Char('.'));
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

PrintClearance CondominiumCheck::printClearance(SharedState &state, int heatingOption)
{
    const Finding finding = check(state, heatingOption, Form::BeforeSaving);
    if (!finding.passed)
        return PrintClearance::refused(finding.icon, finding.text);
    if (!recomputeTables(state))
        return PrintClearance::refused(MessageIcon::Critical,
                                       QStringLiteral("Il calcolo dei millesimi si è interrotto: "
                                                      "una superficie o un coefficiente è vuoto "
                                                      "o non è un numero."));
    return PrintClearance::granted();
}

} // namespace veltra
