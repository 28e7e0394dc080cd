#pragma once

#include <string>
#include <vector>

// What the program asks of the desktop: starting the game, opening a text file in an editor and
// an address in the browser. Fire and forget: nothing waits for the started program or looks at
// how it went. Tests put a recorder in its place.
namespace quorvant {

struct ProgramStart {
    std::string workingFolder;
    std::string executablePath;
    std::string arguments;  // the command tail as built: empty, or beginning with a blank
};

class Desktop {
  public:
    virtual ~Desktop() = default;
    // Starts the game detached, its window minimised, in `start.workingFolder`.
    virtual void startGame(const ProgramStart& start) = 0;
    // Opens the file, which need not exist yet, in a text editor: on Windows Notepad from
    // `windowsFolder`, elsewhere the desktop's own editor for text files.
    virtual void editTextFile(const std::string& windowsFolder, const std::string& file) = 0;
    virtual void openAddress(const std::string& address) = 0;
};

class SystemDesktop : public Desktop {
  public:
    void startGame(const ProgramStart& start) override;
    void editTextFile(const std::string& windowsFolder, const std::string& file) override;
    void openAddress(const std::string& address) override;
};

// How a game start runs on a system without Windows: the tail split at blanks, and a Windows
// program that is not executable by itself run through `wine` when there is one.
struct ProgramInvocation {
    std::string program;
    std::vector<std::string> arguments;
};
ProgramInvocation InvocationFor(const ProgramStart& start, const std::string& wine);

}  // namespace quorvant
