#include "libraryarguments.h"

#include "library/datafile/datafolder.h"

#include <QDir>

namespace veltra {

std::optional<LibraryArguments> LibraryArguments::parse(const QStringList &words, int numberCount,
                                                        bool acceptsFrom)
{
    LibraryArguments parsed;
    for (int a = 0; a < words.size(); ++a) {
        const QString &word = words.at(a);
        const bool hasValue = a + 1 < words.size();
        bool isNumber = false;
        if (word == QLatin1String("--dati") && hasValue && parsed.dataFolder.isEmpty()) {
            parsed.dataFolder = words.at(++a);
        } else if (word == QLatin1String("--da") && hasValue && acceptsFrom && !parsed.from) {
            const int from = words.at(++a).toInt(&isNumber);
            if (!isNumber)
                return std::nullopt;
            parsed.from = from;
        } else if (const int number = word.toInt(&isNumber); isNumber) {
            parsed.numbers << number;
        } else {
            return std::nullopt;
        }
    }
    if (parsed.numbers.size() != numberCount)
        return std::nullopt;
    if (parsed.dataFolder.isEmpty())
        parsed.dataFolder = DataFolder::ofThisProgram();
    return parsed;
}

QString LibraryArguments::dataFile(const QString &fileName) const
{
    return QDir(dataFolder).filePath(fileName);
}

} // namespace veltra
