// The bodies behind the member table: which member is bound to which method of which Engine
// subsystem, and how a body is called with its converted arguments.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/variant.h"
#include "server/member_table.h"

namespace tov {
class Engine;
}

namespace tov::server {

// One argument converted to what its body receives; the field that is read depends on the
// parameter's type.
struct Argument {
    int64_t integer = 0;               // I2, I4 and UI1, already cut to their width
    double real = 0.0;                 // R8
    std::string text;                  // Text; a null string is an empty text
    platform::Variant* out = nullptr;  // VariantOut: the client's variant, never null
    int16_t i2_result = 0;             // I2Result: where a property body writes its value
    uint8_t ui1_result = 0;            // UI1Result
};

// A body called with one converted argument per parameter of its member (a property's result
// included). Returns the body's result, 0 or -1.
using Body = int (*)(Engine& engine, std::span<Argument> arguments);

// The body bound to the member at kMemberTable[index], or null when the member has none yet
// (and for an index outside 0..147).
Body BodyAt(int index);

// How many of the 148 members have a body.
int BoundMemberCount();

}  // namespace tov::server
