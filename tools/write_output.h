// The end of every generator in tools/: writes its text to the file named on its command line.
#pragma once

#include <cstdio>
#include <string>

namespace tov::tools {

// Writes `text` to `path`; returns the tool's exit status (0, or 1 after a message naming
// `tool` and the file).
inline int WriteOutput(const char* tool, const char* path, const std::string& text) {
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) {
        std::perror(path);
        return 1;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (std::fclose(file) != 0 || !written) {
        std::fprintf(stderr, "%s: cannot write %s\n", tool, path);
        return 1;
    }
    return 0;
}

}  // namespace tov::tools
