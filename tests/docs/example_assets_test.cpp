// The example assets as a table ships them: the committed files under examples/data, and the
// copies beside the first-table script, are what the generator makes, and examples/README.md
// lists every one.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "docs_files.h"
#include "support/temp_dir.h"

namespace tov::testing {
namespace {

namespace fs = std::filesystem;

// Every file below the folder by its relative path ('/' separated), with its bytes.
std::map<std::string, std::string> FilesBelow(const fs::path& folder) {
    std::map<std::string, std::string> files;
    std::error_code error;
    for (const auto& entry : fs::recursive_directory_iterator(folder, error)) {
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).generic_string()] =
                ReadWholeFile(entry.path());
    }
    return files;
}

// The files the first-table guide's folder ships beside its script.
constexpr const char* kFirstTableFiles[] = {"dmd_font.bmp", "dmd_font_small.bmp",
                                            "pic_logo_256x96.bmp"};

TEST(ExampleAssets, CommittedFilesAreWhatTheGeneratorMakes) {
    TempDir made;
    ASSERT_TRUE(MakeAssets(made.Path()));
    const fs::path data = SourceDir() / "examples" / "data";
    const fs::path first_table = SourceDir() / "examples" / "first_table";
    if (UpdatingDocs()) {
        fs::remove_all(data);
        fs::create_directories(data);
        fs::copy(made.Path(), data, fs::copy_options::recursive);
        for (const char* name : kFirstTableFiles) {
            if (fs::exists(made.Path() / name))
                fs::copy_file(made.Path() / name, first_table / name,
                              fs::copy_options::overwrite_existing);
        }
    }
    const auto expected = FilesBelow(made.Path());
    const auto committed = FilesBelow(data);
    ASSERT_FALSE(expected.empty());
    for (const auto& [name, bytes] : expected) {
        const auto found = committed.find(name);
        EXPECT_TRUE(found != committed.end() && found->second == bytes)
            << "examples/data/" << name << " is missing or stale: run ./run docs";
    }
    for (const auto& [name, bytes] : committed)
        EXPECT_TRUE(expected.count(name) != 0)
            << "examples/data/" << name << " is no longer made: run ./run docs";
    for (const char* name : kFirstTableFiles) {
        const auto made_file = expected.find(name);
        ASSERT_TRUE(made_file != expected.end()) << name << " is no longer made";
        EXPECT_TRUE(ReadWholeFile(first_table / name) == made_file->second)
            << "examples/first_table/" << name << " is stale: run ./run docs";
    }
}

TEST(ExampleAssets, TheReadmeListsEveryFile) {
    TempDir made;
    ASSERT_TRUE(MakeAssets(made.Path()));
    const std::string readme = ReadWholeFile(SourceDir() / "examples" / "README.md");
    for (const auto& [name, bytes] : FilesBelow(made.Path()))
        EXPECT_NE(readme.find("| `" + name + "` |"), std::string::npos)
            << name << " is not listed in examples/README.md";
}

}  // namespace
}  // namespace tov::testing
