#include "images/TemplatePicker.h"

#include <QFileInfo>

#include "document/CoverDesign.h"
#include "document/CoverTypes.h"
#include "images/TemplateLabel.h"

namespace casewright {

TemplatePicker::TemplatePicker(CoverDesign* design, int coverType, QVector<TemplateEntry> entries,
                               ImageCheck check, QObject* parent)
    : QObject(parent),
      design_(design),
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

const CoverDocument& TemplatePicker::document() const {
    return design_->document();
}

void TemplatePicker::rememberImages() {
    const CoverDocument& d = document();
    remembered_ = {d.fImagePath, d.bImagePath, d.dImagePath, d.sImagePath, d.CoverOption};
}

// The whole-cover image and its switch are put back too: for a DVD design the
// template's picture lies in them, and Cancel must take it away again.
void TemplatePicker::restoreImages() {
    design_->applyIfChanged(QStringLiteral("Cancel Templates"), [this](CoverDocument& d) {
        d.fImagePath = remembered_.front;
        d.bImagePath = remembered_.back;
        d.dImagePath = remembered_.disc;
        d.sImagePath = remembered_.wholeCover;
        d.CoverOption = remembered_.coverOption;
    });
    emit designChanged();
}

int TemplatePicker::indexOfCurrentTemplate() const {
    for (int i = 0; i < entries_.size(); ++i) {
        const QString back = entries_[i].backPath();
        if (back == document().bImagePath || (isDvd() && back == document().sImagePath)) {
            return i;
        }
    }
    if (document().bImagePath.isEmpty()) {
        return -1;
    }
    const QString label = TemplateLabel::fromFileName(QFileInfo(document().bImagePath).fileName());
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
    const QString front = isDvd() ? QString() : drawableOrNone(paths.front);
    design_->applyIfChanged(QStringLiteral("Apply Template"), [&](CoverDocument& d) {
        if (isDvd()) {
            // The back file of a template is laid over the whole DVD wrap.
            d.CoverOption = 0;
            d.sImagePath = paths.back;
            d.dImagePath = disc;
        } else {
            d.sImagePath.clear();
            d.bImagePath = paths.back;
            d.fImagePath = front;
            d.dImagePath = disc;
        }
    });
    emit designChanged();
}

QString TemplatePicker::drawableOrNone(const QString& path) const {
    return check_(path).drawable() ? path : QString();
}

bool TemplatePicker::isDvd() const {
    return IsDvdType(coverType_);
}

}  // namespace casewright
