#include "reports/document/reportdocument.h"

#include "reports/document/documenthandover.h"
#include "reports/document/odtrenderer.h"
#include "reports/document/pdfrenderer.h"
#include "reports/document/rtfrenderer.h"

#include <algorithm>

namespace veltra {

namespace {

const QChar CR(13);
const QChar LF(10);
const QChar FF(12);

bool isWordProcessorName(const QString &path)
{
    return path.endsWith(QLatin1String(".doc"), Qt::CaseInsensitive)
        || path.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive);
}

// A block that does nothing but start a new page.
bool isPageBreak(const ReportBlock &block)
{
    if (block.kind != ReportBlock::Kind::Paragraph || !block.text.contains(FF))
        return false;
    return std::all_of(block.text.cbegin(), block.text.cend(),
                       [](QChar c) { return c == FF || c == CR || c == LF; });
}

} // namespace

void ReportDocument::beginDocument(const QString &fontName)
{
    *this = ReportDocument();
    m_fontName = fontName;
}

std::optional<int> ReportDocument::sizeInForce() const
{
    return m_blocks.isEmpty() ? std::nullopt : m_blocks.last().fontSize;
}

void ReportDocument::appendParagraph(const QString &text, std::optional<int> fontSize, bool bold)
{
    ReportBlock block;
    block.text = text;
    block.fontSize = fontSize ? fontSize : sizeInForce();
    block.bold = bold;
    m_blocks.append(block);
}

void ReportDocument::appendPageBreak()
{
    appendParagraph(QString(FF) + CR);
}

int ReportDocument::appendTable(int rows, int columns, std::optional<int> fontSize)
{
    ReportBlock block;
    block.kind = ReportBlock::Kind::Table;
    block.fontSize = fontSize ? fontSize : sizeInForce();
    m_tables.emplace_back(rows, columns, block.fontSize);
    block.table = tableCount();
    m_blocks.append(block);
    return block.table;
}

bool ReportDocument::setCell(int table, int row, int column, const QString &text)
{
    if (table < 1 || table > tableCount())
        return false;
    return m_tables[table - 1].setCell(row, column, text);
}

void ReportDocument::setRow(int table, int row, const QStringList &texts)
{
    for (int c = 0; c < texts.size(); ++c)
        setCell(table, row, c + 1, texts.at(c));
}

void ReportDocument::beginOwnerLetter(int owner, const QString &ownerName)
{
    m_letters.append({owner, ownerName, int(m_blocks.size()), tableCount()});
}

ReportDocument ReportDocument::ownerLetter(int index) const
{
    ReportDocument letter(m_fontName);
    if (index < 0 || index >= m_letters.size())
        return letter;
    const OwnerLetterMark &mark = m_letters[index];
    const bool last = index + 1 == m_letters.size();
    int first = mark.firstBlock;
    int end = last ? int(m_blocks.size()) : m_letters[index + 1].firstBlock;
    const int firstTable = mark.tablesBefore + 1;
    const int endTable = last ? tableCount() + 1 : m_letters[index + 1].tablesBefore + 1;
    while (first < end && isPageBreak(m_blocks[first]))
        ++first;
    while (end > first && isPageBreak(m_blocks[end - 1]))
        --end;
    for (int i = first; i < end; ++i) {
        ReportBlock block = m_blocks[i];
        if (block.kind == ReportBlock::Kind::Table)
            block.table -= mark.tablesBefore;
        letter.m_blocks.append(block);
    }
    for (int table = firstTable; table < endTable; ++table)
        letter.m_tables.push_back(m_tables[table - 1]);
    for (FinishingStep step : m_steps) {
        if (step.kind == FinishingStep::Kind::AlignColumnsRight) {
            if (step.table < firstTable || step.table >= endTable)
                continue;
            step.table -= mark.tablesBefore;
        }
        letter.m_steps.append(step);
    }
    letter.m_letters.append({mark.owner, mark.ownerName, 0, 0});
    return letter;
}

void ReportDocument::justifyAll()
{
    m_steps.append(FinishingStep());
}

void ReportDocument::alignColumnsRight(int table, int firstColumn, int lastColumn)
{
    FinishingStep step;
    step.kind = FinishingStep::Kind::AlignColumnsRight;
    step.table = table;
    step.firstColumn = firstColumn;
    step.lastColumn = lastColumn;
    m_steps.append(step);
}

bool ReportDocument::saveAs(const QString &path)
{
    bool written = false;
    if (isWordProcessorName(path))
        written = RtfRenderer::write(*this, path);
    else if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        written = PdfRenderer::write(*this, path);
    else
        written = OdtRenderer::write(*this, path);
    if (written)
        m_savePath = path;
    return written;
}

bool ReportDocument::present(DocumentHandover &handover) const
{
    return handover.handOver(*this);
}

ReportAlignment ReportDocument::paragraphAlignment() const
{
    const bool justified = std::any_of(m_steps.cbegin(), m_steps.cend(), [](const FinishingStep &s) {
        return s.kind == FinishingStep::Kind::JustifyAll;
    });
    return justified ? ReportAlignment::Justify : ReportAlignment::Left;
}

QVector<ReportAlignment> ReportDocument::columnAlignments(int table) const
{
    if (table < 1 || table > tableCount())
        return {};
    QVector<ReportAlignment> alignments(m_tables[table - 1].columns(), ReportAlignment::Left);
    for (const FinishingStep &step : m_steps) {
        if (step.kind == FinishingStep::Kind::JustifyAll) {
            alignments.fill(ReportAlignment::Justify);
        } else if (step.table == table) {
            const int first = std::max(1, step.firstColumn);
            const int last = std::min(int(alignments.size()), step.lastColumn);
            for (int column = first; column <= last; ++column)
                alignments[column - 1] = ReportAlignment::Right;
        }
    }
    return alignments;
}

} // namespace veltra
