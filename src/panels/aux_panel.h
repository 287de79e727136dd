// Steps the auxiliary panels (watch, gem, LED board, simple panels) share: loading a panel anew
// in place of an earlier install, placing it, stretching a control over it, locking its window
// and loading a picture named relative to the table's folder.
#pragma once

#include <string>
#include <string_view>

namespace tov {

class Engine;

// Discards the panel *handle holds (an earlier install; a handle the run-time no longer knows is
// ignored), then loads panel `resource` of the panel file as a top-level panel into *handle:
// its handle, or 0 when it cannot be loaded, so the handle never holds a status.
void ReloadPanel(Engine& engine, int* handle, std::string_view file, int resource);

// Sets the panel's left and top edge, width and height.
void PlacePanel(Engine& engine, int panel, int x, int y, int width, int height);

// Puts the control at the panel's top-left corner with the given size, so that it fills a
// panel of that size.
void FillPanel(Engine& engine, int panel, int control, int width, int height);

// Reads the panel's system window handle into HWNDHandle and disables the window for mouse and
// keyboard input. A panel that does not exist is left alone.
void LockPanelWindow(Engine& engine, int panel);

// Discards the panel and the picture *bitmap holds (when it holds one); *bitmap becomes 0.
void DiscardPanelAndPicture(Engine& engine, int panel, int* bitmap);

// The name joined to the folder relative names start from (loadedVPTDir).
std::string TablePath(Engine& engine, std::string_view name);

// Replaces *bitmap (an earlier install's picture is discarded) by the picture in the file
// `name`, relative to loadedVPTDir. When the file cannot be read, *bitmap is 0, the run-time's
// status goes to `status`, and a "fatal error" names the full path and the reason:
// "private CVI-function '<member>': file '<path>': <reason>"; the result is then -1, else 0.
int LoadPanelPicture(Engine& engine, std::string_view member, std::string_view name, int* bitmap);

}  // namespace tov
