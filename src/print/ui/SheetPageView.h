#pragma once

#include <QImage>
#include <QWidget>

namespace casewright {

// One printed sheet on a grey desk, scaled to fit the widget with its true
// proportions, with a thin edge so that white paper stands out.
class SheetPageView : public QWidget {
public:
    explicit SheetPageView(QWidget* parent = nullptr);

    void setPage(const QImage& page);
    // Where the sheet is drawn, in widget pixels.
    QRect sheetRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage page_;
};

}  // namespace casewright
