#include "core/accounts/bankstatementcsv.h"
#include "core/accounts/columnmapping.h"
#include "core/accounts/paymentmatcher.h"

#include <QtTest>

using namespace veltra;

using Outcome = PaymentMatcher::Outcome;

class TestBankStatement : public QObject
{
    Q_OBJECT

private slots:
    void windowsFileWithPreambleAndDebitCreditColumns();
    void utf8CommaFileNewestFirstWithBalances();
    void amountsReadOneWayForTheWholeFile_data();
    void amountsReadOneWayForTheWholeFile();
    void unreadableFilesAreRefusedNamingTheLine_data();
    void unreadableFilesAreRefusedNamingTheLine();
    void mappingTextIsOneFixedLine();
    void matcherProposesOwnersAndShares();
};

// Windows-1252 ("ò" is one byte, 0xF2), CR LF, four preamble lines, Dare and Avere, a
// quoted description with doubled quotes, dates in three writings and a closing row.
void TestBankStatement::windowsFileWithPreambleAndDebitCreditColumns()
{
    const QByteArray bytes = "Estratto conto corrente;;;;;\r\n"
                             "Intestatario: Condominio Via Verdi 12;;;;;\r\n"
                             "IBAN: IT60X0542811101000000123456;;;;;\r\n"
                             ";;;;;\r\n"
                             "Data contabile;Data valuta;Descrizione;Dare;Avere;Causale\r\n"
                             "02/01/2026;03/01/2026;Bonifico da Nicol\xF2 Rossi;;1.234,56;rata 1\r\n"
                             "5/1/2026;05/01/2026;\"Addebito \"\"ENEL\"\"; luce scale\";87,40;;SDD\r\n"
                             "07-01-2026;07.01.2026;Commissioni;-1,50;;\r\n"
                             ";;;;;\r\n"
                             "Saldo finale;;;;2.145,66;\r\n";
    const BankStatementCsv::Result result = BankStatementCsv::read(bytes, QStringLiteral("gennaio.csv"));
    QVERIFY2(result.ok, qPrintable(result.problem));
    QCOMPARE(result.lines.size(), 3);
    const BankStatementCsv::Line &first = result.lines.at(0);
    QCOMPARE(first.fileLine, 6);
    QCOMPARE(first.operationDate, QDate(2026, 1, 2));
    QCOMPARE(first.valueDate, QDate(2026, 1, 3));
    QCOMPARE(first.cents, 123456LL);
    QCOMPARE(first.description, QString::fromUtf8("Bonifico da Nicolò Rossi rata 1"));
    QCOMPARE(result.lines.at(1).operationDate, QDate(2026, 1, 5));
    QCOMPARE(result.lines.at(1).cents, -8740LL);
    QCOMPARE(result.lines.at(1).description, QStringLiteral("Addebito \"ENEL\"; luce scale SDD"));
    // A debit written with its minus sign is still money going out, not coming in.
    QCOMPARE(result.lines.at(2).cents, -150LL);
    QCOMPARE(result.lines.at(2).valueDate, QDate(2026, 1, 7));
    QCOMPARE(result.closingBalanceCents, std::optional<long long>(214566));
    QCOMPARE(result.mapping.description, QList<int>({2, 5}));
    QCOMPARE(result.mapping.describe(),
             QStringLiteral("Data: colonna 1 (Data contabile); Valuta: colonna 2 (Data valuta); "
                            "Dare (uscite): colonna 4 (Dare); Avere (entrate): colonna 5 (Avere); "
                            "Descrizione: colonne 3 (Descrizione) e 6 (Causale); "
                            "campi separati da punto e virgola; intestazione alla riga 5"));
}

