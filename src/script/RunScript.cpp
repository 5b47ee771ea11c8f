#include "script/RunScript.h"

#include <istream>
#include <ostream>
#include <string>

#include "headless/fake/ScriptedDialogs.h"
#include "script/Driver.h"

namespace krepogor {

int RunScript(Driver& driver, std::istream& in, std::ostream& out, std::ostream& err) {
    int lineNo = 0;
    auto fail = [&](const std::exception& e, const char* what, int status) {
        out.flush();
        err << "line " << lineNo << ": " << what << e.what() << "\n";
        return status;
    };
    for (std::string line; std::getline(in, line);) {
        ++lineNo;
        try {
            driver.Run(line);
        } catch (const ScriptError& e) {
            return fail(e, "", 2);
        } catch (const ExpectMismatch& e) {
            return fail(e, "expect: ", 5);
        } catch (const StartupError& e) {
            return fail(e, "the game cannot start: ", 4);
        } catch (const std::runtime_error& e) {
            return fail(e, "", 3);  // a box with no answer, or not the answer it takes
        }
    }
    return 0;
}

}  // namespace krepogor
