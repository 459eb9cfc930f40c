#pragma once

namespace casewright {

// Control ids of the designer window. They name the controls in code, in
// tests and in the objectName of each widget's role.
namespace DesignerIds {

enum : int {
    kExit = 2,
    kUrlLink = 4,
    kUpdateLink = 6,
    kAboutLink = 16,  // the About entry (the system menu's command number)
    kStandardFrontPreview = 1004,
    kStandardBackPreview = 1005,
    kDvdPreview = 1006,
    kChooseImage = 1007,
    kClearImage = 1008,
    kSpineCheck = 1009,
    kSlimlinePreview = 1010,
    kChooseColor = 1011,
    kCoverText = 1012,
    kFont = 1013,
    kHelp = 1014,
    kViewFront = 1015,
    kViewBack = 1016,
    kMakerLine = 1017,
    kStartOver = 1018,
    kSave = 1019,
    kLoad = 1020,
    kHiddenDvdPreview = 1021,
    kAlignmentLabel = 1022,
    kViewDisc = 1023,
    kDiscPreview = 1024,
    kPrintBorders = 1025,
    kChooseTemplate = 1026,
    kPreviewBackground = 1038,
    kViewFrame = 1039,
    kImageFrame = 1041,
    kAlignmentFrame = 1043,
    kCheckFrame = 1045,
    kAlignLeft = 1046,
    kAlignCenter = 1047,
    kAlignRight = 1048,
    kCommandFrame = 1049,
    kVersionLabel = 1052,
    kWhiteBackground = 1066,
    kImageFit = 1070,
    kListingFitNote = 1071,  // what fitting did to the track listing shown
    kPrint = 32771,
    // Controls of this version's resizable window.
    kZoomLabel = 40001,
    kZoomOut = 40002,
    kZoomFit = 40003,
    kZoomTrueSize = 40004,
    kZoomIn = 40005,
    kRecentCovers = 40006,
    kUndo = 40007,
    kRedo = 40008,
};

}  // namespace DesignerIds

}  // namespace casewright
