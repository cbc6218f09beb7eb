#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace veltra {

// Where a bank's statement export keeps what a movement needs: columns counted from 0,
// -1 for none. The amount is either one signed column or a pair, "Dare" (debits, going
// out) and "Avere" (credits, coming in); the description may be spread over several
// columns ("Descrizione" and "Causale"), joined in the order given.
struct ColumnMapping
{
    int operationDate = -1;
    int valueDate = -1;
    int amount = -1;
    int debit = -1;
    int credit = -1;
    QList<int> description;
    int balance = -1;
    QChar separator = QLatin1Char(';');
    int headerRow = -1; // the row of the column titles, from 0; -1: the file has none
    // The titles of the header row as the file gives them, for describe(); not remembered
    // by toText(), since they are read again from each file.
    QStringList headers;

    // The mapping the words of a header row suggest ("Data contabile", "Importo (€)",
    // "Dare", "Avere", "Causale", "Saldo", …, case and accents aside): the first of the
    // file's first rows whose titles give a date and an amount; an unusable mapping when none.
    static ColumnMapping guess(const QList<QStringList> &rows);

    // Whether a date, an amount (one column, or both Dare and Avere) and a description are
    // there, each in a column of its own.
    bool isUsable() const;

    // One line without double quotes, so that it can be kept as one field of an archive:
    // "colonne/1 separatore=pv intestazione=4 data=1 valuta=2 dare=4 avere=5
    // descrizione=3+6 saldo=7", columns and row counted from 1, the columns not used left out.
    QString toText() const;
    // The mapping of such a line; nothing when the line is not one, or names a column twice.
    static std::optional<ColumnMapping> fromText(const QString &text);

    // For the user's confirmation: "Data: colonna 1 (Data contabile); Importo: colonna 4
    // (Importo); …", columns counted from 1.
    QString describe() const;

    bool operator==(const ColumnMapping &other) const;

    // The words of a text in lower case without accents, every character that is no letter
    // or digit a separator ("Dell'Acqua" gives "dell", "acqua"; "CAFÈ" gives "cafe"): how
    // titles, footer rows and descriptions of a statement are compared.
    static QStringList plainWords(const QString &text);
};

} // namespace veltra
