#include "desktop/PlayerChoices.h"

#include <ostream>

#include "frontend/PrintableText.h"

namespace krepogor {

PlayerChoices ChoicesOf(const Settings& s, const std::string& path, std::ostream& warnings) {
    PlayerChoices choices;
    std::string keys, touch;
    choices.keys = BattleKeys::Chosen(s.byHand, keys);
    choices.touch = TouchOptionsOf(s.byHand, touch);
    for (const std::string& problem : {keys, touch})
        if (!problem.empty())
            warnings << "krepogor: файл настроек " << QuotedPath(path) << ": " << problem << "\n";
    return choices;
}

}  // namespace krepogor
