// ./run as a new user meets it: help lists the commands, a wrong command or option is refused
// with status 2 before anything is installed or built.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "docs_files.h"

namespace tov::testing {
namespace {

struct RunResult {
    int status = -1;
    std::string output;  // standard output and standard error together
};

RunResult RunScript(const std::string& arguments) {
    RunResult result;
    const std::string command =
        "bash '" + (SourceDir() / "run").string() + "' " + arguments + " 2>&1 </dev/null";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[512];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.output.append(buffer, n);
    const int status = pclose(pipe);
    if (WIFEXITED(status)) result.status = WEXITSTATUS(status);
    return result;
}

TEST(RunScript, HelpListsEveryCommandOnALineOfItsOwn) {
    const RunResult help = RunScript("help");
    EXPECT_EQ(help.status, 0) << help.output;
    for (const char* command : {"demo", "test", "cross", "wine-test", "package", "package-test",
                                "bench", "format", "docs"})
        EXPECT_NE(help.output.find(std::string("\n  ") + command + " "), std::string::npos)
            << command << " is not listed:\n"
            << help.output;
    EXPECT_EQ(RunScript("").output, help.output);
}

TEST(RunScript, WrongCommandsAndOptionsAreRefusedBeforeAnyWork) {
    const RunResult unknown = RunScript("tset");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.output.rfind("./run: unknown command 'tset'\nusage: ./run COMMAND", 0), 0u)
        << unknown.output;

    const RunResult demo = RunScript("demo --bogus");
    EXPECT_EQ(demo.status, 2);
    EXPECT_EQ(demo.output,
              "./run demo: unknown option '--bogus' (it takes --headless and --loop)\n");

    const RunResult format = RunScript("format --all");
    EXPECT_EQ(format.status, 2);
    EXPECT_EQ(format.output, "./run format: takes no options, not '--all'\n");
}

}  // namespace
}  // namespace tov::testing
