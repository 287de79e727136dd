#include "server/dispatch.h"

#include <array>
#include <exception>
#include <string>
#include <utility>

#include "server/convert.h"
#include "server/member_table.h"
#include "server/members.h"

namespace tov::server {
namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

void Describe(InvokeError* error, std::string text) {
    if (error != nullptr) error->description = std::move(text);
}

HResult InvokeMember(Engine& engine, int index, std::span<platform::Variant> arguments,
                     platform::Variant* result, InvokeError* error) {
    const MemberDecl& member = kMemberTable[index];
    const std::string name(member.name);
    if (arguments.size() != static_cast<size_t>(member.ArgumentCount())) {
        const int wanted = member.ArgumentCount();
        Describe(error, name + " takes " + std::to_string(wanted) +
                            (wanted == 1 ? " argument, not " : " arguments, not ") +
                            std::to_string(arguments.size()));
        return kBadParamCount;
    }

    std::array<Argument, kMaxParams> converted;
    size_t next_argument = 0;
    for (int i = 0; i < member.param_count; ++i) {
        const Param& param = member.params[i];
        if (IsResult(param.type)) continue;
        std::string reason;
        if (!ConvertArgument(arguments[next_argument], param.type, &converted[i], &reason)) {
            if (error != nullptr) {
                error->argument = static_cast<uint32_t>(next_argument);
                error->description = name + ": argument " + std::to_string(next_argument + 1) +
                                     ", " + std::string(param.name) + " (" +
                                     std::string(TypeName(param.type)) + "): " + reason;
            }
            return kTypeMismatch;
        }
        ++next_argument;
    }

    const Body body = BodyAt(index);
    if (body == nullptr) {
        Describe(error, name + " is not available in this build");
        return kNotImplemented;
    }
    const int status = body(engine, std::span<Argument>(converted.data(), member.param_count));

    if (result != nullptr) {
        *result = platform::Variant();
        if (member.kind == MemberKind::PropertyGet && status == 0) {
            if (member.params[0].type == ParamType::I2Result) {
                *result = platform::Variant::I2(converted[0].i2_result);
            } else {
                *result = platform::Variant::UI1(converted[0].ui1_result);
            }
        }
    }
    return static_cast<HResult>(status);
}

// `what` names the member asked for, for the description when there is none.
HResult InvokeIndex(Engine& engine, int index, std::string_view what,
                    std::span<platform::Variant> arguments, platform::Variant* result,
                    InvokeError* error) noexcept {
    try {
        if (error != nullptr) *error = InvokeError{};
        if (index < 0 || index >= kMemberCount) {
            Describe(error, "no member has " + std::string(what));
            return kMemberNotFound;
        }
        return InvokeMember(engine, index, arguments, result, error);
    } catch (const std::exception& e) {
        Describe(error, std::string("internal failure: ") + e.what());
        return kUnexpected;
    } catch (...) {
        Describe(error, "internal failure");
        return kUnexpected;
    }
}

}  // namespace

int MemberIndexOfName(std::string_view name) {
    for (int i = 0; i < kMemberCount; ++i) {
        if (SameNameIgnoringCase(kMemberTable[i].name, name)) return i;
    }
    return -1;
}

int MemberIndexOfDispid(int32_t dispid) {
    for (int i = 0; i < kMemberCount; ++i) {
        if (kMemberTable[i].dispid == dispid) return i;
    }
    return -1;
}

HResult GetIDsOfNames(std::string_view name, int32_t* dispid) noexcept {
    if (dispid == nullptr) return kInvalidPointer;
    const int index = MemberIndexOfName(name);
    if (index < 0) {
        *dispid = kUnknownDispid;
        return kUnknownName;
    }
    *dispid = kMemberTable[index].dispid;
    return kOk;
}

HResult Invoke(Engine& engine, int32_t dispid, std::span<platform::Variant> arguments,
               platform::Variant* result, InvokeError* error) noexcept {
    try {
        return InvokeIndex(engine, MemberIndexOfDispid(dispid), "DISPID " + std::to_string(dispid),
                           arguments, result, error);
    } catch (...) {
        return kUnexpected;
    }
}

HResult InvokeSlot(Engine& engine, int slot, std::span<platform::Variant> arguments,
                   platform::Variant* result, InvokeError* error) noexcept {
    try {
        return InvokeIndex(engine, slot >= 1 && slot <= kMemberCount ? slot - 1 : -1,
                           "slot " + std::to_string(slot), arguments, result, error);
    } catch (...) {
        return kUnexpected;
    }
}

bool operator==(const Guid& a, const Guid& b) {
    if (a.data1 != b.data1 || a.data2 != b.data2 || a.data3 != b.data3) return false;
    for (int i = 0; i < 8; ++i) {
        if (a.data4[i] != b.data4[i]) return false;
    }
    return true;
}

HResult InterfaceSupportsErrorInfo(const Guid& iid) noexcept {
    return iid == kInterfaceId ? kOk : kFalse;
}

}  // namespace tov::server
