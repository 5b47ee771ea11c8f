#include "frontend/FrontEndWiring.h"

#include "frontend/BookUpdate.h"
#include "frontend/MainMenu.h"
#include "frontend/Shutdown.h"
#include "state/Game.h"

namespace krepogor {

void WireFrontEnd(Game& g) {
    g.frontEnd.BookUpdate = [&g] { BookUpdate(g); };
    g.frontEnd.Shutdown = [&g] { Shutdown(g); };
    g.mm_menu().OnStatus = [&g] { mm_menu_StatusUpdate(g); };
    g.about().OnStatus = [&g] { about_StatusUpdate(g); };
}

}  // namespace krepogor
