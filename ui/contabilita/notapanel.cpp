#include "ui/contabilita/notapanel.h"

#include "core/accounts/finalaccount.h"
#include "core/assembly/calendardate.h"
#include "core/numbers/money.h"
#include "ui/contabilita/yearendeditor.h"
#include "ui/frame/formcontrols.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace veltra {

namespace {

const QString DateFormat = QStringLiteral("dd/MM/yyyy");
enum ContractColumn { ContractSubject, ContractCounterpart, ContractExpiry, ContractNote };
enum QuestionColumn { QuestionSubject, QuestionParties, QuestionStage };

QPlainTextEdit *paragraphs(const char *name, const QString &tip)
{
    auto *edit = new QPlainTextEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setToolTip(tip);
    edit->setFixedHeight(64);
    return edit;
}

// The paragraphs of a text, one a line; blank lines only separate them.
QStringList paragraphsOf(const QString &text)
{
    QStringList kept;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            kept << line.trimmed();
    }
    return kept;
}

QString cell(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text().trimmed() : QString();
}

QString overBudgetLines(const FinalAccount &figures)
{
    if (figures.budget.isEmpty())
        return QStringLiteral("Voci oltre il preventivo: l'esercizio non ha un preventivo.\n");
    const QList<FinalAccount::BudgetLine> over = figures.overBudget();
    if (over.isEmpty())
        return QStringLiteral("Nessuna voce supera il preventivo di oltre il 10 %.\n");
    QString text = QStringLiteral("Voci che superano il preventivo di oltre il 10 %:\n");
    for (const FinalAccount::BudgetLine &line : over)
        text += QStringLiteral("- %1: preventivo %2 euro, speso %3 euro (%4 in più)\n")
                    .arg(line.description, Money::fromCents(line.budgetCents.value_or(0)).format(),
                         Money::fromCents(line.actualCents).format(), Money::fromCents(line.differenceCents()).format());
    return text;
}

QString arrearsLines(const FinalAccount &figures)
{
    const QList<FinalAccount::Owner> owners = figures.ownersInArrears();
    if (owners.isEmpty())
        return QStringLiteral("Nessun condomino è moroso alla chiusura dell'esercizio.\n");
    QString text = QStringLiteral("Condomini morosi alla chiusura dell'esercizio:\n");
    for (const FinalAccount::Owner &owner : owners)
        text += QStringLiteral("- n. %1 %2: %3 euro, dal %4%5\n")
                    .arg(owner.number).arg(owner.name, Money::fromCents(owner.closingCents).format(),
                         owner.arrearsSince.toString(DateFormat),
                         owner.arrearsFromBefore ? QStringLiteral(" (dagli esercizi precedenti)") : QString());
    text += QStringLiteral("Salvo dispensa dell'assemblea, l'amministratore deve agire per la riscossione forzosa "
                           "entro il %1, sei mesi dalla chiusura dell'esercizio (art. 1129, comma 9, c.c.).\n")
                .arg(figures.actionDeadline().toString(DateFormat));
    return text;
}

} // namespace

