// Reading what an X server's screen shows, for the window tests (kept apart from the test files:
// X's headers define names that clash with GoogleTest's).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tov::testing {

// The top-left width x height pixels of the X display's root window as 0xRRGGBB, row after
// row. False when the display cannot be opened or read (or when windows are not tested).
bool ReadXScreen(const std::string& display, int width, int height, std::vector<uint32_t>* out);

// The titles of the mapped top-level windows of the X display, in stacking order; empty when the
// display cannot be opened.
std::vector<std::string> XWindowTitles(const std::string& display);

}  // namespace tov::testing
