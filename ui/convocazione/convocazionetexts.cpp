#include "ui/convocazione/convocazionetexts.h"

#include "core/assembly/meetingnotice.h"
#include "core/numbers/numbertext.h"

#include <utility>

namespace veltra {

namespace ConvocazioneTexts {

namespace {

// The field each label belongs to, with the field's tool-tip.
struct FieldTip
{
    const char *field;
    const char *label;
};

const FieldTip FieldLabels[] = {
    {"nome", "lb1"},     {"oggett", "Label2"}, {"numer", "Label9"},  {"dat0", "Label1"},
    {"dat1", "Label4"},  {"or1", "Label6"},    {"luog1", "Label10"}, {"dat2", "Label7"},
    {"or2", "Label11"},  {"luog2", "Label12"}, {"discut", "Label13"}, {"notes", "Label8"},
};

} // namespace

const QList<Caption> &labels()
{
    static const QList<Caption> list = {
        {"lb1", "Condominio:", "il nome del condominio su cui si opera"},
        {"Label2", " oggetto.......................:",
         "indicare l'oggetto, scegliere tra le due preimpostazioni"},
        {"Label9", "n.", "indicare l'eventuale numero d'ordine dell'assemblea"},
        {"Label1", " data dell'avviso:",
         "l'avviso deve essere comunicato almeno 5 giorni prima della data fissata per "
         "l'adunanza"},
        {"Label4", " data 1a convocazione:",
         "l'avviso di convocazione deve essere comunicato ai condomini almeno cinque giorni "
         "prima"},
        {"Label6", " ora:", "indicare l'ora della prima convocazione"},
        {"Label10", " luogo:", "indicare il luogo della prima convocazione"},
        {"Label7", " data 2a convocazione:",
         "indicare la data della seconda convocazione (il giorno dopo oppure entro 10 giorni "
         "secondo il codice civile)"},
        {"Label11", " ora:", "indicare l'ora della seconda convocazione"},
        {"Label12", " luogo:", "indicare il luogo della seconda convocazione"},
        {"Label13", " discussione.................:",
         "si possono trattare solo gli argomenti riportati nell'ordine del giorno"},
        {"Label8", " note.................:", "eventuali note aggiuntive nell'avviso"},
    };
    return list;
}

QString fieldTip(const char *name)
{
    if (qstrcmp(name, "giorn") == 0)
        return fieldTip("discut");
    for (const FieldTip &entry : FieldLabels) {
        if (qstrcmp(entry.field, name) != 0)
            continue;
        for (const Caption &caption : labels()) {
            if (qstrcmp(caption.name, entry.label) == 0)
                return QString::fromUtf8(caption.toolTip);
        }
    }
    return QString();
}

QStringList subjectEntries()
{
    return {QStringLiteral("convocazione assemblea di condominio in seduta ordinaria"),
            QStringLiteral("convocazione assemblea di condominio in seduta straordinaria")};
}

QString copiesFrameCaption()
{
    return QStringLiteral("numero di copie");
}

QString copiesOption(int j)
{
    return j == 1 ? QStringLiteral("singola") : QStringLiteral("copia per condomino + ricevuta");
}

QString printButtonCaption()
{
    return QStringLiteral("&Stampa");
}

QString printButtonTip()
{
    return QStringLiteral("cliccare per stampare gli avvisi a tutti i condomini");
}

QString stepHintTip()
{
    return QStringLiteral("indicazioni sulla corretta procedura di gestione della finestra");
}

QString openingHint()
{
    return QStringLiteral("prelevare i dati del condominio dall'archivio");
}

QString stepHint(const MeetingNotice &notice)
{
    const std::pair<const QString &, const char *> rules[] = {
        {notice.subject,
         "scegliere o digitare l'oggetto dell'avviso, oppure prelevare i dati dall'archivio"},
        {notice.number, "digitare il numero d'ordine dell'assemblea"},
        {notice.openingText, "digitare il testo dell'avviso"},
        {notice.firstCallDate, "digitare il giorno della prima convocazione"},
        {notice.firstCallHour, "digitare l'ora della prima convocazione"},
        {notice.firstCallPlace, "digitare il luogo della prima convocazione"},
        {notice.secondCallDate, "digitare il giorno della seconda convocazione (il giorno dopo la "
                                "prima o massimo dopo 10 giorni)"},
        {notice.secondCallHour, "digitare l'ora della seconda convocazione"},
        {notice.secondCallPlace, "digitare il luogo della seconda convocazione"},
        {notice.agendaHeading, "digitare il motivo della convocazione"},
    };
    for (const auto &[text, hint] : rules) {
        if (text.isEmpty())
            return QString::fromUtf8(hint);
    }
    if (notice.agendaPoint(1).isEmpty())
        return QStringLiteral("digitare almeno un punto all'ordine del giorno");
    if (notice.noticeDate.isEmpty())
        return QStringLiteral("digitare la data dell'avviso (la comunicazione deve avvenire almeno "
                              "5 giorni prima della convocazione)");
    if (notice.notes.isEmpty())
        return QStringLiteral("digitare eventuali note (firmare per ricevuta, raccomandata a mano, "
                              "ecc.)");
    return QStringLiteral("correggere, archiviare i dati o procedere con la stampa degli avvisi "
                          "ai condomini");
}

QString lengthMessage()
{
    return QStringLiteral("Per una stampa corretta non digitare dati lunghi più di ")
        + NumberText::str(PrintLengthLimit) + QStringLiteral(" spazi.");
}

QString noCondominiumMessage()
{
    return QStringLiteral("Richiamare dall'archivio i dati del condominio.");
}

QString instructions()
{
    return QStringLiteral(
               "- Aprire un file archiviato con i dati dei condomini (Veltra-dati-...);\n"
               "- digitare o correggere i dati spostandosi con il tasto TAB, o con il mouse, nei "
               "campi;\n"
               "- la data dell'avviso viene impostata in automatico, ma è modificabile;\n"
               "- aprire un file archiviato per prelevare, eventualmente, i dati registrati "
               "(Veltra-avvisi-...);\n"
               "- non digitare dati più lunghi di ")
        + NumberText::str(PrintLengthLimit)
        + QStringLiteral(" spazi per la stampa;\n"
                         "- seguire le indicazioni in linea nella casella gialla in basso;\n"
                         "- effettuare il controllo dei dati immessi cliccando sul tasto ABC.");
}

QString unreadableFileMessage(const QString &path)
{
    return QStringLiteral("Il file %1 non è un avviso di convocazione leggibile: i dati della "
                          "finestra sono rimasti invariati.")
        .arg(path);
}

QString unopenableFileMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("Il file %1 non si può aprire (%2): i dati della finestra sono "
                          "rimasti invariati.")
        .arg(path, reason);
}

QString unwritableFieldMessage(const QString &field, const QString &reason)
{
    return QStringLiteral("L'avviso non è stato salvato: %1 %2; correggere il dato e salvare di "
                          "nuovo.")
        .arg(field, reason);
}

QString openDialogFilter()
{
    return QStringLiteral("Tutti i file (*.*) | *.*|File Veltra-avvisi- | Veltra-avvisi-*");
}

QString saveDialogFilter()
{
    return QStringLiteral("File Veltra-avvisi- | Veltra-avvisi-*");
}

} // namespace ConvocazioneTexts

} // namespace veltra
