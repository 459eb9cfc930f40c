#pragma once

#include <QImage>
#include <QString>

namespace casewright {

// Writes test pictures through the decoding library itself, so that every bit
// depth and palette layout the loader must read can be produced on demand.
namespace ImageLoaderTestFiles {

enum class Layout { Palette1, Palette4, Palette8, Rgb555, Rgb565, Rgb24, Rgba32 };

// Writes `picture` (top row first) with the given pixel layout in the format
// named by `freeImageFormat` (a FREE_IMAGE_FORMAT value). Palette layouts use
// the picture's distinct colours as palette entries, and a palette entry whose
// colour is fully transparent is marked transparent. False when writing failed.
bool write(const QImage& picture, Layout layout, int freeImageFormat, const QString& path);

// A small picture whose corners differ, to catch rows or columns read in the
// wrong order: top-left red, top-right green, bottom-left blue, the rest white.
// Odd width, so that row padding is exercised.
QImage cornerPattern(int width = 5, int height = 3);

// The same with one extra, fully transparent pixel in the middle.
QImage cornerPatternWithHole(int width = 5, int height = 3);

// Writes raw bytes to a file; false when that failed.
bool writeBytes(const QString& path, const QByteArray& bytes);

}  // namespace ImageLoaderTestFiles

}  // namespace casewright
