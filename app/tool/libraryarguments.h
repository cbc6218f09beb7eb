#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace veltra {

// The arguments of the tool's library commands: whole numbers in a fixed order, the folder
// of the shipped data files ("--dati DATI", by default the tool's own folder, where the
// application keeps them) and, where a command takes it, the first ruling ("--da N").
struct LibraryArguments
{
    QList<int> numbers;
    QString dataFolder;
    std::optional<int> from;

    // The arguments read from words, or nothing when they do not make the command: a word
    // that is not a whole number, an option without its value or given twice, "--da" where
    // it is not accepted, or a count of numbers other than numberCount.
    static std::optional<LibraryArguments> parse(const QStringList &words, int numberCount,
                                                 bool acceptsFrom);
    // The path of the data file fileName in the data folder.
    QString dataFile(const QString &fileName) const;
};

} // namespace veltra
