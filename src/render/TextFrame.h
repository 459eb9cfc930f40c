#pragma once

#include <QPointF>
#include <QRect>

class QPainter;

namespace casewright {

struct PreviewParams;

// Where the texts of a surface are laid out. On paper (both scales exactly
// 1.0) they are laid out at the device's own resolution, pixel for pixel. A
// preview lays them out as they print at kPreviewLayoutDpi and shrinks them
// with the surface, on each axis by its own scale: laid out at the preview's
// few pixels, font sizes, glyph advances and line heights would each round
// to whole pixels, and a line would take a visibly different share of the
// surface on screen than on paper.
//
// The surfaces' rectangles and positions stay in device pixels; only what is
// inside them is laid out in the frame. Lengths the layouts give in pixels
// (insets, gaps) are pixels of the frame: device pixels on paper, as always,
// and shrunk with the surface in a preview.
class TextFrame {
public:
    static constexpr int kPreviewLayoutDpi = 600;

    // Texts for a device of `deviceDpi` drawn at the painter's scales; a
    // preview when either scale is not exactly 1.0.
    static TextFrame For(const PreviewParams& params, int deviceDpi);
    // Texts of a preview drawn at full size first, into an image of
    // `deviceDpi` that is shrunk afterwards.
    static TextFrame ForComposedPreview(int deviceDpi);
    // Pixel for pixel at `deviceDpi`.
    static TextFrame Identity(int deviceDpi);

    static bool IsPreview(const PreviewParams& params);

    // The resolution fonts are sized for.
    int layoutDpi() const { return layoutDpi_; }
    bool isIdentity() const { return xFactor_ == 1.0 && yFactor_ == 1.0; }
    // Device pixels per layout pixel.
    double xFactor() const { return xFactor_; }
    double yFactor() const { return yFactor_; }

    // A length in layout pixels as whole device pixels (rounded).
    int deviceX(double layoutPixels) const;
    int deviceY(double layoutPixels) const;

    // The layout rectangle that covers a device rectangle, rounded outward.
    QRect toLayout(const QRect& device) const;
    QPointF toLayout(const QPoint& device) const;

    // While it lives, the painter is clipped to `deviceClip` (exact device
    // pixels) and draws in layout coordinates.
    class Scope {
    public:
        Scope(QPainter& painter, const TextFrame& frame, const QRect& deviceClip);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        QPainter& painter_;
    };

private:
    TextFrame(int layoutDpi, double xFactor, double yFactor)
        : layoutDpi_(layoutDpi), xFactor_(xFactor), yFactor_(yFactor) {}

    int layoutDpi_;
    double xFactor_;
    double yFactor_;
};

}  // namespace casewright
