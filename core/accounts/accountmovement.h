#pragma once

#include "core/accounts/movementcause.h"

#include <QDate>
#include <QString>

namespace veltra {

// One receipt or payment of the register, in whole cents.
struct AccountMovement
{
    int number = 0;           // progressive, from 1, in the order entered
    QDate operationDate;      // the value date: when the money moved
    QDate registrationDate;   // when it was entered in the register
    int account = 1;          // the account, from 1
    bool receipt = true;      // false for a payment
    long long cents = 0;      // always positive; receipt tells the direction
    int owner = 0;            // the counterpart owner's number, 0 when none
    QString supplier;         // the counterpart supplier's name, or whoever else
    QString supplierCode;     // his codice fiscale or partita IVA
    MovementCause cause = MovementCause::Other;
    int item = 0;             // the expense item the movement belongs to, 0 when none
    QString description;
    QString document;         // invoice number and date
    QString note;
    // The bank statement line it was read from ("data;importo;descrizione"), so that a
    // statement read twice adds nothing twice; empty for a movement typed in.
    QString statementLine;

    long long signedCents() const { return receipt ? cents : -cents; }
    // Receipts of an owner's share of an item mirror the payment dates of the series.
    bool isSharePayment() const { return receipt && cause == MovementCause::Share && owner > 0 && item > 0; }
};

} // namespace veltra
