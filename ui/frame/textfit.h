#pragma once

#include <QSize>

class QWidget;

namespace veltra {

// How much room the text of a control needs: labels (wrapped ones at their present width),
// push buttons, option buttons, check boxes and group-box titles, measured with the
// control's font inside the rectangle its style draws the text in.
namespace TextFit {

// The size at which the control's text fits, at least its present size; its present size
// for a control without text.
QSize fittingSize(const QWidget *control);

} // namespace TextFit
} // namespace veltra
