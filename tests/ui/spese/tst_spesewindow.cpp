#include "core/numbers/numberformat.h"
#include "core/numbers/numbertext.h"
#include "core/state/sharedstate.h"
#include "support/registryfixture.h"
#include "support/scriptedplatform.h"
#include "support/workwindowfixture.h"
#include "ui/dati/datiwindow.h"
#include "ui/frame/shell.h"
#include "ui/spese/spesewindow.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace veltra;

// Typing into the expense window: the allocation shown live, the column rules, the step
// hints, the data check and the hand-over from the condominium window.
class TestSpeseWindow : public QObject, private WorkWindowFixture<SpeseWindow>
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void amountAndCriterionOneShowSharesAndColumns();
    void criterionTwoClearsThePercentThatPassesHundred();
    void percentagesTypedOverHundredBecomeHundred();
    void tuttiRemovesEveryOwnerThenBringsThemBack();
    void heatingHeadingFollowsTheCriterion();
    void stepHintsFollowTheEntryInOrder();
    void checkOfRoofTerraceItemNamesTheOwnerWithoutTwoThirds();
    void topRowShowsOwnersFromItsNumber();
    void clearWindowEmptiesEverythingAndTheCondominiumWindow();
    void handOverFromCondominiumWindowReinitialises();
    void switchingWindowsKeepsTheSampleItemAsAllocated();
    void changedRegistryMillesimiAreBroughtInOnlyWhenChosen();
    void undoPutsBackInputsAndShares();
    void meteredHeatingTakesReadingsTypedOrImported();

private:
    void type(const QString &name, const QString &text) const;
    QString hint() const;
    void addOwners(const QList<double> &millesimi);
    // The sample condominium copied into folder, opened in the condominium window, and
    // item 1 of its expense series opened in this window through the frame's switch.
    DatiWindow *openSample(const QTemporaryDir &folder);
    void switchToCondominiumAndBack(DatiWindow *dati);
    QString shown(const QString &name) const;

};

void TestSpeseWindow::init()
{
    createState();
    QVERIFY(openWindow(2));
}

void TestSpeseWindow::cleanup()
{
    deleteWindow();
}

void TestSpeseWindow::type(const QString &name, const QString &text) const
{
    control<QLineEdit>(name)->setText(text);
}

QString TestSpeseWindow::hint() const
{
    return m_window->passo()->text();
}

// Owners with the given property millesimi, shown in the window as its opening does.
void TestSpeseWindow::addOwners(const QList<double> &millesimi)
{
    for (double m : millesimi) {
        const int i = RegistryFixture::addOwner(*m_state, QStringLiteral("Condomino %1").arg(m_state->ownerCount + 1),
                                                QStringLiteral("1"), {});
        m_state->owner(i).ownerMillesimi = Cell::fromNumber(m);
    }
    m_window->reinitialiseFromSharedState();
}

