// Sections: typed references read and written; texts; values of variants; the argument list.
#include "server/com/variants.h"

#include <oleauto.h>

#include <cstdint>
#include <limits>
#include <utility>

namespace tov::server::com {
namespace {

using platform::Variant;
using platform::VariantType;

// --- Typed references read and written -----------------------------------------------------------

// The value a typed reference (VT_BYREF | type) points to, read into a VARIANT that borrows a
// BSTR rather than owning it (the caller must not clear it). False for types not read.
bool ReadTyped(VARTYPE type, const void* p, VARIANT* out) {
    VariantInit(out);
    switch (type) {
        case VT_I2:
            V_I2(out) = *static_cast<const SHORT*>(p);
            break;
        case VT_I4:
            V_I4(out) = *static_cast<const LONG*>(p);
            break;
        case VT_R4:
            V_R4(out) = *static_cast<const FLOAT*>(p);
            break;
        case VT_R8:
            V_R8(out) = *static_cast<const DOUBLE*>(p);
            break;
        case VT_CY:
            V_CY(out) = *static_cast<const CY*>(p);
            break;
        case VT_DATE:
            V_DATE(out) = *static_cast<const DATE*>(p);
            break;
        case VT_BSTR:
            V_BSTR(out) = *static_cast<const BSTR*>(p);
            break;
        case VT_ERROR:
            V_ERROR(out) = *static_cast<const SCODE*>(p);
            break;
        case VT_BOOL:
            V_BOOL(out) = *static_cast<const VARIANT_BOOL*>(p);
            break;
        case VT_DECIMAL:
            // A DECIMAL fills the whole variant, its reserved first field where the type is.
            V_DECIMAL(out) = *static_cast<const DECIMAL*>(p);
            break;
        case VT_I1:
            V_I1(out) = *static_cast<const CHAR*>(p);
            break;
        case VT_UI1:
            V_UI1(out) = *static_cast<const BYTE*>(p);
            break;
        case VT_UI2:
            V_UI2(out) = *static_cast<const USHORT*>(p);
            break;
        case VT_UI4:
            V_UI4(out) = *static_cast<const ULONG*>(p);
            break;
        case VT_I8:
            V_I8(out) = *static_cast<const LONGLONG*>(p);
            break;
        case VT_UI8:
            V_UI8(out) = *static_cast<const ULONGLONG*>(p);
            break;
        case VT_INT:
            V_INT(out) = *static_cast<const INT*>(p);
            break;
        case VT_UINT:
            V_UINT(out) = *static_cast<const UINT*>(p);
            break;
        default:
            return false;
    }
    V_VT(out) = type;
    return true;
}

// Stores a VARIANT of type `type` into the typed reference; a BSTR moves over (the old one is
// freed). False for types not written.
bool WriteTyped(VARTYPE type, VARIANT* value, void* p) {
    switch (type) {
        case VT_I2:
            *static_cast<SHORT*>(p) = V_I2(value);
            return true;
        case VT_I4:
            *static_cast<LONG*>(p) = V_I4(value);
            return true;
        case VT_R4:
            *static_cast<FLOAT*>(p) = V_R4(value);
            return true;
        case VT_R8:
            *static_cast<DOUBLE*>(p) = V_R8(value);
            return true;
        case VT_CY:
            *static_cast<CY*>(p) = V_CY(value);
            return true;
        case VT_DATE:
            *static_cast<DATE*>(p) = V_DATE(value);
            return true;
        case VT_BSTR: {
            BSTR* target = static_cast<BSTR*>(p);
            SysFreeString(*target);
            *target = V_BSTR(value);
            V_VT(value) = VT_EMPTY;  // the BSTR now belongs to the client's variable
            return true;
        }
        case VT_BOOL:
            *static_cast<VARIANT_BOOL*>(p) = V_BOOL(value);
            return true;
        case VT_I1:
            *static_cast<CHAR*>(p) = V_I1(value);
            return true;
        case VT_UI1:
            *static_cast<BYTE*>(p) = V_UI1(value);
            return true;
        case VT_UI2:
            *static_cast<USHORT*>(p) = V_UI2(value);
            return true;
        case VT_UI4:
            *static_cast<ULONG*>(p) = V_UI4(value);
            return true;
        case VT_I8:
            *static_cast<LONGLONG*>(p) = V_I8(value);
            return true;
        case VT_UI8:
            *static_cast<ULONGLONG*>(p) = V_UI8(value);
            return true;
        case VT_INT:
            *static_cast<INT*>(p) = V_INT(value);
            return true;
        case VT_UINT:
            *static_cast<UINT*>(p) = V_UINT(value);
            return true;
        default:
            return false;
    }
}

}  // namespace

// --- Texts ---------------------------------------------------------------------------------------

bool TextOfBstr(BSTR bstr, std::string* text) {
    text->clear();
    if (bstr == nullptr) return true;
    int length = 0;
    const int total = static_cast<int>(SysStringLen(bstr));
    while (length < total && bstr[length] != L'\0')
        ++length;
    if (length == 0) return true;
    const int size = WideCharToMultiByte(CP_ACP, 0, bstr, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return false;
    text->resize(static_cast<size_t>(size));
    return WideCharToMultiByte(CP_ACP, 0, bstr, length, text->data(), size, nullptr, nullptr) ==
           size;
}

BSTR BstrOfText(std::string_view text) {
    if (text.size() > static_cast<size_t>(std::numeric_limits<int>::max() / 2)) return nullptr;
    const int length = static_cast<int>(text.size());
    if (length == 0) return SysAllocStringLen(L"", 0);
    const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (size <= 0) return nullptr;
    BSTR bstr = SysAllocStringLen(nullptr, static_cast<UINT>(size));
    if (bstr == nullptr) return nullptr;
    if (MultiByteToWideChar(CP_ACP, 0, text.data(), length, bstr, size) != size) {
        SysFreeString(bstr);
        return nullptr;
    }
    return bstr;
}

// --- Values of variants --------------------------------------------------------------------------

Variant ValueOfVariant(const VARIANT& value) {
    switch (V_VT(&value)) {
        case VT_EMPTY:
            return Variant();
        case VT_NULL:
            return Variant::Null();
        case VT_I2:
            return Variant::I2(V_I2(&value));
        case VT_I4:
            return Variant::I4(V_I4(&value));
        case VT_R8:
            return Variant::R8(V_R8(&value));
        case VT_R4:
            return Variant::R8(V_R4(&value));
        case VT_UI1:
            return Variant::UI1(V_UI1(&value));
        case VT_BOOL:
            return Variant::Bool(V_BOOL(&value) != VARIANT_FALSE);
        case VT_BSTR: {
            if (V_BSTR(&value) == nullptr) return Variant::NullString();
            std::string text;
            if (!TextOfBstr(V_BSTR(&value), &text)) return Variant::Null();
            return Variant::String(text);
        }
        case VT_I1:
            return Variant::I4(V_I1(&value));
        case VT_UI2:
            return Variant::I4(V_UI2(&value));
        case VT_UI4:
            return Variant::I8(V_UI4(&value));
        case VT_INT:
            return Variant::I4(V_INT(&value));
        case VT_UINT:
            return Variant::I8(V_UINT(&value));
        case VT_I8:
            return Variant::I8(V_I8(&value));
        case VT_UI8:
            if (V_UI8(&value) <= static_cast<ULONGLONG>(std::numeric_limits<int64_t>::max())) {
                return Variant::I8(static_cast<int64_t>(V_UI8(&value)));
            }
            return Variant::R8(static_cast<double>(V_UI8(&value)));
        case VT_ERROR:
            // A missing argument: no member has optional parameters.
            return Variant::Null();
        default:
            break;
    }
    if ((V_VT(&value) & (VT_ARRAY | VT_BYREF)) != 0) return Variant::Null();
    VARIANT converted;
    VariantInit(&converted);
    Variant result = Variant::Null();
    // The conversion only reads its source, though its declaration does not say so.
    VARIANT* source = const_cast<VARIANT*>(&value);
    if (SUCCEEDED(VariantChangeType(&converted, source, 0, VT_R8))) {
        result = Variant::R8(V_R8(&converted));
    } else if (SUCCEEDED(VariantChangeType(&converted, source, 0, VT_BSTR))) {
        std::string text;
        if (TextOfBstr(V_BSTR(&converted), &text)) result = Variant::String(text);
    }
    VariantClear(&converted);
    return result;
}

bool StoreValue(const Variant& value, VARIANT* out) {
    VariantInit(out);
    switch (value.Type()) {
        case VariantType::Empty:
        case VariantType::Ref:
            return true;
        case VariantType::Null:
            V_VT(out) = VT_NULL;
            return true;
        case VariantType::I2:
            V_VT(out) = VT_I2;
            V_I2(out) = static_cast<SHORT>(value.Integer());
            return true;
        case VariantType::I4:
            V_VT(out) = VT_I4;
            V_I4(out) = static_cast<LONG>(value.Integer());
            return true;
        case VariantType::I8:
            V_VT(out) = VT_I8;
            V_I8(out) = value.Integer();
            return true;
        case VariantType::R8:
            V_VT(out) = VT_R8;
            V_R8(out) = value.Real();
            return true;
        case VariantType::UI1:
            V_VT(out) = VT_UI1;
            V_UI1(out) = static_cast<BYTE>(value.Integer());
            return true;
        case VariantType::Bool:
            V_VT(out) = VT_BOOL;
            V_BOOL(out) = value.Integer() != 0 ? VARIANT_TRUE : VARIANT_FALSE;
            return true;
        case VariantType::String:
        case VariantType::NullString: {
            BSTR text = BstrOfText(value.Text());
            if (text == nullptr) return false;
            V_VT(out) = VT_BSTR;
            V_BSTR(out) = text;
            return true;
        }
    }
    return true;
}

// --- The argument list ---------------------------------------------------------------------------

ArgumentList::Mirror& ArgumentList::NewMirror() {
    mirrors_.emplace_back();
    return mirrors_.back();
}

void ArgumentList::AddValue(Variant value) {
    arguments_.push_back(std::move(value));
}

void ArgumentList::AddVariant(const VARIANT& argument) {
    // Follow references to variants to the variable they end at.
    const VARIANT* current = &argument;
    VARIANT* variable = nullptr;
    for (int depth = 0; V_VT(current) == (VT_BYREF | VT_VARIANT); ++depth) {
        if (depth == Variant::kMaxReferenceDepth || V_VARIANTREF(current) == nullptr) {
            arguments_.push_back(Variant::Null());
            return;
        }
        variable = V_VARIANTREF(current);
        current = variable;
    }
    const VARTYPE type = V_VT(current);
    if ((type & VT_BYREF) != 0) {
        // A typed reference, such as a C client's VT_BYREF | VT_R8.
        const VARTYPE base = type & VT_TYPEMASK;
        VARIANT read;
        if ((type & VT_ARRAY) != 0 || V_BYREF(current) == nullptr ||
            !ReadTyped(base, V_BYREF(current), &read)) {
            arguments_.push_back(Variant::Null());
            return;
        }
        Mirror& mirror = NewMirror();
        mirror.typed = V_BYREF(current);
        mirror.type = base;
        mirror.value = ValueOfVariant(read);  // `read` borrows a BSTR: it is not cleared
        mirror.before = mirror.value;
        arguments_.push_back(Variant::Ref(&mirror.value));
        return;
    }
    if (variable == nullptr) {
        arguments_.push_back(ValueOfVariant(*current));
        return;
    }
    Mirror& mirror = NewMirror();
    mirror.variant = variable;
    mirror.value = ValueOfVariant(*variable);
    mirror.before = mirror.value;
    arguments_.push_back(Variant::Ref(&mirror.value));
}

void ArgumentList::AddOut(VARIANT* out) {
    VariantInit(out);
    Mirror& mirror = NewMirror();
    mirror.variant = out;
    arguments_.push_back(Variant::Ref(&mirror.value));
}

HRESULT ArgumentList::WriteBack() {
    HRESULT status = S_OK;
    for (Mirror& mirror : mirrors_) {
        if (mirror.value == mirror.before) continue;
        VARIANT stored;
        if (!StoreValue(mirror.value, &stored)) {
            status = E_OUTOFMEMORY;
            continue;
        }
        if (mirror.variant != nullptr) {
            VariantClear(mirror.variant);
            *mirror.variant = stored;  // the variable takes over what `stored` holds
            continue;
        }
        if (FAILED(VariantChangeType(&stored, &stored, 0, mirror.type)) ||
            !WriteTyped(mirror.type, &stored, mirror.typed)) {
            if (status == S_OK) status = DISP_E_TYPEMISMATCH;
        }
        VariantClear(&stored);
    }
    return status;
}

}  // namespace tov::server::com
