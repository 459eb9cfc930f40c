#include <QApplication>
#include <QIcon>

#include "app/ProductInfo.h"
#include "app/ui/CCoverApp.h"
#include "app/ui/CoverAppWindows.h"
#include "controls/Artwork.h"
#include "document/CoverDocument.h"
#include "print/ui/InstalledStocks.h"

using namespace casewright;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProductInfo::Name());
    QApplication::setOrganizationName(ProductInfo::Maker());
    QApplication::setApplicationVersion(ProductInfo::Version());
    QApplication::setDesktopFileName(ProductInfo::ApplicationId());
    QApplication::setWindowIcon(QIcon(QLatin1String(Artwork::kApplicationIcon)));
    // The program is a sequence of modal windows; the gap between two of
    // them must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    // Read the label sheet templates while the user designs, not when the
    // Print dialog opens.
    InstalledStocks::StartLoading();

    // The one design of the run: its font point sizes outlive each window.
    CoverDocument document;
    CCoverApp coverApp(MakeCoverAppWindows(document));
    return coverApp.run(QApplication::arguments());
}
