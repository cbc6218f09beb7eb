#pragma once

#include <QDialog>
#include <QVector>

class QLabel;

namespace veltra {

class ProportionalResizer;
class Shell;

// "Veltra: guida in linea", the contents of the guide: one entry per page, each with its
// "--->" button, then the tips of the day. The entry under the pointer is bold; pressing an
// entry opens it. "&Chiudi" only hides the window.
class HelpContentsWindow : public QDialog
{
    Q_OBJECT

public:
    static constexpr int RowCount = 17;

    explicit HelpContentsWindow(Shell &shell, QWidget *parent = nullptr);

    // Opens the entry of row (1 to 17): a page of the guide, or the tips for row 17.
    void openRow(int row);
    // "&Stampa": the whole guide to the word processor, saved first beside the program.
    void printGuide();

    // The entry label of row (1 to 17).
    QLabel *entryLabel(int row) const { return m_labels.at(row - 1); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void buildControls();
    void buildRow(int row);
    void highlight(QLabel *label);

    Shell &m_shell;
    QVector<QLabel *> m_labels;
    ProportionalResizer *m_resizer;
};

} // namespace veltra
