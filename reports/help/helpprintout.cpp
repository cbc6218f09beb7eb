#include "reports/help/helpprintout.h"

#include "core/state/sharedstate.h"
#include "library/help/helpguide.h"

namespace veltra {

namespace {

const QChar CR(13);
const QChar FF(12);

// Only the printing instructions and the templates page are kept beside the program, for
// the user to open again without the program.
const QStringList SavedPages = { QStringLiteral("guidastampa"), QStringLiteral("guidamodelli") };

void appendHeading(ReportDocument &document, const AppTexts &texts)
{
    document.appendParagraph(texts.appTitle + CR, 20);
    document.appendParagraph(texts.appSubtitle + CR + CR + CR, 16);
}

QString pageHeading(const HelpPage &page)
{
    return QStringLiteral("Guida: ") + page.title + CR + CR;
}

} // namespace

ReportDocument HelpPrintout::page(const AppTexts &texts, const HelpPage &page)
{
    ReportDocument document(PrintoutFont);
    appendHeading(document, texts);
    document.appendParagraph(pageHeading(page), 16);
    document.appendParagraph(page.text + CR, 12);
    document.justifyAll();
    return document;
}

ReportDocument HelpPrintout::guide(const AppTexts &texts, const HelpGuide &guide)
{
    ReportDocument document(PrintoutFont);
    appendHeading(document, texts);
    const QVector<HelpPage> &pages = guide.pages();
    for (int i = 0; i < pages.size(); ++i) {
        const bool last = i == pages.size() - 1;
        document.appendParagraph(pageHeading(pages.at(i)), i == 0 ? 16 : 12);
        document.appendParagraph(pages.at(i).text + CR + (last ? QString() : QString(FF)), 12);
    }
    document.justifyAll();
    return document;
}

QString HelpPrintout::savedPageName(const AppTexts &texts, const HelpPage &page)
{
    if (!SavedPages.contains(page.window))
        return QString();
    return texts.appTitle + page.title + QStringLiteral(".doc");
}

QString HelpPrintout::guideName(const AppTexts &texts)
{
    return texts.appTitle + QStringLiteral("-guida.doc");
}

} // namespace veltra
