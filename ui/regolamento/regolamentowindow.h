#pragma once

#include "library/regulation/regulationtext.h"
#include "ui/frame/workwindow.h"

class QPlainTextEdit;

namespace veltra {

class ReportDocument;

// The regulation window `regolamento`: the draft condominium regulation, read-only, and
// its export to the word processor headed with the condominium's name.
class RegolamentoWindow : public WorkWindow
{
    Q_OBJECT

public:
    explicit RegolamentoWindow(Shell &shell, QWidget *parent = nullptr);

    // The draft as read at the last load; refused when the data file is missing or malformed.
    const RegulationText &regulation() const { return m_regulation; }

    // The document of the print command.
    ReportDocument printout() const;

    void printMain() override;
    void showInstructions() override;

protected:
    void initialise() override;

private:
    RegulationText m_regulation;
    QPlainTextEdit *m_text;
};

} // namespace veltra
