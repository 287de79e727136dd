// Fonts on Windows: GDI resolves and renders them.
//
// A font is made with CreateFont (the size as the em height in pixels, grey-scale
// anti-aliasing), measured with GetTextExtentPoint32, and a line is rendered white on black
// into a 32-bit DIB section whose green channel is read back as coverage. A face that is not
// installed falls back to the default face, or to Arial where that is not installed either.
// Fonts and metrics are kept, so measuring and painting create nothing after the first use.
#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/font.h"

namespace tov::platform {

namespace {

std::wstring Wide(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(std::max(n, 0)), L'\0');
    if (n > 0) {
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    }
    return out;
}

std::string Narrow(const wchar_t* wide) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return {};
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, out.data(), n, nullptr, nullptr);
    out.resize(static_cast<size_t>(n - 1));
    return out;
}

std::wstring Lower(std::wstring s) {
    for (wchar_t& c : s)
        c = static_cast<wchar_t>(std::towlower(c));
    return s;
}

// An 8-bit line as UTF-16, without the control characters (which draw nothing).
std::wstring LineText(std::string_view line) {
    std::wstring out;
    out.reserve(line.size());
    for (char c : line) {
        const uint8_t byte = static_cast<uint8_t>(c);
        if (byte < 0x20 || byte == 0x7F) continue;
        out.push_back(static_cast<wchar_t>(CodePointOf(byte)));
    }
    return out;
}

int CALLBACK CollectFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data) {
    auto* names = reinterpret_cast<std::set<std::wstring>*>(data);
    if (font->lfFaceName[0] != L'@') names->insert(font->lfFaceName);
    return 1;
}

struct Face {
    HFONT font = nullptr;
    FontMetrics metrics;
    std::string family;
};

class GdiBackend final : public FontEngine::Backend {
  public:
    GdiBackend() : dc_(CreateCompatibleDC(nullptr)) {}
    ~GdiBackend() override {
        for (auto& [key, face] : faces_) {
            if (face.font != nullptr) DeleteObject(face.font);
        }
        if (dc_ != nullptr) DeleteDC(dc_);
    }

    FontMetrics Metrics(const FontSpec& spec) override { return Find(spec).metrics; }

    int LineWidth(const FontSpec& spec, std::string_view line) override {
        const std::wstring text = LineText(line);
        if (text.empty() || dc_ == nullptr) return 0;
        const Face& face = Find(spec);
        HGDIOBJ old = SelectObject(dc_, face.font);
        SIZE size{};
        GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &size);
        SelectObject(dc_, old);
        return static_cast<int>(size.cx);
    }

    void RenderLine(const FontSpec& spec, std::string_view line, int clip_left, int clip_right,
                    LineCoverage* out) override {
        *out = LineCoverage{};
        const std::wstring text = LineText(line);
        if (text.empty() || dc_ == nullptr) return;
        const Face& face = Find(spec);
        const int height = face.metrics.line_height;
        const int width_of_line = LineWidth(spec, line);
        // The part of the line to render, with room for the side bearings on both ends.
        const int margin = spec.size;
        const int64_t first = std::max<int64_t>(clip_left, 0) - margin;
        const int64_t last =
            std::min<int64_t>(clip_right, static_cast<int64_t>(width_of_line)) + margin;
        if (last <= first || height <= 0) return;
        const int width = static_cast<int>(last - first);

        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HBITMAP dib = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (dib == nullptr || bits == nullptr) return;
        HGDIOBJ old_bitmap = SelectObject(dc_, dib);
        HGDIOBJ old_font = SelectObject(dc_, face.font);
        std::fill_n(static_cast<uint32_t*>(bits), static_cast<size_t>(width) * height, 0u);
        SetBkMode(dc_, TRANSPARENT);
        SetTextColor(dc_, RGB(255, 255, 255));
        SetTextAlign(dc_, TA_TOP | TA_LEFT | TA_NOUPDATECP);
        ExtTextOutW(dc_, static_cast<int>(-first), 0, 0, nullptr, text.data(),
                    static_cast<UINT>(text.size()), nullptr);
        GdiFlush();
        out->left = static_cast<int>(first);
        out->width = width;
        out->height = height;
        out->alpha.resize(static_cast<size_t>(width) * height);
        const uint32_t* pixels = static_cast<const uint32_t*>(bits);
        for (size_t i = 0; i < out->alpha.size(); ++i) {
            out->alpha[i] = static_cast<uint8_t>((pixels[i] >> 8) & 0xFF);
        }
        SelectObject(dc_, old_font);
        SelectObject(dc_, old_bitmap);
        DeleteObject(dib);
    }

    std::vector<std::string> Families() override {
        std::vector<std::string> out;
        for (const std::wstring& name : Installed())
            out.push_back(Narrow(name.c_str()));
        std::sort(out.begin(), out.end());
        out.erase(std::unique(out.begin(), out.end()), out.end());
        return out;
    }

    std::string ResolvedFamily(const FontSpec& spec) override { return Find(spec).family; }

  private:
    const std::set<std::wstring>& Installed() {
        if (!installed_loaded_ && dc_ != nullptr) {
            LOGFONTW query{};
            query.lfCharSet = DEFAULT_CHARSET;
            EnumFontFamiliesExW(dc_, &query, CollectFamily, reinterpret_cast<LPARAM>(&installed_),
                                0);
            for (const std::wstring& name : installed_)
                installed_lower_.insert(Lower(name));
            installed_loaded_ = true;
        }
        return installed_;
    }

    bool IsInstalled(const std::wstring& face) {
        Installed();
        return installed_lower_.contains(Lower(face));
    }

    const Face& Find(const FontSpec& spec) {
        const std::wstring requested = Wide(spec.face);
        const auto key = std::make_tuple(Lower(requested), spec.size, spec.bold, spec.italic);
        auto found = faces_.find(key);
        if (found != faces_.end()) return found->second;
        std::wstring face = requested;
        if (!IsInstalled(face)) face = Wide(kDefaultFace);
        if (!IsInstalled(face)) face = L"Arial";
        Face made;
        made.font = CreateFontW(-spec.size, 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL,
                                spec.italic ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, face.c_str());
        if (made.font != nullptr && dc_ != nullptr) {
            HGDIOBJ old = SelectObject(dc_, made.font);
            TEXTMETRICW tm{};
            if (GetTextMetricsW(dc_, &tm)) {
                made.metrics.ascent = static_cast<int>(tm.tmAscent);
                made.metrics.descent = static_cast<int>(tm.tmDescent);
                made.metrics.line_height = made.metrics.ascent + made.metrics.descent;
            }
            wchar_t name[LF_FACESIZE] = {};
            GetTextFaceW(dc_, LF_FACESIZE, name);
            made.family = Narrow(name);
            SelectObject(dc_, old);
        }
        return faces_.emplace(key, made).first->second;
    }

    HDC dc_ = nullptr;
    std::map<std::tuple<std::wstring, int, bool, bool>, Face> faces_;
    std::set<std::wstring> installed_;
    std::set<std::wstring> installed_lower_;
    bool installed_loaded_ = false;
};

}  // namespace

std::unique_ptr<FontEngine::Backend> FontEngine::MakeBackend() {
    return std::make_unique<SharedFontBackend<GdiBackend>>();
}

}  // namespace tov::platform
