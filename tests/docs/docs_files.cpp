#include "docs_files.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "player/play_runner.h"

namespace tov::testing {

std::filesystem::path SourceDir() {
    return TOV_SOURCE_DIR;
}

bool UpdatingDocs() {
    const char* update = std::getenv("TOV_UPDATE_DOCS");
    return update != nullptr && *update != '\0' && std::string(update) != "0";
}

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool MakeAssets(const std::filesystem::path& folder) {
    const std::string command =
        std::string(TOV_MAKE_ASSETS_PATH) + " '" + folder.string() + "' >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

}  // namespace tov::testing
