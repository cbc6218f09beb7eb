#pragma once

#include "core/registry/personrole.h"

#include <QDate>
#include <QString>

namespace veltra {

// How a person agreed to receive the condominium's notices instead of by post.
enum class NoticeChannel { Post, Pec, Email };

// One person of an owner's record in the register: who he is, by what title he holds the
// unit, where he lives and how he can be reached.
struct RegisterPerson
{
    PersonRole role = PersonRole::Proprietario;
    QString share;        // a co-owner's share, as typed: "1/2", "50%"
    QString surname;      // or the company's name
    QString givenName;    // empty for a company
    QString fiscalCode;   // a person's codice fiscale, or a company's partita IVA
    QDate birthDate;
    QString residence;    // residence or domicile
    QString pec;
    QString email;
    QString phone;
    QString iban;         // for refunds and direct debits, when the person gives one
    NoticeChannel channel = NoticeChannel::Post;
    QDate consentDate;    // when he agreed to notices by PEC or email
    QDate contractStart;  // a tenant's or borrower's contract: its start
    QDate contractRegistered; // and its registration

    // "Rossi Mario", or the company's name.
    QString fullName() const;
    bool operator==(const RegisterPerson &other) const;
    bool operator!=(const RegisterPerson &other) const { return !(*this == other); }
};

} // namespace veltra
