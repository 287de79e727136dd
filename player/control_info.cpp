#include "control_info.h"

#include <tov/tov.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string_view>

#include "engine/engine.h"
#include "server/host.h"

namespace tov::player {
namespace {

struct KeyName {
    std::string_view attribute;
    std::string_view key;
};

// The attributes whose script names differ from their plain snake-case form.
constexpr KeyName kKeyNames[] = {
    {"ZPlanePosition", "zplane"},
    {"TextBgColor", "text_background"},
    {"TextFont", "font"},
    {"TextPointSize", "point_size"},
    {"TextBold", "bold"},
    {"TextItalic", "italic"},
    {"PictureBgColor", "background"},
    {"MinValue", "min"},
    {"MaxValue", "max"},
};

// Attributes that are yes/no switches, reported as booleans.
constexpr std::string_view kBooleans[] = {"Visible", "TextBold", "TextItalic", "Dimmed",
                                          "LabelVisible"};

bool Has(const ControlInfo& info, std::string_view key) {
    for (const ControlField& f : info.fields)
        if (f.key == key) return true;
    return false;
}

// The control's kind, from what it answers: list items, text box lines, canvas pixels, and the
// attributes only one kind has.
std::string KindOf(const ControlInfo& info, bool is_canvas, bool has_lines, bool has_items) {
    if (has_lines) return "text_box";
    if (is_canvas) return "canvas";
    if (Has(info, "plot_color") || Has(info, "points_per_screen")) return "strip_chart";
    if (has_items) return Has(info, "slider_color") ? "slide" : "picture_ring";
    if (Has(info, "slider_color")) return "slide";
    if (Has(info, "needle_color")) return "meter";
    if (Has(info, "on_color") && Has(info, "off_color")) return "led";
    if (Has(info, "min") || Has(info, "max")) return "gauge";
    if (Has(info, "text_color")) return "text_message";
    if (Has(info, "background")) return "picture";
    return "control";
}

}  // namespace

std::string ScriptKeyOfAttribute(const std::string& attribute) {
    for (const KeyName& k : kKeyNames)
        if (k.attribute == attribute) return std::string(k.key);
    std::string key;
    for (size_t i = 0; i < attribute.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(attribute[i]);
        if (std::isupper(c) && i > 0) key += '_';
        key += static_cast<char>(std::tolower(c));
    }
    return key;
}

bool DescribeControl(int panel, int control, ControlInfo* info) {
    *info = ControlInfo{};
    const int count = tov_control_attributes(panel, control, nullptr, 0);
    if (count < 0) return false;
    std::vector<tov_attribute> attributes(static_cast<size_t>(count));
    const int filled =
        count > 0 ? tov_control_attributes(panel, control, attributes.data(), count) : 0;
    if (filled < 0) return false;
    for (int i = 0; i < filled && i < count; ++i) {
        const tov_attribute& a = attributes[static_cast<size_t>(i)];
        const std::string name(a.name, strnlen(a.name, sizeof a.name));
        ControlField f;
        f.key = ScriptKeyOfAttribute(name);
        switch (a.type) {
            case TOV_ATTRIBUTE_DOUBLE:
                f.type = ControlField::Type::Number;
                f.number = a.real;
                break;
            case TOV_ATTRIBUTE_TEXT:
                f.type = ControlField::Type::Text;
                f.text.assign(a.text, strnlen(a.text, sizeof a.text));
                break;
            default:
                f.type = ControlField::Type::Integer;
                f.integer = a.integer;
                for (std::string_view b : kBooleans)
                    if (b == name) f.type = ControlField::Type::Boolean;
                break;
        }
        info->fields.push_back(std::move(f));
    }

    // Value, lines and items come from the run-time itself; the C interface has no call for
    // them.
    platform::Runtime& runtime = server::SharedEngine().Runtime();
    double number = 0;
    std::string text;
    if (runtime.GetCtrlVal(panel, control, &number) == 0) {
        info->has_number_value = true;
        info->number_value = number;
    } else if (runtime.GetCtrlVal(panel, control, &text) == 0) {
        info->has_text_value = true;
        info->text_value = text;
    }
    int lines = 0;
    if (runtime.GetNumTextBoxLines(panel, control, &lines) == 0) {
        info->has_lines = true;
        // A text box's value is its text, one line after the other.
        size_t start = 0;
        const std::string& all = info->text_value;
        while (static_cast<int>(info->lines.size()) < lines) {
            const size_t end = all.find('\n', start);
            info->lines.push_back(all.substr(std::min(start, all.size()), end == std::string::npos
                                                                              ? std::string::npos
                                                                              : end - start));
            start = end == std::string::npos ? all.size() : end + 1;
        }
    }
    int items = 0;
    if (runtime.GetNumListItems(panel, control, &items) == 0) {
        info->has_items = true;
        info->items.assign(static_cast<size_t>(std::max(items, 0)), std::string());
    }
    // Only a canvas has pixels to read; any other kind refuses the reading.
    uint32_t pixel = 0;
    const int pixel_status =
        runtime.CanvasGetPixel(panel, control, platform::MakePoint(0, 0), &pixel);
    const bool is_canvas = pixel_status != platform::kUIEWrongControlKind &&
                           pixel_status != platform::kUIEInvalidControl &&
                           pixel_status != platform::kUIEInvalidPanel;
    info->kind = KindOf(*info, is_canvas, info->has_lines, info->has_items);
    return true;
}

}  // namespace tov::player
