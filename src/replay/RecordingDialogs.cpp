#include "replay/RecordingDialogs.h"

#include "state/ProgramEnded.h"

namespace krepogor {

template <typename Ask>
auto RecordingDialogs::Record(Ask ask) {
    recorder_.BoxOpened(clock_.Now());
    try {
        auto [result, said] = ask();
        recorder_.BoxAnswered(clock_.Now(), said);
        return result;
    } catch (const ProgramEnded&) {
        // The program was ended (a signal, the session) while the box was open.
        recorder_.BoxAnswered(clock_.Now(), "quit");
        throw;
    }
}

MsgAnswer RecordingDialogs::MsgBox(const std::string& text, const std::string& title,
                                   MsgButtons buttons) {
    return Record([&] {
        const MsgAnswer a = boxes_.MsgBox(text, title, buttons);
        const char* said = a == MsgAnswer::Yes ? "Yes" : a == MsgAnswer::No ? "No" : "OK";
        return std::pair{a, std::string(said)};
    });
}

std::string RecordingDialogs::InputBox(const std::string& prompt, const std::string& title) {
    return Record([&] {
        std::string name = boxes_.InputBox(prompt, title);
        return std::pair{name, "text:" + name};
    });
}

}  // namespace krepogor
