// The C interface of include/tov/tov.h over the dispatch layer and the shared engine.
//
// Sections: objects; variants between C and C++; calls; configuration; introspection.
// Every exported function catches everything: no C++ exception reaches a C caller.
#include "tov/tov.h"

#include <cstdlib>
#include <cstring>
#include <exception>
#include <iterator>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <variant>
#include <vector>

#include "engine/engine.h"
#include "platform/presenters/headless.h"
#include "platform/runtime.h"
#include "platform/variant.h"
#include "server/dispatch.h"
#include "server/host.h"
#include "server/ids.h"
#include "server/member_table.h"

// An object of the class. It carries no engine state (all objects share the one engine), only
// the description of its last refused call.
struct tov_object {
    std::string error_text;
};

namespace tov::server {
namespace {

using platform::Variant;
using platform::VariantType;

static_assert(sizeof(tov_guid) == sizeof(Guid));

// --- Objects -----------------------------------------------------------------------------

// The objects alive, so that a released or made-up pointer is refused rather than followed.
std::unordered_set<const tov_object*>& LiveObjects() {
    static std::unordered_set<const tov_object*> objects;
    return objects;
}

bool IsLive(const tov_object* object) {
    return object != nullptr && LiveObjects().count(object) != 0;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

void ToC(const Guid& from, tov_guid* to) {
    if (to == nullptr) return;
    to->data1 = from.data1;
    to->data2 = from.data2;
    to->data3 = from.data3;
    std::memcpy(to->data4, from.data4, sizeof to->data4);
}

Guid FromC(const tov_guid& from) {
    Guid to{from.data1, from.data2, from.data3, {}};
    std::memcpy(to.data4, from.data4, sizeof to.data4);
    return to;
}

// --- Variants between C and C++ ----------------------------------------------------------

bool IsKnownType(uint16_t type) {
    switch (type) {
        case TOV_VT_EMPTY:
        case TOV_VT_NULL:
        case TOV_VT_I2:
        case TOV_VT_I4:
        case TOV_VT_R8:
        case TOV_VT_STRING:
        case TOV_VT_BOOL:
        case TOV_VT_UI1:
        case TOV_VT_I8:
        case TOV_VT_REF:
            return true;
        default:
            return false;
    }
}

// A C variant that is no reference, as a C++ one. A tag that says I2, I4 or UI1 keeps the low
// bits of `integer` that the type has.
Variant FromC(const tov_variant& v) {
    switch (v.type) {
        case TOV_VT_NULL:
            return Variant::Null();
        case TOV_VT_I2:
            return Variant::I2(static_cast<int16_t>(static_cast<uint64_t>(v.integer)));
        case TOV_VT_I4:
            return Variant::I4(static_cast<int32_t>(static_cast<uint64_t>(v.integer)));
        case TOV_VT_I8:
            return Variant::I8(v.integer);
        case TOV_VT_UI1:
            return Variant::UI1(static_cast<uint8_t>(static_cast<uint64_t>(v.integer)));
        case TOV_VT_R8:
            return Variant::R8(v.real);
        case TOV_VT_BOOL:
            return Variant::Bool(v.integer != 0);
        case TOV_VT_STRING:
            return v.string != nullptr ? Variant::String(v.string) : Variant::NullString();
        default:
            return Variant();
    }
}

char* CopyText(const std::string& text) {
    char* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (copy != nullptr) std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

void FreeOwnedString(tov_variant* v) {
    if ((v->flags & TOV_VARIANT_OWNS_STRING) != 0) std::free(const_cast<char*>(v->string));
    v->flags = 0;
    v->string = nullptr;
}

// Writes a C++ value into a C variant, whose old content is not looked at.
void ToC(const Variant& from, tov_variant* to) {
    *to = tov_variant{};
    switch (from.Type()) {
        case VariantType::Empty:
            to->type = TOV_VT_EMPTY;
            break;
        case VariantType::Null:
            to->type = TOV_VT_NULL;
            break;
        case VariantType::I2:
            to->type = TOV_VT_I2;
            break;
        case VariantType::I4:
            to->type = TOV_VT_I4;
            break;
        case VariantType::I8:
            to->type = TOV_VT_I8;
            break;
        case VariantType::UI1:
            to->type = TOV_VT_UI1;
            break;
        case VariantType::Bool:
            to->type = TOV_VT_BOOL;
            break;
        case VariantType::R8:
            to->type = TOV_VT_R8;
            break;
        case VariantType::String:
            to->type = TOV_VT_STRING;
            to->string = CopyText(from.Text());
            if (to->string != nullptr) to->flags = TOV_VARIANT_OWNS_STRING;
            break;
        case VariantType::NullString:
            to->type = TOV_VT_STRING;
            break;
        case VariantType::Ref:
            to->type = TOV_VT_EMPTY;  // a body writes values, never references
            break;
    }
    to->integer = from.Integer();
    to->real = from.Real();
}

// The arguments of one call in C++ form. A C reference becomes a reference to a copy of the
// variant it leads to; after the call, a copy the body changed is written back.
class CallArguments {
  public:
    // False when an argument (or what a reference leads to) has an unknown type tag; *bad is
    // then its position.
    bool Read(tov_variant* arguments, uint32_t count, uint32_t* bad) {
        values_.reserve(count);
        copies_.reserve(count);  // never reallocated: values_ point into it
        for (uint32_t i = 0; i < count; ++i) {
            tov_variant& a = arguments[i];
            if (!IsKnownType(a.type)) {
                *bad = i;
                return false;
            }
            if (a.type != TOV_VT_REF) {
                values_.push_back(FromC(a));
                continue;
            }
            tov_variant* target = a.ref;
            for (int depth = 1; depth < Variant::kMaxReferenceDepth && target != nullptr &&
                                target->type == TOV_VT_REF;
                 ++depth) {
                target = target->ref;
            }
            if (target == nullptr || target->type == TOV_VT_REF) {
                values_.push_back(Variant::Ref(nullptr));  // converts to nothing
                continue;
            }
            if (!IsKnownType(target->type)) {
                *bad = i;
                return false;
            }
            copies_.push_back(Copy{FromC(*target), FromC(*target), target});
            values_.push_back(Variant::Ref(&copies_.back().value));
        }
        return true;
    }

    std::vector<Variant>& Values() { return values_; }

    void WriteBack() {
        for (Copy& c : copies_) {
            if (c.value == c.before) continue;
            FreeOwnedString(c.target);
            ToC(c.value, c.target);
        }
    }

  private:
    struct Copy {
        Variant value;
        Variant before;
        tov_variant* target;
    };
    std::vector<Variant> values_;
    std::vector<Copy> copies_;
};

// --- Introspection -----------------------------------------------------------------------

platform::Runtime& SharedRuntime() {
    return SharedEngine().Runtime();
}

// The last picture the headless presenter was given for the clipboard; null under another
// presenter.
const platform::Surface* HeadlessClipboard() {
    auto* headless = dynamic_cast<platform::HeadlessPresenter*>(&SharedRuntime().GetPresenter());
    return headless != nullptr ? &headless->Clipboard().image : nullptr;
}

void CopyName(std::string_view from, char* to, size_t size) {
    const size_t n = from.size() < size - 1 ? from.size() : size - 1;
    std::memcpy(to, from.data(), n);
    to[n] = '\0';
}

// What the last tov_control_attributes handed out: the names and texts its records point to.
struct DescribedControl {
    platform::ControlDescription description;
    std::vector<std::string> texts;
};

DescribedControl& LastDescribed() {
    static DescribedControl described;
    return described;
}

// Runs an introspection step, turning an exception into a status.
template <typename F>
int Guarded(F&& step) noexcept {
    try {
        return step();
    } catch (const std::bad_alloc&) {
        return platform::kUIEOutOfMemory;
    } catch (...) {
        return TOV_ERR_INTERNAL;
    }
}

}  // namespace
}  // namespace tov::server

using tov::platform::Variant;
using namespace tov::server;

extern "C" {

// --- Objects and calls -------------------------------------------------------------------

TOV_API void tov_ids(tov_guid* library, tov_guid* class_id, tov_guid* interface_id) {
    ToC(kLibraryId, library);
    ToC(kClassId, class_id);
    ToC(kInterfaceId, interface_id);
}

TOV_API void tov_variant_clear(tov_variant* variant) {
    if (variant == nullptr) return;
    FreeOwnedString(variant);
    *variant = tov_variant{};
}

TOV_API tov_status tov_create(const char* prog_id, tov_object** object) {
    if (object == nullptr) return kInvalidPointer;
    *object = nullptr;
    if (prog_id == nullptr || !SameIgnoringCase(prog_id, kProgId)) return kInvalidClassString;
    try {
        SharedEngine();
        auto made = std::make_unique<tov_object>();
        LiveObjects().insert(made.get());
        *object = made.release();
        return kOk;
    } catch (const std::bad_alloc&) {
        return 0x8007000E;  // E_OUTOFMEMORY
    } catch (...) {
        return kUnexpected;
    }
}

TOV_API void tov_release(tov_object* object) {
    if (!IsLive(object)) return;
    LiveObjects().erase(object);
    delete object;
}

TOV_API tov_status tov_get_ids_of_names(tov_object* object, const char* name, int32_t* dispid) {
    if (!IsLive(object) || name == nullptr || dispid == nullptr) return kInvalidPointer;
    return GetIDsOfNames(name, dispid);
}

TOV_API tov_status tov_invoke(tov_object* object, int32_t dispid, tov_variant* arguments,
                              uint32_t count, tov_variant* result, uint32_t* arg_error) {
    if (arg_error != nullptr) *arg_error = TOV_NO_ARGUMENT;
    if (!IsLive(object)) return kInvalidPointer;
    try {
        object->error_text.clear();
        if (arguments == nullptr && count != 0) {
            object->error_text = "no arguments were given for a count of " + std::to_string(count);
            return kInvalidPointer;
        }
        if (count > static_cast<uint32_t>(kMaxParams)) {
            // No member takes that many; the arguments are not even looked at.
            object->error_text =
                std::to_string(count) + " arguments are more than any member takes";
            return kBadParamCount;
        }
        CallArguments call;
        uint32_t bad = 0;
        if (!call.Read(arguments, count, &bad)) {
            if (arg_error != nullptr) *arg_error = bad;
            object->error_text = "argument " + std::to_string(bad + 1) + " has an unknown type tag";
            return kTypeMismatch;
        }
        Variant value;
        InvokeError error;
        const HResult status =
            Invoke(SharedEngine(), dispid, call.Values(), result ? &value : nullptr, &error);
        call.WriteBack();
        if (result != nullptr) ToC(value, result);
        if (arg_error != nullptr) *arg_error = error.argument;
        object->error_text = std::move(error.description);
        return status;
    } catch (const std::bad_alloc&) {
        return 0x8007000E;  // E_OUTOFMEMORY
    } catch (...) {
        return kUnexpected;
    }
}

TOV_API const char* tov_error_text(const tov_object* object) {
    if (!IsLive(object)) return "";
    return object->error_text.c_str();
}

TOV_API tov_status tov_interface_supports_error_info(tov_object*, const tov_guid* iid) {
    if (iid == nullptr) return kFalse;
    return InterfaceSupportsErrorInfo(FromC(*iid));
}

// --- Configuration -----------------------------------------------------------------------

TOV_API int tov_configure(int screen_width, int screen_height) {
    if (screen_width < 1 || screen_height < 1) return tov::platform::kUIEInvalidValue;
    return Guarded([&] {
        const bool configured = ConfigureHost([screen_width, screen_height] {
            auto presenter = std::make_unique<tov::platform::HeadlessPresenter>();
            presenter->SetScreenSize(screen_width, screen_height);
            return std::unique_ptr<tov::platform::Presenter>(std::move(presenter));
        });
        return configured ? 0 : TOV_ERR_TOO_LATE;
    });
}

// --- Introspection -----------------------------------------------------------------------

TOV_API int tov_panels(tov_panel_info* panels, int capacity) {
    if (capacity < 0 || (panels == nullptr && capacity > 0)) {
        return tov::platform::kUIENullPointer;
    }
    return Guarded([&] {
        const std::vector<tov::platform::PanelInfo> all = SharedRuntime().Panels();
        for (size_t i = 0; i < all.size() && i < static_cast<size_t>(capacity); ++i) {
            const tov::platform::PanelInfo& p = all[i];
            tov_panel_info& out = panels[i];
            out = tov_panel_info{};
            out.handle = p.handle;
            CopyName(p.file, out.file, sizeof out.file);
            out.resource = p.resource;
            out.left = p.left;
            out.top = p.top;
            out.width = p.width;
            out.height = p.height;
            out.visible = p.visible ? 1 : 0;
            out.frame = p.frame ? 1 : 0;
            out.enabled = p.enabled ? 1 : 0;
            out.discarded = p.discarded ? 1 : 0;
        }
        return static_cast<int>(all.size());
    });
}

TOV_API int tov_control_attributes(int panel, int control, tov_attribute* attributes,
                                   int capacity) {
    if (capacity < 0 || (attributes == nullptr && capacity > 0)) {
        return tov::platform::kUIENullPointer;
    }
    return Guarded([&] {
        DescribedControl& described = LastDescribed();
        described.texts.clear();
        if (!SharedRuntime().DescribeControl(panel, control, &described.description)) {
            described.description = {};
            return static_cast<int>(tov::platform::kUIEInvalidControl);
        }
        const auto& properties = described.description.properties;
        // Every text first, so that no record points into a vector that grows afterwards.
        described.texts.reserve(properties.size());
        for (const auto& [name, value] : properties) {
            std::string text;
            if (const auto* single = std::get_if<std::string>(&value)) text = *single;
            if (const auto* list = std::get_if<std::vector<std::string>>(&value)) {
                for (const std::string& line : *list)
                    text.append(line).append("\n");
            }
            described.texts.push_back(std::move(text));
        }
        for (size_t i = 0; i < properties.size() && i < static_cast<size_t>(capacity); ++i) {
            const auto& [name, value] = properties[i];
            tov_attribute& out = attributes[i];
            out = tov_attribute{};
            out.name = name.c_str();
            out.text = described.texts[i].c_str();
            if (const int* integer = std::get_if<int>(&value)) {
                out.type = TOV_ATTRIBUTE_INT;
                out.integer = *integer;
            } else if (const double* real = std::get_if<double>(&value)) {
                out.type = TOV_ATTRIBUTE_DOUBLE;
                out.real = *real;
            } else if (const auto* list = std::get_if<std::vector<std::string>>(&value)) {
                out.type = TOV_ATTRIBUTE_TEXT_LIST;
                out.count = static_cast<int32_t>(list->size());
            } else {
                out.type = TOV_ATTRIBUTE_TEXT;
            }
        }
        return static_cast<int>(properties.size());
    });
}

TOV_API int tov_control_ids(int panel, int* ids, int capacity) {
    if (capacity < 0 || (ids == nullptr && capacity > 0)) return tov::platform::kUIENullPointer;
    return Guarded([&] {
        const std::vector<int> all = SharedRuntime().ControlIds(panel);
        for (size_t i = 0; i < all.size() && i < static_cast<size_t>(capacity); ++i) {
            ids[i] = all[i];
        }
        return static_cast<int>(all.size());
    });
}

TOV_API int tov_canvas_pixel(int panel, int control, int x, int y, uint32_t* color) {
    if (color == nullptr) return tov::platform::kUIENullPointer;
    return Guarded([&] {
        return SharedRuntime().CanvasGetPixel(panel, control, tov::platform::MakePoint(x, y),
                                              color);
    });
}

TOV_API int tov_screen_pixel(int x, int y, uint32_t* color) {
    if (color == nullptr) return tov::platform::kUIENullPointer;
    return Guarded([&] {
        const tov::platform::Surface& screen = SharedRuntime().ComposeScreen();
        if (!screen.Contains(x, y)) return static_cast<int>(tov::platform::kUIEInvalidValue);
        *color = screen.At(x, y);
        return 0;
    });
}

TOV_API int tov_popup_count(void) {
    return Guarded([] { return static_cast<int>(SharedRuntime().Popups().size()); });
}

TOV_API int tov_popup(int index, const char** title, const char** text) {
    return Guarded([&] {
        const auto& popups = SharedRuntime().Popups();
        if (index < 0 || static_cast<size_t>(index) >= popups.size()) {
            return static_cast<int>(tov::platform::kUIEListIndexOutOfRange);
        }
        if (title != nullptr) *title = popups[index].title.c_str();
        if (text != nullptr) *text = popups[index].text.c_str();
        return 0;
    });
}

TOV_API void tov_clear_popups(void) {
    Guarded([] {
        SharedRuntime().ClearPopups();
        return 0;
    });
}

TOV_API int tov_clipboard_size(int* width, int* height) {
    if (width == nullptr || height == nullptr) return tov::platform::kUIENullPointer;
    return Guarded([&] {
        const tov::platform::Surface* picture = HeadlessClipboard();
        if (picture == nullptr) return TOV_ERR_NOT_HEADLESS;
        *width = picture->width;
        *height = picture->height;
        return 0;
    });
}

TOV_API int tov_clipboard_pixel(int x, int y, uint32_t* color) {
    if (color == nullptr) return tov::platform::kUIENullPointer;
    return Guarded([&] {
        const tov::platform::Surface* picture = HeadlessClipboard();
        if (picture == nullptr) return TOV_ERR_NOT_HEADLESS;
        if (!picture->Contains(x, y)) return static_cast<int>(tov::platform::kUIEInvalidValue);
        *color = picture->At(x, y);
        return 0;
    });
}

TOV_API int tov_set_mouse(int x, int y, int left, int right, int middle) {
    return Guarded([&] {
        auto* headless =
            dynamic_cast<tov::platform::HeadlessPresenter*>(&SharedRuntime().GetPresenter());
        if (headless == nullptr) return TOV_ERR_NOT_HEADLESS;
        headless->SetMouse(tov::platform::MouseState{x, y, left != 0, right != 0, middle != 0});
        return 0;
    });
}

TOV_API int tov_snapshot_screen(const char* png_path) {
    if (png_path == nullptr) return tov::platform::kUIENullPointer;
    return Guarded([&] { return SharedRuntime().SnapshotScreen(png_path); });
}

TOV_API int tov_snapshot_panel(int panel, const char* png_path) {
    if (png_path == nullptr) return tov::platform::kUIENullPointer;
    return Guarded([&] { return SharedRuntime().SnapshotPanel(panel, png_path); });
}

TOV_API int tov_snapshot_control(int panel, int control, const char* png_path) {
    if (png_path == nullptr) return tov::platform::kUIENullPointer;
    return Guarded([&] { return SharedRuntime().SnapshotControl(panel, control, png_path); });
}

TOV_API void tov_present(void) {
    Guarded([] {
        SharedRuntime().Present();
        return 0;
    });
}

}  // extern "C"
