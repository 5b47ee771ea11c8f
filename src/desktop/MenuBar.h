#pragma once

#include <functional>
#include <string>
#include <vector>

#include "desktop/KeyRouting.h"
#include "desktop/Rect.h"

namespace krepogor {

struct MenuItem {
    std::string name;     // the game's name of the item ("NG", "Music", ...)
    std::string caption;  // what the player reads
    std::string key;      // its function key, shown at the right
};

struct Menu {
    std::string title;
    std::vector<MenuItem> items;
};

// The battle window's menu bar: two menus with drop-downs, laid out in window
// pixels from the top-left corner, with at most one drop-down open.
class MenuBar {
public:
    static constexpr int ItemHeight = 20;

    // Lays out the titles and drop-downs; `textWidth` measures a caption.
    MenuBar(int width, int height, const std::function<int(const std::string&)>& textWidth);

    const std::vector<Menu>& Menus() const { return menus_; }
    Rect Bar() const { return bar_; }
    Rect TitleRect(int menu) const { return titles_.at(static_cast<size_t>(menu)); }
    Rect DropRect(int menu) const { return drops_.at(static_cast<size_t>(menu)); }
    Rect ItemRect(int menu, int item) const;
    // x of the key column inside a drop-down, from its left edge.
    int KeyColumn(int menu) const { return keyColumns_.at(static_cast<size_t>(menu)); }

    // The open drop-down, or -1.
    int Open() const { return open_; }
    // The item under the mouse in the open drop-down, or -1.
    int Hot() const { return hot_; }
    // Whether the point is on the bar or on the open drop-down: such a point
    // belongs to the menu, not to the window under it.
    bool Covers(int x, int y) const;

    // A click: on a title opens its drop-down (or closes it when it was open);
    // on an item closes the drop-down and returns the item's name; anywhere
    // else closes the drop-down. Returns "" unless an item was chosen.
    std::string Click(int x, int y);
    // The mouse moved: follows the item under it, and while a drop-down is
    // open, moving onto another title opens that one. True when that changed what shows.
    bool Move(int x, int y);
    // Esc or anything that dismisses the drop-down; true when one was open.
    bool Close();
    // The keyboard, as desktop menu bars take it: Toggle (F10) opens the first
    // drop-down with its first item lit, or closes the one open; Left and Right
    // go to the neighbouring drop-down, round the ends; Up and Down move the
    // lit item, round the ends; Choose (Enter) closes the drop-down and returns
    // the lit item's name; Close (Esc) closes it. Returns "" unless an item was chosen.
    std::string Key(MenuKey key);

private:
    int TitleAt(int x, int y) const;
    int ItemAt(int x, int y) const;

    std::vector<Menu> menus_;
    Rect bar_;
    std::vector<Rect> titles_, drops_;
    std::vector<int> keyColumns_;
    int open_ = -1;
    int hot_ = -1;
};

}  // namespace krepogor
