#include "script/Driver.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <ostream>
#include <sstream>

#include "codec/PngWriter.h"
#include "codec/SdlPictureDecoder.h"
#include "frontend/BattleMenu.h"
#include "frontend/CloseBox.h"
#include "frontend/MainMenu.h"
#include "frontend/Shutdown.h"
#include "render/PictureLoader.h"
#include "replay/BufferNames.h"
#include "replay/Controls.h"
#include "replay/Json.h"
#include "replay/KeyNames.h"
#include "replay/ParseValue.h"
#include "replay/StateFields.h"
#include "replay/StateValues.h"
#include "state/ProgramEnded.h"

namespace krepogor {
namespace {

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string s; in >> s;) w.push_back(s);
    return w;
}

// What follows the first `n` words of a line and the blanks after them, to
// the end of the line (a line end of a Windows file left out).
std::string Rest(const std::string& line, size_t n) {
    size_t pos = 0;
    for (size_t i = 0; i < n; ++i) {
        pos = line.find_first_not_of(" \t", pos);
        pos = line.find_first_of(" \t", pos);
        if (pos == std::string::npos) return "";
    }
    const size_t b = line.find_first_not_of(" \t", pos);
    if (b == std::string::npos) return "";
    std::string rest = line.substr(b);
    if (!rest.empty() && rest.back() == '\r') rest.pop_back();
    return rest;
}

// The same without the blanks that end it.
std::string After(const std::string& line, size_t n) {
    std::string rest = Rest(line, n);
    rest.erase(rest.find_last_not_of(" \t") + 1);
    return rest;
}

int64_t Number(const std::string& text, const char* what) {
    int64_t v = 0;
    const char* end = text.data() + text.size();
    auto r = std::from_chars(text.data(), end, v);
    if (r.ec != std::errc() || r.ptr != end)
        throw ScriptError(std::string("bad ") + what + ": " + text);
    return v;
}

// A time to wait or to keep a box open. Each is at most kLongestMs, and the
// clock never gets within two of them of its end, so that a box held open
// inside a wait cannot run it past its end either.
constexpr int64_t kLongestMs = int64_t{1} << 50;
int64_t Duration(const std::string& text, int64_t now) {
    const int64_t ms = Number(text, "time");
    if (ms < 0) throw ScriptError("time runs forward only");
    if (ms > kLongestMs || now > std::numeric_limits<int64_t>::max() - 2 * kLongestMs)
        throw ScriptError("time beyond the clock's end: " + text);
    return ms;
}

}  // namespace

Driver::Driver(const std::string& appDir, const std::string& resourcesDir, std::ostream& out)
    : rig_(appDir),
      scene_(rig_.game),
      autopilot_(rig_.game, out),
      resourcesDir_(resourcesDir),
      out_(out) {
    rig_.game.view = &scene_;
    rig_.dialogs.endWhileOpen = [this] { Quit(); };
    rig_.dialogs.runWhileOpen = [this](const std::string& line) { Command(Words(line), line); };
}

bool Driver::Run(const std::string& line) {
    // A typed name is taken whole, a '#' in it too.
    const size_t first = line.find_first_not_of(" \t");
    const bool typed = first != std::string::npos && line.compare(first, 12, "answer text:") == 0;
    std::string text = typed ? line : line.substr(0, line.find('#'));
    const auto w = Words(text);
    if (ended_) {
        // The state and the frame the program ended in can still be compared.
        if (!w.empty() && w[0] == "expect") Expect(w);
        if (w.size() == 3 && w[0] == "png") Png(w[1], w[2]);
        return false;
    }
    if (w.empty()) return true;
    try {
        Command(w, text);
    } catch (const ProgramEnded&) {
        ended_ = true;
        PrintBoxes();
        PrintDevices();  // the shutdown's last commands
        out_ << "{\"ended\": true}\n";
        return false;
    }
    PrintBoxes();
    return true;
}

