#include <QApplication>
#include <QIcon>
#include <memory>

#include "app/ProductInfo.h"
#include "app/ui/CCoverApp.h"
#include "controls/Artwork.h"
#include "designer/CNewCoverDlg.h"
#include "designer/DesignerWindowRun.h"
#include "document/CoverDocument.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProductInfo::Name());
    QApplication::setOrganizationName(ProductInfo::Maker());
    QApplication::setWindowIcon(QIcon(QString::fromLatin1(Artwork::kApplicationIcon)));

    // The one design of the run: its font point sizes outlive each window.
    CoverDocument document;
    CCoverApp::Windows windows;
    windows.runNewCoverDialog = [] {
        CNewCoverDlg dialog;
        dialog.exec();
    };
    windows.createDesigner = [&document] { return std::make_unique<DesignerWindowRun>(document); };
    return CCoverApp(windows).run(QApplication::arguments());
}
