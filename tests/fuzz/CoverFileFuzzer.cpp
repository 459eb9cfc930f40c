// libFuzzer target "cover-file": feeds arbitrary bytes to the cover file
// reader in memory, with no file or settings I/O, and checks what must hold
// for every input:
// - reading never crashes and every image block lies inside the input;
// - the design read, saved with its image blocks, reads back as the same
//   design (so no text, whatever it holds, is changed by a save and load);
// - image blocks free of block markers read back unchanged when written;
// - the writer's clean-up of images holding a marker leaves none.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "document/CoverDocument.h"
#include "document/CoverFileFields.h"
#include "document/CoverFileFormat.h"
#include "document/CoverFileReader.h"
#include "document/CoverFileWriter.h"
#include "document/ImageMetadataScrub.h"
#include "document/TrackListingFlattener.h"

using namespace casewright;

namespace {

bool HoldsAMarker(QByteArrayView bytes) {
    for (const QByteArray& marker : CoverFileFormat::ImageMarkers()) {
        if (bytes.indexOf(marker) >= 0) {
            return true;
        }
    }
    return false;
}

CoverDocument NewDesign() {
    CoverDocument doc;
    doc.ResetToNewDesign(CoverTypeStandardCD, 96);
    return doc;
}

// Says which property failed before stopping, so a finding explains itself.
#define CHECK(condition)                                                                 \
    do {                                                                                 \
        if (!(condition)) {                                                              \
            std::fprintf(stderr, "check failed at line %d: %s\n", __LINE__, #condition); \
            std::abort();                                                                \
        }                                                                                \
    } while (false)

// Writes what was read as a save would, the text section and the image
// blocks (those holding a marker scrubbed, or left out when that fails), and
// reads it back in one go: the design must read back unchanged, so no text,
// whatever it holds, is changed by a save and load, and so must each block.
void CheckSavedFileReadsBack(const CoverFileSections& sections, const CoverDocument& read) {
    QByteArray file = CoverFileTextSection(read);
    QByteArray blocks[CoverFileFormat::kImageBlockCount];
    for (int block = 0; block < CoverFileFormat::kImageBlockCount; ++block) {
        const QByteArrayView data = sections.imageBlock(block);
        if (!HoldsAMarker(data)) {
            blocks[block] = data.toByteArray();
        } else if (auto scrubbed = ImageMetadataScrub::withoutStrings(
                       data.toByteArray(), CoverFileFormat::ImageMarkers())) {
            CHECK(!HoldsAMarker(*scrubbed));
            blocks[block] = *scrubbed;
        }
        file += CoverFileFormat::ImageStartMarker(block) + blocks[block] +
                CoverFileFormat::ImageEndMarker(block);
    }
    CoverDocument again = NewDesign();
    const std::optional<CoverFileSections> reread = ParseCoverFile(file, again, 96);
    CHECK(reread.has_value());
    for (int block = 0; block < CoverFileFormat::kImageBlockCount; ++block) {
        CHECK(reread->imageBlock(block) == QByteArrayView(blocks[block]));
    }
    CoverDocument expected = read;
    if (read.covertype == CoverTypeStandardCD) {
        expected.fCoverText = TrackListingFlattener::flatten(read.fCoverText);  // every read does
    }
    for (const CoverFileField& field : CoverFileFields()) {
        CHECK(FormatCoverField(again, field) == FormatCoverField(expected, field));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CoverDocument doc = NewDesign();
    const std::optional<CoverFileSections> sections = ParseCoverFile(bytes, doc, 96);
    if (!sections) {
        return 0;
    }
    // Blocks may overlap (each marker counts at its first occurrence), but
    // each lies inside the input.
    for (int block = 0; block < CoverFileFormat::kImageBlockCount; ++block) {
        const QByteArrayView data = sections->imageBlock(block);
        CHECK(data.isEmpty() || (data.data() >= bytes.constData() &&
                                 data.data() + data.size() <= bytes.constData() + bytes.size()));
    }
    for (const int block : sections->damagedImageBlocks()) {
        CHECK(sections->imageBlock(block).isEmpty());
    }
    CheckSavedFileReadsBack(*sections, doc);
    return 0;
}
