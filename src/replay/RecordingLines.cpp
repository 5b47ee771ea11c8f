#include "replay/RecordingLines.h"

#include <cerrno>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <limits>
#include <set>
#include <sstream>

#include "frontend/PrintableText.h"
#include "frontend/SystemErrorText.h"
#include "platform/Utf8Path.h"

namespace krepogor {
namespace {

// Many times the longest line the recorder writes (the state at the end,
// some 4 KB).
constexpr size_t kLongestLine = 64 * 1024;

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> w;
    for (std::string s; in >> s;) w.push_back(s);
    return w;
}

}  // namespace

bool RecordedNumber(const std::string& text, int64_t& v) {
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, v);
    return r.ec == std::errc() && r.ptr == end && v >= 0;
}

RecordingLines::RecordingLines(std::istream& in) : in_(in), buffer_(kLongestLine + 1) {}

std::optional<RecordingLine> RecordingLines::Next(std::string& error) {
    static const std::set<std::string> known = {
        "seed",  "trackends", "start", "wait",  "step",    "key",    "click",    "hover",
        "close", "menu",      "quit",  "inbox", "boxtime", "answer", "trackend", "expect"};
    while (true) {
        in_.getline(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        const auto got = static_cast<size_t>(in_.gcount());
        if (got == 0 && (in_.eof() || in_.fail())) return std::nullopt;
        const bool tooLong = in_.fail() && !in_.eof();
        // The newline, when one ended the line, is counted but not kept.
        std::string text(buffer_.data(), tooLong || in_.eof() ? got : got - 1);
        ++number_;
        if (tooLong) {
            // The rest of the line is passed over, not kept.
            in_.clear();
            in_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
        }
        if (!text.empty() && text.back() == '\r') text.pop_back();
        const bool typed = text.rfind("answer text:", 0) == 0;
        const auto words = Words(typed ? text : text.substr(0, text.find('#')));
        if (words.empty() && !tooLong) continue;
        int64_t n = 0;
        const bool timed = !words.empty() && (words[0] == "wait" || words[0] == "step" ||
                                              words[0] == "boxtime" || words[0] == "seed");
        if (tooLong || !known.contains(words[0]) ||
            (timed && (words.size() != 2 || !RecordedNumber(words[1], n)))) {
            error = "строка " + std::to_string(number_) + " не из записи: «" + PrintableText(text) +
                    "»";
            return std::nullopt;
        }
        const size_t rest = text.find_first_not_of(' ', words[0].size());
        return RecordingLine{words, rest == std::string::npos ? "" : text.substr(rest), number_};
    }
}

std::optional<Recording> CheckRecording(const std::string& path, std::string& error) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::status(PathOf(path), ec);
    if (ec) {
        error = "не удаётся прочитать файл: " + SystemErrorText(ec);
        return std::nullopt;
    }
    // Nothing that could keep the game waiting (a pipe) or never end (a device).
    if (!fs::is_regular_file(status)) {
        error = fs::is_directory(status) ? "это папка, а не файл записи" : "это не обычный файл";
        return std::nullopt;
    }
    errno = 0;
    auto file = std::make_shared<std::ifstream>(PathOf(path), std::ios::binary);
    if (!*file) {
        error = "не удаётся прочитать файл: " + SystemErrorText(errno ? errno : EIO);
        return std::nullopt;
    }
    Recording r{file, 0};
    RecordingLines lines(*file);
    bool any = false;
    while (const auto line = lines.Next(error)) {
        any = true;
        int64_t seed = 0;
        if (line->words[0] == "seed" && RecordedNumber(line->words[1], seed))
            r.seed = static_cast<uint64_t>(seed);
    }
    if (!error.empty()) return std::nullopt;
    if (!any) {
        error = "в файле нет ни одной строки записи";
        return std::nullopt;
    }
    // Shown from the same file, read again from its start.
    file->clear();
    if (!file->seekg(0)) {
        error = "не удаётся прочитать файл: " + SystemErrorText(EIO);
        return std::nullopt;
    }
    return r;
}

}  // namespace krepogor
