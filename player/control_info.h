// What runtime.control(panel, id) reports about a control: its kind, its attributes under the
// script's names (left, text_color, pen_width, ...), its value, and the lines of a text box or
// the items of a list control.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tov::player {

struct ControlField {
    enum class Type { Integer, Number, Boolean, Text };
    std::string key;
    Type type = Type::Integer;
    int64_t integer = 0;
    double number = 0.0;
    std::string text;
};

struct ControlInfo {
    // "canvas", "picture", "picture_ring", "text_message", "text_box", "led", "strip_chart",
    // "slide", "meter", "gauge" or "control" when none of these fits.
    std::string kind;
    std::vector<ControlField> fields;
    bool has_number_value = false;
    double number_value = 0.0;
    bool has_text_value = false;
    std::string text_value;
    bool has_lines = false;
    std::vector<std::string> lines;
    bool has_items = false;
    std::vector<std::string> items;  // item labels where the run-time gives them
};

// The script's name of a run-time attribute: "TextBgColor" gives "text_background", "PenWidth"
// "pen_width"; names without a special form are the attribute's name in lower case with
// underscores between the words.
std::string ScriptKeyOfAttribute(const std::string& attribute);

// Fills *info for the control; false when the panel or the control does not exist.
bool DescribeControl(int panel, int control, ControlInfo* info);

}  // namespace tov::player
