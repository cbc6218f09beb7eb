#include "ui/contabilita/yearendeditor.h"

#include "core/accounts/accountsyear.h"
#include "core/platform/platform.h"
#include "core/state/sharedstate.h"

#include <algorithm>

namespace veltra {

YearEndEditor::YearEndEditor(Platform &platform, const SharedState &state, AccountsYear &year)
    : m_platform(platform)
    , m_state(state)
    , m_year(year)
{
}

bool YearEndEditor::load()
{
    QString problem;
    m_loaded = m_yearEnd.load(m_year, &problem);
    if (!m_loaded)
        refuse(QStringLiteral("Il rendiconto non si può preparare: %1.").arg(problem));
    return m_loaded;
}

void YearEndEditor::clear()
{
    m_yearEnd = YearEnd();
    m_loaded = false;
}

bool YearEndEditor::isClosed() const
{
    return m_year.isOpen() && m_year.accounts().closed;
}

FinalAccount YearEndEditor::figures() const
{
    return m_yearEnd.figures(m_year, m_state);
}

bool YearEndEditor::save(const FinalAccountInputs &changed)
{
    if (!m_loaded)
        return false;
    QString error;
    if (!m_yearEnd.saveInputs(m_year, changed, &error)) {
        refuse(QStringLiteral("La modifica non è stata salvata: %1.").arg(error));
        return false;
    }
    emit inputsSaved();
    return true;
}

void YearEndEditor::keepStatement(const StatementBalance &balance)
{
    if (!m_loaded || balance.day > m_year.accounts().lastDay())
        return;
    QString error;
    if (!m_yearEnd.recordStatement(m_year, balance, &error))
        return refuse(QStringLiteral("Il saldo dell'estratto conto non è stato annotato per il rendiconto: %1.").arg(error));
    emit inputsSaved();
}

void YearEndEditor::refuse(const QString &text) const
{
    m_platform.showMessage(MessageIcon::Exclamation, m_state.texts.checkTitle, text);
}

bool YearEndEditor::closeYear()
{
    const int year = m_year.accounts().year;
    if (!m_loaded
        || !m_platform.askYesNo(MessageIcon::Question, m_state.texts.checkTitle,
                                QStringLiteral("Chiudere l'esercizio %1? I saldi finali dei condomini, dei conti e dei "
                                               "fondi diventano i saldi iniziali del registro dell'esercizio %2; "
                                               "finché non lo si riapre, l'esercizio %1 non si può più cambiare.")
                                    .arg(year).arg(year + 1),
                                false))
        return false;
    QString error;
    if (!m_yearEnd.close(m_year, m_state, m_platform.today(), &error)) {
        m_platform.showMessage(MessageIcon::Critical, m_state.texts.checkTitle,
                               QStringLiteral("L'esercizio non è stato chiuso: %1.").arg(error));
        return false;
    }
    emit closingChanged();
    return true;
}

bool YearEndEditor::confirmReopening() const
{
    const int year = m_year.accounts().year;
    return m_platform.askYesNo(MessageIcon::Question, m_state.texts.checkTitle,
                               QStringLiteral("Riaprire l'esercizio %1? Dopo le correzioni, chiudendolo di nuovo si "
                                              "riscrivono i saldi iniziali del registro del %2.").arg(year).arg(year + 1),
                               false);
}

bool YearEndEditor::reopenYear(const QString &reason)
{
    QString error;
    if (!m_loaded || !m_yearEnd.reopen(m_year, reason, m_platform.today(), &error)) {
        refuse(QStringLiteral("L'esercizio non è stato riaperto: %1.").arg(error));
        return false;
    }
    emit closingChanged();
    return true;
}

QString YearEndEditor::stateText() const
{
    if (!isClosed())
        return QStringLiteral("Esercizio aperto");
    const QList<ClosingEvent> &history = inputs().history;
    const auto closing = std::find_if(history.crbegin(), history.crend(), [](const ClosingEvent &e) { return e.closed; });
    return closing == history.crend()
        ? QStringLiteral("Esercizio chiuso")
        : QStringLiteral("Esercizio chiuso il %1").arg(closing->day.toString(QStringLiteral("dd/MM/yyyy")));
}

QString YearEndEditor::closedReason() const
{
    return stateText() + QStringLiteral(": per cambiarlo, riaprirlo nella scheda Rendiconto");
}

} // namespace veltra
