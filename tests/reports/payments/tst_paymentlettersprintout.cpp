#include "core/payments/paymentletters.h"
#include "core/state/sharedstate.h"
#include "reports/payments/paymentlettersprintout.h"
#include "support/reportcontents.h"

#include <QtTest>

#include <memory>

using namespace veltra;

namespace {

const QChar CR(13);
const QString PageBreak = QString(QChar(12)) + CR;
const QDate Today(2026, 12, 9);

int countOf(const QStringList &texts, const QString &text)
{
    return int(std::count(texts.begin(), texts.end(), text));
}

} // namespace

// Reminders and receipts: who gets a letter, the dates they record, the letter's blocks
// and the page breaks between letters.
class TestPaymentLettersPrintout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void reminderRunSkipsOwnersWithAnyPaymentText();
    void letterBlocksOfOneReminder();
    void receiptDiffersInThreeLinesAndRecordsThePayment();
    void singleOwnerGetsHisLetterEvenAfterPaying();
    void breakBetweenEveryTwoLetters();
    void administratorHeadsAndSignsEveryLetter();

private:
    std::unique_ptr<SharedState> m_state;
};

void TestPaymentLettersPrintout::init()
{
    m_state = std::make_unique<SharedState>();
    m_state->condoName = QStringLiteral("Rossi");
    m_state->ownerCount = 4;
    m_state->calcType = 5;
    m_state->item(1) = {QStringLiteral("100,00"), QStringLiteral("luce"), QStringLiteral("10/01/2001")};
    m_state->item(2) = {QStringLiteral("2.469,00"), QStringLiteral("pulizia scale"),
                        QStringLiteral("10/05/2001")};
    const QStringList payments = {QString(), QStringLiteral("12/05/2001"), QString(),
                                  QStringLiteral("----------")};
    for (int i = 1; i <= 4; ++i) {
        Owner &owner = m_state->owner(i);
        owner.ownerName = QStringLiteral("Condomino %1").arg(i);
        owner.ownerAddress = QStringLiteral("via Roma %1").arg(i);
        owner.shareAmount = i == 1 ? QStringLiteral("1.234,50") : QStringLiteral("411,50");
        owner.paymentDate = payments[i - 1];
    }
}

void TestPaymentLettersPrintout::reminderRunSkipsOwnersWithAnyPaymentText()
{
    const QList<int> owners =
        PaymentLetters::record(*m_state, PaymentLetters::Kind::Reminder, 0, Today);
    QCOMPARE(owners, QList<int>({1, 3}));
    QCOMPARE(m_state->owner(1).reminderDate, QStringLiteral("09/12/2026"));
    QCOMPARE(m_state->owner(3).reminderDate, QStringLiteral("09/12/2026"));
    QCOMPARE(m_state->owner(2).reminderDate, QString());
    QCOMPARE(m_state->owner(1).paymentDate, QString());

    const ReportDocument document = PaymentLettersPrintout::build(
        *m_state, 2, QStringLiteral("2569"), PaymentLetters::Kind::Reminder, owners, false, Today);
    const QStringList texts = ReportContents::paragraphTexts(document);
    QCOMPARE(countOf(texts, QStringLiteral("Oggetto: sollecito di pagamento al condomino n. 1") + CR + CR), 1);
    QCOMPARE(countOf(texts, QStringLiteral("Oggetto: sollecito di pagamento al condomino n. 3") + CR + CR), 1);
    QCOMPARE(document.tableCount(), 2);
    // One break between the two letters, none after owner 3: owner 4 has paid and no blank
    // sheet follows the last letter.
    QCOMPARE(countOf(texts, PageBreak), 1);
    QCOMPARE(texts.last(), QStringLiteral("__________________________") + CR);
}

void TestPaymentLettersPrintout::letterBlocksOfOneReminder()
{
    const ReportDocument document = PaymentLettersPrintout::build(
        *m_state, 2, QStringLiteral("2569"), PaymentLetters::Kind::Reminder, {1}, true, Today);
    const QString indent(80, QLatin1Char(' '));
    const QStringList expected = {
        QStringLiteral("Condominio: Rossi") + CR + CR,
        QStringLiteral("GESTIONE SPESE  2001  (spesa n. 2)"),
        QStringLiteral("Totale progressivo spese : euro 2.569,00"),
        QStringLiteral("numero condomini:  4") + CR + CR,
        QString(CR) + CR + indent + QStringLiteral("Al condomino") + CR,
        indent + QStringLiteral("Condomino 1") + CR,
        indent + QStringLiteral("via Roma 1") + CR + CR + CR,
        QStringLiteral("Oggetto: sollecito di pagamento al condomino n. 1") + CR + CR,
        QStringLiteral("Si sollecita la S/V a voler pagare il contributo relativo alla sua "
                       "proprietà e riguardante la spesa in oggetto.") + CR,
        QStringLiteral("La somma da pagare è la seguente: euro 1.234,50.") + CR,
        QStringLiteral("Data: 09/12/2026") + CR + CR,
        QStringLiteral("Distinti saluti") + CR,
        QStringLiteral("L'Amministratore") + CR + CR,
        QStringLiteral("__________________________") + CR,
    };
    QCOMPARE(ReportContents::paragraphTexts(document), expected);
    const QList<int> sizes = {20, 12, 12, 12, 12, 12, 12, 10, 10, 10, 10, 10, 10, 10};
    QList<int> actual;
    for (const ReportBlock &block : document.blocks()) {
        if (block.kind == ReportBlock::Kind::Paragraph)
            actual << block.fontSize.value_or(0);
    }
    QCOMPARE(actual, sizes);
    const ReportTable &table = document.table(1);
    QCOMPARE(table.fontSize(), std::optional<int>(10));
    QCOMPARE(ReportContents::tableRow(table, 2),
             QStringList({QStringLiteral("somma da ripartire"), QStringLiteral("2.469,00")}));
    QCOMPARE(ReportContents::tableRow(table, 4),
             QStringList({QStringLiteral("data della spesa"), QStringLiteral("10/05/2001")}));
    QCOMPARE(ReportContents::tableRow(table, 5),
             QStringList({QStringLiteral("tipo di calcolo"),
                          QStringLiteral("art.1124 Codice Civile (scale)")}));
}

