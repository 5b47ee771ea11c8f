#include <gtest/gtest.h>

#include "BookTestDir.h"
#include "frontend/BookFile.h"
#include "frontend/BookRecord.h"
#include "frontend/BookUpdate.h"
#include "headless/Rig.h"
#include "state/NullBattleView.h"

namespace krepogor {
namespace {

using Entries = std::vector<std::vector<std::string>>;
using Answer = ScriptedDialogs::Answer;

const char* const kTitle = "Запись в книгу чемпионов";

// Notes the clearing of the battle window among the device commands, and
// whether the name box had been shown by then.
class LoggingView : public NullBattleView {
public:
    LoggingView(EventLog& log, const ScriptedDialogs& dialogs) : log_(log), dialogs_(dialogs) {}
    void Clear() override {
        NullBattleView::Clear();
        log_.Add({"view", "Clear"});
        answersLeftAtClear = dialogs_.Pending();
    }
    size_t answersLeftAtClear = 0;

private:
    EventLog& log_;
    const ScriptedDialogs& dialogs_;
};

// The rig's record of boxes: their own log where the rig keeps one apart from
// the devices, else the shared one.
template <typename R>
EventLog& BoxLog(R& rig) {
    if constexpr (requires { rig.boxes; }) {
        return rig.boxes;
    } else {
        return rig.log;
    }
}

// The boxes shown since the last call.
template <typename R>
Entries TakeBoxes(R& rig) {
    Entries boxes;
    for (auto& e : BoxLog(rig).Take()) {
        if (!e.empty() && (e[0] == "InputBox" || e[0] == "MsgBox"))
            boxes.push_back(e);
        else
            rig.log.Add(e);
    }
    return boxes;
}

class BookUpdateTest : public BookTestDir {
protected:
    BookUpdateTest() : rig(dir.string()), view(rig.log, rig.dialogs), g(rig.game) {
        g.view = &view;
        TakeBoxes(rig);
        rig.log.Take();
    }

    void PutRows(const std::vector<std::pair<std::string, int>>& rows) {
        for (int r = 1; r <= 5; ++r) {
            g.st.RecName(r) = rows[r - 1].first;
            g.st.RecScore(r) = static_cast<int16_t>(rows[r - 1].second);
        }
        ASSERT_TRUE(WriteAllRows(g));
        rig.log.Take();
    }

    // What a fresh program finds in the book.
    std::vector<std::pair<std::string, int>> StoredRows() {
        Rig other(dir.string());
        ReadAllRows(other.game);
        std::vector<std::pair<std::string, int>> rows;
        for (int r = 1; r <= 5; ++r)
            rows.emplace_back(other.game.st.RecName(r), other.game.st.RecScore(r));
        return rows;
    }

    static std::string Prompt(int64_t score) {
        return "Вы победили всех врагов и набрали " + std::to_string(score) +
               " очков! Введите свое имя:";
    }
    static Entries NameBox(int64_t score, const std::string& said, const std::string& text) {
        return {{"InputBox", kTitle, Prompt(score), said, text}};
    }

    // The question stands over a silent, cleared field.
    void ExpectSilencedAndClearedBeforeTheBox() {
        EXPECT_EQ(rig.log.Take(), (Entries{{"MMControlSound(0)", "Stop"},
                                           {"MMControlSound(1)", "Stop"},
                                           {"MMControlSound(2)", "Stop"},
                                           {"MMControlSound(3)", "Stop"},
                                           {"view", "Clear"}}));
        EXPECT_EQ(view.answersLeftAtClear, 1u);
    }

