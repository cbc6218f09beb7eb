#pragma once

#include "core/state/sharedstate.h"
#include "support/controlfinder.h"
#include "support/scriptedplatform.h"
#include "ui/frame/shell.h"

#include <QString>

namespace veltra {

// One work window under test, opened by the shell on a state and platform of its own. A test
// class derives from it; its init calls createState, sets the state up where the window
// needs data when it opens and verifies openWindow; its cleanup calls deleteWindow.
template<typename Window, typename TestPlatform = ScriptedPlatform>
class WorkWindowFixture
{
protected:
    // A fresh state holding the application texts, and a fresh platform.
    void createState()
    {
        m_state = new SharedState;
        m_state->initSharedStrings();
        m_platform = new TestPlatform;
    }

    // The shell on the state, showing work window number; returns the window, nullptr when
    // number is not a Window.
    Window *openWindow(int number)
    {
        m_shell = new Shell(*m_state, *m_platform, QStringLiteral(VELTRA_SOURCE_DIR "/assets"));
        m_shell->showWorkWindow(number);
        m_window = qobject_cast<Window *>(m_shell->existingWorkWindow(number));
        return m_window;
    }

    // The shell with its windows, then the platform and the state they used; a test that
    // opened no shell deletes none.
    void deleteWindow()
    {
        delete m_shell;
        m_shell = nullptr;
        m_window = nullptr;
        delete m_platform;
        delete m_state;
    }

    template<typename T>
    T *control(const QString &name) const { return findControl<T>(m_window, name); }

    SharedState *m_state = nullptr;
    TestPlatform *m_platform = nullptr;
    Shell *m_shell = nullptr;
    Window *m_window = nullptr;
};

} // namespace veltra
