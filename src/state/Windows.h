#pragma once

#include <array>
#include <functional>
#include <string>

namespace krepogor {

// Which of the program's windows are shown. Windows are made once and then
// only shown and hidden; at most one is visible at a time.
class Windows {
public:
    static constexpr std::array<const char*, 7> Names = {
        "frm_menu", "frm_vustrel", "FrmRecords", "FrmRules", "frm_credits", "FrmLost", "FrmWin"};

    void Show(const std::string& name) { Set(name, true); }
    void Hide(const std::string& name) { Set(name, false); }
    bool IsVisible(const std::string& name) const;
    // The name of the visible window, or "" when none is.
    std::string Visible() const;
    // Gives a window the keyboard focus.
    void Focus(const std::string& name);
    const std::string& Focused() const { return focused_; }

    // Called after a window is shown or hidden, or given the focus, for the
    // desktop layer to follow.
    std::function<void(const std::string&, bool)> OnChange;
    std::function<void(const std::string&)> OnFocus;

private:
    void Set(const std::string& name, bool shown);
    static size_t IndexOf(const std::string& name);
    std::array<bool, Names.size()> shown_{};
    std::string focused_;
};

}  // namespace krepogor
