#include "replay/RecordingPlayer.h"

#include <charconv>
#include <set>
#include <sstream>
#include <stdexcept>

#include "frontend/BattleMenu.h"
#include "frontend/CloseBox.h"
#include "frontend/Shutdown.h"
#include "replay/Controls.h"
#include "replay/KeyNames.h"
#include "state/Game.h"
#include "state/ProgramEnded.h"

namespace krepogor {
namespace {

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> w;
    for (std::string s; in >> s;) w.push_back(s);
    return w;
}

bool Number(const std::string& text, int64_t& v) {
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, v);
    return r.ec == std::errc() && r.ptr == end && v >= 0;
}

}  // namespace

std::optional<Recording> ReadRecording(std::istream& in, std::string& error) {
    Recording r;
    static const std::set<std::string> known = {
        "seed",  "trackends", "start", "wait",  "step",    "key",    "click",    "hover",
        "close", "menu",      "quit",  "inbox", "boxtime", "answer", "trackend", "expect"};
    int number = 0;
    for (std::string text; std::getline(in, text);) {
        ++number;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        const bool typed = text.rfind("answer text:", 0) == 0;
        const auto words = Words(typed ? text : text.substr(0, text.find('#')));
        if (words.empty()) continue;
        int64_t n = 0;
        const bool timed =
            words[0] == "wait" || words[0] == "step" || words[0] == "boxtime" || words[0] == "seed";
        if (!known.contains(words[0]) || (timed && (words.size() != 2 || !Number(words[1], n)))) {
            error = "строка " + std::to_string(number) + " не из записи: «" + text + "»";
            return std::nullopt;
        }
        if (words[0] == "seed") r.seed = static_cast<uint64_t>(n);
        const size_t rest = text.find_first_not_of(' ', words[0].size());
        r.lines.push_back({words, rest == std::string::npos ? "" : text.substr(rest)});
    }
    return r;
}

void RecordingPlayer::RunUntil(int64_t ms) {
    while (playing_ && next_ < lines_.size()) {
        const Line& line = lines_[next_];
        const std::string& c = line.words[0];
        if (c == "wait" || c == "step") {
            int64_t d = 0;
            Number(line.words[1], d);
            if (clock_ + d > ms) {
                // A wait may be taken in parts; a step fires once, whole.
                if (c == "wait" && ms > clock_) {
                    hooks_.advance(ms - clock_, false);
                    lines_[next_].words[1] = std::to_string(clock_ + d - ms);
                    clock_ = ms;
                }
                return;
            }
        }
        ++next_;
        Run(line);
    }
}

void RecordingPlayer::Run(const Line& line) {
    const auto& w = line.words;
    const std::string& c = w[0];
    Game& g = game_;
    if (c == "inbox") {
        box_.whileOpen.push_back({{w.begin() + 1, w.end()}, ""});
    } else if (c == "boxtime") {
        Number(w[1], box_.ms);
    } else if (c == "answer") {
        box_.answer = line.text;
        boxes_.push_back(std::move(box_));
        box_ = {};
    } else if (c == "wait" || c == "step") {
        int64_t d = 0;
        Number(w[1], d);
        clock_ += d;
        hooks_.advance(d, c == "step");
    } else if (c == "trackend" && w.size() == 2) {
        hooks_.trackEnd(w[1]);
    } else if (c == "key" && w.size() == 2) {
        const auto code = KeyCode(w[1]);
        if (code && g.windows.IsVisible("frm_vustrel")) BattleWindow_Key(g, *code);
    } else if ((c == "click" || c == "hover") && (w.size() == 3 || w.size() == 4)) {
        int64_t i = 0;
        const std::optional<int> index = w.size() == 4 && Number(w[3], i)
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
    }
    // seed, trackends and start were the program's own start; expect is the driver's.
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
