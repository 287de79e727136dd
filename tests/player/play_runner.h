// Running tov-play from a test: the command line, the exit status and what it printed.
#pragma once

#include <string>
#include <vector>

namespace tov::testing {

struct PlayResult {
    int exit_status = -1;  // the process's exit status; -1 when it did not exit normally
    std::string output;    // standard output and standard error together
};

// Runs tov-play with the arguments and extra environment settings ("NAME=value").
PlayResult RunPlay(const std::vector<std::string>& arguments,
                   const std::vector<std::string>& environment = {});

// tov-play started in the background, for tests that signal it while it runs.
class RunningPlay {
  public:
    RunningPlay(const std::vector<std::string>& arguments,
                const std::vector<std::string>& environment = {});
    ~RunningPlay();  // kills it when it still runs
    RunningPlay(const RunningPlay&) = delete;
    RunningPlay& operator=(const RunningPlay&) = delete;

    bool Started() const { return pid_ > 0; }
    void Signal(int signal_number);
    // Waits for the end; the exit status is -1 when it did not exit normally.
    PlayResult Wait();

  private:
    int pid_ = 0;
    std::string output_path_;
};

// Writes a script file and returns its path.
std::string WriteScript(const std::string& path, const std::string& text);

// The width and height in a PNG file's header; false when the file is no PNG.
bool PngSize(const std::string& path, int* width, int* height);

}  // namespace tov::testing
