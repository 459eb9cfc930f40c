#pragma once

namespace casewright {

class CoverDocument;

// The "Print Spine?" switch of a DVD wrap is kept in the cover file only as
// bBackPrintOverSpines, because the spine flag itself is never read back.
// After a DVD cover has been read, this turns the spine on or off again as the
// designer's check box showed it when the file was saved. Other case types
// are left alone.
void RestoreDvdSpineSwitch(CoverDocument& doc);

}  // namespace casewright
