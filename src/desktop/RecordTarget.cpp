#include "desktop/RecordTarget.h"

#include <cerrno>

#include "desktop/LastFrame.h"
#include "frontend/PrintableText.h"
#include "frontend/SystemErrorText.h"
#include "replay/RunRecorder.h"

namespace krepogor {
namespace {

// Why the game leaves what stands at a path alone; "" when it may write there.
std::string Refusal(Standing standing, const char* whatOurs) {
    switch (standing) {
        case Standing::Link:
            return "это символическая ссылка, а игра не пишет через ссылки";
        case Standing::NotAFile:
            return "это не обычный файл, а игра пишет только в файлы";
        case Standing::NotOurs:
            return std::string("это не ") + whatOurs + " этой игры, игра его не заменит";
        default:
            return "";
    }
}

}  // namespace

int OpenRecordTarget(IFileCalls& files, const std::string& path, OwnFile& file,
                     std::string& error) {
    std::string why;
    const Standing standing = file.Open(path, IsRecordingHead, why);
    if (standing == Standing::Unknown) {
        error = "не удаётся записать игру в " + QuotedPath(path) + ": " + why;
        return 1;
    }
    if (const std::string refusal = Refusal(standing, "запись"); !refusal.empty()) {
        error = QuotedPath(path) + " — " + refusal + "; назовите другой файл";
        return 2;
    }

    const std::string frame = LastFramePath(path);
    const Standing frameStanding = StandingAt(files, frame, IsLastFrameHead);
    int status = 0;
    if (frameStanding == Standing::Unknown ||
        (frameStanding == Standing::Ours && files.Remove(frame) != 0)) {
        error = "не удаётся сохранить последний кадр в " + QuotedPath(frame) + ": " +
                SystemErrorText(errno);
        status = 1;
    } else {
        const std::string refusal = Refusal(frameStanding, "последний кадр записи");
        if (!refusal.empty())
            error = QuotedPath(frame) + " — " + refusal + "; назовите другой файл записи";
        status = refusal.empty() ? 0 : 2;
    }
    if (status != 0) file.Close();
    return status;
}

std::string SaveLastFrame(IFileCalls& files, const std::string& path, const std::string& png) {
    OwnFile file(files);
    std::string why;
    const Standing standing = file.Open(path, IsLastFrameHead, why);
    if (standing != Standing::Unknown && !file.IsOpen())
        why = Refusal(standing, "последний кадр записи");
    else if (file.IsOpen() && !file.Append(png))
        why = file.Error();
    if (why.empty()) return "";
    return "последний кадр не сохранён в " + QuotedPath(path) + ": " + why;
}

}  // namespace krepogor
