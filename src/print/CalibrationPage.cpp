#include "print/CalibrationPage.h"

#include <QFont>
#include <QPainter>
#include <QPen>
#include <QStringList>
#include <cmath>

#include "app/ProductInfo.h"
#include "print/PageLayouts.h"
#include "print/SheetPrinter.h"

namespace casewright {

namespace CalibrationPage {

namespace {

constexpr double kMillimetresPerInch = 25.4;
// The rulers run this far inside the paper's edge, where any printer prints.
constexpr double kRulerInsetMillimetres = 10;
constexpr double kLineMillimetres = 0.2;

// Millimetres from the paper's corner to device pixels of the printable area.
class PageScale {
public:
    PageScale(int dpi, QPoint offset) : dpi_(dpi), offset_(offset) {}

    double length(double mm) const { return mm / kMillimetresPerInch * dpi_; }
    QPointF point(double xMm, double yMm) const {
        return QPointF(length(xMm) - offset_.x(), length(yMm) - offset_.y());
    }
    QPointF inches(const QPointF& p) const {
        return point(p.x() * kMillimetresPerInch, p.y() * kMillimetresPerInch);
    }
    QRectF inches(const QRectF& r) const {
        return QRectF(inches(r.topLeft()), inches(r.bottomRight()));
    }
    QFont font(double heightMm, bool bold = false) const {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(length(heightMm)))));
        f.setBold(bold);
        return f;
    }

private:
    int dpi_;
    QPoint offset_;
};

double TickLength(int mm) {
    return mm % 10 == 0 ? 4.5 : mm % 5 == 0 ? 3 : 1.8;
}

// Ticks every millimetre from the paper's edge, numbered every centimetre.
void DrawRulers(QPainter& p, const PageScale& s, const QSizeF& paperMm) {
    p.setFont(s.font(2.2));
    const double inset = kRulerInsetMillimetres;
    p.drawLine(QLineF(s.point(0, inset), s.point(paperMm.width(), inset)));
    p.drawLine(QLineF(s.point(inset, 0), s.point(inset, paperMm.height())));
    for (int mm = 1; mm < paperMm.width(); ++mm) {
        p.drawLine(QLineF(s.point(mm, inset), s.point(mm, inset - TickLength(mm))));
        if (mm % 10 == 0 && mm > inset) {
            p.drawText(s.point(mm + 0.4, inset + 2.8), QString::number(mm));
        }
    }
    for (int mm = 1; mm < paperMm.height(); ++mm) {
        p.drawLine(QLineF(s.point(inset, mm), s.point(inset - TickLength(mm), mm)));
        if (mm % 10 == 0 && mm > inset) {
            p.drawText(s.point(inset + 0.8, mm + 0.9), QString::number(mm));
        }
    }
}

// A cross whose arms carry a mark every millimetre, so that how far a
// label's real centre lies from it can be read off directly.
void DrawCross(QPainter& p, const PageScale& s, const QPointF& centreMm) {
    const double arm = kCrossArmMillimetres;
    const double x = centreMm.x();
    const double y = centreMm.y();
    p.drawLine(QLineF(s.point(x - arm, y), s.point(x + arm, y)));
    p.drawLine(QLineF(s.point(x, y - arm), s.point(x, y + arm)));
    for (int mm = 1; mm <= arm; ++mm) {
        const double half = mm % 5 == 0 ? 1.0 : 0.5;
        for (const int side : {-1, 1}) {
            p.drawLine(QLineF(s.point(x + side * mm, y - half), s.point(x + side * mm, y + half)));
            p.drawLine(QLineF(s.point(x - half, y + side * mm), s.point(x + half, y + side * mm)));
        }
    }
}

void DrawLabel(QPainter& p, const PageScale& s, const PrintedLabel& label, int number) {
    p.drawEllipse(s.inches(label.disc));
    if (label.hubDiameter > 0) {
        const double r = label.hubDiameter / 2;
        p.drawEllipse(s.inches(QRectF(label.centre() - QPointF(r, r), QSizeF(2 * r, 2 * r))));
    }
    if (!label.area.contains(label.disc)) {
        // A label cut narrower than its disc: its edges too.
        QPen dashed = p.pen();
        dashed.setStyle(Qt::DashLine);
        p.save();
        p.setPen(dashed);
        p.drawRect(s.inches(label.area));
        p.restore();
    }
    const QPointF centreMm = label.centre() * kMillimetresPerInch;
    DrawCross(p, s, centreMm);
    p.setFont(s.font(3, true));
    p.drawText(s.point(centreMm.x() + 1.6, centreMm.y() - 1.6), QString::number(number));
}

