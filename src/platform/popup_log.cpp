#include "platform/popup_log.h"

#include <cstdio>
#include <cstdlib>

namespace tov::platform {
namespace {

void AppendOneLine(std::string& line, std::string_view part) {
    for (size_t i = 0; i < part.size(); ++i) {
        const char c = part[i];
        if (c == '\r') {
            // CR LF is one line break.
            if (i + 1 < part.size() && part[i + 1] == '\n') ++i;
            line.append(" / ");
        } else if (c == '\n') {
            line.append(" / ");
        } else if (c == '\t') {
            line.push_back(' ');
        } else {
            line.push_back(c);
        }
    }
}

}  // namespace

std::string PopupLogLine(std::string_view title, std::string_view text) {
    std::string line;
    line.reserve(title.size() + text.size() + 2);
    AppendOneLine(line, title);
    line.push_back('\t');
    AppendOneLine(line, text);
    line.push_back('\n');
    return line;
}

bool LogPopupIfUnattended(std::string_view title, std::string_view text) {
    const char* path = std::getenv(kPopupLogVariable);
    if (path == nullptr || path[0] == '\0') return false;
    const std::string line = PopupLogLine(title, text);
    // Opened for each popup and closed at once: the line is on disc even if the host dies next,
    // and several processes sharing one log append whole lines.
    std::FILE* log = std::fopen(path, "ab");
    bool written = false;
    if (log != nullptr) {
        written = std::fwrite(line.data(), 1, line.size(), log) == line.size();
        written = std::fclose(log) == 0 && written;
    }
    if (!written) {
        std::fprintf(stderr, "%s: cannot append to %s: %.*s", kPopupLogVariable, path,
                     static_cast<int>(line.size()), line.data());
    }
    return true;
}

}  // namespace tov::platform
