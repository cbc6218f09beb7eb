#include "library/templates/templatelibrary.h"

#include <QRegularExpression>
#include <QtTest>

using namespace veltra;

namespace {

// The titles the program lists, in their numeric order.
const QStringList Titles = {
    QStringLiteral("aggiornamento del canone"),
    QStringLiteral("contratto di comodato d'uso gratuito"),
    QStringLiteral("contratto preliminare di compravendita"),
    QStringLiteral("conferimento diritto di abitazione"),
    QStringLiteral("contratto di superficie"),
    QStringLiteral("costituzione di usufrutto oneroso"),
    QStringLiteral("contratto d'uso"),
    QStringLiteral("aumento canone per opere straordinarie"),
    QStringLiteral("assegnazione posti auto in locazione"),
    QStringLiteral("assegnazione posti auto in uso esclusivo"),
    QStringLiteral("assegnazione posti auto in uso turnario"),
    QStringLiteral("diffida occupazione spazio comune"),
    QStringLiteral("contratto di locazione ad uso abitativo transitorio"),
    QStringLiteral("contratto di locazione box auto"),
    QStringLiteral("comunicazione di sublocazione o di cessione di contratto"),
    QStringLiteral("contratto di locazione abitativa agevolata"),
    QStringLiteral("comunicazione di locazione (questore e commissariato p.s.)"),
    QStringLiteral("comunicazione di nuova locazione ad uso abitazione"),
    QStringLiteral("comunicazione di sublocazione parziale ad uso abitazione"),
    QStringLiteral("comunicazione di vendita immobile ad uso non abitativo"),
    QStringLiteral("comunicazione dell'amministratore di pericolo nello stabile"),
    QStringLiteral("comunicazione dell'amministratore di sospensione di un impianto"),
    QStringLiteral("contratto affitto d'azienda"),
    QStringLiteral("contratto di locazione libero"),
    QStringLiteral("contratto di locazione commerciale"),
    QStringLiteral("dati sul rapporto di lavoro del portiere"),
    QStringLiteral("denuncia immobile non locato"),
    QStringLiteral("comunicazione di lavori nell'unità immobiliare (CILA/SCIA)"),
    QStringLiteral("denuncia di sinistro all'assicurazione"),
    QStringLiteral("dichiarazione di rapporto di lavoro"),
    QStringLiteral("diniego di rinnovo contratto di locazione ad uso abitativo di prima scadenza"),
    QStringLiteral("diniego di rinnovo di contratto ad uso non abitativo alla prima scadenza"),
    QStringLiteral("disciplina della sosta veicoli in cortile"),
    QStringLiteral("disdetta di locazione abitativa"),
    QStringLiteral("disdetta di locazione ad uso non abitativo"),
    QStringLiteral("dissenso dei condomini rispetto alle liti"),
    QStringLiteral("divieto di parcheggio di autoveicoli nel cortile condominiale"),
    QStringLiteral("divieto di immissione di fumo e odori"),
    QStringLiteral("divieto di emissione di rumori"),
    QStringLiteral("dizionario tecnico"),
    QStringLiteral("incarico di vendita all'agenzia"),
    QStringLiteral("lettera di sollecito per morosità"),
    QStringLiteral("lettera al portiere per il rinnovo della licenza"),
    QStringLiteral("lettera all'amministratore uscente per documentazione"),
    QStringLiteral("lettera di assunzione dell'incarico di amministratore"),
    QStringLiteral("lettera di un condomino per l'uso dell'ascensore"),
    QStringLiteral("lettera di contestazione al portiere"),
    QStringLiteral("lettera di dimissioni dell'amministratore"),
    QStringLiteral("lettera di licenziamento del portiere per inadempienze"),
    QStringLiteral("lettera di licenziamento del portiere per decisione assembleare"),
    QStringLiteral("lettera di trasmissione del verbale"),
    QStringLiteral("lettera di trasmissione verbale per lite"),
    QStringLiteral("locazione abitativa per studenti"),
    QStringLiteral("locazione abitativa (canale concertato)"),
    QStringLiteral("locazione per uso esclusivo ufficio"),
    QStringLiteral("prelazione per vendita di immobile"),
    QStringLiteral("recesso del conduttore da locazione di immobile ad uso diverso"),
    QStringLiteral("ricevuta d'affitto"),
    QStringLiteral("ricevuta di pagamento occupanti senza titolo"),
    QStringLiteral("richiesta all'amministratore di apertura conto corrente"),
    QStringLiteral("richiesta all'amministratore di visionare i documenti giustificativi delle spese"),
    QStringLiteral("richiesta di convocazione di assemblea per installazione di impianto ascensore"),
    QStringLiteral("richiesta di pagamento contributi condominiali"),
    QStringLiteral("ricorso per la nomina di un amministratore proposto da un condomino"),
    QStringLiteral("ricorso per la revoca dell'amministratore"),
    QStringLiteral("verbale di riconsegna"),
    QStringLiteral("verbale di assemblea di prima convocazione"),
    QStringLiteral("verbale di assemblea di seconda convocazione"),
    QStringLiteral("contratto di appalto per lavori condominiali"),
};

TemplateLibrary shipped()
{
    return TemplateLibrary::load(QStringLiteral(VELTRA_SOURCE_DIR "/data/") + TemplateLibrary::fileName());
}

} // namespace

