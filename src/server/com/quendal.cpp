// Sections: identities; the object; IUnknown; IDispatch; the early-bound members; the virtual
// tables; ISupportErrorInfo; creation.
#include "server/com/quendal.h"

#include <oaidl.h>
#include <oleauto.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <new>
#include <string>
#include <type_traits>
#include <utility>

#include "engine/engine.h"
#include "platform/variant.h"
#include "server/com/module.h"
#include "server/com/variants.h"
#include "server/dispatch.h"
#include "server/ids.h"
#include "server/member_table.h"

namespace tov::server::com {
namespace {

using platform::Variant;

// --- Identities ------------------------------------------------------------------------------

GUID ToGuid(const Guid& guid) {
    GUID out;
    out.Data1 = guid.data1;
    out.Data2 = guid.data2;
    out.Data3 = guid.data3;
    for (int i = 0; i < 8; ++i)
        out.Data4[i] = guid.data4[i];
    return out;
}

Guid FromGuid(const GUID& guid) {
    Guid out{static_cast<uint32_t>(guid.Data1), guid.Data2, guid.Data3, {}};
    for (int i = 0; i < 8; ++i)
        out.data4[i] = guid.Data4[i];
    return out;
}

const IID kMyInterfaceId = ToGuid(kInterfaceId);

// --- The object ------------------------------------------------------------------------------

// The entries of a virtual table, each cast back to its own type by the client that calls it.
using AnyFunction = void (*)();

struct Quendal {
    const AnyFunction* dual;                // IUnknown, IDispatch and myInterface
    const AnyFunction* support_error_info;  // ISupportErrorInfo
    LONG references;
    ITypeInfo* type_info;  // of myInterface, loaded from the DLL's type library when asked
};
static_assert(std::is_standard_layout_v<Quendal>, "interface pointers are found by offset");

Quendal* OfDual(void* self) {
    return static_cast<Quendal*>(self);
}

Quendal* OfSupportErrorInfo(void* self) {
    return reinterpret_cast<Quendal*>(static_cast<char*>(self) -
                                      offsetof(Quendal, support_error_info));
}

// Lets the person see what a call changed; the presenter gathers calls that come close together.
void ShowChanges(Engine& engine) noexcept {
    try {
        engine.Runtime().Present();
    } catch (...) {
        // Showing is best effort: the call itself has been made.
    }
}

// The status a call returns. A failure first clears the thread's error-info object: the class
// says it supports error info but sets none, so a client asking for the description must not
// find one that another component left behind.
HRESULT Outcome(HResult status) {
    if (Failed(status)) SetErrorInfo(0, nullptr);
    return static_cast<HRESULT>(status);
}

// --- IUnknown --------------------------------------------------------------------------------

ULONG STDMETHODCALLTYPE AddRef(void* self) {
    return static_cast<ULONG>(InterlockedIncrement(&OfDual(self)->references));
}

ULONG STDMETHODCALLTYPE Release(void* self) {
    Quendal* object = OfDual(self);
    const LONG left = InterlockedDecrement(&object->references);
    if (left == 0) {
        if (object->type_info != nullptr) object->type_info->Release();
        delete object;
        ObjectGone();
    }
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE QueryInterface(void* self, REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    Quendal* object = OfDual(self);
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, kMyInterfaceId)) {
        *out = &object->dual;
    } else if (IsEqualIID(iid, IID_ISupportErrorInfo)) {
        *out = &object->support_error_info;
    } else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef(object);
    return S_OK;
}

// --- IDispatch -------------------------------------------------------------------------------

HRESULT STDMETHODCALLTYPE GetTypeInfoCount(void*, UINT* count) {
    if (count == nullptr) return E_POINTER;
    *count = 1;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE GetTypeInfo(void* self, UINT index, LCID, ITypeInfo** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    Quendal* object = OfDual(self);
    if (object->type_info == nullptr) {
        const std::wstring path = ModulePath();
        if (path.empty()) return TYPE_E_CANTLOADLIBRARY;
        ITypeLib* library = nullptr;
        HRESULT status = LoadTypeLibEx(path.c_str(), REGKIND_NONE, &library);
        if (FAILED(status)) return status;
        status = library->GetTypeInfoOfGuid(kMyInterfaceId, &object->type_info);
        library->Release();
        if (FAILED(status)) return status;
    }
    object->type_info->AddRef();
    *out = object->type_info;
    return S_OK;
}

// A member name in plain ASCII, as every name of the table is; false for any other character.
bool AsciiName(const OLECHAR* name, std::string* out) {
    out->clear();
    for (const OLECHAR* c = name; *c != 0; ++c) {
        if (*c > 0x7F || out->size() > 256) return false;
        out->push_back(static_cast<char>(*c));
    }
    return true;
}

HRESULT STDMETHODCALLTYPE GetIDsOfNames(void*, REFIID riid, LPOLESTR* names, UINT count, LCID,
                                        DISPID* ids) {
    if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (count == 0) return S_OK;
    if (names == nullptr || ids == nullptr) return E_POINTER;
    try {
        // Parameters are not known by name: members take their arguments by position.
        for (UINT i = 1; i < count; ++i)
            ids[i] = DISPID_UNKNOWN;
        std::string name;
        int32_t dispid = kUnknownDispid;
        if (names[0] == nullptr || !AsciiName(names[0], &name) ||
            Failed(server::GetIDsOfNames(name, &dispid))) {
            ids[0] = DISPID_UNKNOWN;
            return DISP_E_UNKNOWNNAME;
        }
        ids[0] = dispid;
        return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

// Whether the call's flags name the member: a method is called, a property is read (a client
// may also call it like a method); nothing can be written.
bool FlagsFit(const MemberDecl& member, WORD flags) {
    if (member.kind == MemberKind::PropertyGet) {
        return (flags & (DISPATCH_PROPERTYGET | DISPATCH_METHOD)) != 0;
    }
    return (flags & DISPATCH_METHOD) != 0;
}

HRESULT STDMETHODCALLTYPE Invoke(void*, DISPID dispid, REFIID riid, LCID, WORD flags,
                                 DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                 UINT* argument_error) {
    if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    const int index = MemberIndexOfDispid(dispid);
    if (index < 0 || !FlagsFit(kMemberTable[index], flags)) return DISP_E_MEMBERNOTFOUND;
    if (params == nullptr || (params->cArgs > 0 && params->rgvarg == nullptr)) return E_POINTER;
    if (params->cNamedArgs > 0) return DISP_E_NONAMEDARGS;
    if (result != nullptr) VariantInit(result);
    try {
        Engine* engine = SharedEngineOrReport();
        if (engine == nullptr) return E_UNEXPECTED;
        // Automation passes the arguments last first.
        ArgumentList arguments;
        const UINT count = params->cArgs;
        for (UINT i = 0; i < count; ++i)
            arguments.AddVariant(params->rgvarg[count - 1 - i]);
        Variant value;
        InvokeError error;
        HResult status = server::Invoke(*engine, dispid, arguments.Arguments(), &value, &error);
        // An out argument or result that cannot be handed over is no success.
        const HRESULT written = arguments.WriteBack();
        if (FAILED(written) && status == kOk) status = static_cast<HResult>(written);
        if (status == kOk && result != nullptr && !StoreValue(value, result)) {
            status = static_cast<HResult>(E_OUTOFMEMORY);
        }
        if (status == kTypeMismatch && argument_error != nullptr &&
            error.argument != InvokeError::kNoArgument && error.argument < count) {
            *argument_error = count - 1 - error.argument;
        }
        ShowChanges(*engine);
        return Outcome(status);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

// --- The early-bound members -----------------------------------------------------------------

// The C type of each automation type in the virtual table.
template <ParamType P>
struct CTypeOf;
template <>
struct CTypeOf<ParamType::I2> {
    using Type = SHORT;
};
template <>
struct CTypeOf<ParamType::I4> {
    using Type = LONG;
};
template <>
struct CTypeOf<ParamType::R8> {
    using Type = DOUBLE;
};
template <>
struct CTypeOf<ParamType::UI1> {
    using Type = BYTE;
};
template <>
struct CTypeOf<ParamType::Text> {
    using Type = BSTR;
};
template <>
struct CTypeOf<ParamType::VariantOut> {
    using Type = VARIANT*;
};
template <>
struct CTypeOf<ParamType::I2Result> {
    using Type = SHORT*;
};
template <>
struct CTypeOf<ParamType::UI1Result> {
    using Type = BYTE*;
};

// One argument of an early-bound call; the field read depends on the parameter's type.
struct EarlyArgument {
    int64_t integer = 0;
    double real = 0.0;
    BSTR text = nullptr;
    VARIANT* variant = nullptr;
    SHORT* i2_result = nullptr;
    BYTE* ui1_result = nullptr;
};

EarlyArgument Early(SHORT value) {
    EarlyArgument a;
    a.integer = value;
    return a;
}
EarlyArgument Early(LONG value) {
    EarlyArgument a;
    a.integer = value;
    return a;
}
EarlyArgument Early(DOUBLE value) {
    EarlyArgument a;
    a.real = value;
    return a;
}
EarlyArgument Early(BYTE value) {
    EarlyArgument a;
    a.integer = value;
    return a;
}
EarlyArgument Early(BSTR value) {
    EarlyArgument a;
    a.text = value;
    return a;
}
EarlyArgument Early(VARIANT* value) {
    EarlyArgument a;
    a.variant = value;
    return a;
}
EarlyArgument Early(SHORT* value) {
    EarlyArgument a;
    a.i2_result = value;
    return a;
}
EarlyArgument Early(BYTE* value) {
    EarlyArgument a;
    a.ui1_result = value;
    return a;
}

// Calls the member at kMemberTable[index] with the arguments of its virtual-table slot, through
// the same conversions and statuses as IDispatch.
HRESULT CallEarlyBound(void* self, int index, const EarlyArgument* early) noexcept {
    if (self == nullptr) return E_POINTER;
    try {
        const MemberDecl& member = kMemberTable[index];
        // Pointers are checked before anything is called or written.
        for (int i = 0; i < member.param_count; ++i) {
            const EarlyArgument& a = early[i];
            switch (member.params[i].type) {
                case ParamType::VariantOut:
                    if (a.variant == nullptr) return E_POINTER;
                    break;
                case ParamType::I2Result:
                    if (a.i2_result == nullptr) return E_POINTER;
                    break;
                case ParamType::UI1Result:
                    if (a.ui1_result == nullptr) return E_POINTER;
                    break;
                default:
                    break;
            }
        }
        Engine* engine = SharedEngineOrReport();
        if (engine == nullptr) return E_UNEXPECTED;

        ArgumentList arguments;
        SHORT* i2_result = nullptr;
        BYTE* ui1_result = nullptr;
        for (int i = 0; i < member.param_count; ++i) {
            const EarlyArgument& a = early[i];
            switch (member.params[i].type) {
                case ParamType::I2:
                    arguments.AddValue(Variant::I2(static_cast<int16_t>(a.integer)));
                    break;
                case ParamType::I4:
                    arguments.AddValue(Variant::I4(static_cast<int32_t>(a.integer)));
                    break;
                case ParamType::R8:
                    arguments.AddValue(Variant::R8(a.real));
                    break;
                case ParamType::UI1:
                    arguments.AddValue(Variant::UI1(static_cast<uint8_t>(a.integer)));
                    break;
                case ParamType::Text: {
                    if (a.text == nullptr) {
                        arguments.AddValue(Variant::NullString());
                        break;
                    }
                    std::string text;
                    if (!TextOfBstr(a.text, &text)) return E_INVALIDARG;
                    arguments.AddValue(Variant::String(text));
                    break;
                }
                case ParamType::VariantOut:
                    arguments.AddOut(a.variant);
                    break;
                case ParamType::I2Result:
                    i2_result = a.i2_result;
                    break;
                case ParamType::UI1Result:
                    ui1_result = a.ui1_result;
                    break;
            }
        }
        Variant value;
        HResult status = InvokeSlot(*engine, member.slot, arguments.Arguments(), &value);
        const HRESULT written = arguments.WriteBack();
        if (FAILED(written) && status == kOk) status = static_cast<HResult>(written);
        if (status == kOk) {
            if (i2_result != nullptr) *i2_result = static_cast<SHORT>(value.Integer());
            if (ui1_result != nullptr) *ui1_result = static_cast<BYTE>(value.Integer());
        }
        ShowChanges(*engine);
        return Outcome(status);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

// The function in the virtual-table slot of member kMemberTable[Index]: its parameters are the
// C types of the member's automation types, in the member's order.
template <int Index,
          typename = std::make_index_sequence<static_cast<size_t>(kMemberTable[Index].param_count)>>
struct Slot;

template <int Index, size_t... P>
struct Slot<Index, std::index_sequence<P...>> {
    static HRESULT STDMETHODCALLTYPE
    Call(void* self, typename CTypeOf<kMemberTable[Index].params[P].type>::Type... arguments) {
        const EarlyArgument early[sizeof...(P) + 1] = {Early(arguments)..., EarlyArgument{}};
        return CallEarlyBound(self, Index, early);
    }
};

// --- The virtual tables ----------------------------------------------------------------------

template <typename F>
AnyFunction Entry(F function) {
    return reinterpret_cast<AnyFunction>(function);
}

constexpr size_t kDispatchSlots = 7;  // IUnknown's three, IDispatch's four

template <size_t... I>
std::array<AnyFunction, kDispatchSlots + kMemberCount> MakeDualTable(std::index_sequence<I...>) {
    return {Entry(&QueryInterface), Entry(&AddRef),
            Entry(&Release),        Entry(&GetTypeInfoCount),
            Entry(&GetTypeInfo),    Entry(&GetIDsOfNames),
            Entry(&Invoke),         Entry(&Slot<static_cast<int>(I)>::Call)...};
}

const std::array<AnyFunction, kDispatchSlots + kMemberCount> kDualTable =
    MakeDualTable(std::make_index_sequence<kMemberCount>{});

// --- ISupportErrorInfo -----------------------------------------------------------------------

HRESULT STDMETHODCALLTYPE ErrorInfoQueryInterface(void* self, REFIID iid, void** out) {
    return QueryInterface(OfSupportErrorInfo(self), iid, out);
}
ULONG STDMETHODCALLTYPE ErrorInfoAddRef(void* self) {
    return AddRef(OfSupportErrorInfo(self));
}
ULONG STDMETHODCALLTYPE ErrorInfoRelease(void* self) {
    return Release(OfSupportErrorInfo(self));
}
HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(void*, REFIID iid) {
    return static_cast<HRESULT>(server::InterfaceSupportsErrorInfo(FromGuid(iid)));
}

const std::array<AnyFunction, 4> kSupportErrorInfoTable = {
    Entry(&ErrorInfoQueryInterface), Entry(&ErrorInfoAddRef), Entry(&ErrorInfoRelease),
    Entry(&InterfaceSupportsErrorInfo)};

}  // namespace

// --- Creation --------------------------------------------------------------------------------

const IID& InterfaceId() {
    return kMyInterfaceId;
}

HRESULT CreateQuendal(REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (SharedEngineOrReport() == nullptr) return E_FAIL;
    auto* object =
        new (std::nothrow) Quendal{kDualTable.data(), kSupportErrorInfoTable.data(), 1, nullptr};
    if (object == nullptr) return E_OUTOFMEMORY;
    ObjectMade();
    const HRESULT status = QueryInterface(object, iid, out);
    Release(object);  // the reference made with it; the client holds its own on success
    return status;
}

}  // namespace tov::server::com
