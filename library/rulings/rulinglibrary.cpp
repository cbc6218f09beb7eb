#include "library/rulings/rulinglibrary.h"

#include "library/datafile/datafile.h"
#include "library/rulings/rulingtopics.h"

#include <QRegularExpression>

namespace veltra {

namespace {

const QString SourcePrefix = QStringLiteral("fonte: ");

QString refusalAt(int line, const QString &what)
{
    return DataFile::refusal(RulingLibrary::fileName(), line, what);
}

} // namespace

// Reads the blocks one line at a time; the first broken rule ends the reading with its
// message.
class RulingLibrary::Parser
{
public:
    explicit Parser(RulingLibrary &library) : m_library(library) {}

    // The refusal for line number lineNumber (from 1), empty when it fits.
    QString take(const QString &line, int lineNumber)
    {
        if (line.startsWith(QLatin1Char('[')))
            return open(line, lineNumber);
        if (line.trimmed().isEmpty())
            return m_open && m_open->text.isEmpty()
                ? refusalAt(lineNumber, QStringLiteral("manca il testo della sentenza"))
                : QString();
        if (!m_open)
            return refusalAt(lineNumber, QStringLiteral("atteso \"[sentenza T.N]\""));
        if (line.startsWith(SourcePrefix))
            return addSource(line.mid(SourcePrefix.size()).trimmed(), lineNumber);
        if (!m_open->text.isEmpty())
            return refusalAt(lineNumber, QStringLiteral("il testo di una sentenza sta su una "
                                                        "sola riga, seguito dalle righe \"fonte: \""));
        return setText(line, lineNumber);
    }

    // The refusal for the last block, empty when it is complete.
    QString finish(int lineNumber)
    {
        return m_open ? close(lineNumber) : QString();
    }

private:
    QString open(const QString &line, int lineNumber)
    {
        static const QRegularExpression header(QStringLiteral("^\\[sentenza (\\d+)\\.(\\d+)\\]$"));
        const QRegularExpressionMatch match = header.match(line.trimmed());
        if (!match.hasMatch())
            return refusalAt(lineNumber, QStringLiteral("intestazione non valida, attesa "
                                                        "\"[sentenza T.N]\""));
        const QString closing = m_open ? close(lineNumber) : QString();
        if (!closing.isEmpty())
            return closing;
        const int topic = match.captured(1).toInt();
        const int number = match.captured(2).toInt();
        if (topic < 1 || topic > RulingTopics::Count)
            return refusalAt(lineNumber, QStringLiteral("argomento %1 inesistente (da 1 a %2)")
                                             .arg(match.captured(1)).arg(RulingTopics::Count));
        if (topic < m_topic)
            return refusalAt(lineNumber, QStringLiteral("argomento %1 fuori ordine").arg(topic));
        const int expected = topic == m_topic ? m_library.m_topics.at(topic).size() + 1 : 1;
        if (number != expected || match.captured(2) != QString::number(number))
            return refusalAt(lineNumber, QStringLiteral("attesa la sentenza %1.%2")
                                             .arg(topic).arg(expected));
        if (number > MaxPerTopic)
            return refusalAt(lineNumber, QStringLiteral("più di %1 sentenze per argomento")
                                             .arg(MaxPerTopic));
        m_topic = topic;
        m_open = Ruling();
        m_open->topic = topic;
        m_open->number = number;
        m_openLine = lineNumber;
        return QString();
    }

    QString setText(const QString &line, int lineNumber)
    {
        const std::optional<RulingCitation> citation = RulingCitation::parse(line);
        if (!citation)
            return refusalAt(lineNumber, QStringLiteral("la sentenza non termina con \" - (autorità, "
                                                        "gg/mm/aaaa, n.numero)\""));
        m_open->text = line;
        m_open->citation = *citation;
        return QString();
    }

    QString addSource(const QString &address, int lineNumber)
    {
        if (m_open->text.isEmpty())
            return refusalAt(lineNumber, QStringLiteral("manca il testo della sentenza"));
        if (!address.startsWith(QLatin1String("http://")) && !address.startsWith(QLatin1String("https://")))
            return refusalAt(lineNumber, QStringLiteral("la fonte deve essere un indirizzo http:// "
                                                        "o https://"));
        m_open->sources << address;
        return QString();
    }

    QString close(int lineNumber)
    {
        if (m_open->text.isEmpty())
            return refusalAt(lineNumber, QStringLiteral("manca il testo della sentenza %1.%2")
                                             .arg(m_open->topic).arg(m_open->number));
        if (m_open->sources.isEmpty())
            return refusalAt(m_openLine, QStringLiteral("la sentenza %1.%2 non indica alcuna fonte")
                                             .arg(m_open->topic).arg(m_open->number));
        m_library.m_topics.at(m_open->topic) << *m_open;
        m_open.reset();
        return QString();
    }

    RulingLibrary &m_library;
    std::optional<Ruling> m_open;
    int m_openLine = 0;
    int m_topic = 0;
};

RulingLibrary RulingLibrary::refused(const QString &error)
{
    RulingLibrary library;
    library.m_error = error;
    return library;
}

RulingLibrary RulingLibrary::load(const QString &path)
{
    QString error;
    const std::optional<QByteArray> bytes = DataFile::read(path, &error);
    return bytes ? parse(*bytes) : refused(error);
}

RulingLibrary RulingLibrary::parse(const QByteArray &bytes)
{
    QString error;
    const std::optional<QStringList> lines = DataFile::lines(bytes, fileName(), &error);
    if (!lines)
        return refused(error);
    RulingLibrary library;
    Parser parser(library);
    for (int i = DataFile::headerLength(*lines); i < lines->size(); ++i) {
        const QString refusal = parser.take(lines->at(i), i + 1);
        if (!refusal.isEmpty())
            return refused(refusal);
    }
    const QString refusal = parser.finish(int(lines->size()));
    if (!refusal.isEmpty())
        return refused(refusal);
    if (library.total() == 0)
        return refused(DataFile::refusal(fileName(), QStringLiteral("nessuna sentenza")));
    return library;
}

QList<Ruling> RulingLibrary::rulings(int t) const
{
    return t >= 1 && t <= RulingTopics::Count ? m_topics.at(t) : QList<Ruling>();
}

QString RulingLibrary::text(int n, int t) const
{
    const QList<Ruling> topic = rulings(t);
    return n >= 1 && n <= topic.size() ? topic.at(n - 1).text : QString();
}

int RulingLibrary::count(int t) const
{
    return int(rulings(t).size());
}

int RulingLibrary::total() const
{
    int sum = 0;
    for (const QList<Ruling> &topic : m_topics)
        sum += int(topic.size());
    return sum;
}

} // namespace veltra
