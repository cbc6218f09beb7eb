#include "core/accounts/bankstatementcsv.h"

#include "core/archive/archivetext.h"
#include "core/archive/fieldreading.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstdlib>

namespace veltra {

namespace {

// The separator is told from this many lines at the start: preamble and header included,
// the ";" of an Italian export shows on nearly all of them.
constexpr int SeparatorSampleLines = 40;
// Thirteen figures before the cents: more than any account holds, and far from overflow.
constexpr int MaxWholeDigits = 13;

struct Row
{
    int line = 0;
    QStringList fields;
};

struct Fault
{
    int line = 0;
    QString reason;
};

// Splits the text into rows; false with *openLine set when a quote is never closed.
bool splitRows(const QString &text, QChar separator, QList<Row> &rows, int *openLine)
{
    Row row{1, {}};
    QString field;
    bool quoted = false;
    int line = 1;
    auto endRow = [&](int nextLine) {
        row.fields.append(field);
        rows.append(row);
        row = Row{nextLine, {}};
        field.clear();
    };
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar c = text.at(k);
        const bool lineBreak = c == QLatin1Char('\n') || c == QLatin1Char('\r');
        if (lineBreak && c == QLatin1Char('\r') && k + 1 < text.size() && text.at(k + 1) == QLatin1Char('\n'))
            ++k;
        if (lineBreak)
            ++line;
        if (c == QLatin1Char('"')) {
            if (quoted && k + 1 < text.size() && text.at(k + 1) == c) {
                field.append(c);
                ++k;
            } else {
                quoted = !quoted;
            }
        } else if (quoted) {
            field.append(lineBreak ? QChar(QLatin1Char('\n')) : c);
        } else if (c == separator) {
            row.fields.append(field);
            field.clear();
        } else if (lineBreak) {
            endRow(line);
        } else {
            field.append(c);
        }
    }
    if (quoted && openLine)
        *openLine = row.line;
    if (!field.isEmpty() || !row.fields.isEmpty())
        endRow(line);
    return !quoted;
}

// ";" unless "," stands outside quotes on more of the first lines.
QChar separatorOf(const QString &text)
{
    int semicolons = 0;
    int commas = 0;
    int lines = 0;
    bool quoted = false;
    bool semicolonHere = false;
    bool commaHere = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && c == QLatin1Char(';'))
            semicolonHere = true;
        else if (!quoted && c == QLatin1Char(','))
            commaHere = true;
        else if (!quoted && c == QLatin1Char('\n')) {
            semicolons += semicolonHere;
            commas += commaHere;
            semicolonHere = commaHere = false;
            if (++lines == SeparatorSampleLines)
                break;
        }
    }
    semicolons += semicolonHere;
    commas += commaHere;
    return commas > semicolons ? QLatin1Char(',') : QLatin1Char(';');
}

// --- Amounts -----------------------------------------------------------------------

enum class Decimal { Unknown, Comma, Point };

struct AmountText
{
    QString figures; // digits with the file's points and commas
    bool negative = false;
};

bool stripAffix(QString &text, const QString &affix)
{
    if (text.startsWith(affix, Qt::CaseInsensitive)) {
        text = text.mid(affix.size()).trimmed();
        return true;
    }
    if (text.endsWith(affix, Qt::CaseInsensitive)) {
        text = text.left(text.size() - affix.size()).trimmed();
        return true;
    }
    return false;
}

void stripCurrency(QString &text)
{
    while (stripAffix(text, QStringLiteral("€")) || stripAffix(text, QStringLiteral("EUR"))) {
    }
}

// The figures of a cell with its sign, currency and spaces taken off; nothing when the
// cell holds anything else.
std::optional<AmountText> amountText(const QString &cell)
{
    QString text = cell;
    text.replace(QChar(0x00A0), QLatin1Char(' ')).replace(QChar(0x202F), QLatin1Char(' '));
    text = text.trimmed();
    stripCurrency(text);
    AmountText amount;
    if (text.startsWith(QLatin1Char('-')) || text.startsWith(QChar(0x2212)) || text.startsWith(QLatin1Char('+'))) {
        amount.negative = !text.startsWith(QLatin1Char('+'));
        text = text.mid(1).trimmed();
        stripCurrency(text);
    }
    text.remove(QLatin1Char(' '));
    const bool figures = !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') || c == QLatin1Char(',');
    });
    if (!figures)
        return std::nullopt;
    amount.figures = text;
    return amount;
}

