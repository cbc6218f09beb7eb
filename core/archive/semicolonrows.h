#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace veltra {

// The rows of the ';'-separated files the tool reads and writes: a field holding ';' or a
// double quote goes between quotes, with its quotes doubled.
namespace SemicolonRows {

QString field(const QString &text);
// The fields joined and ended by a line feed.
QString row(const QStringList &fields);
// The fields of a line, double quotes taken off and blanks around trimmed; false when a
// quote is left open.
bool split(const QString &line, QStringList &fields);
// The lines of a file as text (UTF-8 when it reads as such, else Windows-1252), without a
// byte-order mark and whatever the line ends; false with *problem when the file starts as
// UTF-8 but is not.
bool lines(const QByteArray &bytes, QStringList &lines, QString *problem);

} // namespace SemicolonRows

} // namespace veltra
