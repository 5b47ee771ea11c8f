// Whatever a script does, the driver's output is JSON a reader can parse, and
// a line it refuses prints nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <sstream>

#include "script/Driver.h"
#include "script/Json.h"
#include "script/ScratchGameDir.h"

namespace krepogor {
namespace {

namespace fs = std::filesystem;

const fs::path Root = KREPOGOR_SOURCE_DIR;

class DriverOutput : public ::testing::Test {
protected:
    DriverOutput() { EXPECT_TRUE(d.Run("start")); }
    ~DriverOutput() override { fs::remove_all(dir); }

    // What the line printed; ScriptError when it is malformed.
    std::string Printed(const std::string& line) {
        out.str("");
        d.Run(line);
        return out.str();
    }

    fs::path dir = ScratchGameDir(Root, "driver-output");
    std::ostringstream out;
    Driver d{dir.string(), (Root / "resources").string(), out};
};

TEST_F(DriverOutput, NumbersThatAreNotFiniteAreMalformed) {
    for (const char* value : {"inf", "-inf", "nan", "infinity", "1e999"}) {
        SCOPED_TRACE(value);
        EXPECT_THROW(d.Run(std::string("set KernelSpeed ") + value), ScriptError);
        EXPECT_THROW(d.Run(std::string("set KernelX(1) ") + value), ScriptError);
        EXPECT_THROW(d.Run(std::string("rand ") + value), ScriptError);
    }
    EXPECT_EQ(Printed("state KernelSpeed"), "{\"KernelSpeed\": 0}\n");
    EXPECT_THROW(d.Run("set KernelSpeed 1e300"), ScriptError);  // past a float
    EXPECT_NO_THROW(d.Run("set KernelSpeed 1e30"));
    // Should a value ever leave the numbers, JSON has no word for it but null.
    EXPECT_EQ(JsonValue(std::numeric_limits<double>::infinity()), "null");
    EXPECT_EQ(JsonValue(std::numeric_limits<float>::quiet_NaN()), "null");
}

TEST_F(DriverOutput, AnUnknownNameIsFoundBeforeAnythingIsPrinted) {
    out.str("");
    EXPECT_THROW(d.Run("state Level Foo"), ScriptError);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(Printed("state Level visible"), "{\"Level\": 0, \"visible\": \"frm_menu\"}\n");
}

TEST_F(DriverOutput, StringsAreEscapedAndBytesThatAreNoUtf8Replaced) {
    EXPECT_EQ(JsonString("a\"\\\n\x7F"), "\"a\\\"\\\\\\u000a\x7F\"");
    EXPECT_EQ(JsonString("Ян \xFF\xD0 中😀"), "\"Ян \uFFFD\uFFFD 中😀\"");
    d.Run("set PlayerName \xC0\xAFЖ");
    EXPECT_EQ(Printed("state PlayerName"), "{\"PlayerName\": \"\uFFFD\uFFFDЖ\"}\n");
}

TEST_F(DriverOutput, ATypedAnswerKeepsItsBlanks) {
    d.Run("answer text:  Ян  \r");
    d.Run("answer text:   ");
    d.Run("answer   OK   ");
    EXPECT_EQ(d.rig().dialogs.InputBox("", ""), "  Ян  ");
    EXPECT_EQ(d.rig().dialogs.InputBox("", ""), "   ");
    EXPECT_EQ(d.rig().dialogs.InputBox("", ""), "");
}

}  // namespace
}  // namespace krepogor
