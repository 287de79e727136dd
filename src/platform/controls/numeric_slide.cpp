#include "platform/controls/numeric_slide.h"

#include <array>

namespace tov::platform {

namespace {

ControlKind KindOf(SlideStyle style) {
    switch (style) {
        case SlideStyle::Tank:
            return ControlKind::Tank;
        case SlideStyle::Thermometer:
            return ControlKind::Thermometer;
        case SlideStyle::Thumb:
            return ControlKind::Slide;
    }
    return ControlKind::Tank;
}

AttrSet AttrsOf(SlideStyle style) {
    AttrSet attrs = TextAttrs() | LabelAttrs() |
                    MakeAttrSet({Attr::FillColor, Attr::EmptyColor, Attr::FrameColor,
                                 Attr::ScaleFont, Attr::ScalePointSize, Attr::ScaleColor});
    if (style == SlideStyle::Thumb) {
        attrs |= MakeAttrSet(
            {Attr::SliderColor, Attr::NeedleColor, Attr::SliderWidth, Attr::SliderHeight});
    }
    return attrs;
}

}  // namespace

NumericSlide::NumericSlide(int id, SlideStyle style)
    : NumericControl(KindOf(style), id, AttrsOf(style)), style_(style) {
    look_.fill_color = 0x2080FF;
    look_.empty_color = kWhite;
    look_.frame_color = 0x404040;
    look_.needle_color = 0xC0C0C0;
}

void NumericSlide::Paint(Painter& painter) const {
    // A slide's label goes beside its thumb, half way up: its scale names only the ends.
    const std::array<ScaleMark, 3> marks = {
        ScaleMark{0.0, ScaleText(look_.min)},
        ScaleMark{1.0, ScaleText(look_.max)},
        ScaleMark{0.5, ScaleText((look_.min + look_.max) / 2)},
    };
    const size_t count = style_ == SlideStyle::Thumb ? 2 : 3;
    PaintVerticalGauge(painter, look_, TextFont(painter.Fonts()), style_,
                       std::span<const ScaleMark>(marks.data(), count), Fraction());
}

}  // namespace tov::platform
