#pragma once

#include "reports/document/reportdocument.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

namespace veltra {

// A document as a renderer lays it out: the blocks unfolded into the paragraphs a reader
// sees (one per CR), page breaks moved onto what follows them, and the finishing steps
// resolved into alignments. Both renderers write from it, so they cannot disagree.
class ReportFlow
{
public:
    struct Item
    {
        enum class Kind { Paragraph, Table };

        Kind kind = Kind::Paragraph;
        QString text;                 // one paragraph, without CR or FF
        std::optional<int> fontSize;  // points; nothing = the renderer's default
        bool bold = false;
        bool newPage = false;         // starts on a new page
        int table = 0;                // Kind::Table: the table number
    };

    // The paragraphs of one block text and whether a page break is left over at its end
    // for whatever comes next.
    struct Paragraphs
    {
        QVector<Item> items;
        bool breakAfter = false;
    };

    explicit ReportFlow(const ReportDocument &document);

    const QVector<Item> &items() const { return m_items; }
    ReportAlignment paragraphAlignment() const { return m_paragraphAlignment; }
    // The alignment of each column of table `table`, index 0 = column 1.
    const QVector<ReportAlignment> &columnAlignments(int table) const
    {
        return m_columnAlignments[table - 1];
    }

    // Splits a block text: each CR (a CR LF pair, or a lone LF from a text field) ends a
    // paragraph, FF starts the next paragraph on a new page, a paragraph of FF alone
    // leaves no empty line behind. An empty text is one empty paragraph.
    static Paragraphs paragraphs(const QString &text);
    // The lines of a cell text: the paragraphs of the text, page breaks ignored.
    static QStringList cellLines(const QString &text);
    // Whether a cell text is one line as it stands: no CR, LF or FF in it.
    static bool isSingleLine(const QString &text);

private:
    QVector<Item> m_items;
    ReportAlignment m_paragraphAlignment = ReportAlignment::Left;
    QVector<QVector<ReportAlignment>> m_columnAlignments;
};

} // namespace veltra
