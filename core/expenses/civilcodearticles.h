#pragma once

#include <QString>

namespace veltra {

// The articles of the civil code behind the stairs and roof-terrace criteria, as the
// expense window's article buttons show them and the payment notices quote them.
namespace CivilCodeArticles {

// Art. 1124, stairs: its two paragraphs separated by a line feed.
QString article1124();
// Art. 1126, roof terraces of exclusive use: one paragraph.
QString article1126();

} // namespace CivilCodeArticles

} // namespace veltra
