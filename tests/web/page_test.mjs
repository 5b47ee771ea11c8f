// The page as a player meets it, in Debian's chromium (harness.mjs):
//   menu-1x      no console error, the title and the icon; the main menu at
//                1x, its canvas equal pixel for pixel to the desktop's frame
//                (the desktop end-to-end test's main menu at 1x is its
//                picture, resources/frm_menu.png, pixel for pixel)
//   way-in       "Новая Игра" clicked, the barrel raised and a shot fired
//                by keys, Esc answered "Нет" and then "Да": the end page;
//                the sounds and the music arrived once the main menu showed
//   playback     a run recorded by the desktop (desktop-run.krs) shown
//                with ?play= to its end, every expect line agreeing; the
//                same run spoilt at one value stops where it parts, and says so
//   failure      a spoilt picture: the failure box over the canvas, Enter,
//                the end page
//   book         files that are no book refused with the game's reasons; a
//                book imported, shown by F5, kept through a reload and
//                exported byte for byte; a second tab waits until the first
//                goes, then plays with that book
//   phone-*      a phone held sideways and upright (915 x 412 and 412 x 915
//                CSS pixels at 2.6 device pixels each), touch alone: the
//                buttons stand in the black bars, at least 9 mm across, hide
//                at a key and come back at the next touch; a shot, the exit
//                question answered "Нет" and then "Да"
//   name-box     on a phone held sideways, touch alone: a battle won, the
//                name box's keyboard on the screen by itself, a name tapped
//                on it into the book (krepogor-last-kill.html: the game with
//                a door for bringing a battle to its last kill)
//   gamepad      a pad through the browser's Gamepad API (a made-up one:
//                headless chromium has none): the main menu's word chosen,
//                a shot, the exit question by Back, "Да" by South
// A screenshot of every step lands in OUT.
//   node tests/web/page_test.mjs BUILD SOURCE OUT [RUN...]
import fs from 'node:fs';
import path from 'node:path';
import { GamePage, each, launch, serve, windows } from './harness.mjs';

const [build, source, out, ...only] = process.argv.slice(2);
fs.mkdirSync(out, { recursive: true });
const run = fs.readFileSync(path.join(source, 'tests/web/desktop-run.krs'), 'utf8');
// The same run with one value the game will not show: Life at a checkpoint.
const lines = run.split('\n');
const spoilt = lines.findIndex((l, i) => i > lines.length / 2 && /^expect Life=\d+ /.test(l));
lines[spoilt] = lines[spoilt].replace(/^expect Life=\d+/, 'expect Life=42');
const server = await serve(build, {
  '/desktop-run.krs': Buffer.from(run),
  '/spoilt-run.krs': Buffer.from(lines.join('\n')),
  '/reference/frm_menu.png': fs.readFileSync(path.join(source, 'resources/frm_menu.png')),
});
const browser = await launch();
const sleep = (ms) => new Promise((ok) => setTimeout(ok, ms));
const expect = (ok, what) => {
  if (!ok) throw new Error(what);
};

// A page in a context of its own (its own storage), or in `context`.
async function open(name, address = 'krepogor.html', options = {}, context = null) {
  const ctx = context || (await browser.newContext({ viewport: { width: 1280, height: 800 }, ...options }));
  const page = await GamePage.open(ctx, server, address, out, name);
  page.ownContext = !context && ctx;
  return page;
}
async function done(page) {
  expect(!page.errors.length, `console errors: ${page.errors.join('; ')}`);
  if (page.ownContext) await page.ownContext.close();
  else await page.close();
}

// The pixels of the canvas that a key press changed outside the game's
// window (in the black bars), as the boxes of the shapes they make.
function shapesBetween(before, after, picture) {
  const { width, height } = before;
  const seen = new Uint8Array(width * height);
  const differs = (i) => {
    const x = i % width, y = (i - x) / width;
    if (x >= picture.x && x < picture.x + picture.w && y >= picture.y && y < picture.y + picture.h) return false;
    const a = before.data, b = after.data, o = 4 * i;
    return a[o] !== b[o] || a[o + 1] !== b[o + 1] || a[o + 2] !== b[o + 2];
  };
  const shapes = [];
  for (let i = 0; i < width * height; ++i) {
    if (seen[i] || !differs(i)) continue;
    const box = { x0: width, y0: height, x1: 0, y1: 0 };
    const stack = [i];
    seen[i] = 1;
    while (stack.length) {
      const j = stack.pop();
      const x = j % width, y = (j - x) / width;
      box.x0 = Math.min(box.x0, x), box.y0 = Math.min(box.y0, y);
      box.x1 = Math.max(box.x1, x), box.y1 = Math.max(box.y1, y);
      for (const [dx, dy] of [[1, 0], [-1, 0], [0, 1], [0, -1]]) {
        const nx = x + dx, ny = y + dy, k = ny * width + nx;
        if (nx >= 0 && ny >= 0 && nx < width && ny < height && !seen[k] && differs(k)) {
          seen[k] = 1;
          stack.push(k);
        }
      }
    }
    shapes.push({ x: box.x0, y: box.y0, w: box.x1 - box.x0 + 1, h: box.y1 - box.y0 + 1 });
  }
  return shapes;
}

