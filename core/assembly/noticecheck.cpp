#include "core/assembly/noticecheck.h"

#include "core/assembly/calendardate.h"
#include "core/assembly/meetingnotice.h"

#include <QRegularExpression>

#include <optional>

namespace veltra {

namespace {

const QString Article66Third = QStringLiteral("art. 66, terzo comma, disp. att. c.c.");
const QString Article66Fourth = QStringLiteral("art. 66, quarto comma, disp. att. c.c.");
const QString Article1136Third = QStringLiteral("art. 1136, terzo comma, c.c.");

QString shown(const QDate &date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QString days(qint64 count)
{
    return count == 1 ? QStringLiteral("un solo giorno") : QStringLiteral("%1 giorni").arg(count);
}

QString capitalised(const QString &text)
{
    return text.isEmpty() ? text : text.at(0).toUpper() + text.mid(1);
}

// The day a date field names; a missing or unreadable one is named among the problems.
std::optional<QDate> dateOf(const QString &text, const char *name, QStringList &problems)
{
    const QString what = QString::fromUtf8(name);
    if (text.trimmed().isEmpty()) {
        problems << QStringLiteral("Manca %1.").arg(what);
        return std::nullopt;
    }
    const std::optional<QDate> date = CalendarDate::read(text);
    if (!date) {
        problems << QStringLiteral("%1 \"%2\" non è una data del calendario: scriverla nella "
                                   "forma gg/mm/aaaa (per esempio 05/03/2027).")
                        .arg(capitalised(what), text.trimmed());
        return std::nullopt;
    }
    // A year mistyped by a digit ("0027", "2207") is a real date no assembly is called on.
    if (date->year() < NoticeCheck::FirstYear || date->year() > NoticeCheck::LastYear) {
        problems << QStringLiteral("%1 \"%2\" cade fuori degli anni dal %3 al %4: correggere "
                                   "l'anno.")
                        .arg(capitalised(what), text.trimmed())
                        .arg(NoticeCheck::FirstYear)
                        .arg(NoticeCheck::LastYear);
        return std::nullopt;
    }
    return date;
}

// An hour typed as the notice prints it, "21", "21.00", "21:30" or "21,30", after an
// optional "ore"; an empty one is asked for by the step hint, not here.
void checkHour(const QString &text, const char *name, QStringList &problems)
{
    static const QRegularExpression form(
        QStringLiteral("^(?:ore\\s+)?([0-9]{1,2})(?:[.:,]([0-9]{2}))?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return;
    const QRegularExpressionMatch match = form.match(typed);
    const bool real = match.hasMatch() && match.captured(1).toInt() <= 23
        && match.captured(2).toInt() <= 59;
    if (!real)
        problems << QString::fromUtf8("%1 \"%2\" non è un'ora del giorno: scriverla nella forma "
                                      "hh.mm, da 0.00 a 23.59 (per esempio 21.00).")
                        .arg(capitalised(QString::fromUtf8(name)), typed);
}

void checkNoticeTerm(const QDate &notice, const QDate &first, QStringList &problems)
{
    const qint64 span = notice.daysTo(first);
    if (span >= NoticeCheck::MinimumNoticeDays)
        return;
    const QString rule = QStringLiteral(": l'avviso deve essere comunicato almeno cinque giorni "
                                        "prima della data fissata per l'adunanza in prima "
                                        "convocazione (%1).")
                             .arg(Article66Third);
    if (span > 0)
        problems << QStringLiteral("L'avviso del %1 precede di %2 la prima convocazione del %3")
                            .arg(shown(notice), days(span), shown(first))
                        + rule;
    else if (span == 0)
        problems << QStringLiteral("L'avviso porta la data della prima convocazione (%1)")
                            .arg(shown(first))
                        + rule;
    else
        problems << QStringLiteral("L'avviso del %1 è successivo alla prima convocazione del %2")
                            .arg(shown(notice), shown(first))
                        + rule;
}

void checkSecondCall(const QDate &first, const QDate &second, QStringList &problems)
{
    const qint64 span = first.daysTo(second);
    if (span == 0)
        problems << QStringLiteral("La seconda convocazione è fissata nello stesso giorno della "
                                   "prima (%1): l'assemblea in seconda convocazione si tiene in "
                                   "un giorno successivo a quello della prima (%2) e non nel "
                                   "medesimo giorno solare (%3).")
                        .arg(shown(first), Article1136Third, Article66Fourth);
    else if (span < 0)
        problems << QStringLiteral("La seconda convocazione del %1 precede la prima del %2: "
                                   "l'assemblea in seconda convocazione si tiene in un giorno "
                                   "successivo a quello della prima (%3).")
                        .arg(shown(second), shown(first), Article1136Third);
    else if (span > NoticeCheck::MaximumSecondCallDays)
        problems << QStringLiteral("La seconda convocazione del %1 cade %2 dopo la prima del %3: "
                                   "l'assemblea in seconda convocazione si tiene non oltre dieci "
                                   "giorni dalla prima (%4).")
                        .arg(shown(second), days(span), shown(first), Article1136Third);
}

void checkAgenda(const MeetingNotice &notice, QStringList &problems)
{
    const int last = notice.lastFilledPoint();
    if (last == 0) {
        problems << QStringLiteral("Non è indicato alcun punto all'ordine del giorno: l'avviso "
                                   "deve contenere la specifica indicazione dell'ordine del "
                                   "giorno (%1).")
                        .arg(Article66Third);
        return;
    }
    const int printed = notice.printedPoints();
    if (printed < last)
        problems << QStringLiteral("Il punto %1 dell'ordine del giorno è vuoto: l'avviso stampato "
                                   "si ferma prima di esso e non riporta i punti che seguono "
                                   "(fino al punto %2).")
                        .arg(printed + 1)
                        .arg(last);
}

} // namespace

QString NoticeCheck::passedText()
{
    return QStringLiteral("I dati sono stati immessi correttamente.");
}

NoticeCheck::Finding NoticeCheck::check(const MeetingNotice &notice)
{
    Finding finding;
    QStringList &problems = finding.problems;
    const auto noticeDate = dateOf(notice.noticeDate, "la data dell'avviso", problems);
    const auto first = dateOf(notice.firstCallDate, "la data della prima convocazione", problems);
    const auto second = dateOf(notice.secondCallDate, "la data della seconda convocazione",
                               problems);
    checkHour(notice.firstCallHour, "l'ora della prima convocazione", problems);
    checkHour(notice.secondCallHour, "l'ora della seconda convocazione", problems);
    QStringList &warnings = finding.warnings;
    if (noticeDate && first)
        checkNoticeTerm(*noticeDate, *first, warnings);
    if (first && second)
        checkSecondCall(*first, *second, warnings);
    checkAgenda(notice, warnings);
    problems << warnings;
    finding.passed = problems.isEmpty();
    finding.text = finding.passed ? passedText() : problems.join(QLatin1Char('\n'));
    return finding;
}

PrintClearance NoticeCheck::printClearance(const MeetingNotice &notice)
{
    const Finding finding = check(notice);
    if (finding.passed)
        return PrintClearance::granted();
    if (finding.problems.size() > finding.warnings.size())
        return PrintClearance::refused(MessageIcon::Critical, finding.text);
    return PrintClearance::askFirst(finding.text);
}

} // namespace veltra
