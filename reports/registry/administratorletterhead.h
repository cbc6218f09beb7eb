#pragma once

#include <QDate>
#include <QString>

namespace veltra {

struct AdministratorDetails;
class ReportDocument;

// The administrator's details on his letters: a letterhead above each one and his name in
// the signature block. Without details the letters print as they always have.
namespace AdministratorLetterhead {

void append(ReportDocument &document, const AdministratorDetails &details);
// caption, followed by separator and the administrator's name when it is set.
QString signature(const QString &caption, const QString &separator,
                  const AdministratorDetails &details);
// The date, then "L'amministratore" with his name and a line to sign on, at size points.
void appendDatedSignature(ReportDocument &document, const QDate &day, const AdministratorDetails &details,
                          int size);

} // namespace AdministratorLetterhead

} // namespace veltra
