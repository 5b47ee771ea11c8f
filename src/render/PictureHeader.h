#pragma once

#include <string>

namespace krepogor {

// A picture file's size as its header gives it, read without decoding a
// single pixel. The whole file is walked: a PNG must hold its chunks whole up
// to IEND, a JPEG its segments and scan data up to the end-of-image marker,
// so that a truncated file is found here rather than decoded as grey.
struct PictureHeader {
    int width = 0;
    int height = 0;
};

// The whole of a picture file, read at once; false, with the reason in
// Russian in `error`, when it is missing, unreadable, not a regular file or
// far too big for a picture of ours.
bool ReadPictureFile(const std::string& path, std::string& bytes, std::string& error);

// False, with the reason in Russian in `error`, when the file is missing,
// unreadable, truncated, neither PNG nor JPEG, or claims no size.
bool ReadPictureHeader(const std::string& path, PictureHeader& out, std::string& error);

// The size of a picture held in memory, as ReadPictureHeader reads a file.
bool ParsePictureHeader(const std::string& bytes, PictureHeader& out, std::string& error);

}  // namespace krepogor
