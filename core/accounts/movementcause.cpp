#include "core/accounts/movementcause.h"

#include <array>

namespace veltra::MovementCauses {

namespace {

struct CauseNames
{
    MovementCause cause;
    const char *word;
    const char *label;
};

const std::array<CauseNames, Count> Names = {{
    {MovementCause::Share, "quota", "Quota condomino"},
    {MovementCause::Expense, "spesa", "Pagamento spesa"},
    {MovementCause::Transfer, "giroconto", "Giroconto"},
    {MovementCause::BankCharges, "banca", "Spese e competenze bancarie"},
    {MovementCause::Withholding, "ritenuta", "Ritenuta d'acconto versata"},
    {MovementCause::SpecialFund, "fondo", "Fondo speciale (art. 1135 n. 4 c.c.)"},
    {MovementCause::Other, "altro", "Altro"},
}};

const CauseNames &namesOf(MovementCause cause)
{
    return Names[size_t(cause)];
}

} // namespace

QString word(MovementCause cause)
{
    return QString::fromLatin1(namesOf(cause).word);
}

std::optional<MovementCause> fromWord(const QString &word)
{
    for (const CauseNames &names : Names) {
        if (word == QLatin1String(names.word))
            return names.cause;
    }
    return std::nullopt;
}

QString label(MovementCause cause)
{
    return QString::fromUtf8(namesOf(cause).label);
}

QStringList labels()
{
    QStringList list;
    for (const CauseNames &names : Names)
        list << QString::fromUtf8(names.label);
    return list;
}

} // namespace veltra::MovementCauses
