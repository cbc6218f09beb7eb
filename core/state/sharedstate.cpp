#include "core/state/sharedstate.h"

namespace veltra {

namespace {

// "3.08.05": the build's version, minor and patch numbers of two figures each.
QString versionText()
{
    return QStringLiteral("%1.%2.%3")
        .arg(VELTRA_VERSION_MAJOR)
        .arg(VELTRA_VERSION_MINOR, 2, 10, QLatin1Char('0'))
        .arg(VELTRA_VERSION_PATCH, 2, 10, QLatin1Char('0'));
}

} // namespace

SharedState::SharedState()
    : m_owners(std::make_unique<std::array<Owner, MaxOwners + 1>>())
{
}

void SharedState::initSharedStrings()
{
    texts.appTitle = QStringLiteral("Veltra");
    texts.appSubtitle = QStringLiteral("gestione di condomini");
    texts.versionText = versionText();
    texts.releaseYear = QString::number(VELTRA_RELEASE_YEAR);
    texts.checkTitle = texts.appTitle + QStringLiteral(": controllo dati immessi nella finestra attiva");
    texts.helpTitle = texts.appTitle + QStringLiteral(": aiuto in linea");
    texts.deleteDialogTitle =
        QStringLiteral("Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo");
}

} // namespace veltra
