// The page in Debian's chromium (headless, through playwright-core), served
// from 127.0.0.1: every loop that waits in the game gives the browser its
// turn and comes back. Three runs of the page:
//  - the way in: the main menu, a click on "Новая Игра", the countdown, a
//    shot, Esc and its box answered "Нет", Esc again and "Да", which ends
//    the game;
//  - a recording shown (--play) with the same box held open for its time;
//  - a spoilt picture: the failure box once the main menu shows, closed by
//    Enter.
// A screenshot of each step lands in OUT. Fails on a step that does not
// come and on any error in the console; exits 77 without playwright-core.
//   node tests/web/nested_waits.mjs BUILD OUT
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';

let chromium;
try {
  ({ chromium } = await import('playwright-core'));
} catch {
  console.log('playwright-core is missing (npm ci in the source tree)');
  process.exit(77);
}

const [build, out] = process.argv.slice(2);
fs.mkdirSync(out, { recursive: true });

// The page, with what a run adds to its Module before the game's script.
function page(setup) {
  const html = fs.readFileSync(path.join(build, 'krepogor.html'), 'utf8');
  const script = '<script async type="text/javascript" src="krepogor.js"></script>';
  return html.replace(script, `<script>${setup}</script>\n${script}`);
}
const types = { '.js': 'text/javascript', '.wasm': 'application/wasm' };
let html = '';
const server = http.createServer((req, res) => {
  const name = decodeURIComponent(new URL(req.url, 'http://x').pathname);
  if (name === '/krepogor.html') {
    res.writeHead(200, { 'Content-Type': 'text/html' });
    res.end(html);
    return;
  }
  fs.readFile(path.join(build, name), (err, body) => {
    if (err) {
      res.writeHead(name === '/favicon.ico' ? 204 : 404);  // no icon yet
      res.end();
      return;
    }
    res.writeHead(200, { 'Content-Type': types[path.extname(name)] || 'application/octet-stream' });
    res.end(body);
  });
});
await new Promise((ok) => server.listen(0, '127.0.0.1', ok));
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', headless: true });
let failed = false;

async function run(name, setup, steps) {
  html = page(setup);
  const tab = await browser.newPage({ viewport: { width: 1280, height: 800 } });
  const errors = [];
  tab.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
  tab.on('pageerror', (e) => errors.push(String(e)));
  const canvas = tab.locator('canvas#canvas');
  const size = () => canvas.evaluate((e) => [e.width, e.height]);
  // Waits until the game's window is `width` wide (0 once the game ended),
  // or of a width `width` takes.
  const shows = async (step, width, timeout = 30000) => {
    const fits = typeof width === 'function' ? width : (w) => w === width;
    const start = Date.now();
    while (!fits((await size())[0])) {
      if (Date.now() - start > timeout || errors.length) {
        throw new Error(`${step}: no window ${width} wide (${await size()}); ${errors.slice(0, 3)}`);
      }
      await tab.waitForTimeout(100);
    }
    await tab.screenshot({ path: path.join(out, `${name}-${step}.png`) });
    console.log(`${name}: ${step} after ${Date.now() - start} ms`);
  };
  // A click at a point of the game's window, in its own pixels.
  const click = async (x, y) => {
    const box = await canvas.boundingBox();
    const [w, h] = await size();
    await tab.mouse.click(box.x + (x * box.width) / w, box.y + (y * box.height) / h);
  };
  try {
    await tab.goto(`http://127.0.0.1:${server.address().port}/krepogor.html`);
    await steps({ tab, shows, click });
    if (errors.length) throw new Error(`errors: ${errors.slice(0, 3)}`);
  } catch (e) {
    console.log(`${name}: ${e.message}`);
    failed = true;
  }
  await tab.close();
}

const menu = 659, battle = 926, ended = 0;
await run('way-in', '', async ({ tab, shows, click }) => {
  await shows('menu', menu);
  await click(232 + 68, 136 + 16);  // "Новая Игра"
  await shows('battle', battle);
  await tab.waitForTimeout(5500);  // the countdown
  await tab.keyboard.press('ArrowUp');
  await tab.keyboard.press('Space');
  await tab.waitForTimeout(300);
  await tab.keyboard.press('Escape');  // the exit question: a box with its own loop
  await tab.waitForTimeout(700);
  await tab.screenshot({ path: path.join(out, 'way-in-question.png') });
  await tab.keyboard.press('Escape');  // "Нет"
  await tab.waitForTimeout(700);
  await shows('answered-no', battle);
  await tab.keyboard.press('Escape');
  await tab.waitForTimeout(700);
  await tab.keyboard.press('Enter');  // "Да"
  await shows('ended', ended);
});

const recording = ['seed 1', 'trackends recorded', 'start', 'wait 500', 'click frm_menu lbl_new_game',
  'wait 5500', 'boxtime 1500', 'answer No', 'key vk:27', 'wait 500', 'boxtime 300', 'answer Yes',
  'key vk:27', ''].join('\n');
await run('playback',
  `Module.arguments = ['--play', '/shown.krs'];
   Module.preRun.push(() => FS.writeFile('/shown.krs', ${JSON.stringify(recording)}));`,
  async ({ shows }) => {
    await shows('battle', battle);
    await shows('ended', ended, 20000);
  });

await run('failure', `Module.onRuntimeInitialized = () =>
    FS.writeFile('/resources/ImgMobPic3.png', '\\x89PNG\\r\\n\\x1a\\n');`,
  async ({ tab, shows }) => {
    // The battle's pictures are taken once the main menu shows: one is spoilt.
    await shows('box', (w) => w > 0 && w !== menu && w !== battle);
    await tab.keyboard.press('Enter');
    await shows('ended', ended);
  });

await browser.close();
server.close();
process.exit(failed ? 1 : 0);
