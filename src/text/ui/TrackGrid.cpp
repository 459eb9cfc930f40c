#include "text/ui/TrackGrid.h"

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "controls/ScreenDpi.h"
#include "document/MulDiv.h"
#include "text/ClipboardCells.h"

namespace casewright {

namespace {

constexpr int kColumnTwips[] = {0, 400, 4000, 1000};
constexpr int kRowTwips = 240;
constexpr double kGridFontPoints = 8.25;
// Text put into the hidden column of rows added after opening.
const char* const kNewRowMarker = "New Row";

}  // namespace

TrackGrid::TrackGrid(QWidget* parent) : QTableWidget(kInitialDataRows, kColumnCount, parent) {
    QFont gridFont(QStringLiteral("Arial"));
    gridFont.setPointSizeF(kGridFontPoints);
    setFont(gridFont);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    setUpColumns();

    // The editor lies over the grid as a sibling, so the grid's scrolling and
    // drawing leave it alone.
    editor_ = new CGridCellEdit(parent ? parent : this);
    editor_->setGrid(this);
    editor_->setFont(editorFont());
    editor_->installEventFilter(this);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    connect(editor_, &CGridCellEdit::commitRequested, this, &TrackGrid::commitAndMove);
    connect(editor_, &CGridCellEdit::cancelRequested, this, &TrackGrid::cancelEdit);

    connect(this, &QTableWidget::cellClicked, this, [this] {
        if (isEditing()) {
            editor_->setFocus(Qt::MouseFocusReason);
        } else {
            startEditing();
        }
    });
    connect(this, &QTableWidget::currentCellChanged, this, [this] { commitEdit(); });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        if (isEditing()) {
            editor_->setGeometry(editorRect());
        }
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { commitEdit(); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { commitEdit(); });
    setCurrentCell(0, NumberColumn);
}

int TrackGrid::TwipsToPixels(int twips, int dpi) {
    return MulDiv(twips, dpi, 1440);
}

void TrackGrid::setUpColumns() {
    setHorizontalHeaderLabels(
        {QString(), QStringLiteral("No."), QStringLiteral("Title."), QStringLiteral("Length")});
    QHeaderView* heading = horizontalHeader();
    heading->setSectionsClickable(false);
    heading->setSectionResizeMode(QHeaderView::Interactive);
    heading->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    heading->setHighlightSections(false);
    const ScreenDpi dpi = ScreenResolution(this);
    for (int column = 0; column < kColumnCount; ++column) {
        setColumnWidth(column, TwipsToPixels(kColumnTwips[column], dpi.x));
    }
    setColumnHidden(HiddenColumn, true);
    const int rowHeight = TwipsToPixels(kRowTwips, dpi.y);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    heading->setFixedHeight(rowHeight);
    // The three columns just fit the grid; once the vertical scroll bar
    // appears a horizontal one would only shift "No." out of sight.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QFont TrackGrid::editorFont() const {
    // The grid's size in points as a character height in pixels of this screen.
    QFont font = this->font();
    const double tenThousandthsOfPoint = kGridFontPoints * 10000.0;
    font.setPixelSize(
        static_cast<int>(std::lround(tenThousandthsOfPoint * ScreenResolution(this).y / 720000.0)));
    return font;
}

QString TrackGrid::cellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void TrackGrid::setCellText(int row, int column, const QString& text) {
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        setItem(row, column, cell);
    }
    cell->setText(text);
}

void TrackGrid::insertDataRow(int row) {
    insertRow(row);
    setCellText(row, HiddenColumn, QString::fromLatin1(kNewRowMarker));
}

void TrackGrid::removeDataRow(int row) {
    removeRow(row);
}

TrackListing TrackGrid::listing() const {
    std::vector<TrackRow> rows(static_cast<size_t>(rowCount()));
    for (int row = 0; row < rowCount(); ++row) {
        for (int cell = 0; cell < TrackRow::kCellCount; ++cell) {
            rows[static_cast<size_t>(row)].cell(cell) = cellText(row, NumberColumn + cell);
        }
    }
    return TrackListing(std::move(rows));
}

void TrackGrid::showListing(const TrackListing& listing) {
    commitEdit();
    while (rowCount() > listing.rowCount()) {
        removeDataRow(rowCount() - 1);
    }
    while (rowCount() < listing.rowCount()) {
        insertDataRow(rowCount());
    }
    for (int row = 0; row < listing.rowCount(); ++row) {
        for (int cell = 0; cell < TrackRow::kCellCount; ++cell) {
            setCellText(row, NumberColumn + cell, listing.row(row).cell(cell));
        }
    }
}