void Driver::Command(const std::vector<std::string>& w, const std::string& line) {
    const std::string& c = w[0];
    auto arity = [&](size_t lo, size_t hi) {
        if (w.size() - 1 < lo || w.size() - 1 > hi)
            throw ScriptError("wrong number of words for " + c);
    };
    if (c == "seed") {
        arity(1, 1);
        const auto seed = static_cast<uint64_t>(Number(w[1], "seed"));
        rig_.random.Seed(seed);
        autopilot_.Seed(seed);
    } else if (c == "rand") {
        if (w.size() < 2) throw ScriptError("rand needs numbers");
        for (size_t i = 1; i < w.size(); ++i) {
            double x = 0;
            if (!ParseValue(w[i], x) || x < 0 || x >= 1)
                throw ScriptError("not in [0, 1): " + w[i]);
            rig_.random.Queue(x);
        }
    } else if (c == "start") {
        arity(0, 0);
        Start();
    } else if (c == "wait") {
        arity(1, 1);
        RequireStarted();
        const int64_t ms = Duration(w[1], rig_.Now());
        rig_.Wait(ms);
    } else if (c == "step") {
        arity(1, 1);
        RequireStarted();
        rig_.Step(Duration(w[1], rig_.Now()));
    } else if (c == "key") {
        arity(1, 1);
        Key(w[1]);
    } else if (c == "click" || c == "hover") {
        arity(2, 3);
        Click(w, c == "hover");
    } else if (c == "close") {
        arity(1, 1);
        Close(w[1]);
    } else if (c == "menu") {
        arity(1, 1);
        Menu(w[1]);
    } else if (c == "boxtime") {
        arity(1, 1);
        const int64_t ms = Duration(w[1], rig_.Now());
        rig_.dialogs.OpenFor(ms);
    } else if (c == "answer") {
        // A typed name keeps its blanks, those at its end too.
        const std::string rest = Rest(line, 1);
        Answer(rest.rfind("text:", 0) == 0 ? rest : After(line, 1));
    } else if (c == "inbox") {
        const auto inner = std::vector<std::string>(w.begin() + 1, w.end());
        const bool known = inner.size() == 2 &&
                           (inner[0] == "wait" || inner[0] == "step" || inner[0] == "trackend");
        if (!known) throw ScriptError("inbox takes wait, step or trackend with its word");
        rig_.dialogs.WhileOpen(After(line, 1));
    } else if (c == "trackends") {
        arity(1, 1);
        TrackEnds(w[1]);
    } else if (c == "trackend") {
        arity(1, 1);
        TrackEnd(w[1]);
    } else if (c == "quit") {
        arity(0, 0);
        Quit();
    } else if (c == "expect") {
        Expect(w);
    } else if (c == "set") {
        Set(w, After(line, 2));
    } else if (c == "state") {
        if (w.size() == 1)
            PrintState();
        else
            PrintSome({w.begin() + 1, w.end()});
    } else if (c == "timers") {
        arity(0, 0);
        PrintTimers();
    } else if (c == "devices") {
        arity(0, 0);
        PrintDevices();
    } else if (c == "autopilot") {
        arity(1, 1);
        AutopilotSwitch(w[1]);
    } else if (c == "png") {
        arity(2, 2);
        Png(w[1], w[2]);
    } else {
        throw ScriptError("unknown command " + c);
    }
}

void Driver::RequireStarted() const {
    if (!started_) throw ScriptError("the program has not started");
}

void Driver::Start() {
    if (started_) throw ScriptError("the program has started already");
    started_ = true;
    SdlPictureDecoder decoder;
    try {
        LoadPictures(rig_.game.pics, decoder, resourcesDir_, rig_.game.sys.appDir);
    } catch (const PictureLoadError& e) {
        throw StartupError(e.what());
    }
    frm_menu_Load(rig_.game);
    // The autopilot plays between one battle tick and the next.
    Timer& tick = rig_.game.frm_vustrel.Tmr_kernel;
    tick.OnTimer = [this, battleTick = tick.OnTimer] {
        battleTick();
        if (autopilot_.IsOn()) autopilot_.AfterTick();
    };
}