// UTF-8 with its mark, "," between quoted fields, LF, a signed amount with the euro sign,
// newest first, the titles repeated as on a new page: the closing balance is the first
// line's, the one after 15 March.
void TestBankStatement::utf8CommaFileNewestFirstWithBalances()
{
    const QByteArray bytes = "\xEF\xBB\xBF\"Data operazione\",\"Descrizione operazione\",\"Importo (\xE2\x82\xAC)\",\"Saldo\"\n"
                             "15/03/2026,\"Bonifico da DE LUCA, GIUSEPPE\",\"250,00\",\"1.750,00\"\n"
                             "\"Data operazione\",\"Descrizione operazione\",\"Importo (\xE2\x82\xAC)\",\"Saldo\"\n"
                             "10/03/2026,\"Pagamento F24, ritenute\",\"-\xE2\x82\xAC 120,50\",\"1.500,00\"\n"
                             "10/03/2026,\"Accredito Caff\xC3\xA8 Bianchi\",\"1620,50 EUR\",\"1.620,50\"\n"
                             "\n";
    const BankStatementCsv::Result result = BankStatementCsv::read(bytes, QStringLiteral("marzo.csv"));
    QVERIFY2(result.ok, qPrintable(result.problem));
    QCOMPARE(result.mapping.separator, QLatin1Char(','));
    QCOMPARE(result.lines.size(), 3);
    QCOMPARE(result.lines.at(0).description, QStringLiteral("Bonifico da DE LUCA, GIUSEPPE"));
    QCOMPARE(result.lines.at(1).cents, -12050LL);
    QCOMPARE(result.lines.at(2).cents, 162050LL);
    QCOMPARE(result.lines.at(2).description, QString::fromUtf8("Accredito Caffè Bianchi"));
    QCOMPARE(result.lines.at(2).balanceCents, std::optional<long long>(162050));
    QVERIFY(!result.lines.at(0).valueDate.isValid());
    QCOMPARE(result.closingBalanceCents, std::optional<long long>(175000));
}

void TestBankStatement::amountsReadOneWayForTheWholeFile_data()
{
    QTest::addColumn<QStringList>("amounts");
    QTest::addColumn<QList<long long>>("cents");
    QTest::addColumn<int>("failedLine");
    QTest::newRow("1.234 alone") << QStringList{"1.234"} << QList<long long>() << 2;
    QTest::newRow("1,234 alone") << QStringList{"12", "1,234"} << QList<long long>() << 3;
    QTest::newRow("a decimal comma elsewhere") << QStringList{"1.234", "12,50"}
                                               << QList<long long>{123400, 1250} << 0;
    QTest::newRow("grouping points make 1,234 three decimals")
        << QStringList{"1,234", "1.000.000"} << QList<long long>() << 2;
    QTest::newRow("decimal point file") << QStringList{"1,234", "-7.5"} << QList<long long>{123400, -750} << 0;
    QTest::newRow("comma then point") << QStringList{"12,50", "7.25"} << QList<long long>() << 3;
    QTest::newRow("whole euro") << QStringList{"12", "+7", "1.234,5"} << QList<long long>{1200, 700, 123450} << 0;
    QTest::newRow("not a number") << QStringList{"12,50", "12,5O"} << QList<long long>() << 3;
    QTest::newRow("bad grouping") << QStringList{"12,50", "12.34,00"} << QList<long long>() << 3;
}

void TestBankStatement::amountsReadOneWayForTheWholeFile()
{
    QFETCH(QStringList, amounts);
    QFETCH(QList<long long>, cents);
    QFETCH(int, failedLine);
    QByteArray bytes = "Data;Descrizione;Importo\n";
    for (const QString &amount : std::as_const(amounts))
        bytes += "01/02/2026;bonifico;" + amount.toUtf8() + "\n";
    const BankStatementCsv::Result result = BankStatementCsv::read(bytes, QStringLiteral("e.csv"));
    QCOMPARE(result.failedLine, failedLine);
    QCOMPARE(result.ok, failedLine == 0);
    QList<long long> read;
    for (const BankStatementCsv::Line &line : result.lines)
        read.append(line.cents);
    QCOMPARE(read, cents);
}

