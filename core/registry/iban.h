#pragma once

#include <QString>

namespace veltra {

// The international bank account number's two check digits (ISO 13616, modulo 97), which
// catch a mistyped or swapped character before money goes to a wrong account.
namespace Iban {

// Spaces are allowed between groups, lower-case letters read as capitals; an Italian IBAN
// must also have its 27 characters.
bool isValid(const QString &iban);
QString compact(const QString &iban);

} // namespace Iban

} // namespace veltra
