#include "ui/pagamenti/pagamentiwindowtexts.h"

#include "core/expenses/expensefilename.h"
#include "core/numbers/numbertext.h"

#include <array>

namespace veltra::PagamentiTexts {

const QList<Caption> &headings()
{
    static const QList<Caption> list = {
        {"lb1", "Condominio:", "il nome del condominio su cui si opera"},
        {"Label2", "tot.condomini", "il numero totale dei condomini"},
        {"Label10", "Tipo di gestione:", "scegliere il tipo di gestione su cui si vuole operare"},
        {"Label5", "somma da ripartire (euro):", "la somma da ripartire tra i condomini"},
        {"Label7", "tipo di spesa:", "il tipo di spesa da ripartire"},
        {"Label1", "data della spesa:", "la data di riferimento della spesa da ripartire"},
        {"Label4", "progressivo (euro)", "il totale progressivo delle spese del condominio"},
        {"Label11", "numero totale spese archiviate",
         "il totale progressivo delle spese del condominio"},
        {"Label56", "n. ord.", "numero d'ordine del condomino"},
        {"Label57", "nome condomino", "nome di ogni singolo condomino"},
        {"Label15", "indirizzo", "indirizzo di ogni singolo condomino"},
        {"Label8", "spese da pagare", "spesa da pagare con riferimento alla somma da ripartire"},
        {"Label3", "data del pagamento", "data del pagamento della spesa"},
        {"Label6", "data del sollecito", "data dell'eventuale sollecito di pagamento della spesa"},
        {"Label9", "totale spese condomino", "totale progressivo delle spese di ogni condomino"},
    };
    return list;
}

const Caption &managementOption(int j)
{
    static const std::array<Caption, 2> options = {{
        {"Option1_1", "preventivi", "scegliere il tipo di gestione su cui si vuole operare"},
        {"Option1_2", "spese", "scegliere il tipo di gestione su cui si vuole operare"},
    }};
    return options.at(j - 1);
}

QString fieldTip(const char *name)
{
    static const QList<Caption> tips = {
        {"nome", "", "il nome del condominio su cui si opera"},
        {"tot", "", "il numero totale dei condomini"},
        {"ns", "", "numero progressivo della spesa"},
        {"ann", "", "anno di riferimento"},
        {"spesatotale", "", "la somma da ripartire tra i condomini"},
        {"tipospesa", "", "il tipo di spesa da ripartire"},
        {"dataspesa", "", "la data di riferimento della spesa da ripartire"},
        {"totanno", "", "il totale progressivo delle spese del condominio"},
        {"totspe", "", "il totale progressivo delle spese del condominio"},
    };
    for (const Caption &tip : tips) {
        if (qstrcmp(tip.name, name) == 0)
            return QString::fromUtf8(tip.toolTip);
    }
    return QString();
}

QString reminderButtonTip()
{
    return QStringLiteral("cliccare per stampare il sollecito di pagamento al singolo condomino "
                          "(data del sollecito in automatico)");
}

QString receiptButtonTip()
{
    return QStringLiteral("cliccare per stampare la ricevuta di pagamento al singolo condomino "
                          "(data del pagamento in automatico)");
}

QString stepHintTip()
{
    return QStringLiteral("indicazioni sulla corretta procedura di gestione dei dati");
}

const Caption &spesePush()
{
    static const Caption caption{"cmdspese", "&Spese",
                                 "cliccare per visualizzare la finestra Spese"};
    return caption;
}

// A date that gives no year leaves the label without one.
QString yearLabel(const QString &itemOneDate)
{
    const std::optional<int> year = ExpenseFileName::yearOf(itemOneDate);
    return QStringLiteral("Anno ") + (year ? NumberText::str(*year) : QString());
}

QString instructions()
{
    return QStringLiteral(
        "- Scegliere il tipo di gestione dei dati (preventivi o spese);\n"
        "- aprire un file archiviato per prelevare i dati;\n"
        "- digitare le eventuali date di pagamento o di sollecito;\n"
        "- visualizzare ulteriori dati con le barre di scorrimento verticali;\n"
        "- seguire le indicazioni in linea nella casella gialla in basso;\n"
        "- effettuare il controllo dei dati immessi cliccando sul tasto ABC.");
}

QStringList printEntries()
{
    return {QStringLiteral("&Dati finestra"),
            QStringLiteral("&Tutti i dati archiviati (dalla spesa corrente)"),
            QStringLiteral("&Sollecito di pagamento (ai condomini morosi)"),
            QStringLiteral("&Ricevuta di pagamento (ai condomini con data di pagamento non "
                           "registrata)"),
            QStringLiteral("Scheda dei &pagamenti di ogni condomino"),
            QStringLiteral("&Bilancio annuale")};
}

} // namespace veltra::PagamentiTexts
