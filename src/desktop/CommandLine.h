#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "desktop/DisplayOptions.h"

namespace krepogor {

// What the command line asks of the game. Settings that options add live
// here beside the action.
struct CommandLine {
    enum class Action { Play, ShowHelp, ShowVersion, Refuse };
    Action action = Action::Play;
    // Why the command line was refused, in Russian, without the program's name.
    std::string error;
    // Where to record the run ("": among the last runs kept by the game).
    std::string recordPath;
    // A recording to show, and how many times faster than it was played
    // (only with one to show).
    std::string playPath;
    std::optional<int> playSpeed;
    // The factor the windows open at and the full screen, when asked for.
    DisplayOptions display;
};

// One option the program answers. `apply` takes the option's value (empty for
// an option without one) and returns an error in Russian, or "" if it took it.
struct OptionSpec {
    const char* longName;   // "--help"
    const char* shortName;  // "-h", or nullptr
    const char* valueName;  // "КРАТНОСТЬ" for an option with a value, or nullptr
    const char* help;       // its line in the usage
    std::string (*apply)(CommandLine& line, const std::string& value);
};

// Every option, in the order the usage lists them.
const std::vector<OptionSpec>& Options();

// Reads the arguments after the program's name. Values follow their option
// as the next argument or after "=" ("--name=value"). Anything unknown, a
// missing value, a stray argument or options that do not go together
// refuse the whole line; otherwise help outranks the version, and both
// outrank playing.
CommandLine ParseCommandLine(const std::vector<std::string>& args);
CommandLine ParseCommandLine(int argc, const char* const* argv);

// "krepogor 0.1" with the build's version, and the usage in Russian, each
// ending in a newline.
std::string VersionText();
std::string UsageText();

// Answers a command line that does not ask to play: help and version on
// `out` with status 0, a refusal and the usage on `err` with status 2.
// Nothing (and nothing written) when the game is to start.
std::optional<int> AnswerCommandLine(const CommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace krepogor
