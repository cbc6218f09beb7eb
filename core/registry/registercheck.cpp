#include "core/registry/registercheck.h"

#include "core/registry/iban.h"
#include "core/registry/taxcode.h"
#include "core/state/sharedstate.h"

namespace veltra {

namespace RegisterCheck {

namespace {

QString dayText(const QDate &date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

void checkFiscalCode(const RegisterPerson &person, const QString &who, OwnerFindings &findings)
{
    const QString code = person.fiscalCode.trimmed();
    if (code.isEmpty()) {
        findings.missing.append(QStringLiteral("il codice fiscale di ") + who);
        return;
    }
    const QString head = QStringLiteral("il codice fiscale di %1 (%2)").arg(who, code);
    if (!TaxCode::isFiscalCode(code)) {
        findings.wrong.append(head + QStringLiteral(": carattere di controllo errato o forma non valida"));
        return;
    }
    const QStringList mismatches = TaxCode::personalCodeMismatches(
        code, person.surname, person.givenName, person.birthDate);
    if (!mismatches.isEmpty())
        findings.wrong.append(head + QStringLiteral(": non corrispondono ")
                              + mismatches.join(QStringLiteral(", ")));
}

void checkPerson(const RegisterPerson &person, OwnerFindings &findings)
{
    const QString who = person.fullName().trimmed().isEmpty()
        ? QStringLiteral("una persona senza nome (%1)").arg(PersonRoles::name(person.role))
        : person.fullName();
    if (person.surname.trimmed().isEmpty())
        findings.missing.append(QStringLiteral("il cognome o la ragione sociale di ") + who);
    if (person.fiscalCode.trimmed().size() == 16 && person.givenName.trimmed().isEmpty())
        findings.missing.append(QStringLiteral("il nome di ") + who);
    checkFiscalCode(person, who, findings);
    if (person.residence.trimmed().isEmpty())
        findings.missing.append(QStringLiteral("la residenza o il domicilio di ") + who);
    if (person.role == PersonRole::Comproprietario && person.share.trimmed().isEmpty())
        findings.missing.append(QStringLiteral("la quota di comproprietà di ") + who);
    if (!person.iban.trimmed().isEmpty() && !Iban::isValid(person.iban))
        findings.wrong.append(QStringLiteral("l'IBAN di %1 (%2): cifre di controllo errate")
                                  .arg(who, person.iban.trimmed()));
    const bool byPec = person.channel == NoticeChannel::Pec;
    if (person.channel != NoticeChannel::Post) {
        if ((byPec ? person.pec : person.email).trimmed().isEmpty())
            findings.missing.append(QStringLiteral("l'indirizzo %1 a cui %2 ha chiesto gli avvisi")
                                        .arg(byPec ? QStringLiteral("PEC") : QStringLiteral("email"), who));
        if (!person.consentDate.isValid())
            findings.missing.append(QStringLiteral("la data del consenso di %1 agli avvisi per %2")
                                        .arg(who, byPec ? QStringLiteral("PEC") : QStringLiteral("email")));
    }
}

void checkUnits(const SharedState &state, int i, const OwnerRecord &record, OwnerFindings &findings)
{
    const Owner &owner = state.owner(i);
    bool covered = false;
    for (int j = 1; j <= MaxUnits; ++j) {
        const QString &unitName = owner.units[j].unitName;
        if (unitName.isEmpty())
            continue;
        if (!record.units.contains(j)) {
            if (!covered)
                findings.missing.append(QStringLiteral("i dati catastali del locale n. %1 (%2) e "
                                                       "di quelli che lo seguono nella stessa unità")
                                            .arg(j)
                                            .arg(unitName));
            covered = true;
            continue;
        }
        covered = true;
        const CadastralUnit unit = record.units.value(j);
        QStringList lacking;
        if (unit.foglio.trimmed().isEmpty())
            lacking.append(QStringLiteral("foglio"));
        if (unit.particella.trimmed().isEmpty())
            lacking.append(QStringLiteral("particella"));
        if (unit.subalterno.trimmed().isEmpty())
            lacking.append(QStringLiteral("subalterno"));
        if (unit.categoria.trimmed().isEmpty())
            lacking.append(QStringLiteral("categoria"));
        if (!lacking.isEmpty())
            findings.missing.append(QStringLiteral("i dati catastali del locale n. %1 (%2): %3")
                                        .arg(j)
                                        .arg(unitName, lacking.join(QStringLiteral(", "))));
    }
}

void checkTransfers(const OwnerRecord &record, const QDate &today, OwnerFindings &findings)
{
    for (const RegisterChange &change : record.changes) {
        if (!change.transfer || !change.date.isValid())
            continue;
        const QDate due = change.date.addDays(ReportDays);
        const bool reported = record.lastCommunication.isValid()
            && record.lastCommunication >= change.date;
        if (!reported && today > due)
            findings.missing.append(QStringLiteral("la comunicazione scritta del trasferimento del "
                                                   "%1, dovuta entro il %2")
                                        .arg(dayText(change.date), dayText(due)));
    }
}

} // namespace

OwnerFindings checkOwner(const SharedState &state, int i, const QDate &today)
{
    OwnerFindings findings;
    findings.owner = i;
    findings.ownerName = state.owner(i).ownerName;
    const OwnerRecord &record = state.anagrafe.record(i);
    if (record.persons.isEmpty())
        findings.missing.append(QString::fromUtf8("i dati anagrafici del proprietario (nome, "
                                                  "codice fiscale, residenza o domicilio)"));
    for (const RegisterPerson &person : record.persons)
        checkPerson(person, findings);
    checkUnits(state, i, record, findings);
    checkTransfers(record, today, findings);
    return findings;
}

QVector<OwnerFindings> check(const SharedState &state, const QDate &today)
{
    QVector<OwnerFindings> all;
    for (int i = 1; i <= MaxOwners; ++i) {
        if (state.owner(i).ownerName.isEmpty())
            continue;
        OwnerFindings findings = checkOwner(state, i, today);
        if (!findings.isEmpty())
            all.append(findings);
    }
    return all;
}

QVector<SafetyItem> dueSafetyItems(const QVector<SafetyItem> &items, const QDate &today)
{
    QVector<SafetyItem> due;
    for (const SafetyItem &item : items) {
        if (item.nextDue.isValid() && item.nextDue <= today.addDays(ReportDays))
            due.append(item);
    }
    return due;
}

} // namespace RegisterCheck

} // namespace veltra
