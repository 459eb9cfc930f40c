#pragma once

#include <QString>

namespace casewright {

class CoverDocument;

// How a cover file operation ended. A failure that the user must hear about
// carries the message box text and caption; a silent one leaves them empty.
// A success may carry a warning too (a cover opened without some pictures).
struct CoverFileOutcome {
    bool ok = true;
    QString message;
    QString caption;

    static CoverFileOutcome Success() { return {}; }
    static CoverFileOutcome Failure(const QString& message, const QString& caption) {
        return {false, message, caption};
    }
    static CoverFileOutcome Warning(const QString& message, const QString& caption) {
        return {true, message, caption};
    }
};

// The designer window's access to cover files, kept behind one small
// interface so that tests can watch what is read and written.
class CoverFileGateway {
public:
    virtual ~CoverFileGateway() = default;

    // Loads the cover at `path` into the freshly reset document; font heights
    // missing from the file are made as pixels at `fontDpi`. The cover type read
    // becomes the one a new design starts with.
    virtual CoverFileOutcome read(CoverDocument& document, const QString& path, int fontDpi) = 0;
    // Writes the design to `path`; on failure no half-written file remains.
    virtual CoverFileOutcome write(const CoverDocument& document, const QString& path) = 0;
};

}  // namespace casewright
