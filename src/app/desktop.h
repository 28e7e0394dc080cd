#pragma once

#include <string>
#include <string_view>

#include "app/program_start.h"

// What the program asks of the desktop: starting the game, opening a text file in an editor and
// an address in the browser. Nothing waits for a started program or looks at how it went; only
// a start that could not happen at all is told. Tests put a recorder in its place.
namespace quorvant {

class Desktop {
  public:
    virtual ~Desktop() = default;
    // Starts the game detached, its window minimised, in `start.workingFolder`.
    virtual StartFailure startGame(const ProgramStart& start) = 0;
    // Opens the file, which need not exist yet, in a text editor: on Windows Notepad from
    // `windowsFolder`, elsewhere the desktop's own editor for text files. Why it could not, if
    // it could not: nothing fails silently.
    virtual StartFailure editTextFile(const std::string& windowsFolder,
                                      const std::string& file) = 0;
    virtual StartFailure openAddress(const std::string& address) = 0;
};

// The message of a file or address that no program of the desktop opens: "text files", "web
// addresses".
std::string NoProgramFor(const std::string& what, std::string_view kind);

class SystemDesktop : public Desktop {
  public:
    StartFailure startGame(const ProgramStart& start) override;
    StartFailure editTextFile(const std::string& windowsFolder, const std::string& file) override;
    StartFailure openAddress(const std::string& address) override;
};

}  // namespace quorvant
