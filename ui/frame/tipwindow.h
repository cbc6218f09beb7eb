#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;

namespace veltra {

class ProportionalResizer;

// "Suggerimento del giorno": usage tips shown one at a time, read once from the tips file in
// the application's folder when the window is loaded. "&Chiudi" only hides the window, so the
// opener keeps the one instance and shows it again with the same tip, without re-reading.
class TipWindow : public QDialog
{
    Q_OBJECT

public:
    explicit TipWindow(const QString &dataFolder, QWidget *parent = nullptr);

    static QString tipsFileName();

    // The load sequence, run once after construction: reads the tips file of the
    // application's folder and shows its first tip, or tells how to create the file.
    void load();

    // Appends the lines of the file to the tips and shows the next one; false when there is
    // no such file.
    bool loadTips(const QString &path);
    // Shows the following tip, back to the first after the last.
    void nextTip();
    // Shows the preceding tip; nothing before the first.
    void previousTip();
    void displayCurrentTip();

    const QStringList &tips() const { return m_tips; }
    // Position of the tip shown, from 1; 0 before any.
    int currentTip() const { return m_currentTip; }

private:
    void buildControls();

    QString m_dataFolder;
    QStringList m_tips;
    int m_currentTip = 0;
    QLabel *m_tipText;
    ProportionalResizer *m_resizer;
};

} // namespace veltra
