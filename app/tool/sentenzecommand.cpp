#include "sentenzecommand.h"

#include "libraryarguments.h"

#include "core/registry/ownertablecsv.h"
#include "library/rulings/rulinglibrary.h"
#include "library/rulings/rulingtopics.h"

namespace veltra {

int SentenzeCommand::run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const auto parsed = LibraryArguments::parse(arguments, 0, false);
    if (!parsed) {
        err << "veltra-tool: uso: veltra-tool sentenze " << argumentsSynopsis() << "\n";
        return ExitBadArguments;
    }
    const RulingLibrary library = RulingLibrary::load(parsed->dataFile(RulingLibrary::fileName()));
    if (!library.isValid()) {
        err << "veltra-tool: " << library.error() << "\n";
        return ExitUnreadableFile;
    }
    out << OwnerTableCsv::row({QStringLiteral("argomento"), QStringLiteral("numero"),
                               QStringLiteral("autorità"), QStringLiteral("data"),
                               QStringLiteral("numero della decisione"), QStringLiteral("fonti")});
    for (int t = 1; t <= RulingTopics::Count; ++t) {
        for (const Ruling &ruling : library.rulings(t))
            out << OwnerTableCsv::row({QString::number(t), QString::number(ruling.number),
                                       ruling.citation.court, ruling.citation.date,
                                       ruling.citation.number,
                                       ruling.sources.join(QStringLiteral(" ; "))});
    }
    return ExitSuccess;
}

} // namespace veltra
