#include <fcntl.h>
#include <sys/sysinfo.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/system.h"

namespace tov::platform {

namespace {

// Words of a command line, split as a POSIX shell splits them, without any expansion: blanks
// and tabs separate; single quotes keep everything up to the next one; double quotes keep
// everything up to the next unescaped one, a backslash there escaping only the characters
// " \ $ and `; outside quotes a backslash keeps the next character. Quotes are removed; "" and ''
// make an empty word; an unclosed quote reaches the end of the line.
std::vector<std::string> SplitCommandLine(std::string_view line) {
    std::vector<std::string> words;
    std::string word;
    bool in_word = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\n') {
            if (in_word) words.push_back(word);
            word.clear();
            in_word = false;
            continue;
        }
        in_word = true;
        if (c == '\'') {
            const size_t close = line.find('\'', i + 1);
            const size_t end = close == std::string_view::npos ? line.size() : close;
            word.append(line.substr(i + 1, end - i - 1));
            i = end;
        } else if (c == '"') {
            for (++i; i < line.size() && line[i] != '"'; ++i) {
                if (line[i] == '\\' && i + 1 < line.size() &&
                    std::string_view("\"\\$`").find(line[i + 1]) != std::string_view::npos) {
                    ++i;
                }
                word.push_back(line[i]);
            }
        } else if (c == '\\' && i + 1 < line.size()) {
            word.push_back(line[++i]);
        } else {
            word.push_back(c);
        }
    }
    if (in_word) words.push_back(word);
    return words;
}

}  // namespace

MemoryStatus QueryMemoryStatus() {
    MemoryStatus status;
    struct sysinfo info {};
    if (sysinfo(&info) != 0) return status;
    const uint64_t unit = info.mem_unit == 0 ? 1 : info.mem_unit;
    status.total_physical = static_cast<uint64_t>(info.totalram) * unit;
    status.available_physical =
        (static_cast<uint64_t>(info.freeram) + static_cast<uint64_t>(info.bufferram)) * unit;
    status.total_virtual = status.total_physical + static_cast<uint64_t>(info.totalswap) * unit;
    status.available_virtual =
        status.available_physical + static_cast<uint64_t>(info.freeswap) * unit;
    return status;
}

void StartDetached(std::string_view command_line) {
    std::vector<std::string> words = SplitCommandLine(command_line);
    if (words.empty()) return;
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (std::string& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    // A first child starts the program from a grandchild in a session of its own and ends at
    // once; the program then belongs to init, so this process neither waits for it nor leaves a
    // zombie. Between fork and exec only calls that are safe there are made.
    const pid_t child = fork();
    if (child < 0) return;
    if (child == 0) {
        setsid();
        if (fork() == 0) {
            const int null_input = open("/dev/null", O_RDONLY);
            if (null_input > 0) {
                dup2(null_input, 0);
                close(null_input);
            }
            execvp(argv[0], argv.data());
            _exit(127);
        }
        _exit(0);
    }
    int ignored = 0;
    while (waitpid(child, &ignored, 0) < 0 && errno == EINTR) {
    }
}

std::string CurrentDirectory() {
    std::vector<char> buffer(4096);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE || buffer.size() > (1u << 20)) return {};
        buffer.resize(buffer.size() * 2);
    }
    std::string dir(buffer.data());
    while (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    return dir;
}

}  // namespace tov::platform