// Whole euro with thousands grouped by `grouping` ("1.234.567") or not grouped at all.
std::optional<long long> wholeEuro(const QString &text, QChar grouping)
{
    const QStringList groups = text.split(grouping);
    if (groups.first().isEmpty() || (groups.size() > 1 && (groups.first().size() > 3 || groups.first().startsWith(QLatin1Char('0')))))
        return std::nullopt;
    for (int k = 1; k < groups.size(); ++k) {
        if (groups.at(k).size() != 3)
            return std::nullopt;
    }
    const QString digits = groups.join(QString());
    if (digits.size() > MaxWholeDigits)
        return std::nullopt;
    bool ok = false;
    const long long euro = digits.toLongLong(&ok);
    return ok ? std::optional<long long>(euro) : std::nullopt;
}

// The cents of figures written with that decimal separator; with none known, only plain
// digits are read.
std::optional<long long> centsOf(const QString &figures, Decimal decimal)
{
    if (decimal == Decimal::Unknown) {
        if (figures.contains(QLatin1Char('.')) || figures.contains(QLatin1Char(',')))
            return std::nullopt;
        const std::optional<long long> euro = wholeEuro(figures, QLatin1Char('.'));
        return euro ? std::optional<long long>(*euro * 100) : std::nullopt;
    }
    const QChar point = decimal == Decimal::Comma ? QLatin1Char(',') : QLatin1Char('.');
    const QChar grouping = decimal == Decimal::Comma ? QLatin1Char('.') : QLatin1Char(',');
    const QStringList parts = figures.split(point);
    if (parts.size() > 2 || (parts.size() == 2 && (parts.at(1).isEmpty() || parts.at(1).size() > 2 || parts.at(1).contains(grouping))))
        return std::nullopt;
    const std::optional<long long> euro = wholeEuro(parts.first(), grouping);
    if (!euro)
        return std::nullopt;
    const QString fraction = parts.size() == 2 ? parts.at(1).leftJustified(2, QLatin1Char('0')) : QStringLiteral("00");
    return *euro * 100 + fraction.toLongLong();
}

// "1.234" and "1,234": thousands in one writing, three decimals in the other; only the
// rest of the file can tell.
bool readsTwoWays(const QString &figures)
{
    static const QRegularExpression pattern(QStringLiteral("^[1-9][0-9]{0,2}[.,][0-9]{3}$"));
    return pattern.match(figures).hasMatch();
}

// The decimal separator an amount shows, Unknown when it shows none; nothing when it is
// no amount in either writing.
std::optional<Decimal> decimalShown(const QString &figures)
{
    if (readsTwoWays(figures))
        return Decimal::Unknown;
    const bool comma = centsOf(figures, Decimal::Comma).has_value();
    const bool point = centsOf(figures, Decimal::Point).has_value();
    if (comma && point)
        return Decimal::Unknown;
    if (comma)
        return Decimal::Comma;
    if (point)
        return Decimal::Point;
    return std::nullopt;
}

QString decimalName(Decimal decimal)
{
    return decimal == Decimal::Comma ? QStringLiteral("la virgola") : QStringLiteral("il punto");
}

// --- Dates -------------------------------------------------------------------------

// Day, month and year, by "/", "-" or ".", the same twice.
const QRegularExpression &datePattern()
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,2})([/.-])([0-9]{1,2})\\2([0-9]{4})$"));
    return pattern;
}

bool looksDated(const QString &text)
{
    return datePattern().match(text).hasMatch();
}

std::optional<Fault> dateOf(const Row &row, const QString &text, QDate &date)
{
    const QRegularExpressionMatch match = datePattern().match(text);
    if (!match.hasMatch())
        return Fault{row.line, QString::fromUtf8("\"%1\" non è una data nella forma giorno/mese/anno")
                                   .arg(FieldReading::quoted(text))};
    date = QDate(match.captured(4).toInt(), match.captured(3).toInt(), match.captured(1).toInt());
    if (!date.isValid())
        return Fault{row.line, QStringLiteral("la data \"%1\" non esiste").arg(FieldReading::quoted(text))};
    return std::nullopt;
}

// --- Footer rows -------------------------------------------------------------------

enum class BalanceKind { Opening, Available, Closing };

struct FooterBalance
{
    int line = 0;
    BalanceKind kind = BalanceKind::Closing;
    QString text; // the figures as the file writes them
    long long cents = 0; // once the decimal separator is known
};

QString firstFilled(const QStringList &fields)
{
    for (const QString &field : fields) {
        if (!field.trimmed().isEmpty())
            return field;
    }
    return QString();
}

