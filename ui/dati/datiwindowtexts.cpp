#include "ui/dati/datiwindowtexts.h"

namespace veltra {

namespace DatiTexts {

const QList<Caption> &headings()
{
    static const QList<Caption> list = {
        {"lb1", "Condominio:", "il nome del condominio su cui si opera"},
        {"Label2", "tot.condomini", "il numero totale dei condomini"},
        {"Label16", "Ripartizione delle spese di riscaldamento:",
         "non scegliere la relativa opzione se non necessaria"},
        {"Label56", "n.", "numero d'ordine del condomino"},
        {"Label57", "nome condomino", "il nome del singolo condomino"},
        {"Label15", "indirizzo", "l'indirizzo completo del condomino"},
        {"Label17", "piano", "il numero del piano dell'unità immobiliare"},
        {"Label3", "n. ord.", "numero d'ordine del locale"},
        {"Label5", "                      nome del locale",
         "nome del locale di proprietà del singolo condomino"},
        {"Label6", "superf. netta", "superficie netta del singolo locale"},
        {"Label10", "coefficienti di...",
         "coefficienti in base alla normativa (circ.min.ll.pp. n.12480 del 26/3/1966)"},
        {"Label11", "superf. virtuale",
         "superficie virtuale ottenuta moltiplicando la superficie reale per i coefficienti"},
        {"Label7", "millesimi parziali", "millesimi di ogni locale"},
        {"Label13", "riscald.",
         "cubatura o superficie radiante per ripartire le spese di riscaldamento"},
        {"Label14", "mc-mq", ""},
    };
    return list;
}

const QList<Caption> &coefficientButtons()
{
    static const QList<Caption> list = {
        {"Command1", "dest.", "cliccare per visualizzare i coefficienti di destinazione"},
        {"Command2", "piano", "cliccare per visualizzare i coefficienti di piano"},
        {"Command3", "orient", "cliccare per visualizzare i coefficienti di orientamento"},
        {"Command4", "prosp", "cliccare per visualizzare i coefficienti di prospetto"},
        {"Command5", "lumin.", "cliccare per visualizzare i coefficienti di luminosità"},
        {"Command6", "funz.", "cliccare per visualizzare i coefficienti di funzionalità globale"},
        {"Command7", "vol.", "cliccare per visualizzare i coefficienti di volume"},
    };
    return list;
}

QString standingHint()
{
    return QStringLiteral("Qualora i millesimi siano già disponibili inserirli considerando un "
                          "unico locale, digitare i millesimi nella superf.netta ed 1 come dato "
                          "di ogni coefficiente.");
}

QString initialFrameCaption()
{
    return QStringLiteral("Dati del condomino della prima riga");
}

QString heatingOptionCaption(int k)
{
    return k == 1 ? QStringLiteral("per cubatura") : QStringLiteral("per superficie radiante");
}

QString ownerNumberTip()
{
    return QStringLiteral("cliccare per copiare i dati del condomino precedente");
}

QString unitNumberTip()
{
    return QStringLiteral("cliccare per copiare tutti i dati del locale precedente");
}

QString deleteOwnerTip()
{
    return QStringLiteral("cancella il condomino con tutti i dati relativi");
}

QString printOwnerTip()
{
    return QStringLiteral("stampa la tabella dettagliata dei dati del singolo condomino");
}

QString deleteUnitTip()
{
    return QStringLiteral("cancella tutti i dati relativi al locale");
}

QString stepHintTip()
{
    return QStringLiteral("indicazioni sulla corretta procedura di immissione dei dati");
}

QString spesePushTip()
{
    return QStringLiteral("cliccare per visualizzare la finestra Spese");
}

QString heatingHeading(int heatingOption)
{
    switch (heatingOption) {
    case 1:
        return QStringLiteral("cubatura");
    case 2:
        return QStringLiteral("sup. radiante");
    default:
        return QStringLiteral("riscald.");
    }
}

QString heatingUnit(int heatingOption)
{
    switch (heatingOption) {
    case 1:
        return QStringLiteral("mc");
    case 2:
        return QStringLiteral("mq");
    default:
        return QStringLiteral("mc-mq");
    }
}

QString floorOrderWarning()
{
    return QStringLiteral("Inserisci prima i piani più bassi.");
}

QString instructions()
{
    return QStringLiteral(
        "- Aprire un file archiviato per prelevare eventuali dati immessi;\n"
        "- cliccare sul singolo numero d'ordine per copiare i dati del rigo precedente;\n"
        "- digitare il segno + per copiare il singolo dato del rigo precedente;\n"
        "- visualizzare i dati successivi con le barre di scorrimento verticale;\n"
        "- seguire le indicazioni in linea nella casella gialla in basso;\n"
        "- effettuare il controllo dei dati immessi cliccando sul tasto ABC.");
}

QString copyOverOwnerQuestion(int o)
{
    return QStringLiteral("Il condomino n.%1 contiene già dei dati: sostituirli con quelli del "
                          "condomino n.%2?")
        .arg(o)
        .arg(o - 1);
}

QString copyOverUnitQuestion(int u)
{
    return QStringLiteral("Il locale n.%1 contiene già dei dati: sostituirli con quelli del "
                          "locale n.%2?")
        .arg(u)
        .arg(u - 1);
}

QString deletedDataQuestion()
{
    return QStringLiteral("Attenzione:\nsono stati cancellati dei dati, riprenderli "
                          "dall'archivio se si deve operare nella finestra Spese.");
}

QString partialArchiveQuestion(const QString &path, const QString &problem)
{
    return QStringLiteral("Il file %1 non è un archivio di condominio leggibile (%2).\n"
                          "Caricare i dati letti fino a quel punto (Sì) o mantenere i dati "
                          "attuali (No)?")
        .arg(path, problem);
}

QString unwritableFieldMessage(const QString &field, const QString &reason)
{
    return QStringLiteral("Il file non è stato salvato: %1 %2; correggere il dato e salvare "
                          "di nuovo.")
        .arg(field, reason);
}

QString openDialogFilter()
{
    return QStringLiteral("Tutti i file (*.*) | *.*|File Veltra-dati- | Veltra-dati-*");
}

QString saveDialogTitle()
{
    return QStringLiteral("Salva file");
}

QString saveDialogFilter()
{
    return QStringLiteral("File Veltra-dati- | Veltra-dati-*");
}

QStringList printEntries()
{
    return {QStringLiteral("&modello acquisizione dati"), QStringLiteral("&dati condomini"),
            QStringLiteral("solo tabella &millesimi"), QStringLiteral("stampa completa")};
}

} // namespace DatiTexts

} // namespace veltra
