#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

namespace casewright {

// One disc label of a sheet, in inches from the top-left corner of the paper.
struct TemplateLabel {
    // The label's own area: the square around the disc, or a narrower
    // rectangle for a disc cut to a business card's shape.
    QRectF area;
    double diameter = 0;
    double hubDiameter = 0;  // the label's centre hole; 0 for none

    QPointF centre() const { return area.center(); }
    // The square the round label fills, centred on the area.
    QRectF disc() const {
        return QRectF(centre() - QPointF(diameter / 2, diameter / 2), QSizeF(diameter, diameter));
    }
};

// A label sheet product of the template database: its paper and where each
// of its disc labels lies, the labels numbered in reading order (top to
// bottom, then left to right) from 1.
struct SheetTemplate {
    QString brand;
    QString part;
    QString description;
    QString paperName;  // "A4", "US Letter", or the size for a paper of its own
    QSizeF paperSize;   // inches, portrait as the template gives it
    std::vector<TemplateLabel> labels;
    QString file;  // where it was read, for messages

    // The name the lists show and the settings keep. It never contains a
    // colon, which shells take as a word break when they complete it.
    QString stockName() const;
};

}  // namespace casewright
