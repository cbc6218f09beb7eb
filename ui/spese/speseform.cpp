#include "ui/spese/speseform.h"

#include "ui/frame/formcontrols.h"
#include "ui/spese/spesewindowtexts.h"
#include "ui/frame/workwindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace veltra {

namespace {

using FormControls::lineEdit;
using FormControls::panel;

constexpr int HeadingTop = 142;
constexpr int RowsTop = 170;
constexpr int RowHeight = 19;
constexpr int FaceRowTop = WorkWindow::FormHeight - 28;

// Left edge and width of each grid column, in the order of the row's controls.
struct Column
{
    const char *name;
    int x;
    int width;
};

constexpr Column RumColumn{"rum", 4, 24};
constexpr Column NomcondColumn{"nomcond", 30, 112};
constexpr Column IndirColumn{"indir", 144, 112};
constexpr Column Check1Column{"Check1", 262, 18};
constexpr Column PercColumn{"perc", 292, 40};
constexpr Column MillColumn{"mill", 334, 54};
constexpr Column PianColumn{"pian", 390, 54};
constexpr Column RiscColumn{"risc", 446, 44};
constexpr Column UnterzColumn{"unterz", 494, 20};
constexpr Column DueterzColumn{"dueterz", 516, 40};
constexpr Column SpeColumn{"spe", 558, 58};
// The heat-meter columns take the places of perc, pian, and unterz with dueterz.
constexpr Column StimaColumn{"stima", 292, 40};
constexpr Column LettColumn{"lett", 390, 54};
constexpr Column FabbColumn{"fabb", 494, 62};


QString indexed(const char *name, int index)
{
    return FormControls::indexed(QString::fromLatin1(name), index);
}

QRect cell(const Column &column, int r)
{
    return QRect(column.x, RowsTop + (r - 1) * RowHeight, column.width, RowHeight - 1);
}

QLabel *heading(QWidget *parent, const char *name, const QRect &rect)
{
    return FormControls::heading(parent, SpeseTexts::headings(), name, rect);
}

QLabel *columnHeading(QWidget *parent, const Column &column)
{
    return heading(parent, QByteArray("lb").append(column.name).constData(),
                   QRect(column.x, HeadingTop, column.width, RowsTop - HeadingTop - 2));
}

QPushButton *button(QWidget *parent, const char *name, const QRect &rect)
{
    const SpeseTexts::Caption &caption = SpeseTexts::button(name);
    auto *push = new QPushButton(QString::fromUtf8(caption.text), parent);
    push->setObjectName(QString::fromLatin1(name));
    push->setToolTip(QString::fromUtf8(caption.toolTip));
    push->setGeometry(rect);
    return push;
}

QRadioButton *option(QWidget *parent, const SpeseTexts::Caption &caption, const QRect &rect)
{
    auto *radio = new QRadioButton(QString::fromUtf8(caption.text), parent);
    radio->setObjectName(QString::fromLatin1(caption.name));
    radio->setToolTip(QString::fromUtf8(caption.toolTip));
    radio->setGeometry(rect);
    return radio;
}

} // namespace

QLineEdit *SpeseForm::OwnerRow::field(ExpenseColumn column) const
{
    switch (column) {
    case ExpenseColumn::FixedPercent:
        return perc;
    case ExpenseColumn::OwnerMillesimi:
        return mill;
    case ExpenseColumn::FloorMillesimi:
        return pian;
    case ExpenseColumn::HeatingQuantity:
        return risc;
    case ExpenseColumn::TwoThirds:
        return dueterz;
    case ExpenseColumn::MeterReading:
        return lett;
    case ExpenseColumn::DemandMillesimi:
        return fabb;
    case ExpenseColumn::TakesPart:
    case ExpenseColumn::OneThird:
    case ExpenseColumn::ReadingEstimated:
        break;
    }
    return nullptr;
}

