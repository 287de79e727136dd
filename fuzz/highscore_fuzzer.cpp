// libFuzzer target: the high-score loader fed arbitrary files. A file it takes must give the
// same table again when that table is saved and loaded back, and a file it refuses must leave
// the table as it was. One engine serves every input: each starts from an empty table and no
// popups, so an input still replays alone.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <span>
#include <string>

#include "engine/engine.h"
#include "platform/presenters/headless.h"
#include "scores/highscore_file.h"

namespace {

// The folder the files are written in: made once per process, removed at exit.
struct WorkFolder {
    std::filesystem::path path;
    WorkFolder() {
        char pattern[] = "/tmp/tov-fuzz-XXXXXX";
        if (mkdtemp(pattern) == nullptr) std::abort();
        path = pattern;
    }
    ~WorkFolder() {
        std::error_code error;
        std::filesystem::remove_all(path, error);
    }
};

bool SameTable(const tov::HighscoreTable& a, const tov::HighscoreTable& b) {
    return std::memcmp(a.Highscore.data(), b.Highscore.data(), sizeof a.Highscore) == 0 &&
           a.Highname == b.Highname && a.Highstring1 == b.Highstring1 &&
           a.Highstring2 == b.Highstring2;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static WorkFolder folder;
    const std::string path = (folder.path / "table.hsc").string();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    static tov::Engine& engine = *[] {
        auto presenter = std::make_unique<tov::platform::HeadlessPresenter>();
        presenter->SetEcho(false);
        return new tov::Engine(std::move(presenter));
    }();
    engine.Runtime().ClearPopups();
    tov::Highscores& scores = engine.Highscores();
    static_cast<tov::HighscoreTable&>(scores) = tov::HighscoreTable{};
    scores.WriteHighscoreToCVI(3, 42.0, "before", "the", "load");
    const tov::HighscoreTable before = scores;
    const int loaded = scores.LoadHscoreFromDisc(path);
    const tov::HighscoreTable after = scores;
    if (loaded != 0) {
        // Refused with one report, and nothing of the table changed.
        if (engine.Runtime().Popups().size() != 1 || !SameTable(before, after)) std::abort();
        return 0;
    }
    if (engine.Runtime().Popups().size() != 0) std::abort();
    if (scores.SaveHscoreToDisc(path) != 0 || scores.LoadHscoreFromDisc(path) != 0) std::abort();
    if (!SameTable(after, scores)) std::abort();
    return 0;
}
