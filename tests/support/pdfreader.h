#pragma once

#include <QString>
#include <QStringList>

namespace veltra {

// Reads PDF files back as a reader of the mail would: their text through poppler's
// pdftotext, page by page, and their fonts through pdffonts.
namespace PdfReader {

// Whether poppler's tools are installed.
bool available();

// The text of each page of file in reading order, lines kept as laid out; empty when the
// file could not be read.
QStringList pageTexts(const QString &file);

// Whether the file uses at least one font and has every one of them embedded.
bool fontsEmbedded(const QString &file);

} // namespace PdfReader

} // namespace veltra
