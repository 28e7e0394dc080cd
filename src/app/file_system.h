#pragma once

#include <string>
#include <string_view>
#include <vector>

// The folder and file listings the rest of the program relies on. Paths and names are byte
// strings in the platform's own encoding; names are compared without regard to ASCII case so
// that a game folder copied from Windows behaves the same on a case-sensitive file system.
namespace quorvant {

// The platform's path separator as text, for joining the parts of a path.
inline constexpr std::string_view kPathSeparator =
#ifdef _WIN32
    "\\";
#else
    "/";
#endif

// `folder`, the separator unless the folder already ends with it, and `name`.
std::string JoinPath(std::string_view folder, std::string_view name);

// Ascending order of names without regard to ASCII case; names that differ only in case keep a
// stable byte order so that two listings of one folder always agree.
bool LessIgnoringCase(std::string_view a, std::string_view b);
bool EqualIgnoringCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);

// `*` matches any run of characters, `?` any one character; letters match in either case.
bool WildcardMatch(std::string_view pattern, std::string_view name);

// The immediate sub-folders of `folder` as full paths, ascending by name.
std::vector<std::string> ListSubfolders(const std::string& folder);

// The names (without folder) of the ordinary, non-hidden files of `folder` matching `pattern`,
// ascending by name. A missing or unreadable folder lists nothing.
std::vector<std::string> ListFiles(const std::string& folder, std::string_view pattern);

// Whether an ordinary file matches `path`, whose last component may hold wildcards.
bool FileSearchMatches(const std::string& path);

// Of names listed from one folder in name order, the one that stands for `name`: `name` itself,
// else the first equal to it in any case; nothing when none is.
const std::string* FindIgnoringCase(const std::vector<std::string>& names, std::string_view name);

// The path of `name` inside `folder`: the entry whose name equals `name` in any case when no
// entry has exactly that name, so that "LIBLIST.GAM" is found for "liblist.gam".
std::string ResolveIgnoringCase(const std::string& folder, std::string_view name);

// A folder list that keeps its path: the game folder of the main window.
class FolderList {
  public:
    void setPath(std::string path) { path_ = std::move(path); }
    const std::string& path() const { return path_; }
    std::vector<std::string> entries() const { return ListSubfolders(path_); }

  private:
    std::string path_;
};

// A file list that keeps its folder and pattern between the calls that set and read them.
class FileList {
  public:
    void setPath(std::string folder) { folder_ = std::move(folder); }
    void setPattern(std::string pattern) { pattern_ = std::move(pattern); }
    const std::string& path() const { return folder_; }
    std::vector<std::string> names() const { return ListFiles(folder_, pattern_); }

  private:
    std::string folder_;
    std::string pattern_ = "*";
};

}  // namespace quorvant
