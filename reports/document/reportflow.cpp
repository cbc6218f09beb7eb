#include "reports/document/reportflow.h"

namespace veltra {

namespace {

const QChar CR(13);
const QChar LF(10);
const QChar FF(12);

} // namespace

ReportFlow::ReportFlow(const ReportDocument &document)
    : m_paragraphAlignment(document.paragraphAlignment())
{
    bool pendingBreak = false;
    for (const ReportBlock &block : document.blocks()) {
        if (block.kind == ReportBlock::Kind::Table) {
            Item item;
            item.kind = Item::Kind::Table;
            item.table = block.table;
            item.fontSize = block.fontSize;
            item.newPage = pendingBreak;
            pendingBreak = false;
            m_items.append(item);
            continue;
        }
        Paragraphs split = paragraphs(block.text);
        for (Item &item : split.items) {
            item.fontSize = block.fontSize;
            item.bold = block.bold;
            item.newPage = item.newPage || pendingBreak;
            pendingBreak = false;
            m_items.append(item);
        }
        pendingBreak = pendingBreak || split.breakAfter;
    }
    // A break at the very end still opens the empty page the user asked for.
    if (pendingBreak) {
        Item item;
        item.newPage = true;
        item.fontSize = document.sizeInForce();
        m_items.append(item);
    }
    for (int table = 1; table <= document.tableCount(); ++table)
        m_columnAlignments.append(document.columnAlignments(table));
}

ReportFlow::Paragraphs ReportFlow::paragraphs(const QString &text)
{
    Paragraphs result;
    if (text.isEmpty()) {
        result.items.append(Item());
        return result;
    }
    QString current;
    bool pendingBreak = false;
    bool onlyBreaks = false; // the current paragraph so far is FF and nothing else
    auto finishParagraph = [&]() {
        Item item;
        item.text = current;
        item.newPage = pendingBreak;
        result.items.append(item);
        current.clear();
        pendingBreak = false;
    };
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == CR || c == LF) {
            if (c == CR && i + 1 < text.size() && text[i + 1] == LF)
                ++i;
            if (!onlyBreaks)
                finishParagraph();
            onlyBreaks = false;
        } else if (c == FF) {
            if (!current.isEmpty())
                finishParagraph();
            pendingBreak = true;
            onlyBreaks = true;
        } else {
            current.append(c);
            onlyBreaks = false;
        }
    }
    if (!current.isEmpty())
        finishParagraph();
    result.breakAfter = pendingBreak;
    return result;
}

QStringList ReportFlow::cellLines(const QString &text)
{
    QStringList lines;
    for (const Item &item : paragraphs(text).items)
        lines.append(item.text);
    if (lines.isEmpty())
        lines.append(QString());
    return lines;
}

bool ReportFlow::isSingleLine(const QString &text)
{
    for (const QChar c : text) {
        if (c == CR || c == LF || c == FF)
            return false;
    }
    return true;
}

} // namespace veltra
