#include <QSet>

#include "core/PrintRecordingDevice.h"
#include "core/SheetTestSupport.h"
#include "document/CoverDocument.h"
#include "print/DiscSheet.h"
#include "print/LabelSelection.h"
#include "print/PageLayouts.h"
#include "print/PrintJob.h"
#include "print/PrintPlan.h"
#include "print/PrinterPixels.h"
#include "print/StockCatalog.h"
#include "support/TestEnvironment.h"

namespace casewright {

using TestSheets::kMm;

TEST(LabelSelectionTest, ReadsAllNumbersAndRanges) {
    struct Case {
        const char* text;
        const char* read;  // as text() writes it back; nullptr: refused
    };
    const Case cases[] = {
        {"all", "all"},   {" ALL ", "all"},       {"1", "1"},        {"2,3", "2,3"},
        {"3,1,3", "1,3"}, {" 2 - 4 ,6", "2-4,6"}, {"1,2", "1,2"},    {"5-5", "5"},
        {"", nullptr},    {"0", nullptr},         {"1,,2", nullptr}, {"4-2", nullptr},
        {"x", nullptr},   {"1-2-3", nullptr},     {"1001", nullptr}, {"-1", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        QString error;
        const std::optional<LabelSelection> s = LabelSelection::Parse(c.text, &error);
        if (!c.read) {
            EXPECT_FALSE(s);
            EXPECT_FALSE(error.isEmpty());
            continue;
        }
        ASSERT_TRUE(s) << error.toStdString();
        EXPECT_EQ(s->text(), c.read);
        EXPECT_EQ(LabelSelection::Parse(s->text()), s);
    }
}

TEST(LabelSelectionTest, ResolvesOnASheetAndKeepsOneLabel) {
    const LabelSelection twoAndNine = LabelSelection::Of({9, 2});
    EXPECT_EQ(twoAndNine.indexesOn(3), std::vector<int>({1}));
    EXPECT_EQ(twoAndNine.beyond(3), std::vector<int>({9}));
    // A selection the sheet has none of falls back to its first label.
    EXPECT_EQ(LabelSelection::Of({5}).indexesOn(2), std::vector<int>({0}));
    EXPECT_EQ(LabelSelection::All().indexesOn(3), std::vector<int>({0, 1, 2}));
    EXPECT_TRUE(LabelSelection::All().beyond(1).empty());
    EXPECT_EQ(LabelSelection(), LabelSelection::Of({}));

    const LabelSelection first;
    EXPECT_EQ(first.toggled(2, 3), LabelSelection::Of({1, 2}));
    EXPECT_EQ(first.toggled(1, 3), first) << "the last chosen label stays";
    EXPECT_EQ(LabelSelection::All().toggled(2, 3), LabelSelection::Of({1, 3}));
}

TEST(StockCatalogTest, BuiltInStocksFirstThenSheetsByBrandAndPart) {
    const auto sheet = [](const char* brand, const char* part) {
        SheetTemplate s = TestSheets::ThreeUp();
        s.brand = QLatin1String(brand);
        s.part = QLatin1String(part);
        s.description.clear();
        return s;
    };
    SheetTemplate namedLikeABuiltIn = sheet("Neato", "CD/DVD Labels (A4)");
    const StockCatalog catalog({sheet("zeta", "1"), sheet("Avery", "L7676"),
                                sheet("Avery", "L6043"), sheet("Begalabel", "M-1000"),
                                sheet("Begalabel", "M-200"), namedLikeABuiltIn});
    QStringList expected = LabelStocks::DiscStockNames();
    expected << "Avery L6043"
             << "Avery L7676"
             << "Begalabel M-200"
             << "Begalabel M-1000"
             << "zeta 1";
    EXPECT_EQ(catalog.discStockNames().join('|').toStdString(), expected.join('|').toStdString());
    EXPECT_EQ(StockCatalog().discStockNames(), LabelStocks::DiscStockNames());

    const std::optional<LabelStock> found = catalog.find("Avery L7676");
    ASSERT_TRUE(found);
    ASSERT_TRUE(found->sheet);
    EXPECT_EQ(found->sheet->part, "L7676");
    EXPECT_FALSE(catalog.find("avery L7676"));
    EXPECT_FALSE(catalog.find("Neato CD/DVD Labels (A4)")->sheet) << "the built-in one stays";
}

// The template sheets take the printer adjustments as the built-in layouts
// do, because every adjustment only adds to the layout it is given.
TEST(DiscSheetTest, AdjustmentsMoveAndGrowEverySheetAlike) {
    PrinterAdjustment a;
    a.expandDiscMM = "2";
    a.moveDiscMMX = "3";
    a.moveDiscLeftRight = "1";
    a.moveDiscMMY = "4";
    a.moveDiscUpDown = "1";
    const CoverGeometry offsets = MakeCoverLayout(kTemplateSheetLayout, a);
    for (const int index : {0, 1, 2, 3, 4, 6, 7, 8}) {
        SCOPED_TRACE(index);
        const CoverGeometry plain = MakeCoverLayout(index, PrinterAdjustment());
        const CoverGeometry adjusted = MakeCoverLayout(index, a);
        EXPECT_DOUBLE_EQ(adjusted.topLabelLeft, plain.topLabelLeft + offsets.topLabelLeft);
        EXPECT_DOUBLE_EQ(adjusted.bottomLabelTop, plain.bottomLabelTop + offsets.topLabelTop);
        EXPECT_DOUBLE_EQ(adjusted.discWidth, plain.discWidth + offsets.discWidth);
    }
    LabelStock stock;
    stock.name = TestSheets::ThreeUpName();
    stock.sheet = std::make_shared<const SheetTemplate>(TestSheets::ThreeUp());
    const DiscSheet sheet = MakeDiscSheet(stock, offsets);
    ASSERT_EQ(sheet.labels.size(), 3u);
    const QRectF third = sheet.labels[2].disc;
    EXPECT_NEAR(third.left(), (91.5 + 3) * kMm, 1e-9);
    EXPECT_NEAR(third.top(), (175 + 4) * kMm, 1e-9);
    EXPECT_NEAR(third.width(), 112 * kMm, 1e-9);
    EXPECT_NEAR(sheet.labels[2].hubDiameter, 31 * kMm, 1e-9);
    EXPECT_EQ(sheet.paper.id(), QPageSize::A4);
}

namespace {

class PrintLabelsTest : public IsolatedSettingsTest {
protected:
    void SetUp() override {
        IsolatedSettingsTest::SetUp();
        ASSERT_TRUE(TestSheets::InstallForUser());
        catalog = LoadStockCatalog({SheetTemplateFolders::UserFolder()}, nullptr);
    }

    void print(const QString& stock, const LabelSelection& labels,
               const PrinterAdjustment& adjustment = {}) {
        PrintChoices choices;
        choices.adjustment = adjustment;
        choices.coverStock = QStringLiteral("Plain Paper");
        choices.discStock = stock;
        choices.printCover = false;
        choices.discLabels = labels;
        doc.ResetToNewDesign(CoverTypeStandardCD, 96);
        PrintJob job(doc, PrintPlan::Make(CoverTypeStandardCD, choices, catalog), 96);
        job.setPainterFactory(
            [this](SurfaceKind kind) { return std::make_unique<FillingPainter>(kind, painted); });
        ScriptedPaperPrompt prompt;
        ASSERT_TRUE(job.run(device, prompt).ok);
        ASSERT_EQ(device.sheets.size(), 1u);
    }

    // Label n's disc on the recording device at 100 dpi.
    static QRect ThreeUpTarget(int n, double growMm = 0, QPointF moveMm = QPointF()) {
        const QPointF corner = TestSheets::ThreeUpCorner(n) + moveMm * kMm;
        return SheetRect(corner.x(), corner.y(), (110 + growMm) * kMm, (110 + growMm) * kMm, 100,
                         QPoint());
    }

    StockCatalog catalog;
    CoverDocument doc;
    PrintRecordingDevice device;
    std::vector<PaintedSurface> painted;
};

}  // namespace

TEST_F(PrintLabelsTest, TheDiscGoesOnEveryChosenLabelOfATemplateSheet) {
    struct Case {
        const char* labels;
        std::vector<int> printed;
    };
    const Case cases[] = {{"all", {1, 2, 3}}, {"1,3", {1, 3}}, {"2", {2}}, {"7", {1}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.labels);
        painted.clear();
        device.sheets.clear();
        print(TestSheets::ThreeUpName(), *LabelSelection::Parse(c.labels));
        ASSERT_EQ(painted.size(), c.printed.size());
        for (size_t i = 0; i < painted.size(); ++i) {
            EXPECT_EQ(painted[i].kind, SurfaceKind::Disc);
            EXPECT_EQ(painted[i].target, ThreeUpTarget(c.printed[i]));
            EXPECT_EQ(painted[i].params.hubDiameterPx, 122);  // 31 mm at 100 dpi
        }
        EXPECT_EQ(device.sheets[0].request.paper.id(), QPageSize::A4);
    }
}

TEST_F(PrintLabelsTest, PrinterAdjustmentsApplyOnTopOfTheTemplate) {
    PrinterAdjustment adjustment;
    adjustment.expandDiscMM = "2";
    adjustment.moveDiscMMX = "3";
    adjustment.moveDiscLeftRight = "0";
    adjustment.moveDiscMMY = "1";
    adjustment.moveDiscUpDown = "1";
    print(TestSheets::ThreeUpName(), LabelSelection::All(), adjustment);
    ASSERT_EQ(painted.size(), 3u);
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(painted[static_cast<size_t>(n - 1)].target, ThreeUpTarget(n, 2, QPointF(-3, 1)))
            << n;
    }
}

// A disc cut to a card's shape is drawn clipped to the card.
TEST_F(PrintLabelsTest, ACardShapedLabelIsClippedToTheCard) {
    print(TestSheets::CardsName(), LabelSelection::All());
    ASSERT_EQ(painted.size(), 2u);
    // The 76 mm disc centred on a 60 mm wide card at (20 mm, 20 mm).
    EXPECT_EQ(painted[0].target, SheetRect(12 * kMm, 20 * kMm, 76 * kMm, 76 * kMm, 100, QPoint()));
    const QImage& page = device.sheets[0].image;
    const QRgb disc = FillingPainter::ColorOf(SurfaceKind::Disc).rgb();
    const QRgb paper = QColor(Qt::white).rgb();
    const int middle = static_cast<int>(58 * kMm * 100);
    for (const int mm : {21, 79, 121, 179}) {
        EXPECT_EQ(page.pixel(static_cast<int>(mm * kMm * 100), middle), disc) << mm;
    }
    for (const int mm : {18, 82, 118, 182}) {
        EXPECT_EQ(page.pixel(static_cast<int>(mm * kMm * 100), middle), paper) << mm;
    }
}

// A sheet chosen in the designer whose template is no longer installed is
// printed on plain paper, as any unknown name is.
TEST_F(PrintLabelsTest, ASheetNoLongerInstalledPrintsOnPlainPaper) {
    catalog = StockCatalog();
    print(TestSheets::ThreeUpName(), LabelSelection::All());
    ASSERT_EQ(painted.size(), 1u);
    EXPECT_EQ(painted[0].target.topLeft(), QPoint(23, 100));
}

}  // namespace casewright
