#pragma once

#include <QString>

namespace casewright {

// Which dropped files the designer window takes, and which of them it opens
// as a cover instead of using them as an image.
namespace DroppedFileRules {

// An image or cover file extension anywhere in the path, in any letter case.
bool IsAccepted(const QString& path);
// A path that ends in ".jkt" exactly as typed.
bool OpensAsCover(const QString& path);

}  // namespace DroppedFileRules

}  // namespace casewright
