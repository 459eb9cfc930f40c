#pragma once

#include <QWidget>

#include "print/DiscSheet.h"
#include "print/LabelSelection.h"

namespace casewright {

// A small picture of a label sheet on which the user picks the labels that
// receive the disc design: a click on a label chooses it or leaves it out
// again. With the keyboard, the arrow keys move between the labels, Space
// or Enter chooses or leaves the label with the focus, and A chooses all.
// The last chosen label cannot be left out: a disc always has a place.
class CSheetPicker : public QWidget {
    Q_OBJECT

public:
    explicit CSheetPicker(QWidget* parent);

    void setSheet(const DiscSheet& sheet);
    const DiscSheet& sheet() const { return sheet_; }
    int labelCount() const { return static_cast<int>(sheet_.labels.size()); }

    void setSelection(const LabelSelection& selection);
    LabelSelection selection() const { return selection_; }

    // The label with the keyboard focus, from 0.
    int currentIndex() const { return current_; }
    // Where a label is drawn, in widget coordinates.
    QRectF labelRect(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user chose or left out a label.
    void selectionChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRectF paperRect() const;
    int labelAt(const QPointF& point) const;
    int neighbour(int dx, int dy) const;
    // On the sheet shown; a selection none of whose labels it has means label 1.
    bool isChosen(int index) const;
    void toggle(int index);
    void choose(const LabelSelection& selection);
    void describe();

    DiscSheet sheet_;
    LabelSelection selection_;
    int current_ = 0;
};

}  // namespace casewright
