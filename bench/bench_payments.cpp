// The payments window on a generated "spese" series of 200 items and 500 owners with
// payments: moving to item 200 (target 300 ms), the yearly balance to a finished document
// (2 s), the account cards of all owners to a finished document (1.5 s, 150 MB) and one
// keystroke in a payment date (5 ms); the same on 50 owners for the ratios; and the
// straightforward re-reading of every file for every move, timed on a small series and
// scaled up, against which the series cache is measured.

#include "bench/keystroketiming.h"
#include "core/expenses/expensearchive.h"
#include "core/payments/paymentsledger.h"
#include "core/state/sharedstate.h"
#include "support/plainseries.h"
#include "support/scriptedplatform.h"
#include "support/seriesfixture.h"
#include "ui/frame/shell.h"
#include "ui/pagamenti/pagamentiwindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

using namespace veltra;

namespace {

constexpr int Items = 200;

struct Figures
{
    double walkToLast = 0;    // ms: items 1 to 200 one move at a time, each file read once
    double moveToLast = 0;    // ms: from item 199 to 200
    double coldMoveToLast = 0; // ms: to item 200 with the cache emptied
    double balance = 0;       // ms, to the document handed over
    double cards = 0;         // ms, to the document handed over
    long cardsPeakKb = 0;     // peak resident memory while the cards are built
    double keystroke = 0;     // ms
    int parses = 0;           // files parsed by the cache over the whole run
};

// The peak resident memory of the process in kB, from the kernel's count.
long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Starts the peak count again from the present resident size.
void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

double millisecondsOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

Figures measure(int owners)
{
    QTemporaryDir folder;
    const QString first =
        SeriesFixture::writeGenerated(folder.path(), QStringLiteral("Banco"), Items, owners);
    QDir::setCurrent(folder.path());
    SharedState state;
    state.initSharedStrings();
    ScriptedPlatform platform;
    Shell shell(state, platform, QString());
    shell.showWorkWindow(4);
    auto *window = qobject_cast<PagamentiWindow *>(shell.existingWorkWindow(4));
    Figures figures;
    platform.fileNames.enqueue(first);
    window->findChild<QRadioButton *>(QStringLiteral("Option1_2"))->click();

    figures.walkToLast = millisecondsOf([window] {
        for (int k = 2; k < Items; ++k)
            window->setItemNumber(k);
    });
    figures.moveToLast = millisecondsOf([window] { window->setItemNumber(Items); });
    figures.walkToLast += figures.moveToLast;
    figures.balance = millisecondsOf([window] { window->printBalance(); });
    resetPeak();
    figures.cards = millisecondsOf([window] { window->printCards(1, true); });
    figures.cardsPeakKb = peakResidentKb();
    figures.parses = window->ledger().cache().parseCount();

    QLineEdit *date = window->findChild<QLineEdit *>(QStringLiteral("pag_1"));
    date->setFocus();
    date->end(false);
    QTest::keyClick(date, Qt::Key_7);
    if (!state.owner(1).paymentDate.endsWith(QLatin1Char('7')))
        std::printf("the keystroke did not reach the payment date of owner 1\n");
    QTest::keyClick(date, Qt::Key_Backspace);
    figures.keystroke = KeystrokeTiming::keystrokeMilliseconds(date, 50);

    // A second ledger on the same items, whose cache has read item 1 only.
    SharedState cold;
    cold.initSharedStrings();
    for (int k = 1; k <= Items; ++k)
        cold.item(k) = state.item(k);
    ScriptedPlatform coldPlatform;
    coldPlatform.fileNames.enqueue(first);
    PaymentsLedger ledger(cold, coldPlatform);
    ledger.chooseManagementType(ManagementType::Spese);
    figures.coldMoveToLast = millisecondsOf([&ledger] { ledger.goToItem(Items); });
    QDir::setCurrent(QDir::tempPath());
    return figures;
}

struct Literal
{
    int items = 0;
    int owners = 0;
    double cards = 0; // ms for the cards of every owner
    long reads = 0;
};

// The cards of every owner of a small series, every move reading its files again.
Literal literalCards(int items, int owners)
{
    QTemporaryDir folder;
    const QString first =
        SeriesFixture::writeGenerated(folder.path(), QStringLiteral("Banco"), items, owners);
    SharedState start;
    start.initSharedStrings();
    const ExpenseArchive::LoadResult one = ExpenseArchive::load(first, true);
    ExpenseArchive::apply(one, start, 1, true);
    PlainSeries plain(folder.path(), ManagementType::Spese, start);
    Literal literal{items, owners};
    literal.cards = millisecondsOf([&plain, items, owners] {
        for (int i = 1; i <= owners; ++i)
            plain.card(i, items);
    });
    literal.reads = plain.reads;
    return literal;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStandardPaths::setTestModeEnabled(true);

    const Figures big = measure(500);
    const Figures small = measure(50);
    std::printf("payments window, %d items:                 500 owners      50 owners   ratio\n",
                Items);
    auto row = [](const char *what, double a, double b, const char *target) {
        std::printf("  %-40s %9.2f ms   %9.2f ms   %5.1f   (target %s)\n", what, a, b,
                    b > 0 ? a / b : 0.0, target);
    };
    row("move from item 199 to item 200", big.moveToLast, small.moveToLast, "300 ms");
    row("move to item 200, cache emptied", big.coldMoveToLast, small.coldMoveToLast, "-");
    row("items 1 to 200 one move at a time", big.walkToLast, small.walkToLast, "-");
    row("yearly balance to its document", big.balance, small.balance, "2000 ms");
    row("account cards of all owners to document", big.cards, small.cards, "1500 ms");
    row("keystroke in a payment date (median)", big.keystroke, small.keystroke, "5 ms");
    std::printf("  %-40s %9.1f MB   %9.1f MB           (target 150 MB)\n",
                "peak memory while the cards are built", big.cardsPeakKb / 1024.0,
                small.cardsPeakKb / 1024.0);
    std::printf("  %-40s %9d      %9d\n", "item files parsed over the whole run", big.parses,
                small.parses);

    // Reading every file again for every move: the cards of N owners over M items read
    // N x M (M + 1) / 2 files of N owners each, so the time grows with N^2 x M^2.
    const Literal literal = literalCards(20, 50);
    const double scale = (500.0 / literal.owners) * (500.0 / literal.owners)
        * (double(Items) * (Items + 1)) / (double(literal.items) * (literal.items + 1));
    std::printf("\nstraightforward re-reading, account cards of all owners:\n");
    std::printf("  %d items x %d owners: %ld file reads, %.1f ms\n", literal.items, literal.owners,
                literal.reads, literal.cards);
    std::printf("  scaled to %d items x 500 owners: %.0f file reads, about %.0f s "
                "(the cache: %.1f s)\n",
                Items, 500.0 * Items * (Items + 1) / 2, literal.cards * scale / 1000,
                big.cards / 1000);
    return 0;
}
