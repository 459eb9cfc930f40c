// Draws the starter set of templates shipped in resources/CLIPART: for each
// theme a back cover, a front cover and a disc image, named
// "CD-[BACK]-<Theme>.jpg", "CD-[FRONT]-<Theme>.jpg" and "CD-[DISC]-<Theme>.jpg".
// The pictures are abstract and drawn from code only, so the program owns
// every pixel it ships.
//
//   make_templates OUTPUT_FOLDER
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTextStream>
#include <cmath>
#include <functional>

#include "render/DevicePixels.h"

namespace {

constexpr int kDotsPerInch = 150;
constexpr int kJpegQuality = 86;

enum class Surface { Back, Front, Disc };

struct SurfacePlan {
    Surface surface;
    const char* marker;
    double widthInches;
    double heightInches;
};

// The standard CD case: the tray card with its spines, the booklet front and
// the disc. Other case types stretch the same pictures.
const SurfacePlan kSurfaces[] = {
    {Surface::Back, "[BACK]", 5.925, 4.625},
    {Surface::Front, "[FRONT]", 4.735, 4.735},
    {Surface::Disc, "[DISC]", 4.685, 4.685},
};

using Painter = std::function<void(QPainter&, const QRectF&, Surface)>;

struct Theme {
    const char* name;
    Painter paint;
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

void paintBlueSky(QPainter& p, const QRectF& r, Surface s) {
    fillVertical(p, r, QColor(38, 110, 200), QColor(190, 225, 250));
    QRandomGenerator random(seedFor(s));
    p.setPen(Qt::NoPen);
    for (int cloud = 0; cloud < 7; ++cloud) {
        const QPointF base(random.bounded(r.width()),
                           r.height() * (0.15 + 0.6 * random.generateDouble()));
        const double size = r.width() * (0.06 + 0.05 * random.generateDouble());
        for (int puff = 0; puff < 6; ++puff) {
            const QPointF offset((puff - 2.5) * size * 0.6, (puff % 2) * -size * 0.35);
            glow(p, base + offset, size, QColor(255, 255, 255, 170));
        }
    }
}

void paintSunsetDunes(QPainter& p, const QRectF& r, Surface s) {
    fillVertical(p, r, QColor(60, 30, 90), QColor(250, 150, 70));
    glow(p, QPointF(r.width() * 0.68, r.height() * 0.55), r.width() * 0.22,
         QColor(255, 220, 120, 230));
    const QColor dunes[] = {QColor(200, 105, 60), QColor(160, 70, 50), QColor(110, 45, 45)};
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath path;
        const double baseY = r.height() * (0.62 + 0.12 * layer);
        path.moveTo(0, r.height());
        for (int x = 0; x <= 60; ++x) {
            const double fx = r.width() * x / 60.0;
            const double wave =
                std::sin(x / 60.0 * 6.28 * (1.2 + layer * 0.4) + layer + static_cast<int>(s));
            path.lineTo(fx, baseY + wave * r.height() * 0.05);
        }
        path.lineTo(r.width(), r.height());
        p.fillPath(path, dunes[layer]);
    }
}

void paintNightStars(QPainter& p, const QRectF& r, Surface s) {
    fillVertical(p, r, QColor(5, 8, 30), QColor(25, 35, 80));
    QRandomGenerator random(seedFor(s));
    p.setPen(Qt::NoPen);
    for (int star = 0; star < 260; ++star) {
        const QPointF at(random.bounded(r.width()), random.bounded(r.height()));
        const double size = 0.6 + 1.8 * random.generateDouble();
        p.setBrush(QColor(255, 255, 235, 120 + random.bounded(135)));
        p.drawEllipse(at, size, size);
    }
    const QPointF moon(r.width() * 0.25, r.height() * 0.28);
    glow(p, moon, r.width() * 0.16, QColor(200, 210, 255, 90));
    p.setBrush(QColor(245, 240, 215));
    p.drawEllipse(moon, r.width() * 0.07, r.width() * 0.07);
}

void paintOceanWaves(QPainter& p, const QRectF& r, Surface s) {
    fillVertical(p, r, QColor(10, 150, 170), QColor(5, 40, 80));
    for (int band = 0; band < 9; ++band) {
        QPainterPath path;
        const double baseY = r.height() * (0.12 + band * 0.1);
        path.moveTo(0, baseY);
        for (int x = 0; x <= 80; ++x) {
            const double fx = r.width() * x / 80.0;
            path.lineTo(fx, baseY + std::sin(x / 80.0 * 12.56 + band * 0.9 + static_cast<int>(s)) *
                                        r.height() * 0.025);
        }
        p.setPen(QPen(QColor(220, 250, 255, 70 + band * 12), r.height() * 0.012));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
}

void paintForestMist(QPainter& p, const QRectF& r, Surface s) {
    fillVertical(p, r, QColor(200, 220, 205), QColor(120, 160, 130));
    QRandomGenerator random(seedFor(s));
    const QColor shades[] = {QColor(110, 150, 120), QColor(70, 110, 85), QColor(35, 70, 50)};
    p.setPen(Qt::NoPen);
    for (int layer = 0; layer < 3; ++layer) {
        p.setBrush(shades[layer]);
        const double ground = r.height() * (0.55 + layer * 0.17);
        for (int tree = 0; tree < 14; ++tree) {
            const double x = random.bounded(r.width());
            const double h = r.height() * (0.2 + 0.15 * random.generateDouble());
            const double w = h * 0.35;
            QPolygonF pine;
            pine << QPointF(x, ground - h) << QPointF(x - w, ground) << QPointF(x + w, ground);
            p.drawPolygon(pine);
        }
        p.fillRect(QRectF(0, ground, r.width(), r.height() - ground), shades[layer]);
        glow(p, QPointF(r.width() / 2, ground), r.width() * 0.7, QColor(235, 245, 235, 60));
    }
}

void paintNeonGrid(QPainter& p, const QRectF& r, Surface) {
    fillVertical(p, r, QColor(25, 5, 45), QColor(80, 10, 90));
    const double horizon = r.height() * 0.55;
    glow(p, QPointF(r.width() / 2, horizon), r.width() * 0.3, QColor(255, 120, 60, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 170, 60));
    p.drawEllipse(QPointF(r.width() / 2, horizon), r.width() * 0.14, r.width() * 0.14);
    p.fillRect(QRectF(0, horizon, r.width(), r.height() - horizon), QColor(20, 0, 35));
    p.setPen(QPen(QColor(255, 60, 200), r.height() * 0.006));
    for (int line = -12; line <= 12; ++line) {
        p.drawLine(QPointF(r.width() / 2 + line * r.width() * 0.02, horizon),
                   QPointF(r.width() / 2 + line * r.width() * 0.25, r.height()));
    }
    for (int row = 1; row <= 8; ++row) {
        const double y = horizon + (r.height() - horizon) * std::pow(row / 8.0, 2.0);
        p.drawLine(QPointF(0, y), QPointF(r.width(), y));
    }
}

void paintVinylGrooves(QPainter& p, const QRectF& r, Surface) {
    p.fillRect(r, QColor(22, 22, 26));
    const QPointF centre = r.center();
    const double outer = std::hypot(r.width(), r.height()) / 2;
    p.setBrush(Qt::NoBrush);
    for (double radius = outer; radius > r.width() * 0.05; radius -= r.width() * 0.008) {
        const int shade = 30 + static_cast<int>(20 * std::sin(radius * 0.15));
        p.setPen(QPen(QColor(shade, shade, shade + 6), r.width() * 0.003));
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
    p.drawEllipse(centre, r.width() * 0.17, r.width() * 0.17);
}

void paintAutumnLeaves(QPainter& p, const QRectF& r, Surface s) {
    fillVertical(p, r, QColor(250, 235, 200), QColor(235, 200, 150));
    QRandomGenerator random(seedFor(s));
    const QColor leaves[] = {QColor(200, 70, 30, 200), QColor(230, 140, 40, 200),
                             QColor(170, 40, 40, 200), QColor(210, 170, 50, 200)};
    p.setPen(Qt::NoPen);
    for (int leaf = 0; leaf < 70; ++leaf) {
        p.save();
        p.translate(random.bounded(r.width()), random.bounded(r.height()));
        p.rotate(random.bounded(360));
        const double size = r.width() * (0.025 + 0.03 * random.generateDouble());
        QPainterPath shape;
        shape.moveTo(0, -size);
        shape.quadTo(size * 0.8, 0, 0, size);
        shape.quadTo(-size * 0.8, 0, 0, -size);
        p.fillPath(shape, leaves[random.bounded(4)]);
        p.restore();
    }
}

const Theme kThemes[] = {
    {"Blue Sky", paintBlueSky},           {"Sunset Dunes", paintSunsetDunes},
    {"Night Stars", paintNightStars},     {"Ocean Waves", paintOceanWaves},
    {"Forest Mist", paintForestMist},     {"Neon Grid", paintNeonGrid},
    {"Vinyl Grooves", paintVinylGrooves}, {"Autumn Leaves", paintAutumnLeaves},
};

QImage draw(const Theme& theme, const SurfacePlan& plan) {
    const QSize size(casewright::InchesToPixels(plan.widthInches, kDotsPerInch),
                     casewright::InchesToPixels(plan.heightInches, kDotsPerInch));
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    casewright::SetImageDpi(picture, kDotsPerInch);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    theme.paint(painter, QRectF(QPointF(0, 0), QSizeF(size)), plan.surface);
    return picture;
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
            const QString name = QStringLiteral("CD-%1-%2.jpg")
                                     .arg(QLatin1String(plan.marker), QLatin1String(theme.name));
            if (!draw(theme, plan).save(out.filePath(name), "JPG", kJpegQuality)) {
                err << "cannot write " << name << "\n";
                return 1;
            }
        }
    }
    return 0;
}
