#include "images/TemplatePicker.h"

#include <QFileInfo>

#include "document/CoverDocument.h"
#include "document/CoverTypes.h"
#include "images/TemplateLabel.h"

namespace casewright {

TemplatePicker::TemplatePicker(CoverDocument* document, int coverType,
                               QVector<TemplateEntry> entries, ImageCheck check, QObject* parent)
    : QObject(parent),
      document_(document),
      coverType_(coverType),
      entries_(std::move(entries)),
      check_(std::move(check)) {
    rememberImages();
}

bool TemplatePicker::applyClicked(int index) {
    if (index < 0 || index >= entries_.size() || index == lastApplied_) {
        return false;
    }
    apply(index, TemplatePaths::forClick(entries_[index]));
    return true;
}

bool TemplatePicker::applyPrevious() {
    const int index = lastApplied_ - 1;
    if (lastApplied_ < 0 || index < 0) {
        return false;
    }
    apply(index, TemplatePaths::forArrowKey(entries_[index]));
    return true;
}

bool TemplatePicker::applyNext() {
    const int index = lastApplied_ + 1;
    if (index >= entries_.size()) {
        return false;
    }
    apply(index, TemplatePaths::forArrowKey(entries_[index]));
    return true;
}

void TemplatePicker::rememberImages() {
    remembered_ = {document_->fImagePath, document_->bImagePath, document_->dImagePath,
                   document_->sImagePath, document_->CoverOption};
}

// The whole-cover image and its switch are put back too: for a DVD design the
// template's picture lies in them, and Cancel must take it away again.
void TemplatePicker::restoreImages() {
    document_->fImagePath = remembered_.front;
    document_->bImagePath = remembered_.back;
    document_->dImagePath = remembered_.disc;
    document_->sImagePath = remembered_.wholeCover;
    document_->CoverOption = remembered_.coverOption;
    emit designChanged();
}

int TemplatePicker::indexOfCurrentTemplate() const {
    for (int i = 0; i < entries_.size(); ++i) {
        const QString back = entries_[i].backPath();
        if (back == document_->bImagePath || (isDvd() && back == document_->sImagePath)) {
            return i;
        }
    }
    if (document_->bImagePath.isEmpty()) {
        return -1;
    }
    const QString label = TemplateLabel::fromFileName(QFileInfo(document_->bImagePath).fileName());
    for (int i = 0; i < entries_.size(); ++i) {
        if (TemplateLabel::fromFileName(entries_[i].backFileName) == label) {
            return i;
        }
    }
    return -1;
}

void TemplatePicker::apply(int index, const TemplatePaths& paths) {
    lastApplied_ = index;
    const ImageFileCheck back = check_(paths.back);
    if (!back.drawable()) {
        emit imageRefused(ImageRefusalText(paths.back, back));
        return;
    }
    const QString disc = drawableOrNone(paths.disc);
    if (isDvd()) {
        // The back file of a template is laid over the whole DVD wrap.
        document_->CoverOption = 0;
        document_->sImagePath = paths.back;
        document_->dImagePath = disc;
    } else {
        document_->sImagePath.clear();
        document_->bImagePath = paths.back;
        document_->fImagePath = drawableOrNone(paths.front);
        document_->dImagePath = disc;
    }
    emit designChanged();
}

QString TemplatePicker::drawableOrNone(const QString& path) const {
    return check_(path).drawable() ? path : QString();
}

bool TemplatePicker::isDvd() const {
    return IsDvdType(coverType_);
}

}  // namespace casewright
