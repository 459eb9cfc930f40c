// Draws the starter set of templates shipped in resources/CLIPART: for each
// theme a CD back cover, front cover and disc image, named
// "CD-[BACK]-<Theme>.jpg", "CD-[FRONT]-<Theme>.jpg" and "CD-[DISC]-<Theme>.jpg",
// and a DVD wrap-around cover "DVD-[BACK]-<Theme>.jpg" drawn in the wrap's
// own proportions. A DVD disc is the same 120 mm disc as a CD, so
// "DVD-[DISC]-<Theme>.jpg" is a link to the theme's CD disc picture rather
// than a second copy of it. The pictures are abstract and drawn from code
// only, so the program owns every pixel it ships.
//
//   make_templates OUTPUT_FOLDER
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <functional>

#include "render/DevicePixels.h"

namespace {

constexpr int kJpegQuality = 86;
// The resolution every size in pixels below is meant at.
constexpr int kBaseDotsPerInch = 150;

// The spines of the standard and the slimline DVD wrap.
constexpr double kStandardSpineInches = 0.54;
constexpr double kSlimSpineInches = 0.275;

enum class Surface { Back, Front, Disc, Wrap };

struct SurfacePlan {
    Surface surface;
    const char* prefix;
    const char* marker;
    double widthInches;
    double heightInches;
    // The wrap's spine, centred between its back and front halves.
    double spineInches;
    int dotsPerInch;
};

// The standard CD case (the tray card with its spines, the booklet front and
// the disc) and the standard DVD wrap (back, spine and front in one piece,
// 10.73 × 7.2 inches; the slimline DVD wrap is 1.6 % narrower and takes the
// same picture). Every picture must print at 150 pixels per inch or more,
// below which the designer warns of a blurred print, so sizes are rounded up,
// and the tray card, which the slimline CD insert (6.14 × 4.76 inches)
// stretches too, is drawn at 160 dpi. The wrap is drawn at 200 dpi: sharp on
// paper once smoothly scaled, at less than half the bytes 300 dpi would take.
const SurfacePlan kSurfaces[] = {
    {Surface::Back, "CD", "[BACK]", 5.925, 4.625, 0, 160},
    {Surface::Front, "CD", "[FRONT]", 4.735, 4.735, 0, kBaseDotsPerInch},
    {Surface::Disc, "CD", "[DISC]", 4.685, 4.685, 0, kBaseDotsPerInch},
    {Surface::Wrap, "DVD", "[BACK]", 10.73, 7.2, kStandardSpineInches, 200},
};

// Where a theme draws. `area` is the whole picture and `stage` the part that
// carries the theme's main motif: the whole picture of a CD surface, the
// front half of a DVD wrap. Sizes are fractions of `unit` (the stage's
// width), scattered details are `crowd` times as many as on a CD surface so
// they keep their density, and `dot` is one pixel at the CD resolution.
struct Canvas {
    QRectF area;
    QRectF stage;
    QRectF spine;  // empty on CD surfaces
    double unit;
    double crowd;
    double dot;

