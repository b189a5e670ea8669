#pragma once
// The program directory: the directory of the running executable. The files
// that belong to the program (rovas.ini, rovaskep.ini, szo.xml, the help
// document, the font installer) are always looked up there, never in the
// working directory.

#include <string>
#include <string_view>

namespace platform {

// The directory of the running executable (from /proc/self/exe), without a
// trailing "/", or the override set below. Empty when it cannot be found.
std::string ProgramDir();

// Full path of a file in the program directory.
std::string ProgramFile(std::string_view name);

// Makes ProgramDir() answer `dir` (tests use a temporary directory); an empty
// `dir` restores the real answer.
void SetProgramDirOverride(std::string dir);

}  // namespace platform
