#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "headless/fake/EventLog.h"
#include "platform/Dialogs.h"

namespace krepogor {

// A box was shown and no answer was waiting for it.
struct UnansweredBox : std::runtime_error {
    explicit UnansweredBox(const std::string& title)
        : std::runtime_error("no answer for the box \"" + title + "\""), Title(title) {}
    std::string Title;
};

// Answers modal boxes from a queue of answers given in advance and logs every
// box with its answer.
class ScriptedDialogs : public IDialogs {
public:
    struct Answer {
        enum Kind { OK, Yes, No, Cancel, Text, Quit } kind;
        std::string text;
        int64_t openMs = 0;  // how long its box stays open (OpenFor before Queue)
        std::vector<std::string> whileOpen = {};  // what happens while it is open
    };

    explicit ScriptedDialogs(EventLog& log) : log_(log) {}
    void Queue(Answer a) {
        if (a.openMs == 0) a.openMs = std::exchange(openMs_, 0);
        a.whileOpen = std::exchange(whileOpen_, {});
        answers_.push_back(std::move(a));
    }
    // A script line the next queued answer's box runs as soon as it opens,
    // before its time (OpenFor) passes: what a recording saw happen meanwhile.
    void WhileOpen(std::string line) { whileOpen_.push_back(std::move(line)); }
    std::function<void(const std::string&)> runWhileOpen;
    // The next box stays open this long before it takes its answer; meanwhile
    // `waitWhileOpen` runs the program's timers, as a box's own loop does.
    // Given before an answer is queued, the time belongs to that answer's box,
    // so that the boxes of one command each keep their own time.
    void OpenFor(int64_t ms) { openMs_ = ms; }
    std::function<void(int64_t)> waitWhileOpen;
    // Ends the program while a box is open (the answer Quit: a signal or the
    // desktop session ended it there); does not return.
    std::function<void()> endWhileOpen;
    // Answers a box when no answer is queued (a player at random); without it
    // such a box throws UnansweredBox. Told whether the box asks for text and,
    // if not, which buttons it has.
    std::function<Answer(bool input, MsgButtons buttons)> answerWhenNone;
    size_t Pending() const { return answers_.size(); }

    MsgAnswer MsgBox(const std::string& text, const std::string& title,
                     MsgButtons buttons) override;
    std::string InputBox(const std::string& prompt, const std::string& title) override;

private:
    Answer Next(const std::string& title, bool input, MsgButtons buttons);
    EventLog& log_;
    std::deque<Answer> answers_;
    int64_t openMs_ = 0;
    std::vector<std::string> whileOpen_;
};

}  // namespace krepogor
