#include "ui/pagamenti/pagamentiform.h"

#include "core/state/sharedstate.h"
#include "ui/frame/formcontrols.h"
#include "ui/frame/workwindow.h"
#include "ui/pagamenti/pagamentiwindowtexts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace veltra {

namespace {

using FormControls::lineEdit;

constexpr int HeadingTop = 104;
constexpr int RowsTop = 134;
constexpr int RowHeight = 19;
constexpr int FaceRowTop = WorkWindow::FormHeight - 28;

// Left edge and width of each grid column, in the order of the row's controls.
struct Column
{
    const char *name;
    const char *heading;
    int x;
    int width;
};

constexpr Column SchedColumn{"sched", nullptr, 4, 16};
constexpr Column NumColumn{"num", "Label56", 22, 30};
constexpr Column NomcondColumn{"nomcond", "Label57", 54, 104};
constexpr Column IndirColumn{"indir", "Label15", 160, 104};
constexpr Column SpeColumn{"spe", "Label8", 266, 66};
constexpr Column PagColumn{"pag", "Label3", 334, 72};
constexpr Column SollColumn{"soll", "Label6", 408, 72};
constexpr Column PagannColumn{"pagann", "Label9", 482, 82};
constexpr Column SColumn{"unsollecito", nullptr, 566, 20};
constexpr Column RColumn{"unaricevuta", nullptr, 588, 20};

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
    return FormControls::heading(parent, PagamentiTexts::headings(), name, rect);
}

// A panel of the header, with its tip, or of grid row index.
QLabel *panel(QWidget *parent, const char *name, const QRect &rect, int index = 0)
{
    if (index > 0)
        return FormControls::panel(parent, indexed(name, index), rect);
    QLabel *label = FormControls::panel(parent, QString::fromLatin1(name), rect);
    label->setToolTip(PagamentiTexts::fieldTip(name));
    return label;
}

QPushButton *rowButton(QWidget *parent, const Column &column, int r, const QString &text,
                       const QString &tip)
{
    auto *push = new QPushButton(text, parent);
    push->setObjectName(indexed(column.name, r));
    push->setToolTip(tip);
    push->setGeometry(cell(column, r));
    return push;
}

} // namespace

PagamentiForm::PagamentiForm(QWidget *form)
{
    buildHeader(form);
    buildItem(form);
    buildGrid(form);
    buildBottom(form);
}

void PagamentiForm::buildHeader(QWidget *form)
{
    heading(form, "lb1", QRect(8, 4, 74, 18));
    nome = panel(form, "nome", QRect(84, 4, 236, 18));
    heading(form, "Label2", QRect(326, 4, 92, 18));
    tot = panel(form, "tot", QRect(420, 4, 40, 18));
    ann = panel(form, "ann", QRect(468, 4, 90, 18));

    heading(form, "Label10", QRect(8, 30, 106, 18));
    // The two options form a group of their own: the card buttons are options too.
    auto *group = new QWidget(form);
    group->setObjectName(QStringLiteral("Frame1"));
    group->setGeometry(116, 28, 190, 22);
    for (int j = 1; j <= 2; ++j) {
        const Caption &caption = PagamentiTexts::managementOption(j);
        option1[j] = new QRadioButton(QString::fromUtf8(caption.text), group);
        option1[j]->setObjectName(QString::fromLatin1(caption.name));
        option1[j]->setToolTip(QString::fromUtf8(caption.toolTip));
        option1[j]->setGeometry(j == 1 ? 0 : 100, 1, j == 1 ? 96 : 80, 20);
    }
}

void PagamentiForm::buildItem(QWidget *form)
{
    ns = panel(form, "ns", QRect(588, 30, 30, 20));
    ns->setAlignment(Qt::AlignCenter);
    ns->setText(QStringLiteral("1"));
    vscroll2 = FormControls::scrollBar(form, QStringLiteral("VScroll2"), MaxItems, 10,
                                       QRect(620, 28, 16, 68));

    heading(form, "Label11", QRect(316, 30, 190, 18));
    totspe = panel(form, "totspe", QRect(508, 30, 50, 20));
    heading(form, "Label5", QRect(8, 54, 160, 18));
    spesatotale = panel(form, "spesatotale", QRect(170, 52, 120, 20));
    heading(form, "Label4", QRect(316, 54, 190, 18));
    totanno = panel(form, "totanno", QRect(508, 52, 100, 20));
    heading(form, "Label7", QRect(8, 78, 160, 18));
    tipospesa = panel(form, "tipospesa", QRect(170, 76, 140, 20));
    heading(form, "Label1", QRect(316, 78, 190, 18));
    dataspesa = panel(form, "dataspesa", QRect(508, 76, 100, 20));
}

void PagamentiForm::buildGrid(QWidget *form)
{
    for (const Column &column : {NumColumn, NomcondColumn, IndirColumn, SpeColumn, PagColumn,
                                 SollColumn, PagannColumn})
        heading(form, column.heading,
                QRect(column.x, HeadingTop, column.width, RowsTop - HeadingTop - 2));
    for (int r = 1; r <= Rows; ++r)
        buildRow(form, r);
    vscroll1 = FormControls::scrollBar(form, QStringLiteral("VScroll1"), 491, Rows,
                                       QRect(614, RowsTop, 16, Rows * RowHeight - 1));
}

void PagamentiForm::buildRow(QWidget *form, int r)
{
    OwnerRow &row = rows[r];
    row.sched = new QRadioButton(form);
    row.sched->setObjectName(indexed(SchedColumn.name, r));
    // A mark, not a choice: the card buttons exclude neither each other nor the options.
    row.sched->setAutoExclusive(false);
    row.sched->setGeometry(cell(SchedColumn, r));
    row.num = panel(form, NumColumn.name, cell(NumColumn, r), r);
    row.num->setAlignment(Qt::AlignCenter);
    row.num->setText(QString::number(r));
    row.nomcond = panel(form, NomcondColumn.name, cell(NomcondColumn, r), r);
    row.indir = panel(form, IndirColumn.name, cell(IndirColumn, r), r);
    row.spe = panel(form, SpeColumn.name, cell(SpeColumn, r), r);
    row.spe->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.pag = lineEdit(form, indexed(PagColumn.name, r), cell(PagColumn, r));
    row.soll = lineEdit(form, indexed(SollColumn.name, r), cell(SollColumn, r));
    row.pagann = panel(form, PagannColumn.name, cell(PagannColumn, r), r);
    row.pagann->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.unsollecito = rowButton(form, SColumn, r, QStringLiteral("S"),
                                PagamentiTexts::reminderButtonTip());
    row.unaricevuta = rowButton(form, RColumn, r, QStringLiteral("R"),
                                PagamentiTexts::receiptButtonTip());
}

void PagamentiForm::buildBottom(QWidget *form)
{
    if (auto *passo = form->findChild<QLabel *>(QStringLiteral("passo"))) {
        passo->setGeometry(8, WorkWindow::StepHintTop, 320, WorkWindow::StepHintHeight);
        passo->setToolTip(PagamentiTexts::stepHintTip());
    }
    const Caption &caption = PagamentiTexts::spesePush();
    cmdspese = new QPushButton(QString::fromUtf8(caption.text), form);
    cmdspese->setObjectName(QString::fromLatin1(caption.name));
    cmdspese->setToolTip(QString::fromUtf8(caption.toolTip));
    cmdspese->setGeometry(332, FaceRowTop, 64, 24);
}

} // namespace veltra
