#include "ui/anagrafe/anagrafeform.h"

#include "ui/anagrafe/registercolumns.h"
#include "ui/frame/formcontrols.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace veltra {

using FormControls::button;
using FormControls::page;
using FormControls::table;

AnagrafeForm::AnagrafeForm(QWidget *form)
{
    auto *caption = new QLabel(QStringLiteral("Condomino:"), form);
    caption->setObjectName(QStringLiteral("lbcondomino"));
    caption->setGeometry(8, 8, 76, 20);
    condomino = new QComboBox(form);
    condomino->setObjectName(QStringLiteral("condomino"));
    condomino->setToolTip(QStringLiteral("il condomino di cui si vede la scheda dell'anagrafe"));
    condomino->setGeometry(86, 6, 300, 22);
    stato = FormControls::panel(form, QStringLiteral("stato"), QRect(392, 8, 240, 20));

    schede = new QTabWidget(form);
    schede->setObjectName(QStringLiteral("schede"));
    schede->setGeometry(8, 34, 624, 236);
    schede->addTab(personsPage(), QStringLiteral("&Persone"));
    schede->addTab(unitsPage(), QString::fromUtf8("&Unità e dati catastali"));
    schede->addTab(changesPage(), QStringLiteral("&Variazioni"));
    schede->addTab(safetyPage(), QStringLiteral("Si&curezza delle parti comuni"));

    rilievi = new QLabel(form);
    rilievi->setObjectName(QStringLiteral("rilievi"));
    rilievi->setGeometry(8, 274, 624, 94);
    rilievi->setWordWrap(true);
    rilievi->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    rilievi->setFrameShape(QFrame::StyledPanel);
}

QWidget *AnagrafeForm::personsPage()
{
    persone = table("persone", RegisterColumns::personHeadings());
    aggiungipersona = button("aggiungipersona", QStringLiteral("Aggiungi persona"),
                             QStringLiteral("aggiunge un proprietario, un titolare di diritti o un conduttore"));
    toglipersona = button("toglipersona", QStringLiteral("Togli persona"),
                          QStringLiteral("toglie dalla scheda la persona selezionata"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(aggiungipersona);
    buttons->addWidget(toglipersona);
    buttons->addStretch();
    return page(persone, buttons);
}

QWidget *AnagrafeForm::unitsPage()
{
    unita = table("unita", RegisterColumns::unitHeadings());
    unita->setToolTip(QString::fromUtf8("i dati catastali di un locale valgono anche per i locali "
                                        "che lo seguono, fino al primo che ne ha di propri"));
    return page(unita, nullptr);
}

QWidget *AnagrafeForm::changesPage()
{
    variazioni = table("variazioni", RegisterColumns::changeHeadings());
    aggiungivariazione = button("aggiungivariazione", QStringLiteral("Aggiungi variazione"),
                                QStringLiteral("registra una variazione con la sua data e il documento"));
    toglivariazione = button("toglivariazione", QStringLiteral("Togli variazione"),
                             QStringLiteral("toglie la variazione selezionata"));
    auto *lastCaption = new QLabel(QStringLiteral("Ultima comunicazione del condomino:"));
    lastCaption->setObjectName(QStringLiteral("lbultimacomunicazione"));
    ultimacomunicazione = new QLineEdit;
    ultimacomunicazione->setObjectName(QStringLiteral("ultimacomunicazione"));
    ultimacomunicazione->setToolTip(QStringLiteral("giorno/mese/anno"));
    ultimacomunicazione->setMaximumWidth(100);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(aggiungivariazione);
    buttons->addWidget(toglivariazione);
    buttons->addStretch();
    buttons->addWidget(lastCaption);
    buttons->addWidget(ultimacomunicazione);
    return page(variazioni, buttons);
}

QWidget *AnagrafeForm::safetyPage()
{
    sicurezza = table("sicurezza", RegisterColumns::safetyHeadings());
    aggiungivoce = button("aggiungivoce", QStringLiteral("Aggiungi voce"),
                          QStringLiteral("aggiunge un impianto o una parte dell'edificio da verificare"));
    toglivoce = button("toglivoce", QStringLiteral("Togli voce"),
                       QStringLiteral("toglie la voce selezionata"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(aggiungivoce);
    buttons->addWidget(toglivoce);
    buttons->addStretch();
    return page(sicurezza, buttons);
}

} // namespace veltra
