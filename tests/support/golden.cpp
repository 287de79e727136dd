#include "support/golden.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "platform/image_file.h"

namespace tov::testing {

namespace {

namespace fs = std::filesystem;

bool UpdateRequested() {
    const char* value = std::getenv("TOV_UPDATE_GOLDEN");
    return value != nullptr && std::string(value) == "1";
}

std::string Hex(uint32_t c) {
    std::ostringstream out;
    out << "0x" << std::hex << (c & 0xFFFFFFu);
    return out.str();
}

// Writes s to path, making the folders first; returns what went wrong, or "".
std::string Write(const fs::path& path, const platform::Surface& s) {
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    if (platform::WritePng(path.string(), s) != platform::kUISuccess) {
        return "cannot write " + path.string();
    }
    return "";
}

// Differing pixels in red on the golden dimmed to a third, so the places stand out.
platform::Surface Difference(const platform::Surface& golden, const platform::Surface& actual) {
    platform::Surface diff(golden.width, golden.height);
    for (int y = 0; y < golden.height; ++y) {
        for (int x = 0; x < golden.width; ++x) {
            const uint32_t g = golden.At(x, y) & 0xFFFFFFu;
            const bool same = actual.Contains(x, y) && (actual.At(x, y) & 0xFFFFFFu) == g;
            const uint32_t dimmed =
                ((g >> 16 & 0xFF) / 3) << 16 | ((g >> 8 & 0xFF) / 3) << 8 | (g & 0xFF) / 3;
            diff.At(x, y) = same ? dimmed : 0xFF0000u;
        }
    }
    return diff;
}

}  // namespace

std::string CompareWithGolden(const platform::Surface& actual, const std::string& name) {
    const fs::path golden_path = fs::path(TOV_GOLDEN_DIR) / (name + ".png");
    if (UpdateRequested()) {
        const std::string fault = Write(golden_path, actual);
        return fault.empty() ? "" : "golden " + name + ": " + fault;
    }
    std::error_code error;
    if (!fs::exists(golden_path, error)) {
        return "golden " + name + " is missing: " + golden_path.string() +
               " (run with TOV_UPDATE_GOLDEN=1 to write it, then look at it)";
    }
    platform::Surface golden;
    if (const int status = platform::ReadImageSurface(golden_path.string(), &golden);
        status != platform::kUISuccess) {
        return "golden " + name + " cannot be read: " + golden_path.string();
    }

    std::ostringstream report;
    if (golden.width != actual.width || golden.height != actual.height) {
        report << "golden " << name << " is " << golden.width << " x " << golden.height
               << ", the actual image " << actual.width << " x " << actual.height;
    } else {
        int64_t differing = 0;
        int first_x = -1, first_y = -1;
        for (int y = 0; y < golden.height; ++y) {
            for (int x = 0; x < golden.width; ++x) {
                if ((golden.At(x, y) & 0xFFFFFFu) == (actual.At(x, y) & 0xFFFFFFu)) continue;
                if (differing++ == 0) {
                    first_x = x;
                    first_y = y;
                }
            }
        }
        if (differing == 0) return "";
        report << "golden " << name << ": " << differing << " pixels differ, the first at ("
               << first_x << ", " << first_y << "): golden " << Hex(golden.At(first_x, first_y))
               << ", actual " << Hex(actual.At(first_x, first_y));
    }

    const fs::path actual_dir = fs::path(TOV_ACTUAL_DIR);
    const fs::path actual_path = actual_dir / (name + ".actual.png");
    const fs::path diff_path = actual_dir / (name + ".diff.png");
    if (actual.width > 0 && actual.height > 0) {
        const std::string fault = Write(actual_path, actual);
        report << (fault.empty() ? "; actual image: " + actual_path.string() : "; " + fault);
    }
    if (golden.width > 0 && golden.height > 0) {
        const std::string fault = Write(diff_path, Difference(golden, actual));
        report << (fault.empty() ? "; difference: " + diff_path.string() : "; " + fault);
    }
    return report.str();
}

}  // namespace tov::testing
