#pragma once

#include <QTableWidget>

#include "controls/CGridCellEdit.h"
#include "text/TrackListing.h"

namespace casewright {

// The table of the track listing editor: a heading row ("No.", "Title.",
// "Length"), a hidden first column, and number, title and length columns whose
// cells are edited in place by a single-line editor laid over the current
// cell. Rows are data rows counted from 0; the heading is not one of them.
//
// Editing: a click on a cell, or Enter while the grid has the focus, opens the
// editor on the current cell; Enter in the editor, moving to another cell,
// scrolling, or the editor losing the focus writes the text back and closes it.
// Tab and Shift+Tab write it back and go on editing the next or previous cell;
// Escape closes the editor and leaves the cell as it was.
//
// Ctrl+V pastes the clipboard's text as a block of cells from the current
// cell on, split at line breaks and tabs as spreadsheets copy them, adding
// rows as it needs; in the editor, text of one cell is pasted into the editor
// as usual. Local files and folders dropped on the grid are reported with
// filesDropped() while drops are accepted.
class TrackGrid : public QTableWidget {
    Q_OBJECT
public:
    enum Column { HiddenColumn = 0, NumberColumn = 1, TitleColumn = 2, LengthColumn = 3 };
    static constexpr int kColumnCount = 4;
    static constexpr int kInitialDataRows = 8;

    explicit TrackGrid(QWidget* parent);

    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);

    // Inserts an empty data row before `row` (`row` == rowCount() appends).
    void insertDataRow(int row);
    void removeDataRow(int row);

    TrackListing listing() const;
    void showListing(const TrackListing& listing);

    // Writes clipboard text into the cells from the current cell on.
    void pasteCells(const QString& text);

    void setAcceptsFileDrops(bool accepts) { acceptsFileDrops_ = accepts; }

    bool isEditing() const;
    void startEditing();
    void commitEdit();
    CGridCellEdit* cellEditor() const { return editor_; }

    // Column widths given in twips, converted at the screen's resolution.
    static int TwipsToPixels(int twips, int dpi);

signals:
    void filesDropped(const QStringList& paths);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void setUpColumns();
    QRect editorRect() const;
    void cancelEdit();
    void commitAndMove(CGridCellEdit::CommitReason reason);
    QFont editorFont() const;
    bool pasteIntoEditor(QKeyEvent* event);
    QStringList droppedFiles(const QMimeData* data) const;

    CGridCellEdit* editor_ = nullptr;
    int editRow_ = -1;
    int editColumn_ = -1;
    bool acceptsFileDrops_ = true;
};

}  // namespace casewright
