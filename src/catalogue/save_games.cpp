#include "catalogue/save_games.h"

#include "app/file_io.h"
#include "app/file_system.h"

namespace quorvant {

std::string_view SavePrefix(std::string_view fileName) {
    if (StartsWithIgnoringCase(fileName, "QUICK")) return "[Quick] ";
    if (StartsWithIgnoringCase(fileName, "AUTOSAVE")) return "[Auto] ";
    return "";
}

std::string SaveEntryText(std::string_view mod, std::string_view fileName, std::string_view field) {
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
        if (end != std::string_view::npos) shown = description.substr(0, end + 1);
    }
    std::string entry(SavePrefix(fileName));
    entry += shown;
    entry += '(';
    entry += time;
    entry += ')';
    return entry;
}

std::string ReadDescriptionField(const std::string& path) {
    return ReadFilePart(path, kDescriptionOffset, kDescriptionLength).value_or(std::string());
}

}  // namespace quorvant
