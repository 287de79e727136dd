// The command line of tov-play.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tov::player {

enum class DisplayMode { Automatic, Headless, Window };
// Automatic: message boxes where a window is there to answer them, printed in a headless run.
enum class PopupMode { Automatic, Log, Modal };

struct Region {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct Options {
    DisplayMode display = DisplayMode::Automatic;
    int fps = 60;
    std::optional<long> frames;  // --frames, or --seconds × fps
    int screen_width = 1920;     // the virtual screen of a headless run
    int screen_height = 1080;
    std::string record_path;       // --record: an animated GIF of the screen
    std::optional<Region> region;  // --region: the part of the screen recorded
    std::string snapshot_path;     // --snapshot: a PNG of the screen at the end
    PopupMode popups = PopupMode::Automatic;
    std::string directory;                      // --cd; empty: the script's own folder
    std::string script;                         // SCRIPT.lua
    std::vector<std::string> script_arguments;  // what follows the script: the script's `arg`
    bool help = false;
    bool version = false;
};

// Parses the arguments after the program name. Returns false with a message in *error for an
// unknown option, a missing or malformed value or a missing script.
bool ParseOptions(const std::vector<std::string>& arguments, Options* options, std::string* error);

// The usage text, one option per line.
const char* UsageText();

}  // namespace tov::player
