// What the page does around the game (krepogor.html; krepogor.js runs this
// first, in the scope of emscripten's Module and FS): its covers (loading,
// another tab, the failure box, the end), the status line, the full screen,
// the hint that sound waits for the player, the canvas kept at the screen's
// own pixels, and a recording named in the address (?play=NAME[&speed=N])
// shown as krepogor --play shows it. The game's side is in src/**/web/.
(function () {
  'use strict';
  const page = (Module.page = Module.page || {});
  const $ = (id) => document.getElementById(id);
  const canvas = $('canvas');
  Module.canvas = canvas;
  // Opaque, and drawn to the screen without waiting for the page's other
  // layers where the browser can: SDL takes this context.
  canvas.getContext('2d', { alpha: false, desynchronized: true });

  // One of the covers over the canvas, or none.
  page.cover = (name) => {
    for (const id of ['loading', 'waiting', 'failure', 'end']) $(id).hidden = id !== name;
  };

  // A line for the player over the canvas's foot, for a while (longer when
  // something went wrong); "" takes it away.
  let statusTimer = 0;
  page.status = (text, bad = false) => {
    $('status').textContent = text;
    $('status').classList.toggle('bad', bad);
    $('status').hidden = !text;
    clearTimeout(statusTimer);
    if (text) statusTimer = setTimeout(() => ($('status').hidden = true), bad ? 20000 : 8000);
    if (bad) console.warn(text);
  };

  // A button of the page's own: a click does `act`, and the keys stay the game's.
  page.onButton = (id, act) => {
    $(id).addEventListener('mousedown', (e) => e.preventDefault());
    $(id).addEventListener('click', () => {
      act();
      $(id).blur();
    });
  };

  page.failLoading = (error) => {
    page.cover('loading');
    $('loading-text').textContent = `Игра не загрузилась: ${error}. Обновите страницу, чтобы попробовать снова.`;
    console.warn(String(error));
  };

  // The canvas has as many pixels as the screen shows of it: the game draws
  // its letterbox and its labels at the screen's own resolution. The browser
  // tells the exact count where it can (its CSS size times the pixel ratio,
  // rounded, may be a pixel off; a browser emulating a device's pixel ratio
  // tells the CSS size: that is not taken); SDL hears of a change as a
  // resize of the window.
  let exact = null;
  page.canvasPixels = () => {
    const r = canvas.getBoundingClientRect();
    const counted = [Math.round(r.width * devicePixelRatio), Math.round(r.height * devicePixelRatio)];
    const near = exact && Math.abs(exact[0] - counted[0]) <= 1 && Math.abs(exact[1] - counted[1]) <= 1;
    return near ? exact : counted;
  };
  try {
    new ResizeObserver((entries) => {
      const box = entries[0].devicePixelContentBoxSize;
      if (!box) return;
      const pixels = [box[0].inlineSize, box[0].blockSize];
      if (exact && pixels[0] === exact[0] && pixels[1] === exact[1]) return;
      exact = pixels;
      window.dispatchEvent(new Event('resize'));
    }).observe(canvas, { box: 'device-pixel-content-box' });
  } catch (e) {
    // A browser that cannot tell them: the pixels are counted from the CSS size.
  }

  // CSS pixels to a millimetre on the screen: a CSS pixel is 1/96 inch on a
  // desktop, and the system's own 1/160 inch (Android's dp, about Apple's
  // point) where fingers point (a phone, a tablet). Kept up to date here, as
  // the game asks at every picture it draws.
  const coarse = matchMedia('(pointer: coarse)');
  const perMm = () => (page.cssPixelsPerMm = (coarse.matches ? 160 : 96) / 25.4);
  perMm();
  if (coarse.addEventListener) coarse.addEventListener('change', perMm);
  page.canvasCssWidth = 0;
  new ResizeObserver(() => (page.canvasCssWidth = canvas.getBoundingClientRect().width)).observe(canvas);

  // The game waits in the browser's turns for its next timer or the
  // player's next input (src/desktop/sdl/web/SdlEventWait.cpp): these wake it.
  for (const kind of ['keydown', 'keyup', 'mousedown', 'mouseup', 'mousemove', 'wheel', 'touchstart',
    'touchmove', 'touchend', 'touchcancel', 'resize', 'focus', 'blur', 'gamepadconnected'])
    window.addEventListener(kind, () => page.wake && page.wake(), { capture: true, passive: true });

  // The full screen: the browser grants it only inside a click or a key
  // press, so the page's button asks, and F11 and Alt+Enter, the game's keys
  // for it, are answered here, while the key is down.
  const fullscreen = () => {
    if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
    else
      document.documentElement
        .requestFullscreen()
        .catch(() => page.status('Браузер не дал открыть игру во весь экран.', true));
  };
  if (document.fullscreenEnabled) page.onButton('fullscreen', fullscreen);
  else $('fullscreen').hidden = true;
  document.addEventListener('fullscreenchange', () => {
    $('fullscreen').textContent = document.fullscreenElement ? 'Выйти из полноэкранного режима' : 'Во весь экран';
  });
  window.addEventListener(
    'keydown',
    (e) => {
      if (e.repeat || !document.fullscreenEnabled) return;
      if (e.code === 'F11' || (e.altKey && e.code === 'Enter')) {
        e.preventDefault();
        e.stopImmediatePropagation();
        fullscreen();
      }
    },
    true,
  );

  // The browser lets sound play only after the first click, key or touch.
  function watchSound() {
    const context = Module.SDL2 && Module.SDL2.audioContext;
    if (!context) return;
    const show = () => ($('sound').hidden = context.state !== 'suspended');
    context.addEventListener('statechange', show);
    show();
  }

  // The game shows one of its windows (`name`), its picture at x, y, w, h of
  // the canvas's pixels (called by the game).
  page.shown = '';
  page.gameShows = (name, x, y, w, h) => {
    page.shown = name;
    page.picture = { x, y, w, h };
    if (page.firstShown) return;
    page.firstShown = performance.now();
    requestAnimationFrame(() => (page.firstFrame = performance.now()));
    page.cover(null);
    for (const id of ['export', 'import']) $(id).disabled = false;
    watchSound();
    page.askToKeep();
    canvas.focus();
    page.fetchLate().then(
      () => page.onLateProgress(0),
      (e) => page.status(`Звуки и музыка не загрузились: ${e}.`, true),
    );
  };
  page.onLateProgress = (left) => {
    if (!page.firstShown) return;
    if (left > 0) page.status(`Звуки и музыка загружаются: осталось ${page.megabytes(left)}.`);
    else if (!$('status').hidden && $('status').textContent.startsWith('Звуки и музыка')) page.status('');
  };

  // The failure box, with the game's words; the game waits until the player closes it.
  page.showFailure = (title, text) => {
    $('failure-title').textContent = title;
    $('failure-text').textContent = text;
    page.failureClosed = false;
    page.cover('failure');
    $('failure-ok').focus();
  };
  const closeFailure = () => {
    if ($('failure').hidden) return;
    page.failureClosed = true;
    page.cover(null);
  };
  $('failure-ok').addEventListener('click', closeFailure);
  window.addEventListener(
    'keydown',
    (e) => {
      if ($('failure').hidden || !['Enter', 'Escape', 'Space'].includes(e.code)) return;
      e.preventDefault();
      e.stopImmediatePropagation();
      closeFailure();
    },
    true,
  );

  // The program ended (the exit question's "Да", "Выход", a failed start):
  // once its files are kept, the end page.
  page.ended = null;
  const end = async (status, why) => {
    if (page.ended !== null) return;
    page.ended = status;
    for (const id of ['export', 'import']) $(id).disabled = true;
    if (page.filesKept) await page.filesKept();
    $('end-text').textContent = why || (status === 0 ? 'Игра окончена.' : 'Игра остановилась.');
    page.cover('end');
    $('again').focus();
  };
  // The program waits in the browser's turns (ASYNCIFY): main returns its
  // status at the end of the last of them, not from its first call, whose
  // exit (with no status yet) emscripten then finishes.
  let waited = false;
  Module.onExit = (status) => {
    if (!waited) end(status);
  };
  Module.postRun = (Module.postRun || []).concat(() => {
    if (!Asyncify.currData) return;
    waited = true;
    Asyncify.whenDone().then(end, (e) => end(1, `Игра остановилась из-за внутренней ошибки: ${e}`));
  });
  Module.onAbort = (what) => end(1, `Игра остановилась из-за внутренней ошибки: ${what}`);
  $('again').addEventListener('click', () => location.assign(location.pathname));

  // A recording named in the address, fetched from beside the page.
  const params = new URLSearchParams(location.search);
  const play = params.get('play');
  if (play) {
    const url = new URL(play, location.href);
    const path = `/tmp/${decodeURIComponent(url.pathname.split('/').pop())}`;
    Module.arguments = ['--play', path];
    if (params.get('speed')) Module.arguments.push('--play-speed', params.get('speed'));
    const recording =
      url.origin === location.origin
        ? fetch(url).then((r) => {
            if (!r.ok) throw new Error(`${r.status} ${r.statusText}`);
            return r.arrayBuffer();
          })
        : Promise.reject(new Error('она не с этого сайта'));
    Module.preRun = (Module.preRun || []).concat(() => {
      addRunDependency('recording');
      recording.then(
        (bytes) => {
          FS.writeFile(path, new Uint8Array(bytes));
          removeRunDependency('recording');
        },
        (e) => page.failLoading(`запись «${play}» не загрузилась (${e.message})`),
      );
    });
  }
})();
