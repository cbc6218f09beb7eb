#include "ui/help/helpwindow.h"

#include "core/platform/platform.h"
#include "core/state/sharedstate.h"
#include "reports/document/documenthandover.h"
#include "reports/help/helpprintout.h"
#include "ui/frame/proportionalresizer.h"
#include "ui/frame/shell.h"
#include "ui/frame/twips.h"

#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <climits>

namespace veltra {

namespace {

// The window's design, in twips; the quick manual is wider, for its longer text.
constexpr int PageWidth = 5640;
constexpr int ManualWidth = 9600;
constexpr int FormHeight = 6825;
constexpr int Margin = 120;
constexpr int TitleHeight = 375;
constexpr int TextTop = 600;
constexpr int ButtonTop = 6240;
constexpr int ButtonWidth = 1500;
constexpr int ButtonHeight = 375;

const QStringList LegalTexts = { QStringLiteral("guidaattuazione"), QStringLiteral("guidacodice") };

int formWidth(const HelpPage &page)
{
    return page.window == QLatin1String("manuale") ? ManualWidth : PageWidth;
}

} // namespace

HelpWindow::HelpWindow(Shell &shell, const HelpPage &page, QWidget *parent)
    : QDialog(parent)
    , m_shell(shell)
    , m_page(page)
    , m_resizer(new ProportionalResizer(this))
{
    setObjectName(page.window);
    setWindowTitle(QStringLiteral("Guida in linea"));
    if (!isLegalText())
        setAttribute(Qt::WA_DeleteOnClose);
    const QSize design = Twips::toPixels(QSize(formWidth(page), FormHeight));
    resize(design);
    buildControls();
    m_resizer->setSourceForm(this);
    m_resizer->ReInitialise();
    m_resizer->SizeFormToFit(design);
}

// A page longer than its box is shown in a text that scrolls, never cut.
bool HelpWindow::fitsWhole(const QString &text, const QSize &box) const
{
    const QRect needed = fontMetrics().boundingRect(QRect(0, 0, box.width(), INT_MAX), Qt::TextWordWrap, text);
    return needed.height() <= box.height();
}

bool HelpWindow::isLegalText() const
{
    return LegalTexts.contains(m_page.window);
}

void HelpWindow::buildControls()
{
    const int width = formWidth(m_page) - 2 * Margin;
    auto *title = new QLabel(m_page.title, this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setGeometry(Twips::toPixels(QRect(Margin, Margin, width, TitleHeight)));
    title->setAlignment(Qt::AlignCenter);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    const QRect textBox(Margin, TextTop, width, ButtonTop - TextTop - Margin);
    if (isLegalText() || !fitsWhole(m_page.text, Twips::toPixels(textBox).size())) {
        auto *text = new QPlainTextEdit(m_page.text, this);
        text->setObjectName(QStringLiteral("Text1"));
        text->setReadOnly(true);
        text->setGeometry(Twips::toPixels(textBox));
    } else {
        auto *text = new QLabel(m_page.text, this);
        text->setObjectName(QStringLiteral("Label2"));
        text->setTextFormat(Qt::PlainText);
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignJustify | Qt::AlignTop);
        text->setGeometry(Twips::toPixels(textBox));
    }

    connect(addButton(QStringLiteral("cmdChiudi"), QStringLiteral("&Chiudi"),
                      QRect(Margin, ButtonTop, ButtonWidth, ButtonHeight)),
            &QPushButton::clicked, this, &HelpWindow::closePage);
    connect(addButton(QStringLiteral("cmdSommario"), QStringLiteral("&Sommario"),
                      QRect((formWidth(m_page) - ButtonWidth) / 2, ButtonTop, ButtonWidth,
                            ButtonHeight)),
            &QPushButton::clicked, &m_shell, &Shell::showHelpContents);
    connect(addButton(QStringLiteral("stampa"), QStringLiteral("S&tampa"),
                      QRect(formWidth(m_page) - Margin - ButtonWidth, ButtonTop, ButtonWidth,
                            ButtonHeight)),
            &QPushButton::clicked, this, &HelpWindow::print);
}

QPushButton *HelpWindow::addButton(const QString &name, const QString &caption,
                                   const QRect &twips)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(Twips::toPixels(twips));
    return button;
}

void HelpWindow::print()
{
    const AppTexts &texts = m_shell.state().texts;
    present(m_shell, HelpPrintout::page(texts, m_page), HelpPrintout::savedPageName(texts, m_page));
}

void HelpWindow::present(Shell &shell, const ReportDocument &document, const QString &savedName)
{
    const QString title = shell.state().texts.helpTitle;
    DocumentHandover handover(shell.platform(), title);
    // The copy kept under its fixed name goes beside the dated documents, never into the
    // program's folder, which an installation leaves read-only.
    if (!savedName.isEmpty() && QDir().mkpath(handover.folder())) {
        ReportDocument saved = document;
        const QString path = QDir(handover.folder()).filePath(savedName);
        if (!saved.saveAs(path))
            shell.platform().showMessage(MessageIcon::Exclamation, title,
                                         QStringLiteral("Impossibile salvare il documento ")
                                             + QDir::toNativeSeparators(path)
                                             + QStringLiteral("."));
    }
    handover.handOver(document);
}

void HelpWindow::closePage()
{
    if (isLegalText())
        hide();
    else
        close();
}

} // namespace veltra
