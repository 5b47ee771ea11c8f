// krepogor: the game in a desktop window.
#include "desktop/main/GameStart.h"

int main(int argc, char** argv) {
    return krepogor::RunGameFromCommandLine(argc, argv);
}
