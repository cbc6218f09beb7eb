#include "core/accounts/yearseries.h"

#include "core/archive/companionfile.h"
#include "core/assembly/calendardate.h"
#include "core/expenses/expensearchive.h"
#include "core/expenses/expensefilename.h"
#include "core/numbers/money.h"
#include "core/state/sharedstate.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

namespace veltra {

namespace {

long long centsOf(const QString &amount)
{
    const std::optional<Money> money = Money::parse(amount);
    return money ? money->cents() : 0;
}

SeriesItem itemFrom(const ExpenseArchive::LoadResult &file, int number, const QString &path)
{
    SeriesItem item;
    item.number = number;
    item.description = file.expenseType;
    item.date = file.expenseDate;
    item.cents = centsOf(file.expenseAmount);
    item.criterion = file.calcType;
    item.path = path;
    for (int i = 0; i < file.owners.size(); ++i) {
        const ExpenseArchive::OwnerRecord &owner = file.owners.at(i);
        const long long share = centsOf(owner.shareAmount);
        if (share != 0)
            item.shares.insert(i + 1, share);
        if (const std::optional<QDate> day = CalendarDate::read(owner.paymentDate))
            item.paid.insert(i + 1, *day);
    }
    return item;
}

QString seriesName(ManagementType type)
{
    return type == ManagementType::Spese ? QStringLiteral("delle spese") : QStringLiteral("del preventivo");
}

} // namespace

YearSeries YearSeries::load(const QString &archivePath, const QString &condoName, int year, ManagementType type)
{
    const bool withPayments = type == ManagementType::Spese;
    YearSeries series;
    const QDir folder = QFileInfo(archivePath).dir();
    for (int k = 1; k <= MaxItems; ++k) {
        const QString path = folder.filePath(ExpenseFileName::build(type, condoName, year, k));
        if (!QFileInfo::exists(path))
            break;
        const ExpenseArchive::LoadResult file = ExpenseArchive::load(path, withPayments);
        if (!file.isComplete() || file.condoName != condoName) {
            series.problem = file.isComplete()
                ? QStringLiteral("la voce %1 %2 (\"%3\") è di un altro condominio").arg(k).arg(seriesName(type), path)
                : QStringLiteral("la voce %1 %2 (\"%3\") non si può leggere: %4").arg(k).arg(seriesName(type), path, file.problem);
            series.items.clear();
            return series;
        }
        series.items << itemFrom(file, k, path);
    }
    return series;
}

const SeriesItem *YearSeries::item(int number) const
{
    return number >= 1 && number <= items.size() ? &items.at(number - 1) : nullptr;
}

long long YearSeries::share(int number, int owner) const
{
    const SeriesItem *found = item(number);
    return found ? found->shares.value(owner) : 0;
}

bool YearSeries::writePaymentDays(const QString &path, const QMap<int, QDate> &days, QString *error)
{
    const ExpenseArchive::LoadResult file = ExpenseArchive::load(path, true);
    if (!file.isComplete()) {
        *error = QStringLiteral("la voce delle spese \"%1\" non si può leggere per intero: %2").arg(path, file.problem);
        return false;
    }
    // The item file is written as the payments window writes it, through a state of its
    // own: the one the windows show is never touched.
    auto state = std::make_unique<SharedState>();
    constexpr int Item = 1;
    ExpenseArchive::apply(file, *state, Item, true);
    for (auto it = days.constBegin(); it != days.constEnd(); ++it) {
        if (it.key() >= 1 && it.key() <= file.owners.size())
            state->owner(it.key()).paymentDate = it.value().isValid()
                ? it.value().toString(QStringLiteral("dd/MM/yyyy")) : QString();
    }
    return ExpenseArchive::save(*state, Item, true, path, error);
}

} // namespace veltra
