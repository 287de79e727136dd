#include "effects/tnt_counter.h"

#include <algorithm>

#include "effects/text_measure.h"
#include "engine/engine.h"
#include "platform/panel_ids.h"

namespace tov {

using platform::Attr;
namespace ids = platform::main_panel;

namespace {

// Appends to a fixed buffer, dropping what does not fit before the terminator.
class FixedWriter {
  public:
    // out has room for size characters, size >= 1, the last for the terminator.
    FixedWriter(char* out, size_t size) : out_(out), capacity_(size - 1) {}

    void Put(char c) {
        if (length_ < capacity_) out_[length_++] = c;
    }
    void Put(std::string_view text) {
        for (char c : text)
            Put(c);
    }
    // value (0 or more) in decimal with at least min_digits digits, padded with zeros.
    void PutNumber(uint64_t value, int min_digits) {
        char digits[24];
        int count = 0;
        do {
            digits[count++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value != 0);
        for (int pad = count; pad < min_digits; ++pad)
            Put('0');
        while (count > 0)
            Put(digits[--count]);
    }
    size_t Finish() {
        out_[length_] = '\0';
        return length_;
    }

  private:
    char* out_;
    size_t capacity_;
    size_t length_ = 0;
};

}  // namespace

int TntDigitCount(int64_t v) {
    uint64_t a = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
    int count = 1;
    while (a >= 10) {
        a /= 10;
        ++count;
    }
    return count;
}

size_t FormatTntText(std::string_view pre_text, int64_t v, int d, std::string_view post_text,
                     char* out, size_t out_size) {
    if (out == nullptr || out_size == 0) return 0;
    FixedWriter writer(out, out_size);
    writer.Put(pre_text);
    if (d >= 1 && d <= TntCounter::kMaxDigits) {
        const uint64_t a = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
        if (v < 0) writer.Put('-');
        const int groups = (d + 2) / 3;                   // 1..4
        const int leading_digits = d - 3 * (groups - 1);  // 1..3
        uint64_t scale = 1;
        for (int g = 1; g < groups; ++g)
            scale *= 1000;
        for (int g = groups - 1; g >= 0; --g, scale /= 1000) {
            // The leading group of ten digits keeps everything above the nine below it.
            const uint64_t group = g == 3 ? a / scale : a / scale % 1000;
            if (g != groups - 1) writer.Put('.');
            writer.PutNumber(group, g == groups - 1 ? leading_digits : 3);
        }
    }
    writer.Put(post_text);
    return writer.Finish();
}

std::string_view TntCounter::Compose(int64_t v, int d) {
    const size_t length =
        FormatTntText(TNTPreText.data(), v, d, TNTPostText.data(), shown_.data(), shown_.size());
    return std::string_view(shown_.data(), length);
}

int TntCounter::SetTNTAttr(std::string_view _TNTPreText, std::string_view _TNTPostText,
                           std::string_view _TNTFontType, int16_t _TNTBold, int16_t _TNTItalic,
                           int32_t _TNTColor, int16_t _TNTFontHeight, int16_t _TNTXPos,
                           int16_t _TNTYPos, int16_t _TNTDigits) {
    platform::Runtime& rt = engine_.Runtime();
    const tov::MainPanel& panel = engine_.MainPanel();
    const int handle = panel.PanelHandle;
    rt.SetCtrlAttribute(handle, ids::kTntText, Attr::Left, panel.PanelWidth);

    if (_TNTPreText.size() > static_cast<size_t>(kMaxText) ||
        _TNTPostText.size() > static_cast<size_t>(kMaxText)) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'SetTNTAttr': string(s) '_TNTPreText' and/or "
                              "'_TNTPostText' too long (max. 75 characters)");
    }
    const auto store = [](std::string_view text, std::array<char, kMaxText + 1>& into) {
        std::copy(text.begin(), text.end(), into.begin());
        into[text.size()] = '\0';
    };
    store(_TNTPreText, TNTPreText);
    store(_TNTPostText, TNTPostText);

    if (_TNTDigits < kAutomaticDigits || _TNTDigits > kMaxDigits) {
        return engine_.Report(ReportTitle::FatalError,
                              "CVI-function 'SetTNTAttr': '_TNTDigits' out of range (must be "
                              "-1..10)");
    }
    TNTDigits = _TNTDigits;

    rt.SetCtrlAttribute(handle, ids::kTntText, Attr::TextPointSize,
                        static_cast<int>(_TNTFontHeight));
    rt.SetCtrlAttribute(handle, ids::kTntText, Attr::TextColor, static_cast<int>(_TNTColor));
    rt.SetCtrlAttribute(handle, ids::kTntText, Attr::TextFont, _TNTFontType);
    rt.SetCtrlAttribute(handle, ids::kTntText, Attr::TextItalic, static_cast<int>(_TNTItalic));
    rt.SetCtrlAttribute(handle, ids::kTntText, Attr::TextBold, static_cast<int>(_TNTBold));

    // The widest number the setting can show fixes the control's width and the centred place.
    const std::string_view sample =
        Compose(0, TNTDigits == kAutomaticDigits ? kMaxDigits : TNTDigits);
    rt.SetCtrlVal(handle, ids::kTntText, sample);

    // A font the run-time cannot make (a size of 0 or less) measures nothing: the sample then
    // counts as 0 pixels wide.
    const int w = MeasureTextWidth(rt, kMeasuringFont, _TNTFontType, _TNTFontHeight, _TNTBold != 0,
                                   _TNTItalic != 0, sample);
    rt.SetCtrlAttribute(handle, ids::kTntText, Attr::Width, w);

    TNTXPos = _TNTXPos == -1 ? panel.PanelWidth / 2 - w / 2 : _TNTXPos;
    TNTYPos = _TNTYPos == -1 ? panel.PanelHeight / 2 - _TNTFontHeight / 2 : _TNTYPos;
    return 0;
}

int TntCounter::ShowTNT(int32_t _TNTValue) {
    const int d = TNTDigits == kAutomaticDigits ? TntDigitCount(_TNTValue) : TNTDigits;
    const std::string_view text = Compose(_TNTValue, d);

    platform::Runtime& rt = engine_.Runtime();
    const int handle = engine_.MainPanel().PanelHandle;
    rt.SetCtrlVal(handle, ids::kTntText, text);
    rt.SetCtrlAttribute(handle, ids::kTntText, Attr::Left, TNTXPos);
    rt.SetCtrlAttribute(handle, ids::kTntText, Attr::Top, TNTYPos);
    return 0;
}

int TntCounter::ChangeTNTColor(int32_t _TNTColor) {
    engine_.Runtime().SetCtrlAttribute(engine_.MainPanel().PanelHandle, ids::kTntText,
                                       Attr::TextColor, static_cast<int>(_TNTColor));
    return 0;
}

int TntCounter::HideTNT() {
    return engine_.MainPanel().ParkControl(ids::kTntText);
}

}  // namespace tov
