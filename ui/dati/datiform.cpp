#include "ui/dati/datiform.h"

#include "ui/dati/datiwindowtexts.h"
#include "ui/frame/formcontrols.h"
#include "ui/frame/workwindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace veltra {

namespace {

using DatiRegistry::OwnerField;
using DatiRegistry::UnitField;
using FormControls::lineEdit;

constexpr int OwnerRowsTop = 98;
constexpr int OwnerRowHeight = 20;
constexpr int UnitRowsTop = 50;
constexpr int UnitRowHeight = 22;
constexpr int CoefficientLeft = 184;
constexpr int CoefficientWidth = 34;
constexpr int FaceRowTop = WorkWindow::FormHeight - 28;

using FormControls::indexed;

QLabel *heading(QWidget *parent, const char *name, const QRect &rect)
{
    return FormControls::heading(parent, DatiTexts::headings(), name, rect);
}

QPushButton *rowButton(QWidget *parent, const QString &name, const QString &text,
                       const QString &tip, const QRect &rect)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    button->setGeometry(rect);
    return button;
}

QLabel *numberLabel(QWidget *parent, const QString &name, const QString &tip, const QRect &rect)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setToolTip(tip);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    label->setFrameShape(QFrame::Panel);
    label->setGeometry(rect);
    return label;
}

} // namespace

DatiForm::DatiForm(QWidget *form)
{
    buildHeader(form);
    buildOwnerTable(form);
    frame1 = new QGroupBox(DatiTexts::initialFrameCaption(), form);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(4, 200, 632, 168);
    buildUnitTable();
    buildBottom(form);
}

QList<QLabel *> DatiForm::numberLabels() const
{
    QList<QLabel *> labels;
    for (int r = 1; r <= Rows; ++r)
        labels << owners[r].rum << units[r].num;
    return labels;
}

void DatiForm::buildHeader(QWidget *form)
{
    heading(form, "lb1", QRect(8, 6, 70, 18));
    nome = lineEdit(form, QStringLiteral("nome"), QRect(80, 4, 260, 20));
    heading(form, "Label2", QRect(352, 6, 76, 18));
    label1 = new QLabel(form);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setFrameShape(QFrame::Panel);
    label1->setGeometry(430, 4, 44, 20);

    heading(form, "Label16", QRect(8, 30, 290, 18))->setWordWrap(false);
    option[0] = nullptr;
    for (int k = 1; k <= 2; ++k) {
        option[k] = new QRadioButton(DatiTexts::heatingOptionCaption(k), form);
        option[k]->setObjectName(indexed(QStringLiteral("Option1"), k));
        option[k]->setGeometry(k == 1 ? 300 : 408, 28, k == 1 ? 104 : 170, 22);
    }
    auto *standing = new QLabel(DatiTexts::standingHint(), form);
    standing->setObjectName(QStringLiteral("Label4"));
    standing->setWordWrap(true);
    standing->setGeometry(8, 52, 624, 28);
}

void DatiForm::buildOwnerTable(QWidget *form)
{
    heading(form, "Label56", QRect(8, 82, 26, 16));
    heading(form, "Label57", QRect(38, 82, 180, 16));
    heading(form, "Label15", QRect(222, 82, 250, 16));
    heading(form, "Label17", QRect(476, 82, 50, 16));
    const QRect fieldRects[] = {QRect(38, 0, 180, 19), QRect(222, 0, 250, 19),
                                QRect(476, 0, 36, 19)};
    for (int r = 1; r <= Rows; ++r) {
        const int y = OwnerRowsTop + (r - 1) * OwnerRowHeight;
        OwnerRow &row = owners[r];
        row.rum = numberLabel(form, indexed(QStringLiteral("rum"), r), DatiTexts::ownerNumberTip(),
                              QRect(8, y, 26, 19));
        for (int f = 0; f < DatiRegistry::OwnerFieldCount; ++f)
            row.fields[f] = lineEdit(form, indexed(DatiRegistry::fieldName(OwnerField(f)), r),
                                     fieldRects[f].translated(0, y));
        row.floorSpin = new QScrollBar(Qt::Vertical, form);
        row.floorSpin->setObjectName(indexed(QStringLiteral("VScroll3"), r));
        row.floorSpin->setRange(-10, 40);
        row.floorSpin->setSingleStep(1);
        row.floorSpin->setPageStep(1);
        // A floor goes up with the upper arrow.
        row.floorSpin->setInvertedAppearance(true);
        row.floorSpin->setInvertedControls(true);
        row.floorSpin->setValue(0);
        row.floorSpin->setGeometry(514, y, 14, 19);
        row.canc = rowButton(form, indexed(QStringLiteral("canc"), r), QStringLiteral("C"),
                             DatiTexts::deleteOwnerTip(), QRect(532, y, 22, 19));
        row.stamp = rowButton(form, indexed(QStringLiteral("stamp"), r), QStringLiteral("S"),
                              DatiTexts::printOwnerTip(), QRect(558, y, 22, 19));
    }
    vscroll1 = FormControls::scrollBar(form, QStringLiteral("VScroll1"), 496, Rows,
                                       QRect(586, OwnerRowsTop, 16, Rows * OwnerRowHeight - 1));
}

