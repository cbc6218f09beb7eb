#pragma once

#include <QWidget>

class QLabel;

namespace veltra {

class Shell;

// The splash window `frmSplash`: the title and the tune at launch, the closing screen after
// the exit confirmation. A click opens the start window; a key press ends it.
class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SplashWindow(Shell &shell);

    // The tune starts and the labels take the application texts.
    void load();
    // Shown again after the exit confirmation, with the tune.
    void showClosingScreen();

    QLabel *label(int index) const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *addLabel(int index, const QRect &geometry, int pointSize);
    QString tunePath() const;

    Shell &m_shell;
};

} // namespace veltra
