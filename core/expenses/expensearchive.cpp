#include "core/expenses/expensearchive.h"

#include "core/archive/archivereader.h"
#include "core/archive/fieldreading.h"
#include "core/archive/archivewriter.h"
#include "core/assembly/calendardate.h"
#include "core/expenses/expenseallocation.h"
#include "core/numbers/numbertext.h"
#include "core/payments/paymentdates.h"
#include "core/state/sharedstate.h"

#include <algorithm>
#include <utility>

namespace veltra {

namespace {

// The names of the fields as messages give them, in the order of the file.
namespace Field {
const char *const CondoName = "il nome del condominio";
const char *const OwnerCount = "il numero dei condomini";
const char *const Amount = "la somma da ripartire";
const char *const Type = "il tipo di spesa";
const char *const Date = "la data della spesa";
const char *const CalcType = "il criterio di ripartizione";
const char *const TakesPart = "la partecipazione alla spesa";
const char *const Name = "il nome";
const char *const Address = "l'indirizzo";
const char *const FixedPercent = "la percentuale fissa";
const char *const Millesimi = "i millesimi di proprietà";
const char *const FloorMillesimi = "i millesimi di piano";
const char *const Heating = "la quantità per il riscaldamento";
const char *const OneThird = "la partecipazione al terzo del lastrico";
const char *const TwoThirds = "la percentuale per due terzi";
const char *const Share = "la ripartizione";
const char *const PaymentDate = "la data di pagamento";
const char *const ReminderDate = "la data di sollecito";
} // namespace Field

QString ownerText(int i)
{
    return QStringLiteral(" del condomino n.") + NumberText::str(i);
}

// A figure that is counted: empty, or a number below the largest figure.
QString readFigure(FieldReading &reading, const char *field)
{
    const QString value = reading.text(field);
    if (reading.ok())
        reading.refuse(field, NumberText::fault(value));
    return value;
}

// A payment or reminder date: empty, the marker of a printed empty date, or a day of the
// calendar; any other text would count the owner as paid.
QString readPaymentDate(FieldReading &reading, const char *field)
{
    const QString value = reading.text(field);
    if (reading.ok() && !value.isEmpty() && value != PaymentDates::Marker
        && !CalendarDate::read(value))
        reading.refuse(field, QStringLiteral("\"%1\" non è una data del calendario nella forma "
                                             "gg/mm/aaaa").arg(FieldReading::quoted(value)));
    return value;
}

void readHeader(FieldReading &reading, ExpenseArchive::LoadResult &result, int &ownerCount)
{
    result.condoName = reading.text(Field::CondoName);
    ownerCount = reading.ranged(Field::OwnerCount, 0, MaxOwners);
    result.expenseAmount = readFigure(reading, Field::Amount);
    result.expenseType = reading.text(Field::Type);
    result.expenseDate = reading.text(Field::Date);
    result.calcType = reading.ranged(Field::CalcType, 0, LastCriterion);
    reading.endRecord(Field::CalcType);
}

ExpenseArchive::OwnerRecord readOwner(FieldReading &reading, int i, bool withPayments)
{
    ExpenseArchive::OwnerRecord owner;
    reading.setOwner(i);
    owner.takesPart = reading.ranged(Field::TakesPart, 0, 1);
    owner.ownerName = reading.text(Field::Name);
    reading.setOwner(i, owner.ownerName);
    owner.ownerAddress = reading.text(Field::Address);
    owner.fixedPercent = reading.text(Field::FixedPercent);
    owner.ownerMillesimi = reading.cell(Field::Millesimi);
    owner.floorMillesimi = reading.text(Field::FloorMillesimi);
    owner.heatingQuantity = reading.cell(Field::Heating);
    owner.oneThirdFlag = reading.ranged(Field::OneThird, 0, 1);
    owner.twoThirdsPercent = reading.text(Field::TwoThirds);
    owner.shareAmount = readFigure(reading, Field::Share);
    reading.endRecord(Field::Share);
    if (withPayments) {
        owner.paymentDate = readPaymentDate(reading, Field::PaymentDate);
        owner.reminderDate = readPaymentDate(reading, Field::ReminderDate);
        reading.endRecord(Field::ReminderDate);
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
    result.problem = reader.problem();
    FieldReading reading(reader, result.problem);
    int ownerCount = 0;
    readHeader(reading, result, ownerCount);
    result.owners.reserve(ownerCount);
    for (int i = 1; i <= ownerCount && reading.ok(); ++i) {
        const ExpenseArchive::OwnerRecord owner = readOwner(reading, i, withPayments);
        if (reading.ok())
            result.owners.append(owner);
    }
    // Lines left over mean the file is of the other type, or no item file at all.
    reading.refuseLeftOver(QString::fromUtf8("il file continua dopo l'ultimo condomino (è un "
                                             "archivio dell'altro tipo di gestione o non è "
                                             "un file di spesa)"));
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

QString typedText(const Cell &cell)
{
    return cell.isNumber() ? QString() : cell.toText();
}

} // namespace

ExpenseArchive::LoadResult ExpenseArchive::load(const QString &path, bool withPayments)
{
    ArchiveReader reader;
    if (!reader.open(path)) {
        LoadResult result;
        result.problem = reader.problem();
        return result;
    }
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
        {&state.condoName, Field::CondoName},
        {&item.expenseAmount, Field::Amount},
        {&item.expenseType, Field::Type},
        {&item.expenseDate, Field::Date}};
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
            {&owner.ownerName, Field::Name},
            {&owner.ownerAddress, Field::Address},
            {&owner.fixedPercent, Field::FixedPercent},
            {&millesimi, Field::Millesimi},
            {&owner.floorMillesimi, Field::FloorMillesimi},
            {&heating, Field::Heating},
            {&owner.twoThirdsPercent, Field::TwoThirds},
            {&owner.shareAmount, Field::Share},
            {withPayments ? &owner.paymentDate : &noPayment, Field::PaymentDate},
            {withPayments ? &owner.reminderDate : &noPayment, Field::ReminderDate}};
        for (const auto &[text, name] : ownerFields) {
            const QString reason = ArchiveWriter::unwritableReason(*text);
            if (!reason.isEmpty())
                return UnwritableField{QString::fromUtf8(name) + ownerText(i), reason};
        }
    }
    return std::nullopt;
}

} // namespace veltra
