#include "ui/seduta/decretiwindow.h"

#include "core/platform/platform.h"
#include "ui/frame/archivedialogtexts.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace veltra {

namespace {

const QString DateFormat = QStringLiteral("dd/MM/yyyy");
enum Column { DateColumn, CourtColumn, ParticularsColumn, KindColumn, AdministratorColumn, NoteColumn };
// Each column's heading and the characters it shows without being widened.
const QList<QPair<QString, int>> Columns = {
    {QStringLiteral("data"), 11},          {QStringLiteral("autorità giudiziaria"), 22},
    {QStringLiteral("estremi"), 30},       {QStringLiteral("tipo"), 9},
    {QStringLiteral("amministratore"), 20}, {QStringLiteral("note"), 20}};
const QStringList KindNames = {DecreeFile::kindName(CourtDecree::Kind::Appointment),
                               DecreeFile::kindName(CourtDecree::Kind::Revocation)};

QStringList rowOf(const CourtDecree &decree)
{
    return {decree.date.toString(DateFormat), decree.court,        decree.particulars,
            DecreeFile::kindName(decree.kind), decree.administrator, decree.note};
}

QPushButton *addButton(QDialogButtonBox *box, const QString &name, const QString &text, QDialogButtonBox::ButtonRole role)
{
    QPushButton *button = box->addButton(text, role);
    button->setObjectName(name);
    return button;
}

} // namespace

QString DecretiWindow::title()
{
    return QStringLiteral("Decreti del giudice");
}

