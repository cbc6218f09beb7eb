#include "support/registryfixture.h"

#include "core/registry/condominiumarchive.h"

#include <QDir>

namespace veltra::RegistryFixture {

namespace {

// Texts built at run time, as typed or read ones are, rather than literals.
const QStringList &coefficientChoices()
{
    static const QStringList choices = QString::fromLatin1("1,00 0,95 0,9 1,05 0,85 1")
                                           .split(QLatin1Char(' '));
    return choices;
}

// A varied, reproducible datum for unit j of owner i.
Unit generatedUnit(int i, int j)
{
    const QStringList &choices = coefficientChoices();
    QStringList coefficients;
    for (int c = 0; c < 7; ++c)
        coefficients << QString(choices.at((i + j * 3 + c * 5) % choices.size()));
    const QString surface = QString::number(5 + (i * 7 + j * 13) % 40) + QLatin1Char(',')
        + QString::number((i + j) % 100).rightJustified(2, QLatin1Char('0'));
    return makeUnit(surface, coefficients, QStringLiteral("vano %1").arg(j),
                    QString::number(30 + (i + j) % 50) + QStringLiteral(",5"));
}

} // namespace

Unit makeUnit(const QString &surface, const QStringList &coefficients, const QString &name,
              const QString &heating)
{
    const QStringList factors = coefficients.isEmpty() ? QStringList(7, QStringLiteral("1"))
                                                       : coefficients;
    Unit unit;
    unit.unitName = name;
    unit.netSurface = surface;
    unit.coeffDestination = factors.value(0);
    unit.coeffFloor = factors.value(1);
    unit.coeffOrientation = factors.value(2);
    unit.coeffProspect = factors.value(3);
    unit.coeffLight = factors.value(4);
    unit.coeffFunction = factors.value(5);
    unit.coeffVolume = factors.value(6);
    unit.heatingValue = heating;
    return unit;
}

int addOwner(SharedState &state, const QString &name, const QString &floor,
             const QList<Unit> &units, const QString &address)
{
    const int i = ++state.ownerCount;
    Owner &owner = state.owner(i);
    owner.ownerName = name;
    owner.ownerAddress = address;
    owner.ownerFloor = floor;
    owner.unitCount = int(units.size());
    for (int j = 1; j <= owner.unitCount; ++j)
        owner.units[j] = units.at(j - 1);
    return i;
}

void fillRegistry(SharedState &state, int owners, int unitsPerOwner)
{
    state.condoName = QStringLiteral("Condominio Aurora");
    state.heatingBasis = 1;
    state.ownerCount = 0;
    for (int i = 1; i <= owners; ++i) {
        QList<Unit> units;
        for (int j = 1; j <= unitsPerOwner; ++j)
            units << generatedUnit(i, j);
        const int floor = (i - 1) * 42 / MaxOwners - 1;
        addOwner(state, QStringLiteral("Condomino %1").arg(i), QString::number(floor), units,
                 QStringLiteral("via dei Mille %1, Bari").arg(i));
    }
}

void fillMaximalRegistry(SharedState &state)
{
    fillRegistry(state, MaxOwners, MaxUnits);
}

QString writeCondominium(const QString &folder, int owners)
{
    SharedState state;
    state.condoName = QStringLiteral("Cedri");
    for (int i = 1; i <= owners; ++i)
        addOwner(state, QStringLiteral("Condomino %1").arg(i), QStringLiteral("1"),
                 {makeUnit(QStringLiteral("100"))});
    const QString path = QDir(folder).filePath(QStringLiteral("Veltra-dati-Cedri"));
    if (!CondominiumArchive::save(state, path))
        qFatal("condominium archive not written");
    return path;
}

} // namespace veltra::RegistryFixture
