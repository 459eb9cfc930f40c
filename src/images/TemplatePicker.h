#pragma once

#include <QObject>
#include <QVector>

#include "images/TemplateEntry.h"
#include "images/TemplatePaths.h"

namespace casewright {

class CoverDocument;

// Puts templates into a design and takes them out again. A template changes
// only image paths (and, for DVD designs, the whole-cover switch); it never
// touches texts, colours or fonts, and never marks the design as changed.
class TemplatePicker : public QObject {
    Q_OBJECT

public:
    // `coverType` is the design's case type when the template window was made;
    // it decides how templates are applied for the picker's whole life.
    TemplatePicker(CoverDocument* document, int coverType, QVector<TemplateEntry> entries,
                   QObject* parent = nullptr);

    const QVector<TemplateEntry>& entries() const { return entries_; }
    int lastApplied() const { return lastApplied_; }

    // A click on template `index`; false (and nothing done) when the index is
    // outside the list or is the template applied last.
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

private:
    struct RememberedImages {
        QString front;
        QString back;
        QString disc;
        QString wholeCover;
        int coverOption = 0;
    };

    void apply(int index, const TemplatePaths& paths);
    bool isDvd() const;

    CoverDocument* document_;
    int coverType_;
    QVector<TemplateEntry> entries_;
    int lastApplied_ = -1;
    RememberedImages remembered_;
};

}  // namespace casewright
