#include "core/expenses/expensearchive.h"
#include "core/state/sharedstate.h"

#include <QtTest>

using namespace veltra;

namespace {

// A "spese" file of two owners in which every field holds a value of its own, so that two
// fields swapped on writing or on reading cannot go unnoticed: Windows-1252 bytes, CR LF.
const QByteArray SpeseFile = "\"Citt\xE0 Nuova\",2,\"1.250,50\",\"riparazione lastrico\","
                             "\"15/03/2002\",6\r\n"
                             "0,\"Fo\xE0 Niccol\xF2\",\"via Libert\xE0 3\",\"12,5\",\"333,5\","
                             "\"125,000\",\"7,25\",1,\"50\",\"1.234,50\"\r\n"
                             "\"01/02/2002\",\"20/02/2002\"\r\n"
                             "1,\"Bianchi\",\"via Po 4\",,250.125,\"375,000\",120.5,,\"25\","
                             "\"16,00\"\r\n"
                             "\"----------\",\r\n";

// The same owners in a "preventivi" file: no payments lines.
const QByteArray PreventiviFile = "\"Citt\xE0 Nuova\",2,\"1.250,50\",\"riparazione lastrico\","
                                  "\"15/03/2002\",6\r\n"
                                  "0,\"Fo\xE0 Niccol\xF2\",\"via Libert\xE0 3\",\"12,5\","
                                  "\"333,5\",\"125,000\",\"7,25\",1,\"50\",\"1.234,50\"\r\n"
                                  "1,\"Bianchi\",\"via Po 4\",,250.125,\"375,000\",120.5,,"
                                  "\"25\",\"16,00\"\r\n";

// The state the two files stand for, as item 3.
void fillState(SharedState &state)
{
    state.condoName = QString::fromUtf8("Città Nuova");
    state.ownerCount = 2;
    state.calcType = 6;
    state.item(3) = {QStringLiteral("1.250,50"), QStringLiteral("riparazione lastrico"),
                     QStringLiteral("15/03/2002")};
    Owner &first = state.owner(1);
    first.takesPart = 0;
    first.ownerName = QString::fromUtf8("Foà Niccolò");
    first.ownerAddress = QString::fromUtf8("via Libertà 3");
    first.fixedPercent = QStringLiteral("12,5");
    first.ownerMillesimi = Cell::fromText(QStringLiteral("333,5"));
    first.floorMillesimi = QStringLiteral("125,000");
    first.heatingQuantity = Cell::fromText(QStringLiteral("7,25"));
    first.oneThirdFlag = 1;
    first.twoThirdsPercent = QStringLiteral("50");
    first.shareAmount = QStringLiteral("1.234,50");
    first.paymentDate = QStringLiteral("01/02/2002");
    first.reminderDate = QStringLiteral("20/02/2002");
    Owner &second = state.owner(2);
    second.takesPart = 1;
    second.ownerName = QStringLiteral("Bianchi");
    second.ownerAddress = QStringLiteral("via Po 4");
    second.ownerMillesimi = Cell::fromNumber(250.125);
    second.floorMillesimi = QStringLiteral("375,000");
    second.heatingQuantity = Cell::fromNumber(120.5);
    second.twoThirdsPercent = QStringLiteral("25");
    second.shareAmount = QStringLiteral("16,00");
    second.paymentDate = QStringLiteral("----------");
}

QString writeFile(const QTemporaryDir &folder, const QByteArray &bytes)
{
    const QString path = folder.filePath(QStringLiteral("Veltra-spese-prova- 2002 3"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestExpenseArchive : public QObject
{
    Q_OBJECT

private slots:
    void readsEveryFieldOfAHandWrittenFile_data();
    void readsEveryFieldOfAHandWrittenFile();
    void writesTheLayoutByteForByte_data();
    void writesTheLayoutByteForByte();
    void refusesADateOrFigureThatIsNone_data();
    void refusesADateOrFigureThatIsNone();

private:
    QTemporaryDir m_folder;
};

void TestExpenseArchive::readsEveryFieldOfAHandWrittenFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("withPayments");
    QTest::newRow("spese") << SpeseFile << true;
    QTest::newRow("preventivi") << PreventiviFile << false;
}

void TestExpenseArchive::readsEveryFieldOfAHandWrittenFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, withPayments);
    const QString path = writeFile(m_folder, bytes);
    QVERIFY(!path.isEmpty());
    const ExpenseArchive::LoadResult result = ExpenseArchive::load(path, withPayments);
    QVERIFY(result.isComplete());
    QCOMPARE(result.condoName, QString::fromUtf8("Città Nuova"));
    QCOMPARE(result.expenseAmount, QStringLiteral("1.250,50"));
    QCOMPARE(result.expenseType, QStringLiteral("riparazione lastrico"));
    QCOMPARE(result.expenseDate, QStringLiteral("15/03/2002"));
    QCOMPARE(result.calcType, 6);
    QCOMPARE(result.owners.size(), 2);

    const ExpenseArchive::OwnerRecord &first = result.owners.at(0);
    QCOMPARE(first.takesPart, 0);
    QCOMPARE(first.ownerName, QString::fromUtf8("Foà Niccolò"));
    QCOMPARE(first.ownerAddress, QString::fromUtf8("via Libertà 3"));
    QCOMPARE(first.fixedPercent, QStringLiteral("12,5"));
    QCOMPARE(first.ownerMillesimi, Cell::fromText(QStringLiteral("333,5")));
    QCOMPARE(first.floorMillesimi, QStringLiteral("125,000"));
    QCOMPARE(first.heatingQuantity, Cell::fromText(QStringLiteral("7,25")));
    QCOMPARE(first.oneThirdFlag, 1);
    QCOMPARE(first.twoThirdsPercent, QStringLiteral("50"));
    QCOMPARE(first.shareAmount, QStringLiteral("1.234,50"));

    const ExpenseArchive::OwnerRecord &second = result.owners.at(1);
    QCOMPARE(second.takesPart, 1);
    QCOMPARE(second.ownerName, QStringLiteral("Bianchi"));
    QCOMPARE(second.ownerAddress, QStringLiteral("via Po 4"));
    QCOMPARE(second.fixedPercent, QString());
    QCOMPARE(second.ownerMillesimi, Cell::fromNumber(250.125));
    QCOMPARE(second.floorMillesimi, QStringLiteral("375,000"));
    QCOMPARE(second.heatingQuantity, Cell::fromNumber(120.5));
    QCOMPARE(second.oneThirdFlag, 0);
    QCOMPARE(second.twoThirdsPercent, QStringLiteral("25"));
    QCOMPARE(second.shareAmount, QStringLiteral("16,00"));

    if (withPayments) {
        QCOMPARE(first.paymentDate, QStringLiteral("01/02/2002"));
        QCOMPARE(first.reminderDate, QStringLiteral("20/02/2002"));
        QCOMPARE(second.paymentDate, QStringLiteral("----------"));
        QCOMPARE(second.reminderDate, QString());
    }
}

void TestExpenseArchive::writesTheLayoutByteForByte_data()
{
    readsEveryFieldOfAHandWrittenFile_data();
}

void TestExpenseArchive::writesTheLayoutByteForByte()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, withPayments);
    SharedState state;
    fillState(state);
    const QString path = m_folder.filePath(QStringLiteral("Veltra-spese-scritto- 2002 3"));
    QString error;
    QVERIFY2(ExpenseArchive::save(state, 3, withPayments, path, &error), qPrintable(error));
    QCOMPARE(readFile(path), bytes);
}

