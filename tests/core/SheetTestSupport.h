#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "print/SheetTemplate.h"
#include "print/SheetTemplateFolders.h"

namespace casewright {

// A sheet of three discs on A4 as a template database describes it,
// staggered as such sheets are: two on the right, one on the left between
// them, 110 mm across with a 31 mm hole. Read in rows, the left one is the
// second label.
namespace TestSheets {

constexpr double kMm = 1.0 / 25.4;

inline QByteArray ThreeUpXml() {
    return R"(<?xml version="1.0"?>
<Glabels-templates xmlns="http://glabels.org/xmlns/3.0/">
  <Template brand="Test" part="3-up" size="A4" _description="Three discs">
    <Label-cd id="0" radius="55mm" hole="15.5mm" waste="2mm">
      <Layout nx="1" ny="2" x0="91.5mm" y0="9mm" dx="119.5mm" dy="166mm"/>
      <Layout nx="1" ny="1" x0="9mm" y0="92mm"/>
    </Label-cd>
  </Template>
  <Template brand="Test" part="Cards" size="A4" _description="Card discs">
    <Label-cd id="0" radius="38mm" width="60mm" hole="20.5mm">
      <Layout nx="2" ny="1" x0="20mm" y0="20mm" dx="100mm"/>
    </Label-cd>
  </Template>
</Glabels-templates>
)";
}

inline const char* ThreeUpName() {
    return "Test 3-up - Three discs";
}

inline const char* CardsName() {
    return "Test Cards - Card discs";
}

constexpr double kThreeUpDiameter = 110;
constexpr double kThreeUpHole = 31;

// Label n (from 1) of the three-up sheet: its disc's top-left corner.
inline QPointF ThreeUpCorner(int n) {
    const double x[] = {91.5, 9, 91.5};
    const double y[] = {9, 92, 175};
    return QPointF(x[n - 1], y[n - 1]) * kMm;
}

inline SheetTemplate ThreeUp() {
    SheetTemplate sheet;
    sheet.brand = QStringLiteral("Test");
    sheet.part = QStringLiteral("3-up");
    sheet.description = QStringLiteral("Three discs");
    sheet.paperName = QStringLiteral("A4");
    sheet.paperSize = QSizeF(210, 297) * kMm;
    for (int n = 1; n <= 3; ++n) {
        sheet.labels.push_back({QRectF(ThreeUpCorner(n), QSizeF(110, 110) * kMm),
                                kThreeUpDiameter * kMm, kThreeUpHole * kMm});
    }
    return sheet;
}

// Puts the sheets where the user's own sheets go.
inline bool InstallForUser() {
    const QString folder = SheetTemplateFolders::UserFolder();
    QDir().mkpath(folder);
    QFile file(QDir(folder).filePath(QStringLiteral("test-sheets.xml")));
    return file.open(QIODevice::WriteOnly) && file.write(ThreeUpXml()) > 0;
}

}  // namespace TestSheets

}  // namespace casewright
