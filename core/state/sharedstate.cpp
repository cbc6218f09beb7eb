#include "core/state/sharedstate.h"

namespace veltra {

SharedState::SharedState()
    : m_owners(std::make_unique<std::array<Owner, MaxOwners + 1>>())
{
}

void SharedState::initSharedStrings()
{
    texts.appTitle = QStringLiteral("Veltra");
    texts.appSubtitle = QStringLiteral("gestione di condomini");
    texts.versionText = QStringLiteral("3.08.05");
    texts.versionDate = QStringLiteral("29/12/00");
    texts.checkTitle = texts.appTitle + QStringLiteral(": controllo dati immessi nella finestra attiva");
    texts.helpTitle = texts.appTitle + QStringLiteral(": aiuto in linea");
    texts.deleteDialogTitle =
        QStringLiteral("Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo");
}

} // namespace veltra
