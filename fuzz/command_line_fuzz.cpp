// The game's command line for any choices: the executable first, then blank-led arguments.
#include "fuzz_input.h"
#include "launch/command_line.h"
#include "serverconfig/console_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvant;
    using namespace quorvant::fuzz;
    constexpr LaunchKind kKinds[] = {LaunchKind::Join, LaunchKind::Create,
                                     LaunchKind::MultiplayerOther, LaunchKind::SinglePlayer,
                                     LaunchKind::OptionsOnly};
    constexpr SinglePlayerStart kStarts[] = {SinglePlayerStart::None, SinglePlayerStart::NewGame,
                                             SinglePlayerStart::TrainingMap,
                                             SinglePlayerStart::SavedGame};
    FuzzInput input(data, size);
    LaunchChoices choices;
    choices.kind = input.pick(kKinds);
    choices.start = input.pick(kStarts);
    choices.skill = static_cast<int>(input.choice(4));
    choices.dedicated = input.flag();
    choices.developer = input.flag();
    choices.console = input.flag();
    choices.lowMemory = input.flag();
    choices.skipIntro = input.flag();
    for (std::string* text :
         {&choices.gameFolder, &choices.executable, &choices.heapSize, &choices.address,
          &choices.joinPort, &choices.password, &choices.mod, &choices.serverPort, &choices.map,
          &choices.maxPlayers, &choices.singlePlayerMod, &choices.startMap, &choices.trainingMap}) {
        *text = input.text();
    }
    const LaunchCommand command = BuildLaunchCommand(choices);
    Require(command.executablePath.starts_with(choices.gameFolder),
            "the executable lies in the game folder");
    Require(command.arguments.empty() || command.arguments.front() == ' ',
            "the arguments start with a blank");
    Require(command.commandLine() == command.executablePath + command.arguments,
            "the command line is the executable and its arguments");
    const bool hidden = choices.kind == LaunchKind::Join && !choices.password.empty();
    Require(hidden ? ShownCommand(choices).commandLine().ends_with(" +password ******")
                   : ShownCommand(choices).commandLine() == command.commandLine(),
            "a password shows as asterisks, and nothing else changes");
    const std::string save = input.rest();
    if (const auto script = LoadScriptFor(save)) {
        Require(*script == "load \"" + save + "\"\r\n" && !HasAny(save, "\"\r\n"),
                "a load script is one command of one quoted argument");
    } else {
        Require(!IsConsoleArgument(save), "only a name the console cannot read is refused");
    }
    return 0;
}
