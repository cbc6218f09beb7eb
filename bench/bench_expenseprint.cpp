// Times "Tutti i dati archiviati" on the largest series: the statements of all 200 items of
// an expense series of 500 owners, each item read from its file as the expense window
// moves to it, to a finished .odt file; the same on 50 owners for the ratio.

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

// Owners with every input filled; the items cycle through the six criteria.
std::unique_ptr<SharedState> generatedOwners(int owners)
{
    auto state = std::make_unique<SharedState>();
    state->condoName = QStringLiteral("Bench");
    state->ownerCount = owners;
    for (int i = 1; i <= owners; ++i) {
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

struct Figures
{
    double build = 0; // s, reading the items and filling the document
    double total = 0; // s, to the finished file
    bool written = false;
    int tables = 0;
    qint64 bytes = 0;
};

Figures measure(int owners)
{
    QTemporaryDir folder;
    const auto state = generatedOwners(owners);
    Figures figures;
    if (!writeSeries(*state, folder)) {
        std::printf("could not write the series\n");
        return figures;
    }
    moveTo(*state, folder, 1);

    const QString path = folder.filePath(QStringLiteral("spese.odt"));
    QElapsedTimer timer;
    timer.start();
    const ReportDocument document = ExpenseStatementPrintout::buildFrom(
        *state, 1, ManagementType::Spese, [&](int j) { moveTo(*state, folder, j); });
    figures.build = timer.nsecsElapsed() / 1e9;
    figures.written = OdtRenderer::write(document, path);
    figures.total = timer.nsecsElapsed() / 1e9;
    figures.tables = document.tableCount();
    figures.bytes = QFile(path).size();
    return figures;
}

} // namespace

int main()
{
    const Figures large = measure(MaxOwners);
    const Figures small = measure(50);
    std::printf("statements of all 200 items, 500 owners, to .odt: %.2f s (target <= 1.5 s)%s\n",
                large.total, large.written ? "" : "  [FILE NOT WRITTEN]");
    std::printf("  reading the items and filling the document: %.2f s, writing the file: %.2f s\n",
                large.build, large.total - large.build);
    std::printf("  tables: %d, file size: %.1f MB\n", large.tables, large.bytes / 1048576.0);
    std::printf("50 owners: %.3f s (filling %.3f s); ratio 500/50: %.1f, filling %.1f "
                "(target <= 12)\n",
                small.total, small.build, large.total / small.total, large.build / small.build);
    return large.written && small.written && large.tables == 3 * MaxItems ? 0 : 1;
}
