#pragma once
// Where the program keeps its files. Paths are native UTF-8 with "/" between
// folders and no trailing "/".

#include <string>

namespace dravik {

// The environment variable that moves the program folder elsewhere.
inline constexpr const char* ProgramFolderVariable = "DRAVIK_CLIENT_HOME";

// The program folder: $DRAVIK_CLIENT_HOME when set and not empty, else the
// per-user data folder (~/.local/share/<programTitle>, after $XDG_DATA_HOME).
// Created, with its parents, when missing; the install folder is never used.
// When it cannot be created the path is still returned, and the file work in
// it fails with its own messages.
std::string programFolder(const std::string& programTitle);

// The working copy used around every compressed file read or written.
std::string workFilePath(const std::string& programFolder);

// The per-user runtime folder ($XDG_RUNTIME_DIR), which is cleared when the
// user logs out; a folder of this user's own in the temporary folder when
// there is none.
std::string runtimeFolder();

}  // namespace dravik
