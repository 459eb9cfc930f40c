#pragma once

#include <QDialog>
#include <QImage>
#include <vector>

class QLabel;
class QPushButton;

namespace casewright {

class SheetPageView;

// The sheets of a print job, one page at a time, as they will come out of
// the printer: each page is the whole sheet, drawn by the job itself. Print
// ends the dialog accepted (the caller prints), Close rejected.
class CPrintPreviewDlg : public QDialog {
public:
    CPrintPreviewDlg(QWidget* parent, std::vector<QImage> pages);

    int pageCount() const { return static_cast<int>(pages_.size()); }
    int currentPage() const { return current_; }
    const QImage& page(int index) const { return pages_.at(static_cast<size_t>(index)); }
    void showPage(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildLayout();

    std::vector<QImage> pages_;
    int current_ = 0;
    SheetPageView* view_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace casewright
