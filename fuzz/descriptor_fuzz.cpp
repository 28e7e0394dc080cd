// The mod descriptor's values, the game library edit, the final line end rule and map titles.
#include "app/file_io.h"
#include "app/file_system.h"
#include "catalogue/descriptor.h"
#include "catalogue/map_titles.h"
#include "fuzz_input.h"

namespace quorvant::fuzz {
namespace {

constexpr std::string_view kKeys[] = {kGameKey,     kVersionKey,     kUrlKey,      kGameDllKey,
                                      kStartMapKey, kTrainingMapKey, kTrainMapKey, "type"};
constexpr std::string_view kLibraries[] = {"mp.dll", "podbot.dll", "tfc.dll", "realbot.dll", ""};

void CheckValues(std::string_view text) {
    for (std::string_view key : kKeys) {
        const auto value = GetDescriptorValue(text, key);
        Require(value.has_value() == DescriptorHasKey(text, key), "a value exactly for a key");
        if (value) Require(text.find(*value) != std::string_view::npos, "the value is in the text");
    }
    const std::string name = GetGameDllName(text);
    Require(name.size() <= text.size(), "the library name is part of the text");
}

constexpr std::size_t npos = std::string_view::npos;

// The gamedll key is where the game reads it: its letters, in any case; without it there is no
// library to read or write.
void CheckGameDllKey(std::string_view text) {
    const std::size_t key = FindGameDllKey(text);
    if (key != npos) {
        Require(EqualIgnoringCase(text.substr(key, kGameDllKey.size()), kGameDllKey),
                "the key is the gamedll key");
    } else {
        Require(GetGameDllName(text).empty() && !WithGameDll(text, "mp.dll"),
                "without the key there is no library to read or write");
    }
}

// The edit changes the library's file name and nothing else, and reads back as written.
void CheckGameDllEdit(std::string_view text, std::string_view library) {
    const auto edited = WithGameDll(text, library);
    if (!edited) return;
    const Difference difference = Compare(text, *edited);
    Require(difference.head > FindGameDllKey(text), "the head is kept");
    Require(!HasAny(difference.before, "\"\r\n") && !HasAny(difference.after, "\"\r\n"),
            "only the file name changes");
    Require(GetGameDllName(*edited) == library, "the new library reads back");
    if (library.size() >= kGameDllPrefixLength)
        Require(WithGameDll(*edited, library) == *edited, "a second edit changes nothing");
}

// A launch leaves a loader alone until the user chooses, then names the mod's own folder; every
// other descriptor gets the plain edit.
void CheckBotLibrary(std::string_view text, std::string_view library, BotListState list) {
    const auto edited = WithBotLibrary(text, library, list);
    const bool loader =
        FindGameDllKey(text) != npos && !list.libraryListed && !GameDllInModFolder(text);
    if (!loader) {
        Require(edited == WithGameDll(text, library), "the plain edit");
    } else if (!list.chosenByUser) {
        Require(edited == text, "a loader the user left alone stays");
    } else if (library.empty()) {
        Require(!edited, "no file name is no library");
    } else {
        Require(edited && GameDllInModFolder(*edited) && GetGameDllName(*edited) == library,
                "the chosen library in the mod's own folder");
    }
}

void CheckFinalLineEnd(const std::string& text) {
    const std::string ended = WithFinalLineEnd(text);
    Require(ended.starts_with(text), "the text is kept");
    Require(ended.ends_with('\r') || ended.ends_with('\n'), "the text ends a line");
    Require(ended.size() <= text.size() + 2, "at most one line end is added");
    Require(WithFinalLineEnd(ended) == ended, "an ended text stays as it is");
}

}  // namespace
}  // namespace quorvant::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvant;
    using namespace quorvant::fuzz;
    FuzzInput input(data, size);
    const std::string_view library = input.pick(kLibraries);
    const BotListState list{input.flag(), input.flag()};
    const std::string text = input.rest();
    CheckValues(text);
    CheckGameDllKey(text);
    CheckGameDllEdit(text, library);
    CheckBotLibrary(text, library, list);
    CheckFinalLineEnd(text);
    const std::string title = MapTitleFrom(text);
    Require(text.starts_with(title) && !HasAny(title, "\r"), "the title is the first line");
    return 0;
}
