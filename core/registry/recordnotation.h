#pragma once

#include "core/registry/ownerrecord.h"
#include "core/registry/safetyitem.h"

#include <QString>

namespace veltra {

class ArchiveWriter;
class FieldReading;

// The lines of the owners' register in the archive notation. Each line starts with its kind:
// "persona", "unita", "variazione", "comunicazione" for an owner's record, "sicurezza" for an
// entry of the safety list. Dates are written yyyy-mm-dd, or left empty.
namespace RecordNotation {

void write(ArchiveWriter &writer, const OwnerRecord &record);
void write(ArchiveWriter &writer, const SafetyItem &item);

// Reads the rest of a line of kind `kind` into record; false when the kind is no record
// line's, the line then left unread. A refused field stops the reading, as always.
bool read(FieldReading &reading, const QString &kind, OwnerRecord &record);
SafetyItem readSafetyItem(FieldReading &reading);

// The record's lines as one text, which changes whenever the record does: the condominium
// window keeps it with each edit step, and puts the record back from it on undo.
QString text(const OwnerRecord &record);
OwnerRecord fromText(const QString &text);
// The same for the safety list, which the window keeps with the condominium's own data.
QString text(const QVector<SafetyItem> &items);
QVector<SafetyItem> safetyFromText(const QString &text);

} // namespace RecordNotation

} // namespace veltra