void TestSpeseWindow::amountAndCriterionOneShowSharesAndColumns()
{
    addOwners({500, 300, 200, 0});
    m_state->owner(4).ownerMillesimi = Cell::fromNumber(100);
    control<QPushButton>(QStringLiteral("tutti"))->click();
    control<QCheckBox>(QStringLiteral("Check1_4"))->setChecked(false);
    QCOMPARE(m_state->owner(4).takesPart, 0);

    type(QStringLiteral("spesatotale"), QStringLiteral("1.000,00"));
    control<QRadioButton>(QStringLiteral("Option1_1"))->click();
    QCOMPARE(m_state->calcType, 1);
    QCOMPARE(control<QLabel>(QStringLiteral("spe_1"))->text(), QStringLiteral("500,00"));
    QCOMPARE(control<QLabel>(QStringLiteral("spe_2"))->text(), QStringLiteral("300,00"));
    QCOMPARE(control<QLabel>(QStringLiteral("spe_3"))->text(), QStringLiteral("200,00"));
    QCOMPARE(control<QLabel>(QStringLiteral("spe_4"))->text(), QStringLiteral("0,00"));
    QVERIFY(!control<QLineEdit>(QStringLiteral("mill_1"))->isReadOnly());
    QVERIFY(control<QLineEdit>(QStringLiteral("perc_1"))->isReadOnly());
    QVERIFY(control<QLineEdit>(QStringLiteral("pian_1"))->isReadOnly());

    // A change of millesimi in a row is a change of the shared table and recomputes.
    type(QStringLiteral("mill_3"), QStringLiteral("700"));
    QVERIFY(m_state->owner(3).ownerMillesimi.toNumber() == 700);
    QCOMPARE(control<QLabel>(QStringLiteral("spe_3"))->text(), QStringLiteral("466,67"));
    type(QStringLiteral("mill_3"), QString());
    QVERIFY(m_state->owner(3).ownerMillesimi.isNumber());
    QCOMPARE(control<QLabel>(QStringLiteral("spe_3"))->text(), QStringLiteral("0,00"));

    control<QRadioButton>(QStringLiteral("Option1_5"))->click();
    QVERIFY(!control<QLineEdit>(QStringLiteral("pian_1"))->isReadOnly());
    control<QRadioButton>(QStringLiteral("Option1_6"))->click();
    QVERIFY(!control<QPushButton>(QStringLiteral("tutti"))->isEnabled());
    QVERIFY(!control<QCheckBox>(QStringLiteral("Check1_1"))->isEnabled());
}

void TestSpeseWindow::criterionTwoClearsThePercentThatPassesHundred()
{
    addOwners({500, 300, 200});
    control<QPushButton>(QStringLiteral("tutti"))->click();
    type(QStringLiteral("spesatotale"), QStringLiteral("1.000,00"));
    control<QRadioButton>(QStringLiteral("Option1_2"))->click();
    type(QStringLiteral("perc_1"), QStringLiteral("10"));
    QCOMPARE(control<QLabel>(QStringLiteral("spe_1"))->text(), QStringLiteral("550,00"));
    QCOMPARE(control<QLabel>(QStringLiteral("spe_2"))->text(), QStringLiteral("270,00"));
    QVERIFY(m_platform->messages.isEmpty());

    type(QStringLiteral("perc_1"), QStringLiteral("60"));
    type(QStringLiteral("perc_2"), QStringLiteral("50"));
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("La percentuale totale non può superare il 100% della spesa"));
    QCOMPARE(m_platform->lastMessage().title, m_state->texts.checkTitle);
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Critical);
    QVERIFY(m_state->owner(2).fixedPercent.isEmpty());
    QVERIFY(control<QLineEdit>(QStringLiteral("perc_2"))->text().isEmpty());
    // Recomputed with the 60 % alone: 600 + 500 × 400/1000, 300 × 0,4, 200 × 0,4.
    QCOMPARE(control<QLabel>(QStringLiteral("spe_1"))->text(), QStringLiteral("800,00"));
    QCOMPARE(control<QLabel>(QStringLiteral("spe_2"))->text(), QStringLiteral("120,00"));
    QCOMPARE(control<QLabel>(QStringLiteral("spe_3"))->text(), QStringLiteral("80,00"));
}

void TestSpeseWindow::percentagesTypedOverHundredBecomeHundred()
{
    addOwners({500, 500});
    type(QStringLiteral("perc_1"), QStringLiteral("150"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("perc_1"))->text(), QStringLiteral("100"));
    QCOMPARE(m_state->owner(1).fixedPercent, QStringLiteral("100"));
    type(QStringLiteral("dueterz_2"), QStringLiteral("100,5"));
    QCOMPARE(m_state->owner(2).twoThirdsPercent, QStringLiteral("100,5"));
    type(QStringLiteral("dueterz_2"), QStringLiteral("101,5"));
    QCOMPARE(m_state->owner(2).twoThirdsPercent, QStringLiteral("100"));
}

