// The fonts one run-time knows: the meta fonts scripts define by name, over the installed faces.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/font.h"

namespace tov::platform {

class FontBook {
  public:
    FontBook() = default;

    // The font engine, made at first use (opening the font configuration takes a moment that a
    // run without text need not spend).
    FontEngine& Engine() {
        if (!engine_) engine_ = std::make_unique<FontEngine>();
        return *engine_;
    }

    // Defines or redefines a meta font.
    void Define(std::string_view name, const FontSpec& spec) { meta_[std::string(name)] = spec; }
    // The meta font of that name (exact, case-sensitive), or nullptr.
    const FontSpec* Meta(std::string_view name) const {
        auto found = meta_.find(name);
        return found == meta_.end() ? nullptr : &found->second;
    }

    // The font a control draws with: a meta font's face (with the control's own size and style,
    // which took the meta font's values when it was chosen), or the named face.
    FontSpec Resolve(std::string_view name, int size, bool bold, bool italic) const {
        FontSpec spec;
        const FontSpec* meta = Meta(name);
        spec.face = meta != nullptr ? meta->face : std::string(name);
        if (meta != nullptr) {
            spec.underline = meta->underline;
            spec.strikeout = meta->strikeout;
        }
        spec.size = size;
        spec.bold = bold;
        spec.italic = italic;
        return spec;
    }

  private:
    std::unique_ptr<FontEngine> engine_;
    std::map<std::string, FontSpec, std::less<>> meta_;
};

}  // namespace tov::platform
