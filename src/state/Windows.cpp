#include "state/Windows.h"

#include <stdexcept>

namespace krepogor {

size_t Windows::IndexOf(const std::string& name) {
    for (size_t i = 0; i < Names.size(); ++i)
        if (name == Names[i]) return i;
    throw std::invalid_argument("no window named " + name);
}

void Windows::Set(const std::string& name, bool shown) {
    shown_[IndexOf(name)] = shown;
    if (OnChange) OnChange(name, shown);
}

bool Windows::IsVisible(const std::string& name) const {
    return shown_[IndexOf(name)];
}

void Windows::Focus(const std::string& name) {
    focused_ = Names[IndexOf(name)];
    if (OnFocus) OnFocus(focused_);
}

std::string Windows::Visible() const {
    for (size_t i = 0; i < Names.size(); ++i)
        if (shown_[i]) return Names[i];
    return "";
}

}  // namespace krepogor
