#pragma once

#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

#include "headless/Rig.h"
#include "render/SceneView.h"
#include "script/Autopilot.h"

namespace krepogor {

// A script line the driver cannot read.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The program could not start (a picture missing or of the wrong size).
struct StartupError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// An `expect` line found the game in another state.
struct ExpectMismatch : std::runtime_error {
    ExpectMismatch(const std::string& name, const std::string& expected, const std::string& actual)
        : std::runtime_error(name + " is " + actual + ", the script expects " + expected) {}
};

// Runs the program headless, one script command at a time, on the virtual
// clock, with recording devices and scripted boxes; prints to `out`.
class Driver {
public:
    // Pictures come from `resourcesDir` and the application directory.
    Driver(const std::string& appDir, const std::string& resourcesDir, std::ostream& out);

    // Runs one line. Throws ScriptError for a malformed line, UnansweredBox
    // when a box finds no answer waiting and StartupError when `start` cannot
    // load the pictures, ExpectMismatch when an `expect` finds another
    // value. Returns false once the program has ended: the rest of the script
    // is not run, but for its `expect` lines.
    bool Run(const std::string& line);

    Rig& rig() { return rig_; }

private:
    void Command(const std::vector<std::string>& w, const std::string& rest);
    void Start();
    void AutopilotSwitch(const std::string& onOff);
    void Key(const std::string& name);
    void Click(const std::vector<std::string>& w, bool hover);
    void Close(const std::string& form);
    void Menu(const std::string& item);
    void Answer(const std::string& rest);
    void Set(const std::vector<std::string>& w, const std::string& rest);
    void Expect(const std::vector<std::string>& w);
    void TrackEnds(const std::string& how);
    void TrackEnd(const std::string& device);
    void Quit();
    void Png(const std::string& form, const std::string& file);
    void PrintState();
    // Only the named variables, buffers or "visible", on one line.
    void PrintSome(const std::vector<std::string>& names);
    void PrintTimers();
    void PrintDevices();
    void PrintBoxes();
    void RequireStarted() const;

    Rig rig_;
    SceneView scene_;
    Autopilot autopilot_;
    std::string resourcesDir_;
    std::ostream& out_;
    bool started_ = false;
    bool ended_ = false;
};

}  // namespace krepogor
