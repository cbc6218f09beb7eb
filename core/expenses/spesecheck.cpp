#include "core/expenses/spesecheck.h"

#include "core/expenses/datefaults.h"
#include "core/expenses/expenseallocation.h"
#include "core/expenses/meterallocation.h"
#include "core/numbers/numbertext.h"
#include "core/state/sharedstate.h"

#include <algorithm>
#include <functional>

namespace veltra {

namespace SpeseCheck {

namespace {

int ownerLimit(const SharedState &state)
{
    return std::clamp(state.ownerCount, 0, MaxOwners);
}

bool anyOwner(const SharedState &state, const std::function<bool(const Owner &)> &test)
{
    for (int i = 1, n = ownerLimit(state); i <= n; ++i) {
        if (test(state.owner(i)))
            return true;
    }
    return false;
}

bool nobodyTakesPart(const SharedState &state)
{
    return !anyOwner(state, [](const Owner &owner) { return owner.takesPart != 0; });
}

double floorMillesimiTotal(const SharedState &state)
{
    double total = 0;
    for (int i = 1, n = ownerLimit(state); i <= n; ++i)
        total += leadingNumber(state.owner(i).floorMillesimi);
    return total;
}

// Rules 9 to 14: the inputs the chosen criterion cannot do without.
int criterionRule(const SharedState &state, int criterion)
{
    switch (criterion) {
    case 2:
        if (!anyOwner(state, [](const Owner &o) { return !o.fixedPercent.isEmpty(); }))
            return 9;
        break;
    case 5:
        if (floorMillesimiTotal(state) == 0)
            return 10;
        break;
    case 6:
        if (!anyOwner(state, [](const Owner &o) { return o.oneThirdFlag != 0; }))
            return 11;
        if (!anyOwner(state, [](const Owner &o) { return !o.twoThirdsPercent.isEmpty(); }))
            return 12;
        break;
    case 3:
    case 4:
        if (!anyOwner(state, [](const Owner &o) { return !o.heatingQuantity.isEmpty(); }))
            return criterion == 3 ? 13 : 14;
        break;
    case MeteredHeating:
        if (!anyOwner(state, [](const Owner &o) { return !o.meterReading.isEmpty(); }))
            return 16;
        break;
    default:
        break;
    }
    return 15;
}

Finding fails(MessageIcon icon, const QString &text)
{
    return Finding{false, icon, text};
}

QString ownerPrefix(int i)
{
    return QStringLiteral("Condomino n.") + NumberText::str(i) + QStringLiteral(":\n");
}

// "- correggere " + the datum + why its text is no number, or an empty text when it is one.
QString wrongNumber(const QString &text, const char *datum)
{
    const QString fault = NumberText::fault(text);
    if (fault.isEmpty())
        return QString();
    return QStringLiteral("- correggere ") + QString::fromUtf8(datum) + QStringLiteral(": ")
        + fault + QLatin1Char('.');
}

// A datum of an owner that the criterion counts.
struct OwnerDatum
{
    bool empty;          // never given
    QString typed;       // the text as typed; empty for a computed number
    const char *missing; // the request when it is empty
    const char *name;    // how it is named when its text is no number
};

OwnerDatum textDatum(const QString &text, const char *missing, const char *name)
{
    return OwnerDatum{text.isEmpty(), text, missing, name};
}

OwnerDatum cellDatum(const Cell &cell, const char *missing, const char *name)
{
    return OwnerDatum{cell.isEmpty(), cell.isNumber() ? QString() : cell.toText(), missing, name};
}

// The data of an owner that criterion counts, in the order they are checked.
QList<OwnerDatum> countedData(const Owner &owner, int criterion)
{
    QList<OwnerDatum> data;
    if (criterion == 2)
        data.append(textDatum(owner.fixedPercent, "- digitare la percentuale fissa.",
                              "la percentuale fissa"));
    data.append(cellDatum(owner.ownerMillesimi, "- digitare i millesimi.", "i millesimi"));
    if (criterion == 5)
        data.append(textDatum(owner.floorMillesimi, "- digitare i millesimi di piano.",
                              "i millesimi di piano"));
    if (criterion == 3)
        data.append(cellDatum(owner.heatingQuantity, "- digitare la cubatura.", "la cubatura"));
    if (criterion == 4)
        data.append(cellDatum(owner.heatingQuantity, "- digitare la superficie radiante.",
                              "la superficie radiante"));
    return data;
}

// The first datum an owner lacks, or whose text is no number, under criterion; an empty
// text when all are right.
QString ownerFault(const Owner &owner, int criterion)
{
    for (const OwnerDatum &datum : countedData(owner, criterion)) {
        if (datum.empty)
            return QString::fromUtf8(datum.missing);
        const QString wrong = wrongNumber(datum.typed, datum.name);
        if (!wrong.isEmpty())
            return wrong;
    }
    return QString();
}

QString twoThirdsFault(const Owner &owner)
{
    if (owner.twoThirdsPercent.isEmpty())
        return QStringLiteral("- digitare la percentuale dei millesimi che partecipa per due "
                              "terzi.");
    return wrongNumber(owner.twoThirdsPercent, "la percentuale dei millesimi per due terzi");
}

// The stairs rule shares its halves by the participants' property and floor millesimi:
// when both add up to zero there is nothing to weigh the amount by.
Finding checkStairsTotals(const SharedState &state)
{
    const StairsTotals totals = stairsTotals(state);
    if (totals.ownerMillesimi != 0 || totals.floorMillesimi != 0)
        return Finding{true, MessageIcon::None, QString()};
    return fails(MessageIcon::Critical,
                 QStringLiteral("Nessuna quota può essere calcolata:\n- i condomini che "
                                "partecipano alla spesa hanno in tutto zero millesimi di "
                                "proprietà e zero millesimi di piano;\n- correggere i millesimi "
                                "o scegliere i condomini serviti dalle scale o dall'ascensore."));
}

const Finding Passed{true, MessageIcon::None, QString()};

// The basis datum of a participant under criterion 7, by the item's basis.
OwnerDatum meterBasisDatum(const SharedState &state, const Owner &owner)
{
    switch (MeterBasis(state.meterParameters.basis)) {
    case MeterBasis::Heating:
        return cellDatum(owner.heatingQuantity, "- digitare la cubatura o la superficie radiante.",
                         "la cubatura o la superficie radiante");
    case MeterBasis::Demand:
        return textDatum(owner.demandMillesimi, "- digitare i millesimi di fabbisogno.",
                         "i millesimi di fabbisogno");
    case MeterBasis::Property:
        break;
    }
    return cellDatum(owner.ownerMillesimi, "- digitare i millesimi.", "i millesimi");
}

// What a participant of a metered item lacks: his reading (or an estimate marked as such)
// and his basis; a reading below zero is no consumption.
QString meterFault(const SharedState &state, const Owner &owner)
{
    if (owner.takesPart != 1)
        return QString();
    if (owner.meterReading.isEmpty())
        return QString::fromUtf8("- digitare la lettura dei contatori di calore (o una lettura "
                                 "stimata, segnata come tale).");
    const QString wrong = wrongNumber(owner.meterReading, "la lettura");
    if (!wrong.isEmpty())
        return wrong;
    if (NumberText::read(owner.meterReading).value_or(0) < 0)
        return QString::fromUtf8("- correggere la lettura: non può essere negativa.");
    const OwnerDatum basis = meterBasisDatum(state, owner);
    if (basis.empty)
        return QString::fromUtf8(basis.missing);
    return wrongNumber(basis.typed, basis.name);
}

// The share charged by consumption: at least half, as d.lgs. 102/2014 (art. 9, comma 5,
// lettera d, as amended by d.lgs. 73/2020) asks where heat meters or allocators serve.
Finding checkConsumptionPercent(const SharedState &state)
{
    const QString &typed = state.meterParameters.consumptionPercent;
    const std::optional<double> percent = consumptionPercentOf(state);
    if (typed.isEmpty() || !percent)
        return fails(MessageIcon::Critical,
                     QString::fromUtf8("Digitare la percentuale della spesa da ripartire in base "
                                       "alle letture dei contatori di calore (almeno 50)."));
    if (*percent < 50)
        return fails(MessageIcon::Critical,
                     QString::fromUtf8("La quota ripartita in base alle letture è del%1%:\n- "
                                       "dove ci sono contatori di calore o ripartitori, il d.lgs. "
                                       "102/2014 (art. 9, comma 5, lettera d, come modificato dal "
                                       "d.lgs. 73/2020) vuole che almeno il 50% della spesa sia "
                                       "ripartito in base ai consumi effettivi;\n- correggere la "
                                       "percentuale come deliberato dall'assemblea.")
                         .arg(NumberText::str(*percent)));
    if (*percent > 100)
        return fails(MessageIcon::Critical,
                     QString::fromUtf8("La quota ripartita in base alle letture non può superare "
                                       "il 100% della spesa."));
    return Passed;
}

// Each part needs something to weigh it by among the participants.
Finding checkMeterTotals(const SharedState &state, int k)
{
    const MeterSplit split = splitByMeters(state, k);
    if (split.readingTotal == 0)
        return fails(MessageIcon::Critical,
                     QString::fromUtf8("Nessuna quota di consumo può essere calcolata:\n- le "
                                       "letture dei condomini che partecipano alla spesa sommano "
                                       "a zero;\n- digitare o importare le letture del periodo."));
    if (split.basisTotal == 0 && split.fixedPart.cents() != 0)
        return fails(MessageIcon::Critical,
                     QString::fromUtf8("Nessuna quota fissa può essere calcolata:\n- la base "
                                       "scelta per la quota fissa somma a zero tra i condomini "
                                       "che partecipano alla spesa;\n- correggerla o sceglierne "
                                       "un'altra."));
    return Passed;
}

Finding checkOwners(const SharedState &state, int k, int criterion)
{
    if (criterion == MeteredHeating) {
        const Finding percent = checkConsumptionPercent(state);
        if (!percent.passed)
            return percent;
    }
    const int n = ownerLimit(state);
    for (int i = 1; i <= n; ++i) {
        QString fault = ownerFault(state.owner(i), criterion);
        if (fault.isEmpty() && criterion == MeteredHeating)
            fault = meterFault(state, state.owner(i));
        if (!fault.isEmpty())
            return fails(MessageIcon::Critical, ownerPrefix(i) + fault);
    }
    if (criterion == MeteredHeating)
        return checkMeterTotals(state, k);
    if (criterion == 5)
        return checkStairsTotals(state);
    if (criterion != 6)
        return Passed;
    for (int i = 1; i <= n; ++i) {
        const QString fault = twoThirdsFault(state.owner(i));
        if (!fault.isEmpty())
            return fails(MessageIcon::Critical, ownerPrefix(i) + fault);
    }
    return Finding{true, MessageIcon::None, QString()};
}

} // namespace

double leadingNumber(const QString &text)
{
    return NumberText::leading(text);
}

int stepHintRule(const SharedState &state, int k, const WindowChoices &choices)
{
    const ExpenseItem &item = state.item(k);
    if (!choices.managementOptionMarked)
        return 1;
    if (state.ownerCount == 0)
        return 2;
    if (item.expenseAmount.isEmpty())
        return 3;
    if (item.expenseType.isEmpty())
        return 4;
    if (item.expenseDate.isEmpty())
        return 5;
    if (choices.managementType.isEmpty())
        return 6;
    if (nobodyTakesPart(state))
        return 7;
    if (choices.criterionOption == 0)
        return 8;
    return criterionRule(state, choices.criterionOption);
}

Finding check(const SharedState &state, int k, const WindowChoices &choices)
{
    const ExpenseItem &item = state.item(k);
    if (state.ownerCount == 0)
        return fails(MessageIcon::Exclamation,
                     QStringLiteral("Non esistono dati riconosciuti:\n- per procedere è "
                                    "necessario avere un elenco di condomini;\n- prelevarli "
                                    "dall'archivio o tornare alla finestra Dati per digitarli."));
    if (item.expenseAmount.isEmpty())
        return fails(MessageIcon::Critical, QStringLiteral("Digitare la somma da ripartire."));
    const QString amountFault = NumberText::fault(item.expenseAmount);
    if (!amountFault.isEmpty())
        return fails(MessageIcon::Critical,
                     QStringLiteral("Correggere la somma da ripartire: ") + amountFault
                         + QLatin1Char('.'));
    if (item.expenseType.isEmpty())
        return fails(MessageIcon::Exclamation, QStringLiteral("Digitare il tipo di spesa."));
    if (item.expenseDate.isEmpty())
        return fails(MessageIcon::Critical, QStringLiteral("Digitare la data della spesa."));
    if (const std::optional<QString> fault = DateFaults::itemDate(k, item.expenseDate))
        return fails(MessageIcon::Critical, *fault);
    if (choices.managementType.isEmpty())
        return fails(MessageIcon::Critical,
                     QStringLiteral("Scegliere il tipo di gestione dei dati (preventivi o spese)."));
    if (choices.criterionOption == 0)
        return fails(MessageIcon::Critical,
                     QStringLiteral("Scegliere il tipo di calcolo per la ripartizione delle spese."));
    if (nobodyTakesPart(state))
        return fails(MessageIcon::Critical,
                     QStringLiteral("Scegliere i condomini che partecipano alla ripartizione "
                                    "della spesa."));
    const Finding owners = checkOwners(state, k, choices.criterionOption);
    if (!owners.passed)
        return owners;
    return Finding{true, MessageIcon::Information,
                   QStringLiteral("I dati sono stati immessi correttamente.")};
}

WindowChoices choicesOfItem(const SharedState &state, ManagementType type)
{
    WindowChoices choices;
    choices.managementOptionMarked = type != ManagementType::None;
    choices.managementType = managementTypeText(type);
    choices.criterionOption = state.calcType >= 1 && state.calcType <= LastCriterion ? state.calcType : 0;
    return choices;
}

PrintClearance printClearance(const SharedState &state, int k, const WindowChoices &choices)
{
    const Finding finding = check(state, k, choices);
    return PrintClearance::fromFinding(finding.passed, finding.icon, finding.text);
}

} // namespace SpeseCheck

} // namespace veltra
