#pragma once

#include "library/templates/templatelibrary.h"
#include "ui/frame/workwindow.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace veltra {

class ReportDocument;

// The templates window `modelli`: the numbered list of the 69 letter and contract templates
// (and two empty entries), the chosen one's title and text, read-only, and its export to the
// word processor headed with the condominium's name.
class ModelliWindow : public WorkWindow
{
    Q_OBJECT

public:
    explicit ModelliWindow(Shell &shell, QWidget *parent = nullptr);

    const TemplateLibrary &library() const { return m_library; }
    // The entry chosen, 1 to 70; 0 before any choice.
    int chosenEntry() const { return m_chosen; }
    // Chooses entry n as a click on its list line does.
    void chooseTemplate(int n);

    // The document of the print command for the entry chosen.
    ReportDocument printout() const;

    void printMain() override;
    void showInstructions() override;

protected:
    void initialise() override;

private:
    void showChoice(int row);

    TemplateLibrary m_library;
    int m_chosen = 0;
    QListWidget *m_list;
    QLabel *m_title;
    QPlainTextEdit *m_text;
};

} // namespace veltra
