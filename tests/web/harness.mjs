// The page in Debian's chromium (headless, through playwright-core), served
// from 127.0.0.1: what the page's tests (page_test.mjs) and scripts/measure
// share. A server of the build folder (and of files a test adds beside it),
// which counts what it sends and may send it compressed as a web host does;
// a browser; and each page of the game with the game's own terms: which
// window shows, a click, a key or a finger at a point of that window, its
// canvas's pixels, the end page, errors in the console.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import zlib from 'node:zlib';

// The game's windows, menu bar included, at 1x (desktop/WindowLooks.cpp).
export const windows = {
  frm_menu: [659, 398],
  frm_vustrel: [926, 658],
  FrmRecords: [656, 396],
  FrmRules: [769, 418],
  frm_credits: [659, 351],
  FrmLost: [767, 564],
  FrmWin: [590, 418],
};

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.mjs': 'text/javascript',
  '.wasm': 'application/wasm',
  '.json': 'application/json',
  '.png': 'image/png',
};

// Exits 77 (skipped) where playwright-core is missing (npm ci in the tree),
// or 1 where KREPOGOR_E2E_REQUIRED=1 (scripts/test.sh) makes that a failure.
export async function playwright() {
  try {
    return await import('playwright-core');
  } catch {
    console.log('playwright-core is missing (npm ci in the source tree)');
    process.exit(process.env.KREPOGOR_E2E_REQUIRED === '1' ? 1 : 77);
  }
}

// Serves `build` (and `extra`: name -> bytes) at 127.0.0.1; with `compress`,
// gzip (level 9) as a host's server would, for what compresses. `sent`
// counts the bytes of each path sent since the last reset.
export async function serve(build, extra = {}, compress = false) {
  const sent = {};
  const packed = new Map();
  const server = http.createServer((req, res) => {
    const name = decodeURIComponent(new URL(req.url, 'http://x').pathname);
    const send = (status, body, type) => {
      const headers = { 'Content-Type': type, 'Cache-Control': 'no-store' };
      if (compress && body.length > 256 && /gzip/.test(req.headers['accept-encoding'] || '')) {
        if (!packed.has(name)) packed.set(name, zlib.gzipSync(body, { level: 9 }));
        const gz = packed.get(name);
        if (gz.length < body.length) {
          body = gz;
          headers['Content-Encoding'] = 'gzip';
        }
      }
      headers['Content-Length'] = body.length;
      sent[name] = (sent[name] || 0) + body.length;
      res.writeHead(status, headers);
      res.end(body);
    };
    if (extra[name]) {
      send(200, extra[name], types[path.extname(name)] || 'application/octet-stream');
      return;
    }
    const file = path.join(build, path.normalize(name));
    if (!file.startsWith(build)) {
      send(403, Buffer.alloc(0), 'text/plain');
      return;
    }
    fs.readFile(file, (err, body) => {
      if (err) send(404, Buffer.alloc(0), 'text/plain');
      else send(200, body, types[path.extname(name)] || 'application/octet-stream');
    });
  });
  await new Promise((ok) => server.listen(0, '127.0.0.1', ok));
  return {
    url: `http://127.0.0.1:${server.address().port}`,
    sent,
    reset: () => Object.keys(sent).forEach((k) => delete sent[k]),
    close: () => new Promise((ok) => server.close(ok)),
  };
}

export async function launch() {
  const { chromium } = await playwright();
  return chromium.launch({ executablePath: '/usr/bin/chromium', headless: true });
}

const sleep = (ms) => new Promise((ok) => setTimeout(ok, ms));

// One tab of the game.
export class GamePage {
  // Opens `address` (beside the server's root) in `context`, screenshots to
  // `out` named `name`-STEP.png.
  static async open(context, server, address, out, name) {
    const tab = await context.newPage();
    const page = new GamePage(tab, server, out, name);
    await tab.goto(`${server.url}/${address}`);
    return page;
  }

  constructor(tab, server, out, name) {
    this.tab = tab;
    this.server = server;
    this.out = out;
    this.name = name;
    this.errors = [];
    this.lines = [];
    tab.on('console', (m) => {
      this.lines.push(m.text());
      if (m.type() === 'error') this.errors.push(m.text());
    });
    tab.on('pageerror', (e) => this.errors.push(String(e.stack || e)));
  }

