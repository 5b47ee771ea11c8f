#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace krepogor {

// One line of a recording: its words, what follows the command word, whole,
// and its number in the file.
struct RecordingLine {
    std::vector<std::string> words;
    std::string text;
    int number = 0;
};

// Reads a recording one line at a time, so that a long one takes no more
// memory than a short one: blank lines and comments are passed over, and a
// line that no recording holds (an unknown command, a time that is no
// number, a line longer than any the recorder writes) stops it.
class RecordingLines {
public:
    explicit RecordingLines(std::istream& in);

    // The next line; nothing at the end, or, with `error` saying which (its
    // number and its text, escaped and cut to a readable length), at a line
    // no recording holds.
    std::optional<RecordingLine> Next(std::string& error);

private:
    std::istream& in_;
    std::vector<char> buffer_;
    int number_ = 0;
};

// A recording to show: its file, open at its start, and the seed its run
// started from.
struct Recording {
    std::shared_ptr<std::istream> file;
    uint64_t seed = 0;
};

// Opens the file `path` and reads it through once before it is shown:
// nothing, with `error` in Russian, when it cannot be read, is a folder or
// anything else but a plain file, holds no line or holds a line no
// recording does.
std::optional<Recording> CheckRecording(const std::string& path, std::string& error);

// A number of milliseconds (or the seed) as a recording writes it.
bool RecordedNumber(const std::string& text, int64_t& v);

}  // namespace krepogor