void SpeseForm::OwnerRow::setEditable(ExpenseColumn column, bool editable) const
{
    if (QLineEdit *edit = field(column)) {
        edit->setReadOnly(!editable);
        return;
    }
    QCheckBox *box = column == ExpenseColumn::TakesPart ? check1
        : column == ExpenseColumn::OneThird            ? unterz
                                                       : stima;
    box->setEnabled(editable);
}

void SpeseForm::showMeterColumns(bool meters) const
{
    for (QWidget *control : m_meterControls)
        control->setVisible(meters);
    for (QWidget *control : m_replacedControls)
        control->setVisible(!meters);
    consumo->setEnabled(meters);
    base->setEnabled(meters);
    importa->setEnabled(meters);
}

SpeseForm::SpeseForm(QWidget *form)
{
    buildHeader(form);
    buildItem(form);
    buildCriteria(form);
    buildGrid(form);
    buildBottom(form);
    buildMeterParameters(form);
}

void SpeseForm::buildHeader(QWidget *form)
{
    heading(form, "lbnome", QRect(8, 4, 70, 18));
    nome = panel(form, QStringLiteral("nome"), QRect(80, 4, 250, 18));
    heading(form, "lbtot", QRect(340, 4, 76, 18));
    tot = panel(form, QStringLiteral("tot"), QRect(418, 4, 40, 18));

    frame1 = new QGroupBox(QStringLiteral("gestione"), form);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(8, 26, 150, 66);
    for (int j = 1; j <= 2; ++j)
        option2[j] = option(frame1, SpeseTexts::managementOption(j),
                            QRect(8, j == 1 ? 18 : 40, 90, 20));
    esport = button(frame1, "esport", QRect(104, 26, 36, 24));
}

void SpeseForm::buildItem(QWidget *form)
{
    heading(form, "lbspesatotale", QRect(166, 30, 150, 18));
    spesatotale = lineEdit(form, QStringLiteral("spesatotale"), QRect(318, 28, 110, 20));
    heading(form, "lbtipospesa", QRect(166, 52, 80, 18));
    tipospesa = lineEdit(form, QStringLiteral("tipospesa"), QRect(248, 50, 262, 20));
    heading(form, "lbdataspesa", QRect(166, 74, 40, 18));
    dataspesa = lineEdit(form, QStringLiteral("dataspesa"), QRect(208, 72, 90, 20));

    vscroll2 = FormControls::scrollBar(form, QStringLiteral("VScroll2"), 200, 10,
                                       QRect(520, 28, 16, 64));
    ns = button(form, "ns", QRect(540, 28, 44, 22));
    heading(form, "lbtotspe", QRect(540, 54, 60, 16));
    totspe = panel(form, QStringLiteral("totspe"), QRect(540, 72, 44, 20));
}

void SpeseForm::buildCriteria(QWidget *form)
{
    heading(form, "lbOption1", QRect(8, 98, 130, 18));
    const QRect rects[Criteria + 1] = {
        QRect(),
        QRect(140, 96, 110, 20), QRect(254, 96, 120, 20), QRect(378, 96, 190, 20),
        QRect(8, 118, 236, 20), QRect(248, 118, 20, 20), QRect(440, 118, 20, 20),
        // Criterion 7 stands in the free end of the header line; its parameters beside the date.
        QRect(464, 4, 172, 18),
    };
    criteria = new QButtonGroup(form);
    for (int j = 1; j <= Criteria; ++j) {
        option1[j] = option(form, SpeseTexts::criterionOption(j), rects[j]);
        criteria->addButton(option1[j], j);
    }
    art1124 = button(form, "art1124", QRect(268, 116, 168, 22));
    art1126 = button(form, "art1126", QRect(460, 116, 176, 22));
}

