#include "headless/fake/ScriptedDialogs.h"

#include <utility>

namespace krepogor {

ScriptedDialogs::Answer ScriptedDialogs::Next(const std::string& title, bool input,
                                              MsgButtons buttons) {
    if (!answers_.empty() && runWhileOpen)
        for (const std::string& line : std::exchange(answers_.front().whileOpen, {}))
            runWhileOpen(line);
    int64_t ms = answers_.empty() ? 0 : std::exchange(answers_.front().openMs, 0);
    if (ms == 0) ms = std::exchange(openMs_, 0);
    if (ms > 0 && waitWhileOpen) waitWhileOpen(ms);
    if (answers_.empty() && answerWhenNone) return answerWhenNone(input, buttons);
    if (answers_.empty()) throw UnansweredBox(title);
    Answer a = std::move(answers_.front());
    answers_.pop_front();
    if (a.kind == Answer::Quit) {
        log_.Add({input ? "InputBox" : "MsgBox", title, "quit"});
        if (endWhileOpen) endWhileOpen();
        throw std::runtime_error("the box \"" + title + "\" cannot end the program");
    }
    return a;
}

MsgAnswer ScriptedDialogs::MsgBox(const std::string& text, const std::string& title,
                                  MsgButtons buttons) {
    const Answer a = Next(title, false, buttons);
    MsgAnswer result = MsgAnswer::OK;
    if (buttons == MsgButtons::YesNo) {
        if (a.kind != Answer::Yes && a.kind != Answer::No)
            throw std::runtime_error("the box \"" + title + "\" takes Yes or No");
        result = a.kind == Answer::Yes ? MsgAnswer::Yes : MsgAnswer::No;
    } else if (a.kind != Answer::OK) {
        throw std::runtime_error("the box \"" + title + "\" takes OK");
    }
    const char* said = result == MsgAnswer::Yes ? "Yes" : result == MsgAnswer::No ? "No" : "OK";
    log_.Add({"MsgBox", title, text, said});
    return result;
}

std::string ScriptedDialogs::InputBox(const std::string& prompt, const std::string& title) {
    const Answer a = Next(title, true, MsgButtons::OK);
    std::string result;
    if (a.kind == Answer::Text)
        result = a.text;
    else if (a.kind != Answer::OK && a.kind != Answer::Cancel)
        throw std::runtime_error("the box \"" + title + "\" takes OK, Cancel or text");
    log_.Add({"InputBox", title, prompt, a.kind == Answer::Cancel ? "Cancel" : "OK", result});
    return result;
}

}  // namespace krepogor