void TestSpeseWindow::tuttiRemovesEveryOwnerThenBringsThemBack()
{
    addOwners({400, 600});
    QPushButton *tutti = control<QPushButton>(QStringLiteral("tutti"));
    tutti->click();
    QVERIFY(control<QCheckBox>(QStringLiteral("Check1_2"))->isChecked());
    QCOMPARE(m_state->owner(2).takesPart, 1);
    tutti->click();
    QCOMPARE(m_state->owner(1).takesPart, 0);
    QCOMPARE(m_state->owner(2).takesPart, 0);
    QVERIFY(!control<QCheckBox>(QStringLiteral("Check1_1"))->isChecked());
    tutti->click();
    QCOMPARE(m_state->owner(2).takesPart, 1);
    QCOMPARE(control<QCheckBox>(QStringLiteral("Check1_7"))->toolTip(),
             QStringLiteral("cliccare per selezionare o deselezionare il condomino n. 7"));
}

void TestSpeseWindow::heatingHeadingFollowsTheCriterion()
{
    QLabel *heading = control<QLabel>(QStringLiteral("lbrisc"));
    QCOMPARE(heading->text(), QStringLiteral("risc. quant."));
    control<QRadioButton>(QStringLiteral("Option1_3"))->click();
    QCOMPARE(heading->text(), QStringLiteral("risc. mc."));
    QCOMPARE(heading->toolTip(), QStringLiteral("cubatura delle unità riscaldate"));
    control<QRadioButton>(QStringLiteral("Option1_4"))->click();
    QCOMPARE(heading->text(), QStringLiteral("risc. mq."));
    QCOMPARE(heading->toolTip(), QStringLiteral("superficie radiante degli apparecchi caloriferi"));
}

void TestSpeseWindow::stepHintsFollowTheEntryInOrder()
{
    QCOMPARE(hint(), QStringLiteral("scegliere il tipo di gestione (preventivi o spese)"));
    control<QRadioButton>(QStringLiteral("Option2_2"))->click(); // the open dialog is cancelled
    QCOMPARE(m_platform->dialogs.size(), 1);
    QCOMPARE(hint(), QStringLiteral("aprire un file con i dati archiviati o andare alla finestra "
                                    "Dati (creare un condominio)"));
    addOwners({500, 500});
    QCOMPARE(hint(), QStringLiteral("prelevare i dati dall'archivio o digitare la somma da ripartire"));
    type(QStringLiteral("spesatotale"), QStringLiteral("100"));
    QCOMPARE(hint(), QStringLiteral("digitare il tipo di spesa"));
    type(QStringLiteral("tipospesa"), QStringLiteral("pulizia scale"));
    QCOMPARE(hint(), QStringLiteral("digitare la data della spesa"));
    type(QStringLiteral("dataspesa"), QStringLiteral("10/01/2001"));
    QCOMPARE(hint(), QStringLiteral("spuntare almeno un condomino per la ripartizione delle spese"));
    control<QCheckBox>(QStringLiteral("Check1_1"))->click();
    QCOMPARE(hint(), QStringLiteral("scegliere la tipologia di calcolo"));
    control<QRadioButton>(QStringLiteral("Option1_2"))->click();
    QCOMPARE(hint(), QStringLiteral("digitare le percentuali fisse per la ripartizione delle spese"));
    control<QRadioButton>(QStringLiteral("Option1_5"))->click(); // floor millesimi are 0,000
    QCOMPARE(hint(), QStringLiteral("digitare i millesimi di piano"));
    control<QRadioButton>(QStringLiteral("Option1_6"))->click();
    QCOMPARE(hint(), QStringLiteral("cliccare nelle rispettive caselle per i condomini che "
                                    "partecipano alla ripartizione per un terzo della spesa"));
    control<QCheckBox>(QStringLiteral("unterz_1"))->click();
    QCOMPARE(hint(), QStringLiteral("digitare le percentuali di millesimi dei condomini che "
                                    "partecipano alla ripartizione per due terzi della spesa"));
    type(QStringLiteral("dueterz_2"), QStringLiteral("100"));
    const QString last = QStringLiteral("correggere, archiviare quanto immesso, digitare ulteriori "
                                        "dati, andare oltre (stampa, altro tipo di calcolo)");
    QCOMPARE(hint(), last);
    type(QStringLiteral("risc_1"), QString());
    type(QStringLiteral("risc_2"), QString());
    control<QRadioButton>(QStringLiteral("Option1_3"))->click();
    QCOMPARE(hint(), QStringLiteral("digitare le quantità delle cubature per la ripartizione "
                                    "delle spese di riscaldamento"));
    // The allocation has put 0 into the empty quantities.
    QCOMPARE(control<QLineEdit>(QStringLiteral("risc_1"))->text(), QStringLiteral("0"));
    type(QStringLiteral("tipospesa"), QStringLiteral("pulizia"));
    QCOMPARE(hint(), last);
}

