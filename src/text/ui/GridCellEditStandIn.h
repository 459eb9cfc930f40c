#pragma once

#include <QColor>
#include <QLineEdit>
#include <QPointer>

// The single-line editor that the track grid places over a cell. Enter, and
// losing the focus to anything but the grid, hand an Enter key press to the
// grid, which commits the cell. Home, End and the arrow keys stay in the
// editor, and it paints with its own text and background colours.
class GridCellEditStandIn : public QLineEdit {
    Q_OBJECT
public:
    GridCellEditStandIn(QWidget* grid, QWidget* parent);

    void setColors(const QColor& text, const QColor& background);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void sendEnterToGrid();

    QPointer<QWidget> grid_;
};
