#include "core/registry/iban.h"

#include <QRegularExpression>

namespace veltra {

namespace Iban {

QString compact(const QString &iban)
{
    return QString(iban).remove(QLatin1Char(' ')).toUpper();
}

bool isValid(const QString &iban)
{
    static const QRegularExpression Shape(QStringLiteral("^[A-Z]{2}[0-9]{2}[A-Z0-9]{11,30}$"));
    const QString code = compact(iban);
    if (!Shape.match(code).hasMatch())
        return false;
    if (code.startsWith(QLatin1String("IT")) && code.size() != 27)
        return false;
    // The country and check digits go to the end, letters become 10 to 35, and the whole
    // number must leave 1 when divided by 97: done digit by digit to stay in range.
    const QString moved = code.mid(4) + code.left(4);
    int remainder = 0;
    for (QChar c : moved) {
        const int value = c.isDigit() ? c.digitValue() : c.unicode() - 'A' + 10;
        remainder = (remainder * (value > 9 ? 100 : 10) + value) % 97;
    }
    return remainder == 1;
}

} // namespace Iban

} // namespace veltra
