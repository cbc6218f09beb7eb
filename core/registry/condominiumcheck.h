#pragma once

#include "core/platform/platform.h"
#include "core/printing/printclearance.h"

#include <QString>

namespace veltra {

class SharedState;

// The data check of the condominium window: walks the registry in a fixed order and
// finds the first missing datum, so that the user can complete it.
class CondominiumCheck
{
public:
    enum class Form {
        Command,      // run from the menu or toolbar: complete data are confirmed
        BeforeSaving  // run by a save: complete data pass in silence
    };

    // The message to show (titled checkTitle), or none.
    struct Finding
    {
        bool passed = false;
        MessageIcon icon = MessageIcon::None;
        QString text; // empty when nothing is to be shown
    };

    // heatingOption is the heating option marked in the window: 0 none, 1 "per cubatura",
    // 2 "per superficie radiante"; only a marked option makes heating values required.
    static Finding check(const SharedState &state, int heatingOption, Form form);

    // Whether the owners' sheets and the millesimal table may be printed: the data pass the
    // check and the millesimal tables are recomputed from them to the end, so that no table
    // is printed from a computation that stopped half-way.
    static PrintClearance printClearance(SharedState &state, int heatingOption);

    // The confirmation of complete data.
    static QString passedText();
};

} // namespace veltra
