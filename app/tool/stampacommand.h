#pragma once

#include "printgate.h"
#include "core/registry/administratordetails.h"
#include "toolcommand.h"

#include <QMap>

#include <functional>

namespace veltra {

class ReportDocument;

// "stampa KIND ARGUMENTS -o OUT": a printout rendered to a document without a window, by the
// same builders the windows use. Each kind takes its own arguments (most an archive FILE).
// The name of OUT chooses the format: ".doc" and ".rtf" give RTF, ".pdf" PDF, anything else
// OpenDocument Text. The letters to the owners take "--per-condomino FOLDER" instead of
// "-o OUT": one PDF per owner in FOLDER. A printout whose window runs a data check is built only after the same check:
// an error refuses it, a warning too unless "--forza" is given. The letters carry the
// administrator's details of the user's configuration folder, or of the file given with
// "--amministratore FILE".
class StampaCommand : public ToolCommand
{
public:
    // Fills the document from the kind's arguments (the words between KIND and "-o OUT");
    // returns ExitSuccess or the exit code after one line on err.
    using Builder = std::function<int(const QStringList &arguments, ReportDocument &document,
                                      QTextStream &err)>;
    // A builder of the kinds that read one archive file.
    using FileBuilder = std::function<int(const QString &file, ReportDocument &document,
                                          QTextStream &err)>;

    StampaCommand();

    QString name() const override { return QStringLiteral("stampa"); }
    QString argumentsSynopsis() const override;
    QString description() const override
    {
        return QStringLiteral("documento di una stampa, senza finestra");
    }
    int run(const QStringList &arguments, QTextStream &out, QTextStream &err) override;

    // A kind whose arguments are shown as synopsis in the usage line ("FILE", "N [--da N]").
    void addKind(const QString &kind, const QString &synopsis, const Builder &builder);
    // A kind that takes exactly one archive FILE.
    void addFileKind(const QString &kind, const FileBuilder &builder);

    // What the builders ask before building over a check's finding.
    const PrintGate &gate() const { return m_gate; }
    // The administrator's details the letters of this run carry.
    const AdministratorDetails &administrator() const { return m_administrator; }

private:
    struct Kind
    {
        QString synopsis;
        Builder builder;
    };
    QMap<QString, Kind> m_kinds;
    int readAdministrator(QStringList &arguments, QTextStream &err);

    PrintGate m_gate;
    AdministratorDetails m_administrator;
};

} // namespace veltra
