#include "core/state/sharedstate.h"
#include "support/registryfixture.h"
#include "support/scriptedplatform.h"
#include "ui/dati/datiwindow.h"
#include "ui/frame/shell.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QRandomGenerator>
#include <QTest>

using namespace veltra;
using RegistryFixture::addOwner;
using RegistryFixture::makeUnit;

// Typing into the condominium window: storage, the "+" shortcut, the cascades, the row
// commands and the step hint.
class TestDatiWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typingUnitFieldsStoresCellsAndShowsResults();
    void wrongKeyInANumberIsRefusedAloneAndTypingGoesOn();
    void plusCopiesTheFieldOfThePreviousOwner();
    void plusInFirstUnitRowEmptiesTheField();
    void plusReachesUnitScrolledOutOfView();
    void scrollingOwnersShowsUnitsFromTheFirst();
    void clickOnNumberLabelAsksBeforeCopyingOverData();
    void undoTakesBackTypingCopiesAndDeletions();
    void numberLabelsLightUpUnderTheMouse();
    void deleteOwnerTwoOfThreeMovesTheThird();
    void deleteOwnerBeyondTheCountKeepsTheLastOwnersUnits();
    void deleteFirstOfThreeUnits();
    void deleteUnitOnEmptyRowChangesNothing();
    void floorIsJudgedWhenTheFieldIsLeft();
    void floorSpinUpRaisesTheFloor();
    void stepHintsFollowTheEntryInOrder();
    void typedUnitCellsMoveTheHintsGapAsAWholeSearchFinds();
    void clearWindowEmptiesAndShowsFirstHint();
    void helpListsSixInstructions();
    void handOverAsksAboutDeletedData();

private:
    QLineEdit *edit(const QString &name) const;
    QLabel *label(const QString &name) const;
    void type(const QString &name, const QString &text) const;
    void addThreeOwners();

    SharedState *m_state = nullptr;
    ScriptedPlatform *m_platform = nullptr;
    Shell *m_shell = nullptr;
    DatiWindow *m_window = nullptr;
};

void TestDatiWindow::init()
{
    m_state = new SharedState;
    m_state->initSharedStrings();
    m_platform = new ScriptedPlatform;
    m_shell = new Shell(*m_state, *m_platform, QStringLiteral(VELTRA_SOURCE_DIR "/assets"));
    m_shell->showWorkWindow(1);
    m_window = qobject_cast<DatiWindow *>(m_shell->existingWorkWindow(1));
    QVERIFY(m_window);
}

void TestDatiWindow::cleanup()
{
    delete m_shell;
    delete m_platform;
    delete m_state;
}

QLineEdit *TestDatiWindow::edit(const QString &name) const
{
    auto *field = m_window->findChild<QLineEdit *>(name);
    if (!field)
        qFatal("no field %s", qPrintable(name));
    return field;
}

QLabel *TestDatiWindow::label(const QString &name) const
{
    auto *found = m_window->findChild<QLabel *>(name);
    if (!found)
        qFatal("no label %s", qPrintable(name));
    return found;
}

void TestDatiWindow::type(const QString &name, const QString &text) const
{
    QTest::keyClicks(edit(name), text);
}

void TestDatiWindow::addThreeOwners()
{
    m_state->condoName = QStringLiteral("Aurora");
    addOwner(*m_state, QStringLiteral("Rossi"), QStringLiteral("1"),
             {makeUnit(QStringLiteral("10")), makeUnit(QStringLiteral("11"))});
    addOwner(*m_state, QStringLiteral("Bianchi"), QStringLiteral("2"),
             {makeUnit(QStringLiteral("20"), {}, QStringLiteral("cucina"))});
    addOwner(*m_state, QStringLiteral("Verdi"), QStringLiteral("3"),
             {makeUnit(QStringLiteral("30")), makeUnit(QStringLiteral("31")),
              makeUnit(QStringLiteral("32"))});
    m_window->refreshOwnerRows();
}

