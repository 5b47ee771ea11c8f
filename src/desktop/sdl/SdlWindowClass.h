#pragma once

namespace krepogor {

// The window's class on X11 and its application id on Wayland: the desktop
// entry's id, so that docks and task bars group the window with its launcher.
// Called before the video starts; a class the player set in the environment
// stays.
void NameWindowClass();

}  // namespace krepogor
