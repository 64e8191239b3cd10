// The page's figures, measured in Debian's chromium (headless, through puppeteer-core) against the
// built page on a local server: the time from the start of loading to the first board drawn, on a
// cold load with the CPU slowed four times as on a modest phone, and on the warm loads that follow
// from the service worker's cache, at full speed and slowed; the size of each of the page's
// files, raw and gzipped; and, in the page, the time of a move (its press and every tick of its
// animation at the standard speed, without the waits between ticks) and of one tick of a move's
// animation; and the time H takes to answer from the start of every shipped stage, with the page
// and its hint worker both slowed four times. Usage: node measure.js PAGE_FOLDER
'use strict';

const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const zlib = require('node:zlib');
const puppeteer = require('puppeteer-core');
const {serve} = require('./page_server');

const [pageFolder] = process.argv.slice(2);
const kLoads = 5;
const kMoves = 200;

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const kibibytes = (bytes) => `${(bytes / 1024).toFixed(1)} KiB`;

// Fetched only when asked for, or after the first board: the help page by the About box, the hint
// worker by the first hint, the rest by the service worker and the browser's installing.
const kOnDemand = /^(help\.html|hint_worker.*|service_worker\.js|manifest\.webmanifest|icon-\d+\.png)$/;

function printSizes() {
  const sums = {all: [0, 0], 'before the first board': [0, 0]};
  const line = (name, raw, packed) =>
    console.log(`  ${name.padEnd(24)} ${kibibytes(raw).padStart(11)} ${kibibytes(packed).padStart(11)}`);
  console.log('Files of the page (raw, gzip -9):');
  for (const name of fs.readdirSync(pageFolder).sort()) {
    const bytes = fs.readFileSync(path.join(pageFolder, name));
    const packed = zlib.gzipSync(bytes, {level: 9}).length;
    for (const [sum, counted] of Object.entries(sums)) {
      if (sum === 'all' || !kOnDemand.test(name)) {
        counted[0] += bytes.length;
        counted[1] += packed;
      }
    }
    line(name, bytes.length, packed);
  }
  for (const [sum, [raw, packed]] of Object.entries(sums)) line(sum, raw, packed);
}

const kSlowdown = 4;

// Each cold load in a browser of its own with an empty profile, so nothing is cached; then, once
// the service worker keeps the page, a warm load at full speed and one slowed, in that browser.
async function firstBoardTimes(origin) {
  const times = {cold: [], warm: [], 'warm, slowed': []};
  for (let load = 0; load < kLoads; ++load) {
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'vantoki-measure-'));
    const browser = await launch(profile);
    try {
      const page = await browser.newPage();
      const devTools = await page.createCDPSession();
      const loadAt = async (slowdown, times) => {
        await devTools.send('Emulation.setCPUThrottlingRate', {rate: slowdown});
        await page.goto(`${origin}/`);
        await page.waitForFunction(() => window.vantoki && window.vantoki.page.firstBoardAt > 0);
        times.push(await page.evaluate(() => window.vantoki.page.firstBoardAt));
      };
      await loadAt(kSlowdown, times.cold);
      await page.evaluate(() => navigator.serviceWorker.ready);
      await loadAt(1, times.warm);
      await loadAt(kSlowdown, times['warm, slowed']);
    } finally {
      await browser.close();
      fs.rmSync(profile, {recursive: true, force: true});
    }
  }
  return times;
}

// Moves to and fro on stage 1 at the standard speed, calling the tick directly until each move
// is committed; the page's own 50 ms timer cannot run meanwhile, since this holds the thread.
async function moveAndTickTimes(origin) {
  const browser = await launch();
  try {
    const page = await browser.newPage();
    await page.goto(`${origin}/`);
    await page.waitForFunction(() => window.vantoki && window.vantoki.page.firstBoardAt > 0);
    return await page.evaluate((moves) => {
      const {shell, module} = window.vantoki;
      const address = shell.address();
      const turn = () => document.getElementById('Label5').textContent;
      const moveTimes = [];
      const tickTimes = [];
      for (let move = 0; move < moves; ++move) {
        const before = turn();
        const started = performance.now();
        shell.pressPicture(`Picture4-${move % 2 === 0 ? 2 : 0}`, 0, 1, 1);
        shell.releasePicture(`Picture4-${move % 2 === 0 ? 2 : 0}`);
        for (let tick = 0; turn() === before; ++tick) {
          if (tick === 100) throw new Error(`move ${move} did not end`);
          const tickStarted = performance.now();
          module._tickShell(address);
          tickTimes.push(performance.now() - tickStarted);
        }
        moveTimes.push(performance.now() - started);
      }
      return {moveTimes, tickTimes};
    }, kMoves);
  } finally {
    await browser.close();
  }
}