void TestDatiWindow::typingUnitFieldsStoresCellsAndShowsResults()
{
    type(QStringLiteral("nomcond_1"), QStringLiteral("Rossi"));
    type(QStringLiteral("nom_1"), QStringLiteral("camera"));
    type(QStringLiteral("sup_1"), QStringLiteral("25,5"));
    for (const char *name : {"dest_1", "pia_1", "ori_1", "pros_1", "lum_1", "funz_1"})
        type(QString::fromLatin1(name), QStringLiteral("1"));
    QCOMPARE(label(QStringLiteral("virt_1"))->text(), QStringLiteral("0"));
    type(QStringLiteral("vol_1"), QStringLiteral("1"));

    const Unit &unit = m_state->unit(1, 1);
    QCOMPARE(unit.unitName, QStringLiteral("camera"));
    QCOMPARE(unit.netSurface, QStringLiteral("25,5"));
    QCOMPARE(unit.coeffVolume, QStringLiteral("1"));
    QCOMPARE(m_state->owner(1).unitCount, 1);
    QCOMPARE(label(QStringLiteral("virt_1"))->text(), QStringLiteral("25,5"));
    QCOMPARE(label(QStringLiteral("mill_1"))->text(), QStringLiteral("1000"));

    // A destination coefficient of 0,9 gives 22,95 and the unit still holds all 1000.
    edit(QStringLiteral("dest_1"))->clear();
    type(QStringLiteral("dest_1"), QStringLiteral("0,9"));
    QCOMPARE(label(QStringLiteral("virt_1"))->text(), QStringLiteral("22,95"));
    QCOMPARE(m_window->findChild<QGroupBox *>(QStringLiteral("Frame1"))->title(),
             QStringLiteral("Condomino n. 1: Rossi - numero locali:  1 - millesimi totali: 1000,000"));
    QCOMPARE(label(QStringLiteral("Label1"))->text(), QStringLiteral("1"));
    QVERIFY(m_platform->messages.isEmpty());
}

// A wrong key in a number is refused alone and told in the hint, which takes no keystroke:
// the keys typed after it reach the field, and the millesimi follow the field's text.
void TestDatiWindow::wrongKeyInANumberIsRefusedAloneAndTypingGoesOn()
{
    addThreeOwners(); // Rossi 10 + 11, Bianchi 20, Verdi 30 + 31 + 32 square metres
    QLineEdit *surface = edit(QStringLiteral("sup_1"));
    surface->clear();
    type(QStringLiteral("sup_1"), QStringLiteral("4a"));
    QCOMPARE(surface->text(), QStringLiteral("4"));
    QCOMPARE(m_window->passo()->text(),
             QStringLiteral("Attenzione! il dato digitato non è corretto: usare solo numeri e "
                            "la virgola per i decimali."));
    type(QStringLiteral("sup_1"), QStringLiteral("0."));
    QCOMPARE(surface->text(), QStringLiteral("40"));
    QCOMPARE(m_state->unit(1, 1).netSurface, QStringLiteral("40"));
    // 40 of 40 + 11 + 20 + 93 = 164 square metres; Rossi holds 51 of them.
    QCOMPARE(label(QStringLiteral("mill_1"))->text(), QStringLiteral("243,902"));
    QVERIFY(m_window->findChild<QGroupBox *>(QStringLiteral("Frame1"))
                ->title()
                .endsWith(QStringLiteral("millesimi totali: 310,976")));
    QVERIFY(m_platform->messages.isEmpty());

    // A wrong key typed inside the number leaves the cursor where the user types on.
    surface->setCursorPosition(1);
    type(QStringLiteral("sup_1"), QStringLiteral("x5"));
    QCOMPARE(surface->text(), QStringLiteral("450"));
}

void TestDatiWindow::plusCopiesTheFieldOfThePreviousOwner()
{
    addThreeOwners();
    edit(QStringLiteral("indir_3"))->clear();
    m_state->owner(2).ownerAddress = QStringLiteral("piazza Dante 4");
    type(QStringLiteral("indir_3"), QStringLiteral("+"));
    QCOMPARE(edit(QStringLiteral("indir_3"))->text(), QStringLiteral("piazza Dante 4"));
    QCOMPARE(m_state->owner(3).ownerAddress, QStringLiteral("piazza Dante 4"));

    // Scrolled, row 3 shows owner 5, which takes owner 4's name.
    m_window->findChild<QScrollBar *>(QStringLiteral("VScroll1"))->setValue(3);
    m_state->owner(4).ownerName = QStringLiteral("Neri");
    type(QStringLiteral("nomcond_3"), QStringLiteral("+"));
    QCOMPARE(m_state->owner(5).ownerName, QStringLiteral("Neri"));
    QCOMPARE(m_state->ownerCount, 5); // owner 4, set behind the window, is counted too
}

