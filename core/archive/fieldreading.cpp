#include "core/archive/fieldreading.h"

#include "core/numbers/numbertext.h"

namespace veltra {

FieldReading::FieldReading(ArchiveReader &reader, QString &problem)
    : m_reader(reader)
    , m_problem(problem)
{
}

QString FieldReading::text(const QString &field)
{
    const QString value = m_reader.readText();
    check(field);
    return value;
}

Cell FieldReading::cell(const QString &field)
{
    const Cell value = m_reader.readCell();
    check(field);
    return value;
}

int FieldReading::ranged(const QString &field, int minimum, int maximum)
{
    const int value = m_reader.readInteger();
    if (m_reader.ok() && (value < minimum || value > maximum))
        m_reader.fail();
    check(field);
    return m_reader.ok() ? value : 0;
}

void FieldReading::endRecord(const QString &field)
{
    m_reader.endRecord();
    check(field);
}

void FieldReading::refuse(const QString &field, const QString &reason)
{
    if (reason.isEmpty() || !m_reader.ok())
        return;
    m_reader.fail();
    m_problem = placeText(field) + QStringLiteral(": ") + reason;
}

void FieldReading::refuseLeftOver(const QString &reason)
{
    if (!m_reader.ok() || m_reader.atEnd())
        return;
    m_reader.fail();
    m_problem = lineText() + QStringLiteral(": ") + reason;
}

void FieldReading::setOwner(int i, const QString &name)
{
    m_owner = i;
    m_ownerName = name;
    m_unit = 0;
}

void FieldReading::check(const QString &field)
{
    if (!m_reader.ok() && m_problem.isEmpty())
        m_problem = placeText(field) + QString::fromUtf8(": dato mancante o illeggibile");
}

QString FieldReading::lineText() const
{
    return QStringLiteral("riga %1").arg(m_reader.failedLine());
}

QString FieldReading::placeText(const QString &field) const
{
    QString place = lineText() + QStringLiteral(", ") + field;
    if (m_unit > 0)
        place += QStringLiteral(" del locale n.") + NumberText::str(m_unit);
    if (m_owner > 0)
        place += QStringLiteral(" del condomino n.") + NumberText::str(m_owner);
    if (!m_ownerName.isEmpty())
        place += QStringLiteral(" (%1)").arg(quoted(m_ownerName));
    return place;
}

QString FieldReading::quoted(const QString &text)
{
    constexpr int QuotedLength = 30;
    QString shown = text.size() > QuotedLength ? text.left(QuotedLength) + QChar(0x2026) : text;
    for (QChar &c : shown) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char('?');
    }
    return shown;
}

} // namespace veltra
