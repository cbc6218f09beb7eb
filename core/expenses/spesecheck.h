#pragma once

#include "core/expenses/managementtype.h"
#include "core/platform/platform.h"
#include "core/printing/printclearance.h"

#include <QString>

namespace veltra {

class SharedState;

// The rules of the expense window over the current item k and the owners' inputs: the
// step hint that tells the user what to do next, and the data check run on command and
// before every save.
namespace SpeseCheck {

// What the window shows besides the shared state: whether a management option is marked,
// the management type text ("preventivi", "spese" or empty) and the criterion option
// marked (1 to 7, 0 when none).
struct WindowChoices
{
    bool managementOptionMarked = false;
    QString managementType;
    int criterionOption = 0;
};

// The number a text begins with, read with a point as decimal separator up to the first
// character that is not part of a number ("50,5" reads 50, "abc" reads 0).
double leadingNumber(const QString &text);

// The rule (1 to 16) whose hint applies first; 16 asks for the readings of criterion 7.
int stepHintRule(const SharedState &state, int k, const WindowChoices &choices);

// The first failing rule's message (titled checkTitle), or the confirmation.
struct Finding
{
    bool passed = false;
    MessageIcon icon = MessageIcon::None;
    QString text;
};

Finding check(const SharedState &state, int k, const WindowChoices &choices);

// The choices the window shows once it has read an item of a series of type: the series'
// option and the item's criterion (state.calcType) marked.
WindowChoices choicesOfItem(const SharedState &state, ManagementType type);

// Whether item k's statement and payment notices may be printed, after the check above.
PrintClearance printClearance(const SharedState &state, int k, const WindowChoices &choices);

} // namespace SpeseCheck

} // namespace veltra
