// The administrator's details file: any bytes are read; a file read whole is saved, read
// back to the same details and saved to the same bytes, and its letterhead holds no empty
// line.

#include "fuzzcheck.h"

#include "core/archive/archivewriter.h"
#include "core/registry/administratorfile.h"

using namespace veltra;

namespace {

// A text read from a UTF-8 file may hold what Windows-1252 cannot carry; saving refuses it.
bool writable(const AdministratorDetails &d)
{
    for (const QString *text : d.texts()) {
        if (!ArchiveWriter::unwritableReason(*text).isEmpty())
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QString problem;
    const std::optional<AdministratorDetails> details =
        AdministratorFile::read(fuzz::inputBytes(data, size), &problem);
    fuzz::require(details.has_value() == problem.isEmpty(), "a refusal always says why", problem);
    if (!details)
        return 0;
    for (const QString &line : details->letterhead())
        fuzz::require(!line.trimmed().isEmpty(), "the letterhead prints no empty line");
    const QByteArray saved = AdministratorFile::bytes(*details);
    if (!writable(*details) || fuzz::readsAsUtf8(saved))
        return 0;
    QString again;
    const std::optional<AdministratorDetails> reread = AdministratorFile::read(saved, &again);
    fuzz::require(reread.has_value(), "saved details read back", again);
    fuzz::require(*reread == *details, "saved details read back unchanged",
                  QString::fromLatin1(saved));
    fuzz::require(AdministratorFile::bytes(*reread) == saved, "saving is a fixed point");
    return 0;
}