// Each row spoils one field of the good "spese" file; the file must be refused whole, the
// problem naming the line, the field and the owner, and no owner counted from it.
void TestExpenseArchive::refusesADateOrFigureThatIsNone_data()
{
    QTest::addColumn<QByteArray>("good");
    QTest::addColumn<QByteArray>("bad");
    QTest::addColumn<QString>("place");
    const QString first = QString::fromUtf8("del condomino n. 1 (Foà Niccolò)");
    const QString second = QStringLiteral("del condomino n. 2 (Bianchi)");
    QTest::newRow("payment in words") << QByteArray("\"01/02/2002\"") << QByteArray("\"non pagato\"")
                                      << QStringLiteral("riga 3, la data di pagamento ") + first;
    QTest::newRow("no such day") << QByteArray("\"01/02/2002\"") << QByteArray("\"31/02/2026\"")
                                 << QStringLiteral("riga 3, la data di pagamento ") + first;
    QTest::newRow("zero date") << QByteArray("\"20/02/2002\"") << QByteArray("\"00/00/0000\"")
                               << QStringLiteral("riga 3, la data di sollecito ") + first;
    QTest::newRow("other order") << QByteArray("\"----------\"") << QByteArray("\"2026-13-01\"")
                                 << QStringLiteral("riga 5, la data di pagamento ") + second;
    QTest::newRow("nul in date") << QByteArray("\"01/02/2002\"") << QByteArray("\"01/02\0/2002\"", 13)
                                 << QStringLiteral("riga 3, la data di pagamento ") + first;
    QTest::newRow("share in words") << QByteArray("\"16,00\"") << QByteArray("\"mille\"")
                                    << QStringLiteral("riga 4, la ripartizione ") + second;
    QTest::newRow("share of 400 digits") << QByteArray("\"16,00\"")
                                         << "\"" + QByteArray(400, '9') + "\""
                                         << QStringLiteral("riga 4, la ripartizione ") + second;
    QTest::newRow("nul in share") << QByteArray("\"16,00\"") << QByteArray("\"16\0,00\"", 8)
                                  << QStringLiteral("riga 4, la ripartizione ") + second;
    QTest::newRow("amount in words") << QByteArray("\"1.250,50\"") << QByteArray("\"mille\"")
                                     << QStringLiteral("riga 1, la somma da ripartire:");
    QTest::newRow("cut short") << QByteArray("\"----------\",\r\n") << QByteArray()
                               << QStringLiteral("riga 5, la data di pagamento ") + second;
}

void TestExpenseArchive::refusesADateOrFigureThatIsNone()
{
    QFETCH(QByteArray, good);
    QFETCH(QByteArray, bad);
    QFETCH(QString, place);
    QByteArray bytes = SpeseFile;
    QVERIFY(bytes.contains(good));
    bytes.replace(bytes.indexOf(good), good.size(), bad);
    const ExpenseArchive::LoadResult result = ExpenseArchive::fromBytes(bytes, true);
    QVERIFY(!result.isComplete());
    QVERIFY2(result.problem.startsWith(place), qPrintable(result.problem));
    SharedState state;
    QVERIFY(!ExpenseArchive::apply(result, state, 1, true));
    QCOMPARE(state.ownerCount, 0);
}

QTEST_GUILESS_MAIN(TestExpenseArchive)
#include "tst_expensearchive.moc"
