#pragma once

#include <QString>

namespace casewright {

class CoverDocument;

enum class CoverFileReadOutcome {
    Loaded,      // the design now holds the file's values
    NoFile,      // nothing exists at the path
    Unreadable,  // a folder, a file that cannot be opened or read, or one too large
    Invalid,     // not a cover file: no "[END]"; the window shows the invalid-file message
};

// Loads a cover file over a design that the caller has just reset to a new
// design. Every field with a file key takes the file's value (an absent one
// what its empty value reads as), except that alignments other than LEFT,
// CENTER and RIGHT and the two spine switches keep their reset values. The
// image blocks are extracted to "tmpfront", "tmpback", "tmpstretch" and
// "tmpdisc" plus the stored path's extension in tempFolder (the per-user
// cache folder when empty), and the image paths name those files. The cover
// type is also stored as the settings value "Option". Unless the outcome is
// Loaded the design is left untouched. Nothing is ever shown to the user.
//
// screenDpiY is the vertical resolution of the designer window's screen; a
// missing disc font height reads as the 12-point height at it.
CoverFileReadOutcome ReadCoverFile(CoverDocument& doc, const QString& path, int screenDpiY,
                                   const QString& tempFolder = QString());

// The folder temporary images go to when no other is given.
QString DefaultTemporaryImageFolder();

}  // namespace casewright