bool TrackGrid::isEditing() const {
    // The grid's own record: the editor stops counting itself as editing
    // before it asks for the commit.
    return editRow_ >= 0;
}

void TrackGrid::startEditing() {
    const int row = currentRow();
    const int column = currentColumn();
    if (row < 0 || column < NumberColumn) {
        return;
    }
    // Scrolled into view before the edit begins, since scrolling commits.
    scrollTo(model()->index(row, column));
    editRow_ = row;
    editColumn_ = column;
    const QTableWidgetItem* cell = item(row, column);
    const QBrush back = cell ? cell->background() : QBrush();
    const QBrush fore = cell ? cell->foreground() : QBrush();
    editor_->beginEdit(editorRect(), cellText(row, column),
                       fore.style() != Qt::NoBrush ? fore.color() : palette().text().color(),
                       back.style() != Qt::NoBrush ? back.color() : palette().base().color());
}

void TrackGrid::commitEdit() {
    if (!isEditing()) {
        return;
    }
    if (editRow_ < rowCount() && editColumn_ >= NumberColumn) {
        setCellText(editRow_, editColumn_, editor_->text());
    }
    cancelEdit();
}

void TrackGrid::cancelEdit() {
    editRow_ = editColumn_ = -1;
    // Hiding a focused editor would send the focus elsewhere in the dialog.
    const bool editorHadFocus = editor_->hasFocus();
    editor_->endEdit();
    if (editorHadFocus) {
        setFocus(Qt::OtherFocusReason);
    }
}

void TrackGrid::commitAndMove(CGridCellEdit::CommitReason reason) {
    const int row = editRow_;
    const int column = editColumn_;
    commitEdit();
    if (reason != CGridCellEdit::CommitReason::TabKey &&
        reason != CGridCellEdit::CommitReason::BacktabKey) {
        return;
    }
    // Tab walks the cells row by row, as reading the listing would.
    const int step = reason == CGridCellEdit::CommitReason::TabKey ? 1 : -1;
    const int dataColumns = kColumnCount - NumberColumn;
    const int next = row * dataColumns + (column - NumberColumn) + step;
    if (row < 0 || next < 0 || next >= rowCount() * dataColumns) {
        return;
    }
    setCurrentCell(next / dataColumns, NumberColumn + next % dataColumns);
    startEditing();
}

QRect TrackGrid::editorRect() const {
    QRect cell = visualRect(model()->index(editRow_, editColumn_));
    cell.moveTopLeft(viewport()->mapTo(editor_->parentWidget(), cell.topLeft()));
    return cell;
}

void TrackGrid::pasteCells(const QString& text) {
    const int row = isEditing() ? editRow_ : currentRow();
    const int column = isEditing() ? editColumn_ : currentColumn();
    commitEdit();
    if (ClipboardCells(text).isEmpty()) {
        return;
    }
    showListing(PasteCells(listing(), std::max(row, 0), std::max(column - NumberColumn, 0), text));
    setCurrentCell(std::max(row, 0), std::max(column, int{NumberColumn}));
}

bool TrackGrid::pasteIntoEditor(QKeyEvent* event) {
    if (!event->matches(QKeySequence::Paste) || !isEditing()) {
        return false;
    }
    // One cell's text goes into the editor as in any line edit; a block of
    // cells goes into the grid.
    const QString text = QGuiApplication::clipboard()->text();
    const QVector<QStringList> cells = ClipboardCells(text);
    if (cells.size() <= 1 && (cells.isEmpty() || cells.first().size() <= 1)) {
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        pasteCells(text);
    }
    event->accept();
    return true;
}

bool TrackGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_ &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        pasteIntoEditor(static_cast<QKeyEvent*>(event))) {
        return event->type() == QEvent::KeyPress;
    }
    return QTableWidget::eventFilter(watched, event);
}

QStringList TrackGrid::droppedFiles(const QMimeData* data) const {
    QStringList paths;
    if (!acceptsFileDrops_ || !data || !data->hasUrls()) {
        return paths;
    }
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) {
            return {};
        }
        paths << url.toLocalFile();
    }
    return paths;
}

void TrackGrid::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedFiles(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void TrackGrid::dragMoveEvent(QDragMoveEvent* event) {
    if (droppedFiles(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void TrackGrid::dropEvent(QDropEvent* event) {
    const QStringList paths = droppedFiles(event->mimeData());
    if (paths.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit filesDropped(paths);
}

void TrackGrid::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        pasteCells(QGuiApplication::clipboard()->text());
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (isEditing()) {
            commitEdit();
        } else {
            startEditing();
        }
        return;
    }
    QTableWidget::keyPressEvent(event);
}

}  // namespace casewright