DecretiWindow::DecretiWindow(Platform &platform, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("decreti"));
    setWindowTitle(title());
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(QStringLiteral(
        "I decreti con cui l'autorità giudiziaria nomina o revoca l'amministratore: il registro di "
        "nomina e revoca li annota con i loro estremi, in ordine di data insieme alle deliberazioni "
        "dell'assemblea. La data si scrive GG/MM/AAAA."), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    m_table = new QTableWidget(0, int(Columns.size()), this);
    m_table->setObjectName(QStringLiteral("tabelladecreti"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    const int charWidth = fontMetrics().averageCharWidth();
    const int margin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin) + charWidth;
    int tableWidth = m_table->verticalHeader()->sizeHint().width() + 4 * charWidth;
    for (int column = 0; column < Columns.size(); ++column) {
        const auto &[heading, characters] = Columns.at(column);
        m_table->setHorizontalHeaderItem(column, new QTableWidgetItem(heading));
        const int width = qMax(characters * charWidth, fontMetrics().horizontalAdvance(heading) + margin);
        m_table->setColumnWidth(column, width);
        tableWidth += width;
    }
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setMinimumSize(tableWidth, fontMetrics().height() * 14);
    layout->addWidget(m_table);
    auto *buttons = new QDialogButtonBox(this);
    connect(addButton(buttons, QStringLiteral("aggiungi"), QStringLiteral("&Aggiungi"), QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, &DecretiWindow::addDecree);
    connect(addButton(buttons, QStringLiteral("elimina"), QStringLiteral("&Elimina"), QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, &DecretiWindow::removeDecree);
    connect(addButton(buttons, QStringLiteral("salva"), QStringLiteral("&Salva"), QDialogButtonBox::AcceptRole),
            &QPushButton::clicked, this, &DecretiWindow::save);
    connect(addButton(buttons, QStringLiteral("chiudi"), QStringLiteral("&Chiudi"), QDialogButtonBox::RejectRole),
            &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(buttons);
    resize(sizeHint());
    setMinimumSize(size());
}

bool DecretiWindow::open(const QString &path, const QString &condoName)
{
    DecreeFile::LoadResult result;
    if (QFileInfo::exists(path)) {
        result = DecreeFile::load(path);
        QString refusal;
        if (!result.isComplete())
            refusal = result.failedLine > 0 ? QStringLiteral("alla riga %1: %2").arg(result.failedLine).arg(result.problem)
                                            : result.problem;
        else if (result.condoName != condoName)
            refusal = QStringLiteral("è del condominio \"%1\"").arg(result.condoName);
        if (!refusal.isEmpty()) {
            tellUser(QStringLiteral("Il file dei decreti \"%1\" non si può usare (%2): resta com'è e non viene "
                                    "sovrascritto.")
                         .arg(QDir::toNativeSeparators(path), refusal));
            return false;
        }
    }
    m_path = path;
    m_condoName = condoName;
    m_savedRows.clear();
    for (const CourtDecree &decree : result.decrees)
        m_savedRows << rowOf(decree);
    showRows(m_savedRows);
    return true;
}

void DecretiWindow::showRows(const QList<QStringList> &rows)
{
    m_table->setRowCount(0);
    for (const QStringList &row : rows)
        appendRow(row);
}

void DecretiWindow::appendRow(const QStringList &texts)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    for (int column = 0; column < Columns.size(); ++column) {
        if (column != KindColumn)
            m_table->setItem(row, column, new QTableWidgetItem(texts.value(column)));
    }
    auto *kind = new QComboBox;
    kind->addItems(KindNames);
    kind->setCurrentIndex(qMax(0, int(KindNames.indexOf(texts.value(KindColumn)))));
    m_table->setCellWidget(row, KindColumn, kind);
}

void DecretiWindow::addDecree()
{
    appendRow({});
    m_table->setCurrentCell(m_table->rowCount() - 1, DateColumn);
    m_table->editItem(m_table->item(m_table->rowCount() - 1, DateColumn));
}

void DecretiWindow::removeDecree()
{
    const int row = m_table->currentRow();
    if (row < 0)
        return tellUser(QStringLiteral("Selezionare il decreto da eliminare."));
    m_table->removeRow(row);
}

QList<QStringList> DecretiWindow::typedRows() const
{
    QList<QStringList> rows;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < Columns.size(); ++column) {
            const auto *kind = qobject_cast<const QComboBox *>(m_table->cellWidget(row, column));
            const QTableWidgetItem *item = m_table->item(row, column);
            texts << (kind ? kind->currentText() : item ? item->text().simplified() : QString());
        }
        rows << texts;
    }
    return rows;
}

std::optional<QList<CourtDecree>> DecretiWindow::typedDecrees()
{
    QList<CourtDecree> decrees;
    const QList<QStringList> rows = typedRows();
    for (int row = 0; row < rows.size(); ++row) {
        const QStringList &texts = rows.at(row);
        CourtDecree decree;
        decree.date = QDate::fromString(texts.at(DateColumn), DateFormat);
        decree.court = texts.at(CourtColumn);
        decree.particulars = texts.at(ParticularsColumn);
        decree.kind = DecreeFile::kindNamed(texts.at(KindColumn)).value_or(CourtDecree::Kind::Appointment);
        decree.administrator = texts.at(AdministratorColumn);
        decree.note = texts.at(NoteColumn);
        QString wrong = DecreeFile::missing(decree);
        if (!decree.date.isValid() && !texts.at(DateColumn).isEmpty())
            wrong = QStringLiteral("\"%1\" non è una data GG/MM/AAAA").arg(texts.at(DateColumn));
        if (!wrong.isEmpty()) {
            tellUser(QStringLiteral("Riga %1: %2.").arg(row + 1).arg(wrong));
            m_table->setCurrentCell(row, DateColumn);
            return std::nullopt;
        }
        decrees << decree;
    }
    return decrees;
}

bool DecretiWindow::save()
{
    const std::optional<QList<CourtDecree>> decrees = typedDecrees();
    if (!decrees)
        return false;
    QString error;
    if (!DecreeFile::save(m_path, m_condoName, *decrees, &error)) {
        tellUser(ArchiveDialogTexts::saveFailedMessage(m_path, error));
        return false;
    }
    m_savedRows.clear();
    for (const CourtDecree &decree : *decrees)
        m_savedRows << rowOf(decree);
    showRows(m_savedRows);
    return true;
}

bool DecretiWindow::hasUnsavedChanges() const
{
    return typedRows() != m_savedRows;
}

void DecretiWindow::revert()
{
    showRows(m_savedRows);
}

// The decrees typed exist nowhere else until saved: closing asks, and "Annulla" or a save
// refused keeps the window open.
void DecretiWindow::closeEvent(QCloseEvent *event)
{
    if (hasUnsavedChanges()) {
        enum { Save, DoNotSave, Cancel };
        const int choice = m_platform.askChoice(MessageIcon::Question, title(),
                                                QStringLiteral("Salvare le modifiche ai decreti?"),
                                                ArchiveDialogTexts::unsavedChangesButtons(), Save);
        if (choice == Cancel || (choice == Save && !save())) {
            event->ignore();
            return;
        }
        revert();
    }
    QWidget::closeEvent(event);
}

void DecretiWindow::tellUser(const QString &text)
{
    m_platform.showMessage(MessageIcon::Exclamation, title(), text);
}

} // namespace veltra
