#include "core/state/sharedstate.h"
#include "reports/assembly/majoritiesprintout.h"
#include "support/reportcontents.h"

#include <QTest>

using namespace veltra;

class TestMajoritiesPrintout : public QObject
{
    Q_OBJECT

private slots:
    void headingThenEachCaptionFollowedByItsText();
    void emptyCondominiumPrintsEmptyNameAndZero();
    void printsTheWholeShippedTable();
};

void TestMajoritiesPrintout::headingThenEachCaptionFollowedByItsText()
{
    SharedState state;
    state.condoName = QStringLiteral("Aurora");
    state.ownerCount = 4;
    const QList<Majority> majorities = {
        {1, QStringLiteral("1)  Prima"), QStringLiteral("uno\ndue"), {QStringLiteral("f")}},
        {2, QStringLiteral("2)  Seconda"), QStringLiteral("tre"), {QStringLiteral("f")}},
    };
    const ReportDocument document = MajoritiesPrintout::build(state, majorities);
    QCOMPARE(document.fontName(), QStringLiteral("Century Gothic"));
    QCOMPARE(ReportContents::paragraphTexts(document),
             (QStringList{QStringLiteral("Condominio: Aurora\r\r"),
                          QStringLiteral("numero condomini:  4\r\r"),
                          QStringLiteral("MAGGIORANZE ASSEMBLEARI\r\r"),
                          QStringLiteral("1)  Prima\r"), QStringLiteral("uno\rdue\r\r"),
                          QStringLiteral("2)  Seconda\r"), QStringLiteral("tre\r\r")}));
    const QList<int> sizes = {20, 12, 12, 10, 10, 10, 10};
    for (int i = 0; i < sizes.size(); ++i)
        QCOMPARE(document.blocks().at(i).fontSize.value_or(0), sizes.at(i));
    QCOMPARE(document.tableCount(), 0);
}

void TestMajoritiesPrintout::emptyCondominiumPrintsEmptyNameAndZero()
{
    const ReportDocument document = MajoritiesPrintout::build(SharedState(), {});
    QCOMPARE(ReportContents::paragraphTexts(document),
             (QStringList{QStringLiteral("Condominio: \r\r"), QStringLiteral("numero condomini:  0\r\r"),
                          QStringLiteral("MAGGIORANZE ASSEMBLEARI\r\r")}));
}

// The fifteen matters and the four the reform added: a caption and a text each.
void TestMajoritiesPrintout::printsTheWholeShippedTable()
{
    const MajorityTable::Reading &table = MajorityTable::shipped();
    QVERIFY(table.isValid());
    const QStringList texts =
        ReportContents::paragraphTexts(MajoritiesPrintout::build(SharedState(), table.majorities));
    QCOMPARE(texts.size(), 3 + 2 * 19);
    QCOMPARE(texts.at(3), table.majorities.at(0).caption + QChar(13));
    QVERIFY(texts.at(4).startsWith(QString::fromUtf8("In prima convocazione l'assemblea è regolarmente costituita")));
    QVERIFY(texts.last().endsWith(QStringLiteral("(art.66 Disp. Att. terzo e sesto comma).\r\r")));
    QVERIFY(!texts.join(QString()).contains(QLatin1Char('\n')));
}

QTEST_APPLESS_MAIN(TestMajoritiesPrintout)
#include "tst_majoritiesprintout.moc"
