#include "catalogue/save_games.h"

#include <algorithm>

#include "app/file_io.h"
#include "app/file_system.h"
#include "catalogue/descriptor.h"

namespace quorvant {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr char kMessageMark = '#';
constexpr std::string_view kTitlesFile = "titles.txt";

std::string_view Trimmed(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(kBlanks);
    if (begin == std::string_view::npos) return {};
    return text.substr(begin, text.find_last_not_of(kBlanks) - begin + 1);
}

// Blanks and control characters are no text; bytes of the code page's upper half are letters.
bool HasPrintableText(std::string_view field) {
    return std::any_of(field.begin(), field.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte > ' ' && byte != 0x7f;
    });
}

std::string_view WithoutExtension(std::string_view fileName) {
    return fileName.substr(0, fileName.rfind('.'));
}

// A description that is one message name, "#" and a word, shown as that message's text.
std::string ShownTitle(std::string_view shown, std::span<const std::string> titleFiles) {
    const std::string_view name = Trimmed(shown);
    if (name.size() < 2 || name.front() != kMessageMark ||
        name.find_first_of(kBlanks) != std::string_view::npos)
        return std::string(shown);
    for (const std::string& titles : titleFiles) {
        if (auto text = TitleText(titles, name.substr(1))) return *text + ' ';
    }
    return std::string(shown);
}

}  // namespace

std::string_view SavePrefix(std::string_view fileName) {
    if (StartsWithIgnoringCase(fileName, "QUICK")) return "[Quick] ";
    if (StartsWithIgnoringCase(fileName, "AUTOSAVE")) return "[Auto] ";
    return "";
}

std::string SaveEntryText(std::string_view mod, std::string_view fileName, std::string_view field,
                          std::span<const std::string> titleFiles) {
    std::string entry(SavePrefix(fileName));
    if (!HasPrintableText(field)) return entry + std::string(WithoutExtension(fileName));
    // The field's last five characters are the time shown in parentheses.
    const std::size_t timeLength = std::min(field.size(), kDescriptionTimeLength);
    std::string_view description = field.substr(0, field.size() - timeLength);
    std::string_view time = field.substr(field.size() - timeLength);
    std::string shown;
    if (!description.empty() && description.front() == ' ') {
        // An untitled save: the mod's name, and the first characters after the blanks.
        const std::size_t text = description.find_first_not_of(' ');
        time = text == std::string_view::npos ? std::string_view()
                                              : description.substr(text, kDescriptionTimeLength);
        shown = std::string(mod) + ' ';
    } else {
        // The title ends at its first double blank, keeping one blank after it.
        const std::size_t end = description.find("  ");
        if (end != std::string_view::npos)
            shown = ShownTitle(description.substr(0, end + 1), titleFiles);
    }
    entry += shown;
    entry += '(';
    entry += time;
    entry += ')';
    return entry;
}

std::optional<std::string> TitleText(std::string_view titles, std::string_view name) {
    std::string_view previous;  // the last line before a "{": the name of the message that follows
    bool inMessage = false;
    bool wanted = false;
    std::string text;
    for (std::size_t begin = 0; begin <= titles.size();) {
        const std::size_t end = std::min(titles.find_first_of("\r\n", begin), titles.size());
        const std::string_view line = Trimmed(titles.substr(begin, end - begin));
        begin = end + 1;
        if (inMessage) {
            if (line == "}") {
                if (wanted) return text;
                inMessage = false;
            } else if (wanted && !line.empty()) {
                if (!text.empty()) text += ' ';
                text += line;
            }
        } else if (line == "{") {
            inMessage = true;
            wanted = EqualIgnoringCase(previous, name);
        } else if (!line.empty() && !line.starts_with("//") && !line.starts_with('$')) {
            previous = line;
        }
    }
    return std::nullopt;
}

std::vector<std::string> ReadTitleFiles(const std::string& gameFolder, std::string_view mod) {
    const std::string resource = ModPath(gameFolder, mod, "resource");
    std::vector<std::string> files;
    for (const std::string& path :
         {ResolveIgnoringCase(resource, kTitlesFile), ModPath(gameFolder, mod, kTitlesFile)}) {
        if (auto text = ReadWholeFile(path, kTextFileLimit)) files.push_back(std::move(*text));
    }
    return files;
}

std::string ReadDescriptionField(const std::string& path) {
    return ReadFilePart(path, kDescriptionOffset, kDescriptionLength).value_or(std::string());
}

}  // namespace quorvant
