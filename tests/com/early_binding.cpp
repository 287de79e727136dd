// A compiled client of tovserver.dll: creates myQuendal through COM, calls members through the
// early-bound virtual table declared by the type library's header, checks each result against
// the same call through IDispatch, and reads back the panel windows the calls made.
//
// Needs the DLL registered and a display (wine under Xvfb in ./run wine-test). Prints one line
// per failed check and closes with "ALL CHECKS PASSED" and a count; exits 1 on any failure.
//
// Sections: checks and popups; panel windows; calls through IDispatch; a bitmap file; the checks
// (identity, properties, refusals, the panel, the selection, out arguments, the shared engine).
#include <oaidl.h>
#include <objbase.h>
#include <oleauto.h>
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

// The interface as the type library declares it, with its GUIDs defined here.
#include <initguid.h>

#include "tovserver.h"

namespace {

int passed = 0;
int failed = 0;

// The size of a virtual-table slot: 8 bytes in the 64-bit server, 4 in the 32-bit one.
constexpr int kPointerSize = static_cast<int>(sizeof(void*));

void Check(bool condition, const std::string& what) {
    if (condition) {
        ++passed;
    } else {
        ++failed;
        std::printf("FAIL %s\n", what.c_str());
    }
}

std::string Hex(HRESULT status) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(status));
    return text;
}

void CheckStatus(HRESULT status, HRESULT wanted, const std::string& what) {
    Check(status == wanted, what + ": " + Hex(status) + ", wanted " + Hex(wanted));
}