void Driver::AutopilotSwitch(const std::string& onOff) {
    if (onOff != "on" && onOff != "off") throw ScriptError("autopilot is on or off, not " + onOff);
    autopilot_.On(onOff == "on");
}

void Driver::Png(const std::string& form, const std::string& file) {
    RequireStarted();
    if (form != "frm_vustrel") throw ScriptError("no picture of window " + form);
    const Canvas& frame = scene_.Frame();
    std::string error;
    if (!SavePng(file, frame.Pixels(), Canvas::Width, Canvas::Height, error))
        throw ScriptError("cannot write " + file + ": " + error);
}

void Driver::Key(const std::string& name) {
    RequireStarted();
    const auto code = KeyCode(name);
    if (!code) throw ScriptError("unknown key " + name);
    // Keys reach the battle window only while it is shown.
    if (rig_.game.windows.IsVisible("frm_vustrel")) BattleWindow_Key(rig_.game, *code);
}

void Driver::Click(const std::vector<std::string>& w, bool hover) {
    RequireStarted();
    const std::string& form = w[1];
    const std::string& control = w[2];
    const std::optional<int> index =
        w.size() > 3 ? std::optional<int>(static_cast<int>(Number(w[3], "index"))) : std::nullopt;
    Game& g = rig_.game;
    const auto action = ControlAction(form, control, index, hover);
    if (!action) throw ScriptError("no control " + form + " " + control);
    // Only a shown window can be clicked.
    if (g.windows.IsVisible(form)) action(g);
}

void Driver::Close(const std::string& form) {
    RequireStarted();
    bool known = false;
    for (const char* name : Windows::Names) known = known || form == name;
    if (!known) throw ScriptError("no window " + form);
    if (rig_.game.windows.IsVisible(form)) CloseRequest(rig_.game, form);
}

void Driver::Menu(const std::string& item) {
    RequireStarted();
    if (!rig_.game.windows.IsVisible("frm_vustrel")) return;
    if (!BattleMenu_Click(rig_.game, item)) throw ScriptError("no menu item " + item);
}

void Driver::Answer(const std::string& rest) {
    using A = ScriptedDialogs::Answer;
    if (rest == "Yes")
        rig_.dialogs.Queue({A::Yes, ""});
    else if (rest == "No")
        rig_.dialogs.Queue({A::No, ""});
    else if (rest == "OK")
        rig_.dialogs.Queue({A::OK, ""});
    else if (rest == "Cancel")
        rig_.dialogs.Queue({A::Cancel, ""});
    else if (rest == "quit")
        rig_.dialogs.Queue({A::Quit, ""});
    else if (rest.rfind("text:", 0) == 0)
        rig_.dialogs.Queue({A::Text, rest.substr(5)});
    else
        throw ScriptError("unknown answer " + rest);
}

void Driver::Set(const std::vector<std::string>& w, const std::string& value) {
    if (w.size() < 3) throw ScriptError("set needs a name and a value");
    std::string name = w[1];
    std::optional<int> index;
    if (const size_t open = name.find('('); open != std::string::npos) {
        if (name.back() != ')') throw ScriptError("bad index in " + name);
        index = static_cast<int>(Number(name.substr(open + 1, name.size() - open - 2), "index"));
        name = name.substr(0, open);
    }
    for (const StateField& f : StateFields(rig_.game)) {
        if (f.name != name) continue;
        if (!f.set(index, value)) throw ScriptError("cannot set " + w[1] + " to " + value);
        return;
    }
    throw ScriptError("no variable " + name);
}