bool startsWithWord(const QStringList &fields, std::initializer_list<const char *> words)
{
    const QStringList first = ColumnMapping::plainWords(firstFilled(fields));
    return !first.isEmpty()
        && std::any_of(words.begin(), words.end(), [&first](const char *word) { return first.first() == QLatin1String(word); });
}

BalanceKind balanceKindOf(const QStringList &fields)
{
    const QStringList words = ColumnMapping::plainWords(firstFilled(fields));
    for (const char *opening : {"iniziale", "precedente", "apertura", "inizio"}) {
        if (words.contains(QLatin1String(opening)))
            return BalanceKind::Opening;
    }
    return words.contains(QLatin1String("disponibile")) ? BalanceKind::Available : BalanceKind::Closing;
}

// The figure of a balance row: the last cell, or the end of a cell after ":", that holds one.
std::optional<FooterBalance> footerBalance(const Row &row)
{
    for (qsizetype k = row.fields.size() - 1; k >= 0; --k) {
        const QString cell = row.fields.at(k);
        const QString tail = cell.mid(cell.lastIndexOf(QLatin1Char(':')) + 1);
        if (amountText(tail) && !looksDated(tail.trimmed()))
            return FooterBalance{row.line, balanceKindOf(row.fields), tail};
    }
    return std::nullopt;
}

bool isEmptyRow(const QStringList &fields)
{
    return firstFilled(fields).isEmpty();
}

// --- The reading -------------------------------------------------------------------

class Reading
{
public:
    Reading(const QList<Row> &rows, const ColumnMapping &mapping) : m_rows(rows), m_mapping(mapping) {}

    std::optional<Fault> run(BankStatementCsv::Result &result);

private:
    QString cell(const Row &row, int column) const { return column < 0 ? QString() : row.fields.value(column).trimmed(); }
    bool hasAmount(const Row &row) const;
    void sortRows();
    std::optional<Fault> decideDecimal();
    std::optional<Fault> figure(int line, const QString &text, long long &cents) const;
    std::optional<Fault> movementCents(const Row &row, long long &cents) const;
    std::optional<Fault> movement(const Row &row, BankStatementCsv::Line &line) const;
    std::optional<long long> closingBalance(const QList<BankStatementCsv::Line> &lines) const;

    const QList<Row> &m_rows;
    const ColumnMapping &m_mapping;
    QList<const Row *> m_movements;
    QList<FooterBalance> m_balances;
    Decimal m_decimal = Decimal::Unknown;
};

bool Reading::hasAmount(const Row &row) const
{
    return !cell(row, m_mapping.amount).isEmpty() || !cell(row, m_mapping.debit).isEmpty()
        || !cell(row, m_mapping.credit).isEmpty();
}

// Movements apart from preamble, notes, totals and balance rows. A dated row is always a
// movement; an undated one only when it holds an amount, so that the date check names it.
void Reading::sortRows()
{
    for (qsizetype k = 0; k < m_rows.size(); ++k) {
        const Row &row = m_rows.at(k);
        // Some banks repeat the column titles on every page of the export.
        if (isEmptyRow(row.fields) || (k > m_mapping.headerRow && row.fields == m_mapping.headers))
            continue;
        const bool dated = looksDated(cell(row, m_mapping.operationDate));
        if (!dated && startsWithWord(row.fields, {"saldo"})) {
            if (const std::optional<FooterBalance> balance = footerBalance(row))
                m_balances.append(*balance);
            continue;
        }
        const bool note = !dated && (startsWithWord(row.fields, {"totale", "totali"}) || !hasAmount(row));
        if (k > m_mapping.headerRow && !note)
            m_movements.append(&row);
    }
}

