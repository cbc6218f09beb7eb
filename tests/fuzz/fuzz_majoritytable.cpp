// The majorities file: any bytes are refused whole with one sentence or read into matters
// numbered from 1, each with its caption, text, thresholds and sources, that read back the same once
// written out again.

#include "fuzzcheck.h"

#include "library/assembly/majoritytable.h"
#include "library/assembly/thresholdline.h"

using namespace veltra;

namespace {

QByteArray writeOut(const QList<Majority> &majorities)
{
    QString text;
    for (const Majority &majority : majorities) {
        text += QStringLiteral("materia: ") + majority.caption + QLatin1Char('\n');
        for (const QString &paragraph : majority.text.split(QLatin1Char('\n')))
            text += QStringLiteral("testo: ") + paragraph + QLatin1Char('\n');
        for (const QString &threshold : ThresholdLine::linesOf(majority.rule)) {
            if (majority.hasRule)
                text += QStringLiteral("soglia: ") + threshold + QLatin1Char('\n');
        }
        for (const QString &source : majority.sources)
            text += QStringLiteral("fonte: ") + source + QLatin1Char('\n');
    }
    return text.toUtf8();
}

void requireWellFormed(const QList<Majority> &majorities)
{
    for (int i = 0; i < majorities.size(); ++i) {
        const Majority &majority = majorities.at(i);
        fuzz::require(majority.number == i + 1, "matters numbered from 1 without gaps",
                      majority.caption);
        fuzz::require(majority.caption.startsWith(QString::number(i + 1) + QLatin1Char(')')),
                      "a caption begins with its number", majority.caption);
        fuzz::require(!majority.text.isEmpty() && !majority.sources.isEmpty(),
                      "a matter has a text and sources", majority.caption);
        fuzz::require(!majority.text.contains(QLatin1Char('\r')), "no CR inside a text",
                      majority.text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const MajorityTable::Reading reading = MajorityTable::parse(fuzz::inputBytes(data, size));
    if (!reading.isValid()) {
        fuzz::require(reading.majorities.isEmpty(), "a refused file gives no matters",
                      reading.error);
        fuzz::require(!reading.error.contains(QLatin1Char('\n')), "the error is one sentence",
                      reading.error);
        return 0;
    }
    fuzz::require(!reading.majorities.isEmpty(), "a file read holds a matter");
    requireWellFormed(reading.majorities);
    const MajorityTable::Reading again = MajorityTable::parse(writeOut(reading.majorities));
    fuzz::require(again.isValid(), "a table written out reads again", again.error);
    fuzz::require(again.majorities.size() == reading.majorities.size(),
                  "a table written out keeps its matters");
    for (int i = 0; i < again.majorities.size(); ++i) {
        const Majority &before = reading.majorities.at(i);
        const Majority &after = again.majorities.at(i);
        fuzz::require(before.caption == after.caption && before.text == after.text
                          && before.sources == after.sources,
                      "a matter written out reads back the same", before.caption);
        fuzz::require(ThresholdLine::linesOf(before.rule) == ThresholdLine::linesOf(after.rule),
                      "thresholds written out read back the same", before.caption);
    }
    return 0;
}
