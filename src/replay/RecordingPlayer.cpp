#include "replay/RecordingPlayer.h"

#include <algorithm>

#include "frontend/BattleMenu.h"
#include "frontend/CloseBox.h"
#include "frontend/PrintableText.h"
#include "frontend/Shutdown.h"
#include "replay/Controls.h"
#include "replay/KeyNames.h"
#include "replay/StateValues.h"
#include "state/Game.h"
#include "state/ProgramEnded.h"

namespace krepogor {
namespace {

// How much of a name or a value a message shows.
constexpr size_t kShownLength = 60;

}  // namespace

void RecordingPlayer::RunUntil(int64_t ms) {
    while (playing_ && !cut_) {
        if (!next_) {
            std::string error;
            next_ = lines_->Next(error);
            if (!next_) {
                cut_ = true;
                if (hooks_.cut) hooks_.cut(error);
                return;
            }
        }
        Line& line = *next_;
        const std::string& c = line.words[0];
        if (c == "wait" || c == "step") {
            int64_t d = 0;
            RecordedNumber(line.words[1], d);
            if (clock_ + d > ms) {
                // A wait may be taken in parts; a step fires once, whole.
                if (c == "wait" && ms > clock_) {
                    hooks_.advance(ms - clock_, false);
                    line.words[1] = std::to_string(clock_ + d - ms);
                    clock_ = ms;
                }
                return;
            }
        }
        const Line now = std::move(line);
        next_.reset();
        Run(now);
    }
}

void RecordingPlayer::Run(const Line& line) {
    const auto& w = line.words;
    const std::string& c = w[0];
    Game& g = game_;
    if (c == "inbox") {
        box_.whileOpen.push_back({{w.begin() + 1, w.end()}, ""});
    } else if (c == "boxtime") {
        RecordedNumber(w[1], box_.ms);
    } else if (c == "answer") {
        box_.answer = line.text;
        boxes_.push_back(std::move(box_));
        box_ = {};
    } else if (c == "wait" || c == "step") {
        int64_t d = 0;
        RecordedNumber(w[1], d);
        clock_ += d;
        hooks_.advance(d, c == "step");
    } else if (c == "trackend" && w.size() == 2) {
        hooks_.trackEnd(w[1]);
    } else if (c == "key" && w.size() == 2) {
        const auto code = KeyCode(w[1]);
        if (code && g.windows.IsVisible("frm_vustrel")) BattleWindow_Key(g, *code);
    } else if ((c == "click" || c == "hover") && (w.size() == 3 || w.size() == 4)) {
        int64_t i = 0;
        const std::optional<int> index = w.size() == 4 && RecordedNumber(w[3], i)
                                             ? std::optional<int>(static_cast<int>(i))
                                             : std::nullopt;
        const auto action = ControlAction(w[1], w[2], index, c == "hover");
        if (action && g.windows.IsVisible(w[1])) action(g);
    } else if (c == "close" && w.size() == 2) {
        if (g.windows.IsVisible(w[1])) CloseRequest(g, w[1]);
    } else if (c == "menu" && w.size() == 2) {
        if (g.windows.IsVisible("frm_vustrel")) BattleMenu_Click(g, w[1]);
    } else if (c == "quit") {
        if (!g.ShuttingDown) Shutdown(g);
    } else if (c == "expect") {
        if (const std::string parted = Parted(line); !parted.empty()) {
            cut_ = true;
            if (hooks_.cut) hooks_.cut(parted);
        }
    }
    // seed, trackends and start were the program's own start.
}

std::string RecordingPlayer::Parted(const Line& line) {
    const std::vector<StateValue> values = StateValues(game_);
    for (size_t i = 1; i < line.words.size(); ++i) {
        const std::string& word = line.words[i];
        const size_t eq = word.find('=');
        const std::string name = word.substr(0, eq);
        const auto v = std::find_if(values.begin(), values.end(),
                                    [&](const StateValue& sv) { return sv.name == name; });
        const std::string expected = eq == std::string::npos ? "" : word.substr(eq + 1);
        if (v != values.end() && v->word == expected) continue;
        const std::string shown = v == values.end() ? "нет такого значения" : v->word;
        return "строка " + std::to_string(line.number) +
               ": игра разошлась с записью: " + PrintableText(name, kShownLength) + " — " +
               PrintableText(shown, kShownLength) + ", а в записи — " +
               PrintableText(expected, kShownLength);
    }
    return "";
}

std::string RecordingPlayer::CheckEnd() {
    if (!playing_ || cut_) return "";
    std::string error;
    while (true) {
        if (!next_) next_ = lines_->Next(error);
        if (!next_) return error;
        const Line line = std::move(*next_);
        next_.reset();
        if (line.words[0] != "expect") continue;
        if (std::string parted = Parted(line); !parted.empty()) return parted;
    }
}

std::string RecordingPlayer::Answer() {
    if (!playing_ || boxes_.empty()) {
        // Taken over, or a box the recording does not answer: the player's.
        playing_ = false;
        return "";
    }
    Box box = std::move(boxes_.front());
    boxes_.pop_front();
    for (const Line& line : box.whileOpen) Run(line);
    clock_ += box.ms;
    hooks_.advance(box.ms, false);
    hooks_.hold(clock_);
    if (box.answer == "quit" && !game_.ShuttingDown) Shutdown(game_);
    return box.answer;
}

MsgAnswer RecordingPlayer::MsgBox(const std::string& text, const std::string& title,
                                  MsgButtons buttons) {
    const std::string a = Answer();
    if (a.empty()) return hooks_.boxes->MsgBox(text, title, buttons);
    return a == "Yes" ? MsgAnswer::Yes : a == "No" ? MsgAnswer::No : MsgAnswer::OK;
}

std::string RecordingPlayer::InputBox(const std::string& prompt, const std::string& title) {
    const std::string a = Answer();
    if (a.rfind("text:", 0) != 0) return hooks_.boxes->InputBox(prompt, title);
    return a.substr(5);
}

}  // namespace krepogor
