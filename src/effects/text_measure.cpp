#include "effects/text_measure.h"

#include "platform/runtime.h"

namespace tov {

int MeasureTextWidth(platform::Runtime& rt, std::string_view meta_name, std::string_view face,
                     int size, bool bold, bool italic, std::string_view text) {
    if (rt.CreateMetaFont(meta_name, face, size, bold, italic, false, false) < 0) return 0;
    int height = 0;
    int width = 0;
    if (rt.GetTextDisplaySize(text, meta_name, &height, &width) < 0) return 0;
    return width;
}

}  // namespace tov
