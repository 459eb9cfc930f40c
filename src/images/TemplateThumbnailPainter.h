#pragma once

#include <QImage>

namespace casewright {

// Draws the 60 × 60 picture a template is shown with: the whole image
// stretched into the square without keeping its proportions (as the design
// stretches images onto covers), on white, framed by a one-pixel grey line.
// In the disc view the picture is cut to the inscribed circle, which is
// outlined in black. A null picture gives a null thumbnail.
class TemplateThumbnailPainter {
public:
    static constexpr int kSide = 60;

    static QImage paint(const QImage& picture, bool discView);
};

}  // namespace casewright
