#pragma once

#include <QString>

namespace veltra {

class Platform;

// PdfPerOwner writes the letters to the owners one PDF each, and every other printout as
// one PDF.
enum class DocumentFormat { Odt, Pdf, PdfPerOwner };

// The format the print commands hand their documents over in: OpenDocument Text for the
// word processor, as always, or PDF, ready to send by email or PEC. The user chooses it
// once; the choice holds for every printout, in this session and the next.
namespace DocumentFormatChoice {

// The format last chosen, OpenDocument Text until one is.
DocumentFormat remembered(const Platform &platform);
// Asks which format to use, the one in use as the default answer, and keeps the answer;
// false when the user cancels, and the format stays as it was.
bool ask(Platform &platform, const QString &title);
// ".odt", or ".pdf" for both PDF formats.
QString extension(DocumentFormat format);

} // namespace DocumentFormatChoice

} // namespace veltra
