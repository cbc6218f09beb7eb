#include "reports/registry/registerprintout.h"

#include "core/numbers/money.h"
#include "core/registry/registercheck.h"
#include "core/state/sharedstate.h"
#include "reports/document/reportdocument.h"

namespace veltra {

namespace RegisterPrintout {

namespace {

const QString CR = QStringLiteral("\r");

QString dayText(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

QString contacts(const RegisterPerson &p)
{
    QStringList parts;
    if (!p.pec.isEmpty())
        parts << QStringLiteral("PEC ") + p.pec;
    if (!p.email.isEmpty())
        parts << QStringLiteral("email ") + p.email;
    if (!p.phone.isEmpty())
        parts << QStringLiteral("tel. ") + p.phone;
    if (p.channel != NoticeChannel::Post)
        parts << QStringLiteral("avvisi per %1 (consenso del %2)")
                     .arg(p.channel == NoticeChannel::Pec ? QStringLiteral("PEC")
                                                          : QStringLiteral("email"),
                          dayText(p.consentDate));
    return parts.join(QStringLiteral("; "));
}

void appendPersons(ReportDocument &document, const OwnerRecord &record)
{
    document.appendParagraph(QStringLiteral("Persone") + CR, 10, true);
    if (record.persons.isEmpty()) {
        document.appendParagraph(QStringLiteral("nessuna persona registrata") + CR + CR, 9);
        return;
    }
    const int table = document.appendTable(int(record.persons.size()) + 1, 5, 8);
    const QStringList heads = {QStringLiteral("Ruolo"), QStringLiteral("Cognome e nome"),
                               QStringLiteral("Codice fiscale"),
                               QStringLiteral("Residenza o domicilio"), QStringLiteral("Recapiti")};
    for (int c = 0; c < heads.size(); ++c)
        document.setCell(table, 1, c + 1, heads.at(c));
    for (int r = 0; r < record.persons.size(); ++r) {
        const RegisterPerson &p = record.persons.at(r);
        QString role = PersonRoles::name(p.role);
        if (!p.share.isEmpty())
            role += QStringLiteral(" (") + p.share + QLatin1Char(')');
        if (PersonRoles::holdsByContract(p.role) && p.contractStart.isValid())
            role += QStringLiteral(", contratto dal ") + dayText(p.contractStart)
                + QStringLiteral(" registrato il ") + dayText(p.contractRegistered);
        QString name = p.fullName();
        if (p.birthDate.isValid())
            name += QStringLiteral(", nato/a il ") + dayText(p.birthDate);
        const QStringList cells = {role, name, p.fiscalCode, p.residence, contacts(p)};
        for (int c = 0; c < cells.size(); ++c)
            document.setCell(table, r + 2, c + 1, cells.at(c));
    }
    document.appendParagraph(CR, 9);
}

void appendUnits(ReportDocument &document, const SharedState &state, int i)
{
    const Owner &owner = state.owner(i);
    const OwnerRecord &record = state.anagrafe.record(i);
    document.appendParagraph(QStringLiteral("Unità immobiliari") + CR, 10, true);
    const int table = document.appendTable(owner.unitCount + 1, 8, 8);
    const QStringList heads = {QStringLiteral("Locale"), QStringLiteral("Comune"),
                               QStringLiteral("Sez."), QStringLiteral("Foglio"),
                               QStringLiteral("Particella"), QStringLiteral("Sub."),
                               QStringLiteral("Cat. e classe"), QStringLiteral("Rendita")};
    for (int c = 0; c < heads.size(); ++c)
        document.setCell(table, 1, c + 1, heads.at(c));
    int row = 2;
    for (int j = 1; j <= MaxUnits && row <= owner.unitCount + 1; ++j) {
        if (owner.units[j].unitName.isEmpty())
            continue;
        if (!record.units.contains(j)) {
            document.setCell(table, row, 1, QStringLiteral("%1 %2").arg(j).arg(owner.units[j].unitName));
            document.setCell(table, row, 2, record.units.isEmpty() || record.units.firstKey() > j
                                                ? QString()
                                                : QStringLiteral("come sopra"));
            ++row;
            continue;
        }
        const CadastralUnit u = record.units.value(j);
        const QString rendita = u.renditaCents ? Money::fromCents(*u.renditaCents).format()
                                               : QString();
        const QString category = u.classe.isEmpty() ? u.categoria
                                                    : u.categoria + QStringLiteral(" cl. ") + u.classe;
        const QStringList cells = {QStringLiteral("%1 %2").arg(j).arg(owner.units[j].unitName),
                                   u.comune, u.sezione, u.foglio, u.particella, u.subalterno,
                                   category, rendita};
        for (int c = 0; c < cells.size(); ++c)
            document.setCell(table, row, c + 1, cells.at(c));
        ++row;
    }
    document.appendParagraph(CR, 9);
}

void appendChanges(ReportDocument &document, const OwnerRecord &record)
{
    if (record.changes.isEmpty() && !record.lastCommunication.isValid())
        return;
    document.appendParagraph(QStringLiteral("Variazioni") + CR, 10, true);
    for (const RegisterChange &c : record.changes)
        document.appendParagraph(QStringLiteral("%1%2: %3 (%4)")
                                         .arg(dayText(c.date),
                                              c.transfer ? QStringLiteral(", trasferimento") : QString(),
                                              c.description, c.document)
                                     + CR,
                                 9);
    if (record.lastCommunication.isValid())
        document.appendParagraph(QStringLiteral("Ultima comunicazione del condomino: ")
                                     + dayText(record.lastCommunication) + CR,
                                 9);
    document.appendParagraph(CR, 9);
}

void appendFindings(ReportDocument &document, const RegisterCheck::OwnerFindings &findings)
{
    if (findings.isEmpty()) {
        document.appendParagraph(QStringLiteral("Il registro è completo per questo condomino.") + CR, 9);
        return;
    }
    if (!findings.missing.isEmpty())
        document.appendParagraph(QStringLiteral("Dati mancanti") + CR, 10, true);
    for (const QString &line : findings.missing)
        document.appendParagraph(QStringLiteral("- ") + line + CR, 9);
    if (!findings.wrong.isEmpty())
        document.appendParagraph(QStringLiteral("Dati da verificare") + CR, 10, true);
    for (const QString &line : findings.wrong)
        document.appendParagraph(QStringLiteral("- ") + line + CR, 9);
}

void appendSafety(ReportDocument &document, const SharedState &state, const QDate &today)
{
    document.appendParagraph(QStringLiteral("Sicurezza delle parti comuni") + CR + CR, 14, true);
    const QVector<SafetyItem> &items = state.anagrafe.safety;
    if (items.isEmpty()) {
        document.appendParagraph(QStringLiteral("Nessuna voce registrata.") + CR, 10);
        return;
    }
    const int table = document.appendTable(int(items.size()) + 1, 6, 8);
    const QStringList heads = {QStringLiteral("Voce"), QStringLiteral("Ultima verifica"),
                               QStringLiteral("Prossima scadenza"), QStringLiteral("Esecutore"),
                               QStringLiteral("Certificato"), QStringLiteral("Stato")};
    for (int c = 0; c < heads.size(); ++c)
        document.setCell(table, 1, c + 1, heads.at(c));
    const QVector<SafetyItem> due = RegisterCheck::dueSafetyItems(items, today);
    for (int r = 0; r < items.size(); ++r) {
        const SafetyItem &s = items.at(r);
        QString status;
        if (due.contains(s))
            status = s.nextDue < today ? QStringLiteral("scaduta") : QStringLiteral("in scadenza");
        const QStringList cells = {s.item, dayText(s.lastCheck), dayText(s.nextDue), s.performer,
                                   s.certificate, status};
        for (int c = 0; c < cells.size(); ++c)
            document.setCell(table, r + 2, c + 1, cells.at(c));
    }
}

} // namespace

ReportDocument build(const SharedState &state, const QDate &today)
{
    ReportDocument document(PrintoutFont);
    for (int i = 1; i <= MaxOwners; ++i) {
        const Owner &owner = state.owner(i);
        if (owner.ownerName.isEmpty())
            continue;
        document.appendParagraph(QStringLiteral("Anagrafe condominiale - ") + state.condoName + CR, 9);
        document.appendParagraph(QStringLiteral("Condomino n. %1: %2").arg(i).arg(owner.ownerName)
                                     + CR + CR,
                                 14, true);
        const OwnerRecord &record = state.anagrafe.record(i);
        appendPersons(document, record);
        appendUnits(document, state, i);
        appendChanges(document, record);
        appendFindings(document, RegisterCheck::checkOwner(state, i, today));
        document.appendPageBreak();
    }
    document.appendParagraph(QStringLiteral("Anagrafe condominiale - ") + state.condoName + CR, 9);
    appendSafety(document, state, today);
    document.appendParagraph(CR + QStringLiteral("Situazione al ") + dayText(today) + CR, 9);
    return document;
}

} // namespace RegisterPrintout

} // namespace veltra
