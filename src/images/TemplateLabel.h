#pragma once

#include <QString>

namespace casewright {

// The name a template is shown under: its back file's name cut before the last
// ".", then cut after the last "-", without leading and trailing spaces.
// "CD-[BACK]-Blue Sky.jpg" shows as "Blue Sky".
class TemplateLabel {
public:
    static QString fromFileName(const QString& fileName);
};

}  // namespace casewright
