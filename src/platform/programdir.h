// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program directory and where the program keeps its files.
//
// The program directory is the directory of the running executable, never the
// working directory. A program run from a folder it may write to (the build
// folder, a portable copy) keeps every file there, beside the executable.
//
// An installed program (its executable in PREFIX/bin next to PREFIX/share/tollnok)
// and a program in a folder it may not write to keep the user's files in the XDG
// places instead, and find their own read-only files in the data folder:
//
//   rovas.ini, rovaskep.ini          $XDG_CONFIG_HOME/tollnok/  (default ~/.config)
//   szo.xml (and szo.xml.tmp)        $XDG_DATA_HOME/tollnok/    (default ~/.local/share)
//   anything else: fonts/, RovasFendra.exe, RovasSugo.pdf
//                                    PREFIX/share/tollnok/ when installed,
//                                    else the program directory
//
// An installed program counts as such even where its folder is writable: root may
// write to PREFIX/bin, and settings do not belong there.

#include <string>
#include <string_view>

namespace platform {

// The directory of the running executable (from /proc/self/exe), without a
// trailing "/", or the override set below. Empty when it cannot be found.
std::string ProgramDir();

// The full path at which the program keeps the file `name` (see above). For a
// user's file kept in an XDG place, this creates the folder when missing and, when
// the file is not there yet but the program has its own copy (in the data folder
// of an installation, else in the program directory), copies that one there first (an existing file
// is never overwritten). Failures to create or copy are left to the caller's own read or write of
// the path to report.
std::string ProgramFile(std::string_view name);

// Where the program would read `name` from now, changing nothing: the user's
// file where ProgramFile() keeps it when it exists, else the program's own copy
// (as ProgramFile() would copy it); empty when
// there is neither. For tools that read the program's files without taking
// them over (rovas-cli).
std::string ExistingProgramFile(std::string_view name);

// Makes ProgramDir() answer `dir` (tests use a temporary directory); an empty
// `dir` restores the real answer.
void SetProgramDirOverride(std::string dir);

}  // namespace platform
