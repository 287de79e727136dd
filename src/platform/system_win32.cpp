#include <windows.h>

#include <string>
#include <vector>

#include "platform/system.h"

namespace tov::platform {

MemoryStatus QueryMemoryStatus() {
    MemoryStatus status;
    MEMORYSTATUSEX info{};
    info.dwLength = sizeof info;
    if (!GlobalMemoryStatusEx(&info)) return status;
    status.available_physical = info.ullAvailPhys;
    status.total_physical = info.ullTotalPhys;
    status.available_virtual = info.ullAvailVirtual;
    status.total_virtual = info.ullTotalVirtual;
    return status;
}

void StartDetached(std::string_view command_line) {
    if (command_line.empty()) return;
    // CreateProcess may write into the command line, so it gets a copy of its own.
    std::vector<char> line(command_line.begin(), command_line.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    // A console program gets a console window of its own, shown normally like any other
    // program's window, rather than running unseen.
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE,
                       CREATE_NEW_CONSOLE | CREATE_NEW_PROCESS_GROUP, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

std::string CurrentDirectory() {
    const DWORD needed = GetCurrentDirectoryA(0, nullptr);
    if (needed == 0) return {};
    std::vector<char> buffer(needed + 1);
    const DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length == 0 || length >= buffer.size()) return {};
    std::string dir(buffer.data(), length);
    // "C:\" keeps its separator; other folders do not end in one.
    while (dir.size() > 3 && (dir.back() == '\\' || dir.back() == '/'))
        dir.pop_back();
    return dir;
}

}  // namespace tov::platform
