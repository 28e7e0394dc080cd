#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Whole-file reads and writes. File contents are byte strings: the game's files are single-byte
// code-page text and must come back byte for byte.
namespace quorvant {

// The largest text file of the game's that is read whole: configuration files, map cycles, title
// files, Steam's lists. Anything bigger is not one of them.
inline constexpr std::size_t kTextFileLimit = std::size_t(4) << 20;

// The whole content of the file, or nothing when it is missing, not a file, unreadable, or
// larger than `limit` bytes: each kind of file has a size beyond which it is not the game's.
std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t limit);

// The content of a file about to be edited and written back: the empty text when there is no
// file yet, nothing when a file is there that cannot be read (writing it would lose its content).
std::optional<std::string> ReadFileForEdit(const std::string& path, std::size_t limit);

// Up to `count` bytes starting at byte `offset`; fewer when the file ends sooner, nothing when
// it cannot be read.
std::optional<std::string> ReadFilePart(const std::string& path, std::uint64_t offset,
                                        std::size_t count);

// Replaces the file's content with `bytes` through a temporary file in the same folder that is
// renamed over the old one, so that a crash or a full disk leaves the old file whole. The
// temporary file is made anew (never an existing file or link of its name), takes the old file's
// permissions and is gone again when the write fails. A file that exists but may not be written
// is left alone. Returns whether the new content is in place.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// `text` ending with a line end: unchanged when it already ends with CR or LF, otherwise with
// CR LF added. Writing back a text that was read keeps the file from growing at every save.
std::string WithFinalLineEnd(std::string text);

}  // namespace quorvant
