#include "core/accounts/finalaccountfile.h"

#include "core/archive/archivewriter.h"
#include "core/archive/fieldreading.h"
#include "core/meeting/wholefilereading.h"

#include <QDir>
#include <QFileInfo>

#include <climits>

namespace veltra {

namespace {

const QString FormatName = QStringLiteral("VELTRA-RENDICONTO");
constexpr int FormatVersion = 1;
const QString DateFormat = QStringLiteral("dd/MM/yyyy");
const QString CriterionKind = QStringLiteral("criterio");
const QString FactKind = QStringLiteral("fatto");
const QString ContractKind = QStringLiteral("contratto");
const QString QuestionKind = QStringLiteral("questione");
const QString FundKind = QStringLiteral("fondo");
const QString FundMovementKind = QStringLiteral("fondo-movimento");
const QString StatementKind = QStringLiteral("estratto");
const QString HistoryKind = QStringLiteral("storia");
const QString ClosedWord = QStringLiteral("chiuso");
const QString ReopenedWord = QStringLiteral("riaperto");
constexpr int MaxFunds = 20;
constexpr int MaxLines = 100000;
constexpr int MaxMovementNumber = 1000000;
constexpr int MaxItemNumber = 200;

QString dateText(const QDate &day)
{
    return day.isValid() ? day.toString(DateFormat) : QString();
}

void writeParagraphs(ArchiveWriter &writer, const QString &kind, const QStringList &paragraphs)
{
    for (const QString &paragraph : paragraphs) {
        writer.writeText(kind);
        writer.writeQuotedText(paragraph);
        writer.endRecord();
    }
}

void writeNote(ArchiveWriter &writer, const ExplanatoryNote &note)
{
    writeParagraphs(writer, CriterionKind, note.criterion);
    writeParagraphs(writer, FactKind, note.facts);
    for (const ExplanatoryNote::Contract &contract : note.contracts) {
        writer.writeText(ContractKind);
        writer.writeQuotedText(contract.subject);
        writer.writeQuotedText(contract.counterpart);
        writer.writeQuotedText(dateText(contract.expiry));
        writer.writeQuotedText(contract.note);
        writer.endRecord();
    }
    for (const ExplanatoryNote::PendingQuestion &question : note.questions) {
        writer.writeText(QuestionKind);
        writer.writeQuotedText(question.subject);
        writer.writeQuotedText(question.parties);
        writer.writeQuotedText(question.stage);
        writer.endRecord();
    }
}

void writeAll(ArchiveWriter &writer, const FinalAccountInputs &inputs)
{
    writer.writeText(FormatName);
    writer.writeInteger(FormatVersion);
    writer.endRecord();
    writer.writeQuotedText(inputs.condoName);
    writer.writeInteger(inputs.year);
    writer.endRecord();
    writeNote(writer, inputs.note);
    for (const FundAccount &fund : inputs.funds) {
        writer.writeText(FundKind);
        writer.writeQuotedText(fund.name);
        writer.writeInteger(fund.openingCents);
        writer.writeInteger(fund.item);
        writer.endRecord();
    }
    for (auto it = inputs.fundOfMovement.constBegin(); it != inputs.fundOfMovement.constEnd(); ++it) {
        writer.writeText(FundMovementKind);
        writer.writeInteger(it.key());
        writer.writeInteger(it.value());
        writer.endRecord();
    }
    for (const StatementBalance &balance : inputs.statementBalances) {
        writer.writeText(StatementKind);
        writer.writeQuotedText(balance.account);
        writer.writeQuotedText(dateText(balance.day));
        writer.writeInteger(balance.cents);
        writer.writeQuotedText(balance.explanation);
        writer.endRecord();
    }
    for (const ClosingEvent &event : inputs.history) {
        writer.writeText(HistoryKind);
        writer.writeQuotedText(dateText(event.day));
        writer.writeText(event.closed ? ClosedWord : ReopenedWord);
        writer.writeQuotedText(event.reason);
        writer.endRecord();
    }
}

class InputsReading
{
public:
    InputsReading(ArchiveReader &reader, FinalAccountFile::LoadResult &result)
        : m_reader(reader)
        , m_result(result)
        , m_reading(reader, result.problem)
    {
    }

