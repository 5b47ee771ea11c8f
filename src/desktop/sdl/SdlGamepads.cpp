#include "desktop/sdl/SdlGamepads.h"

#include <SDL.h>

namespace krepogor {
namespace {

std::optional<PadButton> ButtonOf(Uint8 b) {
    switch (b) {
        case SDL_CONTROLLER_BUTTON_A:
            return PadButton::South;
        case SDL_CONTROLLER_BUTTON_B:
            return PadButton::East;
        case SDL_CONTROLLER_BUTTON_X:
            return PadButton::West;
        case SDL_CONTROLLER_BUTTON_Y:
            return PadButton::North;
        case SDL_CONTROLLER_BUTTON_BACK:
            return PadButton::Back;
        case SDL_CONTROLLER_BUTTON_START:
            return PadButton::Start;
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
            return PadButton::Up;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
            return PadButton::Down;
        default:
            return std::nullopt;
    }
}

void PushKey(int scancode, bool down, bool repeat) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.timestamp = SDL_GetTicks();
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.repeat = repeat ? 1 : 0;
    e.key.keysym.scancode = static_cast<SDL_Scancode>(scancode);
    e.key.keysym.sym = SDL_GetKeyFromScancode(e.key.keysym.scancode);
    SDL_PushEvent(&e);
}

}  // namespace

SdlGamepads::~SdlGamepads() {
    for (auto& [id, pad] : pads_) SDL_GameControllerClose(pad);
    if (started_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void SdlGamepads::Start() {
    if (started_) return;
    // A system with no joystick support plays on without pads.
    started_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

bool SdlGamepads::Handle(const SDL_Event& e, PadPlace where) {
    switch (e.type) {
        case SDL_CONTROLLERDEVICEADDED:
            if (SDL_GameController* pad = SDL_GameControllerOpen(e.cdevice.which)) {
                const int id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
                if (pads_.count(id))
                    SDL_GameControllerClose(pad);  // told twice
                else
                    pads_[id] = pad;
            }
            return true;
        case SDL_CONTROLLERDEVICEREMOVED: {
            const auto it = pads_.find(e.cdevice.which);
            if (it != pads_.end()) {
                SDL_GameControllerClose(it->second);
                pads_.erase(it);
            }
            // Whatever it held is let go.
            while (!down_.empty()) Button(down_.begin()->first, false, where);
            return true;
        }
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            if (const auto b = ButtonOf(e.cbutton.button))
                Button(*b, e.type == SDL_CONTROLLERBUTTONDOWN, where);
            return true;
        case SDL_CONTROLLERAXISMOTION:
            if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
                while (const auto change = stick_.Move(e.caxis.value))
                    Button(change->button, change->pressed, where);
            return true;
        default:
            return false;
    }
}

void SdlGamepads::Button(PadButton b, bool pressed, PadPlace where) {
    if (!pressed) {
        repeat_.Release(b);
        const auto it = down_.find(b);
        if (it == down_.end()) return;
        PushKey(it->second, false, false);
        down_.erase(it);
        return;
    }
    const int key = KeyOf(b, where);
    if (key == 0 || down_.count(b)) return;
    down_[b] = key;
    PushKey(key, true, false);
    repeat_.Press(b, static_cast<int64_t>(SDL_GetTicks64()));
}

void SdlGamepads::Repeat(PadPlace where) {
    while (const auto b = repeat_.Due(static_cast<int64_t>(SDL_GetTicks64()))) {
        const auto it = down_.find(*b);
        if (it == down_.end()) return;
        // The key it pressed, while it still means that here.
        if (KeyOf(*b, where) == it->second) PushKey(it->second, true, true);
    }
}

int SdlGamepads::KeyOf(PadButton b, PadPlace where) const {
    const int key = PadKey(b, where);
    return where == PadPlace::Battle && key && battleKey ? battleKey(key) : key;
}

}  // namespace krepogor
