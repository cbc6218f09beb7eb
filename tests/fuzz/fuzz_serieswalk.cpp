// A "spese" series of up to four items, the input's parts split at lines "=====", each
// written as the item file its number names in the series of item 1: any of them may be
// damaged. The balance and the account cards walk the series; each is refused whole,
// naming an item, or equal to the sum of the item files as read one by one.

#include "fuzzcheck.h"

#include "core/expenses/expensearchive.h"
#include "core/expenses/expensefilename.h"
#include "core/numbers/numbertext.h"
#include "core/payments/accountcards.h"
#include "core/payments/balancesheet.h"
#include "core/payments/paymentsledger.h"
#include "core/platform/platform.h"
#include "core/state/sharedstate.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>

using namespace veltra;

namespace {

constexpr int MaxFuzzedItems = 4;
const QByteArray Separator("\n=====\n");

class SilentPlayer : public SoundPlayer
{
public:
    void open(const QString &) override {}
    void play() override {}
    void pause() override {}
    void close() override {}
};

// Answers the open dialog with item 1 of the series; shows nothing.
class FirstItemPlatform : public Platform
{
public:
    explicit FirstItemPlatform(QString first) : m_first(std::move(first)) {}
    void showMessage(MessageIcon, const QString &, const QString &) override {}
    bool askYesNo(MessageIcon, const QString &, const QString &, bool) override { return false; }
    int askChoice(MessageIcon, const QString &, const QString &, const QStringList &buttons,
                  int) override
    {
        return int(buttons.size()) - 1;
    }
    std::optional<unsigned int> chooseColour(unsigned int) override { return std::nullopt; }
    SoundPlayer &soundPlayer() override { return m_player; }
    bool openDocument(const QString &) override { return false; }
    QDate today() const override { return QDate(2001, 12, 31); }
    QString preference(const QString &, const QString &fallback) const override { return fallback; }
    void setPreference(const QString &, const QString &) override {}

protected:
    QString askOpenFileName(const FileDialogRequest &) override { return m_first; }
    QString askSaveFileName(const FileDialogRequest &) override { return QString(); }

private:
    QString m_first;
    SilentPlayer m_player;
};

QList<QByteArray> itemsOf(const QByteArray &bytes)
{
    QList<QByteArray> items;
    qsizetype from = 0;
    while (items.size() < MaxFuzzedItems) {
        const qsizetype at = bytes.indexOf(Separator, from);
        items.append(bytes.mid(from, at < 0 ? -1 : at - from));
        if (at < 0)
            break;
        from = at + Separator.size();
    }
    return items;
}

// Whether the name of item 1 can be built and stays inside the folder.
bool nameable(const ExpenseArchive::LoadResult &first)
{
    const QString &name = first.condoName;
    return first.isComplete() && ExpenseFileName::yearOf(first.expenseDate) && !name.isEmpty()
        && name.size() < 60 && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0))
        && name != QLatin1String(".") && name != QLatin1String("..");
}

bool near(double a, double b)
{
    return std::fabs(a - b) <= 1e-6 * std::max(1.0, std::fabs(a) + std::fabs(b));
}

void requireBalanceIsTheSum(const BalanceSheet &sheet, const QList<ExpenseArchive::LoadResult> &read)
{
    if (!sheet.refusal.isEmpty()) {
        fuzz::require(sheet.rows.isEmpty(), "a refused balance has no rows", sheet.refusal);
        fuzz::require(sheet.refusal.startsWith(QStringLiteral("La spesa n.")),
                      "a refusal names the item", sheet.refusal);
        return;
    }
    fuzz::require(sheet.rows.size() <= read.size(), "no row without an item file");
    for (int j = 0; j < sheet.rows.size(); ++j) {
        const ExpenseArchive::LoadResult &item = read.at(j);
        fuzz::require(item.isComplete(), "a counted item was read whole", item.problem);
        double income = 0;
        for (const ExpenseArchive::OwnerRecord &owner : item.owners) {
            if (!owner.paymentDate.isEmpty())
                income += NumberText::read(owner.shareAmount).value_or(0);
        }
        fuzz::require(near(sheet.rows.at(j).income, income), "the income is the shares paid");
        fuzz::require(near(sheet.rows.at(j).amount, NumberText::read(item.expenseAmount).value_or(0)),
                      "the amount is the item's");
    }
}

void requireCardIsTheSum(const QList<AccountCard> &cards, const QString &refusal,
                         const QList<ExpenseArchive::LoadResult> &read)
{
    if (!refusal.isEmpty()) {
        fuzz::require(cards.isEmpty(), "a refused walk prints no card", refusal);
        return;
    }
    if (cards.isEmpty())
        return;
    const AccountCard &card = cards.first();
    fuzz::require(card.rows.size() <= read.size(), "no card row without an item file");
    for (int j = 0; j < card.rows.size(); ++j) {
        const ExpenseArchive::LoadResult &item = read.at(j);
        fuzz::require(item.isComplete() && !item.owners.isEmpty(), "a card row comes from an item read whole");
        fuzz::require(card.rows.at(j).share == item.owners.first().shareAmount,
                      "the card shows the owner's share of the item");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QList<QByteArray> parts = itemsOf(fuzz::inputBytes(data, size));
    QList<ExpenseArchive::LoadResult> read;
    for (const QByteArray &part : parts)
        read.append(ExpenseArchive::fromBytes(part, true));
    if (!nameable(read.first()))
        return 0;
    static QTemporaryDir folder;
    for (const QString &old : QDir(folder.path()).entryList(QDir::Files))
        QFile::remove(folder.filePath(old));
    const int year = *ExpenseFileName::yearOf(read.first().expenseDate);
    QString first;
    for (int k = 1; k <= parts.size(); ++k) {
        const QString path = folder.filePath(
            ExpenseFileName::build(ManagementType::Spese, read.first().condoName, year, k));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(parts.at(k - 1)) != parts.at(k - 1).size())
            return 0;
        if (k == 1)
            first = path;
    }
    // One state for every input (it holds 25 000 units); the items of the last input are
    // forgotten, and the files bring their own owners.
    static SharedState state;
    for (int j = 1; j <= MaxItems; ++j)
        state.item(j) = ExpenseItem();
    FirstItemPlatform platform(first);
    PaymentsLedger ledger(state, platform);
    ledger.chooseManagementType(ManagementType::Spese);
    requireBalanceIsTheSum(BalanceSheet::collect(ledger), read);
    QString refusal;
    const QList<AccountCard> cards = AccountCards::collect(ledger, 1, false, &refusal);
    requireCardIsTheSum(cards, refusal, read);
    return 0;
}
