#pragma once

namespace krepogor {

// The game's id on the desktop: its desktop entry is ru.krepogor.Krepogor.desktop,
// its icon and metainfo carry the same name, and its window's class is this.
constexpr const char* kAppId = "ru.krepogor.Krepogor";

}  // namespace krepogor
