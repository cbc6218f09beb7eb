#include "core/registry/condominiumarchive.h"
#include "core/registry/registerfile.h"
#include "core/state/sharedstate.h"
#include "reports/registry/datarequestprintout.h"
#include "reports/registry/privacynoticeprintout.h"
#include "reports/registry/registerprintout.h"
#include "support/reportcontents.h"

#include <QtTest>

using namespace veltra;

namespace {

const QString Sample = QStringLiteral(VELTRA_SOURCE_DIR "/data/esempio/Veltra-dati-Condominio Le Magnolie");
const QDate Today(2026, 12, 9);

QString wholeText(const ReportDocument &document)
{
    QString text = ReportContents::paragraphTexts(document).join(QString());
    for (int t = 1; t <= document.tableCount(); ++t) {
        const ReportTable &table = document.table(t);
        for (int r = 1; r <= table.rows(); ++r)
            text += ReportContents::tableRow(table, r).join(QLatin1Char('|')) + QLatin1Char('\n');
    }
    return text;
}

} // namespace

// The register's three printouts on the sample, where owner 9 lacks his codice fiscale, his
// residence and his cadastral data.
class TestRegisterPrintouts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void requestGoesOnlyToTheOwnerWithGaps();
    void registerHasAPagePerOwnerThenTheSafetyList();
    void noticeNamesTheControllerAndTheLegalBases();

private:
    SharedState m_state;
};

void TestRegisterPrintouts::initTestCase()
{
    CondominiumArchive::apply(CondominiumArchive::load(Sample), m_state);
    QVERIFY(RegisterFile::loadBeside(m_state, Sample).isEmpty());
    m_state.administrator.name = QStringLiteral("Studio Landi");
    m_state.administrator.pec = QStringLiteral("studio.landi@pec.example.it");
}

void TestRegisterPrintouts::requestGoesOnlyToTheOwnerWithGaps()
{
    const ReportDocument all = DataRequestPrintout::build(m_state, 0, Today);
    QCOMPARE(all.ownerLetters().size(), 1);
    QCOMPARE(all.ownerLetters().first().owner, 9);
    const QString text = wholeText(all);
    QVERIFY(text.startsWith(QStringLiteral("Studio Landi")));
    for (const char *expected : {"Raccomandata A/R", "Caruso Giovanna", "- il codice fiscale di Caruso Giovanna;",
                                 "- la residenza o il domicilio di Caruso Giovanna;",
                                 "entro trenta giorni", "Le sarà addebitato", "Regolamento (UE) 2016/679",
                                 "L'amministratore\rStudio Landi", "Data: 09/12/2026"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    QVERIFY(!DataRequestPrintout::build(m_state, 1, Today).blocks().size());
}

void TestRegisterPrintouts::registerHasAPagePerOwnerThenTheSafetyList()
{
    const ReportDocument document = RegisterPrintout::build(m_state, Today);
    const QString text = wholeText(document);
    QCOMPARE(text.count(QLatin1Char('\f')), 10);
    QVERIFY(text.contains(QStringLiteral("Condomino n. 10: ")));
    QVERIFY(text.contains(QStringLiteral("2 camera|come sopra")));
    QVERIFY(text.contains(QStringLiteral("centrale termica, controllo di efficienza energetica|20/10/2025|20/10/2026|Termotecnica Reno snc|rapporto n. 4471|scaduta")));
    QVERIFY(text.contains(QStringLiteral("|in scadenza")));
    QCOMPARE(text.count(QString::fromUtf8("Il registro è completo per questo condomino.")), 9);
}

void TestRegisterPrintouts::noticeNamesTheControllerAndTheLegalBases()
{
    const QString text = wholeText(PrivacyNoticePrintout::build(m_state));
    for (const char *expected :
         {"(art. 13 del Regolamento (UE) 2016/679)",
          "Il titolare del trattamento è il Condominio Le Magnolie, rappresentato "
          "dall'amministratore Studio Landi (studio.landi@pec.example.it).",
          "art. 6, par. 1, lett. c", "art. 6, par. 1, lett. b", "dieci anni",
          "articoli da 15 a 22", "Garante per la protezione dei dati personali"})
        QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
}

QTEST_GUILESS_MAIN(TestRegisterPrintouts)
#include "tst_registerprintouts.moc"