// The instructions, inside the upper half of the first label where nothing
// else is drawn, or below the top ruler when that label is too small.
void DrawCaptions(QPainter& p, const PageScale& s, const DiscSheet& sheet,
                  const Captions& captions) {
    QStringList lines{
        ProductInfo::Name() + QStringLiteral(" calibration page"),
        captions.sheet,
        QStringLiteral("Print at actual size (100 %) on plain paper."),
        QStringLiteral("Lay this page on the label sheet, edges together,"),
        QStringLiteral("hold both against the light and read off how far"),
        QStringLiteral("each cross lies from the centre of its label."),
        captions.adjustment,
    };
    lines.removeAll(QString());
    QRectF box(QPointF(kRulerInsetMillimetres + 6, kRulerInsetMillimetres + 5), QSizeF(90, 30));
    if (!sheet.labels.empty()) {
        const QRectF disc = sheet.labels.front().disc;
        const QRectF discMm(disc.topLeft() * kMillimetresPerInch,
                            disc.size() * kMillimetresPerInch);
        if (discMm.width() >= 80) {
            box = QRectF(discMm.center().x() - 0.33 * discMm.width(),
                         discMm.top() + 0.08 * discMm.height(), 0.66 * discMm.width(),
                         0.23 * discMm.height());
        }
    }
    const QRectF target(s.point(box.left(), box.top()), s.point(box.right(), box.bottom()));
    p.setFont(s.font(2.4));
    p.drawText(target, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               lines.join(QLatin1Char('\n')));
}

QString Millimetres(double inches) {
    return QString::number(std::lround(std::abs(inches) / kInchesPerMillimetre));
}

}  // namespace

void Draw(QPainter& painter, const DiscSheet& sheet, const Captions& captions, int dpi,
          QPoint printableOffset) {
    const PageScale scale(dpi, printableOffset);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(Qt::black);
    pen.setWidthF(scale.length(kLineMillimetres));
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QSizeF paperMm = sheet.paper.size(QPageSize::Millimeter);
    DrawRulers(painter, scale, paperMm);
    for (size_t i = 0; i < sheet.labels.size(); ++i) {
        DrawLabel(painter, scale, sheet.labels[i], static_cast<int>(i) + 1);
    }
    DrawCaptions(painter, scale, sheet, captions);
    painter.restore();
}

Result Print(SheetPrinter& device, const DiscSheet& sheet, const Captions& captions) {
    SheetRequest request;
    request.orientation = QPageLayout::Portrait;
    request.paper = sheet.paper;
    request.documentName = ProductInfo::Name() + QStringLiteral(" Calibration");
    if (!device.beginDocument(request)) {
        return {false, device.errorText()};
    }
    Draw(device.painter(), sheet, captions, device.resolution(), device.printableOffset());
    if (!device.endPage()) {
        device.abortDocument();
        return {false, QStringLiteral("The printer did not accept the calibration page.")};
    }
    if (!device.endDocument() || !device.finish()) {
        return {false, device.errorText()};
    }
    return {};
}

QString DescribeAdjustment(const CoverGeometry& a) {
    QStringList parts;
    if (std::lround(a.discWidth / kInchesPerMillimetre) != 0) {
        parts << QStringLiteral("%1 %2 mm")
                     .arg(a.discWidth > 0 ? QStringLiteral("labels enlarged by")
                                          : QStringLiteral("labels shrunk by"),
                          Millimetres(a.discWidth));
    }
    if (std::lround(a.topLabelLeft / kInchesPerMillimetre) != 0) {
        parts << QStringLiteral("moved %1 mm %2")
                     .arg(Millimetres(a.topLabelLeft), a.topLabelLeft > 0
                                                           ? QStringLiteral("to the right")
                                                           : QStringLiteral("to the left"));
    }
    if (std::lround(a.topLabelTop / kInchesPerMillimetre) != 0) {
        parts << QStringLiteral("moved %1 mm %2")
                     .arg(Millimetres(a.topLabelTop),
                          a.topLabelTop > 0 ? QStringLiteral("down") : QStringLiteral("up"));
    }
    if (parts.isEmpty()) {
        return QStringLiteral("Printed without printer adjustment.");
    }
    return QStringLiteral("Printer adjustment: ") + parts.join(QStringLiteral(", ")) +
           QLatin1Char('.');
}

}  // namespace CalibrationPage

}  // namespace casewright
