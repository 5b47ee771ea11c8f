#include "desktop/MenuBar.h"

#include <algorithm>

namespace krepogor {
namespace {

constexpr int kTitlePad = 8;      // each side of a title
constexpr int kCheckColumn = 22;  // left of an item's caption, room for its check mark
constexpr int kKeyGap = 28;       // between the longest caption and the key column
constexpr int kRightPad = 14;

std::vector<Menu> BattleMenus() {
    return {
        {"Игра",
         {{"NG", "Новая", "F2"},
          {"Music", "Музыка", "F3"},
          {"Sound", "Звуки", "F4"},
          {"Records", "Рекорды", "F5"},
          {"Pouse", "Пауза", "F6"},
          {"Exiting", "Выйти", "F8"}}},
        {"О программе", {{"Rules", "Правила игры", "F1"}, {"Cast", "Разработчики", "F7"}}},
    };
}

}  // namespace

MenuBar::MenuBar(int width, int height, const std::function<int(const std::string&)>& textWidth)
    : menus_(BattleMenus()), bar_{0, 0, width, height} {
    int x = 2;
    for (const Menu& menu : menus_) {
        const Rect title{x, 1, textWidth(menu.title) + 2 * kTitlePad, height - 2};
        titles_.push_back(title);
        int captionW = 0, keyW = 0;
        for (const MenuItem& item : menu.items) {
            captionW = std::max(captionW, textWidth(item.caption));
            keyW = std::max(keyW, textWidth(item.key));
        }
        const int keyColumn = kCheckColumn + captionW + kKeyGap;
        keyColumns_.push_back(keyColumn);
        const int w = keyColumn + keyW + kRightPad;
        drops_.push_back(
            {title.x, height, w, static_cast<int>(menu.items.size()) * ItemHeight + 6});
        x += title.w;
    }
}

Rect MenuBar::ItemRect(int menu, int item) const {
    const Rect d = DropRect(menu);
    return {d.x + 3, d.y + 3 + item * ItemHeight, d.w - 6, ItemHeight};
}

int MenuBar::TitleAt(int x, int y) const {
    for (size_t i = 0; i < titles_.size(); ++i)
        if (titles_[i].Contains(x, y)) return static_cast<int>(i);
    return -1;
}

int MenuBar::ItemAt(int x, int y) const {
    if (open_ < 0) return -1;
    const int count = static_cast<int>(menus_[static_cast<size_t>(open_)].items.size());
    for (int i = 0; i < count; ++i)
        if (ItemRect(open_, i).Contains(x, y)) return i;
    return -1;
}

bool MenuBar::Covers(int x, int y) const {
    return bar_.Contains(x, y) || (open_ >= 0 && DropRect(open_).Contains(x, y));
}

std::string MenuBar::Click(int x, int y) {
    const int title = TitleAt(x, y);
    if (title >= 0) {
        open_ = open_ == title ? -1 : title;
        hot_ = -1;
        return "";
    }
    const int item = ItemAt(x, y);
    std::string chosen;
    if (item >= 0)
        chosen = menus_[static_cast<size_t>(open_)].items[static_cast<size_t>(item)].name;
    // A click on the drop-down's frame, between items, keeps it open.
    if (item < 0 && open_ >= 0 && DropRect(open_).Contains(x, y)) return "";
    Close();
    return chosen;
}

bool MenuBar::Move(int x, int y) {
    const int before = open_ * 100 + hot_;
    if (open_ >= 0) {
        const int title = TitleAt(x, y);
        if (title >= 0 && title != open_) open_ = title;
        hot_ = ItemAt(x, y);
    }
    return open_ * 100 + hot_ != before;
}

std::string MenuBar::Key(MenuKey key) {
    if (open_ < 0) {
        if (key == MenuKey::Toggle) {
            open_ = 0;
            hot_ = 0;
        }
        return "";
    }
    const int menus = static_cast<int>(menus_.size());
    const int items = static_cast<int>(menus_[static_cast<size_t>(open_)].items.size());
    std::string chosen;
    switch (key) {
        case MenuKey::Left:
        case MenuKey::Right:
            open_ = (open_ + (key == MenuKey::Right ? 1 : menus - 1)) % menus;
            hot_ = 0;
            break;
        case MenuKey::Down:
            hot_ = (hot_ + 1) % items;
            break;
        case MenuKey::Up:
            hot_ = hot_ <= 0 ? items - 1 : hot_ - 1;
            break;
        case MenuKey::Choose:
            if (hot_ < 0) break;
            chosen = menus_[static_cast<size_t>(open_)].items[static_cast<size_t>(hot_)].name;
            Close();
            break;
        case MenuKey::Toggle:
        case MenuKey::Close:
            Close();
            break;
    }
    return chosen;
}

bool MenuBar::Close() {
    const bool was = open_ >= 0;
    open_ = -1;
    hot_ = -1;
    return was;
}

}  // namespace krepogor
