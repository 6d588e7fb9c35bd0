#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vindelkast {

// The few file operations whose means differ between POSIX and Windows. Each platform keeps
// the same promises; the build takes files/posix/ or files/windows/, and nothing else in the
// program asks which system it runs on.

// A path as the program holds it (UTF-8, as the window and the command line give it) in the
// file system's own form, for streams and std::filesystem.
std::filesystem::path filePath(const std::string& utf8Path);
// The other way: a path the file system gave (a folder's listing) as UTF-8.
std::string utf8Path(const std::filesystem::path& path);

// Puts `text` at `path` so that a crash, a full disk or a second writer never destroys the
// previous file: the text goes to a new file of its own beside the target, created
// exclusively, is flushed to disk and moved over the target, and the move is made to last.
// A target that is not a regular file (a folder, a pipe) is refused; a link there is
// replaced, never written through. False leaves the old file untouched and no temporary
// file behind. For tests, the disk is full after `capacity` bytes.
bool replaceFileContents(const std::string& path, std::string_view text, std::size_t capacity);

// Puts several texts at their paths as replaceFileContents puts one, with one flush of the
// disk for them all where the system allows it rather than one per file (a results folder
// has a page per pair and per board): every text is in a temporary file of its own, on disk,
// before the first is moved over its target. Returns "" or the path that could not be
// written; the targets not yet replaced are untouched, and no temporary file is left.
std::string replaceFilesContents(const std::vector<std::pair<std::string, std::string>>& pathsAndTexts);

// The program's arguments after its name, as UTF-8. From then on standard output and error
// pass the program's bytes unchanged (no line-end translation), on every platform alike.
std::vector<std::string> programArguments(int argc, char** argv);

// Closes a network connection's handle that no socket object took over (a descriptor on POSIX,
// a SOCKET on Windows, which must never be closed as a file).
void closeNetworkHandle(std::intptr_t handle);

}  // namespace vindelkast
