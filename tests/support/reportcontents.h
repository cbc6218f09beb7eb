#pragma once

#include "reports/document/reportdocument.h"
#include "reports/document/reporttable.h"

#include <QStringList>

namespace veltra::ReportContents {

// The cells of one row of a table, in column order.
inline QStringList tableRow(const ReportTable &table, int row)
{
    QStringList texts;
    for (int column = 1; column <= table.columns(); ++column)
        texts << table.cell(row, column);
    return texts;
}

// The texts of the document's paragraphs, in order.
inline QStringList paragraphTexts(const ReportDocument &document)
{
    QStringList texts;
    for (const ReportBlock &block : document.blocks()) {
        if (block.kind == ReportBlock::Kind::Paragraph)
            texts << block.text;
    }
    return texts;
}

} // namespace veltra::ReportContents
