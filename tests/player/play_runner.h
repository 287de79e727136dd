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

// Writes a script file and returns its path.
std::string WriteScript(const std::string& path, const std::string& text);

// The width and height in a PNG file's header; false when the file is no PNG.
bool PngSize(const std::string& path, int* width, int* height);

}  // namespace tov::testing
