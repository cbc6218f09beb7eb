#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace veltra {

// The letter templates shipped as "modelli.txt": after the file's own "#" description, each
// template opens with a line "[modello N] title" (N = 1 … 69 in order, without gaps) and
// holds the lines that follow it up to the next one, kept as they are, leading and trailing
// empty lines dropped. The program lists 70 entries: the last one stays empty. A file that
// breaks any of these rules is refused whole.
class TemplateLibrary
{
public:
    static constexpr int TemplateCount = 69;
    static constexpr int EntryCount = 70;

    static QString fileName() { return QStringLiteral("modelli.txt"); }

    static TemplateLibrary load(const QString &path);
    static TemplateLibrary parse(const QByteArray &bytes);

    bool isValid() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    // Entry n, 1 to 70: its title and its text (lines joined with CR LF); empty for 70,
    // for any other number and for a refused file.
    QString title(int n) const;
    QString text(int n) const;

private:
    static TemplateLibrary refused(const QString &error);

    QStringList m_titles;
    QStringList m_texts;
    QString m_error;
};

} // namespace veltra