void Driver::Expect(const std::vector<std::string>& w) {
    if (w.size() < 2) throw ScriptError("expect needs NAME=VALUE");
    const auto values = StateValues(rig_.game);
    for (size_t i = 1; i < w.size(); ++i) {
        const size_t eq = w[i].find('=');
        if (eq == std::string::npos) throw ScriptError("expect takes NAME=VALUE, not " + w[i]);
        const std::string name = w[i].substr(0, eq);
        const std::string expected = w[i].substr(eq + 1);
        const auto v = std::find_if(values.begin(), values.end(),
                                    [&](const StateValue& sv) { return sv.name == name; });
        if (v == values.end()) throw ScriptError("no variable or buffer " + name);
        if (v->word != expected) throw ExpectMismatch(name, expected, v->word);
    }
}

void Driver::TrackEnds(const std::string& how) {
    if (how != "clock" && how != "recorded")
        throw ScriptError("tracks end by the clock or as recorded, not " + how);
    rig_.media.EndsByClock(how == "clock");
}

void Driver::TrackEnd(const std::string& device) {
    RequireStarted();
    if (!rig_.media.EndTrack(device)) throw ScriptError("no device " + device);
}

void Driver::Quit() {
    RequireStarted();
    if (!rig_.game.ShuttingDown) Shutdown(rig_.game);
}

void Driver::PrintState() {
    Game& g = rig_.game;
    out_ << "{\n";
    for (const StateField& f : StateFields(g))
        out_ << "  " << JsonString(f.name) << ": " << f.json() << ",\n";
    out_ << "  \"visible\": " << JsonString(g.windows.Visible()) << ",\n";
    out_ << "  \"buffers\": {";
    bool first = true;
    for (const auto& [name, buffer] : NamedBuffers(g.buf)) {
        out_ << (first ? "\n    " : ",\n    ") << JsonString(name) << ": "
             << (buffer->Held() ? JsonString(buffer->Held()->Name) : "null");
        first = false;
    }
    out_ << "\n  }\n}\n";
}

void Driver::PrintSome(const std::vector<std::string>& names) {
    Game& g = rig_.game;
    const auto fields = StateFields(g);
    const auto buffers = NamedBuffers(g.buf);
    // The line is printed whole or, when a name is unknown, not at all.
    std::ostringstream line;
    line << "{";
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string& name = names[i];
        std::string value;
        for (const StateField& f : fields)
            if (f.name == name) value = f.json();
        for (const auto& [bufferName, buffer] : buffers)
            if (bufferName == name)
                value = buffer->Held() ? JsonString(buffer->Held()->Name) : "null";
        if (name == "visible") value = JsonString(g.windows.Visible());
        if (name == "focused") value = JsonString(g.windows.Focused());
        if (value.empty()) throw ScriptError("no variable or buffer " + name);
        line << (i ? ", " : "") << JsonString(name) << ": " << value;
    }
    out_ << line.str() << "}\n";
}

void Driver::PrintTimers() {
    const BattleForm& f = rig_.game.frm_vustrel;
    out_ << "{\"Tmr_kernel\": " << JsonValue(f.Tmr_kernel.Enabled())
         << ", \"Tmr_mob\": " << JsonValue(f.Tmr_mob.Enabled())
         << ", \"TmrBum\": " << JsonValue(f.TmrBum.Enabled())
         << ", \"TmrMob5\": " << JsonValue(f.TmrMob5.Enabled())
         << ", \"TmrFazaMob4\": " << JsonValue(f.TmrFazaMob4.Enabled())
         << ", \"tmr_fc\": " << JsonValue(f.tmr_fc.Enabled()) << "}\n";
}

void Driver::PrintDevices() {
    out_ << "{\"devices\": [";
    bool first = true;
    for (const auto& entry : rig_.log.Take()) {
        out_ << (first ? "" : ", ") << "[";
        for (size_t i = 0; i < entry.size(); ++i) out_ << (i ? ", " : "") << JsonString(entry[i]);
        out_ << "]";
        first = false;
    }
    out_ << "]}\n";
}

void Driver::PrintBoxes() {
    for (const auto& box : rig_.boxes.Take()) {
        out_ << "{\"box\": [";
        for (size_t i = 0; i < box.size(); ++i) out_ << (i ? ", " : "") << JsonString(box[i]);
        out_ << "]}\n";
    }
}

}  // namespace krepogor
