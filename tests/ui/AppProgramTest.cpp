#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "app/SettingsStore.h"
#include "app/ui/CCoverApp.h"
#include "app/ui/CoverAppWindows.h"
#include "app/ui/SettingsDamagePrompt.h"
#include "designer/CCoverDesignerDlg.h"
#include "designer/CNewCoverDlg.h"
#include "designer/DesignerControlIds.h"
#include "document/CoverDocument.h"
#include "document/CoverFileWriter.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

namespace casewright {

namespace {

// Plays the user through the program's modal windows: each step gets the
// next modal window that appears and must close it.
class ModalScript {
public:
    using Step = std::function<void(QWidget&)>;

    explicit ModalScript(std::deque<Step> steps) : steps_(std::move(steps)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(5);
    }
    ~ModalScript() { EXPECT_TRUE(steps_.empty()) << steps_.size() << " steps never ran"; }

private:
    void poll() {
        QWidget* window = QApplication::activeModalWidget();
        if (!window || !window->isVisible() || steps_.empty()) {
            return;
        }
        Step step = std::move(steps_.front());
        steps_.pop_front();
        step(*window);
        if (window->isVisible()) {
            ADD_FAILURE() << "a step left " << window->objectName().toStdString() << " open";
            window->close();
        }
    }

    std::deque<Step> steps_;
    QTimer timer_;
};

CNewCoverDlg& AsNewCover(QWidget& window) {
    auto* dialog = qobject_cast<CNewCoverDlg*>(&window);
    EXPECT_NE(dialog, nullptr) << "expected the New Cover dialog";
    return *dialog;
}

CCoverDesignerDlg& AsDesigner(QWidget& window) {
    auto* designer = qobject_cast<CCoverDesignerDlg*>(&window);
    EXPECT_NE(designer, nullptr) << "expected the designer window";
    return *designer;
}

class AppProgramTest : public IsolatedSettingsTest {
protected:
    void runProgram(const QStringList& arguments) {
        CCoverApp app(MakeCoverAppWindows(document));
        EXPECT_EQ(app.run(QStringList{QStringLiteral("casewright")} + arguments), 0);
    }

    ScriptedPrompter prompter;
    CoverDocument document;
};

}  // namespace

TEST_F(AppProgramTest, NewCoverChoiceOpensTheDesignerAndStartOverAsksAgain) {
    ModalScript script({
        [](QWidget& w) {
            CNewCoverDlg& dialog = AsNewCover(w);
            dialog.radioForType(CoverTypeSlimlineCD)->click();
            dialog.continueButton()->click();
        },
        [this](QWidget& w) {
            EXPECT_EQ(document.covertype, CoverTypeSlimlineCD);
            AsDesigner(w).clickControl(DesignerIds::kStartOver);
        },
        [](QWidget& w) { QTest::keyClick(&AsNewCover(w), Qt::Key_Escape); },
        [this](QWidget& w) {
            EXPECT_EQ(document.covertype, CoverTypeSlimlineCD);
            AsDesigner(w).clickControl(DesignerIds::kExit);
        },
    });
    runProgram({});
}

TEST_F(AppProgramTest, CoverOnTheCommandLineOpensWithoutNewCover) {
    CoverDocument saved;
    saved.ResetToNewDesign(CoverTypeStandardDVD, 96);
    saved.covertype = CoverTypeStandardDVD;
    saved.bCoverTitle = QStringLiteral("Road Trip");
    const QString path = tempPath(QStringLiteral("Road Trip.jkt"));
    ASSERT_TRUE(WriteCoverFile(saved, path));

    ModalScript script({
        [this](QWidget& w) {
            EXPECT_EQ(document.covertype, CoverTypeStandardDVD);
            EXPECT_EQ(document.bCoverTitle, QStringLiteral("Road Trip"));
            AsDesigner(w).dropFiles({tempPath(QStringLiteral("Road Trip.jkt"))});
        },
        [this](QWidget& w) {
            // The dropped cover reopened the same file in the same window.
            EXPECT_EQ(document.bCoverTitle, QStringLiteral("Road Trip"));
            AsDesigner(w).clickControl(DesignerIds::kExit);
        },
    });
    runProgram({path});
}

// A damaged settings file is named once, before the first window; the
// settings it still holds are used and the damaged file is kept.
TEST_F(AppProgramTest, ADamagedSettingsFileIsReportedOnceBeforeTheFirstWindow) {
    const QByteArray damaged = "[General]\nOption=4\n[Other\ncdSlimFormatDisc=Neato\n";
    QDir().mkpath(QFileInfo(SettingsStore::filePath()).absolutePath());
    QFile file(SettingsStore::filePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(damaged);
    file.close();

    prompter.answers = {Prompter::Answer::Ok};
    ModalScript script({
        [this](QWidget& w) {
            EXPECT_EQ(prompter.messages.size(), 1u);
            QTest::keyClick(&AsNewCover(w), Qt::Key_Escape);
        },
        [this](QWidget& w) {
            EXPECT_EQ(document.covertype, CoverTypeSlimlineCD);
            AsDesigner(w).clickControl(DesignerIds::kStartOver);
        },
        [](QWidget& w) { QTest::keyClick(&AsNewCover(w), Qt::Key_Escape); },
        [](QWidget& w) { AsDesigner(w).clickControl(DesignerIds::kExit); },
    });
    runProgram({});

    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, "Settings");
    EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Warning);
    EXPECT_EQ(prompter.messages[0].text, DamagedSettingsText({1, true}));
    EXPECT_TRUE(prompter.messages[0].text.contains(SettingsStore::damagedCopyPath()));
    QFile copy(SettingsStore::damagedCopyPath());
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), damaged);
    EXPECT_EQ(SettingsStore().cdSlimFormatDisc, "Neato");
}

}  // namespace casewright
