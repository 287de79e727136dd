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

HRESULT DeleteTree(const std::wstring& key) {
    const LSTATUS error = RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());
    if (error == ERROR_FILE_NOT_FOUND) return S_OK;
    if (error != ERROR_SUCCESS) return FromError(error);
    // RegDeleteTree empties the key; the key itself goes with RegDeleteKey.
    const LSTATUS gone = RegDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str());
    return gone == ERROR_SUCCESS || gone == ERROR_FILE_NOT_FOUND ? S_OK : FromError(gone);
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

GUID LibraryGuid() {
    GUID guid;
    guid.Data1 = kLibraryId.data1;
    guid.Data2 = kLibraryId.data2;
    guid.Data3 = kLibraryId.data3;
    for (int i = 0; i < 8; ++i)
        guid.Data4[i] = kLibraryId.data4[i];
    return guid;
}

std::wstring LibraryKey() {
    return L"TypeLib\\" + Wide(kLibraryIdText);
}

// Removes the type library's registration and its interface's. The system's own removal is
// asked first; the keys are then removed in any case, so that nothing is left however far the
// system went (a library that was not registered is no failure).
HRESULT UnregisterLibrary() {
    UnRegisterTypeLib(LibraryGuid(), kLibraryMajor, kLibraryMinor, kLibraryLocale, SYS_WIN64);
    const std::wstring version = LibraryKey() + L"\\" + std::to_wstring(kLibraryMajor) + L"." +
                                 std::to_wstring(kLibraryMinor);
    HRESULT status = DeleteTree(version);
    // The library's key goes too unless another version is registered under it.
    const LSTATUS error = RegDeleteKeyW(HKEY_CLASSES_ROOT, LibraryKey().c_str());
    if (error != ERROR_SUCCESS && error != ERROR_FILE_NOT_FOUND && error != ERROR_ACCESS_DENIED) {
        status = FAILED(status) ? status : FromError(error);
    }
    const HRESULT interface_key = DeleteTree(L"Interface\\" + Wide(kInterfaceIdText));
    return FAILED(status) ? status : interface_key;
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
    const HRESULT library = UnregisterLibrary();
    const HRESULT class_keys = DeleteTree(ClassKey());
    const HRESULT prog_id = DeleteTree(Wide(kProgId));
    if (FAILED(class_keys)) return class_keys;
    if (FAILED(prog_id)) return prog_id;
    return library;
}

}  // namespace tov::server::com
