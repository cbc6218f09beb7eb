#pragma once

#include "core/expenses/expensearchive.h"
#include "core/expenses/meterparameters.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace veltra {

class SharedState;

// The file beside an item allocated by heat meters ("Veltra-letture-" and the item file's
// name after "Veltra-"): the item file keeps its format for every program that reads it,
// and this file holds what criterion 7 needs besides. A format line ("VELTRA-LETTURE",1),
// then the condominium name, the number of owners, the consumption percentage as typed and
// the basis (1 property millesimi, 2 heated volume or radiant surface, 3 millesimi di
// fabbisogno), then for every owner his name, his reading as typed, 1 when it is an
// estimate, and his millesimi di fabbisogno as typed. A reading is empty or a number not
// below zero; any other field that cannot be taken refuses the whole file.
class MeterReadingsFile
{
public:
    struct OwnerReadings
    {
        QString ownerName;
        QString meterReading;     // consumption units, as typed
        int readingEstimated = 0; // 1: an estimate
        QString demandMillesimi;  // thousandths, as typed
    };

    struct LoadResult
    {
        bool opened = false;
        int failedLine = 0;
        QString problem; // the line, the field and the owner of the first field refused
        QString condoName;
        MeterParameters parameters;
        QList<OwnerReadings> owners;

        bool isComplete() const { return opened && failedLine == 0; }
    };

    // The companion of the item file at itemPath, in the same folder.
    static QString companionPath(const QString &itemPath);

    static LoadResult load(const QString &path);
    static LoadResult fromBytes(const QByteArray &bytes);

    // Why a complete result is not the companion of the item read (another condominium,
    // another number of owners, another owner's name), as a clause of a message; nothing
    // when it is.
    static std::optional<QString> foreignReason(const LoadResult &result,
                                                const ExpenseArchive::LoadResult &item);
    // Stores the parameters and the owners' readings of a complete result.
    static void apply(const LoadResult &result, SharedState &state);
    // The item's parameters back to their defaults and every reading and fabbisogno emptied.
    static void clear(SharedState &state);

    // For a complete item read from itemPath: when it is allocated by heat meters, its
    // companion read into readings, or the message to show (titled checkTitle) when the
    // companion is missing, unreadable or foreign, and the item must not be opened.
    static std::optional<QString> readBeside(const QString &itemPath,
                                             const ExpenseArchive::LoadResult &item,
                                             LoadResult &readings);
    // After the item is applied: the readings of an item allocated by heat meters, or none
    // for any other (they belonged to the item shown before).
    static void applyWithItem(const ExpenseArchive::LoadResult &item, const LoadResult &readings,
                              SharedState &state);

    // The bytes of the companion of the item in the state, or empty with *error.
    static QByteArray toBytes(const SharedState &state, QString *error = nullptr);
    // Writes them through a temporary file; false with *error, leaving the old file whole.
    static bool save(const SharedState &state, const QString &path, QString *error = nullptr);
};

} // namespace veltra
