#include "serverconfig/map_cycle.h"

#include "catalogue/descriptor.h"
#include "serverconfig/console_script.h"

namespace quorvant {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kCommentStart = "//";

struct Line {
    std::string_view text;     // without its line end
    std::string_view lineEnd;  // CR LF, LF, CR, or nothing on a last line
};

// Calls `visit` with each line of the text in order.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
    for (std::size_t begin = 0; begin < text.size();) {
        std::size_t end = text.find_first_of(kLineEnd, begin);
        if (end == std::string_view::npos) end = text.size();
        std::size_t next = end;
        if (next < text.size()) next += text.substr(next).starts_with(kLineEnd) ? 2 : 1;
        visit(Line{text.substr(begin, end - begin), text.substr(end, next - end)});
        begin = next;
    }
}

bool IsComment(std::string_view line) { return line.starts_with(kCommentStart); }

// Blank lines, and lines of NUL bytes such as some stock files end with, are no maps.
bool IsMap(std::string_view line) {
    return !IsComment(line) && line.find_first_not_of('\0') != std::string_view::npos;
}

}  // namespace

MapCycle ParseMapCycle(std::string_view text) {
    MapCycle cycle;
    ForEachLine(text, [&cycle](const Line& line) {
        if (IsComment(line.text)) {
            cycle.comments += line.text;
            cycle.comments += kLineEnd;
        } else if (IsMap(line.text)) {
            cycle.maps.emplace_back(line.text);
        }
    });
    return cycle;
}

std::string WithMaps(std::string_view text, const std::vector<std::string>& maps) {
    std::string edited;
    edited.reserve(text.size());
    std::size_t placed = 0;
    std::size_t afterLastMap = std::string::npos;  // where maps beyond the text's own go
    bool lastMapEnded = false;
    ForEachLine(text, [&](const Line& line) {
        if (!IsMap(line.text)) {
            edited += line.text;
            edited += line.lineEnd;
        } else if (placed < maps.size()) {
            edited += maps[placed++];
            edited += line.lineEnd;
            afterLastMap = edited.size();
            lastMapEnded = !line.lineEnd.empty();
        }
    });
    if (placed == maps.size()) return edited;
    if (afterLastMap == std::string::npos) {
        afterLastMap = edited.size();
        lastMapEnded = edited.empty() || edited.back() == '\r' || edited.back() == '\n';
    }
    const std::string_view lineEnd = LineEndOf(text);
    std::string added = lastMapEnded ? std::string() : std::string(lineEnd);
    for (; placed < maps.size(); ++placed) {
        added += maps[placed];
        added += lineEnd;
    }
    edited.insert(afterLastMap, added);
    return edited;
}

std::string MapCyclePath(const std::string& gameFolder, std::string_view mod) {
    return ModPath(gameFolder, mod, "mapcycle.txt");
}

}  // namespace quorvant
