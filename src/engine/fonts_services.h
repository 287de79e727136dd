// Services a table uses around its display work: a check that a font its texts name is
// installed, a report of the machine's memory, and the start of another program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tov {

class Engine;

class FontsAndServices {
  public:
    explicit FontsAndServices(Engine& engine) : engine_(engine) {}

    // --- Members -------------------------------------------------------------------------
    // Silent when thisFont is the family name of an installed font (exact comparison, letter
    // case included); otherwise a "warning" that names it. Always 0. The list of installed
    // fonts is made at the first call and kept: fonts installed later are not seen.
    int CheckFont(std::string_view thisFont);
    // Shows the available and total physical and virtual memory in bytes, with the available
    // shares in per cent (0.00 % where the system reports no total), under the title
    // "memory status report". Always 0.
    int ShowMemoryStatus();
    // Starts the command line as a program of its own, without waiting for it; a relative
    // program name is found by the system's search rules, not in loadedVPTDir. Whether it
    // starts is not reported. Always 0.
    int WinExecute(std::string_view ExecuteFileName);

    // --- For the other subsystems and tests ----------------------------------------------
    // Makes FontList from the run-time's catalogue of installed family names, each once.
    void EstablishFontList();

    // --- State ---------------------------------------------------------------------------
    std::vector<std::string> FontList;  // the installed family names, each once
    int FontListEntries = 0;
    uint8_t FontListEstablished = 0;  // 1 once FontList is complete

  private:
    Engine& engine_;
};

}  // namespace tov