// H from the start of each shipped stage, slowed as the page is. Chromium slows no worker
// ("only supported for pages"), so the search each H hands the hint worker is run again, the
// same module on the same boards and budget, on the page's own thread, slowed.
async function hintTimes(origin) {
  const browser = await launch();
  const times = {};
  try {
    for (const stageFile of ['vantoki.vkst', 'vantoki_advanced.vkst']) {
      const page = await browser.newPage();
      await page.setViewport({width: 900, height: 700});
      await page.goto(`${origin}/?stages=stagedata/${stageFile}`);
      await page.waitForFunction(() => window.vantoki && window.vantoki.page.firstBoardAt > 0);
      await page.evaluate(async () => {
        await new Promise((loaded) => {
          const script = document.createElement('script');
          script.src = 'hint_worker_module.js';
          script.onload = loaded;
          document.head.append(script);
        });
        window.hintModule = await createHintWorker();
        const {page} = window.vantoki;
        const handOver = page.startHintSearch;
        page.startHintSearch = (search, cells, budget) => {
          window.hintAsked = {cells: Array.from(cells), budget};
          handOver(search, cells, budget);
        };
      });
      const devTools = await page.createCDPSession();
      for (let stage = 1; stage <= 10; ++stage) {
        await page.click(`#Option1-${stage - 1}`);
        await page.keyboard.press('h');
        await page.waitForSelector('.overlay .message');
        await page.click('.overlay .dialog-buttons button');
        await devTools.send('Emulation.setCPUThrottlingRate', {rate: kSlowdown});
        times[`${stageFile} ${stage}`] = await page.evaluate(() => {
          const {cells, budget} = window.hintAsked;
          const started = performance.now();
          window.hintModule.findHint(cells, budget.maxBoards, budget.maxTime, budget.maxMemory);
          return performance.now() - started;
        });
        await devTools.send('Emulation.setCPUThrottlingRate', {rate: 1});
      }
      await page.close();
    }
  } finally {
    await browser.close();
  }
  return times;
}

function launch(profile) {
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--force-device-scale-factor=1',
           ...(profile ? [`--user-data-dir=${profile}`] : [])],
  });
}

(async () => {
  const server = await serve(pageFolder);
  const origin = `http://127.0.0.1:${server.address().port}`;
  try {
    printSizes();
    console.log(`Load to the first board drawn (the CPU slowed ${kSlowdown} times where slowed):`);
    for (const [load, times] of Object.entries(await firstBoardTimes(origin))) {
      console.log(`  ${`${load}${load === 'cold' ? ', slowed' : ''}:`.padEnd(15)} median ` +
                  `${median(times).toFixed(0)} ms of ${kLoads} (${times.map((time) => time.toFixed(0)).join(', ')})`);
    }
    const {moveTimes, tickTimes} = await moveAndTickTimes(origin);
    console.log(`A move at the standard speed (press and ${tickTimes.length / kMoves} ticks): ` +
                `median ${median(moveTimes).toFixed(1)} ms of ${kMoves}`);
    console.log(`A tick of a move: median ${(median(tickTimes) * 1000).toFixed(0)} µs of ${tickTimes.length}`);
    const hints = await hintTimes(origin);
    console.log(`H's search from the start, on the page's thread slowed ${kSlowdown} times: ` +
                `advanced stage 7 ${hints['vantoki_advanced.vkst 7'].toFixed(0)} ms, ` +
                `median of the 20 shipped stages ${median(Object.values(hints)).toFixed(0)} ms ` +
                `(slowest ${Math.max(...Object.values(hints)).toFixed(0)} ms)`);
  } finally {
    server.close();
  }
})();
