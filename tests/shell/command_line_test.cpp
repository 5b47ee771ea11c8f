#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "desktop/CommandLine.h"

namespace krepogor {
namespace {

using Action = CommandLine::Action;

CommandLine Parse(std::vector<std::string> args) {
    return ParseCommandLine(args);
}

TEST(CommandLineTest, NoArgumentsPlays) {
    EXPECT_EQ(Parse({}).action, Action::Play);
    const char* argv[] = {"krepogor"};
    EXPECT_EQ(ParseCommandLine(1, argv).action, Action::Play);
}

TEST(CommandLineTest, HelpAndVersionInAnyOrderHelpWins) {
    EXPECT_EQ(Parse({"--help"}).action, Action::ShowHelp);
    EXPECT_EQ(Parse({"-h"}).action, Action::ShowHelp);
    EXPECT_EQ(Parse({"--version"}).action, Action::ShowVersion);
    EXPECT_EQ(Parse({"--version", "-h"}).action, Action::ShowHelp);
    EXPECT_EQ(Parse({"--help", "--version"}).action, Action::ShowHelp);
}

TEST(CommandLineTest, AnythingWrongRefusesTheWholeLineAndNamesIt) {
    struct Case {
        std::vector<std::string> args;
        std::string named;
    };
    const Case cases[] = {
        {{"--bogus"}, "неизвестный параметр «--bogus»"},
        {{"-x"}, "неизвестный параметр «-x»"},
        {{"--"}, "неизвестный параметр «--»"},
        {{"--help=yes"}, "параметр «--help» не принимает значения"},
        {{"book.txt"}, "лишний аргумент «book.txt»"},
        {{"-"}, "лишний аргумент «-»"},
        // A wrong argument beside help is still refused: the user mistyped something.
        {{"--help", "--bogus"}, "неизвестный параметр «--bogus»"},
        {{"--versio"}, "неизвестный параметр «--versio»"},
    };
    for (const Case& c : cases) {
        const CommandLine line = Parse(c.args);
        EXPECT_EQ(line.action, Action::Refuse) << c.args[0];
        EXPECT_EQ(line.error, c.named);
    }
}

TEST(CommandLineTest, AnswersGoToTheRightStreamWithTheRightStatus) {
    std::ostringstream out, err;
    EXPECT_EQ(AnswerCommandLine(Parse({}), out, err), std::nullopt);
    EXPECT_EQ(out.str() + err.str(), "");

    EXPECT_EQ(AnswerCommandLine(Parse({"--version"}), out, err), 0);
    EXPECT_EQ(out.str(), std::string("krepogor ") + KREPOGOR_VERSION + "\n");
    EXPECT_EQ(err.str(), "");

    out.str("");
    EXPECT_EQ(AnswerCommandLine(Parse({"-h"}), out, err), 0);
    EXPECT_EQ(out.str(), UsageText());
    EXPECT_EQ(err.str(), "");

    out.str("");
    EXPECT_EQ(AnswerCommandLine(Parse({"--bogus"}), out, err), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "krepogor: неизвестный параметр «--bogus»\n\n" + UsageText());
}

TEST(CommandLineTest, UsageListsEveryOptionWithItsHelpInOneColumn) {
    std::istringstream usage(UsageText());
    std::string line;
    std::getline(usage, line);
    EXPECT_EQ(line, "Использование: krepogor [ПАРАМЕТР]...");
    std::vector<std::string> lines;
    while (std::getline(usage, line)) lines.push_back(line);
    std::optional<size_t> column;
    for (const OptionSpec& o : Options()) {
        const auto it = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) {
            return l.find(o.longName) != std::string::npos && l.find(o.help) != std::string::npos;
        });
        ASSERT_NE(it, lines.end()) << o.longName;
        // Characters, not bytes, before the help: value names may be Russian.
        size_t chars = 0;
        for (size_t at = 0; at < it->find(o.help); ++at) chars += ((*it)[at] & 0xC0) != 0x80;
        EXPECT_EQ(chars, column.value_or(chars)) << o.longName;
        column = chars;
    }
}

TEST(CommandLineTest, RecordingAndShowingTakeAFileAndAWholeSpeedOnlyForAShow) {
    const CommandLine shown = Parse({"--play=old.krs", "--play-speed", "4"});
    EXPECT_EQ(shown.action, Action::Play);
    EXPECT_EQ(shown.playPath, "old.krs");
    EXPECT_EQ(shown.playSpeed, 4);
    EXPECT_EQ(Parse({"--play", "old.krs"}).playSpeed, std::nullopt);
    EXPECT_EQ(Parse({"--record", "run.krs"}).recordPath, "run.krs");
    struct Case {
        std::vector<std::string> args;
        std::string named;
    };
    const std::string speed = "скорость показа «";
    const Case wrong[] = {
        {{"--play", "a.krs", "--play-speed", "0"}, speed + "0» не целое число от 1 до 64"},
        {{"--play", "a.krs", "--play-speed", "65"}, speed + "65» не целое число от 1 до 64"},
        {{"--play", "a.krs", "--play-speed=1.5"}, speed + "1.5» не целое число от 1 до 64"},
        {{"--play", "a.krs", "--play-speed", "два"}, speed + "два» не целое число от 1 до 64"},
        {{"--play", "a.krs", "--play-speed="}, speed + "» не целое число от 1 до 64"},
        {{"--play-speed", "4"},
         "параметр «--play-speed» задаёт скорость показа записи: он нужен только вместе с "
         "«--play»"},
        {{"--record", "a.krs", "--play-speed", "1"},
         "параметр «--play-speed» задаёт скорость показа записи: он нужен только вместе с "
         "«--play»"},
        {{"--play", "a.krs", "--record", "b.krs"},
         "показ записи нельзя записать: «--play» и «--record» вместе не работают"},
        {{"--record"}, "параметру «--record» нужно значение ФАЙЛ"},
        {{"--record="}, "параметру «--record» нужно имя файла"},
        {{"--play="}, "параметру «--play» нужно имя файла"},
    };
    for (const Case& c : wrong) {
        const CommandLine line = Parse(c.args);
        EXPECT_EQ(line.action, Action::Refuse) << c.named;
        EXPECT_EQ(line.error, c.named);
    }
}

}  // namespace
}  // namespace krepogor
