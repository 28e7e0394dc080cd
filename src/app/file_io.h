#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Whole-file reads and writes. File contents are byte strings: the game's files are single-byte
// code-page text and must come back byte for byte.
namespace quorvant {

// The whole content of the file, or nothing when it is missing, not a file, or unreadable.
std::optional<std::string> ReadWholeFile(const std::string& path);

// The content of a file about to be edited and written back: the empty text when there is no
// file yet, nothing when a file is there that cannot be read (writing it would lose its content).
std::optional<std::string> ReadFileForEdit(const std::string& path);

// Up to `count` bytes starting at byte `offset`; fewer when the file ends sooner, nothing when
// it cannot be read.
std::optional<std::string> ReadFilePart(const std::string& path, std::uint64_t offset,
                                        std::size_t count);

// Replaces the file's content with `bytes` through a temporary file in the same folder that is
// renamed over the old one, so that a crash or a full disk leaves the old file whole. A file that
// exists but may not be written is left alone. Returns whether the new content is in place.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// `text` ending with a line end: unchanged when it already ends with CR or LF, otherwise with
// CR LF added. Writing back a text that was read keeps the file from growing at every save.
std::string WithFinalLineEnd(std::string text);

}  // namespace quorvant
