#pragma once

#include <QDate>
#include <QList>
#include <QString>

namespace veltra {

class AccountsRegister;
class SharedState;
class YearSeries;

// What the register shows against the rules of keeping it: each finding names the movement
// (number, date, amount) or the account, and the rule.
namespace AccountsCheck {

// Days within which a movement must be entered (art. 1130 n. 7 c.c.).
constexpr int RegistrationDays = 30;

struct Finding
{
    int movement = 0;     // 0 for a finding about an account or the register itself
    bool warning = false; // to be looked at, not an error of the figures
    QString text;
};

QList<Finding> check(const AccountsRegister &accounts, const YearSeries &series, const SharedState &state);

// "mov. n. 12 del 03/02/2026 di 150,00 euro".
QString movementName(int number, const QDate &day, long long cents);

} // namespace AccountsCheck

} // namespace veltra
