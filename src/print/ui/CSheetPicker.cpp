#include "print/ui/CSheetPicker.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStringList>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <limits>

namespace casewright {

namespace {

constexpr int kMargin = 3;
constexpr double kPreviewHeight = 120;  // pixels for a sheet of A4's height

// A label is reached by clicking its disc, or the card around a disc cut
// to a card's shape.
bool Hits(const QRectF& disc, const QRectF& area, const QPointF& p) {
    const QPointF d = p - disc.center();
    const double rx = disc.width() / 2;
    const double ry = disc.height() / 2;
    const bool inDisc =
        rx > 0 && ry > 0 && (d.x() * d.x()) / (rx * rx) + (d.y() * d.y()) / (ry * ry) <= 1;
    return inDisc && area.contains(p);
}

}  // namespace

CSheetPicker::CSheetPicker(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Labels to print the disc on"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CSheetPicker::setSheet(const DiscSheet& sheet) {
    sheet_ = sheet;
    current_ = std::min(current_, std::max(0, labelCount() - 1));
    updateGeometry();
    describe();
    update();
}

void CSheetPicker::setSelection(const LabelSelection& selection) {
    selection_ = selection;
    describe();
    update();
}

QSize CSheetPicker::sizeHint() const {
    const QSizeF paper = sheet_.paper.size(QPageSize::Inch);
    const double scale = kPreviewHeight / 11.69;  // A4's height in inches
    const double w = paper.isValid() ? paper.width() * scale : 85;
    const double h = paper.isValid() ? paper.height() * scale : kPreviewHeight;
    return QSize(static_cast<int>(std::ceil(w)) + 2 * kMargin,
                 static_cast<int>(std::ceil(h)) + 2 * kMargin);
}

QSize CSheetPicker::minimumSizeHint() const {
    return sizeHint();
}

QRectF CSheetPicker::paperRect() const {
    const QSizeF paper = sheet_.paper.size(QPageSize::Inch);
    const QRectF room = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
    if (!paper.isValid() || paper.isEmpty()) {
        return room;
    }
    const double scale = std::min(room.width() / paper.width(), room.height() / paper.height());
    const QSizeF size = paper * scale;
    return QRectF(room.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

QRectF CSheetPicker::labelRect(int index) const {
    if (index < 0 || index >= labelCount()) {
        return QRectF();
    }
    const QRectF page = paperRect();
    const QSizeF paper = sheet_.paper.size(QPageSize::Inch);
    const double scale = paper.width() > 0 ? page.width() / paper.width() : 1;
    const QRectF& disc = sheet_.labels[static_cast<size_t>(index)].disc;
    return QRectF(page.topLeft() + disc.topLeft() * scale, disc.size() * scale);
}

int CSheetPicker::labelAt(const QPointF& point) const {
    const QRectF page = paperRect();
    const QSizeF paper = sheet_.paper.size(QPageSize::Inch);
    const double scale = paper.width() > 0 ? page.width() / paper.width() : 1;
    for (int i = 0; i < labelCount(); ++i) {
        const QRectF& area = sheet_.labels[static_cast<size_t>(i)].area;
        const QRectF areaRect(page.topLeft() + area.topLeft() * scale, area.size() * scale);
        if (Hits(labelRect(i), areaRect, point)) {
            return i;
        }
    }
    return -1;
}

void CSheetPicker::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QPalette& pal = palette();
    const bool enabled = isEnabled();
    const QRectF page = paperRect();
    p.setPen(QPen(pal.color(QPalette::Mid), 1));
    p.setBrush(Qt::white);
    p.drawRect(page);
    const QColor chosen = enabled ? pal.color(QPalette::Highlight) : pal.color(QPalette::Mid);
    for (int i = 0; i < labelCount(); ++i) {
        const QRectF r = labelRect(i);
        const bool on = isChosen(i);
        p.setPen(QPen(pal.color(QPalette::Dark), 1));
        p.setBrush(on ? chosen : QColor(Qt::white));
        p.drawEllipse(r);
        const double hub = sheet_.labels[static_cast<size_t>(i)].hubDiameter /
                           sheet_.labels[static_cast<size_t>(i)].disc.width() * r.width();
        if (hub > 2) {
            p.setBrush(Qt::white);
            p.drawEllipse(r.center(), hub / 2, hub / 2);
        }
        if (r.width() >= 18) {
            p.setPen(on ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
            QFont f = font();
            f.setPixelSize(std::max(7, static_cast<int>(r.width() / 4)));
            p.setFont(f);
            const QRectF numberBox(r.left(), r.top() + r.height() * 0.08, r.width(),
                                   r.height() * 0.3);
            p.drawText(numberBox, Qt::AlignCenter, QString::number(i + 1));
        }
        if (hasFocus() && i == current_) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(pal.color(QPalette::Text), 1, Qt::DotLine));
            p.drawRect(r.adjusted(-1.5, -1.5, 1.5, 1.5));
        }
    }
}

void CSheetPicker::mousePressEvent(QMouseEvent* event) {
    const int index = labelAt(event->position());
    if (event->button() != Qt::LeftButton || index < 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    current_ = index;
    toggle(index);
}

// The nearest label in the direction (dx, dy), by the distance of centres.
int CSheetPicker::neighbour(int dx, int dy) const {
    if (labelCount() == 0) {
        return -1;
    }
    const QPointF from = sheet_.labels[static_cast<size_t>(current_)].centre();
    int best = -1;
    double bestDistance = std::numeric_limits<double>::max();
    for (int i = 0; i < labelCount(); ++i) {
        const QPointF d = sheet_.labels[static_cast<size_t>(i)].centre() - from;
        const double along = dx != 0 ? d.x() * dx : d.y() * dy;
        const double across = dx != 0 ? d.y() : d.x();
        if (i == current_ || along <= 1e-6) {
            continue;
        }
        const double distance = along + 2 * std::abs(across);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

void CSheetPicker::keyPressEvent(QKeyEvent* event) {
    if (labelCount() == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    int next = -1;
    switch (event->key()) {
        case Qt::Key_Left:
            next = neighbour(-1, 0);
            break;
        case Qt::Key_Right:
            next = neighbour(1, 0);
            break;
        case Qt::Key_Up:
            next = neighbour(0, -1);
            break;
        case Qt::Key_Down:
            next = neighbour(0, 1);
            break;
        case Qt::Key_Home:
            next = 0;
            break;
        case Qt::Key_End:
            next = labelCount() - 1;
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            toggle(current_);
            return;
        case Qt::Key_A:
            choose(LabelSelection::All());
            return;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    if (next >= 0) {
        current_ = next;
        describe();
        update();
    }
}

bool CSheetPicker::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int index = labelAt(help->pos());
        if (index >= 0) {
            QToolTip::showText(
                help->globalPos(),
                QStringLiteral("Label %1%2")
                    .arg(index + 1)
                    .arg(isChosen(index) ? QStringLiteral(": the disc is printed here")
                                         : QString()),
                this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        update();
    }
    return QWidget::event(event);
}

bool CSheetPicker::isChosen(int index) const {
    const std::vector<int> chosen = selection_.indexesOn(labelCount());
    return std::find(chosen.begin(), chosen.end(), index) != chosen.end();
}

void CSheetPicker::toggle(int index) {
    choose(selection_.toggled(index + 1, labelCount()));
}

void CSheetPicker::choose(const LabelSelection& selection) {
    const bool changed = selection != selection_;
    selection_ = selection;
    describe();
    update();
    if (changed) {
        emit selectionChanged();
    }
}

// What a screen reader says about the picture.
void CSheetPicker::describe() {
    QStringList chosen;
    for (const int index : selection_.indexesOn(labelCount())) {
        chosen << QString::number(index + 1);
    }
    setAccessibleDescription(
        QStringLiteral("%1 labels on the sheet; the disc is printed on label %2. Label %3 has "
                       "the focus.")
            .arg(labelCount())
            .arg(chosen.join(QStringLiteral(", ")))
            .arg(current_ + 1));
}

}  // namespace casewright