void TestSpeseWindow::checkOfRoofTerraceItemNamesTheOwnerWithoutTwoThirds()
{
    addOwners({300, 300, 400});
    QAction *check = m_window->findChild<QAction *>(QStringLiteral("controllo"));
    check->trigger();
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("Digitare la somma da ripartire."));
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Critical);
    type(QStringLiteral("spesatotale"), QStringLiteral("300"));
    type(QStringLiteral("tipospesa"), QStringLiteral("lastrico"));
    type(QStringLiteral("dataspesa"), QStringLiteral("10/01/2001"));
    check->trigger();
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Scegliere il tipo di gestione dei dati (preventivi o spese)."));
    m_platform->fileNames.enqueue(QString());
    control<QRadioButton>(QStringLiteral("Option2_1"))->click();
    type(QStringLiteral("spesatotale"), QStringLiteral("300")); // choosing a type empties it
    control<QPushButton>(QStringLiteral("tutti"))->click();
    control<QRadioButton>(QStringLiteral("Option1_6"))->click();
    type(QStringLiteral("dueterz_1"), QStringLiteral("100"));
    type(QStringLiteral("dueterz_2"), QStringLiteral("100"));
    check->trigger();
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Condomino n. 3:\n- digitare la percentuale dei millesimi che "
                            "partecipa per due terzi."));
    type(QStringLiteral("dueterz_3"), QStringLiteral("50"));
    check->trigger();
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("I dati sono stati immessi correttamente."));
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Information);
}

void TestSpeseWindow::topRowShowsOwnersFromItsNumber()
{
    QList<double> millesimi;
    for (int i = 1; i <= 12; ++i)
        millesimi << 80;
    addOwners(millesimi);
    control<QScrollBar>(QStringLiteral("VScroll1"))->setValue(5);
    QCOMPARE(control<QLabel>(QStringLiteral("rum_1"))->text(), QStringLiteral("5"));
    QCOMPARE(control<QLabel>(QStringLiteral("nomcond_1"))->text(), QStringLiteral("Condomino 5"));
    QCOMPARE(control<QLabel>(QStringLiteral("rum_10"))->text(), QStringLiteral("14"));
    QVERIFY(control<QLabel>(QStringLiteral("nomcond_9"))->text().isEmpty());
    type(QStringLiteral("perc_2"), QStringLiteral("7"));
    QCOMPARE(m_state->owner(6).fixedPercent, QStringLiteral("7"));
    QCOMPARE(control<QScrollBar>(QStringLiteral("VScroll1"))->maximum(), 491);
}

