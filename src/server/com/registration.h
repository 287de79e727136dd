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
#pragma once

#include <windows.h>

namespace tov::server::com {

// Writes every key and registers the type library. On failure whatever was written is removed
// again and the failing status returned.
HRESULT RegisterServer();

// Removes the keys and the type library's registration. Keys already gone are no failure.
HRESULT UnregisterServer();

}  // namespace tov::server::com
