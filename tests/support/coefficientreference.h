#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace veltra {

// The seven reference windows of recommended coefficients as the administrator reads them,
// written out once for the tests of the table and of its window.
namespace CoefficientReference {

struct Column
{
    QString heading;
    QStringList rows;
};

struct Window
{
    QString objectName;
    QString title;
    QList<Column> columns;
    QString note;
};

inline QList<Window> windows()
{
    return {
        {QString::fromUtf16(u"coeffdestinazione"),
         QString::fromUtf16(u"Coefficienti di destinazione"),
         {
             {QString(),
              {
                  QString::fromUtf16(u"  1) negozi (secondo mercato)......................1,30"),
                  QString::fromUtf16(u"  2) camere...................................................1,00"),
                  QString::fromUtf16(u"  3) servizi (cucina, bagno, ripostigli).............0,90"),
                  QString::fromUtf16(u"  4) corridoi, disimpegni.................................0,80"),
                  QString::fromUtf16(u"  5) logge chiuse da tre pareti...................0,50-0,35"),
                  QString::fromUtf16(u"  6) cantine e soffitte.................................0,45-0,30"),
                  QString::fromUtf16(u"  7) balconi coperti........................................0,30"),
                  QString::fromUtf16(u"  8) balconi scoperti......................................0,25"),
                  QString::fromUtf16(u"  9) terrazzi a livello.......................................0,22"),
                  QString::fromUtf16(u"10) giardini e aree di rispetto...................0,15-0,10"),
              }},
         },
         QString::fromUtf16(u" NOTA: per la presenza di servitù sull'ambiente si potrà ridurre il "
             u"coefficiente secondo la gravità di essa, così come per terrazzi e giardini "
             u"molto estesi rispetto alla superficie dell'alloggio e rispetto all'effettivo "
             u"grado di utilizzazione e di godimento.")},
        {QString::fromUtf16(u"coeffpiano"),
         QString::fromUtf16(u"Coefficienti di piano"),
         {
             {QString::fromUtf16(u"Fabbricati con ascensore"),
              {
                  QString::fromUtf16(u"1) piano scantinato...........................................0,75"),
                  QString::fromUtf16(u"2) piano terreno................................................0,85"),
                  QString::fromUtf16(u"3) piano rialzato................................................0,90"),
                  QString::fromUtf16(u"4) primo piano...................................................0,95"),
                  QString::fromUtf16(u"5) piani successivi............................................1,00"),
              }},
             {QString::fromUtf16(u"Fabbricati senza ascensore"),
              {
                  QString::fromUtf16(u"1) piano scantinato...........................................0,75"),
                  QString::fromUtf16(u"2) piano terreno................................................0,85"),
                  QString::fromUtf16(u"3) piano rialzato................................................0,90"),
                  QString::fromUtf16(u"4) primo piano...................................................1,00"),
                  QString::fromUtf16(u"5) piani successivi..............decrescente fino a 0,90"),
                  QString::fromUtf16(u"6) ultimo piano..................................................0,90"),
              }},
         },
         QString::fromUtf16(u"NOTA: per gli ambienti sotto terrazzo si opera una detrazione di 0,03 e per gli "
             u"ambienti sotto tetto e per particolari servitù (lavatoi, cabine) si detrae "
             u"0,02. I coefficienti valgono per edifici di un numero di piani non elevato, in "
             u"caso contrario si deve considerare il mercato della zona.")},
        {QString::fromUtf16(u"coefforientamento"),
         QString::fromUtf16(u"Coefficienti di orientamento"),
         {
             {QString(),
              {
                  QString::fromUtf16(u"1) quadrante "
                  u"sud-est/sud-ovest................................................1,00-0,97"),
                  QString::fromUtf16(u"2) quadrante nord-est/sud-est o nord-ovest/sud-ovest.............0,97-0,90"),
                  QString::fromUtf16(u"3) quadrante "
                  u"nord-ovest/nord-est.............................................0,90-0,80"),
                  QString::fromUtf16(u"4) ambienti senza "
                  u"finestre...............................................................0,75"),
              }},
         },
         QString::fromUtf16(u"NOTE: con questo coefficiente si considerano tutti i vantaggi e gli svantaggi "
             u"derivanti all'ambiente dalla posizione rispetto ai punti cardinali. "
             u"Indipendentemente dalle altre caratteristiche del locale vanno valutati: "
             u"quantità di sole, di luce, di calore, di eventuali correnti d'aria e venti.")},
        {QString::fromUtf16(u"coeffprospetto"),
         QString::fromUtf16(u"Coefficienti di prospetto"),
         {
             {QString(),
              {
                  QString::fromUtf16(u"1) su giardini, panorami, strade.................1,00-0,95"),
                  QString::fromUtf16(u"2) su zone di rispetto................................0,90-0,85"),
                  QString::fromUtf16(u"3) su cortili......................................................0,85"),
                  QString::fromUtf16(u"4) su chiostrine...............................................0,80"),
                  QString::fromUtf16(u"5) locali senza finestre, cantinati.....................0,75"),
              }},
         },
         QString::fromUtf16(u"NOTE: vanno considerati i benefici che derivano all'ambiente dall'apertura su "
             u"una facciata piuttosto che su di un'altra dell'edificio e quindi dalla visuale "
             u"più o meno libera e panoramica. I vantaggi connessi con l'altezza dalla quota "
             u"stradale vanno considerati nel coefficiente di piano. I maggiori o minori "
             u"benefici devono riferirsi ad un assetto edilizio stabile già realizzato o da "
             u"realizzare sulla base di precisi vincoli urbanistici.")},
        {QString::fromUtf16(u"coeffluminosità"),
         QString::fromUtf16(u"Coefficienti di luminosità"),
         {
             {QString(),
              {
                  QString::fromUtf16(u"1) per k=1/6 o maggiore..................................1,000"),
                  QString::fromUtf16(u"2) per k=1/7....................................................0,965"),
                  QString::fromUtf16(u"3) per k=1/8....................................................0,940"),
                  QString::fromUtf16(u"4) per k=1/9....................................................0,920"),
                  QString::fromUtf16(u"5) per k=1/10..................................................0,900"),
                  QString::fromUtf16(u"6) per spazi aperti (balconi, ecc.).....................1,000"),
              }},
         },
         QString::fromUtf16(u"NOTE: per k bisogna intendere il rapporto tra superficie illuminante (apertura "
             u"delle finestre) e superficie illuminata (ampiezza del rispettivo vano).")},
        {QString::fromUtf16(u"coeffglobale"),
         QString::fromUtf16(u"Coefficienti di funzionalità globale"),
         {
         },
         QString::fromUtf16(u" Va valutato un coefficiente tra 1,00 e 0,90 nei casi in cui gli standards non "
             u"si siano rispettati o vi siano gradi diversi di funzionalità. Ad esempio se si "
             u"verificano anomalie tra percentuali di superficie utile di stanze e percentuale "
             u"di superficie di disimpegni nonché differenze di criteri distributivi.")},
        {QString::fromUtf16(u"coeffvolume"),
         QString::fromUtf16(u"Coefficienti di volume"),
         {
         },
         QString::fromUtf16(u"Va indicato sempre 1,00 salvo il caso eccezionale in cui il divario tra le "
             u"altezze nette delle unità immobiliari sia superiore a cm.5. In questo caso va "
             u"introdotto un coefficiente di volume i cui valori siano proporzionali ai "
             u"rapporti tra le altezze minori e quella massima dei vari piani.")},
    };
}

} // namespace CoefficientReference

} // namespace veltra
