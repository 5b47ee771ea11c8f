#include "render/PictureHeader.h"

#include <cerrno>
#include <cstdint>

#include "platform/FileCalls.h"

namespace krepogor {
namespace {

// No picture of the game comes near this; a bigger file is not read at all.
constexpr uint64_t kLargestFile = 64 << 20;

uint32_t Big(const std::string& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v = v << 8 | static_cast<uint8_t>(b[at + i]);
    return v;
}

bool Fail(std::string& error, const char* why) {
    error = why;
    return false;
}

bool ParsePng(const std::string& b, PictureHeader& out, std::string& error) {
    size_t at = 8;
    bool first = true;
    while (true) {
        if (b.size() - at < 12) return Fail(error, "файл PNG обрезан");
        const uint32_t length = Big(b, at, 4);
        const std::string type = b.substr(at + 4, 4);
        if (length > b.size() - at - 12) return Fail(error, "файл PNG обрезан");
        if (first) {
            if (type != "IHDR" || length != 13) return Fail(error, "файл PNG без заголовка");
            const uint32_t w = Big(b, at + 8, 4), h = Big(b, at + 12, 4);
            if (w == 0 || h == 0 || w > INT32_MAX || h > INT32_MAX)
                return Fail(error, "в заголовке PNG нет размеров");
            out.width = static_cast<int>(w);
            out.height = static_cast<int>(h);
            first = false;
        }
        at += 12 + length;
        if (type == "IEND") return true;
    }
}

// Why a JPEG of this frame type, sample precision and number of colour
// components is none the decoder turns into true colours: it reads 8-bit
// sequential and progressive pictures in grey or in colour (YCbCr or RGB),
// and would hand four CMYK components over as if they were red, green and
// blue, a colour negative.
const char* UnreadableJpeg(uint8_t marker, char precision, char components) {
    const bool sequentialOrProgressive =
        marker == 0xC0 || marker == 0xC1 || marker == 0xC2 || marker == 0xC9 || marker == 0xCA;
    if (!sequentialOrProgressive)
        return "файл JPEG сжат без потерь или по уровням, а игра читает только обычные JPEG";
    if (precision != 8) return "в файле JPEG не 8 бит на цвет, а игра читает только 8";
    if (components == 4)
        return "файл JPEG в цветах печати (CMYK), а игра читает только цвета экрана (RGB) и "
               "оттенки серого";
    if (components != 1 && components != 3)
        return "в файле JPEG необычное число цветовых составляющих, а игра читает только цвета "
               "экрана (RGB) и оттенки серого";
    return nullptr;
}

bool ParseJpeg(const std::string& b, PictureHeader& out, std::string& error) {
    size_t at = 2;
    bool sized = false;
    while (true) {
        // Markers may be preceded by any number of fill bytes 0xFF.
        if (at >= b.size() || static_cast<uint8_t>(b[at]) != 0xFF)
            return Fail(error, at >= b.size() ? "файл JPEG обрезан" : "файл JPEG испорчен");
        while (at < b.size() && static_cast<uint8_t>(b[at]) == 0xFF) ++at;
        if (at >= b.size()) return Fail(error, "файл JPEG обрезан");
        const uint8_t marker = static_cast<uint8_t>(b[at++]);
        if (marker == 0xD9) {
            if (!sized) return Fail(error, "в файле JPEG нет размеров");
            return true;
        }
        if ((marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) continue;
        if (b.size() - at < 2) return Fail(error, "файл JPEG обрезан");
        const uint32_t length = Big(b, at, 2);
        if (length < 2 || length > b.size() - at) return Fail(error, "файл JPEG обрезан");
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (length < 8) return Fail(error, "файл JPEG испорчен");
            out.height = static_cast<int>(Big(b, at + 3, 2));
            out.width = static_cast<int>(Big(b, at + 5, 2));
            if (out.width == 0 || out.height == 0)
                return Fail(error, "в заголовке JPEG нет размеров");
            if (const char* why = UnreadableJpeg(marker, b[at + 2], b[at + 7]))
                return Fail(error, why);
            sized = true;
        }
        at += length;
        if (marker != 0xDA) continue;
        if (!sized) return Fail(error, "файл JPEG испорчен");
        // The scan's data runs to the next marker that is neither a stuffed
        // 0xFF 0x00 nor a restart marker.
        while (true) {
            if (b.size() - at < 2) return Fail(error, "файл JPEG обрезан");
            if (static_cast<uint8_t>(b[at]) == 0xFF) {
                const uint8_t next = static_cast<uint8_t>(b[at + 1]);
                if (next != 0x00 && next != 0xFF && !(next >= 0xD0 && next <= 0xD7)) break;
            }
            ++at;
        }
    }
}

}  // namespace

bool ParsePictureHeader(const std::string& bytes, PictureHeader& out, std::string& error) {
    if (bytes.size() >= 8 && bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0)
        return ParsePng(bytes, out, error);
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xFF\xD8\xFF") == 0)
        return ParseJpeg(bytes, out, error);
    return Fail(error, bytes.empty() ? "файл пуст" : "это не картинка PNG или JPEG");
}

bool ReadPictureFile(const std::string& path, std::string& bytes, std::string& error) {
    // Only a regular file is read, and nothing waits: a pipe in a picture's
    // place is refused at once.
    IFileCalls& files = SystemFileCalls();
    const int fd = files.OpenToRead(path, true);
    if (fd < 0) return Fail(error, errno == ENOENT ? "файла нет" : "файл не открывается");
    FileInfo info;
    const char* why = nullptr;
    bytes.clear();
    if (files.Info(fd, info) != 0 || !info.regular)
        why = "это не обычный файл";
    else if (info.size > kLargestFile)
        why = "файл слишком велик";
    else {
        bytes.resize(static_cast<size_t>(info.size));
        size_t done = 0;
        while (done < bytes.size()) {
            const long n = files.Read(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            done += static_cast<size_t>(n);
        }
        bytes.resize(done);
    }
    files.Close(fd);
    if (why) return Fail(error, why);
    return true;
}

bool ReadPictureHeader(const std::string& path, PictureHeader& out, std::string& error) {
    std::string bytes;
    return ReadPictureFile(path, bytes, error) && ParsePictureHeader(bytes, out, error);
}

}  // namespace krepogor