// One decimal separator for the whole file, from the amounts that show it.
std::optional<Fault> Reading::decideDecimal()
{
    QList<std::pair<int, QString>> texts;
    for (const Row *row : std::as_const(m_movements)) {
        for (int column : {m_mapping.amount, m_mapping.debit, m_mapping.credit, m_mapping.balance}) {
            if (!cell(*row, column).isEmpty())
                texts.append({row->line, cell(*row, column)});
        }
    }
    for (const FooterBalance &balance : std::as_const(m_balances))
        texts.append({balance.line, balance.text});
    int decidedAt = 0;
    int twoWaysAt = 0;
    QString twoWays;
    for (const auto &[line, text] : std::as_const(texts)) {
        const std::optional<AmountText> amount = amountText(text);
        const std::optional<Decimal> shown = amount ? decimalShown(amount->figures) : std::nullopt;
        if (!shown)
            return Fault{line, QString::fromUtf8("\"%1\" non è un importo in euro").arg(FieldReading::quoted(text))};
        if (*shown == Decimal::Unknown && readsTwoWays(amount->figures) && twoWaysAt == 0) {
            twoWaysAt = line;
            twoWays = text;
        }
        if (*shown == Decimal::Unknown || *shown == m_decimal)
            continue;
        if (m_decimal != Decimal::Unknown)
            return Fault{line, QString::fromUtf8("l'importo \"%1\" usa %2 per i decimali, quello della riga %3 "
                                                 "%4: gli importi del file non si leggono in un solo modo")
                                   .arg(FieldReading::quoted(text), decimalName(*shown)).arg(decidedAt)
                                   .arg(decimalName(m_decimal))};
        m_decimal = *shown;
        decidedAt = line;
    }
    if (twoWaysAt > 0 && m_decimal == Decimal::Unknown)
        return Fault{twoWaysAt, QString::fromUtf8("l'importo \"%1\" si legge in due modi (migliaia o decimali) e nessun "
                                                  "altro importo del file dice quale sia il separatore dei decimali")
                                    .arg(FieldReading::quoted(twoWays))};
    return std::nullopt;
}

std::optional<Fault> Reading::figure(int line, const QString &text, long long &cents) const
{
    const std::optional<AmountText> amount = amountText(text);
    const std::optional<long long> magnitude = amount ? centsOf(amount->figures, m_decimal) : std::nullopt;
    if (!magnitude)
        return Fault{line, QString::fromUtf8("\"%1\" non è un importo in euro").arg(FieldReading::quoted(text))};
    cents = amount->negative ? -*magnitude : *magnitude;
    return std::nullopt;
}

// A debit is money going out whatever its sign; a credit below zero is refused, since
// whether it is a reversal or a slip only the bank knows.
std::optional<Fault> Reading::movementCents(const Row &row, long long &cents) const
{
    if (m_mapping.amount >= 0) {
        if (cell(row, m_mapping.amount).isEmpty())
            return Fault{row.line, QStringLiteral("manca l'importo")};
        return figure(row.line, cell(row, m_mapping.amount), cents);
    }
    long long debit = 0;
    long long credit = 0;
    const QString debitText = cell(row, m_mapping.debit);
    const QString creditText = cell(row, m_mapping.credit);
    if (debitText.isEmpty() && creditText.isEmpty())
        return Fault{row.line, QStringLiteral("manca l'importo, né in Dare né in Avere")};
    if (!debitText.isEmpty())
        if (const std::optional<Fault> fault = figure(row.line, debitText, debit))
            return fault;
    if (!creditText.isEmpty())
        if (const std::optional<Fault> fault = figure(row.line, creditText, credit))
            return fault;
    if (credit < 0)
        return Fault{row.line, QString::fromUtf8("l'accredito \"%1\" è negativo").arg(FieldReading::quoted(creditText))};
    if (debit != 0 && credit != 0)
        return Fault{row.line, QStringLiteral("la riga ha un importo sia in Dare sia in Avere")};
    cents = credit - std::llabs(debit);
    return std::nullopt;
}

std::optional<Fault> Reading::movement(const Row &row, BankStatementCsv::Line &line) const
{
    line.fileLine = row.line;
    const QString dateText = cell(row, m_mapping.operationDate);
    if (dateText.isEmpty())
        return Fault{row.line, QStringLiteral("manca la data dell'operazione")};
    if (const std::optional<Fault> fault = dateOf(row, dateText, line.operationDate))
        return fault;
    const QString valueText = cell(row, m_mapping.valueDate);
    if (!valueText.isEmpty())
        if (const std::optional<Fault> fault = dateOf(row, valueText, line.valueDate))
            return fault;
    if (const std::optional<Fault> fault = movementCents(row, line.cents))
        return fault;
    QStringList parts;
    for (int column : m_mapping.description) {
        const QString part = cell(row, column).simplified();
        if (!part.isEmpty())
            parts.append(part);
    }
    line.description = parts.join(QLatin1Char(' '));
    const QString balanceText = cell(row, m_mapping.balance);
    if (!balanceText.isEmpty()) {
        long long balance = 0;
        if (const std::optional<Fault> fault = figure(row.line, balanceText, balance))
            return fault;
        line.balanceCents = balance;
    }
    return std::nullopt;
}

