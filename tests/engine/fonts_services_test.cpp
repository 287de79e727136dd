#include "engine/fonts_services.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "engine/engine.h"
#include "platform/presenters/headless.h"
#include "support/temp_dir.h"

namespace tov {
namespace {

class FontsAndServicesTest : public ::testing::Test {
  protected:
    FontsAndServicesTest() {
        auto presenter = std::make_unique<platform::HeadlessPresenter>();
        presenter->SetEcho(false);
        headless_ = presenter.get();
        engine_ = std::make_unique<Engine>(std::move(presenter));
    }

    FontsAndServices& Services() { return engine_->FontsAndServices(); }
    const std::vector<platform::PopupRecord>& Popups() { return engine_->Runtime().Popups(); }

    platform::HeadlessPresenter* headless_ = nullptr;
    std::unique_ptr<Engine> engine_;
};

std::string MissingFontText(const std::string& name) {
    return "Font '" + name +
           "' obviously not installed! It is not recommendable to play the flipper in these "
           "circumstances!";
}

TEST_F(FontsAndServicesTest, CheckFontIsSilentOnlyForAnInstalledNameInItsOwnLetterCase) {
    EXPECT_EQ(Services().CheckFont("DejaVu Sans"), 0);
    EXPECT_TRUE(Popups().empty());
    EXPECT_EQ(Services().FontListEstablished, 1);
    EXPECT_EQ(Services().FontListEntries, static_cast<int>(Services().FontList.size()));

    const std::string long_name = "Imaginary Face " + std::string(300, 'x');
    for (const std::string& name :
         {std::string("dejavu sans"), std::string("DejaVu"), std::string(), long_name}) {
        engine_->Runtime().ClearPopups();
        EXPECT_EQ(Services().CheckFont(name), 0);
        ASSERT_EQ(Popups().size(), 1u) << name;
        EXPECT_EQ(Popups()[0].title, "warning");
        EXPECT_EQ(Popups()[0].text, MissingFontText(name));  // a long name whole
    }
}

TEST_F(FontsAndServicesTest, FontListHoldsEveryInstalledFamilyOnceAndIsMadeOnce) {
    Services().CheckFont("DejaVu Sans");
    std::vector<std::string> names = Services().FontList;
    ASSERT_GT(names.size(), 1u);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());

    // A second call works on the list it has: a name added to it counts as installed.
    Services().FontList.push_back("Added After The First Check");
    engine_->Runtime().ClearPopups();
    EXPECT_EQ(Services().CheckFont("Added After The First Check"), 0);
    EXPECT_TRUE(Popups().empty());
}

TEST_F(FontsAndServicesTest, MemoryReportShowsTheCountsAndSharesWithTwoDecimals) {
    headless_->SetMemory({1000, 4000, 3000, 8000});
    EXPECT_EQ(Services().ShowMemoryStatus(), 0);
    ASSERT_EQ(Popups().size(), 1u);
    EXPECT_EQ(Popups()[0].title, "memory status report");
    EXPECT_EQ(Popups()[0].text,
              "physical memory available: 1000 bytes (25.00 %)\n"
              "virtual memory available: 3000 bytes (37.50 %)\n"
              "\n"
              "total physical memory: 4000 bytes\n"
              "total virtual memory: 8000 bytes");
}

TEST_F(FontsAndServicesTest, MemoryReportCountsBeyondFourGibibytesAndWithoutTotals) {
    // 6 GiB of 16 GiB physical, 128 TiB address space with 1 byte short of 2^47 free.
    headless_->SetMemory({6ull << 30, 16ull << 30, (1ull << 47) - 1, 1ull << 47});
    Services().ShowMemoryStatus();
    headless_->SetMemory({5, 0, 0, 0});
    Services().ShowMemoryStatus();
    ASSERT_EQ(Popups().size(), 2u);
    EXPECT_EQ(Popups()[0].text,
              "physical memory available: 6442450944 bytes (37.50 %)\n"
              "virtual memory available: 140737488355327 bytes (100.00 %)\n"
              "\n"
              "total physical memory: 17179869184 bytes\n"
              "total virtual memory: 140737488355328 bytes");
    EXPECT_EQ(Popups()[1].text,
              "physical memory available: 5 bytes (0.00 %)\n"
              "virtual memory available: 0 bytes (0.00 %)\n"
              "\n"
              "total physical memory: 0 bytes\n"
              "total virtual memory: 0 bytes");
}

bool AppearsWithin(const std::filesystem::path& file, std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (std::filesystem::exists(file)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

TEST_F(FontsAndServicesTest, WinExecuteStartsTheCommandAndTellsNothingWhenItCannot) {
    testing::TempDir dir;
    // Quotes and a backslash group words as a shell groups them.
    const std::filesystem::path quoted = dir.Path() / "table notes.txt";
    const std::filesystem::path escaped = dir.Path() / "high score";
    EXPECT_EQ(Services().WinExecute("touch '" + quoted.string() + "' \"" +
                                    (dir.Path() / "a\\$b").string() + "\""),
              0);
    EXPECT_EQ(Services().WinExecute("touch " + dir.Path().string() + "/high\\ score"), 0);
    EXPECT_TRUE(AppearsWithin(quoted, std::chrono::seconds(10)));
    EXPECT_TRUE(AppearsWithin(dir.Path() / "a$b", std::chrono::seconds(10)));
    EXPECT_TRUE(AppearsWithin(escaped, std::chrono::seconds(10)));

    EXPECT_EQ(Services().WinExecute("no-such-program-of-the-table --now"), 0);
    EXPECT_EQ(Services().WinExecute(""), 0);
    EXPECT_EQ(Services().WinExecute("'unclosed"), 0);
    EXPECT_TRUE(Popups().empty());
}

}  // namespace
}  // namespace tov
