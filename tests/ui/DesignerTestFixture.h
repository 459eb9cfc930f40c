#pragma once

#include <QAbstractButton>
#include <QFile>
#include <QImage>
#include <QStringList>
#include <memory>

#include "app/SettingsStore.h"
#include "designer/CCoverDesignerDlg.h"
#include "designer/CoverFileGateway.h"
#include "designer/DesignerControlIds.h"
#include "document/CoverDocument.h"
#include "render/ui/CoverPreviewWidget.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

namespace casewright {

// Cover files for designer tests: writes a small marker file so that
// existence checks see it, and records every read and write.
class RecordingCoverFiles : public CoverFileGateway {
public:
    QStringList reads;
    QStringList writes;
    bool failWrites = false;
    std::optional<CoverFileOutcome> readOutcome;
    std::optional<int> typeOfReadCover;

    CoverFileOutcome read(CoverDocument& document, const QString& path, int) override {
        reads << path;
        if (typeOfReadCover) {
            document.covertype = *typeOfReadCover;
        }
        return readOutcome.value_or(CoverFileOutcome::Success());
    }

    CoverFileOutcome write(const CoverDocument&, const QString& path) override {
        writes << path;
        if (failWrites) {
            return CoverFileOutcome::Failure(QStringLiteral("The disk is full."),
                                             QStringLiteral("Error"));
        }
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("[BEGIN][END]");
        return CoverFileOutcome::Success();
    }
};

// A designer window on a fresh design of a chosen case type, with scripted
// prompts and recorded cover files.
class DesignerTest : public IsolatedSettingsTest {
protected:
    void openDesigner(int coverType) {
        SettingsStore settings;
        settings.Option = static_cast<uint32_t>(coverType);
        settings.save();
        designer = std::make_unique<CCoverDesignerDlg>(document);
        auto recorder = std::make_unique<RecordingCoverFiles>();
        files = recorder.get();
        designer->setCoverFileGateway(std::move(recorder));
        designer->startRun();
    }

    void click(int id) { ASSERT_TRUE(designer->clickControl(id)) << "control " << id; }

    bool shown(int id) const { return !designer->control(id)->isHidden(); }
    bool checked(int id) const { return designer->button(id)->isChecked(); }
    QString caption(int id) const { return designer->button(id)->text(); }
    QWidget* shownPreview() const { return designer->visiblePreview(); }

    // A small real image file in the test's scratch folder.
    QString makeImage(const QString& name) {
        const QString path = tempPath(name);
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.save(path, "PNG");
        return path;
    }

    ScriptedPrompter prompter;
    CoverDocument document;
    std::unique_ptr<CCoverDesignerDlg> designer;
    RecordingCoverFiles* files = nullptr;
};

}  // namespace casewright
