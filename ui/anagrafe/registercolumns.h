#pragma once

#include "core/registry/cadastralunit.h"
#include "core/registry/registerchange.h"
#include "core/registry/registerperson.h"
#include "core/registry/safetyitem.h"

#include <QString>
#include <QStringList>

namespace veltra {

// The columns of the four tables of the register window and how each cell reads and writes
// its field. A cell's text is stored only when it can be: a date must be a real date
// (dd/mm/yyyy), a rendita an amount, every text one the register's file can carry; set()
// answers why not, and leaves the field as it was.
namespace RegisterColumns {

enum PersonColumn {
    Role, Share, Surname, GivenName, FiscalCode, BirthDate, Residence, Pec, Email, Phone, Iban,
    Channel, ConsentDate, ContractStart, ContractRegistered, PersonColumnCount
};
enum UnitColumn {
    UnitName, Comune, Sezione, Foglio, Particella, Subalterno, Categoria, Classe, Rendita,
    UnitColumnCount
};
enum ChangeColumn { ChangeDate, Document, Description, Transfer, ChangeColumnCount };
enum SafetyColumn { Item, LastCheck, NextDue, Performer, Certificate, SafetyColumnCount };

QStringList personHeadings();
QStringList unitHeadings();
QStringList changeHeadings();
QStringList safetyHeadings();
// The notice channels as the window offers them: "posta", "PEC", "email".
QStringList channelNames();

QString text(const RegisterPerson &person, int column);
QString set(RegisterPerson &person, int column, const QString &text);
QString text(const CadastralUnit &unit, int column);
QString set(CadastralUnit &unit, int column, const QString &text);
QString text(const RegisterChange &change, int column);
QString set(RegisterChange &change, int column, const QString &text);
QString text(const SafetyItem &item, int column);
QString set(SafetyItem &item, int column, const QString &text);

// A date as the window shows it, and its reading: nothing for an empty text, a refusal for
// one that is no date.
QString dateText(const QDate &date);
QString setDate(QDate &date, const QString &text);

} // namespace RegisterColumns

} // namespace veltra
