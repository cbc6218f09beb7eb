#pragma once

#include "library/rulings/ruling.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

namespace veltra {

// The court rulings shipped as "sentenze.txt". After the file's own "#" description each
// ruling is a block of lines:
//     [sentenza T.N]
//     the summary, one line, closed by its citation
//     fonte: address          (one line per source, at least one)
// Topics T (1 … 36) come in increasing order, rulings N of a topic from 1 without gaps, at
// most 100 per topic; empty lines between blocks are ignored. A file that breaks any rule
// is refused whole.
class RulingLibrary
{
public:
    static constexpr int MaxPerTopic = 100;

    static QString fileName() { return QStringLiteral("sentenze.txt"); }

    static RulingLibrary load(const QString &path);
    static RulingLibrary parse(const QByteArray &bytes);

    bool isValid() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    // The rulings of topic t in order; none outside 1 … 36.
    QList<Ruling> rulings(int t) const;
    // The text of ruling n of topic t, empty when there is none.
    QString text(int n, int t) const;
    int count(int t) const;
    int total() const;

private:
    class Parser;
    static RulingLibrary refused(const QString &error);

    std::array<QList<Ruling>, 37> m_topics; // index 0 stays empty
    QString m_error;
};

} // namespace veltra
