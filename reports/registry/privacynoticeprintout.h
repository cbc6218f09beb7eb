#pragma once

namespace veltra {

class ReportDocument;
class SharedState;

// The privacy notice the condominium gives its owners and the holders of rights on the
// units when it collects their data for the owners' register and its management: who is
// the controller, for what and on what basis, who receives the data, how long they are
// kept, the rights of the persons concerned and where to complain.
namespace PrivacyNoticePrintout {

ReportDocument build(const SharedState &state);

} // namespace PrivacyNoticePrintout

} // namespace veltra
