#pragma once

#include <string>

#include "render/PictureHeader.h"

namespace krepogor {

// Starts SDL's video on a real display. When the user named no driver in
// SDL_VIDEODRIVER, only drivers that show a window to a person are tried, so
// that the program never runs invisibly on an offscreen or dummy one. False,
// with the reasons in `error`, when none starts.
bool StartVideo(std::string& error);

// Says why the program cannot go on: on standard error always, and in a box
// (its lines wrapped to fit a 1024 x 768 screen) when a display a person sees
// is up.
void ReportFailure(const std::string& text);

// Throws ResourceError, in Russian, unless the picture file is whole and no
// bigger than a screen, judged from its header before anything is decoded.
void RequireFitPicture(const std::string& path);

// What the player reads of a picture the program cannot use.
std::string PictureRefusal(const std::string& path, const std::string& why);

// Whether a picture of the header's size is one the game could show.
bool FitsOnScreen(const PictureHeader& header);

}  // namespace krepogor
