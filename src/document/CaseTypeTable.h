#pragma once

#include <optional>

#include "document/CoverTypes.h"
#include "print/PageLayouts.h"
#include "render/SurfaceKind.h"

namespace casewright {

// The editor a view's "Edit Text" opens.
enum class CaseTextEditor { CoverText, TrackListing };

// What a case type means, in one place: the surfaces its views show, how its
// covers print, which editor edits its texts, where its stocks are kept and
// the size of a new design's titles.
struct CaseTypeInfo {
    CoverType type;
    const char* name;
    // The front view's surface; none when the cover is one piece shown in the
    // back view. The disc view always shows the disc.
    std::optional<SurfaceKind> frontSurface;
    SurfaceKind backSurface;
    LayoutIndex layout;    // plain-paper page layout of cover and disc
    bool landscapeCovers;  // the covers sheet is printed landscape
    bool narrowSpine;      // the wrap's spine is too narrow for two text lines
    CaseTextEditor backEditor;
    const char* coverStockKey;  // settings keys of the chosen stocks
    const char* discStockKey;
    const char* printCoversLabel;  // the print dialog's covers check box
    const char* printCoverStockLabel;
    int frontBackPoints;  // a new design's front and back text size
};

// The entry of a stored case type number, or nullptr for a number the
// program does not know. "Other" (3) has its own entry with the standard CD
// case's surfaces, layout and stocks.
const CaseTypeInfo* FindCaseType(int coverType);

// The entry a design is shown and printed as (see DisplayCoverType): any
// number without an entry, and "Other", are a standard CD case.
const CaseTypeInfo& CaseTypeInfoFor(int coverType);

// The surface a view of the case type shows, if any.
std::optional<SurfaceKind> SurfaceOf(const CaseTypeInfo& info, CoverSide view);

// The editor a view of the case type opens: the back of a CD case edits the
// track listing, every other view the cover texts.
CaseTextEditor TextEditorFor(const CaseTypeInfo& info, CoverSide view);

// Every known case type, in stored-number order.
const CaseTypeInfo* CaseTypesBegin();
const CaseTypeInfo* CaseTypesEnd();

}  // namespace casewright