    void read()
    {
        readHeader();
        int lines = 0;
        while (m_reading.ok() && !m_reader.atEnd()) {
            const QString kind = m_reading.text(QStringLiteral("il tipo di riga"));
            if (++lines > MaxLines)
                m_reading.refuse(QStringLiteral("il tipo di riga"), QStringLiteral("troppe righe"));
            else
                readLine(kind);
        }
        if (!m_reading.ok())
            return;
        // What the file holds as a whole, once every line is read.
        if (inputs().funds.isEmpty())
            m_result.problem = QStringLiteral("nessun fondo: manca almeno il fondo speciale");
        for (auto it = inputs().fundOfMovement.constBegin(); it != inputs().fundOfMovement.constEnd(); ++it) {
            if (it.value() > inputs().funds.size() && m_result.problem.isEmpty())
                m_result.problem = QStringLiteral("il movimento n. %1 è assegnato al fondo %2, che non c'è")
                                       .arg(it.key()).arg(it.value());
        }
    }

private:
    FinalAccountInputs &inputs() { return m_result.inputs; }

    void readLine(const QString &kind)
    {
        if (kind == CriterionKind)
            inputs().note.criterion << paragraph();
        else if (kind == FactKind)
            inputs().note.facts << paragraph();
        else if (kind == ContractKind)
            readContract();
        else if (kind == QuestionKind)
            readQuestion();
        else if (kind == FundKind && inputs().funds.size() < MaxFunds)
            readFund();
        else if (kind == FundMovementKind)
            readFundMovement();
        else if (kind == StatementKind)
            readStatement();
        else if (kind == HistoryKind)
            readHistory();
        else
            m_reading.refuse(QStringLiteral("il tipo di riga"),
                             QStringLiteral("\"%1\" non è atteso qui").arg(FieldReading::quoted(kind)));
    }

    void readHeader()
    {
        const QString format = m_reading.text(QStringLiteral("la riga di formato"));
        if (m_reading.ok() && format != FormatName)
            m_reading.refuse(QStringLiteral("la riga di formato"), QStringLiteral("non è un file del rendiconto"));
        m_reading.ranged(QStringLiteral("la versione del formato"), FormatVersion, FormatVersion);
        m_reading.endRecord(QStringLiteral("la versione del formato"));
        inputs().condoName = m_reading.text(QStringLiteral("il nome del condominio"));
        inputs().year = m_reading.ranged(QStringLiteral("l'anno"), 1900, 9999);
        m_reading.endRecord(QStringLiteral("l'anno"));
    }

    QString paragraph()
    {
        const QString text = m_reading.text(QStringLiteral("il paragrafo della nota"));
        m_reading.endRecord(QStringLiteral("il paragrafo della nota"));
        return text;
    }

    // A day, or a null date for an empty field when empty is allowed.
    QDate date(const QString &field, bool emptyAllowed)
    {
        const QString text = m_reading.text(field);
        if (text.isEmpty() && emptyAllowed)
            return QDate();
        const QDate day = QDate::fromString(text, DateFormat);
        if (!day.isValid())
            m_reading.refuse(field, QStringLiteral("\"%1\" non è una data gg/mm/aaaa").arg(FieldReading::quoted(text)));
        return day;
    }

    void readContract()
    {
        ExplanatoryNote::Contract contract;
        contract.subject = m_reading.text(QStringLiteral("l'oggetto del contratto"));
        contract.counterpart = m_reading.text(QStringLiteral("il contraente"));
        contract.expiry = date(QStringLiteral("la scadenza del contratto"), true);
        contract.note = m_reading.text(QStringLiteral("la nota del contratto"));
        m_reading.endRecord(QStringLiteral("la nota del contratto"));
        inputs().note.contracts << contract;
    }

    void readQuestion()
    {
        ExplanatoryNote::PendingQuestion question;
        question.subject = m_reading.text(QStringLiteral("l'oggetto della questione"));
        question.parties = m_reading.text(QStringLiteral("le parti della questione"));
        question.stage = m_reading.text(QStringLiteral("lo stato della questione"));
        m_reading.endRecord(QStringLiteral("lo stato della questione"));
        inputs().note.questions << question;
    }

    void readFund()
    {
        FundAccount fund;
        fund.name = m_reading.text(QStringLiteral("il nome del fondo"));
        if (m_reading.ok() && fund.name.trimmed().isEmpty())
            m_reading.refuse(QStringLiteral("il nome del fondo"), QStringLiteral("vuoto"));
        fund.openingCents = m_reading.ranged(QStringLiteral("il saldo iniziale del fondo"), -INT_MAX, INT_MAX);
        fund.item = m_reading.ranged(QStringLiteral("la voce del fondo"), 0, MaxItemNumber);
        m_reading.endRecord(QStringLiteral("la voce del fondo"));
        inputs().funds << fund;
    }

