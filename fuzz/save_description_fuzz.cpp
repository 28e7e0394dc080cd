// The saved-game entry built from a save file's description field, read from a real file.
#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <fstream>

#include "catalogue/save_games.h"
#include "fuzz_input.h"

namespace {

// One file per fuzzing process, rewritten for each input.
const std::string& SaveFilePath() {
    static const std::string path = "/tmp/quorvant-fuzz-" + std::to_string(getpid()) + ".sav";
    return path;
}

std::string FieldFromFile(const std::string& bytes) {
    {
        std::ofstream file(SaveFilePath(), std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    std::string field = quorvant::ReadDescriptionField(SaveFilePath());
    std::remove(SaveFilePath().c_str());
    return field;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvant;
    using namespace quorvant::fuzz;
    FuzzInput input(data, size);
    const std::string mod = input.text();
    const std::string fileName = input.text();
    const std::string titles = input.text();
    const bool asFile = input.flag();
    std::string contents = input.rest();
    // Short inputs stand for the field itself; as a file they would hold no field at all.
    if (asFile) contents.insert(0, kDescriptionOffset, 'h');
    const std::string field = asFile ? FieldFromFile(contents) : contents;
    if (asFile)
        Require(field == contents.substr(kDescriptionOffset, kDescriptionLength),
                "the field is the file's bytes at its place");
    const std::string entry = SaveEntryText(mod, fileName, field, std::span(&titles, 1));
    Require(entry.starts_with(SavePrefix(fileName)), "the entry starts with the save's prefix");
    const bool hasText = std::any_of(field.begin(), field.end(), [](char c) {
        return static_cast<unsigned char>(c) > ' ' && c != '\x7f';
    });
    if (hasText) {
        Require(entry.ends_with(')') && entry.find('(') != std::string::npos,
                "the entry ends with the time in parentheses");
    } else {
        Require(std::string_view(fileName).starts_with(entry.substr(SavePrefix(fileName).size())),
                "a field without text shows the file's name");
    }
    // A message's text is its trimmed lines joined by blanks: one line, no blank at either end.
    if (const auto text = TitleText(titles, mod)) {
        Require(!HasAny(*text, "\r\n") && !text->starts_with(' ') && !text->ends_with(' '),
                "a message's text is one trimmed line");
    }
    return 0;
}
