#pragma once

#include <QByteArray>
#include <QString>

namespace veltra {

// The draft condominium regulation shipped as "regolamento.txt": after the file's own
// "#" description, the text exactly as the window shows and prints it, its lines joined
// with CR LF. A file that does not open with the title line, or whose articles are not
// numbered 1, 2, 3 … in order, is refused whole.
class RegulationText
{
public:
    static QString fileName() { return QStringLiteral("regolamento.txt"); }
    static QString titleLine() { return QStringLiteral("Regolamento di condominio"); }

    // The draft read from the file at path, or the refusal that names what is wrong.
    static RegulationText load(const QString &path);
    static RegulationText parse(const QByteArray &bytes);

    bool isValid() const { return m_error.isEmpty(); }
    // Why the file was refused; empty for a valid one.
    QString error() const { return m_error; }
    // The whole draft, lines separated by CR LF; empty when the file was refused.
    QString text() const { return m_text; }

private:
    static RegulationText refused(const QString &error);

    QString m_text;
    QString m_error;
};

} // namespace veltra
