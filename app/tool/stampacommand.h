#pragma once

#include "toolcommand.h"

#include <QMap>

#include <functional>

namespace veltra {

class ReportDocument;

// "stampa KIND FILE -o OUT": a printout of an archive file rendered to a document without a
// window, by the same builders the windows use. The name of OUT chooses the format: ".doc"
// and ".rtf" give RTF, anything else OpenDocument Text.
class StampaCommand : public ToolCommand
{
public:
    // Fills the document from the file; returns ExitSuccess or the exit code after one line
    // on err.
    using Builder = std::function<int(const QString &file, ReportDocument &document,
                                      QTextStream &err)>;

    StampaCommand();

    QString name() const override { return QStringLiteral("stampa"); }
    QString argumentsSynopsis() const override;
    QString description() const override
    {
        return QStringLiteral("documento di una stampa, senza finestra");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;

    void addKind(const QString &kind, const Builder &builder);

private:
    QMap<QString, Builder> m_kinds;
};

} // namespace veltra
