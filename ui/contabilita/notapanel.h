#pragma once

#include "core/accounts/explanatorynote.h"

#include <QWidget>

class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace veltra {

class FinalAccount;
class YearEndEditor;

// The tab of the accounts window holding the note that explains the year's management: the
// accounting criterion and the main facts, a paragraph a line; the contracts in force and
// the questions still pending, a row each; below, what the program writes by itself from the
// figures. Every change is written at once; a change the file cannot take is refused and
// the stored text shown again.
class NotaPanel : public QWidget
{
    Q_OBJECT

public:
    explicit NotaPanel(YearEndEditor &editor, QWidget *parent = nullptr);

    // Shows the note as stored, or empties the tab when no year is loaded.
    void showNote();
    // The part the program fills in: items over budget, owners in arrears and by when to act.
    void showProgramPart(const FinalAccount &figures);
    // The controls that change the note, for the lock of a closed year.
    QList<QWidget *> editingControls() const;

private:
    void showContracts();
    void showQuestions();
    void saveTexts();
    void saveContracts();
    void saveQuestions();
    void addRow(QTableWidget *table);
    void removeRow(QTableWidget *table);
    bool save(const ExplanatoryNote &note);

    YearEndEditor &m_editor;
    QPlainTextEdit *m_criterion;
    QPlainTextEdit *m_facts;
    QTableWidget *m_contracts;
    QPushButton *m_addContract;
    QPushButton *m_removeContract;
    QTableWidget *m_questions;
    QPushButton *m_addQuestion;
    QPushButton *m_removeQuestion;
    QPlainTextEdit *m_programPart;
    bool m_showing = false;
};

} // namespace veltra
