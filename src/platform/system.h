// Services of the operating system: memory status, starting a program, the current directory.
// system_posix.cpp and system_win32.cpp implement them.
#pragma once

#include <string>
#include <string_view>

#include "platform/runtime.h"

namespace tov::platform {

// Available and total physical and virtual memory in bytes. On a system that reports no
// virtual memory limit, virtual memory is physical memory plus swap.
MemoryStatus QueryMemoryStatus();

// Starts the command line as a program detached from this process, its window shown normally
// where it has one: on Windows the line goes to the system as it stands, elsewhere it is split
// into words as a POSIX shell splits them (quotes and backslashes, no expansion) and the first
// word is found on the search path. Whether it starts is not
// reported; this process never waits for it.
void StartDetached(std::string_view command_line);

// The current directory, without a trailing separator (except for a root); empty when it
// cannot be read.
std::string CurrentDirectory();

}  // namespace tov::platform
