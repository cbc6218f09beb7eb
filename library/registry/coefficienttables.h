#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace veltra {

// The seven coefficients of a unit, in the order of the condominium window's buttons
// "dest.", "piano", "orient", "prosp", "lumin.", "funz.", "vol.".
enum class CoefficientKind { Destination, Floor, Orientation, Prospect, Light, Function, Volume };

// One column of recommended values; the heading is empty when the window has one column.
struct CoefficientColumn
{
    QString heading;
    QStringList rows;
};

// A reference window of recommended coefficient values, after the ministerial circular.
struct CoefficientTable
{
    CoefficientKind kind;
    QString objectName;
    QString title;
    QList<CoefficientColumn> columns; // none when the window holds a note only
    QString note;
    QString closeToolTip;
};

// The heading common to the seven windows.
QString coefficientHeading();

// The seven tables in button order.
const QList<CoefficientTable> &coefficientTables();
const CoefficientTable &coefficientTable(CoefficientKind kind);

} // namespace veltra