void TestSpeseWindow::clearWindowEmptiesEverythingAndTheCondominiumWindow()
{
    addOwners({500, 500});
    m_state->owner(1).paymentDate = QStringLiteral("01/02/2001");
    m_state->condoName = QStringLiteral("Rossi");
    m_shell->workWindow(1);
    control<QRadioButton>(QStringLiteral("Option1_1"))->click();
    type(QStringLiteral("spesatotale"), QStringLiteral("100"));
    type(QStringLiteral("perc_1"), QStringLiteral("5"));
    m_platform->choices.enqueue(1); // the item typed is not saved first
    m_window->findChild<QAction *>(QStringLiteral("cancella"))->trigger();
    QCOMPARE(m_state->ownerCount, 0);
    QVERIFY(m_state->condoName.isEmpty());
    QVERIFY(m_state->owner(1).ownerName.isEmpty());
    QVERIFY(m_state->owner(1).fixedPercent.isEmpty());
    QCOMPARE(m_state->owner(1).paymentDate, QStringLiteral("01/02/2001"));
    QVERIFY(m_state->item(1).expenseAmount.isEmpty());
    QVERIFY(control<QLineEdit>(QStringLiteral("perc_1"))->text().isEmpty());
    QVERIFY(!control<QRadioButton>(QStringLiteral("Option1_1"))->isChecked());
    QCOMPARE(control<QLabel>(QStringLiteral("tot"))->text(), QStringLiteral("0"));
    QCOMPARE(hint(), QStringLiteral("scegliere il tipo di gestione (preventivi o spese)"));
    auto *dati = m_shell->existingWorkWindow(1);
    QVERIFY(dati->findChild<QLineEdit *>(QStringLiteral("nomcond_1"))->text().isEmpty());
}

void TestSpeseWindow::handOverFromCondominiumWindowReinitialises()
{
    using RegistryFixture::makeUnit;
    RegistryFixture::addOwner(*m_state, QStringLiteral("Bianchi"), QStringLiteral("0"),
                              {makeUnit(QStringLiteral("50"), {}, QStringLiteral("a"),
                                        QStringLiteral("100,25")),
                               makeUnit(QStringLiteral("50"), {}, QStringLiteral("b"),
                                        QStringLiteral("20,19"))});
    RegistryFixture::addOwner(*m_state, QStringLiteral("Verdi"), QStringLiteral("1"),
                              {makeUnit(QStringLiteral("100"))});
    m_state->heatingBasis = 2;
    QVERIFY(m_window->findChild<QLabel *>(QStringLiteral("nomcond_1"))->text().isEmpty());

    m_shell->showWorkWindow(1);
    auto *dati = qobject_cast<DatiWindow *>(m_shell->existingWorkWindow(1));
    m_state->owner(1).useMillesimi = 312.5;
    dati->findChild<QAction *>(QStringLiteral("finestra3"))->trigger();

    QCOMPARE(control<QLabel>(QStringLiteral("nomcond_1"))->text(), QStringLiteral("Bianchi"));
    QCOMPARE(control<QLabel>(QStringLiteral("tot"))->text(), QStringLiteral("2"));
    QVERIFY(control<QRadioButton>(QStringLiteral("Option1_4"))->isChecked());
    QCOMPARE(m_state->calcType, 4);
    QCOMPARE(control<QLineEdit>(QStringLiteral("pian_1"))->text(), QStringLiteral("312,500"));
    // 100,2 after the first unit, 120,3 after the second (cut to a tenth each time).
    QCOMPARE(control<QLineEdit>(QStringLiteral("risc_1"))->text(), QStringLiteral("120,3"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("risc_2"))->text(), QStringLiteral("100"));
    QCOMPARE(m_platform->unscripted, 0);
}

DatiWindow *TestSpeseWindow::openSample(const QTemporaryDir &folder)
{
    const QDir sample(QStringLiteral(VELTRA_SOURCE_DIR "/data/esempio"));
    for (const QString &name : sample.entryList(QDir::Files)) {
        if (!QFile::copy(sample.filePath(name), folder.filePath(name)))
            qFatal("cannot copy %s", qPrintable(name));
    }
    auto *dati = qobject_cast<DatiWindow *>(m_shell->workWindow(1));
    m_platform->fileNames.enqueue(folder.filePath(QStringLiteral("Veltra-dati-Condominio Le Magnolie")));
    dati->openArchive();
    dati->findChild<QAction *>(QStringLiteral("finestra2"))->trigger();
    m_platform->fileNames.enqueue(
        folder.filePath(QStringLiteral("Veltra-spese-Condominio Le Magnolie- 2026 1")));
    control<QRadioButton>(QStringLiteral("Option2_2"))->click();
    return dati;
}

