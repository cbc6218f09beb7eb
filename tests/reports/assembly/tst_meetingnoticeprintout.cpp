#include "core/assembly/meetingnotice.h"
#include "core/state/sharedstate.h"
#include "reports/assembly/meetingnoticeprintout.h"
#include "support/officereader.h"
#include "support/reportcontents.h"

#include <QtTest>

#include <memory>

using namespace veltra;
using ReportContents::paragraphTexts;

namespace {

const QChar CR(13);
const QChar FF(12);

void addOwners(SharedState &state, int count)
{
    state.condoName = QStringLiteral("I Cedri");
    state.ownerCount = count;
    for (int i = 1; i <= count; ++i) {
        state.owner(i).ownerName = QStringLiteral("Condomino %1").arg(i);
        state.owner(i).ownerAddress = QStringLiteral("via dei Cedri %1").arg(i);
    }
}

MeetingNotice threePointNotice()
{
    MeetingNotice notice;
    notice.subject = QStringLiteral("convocazione assemblea di condominio in seduta straordinaria");
    notice.number = QStringLiteral("4");
    notice.firstCallDate = QStringLiteral("14/12/2026");
    notice.firstCallHour = QStringLiteral("7.00");
    notice.firstCallPlace = QStringLiteral("androne");
    notice.secondCallDate = QStringLiteral("15/12/2026");
    notice.secondCallHour = QStringLiteral("18.00");
    notice.secondCallPlace = QStringLiteral("sala Verdi");
    notice.noticeDate = QStringLiteral("09/12/2026");
    notice.notes = QStringLiteral("raccomandata a mano");
    notice.setAgendaPoint(1, QStringLiteral("rendiconto"));
    notice.setAgendaPoint(2, QStringLiteral("lavori al tetto"));
    notice.setAgendaPoint(3, QStringLiteral("varie"));
    return notice;
}

} // namespace

class TestMeetingNoticePrintout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void oneNoticeBlockByBlock();
    void agendaStopsAtTheFirstEmptyPoint();
    void notesBlockOnlyWithNotes();
    void twoCopiesPerOwnerOneAfterTheOther();
    void noOwnersNoNotice();
    void administratorHeadsAndSignsEveryCopy();
    void renderedNoticesTakeOnePageEach();

private:
    std::unique_ptr<SharedState> m_state;
};

void TestMeetingNoticePrintout::init()
{
    m_state = std::make_unique<SharedState>();
    addOwners(*m_state, 1);
}

