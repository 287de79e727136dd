// File names as scripts give them: relative names joined to a base folder, backslashes as
// separators, and, on a case-sensitive file system, letter case ignored where the name as given
// does not exist.
#pragma once

#include <string>
#include <string_view>

namespace tov::platform {

// A relative name joined to dir with the platform's separator; an absolute name as it stands.
// Backslashes in the name are separators on every platform. Absolute are only names with a drive
// letter on Windows and names beginning with "/" elsewhere; a name beginning with a backslash
// (or, on Windows, with a slash) stays inside dir. With an empty dir the name stands as given.
std::string JoinPath(std::string_view dir, std::string_view name);

// The path as found on disc: where it does not exist as given, each component is looked up
// ignoring letter case, one at a time. Returns the input unchanged when nothing matches.
std::string ResolveCaseInsensitive(const std::string& path);

}  // namespace tov::platform
