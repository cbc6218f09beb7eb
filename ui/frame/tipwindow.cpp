#include "ui/frame/tipwindow.h"

#include "core/archive/windows1252.h"
#include "ui/frame/proportionalresizer.h"
#include "ui/frame/twips.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace veltra {

namespace {

// The window's design, in twips.
const QSize FormSize(6660, 3240);
const QRect PictureBox(120, 120, 5040, 3000);
const QRect BulbBox(120, 120, 480, 480);
const QRect HeadingBox(720, 180, 4200, 330);
const QRect TipTextBox(180, 660, 4680, 2220);
const QRect CloseBox(5280, 120, 1260, 375);
const QRect NextBox(5280, 600, 1260, 375);
const QRect PreviousBox(5280, 1080, 1260, 375);

QString missingFileMessage()
{
    const QString name = TipWindow::tipsFileName();
    return QStringLiteral("Impossibile trovare il file ") + name + QStringLiteral("\r\n\r\n")
        + QStringLiteral("Creare un file di testo denominato ") + name
        + QStringLiteral(" utilizzando il Blocco note e inserendo un suggerimento per ogni "
                         "riga. ")
        + QStringLiteral("Inserire il file nella stessa directory dell'applicazione. ");
}

// Every line is a tip, empty ones included; the line end after the last line opens no
// further tip.
QStringList splitLines(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

QPushButton *addButton(const QString &name, const QString &caption, const QRect &twips,
                       QWidget *form)
{
    auto *button = new QPushButton(caption, form);
    button->setObjectName(name);
    button->setGeometry(Twips::toPixels(twips));
    return button;
}

} // namespace

TipWindow::TipWindow(const QString &dataFolder, QWidget *parent)
    : QDialog(parent)
    , m_dataFolder(dataFolder)
    , m_resizer(new ProportionalResizer(this))
{
    setObjectName(QStringLiteral("frmTip"));
    setWindowTitle(QStringLiteral("Suggerimento del giorno"));
    resize(Twips::toPixels(FormSize));
    buildControls();
    m_resizer->setSourceForm(this);
    m_resizer->ReInitialise();
}

void TipWindow::load()
{
    if (!loadTips(QDir(m_dataFolder).filePath(tipsFileName())))
        m_tipText->setText(missingFileMessage());
    m_resizer->SizeFormToFit(Twips::toPixels(FormSize));
}

QString TipWindow::tipsFileName()
{
    return QStringLiteral("SuggerimentiVeltra.TXT");
}

void TipWindow::buildControls()
{
    auto *picture = new QFrame(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(Twips::toPixels(PictureBox));
    picture->setFrameShape(QFrame::StyledPanel);
    picture->setFrameShadow(QFrame::Sunken);
    picture->setAutoFillBackground(true);
    QPalette white = picture->palette();
    white.setColor(QPalette::Window, Qt::white);
    picture->setPalette(white);

    auto *bulb = new QLabel(picture);
    bulb->setObjectName(QStringLiteral("Image1"));
    bulb->setGeometry(Twips::toPixels(BulbBox));
    bulb->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(24));

    auto *heading = new QLabel(QStringLiteral("Non tutti sanno che..."), picture);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setGeometry(Twips::toPixels(HeadingBox));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    m_tipText = new QLabel(picture);
    m_tipText->setObjectName(QStringLiteral("lblTipText"));
    m_tipText->setGeometry(Twips::toPixels(TipTextBox));
    m_tipText->setTextFormat(Qt::PlainText);
    m_tipText->setWordWrap(true);
    m_tipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QPushButton *closeButton = addButton(QStringLiteral("cmdOK"), QStringLiteral("&Chiudi"), CloseBox, this);
    closeButton->setDefault(true);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);
    connect(addButton(QStringLiteral("cmdNextTip"), QStringLiteral("&Successivo"), NextBox, this),
            &QPushButton::clicked, this, &TipWindow::nextTip);
    connect(addButton(QStringLiteral("cmdprecedente"), QStringLiteral("&Precedente"),
                      PreviousBox, this),
            &QPushButton::clicked, this, &TipWindow::previousTip);
}

bool TipWindow::loadTips(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    m_tips += splitLines(Windows1252::decode(file.readAll()));
    nextTip();
    return true;
}

void TipWindow::nextTip()
{
    ++m_currentTip;
    if (m_currentTip > m_tips.size())
        m_currentTip = 1;
    displayCurrentTip();
}

void TipWindow::previousTip()
{
    if (m_currentTip <= 1)
        return;
    --m_currentTip;
    displayCurrentTip();
}

void TipWindow::displayCurrentTip()
{
    if (m_tips.isEmpty())
        return;
    m_tipText->setText(m_tips.at(m_currentTip - 1));
}

} // namespace veltra
