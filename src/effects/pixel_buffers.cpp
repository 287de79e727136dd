#include "effects/pixel_buffers.h"

#include <array>
#include <cstdlib>
#include <cstring>

#include "engine/engine.h"
#include "platform/panel_ids.h"

// The step arithmetic has a 32-bytes-at-a-time path on x86, chosen at run time where the
// processor has it; every other processor takes the portable loop. Not on Windows, where the
// compiler does not align the stack for 32-byte values it may spill.
#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__) && !defined(_WIN32)
#define TOV_FADE_AVX2 1
#include <immintrin.h>
#else
#define TOV_FADE_AVX2 0
#endif

namespace tov {

using platform::Attr;
namespace ids = platform::main_panel;

// ---- step arithmetic -------------------------------------------------------------------------

namespace {

// v * f / 100 for a byte v and f = 0..99 is (v * kTimesHundredth[f]) >> 16 exactly: the
// multiplier is f / 100 rounded up to 16 fractional bits, and its excess over f / 100 adds less
// than 255 / 65536 to a quotient whose fraction is at most 0.99. One 16-bit high multiply so
// replaces the multiply and the division. f = 100 would need 65,536 and is a plain copy.
constexpr std::array<uint16_t, 100> MakeTimesHundredth() {
    std::array<uint16_t, 100> m{};
    for (uint32_t f = 0; f < 100; ++f)
        m[f] = static_cast<uint16_t>((f * 65536 + 99) / 100);
    return m;
}
constexpr std::array<uint16_t, 100> kTimesHundredth = MakeTimesHundredth();

constexpr bool MultipliersExact() {
    for (uint32_t f = 0; f < 100; ++f) {
        for (uint32_t v = 0; v < 256; ++v) {
            if ((v * kTimesHundredth[f]) >> 16 != v * f / 100) return false;
        }
    }
    return true;
}
static_assert(MultipliersExact(), "every byte times every hundredth truncates as v * f / 100");

void ScalePortable(const uint8_t* in, uint8_t* out, size_t count, uint32_t factor) {
    for (size_t j = 0; j < count; ++j)
        out[j] = static_cast<uint8_t>((in[j] * factor) >> 16);
}

void BlendPortable(const uint8_t* first, const uint8_t* second, uint8_t* out, size_t count,
                   uint32_t factor) {
    for (size_t j = 0; j < count; ++j) {
        const int change = second[j] - first[j];
        const int part = static_cast<int>((static_cast<uint32_t>(std::abs(change)) * factor) >> 16);
        out[j] = static_cast<uint8_t>(change < 0 ? first[j] - part : first[j] + part);
    }
}

#if TOV_FADE_AVX2
// The bytes of a vector times a hundredth, as the multiplier table gives it, without widening:
// the even bytes of each 16-bit lane are multiplied as they are, the odd ones in the high byte,
// where the high multiply leaves v * f / 256 and the mask keeps its whole multiples of 256.
__attribute__((target("avx2"))) inline __m256i TimesHundredth(__m256i bytes, __m256i factor) {
    const __m256i low = _mm256_set1_epi16(0x00FF);
    const __m256i high = _mm256_set1_epi16(static_cast<int16_t>(0xFF00));
    const __m256i even = _mm256_mulhi_epu16(_mm256_and_si256(bytes, low), factor);
    const __m256i odd = _mm256_mulhi_epu16(_mm256_and_si256(bytes, high), factor);
    return _mm256_or_si256(even, _mm256_and_si256(odd, high));
}

__attribute__((target("avx2"))) inline void Scale32(const uint8_t* in, uint8_t* out,
                                                    __m256i factor) {
    const __m256i bytes = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), TimesHundredth(bytes, factor));
}

// a + part where b is above a, a - part where it is below, part = |b - a| times a hundredth.
__attribute__((target("avx2"))) inline void Blend32(const uint8_t* first, const uint8_t* second,
                                                    uint8_t* out, __m256i factor) {
    const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(first));
    const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(second));
    const __m256i up = _mm256_subs_epu8(b, a);
    const __m256i down = _mm256_subs_epu8(a, b);
    const __m256i part = TimesHundredth(_mm256_or_si256(up, down), factor);
    // -1 in every byte where b is not above a: there the part is negated (x ^ -1) - -1 = -x.
    const __m256i falling = _mm256_cmpeq_epi8(up, _mm256_setzero_si256());
    const __m256i change = _mm256_sub_epi8(_mm256_xor_si256(part, falling), falling);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), _mm256_add_epi8(a, change));
}

// Whole blocks of 32 bytes, and the last bytes as one more block that ends at `count` and
// overlaps the one before: recomputing a byte gives the same byte, as out does not overlap the
// inputs.
__attribute__((target("avx2"))) void ScaleAvx2(const uint8_t* in, uint8_t* out, size_t count,
                                               uint32_t factor) {
    if (count < 32) {
        ScalePortable(in, out, count, factor);
        return;
    }
    const __m256i f = _mm256_set1_epi16(static_cast<int16_t>(factor));
    size_t j = 0;
    for (; j + 32 <= count; j += 32)
        Scale32(in + j, out + j, f);
    if (j < count) Scale32(in + count - 32, out + count - 32, f);
}