void TestDatiWindow::plusInFirstUnitRowEmptiesTheField()
{
    addThreeOwners();
    QCOMPARE(m_window->unitTop(), 1);
    edit(QStringLiteral("sup_1"))->clear();
    type(QStringLiteral("sup_1"), QStringLiteral("+"));
    QCOMPARE(edit(QStringLiteral("sup_1"))->text(), QString());
    QCOMPARE(m_state->unit(1, 1).netSurface, QString());
    edit(QStringLiteral("nom_1"))->clear();
    type(QStringLiteral("nom_1"), QStringLiteral("+"));
    QCOMPARE(m_state->unit(1, 1).unitName, QString());
    QCOMPARE(m_state->owner(1).unitCount, 1);
    QVERIFY(m_platform->messages.isEmpty());
}

void TestDatiWindow::plusReachesUnitScrolledOutOfView()
{
    QList<Unit> units;
    for (int j = 1; j <= 7; ++j)
        units << makeUnit(QString::number(10 + j));
    addOwner(*m_state, QStringLiteral("Rossi"), QStringLiteral("1"), units);
    m_window->refreshOwnerRows();
    m_window->findChild<QScrollBar *>(QStringLiteral("VScroll2"))->setValue(3);
    QCOMPARE(label(QStringLiteral("num_1"))->text(), QStringLiteral("3"));
    edit(QStringLiteral("sup_1"))->clear();
    type(QStringLiteral("sup_1"), QStringLiteral("+"));
    QCOMPARE(edit(QStringLiteral("sup_1"))->text(), QStringLiteral("12"));
    QCOMPARE(m_state->unit(1, 3).netSurface, QStringLiteral("12"));
    QCOMPARE(label(QStringLiteral("virt_1"))->text(), QStringLiteral("12"));
}

void TestDatiWindow::scrollingOwnersShowsUnitsFromTheFirst()
{
    QList<Unit> units;
    for (int j = 1; j <= 7; ++j)
        units << makeUnit(QString::number(10 + j), {}, QStringLiteral("vano %1").arg(j));
    addOwner(*m_state, QStringLiteral("Rossi"), QStringLiteral("1"), units);
    addOwner(*m_state, QStringLiteral("Bianchi"), QStringLiteral("2"), units);
    m_window->refreshOwnerRows();
    auto *units2 = m_window->findChild<QScrollBar *>(QStringLiteral("VScroll2"));
    units2->setValue(3);
    QCOMPARE(edit(QStringLiteral("nom_1"))->text(), QStringLiteral("vano 3"));
    m_window->findChild<QScrollBar *>(QStringLiteral("VScroll1"))->setValue(2);
    QCOMPARE(m_window->ownerTop(), 2);
    QCOMPARE(units2->value(), 1);
    QCOMPARE(label(QStringLiteral("num_1"))->text(), QStringLiteral("1"));
    QCOMPARE(label(QStringLiteral("rum_1"))->text(), QStringLiteral("2"));
    QCOMPARE(edit(QStringLiteral("nomcond_1"))->text(), QStringLiteral("Bianchi"));
    QCOMPARE(edit(QStringLiteral("nom_1"))->text(), QStringLiteral("vano 1"));
    QVERIFY(m_window->findChild<QGroupBox *>(QStringLiteral("Frame1"))
                ->title()
                .startsWith(QStringLiteral("Condomino n. 2: Bianchi")));
}

