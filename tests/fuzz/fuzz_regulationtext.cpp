// The draft regulation's file: any bytes are either refused whole, with a message naming the
// file, or read as a draft that opens with its title line; a draft read back from its own
// text is the same draft.

#include "fuzzcheck.h"

#include "library/regulation/regulationtext.h"

using namespace veltra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const RegulationText regulation = RegulationText::parse(fuzz::inputBytes(data, size));
    if (!regulation.isValid()) {
        fuzz::require(regulation.text().isEmpty(), "a refused file shows nothing");
        fuzz::require(regulation.error().startsWith(QStringLiteral("Il file regolamento.txt non è leggibile: ")),
                      "the refusal names the file", regulation.error());
        return 0;
    }
    fuzz::require(regulation.error().isEmpty(), "a draft read has no refusal");
    fuzz::require(regulation.text().startsWith(RegulationText::titleLine()), "the draft opens with its title",
                  regulation.text());
    fuzz::require(!regulation.text().endsWith(QStringLiteral("\r\n")), "no empty line closes the draft");
    const RegulationText again = RegulationText::parse(regulation.text().toUtf8());
    fuzz::require(again.isValid() && again.text() == regulation.text(), "the draft reads back as itself",
                  regulation.text());
    return 0;
}
