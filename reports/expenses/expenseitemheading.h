#pragma once

#include <QString>

namespace veltra {

class ReportDocument;
class SharedState;

// The head that the allocation statement and the payment notices share: the condominium
// line, the management line with year and item number, and the table of the item.
class ExpenseItemHeading
{
public:
    // The criterion calcType as printed: 1 to 7, any other value printed as 1.
    static int printedCriterion(int calcType);
    static QString criterionCaption(int calcType);

    // "GESTIONE " + typeWord + " " + Str(year) + "  (spesa n." + Str(k) + ")", the year
    // taken from date; a date that gives no year leaves the year and its blank out.
    static QString managementLine(const QString &typeWord, const QString &date, int k);

    // PARAGRAPH at 20 points: "Condominio: " + condoName and an empty line.
    static void appendCondominiumLine(ReportDocument &document, const SharedState &state);
    // PARAGRAPH at 12 points: "numero condomini: " + Str(ownerCount) and an empty line.
    static void appendOwnerCountLine(ReportDocument &document, const SharedState &state);
    // The 5 x 2 table at 10 points of item k: amount, description, date (whose row is
    // headed dateLabel) and criterion; under heating by heat meters a sixth row names the
    // share by consumption and the basis of the rest.
    static void appendItemTable(ReportDocument &document, const SharedState &state, int k,
                                const QString &dateLabel);
};

} // namespace veltra
