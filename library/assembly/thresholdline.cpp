#include "library/assembly/thresholdline.h"

#include <QRegularExpression>
#include <QStringList>

namespace veltra::ThresholdLine {

namespace {

const QString Unanimity = QString::fromUtf8("unanimità");
const QString NotDecidable = QStringLiteral("nessuna maggioranza");
const QString Attendees = QStringLiteral("degli intervenuti");
const QString Participants = QStringLiteral("dei partecipanti");

const QRegularExpression &sharesPattern()
{
    static const QRegularExpression pattern(QStringLiteral(
        "^(prima|seconda|ogni) convocazione: (maggioranza|(\\d{1,3})/(\\d{1,3})) "
        "(degli intervenuti|dei partecipanti)(?: e (\\d{1,3})/(\\d{1,3}) del valore)? "
        "\\(([^()]+)\\)$"));
    return pattern;
}

const QRegularExpression &otherPattern()
{
    static const QRegularExpression pattern(
        QString::fromUtf8("^(unanimità|nessuna maggioranza) \\(([^()]+)\\)$"));
    return pattern;
}

// A fraction of at most one, above nothing.
bool readFraction(const QString &numerator, const QString &denominator, Share &share)
{
    share.numerator = numerator.toInt();
    share.denominator = denominator.toInt();
    return share.numerator >= 1 && share.numerator <= share.denominator;
}

QString addShares(const QRegularExpressionMatch &match, MajorityRule &rule)
{
    if (rule.kind != MajorityRule::Kind::Shares)
        return QStringLiteral("una soglia per convocazione non si unisce all'unanimità");
    CallThreshold threshold;
    threshold.rule = match.captured(8).trimmed();
    threshold.headsBase = match.captured(5) == Attendees ? CallThreshold::HeadsBase::Attendees
                                                         : CallThreshold::HeadsBase::Participants;
    if (match.captured(2) == QStringLiteral("maggioranza"))
        threshold.heads = Share{1, 2, true};
    else if (!readFraction(match.captured(3), match.captured(4), threshold.heads))
        return QStringLiteral("la quota delle teste deve essere una frazione da 1/n a n/n");
    if (!match.captured(6).isEmpty() && !readFraction(match.captured(6), match.captured(7), threshold.value))
        return QStringLiteral("la quota del valore deve essere una frazione da 1/n a n/n");
    const QString call = match.captured(1);
    for (int i = 0; i < 2; ++i) {
        const bool named = call == QStringLiteral("ogni") || (call == QStringLiteral("prima")) == (i == 0);
        if (!named)
            continue;
        if (rule.calls[i])
            return QStringLiteral("la soglia della %1 convocazione è data due volte")
                .arg(i == 0 ? QStringLiteral("prima") : QStringLiteral("seconda"));
        rule.calls[i] = threshold;
    }
    return QString();
}

QString addOther(const QRegularExpressionMatch &match, MajorityRule &rule)
{
    if (rule.calls[0] || rule.calls[1] || !rule.rule.isEmpty())
        return QStringLiteral("l'unanimità o nessuna maggioranza esclude ogni altra soglia");
    rule.kind = match.captured(1) == Unanimity ? MajorityRule::Kind::Unanimity
                                               : MajorityRule::Kind::NotDecidable;
    rule.rule = match.captured(2).trimmed();
    return QString();
}

QString fractionText(const Share &share)
{
    return QStringLiteral("%1/%2").arg(share.numerator).arg(share.denominator);
}

QString thresholdText(const CallThreshold &threshold)
{
    QString text = threshold.heads.strictlyMore ? QStringLiteral("maggioranza")
                                                : fractionText(threshold.heads);
    text += QLatin1Char(' ')
        + (threshold.headsBase == CallThreshold::HeadsBase::Attendees ? Attendees : Participants);
    if (!threshold.value.isNone())
        text += QStringLiteral(" e ") + fractionText(threshold.value) + QStringLiteral(" del valore");
    return text + QStringLiteral(" (") + threshold.rule + QLatin1Char(')');
}

} // namespace

QString addTo(const QString &line, MajorityRule &rule)
{
    const QRegularExpressionMatch shares = sharesPattern().match(line);
    if (shares.hasMatch())
        return addShares(shares, rule);
    const QRegularExpressionMatch other = otherPattern().match(line);
    if (other.hasMatch())
        return addOther(other, rule);
    return QString::fromUtf8("la soglia non è nella forma \"prima|seconda|ogni convocazione: … "
                             "(regola)\", \"unanimità (regola)\" o \"nessuna maggioranza (regola)\"");
}

QStringList linesOf(const MajorityRule &rule)
{
    if (rule.kind == MajorityRule::Kind::Unanimity)
        return {Unanimity + QStringLiteral(" (") + rule.rule + QLatin1Char(')')};
    if (rule.kind == MajorityRule::Kind::NotDecidable)
        return {NotDecidable + QStringLiteral(" (") + rule.rule + QLatin1Char(')')};
    QStringList lines;
    if (rule.calls[0])
        lines << QStringLiteral("prima convocazione: ") + thresholdText(*rule.calls[0]);
    if (rule.calls[1])
        lines << QStringLiteral("seconda convocazione: ") + thresholdText(*rule.calls[1]);
    return lines;
}

} // namespace veltra::ThresholdLine
