#include <SDL.h>
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "desktop/BattleKeys.h"
#include "desktop/PlayerChoices.h"
#include "desktop/ScancodeNames.h"
#include "desktop/TouchOptions.h"

namespace krepogor {
namespace {

TEST(ScancodeNames, AreSdlsNamesAndTheRussianLettersByTheirPlace) {
    // SDL's own names, in any case, name the keys SDL gives them to.
    for (const char* name : {"A",
                             "z",
                             "1",
                             "0",
                             "F1",
                             "f12",
                             "Return",
                             "Escape",
                             "Backspace",
                             "Tab",
                             "Space",
                             "-",
                             "=",
                             "[",
                             "]",
                             "\\",
                             ";",
                             "'",
                             "`",
                             ",",
                             ".",
                             "/",
                             "Insert",
                             "Home",
                             "PageUp",
                             "Delete",
                             "End",
                             "PageDown",
                             "Right",
                             "Left",
                             "Down",
                             "up",
                             "Keypad /",
                             "Keypad *",
                             "Keypad -",
                             "Keypad +",
                             "Keypad Enter",
                             "keypad 0",
                             "Keypad 5",
                             "Keypad .",
                             "Left Ctrl",
                             "Left Shift",
                             "Left Alt",
                             "Left GUI",
                             "Right Ctrl",
                             "Right Shift",
                             "Right Alt",
                             "right gui"}) {
        const auto ours = ScancodeOfName(name);
        ASSERT_TRUE(ours) << name;
        EXPECT_EQ(*ours, SDL_GetScancodeFromName(name)) << name;
    }
    const std::map<std::string, const char*> russian = {
        {"З", "P"}, {"з", "P"}, {"С", "C"}, {"м", "V"}, {"И", "B"}, {"Ф", "A"},
        {"Я", "Z"}, {"Ж", ";"}, {"Х", "["}, {"Б", ","}, {"ю", "."}, {"Ё", "`"}};
    for (const auto& [letter, latin] : russian)
        EXPECT_EQ(ScancodeOfName(letter), ScancodeOfName(latin)) << letter;
    for (const char* unknown : {"", "F13", "F0", "F01", "Keypad 10", "Щелчок", "Ctrl", "AA", "ЗЗ"})
        EXPECT_FALSE(ScancodeOfName(unknown)) << unknown;
}

TEST(BattleKeys, TakeTheChosenKeysOrRefuseThemAllSayingWhy) {
    // USB HID usage numbers (SDL's scancodes) and the battle's virtual keys.
    constexpr int kUp = 82, kSpace = 44, kP = 19, kF = 9, kW = 26, kLeftCtrl = 224, kEsc = 41;
    struct Case {
        std::map<std::string, std::string> settings;
        const char* problem;  // a part of the reason; "" when taken
    };
    const Case refused[] = {
        {{{"key.fire", "Щелчок"}}, "key.fire=«Щелчок»: нет такой клавиши"},
        {{{"key.jump", "J"}}, "key.jump: нет такого действия"},
        {{{"key.fire", "Escape"}}, "Esc спрашивает о выходе"},
        {{{"key.pause", "F6"}}, "F1–F12 заняты меню"},
        {{{"key.fire", "Up"}}, "up (как обычно) и key.fire=«Up»: одна клавиша на два действия"},
        {{{"key.fire", "F"}, {"key.pause", "f"}}, "одна клавиша на два действия"},
        {{{"key.speed", "М"}}, "key.speed=«М» и force (как обычно)"},
        {{{"key.fire", "\x1b[2J"}}, "key.fire=«\\x1B[2J»"},
    };
    for (const Case& c : refused) {
        std::string problem;
        EXPECT_EQ(BattleKeys::Chosen(c.settings, problem), BattleKeys()) << c.problem;
        EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
        EXPECT_NE(problem.find("в бою клавиши как обычно"), std::string::npos) << problem;
    }

    // Fire on F, aim on W and Space: Space moved from fire to aiming up.
    std::string problem;
    const BattleKeys keys = BattleKeys::Chosen({{"key.fire", "F"},
                                                {"key.up", "w"},
                                                {"key.down", "Space"},
                                                {"key.pause", "Left Ctrl"},
                                                {"touch", "no"}},
                                               problem);
    EXPECT_EQ(problem, "");
    EXPECT_EQ(keys.VirtualKey(kF), 32);
    EXPECT_EQ(keys.VirtualKey(kW), 38);
    EXPECT_EQ(keys.VirtualKey(kSpace), 40);
    EXPECT_EQ(keys.VirtualKey(kLeftCtrl), 80);
    // The keys those actions left do nothing now; Esc and the rest stay.
    EXPECT_EQ(keys.VirtualKey(kUp), 0);
    EXPECT_EQ(keys.VirtualKey(kP), 0);
    EXPECT_EQ(keys.VirtualKey(kEsc), 27);
    EXPECT_EQ(keys.VirtualKey(6), 67);  // C
    // A pad's fire button presses the key fire has now.
    EXPECT_EQ(keys.KeyFor(kSpace), kF);
    EXPECT_EQ(keys.KeyFor(kUp), kW);
    EXPECT_EQ(keys.KeyFor(kEsc), kEsc);
    // Without choices, the keys as they always were.
    EXPECT_EQ(BattleKeys().VirtualKey(kSpace), 32);
    EXPECT_EQ(BattleKeys().VirtualKey(kP), 80);
    EXPECT_EQ(BattleKeys().KeyFor(kSpace), kSpace);
}

TEST(TouchOptions, TakeAnOnOffSwitchAndASizeInMillimetres) {
    struct Case {
        std::map<std::string, std::string> settings;
        TouchOptions options;
        const char* problem;
    };
    const Case cases[] = {
        {{}, {true, 10}, ""},
        {{{"touch", "no"}, {"touch.size", "14"}}, {false, 14}, ""},
        {{{"touch", "yes"}, {"touch.size", "9"}}, {true, 9}, ""},
        {{{"touch.size", "30"}}, {true, 30}, ""},
        {{{"touch.size", "8"}},
         {true, 10},
         "touch.size=«8»: не целое число миллиметров от 9 до 30"},
        {{{"touch.size", "12.5"}}, {true, 10}, "touch.size=«12.5»"},
        {{{"touch", "off"}, {"touch.size", "12"}}, {true, 12}, "touch=«off»: не yes и не no"},
    };
    for (const Case& c : cases) {
        std::string problem;
        EXPECT_EQ(TouchOptionsOf(c.settings, problem), c.options) << c.problem;
        if (*c.problem)
            EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
        else
            EXPECT_EQ(problem, "");
    }
}

TEST(PlayerChoices, SayEachRefusedPartOnceWithTheFile) {
    Settings s;
    s.byHand = {{"key.fire", "з"}, {"key.up", "Щ"}, {"touch.size", "big"}};
    std::ostringstream warnings;
    const PlayerChoices choices =
        ChoicesOf(s, "/home/игрок/.config/krepogor/settings.ini", warnings);
    EXPECT_EQ(choices.keys, BattleKeys());
    EXPECT_EQ(choices.touch, TouchOptions());
    EXPECT_EQ(warnings.str(),
              "krepogor: файл настроек «/home/игрок/.config/krepogor/settings.ini»: клавиши боя "
              "не приняты (key.fire=«з» и pause (как обычно): одна клавиша на два действия), в бою "
              "клавиши как обычно\n"
              "krepogor: файл настроек «/home/игрок/.config/krepogor/settings.ini»: "
              "touch.size=«big»: не целое число миллиметров от 9 до 30, для кнопок касания "
              "взято обычное\n");
}

}  // namespace
}  // namespace krepogor
