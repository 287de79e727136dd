// The object of class myQuendal. It carries no engine state: every object drives the one shared
// engine. It answers IUnknown, IDispatch, the dual interface myInterface (the seven IUnknown and
// IDispatch slots, then the 148 members in slot order, each with its automation types) and
// ISupportErrorInfo (S_OK for myInterface, S_FALSE for every other interface; no member sets
// an error-info object).
#pragma once

#include <windows.h>

#include <guiddef.h>

namespace tov::server::com {

// The interface identifier of myInterface.
const IID& InterfaceId();

// Makes an object and hands out its interface `iid`. Fails, and makes nothing, when the shared
// engine cannot be made.
HRESULT CreateQuendal(REFIID iid, void** out);

}  // namespace tov::server::com