void DatiForm::buildUnitTable()
{
    QWidget *frame = frame1;
    heading(frame, "Label3", QRect(4, 16, 30, 30));
    // The caption's leading blanks were there to centre it over the name column; centring
    // does that at any width without blanks that would not fit.
    QLabel *nameHeading = heading(frame, "Label5", QRect(36, 30, 98, 16));
    nameHeading->setWordWrap(false);
    nameHeading->setText(nameHeading->text().trimmed());
    nameHeading->setAlignment(Qt::AlignCenter);
    heading(frame, "Label6", QRect(136, 16, 46, 30));
    heading(frame, "Label10", QRect(CoefficientLeft, 12, 7 * CoefficientWidth, 14));
    heading(frame, "Label11", QRect(424, 16, 46, 30));
    heading(frame, "Label7", QRect(472, 16, 52, 30));
    label13 = heading(frame, "Label13", QRect(526, 16, 48, 15));
    label14 = heading(frame, "Label14", QRect(526, 31, 48, 15));
    for (int k = 0; k < 7; ++k) {
        const DatiTexts::Caption &caption = DatiTexts::coefficientButtons().at(k);
        coefficientButtons[k] = rowButton(
            frame, QString::fromLatin1(caption.name), QString::fromUtf8(caption.text),
            QString::fromUtf8(caption.toolTip),
            QRect(CoefficientLeft + k * CoefficientWidth, 27, CoefficientWidth - 1, 20));
    }
    for (int r = 1; r <= Rows; ++r) {
        const int y = UnitRowsTop + (r - 1) * UnitRowHeight;
        UnitRow &row = units[r];
        row.num = numberLabel(frame, indexed(QStringLiteral("num"), r),
                              DatiTexts::unitNumberTip(), QRect(4, y, 30, 20));
        auto place = [&](UnitField f, int x, int width) {
            row.fields[int(f)] = lineEdit(frame, indexed(DatiRegistry::fieldName(f), r),
                                          QRect(x, y, width, 20));
        };
        place(UnitField::Name, 36, 98);
        place(UnitField::Surface, 136, 46);
        for (int k = 0; k < 7; ++k)
            place(UnitField(int(UnitField::Destination) + k),
                  CoefficientLeft + k * CoefficientWidth, CoefficientWidth - 1);
        place(UnitField::Heating, 526, 48);
        row.virt = new QLabel(frame);
        row.virt->setObjectName(indexed(QStringLiteral("virt"), r));
        row.virt->setFrameShape(QFrame::Panel);
        row.virt->setGeometry(424, y, 46, 20);
        row.mill = new QLabel(frame);
        row.mill->setObjectName(indexed(QStringLiteral("mill"), r));
        row.mill->setFrameShape(QFrame::Panel);
        row.mill->setGeometry(472, y, 52, 20);
        row.canc2 = rowButton(frame, indexed(QStringLiteral("canc2"), r), QStringLiteral("C"),
                              DatiTexts::deleteUnitTip(), QRect(578, y, 22, 20));
    }
    vscroll2 = FormControls::scrollBar(frame, QStringLiteral("VScroll2"), 46, Rows,
                                       QRect(606, UnitRowsTop, 16, Rows * UnitRowHeight - 2));
}

void DatiForm::buildBottom(QWidget *form)
{
    if (auto *passo = form->findChild<QLabel *>(QStringLiteral("passo"))) {
        passo->setGeometry(8, WorkWindow::StepHintTop, 320, WorkWindow::StepHintHeight);
        passo->setToolTip(DatiTexts::stepHintTip());
    }
    cmdspese = rowButton(form, QStringLiteral("cmdspese"), QStringLiteral("&Spese"),
                         DatiTexts::spesePushTip(), QRect(332, FaceRowTop, 64, 24));
}

} // namespace veltra
