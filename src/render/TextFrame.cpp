#include "render/TextFrame.h"

#include <QPainter>
#include <cmath>

#include "render/DevicePixels.h"
#include "render/PreviewParams.h"

namespace casewright {

TextFrame TextFrame::For(const PreviewParams& params, int deviceDpi) {
    // A preview without an area shows nothing; its texts need no frame.
    const bool hasArea = params.xScale > 0 && params.yScale > 0;
    if (!IsPreview(params) || !hasArea || deviceDpi <= 0) {
        return Identity(deviceDpi);
    }
    const double shrink = static_cast<double>(deviceDpi) / kPreviewLayoutDpi;
    return TextFrame(kPreviewLayoutDpi, shrink * params.xScale, shrink * params.yScale);
}

TextFrame TextFrame::ForComposedPreview(int deviceDpi) {
    if (deviceDpi <= 0) {
        return Identity(deviceDpi);
    }
    const double shrink = static_cast<double>(deviceDpi) / kPreviewLayoutDpi;
    return TextFrame(kPreviewLayoutDpi, shrink, shrink);
}

TextFrame TextFrame::Identity(int deviceDpi) {
    return TextFrame(deviceDpi, 1.0, 1.0);
}

bool TextFrame::IsPreview(const PreviewParams& params) {
    return params.xScale != 1.0 || params.yScale != 1.0;
}

int TextFrame::deviceX(double layoutPixels) const {
    return TruncatedPixels(std::round(layoutPixels * xFactor_));
}

int TextFrame::deviceY(double layoutPixels) const {
    return TruncatedPixels(std::round(layoutPixels * yFactor_));
}

QRect TextFrame::toLayout(const QRect& device) const {
    if (isIdentity()) {
        return device;
    }
    const int left = TruncatedPixels(std::floor(device.x() / xFactor_));
    const int top = TruncatedPixels(std::floor(device.y() / yFactor_));
    const int right = TruncatedPixels(std::ceil((device.x() + device.width()) / xFactor_));
    const int bottom = TruncatedPixels(std::ceil((device.y() + device.height()) / yFactor_));
    return QRect(left, top, right - left, bottom - top);
}

QPointF TextFrame::toLayout(const QPoint& device) const {
    return QPointF(device.x() / xFactor_, device.y() / yFactor_);
}

TextFrame::Scope::Scope(QPainter& painter, const TextFrame& frame, const QRect& deviceClip)
    : painter_(painter) {
    painter_.save();
    painter_.setClipRect(deviceClip, Qt::IntersectClip);
    if (!frame.isIdentity()) {
        painter_.scale(frame.xFactor(), frame.yFactor());
    }
}

TextFrame::Scope::~Scope() {
    painter_.restore();
}

}  // namespace casewright