// Handles the thread's messages for a while, so that the presenter's gathered present runs.
void Settle() {
    const DWORD end = GetTickCount() + 120;
    while (GetTickCount() < end) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

// --- Popups: the unattended log -------------------------------------------------------------

std::vector<std::string> PopupLines() {
    std::vector<std::string> lines;
    const char* path = std::getenv("TOV_POPUP_LOG");
    if (path == nullptr) return lines;
    std::ifstream log(path, std::ios::binary);
    std::string line;
    while (std::getline(log, line))
        lines.push_back(line);
    return lines;
}

// --- Panel windows ---------------------------------------------------------------------------

struct Found {
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectPanel(HWND hwnd, LPARAM context) {
    wchar_t name[64];
    if (GetClassNameW(hwnd, name, 64) > 0 && std::wstring(name) == L"tovserver panel") {
        reinterpret_cast<Found*>(context)->windows.push_back(hwnd);
    }
    return TRUE;
}

std::vector<HWND> PanelWindows() {
    Found found;
    EnumThreadWindows(GetCurrentThreadId(), CollectPanel, reinterpret_cast<LPARAM>(&found));
    return found.windows;
}

// The client area's place and size on the screen.
RECT ClientOnScreen(HWND hwnd) {
    RECT client{};
    GetClientRect(hwnd, &client);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    return RECT{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
}

// The panel window whose client area starts at (x, y), or null.
HWND PanelWindowAt(int x, int y) {
    for (HWND hwnd : PanelWindows()) {
        const RECT r = ClientOnScreen(hwnd);
        if (r.left == x && r.top == y && IsWindowVisible(hwnd)) return hwnd;
    }
    return nullptr;
}

// What the window shows at client pixel (x, y), as 0xRRGGBB; 0xFFFFFFFF when unreadable.
uint32_t PixelOf(HWND hwnd, int x, int y) {
    HDC dc = GetDC(hwnd);
    if (dc == nullptr) return 0xFFFFFFFF;
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    if (c == CLR_INVALID) return 0xFFFFFFFF;
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

// --- Calls through IDispatch -----------------------------------------------------------------

DISPID IdOf(IDispatch* dispatch, const wchar_t* name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    return id;
}

// Calls by name with the arguments in parameter order; the result goes to *result.
HRESULT CallByName(IDispatch* dispatch, const wchar_t* name, std::vector<VARIANT> arguments,
                   VARIANT* result = nullptr, WORD flags = DISPATCH_METHOD,
                   UINT* argument_error = nullptr) {
    std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    UINT error = 0;
    return dispatch->Invoke(IdOf(dispatch, name), IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                            result, nullptr, argument_error != nullptr ? argument_error : &error);
}

VARIANT I2(short v) {
    VARIANT x;
    VariantInit(&x);
    V_VT(&x) = VT_I2;
    V_I2(&x) = v;
    return x;
}
VARIANT I4(LONG v) {
    VARIANT x;
    VariantInit(&x);
    V_VT(&x) = VT_I4;
    V_I4(&x) = v;
    return x;
}
// The BSTR stays the caller's.
VARIANT Text(BSTR v) {
    VARIANT x;
    VariantInit(&x);
    V_VT(&x) = VT_BSTR;
    V_BSTR(&x) = v;
    return x;
}
VARIANT RefTo(VARIANT* target) {
    VARIANT x;
    VariantInit(&x);
    V_VT(&x) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&x) = target;
    return x;
}

std::wstring WideOf(BSTR b) {
    return b == nullptr ? std::wstring() : std::wstring(b, SysStringLen(b));
}

// --- A bitmap file for the selection ---------------------------------------------------------

// A 4 x 2 24-bit BMP: top row red, green, blue, white; bottom row all 0x204060.
bool WriteTestBitmap(const char* path) {
    const uint32_t top[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    std::vector<uint8_t> file(54 + 2 * 12, 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<uint32_t>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, 4);
    put32(22, 2);
    file[26] = 1;
    file[28] = 24;
    put32(34, 24);
    for (int x = 0; x < 4; ++x) {
        const uint32_t bottom = 0x204060;
        // Rows are stored bottom first, each pixel blue, green, red.
        uint8_t* row0 = &file[54 + 3 * x];
        row0[0] = bottom & 0xFF;
        row0[1] = (bottom >> 8) & 0xFF;
        row0[2] = (bottom >> 16) & 0xFF;
        uint8_t* row1 = &file[54 + 12 + 3 * x];
        row1[0] = top[x] & 0xFF;
        row1[1] = (top[x] >> 8) & 0xFF;
        row1[2] = (top[x] >> 16) & 0xFF;
    }
    std::FILE* out = std::fopen(path, "wb");
    if (out == nullptr) return false;
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    return std::fclose(out) == 0 && written;
}

// --- The checks ------------------------------------------------------------------------------

void CheckIdentity(myInterface* q) {
    CLSID by_prog_id{};
    CheckStatus(CLSIDFromProgID(L"tovserver.myQuendal", &by_prog_id), S_OK, "prog id known");
    Check(IsEqualCLSID(by_prog_id, CLSID_myQuendal), "prog id names class myQuendal");

    ISupportErrorInfo* info = nullptr;
    CheckStatus(q->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&info)), S_OK,
                "ISupportErrorInfo answered");
    if (info != nullptr) {
        CheckStatus(info->InterfaceSupportsErrorInfo(IID_myInterface), S_OK,
                    "error info for myInterface");
        CheckStatus(info->InterfaceSupportsErrorInfo(IID_IDispatch), S_FALSE,
                    "no error info for IDispatch");
        CheckStatus(info->InterfaceSupportsErrorInfo(IID_IUnknown), S_FALSE,
                    "no error info for IUnknown");
        info->Release();
    }
    IUnknown* unknown = nullptr;
    CheckStatus(q->QueryInterface(IID_IClassFactory, reinterpret_cast<void**>(&unknown)),
                E_NOINTERFACE, "no other interface");
    Check(unknown == nullptr, "a refused interface leaves null");

    ITypeInfo* type = nullptr;
    CheckStatus(q->GetTypeInfo(0, LOCALE_USER_DEFAULT, &type), S_OK, "type information");
    if (type != nullptr) {
        TYPEATTR* attributes = nullptr;
        if (SUCCEEDED(type->GetTypeAttr(&attributes))) {
            Check(IsEqualIID(attributes->guid, IID_myInterface), "type information of myInterface");
            Check((attributes->wTypeFlags & TYPEFLAG_FDUAL) != 0, "myInterface is dual");
            type->ReleaseTypeAttr(attributes);
        }
        // The virtual-table side of the dual interface.
        HREFTYPE vtable_side = 0;
        ITypeInfo* interface_type = nullptr;
        if (SUCCEEDED(type->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtable_side)) &&
            SUCCEEDED(type->GetRefTypeInfo(vtable_side, &interface_type))) {
            if (SUCCEEDED(interface_type->GetTypeAttr(&attributes))) {
                Check(attributes->cFuncs == 148,
                      "148 members, got " + std::to_string(attributes->cFuncs));
                // 7 IUnknown and IDispatch slots, then the 148 members, a pointer each.
                Check(attributes->cbSizeVft == (7 + 148) * kPointerSize,
                      "virtual table of 155 slots, size " + std::to_string(attributes->cbSizeVft));
                interface_type->ReleaseTypeAttr(attributes);
            }
            FUNCDESC* install = nullptr;
            if (SUCCEEDED(interface_type->GetFuncDesc(3, &install))) {
                // Slot 4 of the member table, after the seven IDispatch slots.
                Check(install->memid == 13 && install->oVft == (7 + 3) * kPointerSize &&
                          install->cParams == 4,
                      "InstallPanel in slot 4 with DISPID 13");
                interface_type->ReleaseFuncDesc(install);
            }
            interface_type->Release();
        } else {
            Check(false, "the virtual-table side of myInterface");
        }
        // The type library was compiled for the server's own pointer size: its registration
        // goes under win64 or win32 by this kind.
        ITypeLib* library = nullptr;
        UINT index = 0;
        TLIBATTR* library_attributes = nullptr;
        if (SUCCEEDED(type->GetContainingTypeLib(&library, &index)) &&
            SUCCEEDED(library->GetLibAttr(&library_attributes))) {
            const SYSKIND wanted = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;
            Check(library_attributes->syskind == wanted,
                  "type library for system kind " + std::to_string(library_attributes->syskind) +
                      ", wanted " + std::to_string(wanted));
            library->ReleaseTLibAttr(library_attributes);
        } else {
            Check(false, "the type library of myInterface");
        }
        if (library != nullptr) library->Release();
        type->Release();
    }
}

void CheckProperties(myInterface* q, IDispatch* d) {
    short width = -1;
    short height = -1;
    CheckStatus(q->get_ScreenWidth(&width), S_OK, "ScreenWidth early bound");
    CheckStatus(q->get_ScreenHeight(&height), S_OK, "ScreenHeight early bound");
    Check(width == GetSystemMetrics(SM_CXSCREEN), "ScreenWidth is the screen's width");
    Check(height == GetSystemMetrics(SM_CYSCREEN), "ScreenHeight is the screen's height");
    VARIANT late;
    VariantInit(&late);
    CheckStatus(CallByName(d, L"screenWIDTH", {}, &late, DISPATCH_PROPERTYGET), S_OK,
                "ScreenWidth by name in any letter case");
    Check(V_VT(&late) == VT_I2 && V_I2(&late) == width, "ScreenWidth the same through IDispatch");

    SetCursorPos(123, 45);
    short x = -1;
    short y = -1;
    CheckStatus(q->get_MouseXPos(&x), S_OK, "MouseXPos early bound");
    CheckStatus(q->get_MouseYPos(&y), S_OK, "MouseYPos early bound");
    Check(x == 123 && y == 45, "mouse position " + std::to_string(x) + "," + std::to_string(y));
    VariantInit(&late);
    CallByName(d, L"MouseXPos", {}, &late, DISPATCH_PROPERTYGET | DISPATCH_METHOD);
    Check(V_VT(&late) == VT_I2 && V_I2(&late) == 123, "MouseXPos the same through IDispatch");
    short button = -1;
    CheckStatus(q->get_MMB(&button), S_OK, "MMB early bound");
    Check(button == 0, "middle button up");

    CheckStatus(q->get_ScreenWidth(nullptr), E_POINTER, "a property without result pointer");
    VARIANT put = I2(5);
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS put_params{&put, &named, 1, 1};
    CheckStatus(d->Invoke(IdOf(d, L"ScreenWidth"), IID_NULL, 0, DISPATCH_PROPERTYPUT, &put_params,
                          nullptr, nullptr, nullptr),
                DISP_E_MEMBERNOTFOUND, "a property cannot be written");
}

void CheckDispatchRefusals(IDispatch* d) {
    DISPID id = 0;
    LPOLESTR unknown[] = {const_cast<LPOLESTR>(L"NoSuchMember")};
    CheckStatus(d->GetIDsOfNames(IID_NULL, unknown, 1, 0, &id), DISP_E_UNKNOWNNAME, "unknown name");
    Check(id == DISPID_UNKNOWN, "unknown name gives DISPID_UNKNOWN");
    Check(IdOf(d, L"installpanel") == 13, "InstallPanel is DISPID 13");
    Check(IdOf(d, L"ReadHighscoreFromCVI") == 145, "ReadHighscoreFromCVI is DISPID 145");
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    CheckStatus(d->Invoke(9999, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
                DISP_E_MEMBERNOTFOUND, "unknown DISPID");
    BSTR word = SysAllocString(L"abc");
    UINT bad = 99;
    CheckStatus(CallByName(d, L"ClearArea", {I2(0), Text(word), I2(1), I2(1), I4(0)}, nullptr,
                           DISPATCH_METHOD, &bad),
                DISP_E_TYPEMISMATCH, "a word for an I2");
    // Automation counts the arguments from the last: the second of five is number 3.
    Check(bad == 3, "the refused argument is named, got " + std::to_string(bad));
    SysFreeString(word);
}

void CheckPanel(myInterface* q, IDispatch* d) {
    CheckStatus(q->InstallPanel(10, 20, 300, 100), S_OK, "InstallPanel early bound");
    Settle();
    HWND panel = PanelWindowAt(10, 20);
    Check(panel != nullptr, "a window for the main panel at 10,20");
    if (panel == nullptr) return;
    const RECT r = ClientOnScreen(panel);
    Check(r.right - r.left == 300 && r.bottom - r.top == 100, "the window is 300 x 100");

    CheckStatus(q->ClearArea(0, 0, 50, 40, 0xFF0000), S_OK, "ClearArea early bound");
    CheckStatus(CallByName(d, L"ClearArea", {I2(250), I2(60), I2(50), I2(40), I4(0x0000FF)}), S_OK,
                "ClearArea through IDispatch");
    Settle();
    Check(PixelOf(panel, 5, 5) == 0xFF0000, "red where ClearArea painted early bound");
    Check(PixelOf(panel, 299, 99) == 0x0000FF, "blue where ClearArea painted through IDispatch");
    Check(PixelOf(panel, 150, 50) == 0x000000, "the rest of the DMD canvas is black");

    CheckStatus(q->SetPanelFrameVisibility(1), S_OK, "frame on");
    Settle();
    Check((GetWindowLongW(panel, GWL_STYLE) & WS_CAPTION) != 0, "the window has a frame");
    const RECT framed = ClientOnScreen(panel);
    Check(framed.left == 10 && framed.top == 20 && framed.right == 310 && framed.bottom == 120,
          "the panel keeps its place inside the frame");
    CheckStatus(q->SetPanelFrameVisibility(0), S_OK, "frame off");
    Settle();
    Check((GetWindowLongW(panel, GWL_STYLE) & WS_CAPTION) == 0, "the frame is gone");

    CheckStatus(q->SetPanelUserLock(1), S_OK, "user lock on");
    Check(IsWindowEnabled(panel) == FALSE, "a locked panel takes no input");
    CheckStatus(q->SetPanelUserLock(0), S_OK, "user lock off");
    Check(IsWindowEnabled(panel) != FALSE, "an unlocked panel takes input");

    CheckStatus(q->HidePanel(), S_OK, "HidePanel");
    CheckStatus(q->HidePanel(), S_OK, "HidePanel again");
    Settle();
    Check(PanelWindowAt(10, 20) == nullptr, "a hidden panel shows no window");
    CheckStatus(q->ShowPanel(), S_OK, "ShowPanel");
    Settle();
    panel = PanelWindowAt(10, 20);
    Check(panel != nullptr, "one ShowPanel brings it back");
    if (panel == nullptr) return;
    Check(PixelOf(panel, 5, 5) == 0xFF0000, "with what was drawn before");

    // The cursor display counter: two lowerings and one raising leave it one lower.
    const int before = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    q->SetMouseCursorVisibility(0);
    q->SetMouseCursorVisibility(0);
    q->SetMouseCursorVisibility(1);
    const int after = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    Check(after == before - 1,
          "cursor counter " + std::to_string(before) + " -> " + std::to_string(after));
    q->SetMouseCursorVisibility(1);
}

void CheckSelection(myInterface* q, IDispatch* d) {
    Check(WriteTestBitmap("stripes.bmp"), "test bitmap written");
    BSTR name = SysAllocString(L"stripes.bmp");
    CheckStatus(q->AddBitmapToSelection(name, 7, 1, 1), S_OK, "AddBitmapToSelection");
    CheckStatus(q->DrawArea(7, 0, 0, 4, 2, 100, 50), S_OK, "DrawArea");
    Settle();
    HWND panel = PanelWindowAt(10, 20);
    if (panel != nullptr) {
        Check(PixelOf(panel, 100, 50) == 0xFF0000 && PixelOf(panel, 101, 50) == 0x00FF00 &&
                  PixelOf(panel, 102, 50) == 0x0000FF && PixelOf(panel, 103, 50) == 0xFFFFFF,
              "the bitmap's top row on the panel");
        Check(PixelOf(panel, 100, 51) == 0x204060, "the bitmap's bottom row on the panel");
        Check(PixelOf(panel, 104, 50) == 0x000000, "nothing beside the bitmap");
    }

    // A failing body: -1 as 0xFFFFFFFF after exactly one popup, the same both ways.
    const size_t popups = PopupLines().size();
    BSTR missing = SysAllocString(L"missing.bmp");
    CheckStatus(q->AddBitmapToSelection(missing, 3, 1, 1), static_cast<HRESULT>(0xFFFFFFFF),
                "a missing file fails early bound");
    CheckStatus(CallByName(d, L"AddBitmapToSelection", {Text(missing), I2(3), I2(1), I2(1)}),
                static_cast<HRESULT>(0xFFFFFFFF), "a missing file fails through IDispatch");
    const std::vector<std::string> lines = PopupLines();
    Check(lines.size() == popups + 2, "one popup per failure");
    if (lines.size() == popups + 2) {
        Check(lines.back().rfind("fatal error\tCVI-function 'AddBitmapToSelection': File '", 0) ==
                      0 &&
                  lines.back().find("missing.bmp': ") != std::string::npos,
              "the popup names the file: " + lines.back());
    }
    CheckStatus(q->AddBitmapToSelection(nullptr, 500, 1, 1), static_cast<HRESULT>(0xFFFFFFFF),
                "a null name with slot 500");
    SysFreeString(missing);
    SysFreeString(name);
}

void CheckOutArguments(myInterface* q, IDispatch* d) {
    BSTR name = SysAllocString(L"J\u00fcrgen");
    BSTR empty = SysAllocString(L"");
    BSTR second = SysAllocString(L"second");
    CheckStatus(q->WriteHighscoreToCVI(4, 1234.5, name, empty, nullptr), S_OK,
                "WriteHighscoreToCVI");
    VARIANT score, highname, text1, text2;
    for (VARIANT* v : {&score, &highname, &text1, &text2})
        VariantInit(v);
    CheckStatus(q->ReadHighscoreFromCVI(4, &score, &highname, &text1, &text2), S_OK,
                "ReadHighscoreFromCVI early bound");
    Check(V_VT(&score) == VT_R8 && V_R8(&score) == 1234.5, "score read back");
    Check(V_VT(&highname) == VT_BSTR && WideOf(V_BSTR(&highname)) == L"J\u00fcrgen",
          "a name outside ASCII read back through the code page");
    Check(V_VT(&text1) == VT_BSTR && WideOf(V_BSTR(&text1)).empty(), "empty text read back");
    Check(V_VT(&text2) == VT_BSTR && WideOf(V_BSTR(&text2)).empty(), "null text read back");
    CheckStatus(q->ReadHighscoreFromCVI(4, nullptr, &highname, &text1, &text2), E_POINTER,
                "an out argument without variant");

    // Through IDispatch the out arguments are references to the caller's variants; the old
    // contents are replaced.
    VARIANT late_score = I4(7);
    VARIANT late_name = Text(SysAllocString(L"old"));
    VARIANT late1, late2;
    VariantInit(&late1);
    VariantInit(&late2);
    CheckStatus(
        CallByName(d, L"ReadHighscoreFromCVI",
                   {I2(4), RefTo(&late_score), RefTo(&late_name), RefTo(&late1), RefTo(&late2)}),
        S_OK, "ReadHighscoreFromCVI through IDispatch");
    Check(V_VT(&late_score) == VT_R8 && V_R8(&late_score) == V_R8(&score),
          "the same score through IDispatch");
    Check(V_VT(&late_name) == VT_BSTR && WideOf(V_BSTR(&late_name)) == WideOf(V_BSTR(&highname)),
          "the same name through IDispatch");

    // A C client may pass typed references: the value comes converted to their type.
    BSTR typed_name = SysAllocString(L"x");
    double typed_score = 0.0;
    VARIANT by_name, by_score;
    VariantInit(&by_name);
    VariantInit(&by_score);
    V_VT(&by_name) = VT_BYREF | VT_BSTR;
    V_BSTRREF(&by_name) = &typed_name;
    V_VT(&by_score) = VT_BYREF | VT_R8;
    V_R8REF(&by_score) = &typed_score;
    CheckStatus(CallByName(d, L"ReadHighscoreFromCVI",
                           {I2(4), by_score, by_name, RefTo(&late1), RefTo(&late2)}),
                S_OK, "ReadHighscoreFromCVI with typed references");
    Check(typed_score == 1234.5 && WideOf(typed_name) == L"J\u00fcrgen",
          "typed references receive the entry");
    // A typed reference that cannot hold the value: the call does not report success.
    short name_as_number = 42;
    VARIANT by_number;
    VariantInit(&by_number);
    V_VT(&by_number) = VT_BYREF | VT_I2;
    V_I2REF(&by_number) = &name_as_number;
    CheckStatus(CallByName(d, L"ReadHighscoreFromCVI",
                           {I2(4), RefTo(&late1), by_number, RefTo(&late1), RefTo(&late2)}),
                DISP_E_TYPEMISMATCH, "a name into a short");
    Check(name_as_number == 42, "the short keeps its value");
    // An out argument passed by value is refused.
    CheckStatus(CallByName(d, L"ReadHighscoreFromCVI",
                           {I2(4), I2(0), RefTo(&late_name), RefTo(&late1), RefTo(&late2)}),
                DISP_E_TYPEMISMATCH, "an out argument by value");

    // 25 bytes of the code page are allowed, whatever UTF-16 or UTF-8 would count.
    std::wstring longest(24, L'a');
    longest += L'\u00fc';
    BSTR limit = SysAllocString(longest.c_str());
    CheckStatus(q->WriteHighscoreToCVI(5, 1.0, limit, second, second), S_OK,
                "a 25-character name with an umlaut");

    for (VARIANT* v :
         {&score, &highname, &text1, &text2, &late_score, &late_name, &late1, &late2}) {
        VariantClear(v);
    }
    SysFreeString(typed_name);
    SysFreeString(limit);
    SysFreeString(name);
    SysFreeString(empty);
    SysFreeString(second);
}

void CheckSharedEngine(myInterface* first) {
    myInterface* second = nullptr;
    CheckStatus(CoCreateInstance(CLSID_myQuendal, nullptr, CLSCTX_INPROC_SERVER, IID_myInterface,
                                 reinterpret_cast<void**>(&second)),
                S_OK, "a second object");
    if (second == nullptr) return;
    // The second object installs a newer main panel; the first then draws on that one.
    CheckStatus(second->InstallPanel(400, 300, 200, 80), S_OK, "InstallPanel on the second");
    CheckStatus(first->ClearArea(0, 0, 10, 10, 0x00FF00), S_OK, "ClearArea on the first");
    Settle();
    HWND newer = PanelWindowAt(400, 300);
    HWND older = PanelWindowAt(10, 20);
    Check(newer != nullptr, "the newer panel has its window");
    Check(older != nullptr, "the older panel stays where it was");
    if (newer != nullptr) Check(PixelOf(newer, 5, 5) == 0x00FF00, "the first drew on the newer");
    if (older != nullptr) Check(PixelOf(older, 5, 5) == 0xFF0000, "the older panel is unchanged");
    second->Release();
}

}  // namespace

int main() {
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        std::printf("FAIL COM cannot be initialised\n");
        return 1;
    }
    myInterface* q = nullptr;
    CheckStatus(CoCreateInstance(CLSID_myQuendal, nullptr, CLSCTX_INPROC_SERVER, IID_myInterface,
                                 reinterpret_cast<void**>(&q)),
                S_OK, "CoCreateInstance of myQuendal");
    if (q != nullptr) {
        IDispatch* d = nullptr;
        q->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&d));
        Check(d != nullptr, "IDispatch answered");
        HMODULE dll = GetModuleHandleW(L"tovserver.dll");
        using CanUnload = HRESULT(STDAPICALLTYPE*)();
        const auto can_unload =
            dll != nullptr ? reinterpret_cast<CanUnload>(
                                 reinterpret_cast<void*>(GetProcAddress(dll, "DllCanUnloadNow")))
                           : nullptr;
        Check(can_unload != nullptr, "DllCanUnloadNow exported");
        if (d != nullptr) {
            CheckIdentity(q);
            CheckProperties(q, d);
            CheckDispatchRefusals(d);
            CheckPanel(q, d);
            CheckSelection(q, d);
            CheckOutArguments(q, d);
            CheckSharedEngine(q);
            if (can_unload != nullptr) {
                CheckStatus(can_unload(), S_FALSE, "no unloading while objects live");
            }
            d->Release();
        }
        q->Release();
        if (can_unload != nullptr) CheckStatus(can_unload(), S_OK, "unloading once all are gone");
    }
    CoUninitialize();
    if (failed == 0) std::printf("ALL CHECKS PASSED\n");
    std::printf("early_binding: %d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