void TestMeetingNoticePrintout::oneNoticeBlockByBlock()
{
    const ReportDocument document = MeetingNoticePrintout::build(*m_state, threePointNotice(), 1);
    QCOMPARE(document.fontName(), QStringLiteral("Century Gothic"));
    const QString blanks = QStringLiteral("                                        "
                                          "                                        ");
    QCOMPARE(blanks.size(), 80);
    const QList<std::pair<QString, int>> expected = {
        {QString::fromUtf8("Condominio: I Cedri\r\r"), 20},
        {QStringLiteral("Avviso di convocazione di assemblea di condominio\r\r"), 12},
        {blanks + QStringLiteral("Al condomino\r"), 12},
        {blanks + QStringLiteral("Condomino 1\r"), 12},
        {blanks + QStringLiteral("via dei Cedri 1\r\r\r"), 12},
        {QStringLiteral("Oggetto: convocazione assemblea di condominio in seduta straordinaria   - n.4\r\r"), 10},
        {QString::fromUtf8("La S/V è invitata a partecipare all'assemblea dei condomini convocata "
                           "secondo il seguente calendario in prima convocazione:\r"), 10},
        {QStringLiteral("in data 14/12/2026\r"), 10},
        {QStringLiteral("alle ore 7.00\r"), 10},
        {QStringLiteral("presso androne\r"), 10},
        {QStringLiteral("e in seconda convocazione:\r"), 10},
        {QStringLiteral("in data 15/12/2026\r"), 10},
        {QStringLiteral("alle ore 18.00\r"), 10},
        {QStringLiteral("presso sala Verdi\r"), 10},
        {QStringLiteral("per discutere i seguenti punti all'ordine del giorno:\r\r"), 10},
        {QStringLiteral(" 1) - rendiconto\r"), 10},
        {QStringLiteral(" 2) - lavori al tetto\r"), 10},
        {QStringLiteral(" 3) - varie\r"), 10},
        {QStringLiteral("\rdata: 09/12/2026\r"), 10},
        {QStringLiteral("\rL'amministratore: \r\r\r"), 10},
        {QStringLiteral("__________________________\r\r"), 10},
        {QStringLiteral("\rnote: raccomandata a mano\r\r"), 10},
        {QStringLiteral("data e firma per ricevuta:\r\r\r"), 10},
        {QStringLiteral("__________________________\r\r\r"), 10},
        {QStringLiteral("DELEGA\r"), 10},
        {QStringLiteral("Io sottoscritto condomino Condomino 1 delego a rappresentarmi "
                        "all'assemblea del giorno 14/12/2026 il Sig. "
                        "___________________________________ con mandato di discutere e "
                        "deliberare in mia rappresentanza su tutto quanto forma oggetto "
                        "dell'ordine del giorno previsto, dando sin d'ora per valido ed approvato "
                        "il suo operato.\r"), 10},
        {QStringLiteral("Firma _______________________\r"), 10},
    };
    const QVector<ReportBlock> &blocks = document.blocks();
    QCOMPARE(blocks.size(), expected.size());
    for (int b = 0; b < blocks.size(); ++b) {
        QCOMPARE(blocks[b].kind, ReportBlock::Kind::Paragraph);
        // The texts above write CR as \r.
        QCOMPARE(blocks[b].text, expected[b].first);
        QCOMPARE(blocks[b].fontSize.value_or(0), expected[b].second);
        QVERIFY(!blocks[b].bold);
    }
    // The blank lines count: 26 for the administrator and the receipt, 35 for the proxy's
    // name, 23 for the proxy's signature.
    QCOMPARE(blocks[20].text.count(QLatin1Char('_')), 26);
    QCOMPARE(blocks[23].text.count(QLatin1Char('_')), 26);
    QCOMPARE(blocks[25].text.count(QLatin1Char('_')), 35);
    QCOMPARE(blocks[26].text.count(QLatin1Char('_')), 23);
}

void TestMeetingNoticePrintout::agendaStopsAtTheFirstEmptyPoint()
{
    MeetingNotice notice = threePointNotice();
    notice.setAgendaPoint(3, QString());
    notice.setAgendaPoint(4, QStringLiteral("quarto"));
    const QStringList paragraphs =
        paragraphTexts(MeetingNoticePrintout::build(*m_state, notice, 1));
    QVERIFY(paragraphs.contains(QStringLiteral(" 2) - lavori al tetto\r")));
    for (const QString &text : paragraphs) {
        QVERIFY(!text.startsWith(QStringLiteral(" 3)")));
        QVERIFY(!text.contains(QStringLiteral("quarto")));
    }

    // Twenty points are all listed, the last as " 20) - ".
    for (int j = 1; j <= 20; ++j)
        notice.setAgendaPoint(j, QStringLiteral("punto"));
    const QStringList all = paragraphTexts(MeetingNoticePrintout::build(*m_state, notice, 1));
    QVERIFY(all.contains(QStringLiteral(" 20) - punto\r")));
    QCOMPARE(all.filter(QStringLiteral(") - punto")).size(), 20);
}

