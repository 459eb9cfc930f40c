#include <gtest/gtest.h>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <functional>

#include "RenderTestHelpers.h"
#include "print/PageLayouts.h"
#include "render/CoverPainter.h"
#include "render/DevicePixels.h"
#include "render/PreviewParamsBuilder.h"
#include "render/SurfaceFonts.h"
#include "render/SurfaceRenderer.h"
#include "render/TrackColumnsPainter.h"
#include "text/TrackListingCodec.h"

namespace casewright {

using namespace render_test;

namespace {

// The back covers that carry a track listing, drawn at true size as they
// print, with the case's own geometry and the design's 18 pt font.
struct ListingCover {
    const char* name;
    int coverType;
    SurfaceKind kind;
};

const ListingCover kCovers[] = {
    {"StandardBack", CoverTypeStandardCD, SurfaceKind::StandardBack},
    {"SlimlineInsert", CoverTypeSlimlineCD, SurfaceKind::SlimlineInsert},
};

constexpr int kDpi = 300;

QString Title(int track) {
    // Every seventh title is far too long for its column.
    return track % 7 == 0
               ? QStringLiteral("A very long title that runs on and on, number %1").arg(track)
               : QStringLiteral("Song %1").arg(track);
}

QString Listing(int tracks, const std::function<QString(int)>& title = Title) {
    std::vector<TrackRow> rows;
    for (int track = 1; track <= tracks; ++track) {
        rows.push_back(
            {QStringLiteral("%1.").arg(track), title(track),
             QStringLiteral("%1:%2").arg(track % 9 + 1).arg(track % 60, 2, 10, QLatin1Char('0'))});
    }
    return TrackListingCodec::Encode(TrackListing(rows));
}

CoverDocument Design(const ListingCover& cover, const QString& listing) {
    CoverDocument doc;
    doc.ResetToNewDesign(cover.coverType);
    doc.geometry = MakeCoverLayout(*LayoutForCoverType(cover.coverType), PrinterAdjustment{});
    doc.bCoverText = listing;
    doc.bShowBorder = false;
    return doc;
}

TrackListingFit FitOf(const CoverDocument& doc, SurfaceKind kind, int dpi = kDpi) {
    std::unique_ptr<CoverPainter> painter = MakeCoverPainter(kind);
    painter->params = BuildPreviewParams(doc, kind, dpi);
    return painter->ListingFit(dpi);
}

QImage Render(const CoverDocument& doc, SurfaceKind kind, int dpi = kDpi) {
    return RenderSurface(doc, kind, dpi, LogFont::kHeightDpi);
}

// Bounding box of every pixel that is not white.
QRect Ink(const QImage& image, const QRect& area) {
    QRect box;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (image.pixelColor(x, y) != QColor(Qt::white)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// Horizontal bands of ink in `area` separated by blank pixel rows: one per
// printed line.
int InkBands(const QImage& image, const QRect& area) {
    int bands = 0;
    bool inBand = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const bool ink = !Ink(image, QRect(area.left(), y, area.width(), 1)).isNull();
        bands += ink && !inBand ? 1 : 0;
        inBand = ink;
    }
    return bands;
}

// Where the rows may go: inside the text margins and above the bottom
// margin, lengths at least 1 mm from the trim.
QRect TextArea(const CoverDocument& doc, SurfaceKind kind, int dpi = kDpi) {
    const PreviewParams p = BuildPreviewParams(doc, kind, dpi);
    const int left = InchesToPixels(p.textMarginLeft, dpi);
    const int top = InchesToPixels(p.textMarginTop, dpi);
    const int right = p.refWidth - p.spineWidthPx * (kind == SurfaceKind::StandardBack ? 1 : 0) -
                      static_cast<int>(std::ceil(dpi / 25.4));
    const int bottom = p.refHeight - InchesToPixels(TrackColumnsPainter::kBottomMarginInches, dpi);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

}  // namespace

// 30 tracks fit one column once the font is smaller; 99 do not fit even in
// two columns at 6 pt, and those that do not are not drawn at all. Every
// drawn row's ink stays in the text area, no title reaches the lengths,
// and the fit the designer reports is the one drawn.
TEST(TrackListingFit, LongListingsAreReducedUntilTheirRowsFitTheTextArea) {
    struct Case {
        int tracks;
        int columns;
        bool allFit;
    };
    for (const ListingCover& cover : kCovers) {
        for (const Case& c : {Case{30, 1, true}, Case{60, 2, true}, Case{99, 2, false}}) {
            SCOPED_TRACE(
                QStringLiteral("%1, %2 tracks").arg(cover.name).arg(c.tracks).toStdString());
            const CoverDocument doc = Design(cover, Listing(c.tracks));
            const TrackListingFit fit = FitOf(doc, cover.kind);
            EXPECT_EQ(fit.chosenPoints, 18);
            EXPECT_LT(fit.points, 18);
            EXPECT_GE(fit.points, TrackListingFit::kMinimumPoints);
            EXPECT_EQ(fit.columns, c.columns);
            EXPECT_EQ(fit.tracks, c.tracks);
            EXPECT_EQ(fit.tracksNotFitting == 0, c.allFit);
            // Preview sizes and other printers decide the same.
            EXPECT_EQ(FitOf(doc, cover.kind, 96).points, fit.points);
            EXPECT_EQ(FitOf(doc, cover.kind, 600).tracksNotFitting, fit.tracksNotFitting);

            const QImage image = Render(doc, cover.kind);
            const QRect area = TextArea(doc, cover.kind);
            const QRect ink = Ink(image, image.rect());
            ASSERT_FALSE(ink.isNull());
            EXPECT_TRUE(area.contains(ink))
                << "ink " << ink.left() << "," << ink.top() << " - " << ink.right() << ","
                << ink.bottom() << "; area " << area.left() << "," << area.top() << " - "
                << area.right() << "," << area.bottom();

            // Lengths alone: the same rows, so the same fit; the titles' ink
            // stays left of every length column.
            CoverDocument lengthsOnly = doc;
            lengthsOnly.bCoverText = Listing(c.tracks, [](int) { return QString(); });
            const QImage lengths = Render(lengthsOnly, cover.kind);
            const int halfWidth = area.width() / c.columns;
            for (int column = 0; column < c.columns; ++column) {
                const QRect half(area.left() + column * halfWidth, 0, halfWidth, image.height());
                const QRect lengthInk =
                    Ink(lengths, QRect(half.center().x(), 0, half.right() - half.center().x() + 1,
                                       image.height()));
                ASSERT_FALSE(lengthInk.isNull());
                const QRect lengthColumn(lengthInk.left() - 1, 0,
                                         half.right() - lengthInk.left() + 2, image.height());
                EXPECT_EQ(image.copy(lengthColumn), lengths.copy(lengthColumn)) << column;
                // One band of ink per drawn row in each column.
                EXPECT_EQ(
                    InkBands(lengths, lengthColumn) * 1,
                    (fit.tracks - fit.tracksNotFitting + (c.columns - 1 - column)) / c.columns)
                    << column;
            }
        }
    }
}

TEST(TrackListingFit, AListingThatFitsKeepsTheDesignsSize) {
    for (const ListingCover& cover : kCovers) {
        SCOPED_TRACE(cover.name);
        const TrackListingFit fit = FitOf(Design(cover, Listing(12)), cover.kind);
        EXPECT_EQ(fit.points, 18);
        EXPECT_EQ(fit.columns, 1);
        EXPECT_FALSE(fit.rearranged());
        EXPECT_TRUE(TrackListingFitNote(fit).isEmpty());
    }
}

// The slimline insert moves titles right by exactly its widest number, so
// "1." used to touch "Alpha"; every case keeps a space between them.
TEST(TrackListingFit, NumbersAndTitlesKeepASpaceApart) {
    for (const ListingCover& cover : kCovers) {
        SCOPED_TRACE(cover.name);
        CoverDocument doc = Design(cover, QString());
        doc.bCoverText = TrackListingCodec::Encode(TrackListing({{"1.", "", "0:01"}}));
        const QRect area = TextArea(doc, cover.kind);
        const QRect half(area.left(), area.top(), area.width() / 2, area.height());
        const QRect number = Ink(Render(doc, cover.kind), half);
        ASSERT_FALSE(number.isNull());
        doc.bCoverText = TrackListingCodec::Encode(TrackListing({{"1.", "Alpha", "0:01"}}));
        const QImage image = Render(doc, cover.kind);
        const int gapStart = number.right() + 1;
        const QRect title =
            Ink(image, QRect(gapStart, area.top(), half.right() - gapStart, area.height()));
        ASSERT_FALSE(title.isNull());
        QImage probe(1, 1, QImage::Format_RGB32);
        QPainter painter(&probe);
        const QFont font = TextFontFor(doc.bCoverTextFont, LogFont::kHeightDpi, kDpi, 1.0);
        const int space = QFontMetrics(font, &probe).horizontalAdvance(QLatin1Char(' '));
        EXPECT_GE(title.left() - gapStart, space - 1);
    }
}

// A fresh design's "4." to "8." print nothing: the cover looks as if the
// listing held only its three tracks.
TEST(TrackListingFit, RowsWithNeitherTitleNorLengthAreNotDrawn) {
    TrackListing fresh = TrackListing::Numbered();
    for (int row = 0; row < 3; ++row) {
        fresh.row(row).title = QStringLiteral("Song %1").arg(row + 1);
        fresh.row(row).length = QStringLiteral("3:0%1").arg(row);
    }
    std::vector<TrackRow> three(fresh.rows().begin(), fresh.rows().begin() + 3);
    for (const ListingCover& cover : kCovers) {
        SCOPED_TRACE(cover.name);
        const QImage withEmptyRows =
            Render(Design(cover, TrackListingCodec::Encode(fresh)), cover.kind);
        const QImage threeRows =
            Render(Design(cover, TrackListingCodec::Encode(TrackListing(three))), cover.kind);
        EXPECT_EQ(withEmptyRows, threeRows);
        EXPECT_EQ(FitOf(Design(cover, TrackListingCodec::Encode(fresh)), cover.kind).tracks, 3);
    }
}

// The total row follows the tracks in the length column, in m:ss or
// h:mm:ss, and counts when the listing is fitted.
TEST(TrackListingFit, TotalTimeRowSumsTheLengths) {
    const QString listing = TrackListingCodec::Encode(
        TrackListing({{"1.", "One", "3:00"}, {"2.", "Two", ""}, {"3.", "Three", "1:04:30"}}));
    EXPECT_EQ(TrackColumnsPainter::Parse(listing, true).totalTime(), QStringLiteral("1:07:30"));
    EXPECT_FALSE(TrackColumnsPainter::Parse(listing, false).totalTime());
    for (const ListingCover& cover : kCovers) {
        SCOPED_TRACE(cover.name);
        CoverDocument doc = Design(cover, listing);
        const QRect area = TextArea(doc, cover.kind);
        const QRect lengthColumn(area.center().x(), area.top(), area.right() - area.center().x(),
                                 area.height());
        const int withoutTotal = InkBands(Render(doc, cover.kind), lengthColumn);
        doc.showTotalTime = true;
        const QImage image = Render(doc, cover.kind);
        EXPECT_EQ(InkBands(image, lengthColumn), withoutTotal + 1);
        EXPECT_TRUE(FitOf(doc, cover.kind).totalShown);

        // The row makes room for itself: 40 tracks and a total fit as well.
        doc.bCoverText = Listing(40);
        const TrackListingFit fit = FitOf(doc, cover.kind);
        EXPECT_TRUE(fit.totalShown);
        const QImage long40 = Render(doc, cover.kind);
        EXPECT_TRUE(area.contains(Ink(long40, long40.rect())));
    }
}

TEST(TrackListingFit, NotesSayWhatWasChanged) {
    auto fit = [](int points, int columns, int tracks, int notFitting) {
        TrackListingFit f;
        f.chosenPoints = 18;
        f.points = points;
        f.columns = columns;
        f.tracks = tracks;
        f.tracksNotFitting = notFitting;
        return f;
    };
    TrackListingFit unreadable = fit(18, 1, 3, 0);
    unreadable.totalRequested = true;
    unreadable.unreadableLength = QStringLiteral("about 3 min");
    TrackListingFit noLengths = unreadable;
    noLengths.unreadableLength.clear();
    TrackListingFit totalTooLong = noLengths;
    totalTooLong.totalKnown = true;
    totalTooLong.points = 6;
    const std::pair<TrackListingFit, const char*> cases[] = {
        {fit(18, 1, 12, 0), ""},
        {fit(9, 1, 30, 0), "Track listing reduced to 9 pt to fit 30 tracks"},
        {fit(11, 2, 60, 0), "Track listing reduced to 11 pt to fit 60 tracks in 2 columns"},
        {fit(6, 2, 99, 4), "4 tracks do not fit on the cover even at 6 pt"},
        {fit(6, 2, 95, 1), "1 track does not fit on the cover even at 6 pt"},
        {unreadable, "No total time: \"about 3 min\" is not a length like 3:45 or 1:02:03"},
        {noLengths, "No total time: no track has a length"},
        {totalTooLong,
         "Track listing reduced to 6 pt to fit 3 tracks. "
         "The total time does not fit on the cover even at 6 pt"},
    };
    for (const auto& [f, note] : cases) {
        EXPECT_EQ(TrackListingFitNote(f), QString::fromUtf8(note));
    }
}

}  // namespace casewright