void TestSpeseWindow::switchToCondominiumAndBack(DatiWindow *dati)
{
    m_window->findChild<QAction *>(QStringLiteral("finestra1"))->trigger();
    dati->findChild<QAction *>(QStringLiteral("finestra2"))->trigger();
}

QString TestSpeseWindow::shown(const QString &name) const
{
    if (auto *field = m_window->findChild<QLineEdit *>(name))
        return field->text();
    return control<QLabel>(name)->text();
}

// Item 1 of the sample goes by art. 1124 while the condominium heats by volume: the switch
// must not put the heating criterion in its place, nor take its inputs from the units.
void TestSpeseWindow::switchingWindowsKeepsTheSampleItemAsAllocated()
{
    QTemporaryDir folder;
    DatiWindow *dati = openSample(folder);
    QVERIFY(control<QRadioButton>(QStringLiteral("Option1_5"))->isChecked());
    QCOMPARE(shown(QStringLiteral("spe_1")), QStringLiteral("79,79"));

    switchToCondominiumAndBack(dati);
    QVERIFY(control<QRadioButton>(QStringLiteral("Option1_5"))->isChecked());
    QCOMPARE(m_state->calcType, 5);
    QCOMPARE(shown(QStringLiteral("spe_1")), QStringLiteral("79,79"));
    QCOMPARE(shown(QStringLiteral("spe_2")), QStringLiteral("98,21"));
    QCOMPARE(shown(QStringLiteral("risc_1")), QStringLiteral("0"));
    QVERIFY(m_platform->messages.isEmpty());

    m_window->saveArchive();
    QVERIFY(m_platform->messages.isEmpty());
    QFile saved(folder.filePath(QStringLiteral("Veltra-spese-Condominio Le Magnolie- 2026 1")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = saved.readAll().split('\n');
    QVERIFY2(lines.at(0).endsWith("\"15/01/2026\",5\r"), lines.at(0).constData());
    QVERIFY2(lines.at(1).endsWith(",\"79,79\"\r"), lines.at(1).constData());
    QVERIFY2(lines.at(3).endsWith(",\"98,21\"\r"), lines.at(3).constData());
}

// A surface edited in the condominium window changes the registry's millesimi; the item
// keeps its own until the user brings the new ones in, and is then allocated on them.
void TestSpeseWindow::changedRegistryMillesimiAreBroughtInOnlyWhenChosen()
{
    QTemporaryDir folder;
    DatiWindow *dati = openSample(folder);
    m_window->findChild<QAction *>(QStringLiteral("finestra1"))->trigger();
    dati->findChild<QLineEdit *>(QStringLiteral("sup_1"))->setText(QStringLiteral("73,00"));
    const double registryMillesimi = m_state->owner(1).ownerMillesimi.toNumber();
    QVERIFY(registryMillesimi > 19);

    m_platform->answers.enqueue(false);
    dati->findChild<QAction *>(QStringLiteral("finestra2"))->trigger();
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(m_platform->lastMessage().question);
    QVERIFY(m_platform->lastMessage().text.contains(QStringLiteral("spesa n. 1")));
    QVERIFY(m_platform->lastMessage().text.contains(QStringLiteral("Ferretti Giorgio")));
    QCOMPARE(shown(QStringLiteral("mill_1")), QStringLiteral("18,1"));
    QCOMPARE(shown(QStringLiteral("spe_1")), QStringLiteral("79,79"));
    m_window->setItemNumber(2);
    m_window->setItemNumber(1);
    QCOMPARE(shown(QStringLiteral("mill_1")), QStringLiteral("18,1"));
    QCOMPARE(shown(QStringLiteral("spe_1")), QStringLiteral("79,79"));
    // Declined once, the same registry is not offered again for the same item.
    switchToCondominiumAndBack(dati);
    QCOMPARE(m_platform->messages.size(), 1);

    // Another edit in the condominium window changes the registry again.
    m_window->findChild<QAction *>(QStringLiteral("finestra1"))->trigger();
    dati->findChild<QLineEdit *>(QStringLiteral("sup_1"))->setText(QStringLiteral("74,00"));
    const double newMillesimi = m_state->owner(1).ownerMillesimi.toNumber();
    m_platform->answers.enqueue(true);
    dati->findChild<QAction *>(QStringLiteral("finestra2"))->trigger();
    QCOMPARE(m_platform->messages.size(), 2);
    QCOMPARE(m_state->owner(1).ownerMillesimi.toNumber(), newMillesimi);
    QCOMPARE(shown(QStringLiteral("mill_1")), m_state->owner(1).ownerMillesimi.toText());
    // Art. 1124: half by property, half by floor millesimi, over everybody taking part.
    double halves = 0;
    for (int i = 1; i <= m_state->ownerCount; ++i) {
        const Owner &owner = m_state->owner(i);
        halves += (owner.ownerMillesimi.toNumber()
                   + NumberText::read(owner.floorMillesimi).value_or(0)) / 2;
    }
    const double half1 = (newMillesimi + NumberText::read(shown(QStringLiteral("pian_1"))).value_or(0)) / 2;
    QCOMPARE(shown(QStringLiteral("spe_1")), formatNumber(1464 * half1 / halves, NumberFormat::EuroPattern));
    QVERIFY(shown(QStringLiteral("spe_1")) != QStringLiteral("79,79"));
}

// Two owners of 500 thousandths share 100 euro; without the second the first pays it all.
void TestSpeseWindow::undoPutsBackInputsAndShares()
{
    addOwners({500, 500});
    control<QPushButton>(QStringLiteral("tutti"))->click();
    control<QRadioButton>(QStringLiteral("Option1_1"))->click();
    type(QStringLiteral("spesatotale"), QStringLiteral("100"));
    control<QCheckBox>(QStringLiteral("Check1_2"))->setChecked(false);
    QCOMPARE(control<QLabel>(QStringLiteral("spe_1"))->text(), QStringLiteral("100,00"));

    QAction *undo = m_window->findChild<QAction *>(QStringLiteral("annulla"));
    undo->trigger();
    QVERIFY(control<QCheckBox>(QStringLiteral("Check1_2"))->isChecked());
    QCOMPARE(m_state->owner(2).takesPart, 1);
    QCOMPARE(control<QLabel>(QStringLiteral("spe_1"))->text(), QStringLiteral("50,00"));
    QCOMPARE(m_state->owner(2).shareAmount, QStringLiteral("50,00"));
    undo->trigger();
    QVERIFY(m_state->item(1).expenseAmount.isEmpty());
    QVERIFY(control<QLineEdit>(QStringLiteral("spesatotale"))->text().isEmpty());

    // Millesimi typed over a computed number come back as that very number.
    m_state->owner(1).ownerMillesimi = Cell::fromNumber(1000.0 / 3);
    type(QStringLiteral("mill_1"), QStringLiteral("400"));
    QVERIFY(!(m_state->owner(1).ownerMillesimi == Cell::fromNumber(1000.0 / 3)));
    undo->trigger();
    QVERIFY(m_state->owner(1).ownerMillesimi == Cell::fromNumber(1000.0 / 3));
}

// 1.234,57 euro, 70 % by readings and the rest by millesimi 300, 200, 250 (owner 4 left
// out): the consumption part 864,20 and the fixed part 370,37. Readings 512,5 / 301 /
// 186,5 give 442,90 + 148,15, 260,13 + 98,76 and 161,17 + 123,46; the firm's 100 / 100 /
// 200 give 216,05 + 148,15, 216,05 + 98,76 and 432,10 + 123,46.
void TestSpeseWindow::meteredHeatingTakesReadingsTypedOrImported()
{
    addOwners({300, 200, 250, 250});
    control<QPushButton>(QStringLiteral("tutti"))->click();
    control<QCheckBox>(QStringLiteral("Check1_4"))->setChecked(false);
    type(QStringLiteral("spesatotale"), QStringLiteral("1.234,57"));
    control<QRadioButton>(QStringLiteral("Option1_7"))->click();
    QVERIFY(control<QLineEdit>(QStringLiteral("lett_1"))->isVisibleTo(m_window));
    QVERIFY(!control<QLineEdit>(QStringLiteral("perc_1"))->isVisibleTo(m_window));
    QCOMPARE(control<QLineEdit>(QStringLiteral("consumo"))->text(), QStringLiteral("70"));
    type(QStringLiteral("lett_1"), QStringLiteral("512,5"));
    type(QStringLiteral("lett_2"), QStringLiteral("301"));
    type(QStringLiteral("lett_3"), QStringLiteral("186,5"));
    control<QCheckBox>(QStringLiteral("stima_3"))->setChecked(true);
    QCOMPARE(m_state->owner(3).readingEstimated, 1);
    QCOMPARE(shown(QStringLiteral("spe_1")), QStringLiteral("591,05"));
    QCOMPARE(shown(QStringLiteral("spe_2")), QStringLiteral("358,89"));
    QCOMPARE(shown(QStringLiteral("spe_3")), QStringLiteral("284,63"));
    QCOMPARE(shown(QStringLiteral("spe_4")), QStringLiteral("0,00"));

    QTemporaryDir folder;
    const QString refused = QDir(folder.path()).filePath(QStringLiteral("rifiutate.csv"));
    const QString good = QDir(folder.path()).filePath(QStringLiteral("letture.csv"));
    {
        QFile file(refused);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("1;100\n9;100\n");
    }
    {
        QFile file(good);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("condomino;lettura;stimata\n1;100\n2;100\n3;200;no\n");
    }
    m_platform->fileNames.enqueue(refused);
    control<QPushButton>(QStringLiteral("importa"))->click();
    QVERIFY(m_platform->lastMessage().text.contains(QStringLiteral("riga 2")));
    QCOMPARE(m_state->owner(1).meterReading, QStringLiteral("512,5"));
    m_platform->fileNames.enqueue(good);
    control<QPushButton>(QStringLiteral("importa"))->click();
    QCOMPARE(control<QLineEdit>(QStringLiteral("lett_3"))->text(), QStringLiteral("200"));
    QVERIFY(!control<QCheckBox>(QStringLiteral("stima_3"))->isChecked());
    QCOMPARE(shown(QStringLiteral("spe_1")), QStringLiteral("364,20"));
    QCOMPARE(shown(QStringLiteral("spe_2")), QStringLiteral("314,81"));
    QCOMPARE(shown(QStringLiteral("spe_3")), QStringLiteral("555,56"));

    // The whole import is one step back.
    m_window->findChild<QAction *>(QStringLiteral("annulla"))->trigger();
    QCOMPARE(control<QLineEdit>(QStringLiteral("lett_1"))->text(), QStringLiteral("512,5"));
    QVERIFY(control<QCheckBox>(QStringLiteral("stima_3"))->isChecked());
    QCOMPARE(shown(QStringLiteral("spe_1")), QStringLiteral("591,05"));

    type(QStringLiteral("consumo"), QStringLiteral("45"));
    QCOMPARE(m_state->meterParameters.consumptionPercent, QStringLiteral("45"));
    m_window->findChild<QAction *>(QStringLiteral("annulla"))->trigger();
    QCOMPARE(control<QLineEdit>(QStringLiteral("consumo"))->text(), QStringLiteral("70"));
}

QTEST_MAIN(TestSpeseWindow)
#include "tst_spesewindow.moc"
