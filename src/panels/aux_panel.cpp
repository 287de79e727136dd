#include "panels/aux_panel.h"

#include "engine/engine.h"
#include "platform/paths.h"

namespace tov {

using platform::Attr;

void ReloadPanel(Engine& engine, int* handle, std::string_view file, int resource) {
    platform::Runtime& rt = engine.Runtime();
    // A second install replaces the first instead of leaving it on the screen for good.
    if (*handle != 0) rt.DiscardPanel(*handle);
    const int loaded = rt.LoadPanelEx(0, file, resource);
    *handle = loaded > 0 ? loaded : 0;
}

void PlacePanel(Engine& engine, int panel, int x, int y, int width, int height) {
    platform::Runtime& rt = engine.Runtime();
    rt.SetPanelAttribute(panel, Attr::Left, x);
    rt.SetPanelAttribute(panel, Attr::Top, y);
    rt.SetPanelAttribute(panel, Attr::Width, width);
    rt.SetPanelAttribute(panel, Attr::Height, height);
}

void FillPanel(Engine& engine, int panel, int control, int width, int height) {
    platform::Runtime& rt = engine.Runtime();
    rt.SetCtrlAttribute(panel, control, Attr::Left, 0);
    rt.SetCtrlAttribute(panel, control, Attr::Top, 0);
    rt.SetCtrlAttribute(panel, control, Attr::Width, width);
    rt.SetCtrlAttribute(panel, control, Attr::Height, height);
}

void LockPanelWindow(Engine& engine, int panel) {
    platform::Runtime& rt = engine.Runtime();
    int window = 0;
    if (rt.GetPanelAttribute(panel, Attr::SystemWindowHandle, &window) < 0) return;
    engine.HWNDHandle = window;
    rt.EnableWindow(engine.HWNDHandle, false);
}

void DiscardPanelAndPicture(Engine& engine, int panel, int* bitmap) {
    platform::Runtime& rt = engine.Runtime();
    rt.DiscardPanel(panel);
    if (*bitmap != 0) rt.DiscardBitmap(*bitmap);
    *bitmap = 0;
}

std::string TablePath(Engine& engine, std::string_view name) {
    return platform::JoinPath(engine.MainPanel().loadedVPTDir, name);
}

int LoadPanelPicture(Engine& engine, std::string_view member, std::string_view name, int* bitmap) {
    platform::Runtime& rt = engine.Runtime();
    if (*bitmap != 0) rt.DiscardBitmap(*bitmap);
    *bitmap = 0;
    const std::string path = TablePath(engine, name);
    int loaded = 0;
    engine.status = rt.GetBitmapFromFile(platform::ResolveCaseInsensitive(path), &loaded);
    if (engine.status < 0) {
        return engine.Report(ReportTitle::FatalError,
                             "private CVI-function '" + std::string(member) + "': file '" + path +
                                 "': " + std::string(platform::GetUILErrorString(engine.status)));
    }
    *bitmap = loaded;
    return 0;
}

}  // namespace tov