  async state() {
    return this.tab.evaluate(() => {
      const p = window.Module && Module.page;
      const cover = ['loading', 'waiting', 'failure', 'end'].find((id) => !document.getElementById(id).hidden);
      return {
        shown: p ? p.shown : '',
        picture: p && p.picture,
        ended: p ? p.ended : null,
        cover: cover || '',
        canvas: [Module.canvas.width, Module.canvas.height],
      };
    });
  }

  // Waits until `done(state)`; fails with what was seen after `ms` or at an error.
  async until(what, done, ms = 30000) {
    const start = Date.now();
    let seen;
    for (;;) {
      seen = await this.state();
      if (done(seen)) return seen;
      if (this.errors.length) throw new Error(`${what}: ${this.errors.slice(0, 3).join('; ')}`);
      if (Date.now() - start > ms) throw new Error(`${what}: not after ${ms} ms (${JSON.stringify(seen)})`);
      await sleep(100);
    }
  }

  // Waits until the game shows the window `name`, and takes a screenshot.
  async shows(name, step, ms) {
    const s = await this.until(`${step}: ${name}`, (s) => s.shown === name && s.picture && !s.cover, ms);
    await this.shot(step);
    return s;
  }

  async ended(step, ms) {
    const s = await this.until(`${step}: the end page`, (s) => s.ended !== null && s.cover === 'end', ms);
    await this.shot(step);
    return s.ended;
  }

  async shot(step) {
    await this.tab.screenshot({ path: path.join(this.out, `${this.name}-${step}.png`) });
  }

  // A point of the shown window, in its own pixels, in the page's CSS pixels.
  async at(x, y) {
    const { shown, picture } = await this.state();
    const [w] = windows[shown];
    const box = await this.tab.locator('canvas').boundingBox();
    const ratio = (await this.tab.evaluate(() => Module.canvas.width)) / box.width;
    const factor = picture.w / w;
    return [box.x + (picture.x + (x + 0.5) * factor) / ratio, box.y + (picture.y + (y + 0.5) * factor) / ratio];
  }

  async click(x, y) {
    const [px, py] = await this.at(x, y);
    await this.tab.mouse.click(px, py);
  }

  async keys(...names) {
    for (const k of names) {
      await this.tab.keyboard.press(k);
      await sleep(120);
    }
  }

  // A finger down and up at a point of the canvas in its own pixels (the
  // touch buttons stand in the black bars, outside the game's window).
  async touch(kind, x, y) {
    if (!this.cdp) this.cdp = await this.tab.context().newCDPSession(this.tab);
    const box = await this.tab.locator('canvas').boundingBox();
    const ratio = (await this.tab.evaluate(() => Module.canvas.width)) / box.width;
    const points = kind === 'touchEnd' ? [] : [{ x: box.x + x / ratio, y: box.y + y / ratio, id: 1 }];
    await this.cdp.send('Input.dispatchTouchEvent', { type: kind, touchPoints: points });
  }

  async tapCanvas(x, y, holdMs = 60) {
    await this.touch('touchStart', x, y);
    await sleep(holdMs);
    await this.touch('touchEnd');
    await sleep(150);
  }

  // A finger on a point of the shown window, in its own pixels.
  async tap(x, y, holdMs) {
    const { shown, picture } = await this.state();
    const factor = picture.w / windows[shown][0];
    await this.tapCanvas(picture.x + (x + 0.5) * factor, picture.y + (y + 0.5) * factor, holdMs);
  }

  // The canvas's pixels: { width, height, data } (RGBA).
  async pixels() {
    const { width, height, b64 } = await this.tab.evaluate(() => {
      const c = Module.canvas;
      const data = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
      let s = '';
      for (let i = 0; i < data.length; i += 0x8000) s += String.fromCharCode.apply(null, data.subarray(i, i + 0x8000));
      return { width: c.width, height: c.height, b64: btoa(s) };
    });
    return { width, height, data: Buffer.from(b64, 'base64') };
  }

  async close() {
    await this.tab.close();
  }
}

// Runs each of `runs` ([name, act]) in turn (those named in `only`, when
// it names any), printing ok or what failed; returns whether all passed.
export async function each(only, runs) {
  let passed = true;
  for (const [name, act] of runs) {
    if (only.length && !only.includes(name)) continue;
    const start = Date.now();
    try {
      const said = await act();
      console.log(`ok   ${name} (${Date.now() - start} ms)${said ? `: ${said}` : ''}`);
    } catch (e) {
      console.log(`FAIL ${name}: ${e.stack || e}`);
      passed = false;
    }
  }
  return passed;
}
