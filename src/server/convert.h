// Automation's argument conversions: what a body receives for the variant a client passed.
//
// Integers are cut to the width of the parameter (the low 16 bits for I2, sign-extended; the low
// 8 bits for UI1; the low 32 bits for I4); a floating-point value going to an integer is rounded
// half to even first; a numeric string is parsed and then converted likewise; Empty is 0 and an
// empty text; Bool is -1 or 0; a number going to a text becomes the text automation makes of it;
// a null string is an empty text. A reference is read through. Null converts to nothing.
#pragma once

#include <cstdint>
#include <string>

#include "platform/variant.h"
#include "server/member_table.h"
#include "server/members.h"

namespace tov::server {

// The nearest whole number, halves to the even one (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Values
// that are not finite come back unchanged.
double RoundHalfToEven(double value);

// The low 32 bits of a finite whole number in two's complement (-1 -> 0xFFFFFFFF).
uint32_t LowBits(double whole);

// The text automation makes of a double: up to 15 significant digits, an exponent in the form
// E+20 or E-05 where the number needs one, and no negative zero.
std::string DoubleText(double value);

// Converts `argument` (read through its references) to what a body parameter of `type` gets,
// into `out`. Returns false when the argument cannot be converted, with the reason in `reason`
// (a phrase such as "\"abc\" is not a number"). An out parameter (VariantOut) takes a reference
// to a variant and receives the variant referred to. A property's result (I2Result, UI1Result)
// is no argument and never converts.
bool ConvertArgument(platform::Variant& argument, ParamType type, Argument* out,
                     std::string* reason);

}  // namespace tov::server
