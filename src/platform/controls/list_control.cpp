#include "platform/controls/list_control.h"

#include <cmath>

namespace tov::platform {

int ListControl::PrepareItem(std::string_view) {
    return kUISuccess;
}
void ListControl::StoreItem(int, bool) {}
void ListControl::RemoveItems(int, int) {}

int ListControl::InsertItem(int index, std::string_view label, int value) {
    if (index == -1) index = Count();
    if (index < 0 || index > Count()) return kUIEListIndexOutOfRange;
    if (const int status = PrepareItem(label); status != kUISuccess) return status;
    items_.insert(items_.begin() + index, ListItem{std::string(label), value});
    StoreItem(index, true);
    MarkDirty();
    return kUISuccess;
}

int ListControl::ReplaceItem(int index, std::string_view label, int value) {
    if (index < 0 || index >= Count()) return kUIEListIndexOutOfRange;
    if (const int status = PrepareItem(label); status != kUISuccess) return status;
    items_[static_cast<size_t>(index)] = ListItem{std::string(label), value};
    StoreItem(index, false);
    MarkDirty();
    return kUISuccess;
}

int ListControl::DeleteItems(int index, int count) {
    if (index < 0 || index >= Count()) return kUIEListIndexOutOfRange;
    if (count < -1) return kUIEInvalidValue;
    const int available = Count() - index;
    const int removed = count == -1 ? available : std::min(count, available);
    if (removed == 0) return kUISuccess;
    items_.erase(items_.begin() + index, items_.begin() + index + removed);
    RemoveItems(index, removed);
    MarkDirty();
    return kUISuccess;
}

int ListControl::SetValue(double value, FontBook&) {
    if (!std::isfinite(value) || value < INT32_MIN || value > INT32_MAX) return kUIEInvalidValue;
    const int v = static_cast<int>(value);
    bool found = false;
    for (const ListItem& item : items_)
        found = found || item.value == v;
    if (!found) return kUIEInvalidValue;
    if (v != value_) {
        value_ = v;
        MarkDirty();
    }
    return kUISuccess;
}

int ListControl::GetValue(double* value) const {
    if (value == nullptr) return kUIENullPointer;
    *value = value_;
    return kUISuccess;
}

int ListControl::Selected() const {
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].value == value_) return static_cast<int>(i);
    }
    return -1;
}

void ListControl::Describe(std::vector<std::pair<std::string, ControlValue>>* out) const {
    std::vector<std::string> labels;
    labels.reserve(items_.size());
    for (const ListItem& item : items_)
        labels.push_back(item.label);
    out->emplace_back("value", value_);
    out->emplace_back("items", std::move(labels));
}

}  // namespace tov::platform
