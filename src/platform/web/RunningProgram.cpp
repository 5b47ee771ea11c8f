// A program in the browser, or run by node, is no file of its own (node's
// /proc/self/exe is node itself). Under node it is the script node was
// given; in the page it stands at the top of the page's files, where its data
// lie: gamedata, resources and the fonts.
#include <emscripten.h>

#include <cstdlib>

#include "platform/SystemPlaces.h"

namespace krepogor {
namespace {

// The script's full path under node, or "" in the page (malloc'ed).
EM_JS(char*, NodeScriptPath, (), {
    const script = typeof process == 'object' && process.argv && process.argv[1];
    return script ? stringToNewUTF8(require('path').resolve(script)) : 0;
});

}  // namespace

std::string RunningProgram() {
    char* script = NodeScriptPath();
    if (!script) return "/krepogor";
    const std::string path = script;
    std::free(script);
    return path;
}

}  // namespace krepogor
