// Files of the source tree that table authors read or ship, compared with what makes them.
#pragma once

#include <filesystem>
#include <string>

namespace tov::testing {

// The project's source folder.
std::filesystem::path SourceDir();

// True when TOV_UPDATE_DOCS asks the tests to rewrite the committed files.
bool UpdatingDocs();

std::string ReadWholeFile(const std::filesystem::path& path);

// Runs the examples' asset generator into `folder`; false when it fails.
bool MakeAssets(const std::filesystem::path& folder);

}  // namespace tov::testing
