#include "document/DvdSpineSwitch.h"

#include "document/CoverDocument.h"
#include "document/CoverTypes.h"

namespace casewright {

void RestoreDvdSpineSwitch(CoverDocument& doc) {
    if (IsDvdType(doc.covertype)) {
        doc.backCoverSpinesOn = doc.bBackPrintOverSpines;
    }
}

}  // namespace casewright
