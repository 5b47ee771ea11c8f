#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "BookTestDir.h"
#include "FaultyFileCalls.h"
#include "frontend/BookFile.h"
#include "frontend/BookUpdate.h"
#include "frontend/BookWindow.h"
#include "headless/Rig.h"

namespace krepogor {

namespace fs = std::filesystem;
using Answer = ScriptedDialogs::Answer;

inline const std::string kSaveFailed = "Не удалось сохранить книгу чемпионов «";
inline const std::string kUnreadable = "Не удалось прочитать книгу чемпионов «";

inline std::string Row(const std::string& name, int score) {
    std::string s = " ";  // appended: GCC 12 at -O3 takes " " + a temporary for an overlap
    s += std::to_string(score);
    return name + std::string(20 - name.size(), ' ') + s + std::string(6 - s.size(), ' ');
}

inline const std::string kOldBook =
    Row("a", 900) + Row("b", 800) + Row("c", 700) + Row("d", 600) + Row("e", 500);

class BookFaults : public BookTestDir {
protected:
    // A won battle with `score` whose winner answers "Ян" (or, with no name
    // given, OK) to the name box, and OK to a message box.
    BookOutcome Victory(IFileCalls& files, int score = 1000, bool named = true) {
        rig.game.st.FinalScore = score;
        rig.dialogs.Queue(named ? Answer{Answer::Text, "Ян"} : Answer{Answer::OK, ""});
        rig.dialogs.Queue({Answer::OK, ""});
        const BookOutcome outcome = BookUpdate(rig.game, files);
        while (rig.dialogs.Pending()) rig.dialogs.MsgBox("", "unused", MsgButtons::OK);
        return outcome;
    }

    // The texts of the message boxes shown since the last call; nameAsked
    // tells whether the name box was among them.
    std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        nameAsked = false;
        for (auto& e : rig.boxes.Take()) {
            if (e[0] == "MsgBox" && e[1] != "unused") texts.push_back(e[2]);
            nameAsked |= e[0] == "InputBox";
        }
        return texts;
    }
    bool nameAsked = false;

    bool StartsWith(const std::vector<std::string>& texts, const std::string& start) {
        return texts.size() == 1 && texts[0].rfind(start, 0) == 0 &&
               texts[0].find(Book().string()) != std::string::npos;
    }

    // Every name in the book's folder.
    std::vector<std::string> Folder() const {
        std::vector<std::string> names;
        for (auto& e : fs::directory_iterator(Tables()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    Rig rig{dir.string()};
};

}  // namespace krepogor
