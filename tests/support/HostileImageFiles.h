#pragma once

#include <QByteArray>
#include <QString>

namespace casewright {

// Small image files, written byte by byte, whose headers announce pictures
// that are huge, deep or slow to decode. Files announcing a modest size are
// complete and decode; larger ones carry only a little of their data, since
// the loader must refuse them from their headers.
namespace HostileImageFiles {

// A 24-bit bitmap whose pixel data holds 16 bytes of grey 0x7F.
QByteArray bitmapClaiming(quint32 width, quint32 height);
// A black PNG; `colourType` 0 grey, 2 RGB, 6 RGBA; `bitDepth` 8 or 16.
QByteArray png(quint32 width, quint32 height, int bitDepth = 8, int colourType = 2);
// A GIF whose screen is 16 × 16 but whose first frame claims width × height.
QByteArray gifFrameClaiming(quint16 width, quint16 height);
// An RGB TIFF of 32-bit floating-point samples in one uncompressed strip.
QByteArray floatTiff(quint32 width, quint32 height);
// A grey TIFF of `samples` samples per pixel of `bits` bits (8 or 16) in one
// uncompressed strip, every byte 0x40.
QByteArray tiffOfSamples(quint32 width, quint32 height, quint16 samples, int bits = 8);
// An icon whose one entry is the given PNG file.
QByteArray iconHolding(const QByteArray& png);
// A grey progressive JPEG made of `scans` scans of no data at all: the
// decoder reads every block as empty, but passes over the whole picture in
// every scan.
QByteArray progressiveJpeg(int width, int height, int scans);
// A baseline JPEG of `components` (1 or 3) whose every block is flat
// mid-grey, at two bits a block.
QByteArray flatJpeg(int width, int height, int components);

bool write(const QString& path, const QByteArray& bytes);
// A named pipe with nobody writing to it.
bool makeFifo(const QString& path);

}  // namespace HostileImageFiles

}  // namespace casewright
