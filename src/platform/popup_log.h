// Unattended mode: for tests and for tables run by a machine, popups can go to a file instead of
// waiting for a person.
//
// When the environment variable TOV_POPUP_LOG names a file, every popup is appended to it as one
// line, the title, a tab and the text, and the popup returns at once. The variable is read at
// each popup, so a host may set or clear it while it runs. Without it (or when it is empty)
// popups are shown by the presenter as usual.
#pragma once

#include <string>
#include <string_view>

namespace tov::platform {

inline constexpr const char* kPopupLogVariable = "TOV_POPUP_LOG";

// The line a popup becomes: the title, a tab, the text and a line feed. A line break inside the
// title or text (CR, LF or CR LF) is written as " / " and a tab as a space, so that every popup
// stays on one line and the first tab always ends the title.
std::string PopupLogLine(std::string_view title, std::string_view text);

// In unattended mode, appends the popup's line to the log and returns true: the caller then
// shows nothing. A log that cannot be opened or written gets the line on standard error
// instead; the popup still returns at once, since nobody is there to answer it. Returns false
// when unattended mode is off.
bool LogPopupIfUnattended(std::string_view title, std::string_view text);

}  // namespace tov::platform
