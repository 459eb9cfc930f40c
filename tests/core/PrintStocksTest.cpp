#include "app/SettingsStore.h"
#include "document/CoverTypes.h"
#include "print/LabelStock.h"
#include "print/PageLayouts.h"
#include "print/PrintChoices.h"
#include "print/PrintPlan.h"
#include "support/TestEnvironment.h"

namespace casewright {

class PrintStocksTest : public IsolatedSettingsTest {};

TEST_F(PrintStocksTest, SeventeenStocksInListOrderWithTheirLayouts) {
    struct Expected {
        const char* name;
        int layout;  // -1: the case type's own
    };
    const Expected expected[] = {
        {"Plain Paper", -1},
        {"Avery 5692 CD/DVD Labels (Letter)", LayoutAvery},
        {"Avery 5694 CD/DVD Labels (Letter)", LayoutAvery},
        {"Avery 5695 CD/DVD Labels (Letter)", LayoutAvery},
        {"Avery 5931 CD/DVD Labels (Letter)", LayoutAvery},
        {"Avery 6692 CD/DVD Labels (Letter)", LayoutAvery},
        {"Avery 8691 CD/DVD Labels (Letter)", LayoutAvery},
        {"Avery 8692 CD/DVD Labels (Letter)", LayoutAvery},
        {"Avery 8694 CD/DVD Labels (Letter)", LayoutAvery},
        {"Avery 8695 CD/DVD Labels (Letter)", LayoutAvery},
        {"Avery 8699 CD/DVD Labels (Letter)", LayoutAvery},
        {"Avery 8944 CD/DVD Labels (Letter)", LayoutAvery},
        {"Avery 8960 CD/DVD Labels (Letter)", LayoutAvery},
        {"Avery 8931 CD/DVD Labels (Letter)", LayoutAvery},
        {"Neato CD/DVD Labels (A4)", LayoutNeato},
        {"PC Line CD/DVD Labels (A4)", LayoutPCLine},
        {"PressIT CD/DVD Labels (A4)", LayoutPressIT},
    };
    const auto& stocks = LabelStocks::All();
    ASSERT_EQ(stocks.size(), std::size(expected));
    for (size_t i = 0; i < stocks.size(); ++i) {
        EXPECT_EQ(stocks[i].name, expected[i].name) << i;
        EXPECT_EQ(stocks[i].discLayout.value_or(-1), expected[i].layout) << i;
        EXPECT_EQ(stocks[i].letterSize, stocks[i].name.endsWith("(Letter)")) << i;
    }
    EXPECT_EQ(LabelStocks::CoverStockNames(), QStringList{"Plain Paper"});
}

TEST_F(PrintStocksTest, NamesMatchExactly) {
    EXPECT_TRUE(LabelStocks::Find("Neato CD/DVD Labels (A4)"));
    EXPECT_FALSE(LabelStocks::Find("neato CD/DVD Labels (A4)"));
    EXPECT_FALSE(LabelStocks::Find("Neato CD/DVD Labels (A4) "));
}

TEST_F(PrintStocksTest, ChoicesComeFromTheCaseTypesOwnSettings) {
    SettingsStore settings;
    settings.dvdSlimFormatCover = "Plain Paper";
    settings.dvdSlimFormatDisc = "PC Line CD/DVD Labels (A4)";
    settings.dvdFormatDisc = "Neato CD/DVD Labels (A4)";
    settings.printCover = 0;
    ASSERT_TRUE(settings.save());

    const PrintChoices slim = PrintChoices::FromSettings(CoverTypeSlimlineDVD);
    EXPECT_EQ(slim.discStock, "PC Line CD/DVD Labels (A4)");
    EXPECT_FALSE(slim.printCover);
    EXPECT_TRUE(slim.printDisc);
    EXPECT_EQ(slim.discLabels, LabelSelection::Of({1}));

    const PrintPlan plan = PrintPlan::Make(CoverTypeSlimlineDVD, slim);
    EXPECT_EQ(plan.coverLayout, LayoutSlimlineDVD);
    EXPECT_EQ(plan.discLayout, LayoutPCLine);
    EXPECT_TRUE(plan.needsPaperPrompts());
    EXPECT_EQ(PrintPlan::Make(CoverTypeStandardDVD, PrintChoices::FromSettings(2)).discLayout,
              LayoutNeato);
}

}  // namespace casewright
