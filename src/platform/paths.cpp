#include "platform/paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace tov::platform {

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

// A name that names its own place whatever the base folder: on Windows one with a drive letter
// ("C:\x", "C:x"), elsewhere one that begins with "/", as the system's own absolute paths do. A
// name that begins with a backslash (or, on Windows, a slash) lies in the base folder: scripts
// write "\sub\lead.bmp" for the table's own sub-folder.
bool IsAbsolute(std::string_view name) {
#ifdef _WIN32
    return name.size() >= 2 && name[1] == ':' &&
           ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
#else
    return !name.empty() && name[0] == '/';
#endif
}

#ifndef _WIN32
char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::path(path), error);
}
#endif

}  // namespace

std::string JoinPath(std::string_view dir, std::string_view name) {
    std::string joined;
    if (!IsAbsolute(name) && !dir.empty()) {
        joined.assign(dir);
        if (!IsSeparator(joined.back())) joined.push_back(kSeparator);
        // The base folder and the name are joined by one separator, so a leading one of the
        // name's own keeps it inside the folder.
        while (!name.empty() && IsSeparator(name.front()))
            name.remove_prefix(1);
    }
    for (char c : name)
        joined.push_back(IsSeparator(c) ? kSeparator : c);
    return joined;
}

std::string ResolveCaseInsensitive(const std::string& path) {
#ifdef _WIN32
    // The file system ignores letter case itself.
    return path;
#else
    if (path.empty() || Exists(path)) return path;

    std::string found = path[0] == '/' ? "/" : "";
    size_t start = 0;
    while (start < path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        const std::string_view component(path.data() + start, end - start);
        start = end + 1;
        if (component.empty()) continue;

        std::string candidate = found;
        if (!candidate.empty() && candidate.back() != '/') candidate.push_back('/');
        candidate.append(component);
        if (component == "." || component == ".." || Exists(candidate)) {
            found = std::move(candidate);
            continue;
        }
        // Look the component up among the entries of the folder found so far; when several
        // differ only in case, the first in byte order wins so the choice never depends on the
        // order the directory lists them in.
        const std::string folder = found.empty() ? "." : found;
        std::error_code error;
        std::filesystem::directory_iterator it(folder, error);
        std::vector<std::string> matches;
        for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
            const std::string entry = it->path().filename().string();
            if (EqualIgnoringCase(entry, component)) matches.push_back(entry);
        }
        if (matches.empty()) return path;
        std::sort(matches.begin(), matches.end());
        if (!found.empty() && found.back() != '/') found.push_back('/');
        found.append(matches.front());
    }
    return Exists(found) ? found : path;
#endif
}

}  // namespace tov::platform
