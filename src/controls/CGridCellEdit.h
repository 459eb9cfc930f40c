#pragma once

#include <QLineEdit>
#include <QPointer>

namespace casewright {

// The single-line editor an editable grid shows over the cell being edited.
// The grid owns one, hidden until a cell is edited, and decides what a
// commit or a cancel does; the editor only reports them.
//
//   editor->setGrid(grid);  // focus moving into the grid is not a commit
//   editor->beginEdit(cellRect, cellText, textColor, backgroundColor);
//   commitRequested -> the grid writes editor->text() into the cell and
//                      calls editor->endEdit()
//   cancelRequested -> the grid calls editor->endEdit()
//
// Keys (none of them reaches the dialog: Enter never presses its default
// button, Escape never closes it, Tab never moves the focus on):
//   Enter, Return        commitRequested(EnterKey)
//   Tab, Shift+Tab       commitRequested(TabKey / BacktabKey); the grid may
//                        move to the next or previous cell
//   Escape               cancelRequested()
//   Left, Right, Home, End  move the text cursor, as in any line edit
//   Up, Down             kept by the editor, which ignores them
// Losing the focus to any widget other than the grid (another control, a
// window of another program) while editing: commitRequested(FocusLost).
// A context menu of the editor itself is not a focus loss.
//
// Signals are emitted at most once per edit and handlers may call endEdit()
// from inside them.
class CGridCellEdit : public QLineEdit {
    Q_OBJECT

public:
    enum class CommitReason { EnterKey, TabKey, BacktabKey, FocusLost };
    Q_ENUM(CommitReason)

    explicit CGridCellEdit(QWidget* parent = nullptr);

    void setGrid(QWidget* grid);
    QWidget* grid() const { return grid_; }

    // Places the editor at `cell` (in its parent's coordinates), shows the
    // text with the cell's colours, focuses it and selects the whole text.
    void beginEdit(const QRect& cell, const QString& text, const QColor& textColor,
                   const QColor& backgroundColor);
    // Hides the editor without reporting anything.
    void endEdit();
    bool isEditing() const { return editing_; }

    void setColors(const QColor& textColor, const QColor& backgroundColor);
    QColor textColor() const;
    QColor backgroundColor() const;

signals:
    void commitRequested(CGridCellEdit::CommitReason reason);
    void cancelRequested();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    static bool isEditorKey(int key);
    bool focusWentToGrid() const;
    void finish(bool commit, CommitReason reason);

    QPointer<QWidget> grid_;
    bool editing_ = false;
};

}  // namespace casewright
