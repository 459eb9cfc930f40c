#include "text/ui/CCoverTextDlg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "controls/DialogUnits.h"
#include "text/ui/DocumentTextEdit.h"
#include "text/ui/TextDialogFont.h"
#include "text/ui/TextHelp.h"

namespace casewright {

namespace {

constexpr int kEditX = 71;
constexpr int kEditWidth = 247;
constexpr int kLineHeight = 14;
constexpr int kTextHeight = 61;
constexpr int kLabelX = 3;
constexpr int kLabelWidth = 67;
constexpr int kLabelHeight = 8;
constexpr int kDialogWidth = 388;
constexpr int kDialogHeight = 186;
constexpr int kMargin = 6;

}  // namespace

CCoverTextDlg::CCoverTextDlg(const CoverDocument& doc, CoverSide view, QWidget* parent)
    : CCoverTextDlg(RowSetFor(doc.covertype, view),
                    LoadCoverTexts(doc, RowSetFor(doc.covertype, view)), parent) {}

CCoverTextDlg::CCoverTextDlg(CoverTextRowSet rows, const CoverTexts& texts, QWidget* parent)
    : QDialog(parent), rows_(rows), original_(texts), texts_(texts) {
    setWindowTitle(QStringLiteral("Cover Text"));
    UseDialogFont(this);
    buildControls();
    showRows();
    moveRowsUp();
    fillBoxes();
}

QLabel* CCoverTextDlg::addLabel(const QString& text, const char* name, int x, int y) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    DialogUnits::Place(label, x, y, kLabelWidth, kLabelHeight);
    return label;
}

QLineEdit* CCoverTextDlg::addLineEdit(const char* name, int x, int y) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    DialogUnits::Place(edit, x, y, kEditWidth, kLineHeight);
    return edit;
}

DocumentTextEdit* CCoverTextDlg::addTextEdit(const char* name, int x, int y) {
    auto* edit = new DocumentTextEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    DialogUnits::Place(edit, x, y, kEditWidth, kTextHeight);
    return edit;
}

