#pragma once

#include <Qt>

namespace casewright {

// The program's own compiled-in artwork, by role. The numbers in the comments
// are the resource numbers by which the windows refer to these pictures.
//
// Icons have transparent backgrounds and are given to
// CFlatImageButton::setIcons. Bitmaps marked "keyed" fill their background
// with magenta (255, 0, 255) and are given to CFlatImageButton::setBitmap,
// which keys that colour out.
namespace Artwork {

// Designer window command buttons (24 x 24).
constexpr char kStartOver[] = ":/icons/start-over.svg";
constexpr char kSave[] = ":/icons/save.svg";
constexpr char kLoad[] = ":/icons/load.svg";
constexpr char kHelp[] = ":/icons/help.svg";
constexpr char kExit[] = ":/icons/exit.svg";
constexpr char kChooseColor[] = ":/icons/choose-color.svg";
constexpr char kCoverText[] = ":/icons/cover-text.svg";  // Cover Text, Track Listing, Disc Text
constexpr char kFont[] = ":/icons/font.svg";
constexpr char kViewFront[] = ":/icons/view-front.svg";
constexpr char kViewBack[] = ":/icons/view-back.svg";  // back cover or whole cover
constexpr char kViewDisc[] = ":/icons/view-disc.svg";

// Shared by the designer window and the dialogs (24 x 24).
constexpr char kChooseImage[] = ":/icons/choose-image.svg";  // icon 168
constexpr char kClearImage[] = ":/icons/clear-image.svg";    // icon 169
constexpr char kPrint[] = ":/icons/print.svg";               // icon 170
constexpr char kCancel[] = ":/icons/cancel.svg";             // icon 171 (Cancel, Skip)
constexpr char kOk[] = ":/icons/ok.svg";                     // icon 172 (OK, Continue)

// Track listing editor (24 x 24).
constexpr char kInsertTrack[] = ":/icons/insert-track.svg";
constexpr char kRemoveTrack[] = ":/icons/remove-track.svg";

// Check-box buttons of the designer window (16 x 16).
constexpr char kCheckBoxChecked[] = ":/icons/checkbox-checked.svg";
constexpr char kCheckBoxUnchecked[] = ":/icons/checkbox-unchecked.svg";

// Application icon (scalable; 64 x 64 natural size).
constexpr char kApplicationIcon[] = ":/icons/casewright.svg";

// Keyed bitmaps.
constexpr char kAlignLeft[] = ":/bitmaps/align-left.svg";            // 20 x 16
constexpr char kAlignCenter[] = ":/bitmaps/align-center.svg";        // 20 x 16
constexpr char kAlignRight[] = ":/bitmaps/align-right.svg";          // 20 x 16
constexpr char kChooseTemplate[] = ":/bitmaps/choose-template.svg";  // 24 x 24

// Pictures.
constexpr char kLogo[] = ":/bitmaps/logo.svg";  // bitmap 155, 220 x 56
// White background picture of the print, printer adjustment and insert-paper
// dialogs; scales to any size.
constexpr char kDialogBackground[] = ":/bitmaps/background.svg";

// Cursor of link buttons (cursor 104).
constexpr Qt::CursorShape kLinkCursor = Qt::PointingHandCursor;

}  // namespace Artwork

}  // namespace casewright
