// What the whole server DLL shares: its module handle, the counts that answer DllCanUnloadNow,
// and the engine all objects drive.
#pragma once

#include <windows.h>

#include <string>

namespace tov {
class Engine;
}

namespace tov::server::com {

// The DLL's module handle, recorded when it is loaded.
HMODULE ThisModule();

// Objects alive and locks held (IClassFactory::LockServer); the DLL may be unloaded while both
// are 0.
void ObjectMade();
void ObjectGone();
void LockServer(bool lock);
bool CanUnload();

// The engine every object drives, made with the Win32 presenter when the first object is made.
// Null, after a "fatal error" popup ("can't initialize tov-DLL"), when it cannot be made.
Engine* SharedEngineOrReport();

// The full path of the DLL's file, or empty.
std::wstring ModulePath();

}  // namespace tov::server::com
