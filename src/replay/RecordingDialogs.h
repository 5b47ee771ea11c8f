#pragma once

#include "platform/Dialogs.h"
#include "platform/Timer.h"
#include "replay/RunRecorder.h"

namespace krepogor {

// The program's boxes, each written to the recording with how long it stayed
// open on the timer clock and the answer it took.
class RecordingDialogs : public IDialogs {
public:
    RecordingDialogs(IDialogs& boxes, const TimerQueue& clock, RunRecorder& recorder)
        : boxes_(boxes), clock_(clock), recorder_(recorder) {}

    MsgAnswer MsgBox(const std::string& text, const std::string& title,
                     MsgButtons buttons) override;
    std::string InputBox(const std::string& prompt, const std::string& title) override;

private:
    // Runs the box `ask`, which returns its answer as the script writes it.
    template <typename Ask>
    auto Record(Ask ask);

    IDialogs& boxes_;
    const TimerQueue& clock_;
    RunRecorder& recorder_;
};

}  // namespace krepogor
