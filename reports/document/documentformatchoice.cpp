#include "reports/document/documentformatchoice.h"

#include "core/platform/platform.h"

#include <QStringList>

namespace veltra {

namespace {

const QString PreferenceKey = QStringLiteral("stampa/formato");
const QString PdfValue = QStringLiteral("pdf");
const QString OdtValue = QStringLiteral("odt");
const QString PerOwnerValue = QStringLiteral("pdf-condomino");
// The answers in the order of the buttons.
const QStringList Values = {OdtValue, PdfValue, PerOwnerValue};
const QList<DocumentFormat> Formats = {DocumentFormat::Odt, DocumentFormat::Pdf,
                                       DocumentFormat::PdfPerOwner};

} // namespace

DocumentFormat DocumentFormatChoice::remembered(const Platform &platform)
{
    const int chosen = int(Values.indexOf(platform.preference(PreferenceKey, OdtValue)));
    return chosen < 0 ? DocumentFormat::Odt : Formats.at(chosen);
}

bool DocumentFormatChoice::ask(Platform &platform, const QString &title)
{
    const QStringList buttons = {QStringLiteral("Videoscrittura (ODT)"), QStringLiteral("PDF"),
                                 QStringLiteral("PDF per condomino"), QStringLiteral("Annulla")};
    const int current = int(Formats.indexOf(remembered(platform)));
    const int chosen = platform.askChoice(
        MessageIcon::Question, title,
        QString::fromUtf8("In quale formato devo preparare i documenti delle stampe? Con "
                          "Videoscrittura si aprono nel programma di videoscrittura e si "
                          "possono modificare; il PDF è pronto da inviare per posta "
                          "elettronica o PEC; con PDF per condomino le lettere ai condomini "
                          "(avvisi, solleciti, ricevute, convocazioni) diventano un PDF per "
                          "ciascuno, tutti in una cartella. La scelta vale per tutte le stampe "
                          "finché non la cambi."),
        buttons, current);
    if (chosen < 0 || chosen >= Values.size())
        return false;
    platform.setPreference(PreferenceKey, Values.at(chosen));
    return true;
}

QString DocumentFormatChoice::extension(DocumentFormat format)
{
    return format == DocumentFormat::Odt ? QStringLiteral(".odt") : QStringLiteral(".pdf");
}

} // namespace veltra
