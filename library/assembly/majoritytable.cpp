#include "library/assembly/majoritytable.h"

#include "library/assembly/thresholdline.h"

#include <QFile>
#include <QStringDecoder>

// The resource lives in this static library; it must be registered from the global namespace.
static void registerMajorityResource()
{
    Q_INIT_RESOURCE(majorities);
}

namespace veltra {

namespace {

const QString MatterKey = QStringLiteral("materia");
const QString TextKey = QStringLiteral("testo");
const QString SourceKey = QStringLiteral("fonte");
const QString ThresholdKey = QStringLiteral("soglia");

class MajorityReader
{
public:
    MajorityTable::Reading read(const QString &contents)
    {
        const QStringList lines = contents.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size() && m_reading.isValid(); ++i)
            readLine(i + 1, QString(lines.at(i)).remove(QLatin1Char('\r')).trimmed());
        if (m_reading.isValid())
            finishMatter(int(lines.size()));
        if (m_reading.isValid() && m_reading.majorities.isEmpty())
            m_reading.error = QStringLiteral("il file non contiene nessuna materia");
        if (!m_reading.isValid())
            m_reading.majorities.clear();
        return m_reading;
    }

private:
    void readLine(int number, const QString &line)
    {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            return;
        const int colon = int(line.indexOf(QLatin1Char(':')));
        const QString key = line.left(colon);
        const QString value = line.mid(colon + 1).trimmed();
        if (colon < 0 || (key != MatterKey && key != TextKey && key != SourceKey && key != ThresholdKey))
            return fail(number, QStringLiteral("la riga non comincia con \"materia:\", \"testo:\", "
                                               "\"soglia:\" o \"fonte:\""));
        if (value.isEmpty())
            return fail(number, QStringLiteral("\"%1:\" non è seguito da nessun testo").arg(key));
        if (key == MatterKey)
            return startMatter(number, value);
        if (!m_open)
            return fail(number, QStringLiteral("\"%1:\" viene prima di ogni materia").arg(key));
        if (key == TextKey)
            return addText(number, value);
        if (key == ThresholdKey)
            return addThreshold(number, value);
        m_current.sources << value;
    }

    void startMatter(int number, const QString &caption)
    {
        finishMatter(number);
        if (!m_reading.isValid())
            return;
        const int expected = int(m_reading.majorities.size()) + 1;
        if (!caption.startsWith(QString::number(expected) + QLatin1Char(')')))
            return fail(number, QStringLiteral("il tasto della materia n. %1 deve cominciare con "
                                               "\"%1)\"").arg(expected));
        m_current = Majority();
        m_current.number = expected;
        m_current.caption = caption;
        m_open = true;
    }

    void addText(int number, const QString &paragraph)
    {
        if (!m_current.sources.isEmpty())
            return fail(number, QStringLiteral("il testo della materia n. %1 deve precedere le "
                                               "sue fonti").arg(m_current.number));
        if (!m_current.text.isEmpty())
            m_current.text += QLatin1Char('\n');
        m_current.text += paragraph;
    }

    void addThreshold(int number, const QString &line)
    {
        const QString problem = ThresholdLine::addTo(line, m_current.rule);
        if (!problem.isEmpty())
            return fail(number, problem);
        m_current.hasRule = true;
    }

    // A matter is complete with at least one paragraph and one source.
    void finishMatter(int number)
    {
        if (!m_open)
            return;
        m_open = false;
        if (m_current.text.isEmpty())
            return fail(number, QStringLiteral("la materia n. %1 non ha testo").arg(m_current.number));
        if (m_current.sources.isEmpty())
            return fail(number, QStringLiteral("la materia n. %1 non ha fonti").arg(m_current.number));
        m_reading.majorities << m_current;
    }

    void fail(int number, const QString &what)
    {
        m_reading.error = QStringLiteral("riga %1: %2").arg(number).arg(what);
    }

    MajorityTable::Reading m_reading;
    Majority m_current;
    bool m_open = false;
};

} // namespace

QList<int> MajorityTable::Reading::votableMatters() const
{
    QList<int> numbers;
    for (const Majority &majority : majorities) {
        if (majority.hasRule)
            numbers << majority.number;
    }
    return numbers;
}

const Majority *MajorityTable::Reading::matter(int n) const
{
    return n >= 1 && n <= majorities.size() ? &majorities.at(n - 1) : nullptr;
}

MajorityTable::Reading MajorityTable::parse(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString contents = decoder.decode(bytes);
    if (decoder.hasError())
        return {{}, QStringLiteral("il file non è un testo UTF-8")};
    return MajorityReader().read(contents);
}

MajorityTable::Reading MajorityTable::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("impossibile aprire il file \"%1\"").arg(path)};
    return parse(file.readAll());
}

const MajorityTable::Reading &MajorityTable::shipped()
{
    static const Reading reading = [] {
        registerMajorityResource();
        return load(shippedPath());
    }();
    return reading;
}

QString MajorityTable::shippedPath()
{
    return QStringLiteral(":/data/maggioranze.txt");
}

} // namespace veltra
