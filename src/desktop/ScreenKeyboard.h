#pragma once

#include <optional>
#include <string>
#include <vector>

#include "desktop/Rect.h"

namespace krepogor {

// The name box's keyboard on the screen, for a player with a pad or a
// touchscreen and no keyboard. Its pages (Cyrillic capitals and small
// letters as the ЙЦУКЕН keyboard has them, Latin ones as QWERTY, the signs
// of the book's code page and its other Cyrillic letters) share one frame:
// a row of tabs, one for each page, four rows of characters, and a row with
// space, erase, "Готово" and "Отмена". One key is lit: the pad moves the
// light and presses it; a tap presses the key under it.
class ScreenKeyboard {
public:
    enum class Kind { Char, Page, Space, Erase, Done, Cancel };
    struct Key {
        Kind kind;
        std::string label;  // what it shows; for a character key, what it types
        int span;           // its width, in tenths of a letter key
        int page = 0;       // the page a tab shows
    };
    // What a press asks of the name box.
    struct Action {
        enum class What { None, Type, Erase, Done, Cancel };
        What what = What::None;
        std::string text;  // what Type types
        bool operator==(const Action&) const = default;
    };
    enum class Step { Up, Down, Left, Right };
    struct Place {
        int row = 0, column = 0;
        bool operator==(const Place&) const = default;
    };

    static constexpr int kRows = 6;
    // Letter keys across the frame.
    static constexpr int kColumns = 13;
    // The size it takes, in window pixels, when there is room.
    static constexpr int kWidth = 840;
    static constexpr int kHeight = 313;

    ScreenKeyboard();

    int Pages() const { return static_cast<int>(pages_.size()); }
    int Page() const { return page_; }
    // The rows of the page shown, the tabs first.
    const std::vector<std::vector<Key>>& Rows() const { return pages_[static_cast<size_t>(page_)]; }
    const Key& KeyAt(Place p) const;

    Place Lit() const { return lit_; }
    // Moves the light to the neighbouring key: along its row, or to the key
    // of the row above or below that stands nearest under it; round the
    // ends.
    void Move(Step step);
    // Shows the next (1) or the previous (-1) page, round the ends; the light
    // stays in its row.
    void Turn(int by);
    // Presses the lit key: a tab shows its page, the others ask the box.
    Action Press();
    // Lights the key at `p` and presses it.
    Action Tap(Place p);

    // Where key `p` stands when the keyboard fills `area` (window pixels).
    Rect KeyRect(const Rect& area, Place p) const;
    // The key under a point of the window, if any.
    std::optional<Place> KeyUnder(const Rect& area, int x, int y) const;

private:
    void Show(int page);

    std::vector<std::vector<std::vector<Key>>> pages_;
    int page_ = 0;
    Place lit_;
};

}  // namespace krepogor