void TestBankStatement::unreadableFilesAreRefusedNamingTheLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("failedLine");
    QTest::addColumn<QString>("problem");
    const QByteArray header = "Data;Descrizione;Importo\n";
    QTest::newRow("no calendar day") << header + "28/02/2026;a;1,00\n31/02/2026;b;2,00\n" << 3
                                     << QString::fromUtf8("Il file \"conto.csv\", riga 3: la data \"31/02/2026\" non esiste.");
    QTest::newRow("year first") << header + "2026-02-01;a;1,00\n" << 2
                                << QString::fromUtf8("Il file \"conto.csv\", riga 2: \"2026-02-01\" non è una data nella forma giorno/mese/anno.");
    QTest::newRow("no date but an amount") << header + "01/02/2026;a;1,00\n;b;2,00\n" << 3
                                           << QString::fromUtf8("Il file \"conto.csv\", riga 3: manca la data dell'operazione.");
    QTest::newRow("quote left open") << header + "01/02/2026;\"a;1,00\n02/02/2026;b;2,00\n" << 2
                                     << QString::fromUtf8("Il file \"conto.csv\", riga 2: le virgolette aperte qui non si chiudono.");
    QTest::newRow("no header") << QByteArray("01/02/2026;a;1,00\n") << 0
                               << QString::fromUtf8("Il file \"conto.csv\": non si riconoscono le colonne della data, "
                                                    "dell'importo e della descrizione: indicarle a mano.");
    QTest::newRow("debit and credit") << QByteArray("Data;Causale;Dare;Avere\n01/02/2026;a;1,00;2,00\n") << 2
                                      << QString::fromUtf8("Il file \"conto.csv\", riga 2: la riga ha un importo sia in Dare sia in Avere.");
}

void TestBankStatement::unreadableFilesAreRefusedNamingTheLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, failedLine);
    QFETCH(QString, problem);
    const BankStatementCsv::Result result = BankStatementCsv::read(bytes, QStringLiteral("conto.csv"));
    QVERIFY(!result.ok);
    QVERIFY(result.lines.isEmpty());
    QCOMPARE(result.failedLine, failedLine);
    QCOMPARE(result.problem, problem);
}

// The remembered form is written by hand here: a reader of an older save must find it so.
void TestBankStatement::mappingTextIsOneFixedLine()
{
    ColumnMapping mapping;
    mapping.operationDate = 0;
    mapping.valueDate = 1;
    mapping.debit = 3;
    mapping.credit = 4;
    mapping.description = {2, 5};
    mapping.balance = 6;
    mapping.headerRow = 4;
    QCOMPARE(mapping.toText(), QStringLiteral("colonne/1 separatore=pv intestazione=5 data=1 valuta=2 "
                                              "dare=4 avere=5 saldo=7 descrizione=3+6"));
    const std::optional<ColumnMapping> read =
        ColumnMapping::fromText(QStringLiteral("colonne/1 separatore=v data=2 importo=3 descrizione=1"));
    QVERIFY(read && read->isUsable());
    QCOMPARE(read->separator, QLatin1Char(','));
    QCOMPARE(read->headerRow, -1);
    QCOMPARE(read->operationDate, 1);
    QCOMPARE(read->amount, 2);
    QCOMPARE(read->description, QList<int>{0});
    QCOMPARE(ColumnMapping::fromText(mapping.toText()), std::optional<ColumnMapping>(mapping));
    for (const char *bad : {"separatore=pv data=1", "colonne/1 data=1 importo=1 descrizione=2",
                            "colonne/1 data=0", "colonne/1 data=1 data=2", "colonne/1 colore=3",
                            "colonne/1 descrizione=2+"})
        QVERIFY2(!ColumnMapping::fromText(QLatin1String(bad)), bad);
    // Both an amount and the Dare/Avere pair, or no description: not usable.
    ColumnMapping both = mapping;
    both.amount = 7;
    QVERIFY(mapping.isUsable() && !both.isUsable());
    both = mapping;
    both.description.clear();
    QVERIFY(!both.isUsable());
}

