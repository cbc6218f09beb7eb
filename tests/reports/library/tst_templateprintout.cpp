#include "reports/library/templateprintout.h"

#include "support/reportcontents.h"

#include <QtTest>

using namespace veltra;

class TestTemplatePrintout : public QObject
{
    Q_OBJECT

private slots:
    void headingAndTemplateTextInMsSansSerif();
    void beforeAnyChoiceTheHeadingAlone();
};

void TestTemplatePrintout::headingAndTemplateTextInMsSansSerif()
{
    const QString text = QStringLiteral("Raccomandata a.r.\r\n\r\nOggetto: richiesta\r\n\tIl locatore/altro ______");
    const ReportDocument document = TemplatePrintout::build(QStringLiteral("Aurora"), text);
    QCOMPARE(document.fontName(), QStringLiteral("Ms Sans Serif"));
    QCOMPARE(ReportContents::paragraphTexts(document),
             QStringList({QStringLiteral("Condominio: Aurora\r\r"), text}));
    QCOMPARE(document.blocks().at(0).fontSize, std::optional<int>(20));
    QCOMPARE(document.blocks().at(1).fontSize, std::optional<int>(12));
    QCOMPARE(document.paragraphAlignment(), ReportAlignment::Justify);
    QCOMPARE(TemplatePrintout::closingStatus(), QStringLiteral("ho visualizzato il documento su Word"));
}

void TestTemplatePrintout::beforeAnyChoiceTheHeadingAlone()
{
    const ReportDocument document = TemplatePrintout::build(QStringLiteral("Aurora"), QString());
    QCOMPARE(ReportContents::paragraphTexts(document), QStringList({QStringLiteral("Condominio: Aurora\r\r")}));
}

QTEST_GUILESS_MAIN(TestTemplatePrintout)
#include "tst_templateprintout.moc"
