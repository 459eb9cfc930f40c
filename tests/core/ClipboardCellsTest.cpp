#include "text/ClipboardCells.h"

#include <gtest/gtest.h>

namespace casewright {

TEST(ClipboardCells, SplitsRowsAndCellsAsSpreadsheetsCopyThem) {
    const struct {
        const char* what;
        QString text;
        QVector<QStringList> rows;
    } cases[] = {
        {"one cell", "Intro", {{"Intro"}}},
        {"block with CR LF and a final line break",
         "1\tIntro\t3:12\r\n2\tOutro\t0:45\r\n",
         {{"1", "Intro", "3:12"}, {"2", "Outro", "0:45"}}},
        {"LF and CR line ends, empty cells kept",
         "a\t\tc\nd\re\t",
         {{"a", "", "c"}, {"d"}, {"e", ""}}},
        {"blank row inside the block", "a\n\nb\n", {{"a"}, {""}, {"b"}}},
        {"quoted cell with a tab, a line break and quotes",
         "1\t\"Say \"\"Hi\"\"\tnow\nplease\"\t2:00",
         {{"1", "Say \"Hi\"\tnow\nplease", "2:00"}}},
        {"a quote that opens no quoted cell", "\"Hits\" Live\t3:00", {{"\"Hits\" Live", "3:00"}}},
        {"nothing", "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ClipboardCells(c.text), c.rows);
    }
}

TEST(ClipboardCells, PastesDownAndRightFromTheCurrentCell) {
    const TrackListing listing({{"1.", "One", ""}, {"2.", "Two", ""}});
    // Titles and lengths pasted from the second column on, one row more than there is.
    const TrackListing pasted =
        PasteCells(listing, 0, 1, "Alpha\t3:00\nBeta\t4:00\nGamma\t5:00\tx\n");
    ASSERT_EQ(pasted.rowCount(), 3);
    EXPECT_EQ(pasted.row(0), (TrackRow{"1.", "Alpha", "3:00"}));
    EXPECT_EQ(pasted.row(2), (TrackRow{"3.", "Gamma", "5:00"}));  // numbered on, "x" left out

    // A hand-made number keeps added rows unnumbered; positions are brought inside.
    const TrackListing labelled({{"A1", "Side", ""}});
    EXPECT_EQ(PasteCells(labelled, 7, -2, "B1\tNext\nB2\n").rows(),
              (std::vector<TrackRow>{{"B1", "Next", ""}, {"B2", "", ""}}));
    EXPECT_EQ(PasteCells(labelled, 0, 1, "x\ny").row(1), (TrackRow{"", "y", ""}));
}

}  // namespace casewright
