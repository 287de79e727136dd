// Automation values between COM and the dispatch layer: BSTRs to and from the 8-bit text of the
// system code page, VARIANTs to and from platform::Variant, and the argument list of one call.
#pragma once

#include <oaidl.h>
#include <windows.h>

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "platform/variant.h"

namespace tov::server::com {

// The 8-bit text (system code page) of a BSTR, up to its first zero character, as the bodies
// take their texts. A null BSTR is an empty text. False when the text cannot be converted.
bool TextOfBstr(BSTR bstr, std::string* text);

// A new BSTR of an 8-bit text in the system code page; null when out of memory.
BSTR BstrOfText(std::string_view text);

// The value of a VARIANT that is no reference: numbers, texts, Empty and Null as they are;
// other types (dates, currency, decimals, objects with a default value) as the number or else
// the text automation converts them to; anything else as Null, which converts to no
// parameter type, so the call is refused with a type mismatch naming the argument.
platform::Variant ValueOfVariant(const VARIANT& value);

// Makes `out` hold the value (a reference becomes Empty). The caller owns what `out` holds.
// False when a text cannot be allocated (out is then Empty).
bool StoreValue(const platform::Variant& value, VARIANT* out);

// The arguments of one call in parameter order. A by-reference argument (a script variable
// arrives as VT_BYREF | VT_VARIANT) becomes a reference to a mirror holding the referenced
// value; after the call WriteBack stores what the body put into a mirror back into the
// client's variable.
class ArgumentList {
  public:
    // A value, as an early-bound call passes it.
    void AddValue(platform::Variant value);
    // An argument of IDispatch::Invoke.
    void AddVariant(const VARIANT& argument);
    // An early-bound out argument: the client's variant, which is made Empty first (its
    // previous content is not read, as for every [out] argument).
    void AddOut(VARIANT* out);

    std::vector<platform::Variant>& Arguments() { return arguments_; }

    // Stores every mirror the body changed into the client's variable; a typed reference
    // takes the value converted to its type. Returns S_OK, or E_OUTOFMEMORY when a text could
    // not be allocated, or DISP_E_TYPEMISMATCH when a typed reference cannot hold the value
    // (those variables keep what they held).
    HRESULT WriteBack();

  private:
    struct Mirror {
        VARIANT* variant = nullptr;  // a whole variant to store into
        void* typed = nullptr;       // or a value of type `type` (VT_BYREF | type)
        VARTYPE type = VT_EMPTY;
        platform::Variant before;
        platform::Variant value;
    };
    Mirror& NewMirror();

    std::vector<platform::Variant> arguments_;
    std::deque<Mirror> mirrors_;  // a deque keeps each mirror where the references point
};

}  // namespace tov::server::com
