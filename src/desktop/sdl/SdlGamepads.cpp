#include "desktop/sdl/SdlGamepads.h"

#include <SDL.h>

#include <algorithm>

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
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
            return PadButton::Left;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
            return PadButton::Right;
        case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
            return PadButton::LeftShoulder;
        case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
            return PadButton::RightShoulder;
        default:
            return std::nullopt;
    }
}

int64_t Now() {
    return static_cast<int64_t>(SDL_GetTicks64());
}

// A key event of the pad's: it carries no window, as no keyboard's does.
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

void PushPress(int scancode) {
    PushKey(scancode, true, false);
    PushKey(scancode, false, false);
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
            // Whatever it held is let go; a button half way to a hold does nothing.
            hold_.Cancel();
            while (!down_.empty()) Button(down_.begin()->first, false, where);
            return true;
        }
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            if (const auto b = ButtonOf(e.cbutton.button))
                Button(*b, e.type == SDL_CONTROLLERBUTTONDOWN, where);
            return true;
        case SDL_CONTROLLERAXISMOTION: {
            StickButtons* stick = e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY   ? &stickY_
                                  : e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX ? &stickX_
                                                                              : nullptr;
            if (stick)
                while (const auto change = stick->Move(e.caxis.value))
                    Button(change->button, change->pressed, where);
            return true;
        }
        default:
            return false;
    }
}

void SdlGamepads::Button(PadButton b, bool pressed, PadPlace where) {
    if (!pressed) {
        repeat_.Release(b);
        const auto it = down_.find(b);
        if (it == down_.end()) return;
        const int did = it->second;
        down_.erase(it);
        if (did == kHeld) {
            // Let go before it was a hold: the button's own key.
            if (hold_.Release()) PushPress(KeyOf(holding_, holdingIn_));
        } else if (did > 0) {
            PushKey(did, false, false);
        }
        return;
    }
    if (down_.count(b)) return;
    if (where == PadPlace::NameBox) {
        down_[b] = kTaken;
        presses_.push_back(b);
        repeat_.Press(b, Now());
        return;
    }
    if (PadHeldKey(b, where)) {
        down_[b] = kHeld;
        holding_ = b;
        holdingIn_ = where;
        hold_.Press(Now());
        return;
    }
    const int key = KeyOf(b, where);
    if (key == 0) return;
    down_[b] = key;
    PushKey(key, true, false);
    repeat_.Press(b, Now());
}

void SdlGamepads::Repeat(PadPlace where) {
    const int64_t now = Now();
    if (hold_.Due(now)) PushPress(PadHeldKey(holding_, holdingIn_));
    while (const auto b = repeat_.Due(now)) {
        const auto it = down_.find(*b);
        if (it == down_.end()) return;
        // What it pressed, while it still means that here.
        if (it->second == kTaken) {
            if (where == PadPlace::NameBox) presses_.push_back(*b);
        } else if (KeyOf(*b, where) == it->second) {
            PushKey(it->second, true, true);
        }
    }
}

std::optional<int64_t> SdlGamepads::NextDue() const {
    const auto repeat = repeat_.Next(), hold = hold_.Next();
    if (repeat && hold) return std::min(*repeat, *hold);
    return repeat ? repeat : hold;
}

std::optional<PadButton> SdlGamepads::TakePress() {
    if (presses_.empty()) return std::nullopt;
    const PadButton b = presses_.front();
    presses_.pop_front();
    return b;
}

int SdlGamepads::KeyOf(PadButton b, PadPlace where) const {
    const int key = PadKey(b, where);
    return where == PadPlace::Battle && key && battleKey ? battleKey(key) : key;
}

}  // namespace krepogor
