// The stopwatch of scripts/measure: starts a program on $DISPLAY and prints
// "PID MS", the milliseconds from its start until the first picture is drawn
// into its window, then waits for the program to end. The display server
// tells it (the DAMAGE extension reports drawing into a window it watches,
// and a window is watched from the moment it is created), so it asks nothing
// over and over and takes no processor time from the program it times.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "%s: no display with the DAMAGE extension\n", argv[0]);
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0) return 2;
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    while (true) {
        XEvent e;
        XNextEvent(display, &e);
        if (e.type == CreateNotify)
            XDamageCreate(display, e.xcreatewindow.window, XDamageReportNonEmpty);
        if (e.type == damageEvent + XDamageNotify) break;
    }
    const auto ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
    std::printf("%d %.0f\n", static_cast<int>(pid), ms.count());
    std::fflush(stdout);
    XCloseDisplay(display);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
