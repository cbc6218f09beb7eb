#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace veltra {

class ReportDocument;
class SharedState;
struct MeterSplit;

// What the printouts of an item allocated by heat meters show besides the other criteria:
// the parameters in words, and per owner his reading, the consumption part, the fixed part
// and the total.
class MeterSharesTable
{
public:
    // "70% in base alle letture dei contatori di calore, 30% in base ai millesimi di
    // proprietà": the split of the item in the state.
    static QString parametersText(const SharedState &state);
    // The basis of the fixed part in words: "millesimi di proprietà".
    static QString basisName(int basis);

    // The heading and one row per owner 1..ownerCount: participation, number, name,
    // address, reading, estimate, basis, consumption part, fixed part, total (euro).
    static QStringList heading();
    static QList<QStringList> rows(const SharedState &state, const MeterSplit &split);

    // The legend of the columns and the table of all owners of item k; returns the table.
    static int append(ReportDocument &document, const SharedState &state, int k);
    // Owner i's part of the letter: his reading and the two parts of his share.
    static QString ownerLines(const SharedState &state, const MeterSplit &split, int i);

    static constexpr int FirstRightColumn = 5;
    static constexpr int LastRightColumn = 10;
};

} // namespace veltra
