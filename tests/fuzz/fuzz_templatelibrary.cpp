// The letter templates' file: any bytes are either refused whole, every entry empty, or read
// as 69 templates with a title and a text each and an empty entry after them; the
// templates written back in the file's notation read as the same templates.

#include "fuzzcheck.h"

#include "library/templates/templatelibrary.h"

using namespace veltra;

namespace {

QByteArray written(const TemplateLibrary &library)
{
    QByteArray bytes = "# riscritto\n";
    for (int n = 1; n <= TemplateLibrary::TemplateCount; ++n) {
        bytes += "[modello " + QByteArray::number(n) + "] " + library.title(n).toUtf8() + "\n";
        bytes += QString(library.text(n)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toUtf8() + "\n";
    }
    return bytes;
}

void requireSameTemplates(const TemplateLibrary &library, const TemplateLibrary &again)
{
    fuzz::require(again.isValid(), "written templates read back", again.error());
    for (int n = 1; n <= TemplateLibrary::TemplateCount; ++n)
        fuzz::require(again.title(n) == library.title(n) && again.text(n) == library.text(n),
                      "each template reads back as itself", library.title(n));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const TemplateLibrary library = TemplateLibrary::parse(fuzz::inputBytes(data, size));
    if (!library.isValid()) {
        for (int n = 1; n <= TemplateLibrary::EntryCount; ++n)
            fuzz::require(library.title(n).isEmpty() && library.text(n).isEmpty(),
                          "a refused file shows no template");
        fuzz::require(library.error().startsWith(QStringLiteral("Il file modelli.txt non è leggibile: ")),
                      "the refusal names the file", library.error());
        return 0;
    }
    for (int n = 1; n <= TemplateLibrary::TemplateCount; ++n) {
        fuzz::require(!library.title(n).trimmed().isEmpty(), "every template has a title");
        const QString text = library.text(n);
        fuzz::require(!text.trimmed().isEmpty(), "every template has a text");
        fuzz::require(!text.startsWith(QStringLiteral("\r\n")) && !text.endsWith(QStringLiteral("\r\n")),
                      "no empty line opens or closes a text", text);
        fuzz::require(!text.contains(QStringLiteral("\n[modello ")) && !text.startsWith(QStringLiteral("[modello ")),
                      "no text line is a template's header", text);
    }
    for (int n = TemplateLibrary::TemplateCount + 1; n <= TemplateLibrary::EntryCount; ++n)
        fuzz::require(library.title(n).isEmpty() && library.text(n).isEmpty(), "the entries after the templates are empty");
    requireSameTemplates(library, TemplateLibrary::parse(written(library)));
    return 0;
}
