#include "replay/StateValues.h"

#include <set>

#include "replay/BufferNames.h"
#include "replay/Json.h"
#include "replay/StateFields.h"
#include "state/Game.h"

namespace krepogor {

std::string CompactJson(const std::string& json) {
    std::string out;
    bool inString = false;
    for (size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (inString && c == '\\' && i + 1 < json.size()) {
            out += c;
            out += json[++i];
        } else if (c == '"') {
            inString = !inString;
            out += c;
        } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            if (inString) out += "\\u0020";
        } else {
            out += c;
        }
    }
    return out;
}

std::vector<StateValue> StateValues(Game& g) {
    std::vector<StateValue> values;
    for (const StateField& f : StateFields(g)) values.push_back({f.name, CompactJson(f.json())});
    values.push_back({"visible", CompactJson(JsonString(g.windows.Visible()))});
    for (const auto& [name, buffer] : NamedBuffers(g.buf))
        values.push_back(
            {name, buffer->Held() ? CompactJson(JsonString(buffer->Held()->Name)) : "null"});
    return values;
}

std::string ExpectLine(Game& g) {
    std::string line = "expect";
    for (const StateValue& v : StateValues(g)) line += " " + v.name + "=" + v.word;
    return line;
}

std::string CheckpointLine(Game& g) {
    static const std::set<std::string> names = {"Life",      "ModPoints", "Kills",   "Level",
                                                "ShotCount", "GunAngle",  "Count5",  "MobLive",
                                                "MobX",      "KernelFly", "KernelX", "visible"};
    std::string line = "expect";
    for (const StateValue& v : StateValues(g))
        if (names.contains(v.name)) line += " " + v.name + "=" + v.word;
    return line;
}

}  // namespace krepogor
