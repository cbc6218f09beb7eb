#include "library/help/helpguide.h"

#include "library/datafile/datafile.h"

#include <QRegularExpression>
#include <QStringList>

namespace veltra {

namespace {

const QString RecordStart = QStringLiteral("[pagina ");

QString lineError(int line, const QString &reason)
{
    return DataFile::refusal(HelpGuide::fileName(), line, reason);
}

// A page's text: its lines joined by CR LF, without the empty lines around them.
QString pageText(QStringList lines)
{
    while (!lines.isEmpty() && lines.first().trimmed().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines.join(QStringLiteral("\r\n"));
}

class GuideParser
{
public:
    std::optional<QVector<HelpPage>> parse(const QStringList &lines, QString *error);

private:
    bool startPage(const QString &line, int number, QString *error);
    bool endPage(int number, QString *error);

    QVector<HelpPage> m_pages;
    QStringList m_text;
    int m_headerLine = 0;
};

std::optional<QVector<HelpPage>> GuideParser::parse(const QStringList &lines, QString *error)
{
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line.startsWith(RecordStart)) {
            if (!endPage(i + 1, error) || !startPage(line, i + 1, error))
                return std::nullopt;
        } else if (m_headerLine > 0) {
            m_text << line;
        } else if (!line.startsWith(QLatin1Char('#')) && !line.trimmed().isEmpty()) {
            *error = lineError(i + 1, QStringLiteral("testo prima della prima pagina"));
            return std::nullopt;
        }
    }
    if (!endPage(int(lines.size()) + 1, error))
        return std::nullopt;
    const QStringList &names = HelpGuide::windowNames();
    if (m_pages.size() != names.size()) {
        *error = lineError(int(lines.size()),
                           QStringLiteral("la guida deve avere %1 pagine, ne ha %2")
                               .arg(names.size()).arg(m_pages.size()));
        return std::nullopt;
    }
    return m_pages;
}

bool GuideParser::startPage(const QString &line, int number, QString *error)
{
    static const QRegularExpression header(QStringLiteral("^\\[pagina ([a-z]+)\\] (\\S.*)$"));
    const QRegularExpressionMatch match = header.match(line);
    if (!match.hasMatch()) {
        *error = lineError(number, QStringLiteral("intestazione di pagina non valida"));
        return false;
    }
    const QStringList &names = HelpGuide::windowNames();
    const int position = int(m_pages.size());
    if (position >= names.size() || match.captured(1) != names.at(position)) {
        *error = lineError(number, QStringLiteral("si attendeva la pagina \"%1\"")
                                       .arg(position < names.size() ? names.at(position)
                                                                    : QStringLiteral("(nessuna)")));
        return false;
    }
    m_pages.append({match.captured(1), match.captured(2).trimmed(), QString()});
    m_headerLine = number;
    m_text.clear();
    return true;
}

bool GuideParser::endPage(int number, QString *error)
{
    if (m_headerLine == 0)
        return true;
    m_pages.last().text = pageText(m_text);
    if (m_pages.last().text.isEmpty()) {
        *error = lineError(number - 1, QStringLiteral("la pagina \"%1\" non ha testo")
                                           .arg(m_pages.last().window));
        return false;
    }
    return true;
}

} // namespace

QString HelpGuide::fileName()
{
    return QStringLiteral("guida.txt");
}

const QStringList &HelpGuide::windowNames()
{
    static const QStringList names = {
        QStringLiteral("manuale"),           QStringLiteral("guidafunzionamento"),
        QStringLiteral("guidaarchivio"),     QStringLiteral("guidastampa"),
        QStringLiteral("guidadati"),         QStringLiteral("guidaspese"),
        QStringLiteral("guidaconduttore"),   QStringLiteral("guidapagamenti"),
        QStringLiteral("guidaassemblea"),    QStringLiteral("guidaconvocazione"),
        QStringLiteral("guidasentenze"),     QStringLiteral("guidaregolamento"),
        QStringLiteral("guidamodelli"),      QStringLiteral("guidaanagrafe"),
        QStringLiteral("guidaattuazione"),   QStringLiteral("guidacodice"),
        QStringLiteral("guidaseduta"),       QStringLiteral("guidacontabilita"),
    };
    return names;
}

std::optional<HelpGuide> HelpGuide::fromBytes(const QByteArray &bytes, QString *error)
{
    const std::optional<QStringList> lines = DataFile::lines(bytes, fileName(), error);
    if (!lines)
        return std::nullopt;
    GuideParser parser;
    std::optional<QVector<HelpPage>> pages = parser.parse(*lines, error);
    if (!pages)
        return std::nullopt;
    HelpGuide guide;
    guide.m_pages = *pages;
    return guide;
}

std::optional<HelpGuide> HelpGuide::fromFile(const QString &path, QString *error)
{
    const std::optional<QByteArray> bytes = DataFile::read(path, error);
    if (!bytes)
        return std::nullopt;
    return fromBytes(*bytes, error);
}

const HelpPage *HelpGuide::page(const QString &window) const
{
    for (const HelpPage &page : m_pages) {
        if (page.window == window)
            return &page;
    }
    return nullptr;
}

} // namespace veltra
