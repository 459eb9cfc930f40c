#include "document/CoverDesign.h"

#include <QUndoCommand>

#include "document/DvdSpineSwitch.h"

namespace casewright {

// One step: the whole document before and after.
class DesignSnapshotStep : public QUndoCommand {
public:
    DesignSnapshotStep(CoverDesign& design, const QString& name, CoverDocument before,
                       CoverDocument after)
        : QUndoCommand(name),
          design_(design),
          before_(std::move(before)),
          after_(std::move(after)) {}

    void undo() override { design_.restore(before_); }
    void redo() override { design_.restore(after_); }

private:
    CoverDesign& design_;
    CoverDocument before_;
    CoverDocument after_;
};

CoverDesign::CoverDesign(CoverDocument& document, QObject* parent)
    : QObject(parent), document_(document) {
    // The stack sets its index after a step's redo() or undo(): only then is
    // it known whether the design is back at its clean state.
    connect(&stack_, &QUndoStack::indexChanged, this, [this] {
        syncChangedFlag();
        emit changed();
    });
}

// The stack empties itself when it goes and reports that; nobody may hear
// it then.
CoverDesign::~CoverDesign() {
    stack_.disconnect();
}

void CoverDesign::startWith(const CoverDocument& document) {
    sessionStart_.reset();
    stack_.clear();
    if (&document != &document_) {
        document_ = document;
    }
    stack_.setClean();
    document_.coverChanged = false;
    emit changed();
}

void CoverDesign::markSaved() {
    stack_.setClean();
    document_.coverChanged = false;
}

void CoverDesign::syncChangedFlag() {
    document_.coverChanged = !stack_.isClean();
}

void CoverDesign::restore(const CoverDocument& snapshot) {
    document_ = snapshot;
}

void CoverDesign::EnforceInvariants(CoverDocument& document) {
    document.dCoverAlign = CENTER;
    if (DisplayCoverType(document.covertype) == CoverTypeStandardCD) {
        document.bCoverAlign = LEFT;
    }
    RestoreDvdSpineSwitch(document);
}

void CoverDesign::commit(const QString& stepName, CoverDocument after, bool alwaysStep) {
    EnforceInvariants(after);
    after.coverChanged = true;
    if (!alwaysStep && after == document_) {
        return;
    }
    CoverDocument before = document_;
    stack_.push(new DesignSnapshotStep(*this, stepName, std::move(before), std::move(after)));
}

void CoverDesign::apply(const QString& stepName,
                        const std::function<void(CoverDocument&)>& change) {
    CoverDocument after = document_;
    change(after);
    commit(stepName, std::move(after), true);
}

void CoverDesign::applyIfChanged(const QString& stepName,
                                 const std::function<void(CoverDocument&)>& change) {
    CoverDocument after = document_;
    change(after);
    commit(stepName, std::move(after), false);
}

void CoverDesign::replace(const QString& stepName, const CoverDocument& edited) {
    commit(stepName, edited, true);
}

void CoverDesign::setBackgroundColor(CoverSide side, ColorRef color) {
    apply(QStringLiteral("Choose Color"),
          [&](CoverDocument& d) { d.surface(side).bgColor = color; });
}

void CoverDesign::setAllBackgroundColors(ColorRef color) {
    apply(QStringLiteral("Choose Color"),
          [&](CoverDocument& d) { d.fBGColor = d.bBGColor = d.dBGColor = color; });
}

void CoverDesign::setFont(CoverSide side, const LogFont& font, ColorRef textColor,
                          int pointSizeTenths) {
    apply(QStringLiteral("Choose Font"), [&](CoverDocument& d) {
        const SurfaceFields surface = d.surface(side);
        surface.font = font;
        surface.textColor = textColor;
        surface.pointSize = pointSizeTenths;
    });
}

void CoverDesign::setAlignment(CoverSide side, int align) {
    apply(QStringLiteral("Align Text"), [&](CoverDocument& d) { d.surface(side).align = align; });
}

void CoverDesign::setImage(CoverSide side, const QString& path, const QString& stepName) {
    apply(stepName, [&](CoverDocument& d) { d.surface(side).imagePath = path; });
}

void CoverDesign::setBorders(CoverSide side, bool shown) {
    apply(QStringLiteral("Print Borders"),
          [&](CoverDocument& d) { d.surface(side).showBorder = shown; });
}

void CoverDesign::setSpineOrCoreSwitch(CoverSide side, bool on) {
    const QString name =
        side == CoverSide::Disc ? QStringLiteral("Print Over Core") : QStringLiteral("Spines");
    apply(name, [&](CoverDocument& d) {
        switch (side) {
            case CoverSide::Front:
                d.bFrontPrintOverSpines = on;
                break;
            case CoverSide::Back:
                d.bBackPrintOverSpines = on;
                break;
            case CoverSide::Disc:
                d.printOverInnerCircleDisc = on;
                break;
        }
    });
}

void CoverDesign::dropImage(CoverSide side, const QString& path) {
    apply(QStringLiteral("Drop Image"), [&](CoverDocument& d) {
        if (side == CoverSide::Back) {
            d.sImagePath = path;
        }
        d.surface(side).imagePath = path;
    });
}

void CoverDesign::beginSession() {
    sessionStart_ = document_;
}

void CoverDesign::showDraft(const CoverDocument& draft) {
    const bool changedFlag = document_.coverChanged;
    document_ = draft;
    EnforceInvariants(document_);
    document_.coverChanged = changedFlag;
    emit changed();
}

void CoverDesign::endSession(const QString& stepName) {
    if (!sessionStart_) {
        return;
    }
    CoverDocument after = document_;
    document_ = *sessionStart_;
    sessionStart_.reset();
    commit(stepName, std::move(after), false);
}

}  // namespace casewright
