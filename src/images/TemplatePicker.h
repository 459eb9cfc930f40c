#pragma once

#include <QObject>
#include <QVector>
#include <functional>

#include "images/ImageFileCheck.h"
#include "images/TemplateEntry.h"
#include "images/TemplatePaths.h"

namespace casewright {

class CoverDesign;
class CoverDocument;

// Puts templates into a design and takes them out again. A template changes
// only image paths (and, for DVD designs, the whole-cover switch); it never
// touches texts, colours or fonts. Each application is one undo step.
//
// Only images that can be drawn go into the design: a template's front or
// disc file that is missing or cannot be drawn leaves that surface without an
// image (the design could not be saved with a missing file, and would carry
// an unusable one), and a template whose back file cannot be drawn is not
// applied at all; imageRefused() then says why.
class TemplatePicker : public QObject {
    Q_OBJECT

public:
    using ImageCheck = std::function<ImageFileCheck(const QString& path)>;

    // `coverType` is the design's case type when the template window was made;
    // it decides how templates are applied for the picker's whole life.
    // `check` tells whether an image file can be drawn.
    TemplatePicker(CoverDesign* design, int coverType, QVector<TemplateEntry> entries,
                   ImageCheck check, QObject* parent = nullptr);

    const QVector<TemplateEntry>& entries() const { return entries_; }
    int lastApplied() const { return lastApplied_; }

    // A click on template `index`; false (and nothing done) when the index is
    // outside the list or is the template applied last. A template refused
    // for its back image counts as the one applied last, so that the arrow
    // keys step past it.
    bool applyClicked(int index);
    // The arrow keys: the template before or after the one applied last.
    // Right with nothing applied yet applies the first; false at either end
    // and for Left with nothing applied yet.
    bool applyPrevious();
    bool applyNext();

    // Keeps the design's current images, to be put back by restoreImages().
    void rememberImages();
    void restoreImages();

    // The template the design's current images come from: the one whose back
    // file is the design's back (or, for DVD designs, whole-cover) image, else
    // the first whose label equals the label of the back image's file name;
    // -1 when none.
    int indexOfCurrentTemplate() const;

signals:
    // The design's images changed; the previews must be redrawn.
    void designChanged();
    // A template was not applied; `message` tells the user why.
    void imageRefused(const QString& message);

private:
    struct RememberedImages {
        QString front;
        QString back;
        QString disc;
        QString wholeCover;
        int coverOption = 0;
    };

    void apply(int index, const TemplatePaths& paths);
    QString drawableOrNone(const QString& path) const;
    bool isDvd() const;

    CoverDesign* design_;
    const CoverDocument& document() const;
    int coverType_;
    QVector<TemplateEntry> entries_;
    ImageCheck check_;
    int lastApplied_ = -1;
    RememberedImages remembered_;
};

}  // namespace casewright
