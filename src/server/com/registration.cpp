#include "server/com/registration.h"

#include <oleauto.h>
#include <olectl.h>

#include <string>
#include <string_view>

#include "server/com/module.h"
#include "server/com/quendal.h"
#include "server/ids.h"

namespace tov::server::com {
namespace {

// Every name and value here is ASCII.
std::wstring Wide(std::string_view ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

std::wstring ClassKey() {
    return L"CLSID\\" + Wide(kClassIdText);
}

HRESULT FromError(LSTATUS error) {
    return error == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(static_cast<DWORD>(error));
}

// Makes the key (and its parents) and sets its default value and one named value, where given.
HRESULT WriteKey(const std::wstring& key, const std::wstring* value, const wchar_t* name = nullptr,
                 const std::wstring* named_value = nullptr) {
    HKEY handle = nullptr;
    LSTATUS error = RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr,
                                    REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &handle, nullptr);
    if (error != ERROR_SUCCESS) return FromError(error);
    const auto set = [&](const wchar_t* value_name, const std::wstring& text) {
        return RegSetValueExW(handle, value_name, 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(text.c_str()),
                              static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    };
    if (value != nullptr) error = set(nullptr, *value);
    if (error == ERROR_SUCCESS && name != nullptr && named_value != nullptr) {
        error = set(name, *named_value);
    }
    RegCloseKey(handle);
    return FromError(error);
}

// The registry view of the other bitness, and this bitness's key for the type library's path.
// A 32-bit DLL on 64-bit Windows writes in the 32-bit view, where CLSID (and, on Windows, also
// Interface) is kept apart from the 64-bit one; on 32-bit Windows there is one view and the flag
// is ignored.
#ifdef _WIN64
constexpr REGSAM kOtherView = KEY_WOW64_32KEY;
constexpr const wchar_t* kPlatformKey = L"win64";
#else
constexpr REGSAM kOtherView = KEY_WOW64_64KEY;
constexpr const wchar_t* kPlatformKey = L"win32";
#endif

// Removes the key and everything under it, in this DLL's view or in `view`; a key already gone
// is no failure.
HRESULT DeleteTree(const std::wstring& key, REGSAM view = 0) {
    HKEY handle = nullptr;
    LSTATUS error =
        RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_ALL_ACCESS | view, &handle);
    if (error == ERROR_FILE_NOT_FOUND) return S_OK;
    if (error != ERROR_SUCCESS) return FromError(error);
    // RegDeleteTree with no subkey name empties the key; the key itself goes with RegDeleteKeyEx.
    error = RegDeleteTreeW(handle, nullptr);
    RegCloseKey(handle);
    if (error != ERROR_SUCCESS && error != ERROR_FILE_NOT_FOUND) return FromError(error);
    const LSTATUS gone = RegDeleteKeyExW(HKEY_CLASSES_ROOT, key.c_str(), view, 0);
    return gone == ERROR_SUCCESS || gone == ERROR_FILE_NOT_FOUND ? S_OK : FromError(gone);
}

// Removes the key when it has no subkey left.
void DeleteIfEmpty(const std::wstring& key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) {
        return;
    }
    DWORD subkeys = 0;
    const LSTATUS error = RegQueryInfoKeyW(handle, nullptr, nullptr, nullptr, &subkeys, nullptr,
                                           nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(handle);
    if (error == ERROR_SUCCESS && subkeys == 0) RegDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str());
}

HRESULT WriteClassKeys(const std::wstring& path) {
    const std::wstring class_key = ClassKey();
    const std::wstring class_name = Wide(kClassName);
    const std::wstring prog_id = Wide(kProgId);
    const std::wstring class_id = Wide(kClassIdText);
    const std::wstring library_id = Wide(kLibraryIdText);
    const std::wstring version =
        std::to_wstring(kLibraryMajor) + L"." + std::to_wstring(kLibraryMinor);
    const std::wstring apartment = L"Apartment";
    HRESULT status = WriteKey(class_key, &class_name);
    if (SUCCEEDED(status)) {
        status = WriteKey(class_key + L"\\InprocServer32", &path, L"ThreadingModel", &apartment);
    }
    if (SUCCEEDED(status)) status = WriteKey(class_key + L"\\ProgID", &prog_id);
    if (SUCCEEDED(status)) status = WriteKey(class_key + L"\\TypeLib", &library_id);
    if (SUCCEEDED(status)) status = WriteKey(class_key + L"\\Version", &version);
    if (SUCCEEDED(status)) status = WriteKey(class_key + L"\\Programmable", nullptr);
    if (SUCCEEDED(status)) status = WriteKey(prog_id, &class_name);
    if (SUCCEEDED(status)) status = WriteKey(prog_id + L"\\CLSID", &class_id);
    return status;
}

std::wstring LibraryKey() {
    return L"TypeLib\\" + Wide(kLibraryIdText);
}

std::wstring VersionKey() {
    return LibraryKey() + L"\\" + std::to_wstring(kLibraryMajor) + L"." +
           std::to_wstring(kLibraryMinor);
}

// Whether the DLL of the other bitness is registered in its own view.
bool OtherBitnessRegistered() {
    HKEY handle = nullptr;
    const std::wstring key = ClassKey() + L"\\InprocServer32";
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ | kOtherView, &handle) !=
        ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(handle);
    return true;
}

// This bitness's path of the type library: "TypeLib\{id}\1.0\409\win32" or "...\win64".
std::wstring LibraryPathKey() {
    wchar_t locale[16];
    wsprintfW(locale, L"%x", static_cast<unsigned>(kLibraryLocale));
    return VersionKey() + L"\\" + locale + L"\\" + kPlatformKey;
}

}  // namespace

HRESULT RegisterServer() {
    const std::wstring path = ModulePath();
    if (path.empty()) return SELFREG_E_CLASS;
    HRESULT status = WriteClassKeys(path);
    if (SUCCEEDED(status)) {
        // Loading the type library from the DLL's own resources with REGKIND_REGISTER
        // registers it and its dual interface.
        ITypeLib* library = nullptr;
        status = LoadTypeLibEx(path.c_str(), REGKIND_REGISTER, &library);
        if (library != nullptr) library->Release();
    }
    if (FAILED(status)) UnregisterServer();
    return status;
}

HRESULT UnregisterServer() {
    HRESULT status = DeleteTree(ClassKey());
    const HRESULT library_path = DeleteTree(LibraryPathKey());
    if (SUCCEEDED(status)) status = library_path;
    if (OtherBitnessRegistered()) return status;
    // The last registration: the keys both bitnesses share go too, in both views. The type
    // library's own key stays when another version of it is registered.
    const std::wstring interface_key = L"Interface\\" + Wide(kInterfaceIdText);
    const HRESULT shared[] = {DeleteTree(Wide(kProgId)), DeleteTree(Wide(kProgId), kOtherView),
                              DeleteTree(VersionKey()), DeleteTree(interface_key),
                              DeleteTree(interface_key, kOtherView)};
    DeleteIfEmpty(LibraryKey());
    for (const HRESULT step : shared) {
        if (SUCCEEDED(status)) status = step;
    }
    return status;
}

}  // namespace tov::server::com