// The first row has no row before it; a row holding data takes the previous one's only
// when the user says so, and an empty row takes it at once.
void TestDatiWindow::clickOnNumberLabelAsksBeforeCopyingOverData()
{
    addThreeOwners();
    QTest::mouseClick(label(QStringLiteral("rum_1")), Qt::LeftButton);
    QTest::mouseClick(label(QStringLiteral("num_1")), Qt::LeftButton);
    QCOMPARE(m_state->owner(1).ownerName, QStringLiteral("Rossi"));
    QCOMPARE(m_state->unit(1, 1).netSurface, QStringLiteral("10"));
    QVERIFY(m_platform->messages.isEmpty());

    m_platform->answers.enqueue(false);
    QTest::mouseClick(label(QStringLiteral("rum_2")), Qt::LeftButton);
    QCOMPARE(m_state->owner(2).ownerName, QStringLiteral("Bianchi"));
    QVERIFY(m_platform->lastMessage().question);
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Il condomino n.2 contiene già dei dati: sostituirli con quelli del "
                            "condomino n.1?"));
    m_platform->answers.enqueue(true);
    QTest::mouseClick(label(QStringLiteral("rum_2")), Qt::LeftButton);
    QCOMPARE(m_state->owner(2).ownerName, QStringLiteral("Rossi"));
    QCOMPARE(m_state->owner(2).ownerFloor, QStringLiteral("1"));
    QCOMPARE(edit(QStringLiteral("nomcond_2"))->text(), QStringLiteral("Rossi"));
    QCOMPARE(m_state->ownerCount, 3);

    m_state->unit(1, 1).coeffLight = QStringLiteral("0,9");
    m_window->refreshUnitRows();
    m_platform->answers.enqueue(true);
    QTest::mouseClick(label(QStringLiteral("num_2")), Qt::LeftButton);
    QCOMPARE(m_state->unit(1, 2).coeffLight, QStringLiteral("0,9"));
    QCOMPARE(m_state->unit(1, 2).netSurface, QStringLiteral("10"));
    QCOMPARE(edit(QStringLiteral("lum_2"))->text(), QStringLiteral("0,9"));
    QCOMPARE(label(QStringLiteral("virt_2"))->text(), QStringLiteral("9"));
    QTest::mouseClick(label(QStringLiteral("num_3")), Qt::LeftButton);
    QCOMPARE(m_state->unit(1, 3).netSurface, QStringLiteral("10"));
    QCOMPARE(m_platform->messages.size(), 3);
    QCOMPARE(m_platform->unscripted, 0);
}

// Surfaces 10 + 11, 20 and 30 + 31 + 32 with every coefficient 1: owner 1 holds 21 of 134
// square metres, 156,716 thousandths.
void TestDatiWindow::undoTakesBackTypingCopiesAndDeletions()
{
    addThreeOwners();
    QAction *undo = m_window->findChild<QAction *>(QStringLiteral("annulla"));
    QAction *redo = m_window->findChild<QAction *>(QStringLiteral("ripeti"));
    QVERIFY(!undo->isEnabled());
    QVERIFY(!m_window->isWindowModified());

    // The keystrokes of one field are one step: 1005 + 11 of 1129 square metres.
    type(QStringLiteral("sup_1"), QStringLiteral("05"));
    QCOMPARE(m_state->owner(1).ownerMillesimi.toNumber(), 899.911);
    QVERIFY(m_window->isWindowModified());
    undo->trigger();
    QCOMPARE(edit(QStringLiteral("sup_1"))->text(), QStringLiteral("10"));
    QCOMPARE(m_state->unit(1, 1).netSurface, QStringLiteral("10"));
    QCOMPARE(m_state->owner(1).ownerMillesimi.toNumber(), 156.716);
    QCOMPARE(label(QStringLiteral("virt_1"))->text(), QStringLiteral("10"));
    QVERIFY(!undo->isEnabled());
    QVERIFY(!m_window->isWindowModified());
    redo->trigger();
    QCOMPARE(edit(QStringLiteral("sup_1"))->text(), QStringLiteral("1005"));
    QCOMPARE(m_state->owner(1).ownerMillesimi.toNumber(), 899.911);

    // Owner 2 comes back with his unit, in his place, and the millesimi with him.
    m_window->findChild<QPushButton *>(QStringLiteral("canc_2"))->click();
    QCOMPARE(m_state->ownerCount, 2);
    undo->trigger();
    QCOMPARE(m_state->ownerCount, 3);
    QCOMPARE(m_state->owner(2).ownerName, QStringLiteral("Bianchi"));
    QCOMPARE(m_state->unit(2, 1).unitName, QStringLiteral("cucina"));
    QCOMPARE(m_state->owner(2).unitCount, 1);
    QCOMPARE(m_state->owner(3).ownerName, QStringLiteral("Verdi"));
    QCOMPARE(m_state->owner(3).unitCount, 3);
    QCOMPARE(edit(QStringLiteral("nomcond_2"))->text(), QStringLiteral("Bianchi"));
    QCOMPARE(label(QStringLiteral("Label1"))->text(), QStringLiteral("3"));
    QCOMPARE(m_state->owner(2).ownerMillesimi.toNumber(), 17.715);

    // A copy taken back, seen from another owner: the list comes back to the owner.
    m_platform->answers.enqueue(true);
    QTest::mouseClick(label(QStringLiteral("rum_3")), Qt::LeftButton);
    QCOMPARE(m_state->owner(3).ownerName, QStringLiteral("Bianchi"));
    m_window->findChild<QScrollBar *>(QStringLiteral("VScroll1"))->setValue(10);
    undo->trigger();
    QCOMPARE(m_state->owner(3).ownerName, QStringLiteral("Verdi"));
    QCOMPARE(m_window->ownerTop(), 3);
    QCOMPARE(edit(QStringLiteral("nomcond_1"))->text(), QStringLiteral("Verdi"));
}

