#include "document/CaseTypeTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/SettingsStore.h"
#include "support/TestEnvironment.h"
#include "text/CoverTextRowSet.h"

namespace casewright {

using CaseTypeTableTest = IsolatedSettingsTest;

// Every entry is whole: each view it shows has a surface and an editor, each
// printed surface has a size in its page layout, its stocks live under keys
// the settings keep, and the wrap types print landscape.
TEST_F(CaseTypeTableTest, EveryCaseTypeIsComplete) {
    int expectedType = CoverTypeStandardCD;
    std::set<std::string> stockKeys;
    for (const CaseTypeInfo* info = CaseTypesBegin(); info != CaseTypesEnd(); ++info) {
        SCOPED_TRACE(info->name);
        EXPECT_EQ(info->type, expectedType++);
        EXPECT_EQ(FindCaseType(info->type), info);

        const CoverGeometry g = MakeCoverLayout(info->layout, PrinterAdjustment());
        EXPECT_GT(g.backWidth * g.backHeight, 0);
        EXPECT_GT(g.discWidth * g.discHeight, 0);
        if (info->frontSurface) {
            EXPECT_GT(g.frontWidth * g.frontHeight, 0);
        }
        for (const CoverSide view : {CoverSide::Front, CoverSide::Back, CoverSide::Disc}) {
            const bool shown = SurfaceOf(*info, view).has_value();
            EXPECT_EQ(shown, view != CoverSide::Front || info->frontSurface.has_value());
            EXPECT_EQ(UsesTrackListingEditor(info->type, view),
                      TextEditorFor(*info, view) == CaseTextEditor::TrackListing);
        }
        EXPECT_EQ(info->backEditor == CaseTextEditor::CoverText, IsDvdType(info->type));
        EXPECT_EQ(info->landscapeCovers, IsDvdType(info->type));
        EXPECT_EQ(info->backSurface == SurfaceKind::DvdWrap, IsDvdType(info->type));

        SettingsStore store;
        store.setCoverStock(info->type, QStringLiteral("cover stock"));
        store.setDiscStock(info->type, QStringLiteral("disc stock"));
        EXPECT_EQ(store.coverStock(info->type), QStringLiteral("cover stock"));
        EXPECT_EQ(store.discStock(info->type), QStringLiteral("disc stock"));
        if (info->type != CoverTypeOther) {  // "Other" shares the standard CD stocks
            EXPECT_TRUE(stockKeys.insert(info->coverStockKey).second);
            EXPECT_TRUE(stockKeys.insert(info->discStockKey).second);
        }
    }
    EXPECT_EQ(expectedType, CoverTypeSlimlineDVD + 1);
}

// A stored number without an entry has no surfaces, layout or stocks of its
// own, yet is shown, started and edited as a standard CD case; "Other" is
// a standard CD case everywhere.
TEST_F(CaseTypeTableTest, UnknownNumbersAndOtherMapAsBefore) {
    for (const int number : {0, -1, 6, 99, int(CoverTypeOther)}) {
        SCOPED_TRACE(number);
        const bool known = number == CoverTypeOther;
        EXPECT_EQ(FindCaseType(number) != nullptr, known);
        EXPECT_EQ(CaseTypeInfoFor(number).type, DisplayCoverType(number));
        EXPECT_EQ(CaseTypeInfoFor(number).type, CoverTypeStandardCD);
        EXPECT_EQ(LayoutForCoverType(number).has_value(), known);
        EXPECT_EQ(SurfaceFor(number, CoverSide::Front).has_value(), known);
        EXPECT_EQ(SurfaceFor(number, CoverSide::Back).has_value(), known);
        EXPECT_EQ(SurfaceFor(number, CoverSide::Disc), SurfaceKind::Disc);
        EXPECT_TRUE(UsesTrackListingEditor(number, CoverSide::Back));
        EXPECT_EQ(SettingsStore().coverStock(number), QStringLiteral("Plain Paper"));
    }
}

}  // namespace casewright
