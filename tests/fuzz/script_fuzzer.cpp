// Any text as a driver script: it ends with the status of a finished script,
// a malformed line, an unanswered box or an expectation not met, without a
// sanitizer report and within the time budget of its waits.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "FuzzDir.h"
#include "FuzzScript.h"
#include "script/Driver.h"
#include "script/RunScript.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const krepogor::FuzzGameDir scratch("script");
    const std::filesystem::path& dir = scratch.path;
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(krepogor::TameScript(text, (dir / "frame.png").string()));
    std::ostringstream out, err;
    krepogor::Driver driver(dir.string(), KREPOGOR_SOURCE_DIR "/resources", out);
    const int status = krepogor::RunScript(driver, in, out, err);
    if (status != 0 && status != 2 && status != 3 && status != 5) abort();
    return 0;
}
