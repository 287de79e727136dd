#include "server/convert.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <system_error>

namespace tov::server {
namespace {

using platform::Variant;
using platform::VariantType;

// A number as a variant holds it: whole (integer) or floating point (real).
struct Number {
    bool whole = true;
    int64_t integer = 0;
    double real = 0.0;
};

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// A short quotation of a client's text for a reason, cut where it grows long.
std::string Quote(std::string_view text) {
    constexpr size_t kLongest = 40;
    std::string quoted = "\"";
    quoted.append(text.substr(0, kLongest));
    if (text.size() > kLongest) quoted.append("...");
    quoted.append("\"");
    return quoted;
}

// Parses a decimal number with optional sign, fraction and exponent, surrounded by optional
// blanks, as automation reads a numeric string. Whole numbers that fit 64 bits stay whole.
bool ParseNumber(std::string_view text, Number* number) {
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return false;
    bool digits = false;
    bool fraction_or_exponent = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits = true;
        } else if (c == '.' || c == 'e' || c == 'E') {
            fraction_or_exponent = true;
        } else if (c != '-' && c != '+') {
            return false;  // no hexadecimal, no "inf" or "nan"
        }
    }
    if (!digits) return false;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (!fraction_or_exponent) {
        int64_t value = 0;
        const auto [end, error] = std::from_chars(first, last, value);
        if (error == std::errc() && end == last) {
            *number = Number{true, value, 0.0};
            return true;
        }
        if (error != std::errc::result_out_of_range) return false;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc() || end != last || !std::isfinite(value)) return false;
    *number = Number{false, 0, value};
    return true;
}

// The number an argument stands for, or false with the reason.
bool ReadNumber(const Variant& v, Number* number, std::string* reason) {
    switch (v.Type()) {
        case VariantType::Empty:
            *number = Number{};
            return true;
        case VariantType::I2:
        case VariantType::I4:
        case VariantType::I8:
        case VariantType::UI1:
        case VariantType::Bool:
            *number = Number{true, v.Integer(), 0.0};
            return true;
        case VariantType::R8:
            if (!std::isfinite(v.Real())) {
                *reason = "the value is not a finite number";
                return false;
            }
            *number = Number{false, 0, v.Real()};
            return true;
        case VariantType::String:
            if (ParseNumber(v.Text(), number)) return true;
            *reason = Quote(v.Text()) + " is not a number";
            return false;
        case VariantType::NullString:
            *reason = "an empty text is not a number";
            return false;
        case VariantType::Null:
            *reason = "a null value is not a number";
            return false;
        case VariantType::Ref:
            *reason = "the reference leads to no value";
            return false;
    }
    *reason = "the value has an unknown type";
    return false;
}

// The low 32 bits of a number, floating point rounded half to even first.
uint32_t NumberBits(const Number& n) {
    if (n.whole) return static_cast<uint32_t>(static_cast<uint64_t>(n.integer));
    return LowBits(RoundHalfToEven(n.real));
}

bool ReadText(const Variant& v, std::string* text, std::string* reason) {
    switch (v.Type()) {
        case VariantType::String:
            *text = v.Text();
            return true;
        case VariantType::NullString:
        case VariantType::Empty:
            text->clear();
            return true;
        case VariantType::I2:
        case VariantType::I4:
        case VariantType::I8:
        case VariantType::UI1:
        case VariantType::Bool:
            *text = std::to_string(v.Integer());
            return true;
        case VariantType::R8:
            *text = DoubleText(v.Real());
            return true;
        case VariantType::Null:
            *reason = "a null value is not a text";
            return false;
        case VariantType::Ref:
            *reason = "the reference leads to no value";
            return false;
    }
    *reason = "the value has an unknown type";
    return false;
}

}  // namespace

double RoundHalfToEven(double value) {
    if (!std::isfinite(value)) return value;
    const double below = std::floor(value);
    const double rest = value - below;
    if (rest < 0.5) return below;
    if (rest > 0.5) return below + 1.0;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

uint32_t LowBits(double whole) {
    if (!std::isfinite(whole)) return 0;
    constexpr double kModulus = 4294967296.0;  // 2^32
    double low = std::fmod(whole, kModulus);   // exact for every double
    if (low < 0.0) low += kModulus;
    if (low >= kModulus) low = 0.0;
    return static_cast<uint32_t>(low);
}

std::string DoubleText(double value) {
    // Written with to_chars rather than printf, whose exponent width differs between C run-times.
    char buffer[40];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    if (error != std::errc()) return "0";
    std::string text(buffer, end);
    // Exponents and the names of the non-finite values in capitals, as automation writes them.
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    // A negative number that shows as zero is written as zero.
    if (text == "-0") text = "0";
    return text;
}

bool ConvertArgument(Variant& argument, ParamType type, Argument* out, std::string* reason) {
    Variant& v = argument.Target();
    Number number;
    switch (type) {
        case ParamType::I2:
            if (!ReadNumber(v, &number, reason)) return false;
            out->integer = static_cast<int16_t>(static_cast<uint16_t>(NumberBits(number)));
            return true;
        case ParamType::UI1:
            if (!ReadNumber(v, &number, reason)) return false;
            out->integer = static_cast<uint8_t>(NumberBits(number));
            return true;
        case ParamType::I4:
            if (!ReadNumber(v, &number, reason)) return false;
            out->integer = static_cast<int32_t>(NumberBits(number));
            return true;
        case ParamType::R8:
            if (!ReadNumber(v, &number, reason)) return false;
            out->real = number.whole ? static_cast<double>(number.integer) : number.real;
            return true;
        case ParamType::Text:
            return ReadText(v, &out->text, reason);
        case ParamType::VariantOut:
            if (argument.Type() != VariantType::Ref) {
                *reason = "an out argument must be passed by reference";
                return false;
            }
            if (v.Type() == VariantType::Ref) {
                *reason = "the reference leads to no variant";
                return false;
            }
            out->out = &v;
            return true;
        case ParamType::I2Result:
        case ParamType::UI1Result:
            *reason = "a property's value is no argument";
            return false;
    }
    *reason = "the parameter has an unknown type";
    return false;
}

}  // namespace tov::server