__attribute__((target("avx2"))) void BlendAvx2(const uint8_t* first, const uint8_t* second,
                                               uint8_t* out, size_t count, uint32_t factor) {
    if (count < 32) {
        BlendPortable(first, second, out, count, factor);
        return;
    }
    const __m256i f = _mm256_set1_epi16(static_cast<int16_t>(factor));
    size_t j = 0;
    for (; j + 32 <= count; j += 32)
        Blend32(first + j, second + j, out + j, f);
    if (j < count) Blend32(first + count - 32, second + count - 32, out + count - 32, f);
}

bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}

#endif

}  // namespace

void ScaleFadeBytesReference(const uint8_t* in, uint8_t* out, size_t count, int brightness) {
    for (size_t j = 0; j < count; ++j)
        out[j] = static_cast<uint8_t>(in[j] * brightness / 100);
}

void BlendFadeBytesReference(const uint8_t* first, const uint8_t* second, uint8_t* out,
                             size_t count, int intensity) {
    for (size_t j = 0; j < count; ++j)
        out[j] = static_cast<uint8_t>(first[j] + intensity * (second[j] - first[j]) / 100);
}

void ScaleFadeBytes(const uint8_t* in, uint8_t* out, size_t count, int brightness,
                    FadeArithmeticPath path) {
    if (count == 0) return;
    if (brightness >= 100) {
        std::memcpy(out, in, count);
        return;
    }
    if (brightness <= 0) {
        std::memset(out, 0, count);
        return;
    }
    const uint32_t factor = kTimesHundredth[static_cast<size_t>(brightness)];
#if TOV_FADE_AVX2
    if (path == FadeArithmeticPath::Fastest && HasAvx2()) {
        ScaleAvx2(in, out, count, factor);
        return;
    }
#endif
    static_cast<void>(path);
    ScalePortable(in, out, count, factor);
}

void BlendFadeBytes(const uint8_t* first, const uint8_t* second, uint8_t* out, size_t count,
                    int intensity, FadeArithmeticPath path) {
    if (count == 0) return;
    if (intensity <= 0 || intensity >= 100) {
        std::memcpy(out, intensity <= 0 ? first : second, count);
        return;
    }
    const uint32_t factor = kTimesHundredth[static_cast<size_t>(intensity)];
#if TOV_FADE_AVX2
    if (path == FadeArithmeticPath::Fastest && HasAvx2()) {
        BlendAvx2(first, second, out, count, factor);
        return;
    }
#endif
    static_cast<void>(path);
    BlendPortable(first, second, out, count, factor);
}

// ---- buffers -------------------------------------------------------------------------------

bool PixelBuffers::HeldBy(PixelBuffersUser by) const {
    if (user != by || by == PixelBuffersUser::None) return false;
    if (!FadeSupportsDepth(layout.pixel_depth) || layout.width < 0 || layout.height < 0 ||
        layout.bytes_per_row < layout.RowBytes()) {
        return false;
    }
    const size_t bytes = layout.DataBytes();
    if (BitmapOriginalColorField1.size() < bytes || BitmapWorkingColorField.size() < bytes) {
        return false;
    }
    return by != PixelBuffersUser::FadeOver || BitmapOriginalColorField2.size() >= bytes;
}

bool ReadFadeSource(Engine& engine, int bitmap, PixelLayout* layout, std::vector<uint8_t>* field) {
    platform::Runtime& rt = engine.Runtime();
    PixelLayout read;
    if (rt.GetBitmapInfo(bitmap, &read.bytes_per_row, &read.pixel_depth, &read.width,
                         &read.height) < 0) {
        return false;
    }
    if (!FadeSupportsDepth(read.pixel_depth) || read.width < 0 || read.height < 0 ||
        read.bytes_per_row < read.RowBytes()) {
        return false;
    }
    std::vector<uint8_t> bits;
    std::vector<uint8_t> mask;
    if (rt.GetBitmapData(bitmap, &bits, &mask) < 0 || bits.size() < read.DataBytes()) return false;
    bits.resize(read.DataBytes());
    *layout = read;
    field->swap(bits);
    return true;
}

void MakeFadeWorkingBitmap(Engine& engine, int bitmap, int width, int height) {
    platform::Runtime& rt = engine.Runtime();
    BitmapSelection& selection = engine.BitmapSelection();
    const int panel = engine.MainPanel().PanelHandle;
    constexpr int kWorking = BitmapSelection::kFadeWorkingBitmap;

    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Left, engine.MainPanel().PanelWidth);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Width, width);
    rt.SetCtrlAttribute(panel, ids::kEffectCanvas, Attr::Height, height);

    if (selection.BitmapIDSelection[kWorking] != 0) {
        rt.DiscardBitmap(selection.BitmapIDSelection[kWorking]);
        selection.BitmapIDSelection[kWorking] = 0;
    }
    rt.CanvasDrawBitmap(panel, ids::kEffectCanvas, bitmap, platform::kWholeArea,
                        platform::kWholeArea);
    int working = 0;
    rt.GetCtrlBitmap(panel, ids::kEffectCanvas, &working);
    selection.Replace(kWorking, working);
}

}  // namespace tov
