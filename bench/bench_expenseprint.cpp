// Times "Tutti i dati archiviati" on the largest series: the statements of all 200 items of
// an expense series of 500 owners, each item read from its file as the expense window
// moves to it, to a finished .odt file.

#include "core/expenses/expenseallocation.h"
#include "core/expenses/expensearchive.h"
#include "core/state/sharedstate.h"
#include "reports/expenses/expensestatementprintout.h"
#include "reports/document/odtrenderer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

using namespace veltra;

namespace {

QString itemPath(const QTemporaryDir &folder, int k)
{
    return folder.filePath(QStringLiteral("Veltra-spese-Bench- 2001") + QStringLiteral(" %1").arg(k));
}

// 500 owners with every input filled; the items cycle through the six criteria.
std::unique_ptr<SharedState> generatedOwners()
{
    auto state = std::make_unique<SharedState>();
    state->condoName = QStringLiteral("Bench");
    state->ownerCount = MaxOwners;
    for (int i = 1; i <= MaxOwners; ++i) {
        Owner &owner = state->owner(i);
        owner.ownerName = QStringLiteral("Condomino numero %1").arg(i);
        owner.ownerAddress = QStringLiteral("via delle Industrie %1, interno %2").arg(i).arg(i % 12);
        owner.takesPart = 1;
        owner.fixedPercent = i <= 5 ? QStringLiteral("2") : QString();
        owner.ownerMillesimi = Cell::fromNumber(2);
        owner.floorMillesimi = QStringLiteral("2,000");
        owner.heatingQuantity = Cell::fromNumber(100 + i % 50);
        owner.oneThirdFlag = i % 10 == 0 ? 1 : 0;
        owner.twoThirdsPercent = QStringLiteral("100");
        owner.useMillesimi = 2;
    }
    return state;
}

bool writeSeries(SharedState &state, const QTemporaryDir &folder)
{
    for (int k = 1; k <= MaxItems; ++k) {
        state.item(k) = { QStringLiteral("%1.250,00").arg(k), QStringLiteral("spesa %1").arg(k),
                          QStringLiteral("15/03/2001") };
        state.calcType = 1 + (k - 1) % 6;
        allocateExpense(state, k);
        if (!ExpenseArchive::save(state, k, true, itemPath(folder, k)))
            return false;
    }
    return true;
}

// What the window does on a move to item j: read its file, then recompute its shares.
void moveTo(SharedState &state, const QTemporaryDir &folder, int j)
{
    const ExpenseArchive::LoadResult loaded = ExpenseArchive::load(itemPath(folder, j), true);
    if (loaded.isComplete())
        ExpenseArchive::apply(loaded, state, j, true);
    else
        state.item(j) = ExpenseItem();
    allocateExpense(state, j);
}

} // namespace

int main()
{
    QTemporaryDir folder;
    const auto state = generatedOwners();
    if (!writeSeries(*state, folder)) {
        std::printf("could not write the series\n");
        return 1;
    }
    moveTo(*state, folder, 1);

    const QString path = folder.filePath(QStringLiteral("spese.odt"));
    QElapsedTimer timer;
    timer.start();
    const ReportDocument document = ExpenseStatementPrintout::buildFrom(
        *state, 1, ManagementType::Spese, [&](int j) { moveTo(*state, folder, j); });
    const double buildSeconds = timer.nsecsElapsed() / 1e9;
    const bool written = OdtRenderer::write(document, path);
    const double totalSeconds = timer.nsecsElapsed() / 1e9;

    std::printf("statements of all 200 items, 500 owners, to .odt: %.2f s (target <= 20 s)%s\n",
                totalSeconds, written ? "" : "  [FILE NOT WRITTEN]");
    std::printf("  reading the items and filling the document: %.2f s, writing the file: %.2f s\n",
                buildSeconds, totalSeconds - buildSeconds);
    std::printf("  tables: %d, file size: %.1f MB\n", document.tableCount(),
                QFile(path).size() / 1048576.0);
    return written && document.tableCount() == 3 * MaxItems ? 0 : 1;
}
