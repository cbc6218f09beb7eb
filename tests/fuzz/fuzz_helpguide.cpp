// The guide's data file: any bytes give either fifteen pages in the order of the contents,
// each with a title and a text, or a refusal that names the file; never half a guide.

#include "fuzzcheck.h"

#include "library/help/helpguide.h"

using namespace veltra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QString error;
    const std::optional<HelpGuide> guide = HelpGuide::fromBytes(fuzz::inputBytes(data, size), &error);
    if (!guide) {
        fuzz::require(error.startsWith(QStringLiteral("Il file guida.txt non è leggibile: ")),
                      "a refusal names the file", error);
        return 0;
    }
    fuzz::require(guide->pages().size() == HelpGuide::windowNames().size(), "fifteen pages");
    for (int i = 0; i < guide->pages().size(); ++i) {
        const HelpPage &page = guide->pages().at(i);
        fuzz::require(page.window == HelpGuide::windowNames().at(i), "pages in contents order",
                      page.window);
        fuzz::require(!page.title.isEmpty() && !page.text.isEmpty(), "no empty page", page.window);
        fuzz::require(guide->page(page.window) == &page, "each page found by its window",
                      page.window);
    }
    return 0;
}