void CCoverTextDlg::buildControls() {
    // Created in tab order: spine, front, back, then the disc rows that take
    // the front rows' place.
    spineLabel_ = addLabel(QStringLiteral("Spine Text:"), "spineTextLabel", kLabelX, 3);
    spineEdit_ = addLineEdit("spineTextEdit", kEditX, 3);
    frontTitleLabel_ =
        addLabel(QStringLiteral("Front Cover Title:"), "frontTitleLabel", kLabelX, 24);
    frontTitleEdit_ = addLineEdit("frontTitleEdit", kEditX, 24);
    frontTextLabel_ = addLabel(QStringLiteral("Front Cover Text:"), "frontTextLabel", kLabelX, 40);
    frontTextEdit_ = addTextEdit("frontTextEdit", kEditX, 40);
    backTitleLabel_ = addLabel(QStringLiteral("Back Cover Title:"), "backTitleLabel", kLabelX, 107);
    backTitleEdit_ = addLineEdit("backTitleEdit", kEditX, 107);
    backTextLabel_ = addLabel(QStringLiteral("Back Cover Text:"), "backTextLabel", kLabelX, 123);
    backTextEdit_ = addTextEdit("backTextEdit", kEditX, 122);
    discTitleLabel_ = addLabel(QStringLiteral("Disc Title:"), "discTitleLabel", kLabelX, 24);
    discTitleEdit_ = addLineEdit("discTitleEdit", kEditX, 24);
    discTextLabel_ = addLabel(QStringLiteral("Disc Text:"), "discTextLabel", kLabelX, 40);
    discTextEdit_ = addTextEdit("discTextEdit", kEditX, 40);

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    // Neither button is a default button: Enter must never end the dialog.
    for (QPushButton* button : {okButton_, cancelButton_}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    DialogUnits::Place(okButton_, kEditX + kEditWidth + 9, 3, 54, 14);
    DialogUnits::Place(cancelButton_, kEditX + kEditWidth + 9, 20, 54, 14);
    connect(okButton_, &QPushButton::clicked, this, &CCoverTextDlg::takeTextsAndAccept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(DialogUnits::ToPixelsX(kDialogWidth), DialogUnits::ToPixelsY(kDialogHeight));
}

void CCoverTextDlg::showRows() {
    const CoverTextRowsShown shown = RowsShown(rows_);
    spineEdit_->setVisible(shown.spine);
    spineLabel_->setVisible(shown.back);
    for (QWidget* control :
         {static_cast<QWidget*>(frontTitleLabel_), static_cast<QWidget*>(frontTitleEdit_),
          static_cast<QWidget*>(frontTextLabel_), static_cast<QWidget*>(frontTextEdit_)}) {
        control->setVisible(shown.front);
    }
    for (QWidget* control :
         {static_cast<QWidget*>(backTitleLabel_), static_cast<QWidget*>(backTitleEdit_),
          static_cast<QWidget*>(backTextLabel_), static_cast<QWidget*>(backTextEdit_)}) {
        control->setVisible(shown.back);
    }
    for (QWidget* control :
         {static_cast<QWidget*>(discTitleLabel_), static_cast<QWidget*>(discTitleEdit_),
          static_cast<QWidget*>(discTextLabel_), static_cast<QWidget*>(discTextEdit_)}) {
        control->setVisible(shown.disc);
    }
}

void CCoverTextDlg::moveRowsUp() {
    // The single title and text row takes the top of the dialog, where the
    // hidden spine row would be, and its text box the height below it.
    const CoverTextRowsShown shown = RowsShown(rows_);
    QLabel* titleLabel = nullptr;
    QLineEdit* titleEdit = nullptr;
    QLabel* textLabel = nullptr;
    DocumentTextEdit* textEdit = nullptr;
    if (shown.disc) {
        titleLabel = discTitleLabel_;
        titleEdit = discTitleEdit_;
        textLabel = discTextLabel_;
        textEdit = discTextEdit_;
    } else if (!shown.spine) {
        titleLabel = frontTitleLabel_;
        titleEdit = frontTitleEdit_;
        textLabel = frontTextLabel_;
        textEdit = frontTextEdit_;
    } else {
        return;
    }
    const QRect spine = spineEdit_->geometry();
    const int labelLeft = spineLabel_->x();
    const int spineBottom = spine.y() + spine.height();
    const int textTop = spineBottom + static_cast<int>(spine.height() * 0.12);
    const int textBottom = height() - DialogUnits::ToPixelsY(kMargin);

    titleEdit->move(spine.topLeft());
    titleLabel->move(labelLeft, spine.y());
    textEdit->setGeometry(spine.x(), textTop, textEdit->width(), textBottom - textTop);
    textLabel->move(labelLeft, textTop);
}

void CCoverTextDlg::fillBoxes() {
    spineEdit_->setText(texts_.spineText);
    backTextEdit_->setDocumentText(texts_.backText);
    backTitleEdit_->setText(texts_.backTitle);
    frontTextEdit_->setDocumentText(texts_.frontText);
    frontTitleEdit_->setText(texts_.frontTitle);
    discTextEdit_->setDocumentText(texts_.discText);
    discTitleEdit_->setText(texts_.discTitle);
}

void CCoverTextDlg::takeTextsAndAccept() {
    texts_ = CoverTexts{};
    texts_.spineText = spineEdit_->text();
    texts_.backText = backTextEdit_->documentText();
    texts_.frontText = frontTextEdit_->documentText();
    texts_.discText = discTextEdit_->documentText();
    texts_.backTitle = backTitleEdit_->text();
    texts_.frontTitle = frontTitleEdit_->text();
    texts_.discTitle = discTitleEdit_->text();
    accept();
}

bool CCoverTextDlg::applyTo(CoverDocument& doc) const {
    if (result() != QDialog::Accepted) {
        return false;
    }
    return StoreCoverTexts(doc, rows_, texts_, original_);
}

void CCoverTextDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_F1:
            event->accept();
            OpenTextsHelp(this);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Reaches the dialog only from boxes that have no use for it.
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

}  // namespace casewright
