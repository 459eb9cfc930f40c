#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

class QPainter;

namespace casewright {

class TextFrame;

// How titles, texts and spine texts are put on a surface. Texts use the
// painter's current font and pen.

// The lines of a text: a new line starts at every CR LF, CR or LF.
QStringList SplitTextLines(const QString& text);

// Draws each line of `text` in its own row from the top of `rect`, placed
// left, centred or right by `align` (0, 1, 2; anything else reads as left),
// without wrapping and clipped to `rect`. An ampersand is drawn as itself.
void DrawAlignedText(QPainter& painter, const QRect& rect, const QString& text, int align);

// The height of one text line: the height of "A" in the current font.
int LineHeight(const QPainter& painter);

// Draws the title at the top of `rect` and, when there is one, moves the
// top of `rect` down by one line so the body text starts below it.
void DrawTitle(QPainter& painter, QRect& rect, const QString& title, int align);

enum class SpineDirection { TopToBottom, BottomToTop };

// Extent of a spine text in its own direction, in device pixels: width along
// the text, height across it, in the painter's current font laid out in
// `frame` (where the text runs down the device, "along" is vertical).
struct SpineTextExtent {
    int along = 0;
    int across = 0;
};
SpineTextExtent MeasureSpineText(const QPainter& painter, const TextFrame& frame,
                                 const QString& text);

// Draws `text` turned a quarter to run in `direction`, laid out in `frame`,
// with the top-left corner of its (turned) character cell at `origin`,
// clipped to `clip` (both in device pixels). Reading top to bottom the cell
// extends left of and below `origin`; reading bottom to top it extends right
// of and above it.
void DrawSpineText(QPainter& painter, const TextFrame& frame, const QString& text, QPoint origin,
                   SpineDirection direction, const QRect& clip);

}  // namespace casewright
