// What the list kinds share (picture rings and ring slides): numbered items, each a label and
// an integer value; the control's value selects the item whose value equals it.
#pragma once

#include <string>
#include <vector>

#include "platform/controls/control.h"

namespace tov::platform {

struct ListItem {
    std::string label;
    int value = 0;
};

class ListControl : public Control {
  public:
    using Control::Control;

    // index -1 appends; otherwise 0..count inserts before that position. kUIEListIndexOutOfRange
    // for any other position.
    int InsertItem(int index, std::string_view label, int value);
    // index 0..count-1.
    int ReplaceItem(int index, std::string_view label, int value);
    // count -1 removes to the end.
    int DeleteItems(int index, int count);
    int Count() const { return static_cast<int>(items_.size()); }
    const std::vector<ListItem>& Items() const { return items_; }

    // A value that no item has is refused with kUIEInvalidValue.
    int SetValue(double value, FontBook& fonts) override;
    int GetValue(double* value) const override;
    // The item shown: the first whose value is the control's value; -1 for none.
    int Selected() const;

    void Describe(std::vector<std::pair<std::string, ControlValue>>* out) const override;

  protected:
    // A kind's part of an item (a picture ring's image): prepared before the item is stored
    // (a failing status stores nothing), then stored, moved and removed with it.
    virtual int PrepareItem(std::string_view label);
    virtual void StoreItem(int index, bool insert);
    virtual void RemoveItems(int index, int count);

  private:
    std::vector<ListItem> items_;
    int value_ = 0;
};

}  // namespace tov::platform
