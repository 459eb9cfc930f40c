#include "text/ui/TrackGrid.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <cmath>

#include "document/MulDiv.h"

namespace {

constexpr int kColumnTwips[] = {0, 400, 4000, 1000};
constexpr int kRowTwips = 240;
constexpr double kGridFontPoints = 8.25;
// Text put into the hidden column of rows added after opening.
const char* const kNewRowMarker = "New Row";

QScreen* Screen() {
    return QGuiApplication::primaryScreen();
}

int ScreenDpiX() {
    return Screen() ? static_cast<int>(Screen()->logicalDotsPerInchX()) : 96;
}

int ScreenDpiY() {
    return Screen() ? static_cast<int>(Screen()->logicalDotsPerInchY()) : 96;
}

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
    editor_ = new TrackCellEditor(this, parent ? parent : this);
    editor_->setFont(editorFont());
    editor_->hide();

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
            placeEditor();
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
    for (int column = 0; column < kColumnCount; ++column) {
        setColumnWidth(column, TwipsToPixels(kColumnTwips[column], ScreenDpiX()));
    }
    setColumnHidden(HiddenColumn, true);
    const int rowHeight = TwipsToPixels(kRowTwips, ScreenDpiY());
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    heading->setFixedHeight(rowHeight);
}

QFont TrackGrid::editorFont() const {
    // The grid's size in points as a character height in pixels of this screen.
    QFont font = this->font();
    const double tenThousandthsOfPoint = kGridFontPoints * 10000.0;
    font.setPixelSize(
        static_cast<int>(std::lround(tenThousandthsOfPoint * ScreenDpiY() / 720000.0)));
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
    return editor_->isVisible();
}

void TrackGrid::startEditing() {
    const int row = currentRow();
    const int column = currentColumn();
    if (row < 0 || column < NumberColumn) {
        return;
    }
    editRow_ = row;
    editColumn_ = column;
    scrollTo(model()->index(row, column));
    applyEditorColors(item(row, column));
    placeEditor();
    editor_->setText(cellText(row, column));
    editor_->show();
    editor_->raise();
    editor_->setFocus(Qt::OtherFocusReason);
    editor_->selectAll();
}

void TrackGrid::commitEdit() {
    if (!isEditing()) {
        return;
    }
    const bool editorHadFocus = editor_->hasFocus();
    if (editRow_ >= 0 && editRow_ < rowCount() && editColumn_ >= NumberColumn) {
        setCellText(editRow_, editColumn_, editor_->text());
    }
    editRow_ = editColumn_ = -1;
    // Hiding a focused editor would send the focus elsewhere in the dialog.
    if (editorHadFocus) {
        setFocus(Qt::OtherFocusReason);
    }
    editor_->hide();
}

void TrackGrid::placeEditor() {
    QRect cell = visualRect(model()->index(editRow_, editColumn_));
    cell.moveTopLeft(viewport()->mapTo(editor_->parentWidget(), cell.topLeft()));
    editor_->setGeometry(cell);
}

void TrackGrid::applyEditorColors(const QTableWidgetItem* item) {
    const QBrush back = item ? item->background() : QBrush();
    const QBrush fore = item ? item->foreground() : QBrush();
    const QColor background = back.style() != Qt::NoBrush ? back.color() : palette().base().color();
    const QColor text = fore.style() != Qt::NoBrush ? fore.color() : palette().text().color();
    editor_->setColors(text, background);
}

void TrackGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (isEditing()) {
            commitEdit();
        } else if (hasFocus()) {
            // An Enter the editor sent on its way out finds the focus elsewhere.
            startEditing();
        }
        return;
    }
    QTableWidget::keyPressEvent(event);
}
