#include "engine/fonts_services.h"

#include <algorithm>
#include <charconv>

#include "engine/engine.h"

namespace tov {

namespace {

// A share in per cent with two decimals, as "37.50"; 0.00 when there is no total.
std::string Percent(uint64_t part, uint64_t total) {
    const double share =
        total == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(total);
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, share, std::chars_format::fixed, 2);
    return std::string(text, result.ptr);
}

// The report: four lines and an empty one, byte counts in decimal without separators.
std::string MemoryReport(const platform::MemoryStatus& m) {
    return "physical memory available: " + std::to_string(m.available_physical) + " bytes (" +
           Percent(m.available_physical, m.total_physical) +
           " %)\nvirtual memory available: " + std::to_string(m.available_virtual) + " bytes (" +
           Percent(m.available_virtual, m.total_virtual) +
           " %)\n\ntotal physical memory: " + std::to_string(m.total_physical) +
           " bytes\ntotal virtual memory: " + std::to_string(m.total_virtual) + " bytes";
}

}  // namespace

void FontsAndServices::EstablishFontList() {
    FontList = engine_.Runtime().InstalledFontFamilies();
    FontListEntries = static_cast<int>(FontList.size());
    FontListEstablished = 1;
}

int FontsAndServices::CheckFont(std::string_view thisFont) {
    if (FontListEstablished == 0) EstablishFontList();
    if (std::find(FontList.begin(), FontList.end(), thisFont) != FontList.end()) return 0;
    engine_.Report(ReportTitle::Warning,
                   "Font '" + std::string(thisFont) +
                       "' obviously not installed! It is not recommendable to play the flipper "
                       "in these circumstances!");
    return 0;
}

int FontsAndServices::ShowMemoryStatus() {
    engine_.Report(ReportTitle::MemoryStatusReport,
                   MemoryReport(engine_.Runtime().GetMemoryStatus()));
    return 0;
}

int FontsAndServices::WinExecute(std::string_view ExecuteFileName) {
    engine_.Runtime().StartProgram(ExecuteFileName);
    return 0;
}

}  // namespace tov