void TestBankStatement::matcherProposesOwnersAndShares()
{
    QList<PaymentMatcher::OpenShare> fifteen;
    for (int item = 1; item <= 15; ++item)
        fifteen.append({item, 1000});
    const PaymentMatcher matcher({{1, {QStringLiteral("Rossi")}, {{1, 10000}, {2, 10000}, {3, 5000}}},
                                  {2, {QStringLiteral("Rossi")}, {{1, 12000}}},
                                  {3, {QStringLiteral("De Luca")}, {{1, 3000}, {2, 7000}, {3, 10000}}},
                                  {4, {QStringLiteral("Dell'Acqua")}, {{2, 8000}, {4, 8000}}},
                                  {5, {QString::fromUtf8("Caffè"), QStringLiteral("Neri")}, {{1, 4500}}},
                                  {6, {QStringLiteral("Rossi")}, {{2, 5000}}},
                                  {7, {QStringLiteral("Verdi")}, fifteen}});
    auto line = [](int fileLine, long long cents, const char *description) {
        BankStatementCsv::Line made;
        made.fileLine = fileLine;
        made.cents = cents;
        made.description = QString::fromUtf8(description);
        return made;
    };
    const QList<PaymentMatcher::Proposal> proposals = matcher.propose({
        line(1, 12000, "BONIFICO DA MARIO ROSSI"),  // the Rossi owing 120,00
        line(2, 10000, "rossi mario rata"),         // equal instalments: the older one
        line(3, 10000, "ROSSI MARIO 2a rata"),      // the first is claimed: the next one
        line(4, 10000, "Giuseppe DE LUCA"),         // 30+70 or 100: to confirm
        line(5, 16000, "DELL ACQUA ANNA"),          // a run of two shares
        line(6, 4500, "LUIGI CAFFE'"),              // accents and apostrophe aside
        line(7, -5000, "Rossi"),                    // going out
        line(8, 5000, "ROSSINI"),                   // not the whole word
        line(9, 5000, "Rossi Maria"),               // owners 1 and 6
        line(10, 3000, "VERDI rate 1-3"),           // 15 open shares: the run from the oldest
        line(11, 4500, "bonifico"),                 // no one named
    });
    QCOMPARE(proposals.size(), 11);
    auto check = [&proposals](int k, Outcome outcome, int owner, const QList<int> &items) {
        const PaymentMatcher::Proposal &proposal = proposals.at(k - 1);
        QCOMPARE(proposal.fileLine, k);
        QCOMPARE(proposal.outcome, outcome);
        QCOMPARE(proposal.owner, owner);
        QCOMPARE(proposal.items, items);
    };
    check(1, Outcome::Matched, 2, {1});
    check(2, Outcome::Matched, 1, {1});
    check(3, Outcome::Matched, 1, {2});
    check(4, Outcome::ToConfirm, 3, {1, 2});
    QCOMPARE(proposals.at(3).alternatives, QList<PaymentMatcher::Fit>({{3, {3}}}));
    check(5, Outcome::Matched, 4, {2, 4});
    check(6, Outcome::Matched, 5, {1});
    check(7, Outcome::Unmatched, 0, {});
    check(8, Outcome::Unmatched, 0, {});
    check(9, Outcome::ToConfirm, 1, {3});
    QCOMPARE(proposals.at(8).alternatives, QList<PaymentMatcher::Fit>({{6, {2}}}));
    check(10, Outcome::Matched, 7, {1, 2, 3});
    check(11, Outcome::Unmatched, 0, {});

    // Listed newest first, the February transfer pays the second instalment, not the first.
    BankStatementCsv::Line february = line(1, 10000, "ROSSI");
    february.operationDate = QDate(2026, 2, 10);
    BankStatementCsv::Line january = line(2, 10000, "ROSSI");
    january.operationDate = QDate(2026, 1, 10);
    const QList<PaymentMatcher::Proposal> newestFirst = matcher.propose({february, january});
    QCOMPARE(newestFirst.at(0).items, QList<int>{2});
    QCOMPARE(newestFirst.at(1).items, QList<int>{1});

    QCOMPARE(PaymentMatcher::outcomeText(Outcome::Matched), QStringLiteral("abbinato"));
    QCOMPARE(PaymentMatcher::outcomeText(Outcome::ToConfirm), QStringLiteral("da confermare"));
    QCOMPARE(PaymentMatcher::outcomeText(Outcome::Unmatched), QStringLiteral("non abbinato"));
}

QTEST_GUILESS_MAIN(TestBankStatement)
#include "tst_bankstatement.moc"
