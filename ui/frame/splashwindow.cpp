#include "ui/frame/splashwindow.h"

#include "core/platform/platform.h"
#include "core/state/sharedstate.h"
#include "ui/frame/shell.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>

namespace veltra {

namespace {

const char *const TuneFile = "sigla.wav";
const char *const PictureFile = "splash.png";

} // namespace

SplashWindow::SplashWindow(Shell &shell)
    : m_shell(shell)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(600, 340);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0xf4, 0xf1, 0xe8));
    setPalette(colours);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(20, 40, 200, 200);
    picture->setScaledContents(true);
    picture->setPixmap(QPixmap(QDir(shell.dataFolder()).filePath(QLatin1String(PictureFile))));

    addLabel(2, QRect(240, 30, 340, 24), 11)->setText(QStringLiteral("                        presenta"));
    addLabel(3, QRect(240, 60, 340, 56), 32)->setStyleSheet(QStringLiteral("color: #8b1a1a; font-weight: bold;"));
    addLabel(4, QRect(240, 118, 340, 28), 14);
    addLabel(5, QRect(240, 150, 340, 24), 10);
    addLabel(7, QRect(20, 262, 560, 36), 8)->setText(QStringLiteral(
        "Avviso: ogni abuso del presente software, compreso il file audio, sarà perseguito a norma di legge"));
    addLabel(8, QRect(20, 304, 560, 24), 9)->setText(
        QStringLiteral("(cliccare sulla finestra per iniziare; premere un tasto per uscire)"));
    label(7)->setWordWrap(true);
}

void SplashWindow::load()
{
    Platform &platform = m_shell.platform();
    platform.soundPlayer().open(tunePath());
    platform.soundPlayer().play();
    SharedState &state = m_shell.state();
    state.initSharedStrings();
    setWindowTitle(state.texts.appTitle);
    label(3)->setText(state.texts.appTitle);
    label(4)->setText(state.texts.appSubtitle);
    label(5)->setText(QStringLiteral("EDIZIONE PROFESSIONALE - VERSIONE ") + state.texts.versionText);
}

void SplashWindow::showClosingScreen()
{
    label(2)->setText(QStringLiteral("          elaborazione eseguita con"));
    m_shell.platform().soundPlayer().play();
    show();
    raise();
    activateWindow();
}

QLabel *SplashWindow::label(int index) const
{
    return findChild<QLabel *>(QStringLiteral("label_%1").arg(index));
}

// The splash has done its work once the start window stands: it steps aside, kept for the
// closing screen.
void SplashWindow::mousePressEvent(QMouseEvent *)
{
    m_shell.platform().soundPlayer().pause();
    m_shell.showMainChooser();
    hide();
}

void SplashWindow::keyPressEvent(QKeyEvent *)
{
    m_shell.platform().soundPlayer().close();
    close();
}

QLabel *SplashWindow::addLabel(int index, const QRect &geometry, int pointSize)
{
    auto *label = new QLabel(this);
    label->setObjectName(QStringLiteral("label_%1").arg(index));
    label->setGeometry(geometry);
    QFont font = label->font();
    font.setPointSize(pointSize);
    label->setFont(font);
    return label;
}

QString SplashWindow::tunePath() const
{
    return QDir(m_shell.dataFolder()).filePath(QLatin1String(TuneFile));
}

} // namespace veltra
