#include "desktop/CommandLine.h"

#include <algorithm>
#include <charconv>

#include "desktop/Utf8.h"

namespace krepogor {
namespace {

// The stronger of two requests wins: help, then the version, then playing.
void Ask(CommandLine& line, CommandLine::Action action) {
    if (line.action == CommandLine::Action::Play || action == CommandLine::Action::ShowHelp) {
        line.action = action;
    }
}

std::string AskHelp(CommandLine& line, const std::string&) {
    Ask(line, CommandLine::Action::ShowHelp);
    return "";
}

std::string AskVersion(CommandLine& line, const std::string&) {
    Ask(line, CommandLine::Action::ShowVersion);
    return "";
}

std::string Quoted(const std::string& s) {
    return "«" + s + "»";
}

std::string TakeRecord(CommandLine& line, const std::string& value) {
    if (value.empty()) return "параметру «--record» нужно имя файла";
    line.recordPath = value;
    return "";
}

std::string TakePlay(CommandLine& line, const std::string& value) {
    if (value.empty()) return "параметру «--play» нужно имя файла";
    line.playPath = value;
    return "";
}

std::string TakePlaySpeed(CommandLine& line, const std::string& value) {
    int speed = 0;
    const char* end = value.data() + value.size();
    const auto r = std::from_chars(value.data(), end, speed);
    if (r.ec != std::errc() || r.ptr != end || speed < 1 || speed > 64)
        return "скорость показа " + Quoted(value) + " не целое число от 1 до 64";
    line.playSpeed = speed;
    return "";
}

std::string SetScale(CommandLine& line, const std::string& value) {
    line.display.scale = ParseScale(value);
    if (line.display.scale) return "";
    return "множитель --scale " + Quoted(value) + " должен быть числом от 0.25 до 8";
}

std::string SetFullscreen(CommandLine& line, const std::string&) {
    line.display.fullscreen = true;
    return "";
}

std::string SetWindow(CommandLine& line, const std::string&) {
    line.display.fullscreen = false;
    return "";
}

size_t Characters(const std::string& s) {
    size_t n = 0;
    for (size_t at = 0; at < s.size(); at = NextCharStart(s, at)) ++n;
    return n;
}

const OptionSpec* FindOption(const std::string& name) {
    for (const OptionSpec& o : Options()) {
        if (name == o.longName || (o.shortName && name == o.shortName)) return &o;
    }
    return nullptr;
}

// The left column of an option's usage line: "-h, --help" or "    --name ЗНАЧЕНИЕ".
std::string Synopsis(const OptionSpec& o) {
    std::string s = o.shortName ? std::string(o.shortName) + ", " : std::string(4, ' ');
    s += o.longName;
    if (o.valueName) s += std::string(" ") + o.valueName;
    return s;
}

// Applies one argument (and the value it takes from the next), moving `at`
// past them; returns an error or "".
std::string TakeArgument(CommandLine& line, const std::vector<std::string>& args, size_t& at) {
    const std::string arg = args[at++];
    if (arg.size() < 2 || arg[0] != '-') return "лишний аргумент " + Quoted(arg);
    const size_t eq = arg.find('=');
    const bool inlineValue = arg.starts_with("--") && eq != std::string::npos;
    const std::string name = inlineValue ? arg.substr(0, eq) : arg;
    const OptionSpec* option = FindOption(name);
    if (!option) return "неизвестный параметр " + Quoted(name);
    std::string value;
    if (!option->valueName) {
        if (inlineValue) return "параметр " + Quoted(name) + " не принимает значения";
    } else if (inlineValue) {
        value = arg.substr(eq + 1);
    } else if (at < args.size()) {
        value = args[at++];
    } else {
        return "параметру " + Quoted(name) + " нужно значение " + option->valueName;
    }
    return option->apply(line, value);
}

// What the options ask together; "" when they go together.
std::string Mismatch(const CommandLine& line) {
    if (line.playSpeed && line.playPath.empty())
        return "параметр «--play-speed» задаёт скорость показа записи: он нужен только вместе с "
               "«--play»";
    // A recording shown is not recorded again.
    if (!line.playPath.empty() && !line.recordPath.empty())
        return "показ записи нельзя записать: «--play» и «--record» вместе не работают";
    return "";
}

}  // namespace

const std::vector<OptionSpec>& Options() {
    static const std::vector<OptionSpec> options = {
        {"--help", "-h", nullptr, "показать эту справку и выйти", AskHelp},
        {"--version", nullptr, nullptr, "показать версию и выйти", AskVersion},
        {"--record", nullptr, "ФАЙЛ", "записать игру в ФАЙЛ", TakeRecord},
        {"--play", nullptr, "ФАЙЛ", "показать записанную игру", TakePlay},
        {"--play-speed", nullptr, "N", "показывать запись в N раз быстрее", TakePlaySpeed},
        {"--scale", nullptr, "МНОЖИТЕЛЬ",
         "открыть окна игры в МНОЖИТЕЛЬ раз крупнее (1, 1.5, 2, 3 ...)", SetScale},
        {"--fullscreen", nullptr, nullptr, "играть во весь экран (F11 или Alt+Enter переключают)",
         SetFullscreen},
        {"--window", nullptr, nullptr, "играть в окне", SetWindow},
    };
    return options;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    std::string error;
    for (size_t at = 0; at < args.size() && error.empty();) error = TakeArgument(line, args, at);
    if (error.empty()) error = Mismatch(line);
    if (!error.empty()) {
        line.action = CommandLine::Action::Refuse;
        line.error = std::move(error);
    }
    return line;
}

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return ParseCommandLine(args);
}

std::string VersionText() {
    return std::string("krepogor ") + KREPOGOR_VERSION + "\n";
}

std::string UsageText() {
    size_t width = 0;
    for (const OptionSpec& o : Options()) width = std::max(width, Characters(Synopsis(o)));
    std::string text =
        "Использование: krepogor [ПАРАМЕТР]...\n"
        "Крепогор: артиллерийская оборона крепости, игра для одного игрока.\n"
        "\n"
        "Параметры:\n";
    for (const OptionSpec& o : Options()) {
        const std::string synopsis = Synopsis(o);
        text +=
            "  " + synopsis + std::string(width - Characters(synopsis) + 2, ' ') + o.help + "\n";
    }
    text += "\nПодробнее: man 6 krepogor\n";
    return text;
}

std::optional<int> AnswerCommandLine(const CommandLine& line, std::ostream& out,
                                     std::ostream& err) {
    switch (line.action) {
        case CommandLine::Action::Play:
            return std::nullopt;
        case CommandLine::Action::ShowHelp:
            out << UsageText();
            return 0;
        case CommandLine::Action::ShowVersion:
            out << VersionText();
            return 0;
        case CommandLine::Action::Refuse:
            err << "krepogor: " << line.error << "\n\n" << UsageText();
            return 2;
    }
    return std::nullopt;
}

}  // namespace krepogor
