#include "ui/contabilita/contabilitaform.h"

#include "core/accounts/movementcause.h"
#include "ui/frame/formcontrols.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace veltra {

namespace {

using FormControls::button;
using FormControls::page;
using FormControls::table;

QLineEdit *field(const char *name, const QString &tip)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setToolTip(tip);
    return edit;
}

QComboBox *choice(const char *name, const QStringList &items)
{
    auto *box = new QComboBox;
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    return box;
}

void addField(QGridLayout *grid, int row, int column, const QString &caption, QWidget *control, int span = 1)
{
    auto *label = new QLabel(caption);
    label->setObjectName(QStringLiteral("lb") + control->objectName());
    grid->addWidget(label, row, column);
    grid->addWidget(control, row, column + 1, 1, span);
}

} // namespace

ContabilitaForm::ContabilitaForm(QWidget *form)
{
    auto *caption = new QLabel(QStringLiteral("Esercizio:"), form);
    caption->setObjectName(QStringLiteral("lbesercizio"));
    caption->setGeometry(8, 8, 60, 20);
    esercizio = new QSpinBox(form);
    esercizio->setObjectName(QStringLiteral("esercizio"));
    esercizio->setRange(1900, 9999);
    esercizio->setToolTip(QStringLiteral("l'anno del registro; \"Apri\" apre o crea il suo registro"));
    esercizio->setGeometry(70, 6, 70, 22);
    auto *from = new QLabel(QStringLiteral("dal"), form);
    from->setObjectName(QStringLiteral("lbinizio"));
    from->setGeometry(148, 8, 24, 20);
    inizio = FormControls::lineEdit(form, QStringLiteral("inizio"), QRect(174, 6, 86, 22));
    inizio->setToolTip(QStringLiteral("primo giorno dell'esercizio, giorno/mese/anno (1 gennaio o, per esempio, 1 luglio)"));
    stato = FormControls::panel(form, QStringLiteral("stato"), QRect(268, 8, 364, 20));

    schede = new QTabWidget(form);
    schede->setObjectName(QStringLiteral("schede"));
    schede->setGeometry(8, 34, 624, 334);
    schede->addTab(movementsPage(), QStringLiteral("&Movimenti"));
    schede->addTab(accountsPage(), QStringLiteral("C&onti"));
    schede->addTab(balancesPage(), QStringLiteral("&Saldi dei condomini"));
}

QWidget *ContabilitaForm::movementsPage()
{
    movimenti = table("movimenti", {QStringLiteral("N."), QStringLiteral("Data op."), QStringLiteral("Data reg."),
                                    QStringLiteral("Conto"), QStringLiteral("Entrata"), QStringLiteral("Uscita"),
                                    QStringLiteral("Saldo conto"), QStringLiteral("Controparte"),
                                    QStringLiteral("Causale"), QStringLiteral("Descrizione")});
    movimenti->setEditTriggers(QAbstractItemView::NoEditTriggers);
    movimenti->setSelectionMode(QAbstractItemView::SingleSelection);
    dataoperazione = field("dataoperazione", QStringLiteral("giorno dell'operazione (valuta), giorno/mese/anno"));
    dataregistrazione = field("dataregistrazione", QStringLiteral("giorno della registrazione: entro 30 giorni dall'operazione"));
    conto = choice("conto", {});
    tipo = choice("tipo", {QStringLiteral("entrata"), QStringLiteral("uscita")});
    importo = field("importo", QStringLiteral("euro, con la virgola decimale"));
    causale = choice("causale", MovementCauses::labels());
    voce = new QSpinBox;
    voce->setObjectName(QStringLiteral("voce"));
    voce->setRange(0, 200);
    voce->setSpecialValueText(QStringLiteral("-"));
    voce->setToolTip(QStringLiteral("la voce delle spese dell'anno a cui il movimento si riferisce"));
    condomino = choice("condomino", {});
    fornitore = field("fornitore", QStringLiteral("fornitore o altra controparte"));
    codicefiscale = field("codicefiscale", QStringLiteral("codice fiscale o partita IVA del fornitore"));
    documento = field("documento", QStringLiteral("numero e data della fattura o del documento"));
    descrizione = field("descrizione", QString());
    nota = field("nota", QString());
    auto *grid = new QGridLayout;
    addField(grid, 0, 0, QStringLiteral("Data op."), dataoperazione);
    addField(grid, 0, 2, QStringLiteral("Data reg."), dataregistrazione);
    addField(grid, 0, 4, QStringLiteral("Conto"), conto);
    addField(grid, 1, 0, QStringLiteral("Tipo"), tipo);
    addField(grid, 1, 2, QStringLiteral("Importo"), importo);
    addField(grid, 1, 4, QStringLiteral("Causale"), causale);
    addField(grid, 2, 0, QStringLiteral("Voce"), voce);
    addField(grid, 2, 2, QStringLiteral("Condomino"), condomino, 3);
    addField(grid, 3, 0, QStringLiteral("Fornitore"), fornitore);
    addField(grid, 3, 2, QStringLiteral("C.F./P. IVA"), codicefiscale);
    addField(grid, 3, 4, QStringLiteral("Documento"), documento);
    addField(grid, 4, 0, QStringLiteral("Descrizione"), descrizione, 3);
    addField(grid, 4, 4, QStringLiteral("Nota"), nota);
    nuovo = button("nuovo", QStringLiteral("&Nuovo"), QStringLiteral("svuota i campi per un nuovo movimento"));
    registra = button("registra", QStringLiteral("&Registra"),
                      QStringLiteral("scrive nel registro il movimento dei campi, nuovo o cambiato"));
    elimina = button("elimina", QStringLiteral("&Elimina"), QStringLiteral("toglie dal registro il movimento selezionato"));
    estrattoconto = button("estrattoconto", QStringLiteral("Estratto conto &banca..."),
                           QStringLiteral("legge i movimenti del conto esportati dalla banca (CSV) e abbina i versamenti"));
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {nuovo, registra, elimina})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(estrattoconto);
    QWidget *movements = page(movimenti, nullptr);
    auto *layout = static_cast<QVBoxLayout *>(movements->layout());
    layout->addLayout(grid);
    layout->addLayout(buttons);
    return movements;
}

QWidget *ContabilitaForm::accountsPage()
{
    conti = table("conti", {QStringLiteral("Conto"), QStringLiteral("IBAN"), QStringLiteral("Cassa"),
                            QStringLiteral("Saldo iniziale"), QStringLiteral("Saldo finale")});
    aggiungiconto = button("aggiungiconto", QStringLiteral("&Aggiungi conto"),
                           QStringLiteral("aggiunge un conto corrente o postale del condominio"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(aggiungiconto);
    buttons->addStretch();
    return page(conti, buttons);
}

QWidget *ContabilitaForm::balancesPage()
{
    saldi = table("saldi", {QStringLiteral("N."), QStringLiteral("Condomino"), QStringLiteral("Saldo iniziale"),
                            QStringLiteral("Quote"), QStringLiteral("Versato"), QStringLiteral("Saldo")});
    saldi->setToolTip(QStringLiteral("saldo iniziale: positivo se il condomino doveva, negativo se era a credito"));
    return page(saldi, nullptr);
}

} // namespace veltra