// The templates shipped in data/modelli.txt, as an administrator receives them.
class TestShippedTemplates : public QObject
{
    Q_OBJECT

private slots:
    void theTitlesInTheirOrder();
    void everyTextIsCompleteAndFreeOfDraftText();
    void lettersOpenAsLettersDo();
};

void TestShippedTemplates::theTitlesInTheirOrder()
{
    const TemplateLibrary library = shipped();
    QVERIFY2(library.isValid(), qPrintable(library.error()));
    QCOMPARE(Titles.size(), TemplateLibrary::TemplateCount);
    for (int n = 1; n <= TemplateLibrary::TemplateCount; ++n)
        QCOMPARE(library.title(n), Titles.at(n - 1));
    QVERIFY(library.title(70).isEmpty());
}

void TestShippedTemplates::everyTextIsCompleteAndFreeOfDraftText()
{
    const TemplateLibrary library = shipped();
    static const QRegularExpression draft(QStringLiteral("lorem|\\bTODO\\b|esempio di testo|\\bXXX\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    for (int n = 1; n <= TemplateLibrary::TemplateCount; ++n) {
        const QString text = library.text(n);
        QVERIFY2(text.size() > 200, qPrintable(QString::number(n)));
        QVERIFY2(!draft.match(text).hasMatch(), qPrintable(QString::number(n) + QLatin1Char(' ') + draft.match(text).captured()));
        QVERIFY2(!text.contains(QLatin1String("\r\n\r\n\r\n\r\n")), qPrintable(QString::number(n)));
    }
}

void TestShippedTemplates::lettersOpenAsLettersDo()
{
    const TemplateLibrary library = shipped();
    const QString first = library.text(1);
    QVERIFY(first.contains(QStringLiteral("Raccomandata a.r.")));
    QVERIFY(first.contains(QStringLiteral("Oggetto: richiesta di aggiornamento del canone di locazione")));
    QVERIFY(first.contains(QRegularExpression(QStringLiteral("_{5,}"))));
    QVERIFY(first.contains(QStringLiteral("ISTAT")));
    // The glossary of building terms is not a letter.
    QVERIFY(!library.text(40).contains(QStringLiteral("Oggetto: ")));
    QVERIFY(library.text(68).contains(QStringLiteral("seconda convocazione")));
}

QTEST_GUILESS_MAIN(TestShippedTemplates)
#include "tst_shippedtemplates.moc"
