#include "core/expenses/meterallocation.h"

#include "core/numbers/numberscan.h"
#include "core/state/sharedstate.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace veltra {

namespace {

double weightOf(const QString &text)
{
    const double value = NumberScan::readComma(text).value_or(0.0);
    return std::isfinite(value) && value > 0 ? value : 0.0;
}

double weightOf(const Cell &cell)
{
    if (!cell.isNumber())
        return weightOf(cell.toText());
    const double value = cell.toNumber();
    return std::isfinite(value) && value > 0 ? value : 0.0;
}

// The participants' weights at their owner numbers; the others weigh nothing.
QVector<double> participantWeights(const SharedState &state,
                                   double (*weight)(const SharedState &, const Owner &))
{
    const int n = std::clamp(state.ownerCount, 0, MaxOwners);
    QVector<double> weights(n + 1, 0.0);
    for (int i = 1; i <= n; ++i) {
        const Owner &owner = state.owner(i);
        if (owner.takesPart == 1)
            weights[i] = weight(state, owner);
    }
    return weights;
}

double readingWeight(const SharedState &, const Owner &owner)
{
    return meterReadingOf(owner);
}

double sum(const QVector<double> &weights)
{
    return std::accumulate(weights.begin(), weights.end(), 0.0);
}

} // namespace

double meterReadingOf(const Owner &owner)
{
    return weightOf(owner.meterReading);
}

double meterBasisOf(const SharedState &state, const Owner &owner)
{
    switch (MeterBasis(state.meterParameters.basis)) {
    case MeterBasis::Heating:
        return weightOf(owner.heatingQuantity);
    case MeterBasis::Demand:
        return weightOf(owner.demandMillesimi);
    case MeterBasis::Property:
        break;
    }
    return weightOf(owner.ownerMillesimi);
}

std::optional<double> consumptionPercentOf(const SharedState &state)
{
    const std::optional<double> percent =
        NumberScan::readComma(state.meterParameters.consumptionPercent);
    if (!percent || !std::isfinite(*percent))
        return std::nullopt;
    return percent;
}

QVector<Money> splitByWeights(Money total, const QVector<double> &weights)
{
    QVector<Money> shares(weights.size());
    const long double weightTotal = sum(weights);
    if (weightTotal <= 0 || total.cents() == 0)
        return shares;
    // A credit is split as a charge would be, and given back with its sign.
    const long long sign = total.cents() < 0 ? -1 : 1;
    const long long cents = sign * total.cents();
    QVector<long double> remainders(weights.size(), 0);
    long long given = 0;
    for (int i = 1; i < weights.size(); ++i) {
        const long double exact = cents * (weights[i] / weightTotal);
        const long long whole = static_cast<long long>(std::floor(exact));
        shares[i] = Money::fromCents(whole);
        remainders[i] = weights[i] > 0 ? exact - whole : -1;
        given += whole;
    }
    QVector<int> order(weights.size() - 1);
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return remainders[a] > remainders[b]; });
    for (int j = 0; given < cents && j < order.size(); ++j, ++given)
        shares[order[j]] = shares[order[j]] + Money::fromCents(1);
    for (Money &share : shares)
        share = Money::fromCents(sign * share.cents());
    return shares;
}

MeterSplit splitByMeters(const SharedState &state, int k)
{
    MeterSplit split;
    const std::optional<Money> amount =
        Money::parse(state.item(std::clamp(k, 0, MaxItems)).expenseAmount);
    if (!amount)
        return split;
    split.computed = true;
    split.amount = *amount;
    split.percent = std::clamp(consumptionPercentOf(state).value_or(0.0), 0.0, 100.0);
    split.consumptionPart =
        Money::fromCents(std::llround(static_cast<long double>(amount->cents()) * split.percent / 100));
    split.fixedPart = split.amount - split.consumptionPart;
    const QVector<double> readings = participantWeights(state, readingWeight);
    const QVector<double> basis = participantWeights(state, meterBasisOf);
    split.readingTotal = sum(readings);
    split.basisTotal = sum(basis);
    split.consumption = splitByWeights(split.consumptionPart, readings);
    split.fixed = splitByWeights(split.fixedPart, basis);
    return split;
}

} // namespace veltra
