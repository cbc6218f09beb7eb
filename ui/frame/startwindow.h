#pragma once

#include <QMainWindow>

#include <memory>

class QRadioButton;
class QStatusBar;

namespace veltra {

class ProportionalResizer;
class Shell;

// The start window `scelta`: the nine procedures of the system, one option each. Choosing
// one offers the condominium archive and then opens the procedure's work window.
class StartWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit StartWindow(Shell &shell);
    ~StartWindow() override;

    void load();
    QRadioButton *option(int index) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildHeadings();
    void buildOptions();
    void buildButtons();
    void choose(int index);
    void showStatusAt(const QPoint &point);
    void showInstructions();

    Shell &m_shell;
    QWidget *m_form;
    std::unique_ptr<ProportionalResizer> m_resizer;
};

} // namespace veltra