void TestMeetingNoticePrintout::notesBlockOnlyWithNotes()
{
    MeetingNotice notice = threePointNotice();
    notice.notes.clear();
    const QStringList paragraphs =
        paragraphTexts(MeetingNoticePrintout::build(*m_state, notice, 1));
    QCOMPARE(paragraphs.size(), 26);
    QVERIFY(paragraphs.filter(QStringLiteral("note:")).isEmpty());
    const int signature = paragraphs.indexOf(QStringLiteral("__________________________\r\r"));
    QCOMPARE(paragraphs.at(signature + 1), QStringLiteral("data e firma per ricevuta:\r\r\r"));
}

void TestMeetingNoticePrintout::twoCopiesPerOwnerOneAfterTheOther()
{
    addOwners(*m_state, 4);
    const QStringList paragraphs =
        paragraphTexts(MeetingNoticePrintout::build(*m_state, threePointNotice(), 2));
    QCOMPARE(paragraphs.size(), 8 * 28 - 1);
    QCOMPARE(paragraphs.count(QString(FF) + CR), 7);
    QCOMPARE(paragraphs.count(QStringLiteral("DELEGA\r")), 8);
    QStringList addressees;
    for (int copy = 0; copy < 8; ++copy) {
        // Every notice starts with the heading right after the previous one's page break.
        QCOMPARE(paragraphs.at(copy * 28), QStringLiteral("Condominio: I Cedri\r\r"));
        if (copy < 7)
            QCOMPARE(paragraphs.at(copy * 28 + 27), QString(FF) + CR);
        addressees << paragraphs.at(copy * 28 + 3).trimmed();
    }
    QCOMPARE(addressees, QStringList({"Condomino 1", "Condomino 1", "Condomino 2", "Condomino 2",
                                      "Condomino 3", "Condomino 3", "Condomino 4", "Condomino 4"}));
    QCOMPARE(paragraphTexts(MeetingNoticePrintout::build(*m_state, threePointNotice(), 1))
                 .count(QStringLiteral("DELEGA\r")),
             4);
}

void TestMeetingNoticePrintout::noOwnersNoNotice()
{
    m_state->ownerCount = 0;
    QVERIFY(MeetingNoticePrintout::build(*m_state, threePointNotice(), 2).blocks().isEmpty());
}

void TestMeetingNoticePrintout::administratorHeadsAndSignsEveryCopy()
{
    addOwners(*m_state, 2);
    m_state->administrator.name = QStringLiteral("Studio Rossi");
    const QStringList paragraphs =
        paragraphTexts(MeetingNoticePrintout::build(*m_state, threePointNotice(), 2));
    // Four copies of 28 paragraphs, each now led by the name and the space after it.
    QCOMPARE(paragraphs.count(QStringLiteral("Studio Rossi")), 4);
    QCOMPARE(paragraphs.count(QString(CR) + QStringLiteral("L'amministratore: Studio Rossi") + CR + CR + CR), 4);
    QCOMPARE(paragraphs.mid(0, 3), QStringList({QStringLiteral("Studio Rossi"), QString(),
                                                QStringLiteral("Condominio: I Cedri") + CR + CR}));
}

void TestMeetingNoticePrintout::renderedNoticesTakeOnePageEach()
{
    if (!OfficeReader::available())
        QSKIP("LibreOffice (soffice) is not installed");
    addOwners(*m_state, 4);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("avvisi.odt"));
    ReportDocument document = MeetingNoticePrintout::build(*m_state, threePointNotice(), 2);
    QVERIFY(document.saveAs(path));
    OfficeReader office;
    // Eight notices, and no blank sheet after the last.
    QCOMPARE(office.pageCounts({path}), QList<int>({8}));
    const QString text = office.texts({path}).first();
    QCOMPARE(text.count(QStringLiteral("DELEGA")), 8);
    QCOMPARE(text.count(QStringLiteral("Io sottoscritto condomino Condomino 3 delego")), 2);
}

QTEST_GUILESS_MAIN(TestMeetingNoticePrintout)
#include "tst_meetingnoticeprintout.moc"
