#include "frontend/BookUpdate.h"

#include <iostream>
#include <string>

#include "frontend/BookFile.h"
#include "frontend/BookRecord.h"
#include "state/Game.h"

namespace krepogor {

namespace {

constexpr const char* kNameTitle = "Запись в книгу чемпионов";
constexpr const char* kAnonymous = "Анонимщик";

}  // namespace

BookOutcome BookUpdate(Game& g) {
    auto& st = g.st;
    ReadAllRows(g);

    // A score equal to a row's ranks below it.
    const int16_t score = ClampScore(st.FinalScore);
    st.RecIdx = 0;
    for (int16_t r = 1; r <= 5; ++r) {
        if (score > st.RecScore(r)) {
            st.RecIdx = r;
            break;
        }
    }
    if (st.RecIdx == 0) return BookOutcome::NotRanked;

    for (int j = 5; j > st.RecIdx; --j) {
        st.RecScore(j) = st.RecScore(j - 1);
        st.RecName(j) = st.RecName(j - 1);
    }

    // The question stands over the bare, silent field.
    for (int i = 0; i <= 3; ++i) g.MMControlSound(i).Command("Stop");
    // The question stands over the bare field: clear it and show that at once.
    if (g.view) {
        g.view->Clear();
        g.view->Refresh();
    }

    st.PlayerName =
        g.sys.dialogs.InputBox("Вы победили всех врагов и набрали " +
                                   std::to_string(st.FinalScore) + " очков! Введите свое имя:",
                               kNameTitle);

    st.RecScore(st.RecIdx) = score;
    st.RecName(st.RecIdx) = st.PlayerName.empty() ? kAnonymous : st.PlayerName;

    std::string error;
    if (!WriteAllRows(g, &error)) {
        std::cerr << "krepogor: the champions' book was not saved: " << error << '\n';
        return BookOutcome::WriteFailed;
    }
    return BookOutcome::Written;
}

}  // namespace krepogor
