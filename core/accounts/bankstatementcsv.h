#pragma once

#include "core/accounts/columnmapping.h"

#include <QByteArray>
#include <QChar>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace veltra {

// The movements of the condominium's bank account as the bank exports them: a CSV in
// UTF-8 or Windows-1252, ";" or "," between fields, a few preamble lines (holder, IBAN)
// before the column titles and footer rows ("Saldo finale", "Saldo disponibile") after the
// movements. Dates are day/month/year; amounts carry a decimal comma or point, decided
// once for the whole file from the amounts that cannot be read two ways. A file that
// cannot be read to the last movement is refused whole, naming the file and the line.
class BankStatementCsv
{
public:
    struct Line
    {
        int fileLine = 0; // where the movement starts in the file, from 1
        QDate operationDate;
        QDate valueDate; // invalid when the file gives none
        long long cents = 0; // + coming in, - going out
        QString description; // the description columns joined by " "
        std::optional<long long> balanceCents; // the balance after it, when the file gives one
    };

    struct Result
    {
        bool ok = false;
        QString problem; // "Il file «estratto.csv», riga 12: la data «31/02/2026» non esiste"
        int failedLine = 0; // 0 when the fault is the file's as a whole
        QList<Line> lines; // in the file's order
        std::optional<long long> closingBalanceCents; // the balance after the latest movement
        // The one used, titles filled in from the file; kept on a refusal too, so that the
        // user can see which columns were read and correct them.
        ColumnMapping mapping;
    };

    // The rows of the file, quotes taken off (a doubled quote inside is one quote, a
    // quoted field may hold the separator or a line break); *separator, when given,
    // receives the one found.
    static QList<QStringList> rows(const QByteArray &bytes, QChar *separator);

    // The movements of the file, with the given mapping or the one its header suggests.
    static Result read(const QByteArray &bytes, const QString &fileName,
                       const std::optional<ColumnMapping> &mapping = {});
};

} // namespace veltra
