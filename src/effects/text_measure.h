// Text measuring for the text effects. Each effect measures in a named font of its own, made
// anew for every measurement, so that one effect never measures with a font another made.
#pragma once

#include <string_view>

namespace tov {

namespace platform {
class Runtime;
}

// The width in pixels of `text` in the font `face` of `size` pixels with the given style, made
// under the name `meta_name` first. A font the run-time cannot make (a size of 0 or less, an
// empty face) measures nothing: the width is then 0, whatever `meta_name` named before.
int MeasureTextWidth(platform::Runtime& rt, std::string_view meta_name, std::string_view face,
                     int size, bool bold, bool italic, std::string_view text);

}  // namespace tov
