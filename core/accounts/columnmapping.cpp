#include "core/accounts/columnmapping.h"

#include <QSet>

#include <algorithm>

namespace veltra {

namespace {

// The header is looked for among the first rows only: what comes before it is the bank's
// preamble (holder, IBAN, period), a handful of lines.
constexpr int HeaderSearchRows = 20;

const QString FormatTag = QStringLiteral("colonne/1");

enum class Role { None, OperationDate, ValueDate, Amount, Debit, Credit, Description, Balance };

bool hasAny(const QStringList &words, std::initializer_list<const char *> wanted)
{
    return std::any_of(wanted.begin(), wanted.end(), [&words](const char *word) {
        return words.contains(QLatin1String(word));
    });
}

// What a column title stands for. A lone "Valuta" is left alone: some banks title the
// currency so, and a currency taken for a date would refuse a good file.
Role roleOf(const QString &title)
{
    const QStringList words = ColumnMapping::plainWords(title);
    if (words.isEmpty())
        return Role::None;
    if (hasAny(words, {"dare", "addebiti", "addebito", "uscite", "uscita", "debit"}))
        return Role::Debit;
    if (hasAny(words, {"avere", "accrediti", "accredito", "entrate", "entrata", "credit"}))
        return Role::Credit;
    if (words.contains(QLatin1String("data")))
        return words.contains(QLatin1String("valuta")) ? Role::ValueDate : Role::OperationDate;
    if (hasAny(words, {"saldo"}))
        return Role::Balance;
    if (hasAny(words, {"importo", "importi", "ammontare"}))
        return Role::Amount;
    if (hasAny(words, {"descrizione", "causale", "dettagli", "dettaglio", "operazione",
                       "ordinante", "beneficiario", "note", "motivazione"}))
        return Role::Description;
    return Role::None;
}

// The first column of each role wins, except the description, which gathers them all.
void assign(ColumnMapping &mapping, Role role, int column)
{
    auto first = [column](int &slot) {
        if (slot < 0)
            slot = column;
    };
    switch (role) {
    case Role::OperationDate: first(mapping.operationDate); break;
    case Role::ValueDate: first(mapping.valueDate); break;
    case Role::Amount: first(mapping.amount); break;
    case Role::Debit: first(mapping.debit); break;
    case Role::Credit: first(mapping.credit); break;
    case Role::Balance: first(mapping.balance); break;
    case Role::Description: mapping.description.append(column); break;
    case Role::None: break;
    }
}

ColumnMapping mappingOfHeader(const QStringList &titles, int row)
{
    ColumnMapping mapping;
    mapping.headerRow = row;
    mapping.headers = titles;
    for (int column = 0; column < titles.size(); ++column)
        assign(mapping, roleOf(titles.at(column)), column);
    // A statement dated by value only is dated by it.
    if (mapping.operationDate < 0)
        std::swap(mapping.operationDate, mapping.valueDate);
    // Both a signed column and a Dare/Avere pair: the pair says more.
    if (mapping.debit >= 0 && mapping.credit >= 0)
        mapping.amount = -1;
    return mapping;
}

QList<int> usedColumns(const ColumnMapping &mapping)
{
    QList<int> used = mapping.description;
    for (int column : {mapping.operationDate, mapping.valueDate, mapping.amount, mapping.debit,
                       mapping.credit, mapping.balance}) {
        if (column >= 0)
            used.append(column);
    }
    return used;
}

// The keys of the text form, in the order written.
struct Key
{
    const char *name;
    int ColumnMapping::*column;
};

const Key SingleColumns[] = {{"data", &ColumnMapping::operationDate},
                             {"valuta", &ColumnMapping::valueDate},
                             {"importo", &ColumnMapping::amount},
                             {"dare", &ColumnMapping::debit},
                             {"avere", &ColumnMapping::credit},
                             {"saldo", &ColumnMapping::balance}};

std::optional<int> positiveNumber(const QString &text)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < 1 || text.startsWith(QLatin1Char('+')))
        return std::nullopt;
    return number;
}

bool readDescription(const QString &value, ColumnMapping &mapping)
{
    for (const QString &part : value.split(QLatin1Char('+'))) {
        const std::optional<int> number = positiveNumber(part);
        if (!number)
            return false;
        mapping.description.append(*number - 1);
    }
    return true;
}

bool readPair(const QString &key, const QString &value, ColumnMapping &mapping)
{
    if (key == QLatin1String("separatore")) {
        if (value != QLatin1String("pv") && value != QLatin1String("v"))
            return false;
        mapping.separator = value == QLatin1String("pv") ? QLatin1Char(';') : QLatin1Char(',');
        return true;
    }
    if (key == QLatin1String("descrizione"))
        return mapping.description.isEmpty() && readDescription(value, mapping);
    const std::optional<int> number = positiveNumber(value);
    if (!number)
        return false;
    if (key == QLatin1String("intestazione")) {
        mapping.headerRow = *number - 1;
        return true;
    }
    for (const Key &single : SingleColumns) {
        if (key == QLatin1String(single.name) && mapping.*single.column < 0) {
            mapping.*single.column = *number - 1;
            return true;
        }
    }
    return false;
}