void TestDatiWindow::numberLabelsLightUpUnderTheMouse()
{
    QLabel *rum = label(QStringLiteral("rum_2"));
    QLabel *num = label(QStringLiteral("num_4"));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(rum, &enter);
    QCOMPARE(rum->palette().color(QPalette::Window), QColor(Qt::yellow));
    QCOMPARE(num->palette().color(QPalette::Window), QColor(Qt::cyan));
    QApplication::sendEvent(num, &enter);
    QCOMPARE(rum->palette().color(QPalette::Window), QColor(Qt::cyan));
    QCOMPARE(num->palette().color(QPalette::Window), QColor(Qt::yellow));
    QMouseEvent move(QEvent::MouseMove, QPointF(620, 90), QPointF(620, 90), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(m_window->form(), &move);
    QCOMPARE(num->palette().color(QPalette::Window), QColor(Qt::cyan));
}

void TestDatiWindow::deleteOwnerTwoOfThreeMovesTheThird()
{
    addThreeOwners();
    m_window->findChild<QPushButton *>(QStringLiteral("canc_2"))->click();
    QCOMPARE(m_state->ownerCount, 2);
    QCOMPARE(m_state->owner(2).ownerName, QStringLiteral("Verdi"));
    QCOMPARE(m_state->owner(2).ownerFloor, QStringLiteral("3"));
    QCOMPARE(m_state->owner(2).unitCount, 3);
    QCOMPARE(m_state->unit(2, 3).netSurface, QStringLiteral("32"));
    QCOMPARE(m_state->owner(3).ownerName, QString());
    QCOMPARE(m_state->owner(3).unitCount, 0);
    QCOMPARE(m_state->unit(3, 1).netSurface, QString());
    QCOMPARE(edit(QStringLiteral("nomcond_2"))->text(), QStringLiteral("Verdi"));
    QCOMPARE(edit(QStringLiteral("nomcond_3"))->text(), QString());
    QCOMPARE(label(QStringLiteral("Label1"))->text(), QStringLiteral("2"));
    // 21 of 114 square metres: the millesimi follow the remaining owners.
    QCOMPARE(m_state->owner(1).ownerMillesimi.toNumber(), 184.211);
}

void TestDatiWindow::deleteOwnerBeyondTheCountKeepsTheLastOwnersUnits()
{
    addThreeOwners();
    m_window->findChild<QPushButton *>(QStringLiteral("canc_4"))->click();
    QCOMPARE(m_state->ownerCount, 3);
    QCOMPARE(m_state->owner(3).unitCount, 3);
    QCOMPARE(m_state->unit(3, 2).netSurface, QStringLiteral("31"));
}

void TestDatiWindow::deleteFirstOfThreeUnits()
{
    addThreeOwners();
    m_window->findChild<QScrollBar *>(QStringLiteral("VScroll1"))->setValue(3);
    QCOMPARE(edit(QStringLiteral("sup_3"))->text(), QStringLiteral("32"));
    m_window->findChild<QPushButton *>(QStringLiteral("canc2_1"))->click();
    QCOMPARE(m_state->owner(3).unitCount, 2);
    QCOMPARE(m_state->unit(3, 1).netSurface, QStringLiteral("31"));
    QCOMPARE(m_state->unit(3, 2).netSurface, QStringLiteral("32"));
    QCOMPARE(m_state->unit(3, 3).netSurface, QString());
    QCOMPARE(edit(QStringLiteral("sup_1"))->text(), QStringLiteral("31"));
    QCOMPARE(edit(QStringLiteral("sup_3"))->text(), QString());
    QCOMPARE(label(QStringLiteral("virt_1"))->text(), QStringLiteral("31"));
}

void TestDatiWindow::deleteUnitOnEmptyRowChangesNothing()
{
    addThreeOwners();
    m_window->findChild<QPushButton *>(QStringLiteral("canc2_4"))->click();
    QCOMPARE(m_state->owner(1).unitCount, 2);
    QCOMPARE(m_state->unit(1, 2).netSurface, QStringLiteral("11"));
}

// The floor is judged whole when the field is left: "1" on the way to "10", or "-" on the
// way to "-1", raises nothing that could take the next keystroke.
void TestDatiWindow::floorIsJudgedWhenTheFieldIsLeft()
{
    addThreeOwners();
    edit(QStringLiteral("pian_3"))->clear();
    type(QStringLiteral("pian_3"), QStringLiteral("10"));
    QCOMPARE(edit(QStringLiteral("pian_3"))->text(), QStringLiteral("10"));
    QCOMPARE(m_state->owner(3).ownerFloor, QStringLiteral("10"));
    QTest::keyClick(edit(QStringLiteral("pian_3")), Qt::Key_Return);
    QVERIFY(m_platform->messages.isEmpty());

    edit(QStringLiteral("pian_3"))->clear();
    type(QStringLiteral("pian_3"), QStringLiteral("1"));
    QVERIFY(m_platform->messages.isEmpty());
    QTest::keyClick(edit(QStringLiteral("pian_3")), Qt::Key_Return);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Critical);
    QCOMPARE(m_platform->lastMessage().title, m_state->texts.helpTitle);
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("Inserisci prima i piani più bassi."));
    QCOMPARE(m_state->owner(3).ownerFloor, QStringLiteral("1"));
    // Leaving the field again with the same floor does not repeat the warning.
    QTest::keyClick(edit(QStringLiteral("pian_3")), Qt::Key_Return);
    QCOMPARE(m_platform->messages.size(), 1);

    edit(QStringLiteral("pian_2"))->clear();
    type(QStringLiteral("pian_2"), QStringLiteral("-1"));
    QCOMPARE(edit(QStringLiteral("pian_2"))->text(), QStringLiteral("-1"));
    QCOMPARE(m_platform->messages.size(), 1);
    QTest::keyClick(edit(QStringLiteral("pian_2")), Qt::Key_Return);
    QCOMPARE(m_platform->messages.size(), 2);
    QCOMPARE(m_state->owner(2).ownerFloor, QStringLiteral("-1"));
}

