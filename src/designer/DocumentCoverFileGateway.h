#pragma once

#include "designer/CoverFileGateway.h"

namespace casewright {

// Reads and writes cover files with the document's own file format.
class DocumentCoverFileGateway : public CoverFileGateway {
public:
    CoverFileOutcome read(CoverDocument& document, const QString& path, int fontDpi) override;
    CoverFileOutcome write(const CoverDocument& document, const QString& path) override;
};

}  // namespace casewright
