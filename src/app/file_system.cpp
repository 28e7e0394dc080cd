#include "app/file_system.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <sys/stat.h>
#endif

#include "app/native_path.h"

namespace fs = std::filesystem;

namespace quorvant {
namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string NameOf(const fs::path& path) { return BytesOf(path.filename()); }

#ifdef _WIN32
bool IsHidden(const fs::directory_entry& entry) {
    const DWORD attributes = GetFileAttributesW(entry.path().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
}
#endif

// Every entry of `folder` that `keep` accepts; errors (missing folder, no permission, a link
// that points nowhere or at itself) make entries or the whole listing disappear, never throw.
template <typename Keep>
std::vector<fs::directory_entry> Entries(const std::string& folder, Keep keep) {
    std::vector<fs::directory_entry> kept;
    if (folder.empty()) return kept;
    std::error_code error;
    fs::directory_iterator it(PathOf(folder), fs::directory_options::skip_permission_denied, error);
    for (const fs::directory_iterator end; !error && it != end; it.increment(error)) {
        if (keep(*it)) kept.push_back(*it);
    }
    return kept;
}

enum class EntryKind { Folder, File };

#ifdef _WIN32

// The names of the entries of `folder` of the given kind that match `pattern`, links followed,
// hidden ones left out.
std::vector<std::string> NamesOf(const std::string& folder, EntryKind kind,
                                 std::string_view pattern) {
    std::vector<std::string> names;
    for (const auto& entry : Entries(folder, [kind, pattern](const fs::directory_entry& e) {
             std::error_code error;
             if (!WildcardMatch(pattern, NameOf(e.path()))) return false;
             return kind == EntryKind::Folder ? e.is_directory(error)
                                              : e.is_regular_file(error) && !IsHidden(e);
         })) {
        names.push_back(NameOf(entry.path()));
    }
    return names;
}

#else

// The same from the directory's own entry types: large map and save folders are listed without
// a file status call per entry (links and file systems that give no type excepted), and without
// a string for an entry the pattern leaves out.
std::vector<std::string> NamesOf(const std::string& folder, EntryKind kind,
                                 std::string_view pattern) {
    std::vector<std::string> names;
    if (folder.empty()) return names;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return names;
    while (const dirent* entry = readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        if (kind == EntryKind::File && name.front() == '.') continue;
        if (!WildcardMatch(pattern, name)) continue;
        unsigned char type = entry->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            struct stat status {};
            if (stat(JoinPath(folder, name).c_str(), &status) != 0) continue;
            type = S_ISDIR(status.st_mode) ? DT_DIR : S_ISREG(status.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        if (type == (kind == EntryKind::Folder ? DT_DIR : DT_REG)) names.emplace_back(name);
    }
    closedir(dir);
    return names;
}

#endif

// The order of LessIgnoringCase. The first eight folded bytes of each name, as one number in
// byte order, settle most comparisons of a large folder without looking at the names.
void SortByName(std::vector<std::string>& names) {
    struct Key {
        std::uint64_t head;
        std::uint32_t index;
    };
    std::vector<Key> keys;
    keys.reserve(names.size());
    for (std::uint32_t i = 0; i < names.size(); ++i) {
        const std::string& name = names[i];
        std::uint64_t head = 0;
        for (std::size_t b = 0; b < 8; ++b) {
            const char c = b < name.size() ? LowerAscii(name[b]) : '\0';
            head = (head << 8) | static_cast<unsigned char>(c);
        }
        keys.push_back({head, i});
    }
    std::sort(keys.begin(), keys.end(), [&names](const Key& a, const Key& b) {
        if (a.head != b.head) return a.head < b.head;
        return LessIgnoringCase(names[a.index], names[b.index]);
    });
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (const Key& key : keys) sorted.push_back(std::move(names[key.index]));
    names = std::move(sorted);
}

}  // namespace

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string joined(folder);
    // A folder such as the root, which a Wine drive may map to, already ends with its separator.
    if (!joined.ends_with(kPathSeparator)) joined += kPathSeparator;
    joined += name;
    return joined;
}

bool LessIgnoringCase(std::string_view a, std::string_view b) {
    // Sorting large folders compares many names with long common beginnings: equal bytes are
    // passed over before any case is folded.
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (a[i] == b[i]) continue;
        const auto x = static_cast<unsigned char>(LowerAscii(a[i]));
        const auto y = static_cast<unsigned char>(LowerAscii(b[i]));
        if (x != y) return x < y;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualIgnoringCase(text.substr(0, prefix.size()), prefix);
}

bool WildcardMatch(std::string_view pattern, std::string_view name) {
    // Greedy matching with one backtrack point: linear in practice, never exponential.
    size_t p = 0, n = 0;
    size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() &&
            (pattern[p] == '?' || LowerAscii(pattern[p]) == LowerAscii(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::vector<std::string> ListSubfolders(const std::string& folder) {
    std::vector<std::string> names = NamesOf(folder, EntryKind::Folder, "*");
    SortByName(names);
    for (auto& name : names) name = JoinPath(folder, name);
    return names;
}

std::vector<std::string> ListFiles(const std::string& folder, std::string_view pattern) {
    std::vector<std::string> names = NamesOf(folder, EntryKind::File, pattern);
    SortByName(names);
    return names;
}

bool FileSearchMatches(const std::string& path) {
    const fs::path asPath = PathOf(path);
    return !ListFiles(BytesOf(asPath.parent_path()), NameOf(asPath)).empty();
}

const std::string* FindIgnoringCase(const std::vector<std::string>& names, std::string_view name) {
    const auto exact = std::find(names.begin(), names.end(), name);
    if (exact != names.end()) return &*exact;
    const auto anyCase = std::find_if(names.begin(), names.end(), [name](const std::string& entry) {
        return EqualIgnoringCase(entry, name);
    });
    return anyCase != names.end() ? &*anyCase : nullptr;
}

std::string ResolveIgnoringCase(const std::string& folder, std::string_view name) {
    std::string exact = JoinPath(folder, name);
    std::error_code error;
    if (fs::exists(PathOf(exact), error)) return exact;
    std::vector<std::string> names;
    for (const auto& entry : Entries(folder, [](const fs::directory_entry&) { return true; }))
        names.push_back(NameOf(entry.path()));
    SortByName(names);
    const std::string* found = FindIgnoringCase(names, name);
    return found ? JoinPath(folder, *found) : exact;
}

}  // namespace quorvant
