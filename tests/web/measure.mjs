// The page's figures, each beside its target (scripts/measure web), in
// Debian's chromium on this machine, served from 127.0.0.1 compressed as a
// web host would (gzip -9 where it helps; nothing cached between loads):
//   transfer     the bytes sent before the main menu shows, and in all once
//                the sounds and the music have come (MB: millions of bytes)
//   first frame  from the start of loading to the first frame the page
//                draws after the game shows its main menu (median of nine
//                loads, each in a fresh browser context)
//   main thread  the share of wall time the page's main thread spends in
//                tasks (Chromium's TaskDuration): ten seconds at the main
//                menu, ten of battle (keys as a player presses them), each
//                with the game's window at 1x
//   long frames  in a minute of battle: the tasks of the main thread
//                (Chromium's trace, RunTask) longer than 20 ms, and the longest
//   node tests/web/measure.mjs BUILD
import { GamePage, launch, serve } from './harness.mjs';

const [build] = process.argv.slice(2);
const runs = Number(process.env.MEASURE_RUNS || 9);
const server = await serve(build, {}, true);
const browser = await launch();
const sleep = (ms) => new Promise((ok) => setTimeout(ok, ms));
const mb = (bytes) => (bytes / 1e6).toFixed(2);
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor((xs.length - 1) / 2)];

async function open(viewport) {
  const context = await browser.newContext({ viewport });
  const page = await GamePage.open(context, server, 'krepogor.html', '/tmp', 'measure');
  page.context = context;
  return page;
}

// A viewport whose canvas holds a game's window `w` x `h` at 1x.
async function at1x(page, w, h) {
  const bar = await page.tab.evaluate(() => document.getElementById('bar').offsetHeight);
  await page.tab.setViewportSize({ width: w, height: h + bar });
  await page.until('1x', (s) => s.canvas[0] === w && s.canvas[1] === h);
}

// The main thread's share of `ms` of wall time while `act` runs.
async function mainThread(page, ms, act) {
  const cdp = await page.context.newCDPSession(page.tab);
  await cdp.send('Performance.enable');
  const busy = async () =>
    (await cdp.send('Performance.getMetrics')).metrics.find((m) => m.name === 'TaskDuration').value;
  const b0 = await busy();
  const t0 = Date.now();
  await act(ms);
  const share = (100 * (await busy()) - 100 * b0) / ((Date.now() - t0) / 1000);
  await cdp.detach();
  return share;
}

// Keys as a player presses them, for `ms`.
async function play(page, ms) {
  const until = Date.now() + ms;
  for (let i = 0; Date.now() < until; ++i) {
    await page.tab.keyboard.press(['ArrowUp', 'Space', 'ArrowDown', 'Space'][i % 4]);
    await sleep(250);
  }
}

async function battle(page) {
  await page.click(300, 152);  // "Новая Игра"
  await page.until('the battle', (s) => s.shown === 'frm_vustrel');
  await sleep(5500);  // the countdown
}

// Transfer and the first frame.
const firsts = [];
let before = 0;
let all = 0;
for (let i = 0; i < runs; ++i) {
  server.reset();
  const page = await open({ width: 1280, height: 800 });
  await page.until('the main menu', (s) => s.shown === 'frm_menu');
  const sent = { ...server.sent };
  await page.until('the first frame', () => true);
  firsts.push(await page.tab.evaluate(async () => {
    while (!Module.page.firstFrame) await new Promise((ok) => requestAnimationFrame(ok));
    return Module.page.firstFrame;
  }));
  if (i === 0) {
    before = Object.entries(sent).filter(([name]) => !/sounds|music/.test(name)).reduce((n, [, b]) => n + b, 0);
    await page.tab.waitForFunction(() => {
      try {
        return FS.readdir('/usr/share/krepogor/gamedata/music').length === 7;  // 5 tracks, . and ..
      } catch (e) {
        return false;  // no folder yet
      }
    }, null, { timeout: 60000 });
    all = Object.values(server.sent).reduce((n, b) => n + b, 0);
  }
  await page.context.close();
}

// The main thread at 1x: the main menu, then a battle.
let page = await open({ width: 659, height: 700 });
await page.until('the main menu', (s) => s.shown === 'frm_menu');
await at1x(page, 659, 398);
await sleep(2000);
const menu = await mainThread(page, 10000, sleep);
await page.context.close();
page = await open({ width: 926, height: 900 });
await page.until('the main menu', (s) => s.shown === 'frm_menu');
await at1x(page, 926, 658);
await battle(page);
await page.until('the battle at 1x', (s) => s.picture.w === 926 && s.picture.h === 658);
const fight = await mainThread(page, 10000, (ms) => play(page, ms));

// A minute of battle in Chromium's trace.
await browser.startTracing(page.tab, { categories: ['toplevel'] });
await play(page, 60000);
const trace = JSON.parse((await browser.stopTracing()).toString()).traceEvents;
const stillBattle = (await page.state()).shown === 'frm_vustrel';
await page.context.close();
const main = new Set(trace.filter((e) => e.name === 'thread_name' && e.args.name === 'CrRendererMain').map((e) => `${e.pid}:${e.tid}`));
// The task's name as this Chromium writes it (older ones: "RunTask").
const isTask = (e) => /(^|::)RunTask$/.test(e.name);
const tasks = trace.filter((e) => isTask(e) && e.ph === 'X' && main.has(`${e.pid}:${e.tid}`)).map((e) => e.dur / 1000);
if (tasks.length === 0) throw new Error('measure: the trace holds no task of the page\'s main thread');
const long = tasks.filter((d) => d > 20);
const busy = tasks.reduce((a, b) => a + b, 0) / 600;

const row = (what, figure, target) => console.log(`| ${what.padEnd(50)} | ${String(figure).padStart(12)} | ${target.padEnd(10)} |`);
console.log(`Machine: Debian's chromium, headless, ${(await browser.version())}; the page at 127.0.0.1, gzip -9`);
row('Measure', 'page', 'target');
console.log(`|${'-'.repeat(52)}|${'-'.repeat(14)}|${'-'.repeat(12)}|`);
row('compressed transfer before the main menu, MB', mb(before), '<= 4');
row('compressed transfer in all (sounds, music), MB', mb(all), '<= 10');
row(`load to first frame, ms (median of ${runs})`, Math.round(median(firsts)), '< 1000');
row('main thread at the main menu, 1x, %', menu.toFixed(2), '< 1');
row('main thread in battle, 1x, %', fight.toFixed(2), '< 4');
row('main thread in a minute of battle (trace), %', busy.toFixed(2), '< 4');
row('main-thread tasks over 20 ms in a minute of battle', long.length, '0');
row('the longest of them, ms', Math.max(...tasks).toFixed(1), '<= 20');
if (!stillBattle) console.log('(the battle ended before its minute was up)');
await browser.close();
await server.close();