NotaPanel::NotaPanel(YearEndEditor &editor, QWidget *parent)
    : QWidget(parent)
    , m_editor(editor)
    , m_criterion(paragraphs("criterio", QStringLiteral("come sono stati tenuti i conti; ogni riga è un paragrafo")))
    , m_facts(paragraphs("fatti", QStringLiteral("i fatti principali della gestione; ogni riga è un paragrafo")))
    , m_contracts(FormControls::table("contratti", {QStringLiteral("Oggetto"), QStringLiteral("Contraente"),
                                                    QStringLiteral("Scadenza"), QStringLiteral("Note")}))
    , m_addContract(FormControls::button("aggiungicontratto", QStringLiteral("Aggiungi contratto"),
                                         QStringLiteral("aggiunge una riga per un contratto in corso")))
    , m_removeContract(FormControls::button("toglicontratto", QStringLiteral("Togli contratto"),
                                            QStringLiteral("toglie il contratto della riga scelta")))
    , m_questions(FormControls::table("questioni", {QStringLiteral("Oggetto"), QStringLiteral("Parti"),
                                                    QStringLiteral("Stato")}))
    , m_addQuestion(FormControls::button("aggiungiquestione", QStringLiteral("Aggiungi questione"),
                                         QStringLiteral("aggiunge una riga per una questione pendente")))
    , m_removeQuestion(FormControls::button("togliquestione", QStringLiteral("Togli questione"),
                                            QStringLiteral("toglie la questione della riga scelta")))
    , m_programPart(new QPlainTextEdit)
{
    m_contracts->setToolTip(QStringLiteral("la scadenza si scrive gg/mm/aaaa; vuota se il contratto non scade"));
    m_programPart->setObjectName(QStringLiteral("compilato"));
    m_programPart->setReadOnly(true);
    m_programPart->setMinimumHeight(90);
    m_programPart->setStyleSheet(QStringLiteral("QPlainTextEdit { background: palette(window); }"));
    QVBoxLayout *sections = FormControls::scrollingSections(this);
    m_contracts->setMinimumHeight(100);
    m_questions->setMinimumHeight(100);
    FormControls::addSection(sections, QStringLiteral("Criterio di redazione del rendiconto"), m_criterion);
    FormControls::addSection(sections, QStringLiteral("Fatti principali della gestione"), m_facts);
    FormControls::addSection(sections, QStringLiteral("Contratti in corso"), m_contracts, {m_addContract, m_removeContract});
    FormControls::addSection(sections, QStringLiteral("Questioni pendenti"), m_questions, {m_addQuestion, m_removeQuestion});
    auto *program = new QGroupBox(QStringLiteral("Compilato dal programma (non si modifica)"));
    program->setObjectName(QStringLiteral("compilatodalprogramma"));
    auto *programLayout = new QVBoxLayout(program);
    programLayout->addWidget(m_programPart);
    sections->addWidget(program);

    for (QPlainTextEdit *edit : {m_criterion, m_facts})
        connect(edit, &QPlainTextEdit::textChanged, this, &NotaPanel::saveTexts);
    connect(m_contracts, &QTableWidget::itemChanged, this, &NotaPanel::saveContracts);
    connect(m_questions, &QTableWidget::itemChanged, this, &NotaPanel::saveQuestions);
    connect(m_addContract, &QPushButton::clicked, this, [this] { addRow(m_contracts); });
    connect(m_removeContract, &QPushButton::clicked, this, [this] { removeRow(m_contracts); });
    connect(m_addQuestion, &QPushButton::clicked, this, [this] { addRow(m_questions); });
    connect(m_removeQuestion, &QPushButton::clicked, this, [this] { removeRow(m_questions); });
    showNote();
}

QList<QWidget *> NotaPanel::editingControls() const
{
    return {m_criterion, m_facts, m_contracts, m_addContract, m_removeContract,
            m_questions, m_addQuestion, m_removeQuestion};
}

void NotaPanel::showNote()
{
    m_showing = true;
    const ExplanatoryNote &note = m_editor.inputs().note;
    const bool loaded = m_editor.isLoaded();
    m_criterion->setPlainText(loaded ? note.criterion.join(QLatin1Char('\n')) : QString());
    m_facts->setPlainText(loaded ? note.facts.join(QLatin1Char('\n')) : QString());
    m_showing = false;
    showContracts();
    showQuestions();
    if (!loaded)
        m_programPart->clear();
}

void NotaPanel::showContracts()
{
    m_showing = true;
    const QList<ExplanatoryNote::Contract> &contracts = m_editor.inputs().note.contracts;
    m_contracts->setRowCount(m_editor.isLoaded() ? int(contracts.size()) : 0);
    for (int row = 0; row < m_contracts->rowCount(); ++row) {
        const ExplanatoryNote::Contract &contract = contracts.at(row);
        FormControls::writeRow(m_contracts, row, {contract.subject, contract.counterpart, contract.expiry.toString(DateFormat),
                                    contract.note});
    }
    m_showing = false;
}

