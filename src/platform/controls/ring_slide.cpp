#include "platform/controls/ring_slide.h"

#include "platform/controls/numeric_control.h"

namespace tov::platform {

RingSlide::RingSlide(int id)
    : ListControl(ControlKind::RingSlide, id,
                  TextAttrs() | LabelAttrs() |
                      MakeAttrSet({Attr::FillColor, Attr::EmptyColor, Attr::FrameColor,
                                   Attr::ScaleFont, Attr::ScalePointSize, Attr::ScaleColor})) {
    look_.fill_color = 0xE02020;
    look_.empty_color = kWhite;
    look_.frame_color = 0x404040;
}

void RingSlide::Paint(Painter& painter) const {
    const int count = Count();
    std::vector<ScaleMark> marks;
    marks.reserve(Items().size());
    for (int i = 0; i < count; ++i) {
        const double fraction = count == 1 ? 1.0 : static_cast<double>(i) / (count - 1);
        marks.push_back(ScaleMark{fraction, Items()[static_cast<size_t>(i)].label});
    }
    const int selected = Selected();
    double fill = 0.0;
    if (selected >= 0) fill = count == 1 ? 1.0 : static_cast<double>(selected) / (count - 1);
    PaintVerticalGauge(painter, look_, TextFont(painter.Fonts()), SlideStyle::Thermometer, marks,
                       fill);
}

}  // namespace tov::platform
