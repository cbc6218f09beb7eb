// The court rulings' file: any bytes are either refused whole, with no ruling, or read as
// rulings numbered from 1 in each topic, each closed by a citation it can be checked by
// and carrying the addresses of its sources; the rulings written back in the file's
// notation read as the same rulings.

#include "fuzzcheck.h"

#include "library/rulings/rulinglibrary.h"
#include "library/rulings/rulingtopics.h"

using namespace veltra;

namespace {

QByteArray written(const RulingLibrary &library)
{
    QByteArray bytes = "# riscritto\n";
    for (int t = 1; t <= RulingTopics::Count; ++t) {
        for (const Ruling &ruling : library.rulings(t)) {
            bytes += "[sentenza " + QByteArray::number(t) + '.' + QByteArray::number(ruling.number) + "]\n";
            bytes += ruling.text.toUtf8() + "\n";
            for (const QString &source : ruling.sources)
                bytes += "fonte: " + source.toUtf8() + "\n";
        }
    }
    return bytes;
}

void requireWellFormed(const RulingLibrary &library)
{
    int total = 0;
    for (int t = 1; t <= RulingTopics::Count; ++t) {
        const QList<Ruling> rulings = library.rulings(t);
        fuzz::require(rulings.size() <= RulingLibrary::MaxPerTopic, "at most 100 rulings a topic");
        for (int n = 1; n <= rulings.size(); ++n) {
            const Ruling &ruling = rulings.at(n - 1);
            fuzz::require(ruling.topic == t && ruling.number == n, "rulings numbered from 1 in their topic");
            fuzz::require(ruling.text.endsWith(ruling.citation.text()), "the text ends with its citation",
                          ruling.text);
            fuzz::require(!ruling.text.contains(QLatin1Char('\n')), "a ruling is one line", ruling.text);
            fuzz::require(!ruling.sources.isEmpty(), "every ruling has a source");
            fuzz::require(library.text(n, t) == ruling.text, "a ruling is found by its numbers");
        }
        total += int(rulings.size());
    }
    fuzz::require(total == library.total() && total > 0, "the total counts every ruling");
}

void requireSameRulings(const RulingLibrary &library, const RulingLibrary &again)
{
    fuzz::require(again.isValid(), "written rulings read back", again.error());
    for (int t = 1; t <= RulingTopics::Count; ++t) {
        const QList<Ruling> before = library.rulings(t);
        const QList<Ruling> after = again.rulings(t);
        fuzz::require(before.size() == after.size(), "each topic keeps its rulings");
        for (int i = 0; i < before.size(); ++i)
            fuzz::require(before.at(i).text == after.at(i).text && before.at(i).sources == after.at(i).sources,
                          "each ruling reads back as itself", before.at(i).text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const RulingLibrary library = RulingLibrary::parse(fuzz::inputBytes(data, size));
    if (!library.isValid()) {
        fuzz::require(library.total() == 0, "a refused file shows no ruling");
        fuzz::require(library.error().startsWith(QStringLiteral("Il file sentenze.txt non è leggibile: ")),
                      "the refusal names the file", library.error());
        return 0;
    }
    requireWellFormed(library);
    requireSameRulings(library, RulingLibrary::parse(written(library)));
    return 0;
}
