#include "library/tenancy/tenantsplittable.h"

#include <QtGlobal>

namespace veltra {

namespace {

struct Expense
{
    const char *spesa;
    int tenantPercent;
};

struct Category
{
    const char *tipologia;
    QList<Expense> expenses;
};

// The porter's salary, lodging and the ordinary upkeep of the lodge fall 90 % to the tenant
// unless a lower share is agreed; services and ordinary upkeep wholly, installation and
// extraordinary work not at all.
const QList<Category> &categories()
{
    static const QList<Category> list = {
        {"Amministrazione",
         {{"Tassa occupazione suolo pubblico per passo carrabile", 100},
          {"Tassa occupazione suolo pubblico per lavori condominiali", 0}}},
        {"Ascensore",
         {{"Manutenzione ordinaria e piccole riparazioni", 100},
          {"Installazione e manutenzione straordinaria degli impianti", 0},
          {"Adeguamento alle nuove disposizioni di legge", 0},
          {"Consumi energia elettrica per forza motrice e illuminazione", 100},
          {"Tasse annuali per rinnovo licenza d'esercizio", 0},
          {"Ispezioni e collaudi", 100}}},
        {"Autoclave",
         {{"Installazione e sostituzione integrale dell'impianto o di componenti primari "
           "(pompa, serbatoio, elemento rotante, ecc.)", 0},
          {"Manutenzione ordinaria", 100},
          {"Imposte e tasse di impianto", 0},
          {"Forza motrice", 100},
          {"Ricarico pressione del serbatoio", 100},
          {"Ispezioni, collaudi e lettura contatori", 100}}},
        {"Impianti elettrici",
         {{"Installazione e sostituzione dell'impianto comune di illuminazione", 0},
          {"Manutenzione ordinaria dell'impianto comune di illuminazione", 100},
          {"Installazione e sostituzione degli impianti di suoneria e allarme", 0},
          {"Manutenzione ordinaria degli impianti di suoneria e allarme", 100},
          {"Installazione e sostituzione dei citofoni e videocitofoni", 0},
          {"Manutenzione ordinaria dei citofoni e videocitofoni", 100},
          {"Installazione e sostituzione di impianti speciali di allarme, sicurezza e simili", 0},
          {"Manutenzione ordinaria di impianti speciali di allarme, sicurezza e simili", 100}}},
        {"Impianti di riscaldamento",
         {{"Installazione e sostituzione degli impianti", 0},
          {"Adeguamento degli impianti a leggi e regolamenti", 0},
          {"Manutenzione ordinaria degli impianti, compreso il rivestimento refrattario", 100},
          {"Pulizia annuale degli impianti e dei filtri e messa a riposo stagionale", 100},
          {"Lettura dei contatori", 100},
          {"Acquisto combustibile, consumi di forza motrice, energia elettrica e acqua", 100}}},
        {"Impianti sportivi",
         {{"Installazione e manutenzione straordinaria", 0},
          {"Addetti (bagnini, pulitori, manutentori ordinari ecc.)", 100},
          {"Consumo di acqua per pulizia e depurazione; acquisto di materiale per la "
           "manutenzione ordinaria (es.: terra rossa)", 100}}},
        {"Impianto antincendio",
         {{"Installazione e sostituzione dell'impianto", 0},
          {"Acquisti degli estintori", 0},
          {"Manutenzione ordinaria", 100},
          {"Ricarica degli estintori, ispezioni e collaudi", 100}}},
        {"Impianto televisivo",
         {{"Installazione, sostituzione o potenziamento dell'impianto televisivo centralizzato", 0},
          {"Manutenzione ordinaria dell'impianto televisivo centralizzato", 100}}},
        {"Interno all'appartamento",
         {{"Sostituzione integrale di pavimenti e rivestimenti", 0},
          {"Manutenzione ordinaria di pavimenti e rivestimenti", 100},
          {"Manutenzione ordinaria di infissi e serrande, degli impianti di riscaldamento e "
           "sanitario", 100},
          {"Rifacimento di chiavi e serrature", 100},
          {"Tinteggiatura di pareti", 100},
          {"Sostituzione di vetri", 100},
          {"Manutenzione ordinaria di apparecchi e condutture di elettricità e dell'impianto "
           "citofonico", 100},
          {"Verniciatura di opere in legno e metallo", 100},
          {"Manutenzione straordinaria dell'impianto di riscaldamento", 0}}},
        {"Parti comuni",
         {{"Sostituzione di grondaie, sifoni e colonne di scarico", 0},
          {"Manutenzione ordinaria grondaie, sifoni e colonne di scarico", 100},
          {"Manutenzione straordinaria di tetti e lastrici solari", 0},
          {"Manutenzione ordinaria dei tetti e dei lastrici solari", 100},
          {"Manutenzione straordinaria della rete di fognatura", 0},
          {"Manutenzione ordinaria della rete di fognatura, compresa la disotturazione dei "
           "condotti e pozzetti", 100},
          {"Sostituzioni di marmi, corrimano e ringhiere", 0},
          {"Manutenzione ordinaria di pareti, corrimano, ringhiere di scale e locali comuni", 100},
          {"Consumo di acqua ed energia elettrica per le parti comuni", 100},
          {"Installazione e sostituzione di serrature", 0},
          {"Manutenzione delle aree verdi, compresa la riparazione degli attrezzi utilizzati", 100},
          {"Installazione di attrezzature quali caselle postali, cartelli segnalatori, bidoni, "
           "armadietti per contatori, zerbini, ecc.", 0},
          {"Manutenzione ordinaria di attrezzature quali caselle postali, cartelli segnalatori, "
           "bidoni, armadietti per contatori, ecc.", 100}}},
        {"Portierato",
         {{"Trattamento economico del portiere e del sostituto, compresi contributi "
           "previdenziali e assicurativi, liquidazione, ecc.", 90},
          {"Materiale per le pulizie", 100},
          {"Eventuale alloggio del portiere (pari all'indennità sostitutiva prevista nel "
           "c.n.l.)", 90},
          {"Manutenzione ordinaria della guardiola", 90},
          {"Manutenzione straordinaria della guardiola", 0}}},
        {"Pulizia",
         {{"Spese per l'assunzione dell'addetto", 0},
          {"Trattamento economico dell'addetto, compresi contributi previdenziali e "
           "assicurativi, accantonamento liquidazione, ecc.", 100},
          {"Spese per il conferimento dell'appalto a ditta", 0},
          {"Spese per le pulizie appaltate a ditta", 100},
          {"Materiale per le pulizie", 100},
          {"Acquisto e sostituzione macchinari per la pulizia", 0},
          {"Manutenzione ordinaria dei macchinari per la pulizia", 100},
          {"Derattizzazione e disinfestazione dei locali legati alla raccolta delle immondizie"
           "Derattizzazione e disinfestazione dei locali legati alla raccolta delle immondizie", 100},
          {"Disinfezione di bidoni e contenitori di rifiuti", 100}}},
        {"Sgombero neve",
         {{"Spese relative al servizio, compresi i materiali d'uso", 100}}},
    };
    return list;
}

QList<TenantSplitRow> flatten()
{
    QList<TenantSplitRow> rows;
    for (const Category &category : categories()) {
        for (const Expense &expense : category.expenses)
            rows.append({QString::fromUtf8(category.tipologia), QString::fromUtf8(expense.spesa),
                         expense.tenantPercent});
    }
    return rows;
}

} // namespace

const QList<TenantSplitRow> &TenantSplitTable::rows()
{
    static const QList<TenantSplitRow> list = flatten();
    Q_ASSERT(list.size() == RowCount);
    return list;
}

const TenantSplitRow &TenantSplitTable::row(int n)
{
    return rows().at(qBound(1, n, RowCount) - 1);
}

} // namespace veltra
