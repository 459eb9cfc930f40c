#pragma once

#include <QString>

#include "images/TemplateEntry.h"

namespace casewright {

// The three image files of a template, formed from its back file's name.
// The front and disc files are not looked for: their paths are formed whether
// they exist or not, and a missing one simply shows no picture.
struct TemplatePaths {
    QString back;
    QString front;
    QString disc;

    // A click on a template replaces every "[BACK]" in the name by "[FRONT]"
    // (unless the name already holds "[FRONT]") and by "[DISC]" (unless it
    // already holds "[DISC]").
    static TemplatePaths forClick(const TemplateEntry& entry);

    // Stepping with the arrow keys replaces every "BACK" in the name, also one
    // outside the brackets, by "FRONT" and by "DISC". A name such as
    // "BACK-[BACK]-Back Road.jpg" therefore gives other front and disc paths
    // than a click does; templates named by the usual convention give the same.
    static TemplatePaths forArrowKey(const TemplateEntry& entry);
};

}  // namespace casewright
