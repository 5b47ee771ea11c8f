#include "frontend/BookUpdate.h"

#include <string>

#include "frontend/BookFile.h"
#include "frontend/BookMessages.h"
#include "frontend/BookName.h"
#include "frontend/BookRecord.h"
#include "state/Game.h"

namespace krepogor {

namespace {

constexpr const char* kNameTitle = "Запись в книгу чемпионов";
constexpr const char* kAnonymous = "Анонимщик";

// The first row the score beats (a score equal to a row's ranks below it), or 0.
int16_t RankOf(const Game& g, int16_t score) {
    for (int16_t r = 1; r <= 5; ++r)
        if (score > g.st.RecScore(r)) return r;
    return 0;
}

// Puts the winner into row RecIdx, the rows below moving down by one.
void Enter(Game& g, int16_t score, const std::string& name) {
    auto& st = g.st;
    for (int j = 5; j > st.RecIdx; --j) {
        st.RecScore(j) = st.RecScore(j - 1);
        st.RecName(j) = st.RecName(j - 1);
    }
    st.RecScore(st.RecIdx) = score;
    st.RecName(st.RecIdx) = name;
}

// The box stands over the bare, silent field.
void ClearTheField(Game& g) {
    for (int i = 0; i <= 3; ++i) g.MMControlSound(i).Command("Stop");
    if (g.view) {
        g.view->Clear();
        g.view->Refresh();
    }
}

}  // namespace

BookOutcome BookUpdate(Game& g, IFileCalls& files) {
    auto& st = g.st;
    std::string error;
    const BookRead read = ReadAllRows(g, files, &error);
    if (read == BookRead::Unreadable || read == BookRead::NotABook) {
        ClearTheField(g);
        if (read == BookRead::NotABook)
            TellNotABook(g, error);
        else
            TellBookUnreadable(g, error, true);
        return BookOutcome::Unreadable;
    }

    const auto readNames = st.RecName;
    const auto readScores = st.RecScore;
    const int16_t score = ClampScore(st.FinalScore);
    st.RecIdx = RankOf(g, score);
    if (st.RecIdx == 0) return BookOutcome::NotRanked;

    ClearTheField(g);
    if (!g.sys.bookNotKept.empty()) {
        TellBookNotKept(g);
        return BookOutcome::NotKept;
    }
    st.PlayerName =
        g.sys.dialogs.InputBox("Вы победили всех врагов и набрали " +
                                   std::to_string(st.FinalScore) + " очков! Введите свое имя:",
                               kNameTitle);
    // The name as the book keeps it, in the box or typed by any other means.
    st.PlayerName = KeptName(st.PlayerName);
    const std::string name = st.PlayerName.empty() ? kAnonymous : st.PlayerName;

    // Another copy of the game may have entered its own winner meanwhile: the
    // row goes into the book as it stands now.
    const int16_t askedFor = st.RecIdx;
    const auto change = [&](Game& game) {
        game.st.RecIdx = RankOf(game, score);
        if (game.st.RecIdx == 0) return false;
        Enter(game, score, name);
        return true;
    };
    switch (ChangeBook(g, change, error, files)) {
        case BookChange::Written:
            return BookOutcome::Written;
        case BookChange::Unchanged:  // better rows came in meanwhile
            return BookOutcome::NotRanked;
        case BookChange::Unreadable:
            TellBookUnreadable(g, error, true);
            return BookOutcome::Unreadable;
        case BookChange::Failed:
            break;
    }
    // The rows as this victory would have made them stay in memory.
    st.RecName = readNames;
    st.RecScore = readScores;
    st.RecIdx = askedFor;
    Enter(g, score, name);
    TellBookNotSaved(g, error);
    return BookOutcome::WriteFailed;
}

}  // namespace krepogor
