#pragma once
// Files: whether one exists, and replacing a file's contents safely: the new bytes go into a
// temporary file beside the target, are flushed to the disk, and the temporary file is renamed over
// the target. A failure at any step (no space, a file-size limit, a read-only file or directory)
// removes the temporary file and leaves the target byte for byte as it was. rovas.ini, rovaskep.ini
// and saved pictures are written this way.

#include <string>
#include <string_view>

namespace platform {

// 0 on success, else the errno of the step that failed. A target that is a
// symbolic link has the file it points to replaced; a target without any
// write permission bit (a read-only file) is refused with EACCES, as is one
// the process may not write; a directory with EISDIR.
int ReplaceFile(const std::string& path, std::string_view data);

// Whether anything (a file, a directory) exists at `path`.
bool FileExists(const std::string& path);

// The system's text for an errno value ("No space left on device").
std::string SystemErrorText(int error);

}  // namespace platform
