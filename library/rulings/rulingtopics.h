#pragma once

#include <QString>

namespace veltra {

// The 36 topics under which the rulings are grouped, numbered 1 to 36 in the order the
// rulings window lists them.
namespace RulingTopics {

constexpr int Count = 36;

// The title of topic t; empty outside 1 … 36.
QString title(int t);

} // namespace RulingTopics

} // namespace veltra
