#include "options.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace tov::player {
namespace {

// A whole number in [low, high], all of the text.
bool ParseInt(std::string_view text, long low, long high, long* value) {
    long v = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, v);
    if (ec != std::errc() || ptr != end || v < low || v > high) return false;
    *value = v;
    return true;
}

// Whole numbers separated by `separator`, exactly `count` of them, each in [low, high].
bool ParseList(std::string_view text, char separator, size_t count, long low, long high,
               std::vector<long>* values) {
    values->clear();
    while (true) {
        const size_t cut = text.find(separator);
        long v = 0;
        if (!ParseInt(text.substr(0, cut), low, high, &v)) return false;
        values->push_back(v);
        if (cut == std::string_view::npos) break;
        text.remove_prefix(cut + 1);
    }
    return values->size() == count;
}

constexpr long kMaxFrames = 100L * 1000 * 1000;
constexpr long kMaxSize = 32767;  // the largest size an I2 screen coordinate can carry

}  // namespace

const char* UsageText() {
    return "usage: tov-play [options] SCRIPT.lua [ARGUMENTS...]\n"
           "  (the arguments after the script are the script's table arg)\n"
           "  --headless          no windows (the default when no display is reachable)\n"
           "  --window            one window per panel\n"
           "  --fps N             ticks per second (default 60)\n"
           "  --frames N          stop after N ticks\n"
           "  --seconds S         stop after S seconds of ticks\n"
           "  --screen WxH        the virtual screen of a headless run (default 1920x1080)\n"
           "  --record FILE.gif   record the screen as an animated GIF\n"
           "  --region X,Y,W,H    record only this part of the screen\n"
           "  --snapshot FILE.png the screen at the end, as PNG\n"
           "  --popups log|modal  print popups, or show them as message boxes (windows only;\n"
           "                      the default in windows is modal, headless log)\n"
           "  --cd DIR            the folder the script runs in (default: the script's own)\n"
           "  --version           the version of tov-play and of the engine\n"
           "  --help              this text\n"
           "A run ends when the script calls quit(), at --frames or --seconds, when its window\n"
           "is closed, or at Ctrl-C (a recording is completed first).\n";
}

bool ParseOptions(const std::vector<std::string>& arguments, Options* options, std::string* error) {
    std::optional<double> seconds;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        // The value of an option that takes one.
        auto value = [&](std::string* out) {
            if (i + 1 >= arguments.size()) {
                *error = "option " + arg + " needs a value";
                return false;
            }
            *out = arguments[++i];
            return true;
        };
        std::string v;
        if (arg == "--help" || arg == "-h") {
            options->help = true;
            return true;
        } else if (arg == "--version") {
            options->version = true;
            return true;
        } else if (arg == "--headless") {
            options->display = DisplayMode::Headless;
        } else if (arg == "--window") {
            options->display = DisplayMode::Window;
        } else if (arg == "--fps") {
            long fps = 0;
            if (!value(&v)) return false;
            if (!ParseInt(v, 1, 1000, &fps)) {
                *error = "--fps takes a whole number from 1 to 1000, not '" + v + "'";
                return false;
            }
            options->fps = static_cast<int>(fps);
        } else if (arg == "--frames") {
            long frames = 0;
            if (!value(&v)) return false;
            if (!ParseInt(v, 0, kMaxFrames, &frames)) {
                *error = "--frames takes a whole number from 0, not '" + v + "'";
                return false;
            }
            options->frames = frames;
        } else if (arg == "--seconds") {
            if (!value(&v)) return false;
            double s = 0;
            const auto [ptr, ec] = std::from_chars(v.data(), v.data() + v.size(), s);
            if (ec != std::errc() || ptr != v.data() + v.size() || !(s >= 0) || s > 1e6) {
                *error = "--seconds takes a number of seconds, not '" + v + "'";
                return false;
            }
            seconds = s;
        } else if (arg == "--screen") {
            std::vector<long> size;
            if (!value(&v)) return false;
            if (!ParseList(v, 'x', 2, 1, kMaxSize, &size)) {
                *error = "--screen takes WIDTHxHEIGHT, as 1920x1080, not '" + v + "'";
                return false;
            }
            options->screen_width = static_cast<int>(size[0]);
            options->screen_height = static_cast<int>(size[1]);
        } else if (arg == "--record") {
            if (!value(&options->record_path)) return false;
        } else if (arg == "--region") {
            std::vector<long> r;
            if (!value(&v)) return false;
            if (!ParseList(v, ',', 4, -kMaxSize, kMaxSize, &r) || r[2] < 1 || r[3] < 1) {
                *error =
                    "--region takes X,Y,WIDTH,HEIGHT with a size of at least 1, not '" + v + "'";
                return false;
            }
            options->region = Region{static_cast<int>(r[0]), static_cast<int>(r[1]),
                                     static_cast<int>(r[2]), static_cast<int>(r[3])};
        } else if (arg == "--snapshot") {
            if (!value(&options->snapshot_path)) return false;
        } else if (arg == "--popups") {
            if (!value(&v)) return false;
            if (v == "log") {
                options->popups = PopupMode::Log;
            } else if (v == "modal") {
                options->popups = PopupMode::Modal;
            } else {
                *error = "--popups takes log or modal, not '" + v + "'";
                return false;
            }
        } else if (arg == "--cd") {
            if (!value(&options->directory)) return false;
        } else if (arg.size() > 1 && arg[0] == '-') {
            *error = "unknown option " + arg;
            return false;
        } else {
            // The script; everything after it belongs to the script.
            options->script = arg;
            options->script_arguments.assign(arguments.begin() + static_cast<long>(i) + 1,
                                             arguments.end());
            break;
        }
    }
    if (options->script.empty()) {
        *error = "no script given";
        return false;
    }
    if (seconds) {
        const double frames = std::floor(*seconds * options->fps + 0.5);
        options->frames = static_cast<long>(std::min(frames, static_cast<double>(kMaxFrames)));
    }
    return true;
}

}  // namespace tov::player
