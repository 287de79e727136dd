#include "platform/panel.h"

#include <algorithm>

namespace tov::platform {

Control* Panel::Find(int id) const {
    for (const auto& control : controls) {
        if (control->Id() == id) return control.get();
    }
    return nullptr;
}

int Panel::ZPlaneOf(int id) const {
    for (size_t i = 0; i < controls.size(); ++i) {
        if (controls[i]->Id() == id) return static_cast<int>(i);
    }
    return -1;
}

int Panel::MoveToZPlane(int id, int position) {
    const int from = ZPlaneOf(id);
    if (from < 0) return kUIEInvalidControl;
    if (position < 0) return kUIEInvalidValue;
    const int to = std::min(position, static_cast<int>(controls.size()) - 1);
    if (to == from) return kUISuccess;
    std::unique_ptr<Control> moving = std::move(controls[static_cast<size_t>(from)]);
    controls.erase(controls.begin() + from);
    controls.insert(controls.begin() + to, std::move(moving));
    return kUISuccess;
}

int Panel::SetAttribute(Attr attr, int value) {
    switch (attr) {
        case Attr::Left:
            left = value;
            return kUISuccess;
        case Attr::Top:
            top = value;
            return kUISuccess;
        case Attr::Width:
        case Attr::Height: {
            if (value < 0 || value > kMaxExtent) return kUIEInvalidValue;
            const int64_t other = attr == Attr::Width ? height : width;
            if (static_cast<int64_t>(value) * other > kMaxPixels) return kUIEOutOfMemory;
            int& field = attr == Attr::Width ? width : height;
            if (field != value) dirty = true;
            field = value;
            return kUISuccess;
        }
        case Attr::Visible:
            visible = value != 0;
            return kUISuccess;
        case Attr::FrameVisible:
            frame = value != 0;
            return kUISuccess;
        case Attr::Enabled:
            enabled = value != 0;
            return kUISuccess;
        case Attr::Sizable:
            sizable = value != 0;
            return kUISuccess;
        case Attr::BackColor:
            if (value < 0 || value > 0xFFFFFF) return kUIEInvalidValue;
            if (back_color != value) dirty = true;
            back_color = value;
            return kUISuccess;
        case Attr::SystemWindowHandle:
        default:
            return kUIEInvalidAttribute;
    }
}

int Panel::GetAttribute(Attr attr, int* value) const {
    if (value == nullptr) return kUIENullPointer;
    switch (attr) {
        case Attr::Left:
            *value = left;
            return kUISuccess;
        case Attr::Top:
            *value = top;
            return kUISuccess;
        case Attr::Width:
            *value = width;
            return kUISuccess;
        case Attr::Height:
            *value = height;
            return kUISuccess;
        case Attr::Visible:
            *value = visible ? 1 : 0;
            return kUISuccess;
        case Attr::FrameVisible:
            *value = frame ? 1 : 0;
            return kUISuccess;
        case Attr::SystemWindowHandle:
            *value = static_cast<int>(window);
            return kUISuccess;
        case Attr::Enabled:
            *value = enabled ? 1 : 0;
            return kUISuccess;
        case Attr::Sizable:
            *value = sizable ? 1 : 0;
            return kUISuccess;
        case Attr::BackColor:
            *value = back_color;
            return kUISuccess;
        default:
            return kUIEInvalidAttribute;
    }
}

PanelInfo Panel::Info() const {
    PanelInfo info;
    FillInfo(&info);
    return info;
}

void Panel::FillInfo(PanelInfo* info) const {
    info->handle = handle;
    info->file = file;
    info->resource = resource;
    info->title = title;
    info->left = left;
    info->top = top;
    info->width = width;
    info->height = height;
    info->visible = visible;
    info->frame = frame;
    info->enabled = enabled;
    info->discarded = false;
}

}  // namespace tov::platform
