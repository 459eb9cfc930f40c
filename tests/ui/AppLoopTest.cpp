#include <gtest/gtest.h>
#include <QDir>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <memory>
#include <vector>

#include "app/SettingsStore.h"
#include "app/ui/CCoverApp.h"
#include "designer/CNewCoverDlg.h"
#include "support/TestEnvironment.h"

namespace casewright {

namespace {

// What happened during one program run, in order: "new" for a New Cover
// dialog, "create" for a new designer window, "run:<path>" for each run.
struct Script {
    std::deque<DesignerOutcome> outcomes;
    std::vector<std::string> events;
    std::vector<uint32_t> optionSeenByDesigner;
};

class FakeDesigner : public DesignerRun {
public:
    explicit FakeDesigner(Script& script) : script_(script) {}

    DesignerOutcome run(const QString& pendingCoverPath) override {
        script_.events.push_back("run:" + pendingCoverPath.toStdString());
        script_.optionSeenByDesigner.push_back(SettingsStore().Option);
        if (script_.outcomes.empty()) {
            ADD_FAILURE() << "designer ran more often than scripted";
            return {6, QString()};
        }
        DesignerOutcome outcome = script_.outcomes.front();
        script_.outcomes.pop_front();
        return outcome;
    }

private:
    Script& script_;
};

CCoverApp::Windows FakeWindows(Script& script) {
    CCoverApp::Windows windows;
    windows.runNewCoverDialog = [&script] { script.events.push_back("new"); };
    windows.createDesigner = [&script] {
        script.events.push_back("create");
        return std::make_unique<FakeDesigner>(script);
    };
    return windows;
}

using Events = std::vector<std::string>;

class AppLoopTest : public IsolatedSettingsTest {
protected:
    Events runProgram(const QStringList& arguments) {
        CCoverApp app(FakeWindows(script_));
        EXPECT_EQ(app.run(arguments), 0);
        EXPECT_TRUE(script_.outcomes.empty()) << "scripted runs left over";
        return script_.events;
    }

    Script script_;
};

const QString kProgram = QStringLiteral("casewright");

}  // namespace

TEST_F(AppLoopTest, WithoutArgumentsNewCoverComesFirstAndExitEnds) {
    script_.outcomes = {{6, QString()}};
    EXPECT_EQ(runProgram({kProgram}), (Events{"new", "create", "run:"}));
}

TEST_F(AppLoopTest, CommandLineCoverSkipsNewCoverOnlyTheFirstTime) {
    script_.outcomes = {{1, QString()}, {6, QString()}};
    EXPECT_EQ(runProgram({kProgram, QStringLiteral("/covers/a.jkt")}),
              (Events{"create", "run:/covers/a.jkt", "new", "create", "run:"}));
}

TEST_F(AppLoopTest, PendingCoverRunsTheSameWindowAgainWhateverItsResult) {
    // A dropped cover ends with 0, Load with 1, a save before Start Over with 1.
    script_.outcomes = {{0, QStringLiteral("/covers/dropped.jkt")},
                        {1, QStringLiteral("/covers/loaded.jkt")},
                        {6, QString()}};
    EXPECT_EQ(runProgram({kProgram}), (Events{"new", "create", "run:", "run:/covers/dropped.jkt",
                                              "run:/covers/loaded.jkt"}));
}

TEST_F(AppLoopTest, StartOverWithoutPendingCoverShowsNewCoverAndAFreshWindow) {
    script_.outcomes = {{1, QString()}, {1, QString()}, {6, QString()}};
    EXPECT_EQ(runProgram({kProgram}),
              (Events{"new", "create", "run:", "new", "create", "run:", "new", "create", "run:"}));
}

TEST_F(AppLoopTest, AnyResultOtherThanStartOverEndsTheProgram) {
    for (int result : {0, 2, 6}) {
        script_ = Script();
        script_.outcomes = {{result, QString()}};
        EXPECT_EQ(runProgram({kProgram}), (Events{"new", "create", "run:"})) << result;
    }
}

TEST_F(AppLoopTest, CommandLinePathIsMadeAbsoluteAndFileUrlsAreAccepted) {
    EXPECT_EQ(CCoverApp::CommandLineCoverPath({kProgram}), QString());
    EXPECT_EQ(CCoverApp::CommandLineCoverPath({kProgram, QStringLiteral("/tmp/x y.jkt")}),
              QStringLiteral("/tmp/x y.jkt"));
    EXPECT_EQ(CCoverApp::CommandLineCoverPath({kProgram, QStringLiteral("file:///tmp/x%20y.jkt")}),
              QStringLiteral("/tmp/x y.jkt"));
    EXPECT_EQ(CCoverApp::CommandLineCoverPath({kProgram, QStringLiteral("rel.jkt")}),
              QDir::current().absoluteFilePath(QStringLiteral("rel.jkt")));
}

TEST_F(AppLoopTest, EscapeInNewCoverKeepsTheStoredCaseTypeForTheDesigner) {
    SettingsStore stored;
    stored.Option = 5;
    stored.save();
    script_.outcomes = {{6, QString()}};

    CCoverApp::Windows windows = FakeWindows(script_);
    windows.runNewCoverDialog = [this] {
        script_.events.push_back("new");
        CNewCoverDlg dialog;
        dialog.radioForType(2)->click();  // chosen, but never confirmed
        QTimer::singleShot(0, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Escape); });
        dialog.exec();
    };
    CCoverApp app(windows);
    app.run({kProgram});

    EXPECT_EQ(script_.events, (Events{"new", "create", "run:"}));
    EXPECT_EQ(script_.optionSeenByDesigner, (std::vector<uint32_t>{5}));
}

}  // namespace casewright