void SpeseForm::buildGrid(QWidget *form)
{
    for (const Column &column : {RumColumn, NomcondColumn, IndirColumn, PercColumn, MillColumn,
                                 PianColumn, RiscColumn, UnterzColumn, DueterzColumn, SpeColumn})
        columnHeading(form, column);
    heatingHeading = form->findChild<QLabel *>(QStringLiteral("lbrisc"));
    for (const char *name : {"lbperc", "lbpian", "lbunterz", "lbdueterz"})
        m_replacedControls << form->findChild<QLabel *>(QString::fromLatin1(name));
    for (const Column &column : {StimaColumn, LettColumn, FabbColumn})
        m_meterControls << columnHeading(form, column);
    tutti = button(form, "tutti", QRect(254, HeadingTop, 36, 24));
    for (int r = 1; r <= Rows; ++r)
        buildRow(form, r);
    vscroll1 = FormControls::scrollBar(form, QStringLiteral("VScroll1"), 491, Rows,
                                       QRect(618, RowsTop, 16, Rows * RowHeight - 1));
}

void SpeseForm::buildRow(QWidget *form, int r)
{
    OwnerRow &row = rows[r];
    row.rum = panel(form, indexed(RumColumn.name, r), cell(RumColumn, r));
    row.rum->setAlignment(Qt::AlignCenter);
    row.nomcond = panel(form, indexed(NomcondColumn.name, r), cell(NomcondColumn, r));
    row.indir = panel(form, indexed(IndirColumn.name, r), cell(IndirColumn, r));
    row.check1 = new QCheckBox(form);
    row.check1->setObjectName(indexed(Check1Column.name, r));
    row.check1->setGeometry(cell(Check1Column, r));
    row.perc = lineEdit(form, indexed(PercColumn.name, r), cell(PercColumn, r));
    row.mill = lineEdit(form, indexed(MillColumn.name, r), cell(MillColumn, r));
    row.pian = lineEdit(form, indexed(PianColumn.name, r), cell(PianColumn, r));
    row.risc = lineEdit(form, indexed(RiscColumn.name, r), cell(RiscColumn, r));
    row.unterz = new QCheckBox(form);
    row.unterz->setObjectName(indexed(UnterzColumn.name, r));
    row.unterz->setGeometry(cell(UnterzColumn, r));
    row.dueterz = lineEdit(form, indexed(DueterzColumn.name, r), cell(DueterzColumn, r));
    row.dueterz->setToolTip(SpeseTexts::twoThirdsBoxTip());
    row.spe = panel(form, indexed(SpeColumn.name, r), cell(SpeColumn, r));
    row.spe->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_replacedControls << row.perc << row.pian << row.unterz << row.dueterz;
    buildMeterRow(form, r);
}

void SpeseForm::buildMeterRow(QWidget *form, int r)
{
    OwnerRow &row = rows[r];
    row.stima = new QCheckBox(form);
    row.stima->setObjectName(indexed(StimaColumn.name, r));
    row.stima->setGeometry(cell(StimaColumn, r).adjusted(12, 0, 0, 0));
    row.lett = lineEdit(form, indexed(LettColumn.name, r), cell(LettColumn, r));
    row.fabb = lineEdit(form, indexed(FabbColumn.name, r), cell(FabbColumn, r));
    m_meterControls << row.stima << row.lett << row.fabb;
}

void SpeseForm::buildBottom(QWidget *form)
{
    if (auto *passo = form->findChild<QLabel *>(QStringLiteral("passo"))) {
        passo->setGeometry(8, WorkWindow::StepHintTop, 320, WorkWindow::StepHintHeight);
        passo->setToolTip(SpeseTexts::stepHintTip());
    }
    cmddati = button(form, "cmddati", QRect(332, FaceRowTop, 64, 24));
}

void SpeseForm::buildMeterParameters(QWidget *form)
{
    heading(form, "lbconsumo", QRect(304, 74, 56, 18));
    consumo = lineEdit(form, QStringLiteral("consumo"), QRect(362, 72, 32, 20));
    base = new QComboBox(form);
    base->setObjectName(QStringLiteral("base"));
    base->addItems(SpeseTexts::meterBases());
    base->setToolTip(SpeseTexts::meterBasisTip());
    base->setGeometry(398, 72, 118, 20);
    importa = button(form, "importa", QRect(570, 95, 66, 22));
    showMeterColumns(false);
}

} // namespace veltra
