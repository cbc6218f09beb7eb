#include "ui/conduttore/conduttorewindow.h"

#include "core/platform/platform.h"
#include "core/state/sharedstate.h"
#include "library/tenancy/tenantsplittable.h"
#include "reports/tenancy/tenantsplitprintout.h"
#include "ui/frame/formcontrols.h"
#include "ui/frame/shell.h"
#include "ui/frame/wheelforwarder.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace veltra {

namespace {

constexpr int HeadingTop = 6;
constexpr int HeadingHeight = 28;
constexpr int RowsTop = 38;
constexpr int RowPitch = 31;
constexpr int GridPointSize = 8;

// The grid's columns: left edge and width on the form.
struct Column
{
    int x;
    int width;
};

constexpr Column NumColumn{4, 24};
constexpr Column TipColumn{30, 110};
constexpr Column SpesColumn{142, 358};
constexpr Column LocColumn{502, 56};
constexpr Column ConColumn{560, 58};

const QList<Caption> Headings = {
    {"lbnum", "n.", "numero d'ordine"},
    {"lbtip", "tipologia ", "tipologia attinente la spesa"},
    {"lbspes", "spesa", "tipo di spesa"},
    {"lbloc", "% al locatore", "percentuale a carico del locatore"},
    {"lbcon", "% al conduttore", "percentuale a carico del conduttore"},
};

const QString StepHint =
    QStringLiteral("visualizzare la casistica presente mediante la barra di scorrimento verticale");

const QString Instructions = QStringLiteral(
    "- La finestra è di sola lettura;\n"
    "- visualizzare la casistica presente nel programma con la barra di scorrimento verticale;\n"
    "- la ripartizione è desunta dalla normativa vigente e dagli attuali accordi sindacali "
    "nazionali;\n"
    "- stampare tutta la casistica se necessario.");

QLabel *gridLabel(QWidget *parent, const QString &name, const Column &column, int top,
                  int height)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(column.x, top, column.width, height);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = label->font();
    font.setPointSize(GridPointSize);
    label->setFont(font);
    return label;
}

} // namespace

ConduttoreWindow::ConduttoreWindow(Shell &shell, QWidget *parent)
    : WorkWindow(shell, 3, parent)
{
    FormControls::disableEntries(this, {QStringLiteral("apri"), QStringLiteral("salva"),
                                        QStringLiteral("salvanome"), QStringLiteral("controllo"),
                                        QStringLiteral("cancella")});
    buildHeadings();
    buildRows();

    m_scroll = new QScrollBar(Qt::Vertical, form());
    m_scroll->setObjectName(QStringLiteral("VScroll1"));
    m_scroll->setRange(1, TenantSplitTable::RowCount - Rows + 1);
    m_scroll->setSingleStep(1);
    m_scroll->setPageStep(10);
    m_scroll->setGeometry(620, RowsTop, 16, Rows * RowPitch - 2);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this] { redrawRows(); });
    new WheelForwarder(form(), m_scroll);

    auto *spese = new QPushButton(QStringLiteral("&Spese"), form());
    spese->setObjectName(QStringLiteral("cmdspese"));
    spese->setToolTip(QStringLiteral("cliccare per visualizzare la finestra Spese"));
    spese->setGeometry(4, RowsTop + Rows * RowPitch, 80, 22);
    connect(spese, &QPushButton::clicked, this, [this] { this->shell().switchWindow(*this, 2); });
}

int ConduttoreWindow::topRow() const
{
    return m_scroll->value();
}

void ConduttoreWindow::setTopRow(int n)
{
    m_scroll->setValue(n);
}

void ConduttoreWindow::initialise()
{
    redrawRows();
    setStepHint(StepHint);
}

void ConduttoreWindow::buildHeadings()
{
    const Column columns[] = {NumColumn, TipColumn, SpesColumn, LocColumn, ConColumn};
    for (int i = 0; i < Headings.size(); ++i) {
        const Column &column = columns[i];
        QLabel *label = FormControls::heading(form(), Headings, Headings.at(i).name,
                                              QRect(column.x, HeadingTop, column.width,
                                                    HeadingHeight));
        QFont font = label->font();
        font.setPointSize(GridPointSize);
        label->setFont(font);
    }
}

void ConduttoreWindow::buildRows()
{
    for (int r = 1; r <= Rows; ++r) {
        const int top = RowsTop + (r - 1) * RowPitch;
        const int height = RowPitch - 2;
        auto name = [r](const char *control) {
            return FormControls::indexed(QString::fromLatin1(control), r);
        };
        ScreenRow &row = m_rows[r];
        row.num = gridLabel(form(), name("num"), NumColumn, top, height);
        row.tip = gridLabel(form(), name("tip"), TipColumn, top, height);
        row.spes = gridLabel(form(), name("spes"), SpesColumn, top, height);
        row.loc = gridLabel(form(), name("loc"), LocColumn, top, height);
        row.con = gridLabel(form(), name("con"), ConColumn, top, height);
        row.loc->setAlignment(Qt::AlignRight | Qt::AlignTop);
        row.con->setAlignment(Qt::AlignRight | Qt::AlignTop);
    }
}

void ConduttoreWindow::redrawRows()
{
    for (int r = 1; r <= Rows; ++r) {
        const int i = topRow() + r - 1;
        const TenantSplitRow &split = TenantSplitTable::row(i);
        ScreenRow &row = m_rows[r];
        row.num->setText(QString::number(i));
        row.tip->setText(split.tipologia);
        row.spes->setText(split.spesa);
        row.loc->setText(QString::number(split.landlordPercent()));
        row.con->setText(QString::number(split.tenantPercent));
    }
}

void ConduttoreWindow::printMain()
{
    setStepHint(TenantSplitPrintout::openingStatus());
    handOverDocument(TenantSplitPrintout::build(state()), TenantSplitPrintout::closingStatus());
}

void ConduttoreWindow::showInstructions()
{
    platform().showMessage(MessageIcon::Information, state().texts.helpTitle, Instructions);
}

} // namespace veltra
