#!/usr/bin/env python3
"""A battle of more than a minute played on the real krepogor under Xvfb with
xdotool and recorded with --record: aiming, firing and buying by keys, the
pause and its box, the rules by F1 closed by their close box, the exit
question answered No, the music switched off by the menu bar and on by F3, a
new battle from the menu bar, and the end by Esc and "Да". The recording then
replays in krepogor-script to status 0, and the same recording with one wait
20 ms longer fails with status 5 naming the line of the first difference. The
driver's last frame equals the one the desktop saved beside the recording.
Shown with --play at four times its pace, the recording ends the program by
itself; a key taken during the show leaves the battle to the player. Then
what cannot be kept is told on standard error and for a few seconds in the
window: a kept runs' folder that is no folder, a recording whose file cannot
grow (it keeps its whole lines and replays), and that recording shown to
where it was cut, after which a key takes the battle over.

Usage: replay_e2e.py --game PATH --driver PATH --out DIR
Exits 0 when every step passed, 1 on a failure, 77 (skipped) when no X server
can start here, unless KREPOGOR_E2E_REQUIRED=1, which makes that a failure.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_e2e import SKIPPED, Desktop, Failure, Game, start_xvfb  # noqa: E402


class Player(Game):
    """The game started with --record, played by keys and clicks."""

    def __init__(self, desk, game, *args, env=None):
        super().__init__(desk, game, os.path.join(desk.out, "replay-play.log"), args,
                         env={"XDG_DATA_HOME": os.path.join(desk.out, "data"),
                              "XDG_CONFIG_HOME": os.path.join(desk.out, "config"), **(env or {})})
        time.sleep(1)

    def click(self, x, y):
        super().click(x, y)
        time.sleep(0.2)

    def step(self, name):
        self.alive(name)
        print(f"ok   {name}", flush=True)

    def caption(self):
        return self.desk.xdo("getwindowname", self.window)


def gunner(player, seconds):
    """Aims up and down, fires and buys for `seconds`."""
    pattern = ["Up", "space", "Up", "space", "Down", "space", "Down", "Down", "space", "v", "c",
               "space", "Up", "b"]
    end = time.time() + seconds
    i = 0
    while time.time() < end:
        player.key(pattern[i % len(pattern)], pause=0.12)
        i += 1


def play(desk, game, recording):
    player = Player(desk, game, "--record", recording)
    try:
        player.click(232 + 68, 136 + 16)  # "Новая Игра"
        player.step("new-battle")
        time.sleep(5.5)  # the countdown
        started = time.time()
        gunner(player, 15)
        player.key("p")  # the pause and its box
        time.sleep(1.0)
        player.key("Return")
        player.step("pause-and-on")
        gunner(player, 8)
        player.key("F1")
        time.sleep(0.8)
        if player.caption() != "Правила":
            raise Failure(f"rules-by-F1: the caption is {player.caption()!r}")
        desk.close_box(player.window)
        time.sleep(0.8)
        player.step("rules-by-F1-closed-by-close-box")
        gunner(player, 8)
        player.key("Escape")
        time.sleep(0.8)
        player.key("Escape")  # "Нет"
        player.step("exit-question-answered-no")
        gunner(player, 6)
        player.key("F10", "Down", "Return")  # "Игра", "Музыка": off
        player.step("music-off-by-menu-bar")
        gunner(player, 6)
        player.key("F3")  # and on again
        player.step("music-on-by-F3")
        gunner(player, 6)
        player.key("F10", "Return")  # "Игра", "Новая"
        time.sleep(5.5)
        player.step("new-battle-from-menu-bar")
        gunner(player, max(8, 62 - (time.time() - started)))
        player.step(f"battle-of-{time.time() - started:.0f}-s")
        player.key("Escape")
        time.sleep(0.8)
        player.key("Return")  # "Да", the default button
        try:
            status = player.proc.wait(10)
        except subprocess.TimeoutExpired:
            raise Failure("exit-answered-yes: the program did not end")
        if status != 0:
            raise Failure(f"exit-answered-yes: the program ended with status {status}")
        print("ok   exit-answered-yes: the program ended with status 0", flush=True)
    finally:
        player.stop()


def watch(desk, game, recording):
    """Shown four times faster, the recording plays to its end by itself."""
    started = time.time()
    viewer = Player(desk, game, "--play", recording, "--play-speed", "4")
    try:
        status = viewer.proc.wait(60)
    except subprocess.TimeoutExpired:
        raise Failure("play: the recording shown did not end within 60 s")
    finally:
        viewer.stop()
    if status != 0:
        raise Failure(f"play: the program ended with status {status}")
    print(f"ok   play: shown at 4x to its end in {time.time() - started:.0f} s", flush=True)

    # A key takes the battle over: the recording's Esc and "Да" never come.
    viewer = Player(desk, game, "--play", recording, "--play-speed", "4")
    try:
        time.sleep(4)
        viewer.key("Up")
        time.sleep(25)
        viewer.step("play-taken-over-by-a-key")
        viewer.key("Escape")
        time.sleep(0.8)
        viewer.key("Return")
        try:
            status = viewer.proc.wait(10)
        except subprocess.TimeoutExpired:
            raise Failure("play-taken-over: Esc and Yes did not end the program")
        if status != 0:
            raise Failure(f"play-taken-over: the program ended with status {status}")
        print("ok   play-taken-over: ended by Esc and Yes", flush=True)
    finally:
        viewer.stop()


def notice_band(image, battle):
    """The median brightness where the shell draws its notice: the battle
    window's sky below the upgrades, a screen's foot. The median is the
    shade's, however much of the band the notice's letters fill."""
    w, h = image.size
    top = 124 if battle else h - 26
    band = sorted(image.crop((w // 2 - 100, top, w // 2 + 100, top + 16)).convert("L").getdata())
    return band[len(band) // 2]


def told(player, step, words, battle):
    """The player is told once on standard error, and in the window for a
    few seconds: the notice's band is dark, and light again after it."""
    deadline = time.time() + 20
    while words not in player.output() and time.time() < deadline:
        player.alive(step)
        time.sleep(0.1)
    at, size = player.geometry()
    box = (at[0], at[1], at[0] + size[0], at[1] + size[1])
    shown = notice_band(player.desk.screenshot(step, box), battle)
    time.sleep(7)
    gone = notice_band(player.desk.screenshot(step + "-gone", box), battle)
    lines = [line for line in player.output().splitlines() if words in line]
    if len(lines) != 1 or not shown < 0.6 * gone:
        raise Failure(f"{step}: told {len(lines)} times on standard error, notice band "
                      f"{shown:.0f} then {gone:.0f}" + player.output())
    print(f"ok   {step}: told once, the notice shown (band {shown:.0f}) and gone ({gone:.0f})",
          flush=True)


