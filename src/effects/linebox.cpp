#include "effects/linebox.h"

#include <algorithm>

#include "effects/scroll_text.h"
#include "engine/engine.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;
namespace ids = platform::main_panel;

void Linebox::ReadHeight() {
    engine_.Runtime().GetCtrlAttribute(engine_.MainPanel().PanelHandle, ids::kLinebox, Attr::Height,
                                       &LineboxHeight);
}

int Linebox::SetUpLoopScrollAttr(int16_t _XPos, int16_t _Width, std::string_view _FontStyle,
                                 int16_t _FontHeight, int32_t _FontColor, int16_t _Bold,
                                 int16_t _Italic, int16_t _ScrollSpeed) {
    platform::Runtime& rt = engine_.Runtime();
    const tov::MainPanel& panel = engine_.MainPanel();
    const int handle = panel.PanelHandle;
    if (_XPos != kUnchanged) rt.SetCtrlAttribute(handle, ids::kLinebox, Attr::Left, int{_XPos});
    if (_Width != kUnchanged) rt.SetCtrlAttribute(handle, ids::kLinebox, Attr::Width, int{_Width});
    if (!_FontStyle.empty()) rt.SetCtrlAttribute(handle, ids::kLinebox, Attr::TextFont, _FontStyle);
    if (_FontHeight != kUnchanged) {
        rt.SetCtrlAttribute(handle, ids::kLinebox, Attr::TextPointSize, int{_FontHeight});
    }
    if (_FontColor != kUnchanged) {
        rt.SetCtrlAttribute(handle, ids::kLinebox, Attr::TextColor, static_cast<int>(_FontColor));
    }
    if (_Bold != kUnchanged) rt.SetCtrlAttribute(handle, ids::kLinebox, Attr::TextBold, int{_Bold});
    if (_Italic != kUnchanged) {
        rt.SetCtrlAttribute(handle, ids::kLinebox, Attr::TextItalic, int{_Italic});
    }
    LineboxScrollUpSpeed = _ScrollSpeed;
    LineboxScrollUpPixelOffset = panel.PanelHeight;
    rt.SetCtrlAttribute(handle, ids::kLinebox, Attr::Top, LineboxScrollUpPixelOffset);
    ReadHeight();
    return 0;
}

int Linebox::AddLineboxLine(std::string_view _Text) {
    const size_t length = std::min(_Text.size(), static_cast<size_t>(kMaxLine));
    std::copy_n(_Text.begin(), length, line_.begin());
    line_[length] = '\n';

    platform::Runtime& rt = engine_.Runtime();
    const int handle = engine_.MainPanel().PanelHandle;
    rt.SetCtrlVal(handle, ids::kLinebox, std::string_view(line_.data(), length + 1));
    ++LineboxLines;
    rt.SetCtrlAttribute(handle, ids::kLinebox, Attr::VisibleLines, LineboxLines);
    ReadHeight();
    return 0;
}

int Linebox::DeleteLineboxLine(int16_t _LineIndex) {
    const int n = _LineIndex;
    if (n != -1 && (n < 0 || n >= LineboxLines)) {
        return engine_.Report(ReportTitle::Error,
                              "CVI-function 'KillLineboxLine': argument '_LineIndex' out of "
                              "range!");
    }
    platform::Runtime& rt = engine_.Runtime();
    const int handle = engine_.MainPanel().PanelHandle;
    if (n == -1) {
        rt.DeleteTextBoxLines(handle, ids::kLinebox, 0, -1);
        LineboxLines = 0;
        rt.SetCtrlAttribute(handle, ids::kLinebox, Attr::VisibleLines, 1);
    } else {
        rt.DeleteTextBoxLine(handle, ids::kLinebox, n);
        --LineboxLines;
        // A text box shows at least one line: after the last line has gone the count stays.
        if (LineboxLines > 0) {
            rt.SetCtrlAttribute(handle, ids::kLinebox, Attr::VisibleLines, LineboxLines);
        }
    }
    ReadHeight();
    return 0;
}

int Linebox::ShowUpLoopScrollNextStep() {
    const tov::MainPanel& panel = engine_.MainPanel();
    LineboxScrollUpPixelOffset = NextLoopOffset(LineboxScrollUpPixelOffset, LineboxScrollUpSpeed,
                                                LineboxHeight, panel.PanelHeight);
    engine_.Runtime().SetCtrlAttribute(panel.PanelHandle, ids::kLinebox, Attr::Top,
                                       LineboxScrollUpPixelOffset);
    return 0;
}

int Linebox::HideLinebox() {
    return engine_.MainPanel().ParkControl(ids::kLinebox);
}

}  // namespace tov
