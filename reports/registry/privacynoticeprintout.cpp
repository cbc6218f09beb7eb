#include "reports/registry/privacynoticeprintout.h"

#include "core/state/sharedstate.h"
#include "reports/document/reportdocument.h"
#include "reports/registry/administratorletterhead.h"

namespace veltra {

namespace PrivacyNoticePrintout {

namespace {

const QString CR = QStringLiteral("\r");

// Each heading with its paragraph. The legal points were checked against the texts of
// arts. 6, 13 and 77 of Regulation (EU) 2016/679 and arts. 1129, 1130 and 1130-bis c.c.
struct Section
{
    const char *heading;
    const char *text;
};

const Section Sections[] = {
    {"Dati trattati",
     "Le generalità, il codice fiscale, la residenza o il domicilio e i recapiti dei "
     "proprietari e di chi ha sulle unità un diritto reale o personale di godimento "
     "(usufrutto, uso, abitazione, locazione, comodato); i dati catastali delle unità; le "
     "quote delle spese, i pagamenti e gli eventuali solleciti."},
    {"Finalità e basi giuridiche",
     "a) La tenuta dell'anagrafe condominiale, dei registri e del rendiconto e gli altri "
     "compiti che gli articoli 1129, 1130 e 1130-bis del codice civile affidano "
     "all'amministratore: il trattamento è necessario per adempiere un obbligo di legge "
     "(art. 6, par. 1, lett. c, del Regolamento).\r"
     "b) La gestione del condominio: la convocazione delle assemblee e l'invio dei verbali, "
     "la ripartizione e la riscossione delle spese, i rapporti con i fornitori: il "
     "trattamento è necessario per eseguire il rapporto di cui l'interessato è parte "
     "(art. 6, par. 1, lett. b, del Regolamento)."},
    {"Conferimento dei dati",
     "I dati dell'anagrafe sono dovuti per legge e ogni loro variazione va comunicata per "
     "iscritto entro sessanta giorni. Se mancano, l'amministratore li chiede con lettera "
     "raccomandata; trascorsi trenta giorni senza una risposta completa, se li procura e ne "
     "addebita il costo a chi non li ha forniti (art. 1130, n. 6, c.c.)."},
    {"Destinatari",
     "L'amministratore e i suoi collaboratori; nella misura necessaria, i fornitori, i "
     "tecnici, i legali e le banche che lavorano per il condominio; le autorità, quando la "
     "legge lo richiede. Gli aventi diritto possono prendere visione dei registri "
     "condominiali (art. 1129 c.c.) e i creditori del condominio possono ottenere i dati dei "
     "condomini morosi (art. 63 disp. att. c.c.). I dati non sono diffusi."},
    {"Conservazione",
     "Per tutto il tempo in cui l'interessato fa parte del condominio e, dopo, per quanto la "
     "legge lo richiede: le scritture contabili e i documenti giustificativi sono conservati "
     "per dieci anni dalla loro registrazione (art. 1130-bis c.c.)."},
    {"Diritti dell'interessato",
     "Ciascun interessato può chiedere l'accesso ai propri dati, la loro rettifica o "
     "cancellazione, la limitazione del trattamento e la portabilità dei dati, e può opporsi "
     "al trattamento, nei casi e nei limiti degli articoli da 15 a 22 del Regolamento. La "
     "richiesta va rivolta all'amministratore, ai recapiti indicati sopra."},
    {"Reclamo",
     "Chi ritiene che il trattamento dei suoi dati violi il Regolamento può proporre reclamo "
     "al Garante per la protezione dei dati personali (art. 77 del Regolamento; "
     "www.garanteprivacy.it)."},
};

QString controllerText(const SharedState &state)
{
    const AdministratorDetails &a = state.administrator;
    // "Condominio Le Magnolie" names itself; a bare "Le Magnolie" needs the word.
    const QString condominium = state.condoName.startsWith(QStringLiteral("condominio"), Qt::CaseInsensitive)
        ? state.condoName
        : QStringLiteral("condominio ") + state.condoName;
    QString text = QString::fromUtf8("Il titolare del trattamento è il %1, rappresentato "
                                     "dall'amministratore")
                       .arg(condominium);
    if (!a.name.trimmed().isEmpty())
        text += QLatin1Char(' ') + a.name.trimmed();
    QStringList contacts;
    for (const QString &contact : {a.address, a.email, a.pec, a.phone}) {
        if (!contact.trimmed().isEmpty())
            contacts << contact.trimmed();
    }
    if (!contacts.isEmpty())
        text += QStringLiteral(" (") + contacts.join(QStringLiteral(", ")) + QLatin1Char(')');
    return text + QLatin1Char('.');
}

} // namespace

ReportDocument build(const SharedState &state)
{
    ReportDocument document(PrintoutFont);
    AdministratorLetterhead::append(document, state.administrator);
    document.appendParagraph(QStringLiteral("Informativa sul trattamento dei dati personali dei "
                                            "condomini")
                                 + CR,
                             14, true);
    document.appendParagraph(QStringLiteral("(art. 13 del Regolamento (UE) 2016/679)") + CR + CR, 10);
    document.appendParagraph(QStringLiteral("Titolare del trattamento") + CR, 10, true);
    document.appendParagraph(controllerText(state) + CR + CR, 10);
    for (const Section &section : Sections) {
        document.appendParagraph(QString::fromUtf8(section.heading) + CR, 10, true);
        document.appendParagraph(QString::fromUtf8(section.text) + CR + CR, 10);
    }
    document.appendParagraph(AdministratorLetterhead::signature(QStringLiteral("L'amministratore"),
                                                                CR, state.administrator)
                                 + CR,
                             10);
    document.justifyAll();
    return document;
}

} // namespace PrivacyNoticePrintout

} // namespace veltra
