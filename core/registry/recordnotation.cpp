#include "core/registry/recordnotation.h"

#include "core/archive/archivereader.h"
#include "core/archive/archivewriter.h"
#include "core/archive/fieldreading.h"
#include "core/archive/windows1252.h"
#include "core/state/owner.h"

namespace veltra {

namespace RecordNotation {

namespace {

const QString PersonKind = QStringLiteral("persona");
const QString UnitKind = QStringLiteral("unita");
const QString ChangeKind = QStringLiteral("variazione");
const QString CommunicationKind = QStringLiteral("comunicazione");
const QString SafetyKind = QStringLiteral("sicurezza");
const QStringList ChannelNames = {QStringLiteral("posta"), QStringLiteral("pec"),
                                  QStringLiteral("email")};

void writeDate(ArchiveWriter &writer, const QDate &date)
{
    writer.writeText(date.isValid() ? date.toString(Qt::ISODate) : QString());
}

QDate readDate(FieldReading &reading, const QString &field)
{
    const QString text = reading.text(field);
    if (text.isEmpty())
        return QDate();
    const QDate date = QDate::fromString(text, Qt::ISODate);
    reading.refuse(field, date.isValid() ? QString()
                                         : QStringLiteral("\"%1\" non è una data")
                                               .arg(FieldReading::quoted(text)));
    return date;
}

void writePerson(ArchiveWriter &writer, const RegisterPerson &p)
{
    writer.writeText(PersonKind);
    writer.writeText(PersonRoles::name(p.role));
    for (const QString *text : {&p.share, &p.surname, &p.givenName, &p.fiscalCode})
        writer.writeText(*text);
    writeDate(writer, p.birthDate);
    for (const QString *text : {&p.residence, &p.pec, &p.email, &p.phone, &p.iban})
        writer.writeText(*text);
    writer.writeText(ChannelNames.at(int(p.channel)));
    for (const QDate *date : {&p.consentDate, &p.contractStart, &p.contractRegistered})
        writeDate(writer, *date);
    writer.endRecord();
}

RegisterPerson readPerson(FieldReading &reading)
{
    RegisterPerson p;
    const QString role = reading.text(QStringLiteral("il ruolo"));
    if (const std::optional<PersonRole> known = PersonRoles::fromName(role))
        p.role = *known;
    else
        reading.refuse(QStringLiteral("il ruolo"), QStringLiteral("ruolo sconosciuto"));
    p.share = reading.text(QStringLiteral("la quota"));
    p.surname = reading.text(QStringLiteral("il cognome"));
    p.givenName = reading.text(QStringLiteral("il nome"));
    p.fiscalCode = reading.text(QStringLiteral("il codice fiscale"));
    p.birthDate = readDate(reading, QStringLiteral("la data di nascita"));
    p.residence = reading.text(QStringLiteral("la residenza"));
    p.pec = reading.text(QStringLiteral("la PEC"));
    p.email = reading.text(QStringLiteral("l'email"));
    p.phone = reading.text(QStringLiteral("il telefono"));
    p.iban = reading.text(QStringLiteral("l'IBAN"));
    const int channel = ChannelNames.indexOf(reading.text(QStringLiteral("il recapito")));
    reading.refuse(QStringLiteral("il recapito"),
                   channel < 0 ? QStringLiteral("recapito sconosciuto") : QString());
    p.channel = NoticeChannel(std::max(0, channel));
    p.consentDate = readDate(reading, QStringLiteral("la data del consenso"));
    p.contractStart = readDate(reading, QStringLiteral("l'inizio del contratto"));
    p.contractRegistered = readDate(reading, QStringLiteral("la registrazione del contratto"));
    reading.endRecord(QStringLiteral("la registrazione del contratto"));
    return p;
}

void writeUnit(ArchiveWriter &writer, int j, const CadastralUnit &u)
{
    writer.writeText(UnitKind);
    writer.writeInteger(j);
    for (const QString *text : {&u.comune, &u.sezione, &u.foglio, &u.particella, &u.subalterno,
                                &u.categoria, &u.classe})
        writer.writeText(*text);
    writer.writeText(u.renditaCents ? QString::number(*u.renditaCents) : QString());
    writer.endRecord();
}

void readUnit(FieldReading &reading, OwnerRecord &record)
{
    const int j = reading.ranged(QStringLiteral("il numero del locale"), 1, MaxUnits);
    reading.setUnit(j);
    CadastralUnit u;
    u.comune = reading.text(QStringLiteral("il comune"));
    u.sezione = reading.text(QStringLiteral("la sezione"));
    u.foglio = reading.text(QStringLiteral("il foglio"));
    u.particella = reading.text(QStringLiteral("la particella"));
    u.subalterno = reading.text(QStringLiteral("il subalterno"));
    u.categoria = reading.text(QStringLiteral("la categoria"));
    u.classe = reading.text(QStringLiteral("la classe"));
    const QString rendita = reading.text(QStringLiteral("la rendita"));
    bool number = true;
    if (!rendita.isEmpty())
        u.renditaCents = rendita.toLongLong(&number);
    reading.refuse(QStringLiteral("la rendita"),
                   number && u.renditaCents.value_or(0) >= 0 ? QString()
                                                             : QStringLiteral("non è un importo"));
    reading.endRecord(QStringLiteral("la rendita"));
    reading.setUnit(0);
    if (reading.ok())
        record.units.insert(j, u);
}

void writeChange(ArchiveWriter &writer, const RegisterChange &c)
{
    writer.writeText(ChangeKind);
    writeDate(writer, c.date);
    writer.writeText(c.document);
    writer.writeText(c.description);
    writer.writeInteger(c.transfer ? 1 : 0);
    writer.endRecord();
}

RegisterChange readChange(FieldReading &reading)
{
    RegisterChange c;
    c.date = readDate(reading, QStringLiteral("la data della variazione"));
    c.document = reading.text(QStringLiteral("il documento"));
    c.description = reading.text(QStringLiteral("la descrizione"));
    c.transfer = reading.ranged(QStringLiteral("il segno di trasferimento"), 0, 1) == 1;
    reading.endRecord(QStringLiteral("il segno di trasferimento"));
    return c;
}

} // namespace

void write(ArchiveWriter &writer, const OwnerRecord &record)
{
    for (const RegisterPerson &person : record.persons)
        writePerson(writer, person);
    for (auto unit = record.units.cbegin(); unit != record.units.cend(); ++unit)
        writeUnit(writer, unit.key(), unit.value());
    for (const RegisterChange &change : record.changes)
        writeChange(writer, change);
    if (record.lastCommunication.isValid()) {
        writer.writeText(CommunicationKind);
        writeDate(writer, record.lastCommunication);
        writer.endRecord();
    }
}

void write(ArchiveWriter &writer, const SafetyItem &item)
{
    writer.writeText(SafetyKind);
    writer.writeText(item.item);
    writeDate(writer, item.lastCheck);
    writeDate(writer, item.nextDue);
    writer.writeText(item.performer);
    writer.writeText(item.certificate);
    writer.endRecord();
}

bool read(FieldReading &reading, const QString &kind, OwnerRecord &record)
{
    if (kind == PersonKind) {
        const RegisterPerson person = readPerson(reading);
        if (reading.ok())
            record.persons.append(person);
    } else if (kind == UnitKind) {
        readUnit(reading, record);
    } else if (kind == ChangeKind) {
        const RegisterChange change = readChange(reading);
        if (reading.ok())
            record.changes.append(change);
    } else if (kind == CommunicationKind) {
        record.lastCommunication = readDate(reading, QStringLiteral("la data della comunicazione"));
        reading.endRecord(QStringLiteral("la data della comunicazione"));
    } else {
        return false;
    }
    return true;
}

SafetyItem readSafetyItem(FieldReading &reading)
{
    SafetyItem item;
    item.item = reading.text(QStringLiteral("la voce"));
    item.lastCheck = readDate(reading, QStringLiteral("l'ultima verifica"));
    item.nextDue = readDate(reading, QStringLiteral("la prossima scadenza"));
    item.performer = reading.text(QStringLiteral("l'esecutore"));
    item.certificate = reading.text(QStringLiteral("il certificato"));
    reading.endRecord(QStringLiteral("il certificato"));
    return item;
}

QString text(const OwnerRecord &record)
{
    if (record.isEmpty())
        return QString();
    ArchiveWriter writer;
    write(writer, record);
    return Windows1252::decode(writer.bytes());
}

OwnerRecord fromText(const QString &text)
{
    OwnerRecord record;
    ArchiveReader reader(Windows1252::encode(text));
    QString problem;
    FieldReading reading(reader, problem);
    while (reading.ok() && !reader.atEnd()) {
        const QString kind = reading.text(QStringLiteral("il tipo di riga"));
        if (!read(reading, kind, record))
            break;
    }
    return record;
}

QString text(const QVector<SafetyItem> &items)
{
    ArchiveWriter writer;
    for (const SafetyItem &item : items)
        write(writer, item);
    return Windows1252::decode(writer.bytes());
}

QVector<SafetyItem> safetyFromText(const QString &text)
{
    QVector<SafetyItem> items;
    ArchiveReader reader(Windows1252::encode(text));
    QString problem;
    FieldReading reading(reader, problem);
    while (reading.ok() && !reader.atEnd()) {
        if (reading.text(QStringLiteral("il tipo di riga")) != SafetyKind)
            break;
        const SafetyItem item = readSafetyItem(reading);
        if (reading.ok())
            items.append(item);
    }
    return items;
}

} // namespace RecordNotation

} // namespace veltra
