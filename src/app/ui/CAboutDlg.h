#pragma once

#include <QDialog>

class QLabel;

namespace casewright {

// The About box: product name, version, the maker's line with its web site,
// and the notice for the image library the program uses.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    enum ControlId {
        IDC_PRODUCT_NAME = 1053,
        IDC_VERSION = 1013,
        IDC_MAKER_LINE = 1016,
        IDC_OK = 1,
    };

    explicit CAboutDlg(QWidget* parent = nullptr);

    static QString VersionText();
    static QString MakerLine();  // rich text with a link to the maker's site
    static QString FreeImageNotice();

private:
    QLabel* addLabel(const QString& text, const char* objectName, int y, int height);
};

}  // namespace casewright
