// Variant: the automation value that crosses the member boundary.
//
// A script's arguments arrive as Variants; the one by-reference result of the engine
// (ReadHighscoreFromCVI's out arguments) is written through a Variant pointer. A Variant that
// refers to another (a script variable passed by reference) is read and written through the
// reference.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace tov::platform {

// Empty: no value (reads as 0 or ""). Null: the script's null, which converts to nothing.
// NullString: a text without characters that the client passed as no string at all.
// I8 carries integers wider than 32 bits (script languages with 64-bit integers).
enum class VariantType { Empty, Null, I2, I4, R8, UI1, Bool, String, NullString, Ref, I8 };

class Variant {
  public:
    // How many references Target follows at most; a longer chain (or a cycle a client built)
    // ends at the last reference, which converts to nothing.
    static constexpr int kMaxReferenceDepth = 8;

    Variant() = default;
    static Variant I2(int16_t v) { return Variant(VariantType::I2, v, 0.0); }
    static Variant I4(int32_t v) { return Variant(VariantType::I4, v, 0.0); }
    static Variant I8(int64_t v) { return Variant(VariantType::I8, v, 0.0); }
    static Variant UI1(uint8_t v) { return Variant(VariantType::UI1, v, 0.0); }
    static Variant R8(double v) { return Variant(VariantType::R8, 0, v); }
    static Variant Bool(bool v) { return Variant(VariantType::Bool, v ? -1 : 0, 0.0); }
    static Variant String(std::string_view s) {
        Variant v(VariantType::String, 0, 0.0);
        v.text_ = std::string(s);
        return v;
    }
    static Variant NullString() { return Variant(VariantType::NullString, 0, 0.0); }
    static Variant Null() { return Variant(VariantType::Null, 0, 0.0); }
    // A reference to another variant, which must outlive this one. A null target is allowed
    // and converts to nothing.
    static Variant Ref(Variant* target) {
        Variant v(VariantType::Ref, 0, 0.0);
        v.ref_ = target;
        return v;
    }

    // The variant a reference leads to (itself when it is no reference). A reference to null,
    // or a chain longer than kMaxReferenceDepth, leads to the last reference of the chain.
    Variant& Target() {
        Variant* v = this;
        for (int depth = 0; depth < kMaxReferenceDepth; ++depth) {
            if (v->type_ != VariantType::Ref || v->ref_ == nullptr) break;
            v = v->ref_;
        }
        return *v;
    }
    const Variant& Target() const { return const_cast<Variant*>(this)->Target(); }

    VariantType Type() const { return type_; }
    // The value of I2, I4, I8, UI1 and Bool (-1 or 0).
    int64_t Integer() const { return integer_; }
    double Real() const { return real_; }
    const std::string& Text() const { return text_; }
    // The variant a Ref points to (null for every other type).
    Variant* Referenced() const { return type_ == VariantType::Ref ? ref_ : nullptr; }

    // Setters for results: they write through a reference.
    void SetR8(double v) { Target() = R8(v); }
    void SetString(std::string_view s) { Target() = String(s); }
    void SetI2(int16_t v) { Target() = I2(v); }
    void SetUI1(uint8_t v) { Target() = UI1(v); }

    // Same type and same value (references: the same target).
    friend bool operator==(const Variant& a, const Variant& b) {
        return a.type_ == b.type_ && a.integer_ == b.integer_ &&
               (a.real_ == b.real_ || (std::isnan(a.real_) && std::isnan(b.real_))) &&
               a.text_ == b.text_ && a.ref_ == b.ref_;
    }

  private:
    Variant(VariantType t, int64_t i, double r) : type_(t), integer_(i), real_(r) {}
    VariantType type_ = VariantType::Empty;
    int64_t integer_ = 0;
    double real_ = 0.0;
    std::string text_;
    Variant* ref_ = nullptr;
};

}  // namespace tov::platform
