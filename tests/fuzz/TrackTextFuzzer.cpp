// libFuzzer target "track-text": feeds arbitrary bytes to the importers of
// track listings from text: decoding as a file's text, the importer of track
// lines, the cue sheet reader (libcue behind a line check) with its layout
// and listing, and the grid's paste of clipboard cells. What must hold for
// every input:
// - nothing crashes or hangs, whatever the encoding or the lines hold;
// - an import either gives rows or says why not;
// - imported lengths are already in the listing's own form;
// - a cue sheet read has rising track numbers, its layout has one start
//   and one length per track and no negative length, whatever the lengths
//   of its files are;
// - a paste never leaves the listing without rows, nor with fewer rows.
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "text/ClipboardCells.h"
#include "text/CueSheet.h"
#include "text/CueSheetImport.h"
#include "text/ImportedTextFile.h"
#include "text/TrackLength.h"
#include "text/TrackTextImport.h"

using namespace casewright;

namespace {

#define CHECK(condition)                                                                 \
    do {                                                                                 \
        if (!(condition)) {                                                              \
            std::fprintf(stderr, "check failed at line %d: %s\n", __LINE__, #condition); \
            std::abort();                                                                \
        }                                                                                \
    } while (false)

void CheckImport(const TrackImportResult& result) {
    CHECK(result.album.has_value() != !result.error.isEmpty());
    if (!result.album) {
        return;
    }
    for (const TrackRow& row : result.album->rows) {
        CHECK(TrackLength::Normalized(row.length) == row.length);
    }
}

void CheckLayout(const CueSheet& sheet, const CueDiscLayout& layout) {
    CHECK(layout.trackStarts.size() == sheet.tracks.size());
    CHECK(layout.trackLengths.size() == sheet.tracks.size());
    for (const std::optional<qint64>& length : layout.trackLengths) {
        CHECK(!length || *length >= 0);
    }
    CheckImport(TrackImportResult::Found(AlbumFromCueSheet(sheet, layout)));
}

void CheckCueSheet(const QString& text, const QByteArray& bytes) {
    QString error;
    const std::optional<CueSheet> sheet = ParseCueSheet(text, QStringLiteral("fuzz.cue"), &error);
    CHECK(sheet.has_value() != !error.isEmpty());
    if (!sheet) {
        return;
    }
    for (size_t i = 0; i < sheet->tracks.size(); ++i) {
        const CueSheet::Track& track = sheet->tracks[i];
        CHECK(track.file >= 0 && static_cast<size_t>(track.file) < sheet->files.size());
        CHECK(i == 0 || track.number > sheet->tracks[i - 1].number);
    }
    // Files of unknown length, of no length, and of lengths taken from the input.
    std::vector<std::optional<qint64>> frames(sheet->files.size());
    CheckLayout(*sheet, LayOutCueSheet(*sheet, frames));
    std::fill(frames.begin(), frames.end(), 0);
    CheckLayout(*sheet, LayOutCueSheet(*sheet, frames));
    for (size_t i = 0; i < frames.size(); ++i) {
        frames[i] = bytes.isEmpty() ? 0 : qint64(uint8_t(bytes[i % bytes.size()])) * 1000;
    }
    CheckLayout(*sheet, LayOutCueSheet(*sheet, frames));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = DecodeImportedText(bytes);
    CheckImport(ImportTrackText(text, QStringLiteral("fuzz.txt")));
    CheckCueSheet(text, bytes);
    // At the first cell, and beyond the last one (which pastes at the last).
    const TrackListing listing = TrackListing::Numbered(3);
    for (const auto& [row, column] : {std::pair{0, 0}, std::pair{5, 4}}) {
        const TrackListing pasted = PasteCells(listing, row, column, text);
        CHECK(pasted.rowCount() >= listing.rowCount());
    }
    return 0;
}
