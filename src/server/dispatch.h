// The dispatch layer: member names to DISPIDs, and a call by DISPID (or by slot) with
// positional variant arguments converted for the member's body. A COM IDispatch forwards to
// Invoke after reversing automation's argument order; a dual virtual table forwards each slot
// to InvokeSlot. No exception leaves these functions and no argument can crash them.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/variant.h"
#include "server/ids.h"

namespace tov {
class Engine;
}

namespace tov::server {

// Statuses (HRESULTs) as a client sees them; a failure has the top bit set.
using HResult = uint32_t;
inline constexpr HResult kOk = 0x00000000;                  // S_OK
inline constexpr HResult kFalse = 0x00000001;               // S_FALSE
inline constexpr HResult kBodyFailed = 0xFFFFFFFF;          // a body's -1, passed on unchanged
inline constexpr HResult kNotImplemented = 0x80004001;      // E_NOTIMPL: the member has no body yet
inline constexpr HResult kInvalidPointer = 0x80004003;      // E_POINTER: a needed pointer is null
inline constexpr HResult kUnexpected = 0x8000FFFF;          // E_UNEXPECTED: an internal failure
inline constexpr HResult kMemberNotFound = 0x80020003;      // DISP_E_MEMBERNOTFOUND
inline constexpr HResult kTypeMismatch = 0x80020005;        // DISP_E_TYPEMISMATCH
inline constexpr HResult kUnknownName = 0x80020006;         // DISP_E_UNKNOWNNAME
inline constexpr HResult kBadParamCount = 0x8002000E;       // DISP_E_BADPARAMCOUNT
inline constexpr HResult kInvalidClassString = 0x800401F3;  // CO_E_CLASSSTRING: unknown prog id

inline constexpr int32_t kUnknownDispid = -1;  // DISPID_UNKNOWN

constexpr bool Failed(HResult status) {
    return (status & 0x80000000u) != 0;
}

// What a refused call tells the client besides its status.
struct InvokeError {
    static constexpr uint32_t kNoArgument = 0xFFFFFFFF;
    // The position (0 = first) of the argument that could not be converted, like automation's
    // puArgErr but in parameter order; kNoArgument when no argument is to blame.
    uint32_t argument = kNoArgument;
    // A readable description naming the member and, for a refused argument, the parameter.
    // Empty after success and after a body's -1 (whose report the user has already seen).
    std::string description;
};

// The index into kMemberTable of the member with this name, letter case ignored; -1 if none.
int MemberIndexOfName(std::string_view name);
// The index into kMemberTable of the member with this DISPID; -1 if none.
int MemberIndexOfDispid(int32_t dispid);

// The DISPID of a member, its name matched ignoring letter case. An unknown name gives
// kUnknownName and sets *dispid to kUnknownDispid.
HResult GetIDsOfNames(std::string_view name, int32_t* dispid) noexcept;

// Calls the member with this DISPID with `arguments` in parameter order. Returns kOk, or the
// body's failing status (0xFFFFFFFF), or kMemberNotFound, kBadParamCount, kTypeMismatch,
// kNotImplemented (no body yet; nothing is shown) or kUnexpected. A property takes no argument
// and puts its value (I2 or UI1) into *result; a method makes *result Empty. `result` and
// `error` may be null. Out arguments (ReadHighscoreFromCVI's) are references to the variants
// the body fills.
HResult Invoke(Engine& engine, int32_t dispid, std::span<platform::Variant> arguments,
               platform::Variant* result = nullptr, InvokeError* error = nullptr) noexcept;

// The same for the member in virtual-table slot 1..148 (kMemberNotFound outside).
HResult InvokeSlot(Engine& engine, int slot, std::span<platform::Variant> arguments,
                   platform::Variant* result = nullptr, InvokeError* error = nullptr) noexcept;

// S_OK for myInterface's IID, S_FALSE for any other.
HResult InterfaceSupportsErrorInfo(const Guid& iid) noexcept;

bool operator==(const Guid& a, const Guid& b);

}  // namespace tov::server