// The battle of a phone held one way, by touch alone.
async function phone(name, width, height) {
  const page = await open(name, 'krepogor.html', {
    viewport: { width, height },
    deviceScaleFactor: 2.6,
    isMobile: true,
    hasTouch: true,
  });
  await page.shows('frm_menu', 'menu');
  await page.tap(300, 152);  // "Новая Игра"
  const { picture } = await page.shows('frm_vustrel', 'battle');
  await sleep(5500);  // the countdown
  // The last input was a finger: the buttons show. A key hides them, the
  // next touch (on the black bar, pressing nothing) brings them back.
  const shown = await page.pixels();
  await page.shot('buttons');
  await page.keys('ArrowDown');
  await sleep(300);
  const hidden = await page.pixels();
  await page.shot('hidden-by-a-key');
  const buttons = shapesBetween(shown, hidden, picture).filter((b) => b.w > 20 && b.h > 20);
  expect(buttons.length === 5, `${buttons.length} buttons drawn in the bars: ${JSON.stringify(buttons)}`);
  const perMm = await page.tab.evaluate(() => Module.canvas.width / Module.canvas.getBoundingClientRect().width * Module.page.cssPixelsPerMm);
  const mm = Math.min(...buttons.map((b) => Math.min(b.w, b.h))) / perMm;
  expect(mm >= 9, `the smallest button is ${mm.toFixed(1)} mm across`);
  await page.tapCanvas(2, 2);
  await sleep(300);
  const again = await page.pixels();
  expect(shapesBetween(hidden, again, picture).filter((b) => b.w > 20).length === 5, 'a touch did not bring the buttons back');
  await page.shot('back-at-a-touch');
  const b = named(buttons, picture);
  const centre = (r) => [r.x + r.w / 2, r.y + r.h / 2];
  // The barrel held up: it moves as the held key moves it.
  const gun = async () => {
    const px = await page.pixels();
    const f = picture.w / 926;
    const rows = [];
    for (let y = Math.round(picture.y + 400 * f); y < picture.y + 520 * f; ++y) {
      const at = 4 * (y * px.width + Math.round(picture.x + 20 * f));
      rows.push(px.data.subarray(at, at + 4 * Math.round(150 * f)));
    }
    return Buffer.concat(rows);
  };
  const level = await gun();
  await page.tapCanvas(...centre(b.up), 700);
  await page.shot('barrel-held-up');
  expect(!level.equals(await gun()), 'the barrel did not move while its button was held');
  await page.tapCanvas(...centre(b.fire));
  await sleep(200);
  await page.shot('fired');
  // The exit question: its box, and nothing else, takes the tap after it.
  const box = async () => (await page.pixels()).data;
  const before = await box();
  await page.tapCanvas(...centre(b.exit));
  await sleep(800);
  await page.shot('question');
  expect((await page.state()).ended === null && !before.equals(await box()), 'no exit question after its button');
  await page.tap(468 + 40, 344 + 12);  // "Нет"
  await sleep(800);
  await page.shows('frm_vustrel', 'answered-no');
  expect((await page.state()).ended === null, 'the game ended at "Нет"');
  await page.tapCanvas(...centre(b.exit));
  await sleep(800);
  await page.tap(378 + 40, 344 + 12);  // "Да"
  expect((await page.ended('ended')) === 0, 'the game did not end at "Да"');
  await done(page);
  const layout = Object.entries(b).map(([k, r]) => `${k} ${r.w}x${r.h} at ${r.x},${r.y}`).join(', ');
  return `canvas ${again.width} x ${again.height}, the game at ${JSON.stringify(picture)}; ${layout}; ` +
    `${mm.toFixed(1)} mm across (${(Math.min(...buttons.map((r) => r.w)) / 2.6).toFixed(0)} CSS px)`;
}

