#include "platform/popup_log.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "platform/presenters/headless.h"
#include "platform/runtime.h"
#include "support/temp_dir.h"

namespace tov::platform {
namespace {

// Sets TOV_POPUP_LOG for one test and restores what it was.
class PopupLogVariable {
  public:
    explicit PopupLogVariable(const std::string& value) {
        const char* old = getenv(kPopupLogVariable);
        had_ = old != nullptr;
        if (had_) old_ = old;
        setenv(kPopupLogVariable, value.c_str(), 1);
    }
    ~PopupLogVariable() {
        if (had_) {
            setenv(kPopupLogVariable, old_.c_str(), 1);
        } else {
            unsetenv(kPopupLogVariable);
        }
    }

  private:
    bool had_ = false;
    std::string old_;
};

std::string Contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(PopupLog, OneLinePerPopupWhateverTheTextHolds) {
    EXPECT_EQ(PopupLogLine("warning", "CVI-function 'X' failed"),
              "warning\tCVI-function 'X' failed\n");
    // LF, CR LF and a lone CR are each one break; tabs would end the title early.
    EXPECT_EQ(PopupLogLine("fatal error", "a\nb\r\nc\rd\te"), "fatal error\ta / b / c / d e\n");
    EXPECT_EQ(PopupLogLine("ti\ttle\n", ""), "ti tle / \t\n");
    EXPECT_EQ(PopupLogLine("", ""), "\t\n");
}

TEST(PopupLog, OffWithoutTheVariableOrWithAnEmptyOne) {
    PopupLogVariable empty("");
    EXPECT_FALSE(LogPopupIfUnattended("warning", "shown by the presenter"));
    unsetenv(kPopupLogVariable);
    EXPECT_FALSE(LogPopupIfUnattended("warning", "shown by the presenter"));
}

TEST(PopupLog, AppendsToTheFileAndKeepsWhatWasThere) {
    testing::TempDir dir;
    const std::string path = dir.File("popups.log");
    std::ofstream(path) << "earlier\tline\n";
    PopupLogVariable variable(path);
    EXPECT_TRUE(LogPopupIfUnattended("warning", "first"));
    EXPECT_TRUE(LogPopupIfUnattended("Error", "second\nline"));
    EXPECT_EQ(Contents(path), "earlier\tline\nwarning\tfirst\nError\tsecond / line\n");
}

TEST(PopupLog, AnUnwritableLogStillReturnsAtOnce) {
    testing::TempDir dir;
    // A folder cannot be opened as a file: the line goes to standard error instead.
    PopupLogVariable variable(dir.Path().string());
    EXPECT_TRUE(LogPopupIfUnattended("fatal error", "nobody waits"));
}

TEST(PopupLog, TheRuntimeLogsInsteadOfAskingThePresenter) {
    testing::TempDir dir;
    const std::string path = dir.File("popups.log");
    auto presenter = std::make_unique<HeadlessPresenter>();
    presenter->SetEcho(false);
    HeadlessPresenter& headless = *presenter;
    Runtime runtime(std::move(presenter));
    PopupLogVariable variable(path);
    EXPECT_EQ(runtime.MessagePopup("warning", "logged"), 0);
    EXPECT_EQ(Contents(path), "warning\tlogged\n");
    EXPECT_TRUE(headless.Popups().empty());
    // Without the variable the presenter shows the popup again; the run-time records both.
    unsetenv(kPopupLogVariable);
    EXPECT_EQ(runtime.MessagePopup("Error", "shown"), 0);
    ASSERT_EQ(headless.Popups().size(), 1u);
    EXPECT_EQ(headless.Popups()[0].text, "shown");
    ASSERT_EQ(runtime.Popups().size(), 2u);
    EXPECT_EQ(runtime.Popups()[0].text, "logged");
    EXPECT_EQ(Contents(path), "warning\tlogged\n");
}

}  // namespace
}  // namespace tov::platform
