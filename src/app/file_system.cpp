#include "app/file_system.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace quorvant {
namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string NameOf(const fs::path& path) { return path.filename().string(); }

bool IsHidden(const fs::directory_entry& entry) {
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(entry.path().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
#else
    const std::string name = NameOf(entry.path());
    return !name.empty() && name.front() == '.';
#endif
}

// Every entry of `folder` that `keep` accepts; errors (missing folder, no permission, a link
// that points nowhere or at itself) make entries or the whole listing disappear, never throw.
template <typename Keep>
std::vector<fs::directory_entry> Entries(const std::string& folder, Keep keep) {
    std::vector<fs::directory_entry> kept;
    if (folder.empty()) return kept;
    std::error_code error;
    fs::directory_iterator it(fs::path(folder), fs::directory_options::skip_permission_denied,
                              error);
    for (const fs::directory_iterator end; !error && it != end; it.increment(error)) {
        if (keep(*it)) kept.push_back(*it);
    }
    return kept;
}

void SortByName(std::vector<std::string>& names) {
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return LessIgnoringCase(a, b); });
}

}  // namespace

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string joined(folder);
    joined += kPathSeparator;
    joined += name;
    return joined;
}

bool LessIgnoringCase(std::string_view a, std::string_view b) {
    const auto mismatch = std::mismatch(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return LowerAscii(x) == LowerAscii(y);
    });
    if (mismatch.first != a.end() && mismatch.second != b.end()) {
        return static_cast<unsigned char>(LowerAscii(*mismatch.first)) <
               static_cast<unsigned char>(LowerAscii(*mismatch.second));
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
    std::vector<std::string> names;
    for (const auto& entry : Entries(folder, [](const fs::directory_entry& e) {
             std::error_code error;
             return e.is_directory(error);
         })) {
        names.push_back(NameOf(entry.path()));
    }
    SortByName(names);
    for (auto& name : names) name = JoinPath(folder, name);
    return names;
}

std::vector<std::string> ListFiles(const std::string& folder, std::string_view pattern) {
    std::vector<std::string> names;
    for (const auto& entry : Entries(folder, [pattern](const fs::directory_entry& e) {
             std::error_code error;
             return e.is_regular_file(error) && !IsHidden(e) &&
                    WildcardMatch(pattern, NameOf(e.path()));
         })) {
        names.push_back(NameOf(entry.path()));
    }
    SortByName(names);
    return names;
}

bool FileSearchMatches(const std::string& path) {
    const fs::path asPath(path);
    return !ListFiles(asPath.parent_path().string(), NameOf(asPath)).empty();
}

std::string ResolveIgnoringCase(const std::string& folder, std::string_view name) {
    std::string exact = JoinPath(folder, name);
    std::error_code error;
    if (fs::exists(fs::path(exact), error)) return exact;
    std::vector<std::string> sameName;
    for (const auto& entry : Entries(folder, [name](const fs::directory_entry& e) {
             return EqualIgnoringCase(NameOf(e.path()), name);
         })) {
        sameName.push_back(NameOf(entry.path()));
    }
    SortByName(sameName);
    return sameName.empty() ? exact : JoinPath(folder, sameName.front());
}

}  // namespace quorvant