void TestDatiWindow::floorSpinUpRaisesTheFloor()
{
    addThreeOwners();
    auto *spin = m_window->findChild<QScrollBar *>(QStringLiteral("VScroll3_3"));
    QCOMPARE(spin->value(), 3);
    QCOMPARE(spin->minimum(), -10);
    QCOMPARE(spin->maximum(), 40);
    spin->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(edit(QStringLiteral("pian_3"))->text(), QStringLiteral("4"));
    QCOMPARE(m_state->owner(3).ownerFloor, QStringLiteral("4"));
    QVERIFY(spin->invertedAppearance()); // the upper arrow adds
}

void TestDatiWindow::stepHintsFollowTheEntryInOrder()
{
    const QString x = QStringLiteral(" del locale n. 1 del condomino n. 1");
    auto hint = [this] { return m_window->passo()->text(); };
    QCOMPARE(hint(), QStringLiteral("aprire un file con i dati archiviati o iniziare "
                                    "l'immissione digitando il nome del condominio"));
    type(QStringLiteral("nome"), QStringLiteral("Aurora"));
    QCOMPARE(m_state->condoName, QStringLiteral("Aurora"));
    QCOMPARE(hint(), QStringLiteral("digitare il nome del primo condomino"));
    type(QStringLiteral("nomcond_1"), QStringLiteral("Rossi"));
    QCOMPARE(hint(), QStringLiteral("digitare l'indirizzo del primo condomino"));
    type(QStringLiteral("indir_1"), QStringLiteral("via Roma 1"));
    QCOMPARE(hint(), QStringLiteral("digitare il numero del piano del primo condomino"));
    type(QStringLiteral("pian_1"), QStringLiteral("1"));
    QCOMPARE(hint(), QStringLiteral("scegliere il tipo di ripartizione delle spese di "
                                    "riscaldamento"));
    m_window->findChild<QRadioButton *>(QStringLiteral("Option1_2"))->click();
    QCOMPARE(m_state->heatingBasis, 2);
    QCOMPARE(label(QStringLiteral("Label13"))->text(), QStringLiteral("sup. radiante"));
    QCOMPARE(label(QStringLiteral("Label14"))->text(), QStringLiteral("mq"));
    QCOMPARE(hint(), QStringLiteral("visualizzare (con la barra di scorrimento) alla prima riga "
                                    "il condomino n. 1 e digitare i dati dei locali"));
    type(QStringLiteral("nom_1"), QStringLiteral("camera"));
    QCOMPARE(hint(), QStringLiteral("digitare la superficie") + x);
    type(QStringLiteral("sup_1"), QStringLiteral("20"));
    QCOMPARE(hint(), QStringLiteral("digitare il coefficiente di destinazione") + x);
    const QList<QPair<const char *, const char *>> coefficients = {
        {"dest_1", "digitare il coefficiente di piano"},
        {"pia_1", "digitare il coefficiente di orientamento"},
        {"ori_1", "digitare il coefficiente di prospetto"},
        {"pros_1", "digitare il coefficiente di luminosità"},
        {"lum_1", "digitare il coefficiente di funzionalità globale"},
        {"funz_1", "digitare il coefficiente di volume"},
        {"vol_1", "digitare la superficie radiante (per la ripartizione delle spese di "
                  "riscaldamento)"}};
    for (const auto &step : coefficients) {
        type(QString::fromLatin1(step.first), QStringLiteral("1"));
        QCOMPARE(hint(), QString::fromUtf8(step.second) + x);
    }
    m_window->findChild<QRadioButton *>(QStringLiteral("Option1_1"))->click();
    QCOMPARE(hint(), QStringLiteral("digitare la cubatura (per la ripartizione delle spese di "
                                    "riscaldamento)") + x);
    QCOMPARE(label(QStringLiteral("Label13"))->text(), QStringLiteral("cubatura"));
    type(QStringLiteral("rad_1"), QStringLiteral("60"));
    QCOMPARE(hint(), QStringLiteral("digitare i dati di almeno un altro condomino"));
    type(QStringLiteral("nomcond_2"), QStringLiteral("Bianchi"));
    QCOMPARE(hint(), QStringLiteral("visualizzare (con la barra di scorrimento) alla prima riga "
                                    "il condomino n. 2 e digitare i dati dei locali"));
    m_state->owner(2).units[1] = makeUnit(QStringLiteral("30"));
    m_state->owner(2).unitCount = 1;
    m_window->showStepHint();
    QCOMPARE(hint(), QStringLiteral("correggere, archiviare quanto immesso, digitare ulteriori "
                                    "dati, andare oltre (stampa, ripartizione spese)"));
    QVERIFY(m_platform->messages.isEmpty());
}

