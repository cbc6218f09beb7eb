#include "core/expenses/expensearchive.h"

#include "core/archive/archivereader.h"
#include "core/archive/archivewriter.h"
#include "core/numbers/numbertext.h"
#include "core/state/sharedstate.h"

#include <algorithm>
#include <utility>

namespace veltra {

namespace {

int readRanged(ArchiveReader &reader, int minimum, int maximum)
{
    const int value = reader.readInteger();
    if (reader.ok() && (value < minimum || value > maximum))
        reader.fail();
    return reader.ok() ? value : 0;
}

void readHeader(ArchiveReader &reader, ExpenseArchive::LoadResult &result, int &ownerCount)
{
    result.condoName = reader.readText();
    ownerCount = readRanged(reader, 0, MaxOwners);
    result.expenseAmount = reader.readText();
    result.expenseType = reader.readText();
    result.expenseDate = reader.readText();
    result.calcType = readRanged(reader, 0, 6);
    reader.endRecord();
}

ExpenseArchive::OwnerRecord readOwner(ArchiveReader &reader, bool withPayments)
{
    ExpenseArchive::OwnerRecord owner;
    owner.takesPart = readRanged(reader, 0, 1);
    owner.ownerName = reader.readText();
    owner.ownerAddress = reader.readText();
    owner.fixedPercent = reader.readText();
    owner.ownerMillesimi = reader.readCell();
    owner.floorMillesimi = reader.readText();
    owner.heatingQuantity = reader.readCell();
    owner.oneThirdFlag = readRanged(reader, 0, 1);
    owner.twoThirdsPercent = reader.readText();
    owner.shareAmount = reader.readText();
    reader.endRecord();
    if (withPayments) {
        owner.paymentDate = reader.readText();
        owner.reminderDate = reader.readText();
        reader.endRecord();
    }
    return owner;
}

void storeOwner(const ExpenseArchive::OwnerRecord &record, Owner &owner, bool withPayments)
{
    owner.takesPart = record.takesPart;
    owner.ownerName = record.ownerName;
    owner.ownerAddress = record.ownerAddress;
    owner.fixedPercent = record.fixedPercent;
    owner.ownerMillesimi = record.ownerMillesimi;
    owner.floorMillesimi = record.floorMillesimi;
    owner.heatingQuantity = record.heatingQuantity;
    owner.oneThirdFlag = record.oneThirdFlag;
    owner.twoThirdsPercent = record.twoThirdsPercent;
    owner.shareAmount = record.shareAmount;
    if (withPayments) {
        owner.paymentDate = record.paymentDate;
        owner.reminderDate = record.reminderDate;
    }
}

ExpenseArchive::LoadResult readItem(ArchiveReader &reader, bool withPayments)
{
    ExpenseArchive::LoadResult result;
    result.opened = true;
    int ownerCount = 0;
    readHeader(reader, result, ownerCount);
    for (int i = 1; i <= ownerCount && reader.ok(); ++i) {
        const ExpenseArchive::OwnerRecord owner = readOwner(reader, withPayments);
        if (reader.ok())
            result.owners.append(owner);
    }
    // Lines left over mean the file is of the other type, or no item file at all.
    if (reader.ok() && !reader.atEnd())
        reader.fail();
    result.failedLine = reader.failedLine();
    return result;
}

void writeItem(ArchiveWriter &writer, const SharedState &state, int k, bool withPayments)
{
    const int owners = std::clamp(state.ownerCount, 0, MaxOwners);
    const ExpenseItem &item = state.item(std::clamp(k, 0, MaxItems));
    writer.writeText(state.condoName);
    writer.writeInteger(owners);
    writer.writeText(item.expenseAmount);
    writer.writeText(item.expenseType);
    writer.writeText(item.expenseDate);
    writer.writeInteger(state.calcType);
    writer.endRecord();
    for (int i = 1; i <= owners; ++i) {
        const Owner &owner = state.owner(i);
        writer.writeInteger(owner.takesPart);
        writer.writeText(owner.ownerName);
        writer.writeText(owner.ownerAddress);
        writer.writeText(owner.fixedPercent);
        writer.writeCell(owner.ownerMillesimi, 3);
        writer.writeText(owner.floorMillesimi);
        writer.writeCell(owner.heatingQuantity, -1);
        writer.writeOptionalInteger(owner.oneThirdFlag);
        writer.writeText(owner.twoThirdsPercent);
        writer.writeText(owner.shareAmount);
        writer.endRecord();
        if (withPayments) {
            writer.writeText(owner.paymentDate);
            writer.writeText(owner.reminderDate);
            writer.endRecord();
        }
    }
}

QString ownerText(int i)
{
    return QStringLiteral(" del condomino n.") + NumberText::str(i);
}

QString typedText(const Cell &cell)
{
    return cell.isNumber() ? QString() : cell.toText();
}

} // namespace

ExpenseArchive::LoadResult ExpenseArchive::load(const QString &path, bool withPayments)
{
    ArchiveReader reader;
    if (!reader.open(path))
        return LoadResult();
    return readItem(reader, withPayments);
}

ExpenseArchive::LoadResult ExpenseArchive::fromBytes(const QByteArray &bytes, bool withPayments)
{
    ArchiveReader reader(bytes);
    return readItem(reader, withPayments);
}

bool ExpenseArchive::apply(const LoadResult &result, SharedState &state, int k, bool withPayments)
{
    if (!result.isComplete() || k < 1 || k > MaxItems)
        return false;
    const int owners = std::min(int(result.owners.size()), MaxOwners);
    state.condoName = result.condoName;
    state.ownerCount = owners;
    ExpenseItem &item = state.item(k);
    item.expenseAmount = result.expenseAmount;
    item.expenseType = result.expenseType;
    item.expenseDate = result.expenseDate;
    state.calcType = result.calcType;
    for (int i = 1; i <= owners; ++i)
        storeOwner(result.owners.at(i - 1), state.owner(i), withPayments);
    // The file is a full copy of the owners: an owner beyond it belongs to another
    // condominium and would come back at the next count of the names.
    for (int i = owners + 1; i <= MaxOwners; ++i) {
        const Owner &left = state.owner(i);
        if (!left.ownerName.isEmpty() || left.unitCount != 0 || !left.ownerMillesimi.isEmpty())
            state.owner(i) = Owner();
    }
    return true;
}

bool ExpenseArchive::save(const SharedState &state, int k, bool withPayments,
                          const QString &path, QString *error)
{
    ArchiveWriter writer;
    writeItem(writer, state, k, withPayments);
    const bool written = writer.commit(path);
    if (!written && error)
        *error = writer.errorString();
    return written;
}

QByteArray ExpenseArchive::toBytes(const SharedState &state, int k, bool withPayments,
                                   QString *error)
{
    ArchiveWriter writer;
    writeItem(writer, state, k, withPayments);
    if (writer.isWritable())
        return writer.bytes();
    if (error)
        *error = writer.errorString();
    return QByteArray();
}

std::optional<ExpenseArchive::UnwritableField>
ExpenseArchive::firstUnwritableField(const SharedState &state, int k, bool withPayments)
{
    const ExpenseItem &item = state.item(std::clamp(k, 0, MaxItems));
    const std::pair<const QString *, const char *> headerFields[] = {
        {&state.condoName, "il nome del condominio"},
        {&item.expenseAmount, "la somma da ripartire"},
        {&item.expenseType, "il tipo di spesa"},
        {&item.expenseDate, "la data della spesa"}};
    for (const auto &[text, name] : headerFields) {
        const QString reason = ArchiveWriter::unwritableReason(*text);
        if (!reason.isEmpty())
            return UnwritableField{QString::fromUtf8(name), reason};
    }
    for (int i = 1, owners = std::clamp(state.ownerCount, 0, MaxOwners); i <= owners; ++i) {
        const Owner &owner = state.owner(i);
        const QString millesimi = typedText(owner.ownerMillesimi);
        const QString heating = typedText(owner.heatingQuantity);
        const QString noPayment;
        const std::pair<const QString *, const char *> ownerFields[] = {
            {&owner.ownerName, "il nome"},
            {&owner.ownerAddress, "l'indirizzo"},
            {&owner.fixedPercent, "la percentuale fissa"},
            {&millesimi, "i millesimi di proprietà"},
            {&owner.floorMillesimi, "i millesimi di piano"},
            {&heating, "la quantità per il riscaldamento"},
            {&owner.twoThirdsPercent, "la percentuale per due terzi"},
            {&owner.shareAmount, "la ripartizione"},
            {withPayments ? &owner.paymentDate : &noPayment, "la data di pagamento"},
            {withPayments ? &owner.reminderDate : &noPayment, "la data di sollecito"}};
        for (const auto &[text, name] : ownerFields) {
            const QString reason = ArchiveWriter::unwritableReason(*text);
            if (!reason.isEmpty())
                return UnwritableField{QString::fromUtf8(name) + ownerText(i), reason};
        }
    }
    return std::nullopt;
}

} // namespace veltra