// The five buttons by what they do, from where they stand (desktop/TouchLayout.cpp):
// sideways the barrel's on the left, pause, the question and fire down the
// right; upright pause and the question above, the barrel's and fire below.
function named(buttons, picture) {
  const byY = (a, b) => a.y - b.y;
  const byX = (a, b) => a.x - b.x;
  if (buttons.every((r) => r.x + r.w <= picture.x || r.x >= picture.x + picture.w)) {
    const [up, down] = buttons.filter((r) => r.x < picture.x).sort(byY);
    const [pause, exit, fire] = buttons.filter((r) => r.x > picture.x).sort(byY);
    return { up, down, fire, pause, exit };
  }
  const [pause, exit] = buttons.filter((r) => r.y < picture.y).sort(byX);
  const below = buttons.filter((r) => r.y > picture.y).sort(byX);
  const fire = below.pop();
  const [up, down] = below.sort((a, b) => a.y - b.y || a.x - b.x);
  return { up, down, fire, pause, exit };
}

const passed = await each(only, [
  ['menu-1x', async () => {
    const page = await open('menu-1x', 'krepogor.html', { viewport: { width: 659, height: 700 } });
    await page.shows('frm_menu', 'menu');
    const bar = await page.tab.evaluate(() => document.getElementById('bar').offsetHeight);
    await page.tab.setViewportSize({ width: 659, height: 398 + bar });
    await page.until('1x', (s) => s.picture.w === 659 && s.picture.h === 398 && s.picture.x === 0);
    await page.shot('1x');
    const canvas = await page.pixels();
    const reference = await page.tab.evaluate(async () => {
      const img = new Image();
      img.src = '/reference/frm_menu.png';
      await img.decode();
      const c = document.createElement('canvas');
      c.width = img.width;
      c.height = img.height;
      const ctx = c.getContext('2d');
      ctx.drawImage(img, 0, 0);
      return Array.from(ctx.getImageData(0, 0, c.width, c.height).data);
    });
    let differ = 0;
    for (let y = 0; y < 398; ++y)
      for (let x = 0; x < 659; ++x)
        for (let k = 0; k < 3; ++k)
          if (canvas.data[4 * (y * canvas.width + x) + k] !== reference[4 * (y * 659 + x) + k]) {
            ++differ;
            break;
          }
    expect(canvas.width === 659 && canvas.height === 398, `the canvas is ${canvas.width} x ${canvas.height}`);
    expect(differ === 0, `${differ} pixels differ from the desktop's main menu`);
    const head = await page.tab.evaluate(async () => {
      const icon = document.querySelector('link[rel=icon]');
      const r = await fetch(icon.href);
      return { title: document.title, icon: r.status, type: r.headers.get('Content-Type') };
    });
    expect(head.title === 'Крепогор' && head.icon === 200 && head.type === 'image/png', JSON.stringify(head));
    await done(page);
    return 'the canvas 659 x 398 equals the desktop\'s main menu';
  }],
  ['way-in', async () => {
    const page = await open('way-in');
    await page.shows('frm_menu', 'menu');
    await page.click(300, 152);  // "Новая Игра"
    await page.shows('frm_vustrel', 'battle');
    await sleep(5500);  // the countdown
    const aimed = async () => (await page.pixels()).data;
    const before = await aimed();
    await page.keys('ArrowUp', 'ArrowUp', 'ArrowUp');
    await sleep(300);
    const after = await aimed();
    expect(!before.equals(after), 'the battle did not change when the barrel was raised');
    await page.keys('Space');
    await sleep(300);
    await page.shot('fired');
    await page.keys('Escape');  // the exit question: a box with its own loop
    await sleep(700);
    await page.shot('question');
    await page.keys('Escape');  // "Нет"
    await sleep(700);
    await page.shows('frm_vustrel', 'answered-no');
    const late = await page.tab.evaluate(() =>
      ['sounds', 'music'].map((d) => FS.readdir(`/usr/share/krepogor/gamedata/${d}`).length - 2));
    expect(late[0] === 13 && late[1] === 5, `${late[0]} sounds and ${late[1]} tracks arrived`);
    await page.keys('Escape');
    await sleep(700);
    await page.keys('Enter');  // "Да"
    expect((await page.ended('ended')) === 0, 'the game did not end with status 0');
    await done(page);
    return 'the sounds and the music arrived, the game ended by "Да"';
  }],
  ['playback', async () => {
    const page = await open('playback', 'krepogor.html?play=desktop-run.krs&speed=4');
    await page.shows('frm_vustrel', 'battle');
    expect((await page.ended('ended', 60000)) === 0, 'the run shown did not end with status 0');
    const told = page.lines.filter((l) => /разошлась|не сходится/.test(l));
    expect(!told.length, told.join('; '));
    await done(page);
    const spoilt = await open('playback-spoilt', 'krepogor.html?play=spoilt-run.krs&speed=4');
    await spoilt.shows('frm_vustrel', 'battle');
    await spoilt.until('the show parted', () => spoilt.lines.some((l) => l.includes('игра разошлась с записью: Life')), 60000);
    await sleep(500);
    await spoilt.shot('parted');
    expect((await spoilt.state()).ended === null, 'the spoilt run ended the game');
    await done(spoilt);
    return 'the desktop\'s run closed in its recorded state; the spoilt one stopped where it parted';
  }],
  ['failure', async () => {
    const ctx = await browser.newContext({ viewport: { width: 1280, height: 800 } });
    // The battle's pictures are taken once the main menu shows: one is spoilt.
    await ctx.addInitScript(() => {
      window.Module = {
        onRuntimeInitialized: () => FS.writeFile('/usr/share/krepogor/resources/ImgMobPic3.png', '\x89PNG\r\n\x1a\n'),
      };
    });
    const page = await GamePage.open(ctx, server, 'krepogor.html', out, 'failure');
    await page.until('the failure box', (s) => s.cover === 'failure');
    const text = await page.tab.evaluate(() => document.getElementById('failure-text').textContent);
    expect(text.includes('ImgMobPic3.png'), `the box says: ${text}`);
    await page.shot('box');
    await page.keys('Enter');
    expect((await page.ended('ended')) === 1, 'a failed start did not end with status 1');
    page.ownContext = ctx;
    await done(page);
    return text;
  }],
  ['book', async () => {
    const row = (name, score) => {
      const bytes = Buffer.alloc(26, 0x20);
      Buffer.from(name, 'latin1').copy(bytes);
      Buffer.from(` ${score}`).copy(bytes, 20);
      return bytes;
    };
    // Windows-1251: "Илья Муромец", "Добрыня".
    const book = Buffer.concat([
      row('\xc8\xeb\xfc\xff \xcc\xf3\xf0\xee\xec\xe5\xf6', 31000),
      row('\xc4\xee\xe1\xf0\xfb\xed\xff', 20500),
      row('Alyosha', 9000),
      row('', 0),
      row('', 0),
    ]);
    const ctx = await browser.newContext({ viewport: { width: 1280, height: 800 }, acceptDownloads: true });
    const first = await open('book', 'krepogor.html', {}, ctx);
    await first.shows('frm_menu', 'menu');
    const give = async (page, name, bytes) => {
      await page.tab.setInputFiles('#import-file', { name, mimeType: 'application/octet-stream', buffer: bytes });
      await sleep(300);
      return page.tab.evaluate(() => document.getElementById('status').textContent);
    };
    const refusals = [
      [Buffer.concat([book, Buffer.from('x')]), 'в нём больше пяти записей'],
      [Buffer.concat([row('Соловей', 1).subarray(0, 20), Buffer.from(' 12a  ')]), 'очки в строке 1 — не число'],
    ];
    for (const [bytes, why] of refusals) {
      const said = await give(first, 'not-a-book.dat', bytes);
      expect(said.includes(why), `a file that is no book: ${said}`);
    }
    const said = await give(first, 'table.dat', book);
    expect(said.includes('загружена'), `the book: ${said}`);
    await first.click(300, 152);
    await first.shows('frm_vustrel', 'battle');
    await first.keys('F5');
    await first.shows('FrmRecords', 'book-by-F5');
    await first.keys('Escape');
    await first.shows('frm_vustrel', 'book-closed');
    await first.tab.evaluate(() => Module.page.filesKept());
    await first.tab.reload();
    await first.shows('frm_menu', 'reloaded');
    const exported = async (page) => {
      const [download] = await Promise.all([page.tab.waitForEvent('download'), page.tab.click('#export')]);
      expect(download.suggestedFilename() === 'table.dat', download.suggestedFilename());
      return fs.readFileSync(await download.path());
    };
    expect((await exported(first)).equals(book), 'the book exported after a reload is not the one imported');
    // A second tab waits for the first to go.
    const second = await open('book-second-tab', 'krepogor.html', {}, ctx);
    await second.until('the second tab waits', (s) => s.cover === 'waiting');
    await sleep(2000);
    expect((await second.state()).shown === '', 'the second tab started while the first played');
    await second.shot('waiting');
    await first.close();
    await second.shows('frm_menu', 'first-gone');
    expect((await exported(second)).equals(book), 'the second tab does not hold the book');
    await done(second);
    await ctx.close();
    return `${book.length} bytes in, the same out after a reload and in the next tab`;
  }],
  ['gamepad', async () => {
    const ctx = await browser.newContext({ viewport: { width: 1280, height: 800 } });
    // A pad of the standard mapping, as the Gamepad API gives one; the
    // browser hands its state to whoever asks (SDL does on every pass).
    await ctx.addInitScript(() => {
      const pad = {
        id: 'Test pad (STANDARD GAMEPAD)', index: 0, connected: true, mapping: 'standard', timestamp: 1,
        axes: [0, 0, 0, 0],
        buttons: Array.from({ length: 17 }, () => ({ pressed: false, touched: false, value: 0 })),
      };
      navigator.getGamepads = () => [pad];
      window.padButton = (i, down) => {
        pad.buttons[i] = { pressed: down, touched: down, value: down ? 1 : 0 };
        pad.timestamp += 1;
      };
    });
    const page = await GamePage.open(ctx, server, 'krepogor.html', out, 'gamepad');
    page.ownContext = ctx;
    const press = async (button, ms = 120) => {
      await page.tab.evaluate((b) => window.padButton(b, true), button);
      await sleep(ms);
      await page.tab.evaluate((b) => window.padButton(b, false), button);
      await sleep(400);
    };
    const [south, back, down] = [0, 8, 13];
    await page.shows('frm_menu', 'menu');
    await press(down);
    await page.shot('word-lit');
    await press(south);
    await page.shows('frm_vustrel', 'battle');
    await sleep(5500);
    await press(south);
    await page.shot('fired');
    await press(back);
    await sleep(400);
    await page.shot('question');
    await press(south);
    expect((await page.ended('ended')) === 0, 'the pad did not end the game');
    await done(page);
    return 'the main menu, a shot and the exit question by the pad alone';
  }],
  ['name-box', async () => {
    // A phone held sideways, touch alone: a battle won (the test's page
    // brings it to its last kill), the name box's keyboard on the screen
    // there by itself, "ЙЦ" tapped on it and "Готово": the name in the book.
    const ctx = await browser.newContext({
      viewport: { width: 915, height: 412 }, deviceScaleFactor: 2.6, isMobile: true, hasTouch: true, acceptDownloads: true,
    });
    const page = await GamePage.open(ctx, server, 'krepogor-last-kill.html', out, 'name-box');
    page.ownContext = ctx;
    await page.shows('frm_menu', 'menu');
    await page.tap(300, 152);
    await page.shows('frm_vustrel', 'battle');
    await sleep(5500);
    await page.tab.evaluate(() => (Module.page.lastKill = true));
    await sleep(1500);
    await page.shot('keyboard');
    // The box stands in the middle of the battle window, the keyboard at its
    // foot (desktop/BoxLayout.cpp: 14 pixels of margin; 840 x 313, six rows;
    // desktop/ScreenKeyboard.cpp: 130 tenths across, each row centred): its
    // place from the box's blue title bar.
    const { picture } = await page.state();
    const f = picture.w / 926;
    const px = await page.pixels();
    let title = -1;
    for (let y = 0; y < 658 && title < 0; ++y) {
      const o = 4 * (Math.round(picture.y + (y + 0.5) * f) * px.width + Math.round(picture.x + 100.5 * f));
      if (px.data[o] < 60 && px.data[o + 2] > 90) title = y;
    }
    expect(title > 0, 'no box over the battle');
    const top = title - 2, height = 658 - 2 * top;
    const keyboard = { x: (926 - 840) / 2, y: top + height - 14 - 313 };
    const key = (row, start, span) => [keyboard.x + (start + span / 2) * 6.5, keyboard.y + (row + 0.5) * 53];
    for (const at of [key(2, 5, 10), key(2, 15, 10), key(5, 80, 25)]) await page.tap(...at);  // Й, Ц, Готово
    await page.shows('FrmWin', 'won');
    await page.tab.evaluate(() => Module.page.filesKept());
    const [download] = await Promise.all([page.tab.waitForEvent('download'), page.tab.click('#export')]);
    const book = fs.readFileSync(await download.path());
    const rows = [0, 1, 2, 3, 4].map((i) => book.subarray(26 * i, 26 * i + 20).toString('latin1').trimEnd());
    expect(rows.includes('\xc9\xd6'), `the book's names: ${JSON.stringify(rows)}`);
    await done(page);
    return 'the keyboard showed by itself; "ЙЦ" tapped is in the book';
  }],
  ['phone-sideways', () => phone('phone-sideways', 915, 412)],
  ['phone-upright', () => phone('phone-upright', 412, 915)],
]);
await browser.close();
await server.close();
process.exit(passed ? 0 : 1);