// Cells emptied and filled again at random, before, at and after the gap, and beyond the
// unit and owner counts; an owner without units stands among the others.
void TestDatiWindow::typedUnitCellsMoveTheHintsGapAsAWholeSearchFinds()
{
    SharedState state;
    RegistryFixture::fillRegistry(state, 30, 6);
    state.owner(20).unitCount = 0;
    DatiRegistry::UnitGap gap = DatiRegistry::firstUnitGap(state);
    QCOMPARE(gap.owner, 20);
    QRandomGenerator random(7);
    for (int edit = 0; edit < 600; ++edit) {
        const int i = random.bounded(1, 32);
        const int u = random.bounded(1, 8);
        const auto field = DatiRegistry::UnitField(random.bounded(DatiRegistry::UnitFieldCount));
        if (field == DatiRegistry::UnitField::Name)
            continue; // a name changes the count: the window searches from the start
        DatiRegistry::unitCell(state.unit(i, u), field) =
            random.bounded(3) == 0 ? QString() : QStringLiteral("1");
        gap = DatiRegistry::gapAfterUnitChange(state, gap, i, u);
        const DatiRegistry::UnitGap whole = DatiRegistry::firstUnitGap(state);
        QVERIFY2(gap.owner == whole.owner && gap.unit == whole.unit,
                 qPrintable(QStringLiteral("edit %1: %2/%3 instead of %4/%5").arg(edit)
                                .arg(gap.owner).arg(gap.unit).arg(whole.owner).arg(whole.unit)));
    }
}

