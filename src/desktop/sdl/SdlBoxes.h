#pragma once

#include <optional>
#include <string>
#include <vector>

#include "desktop/BoxLayout.h"
#include "desktop/LastInput.h"
#include "desktop/ScreenKeyboard.h"
#include "platform/Dialogs.h"

union SDL_Event;

namespace krepogor {

class CloseRequests;
class SdlGamepads;
class SdlScreen;
class TextField;

// What a box needs of the program that opens it: its own work kept going
// while the box waits (timers, ends of tracks), and the window it is drawn over.
class BoxHost {
public:
    virtual ~BoxHost() = default;
    // One pass of the program's work while a box is open.
    virtual void Service() = 0;
    // How long the box may wait for input before the next pass is due.
    virtual int IdleMs() = 0;
    virtual SdlScreen& Screen() = 0;
    virtual SdlGamepads& Pads() = 0;
    // Draws the window under the box, without presenting it.
    virtual void DrawWindow() = 0;
    // The program's close requests, shared by every event loop.
    virtual CloseRequests& Closes() = 0;
    // Notes what gave an event of the player's (the keyboard, the mouse, a
    // finger, a pad), whichever loop reads it, and tells what gave the last.
    virtual void NoteInput(const SDL_Event& e) = 0;
    virtual const LastInput& Input() const = 0;
    // A quit from the desktop session or a signal: shuts the program down
    // (does not return) unless it is already shutting down.
    virtual void EndProgram() = 0;
};

// Modal boxes drawn as panels over the current window. Each runs its own
// event loop until the player answers; the rest of the program's input waits.
// Closing the window answers as Esc does: No, Cancel, or the only OK; a quit
// from the desktop session or a signal ends the program, except that the
// input box first closes as its close box does and leaves the end to its host.
// The input box (the book's name box) has a keyboard on the screen: shown at
// once when the last input was a pad's or a finger's, else by its button, by
// a pad's button or by a tap on the field. Its "Готово" and "Отмена" are the
// box's ОК and Отмена.
class SdlBoxes : public IDialogs {
public:
    explicit SdlBoxes(BoxHost& host) : host_(host) {}

    MsgAnswer MsgBox(const std::string& text, const std::string& title,
                     MsgButtons buttons) override;
    std::string InputBox(const std::string& prompt, const std::string& title) override;

    // A quit came while the input box was open: the host ends the program
    // as soon as the box's caller is done.
    bool QuitAfterBox() const { return quitAfterBox_; }

private:
    // The name box's keyboard on the screen and what is done with it.
    struct NameKeys {
        ScreenKeyboard board;
        bool shown = false;
        std::optional<ScreenKeyboard::Place> down;  // the key the mouse or a finger holds down
        bool showDown = false;                      // the button that shows it, held down
    };

    // Shows the box until a button is pressed; returns its index.
    int Run(const std::string& title, const std::string& text,
            const std::vector<std::string>& buttons, TextField* field);
    void Draw(const BoxLayout& b, const std::string& title, const std::vector<std::string>& buttons,
              const TextField* field, int hot, int pressed, const NameKeys& keys);

    BoxHost& host_;
    bool quitAfterBox_ = false;
};

}  // namespace krepogor
