#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <optional>

#include "document/CoverDocument.h"

namespace casewright {

// The design being edited, and the only way to change it. Every edit is a
// step on the undo stack holding the whole document before and after (the
// document is a small value; pictures are paths), so undoing restores the
// exact design. Each edit enforces the design's invariants, keeps
// coverChanged equal to "not at the state last saved or loaded" and emits
// changed() once.
class CoverDesign : public QObject {
    Q_OBJECT
public:
    // The document outlives the design object: point sizes chosen in the
    // font dialog stay in effect for the next design.
    explicit CoverDesign(CoverDocument& document, QObject* parent = nullptr);
    ~CoverDesign() override;

    const CoverDocument& document() const { return document_; }
    QUndoStack& undoStack() { return stack_; }
    const QUndoStack& undoStack() const { return stack_; }
    bool isChanged() const { return document_.coverChanged; }

    // A new, loaded or restarted design: `document` as it is, an empty undo
    // stack, nothing changed. No invariants are applied, so a design that is
    // saved again untouched keeps its bytes.
    void startWith(const CoverDocument& document);
    // The design was written to its file: this state is the clean one.
    void markSaved();

    // ---- named edits (each one step, named after the command) ------------
    void setBackgroundColor(CoverSide side, ColorRef color);
    void setAllBackgroundColors(ColorRef color);
    void setFont(CoverSide side, const LogFont& font, ColorRef textColor, int pointSizeTenths);
    void setAlignment(CoverSide side, int align);
    void setImage(CoverSide side, const QString& path, const QString& stepName);
    void setBorders(CoverSide side, bool shown);
    // The view's check box: spines print-over on the front and back (on the
    // DVD wrap also the spine itself), the core on the disc.
    void setSpineOrCoreSwitch(CoverSide side, bool on);
    // A picture dropped on a view; on the back it is also the DVD's
    // whole-cover picture.
    void dropImage(CoverSide side, const QString& path);
    // A dialog closed with OK: the document it made from a copy.
    void replace(const QString& stepName, const CoverDocument& edited);
    // Any other change, as one step named `stepName`.
    void apply(const QString& stepName, const std::function<void(CoverDocument&)>& change);
    // The same, but no step when the change leaves the design as it was.
    void applyIfChanged(const QString& stepName, const std::function<void(CoverDocument&)>& change);

    // A dialog that shows its choices in the preview while it is open: its
    // drafts are shown without steps, and the whole session becomes one step
    // when it ends (none when the design ends as it began).
    void beginSession();
    void showDraft(const CoverDocument& draft);
    void endSession(const QString& stepName);
    bool inSession() const { return sessionStart_.has_value(); }

    // Disc text centred, the standard CD tray card's text from the left, the
    // DVD wrap's spine drawn as its "Print Spine?" switch says.
    static void EnforceInvariants(CoverDocument& document);

signals:
    void changed();

private:
    friend class DesignSnapshotStep;
    void commit(const QString& stepName, CoverDocument after, bool alwaysStep);
    void restore(const CoverDocument& snapshot);
    void syncChangedFlag();

    CoverDocument& document_;
    QUndoStack stack_;
    std::optional<CoverDocument> sessionStart_;
};

}  // namespace casewright
