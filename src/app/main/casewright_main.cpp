#include <QApplication>
#include <QMessageBox>

#include "app/ProductInfo.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProductInfo::Name());
    QApplication::setOrganizationName(ProductInfo::Maker());
    QMessageBox::information(nullptr, ProductInfo::Name(),
                             QStringLiteral("The designer window is not built yet."));
    return 0;
}
