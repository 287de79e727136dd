#include "play_runner.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

extern char** environ;

namespace tov::testing {

PlayResult RunPlay(const std::vector<std::string>& arguments,
                   const std::vector<std::string>& environment) {
    RunningPlay play(arguments, environment);
    return play.Wait();
}

RunningPlay::RunningPlay(const std::vector<std::string>& arguments,
                         const std::vector<std::string>& environment) {
    char output_template[] = "/tmp/tov-play-test-XXXXXX";
    const int output_fd = mkstemp(output_template);
    if (output_fd < 0) return;
    output_path_ = output_template;

    std::vector<std::string> args = {TOV_PLAY_PATH};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    // The settings given replace those of the same name in this process's environment.
    std::vector<std::string> env = environment;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('=') + 1);
        bool replaced = false;
        for (const std::string& given : environment)
            replaced = replaced || given.rfind(name, 0) == 0;
        if (!replaced) env.push_back(entry);
    }
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output_fd, 1);
    posix_spawn_file_actions_adddup2(&actions, output_fd, 2);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", 0, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(output_fd);
    if (spawned == 0) pid_ = pid;
}

RunningPlay::~RunningPlay() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        Wait();
    }
    if (!output_path_.empty()) std::remove(output_path_.c_str());
}

void RunningPlay::Signal(int signal_number) {
    if (pid_ > 0) kill(pid_, signal_number);
}

PlayResult RunningPlay::Wait() {
    PlayResult result;
    if (pid_ > 0) {
        int status = 0;
        if (waitpid(pid_, &status, 0) == pid_ && WIFEXITED(status))
            result.exit_status = WEXITSTATUS(status);
        pid_ = 0;
    }
    std::ifstream file(output_path_, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    result.output = text.str();
    return result;
}

std::string WriteScript(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    return path;
}

bool PngSize(const std::string& path, int* width, int* height) {
    std::ifstream file(path, std::ios::binary);
    unsigned char header[24] = {};
    if (!file.read(reinterpret_cast<char*>(header), sizeof header)) return false;
    if (std::memcmp(header, "\x89PNG\r\n\x1a\n", 8) != 0) return false;
    auto big_endian = [&](int at) {
        return (header[at] << 24) | (header[at + 1] << 16) | (header[at + 2] << 8) | header[at + 3];
    };
    *width = big_endian(16);
    *height = big_endian(20);
    return true;
}

}  // namespace tov::testing
