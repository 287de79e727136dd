// The DLL's entry points: the loader's, DllGetClassObject, DllCanUnloadNow, DllRegisterServer
// and DllUnregisterServer (the only exports, see tovserver.def), and the class object.
#include "server/com/module.h"

#include <objbase.h>
#include <unknwn.h>

#include <exception>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

#include "engine/engine.h"
#include "platform/popup_log.h"
#include "platform/presenters/win32.h"
#include "server/com/quendal.h"
#include "server/com/registration.h"
#include "server/host.h"
#include "server/ids.h"

namespace tov::server::com {
namespace {

HMODULE the_module = nullptr;
LONG objects_alive = 0;
LONG locks_held = 0;

GUID ClassGuid() {
    GUID guid;
    guid.Data1 = kClassId.data1;
    guid.Data2 = kClassId.data2;
    guid.Data3 = kClassId.data3;
    for (int i = 0; i < 8; ++i)
        guid.Data4[i] = kClassId.data4[i];
    return guid;
}

// The one class object of myQuendal. It lives as long as the DLL: its references do not keep
// the DLL loaded, its locks do.
class ClassObject final : public IClassFactory {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
            *out = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        if (outer != nullptr) return CLASS_E_NOAGGREGATION;
        return CreateQuendal(iid, out);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        com::LockServer(lock != FALSE);
        return S_OK;
    }
};

ClassObject the_class_object;

// The Win32 presenter for the shared engine; the engine cannot be made without it.
std::unique_ptr<platform::Presenter> MakePresenter() {
    std::string why;
    std::unique_ptr<platform::Win32Presenter> presenter = platform::Win32Presenter::Create(&why);
    if (!presenter) throw std::runtime_error(why);
    return presenter;
}

}  // namespace

HMODULE ThisModule() {
    return the_module;
}

std::wstring ModulePath() {
    if (the_module == nullptr) return {};
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(the_module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= 32768) return {};
        path.resize(path.size() * 2);
    }
}

void ObjectMade() {
    InterlockedIncrement(&objects_alive);
}

void ObjectGone() {
    InterlockedDecrement(&objects_alive);
}

void LockServer(bool lock) {
    if (lock) {
        InterlockedIncrement(&locks_held);
    } else if (InterlockedDecrement(&locks_held) < 0) {
        InterlockedIncrement(&locks_held);  // more unlocks than locks: stay at 0
    }
}

bool CanUnload() {
    return InterlockedCompareExchange(&objects_alive, 0, 0) == 0 &&
           InterlockedCompareExchange(&locks_held, 0, 0) == 0;
}

Engine* SharedEngineOrReport() {
    try {
        if (!SharedEngineExists()) ConfigureHost(&MakePresenter);
        return &SharedEngine();
    } catch (...) {
        constexpr const char* kTitle = "fatal error";
        constexpr const char* kText = "can't initialize tov-DLL";
        if (!platform::LogPopupIfUnattended(kTitle, kText)) {
            MessageBoxA(nullptr, kText, kTitle, MB_OK | MB_ICONERROR | MB_TASKMODAL);
        }
        return nullptr;
    }
}

}  // namespace tov::server::com

using namespace tov::server;

// The loader's entry point only records the module handle: the engine and its windows are made
// with the first object, outside the loader's lock.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        com::the_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID class_id, REFIID iid, LPVOID* out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (!IsEqualCLSID(class_id, com::ClassGuid())) return CLASS_E_CLASSNOTAVAILABLE;
    return com::the_class_object.QueryInterface(iid, out);
}

STDAPI DllCanUnloadNow() {
    return com::CanUnload() ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer() {
    try {
        return com::RegisterServer();
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

STDAPI DllUnregisterServer() {
    try {
        return com::UnregisterServer();
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}
