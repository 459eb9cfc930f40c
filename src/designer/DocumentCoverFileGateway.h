#pragma once

#include "designer/CoverFileGateway.h"
#include "document/TemporaryImageFolder.h"

namespace casewright {

// Reads and writes cover files with the document's own file format. The
// images of opened covers go to a folder of the gateway's own inside
// `imageParent`, which lives as long as the gateway.
class DocumentCoverFileGateway : public CoverFileGateway {
public:
    explicit DocumentCoverFileGateway(
        const QString& imageParent = TemporaryImageFolder::DefaultParent());

    CoverFileOutcome read(CoverDocument& document, const QString& path, int fontDpi) override;
    CoverFileOutcome write(const CoverDocument& document, const QString& path) override;

private:
    TemporaryImageFolder images_;
};

}  // namespace casewright