    void readFundMovement()
    {
        const int movement = m_reading.ranged(QStringLiteral("il movimento del fondo"), 1, MaxMovementNumber);
        const int fund = m_reading.ranged(QStringLiteral("il fondo del movimento"), 1, MaxFunds);
        m_reading.endRecord(QStringLiteral("il fondo del movimento"));
        if (m_reading.ok() && inputs().fundOfMovement.contains(movement))
            m_reading.refuse(QStringLiteral("il movimento del fondo"),
                             QStringLiteral("il movimento n. %1 è già assegnato").arg(movement));
        inputs().fundOfMovement.insert(movement, fund);
    }

    void readStatement()
    {
        StatementBalance balance;
        balance.account = m_reading.text(QStringLiteral("il conto dell'estratto"));
        balance.day = date(QStringLiteral("la data dell'estratto"), false);
        balance.cents = m_reading.ranged(QStringLiteral("il saldo dell'estratto"), -INT_MAX, INT_MAX);
        balance.explanation = m_reading.text(QStringLiteral("la spiegazione della differenza"));
        m_reading.endRecord(QStringLiteral("la spiegazione della differenza"));
        if (m_reading.ok() && inputs().statementOf(balance.account))
            m_reading.refuse(QStringLiteral("il conto dell'estratto"),
                             QStringLiteral("il conto \"%1\" ha già un saldo").arg(FieldReading::quoted(balance.account)));
        inputs().statementBalances << balance;
    }

    void readHistory()
    {
        ClosingEvent event;
        event.day = date(QStringLiteral("la data della chiusura"), false);
        const QString word = m_reading.text(QStringLiteral("chiusura o riapertura"));
        if (m_reading.ok() && word != ClosedWord && word != ReopenedWord)
            m_reading.refuse(QStringLiteral("chiusura o riapertura"), QStringLiteral("né chiuso né riaperto"));
        event.closed = word == ClosedWord;
        event.reason = m_reading.text(QStringLiteral("il motivo"));
        m_reading.endRecord(QStringLiteral("il motivo"));
        inputs().history << event;
    }

    ArchiveReader &m_reader;
    FinalAccountFile::LoadResult &m_result;
    FieldReading m_reading;
};

} // namespace

FinalAccountFile::LoadResult FinalAccountFile::load(const QString &path)
{
    return WholeFileReading::load<LoadResult>(path, WholeFileReading::readWith<InputsReading, LoadResult>);
}

FinalAccountFile::LoadResult FinalAccountFile::read(const QByteArray &bytes)
{
    return WholeFileReading::fromBytes<LoadResult>(bytes, WholeFileReading::readWith<InputsReading, LoadResult>);
}

QByteArray FinalAccountFile::bytes(const FinalAccountInputs &inputs, QString *error)
{
    return WholeFileReading::bytesWritten([&inputs](ArchiveWriter &writer) { writeAll(writer, inputs); }, error);
}

bool FinalAccountFile::save(const FinalAccountInputs &inputs, const QString &path, QString *error)
{
    return WholeFileReading::commitWritten([&inputs](ArchiveWriter &writer) { writeAll(writer, inputs); }, path, error);
}

QString FinalAccountFile::pathBesideRegister(const QString &registerPath)
{
    const QFileInfo info(registerPath);
    QString name = info.fileName();
    name.replace(QStringLiteral("Veltra-contabilita-"), QStringLiteral("Veltra-rendiconto-"));
    if (name == info.fileName())
        name = QStringLiteral("Veltra-rendiconto-") + name;
    return info.dir().filePath(name);
}

std::optional<FinalAccountInputs> FinalAccountFile::loadOrDefaults(const QString &path, const QString &condoName,
                                                                   int year, QString *problem)
{
    if (!QFileInfo::exists(path))
        return FinalAccountInputs::defaults(condoName, year);
    const LoadResult file = load(path);
    if (!file.isComplete()) {
        *problem = QStringLiteral("il file del rendiconto \"%1\" non si può leggere: %2").arg(path, file.problem);
        return std::nullopt;
    }
    if (file.inputs.condoName != condoName || file.inputs.year != year) {
        *problem = QStringLiteral("il file del rendiconto \"%1\" è di un altro condominio o di un altro anno").arg(path);
        return std::nullopt;
    }
    return file.inputs;
}

} // namespace veltra
