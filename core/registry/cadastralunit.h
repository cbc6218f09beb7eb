#pragma once

#include <QString>

#include <optional>

namespace veltra {

// A unit's identity at the land registry (catasto), as its deed or its survey gives it.
struct CadastralUnit
{
    QString comune;
    QString sezione;
    QString foglio;
    QString particella;
    QString subalterno;
    QString categoria;   // "A/2", "C/6", …
    QString classe;
    std::optional<long long> renditaCents;

    bool isEmpty() const;
    bool operator==(const CadastralUnit &other) const;
    bool operator!=(const CadastralUnit &other) const { return !(*this == other); }
};

} // namespace veltra
