#pragma once

#include <QString>
#include <QVector>

#include "images/TemplateEntry.h"

namespace casewright {

// Which templates suit a design's case, read from the start of the back
// file's name: "CD-" marks a template drawn for the CD cases, "DVD-" one drawn
// for the DVD wrap (back, spine and front in one picture). A template named
// otherwise, such as one a user made, suits every case. The prefixes are
// written in capitals, like the markers.
class TemplateCaseFilter {
public:
    // Whether the template with this back file suits a design of `coverType`.
    // The DVD types take "DVD-" templates; every other type, "Other" among
    // them, is drawn as a CD case and takes "CD-" templates.
    static bool suits(const QString& backFileName, int coverType);

    // The entries that suit `coverType`, in their order.
    static QVector<TemplateEntry> forCoverType(const QVector<TemplateEntry>& entries,
                                               int coverType);
};

}  // namespace casewright
