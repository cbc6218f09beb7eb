#pragma once

#include "reports/document/reportdocument.h"

namespace veltra {

struct AppTexts;
struct HelpPage;
class HelpGuide;

// The printouts of the on-line guide: one page, or the whole guide with a page break
// between sections. Neither writes a status text: the help windows have no step hint.
class HelpPrintout
{
public:
    // One page: the application's title and subtitle, "Guida: " and the page's title, the
    // page's text.
    static ReportDocument page(const AppTexts &texts, const HelpPage &page);
    // The fifteen pages in the order of the contents, each after the first on a new page.
    static ReportDocument guide(const AppTexts &texts, const HelpGuide &guide);

    // The name the printed page is also saved under in the application's folder
    // (application title + page title + ".doc"), or empty for the pages not saved.
    static QString savedPageName(const AppTexts &texts, const HelpPage &page);
    // The name the whole guide is saved under in the application's folder.
    static QString guideName(const AppTexts &texts);
};

} // namespace veltra
