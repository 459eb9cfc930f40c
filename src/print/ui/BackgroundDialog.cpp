#include "print/ui/BackgroundDialog.h"

#include <QImageReader>
#include <QPainter>

#include "controls/Artwork.h"

namespace casewright {

BackgroundDialog::BackgroundDialog(QWidget* parent) : QDialog(parent) {}

void BackgroundDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    QImageReader reader(QString::fromLatin1(Artwork::kDialogBackground));
    reader.setScaledSize(size());
    const QImage picture = reader.read();
    if (!picture.isNull()) {
        painter.drawImage(rect(), picture);
    }
}

}  // namespace casewright
