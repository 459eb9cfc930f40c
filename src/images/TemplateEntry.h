#pragma once

#include <QString>

namespace casewright {

// One template of the library, identified by its back image file.
struct TemplateEntry {
    QString folder;        // the template folder the file was found in
    QString backFileName;  // a name containing "[BACK]"

    QString backPath() const { return folder + QLatin1Char('/') + backFileName; }
};

}  // namespace casewright
