#pragma once

#include <QList>
#include <QString>

namespace veltra {

// One kind of condominium expense and how it is split when the unit is let.
struct TenantSplitRow
{
    QString tipologia;     // the category ("Ascensore")
    QString spesa;         // the kind of expense
    int tenantPercent = 0; // borne by the tenant: 0, 90 or 100

    int landlordPercent() const { return 100 - tenantPercent; }
};

// The reference table of the owner/tenant split: 74 kinds of expense grouped by category,
// after art. 9 of law 392/1978 (the tenant bears the services, the porter at 90 %) and the
// national agreement between the landlords' and the tenants' associations.
class TenantSplitTable
{
public:
    static constexpr int RowCount = 74;

    // Rows 1 to RowCount, in the table's order (element 0 is row 1).
    static const QList<TenantSplitRow> &rows();
    // Row n, 1 to RowCount.
    static const TenantSplitRow &row(int n);
};

} // namespace veltra
