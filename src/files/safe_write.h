#pragma once

#include <cstddef>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace vindelkast {

// Writes a file so that a crash, a full disk or a second writer never destroys the previous
// one: the text goes to a new temporary file of its own beside the target, is flushed to
// disk and renamed over the target, and the rename is made to last (files/file_platform.h).
// On POSIX the new file keeps the permissions of the one it replaces. A target that is not a regular file (a
// folder, a pipe) is refused; a link there is replaced, never written through. Returns "" once the rename is
// on disk, else the message to show; the old file is then untouched.
std::string writeFileSafely(const std::string& path, const std::function<void(std::ostream&)>& write);
std::string writeTextSafely(const std::string& path, const std::string& text);

// Writes several files as writeTextSafely writes one, with one flush of the disk for them
// all rather than one per file (a results folder has a page per pair and per board): every
// text goes to a temporary file of its own, the file systems are flushed, then each is
// renamed over its target. Returns "" or the message; a file not yet renamed is untouched.
std::string writeTextsSafely(const std::vector<std::pair<std::string, std::string>>& pathsAndTexts);

// For tests: behave as a disk that is full after `capacity` bytes.
std::string writeTextSafely(const std::string& path, const std::string& text, std::size_t capacity);

// The message for a file that could not be written.
std::string cannotWriteMessage(const std::string& path);
// A file path (UTF-8 on disk) as Windows-1252 text for a message.
std::string pathText(const std::string& path);

}  // namespace vindelkast
