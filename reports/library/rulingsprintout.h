#pragma once

#include "reports/document/reportdocument.h"

#include <QStringList>

namespace veltra {

// Court rulings of one topic exported to the word processor: the condominium's name, then
// each ruling under a line "Sentenza n." + its number + ": " + the topic's title.
class RulingsPrintout
{
public:
    static QString openingStatus();
    static QString closingStatus();

    // Rulings first to last (numbers within the topic, from 1) of the topic titled
    // topicTitle, whose texts are rulings (index 0 = ruling 1). Numbers past the topic's
    // last ruling print nothing: from the end-of-topic line the document holds the heading
    // alone.
    static ReportDocument build(const QString &condoName, const QString &topicTitle,
                                const QStringList &rulings, int first, int last);
};

} // namespace veltra
