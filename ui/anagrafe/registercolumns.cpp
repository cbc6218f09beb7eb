#include "ui/anagrafe/registercolumns.h"

#include "core/archive/archivewriter.h"
#include "core/numbers/money.h"

namespace veltra {

namespace RegisterColumns {

namespace {

QString setText(QString &field, const QString &text)
{
    const QString reason = ArchiveWriter::unwritableReason(text);
    if (!reason.isEmpty())
        return QStringLiteral("il testo ") + reason;
    field = text.trimmed();
    return QString();
}

} // namespace

QStringList personHeadings()
{
    return {QStringLiteral("Ruolo"), QStringLiteral("Quota"),
            QStringLiteral("Cognome o ragione sociale"), QStringLiteral("Nome"),
            QStringLiteral("Codice fiscale o P. IVA"), QStringLiteral("Nato/a il"),
            QStringLiteral("Residenza o domicilio"), QStringLiteral("PEC"), QStringLiteral("Email"),
            QStringLiteral("Telefono"), QStringLiteral("IBAN"), QStringLiteral("Avvisi per"),
            QStringLiteral("Consenso del"), QStringLiteral("Contratto dal"),
            QStringLiteral("Registrato il")};
}

QStringList unitHeadings()
{
    return {QStringLiteral("Locale"), QStringLiteral("Comune"), QStringLiteral("Sezione"),
            QStringLiteral("Foglio"), QStringLiteral("Particella"), QStringLiteral("Sub."),
            QStringLiteral("Categoria"), QStringLiteral("Classe"), QStringLiteral("Rendita")};
}

QStringList changeHeadings()
{
    return {QStringLiteral("Data"), QStringLiteral("Documento"), QStringLiteral("Descrizione"),
            QStringLiteral("Trasferimento")};
}

QStringList safetyHeadings()
{
    return {QStringLiteral("Voce"), QStringLiteral("Ultima verifica"),
            QStringLiteral("Prossima scadenza"), QStringLiteral("Chi la esegue"),
            QStringLiteral("Certificato o verbale")};
}

QStringList channelNames()
{
    return {QStringLiteral("posta"), QStringLiteral("PEC"), QStringLiteral("email")};
}

QString dateText(const QDate &date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

QString setDate(QDate &date, const QString &text)
{
    const QString typed = text.trimmed();
    if (typed.isEmpty()) {
        date = QDate();
        return QString();
    }
    const QDate read = QDate::fromString(typed, QStringLiteral("d/M/yyyy"));
    if (!read.isValid())
        return QString::fromUtf8("\"%1\" non è una data (giorno/mese/anno, come 05/03/2026)").arg(typed);
    date = read;
    return QString();
}

QString text(const RegisterPerson &p, int column)
{
    switch (column) {
    case Role: return PersonRoles::name(p.role);
    case Share: return p.share;
    case Surname: return p.surname;
    case GivenName: return p.givenName;
    case FiscalCode: return p.fiscalCode;
    case BirthDate: return dateText(p.birthDate);
    case Residence: return p.residence;
    case Pec: return p.pec;
    case Email: return p.email;
    case Phone: return p.phone;
    case Iban: return p.iban;
    case Channel: return channelNames().at(int(p.channel));
    case ConsentDate: return dateText(p.consentDate);
    case ContractStart: return dateText(p.contractStart);
    case ContractRegistered: return dateText(p.contractRegistered);
    default: return QString();
    }
}

QString set(RegisterPerson &p, int column, const QString &text)
{
    switch (column) {
    case Role:
        if (const std::optional<PersonRole> role = PersonRoles::fromName(text))
            p.role = *role;
        return QString();
    case Share: return setText(p.share, text);
    case Surname: return setText(p.surname, text);
    case GivenName: return setText(p.givenName, text);
    case FiscalCode: return setText(p.fiscalCode, text.toUpper());
    case BirthDate: return setDate(p.birthDate, text);
    case Residence: return setText(p.residence, text);
    case Pec: return setText(p.pec, text);
    case Email: return setText(p.email, text);
    case Phone: return setText(p.phone, text);
    case Iban: return setText(p.iban, text.toUpper());
    case Channel:
        p.channel = NoticeChannel(std::max(0, int(channelNames().indexOf(text))));
        return QString();
    case ConsentDate: return setDate(p.consentDate, text);
    case ContractStart: return setDate(p.contractStart, text);
    case ContractRegistered: return setDate(p.contractRegistered, text);
    default: return QString();
    }
}

QString text(const CadastralUnit &u, int column)
{
    switch (column) {
    case Comune: return u.comune;
    case Sezione: return u.sezione;
    case Foglio: return u.foglio;
    case Particella: return u.particella;
    case Subalterno: return u.subalterno;
    case Categoria: return u.categoria;
    case Classe: return u.classe;
    case Rendita: return u.renditaCents ? Money::fromCents(*u.renditaCents).format() : QString();
    default: return QString();
    }
}

QString set(CadastralUnit &u, int column, const QString &text)
{
    switch (column) {
    case Comune: return setText(u.comune, text);
    case Sezione: return setText(u.sezione, text);
    case Foglio: return setText(u.foglio, text);
    case Particella: return setText(u.particella, text);
    case Subalterno: return setText(u.subalterno, text);
    case Categoria: return setText(u.categoria, text.toUpper());
    case Classe: return setText(u.classe, text);
    case Rendita: {
        if (text.trimmed().isEmpty()) {
            u.renditaCents.reset();
            return QString();
        }
        const std::optional<Money> amount = Money::parse(text);
        if (!amount || amount->cents() < 0)
            return QString::fromUtf8("\"%1\" non è un importo in euro (come 1.234,56)").arg(text.trimmed());
        u.renditaCents = amount->cents();
        return QString();
    }
    default: return QString();
    }
}

QString text(const RegisterChange &c, int column)
{
    switch (column) {
    case ChangeDate: return dateText(c.date);
    case Document: return c.document;
    case Description: return c.description;
    default: return QString();
    }
}

QString set(RegisterChange &c, int column, const QString &text)
{
    switch (column) {
    case ChangeDate: return setDate(c.date, text);
    case Document: return setText(c.document, text);
    case Description: return setText(c.description, text);
    default: return QString();
    }
}

QString text(const SafetyItem &s, int column)
{
    switch (column) {
    case Item: return s.item;
    case LastCheck: return dateText(s.lastCheck);
    case NextDue: return dateText(s.nextDue);
    case Performer: return s.performer;
    case Certificate: return s.certificate;
    default: return QString();
    }
}

QString set(SafetyItem &s, int column, const QString &text)
{
    switch (column) {
    case Item: return setText(s.item, text);
    case LastCheck: return setDate(s.lastCheck, text);
    case NextDue: return setDate(s.nextDue, text);
    case Performer: return setText(s.performer, text);
    case Certificate: return setText(s.certificate, text);
    default: return QString();
    }
}

} // namespace RegisterColumns

} // namespace veltra
