// Registration of the class and its type library in the system registry.
//
// Under HKEY_CLASSES_ROOT:
//   CLSID\{class id}                 "myQuendal"
//     InprocServer32                 the DLL's path; ThreadingModel "Apartment"
//     ProgID                         "tovserver.myQuendal"
//     TypeLib                        {type library id}
//     Version                        "1.0"
//     Programmable
//   tovserver.myQuendal              "myQuendal"
//     CLSID                          {class id}
// and the type library embedded in the DLL, registered by the system with its interface.
//
// A 64-bit and a 32-bit DLL can be registered side by side on 64-bit Windows: each writes in the
// registry view of its bitness, and a host loads the DLL of its own. The keys the two may share
// (the programmatic id, the type library and its interface) stay until the last of them is
// unregistered.
#pragma once

#include <windows.h>

namespace tov::server::com {

// Writes every key and registers the type library. On failure whatever was written is removed
// again and the failing status returned.
HRESULT RegisterServer();

// Removes the class and this bitness's path of the type library; with the last registration,
// the shared keys too. Keys already gone are no failure.
HRESULT UnregisterServer();

}  // namespace tov::server::com
