#include "ui/spese/spesewindowtexts.h"

#include "core/numbers/numbertext.h"

#include <array>

namespace veltra {

namespace SpeseTexts {

const QList<Caption> &headings()
{
    static const QList<Caption> list = {
        {"lbnome", "Condominio:", "il nome del condominio su cui si opera"},
        {"lbtot", "tot.condomini", "il numero totale dei condomini"},
        {"lbspesatotale", "somma da ripartire (euro):", "la somma da ripartire tra i condomini"},
        {"lbtipospesa", "tipo di spesa:", "il tipo di spesa da ripartire"},
        {"lbdataspesa", "data:", "digitare una data nel formato gg/mm/aaaa"},
        {"lbtotspe", "tot.spese", ""},
        {"lbOption1", "Tipologia di calcolo:", "il tipo di calcolo di ripartizione delle spese"},
        {"lbrum", "n. ord.", "numero d'ordine del condomino"},
        {"lbnomcond", "nome condomino", "nome di ogni singolo condomino"},
        {"lbindir", "indirizzo", "indirizzo di ogni singolo condomino"},
        {"lbperc", "perc. %", "percentuale fissa delle spese da pagare"},
        {"lbmill", "millesimi di propr.",
         "millesimi di proprietà o interessati al pagamento delle spese"},
        {"lbpian", "millesimi di piano",
         "millesimi d'uso o di piano (in base all'altezza del piano)"},
        {"lbrisc", "risc. quant.",
         "riscaldamento in base a quantità stabilite nel regolamento di condominio"},
        {"lbunterz", "rip. 1/3",
         "cliccare per la ripartizione delle spese di un terzo (lastrici ad uso esclusivo)"},
        {"lbdueterz", "perc. 2/3",
         "percentuale dei millesimi per la ripartizione delle spese per due terzi (unità "
         "coperte dal lastrico solare)"},
        {"lbspe", "ripartizione spese", "ripartizione delle spese"},
        {"lbstima", "stima", "cliccare se la lettura è una stima (contatore non letto)"},
        {"lblett", "lettura",
         "lettura del periodo in unità di consumo (somma dei contatori o ripartitori dell'unità)"},
        {"lbfabb", "millesimi fabbisogno",
         "millesimi di fabbisogno della tabella del tecnico (UNI 10200)"},
        {"lbconsumo", "consumi %",
         "percentuale della spesa ripartita in base alle letture (almeno il 50%)"},
    };
    return list;
}

const Caption &managementOption(int j)
{
    static const std::array<Caption, 2> options = {{
        {"Option2_1", "preventivi", "gestione dei dati con riferimento al bilancio preventivo"},
        {"Option2_2", "spese", "gestione delle spese effettuate"},
    }};
    return options.at(j - 1);
}

const Caption &criterionOption(int j)
{
    // Options 5 and 6 have no caption: the article buttons beside them name them.
    static const std::array<Caption, 7> options = {{
        {"Option1_1", "per millesimi",
         "ripartizione delle spese in base ai soli millesimi di proprietà"},
        {"Option1_2", "per convenzione",
         "ripartizione delle spese in base ad una convenzione tra tutti i condomini "
         "(percentuale fissa e millesimi)"},
        {"Option1_3", "riscaldamento per cubatura",
         "ripartizione delle spese di riscaldamento in base al volume riscaldato"},
        {"Option1_4", "riscaldamento per superficie radiante",
         "ripartizione delle spese di riscaldamento in base alla superficie dei corpi radianti"},
        {"Option1_5", "", "ripartizione delle spese in base all'art.1124 del Codice Civile"},
        {"Option1_6", "", "ripartizione delle spese in base all'art.1126 del Codice Civile"},
        {"Option1_7", "riscaldamento a contabilizzazione",
         "ripartizione delle spese di riscaldamento in base alle letture dei contatori di calore "
         "o dei ripartitori, il resto in base alla quota fissa scelta"},
    }};
    return options.at(j - 1);
}

const Caption &button(const char *name)
{
    static const QList<Caption> buttons = {
        {"esport", "\u2192",
         "esportazione dei dati della spesa prevista verso quella effettuata"},
        {"ns", "1", "cliccare per copiare la spesa corrente ed aggiungerla alla fine"},
        {"art1124", "art.1124 Codice Civile (&scale)",
         "cliccare per visualizzare l'art.1124 del Codice Civile"},
        {"art1126", "art.1126 Codice Civile (&lastrici solari)",
         "cliccare per visualizzare l'art.1126 del Codice Civile"},
        {"tutti", "&tutti", "cliccare per spuntare o eliminare la spunta a tutti i condomini"},
        {"cmddati", "&Dati", "cliccare per visualizzare la finestra Dati"},
        {"importa", "&letture...",
         "importare le letture dal file CSV della ditta di contabilizzazione "
         "(condomino;lettura;stimata)"},
    };
    for (const Caption &caption : buttons) {
        if (qstrcmp(caption.name, name) == 0)
            return caption;
    }
    return buttons.first();
}

QString participationTip(int r)
{
    return QStringLiteral("cliccare per selezionare o deselezionare il condomino n. ")
        + QString::number(r);
}

QString twoThirdsBoxTip()
{
    return QStringLiteral("percentuale dei millesimi coperti dal lastrico solare");
}

QString stepHintTip()
{
    return QStringLiteral("indicazioni sulla corretta procedura di immissione dei dati");
}

QString heatingHeading(int calcType)
{
    if (calcType == 3)
        return QStringLiteral("risc. mc.");
    if (calcType == 4)
        return QStringLiteral("risc. mq.");
    return QStringLiteral("risc. quant.");
}

QString heatingHeadingTip(int calcType)
{
    if (calcType == 3)
        return QStringLiteral("cubatura delle unità riscaldate");
    if (calcType == 4)
        return QStringLiteral("superficie radiante degli apparecchi caloriferi");
    return QStringLiteral(
        "riscaldamento in base a quantità stabilite nel regolamento di condominio");
}

QString stepHint(int rule)
{
    static const std::array<const char *, 16> hints = {
        "scegliere il tipo di gestione (preventivi o spese)",
        "aprire un file con i dati archiviati o andare alla finestra Dati (creare un condominio)",
        "prelevare i dati dall'archivio o digitare la somma da ripartire",
        "digitare il tipo di spesa",
        "digitare la data della spesa",
        "cliccare sul tipo di gestione (preventivi o spese)",
        "spuntare almeno un condomino per la ripartizione delle spese",
        "scegliere la tipologia di calcolo",
        "digitare le percentuali fisse per la ripartizione delle spese",
        "digitare i millesimi di piano",
        "cliccare nelle rispettive caselle per i condomini che partecipano alla ripartizione "
        "per un terzo della spesa",
        "digitare le percentuali di millesimi dei condomini che partecipano alla ripartizione "
        "per due terzi della spesa",
        "digitare le quantità delle cubature per la ripartizione delle spese di riscaldamento",
        "digitare le quantità delle superfici radianti per la ripartizione delle spese di "
        "riscaldamento",
        "correggere, archiviare quanto immesso, digitare ulteriori dati, andare oltre (stampa, "
        "altro tipo di calcolo)",
        "digitare le letture dei contatori di calore o importarle dal file della ditta di "
        "contabilizzazione",
    };
    return QString::fromUtf8(hints.at(rule - 1));
}

const QStringList &meterBases()
{
    static const QStringList bases = {QString::fromUtf8("proprietà"),
                                      QStringLiteral("riscaldamento"),
                                      QStringLiteral("fabbisogno")};
    return bases;
}

QString meterBasisTip()
{
    return QString::fromUtf8("base della quota fissa: millesimi di proprietà, cubatura o "
                             "superficie radiante della finestra Dati, o millesimi di fabbisogno");
}

QString readingsDialogTitle()
{
    return QStringLiteral("Importa le letture dei contatori di calore");
}

QString readingsFilter()
{
    return QStringLiteral("File CSV (*.csv) | *.csv|Tutti i file (*.*) | *.*");
}

QString readingsRefused(const QString &fileName, const QString &problem)
{
    return QString::fromUtf8("Le letture del file \"%1\" non sono state importate:\n- %2.")
        .arg(fileName, problem);
}

QString registryChangedQuestion(int k, int i, const QString &ownerName)
{
    return QString::fromUtf8("I millesimi della tabella dei condomini non sono più quelli con cui "
                             "è stata ripartita la spesa n.%1 (il primo a cambiare è il "
                             "condomino n.%2, %3).\nRiprendere dalla tabella i millesimi di "
                             "proprietà, i millesimi di piano e le quantità per il riscaldamento "
                             "e ripartire di nuovo la spesa?\nCon No la spesa resta ripartita "
                             "come prima.")
        .arg(NumberText::str(k), NumberText::str(i), ownerName);
}

QString instructions()
{
    return QStringLiteral(
        "- Scegliere la gestione dei preventivi o delle spese cliccando nelle apposite caselle;\n"
        "- aprire un file archiviato per prelevare i dati;\n"
        "- immettere ulteriori dati o modificare quelli esistenti nelle caselle bianche;\n"
        "- scegliere la tipologia di calcolo delle spese; per il riscaldamento a "
        "contabilizzazione digitare o importare le letture e scegliere la quota dei consumi e la "
        "base della quota fissa;\n"
        "- esportare i dati da un preventivo alle spese cliccando sulla freccia nera;\n"
        "- visualizzare tutti i dati con le barre di scorrimento verticale;\n"
        "- seguire le indicazioni in linea nella casella gialla in basso;\n"
        "- effettuare il controllo dei dati immessi cliccando sul tasto ABC.");
}

QString articlesTitle()
{
    return QStringLiteral("Veltra: Codice Civile");
}

QStringList printEntries()
{
    return {QStringLiteral("&Dati finestra"),
            QStringLiteral("&Tutti i dati archiviati (dalla spesa corrente)"),
            QStringLiteral("&Avviso di pagamento"),
            QStringLiteral("&Riepilogo dei consumi di riscaldamento")};
}

} // namespace SpeseTexts

} // namespace veltra
