// Draws an SVG icon into a square PNG of the given size, for the icon theme
// folders that want bitmaps beside the scalable icon. Qt's own SVG reader
// does the drawing, the same one that draws the icons inside the program.
//
//   render_icon IN.svg SIZE OUT.png
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QTextStream>

int main(int argc, char* argv[]) {
    // Drawing into an image needs no display and no GUI application.
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    bool sizeOk = false;
    const int size = args.size() == 4 ? args.at(2).toInt(&sizeOk) : 0;
    if (!sizeOk || size < 1) {
        err << "Usage: render_icon IN.svg SIZE OUT.png\n";
        return 2;
    }
    QImageReader reader(args.at(1), "svg");
    reader.setScaledSize(QSize(size, size));
    QImage image = reader.read();
    if (image.isNull()) {
        err << "render_icon: cannot draw " << args.at(1) << ": " << reader.errorString() << "\n";
        return 1;
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    if (image.size() != QSize(size, size) || !image.save(args.at(3), "PNG")) {
        err << "render_icon: cannot write " << args.at(3) << "\n";
        return 1;
    }
    return 0;
}
