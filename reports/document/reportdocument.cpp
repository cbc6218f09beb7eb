#include "reports/document/reportdocument.h"

#include "reports/document/documenthandover.h"
#include "reports/document/odtrenderer.h"
#include "reports/document/rtfrenderer.h"

#include <algorithm>

namespace veltra {

namespace {

const QChar CR(13);
const QChar FF(12);

bool isWordProcessorName(const QString &path)
{
    return path.endsWith(QLatin1String(".doc"), Qt::CaseInsensitive)
        || path.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive);
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
    const bool written = isWordProcessorName(path) ? RtfRenderer::write(*this, path)
                                                   : OdtRenderer::write(*this, path);
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
