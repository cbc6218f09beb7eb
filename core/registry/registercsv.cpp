#include "core/registry/registercsv.h"

#include "core/archive/archivewriter.h"
#include "core/archive/fieldreading.h"
#include "core/archive/semicolonrows.h"
#include "core/registry/taxcode.h"
#include "core/state/sharedstate.h"

#include <QMap>
#include <QStringList>

namespace veltra {

namespace RegisterCsv {

namespace {

const QString PersonKind = QStringLiteral("persona");
const QString UnitKind = QStringLiteral("unita");
constexpr int PersonFields = 9;
constexpr int UnitFields = 8;

using SemicolonRows::row;
using SemicolonRows::split;

// Surname and given name from "Cognome Nome": the split whose letters the codice fiscale
// carries, or, without one, the whole text as the surname, since a double surname cannot
// be told from a double name.
void splitName(const QString &fullName, const QString &code, RegisterPerson &person)
{
    person.surname = fullName;
    if (!TaxCode::isPersonalCode(code))
        return;
    const QStringList words = fullName.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int k = 1; k < words.size(); ++k) {
        const QString surname = words.mid(0, k).join(QLatin1Char(' '));
        const QString given = words.mid(k).join(QLatin1Char(' '));
        if (TaxCode::personalCodeMismatches(code, surname, given, QDate()).isEmpty()) {
            person.surname = surname;
            person.givenName = given;
            return;
        }
    }
}

struct Reading
{
    const SharedState &state;
    QMap<int, OwnerRecord> records; // the owners named, as they will be
    QMap<int, bool> personsSeen;
};

QString ownerFault(const Reading &reading, const QString &text, int &owner)
{
    bool number = false;
    owner = text.toInt(&number);
    if (!number || owner < 1 || owner > MaxOwners || reading.state.owner(owner).ownerName.isEmpty())
        return QString::fromUtf8("il condomino \"%1\" non è nell'archivio")
            .arg(FieldReading::quoted(text));
    return QString();
}

OwnerRecord &recordOf(Reading &reading, int owner)
{
    if (!reading.records.contains(owner))
        reading.records.insert(owner, reading.state.anagrafe.record(owner));
    return reading.records[owner];
}

// A person already in the record with the same codice fiscale, or the same name when
// neither has one: he keeps what the CSV does not carry.
RegisterPerson known(const OwnerRecord &record, const RegisterPerson &person)
{
    for (const RegisterPerson &old : record.persons) {
        const bool sameCode = !person.fiscalCode.isEmpty()
            && old.fiscalCode.compare(person.fiscalCode, Qt::CaseInsensitive) == 0;
        if (sameCode || (old.fullName() == person.fullName() && person.fiscalCode.isEmpty()))
            return old;
    }
    return RegisterPerson();
}

QString readPerson(Reading &reading, const QStringList &fields)
{
    int owner = 0;
    const QString fault = ownerFault(reading, fields.at(1), owner);
    if (!fault.isEmpty())
        return fault;
    const std::optional<PersonRole> role = PersonRoles::fromName(fields.at(2));
    if (!role)
        return QString::fromUtf8("\"%1\" non è un ruolo dell'anagrafe (%2)")
            .arg(FieldReading::quoted(fields.at(2)), PersonRoles::names().join(QStringLiteral(", ")));
    if (fields.at(3).isEmpty())
        return QStringLiteral("manca il cognome e nome o la ragione sociale");
    const QString code = fields.at(4).toUpper();
    if (!code.isEmpty() && !TaxCode::isFiscalCode(code))
        return QString::fromUtf8("il codice fiscale \"%1\" non è valido")
            .arg(FieldReading::quoted(code));
    OwnerRecord &record = recordOf(reading, owner);
    RegisterPerson incoming;
    incoming.fiscalCode = code;
    splitName(fields.at(3), code, incoming);
    RegisterPerson person = known(record, incoming);
    person.role = *role;
    person.surname = incoming.surname;
    person.givenName = incoming.givenName;
    person.fiscalCode = code;
    person.residence = fields.at(5);
    person.pec = fields.at(6);
    person.email = fields.at(7);
    person.phone = fields.at(8);
    // The file's persons take the place of the record's: the first one clears the list.
    if (!reading.personsSeen.value(owner))
        record.persons.clear();
    reading.personsSeen.insert(owner, true);
    record.persons.append(person);
    return QString();
}

QString readUnit(Reading &reading, const QStringList &fields)
{
    int owner = 0;
    const QString fault = ownerFault(reading, fields.at(1), owner);
    if (!fault.isEmpty())
        return fault;
    bool number = false;
    const int j = fields.at(2).toInt(&number);
    if (!number || j < 1 || j > MaxUnits || reading.state.unit(owner, j).unitName.isEmpty())
        return QString::fromUtf8("il condomino n. %1 non ha il locale \"%2\"")
            .arg(owner)
            .arg(FieldReading::quoted(fields.at(2)));
    OwnerRecord &record = recordOf(reading, owner);
    CadastralUnit &unit = record.units[j];
    unit.comune = fields.at(3);
    unit.foglio = fields.at(4);
    unit.particella = fields.at(5);
    unit.subalterno = fields.at(6);
    // In capitals, as the land registry writes it; a letter whose capital the file cannot
    // carry is refused like any other.
    unit.categoria = fields.at(7).toUpper();
    const QString reason = ArchiveWriter::unwritableReason(unit.categoria);
    if (!reason.isEmpty())
        return QStringLiteral("la categoria \"%1\" %2").arg(FieldReading::quoted(unit.categoria), reason);
    return QString();
}

QString readLine(Reading &reading, const QString &line)
{
    QStringList fields;
    if (!split(line, fields))
        return QStringLiteral("virgolette non chiuse");
    // The register's file is in Windows-1252 and carries no double quote inside a text.
    for (const QString &field : fields) {
        const QString reason = ArchiveWriter::unwritableReason(field);
        if (!reason.isEmpty())
            return QStringLiteral("il testo \"%1\" %2").arg(FieldReading::quoted(field), reason);
    }
    const QString kind = fields.at(0).toLower();
    if (kind == PersonKind && fields.size() == PersonFields)
        return readPerson(reading, fields);
    if (kind == UnitKind && fields.size() == UnitFields)
        return readUnit(reading, fields);
    if (kind == PersonKind || kind == UnitKind)
        return QString::fromUtf8("una riga \"%1\" ha %2 campi separati da \";\", questa %3")
            .arg(kind)
            .arg(kind == PersonKind ? PersonFields : UnitFields)
            .arg(fields.size());
    return QString::fromUtf8("la riga non comincia con \"persona\" o \"unita\"");
}

} // namespace

QString build(const SharedState &state)
{
    QString text;
    for (int i = 1; i <= MaxOwners; ++i) {
        const OwnerRecord &record = state.anagrafe.record(i);
        const QString number = QString::number(i);
        for (const RegisterPerson &p : record.persons)
            text += row({PersonKind, number, PersonRoles::name(p.role), p.fullName(), p.fiscalCode,
                         p.residence, p.pec, p.email, p.phone});
        for (auto unit = record.units.cbegin(); unit != record.units.cend(); ++unit) {
            const CadastralUnit &u = unit.value();
            text += row({UnitKind, number, QString::number(unit.key()), u.comune, u.foglio,
                         u.particella, u.subalterno, u.categoria});
        }
    }
    return text;
}

Result import(const QByteArray &bytes, SharedState &state)
{
    Result result;
    QStringList lines;
    if (!SemicolonRows::lines(bytes, lines, &result.problem))
        return result;
    Reading reading{state, {}, {}};
    for (int n = 0; n < lines.size(); ++n) {
        if (lines.at(n).trimmed().isEmpty())
            continue;
        const QString fault = readLine(reading, lines.at(n));
        if (!fault.isEmpty()) {
            result.problem = QStringLiteral("riga %1: %2").arg(n + 1).arg(fault);
            return result;
        }
    }
    if (reading.records.isEmpty()) {
        result.problem = QString::fromUtf8("il file non contiene righe dell'anagrafe");
        return result;
    }
    for (auto record = reading.records.cbegin(); record != reading.records.cend(); ++record)
        state.anagrafe.setRecord(record.key(), record.value());
    result.ok = true;
    return result;
}

} // namespace RegisterCsv

} // namespace veltra
