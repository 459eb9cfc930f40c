#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <deque>
#include <memory>
#include <vector>

#include "print/PaperPrompt.h"
#include "print/SheetPrinter.h"
#include "render/CoverPainter.h"

namespace casewright {

// A sheet device for tests: every sheet becomes a white QImage of its
// printable area, kept with the request it was printed for.
class PrintRecordingDevice : public SheetPrinter {
public:
    struct Sheet {
        SheetRequest request;
        QImage image;
        QPoint offset;
        int dpi = 0;
        bool aborted = false;
        bool ended = false;
    };

    int dpi = 100;
    QPoint offset;
    QPageLayout::Orientation userOrientation = QPageLayout::Portrait;
    int failEndPageOfSheet = -1;  // index of the sheet whose page is refused
    bool cannotOpen = false;
    bool writesFile = false;  // like a PDF: no paper to change
    int finishCalls = 0;
    std::vector<Sheet> sheets;

    bool beginDocument(const SheetRequest& request) override {
        if (cannotOpen) {
            return false;
        }
        QSize paper = QPageSize(request.paper).sizePixels(dpi);
        if (request.orientation == QPageLayout::Landscape) {
            paper.transpose();
        }
        Sheet sheet;
        sheet.request = request;
        sheet.offset = offset;
        sheet.dpi = dpi;
        sheet.image = QImage(paper - QSize(2 * offset.x(), 2 * offset.y()), QImage::Format_RGB32);
        sheet.image.fill(Qt::white);
        const int dotsPerMetre = qRound(dpi / 0.0254);
        sheet.image.setDotsPerMeterX(dotsPerMetre);
        sheet.image.setDotsPerMeterY(dotsPerMetre);
        sheets.push_back(sheet);
        return painter_.begin(&sheets.back().image);
    }
    QPainter& painter() override { return painter_; }
    int resolution() const override { return dpi; }
    QPoint printableOffset() const override { return offset; }
    QSize printableSize() const override { return sheets.back().image.size(); }
    bool endPage() override {
        painter_.end();
        return static_cast<int>(sheets.size()) - 1 != failEndPageOfSheet;
    }
    void abortDocument() override { sheets.back().aborted = true; }
    bool endDocument() override {
        sheets.back().ended = true;
        return true;
    }
    bool finish() override {
        ++finishCalls;
        return true;
    }
    QString errorText() const override { return QStringLiteral("the test printer is off"); }
    QPageLayout::Orientation chosenOrientation() const override { return userOrientation; }
    bool usesPaper() const override { return !writesFile; }

private:
    QPainter painter_;
};

// Answers paper prompts from a queue and keeps the texts it was shown.
class ScriptedPaperPrompt : public PaperPrompt {
public:
    std::deque<Answer> answers;
    QStringList texts;

    Answer askForPaper(const QString& text) override {
        texts << text;
        if (answers.empty()) {
            return Answer::Print;
        }
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

// Stands in for the surface painters: fills its target with one colour per
// surface and logs what it was asked to draw.
struct PaintedSurface {
    SurfaceKind kind;
    QRect target;
    PreviewParams params;
};

class FillingPainter : public CoverPainter {
public:
    FillingPainter(SurfaceKind kind, std::vector<PaintedSurface>& log) : kind_(kind), log_(log) {}

    static QColor ColorOf(SurfaceKind kind) {
        switch (kind) {
            case SurfaceKind::StandardFront:
                return Qt::red;
            case SurfaceKind::StandardBack:
                return Qt::green;
            case SurfaceKind::DvdWrap:
                return Qt::blue;
            case SurfaceKind::SlimlineInsert:
                return Qt::magenta;
            case SurfaceKind::Disc:
                return Qt::cyan;
        }
        return Qt::black;
    }

protected:
    void DrawSurface(QPainter& painter, const QRect& target) override {
        log_.push_back({kind_, target, params});
        painter.fillRect(target, ColorOf(kind_));
    }

private:
    SurfaceKind kind_;
    std::vector<PaintedSurface>& log_;
};

}  // namespace casewright