// Whether each balance follows from the one before and the movement, in the file's order
// (oldest first) or the other way (newest first).
bool chains(const QList<BankStatementCsv::Line> &lines, bool newestFirst)
{
    int links = 0;
    for (int k = 1; k < lines.size(); ++k) {
        const BankStatementCsv::Line &earlier = newestFirst ? lines.at(k) : lines.at(k - 1);
        const BankStatementCsv::Line &later = newestFirst ? lines.at(k - 1) : lines.at(k);
        if (!earlier.balanceCents || !later.balanceCents)
            continue;
        if (*later.balanceCents != *earlier.balanceCents + later.cents)
            return false;
        ++links;
    }
    return links > 0;
}

// The balance a "Saldo finale" or "Saldo contabile" row gives, else the one after the
// latest movement, else the available balance (which may leave out movements still pending).
std::optional<long long> Reading::closingBalance(const QList<BankStatementCsv::Line> &lines) const
{
    std::optional<long long> available;
    for (const FooterBalance &balance : m_balances) {
        if (balance.kind == BalanceKind::Closing)
            return balance.cents;
        if (balance.kind == BalanceKind::Available && !available)
            available = balance.cents;
    }
    if (lines.isEmpty())
        return available;
    bool newestFirst = lines.first().operationDate > lines.last().operationDate;
    if (chains(lines, true) != chains(lines, false))
        newestFirst = chains(lines, true);
    const std::optional<long long> latest = newestFirst ? lines.first().balanceCents : lines.last().balanceCents;
    return latest ? latest : available;
}

std::optional<Fault> Reading::run(BankStatementCsv::Result &result)
{
    sortRows();
    if (std::optional<Fault> fault = decideDecimal())
        return fault;
    for (FooterBalance &balance : m_balances) {
        if (std::optional<Fault> fault = figure(balance.line, balance.text, balance.cents))
            return fault;
    }
    for (const Row *row : std::as_const(m_movements)) {
        BankStatementCsv::Line line;
        if (std::optional<Fault> fault = movement(*row, line))
            return fault;
        result.lines.append(line);
    }
    result.closingBalanceCents = closingBalance(result.lines);
    return std::nullopt;
}

BankStatementCsv::Result refused(const QString &fileName, const Fault &fault,
                                 const ColumnMapping &mapping = ColumnMapping())
{
    BankStatementCsv::Result result;
    result.mapping = mapping;
    result.failedLine = fault.line;
    const QString file = FieldReading::quoted(fileName);
    result.problem = fault.line > 0
        ? QStringLiteral("Il file \"%1\", riga %2: %3.").arg(file).arg(fault.line).arg(fault.reason)
        : QStringLiteral("Il file \"%1\": %2.").arg(file, fault.reason);
    return result;
}

} // namespace

QList<QStringList> BankStatementCsv::rows(const QByteArray &bytes, QChar *separator)
{
    const QString text = ArchiveText::decode(bytes);
    const QChar found = separatorOf(text);
    if (separator)
        *separator = found;
    QList<Row> split;
    splitRows(text, found, split, nullptr);
    QList<QStringList> fields;
    fields.reserve(split.size());
    for (const Row &row : std::as_const(split))
        fields.append(row.fields);
    return fields;
}

BankStatementCsv::Result BankStatementCsv::read(const QByteArray &bytes, const QString &fileName,
                                                const std::optional<ColumnMapping> &mapping)
{
    if (ArchiveText::hasMisleadingMark(bytes))
        return refused(fileName, {0, QString::fromUtf8("comincia con il marcatore dell'UTF-8, ma il resto del testo non è in UTF-8")});
    const QString text = ArchiveText::decode(bytes);
    const QChar separator = mapping ? mapping->separator : separatorOf(text);
    QList<Row> split;
    int openLine = 0;
    if (!splitRows(text, separator, split, &openLine))
        return refused(fileName, {openLine, QStringLiteral("le virgolette aperte qui non si chiudono")});
    QList<QStringList> fields;
    for (const Row &row : std::as_const(split))
        fields.append(row.fields);
    ColumnMapping used = mapping ? *mapping : ColumnMapping::guess(fields);
    used.separator = separator;
    if (!used.isUsable())
        return refused(fileName, {0, QStringLiteral("non si riconoscono le colonne della data, dell'importo e della "
                                                    "descrizione: indicarle a mano")}, used);
    if (used.headerRow >= split.size())
        return refused(fileName, {0, QStringLiteral("non ha la riga d'intestazione %1").arg(used.headerRow + 1)}, used);
    used.headers = used.headerRow >= 0 ? split.at(used.headerRow).fields : QStringList();
    Result result;
    Reading reading(split, used);
    if (const std::optional<Fault> fault = reading.run(result))
        return refused(fileName, *fault, used);
    result.ok = true;
    result.mapping = used;
    return result;
}

} // namespace veltra