def notices(desk, game, driver, appdir):
    blocked = os.path.join(desk.out, "data-blocked")
    os.makedirs(os.path.join(blocked, "krepogor"), exist_ok=True)
    with open(os.path.join(blocked, "krepogor", "replays"), "w") as f:
        f.write("not a folder\n")
    player = Player(desk, game, env={"XDG_DATA_HOME": blocked})
    try:
        told(player, "kept-folder-no-folder", "игра не записывается", battle=False)
    finally:
        player.stop()

    # A file that may grow to 4 KB only, as on a full disk.
    cut = os.path.join(desk.out, "replay-cut.krs")
    if os.path.exists(cut):
        os.remove(cut)
    player = Player(desk, "bash", "-c", 'trap "" XFSZ; ulimit -f 4; exec "$0" "$@"', game,
                    "--record", cut)
    try:
        player.click(232 + 68, 136 + 16)  # "Новая Игра"
        time.sleep(5.5)
        gunner(player, 2)
        told(player, "recording-cannot-grow", "остановлена: файл слишком велик", battle=True)
        player.key("Escape")
        time.sleep(0.8)
        player.key("Return")
        if player.proc.wait(10) != 0:
            raise Failure("recording-cannot-grow: the program did not end with status 0")
    finally:
        player.stop()
    with open(cut, "rb") as f:
        kept = f.read()
    status, err = replay(driver, appdir, cut)
    if not kept.endswith(b"\n") or status != 0 or os.path.exists(cut + ".png"):
        raise Failure(f"recording-cannot-grow: {len(kept)} bytes kept, replayed to {status}: {err}")
    print(f"ok   recording-cannot-grow: {len(kept)} bytes of whole lines replay to 0", flush=True)

    viewer = Player(desk, game, "--play", cut)
    try:
        told(viewer, "shown-to-its-cut", "кончилась посреди игры", battle=True)
        viewer.key("Up")
        time.sleep(1)
        viewer.key("Escape")
        time.sleep(0.8)
        viewer.key("Return")
        if viewer.proc.wait(10) != 0:
            raise Failure("shown-to-its-cut: a key, Esc and Yes did not end the program")
        print("ok   shown-to-its-cut: a key took the battle over", flush=True)
    finally:
        viewer.stop()


