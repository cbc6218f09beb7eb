#pragma once

#include "core/state/cell.h"

#include <QList>
#include <QString>

#include <optional>

namespace veltra {

class SharedState;

// The file of one item of an expense or budget series: a header line (condominium name,
// number of owners, amount, description, date, criterion), then for every owner a line of
// his allocation inputs and share, followed in "spese" files by his payments line (payment
// date, reminder date). Loading reads the whole file first; only a file read to its end
// is applied, so a missing, truncated or foreign file leaves the shared state untouched.
// An amount or share that is no number, and a payment or reminder date that is neither
// empty, nor the printed marker, nor a day of the calendar, make the file unreadable.
class ExpenseArchive
{
public:
    // One owner as read from his line (and payments line).
    struct OwnerRecord
    {
        int takesPart = 0;
        QString ownerName;
        QString ownerAddress;
        QString fixedPercent;
        Cell ownerMillesimi;   // thousandths: a number, or text as typed
        QString floorMillesimi;
        Cell heatingQuantity;  // cubic or square metres: a number, or text as typed
        int oneThirdFlag = 0;
        QString twoThirdsPercent;
        QString shareAmount;   // euro, "##,##0.00"
        QString paymentDate;   // only in "spese" files
        QString reminderDate;  // only in "spese" files
    };

    struct LoadResult
    {
        bool opened = false;  // false: no name, missing or unreadable file
        int failedLine = 0;   // the line (from 1) of the first field not read, 0 when none
        // What is wrong there, naming the line, the field and the owner: "riga 5, la data
        // di pagamento del condomino n. 2 ("Rossi"): "31/02/2026" non è una data…".
        QString problem;
        QString condoName;
        QString expenseAmount;
        QString expenseType;
        QString expenseDate;
        int calcType = 0;
        QList<OwnerRecord> owners; // the owner lines read completely, in order

        bool isComplete() const { return opened && failedLine == 0; }
    };

    // A text field the notation cannot carry back, named for the user.
    struct UnwritableField
    {
        QString field;  // "l'indirizzo del condomino n. 3"
        QString reason; // "contiene le virgolette (\")"
    };

    // Reads the file named path; withPayments for a "spese" file. The state is not touched.
    static LoadResult load(const QString &path, bool withPayments);
    // Reads the bytes of a file as load() reads the file.
    static LoadResult fromBytes(const QByteArray &bytes, bool withPayments);

    // Stores a complete result as item k (1..200): the condominium name, the number of
    // owners, the item, calcType and the owners' lines (payments only when withPayments).
    // Owners beyond the file's count are emptied, so that no owner of another condominium
    // is left behind. Does nothing, returning false, for an incomplete result.
    static bool apply(const LoadResult &result, SharedState &state, int k, bool withPayments);

    // Writes item k (1..200) and owners 1..ownerCount to path through a temporary file;
    // false, with *error, when a text cannot be carried or the disk refuses (the previous
    // file is then untouched).
    static bool save(const SharedState &state, int k, bool withPayments, const QString &path,
                     QString *error = nullptr);
    // The bytes save() writes, or an empty array, with *error, when a text or a number
    // cannot be carried.
    static QByteArray toBytes(const SharedState &state, int k, bool withPayments,
                              QString *error = nullptr);

    // The first text field, in the order of the file, that save() would refuse.
    static std::optional<UnwritableField> firstUnwritableField(const SharedState &state, int k,
                                                               bool withPayments);
};

} // namespace veltra
