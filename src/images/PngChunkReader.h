#pragma once

namespace casewright {

class RegularImageFile;

// Walks the chunks of a PNG file before it is decoded. The decoder takes a
// chunk's memory from the length its header announces, before reading it, so
// a file of a few hundred bytes announcing a text chunk of gigabytes makes it
// take and clear that much memory. A chunk can never be longer than the rest
// of the file, so a file announcing one is refused as damaged.
class PngChunkReader {
public:
    static bool chunksFitInFile(RegularImageFile& file);
};

}  // namespace casewright
