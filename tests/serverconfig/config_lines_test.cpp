#include "serverconfig/config_lines.h"

#include <gtest/gtest.h>

namespace quorvant {
namespace {

using Reader = std::optional<std::string> (*)(std::string_view, std::string_view);
using Editor = void (*)(std::string&, std::string_view, std::string_view);

// game.cfg files as the game's own packages write them: console commands of the bare name.
const std::string kBareRules =
    "// If set, when anybody's score reaches mp_fraglimit the map changes.\n"
    "mp_fraglimit \"0\"\n\nmp_timelimit2 \"9\"\n  mp_timelimit\t20 // minutes\n"
    "mp_friendlyfire\nmp_friendlyfire \"1\"\nmp_footsteps // none\nmp_footsteps 1";
const std::string kCommands = "// mp_timelimit 20\nsv_aim 0\r\n\tmp_timelimit 45 // min\r\nx";

// Names match exactly (case, whole name). A command counts where the game runs it: at the start
// of a line, after blanks or TABs at most; never in a comment or at the end of a longer name.
TEST(ConfigLines, ReadEachSettingWhereTheGameFindsIt) {
    const struct {
        Reader read;
        std::string text;
        std::string_view name;
        std::optional<std::string> value;
    } cases[] = {
        {FindQuotedSetting,
         "\"mp_timelimit2\" \"5\"\r\n\"MP_TIMELIMIT\" \"6\"\r\n\"mp_timelimit\"  \"20\"",
         "mp_timelimit", "20"},
        {FindQuotedSetting, "\"sv_aim\" \" 1 \"", "sv_aim", " 1 "},
        {FindQuotedSetting, "\"sv_aim\" 1", "sv_aim", ""},
        {FindQuotedSetting, kBareRules, "mp_fraglimit", "0"},
        {FindQuotedSetting, kBareRules, "mp_timelimit", "20"},
        {FindQuotedSetting, kBareRules, "mp_friendlyfire", "1"},
        {FindQuotedSetting, kBareRules, "mp_footsteps", "1"},
        {FindQuotedSetting, kBareRules, "mp_flashlight", std::nullopt},
        {FindQuotedSetting, kBareRules + "\n\"mp_fraglimit\" \"5\"", "mp_fraglimit", "5"},
        {GetCommandSetting, kCommands, "mp_timelimit ", "45 // min"},
        {GetCommandSetting, kCommands, "sv_aim ", "0"},
        {GetCommandSetting, kCommands + "\nmp_fraglimit ", "mp_fraglimit ", ""},
        {GetCommandSetting, kCommands, "aim ", std::nullopt},
    };
    for (const auto& item : cases)
        EXPECT_EQ(item.read(item.text, item.name), item.value) << item.text << " / " << item.name;
}

// An edit changes the value's characters only, and keeps the form the file gives the setting; what
// it cannot find it appends as a line of its own, except an empty value.
TEST(ConfigLines, EditEachSettingInPlaceOrAppendIt) {
    const std::string gunGame =
        "gg_map_setup \"mp_timelimit 60; mp_winlimit 0; sv_alltalk 0; mp_c4timer 25\"\n"
        "// 20 minute timelimit\nmp_friendlyfire 1\n";
    const struct {
        Editor edit;
        std::string text;
        std::string_view name, value;
        std::string edited;
    } cases[] = {
        {SetQuotedSetting, "// keep\r\n\"mp_timelimit\"   \"20\" // here\r\n", "mp_timelimit", "",
         "// keep\r\n\"mp_timelimit\"   \"\" // here\r\n"},
        {SetQuotedSetting, "\"sv_aim\" \"1", "sv_aim", "0", "\"sv_aim\" \"1"},
        {SetQuotedSetting, "// reaches mp_fraglimit the map\nmp_fraglimit \"0\"\n", "mp_fraglimit",
         "10", "// reaches mp_fraglimit the map\nmp_fraglimit \"10\"\n"},
        {SetQuotedSetting, "mp_timelimit2 \"9\"\n  mp_timelimit\t20 // minutes\n", "mp_timelimit",
         "30 min", "mp_timelimit2 \"9\"\n  mp_timelimit\t\"30 min\" // minutes\n"},
        {SetQuotedSetting, "mp_footsteps // none\nmp_footsteps 1", "mp_footsteps", "",
         "mp_footsteps // none\nmp_footsteps \"\""},
        {SetQuotedSetting, "mp_timelimit 20\n", "mp_timelimit", "25", "mp_timelimit 25\n"},
        {SetCommandSetting, "myhostname x\r\n \t hostname \"old\"\r\n", "hostname ", "\"new\"",
         "myhostname x\r\n \t hostname \"new\"\r\n"},
        {SetCommandSetting, "a 1\r\nmp_fraglimit 5", "mp_fraglimit ", "", "a 1\r\nmp_fraglimit "},
        {SetCommandSetting, gunGame, "mp_timelimit ", "30", gunGame + "\r\nmp_timelimit 30\r\n"},
        // A file with CR line ends keeps the lines after the edited one.
        {SetCommandSetting, "mp_timelimit 20\rmp_fraglimit 5\r", "mp_timelimit ", "30",
         "mp_timelimit 30\rmp_fraglimit 5\r"},
        {SetCommandSetting, "mp_timelimit\t20\r\n", "mp_timelimit ", "30",
         "mp_timelimit\t20\r\n\r\nmp_timelimit 30\r\n"},
        {SetCommandSetting, "hostname \"a\"\r\n", "sv_password ", "\"\"", "hostname \"a\"\r\n"},
    };
    for (const auto& item : cases) {
        std::string text = item.text;
        item.edit(text, item.name, item.value);
        EXPECT_EQ(text, item.edited) << item.name << " = " << item.value;
    }
}

// The log line is "log on" at the very start of the text or after a CR LF. Removing takes away one
// line, after a break first, as eight characters whatever they are.
TEST(ConfigLines, FindAndRemoveTheLogLine) {
    const struct {
        std::string text;
        bool found;
        std::string removed;
    } cases[] = {
        {"a\r\nlog one\r\n", true, "ae\r\n"},
        {"log of", false, "log of"},
        {"log on\r\nb\r\nlog on", true, "log on\r\nb"},
        {"log onward\r\nb", true, "rd\r\nb"},
    };
    for (const auto& item : cases) {
        EXPECT_EQ(HasLogLine(item.text), item.found) << item.text;
        std::string text = item.text;
        RemoveLogLine(text);
        EXPECT_EQ(text, item.removed);
    }
}

}  // namespace
}  // namespace quorvant
