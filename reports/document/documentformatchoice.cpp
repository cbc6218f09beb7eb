#include "reports/document/documentformatchoice.h"

#include "core/platform/platform.h"

#include <QStringList>

namespace veltra {

namespace {

const QString PreferenceKey = QStringLiteral("stampa/formato");
const QString PdfValue = QStringLiteral("pdf");
const QString OdtValue = QStringLiteral("odt");

} // namespace

DocumentFormat DocumentFormatChoice::remembered(const Platform &platform)
{
    return platform.preference(PreferenceKey, OdtValue) == PdfValue ? DocumentFormat::Pdf
                                                                     : DocumentFormat::Odt;
}

bool DocumentFormatChoice::ask(Platform &platform, const QString &title)
{
    const QStringList buttons = {QStringLiteral("Videoscrittura (ODT)"), QStringLiteral("PDF"),
                                 QStringLiteral("Annulla")};
    const int current = remembered(platform) == DocumentFormat::Pdf ? 1 : 0;
    const int chosen = platform.askChoice(
        MessageIcon::Question, title,
        QString::fromUtf8("In quale formato devo preparare i documenti delle stampe? Con "
                          "Videoscrittura si aprono nel programma di videoscrittura e si "
                          "possono modificare; il PDF è pronto da inviare per posta "
                          "elettronica o PEC. La scelta vale per tutte le stampe finché "
                          "non la cambi."),
        buttons, current);
    if (chosen != 0 && chosen != 1)
        return false;
    platform.setPreference(PreferenceKey, chosen == 1 ? PdfValue : OdtValue);
    return true;
}

QString DocumentFormatChoice::extension(DocumentFormat format)
{
    return format == DocumentFormat::Pdf ? QStringLiteral(".pdf") : QStringLiteral(".odt");
}

} // namespace veltra
