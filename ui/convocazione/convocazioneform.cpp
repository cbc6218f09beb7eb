#include "ui/convocazione/convocazioneform.h"

#include "core/assembly/meetingnotice.h"
#include "ui/convocazione/convocazionetexts.h"
#include "ui/frame/formcontrols.h"
#include "ui/frame/workwindow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace veltra {

namespace {

using FormControls::panel;

constexpr int LineHeight = 22;
constexpr int CallsTop = 82;
constexpr int AgendaTop = 136;
constexpr int RowsTop = 162;
constexpr int RowStep = 24;

QLabel *label(QWidget *parent, const char *name, const QRect &rect)
{
    return FormControls::heading(parent, ConvocazioneTexts::labels(), name, rect);
}

QLineEdit *lineEdit(QWidget *parent, const char *name, const QRect &rect)
{
    QLineEdit *edit = FormControls::lineEdit(parent, QString::fromLatin1(name), rect);
    edit->setToolTip(ConvocazioneTexts::fieldTip(name));
    return edit;
}

} // namespace

ConvocazioneForm::ConvocazioneForm(QWidget *form)
{
    buildHeader(form);
    buildCalls(form);
    buildAgenda(form);
    buildBottom(form);
}

void ConvocazioneForm::buildHeader(QWidget *form)
{
    label(form, "lb1", QRect(8, 4, 80, 20));
    nome = panel(form, QStringLiteral("nome"), QRect(90, 4, 330, 20));
    nome->setToolTip(ConvocazioneTexts::fieldTip("nome"));

    label(form, "Label2", QRect(8, 30, 150, 20));
    oggett = new QComboBox(form);
    oggett->setObjectName(QStringLiteral("oggett"));
    oggett->setEditable(true);
    oggett->setInsertPolicy(QComboBox::NoInsert);
    oggett->addItems(ConvocazioneTexts::subjectEntries());
    oggett->setCurrentIndex(-1);
    oggett->setToolTip(ConvocazioneTexts::fieldTip("oggett"));
    oggett->setGeometry(160, 28, 390, LineHeight);
    label(form, "Label9", QRect(556, 30, 20, 20));
    numer = lineEdit(form, "numer", QRect(578, 28, 54, LineHeight));

    test = lineEdit(form, "test", QRect(8, 54, 624, LineHeight));
}

void ConvocazioneForm::buildCalls(QWidget *form)
{
    const char *const names[2][6] = {
        {"Label4", "dat1", "Label6", "or1", "Label10", "luog1"},
        {"Label7", "dat2", "Label11", "or2", "Label12", "luog2"}};
    QLineEdit **fields[2][3] = {{&dat1, &or1, &luog1}, {&dat2, &or2, &luog2}};
    for (int call = 0; call < 2; ++call) {
        const int top = CallsTop + call * 26;
        label(form, names[call][0], QRect(8, top + 2, 150, 20));
        *fields[call][0] = lineEdit(form, names[call][1], QRect(160, top, 84, LineHeight));
        label(form, names[call][2], QRect(250, top + 2, 44, 20));
        *fields[call][1] = lineEdit(form, names[call][3], QRect(296, top, 60, LineHeight));
        label(form, names[call][4], QRect(362, top + 2, 56, 20));
        *fields[call][2] = lineEdit(form, names[call][5], QRect(420, top, 212, LineHeight));
    }
}

void ConvocazioneForm::buildAgenda(QWidget *form)
{
    label(form, "Label13", QRect(8, AgendaTop + 2, 150, 20));
    discut = lineEdit(form, "discut", QRect(160, AgendaTop, 472, LineHeight));
    for (int r = 1; r <= Rows; ++r) {
        const int top = RowsTop + (r - 1) * RowStep;
        nu[r] = panel(form, FormControls::indexed(QStringLiteral("nu"), r),
                      QRect(8, top, 30, LineHeight));
        nu[r]->setAlignment(Qt::AlignCenter);
        nu[r]->setText(QString::number(r));
        giorn[r] = lineEdit(form, "giorn", QRect(42, top, 570, LineHeight));
        giorn[r]->setObjectName(FormControls::indexed(QStringLiteral("giorn"), r));
    }
    agendaBar = FormControls::scrollBar(form, QStringLiteral("VScroll1"),
                                        MeetingNotice::AgendaPoints - Rows + 1, Rows,
                                        QRect(616, RowsTop, 16, Rows * RowStep - 2));
}

void ConvocazioneForm::buildBottom(QWidget *form)
{
    const int notesTop = RowsTop + Rows * RowStep + 4;
    label(form, "Label8", QRect(8, notesTop + 2, 110, 20));
    notes = lineEdit(form, "notes", QRect(120, notesTop, 512, LineHeight));

    const int dateTop = notesTop + 30;
    label(form, "Label1", QRect(8, dateTop + 2, 110, 20));
    dat0 = lineEdit(form, "dat0", QRect(120, dateTop, 90, LineHeight));

    cmdStampa = new QPushButton(ConvocazioneTexts::printButtonCaption(), form);
    cmdStampa->setObjectName(QStringLiteral("cmdStampa"));
    cmdStampa->setToolTip(ConvocazioneTexts::printButtonTip());
    cmdStampa->setGeometry(222, dateTop - 2, 90, 26);

    frame1 = new QGroupBox(ConvocazioneTexts::copiesFrameCaption(), form);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(324, notesTop + 26, 308, WorkWindow::StepHintTop - notesTop - 30);
    for (int j = 1; j <= 2; ++j) {
        ncopie[j] = new QRadioButton(ConvocazioneTexts::copiesOption(j), frame1);
        ncopie[j]->setObjectName(FormControls::indexed(QStringLiteral("ncopie"), j));
    }
    ncopie[1]->setGeometry(8, 16, 292, 18);
    ncopie[2]->setGeometry(8, 34, 292, 18);
    ncopie[1]->setChecked(true);

    if (auto *passo = form->findChild<QLabel *>(QStringLiteral("passo")))
        passo->setToolTip(ConvocazioneTexts::stepHintTip());
}

} // namespace veltra
