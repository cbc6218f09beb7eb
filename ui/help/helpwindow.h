#pragma once

#include "library/help/helppage.h"

#include <QDialog>

class QPushButton;

namespace veltra {

class ProportionalResizer;
class ReportDocument;
class Shell;

// "Guida in linea": one page of the guide, its title above its text. The two legal texts
// are long and scroll in a read-only box; "&Chiudi" only hides their windows, so they open
// again where the reader left them. The other pages close.
class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    HelpWindow(Shell &shell, const HelpPage &page, QWidget *parent = nullptr);

    const HelpPage &page() const { return m_page; }
    // Whether the page is one of the two legal texts, kept when closed.
    bool isLegalText() const;

    // "S&tampa": the page to the word processor, saved first beside the program where the
    // page is one the user keeps.
    void print();
    void closePage();

    // Saves document as savedName in the application's folder (none when empty), then hands
    // it to the word processor.
    static void present(Shell &shell, const ReportDocument &document, const QString &savedName);

private:
    bool fitsWhole(const QString &text, const QSize &box) const;
    void buildControls();
    QPushButton *addButton(const QString &name, const QString &caption, const QRect &twips);

    Shell &m_shell;
    const HelpPage m_page;
    ProportionalResizer *m_resizer;
};

} // namespace veltra
