#include "reports/library/rulingsprintout.h"

#include "support/reportcontents.h"

#include <QtTest>

using namespace veltra;

namespace {

QStringList sevenRulings()
{
    QStringList texts;
    for (int n = 1; n <= 7; ++n)
        texts << QStringLiteral("Principio %1. - (Cassazione civile, 0%1/01/2020, n.%1)").arg(n);
    return texts;
}

} // namespace

class TestRulingsPrintout : public QObject
{
    Q_OBJECT

private slots:
    void oneRulingUnderItsNumberedHeading();
    void fromRulingFiveToTheLast();
    void pastTheLastRulingTheHeadingAlone();
};

void TestRulingsPrintout::oneRulingUnderItsNumberedHeading()
{
    const ReportDocument document =
        RulingsPrintout::build(QStringLiteral("Aurora"), QStringLiteral("Canne fumarie"), sevenRulings(), 2, 2);
    QCOMPARE(document.fontName(), QStringLiteral("Century Gothic"));
    QCOMPARE(ReportContents::paragraphTexts(document),
             QStringList({QStringLiteral("Condominio: Aurora\r"),
                          QStringLiteral("\r\rSentenza n.2: Canne fumarie\r"),
                          QStringLiteral("Principio 2. - (Cassazione civile, 02/01/2020, n.2)\r")}));
    QCOMPARE(document.blocks().at(0).fontSize, std::optional<int>(20));
    QCOMPARE(document.blocks().at(1).fontSize, std::optional<int>(12));
    QCOMPARE(document.blocks().at(2).fontSize, std::optional<int>(12));
    QCOMPARE(document.paragraphAlignment(), ReportAlignment::Justify);
}

void TestRulingsPrintout::fromRulingFiveToTheLast()
{
    const ReportDocument document =
        RulingsPrintout::build(QString(), QStringLiteral("Scale"), sevenRulings(), 5, 100);
    const QStringList texts = ReportContents::paragraphTexts(document);
    QCOMPARE(texts.size(), 1 + 2 * 3);
    QCOMPARE(texts.at(1), QStringLiteral("\r\rSentenza n.5: Scale\r"));
    QCOMPARE(texts.at(3), QStringLiteral("\r\rSentenza n.6: Scale\r"));
    QCOMPARE(texts.at(5), QStringLiteral("\r\rSentenza n.7: Scale\r"));
    QVERIFY(texts.at(6).startsWith(QLatin1String("Principio 7.")));
}

void TestRulingsPrintout::pastTheLastRulingTheHeadingAlone()
{
    const ReportDocument document =
        RulingsPrintout::build(QStringLiteral("Aurora"), QStringLiteral("Scale"), sevenRulings(), 8, 8);
    QCOMPARE(ReportContents::paragraphTexts(document), QStringList({QStringLiteral("Condominio: Aurora\r")}));
}

QTEST_GUILESS_MAIN(TestRulingsPrintout)
#include "tst_rulingsprintout.moc"
