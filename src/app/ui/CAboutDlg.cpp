#include "app/ui/CAboutDlg.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include "app/ProductInfo.h"
#include "app/ui/HelpLocator.h"
#include "controls/Artwork.h"
#include "controls/DialogUnits.h"
#include "controls/Prompter.h"

namespace casewright {

namespace {

const QString kLicenceFile = QStringLiteral("freeimage-license.txt");

void OpenLink(const QString& link) {
    Prompter::instance().openUrl(QUrl(link));
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(ProductInfo::Name());
    HelpLocator::ConnectHelpKey(this, QStringLiteral("about.html#about"));
    setFixedSize(DialogUnits::ToPixelsX(236), DialogUnits::ToPixelsY(160));

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setPixmap(QPixmap(QLatin1String(Artwork::kLogo)));
    logo->move(DialogUnits::ToPixelsX(10), DialogUnits::ToPixelsY(6));
    logo->adjustSize();

    QLabel* name = addLabel(ProductInfo::Name(), "productName", 42, 14);
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.5);
    name->setFont(nameFont);
    addLabel(VersionText(), "versionLabel", 58, 10);

    QLabel* maker = addLabel(MakerLine(), "makerLine", 70, 10);
    maker->setTextFormat(Qt::RichText);
    maker->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(maker, &QLabel::linkActivated, this, &OpenLink);

    QLabel* notice = addLabel(FreeImageNotice(), "freeImageNotice", 86, 48);
    notice->setWordWrap(true);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    DialogUnits::Place(ok, 179, 139, 50, 14);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QLabel* CAboutDlg::addLabel(const QString& text, const char* objectName, int y, int height) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(objectName));
    label->setTextFormat(Qt::PlainText);
    DialogUnits::Place(label, 10, y, 216, height);
    return label;
}

QString CAboutDlg::VersionText() {
    return QStringLiteral("Version: ") + ProductInfo::Version();
}

QString CAboutDlg::MakerLine() {
    const QString site = ProductInfo::MakerSiteUrl();
    return QStringLiteral("Made by %1 &mdash; <a href=\"%2\">%3</a>")
        .arg(ProductInfo::Maker().toHtmlEscaped(), site.toHtmlEscaped(),
             QUrl(site).host().toHtmlEscaped());
}

QString CAboutDlg::FreeImageNotice() {
    QString notice = QStringLiteral(
                         "This software uses the FreeImage open source image library, under the "
                         "FreeImage Public License, version 1.0. Its terms are in the file \"%1\" "
                         "in the installation folder")
                         .arg(kLicenceFile);
    const QString found = HelpLocator::FindDataFile(kLicenceFile);
    if (!found.isEmpty()) {
        notice += QStringLiteral(" (%1)").arg(QFileInfo(found).absolutePath());
    }
    return notice + QLatin1Char('.');
}

}  // namespace casewright