void NotaPanel::showQuestions()
{
    m_showing = true;
    const QList<ExplanatoryNote::PendingQuestion> &questions = m_editor.inputs().note.questions;
    m_questions->setRowCount(m_editor.isLoaded() ? int(questions.size()) : 0);
    for (int row = 0; row < m_questions->rowCount(); ++row) {
        const ExplanatoryNote::PendingQuestion &question = questions.at(row);
        FormControls::writeRow(m_questions, row, {question.subject, question.parties, question.stage});
    }
    m_showing = false;
}

void NotaPanel::showProgramPart(const FinalAccount &figures)
{
    m_programPart->setPlainText(overBudgetLines(figures) + QLatin1Char('\n') + arrearsLines(figures));
}

bool NotaPanel::save(const ExplanatoryNote &note)
{
    FinalAccountInputs changed = m_editor.inputs();
    changed.note = note;
    return m_editor.save(changed);
}

// A refused text puts the stored one back, with the cursor at its end to go on typing.
void NotaPanel::saveTexts()
{
    if (m_showing)
        return;
    ExplanatoryNote note = m_editor.inputs().note;
    note.criterion = paragraphsOf(m_criterion->toPlainText());
    note.facts = paragraphsOf(m_facts->toPlainText());
    if (save(note))
        return;
    auto *edit = qobject_cast<QPlainTextEdit *>(sender());
    m_showing = true;
    edit->setPlainText((edit == m_criterion ? m_editor.inputs().note.criterion : m_editor.inputs().note.facts)
                           .join(QLatin1Char('\n')));
    edit->moveCursor(QTextCursor::End);
    m_showing = false;
}

void NotaPanel::saveContracts()
{
    if (m_showing)
        return;
    ExplanatoryNote note = m_editor.inputs().note;
    note.contracts.clear();
    for (int row = 0; row < m_contracts->rowCount(); ++row) {
        ExplanatoryNote::Contract contract{cell(m_contracts, row, ContractSubject),
                                           cell(m_contracts, row, ContractCounterpart), QDate(),
                                           cell(m_contracts, row, ContractNote)};
        const QString expiry = cell(m_contracts, row, ContractExpiry);
        const std::optional<QDate> day = CalendarDate::read(expiry);
        if (!expiry.isEmpty() && !day) {
            m_editor.refuse(QStringLiteral("Contratto della riga %1: \"%2\" non è una data; la scadenza si scrive "
                                           "gg/mm/aaaa, o si lascia vuota se il contratto non scade.").arg(row + 1).arg(expiry));
            return showContracts();
        }
        contract.expiry = day.value_or(QDate());
        note.contracts << contract;
    }
    save(note);
    showContracts();
}

void NotaPanel::saveQuestions()
{
    if (m_showing)
        return;
    ExplanatoryNote note = m_editor.inputs().note;
    note.questions.clear();
    for (int row = 0; row < m_questions->rowCount(); ++row)
        note.questions << ExplanatoryNote::PendingQuestion{cell(m_questions, row, QuestionSubject),
                                                           cell(m_questions, row, QuestionParties),
                                                           cell(m_questions, row, QuestionStage)};
    save(note);
    showQuestions();
}

void NotaPanel::addRow(QTableWidget *table)
{
    ExplanatoryNote note = m_editor.inputs().note;
    if (table == m_contracts)
        note.contracts << ExplanatoryNote::Contract();
    else
        note.questions << ExplanatoryNote::PendingQuestion();
    if (!save(note))
        return;
    table == m_contracts ? showContracts() : showQuestions();
    table->setCurrentCell(table->rowCount() - 1, 0);
    table->editItem(table->currentItem());
}

void NotaPanel::removeRow(QTableWidget *table)
{
    const int row = table->currentRow();
    if (row < 0)
        return;
    ExplanatoryNote note = m_editor.inputs().note;
    if (table == m_contracts)
        note.contracts.removeAt(row);
    else
        note.questions.removeAt(row);
    save(note);
    table == m_contracts ? showContracts() : showQuestions();
}

} // namespace veltra