def replay(driver, appdir, script):
    r = subprocess.run([driver, "--appdir", appdir, script], capture_output=True, timeout=120)
    return r.returncode, r.stderr.decode("utf-8", "replace")


def check_replays(desk, driver, appdir, recording):
    with open(recording, encoding="utf-8") as f:
        lines = f.read().splitlines()
    if not lines or not lines[-1].startswith("expect "):
        raise Failure("recording: it does not end with an expect line")
    for needed in ("boxtime", "answer No", "answer OK", "answer Yes", "menu Music",
                   "key vk:114", "menu NG", "step"):
        if not any(line.startswith(needed) for line in lines):
            raise Failure(f"recording: no line {needed!r}")
    status, err = replay(driver, appdir, recording)
    if status != 0:
        raise Failure(f"replay: status {status}: {err}")
    print(f"ok   replay: {len(lines)} lines replayed to status 0", flush=True)

    # The driver's last frame is the desktop's, pixel for pixel (both written
    # by the same PNG writer, so byte for byte).
    framed = os.path.join(desk.out, "replay-framed.krs")
    last = os.path.join(desk.out, "replay-driver-last.png")
    with open(framed, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + f"\npng frm_vustrel {last}\n")
    status, err = replay(driver, appdir, framed)
    with open(recording + ".png", "rb") as a, open(last, "rb") as b:
        if status != 0 or a.read() != b.read():
            raise Failure(f"last frame: the driver's {last} is not the desktop's "
                          f"{recording}.png (status {status}) {err}")
    print("ok   last frame: the driver's equals the desktop's", flush=True)

    # One wait before a key, 20 ms longer: a tick of the balls' 20 ms timer
    # falls in it, before the key instead of after it. Where a ball is in
    # flight (not just fired) at the checkpoint after the key, that tick has
    # moved it: the checkpoint finds the difference.
    def flying(line):
        fly = re.search(r"KernelFly=\[([^\]]*)\]", line)
        x = re.search(r"KernelX=\[([^\]]*)\]", line)
        return bool(fly and x) and any(
            f == "-1" and at != "60" for f, at in zip(fly.group(1).split(","), x.group(1).split(",")))

    waits = [i for i in range(len(lines) - 2)
             if lines[i].startswith("wait ") and lines[i + 1].startswith("key ")
             and lines[i + 2].startswith("expect ") and flying(lines[i + 2])]
    if not waits:
        raise Failure("changed replay: no key in the recording while a ball flies")
    changed_at = waits[len(waits) // 2]
    changed = list(lines)
    changed[changed_at] = f"wait {int(lines[changed_at].split()[1]) + 20}"
    changed_path = os.path.join(desk.out, "replay-changed.krs")
    with open(changed_path, "w", encoding="utf-8") as f:
        f.write("\n".join(changed) + "\n")
    status, err = replay(driver, appdir, changed_path)
    named = re.match(r"line (\d+): expect: (\S+) is ", err)
    if status != 5 or not named:
        raise Failure(f"changed replay: status {status}, wanted 5 naming a line: {err}")
    # The checkpoint after the changed key's line already shows it.
    if int(named.group(1)) != changed_at + 3:
        raise Failure(f"changed replay: the difference is found on line {named.group(1)}, "
                      f"not right after the changed wait on line {changed_at + 1}")
    print(f"ok   changed wait on line {changed_at + 1}: status 5, {err.strip()[:120]}",
          flush=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--driver", required=True)
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    required = os.environ.get("KREPOGOR_E2E_REQUIRED") == "1"

    def skip(why):
        print(("FAILED: " if required else "skipped: ") + why, flush=True)
        return 1 if required else SKIPPED

    for tool in ("Xvfb", "xdotool"):
        if not shutil.which(tool):
            return skip(f"{tool} is not installed (scripts/install-deps.sh installs it)")
    server = start_xvfb()
    if not server:
        return skip("Xvfb could not start")
    xvfb, display = server
    # Each run starts afresh: what an earlier run left is no file of this one's.
    shutil.rmtree(args.out, ignore_errors=True)
    os.makedirs(args.out)
    desk = Desktop(display, args.out)
    recording = os.path.join(args.out, "replay.krs")
    appdir = os.path.dirname(os.path.abspath(args.game))
    try:
        play(desk, args.game, recording)
        check_replays(desk, args.driver, appdir, recording)
        watch(desk, args.game, recording)
        notices(desk, args.game, args.driver, appdir)
    except Failure as f:
        print(f"FAILED {f}\nthe recording and the program's output: {args.out}", flush=True)
        return 1
    finally:
        xvfb.terminate()
        xvfb.wait()
    print(f"all steps passed; the recording is {recording}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