QString columnText(const ColumnMapping &mapping, int column)
{
    const QString title = mapping.headers.value(column).simplified();
    const QString number = QString::number(column + 1);
    return title.isEmpty() ? number : QStringLiteral("%1 (%2)").arg(number, title);
}

} // namespace

QStringList ColumnMapping::plainWords(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD).toLower();
    QString plain;
    plain.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.isLetterOrNumber())
            plain.append(c);
        else if (!c.isMark())
            plain.append(QLatin1Char(' '));
    }
    return plain.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

ColumnMapping ColumnMapping::guess(const QList<QStringList> &rows)
{
    const int last = std::min<int>(int(rows.size()), HeaderSearchRows);
    for (int row = 0; row < last; ++row) {
        const ColumnMapping mapping = mappingOfHeader(rows.at(row), row);
        if (mapping.isUsable())
            return mapping;
    }
    return ColumnMapping();
}

bool ColumnMapping::isUsable() const
{
    const bool oneAmount = amount >= 0 && debit < 0 && credit < 0;
    const bool pair = amount < 0 && debit >= 0 && credit >= 0;
    if (operationDate < 0 || description.isEmpty() || (!oneAmount && !pair))
        return false;
    const QList<int> used = usedColumns(*this);
    const QSet<int> distinct(used.cbegin(), used.cend());
    return distinct.size() == used.size()
        && std::all_of(used.cbegin(), used.cend(), [](int column) { return column >= 0; })
        && headerRow >= -1;
}

QString ColumnMapping::toText() const
{
    QStringList parts{FormatTag};
    parts.append(QStringLiteral("separatore=%1")
                     .arg(separator == QLatin1Char(';') ? QStringLiteral("pv") : QStringLiteral("v")));
    if (headerRow >= 0)
        parts.append(QStringLiteral("intestazione=%1").arg(headerRow + 1));
    for (const Key &single : SingleColumns) {
        if (this->*single.column >= 0)
            parts.append(QStringLiteral("%1=%2").arg(QLatin1String(single.name)).arg(this->*single.column + 1));
    }
    if (!description.isEmpty()) {
        QStringList columns;
        for (int column : description)
            columns.append(QString::number(column + 1));
        parts.append(QStringLiteral("descrizione=") + columns.join(QLatin1Char('+')));
    }
    return parts.join(QLatin1Char(' '));
}

std::optional<ColumnMapping> ColumnMapping::fromText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.isEmpty() || parts.first() != FormatTag)
        return std::nullopt;
    ColumnMapping mapping;
    QSet<QString> seen;
    for (const QString &part : parts.mid(1)) {
        const qsizetype equals = part.indexOf(QLatin1Char('='));
        const QString key = part.left(equals);
        if (equals < 1 || seen.contains(key) || !readPair(key, part.mid(equals + 1), mapping))
            return std::nullopt;
        seen.insert(key);
    }
    const QList<int> used = usedColumns(mapping);
    if (QSet<int>(used.cbegin(), used.cend()).size() != used.size())
        return std::nullopt;
    return mapping;
}

QString ColumnMapping::describe() const
{
    QStringList parts;
    const std::pair<const char *, int> singles[] = {
        {"Data", operationDate}, {"Valuta", valueDate}, {"Importo", amount},
        {"Dare (uscite)", debit}, {"Avere (entrate)", credit}, {"Saldo", balance}};
    for (const auto &[name, column] : singles) {
        if (column >= 0)
            parts.append(QStringLiteral("%1: colonna %2").arg(QLatin1String(name), columnText(*this, column)));
    }
    QStringList descriptions;
    for (int column : description)
        descriptions.append(columnText(*this, column));
    if (descriptions.size() == 1)
        parts.append(QStringLiteral("Descrizione: colonna %1").arg(descriptions.first()));
    else if (!descriptions.isEmpty())
        parts.append(QStringLiteral("Descrizione: colonne %1 e %2")
                         .arg(descriptions.mid(0, descriptions.size() - 1).join(QStringLiteral(", ")),
                              descriptions.last()));
    parts.append(separator == QLatin1Char(';') ? QStringLiteral("campi separati da punto e virgola")
                                               : QStringLiteral("campi separati da virgola"));
    parts.append(headerRow >= 0 ? QStringLiteral("intestazione alla riga %1").arg(headerRow + 1)
                                : QStringLiteral("nessuna riga d'intestazione"));
    return parts.join(QStringLiteral("; "));
}

bool ColumnMapping::operator==(const ColumnMapping &other) const
{
    return operationDate == other.operationDate && valueDate == other.valueDate
        && amount == other.amount && debit == other.debit && credit == other.credit
        && description == other.description && balance == other.balance
        && separator == other.separator && headerRow == other.headerRow;
}

} // namespace veltra
