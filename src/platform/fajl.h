// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files, read whole and replaced whole: the one way the program reads its
// settings, word list and pictures, and writes them back.
//
// Reading takes regular files only: a FIFO, a device or a directory under the
// file's name is refused at once (opening never waits for a writer), and so is
// a file larger than the caller's cap, so a planted or runaway file can
// neither hang the program nor fill its memory.
//
// Replacing writes the new contents into a temporary file beside the target,
// flushes it to the disk and renames it over the target. The temporary file
// is created exclusively and nameless where the file system allows it
// (O_TMPFILE; it gets a name only for the instant before the rename), so a
// save killed halfway leaves nothing behind; elsewhere it is a fresh
// mkstemp() name. A failure at any step (no space, a file-size limit, a
// read-only file or directory) removes the temporary file and leaves the
// target byte for byte as it was. A target that is a symbolic link has the
// file it points to replaced, and the link stays; a target without any write
// permission bit (a read-only file) is refused, as is one the process may not
// write, a directory, or anything else that is not a regular file. The new
// file keeps the old one's permission bits (a new one gets 0666 less the
// umask).
//
// Every failure is a Status whose message names the file and the reason:
// "Unable to read PATH: REASON" or "Unable to write to PATH: REASON".

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace platform {

// The whole file at `path` into `out`. NotFound when nothing is there (or a
// folder on the way is missing); an error for anything that is not a regular
// file, for a file over `cap` bytes ("the file is larger than N MB") and for
// any read error. `out` is empty after a failure.
Status ReadFile(const std::string& path, std::size_t cap, std::string& out);

// Replaces the file at `path` with `data`, by the rules above.
Status ReplaceFile(const std::string& path, std::string_view data);

// Writes the temporary file through `writer` and replaces the file at `path`
// with it, by the rules above, so a large file (a picture) is streamed rather
// than built in memory first. The writer returns an error whose message is the
// reason (a library's words); a failure of the system under it (errno, or a
// write error on the stream) is reported with the system's reason instead.
using FileWriter = std::function<Status(std::FILE*)>;
Status ReplaceFileWith(const std::string& path, const FileWriter& writer);

// Whether anything (a file, a directory) exists at `path`.
bool FileExists(const std::string& path);

// The system's text for an errno value ("No space left on device").
std::string SystemErrorText(int error);

}  // namespace platform