void TestPaymentLettersPrintout::receiptDiffersInThreeLinesAndRecordsThePayment()
{
    const QList<int> owners =
        PaymentLetters::record(*m_state, PaymentLetters::Kind::Receipt, 0, Today);
    QCOMPARE(owners, QList<int>({1, 3}));
    QCOMPARE(m_state->owner(3).paymentDate, QStringLiteral("09/12/2026"));
    QCOMPARE(m_state->owner(3).reminderDate, QString());
    const ReportDocument document = PaymentLettersPrintout::build(
        *m_state, 2, QStringLiteral("2569"), PaymentLetters::Kind::Receipt, {3}, true, Today);
    const QStringList texts = ReportContents::paragraphTexts(document);
    QCOMPARE(texts[7], QStringLiteral("Oggetto: ricevuta di pagamento al condomino n. 3") + CR + CR);
    QCOMPARE(texts[8], QStringLiteral("Si riceve dalla S/V il contributo relativo alla sua "
                                      "proprietà e riguardante la spesa in oggetto.") + CR);
    QCOMPARE(texts[9], QStringLiteral("La somma pagata è la seguente: euro 411,50.") + CR);
    // A second run finds nobody left without a payment date.
    QVERIFY(PaymentLetters::record(*m_state, PaymentLetters::Kind::Receipt, 0, Today).isEmpty());
}

void TestPaymentLettersPrintout::singleOwnerGetsHisLetterEvenAfterPaying()
{
    const QList<int> owners =
        PaymentLetters::record(*m_state, PaymentLetters::Kind::Reminder, 2, Today);
    QCOMPARE(owners, QList<int>({2}));
    QCOMPARE(m_state->owner(2).reminderDate, QStringLiteral("09/12/2026"));
    QCOMPARE(m_state->owner(2).paymentDate, QStringLiteral("12/05/2001"));
    const ReportDocument document = PaymentLettersPrintout::build(
        *m_state, 2, QString(), PaymentLetters::Kind::Reminder, owners, true, Today);
    QCOMPARE(countOf(ReportContents::paragraphTexts(document), PageBreak), 0);
}

void TestPaymentLettersPrintout::breakBetweenEveryTwoLetters()
{
    m_state->owner(2).paymentDate.clear();
    m_state->owner(4).paymentDate.clear();
    const QList<int> owners =
        PaymentLetters::record(*m_state, PaymentLetters::Kind::Reminder, 0, Today);
    QCOMPARE(owners, QList<int>({1, 2, 3, 4}));
    const ReportDocument document = PaymentLettersPrintout::build(
        *m_state, 2, QString(), PaymentLetters::Kind::Reminder, owners, false, Today);
    const QStringList texts = ReportContents::paragraphTexts(document);
    QCOMPARE(countOf(texts, PageBreak), 3);
    QCOMPARE(texts.last(), QStringLiteral("__________________________") + CR);
}

void TestPaymentLettersPrintout::administratorHeadsAndSignsEveryLetter()
{
    m_state->administrator.name = QStringLiteral("Studio Rossi");
    m_state->administrator.address = QStringLiteral("via Roma 1, 40121 Bologna");
    const ReportDocument document = PaymentLettersPrintout::build(
        *m_state, 2, QStringLiteral("2569"), PaymentLetters::Kind::Reminder, {1, 2}, true, Today);
    for (int letter = 0; letter < 2; ++letter) {
        const QStringList paragraphs = ReportContents::paragraphTexts(document.ownerLetter(letter));
        QCOMPARE(paragraphs.mid(0, 4), QStringList({QStringLiteral("Studio Rossi"),
                                                    QStringLiteral("via Roma 1, 40121 Bologna"),
                                                    QString(), QStringLiteral("Condominio: Rossi") + CR + CR}));
        QVERIFY(paragraphs.contains(QStringLiteral("L'Amministratore") + CR + QStringLiteral("Studio Rossi") + CR + CR));
    }
}

QTEST_GUILESS_MAIN(TestPaymentLettersPrintout)
#include "tst_paymentlettersprintout.moc"