    // The number of steps a curve across the whole width takes where it
    // would take `steps` across the stage, and the stage widths it spans.
    int stepsAcross(int steps) const { return qRound(steps * widthInStages()); }
    double widthInStages() const { return area.width() / stage.width(); }
    int count(int onCd) const { return qRound(onCd * crowd); }
    double stageX(double fraction) const { return stage.left() + stage.width() * fraction; }
    double stageY(double fraction) const { return stage.top() + stage.height() * fraction; }
};

using Painter = std::function<void(QPainter&, const Canvas&, Surface)>;

struct Theme {
    const char* name;
    Painter paint;
    // The DVD spine's band, laid over the picture.
    QColor spineBand;
};

void fillVertical(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void glow(QPainter& p, const QPointF& centre, double radius, const QColor& colour) {
    QRadialGradient g(centre, radius);
    g.setColorAt(0, colour);
    QColor clear = colour;
    clear.setAlpha(0);
    g.setColorAt(1, clear);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

int seedFor(Surface s) {
    return 17 + static_cast<int>(s) * 101;
}

void paintBlueSky(QPainter& p, const Canvas& c, Surface s) {
    const QRectF& r = c.area;
    fillVertical(p, r, QColor(38, 110, 200), QColor(190, 225, 250));
    QRandomGenerator random(seedFor(s));
    p.setPen(Qt::NoPen);
    for (int cloud = 0; cloud < c.count(7); ++cloud) {
        const QPointF base(random.bounded(r.width()),
                           r.height() * (0.15 + 0.6 * random.generateDouble()));
        const double size = c.unit * (0.06 + 0.05 * random.generateDouble());
        for (int puff = 0; puff < 6; ++puff) {
            const QPointF offset((puff - 2.5) * size * 0.6, (puff % 2) * -size * 0.35);
            glow(p, base + offset, size, QColor(255, 255, 255, 170));
        }
    }
}

void paintSunsetDunes(QPainter& p, const Canvas& c, Surface s) {
    const QRectF& r = c.area;
    fillVertical(p, r, QColor(60, 30, 90), QColor(250, 150, 70));
    glow(p, QPointF(c.stageX(0.68), c.stageY(0.55)), c.unit * 0.22, QColor(255, 220, 120, 230));
    const QColor dunes[] = {QColor(200, 105, 60), QColor(160, 70, 50), QColor(110, 45, 45)};
    const int steps = c.stepsAcross(60);
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath path;
        const double baseY = r.height() * (0.62 + 0.12 * layer);
        path.moveTo(0, r.height());
        for (int x = 0; x <= steps; ++x) {
            const double fx = r.width() * x / steps;
            const double wave = std::sin(x / static_cast<double>(steps) * c.widthInStages() * 6.28 *
                                             (1.2 + layer * 0.4) +
                                         layer + static_cast<int>(s));
            path.lineTo(fx, baseY + wave * r.height() * 0.05);
        }
        path.lineTo(r.width(), r.height());
        p.fillPath(path, dunes[layer]);
    }
}

void paintNightStars(QPainter& p, const Canvas& c, Surface s) {
    const QRectF& r = c.area;
    fillVertical(p, r, QColor(5, 8, 30), QColor(25, 35, 80));
    QRandomGenerator random(seedFor(s));
    p.setPen(Qt::NoPen);
    for (int star = 0; star < c.count(260); ++star) {
        const QPointF at(random.bounded(r.width()), random.bounded(r.height()));
        const double size = (0.6 + 1.8 * random.generateDouble()) * c.dot;
        p.setBrush(QColor(255, 255, 235, 120 + random.bounded(135)));
        p.drawEllipse(at, size, size);
    }
    const QPointF moon(c.stageX(0.25), c.stageY(0.28));
    glow(p, moon, c.unit * 0.16, QColor(200, 210, 255, 90));
    p.setBrush(QColor(245, 240, 215));
    p.drawEllipse(moon, c.unit * 0.07, c.unit * 0.07);
}

void paintOceanWaves(QPainter& p, const Canvas& c, Surface s) {
    const QRectF& r = c.area;
    fillVertical(p, r, QColor(10, 150, 170), QColor(5, 40, 80));
    const int steps = c.stepsAcross(80);
    for (int band = 0; band < 9; ++band) {
        QPainterPath path;
        const double baseY = r.height() * (0.12 + band * 0.1);
        path.moveTo(0, baseY);
        for (int x = 0; x <= steps; ++x) {
            const double fx = r.width() * x / steps;
            path.lineTo(
                fx, baseY + std::sin(x / static_cast<double>(steps) * c.widthInStages() * 12.56 +
                                     band * 0.9 + static_cast<int>(s)) *
                                r.height() * 0.025);
        }
        p.setPen(QPen(QColor(220, 250, 255, 70 + band * 12), r.height() * 0.012));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
}

void paintForestMist(QPainter& p, const Canvas& c, Surface s) {
    const QRectF& r = c.area;
    fillVertical(p, r, QColor(200, 220, 205), QColor(120, 160, 130));
    QRandomGenerator random(seedFor(s));
    const QColor shades[] = {QColor(110, 150, 120), QColor(70, 110, 85), QColor(35, 70, 50)};
    p.setPen(Qt::NoPen);
    // Trees keep their spacing across a wider picture, not their number.
    const int trees = qRound(14 * c.widthInStages());
    for (int layer = 0; layer < 3; ++layer) {
        p.setBrush(shades[layer]);
        const double ground = r.height() * (0.55 + layer * 0.17);
        for (int tree = 0; tree < trees; ++tree) {
            const double x = random.bounded(r.width());
            const double h = r.height() * (0.2 + 0.15 * random.generateDouble());
            const double w = h * 0.35;
            QPolygonF pine;
            pine << QPointF(x, ground - h) << QPointF(x - w, ground) << QPointF(x + w, ground);
            p.drawPolygon(pine);
        }
        p.fillRect(QRectF(0, ground, r.width(), r.height() - ground), shades[layer]);
        glow(p, QPointF(c.stageX(0.5), ground), c.unit * 0.7, QColor(235, 245, 235, 60));
    }
}

void paintNeonGrid(QPainter& p, const Canvas& c, Surface) {
    const QRectF& r = c.area;
    fillVertical(p, r, QColor(25, 5, 45), QColor(80, 10, 90));
    const double horizon = r.height() * 0.55;
    const double centre = c.stageX(0.5);
    glow(p, QPointF(centre, horizon), c.unit * 0.3, QColor(255, 120, 60, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 170, 60));
    p.drawEllipse(QPointF(centre, horizon), c.unit * 0.14, c.unit * 0.14);
    p.fillRect(QRectF(0, horizon, r.width(), r.height() - horizon), QColor(20, 0, 35));
    p.setPen(QPen(QColor(255, 60, 200), r.height() * 0.006));
    for (int line = -12; line <= 12; ++line) {
        p.drawLine(QPointF(centre + line * c.unit * 0.02, horizon),
                   QPointF(centre + line * c.unit * 0.25, r.height()));
    }
    for (int row = 1; row <= 8; ++row) {
        const double y = horizon + (r.height() - horizon) * std::pow(row / 8.0, 2.0);
        p.drawLine(QPointF(0, y), QPointF(r.width(), y));
    }
}

void paintVinylGrooves(QPainter& p, const Canvas& c, Surface) {
    const QRectF& r = c.area;
    p.fillRect(r, QColor(22, 22, 26));
    const QPointF centre = c.stage.center();
    // The grooves reach the picture's farthest corner.
    const double across = 2 * std::max(centre.x() - r.left(), r.right() - centre.x());
    const double down = 2 * std::max(centre.y() - r.top(), r.bottom() - centre.y());
    const double outer = std::hypot(across, down) / 2;
    p.setBrush(Qt::NoBrush);
    for (double radius = outer; radius > c.unit * 0.05; radius -= c.unit * 0.008) {
        const int shade = 30 + static_cast<int>(20 * std::sin(radius / c.dot * 0.15));
        p.setPen(QPen(QColor(shade, shade, shade + 6), c.unit * 0.003));
        p.drawEllipse(centre, radius, radius);
    }
    QConicalGradient sheen(centre, 35);
    sheen.setColorAt(0, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.1, QColor(255, 255, 255, 55));
    sheen.setColorAt(0.2, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.6, QColor(255, 255, 255, 55));
    sheen.setColorAt(0.7, QColor(255, 255, 255, 0));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(r, sheen);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(centre, c.unit * 0.17, c.unit * 0.17);
}

void paintAutumnLeaves(QPainter& p, const Canvas& c, Surface s) {
    const QRectF& r = c.area;
    fillVertical(p, r, QColor(250, 235, 200), QColor(235, 200, 150));
    QRandomGenerator random(seedFor(s));
    const QColor leaves[] = {QColor(200, 70, 30, 200), QColor(230, 140, 40, 200),
                             QColor(170, 40, 40, 200), QColor(210, 170, 50, 200)};
    p.setPen(Qt::NoPen);
    for (int leaf = 0; leaf < c.count(70); ++leaf) {
        p.save();
        p.translate(random.bounded(r.width()), random.bounded(r.height()));
        p.rotate(random.bounded(360));
        const double size = c.unit * (0.025 + 0.03 * random.generateDouble());
        QPainterPath shape;
        shape.moveTo(0, -size);
        shape.quadTo(size * 0.8, 0, 0, size);
        shape.quadTo(-size * 0.8, 0, 0, -size);
        p.fillPath(shape, leaves[random.bounded(4)]);
        p.restore();
    }
}

const Theme kThemes[] = {
    {"Blue Sky", paintBlueSky, QColor(255, 255, 255, 110)},
    {"Sunset Dunes", paintSunsetDunes, QColor(60, 30, 90, 120)},
    {"Night Stars", paintNightStars, QColor(200, 210, 255, 45)},
    {"Ocean Waves", paintOceanWaves, QColor(5, 40, 80, 120)},
    {"Forest Mist", paintForestMist, QColor(35, 70, 50, 110)},
    {"Neon Grid", paintNeonGrid, QColor(255, 60, 200, 80)},
    {"Vinyl Grooves", paintVinylGrooves, QColor(200, 40, 40, 170)},
    {"Autumn Leaves", paintAutumnLeaves, QColor(170, 40, 40, 120)},
};

// The spine reads as a band of the theme's colour: full over the middle, as
// wide as the slimline DVD's spine, and fading out to the standard spine's
// edges, so that it sits on the spine of both wraps.
void paintSpineBand(QPainter& p, const Canvas& c, const QColor& band) {
    const double solid = kSlimSpineInches / kStandardSpineInches;
    QColor clear = band;
    clear.setAlpha(0);
    QLinearGradient fade(c.spine.topLeft(), c.spine.topRight());
    fade.setColorAt(0, clear);
    fade.setColorAt((1 - solid) / 2, band);
    fade.setColorAt((1 + solid) / 2, band);
    fade.setColorAt(1, clear);
    p.fillRect(c.spine, fade);
}

Canvas canvasFor(const SurfacePlan& plan, const QSizeF& size) {
    const QRectF area(QPointF(0, 0), size);
    const double dot = static_cast<double>(plan.dotsPerInch) / kBaseDotsPerInch;
    if (plan.surface != Surface::Wrap) {
        return {area, area, QRectF(), area.width(), 1.0, dot};
    }
    const double spine = plan.spineInches * plan.dotsPerInch;
    const double half = (area.width() - spine) / 2;
    const QRectF front(half + spine, 0, half, area.height());
    // As many details per square inch as on the CD tray card.
    const SurfacePlan& tray = kSurfaces[0];
    const double crowd =
        (plan.widthInches * plan.heightInches) / (tray.widthInches * tray.heightInches);
    return {area, front, QRectF(half, 0, spine, area.height()), front.width(), crowd, dot};
}

// Whole pixels, never fewer than the resolution asks for.
int pixelsFor(double inches, int dotsPerInch) {
    return static_cast<int>(std::ceil(inches * dotsPerInch - 1e-6));
}

QImage draw(const Theme& theme, const SurfacePlan& plan) {
    const QSize size(pixelsFor(plan.widthInches, plan.dotsPerInch),
                     pixelsFor(plan.heightInches, plan.dotsPerInch));
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    casewright::SetImageDpi(picture, plan.dotsPerInch);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const Canvas canvas = canvasFor(plan, QSizeF(size));
    theme.paint(painter, canvas, plan.surface);
    if (!canvas.spine.isEmpty()) {
        paintSpineBand(painter, canvas, theme.spineBand);
    }
    return picture;
}

QString fileName(const char* prefix, const char* marker, const Theme& theme) {
    return QStringLiteral("%1-%2-%3.jpg")
        .arg(QLatin1String(prefix), QLatin1String(marker), QLatin1String(theme.name));
}

// The DVD template's disc is the CD template's disc picture, linked by a
// relative name so the link holds wherever the folder is installed.
bool linkDvdDisc(const QDir& out, const Theme& theme) {
    const QString link = out.filePath(fileName("DVD", "[DISC]", theme));
    QFile::remove(link);
    return symlink(QFile::encodeName(fileName("CD", "[DISC]", theme)).constData(),
                   QFile::encodeName(link).constData()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: make_templates OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        err << "cannot create " << out.path() << "\n";
        return 1;
    }
    for (const Theme& theme : kThemes) {
        for (const SurfacePlan& plan : kSurfaces) {
            const QString name = fileName(plan.prefix, plan.marker, theme);
            if (!draw(theme, plan).save(out.filePath(name), "JPG", kJpegQuality)) {
                err << "cannot write " << name << "\n";
                return 1;
            }
        }
        if (!linkDvdDisc(out, theme)) {
            err << "cannot link " << fileName("DVD", "[DISC]", theme) << "\n";
            return 1;
        }
    }
    return 0;
}
