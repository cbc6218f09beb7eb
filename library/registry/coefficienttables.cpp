#include "library/registry/coefficienttables.h"

namespace veltra {

namespace {

// The rows keep the dots of the printed circular: they line the values up on screen.
CoefficientTable destinationTable()
{
    return {CoefficientKind::Destination,
            QStringLiteral("coeffdestinazione"),
            QStringLiteral("Coefficienti di destinazione"),
            {{QString(),
              {QStringLiteral("  1) negozi (secondo mercato)......................1,30"),
               QStringLiteral("  2) camere...................................................1,00"),
               QStringLiteral("  3) servizi (cucina, bagno, ripostigli).............0,90"),
               QStringLiteral("  4) corridoi, disimpegni.................................0,80"),
               QStringLiteral("  5) logge chiuse da tre pareti...................0,50-0,35"),
               QStringLiteral("  6) cantine e soffitte.................................0,45-0,30"),
               QStringLiteral("  7) balconi coperti........................................0,30"),
               QStringLiteral("  8) balconi scoperti......................................0,25"),
               QStringLiteral("  9) terrazzi a livello.......................................0,22"),
               QStringLiteral("10) giardini e aree di rispetto...................0,15-0,10")}}},
            QStringLiteral(" NOTA: per la presenza di servitù sull'ambiente si potrà ridurre il "
                           "coefficiente secondo la gravità di essa, così come per terrazzi e "
                           "giardini molto estesi rispetto alla superficie dell'alloggio e "
                           "rispetto all'effettivo grado di utilizzazione e di godimento."),
            QString()};
}

// Without a lift the upper floors lose value instead of gaining it, hence two columns.
CoefficientTable floorTable()
{
    return {CoefficientKind::Floor,
            QStringLiteral("coeffpiano"),
            QStringLiteral("Coefficienti di piano"),
            {{QStringLiteral("Fabbricati con ascensore"),
              {QStringLiteral("1) piano scantinato...........................................0,75"),
               QStringLiteral("2) piano terreno................................................0,85"),
               QStringLiteral("3) piano rialzato................................................0,90"),
               QStringLiteral("4) primo piano...................................................0,95"),
               QStringLiteral("5) piani successivi............................................1,00")}},
             {QStringLiteral("Fabbricati senza ascensore"),
              {QStringLiteral("1) piano scantinato...........................................0,75"),
               QStringLiteral("2) piano terreno................................................0,85"),
               QStringLiteral("3) piano rialzato................................................0,90"),
               QStringLiteral("4) primo piano...................................................1,00"),
               QStringLiteral("5) piani successivi..............decrescente fino a 0,90"),
               QStringLiteral("6) ultimo piano..................................................0,90")}}},
            QStringLiteral("NOTA: per gli ambienti sotto terrazzo si opera una detrazione di 0,03 "
                           "e per gli ambienti sotto tetto e per particolari servitù (lavatoi, "
                           "cabine) si detrae 0,02. I coefficienti valgono per edifici di un "
                           "numero di piani non elevato, in caso contrario si deve considerare "
                           "il mercato della zona."),
            QString()};
}

CoefficientTable orientationTable()
{
    return {CoefficientKind::Orientation,
            QStringLiteral("coefforientamento"),
            QStringLiteral("Coefficienti di orientamento"),
            {{QString(),
              {QStringLiteral("1) quadrante sud-est/sud-ovest................................................1,00-0,97"),
               QStringLiteral("2) quadrante nord-est/sud-est o nord-ovest/sud-ovest.............0,97-0,90"),
               QStringLiteral("3) quadrante nord-ovest/nord-est.............................................0,90-0,80"),
               QStringLiteral("4) ambienti senza finestre...............................................................0,75")}}},
            QStringLiteral("NOTE: con questo coefficiente si considerano tutti i vantaggi e gli "
                           "svantaggi derivanti all'ambiente dalla posizione rispetto ai punti "
                           "cardinali. Indipendentemente dalle altre caratteristiche del locale "
                           "vanno valutati: quantità di sole, di luce, di calore, di eventuali "
                           "correnti d'aria e venti."),
            QString()};
}

CoefficientTable prospectTable()
{
    return {CoefficientKind::Prospect,
            QStringLiteral("coeffprospetto"),
            QStringLiteral("Coefficienti di prospetto"),
            {{QString(),
              {QStringLiteral("1) su giardini, panorami, strade.................1,00-0,95"),
               QStringLiteral("2) su zone di rispetto................................0,90-0,85"),
               QStringLiteral("3) su cortili......................................................0,85"),
               QStringLiteral("4) su chiostrine...............................................0,80"),
               QStringLiteral("5) locali senza finestre, cantinati.....................0,75")}}},
            QStringLiteral("NOTE: vanno considerati i benefici che derivano all'ambiente "
                           "dall'apertura su una facciata piuttosto che su di un'altra "
                           "dell'edificio e quindi dalla visuale più o meno libera e panoramica. "
                           "I vantaggi connessi con l'altezza dalla quota stradale vanno "
                           "considerati nel coefficiente di piano. I maggiori o minori benefici "
                           "devono riferirsi ad un assetto edilizio stabile già realizzato o da "
                           "realizzare sulla base di precisi vincoli urbanistici."),
            QString()};
}

CoefficientTable lightTable()
{
    return {CoefficientKind::Light,
            QStringLiteral("coeffluminosità"),
            QStringLiteral("Coefficienti di luminosità"),
            {{QString(),
              {QStringLiteral("1) per k=1/6 o maggiore..................................1,000"),
               QStringLiteral("2) per k=1/7....................................................0,965"),
               QStringLiteral("3) per k=1/8....................................................0,940"),
               QStringLiteral("4) per k=1/9....................................................0,920"),
               QStringLiteral("5) per k=1/10..................................................0,900"),
               QStringLiteral("6) per spazi aperti (balconi, ecc.).....................1,000")}}},
            QStringLiteral("NOTE: per k bisogna intendere il rapporto tra superficie illuminante "
                           "(apertura delle finestre) e superficie illuminata (ampiezza del "
                           "rispettivo vano)."),
            QString()};
}

CoefficientTable functionTable()
{
    return {CoefficientKind::Function,
            QStringLiteral("coeffglobale"),
            QStringLiteral("Coefficienti di funzionalità globale"),
            {},
            QStringLiteral(" Va valutato un coefficiente tra 1,00 e 0,90 nei casi in cui gli "
                           "standards non si siano rispettati o vi siano gradi diversi di "
                           "funzionalità. Ad esempio se si verificano anomalie tra percentuali di "
                           "superficie utile di stanze e percentuale di superficie di disimpegni "
                           "nonché differenze di criteri distributivi."),
            QString()};
}

CoefficientTable volumeTable()
{
    return {CoefficientKind::Volume,
            QStringLiteral("coeffvolume"),
            QStringLiteral("Coefficienti di volume"),
            {},
            QStringLiteral("Va indicato sempre 1,00 salvo il caso eccezionale in cui il divario "
                           "tra le altezze nette delle unità immobiliari sia superiore a cm.5. In "
                           "questo caso va introdotto un coefficiente di volume i cui valori siano "
                           "proporzionali ai rapporti tra le altezze minori e quella massima dei "
                           "vari piani."),
            QString()};
}

// The close button of each window names the coefficient it shows.
CoefficientTable withCloseToolTip(CoefficientTable table, const QString &subject)
{
    table.closeToolTip =
        QStringLiteral("cliccare per chiudere la finestra dei coefficienti di ") + subject;
    return table;
}

QList<CoefficientTable> buildTables()
{
    return {withCloseToolTip(destinationTable(), QStringLiteral("destinazione")),
            withCloseToolTip(floorTable(), QStringLiteral("piano")),
            withCloseToolTip(orientationTable(), QStringLiteral("orientamento")),
            withCloseToolTip(prospectTable(), QStringLiteral("prospetto")),
            withCloseToolTip(lightTable(), QStringLiteral("luminosità")),
            withCloseToolTip(functionTable(), QStringLiteral("funzionalità globale")),
            withCloseToolTip(volumeTable(), QStringLiteral("volume"))};
}

} // namespace

QString coefficientHeading()
{
    return QStringLiteral(
        "Criteri di valutazione dei coefficienti (Circ.Min.LL.PP. n.12480 del 23/3/1966)");
}

const QList<CoefficientTable> &coefficientTables()
{
    static const QList<CoefficientTable> tables = buildTables();
    return tables;
}

const CoefficientTable &coefficientTable(CoefficientKind kind)
{
    return coefficientTables().at(int(kind));
}

} // namespace veltra