    Rig rig;
    LoggingView view;
    Game& g;
};

TEST_F(BookUpdateTest, EqualScoreRanksBelowAndTheRestMoveDown) {
    PutRows({{"a", 900}, {"b", 800}, {"c", 800}, {"d", 700}, {"e", 600}});
    g.st.FinalScore = 800;
    rig.dialogs.Queue({Answer::Text, "Ян"});
    EXPECT_EQ(BookUpdate(g), BookOutcome::Written);
    EXPECT_EQ(g.st.RecIdx, 4);
    EXPECT_EQ(TakeBoxes(rig), NameBox(800, "OK", "Ян"));
    ExpectSilencedAndClearedBeforeTheBox();
    EXPECT_EQ(g.st.PlayerName, "Ян");
    using Rows = std::vector<std::pair<std::string, int>>;
    EXPECT_EQ(StoredRows(), (Rows{{"a", 900}, {"b", 800}, {"c", 800}, {"Ян", 800}, {"d", 700}}));
}

TEST_F(BookUpdateTest, ScoreThatReachesNoRowChangesNothing) {
    PutRows({{"a", 900}, {"b", 800}, {"c", 800}, {"d", 700}, {"e", 600}});
    const std::string before = BookBytes();
    const auto mtime = std::filesystem::last_write_time(Book());
    g.st.FinalScore = 600;
    EXPECT_EQ(BookUpdate(g), BookOutcome::NotRanked);
    EXPECT_TRUE(TakeBoxes(rig).empty());
    EXPECT_TRUE(rig.log.Take().empty());  // no stop, no clear
    EXPECT_EQ(view.clears, 0);
    EXPECT_EQ(rig.dialogs.Pending(), 0u);
    EXPECT_EQ(BookBytes(), before);
    EXPECT_EQ(std::filesystem::last_write_time(Book()), mtime);
    EXPECT_EQ(g.st.RecScore(5), 600);  // the rows read are left in memory
}

TEST_F(BookUpdateTest, TopScoreMovesEveryRowDown) {
    PutRows({{"a", 900}, {"b", 800}, {"c", 700}, {"d", 600}, {"e", 500}});
    g.st.FinalScore = 901;
    rig.dialogs.Queue({Answer::Text, "Ждан"});
    EXPECT_EQ(BookUpdate(g), BookOutcome::Written);
    EXPECT_EQ(g.st.RecIdx, 1);
    using Rows = std::vector<std::pair<std::string, int>>;
    EXPECT_EQ(StoredRows(), (Rows{{"Ждан", 901}, {"a", 900}, {"b", 800}, {"c", 700}, {"d", 600}}));
}

TEST_F(BookUpdateTest, EmptyOrCancelledNameIsStoredAsAnonymous) {
    PutRows({{"a", 900}, {"b", 800}, {"c", 700}, {"d", 600}, {"e", 500}});
    g.st.FinalScore = 550;
    rig.dialogs.Queue({Answer::Cancel, ""});
    BookUpdate(g);
    EXPECT_EQ(TakeBoxes(rig), NameBox(550, "Cancel", ""));
    EXPECT_EQ(g.st.PlayerName, "");
    EXPECT_EQ(StoredRows()[4], (std::pair<std::string, int>{"Анонимщик", 550}));

    g.st.FinalScore = 950;
    rig.dialogs.Queue({Answer::OK, ""});
    BookUpdate(g);
    EXPECT_EQ(StoredRows()[0], (std::pair<std::string, int>{"Анонимщик", 950}));
}

TEST_F(BookUpdateTest, FirstVictoryWithoutABookFillsAllFiveRecords) {
    g.st.FinalScore = 1800;
    rig.dialogs.Queue({Answer::Text, "Велесов Ждан"});
    EXPECT_EQ(BookUpdate(g), BookOutcome::Written);
    EXPECT_EQ(g.st.RecIdx, 1);
    const std::string bytes = BookBytes();
    ASSERT_EQ(bytes.size(), 130u);
    EXPECT_EQ(bytes.substr(0, 26), "\xC2\xE5\xEB\xE5\xF1\xEE\xE2 \xC6\xE4\xE0\xED         1800 ");
    for (int r = 1; r < 5; ++r)
        EXPECT_EQ(bytes.substr(r * 26, 26), std::string(20, ' ') + " 0    ");
}

// The name entered is the name the book keeps: characters it cannot hold
// left out, composed letters whole, the first 20 characters.
TEST_F(BookUpdateTest, TheNameIsWhatTheBookKeeps) {
    g.st.FinalScore = 10;
    rig.dialogs.Queue({Answer::Text, "  Ωмега-中 АБВГДЕЖЗИ\u0306КЛМНОПРСТУФ"});
    BookUpdate(g);
    // The two leading spaces count among the 20 characters.
    EXPECT_EQ(g.st.PlayerName, "  мега- АБВГДЕЖЗЙКЛМ");
    EXPECT_EQ(g.st.RecName(1), g.st.PlayerName);
    EXPECT_EQ(StoredRows()[0].first, "мега- АБВГДЕЖЗЙКЛМ");
    EXPECT_EQ(BookBytes().substr(0, 20),
              "  \xEC\xE5\xE3\xE0- \xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC9\xCA\xCB\xCC");

    // Spaces only, or nothing the book can hold, are no name.
    g.st.FinalScore = 20;
    rig.dialogs.Queue({Answer::Text, "   "});
    BookUpdate(g);
    EXPECT_EQ(StoredRows()[0], (std::pair<std::string, int>{"Анонимщик", 20}));
    g.st.FinalScore = 30;
    rig.dialogs.Queue({Answer::Text, " 中😀 "});
    BookUpdate(g);
    EXPECT_EQ(StoredRows()[0], (std::pair<std::string, int>{"Анонимщик", 30}));
}

TEST_F(BookUpdateTest, ScoresBeyondInt16AreClampedButThePromptTellsTheTrueScore) {
    PutRows({{"a", 32767}, {"b", 100}, {"c", 0}, {"d", -5}, {"e", -32768}});
    g.st.FinalScore = 70000;  // no more than row 1's 32767 once clamped
    rig.dialogs.Queue({Answer::Text, "x"});
    BookUpdate(g);
    EXPECT_EQ(g.st.RecIdx, 2);
    EXPECT_EQ(TakeBoxes(rig), NameBox(70000, "OK", "x"));
    EXPECT_EQ(StoredRows()[1], (std::pair<std::string, int>{"x", 32767}));

    g.st.FinalScore = -100000;
    EXPECT_EQ(BookUpdate(g), BookOutcome::NotRanked);  // clamps to -32768, equal to row 5
    EXPECT_EQ(rig.dialogs.Pending(), 0u);
}

TEST_F(BookUpdateTest, WorksWithoutABattleView) {
    g.view = nullptr;
    g.st.FinalScore = 5;
    rig.dialogs.Queue({Answer::Text, "Ян"});
    EXPECT_EQ(BookUpdate(g), BookOutcome::Written);
}

}  // namespace
}  // namespace krepogor