void TestDatiWindow::clearWindowEmptiesAndShowsFirstHint()
{
    addThreeOwners();
    m_state->heatingBasis = 1;
    m_window->findChild<QRadioButton *>(QStringLiteral("Option1_1"))->setChecked(true);
    m_window->findChild<QScrollBar *>(QStringLiteral("VScroll1"))->setValue(2);
    m_window->findChild<QAction *>(QStringLiteral("cancella"))->trigger();
    QCOMPARE(m_state->ownerCount, 0);
    QCOMPARE(m_state->condoName, QString());
    QCOMPARE(m_state->owner(3).unitCount, 0);
    QCOMPARE(m_state->unit(3, 3).netSurface, QString());
    QCOMPARE(m_state->heatingBasis, 1);
    QCOMPARE(m_window->ownerTop(), 1);
    QCOMPARE(m_window->unitTop(), 1);
    QCOMPARE(edit(QStringLiteral("nomcond_1"))->text(), QString());
    QCOMPARE(edit(QStringLiteral("sup_1"))->text(), QString());
    QCOMPARE(edit(QStringLiteral("nome"))->text(), QString());
    QCOMPARE(label(QStringLiteral("Label1"))->text(), QString());
    QCOMPARE(m_window->findChild<QGroupBox *>(QStringLiteral("Frame1"))->title(), QString());
    QCOMPARE(m_window->heatingOption(), 0);
    QCOMPARE(label(QStringLiteral("Label13"))->text(), QStringLiteral("riscald."));
    QCOMPARE(label(QStringLiteral("Label14"))->text(), QStringLiteral("mc-mq"));
    QCOMPARE(m_window->passo()->text(),
             QStringLiteral("aprire un file con i dati archiviati o iniziare l'immissione "
                            "digitando il nome del condominio"));
}

void TestDatiWindow::helpListsSixInstructions()
{
    m_window->findChild<QPushButton *>(QStringLiteral("aiuto"))->click();
    QCOMPARE(m_platform->lastMessage().icon, MessageIcon::Information);
    QCOMPARE(m_platform->lastMessage().title, m_state->texts.helpTitle);
    const QStringList lines = m_platform->lastMessage().text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines.at(2), QStringLiteral("- digitare il segno + per copiare il singolo dato del "
                                         "rigo precedente;"));
    for (const QString &line : lines)
        QVERIFY(line.startsWith(QStringLiteral("- ")));
}

void TestDatiWindow::handOverAsksAboutDeletedData()
{
    addThreeOwners();
    m_window->findChild<QPushButton *>(QStringLiteral("cmdspese"))->click();
    QVERIFY(m_platform->messages.isEmpty()); // owner 1 still has his units
    QVERIFY(m_shell->existingWorkWindow(2)->isVisible());

    m_window->findChild<QPushButton *>(QStringLiteral("canc2_1"))->click();
    m_window->findChild<QPushButton *>(QStringLiteral("canc2_1"))->click();
    QCOMPARE(m_state->owner(1).unitCount, 0);
    m_platform->answers.enqueue(true);
    m_platform->choices.enqueue(1); // the deletions are not saved before the archive opens
    m_platform->fileNames.enqueue(QString()); // the archive dialog is then cancelled
    m_window->findChild<QPushButton *>(QStringLiteral("cmdspese"))->click();
    QCOMPARE(m_platform->messages.size(), 2);
    QCOMPARE(m_platform->messages.first().icon, MessageIcon::Question);
    QCOMPARE(m_platform->messages.first().title, m_state->texts.checkTitle);
    QCOMPARE(m_platform->messages.first().text,
             QStringLiteral("Attenzione:\nsono stati cancellati dei dati, riprenderli "
                            "dall'archivio se si deve operare nella finestra Spese."));
    QCOMPARE(m_platform->dialogs.size(), 1);
    QCOMPARE(m_platform->dialogs.last().title, QStringLiteral("Apri file"));

    m_platform->answers.enqueue(false);
    m_window->findChild<QAction *>(QStringLiteral("finestra4"))->trigger();
    QCOMPARE(m_platform->messages.size(), 3);
    QCOMPARE(m_platform->dialogs.size(), 1);
    QVERIFY(m_shell->existingWorkWindow(4)->isVisible());
    QCOMPARE(m_platform->unscripted, 0);
}

QTEST_MAIN(TestDatiWindow)
#include "tst_datiwindow.moc"
