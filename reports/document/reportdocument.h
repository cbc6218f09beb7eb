#pragma once

#include "reports/document/reporttable.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>
#include <vector>

namespace veltra {

class DocumentHandover;

// The font of every printout but the letter templates.
inline const QString PrintoutFont = QStringLiteral("Century Gothic");

enum class ReportAlignment { Left, Justify, Right };

// One block of a report, in the order appended.
struct ReportBlock
{
    enum class Kind { Paragraph, Table };

    Kind kind = Kind::Paragraph;
    // PARAGRAPH: CR ends a paragraph (CR LF counts once), FF starts a new page.
    QString text;
    // Points; nothing until a print command sets a size (the renderer's default size).
    std::optional<int> fontSize;
    bool bold = false;
    int table = 0; // TABLE: its number, from 1
};

// A finishing step, applied in the order called once every block is appended.
struct FinishingStep
{
    enum class Kind { JustifyAll, AlignColumnsRight };

    Kind kind = Kind::JustifyAll;
    int table = 0;
    int firstColumn = 0;
    int lastColumn = 0;
};

// Where the letter to one owner begins in a document of letters.
struct OwnerLetterMark
{
    int owner = 0;       // the owner's number, from 1
    QString ownerName;
    int firstBlock = 0;  // index of the letter's first block
    int tablesBefore = 0; // tables appended before the letter
};

// The document every print command fills: one font, paragraphs and tables appended at the
// end, finishing steps, and the file it is saved under. It is a plain value: building it
// touches no file and no window; saveAs and present hand it to a renderer.
class ReportDocument
{
public:
    ReportDocument() = default;
    explicit ReportDocument(const QString &fontName) { beginDocument(fontName); }

    // Starts over with an empty document in the one font fontName.
    void beginDocument(const QString &fontName);
    // Appends a PARAGRAPH block; without a size (points) it takes the size in force.
    void appendParagraph(const QString &text, std::optional<int> fontSize = std::nullopt,
                         bool bold = false);
    // Appends a PARAGRAPH made of FF and CR: what follows starts on a new page.
    void appendPageBreak();
    // Appends a TABLE of rows x columns at fontSize points (the size in force when
    // omitted); returns its table number, counted from 1.
    int appendTable(int rows, int columns, std::optional<int> fontSize = std::nullopt);
    // Sets the text of one cell of table number `table`; false when there is no such cell.
    bool setCell(int table, int row, int column, const QString &text);
    // Sets the cells of one row from column 1 on, one text each.
    void setRow(int table, int row, const QStringList &texts);
    // Marks that what is appended from now on, up to the next mark, is the letter to owner
    // number `owner`, so that each owner's letter can also be written as a file of its own.
    void beginOwnerLetter(int owner, const QString &ownerName);
    const QVector<OwnerLetterMark> &ownerLetters() const { return m_letters; }
    // The letter number `index` (from 0) of ownerLetters() as a document of its own: its
    // blocks and tables, the finishing steps as they act on them, and no page break that
    // only separated it from the letters before or after.
    ReportDocument ownerLetter(int index) const;
    // Finishing choice: the foot of every page reads "Pagina N di M", in the word
    // processor's files too (which otherwise carry no page number); for a document sent as
    // one piece, where a missing page must show.
    void showPageCount() { m_pageCount = true; }
    bool pageCountShown() const { return m_pageCount; }
    // Finishing step: every paragraph, table cells included, becomes justified.
    void justifyAll();
    // Finishing step: the cells of columns firstColumn to lastColumn of the table become
    // right-aligned.
    void alignColumnsRight(int table, int firstColumn, int lastColumn);
    // Writes the document to path, replacing any file of that name: RTF for a name
    // ending in ".doc" or ".rtf" (Writer and Word both open it), PDF for ".pdf" (which
    // needs a QGuiApplication), OpenDocument Text otherwise. False when the file could not
    // be written; the old file is then kept.
    bool saveAs(const QString &path);
    // Hands the finished document to the user through handover; false when it could not
    // be written or opened (the user has been told).
    bool present(DocumentHandover &handover) const;

    QString fontName() const { return m_fontName; }
    const QVector<ReportBlock> &blocks() const { return m_blocks; }
    int tableCount() const { return int(m_tables.size()); }
    // Table number `number`, from 1 to tableCount().
    const ReportTable &table(int number) const { return m_tables[number - 1]; }
    const QVector<FinishingStep> &finishingSteps() const { return m_steps; }
    QString savePath() const { return m_savePath; }
    // The size a block appended now without a size of its own would take.
    std::optional<int> sizeInForce() const;

    // The alignment of every paragraph outside tables once the finishing steps are applied.
    ReportAlignment paragraphAlignment() const;
    // The alignment of each column of a table (index 0 = column 1) after the steps.
    QVector<ReportAlignment> columnAlignments(int table) const;

private:
    QString m_fontName;
    QVector<ReportBlock> m_blocks;
    std::vector<ReportTable> m_tables;
    QVector<FinishingStep> m_steps;
    QVector<OwnerLetterMark> m_letters;
    QString m_savePath;
    bool m_pageCount = false;
};

} // namespace veltra
