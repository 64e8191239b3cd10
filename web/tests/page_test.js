// The page in a real browser (Debian's chromium, headless, through puppeteer-core), played as a
// player plays it: by clicks on its elements, through its own dialogs and the browser's file
// picker. What it shows and saves is compared with what the desktop's code makes of the same
// files (vantoki-cli). Usage: node page_test.js PAGE_FOLDER VANTOKI_CLI SOURCE_FOLDER [NAME_PATTERN]
'use strict';

const assert = require('node:assert/strict');
const {execFileSync} = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');
const {serve} = require('./page_server');

const [pageFolder, cli, sources, only = ''] = process.argv.slice(2);
const stageFile = path.join(sources, 'stagedata', 'vantoki.vkst');
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'vantoki-page-'));

// A dialog that is not open is not there at all.
const visible = (page, id) => page.evaluate((id) => {
  const node = document.getElementById(id);
  return node !== null && !node.hidden && node.offsetParent !== null;
}, id);
const textOf = (page, id) => page.$eval(`#${id}`, (node) => node.value ?? node.textContent);

const sleep = (milliseconds) => new Promise((resolve) => setTimeout(resolve, milliseconds));

async function waitFor(page, check, what) {
  const end = Date.now() + 15000;
  while (Date.now() < end) {
    if (await check()) return;
    await sleep(20);
  }
  throw new Error(`timed out waiting for ${what}`);
}

// The text of the page's message now open; answers it with `button`.
async function answerMessage(page, button = 'OK') {
  await page.waitForSelector('.overlay .message');
  const text = await page.$eval('.overlay .message', (node) => node.textContent);
  const [choice] = await page.$$(`xpath/.//div[contains(@class,"dialog-buttons")]/button[text()="${button}"]`);
  await choice.click();
  await waitFor(page, async () => (await page.$('.overlay .message')) === null, 'the message to close');
  return text;
}

async function openThroughPicker(page, commandId, file) {
  await page.click(`#${commandId}`);
  await page.waitForSelector('.overlay .file-list');
  const [pick] = await page.$$('xpath/.//button[text()="パソコンのファイル…"]');
  const [chooser] = await Promise.all([page.waitForFileChooser(), pick.click()]);
  await chooser.accept([file]);
}

// Answers the save dialog of `commandId` with `name`.
async function nameSave(page, commandId, name) {
  await page.click(`#${commandId}`);
  await page.waitForSelector('.overlay .file-name');
  await page.type('.overlay .file-name', name);
  await page.keyboard.press('Enter');
}

// The page as a phone shows it: a touch screen of `width` × `height`; the page starts afresh.
async function onTouchScreen(page, width, height) {
  await page.setViewport({width, height, hasTouch: true, isMobile: true});
  await page.waitForFunction(() => window.vantoki && window.vantoki.page.firstBoardAt > 0);
  await nextFrames(page);
}

// Once the page has drawn twice: it has heard of a new screen and arranged itself for it.
const nextFrames = (page) => page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));

// A point of a picture, in its own pixels, where it lies on the screen however it is scaled.
async function onPicture(page, id, x, y) {
  const [box, width] = await Promise.all([(await page.$(`#${id}`)).boundingBox(),
                                          page.$eval(`#${id}`, (canvas) => canvas.width)]);
  const scale = box.width / width;
  return {x: box.x + x * scale, y: box.y + y * scale};
}

const downloadCount = (page) => page.evaluate(() => window.vantoki.page.downloads.length);

// Taps the control `id` as a player on a phone reaches it: through the menu when it waits in the
// sheet; then lets the page arrange what the tap changed.
async function tapControl(page, id) {
  if (!(await visible(page, id)) && await page.$eval(`#${id}`, (node) => node.classList.contains('in-sheet'))) {
    await page.tap('.pad .sheet-toggle');
  }
  await page.tap(`#${id}`);
  await nextFrames(page);
}

// A finger that comes down in the middle of the board, slides (dx, dy) screen pixels in two
// steps and lifts at once.
async function swipe(page, dx, dy) {
  const touch = await page.createCDPSession();
  const box = await (await page.$('#MapPic')).boundingBox();
  const [x, y] = [box.x + box.width / 2, box.y + box.height / 2];
  await touch.send('Input.dispatchTouchEvent', {type: 'touchStart', touchPoints: [{x, y}]});
  for (const step of [0.2, 1]) {
    await touch.send('Input.dispatchTouchEvent', {type: 'touchMove', touchPoints: [{x: x + dx * step, y: y + dy * step}]});
  }
  await touch.send('Input.dispatchTouchEvent', {type: 'touchEnd', touchPoints: []});
  await touch.detach();
}

// What a finger and an eye meet on the screen now, in CSS pixels as drawn: the board and the
// side of a tile of the palette (the window's first two pictures); each control a finger uses (every button, option, list, name box and direction button shown, the
// page's own buttons too) by id or caption; and each text shown with its size as drawn.
const screenFacts = (page) => page.evaluate(() => {
  const main = document.querySelector('#game > .window');
  const scale = main.getBoundingClientRect().width / main.offsetWidth;
  const shown = (node) => node.checkVisibility({visibilityProperty: true}) && node.getClientRects().length > 0;
  const rect = (node) => node.getBoundingClientRect().toJSON();
  const [board, palette] = [...main.querySelectorAll('canvas:not(.repeats)')].map(rect);
  const fingered = [...document.querySelectorAll('#game :is(button, select, input, canvas.repeats)')]
      .filter(shown).map((node) => ({name: node.id || node.textContent, rect: rect(node)}));
  const texts = [...document.querySelectorAll('#game *')]
      .filter((node) => shown(node) && [...node.childNodes].some((child) => child.nodeType === Node.TEXT_NODE && child.textContent.trim()))
      .map((node) => ({name: node.id || node.textContent, size: parseFloat(getComputedStyle(node).fontSize) * scale}));
  return {board, fingered, texts, paletteTile: palette.width / 5};
});

async function saveAs(page, commandId, name) {
  const before = await downloadCount(page);
  await nameSave(page, commandId, name);
  assert.equal(await answerMessage(page), 'データセーブが完了しました');
  return page.evaluate((index) => {
    const saved = window.vantoki.page.downloads[index];
    return {name: saved.name, bytes: Array.from(saved.bytes)};
  }, before);
}

// The bytes of a file in the page's file system, or null where there is none.
const storedBytes = (page, file) => page.evaluate((file) => {
  const {FS} = window.vantoki.module;
  return FS.analyzePath(file).exists ? Array.from(FS.readFile(file)) : null;
}, file);

// The file names the open dialog of `commandId` lists under the place `place`; the dialog stays.
async function listedUnder(page, commandId, place) {
  await page.click(`#${commandId}`);
  await page.waitForSelector('.overlay .file-list');
  return page.$$eval(`.overlay .file-list optgroup[label="${place}"] option`,
                     (options) => options.map((option) => option.textContent));
}

// Another tab of the page's browser, on the same page, once its first board is up; `before` runs
// in it before any script of the page.
async function anotherTab(page, before = () => {}) {
  const tab = await page.browserContext().newPage();
  await tab.setViewport(page.viewport());
  await tab.evaluateOnNewDocument(before);
  await tab.goto(page.url());
  await tab.waitForFunction(() => window.vantoki && window.vantoki.page.firstBoardAt > 0);
  return tab;
}

// Presses the button of the dialog open now captioned `caption`.
async function pressDialogButton(page, caption) {
  const [button] = await page.$$(`xpath/.//div[contains(@class,"dialog-buttons")]/button[text()="${caption}"]`);
  await button.click();
}

async function renameStage(page, name) {
  await page.click('#Text1', {clickCount: 3});
  await page.keyboard.type(name);
}

async function boardPixels(page) {
  return page.$eval('#MapPic', (canvas) =>
    Array.from(canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data));
}

async function pngPixels(page, file) {
  const base64 = fs.readFileSync(file).toString('base64');
  return page.evaluate(async (data) => {
    const blob = await (await fetch(`data:image/png;base64,${data}`)).blob();
    const bitmap = await createImageBitmap(blob, {colorSpaceConversion: 'none', premultiplyAlpha: 'none'});
    const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
    const context = canvas.getContext('2d');
    context.drawImage(bitmap, 0, 0);
    return Array.from(context.getImageData(0, 0, bitmap.width, bitmap.height).data);
  }, base64);
}

// The lines of `vantoki-cli check` on a stage set the page saved.
function checkSaved(saved) {
  const file = path.join(scratch, saved.name);
  fs.writeFileSync(file, Buffer.from(saved.bytes));
  return execFileSync(cli, ['check', file]).toString().split('\n');
}

const tests = {
  async 'the board at the start of each basic stage is the one vantoki-cli renders'(page) {
    for (let stage = 1; stage <= 10; ++stage) {
      await page.click(`#Option1-${stage - 1}`);
      const png = path.join(scratch, `stage${stage}.png`);
      execFileSync(cli, ['render', stageFile, String(stage), png]);
      const [shown, rendered] = [await boardPixels(page), await pngPixels(page, png)];
      assert.equal(shown.length, rendered.length);
      const differing = shown.findIndex((value, index) => value !== rendered[index]);
      assert.equal(differing, -1, `stage ${stage} differs at pixel ${Math.floor(differing / 4)}`);
    }
  },

  // The window twice its size, once by the screen's pixel ratio, once scaled to a larger screen.
  async 'the board twice its size on screen is its picture enlarged pixel by pixel'(page) {
    await page.click('#Option1-6');
    const picture = await boardPixels(page);
    for (const screen of [{width: 833, height: 613, deviceScaleFactor: 2}, {width: 1666, height: 1226}]) {
      await page.setViewport(screen);
      const file = path.join(scratch, 'scaled.png');
      await (await page.$('#MapPic')).screenshot({path: file});
      const shown = await pngPixels(page, file);
      assert.equal(shown.length, picture.length * 4, JSON.stringify(screen));
      const differing = shown.findIndex((value, index) => {
        const [pixel, channel] = [Math.floor(index / 4), index % 4];
        const [x, y] = [pixel % 1200, Math.floor(pixel / 1200)];
        return value !== picture[((y >> 1) * 600 + (x >> 1)) * 4 + channel];
      });
      assert.equal(differing, -1, `${JSON.stringify(screen)}: differs at device pixel ${Math.floor(differing / 4)}`);
    }
  },

  // Upright and turned, as phones are held, one after another in the same page, each in play and
  // in the editor, with the pad and with the sheet open; then a large screen with a mouse, where
  // the table's arrangement stays, scaled to fit.
  async 'on a phone the board fills the screen, beside a pad a finger can use and read, and follows a turn'(page) {
    for (const [width, height] of [[360, 640], [390, 844], [320, 480], [640, 360]]) {
      await onTouchScreen(page, width, height);
      for (const [mode, sheet] of [['play', 'closed'], ['play', 'open'], ['the editor', 'closed'], ['the editor', 'open']]) {
        if (sheet === 'open') await page.tap('.pad .sheet-toggle');
        await nextFrames(page);
        const {board, fingered, texts, paletteTile} = await screenFacts(page);
        const what = `${width} × ${height}, ${mode}, the sheet ${sheet}`;
        if (mode === 'the editor' && sheet === 'closed') assert.ok(paletteTile >= 40, `${what}: palette tiles of ${paletteTile}`);
        if (sheet === 'closed') {
          assert.ok(height > width ? board.width >= 0.9 * width : board.height >= 0.85 * height, `${what}: the board is ${board.width} wide`);
        }
        const [small, outside] = [fingered.filter(({rect}) => rect.width < 44 || rect.height < 44),
                                  fingered.filter(({rect}) => rect.left < 0 || rect.top < 0 || rect.right > width + 0.5 || rect.bottom > height + 0.5)];
        assert.deepEqual(small.map(({name}) => name), [], `${what}: smaller than a finger`);
        assert.deepEqual(outside.map(({name}) => name), [], `${what}: outside the screen`);
        assert.deepEqual(texts.filter(({size}) => size < 12).map(({name}) => name), [], `${what}: text below 12 pixels`);
        assert.ok(fingered.length >= (sheet === 'open' ? 6 : 2), `${what}: ${fingered.length} controls`);
        // The editor's button in the sheet closes it, as any button there does.
        if (sheet === 'open') await page.tap(mode === 'play' ? '#Command3' : '.sheet .sheet-toggle');
      }
      await tapControl(page, 'Command3');
    }
    await page.setViewport({width: 1666, height: 1226});
    await nextFrames(page);
    assert.ok(Math.abs((await screenFacts(page)).board.width - 1200) < 1, 'the table, twice its size');
    const window = await page.$eval('#Form1', (node) => node.getBoundingClientRect().toJSON());
    assert.ok(Math.abs(window.width / window.height - 833 / 613) < 0.01, 'proportions kept');
    assert.ok(Math.abs(window.left + window.right - 1666) < 1 && Math.abs(window.top + window.bottom - 1226) < 1, 'centred');
  },

  // Each of the page's dialogs on the narrowest phone: across the screen with nothing running
  // past its box, its text at 14 pixels or more, its buttons, options and choices at least 44 pixels high; a long message wraps.
  async 'on a phone every dialog fits the screen, reads at 14 pixels and answers taps'(page) {
    await onTouchScreen(page, 320, 480);
    // A name with no place to break it, as a saved file may have.
    const long = `原因不明のエラーで、${'x'.repeat(100)}.vkstをデータロードできませんでした`;
    const tapButton = async (caption) => (await page.$(`xpath/.//div[contains(@class,"overlay")]//button[text()="${caption}"]`)).tap();
    const dialogs = [
      ['Form2', async () => { await tapControl(page, 'Command3'); await tapControl(page, 'Command9'); },
       async () => { await page.tap('#Form2-Command2'); await tapControl(page, 'Command3'); }],
      ['frmAbout', () => tapControl(page, 'Command7'), () => page.tap('#frmAbout-Command1')],
      ['the open dialog', () => tapControl(page, 'Command2'), () => tapButton('キャンセル')],
      ['the save dialog', () => tapControl(page, 'Command4'), () => tapButton('キャンセル')],
      ['a long message', () => { page.evaluate((text) => { window.vantoki.page.showMessage(text, 'エラー', 'OK'); }, long); },
       () => tapButton('OK')],
    ];
    for (const [dialog, open, close] of dialogs) {
      await open();
      await page.waitForSelector('.overlay .dialog');
      const facts = await page.evaluate(() => {
        const shown = [...document.querySelectorAll('.overlay .dialog *')].filter((node) => node.getClientRects().length > 0);
        const ownText = (node) => [...node.childNodes].some((child) => child.nodeType === Node.TEXT_NODE && child.textContent.trim());
        const message = document.querySelector('.overlay .message');
        return {
          across: shown.filter((node) => { const box = node.getBoundingClientRect(); return box.left < 0 || box.right > innerWidth + 0.5 || node.scrollWidth > node.clientWidth + 0.5; })
              .map((node) => node.id || node.className),
          small: shown.filter((node) => ownText(node) && parseFloat(getComputedStyle(node).fontSize) < 14).map((node) => node.id || node.textContent),
          low: shown.filter((node) => node.matches('button, .radio')).filter((node) => node.getBoundingClientRect().height < 44)
              .map((node) => node.id || node.textContent),
          messageLines: message ? Math.round(message.getBoundingClientRect().height / parseFloat(getComputedStyle(message).lineHeight)) : 0,
        };
      });
      assert.deepEqual(facts.across, [], `${dialog}: runs off the screen`);
      assert.deepEqual(facts.small, [], `${dialog}: text below 14 pixels`);
      assert.deepEqual(facts.low, [], `${dialog}: lower than a finger`);
      if (dialog === 'a long message') assert.ok(facts.messageLines >= 2, `the message is ${facts.messageLines} line`);
      await close();
      await waitFor(page, async () => (await page.$('.overlay')) === null, `${dialog} to close`);
    }
  },

  // As a screen reader hears the window: on a desktop's screen, and on a phone's with its pad and
  // then its sheet.
  async 'each control is heard with its role and its caption, or the label beside it, as its name'(page) {
    const heard = async () => {
      const nodes = [];
      const visit = (node) => { nodes.push(node); (node.children ?? []).forEach(visit); };
      visit(await page.accessibility.snapshot({interestingOnly: false}));
      return (role) => nodes.filter((node) => node.role === role);
    };
    const names = (nodes) => nodes.map((node) => node.name);
    for (const [width, height, phone] of [[900, 700, false], [360, 640, true]]) {
      if (phone) await onTouchScreen(page, width, height);
      let heardAs = await heard();
      const where = `${width} × ${height}`;
      assert.deepEqual(names(heardAs('button').filter((node) => ['左', '上', '右', '下'].includes(node.name))).sort(),
                       ['上', '下', '右', '左'], `${where}: the directions`);
      assert.deepEqual(names(heardAs('combobox')), ['ゲームスピード'], `${where}: the speed list`);
      const [stages] = heardAs('radiogroup');
      assert.equal(stages?.name, 'ステージ選択', `${where}: the stages`);
      const options = [];
      const visit = (node) => { if (node.role === 'radio') options.push(node); (node.children ?? []).forEach(visit); };
      visit(stages);
      assert.deepEqual(names(options), ['01', '02', '03', '04', '05', '06', '07', '08', '09', '10'], `${where}: the stage options`);
      assert.deepEqual(options.filter((node) => node.checked).map((node) => node.name), ['01'], `${where}: the chosen stage`);
      if (phone) {
        await page.tap('.pad .sheet-toggle');
        heardAs = await heard();
      }
      assert.deepEqual(names(heardAs('textbox')), ['データ名', 'ステージ名'], `${where}: the name boxes`);
    }
  },

  async 'on a touch screen a tap on a direction button moves once'(page) {
    await onTouchScreen(page, 360, 640);
    await page.tap('#Option1-0');
    await page.select('#Combo1', '超速い');
    const first = execFileSync(cli, ['solve', stageFile, '1']).toString().match(/: (\d)/)[1];
    await page.tap(`#Picture4-${first}`);
    await waitFor(page, async () => await textOf(page, 'Label5') === '001', 'the move');
    await sleep(500);
    assert.equal(await textOf(page, 'Label5'), '001', 'one tap, one move');
  },

  // On the right button, and left down at the end of a swipe to the right across the board.
  async 'a finger held on a direction button or after a swipe repeats, and stops when lifted, cancelled or slid off'(page) {
    await onTouchScreen(page, 360, 640);
    const touch = await page.createCDPSession();
    const centre = async (id) => {
      const box = await (await page.$(`#${id}`)).boundingBox();
      return {x: box.x + box.width / 2, y: box.y + box.height / 2, below: box.y + box.height + 30};
    };
    const [button, board] = [await centre('Picture4-2'), await centre('MapPic')];
    const lifted = {type: 'touchEnd', touchPoints: []};
    const stops = {
      lifted,
      cancelled: {type: 'touchCancel', touchPoints: []},
      'slid off': {type: 'touchMove', touchPoints: [{x: button.x, y: button.below}]},
    };
    const fingers = [
      ['on the button', [button], Object.keys(stops)],
      ['after a swipe', [board, {x: board.x + 20, y: board.y}, {x: board.x + 60, y: board.y}], ['lifted']],
    ];
    for (const [where, [down, ...slide], ways] of fingers) {
      for (const how of ways) {
        await page.tap('#Option1-0');
        await page.select('#Combo1', '超速い');
        await touch.send('Input.dispatchTouchEvent', {type: 'touchStart', touchPoints: [down]});
        for (const point of slide) await touch.send('Input.dispatchTouchEvent', {type: 'touchMove', touchPoints: [point]});
        await waitFor(page, async () => Number(await textOf(page, 'Label5')) >= 3, `${where}, ${how}: the third move`);
        await touch.send('Input.dispatchTouchEvent', stops[how]);
        const stopped = Number(await textOf(page, 'Label5'));
        await sleep(600);
        // A move under way when the finger goes ends; none follows it.
        assert.ok(Number(await textOf(page, 'Label5')) <= stopped + 1, `${where}, ${how}: the robot walks on`);
        if (how === 'slid off') await touch.send('Input.dispatchTouchEvent', lifted);
      }
    }
  },

  // At the standard speed, so that no finger is down long enough to walk on.
  async 'stage 1 is cleared by swipes on the board alone, and a tap there does nothing'(page) {
    await onTouchScreen(page, 360, 640);
    await page.tap('#Option1-0');
    const before = await boardPixels(page);
    const board = await (await page.$('#MapPic')).boundingBox();
    await page.touchscreen.tap(board.x + board.width / 2, board.y + board.height / 2);
    await sleep(300);
    assert.deepEqual(await boardPixels(page), before, 'a tap moves nothing');
    const line = execFileSync(cli, ['solve', stageFile, '1']).toString().match(/: (\d+)/)[1];
    const ways = [[-60, 0], [0, -60], [60, 0], [0, 60]];
    for (const [turn, direction] of [...line].entries()) {
      await swipe(page, ...ways[direction]);
      await waitFor(page, async () => Number(await textOf(page, 'Label5')) === turn + 1, `turn ${turn + 1}`);
    }
    assert.ok(await visible(page, 'Frame7'), 'STAGE CLEAR!! is shown');
    const [panel, boardNow] = await Promise.all(['Frame7', 'MapPic'].map(async (id) => (await page.$(`#${id}`)).boundingBox()));
    assert.ok(panel.x >= boardNow.x && panel.x + panel.width <= boardNow.x + boardNow.width &&
              panel.y >= boardNow.y && panel.y + panel.height <= boardNow.y + boardNow.height, 'over the board');
  },

  async 'stage 1 played by the direction buttons clears and saves the shipped replay'(page) {
    await page.click('#Option1-0');
    await page.select('#Combo1', '超速い');
    const line = execFileSync(cli, ['solve', stageFile, '1']).toString().match(/: (\d+)/)[1];
    for (const [turn, direction] of [...line].entries()) {
      await page.click(`#Picture4-${direction}`);
      await waitFor(page, async () => Number(await textOf(page, 'Label5')) === turn + 1, `turn ${turn + 1}`);
    }
    assert.ok(await visible(page, 'Frame7'), 'STAGE CLEAR!! is shown');
    // Too wide for one line, the caption wraps at its space: two line boxes inside the panel.
    const lines = await page.$eval('#Label7', (label) => {
      const range = document.createRange();
      range.selectNodeContents(label);
      const panel = document.getElementById('Frame7').getBoundingClientRect();
      return [...range.getClientRects()].map((line) => line.left >= panel.left &&
          line.right <= panel.right && line.top >= panel.top && line.bottom <= panel.bottom);
    });
    assert.deepEqual(lines, [true, true], 'STAGE over CLEAR!!, both inside the panel');
    const saved = await saveAs(page, 'Command4', 'stage01');
    assert.equal(saved.name, 'stage01.vkrp');
    assert.deepEqual(Buffer.from(saved.bytes), fs.readFileSync(path.join(sources, 'replaydata', 'stage01.vkrp')));
  },

  async 'a replay from the picker plays back to the clear, and the stop button stops one'(page) {
    const replay = path.join(sources, 'replaydata', 'stage01.vkrp');
    await page.click('#Option1-0');
    await page.select('#Combo1', '超速い');
    await openThroughPicker(page, 'Command6', replay);
    assert.match(await answerMessage(page), /リプレイデータを読み込みました/);
    await waitFor(page, () => visible(page, 'Frame7'), 'STAGE CLEAR!!');
    assert.equal(await textOf(page, 'Label5'), '015');
    assert.equal(await visible(page, 'Frame6'), false);

    await page.select('#Combo1', 'スムーズ');
    await openThroughPicker(page, 'Command6', replay);
    await answerMessage(page);
    assert.ok(await visible(page, 'Frame6'), 'the stop panel shows while a replay plays');
    await page.click('#Command8');
    await waitFor(page, async () => !(await visible(page, 'Frame6')), 'the replay to stop');
    await sleep(500);
    assert.ok(Number(await textOf(page, 'Label5')) < 15, 'the replay stopped before its end');
    assert.equal(await visible(page, 'Frame7'), false);
  },

  // The stop panel lies over the column: nothing under it takes the focus, from Tab or otherwise,
  // so a stage option cannot be pressed with Space under a running replay.
  async 'during a replay only the stop button is in reach, and the focus comes back after it'(page) {
    const replay = path.join(sources, 'replaydata', 'stage01.vkrp');
    await page.click('#Option1-0');
    const stageName = await textOf(page, 'Text1');
    await page.select('#Combo1', '超スムーズ');
    await openThroughPicker(page, 'Command6', replay);
    await answerMessage(page);
    assert.ok(await visible(page, 'Frame6'), 'the stop panel shows');
    const focused = () => page.evaluate(() => document.activeElement.id);
    assert.equal(await focused(), 'Command8');
    const reached = new Set();
    for (let press = 0; press < 12; ++press) {
      await page.keyboard.press('Tab');
      reached.add(await focused());
    }
    assert.deepEqual([...reached].filter((id) => id), ['Command8'], 'Tab reaches the stop button alone');
    await page.evaluate(() => document.activeElement.blur());
    await page.focus('#Option1-3');
    await page.keyboard.press('Space');
    assert.equal(await textOf(page, 'Text1'), stageName, 'the stage stays');
    assert.ok(await visible(page, 'Frame6'), 'the replay goes on');
    await page.click('#Command8');
    await waitFor(page, async () => !(await visible(page, 'Frame6')), 'the replay to stop');
    assert.equal(await focused(), 'Command6');
  },

  async 'a broken stage file is refused and changes nothing'(page) {
    await page.click('#Option1-2');
    const [board, dataSetName, stageName] =
        [await boardPixels(page), await textOf(page, 'Text2'), await textOf(page, 'Text1')];
    const broken = path.join(scratch, 'broken.vkst');
    fs.writeFileSync(broken, '"only a name"\r\n"and"\r\n');
    await openThroughPicker(page, 'Command2', broken);
    const message = await answerMessage(page);
    assert.match(message, /^原因不明のエラーで、broken\.vkstをデータロードできませんでした\n/);
    assert.deepEqual(await boardPixels(page), board);
    assert.equal(await textOf(page, 'Text2'), dataSetName);
    assert.equal(await textOf(page, 'Text1'), stageName);
  },

  async 'the open dialog lists a stage file named in capitals, and opens it'(page) {
    const advanced = fs.readFileSync(path.join(sources, 'stagedata', 'vantoki_advanced.vkst'));
    // Kept as a save keeps it: the folder lists only what the browser keeps.
    await page.evaluate((bytes) => {
      const {FS} = window.vantoki.module;
      FS.mkdir('/player/stagedata');
      FS.writeFile('/player/stagedata/ADVANCED.VKST', new Uint8Array(bytes));
      return window.vantoki.page.keepPlayerFile('/player/stagedata/ADVANCED.VKST');
    }, Array.from(advanced));
    await page.click('#Command2');
    await page.waitForSelector('.overlay .file-list');
    const listed = await page.$$eval('.overlay .file-list option', (options) => options.map((option) => option.textContent));
    assert.deepEqual(listed, ['ADVANCED.VKST', 'vantoki.vkst', 'vantoki_advanced.vkst']);
    const [open] = await page.$$('xpath/.//div[contains(@class,"dialog-buttons")]/button[text()="開く"]');
    await open.click();
    assert.equal(await answerMessage(page), 'データロードが完了しました');
    await page.click('#Option1-6');
    const stage7 = execFileSync(cli, ['check', path.join(sources, 'stagedata', 'vantoki_advanced.vkst')]).toString().split('\n')[7];
    assert.equal(await textOf(page, 'Text1'), stage7.match(/name (.*)$/)[1]);
  },

  async 'an edited stage saved from the page reads back as the same stage'(page) {
    await page.click('#Option1-0');
    await page.click('#Command3');
    // The palette's star (fifth column, second row) for the left button, painted on an empty
    // cell of stage 1; then the stage gets a new name.
    const palette = await page.$('#Picture1');
    const paletteBox = await palette.boundingBox();
    await page.mouse.click(paletteBox.x + 180, paletteBox.y + 60);
    const board = await (await page.$('#MapPic')).boundingBox();
    await page.mouse.click(board.x + 2 * 40 + 20, board.y + 4 * 40 + 20);
    await page.click('#Text1', {clickCount: 3});
    await page.keyboard.type('星をひとつ足した一歩');
    const saved = await saveAs(page, 'Command1', 'edited');
    assert.equal(saved.name, 'edited.vkst');
    const original = execFileSync(cli, ['check', stageFile]).toString().split('\n');
    const edited = checkSaved(saved);
    assert.equal(edited[1], 'stage 1: players 1, bombs 1, stars 2, balls 0, arrow blocks 0, name 星をひとつ足した一歩', edited[1]);
    assert.deepEqual(edited.slice(2), original.slice(2));
    assert.equal(edited[0], original[0]);
  },

  // The star for a tap on the palette, the ball for a finger held on it; painted on two cells of
  // stage 1 the same two ways, on a phone's screen, where a picture's pixels are scaled down.
  async 'in the editor a finger paints with the left tile, and held still first with the right'(page) {
    await onTouchScreen(page, 360, 640);
    const touch = await page.createCDPSession();
    const hold = async (point) => {
      await touch.send('Input.dispatchTouchEvent', {type: 'touchStart', touchPoints: [point]});
      await sleep(800);
      await touch.send('Input.dispatchTouchEvent', {type: 'touchEnd', touchPoints: []});
    };
    await page.tap('#Option1-0');
    await tapControl(page, 'Command3');
    const tap = async (point) => page.touchscreen.tap(point.x, point.y);
    await tap(await onPicture(page, 'Picture1', 180, 60));
    await hold(await onPicture(page, 'Picture1', 20, 100));
    await tap(await onPicture(page, 'MapPic', 2 * 40 + 20, 4 * 40 + 20));
    await hold(await onPicture(page, 'MapPic', 2 * 40 + 20, 5 * 40 + 20));
    const original = execFileSync(cli, ['check', stageFile]).toString().split('\n');
    const edited = checkSaved(await saveAs(page, 'Command1', 'touched'));
    assert.equal(edited[1], 'stage 1: players 1, bombs 1, stars 2, balls 1, arrow blocks 0, name はじめの一歩', edited[1]);
    assert.deepEqual(edited.slice(2), original.slice(2));
  },

  async 'leaving the page with unsaved edits has the browser ask first, and a save settles them'(page) {
    const questions = [];
    page.on('dialog', async (dialog) => {
      questions.push(dialog.type());
      await dialog.dismiss();
    });
    const leave = async () => {
      await page.evaluate(() => location.reload());
      await sleep(500);
    };
    await page.click('#Command7');
    await leave();
    assert.deepEqual(questions, [], 'a dialog alone leaves nothing unsaved');
    await page.click('#Command3');
    await page.click('#Text2', {clickCount: 3});
    await page.keyboard.type('編集中');
    await leave();
    assert.deepEqual(questions, ['beforeunload']);
    await saveAs(page, 'Command1', 'settled');
    await leave();
    assert.deepEqual(questions, ['beforeunload'], 'nothing left unsaved, nothing asked');
  },

  async 'a stage copied in the stage operations dialog is saved over the other number'(page) {
    await page.click('#Command3');
    await page.click('#Command9');
    await page.click('#Form2-Option1-1');
    await page.click('#Form2-Option1-14');
    await page.click('#Form2-Option2');
    await page.click('#Form2-Option4');
    // What the dialog says it shows: one option held down a side, one operation, the names.
    await waitFor(page, () => page.$eval('#Form2-Option4 input', (radio) => radio.checked), 'the copy chosen');
    assert.deepEqual(await page.$$eval('#Form2 .checked, #Form2 input:checked', (nodes) => nodes.map((node) => node.id || node.parentNode.id)),
                     ['Form2-Option1-1', 'Form2-Option1-14', 'Form2-Option4']);
    const stageNames = execFileSync(cli, ['check', stageFile]).toString().split('\n');
    assert.equal(`stage 2: ${await textOf(page, 'Form2-Text1-0')}`, stageNames[2].replace(/: .*name /, ': '));
    await page.click('#Form2-Command1');
    assert.match(await answerMessage(page, 'はい'), /^ステージ2をステージ5に上書きコピーします。/);
    assert.equal(await visible(page, 'Form2'), false);
    const original = execFileSync(cli, ['check', stageFile]).toString().split('\n');
    const copied = checkSaved(await saveAs(page, 'Command1', 'copied'));
    assert.equal(copied[5], original[2].replace(/^stage 2:/, 'stage 5:'));
    assert.deepEqual(copied.filter((_, line) => line !== 5), original.filter((_, line) => line !== 5));
  },

  async 'a saved stage set is kept over a reload, listed under 自分のフォルダー, and opens again'(page) {
    await page.click('#Command3');
    await page.click('#Option1-3');
    await renameStage(page, '残しておく');
    const saved = await saveAs(page, 'Command1', 'kept');
    await page.reload();
    await page.waitForFunction(() => window.vantoki && window.vantoki.page.firstBoardAt > 0);
    assert.deepEqual(await listedUnder(page, 'Command2', '自分のフォルダー'), ['kept.vkst']);
    const [open] = await page.$$('xpath/.//div[contains(@class,"dialog-buttons")]/button[text()="開く"]');
    await open.click();
    assert.equal(await answerMessage(page), 'データロードが完了しました');
    await page.click('#Option1-3');
    assert.equal(await textOf(page, 'Text1'), '残しておく');
    assert.deepEqual(await storedBytes(page, '/player/stagedata/kept.vkst'), saved.bytes);
  },

  // Both tabs open all along: what one saves, the other lists, asks about before replacing it,
  // and opens, and neither save takes away the other's files.
  async 'two tabs of the page share what they keep, as it is now'(page) {
    const other = await anotherTab(page);
    await other.click('#Command3');
    await renameStage(other, '別のタブ');
    await saveAs(other, 'Command1', 'shared');
    await page.bringToFront();
    await page.click('#Command3');
    await nameSave(page, 'Command1', 'shared');
    assert.equal(await answerMessage(page, 'いいえ'), '同名のファイルが存在します。上書きしますか？');
    await saveAs(page, 'Command1', 'mine');
    await other.bringToFront();
    assert.deepEqual(await listedUnder(other, 'Command2', '自分のフォルダー'), ['mine.vkst', 'shared.vkst']);
    await other.close();
    await page.bringToFront();
    await listedUnder(page, 'Command2', '自分のフォルダー');
    await page.select('.overlay .file-list', '/player/stagedata/shared.vkst');
    await pressDialogButton(page, '開く');
    assert.equal(await answerMessage(page), 'データロードが完了しました');
    assert.equal(await textOf(page, 'Text1'), '別のタブ');
  },

  // IndexedDB missing, and IndexedDB whose open never answers.
  async 'without a storage that answers the page starts and plays, and a save says it was only downloaded'(page) {
    for (const [what, breakStorage] of [
      ['missing', () => Object.defineProperty(window, 'indexedDB', {value: undefined})],
      ['silent', () => { IDBFactory.prototype.open = () => ({}); }],
    ]) {
      const tab = await anotherTab(page, breakStorage);
      await tab.keyboard.press('h');
      assert.match(await answerMessage(tab), /^次の一手：/, what);
      await tab.click('#Command7');
      assert.ok(await visible(tab, 'frmAbout'), what);
      await tab.click('#frmAbout-Command1');
      await tab.click('#Command3');
      await nameSave(tab, 'Command1', 'lost');
      assert.match(await answerMessage(tab), /\nダウンロードはしましたが、ブラウザーに保存できませんでした$/, what);
      assert.equal(await downloadCount(tab), 1, what);
      assert.deepEqual(await listedUnder(tab, 'Command2', '自分のフォルダー'), [], what);
      await tab.close();
    }
  },

  // An entry of the page's database outside the player's folder, or leading out of it, is never
  // taken, and one the folder cannot take is skipped; the browser is asked to keep the storage
  // once a first file is kept.
  async 'only the player\'s folder is taken from the storage, and keeping a file asks for it to last'(page) {
    const shipped = '/vantoki/stagedata/vantoki.vkst';
    const before = await storedBytes(page, shipped);
    await page.evaluate(() => new Promise((resolve) => {
      indexedDB.open('/player', 21).onsuccess = (event) => {
        const writing = event.target.result.transaction(['FILE_DATA'], 'readwrite');
        const planted = {timestamp: new Date(), mode: 0o100644, contents: new Uint8Array([1, 2, 3])};
        // The last two cannot both be: a file where a folder of the next must be.
        for (const key of ['/vantoki/stagedata/vantoki.vkst', '/player/../vantoki/stagedata/vantoki.vkst',
                           '/player/stagedata/planted.vkst', '/player/replaydata', '/player/replaydata/x.vkrp']) {
          writing.objectStore('FILE_DATA').put(planted, key);
        }
        writing.oncomplete = resolve;
      };
    }));
    const tab = await anotherTab(page, () => {
      window.persistAsked = 0;
      navigator.storage.persist = async () => ++window.persistAsked > 0;
    });
    assert.deepEqual(await storedBytes(tab, shipped), before);
    assert.deepEqual(await listedUnder(tab, 'Command2', '自分のフォルダー'), ['planted.vkst']);
    await pressDialogButton(tab, 'キャンセル');
    await tab.click('#Command3');
    assert.equal(await tab.evaluate(() => window.persistAsked), 0);
    await saveAs(tab, 'Command1', 'first');
    await saveAs(tab, 'Command1', 'second');
    assert.equal(await tab.evaluate(() => window.persistAsked), 1);
    await tab.close();
  },

  // The game's own files and a file picked on the computer have nothing to delete.
  async 'a kept file is deleted from the open dialog once the player says はい'(page) {
    await page.click('#Command3');
    await saveAs(page, 'Command1', 'gone');
    await saveAs(page, 'Command1', 'stays');
    const deleteButton = async (file) => {
      await page.select('.overlay .file-list', file);
      const [button] = await page.$$('xpath/.//div[contains(@class,"dialog-buttons")]/button[text()="削除"]');
      return button;
    };
    await listedUnder(page, 'Command2', '自分のフォルダー');
    assert.ok(await (await deleteButton('/vantoki/stagedata/vantoki.vkst')).evaluate((button) => button.disabled));
    for (const [answer, left] of [['いいえ', ['gone.vkst', 'stays.vkst']], ['はい', ['stays.vkst']]]) {
      await (await deleteButton('/player/stagedata/gone.vkst')).click();
      assert.equal(await answerMessage(page, answer), 'gone.vkstを削除します。よろしいですか？');
      await page.waitForSelector('.overlay .file-list');
      assert.deepEqual(await page.$$eval('.overlay .file-list optgroup[label="自分のフォルダー"] option',
                                         (options) => options.map((option) => option.textContent)), left);
    }
    await pressDialogButton(page, 'キャンセル');
    await page.reload();
    await page.waitForFunction(() => window.vantoki && window.vantoki.page.firstBoardAt > 0);
    assert.deepEqual(await listedUnder(page, 'Command2', '自分のフォルダー'), ['stays.vkst']);
  },

  async 'saving again under the same name asks first: いいえ keeps the old file, はい replaces it'(page) {
    await page.click('#Command3');
    const first = await saveAs(page, 'Command1', 'twice');
    await renameStage(page, '二度目');
    const downloads = await downloadCount(page);
    await nameSave(page, 'Command1', 'twice');
    assert.equal(await answerMessage(page, 'いいえ'), '同名のファイルが存在します。上書きしますか？');
    assert.equal(await downloadCount(page), downloads);
    assert.deepEqual(await storedBytes(page, '/player/stagedata/twice.vkst'), first.bytes);

    await nameSave(page, 'Command1', 'twice');
    assert.equal(await answerMessage(page, 'はい'), '同名のファイルが存在します。上書きしますか？');
    assert.equal(await answerMessage(page), 'データセーブが完了しました');
    const second = await page.evaluate(() => Array.from(window.vantoki.page.downloads.at(-1).bytes));
    assert.notDeepEqual(second, first.bytes);
    assert.deepEqual(await storedBytes(page, '/player/stagedata/twice.vkst'), second);
  },

  // Refused as typed, and once the extension makes it too long; each cause is the name check's.
  async 'a name the page cannot keep gets the failure message with its cause, and no download'(page) {
    await page.click('#Command3');
    const long = 'x'.repeat(251);
    for (const [name, shown, cause] of [
      ['a/b', 'a/b', 'ファイル名に「/」は使えません'],
      [long, `${long}.vkst`, 'ファイル名が長すぎます'],
    ]) {
      await nameSave(page, 'Command1', name);
      assert.equal(await answerMessage(page), `原因不明のエラーで、${shown}をデータセーブできませんでした\n${cause}`);
    }
    assert.equal(await downloadCount(page), 0);
    assert.deepEqual(await page.evaluate(() => window.vantoki.module.FS.readdir('/player/stagedata')), ['.', '..']);
  },

  // Whatever name the save keeps, the open dialog lists it, a hidden one too, and opens it.
  async 'every name a save keeps is handed over, listed under 自分のフォルダー and opened again'(page) {
    await page.click('#Command3');
    const kept = [];
    for (const [name, file] of [['.hidden', '.hidden.vkst'], ['...', '...'], ['x.', 'x.'], ['stage.v2', 'stage.v2'],
                                ['..x', '..x'], ['.vkrp', '.vkrp.vkst']]) {
      const saved = await saveAs(page, 'Command1', name);
      assert.equal(saved.name, file);
      assert.ok(saved.bytes.length > 0);
      assert.deepEqual(await storedBytes(page, `/player/stagedata/${file}`), saved.bytes);
      kept.push(file);
    }
    assert.deepEqual((await listedUnder(page, 'Command2', '自分のフォルダー')).sort(), kept.sort());
    await page.select('.overlay .file-list', '/player/stagedata/..x');
    await pressDialogButton(page, '開く');
    assert.equal(await answerMessage(page), 'データロードが完了しました');
  },

  async 'the About box opens the help page'(page) {
    await page.click('#Command7');
    assert.ok(await visible(page, 'frmAbout'), 'the About box is shown');
    for (const link of ['frmAbout-Label3', 'frmAbout-Label5']) {
      assert.ok(await page.$eval(`#${link}`, (node) => node.scrollWidth <= node.clientWidth), `${link} holds its text`);
    }
    const [help] = await Promise.all([
      new Promise((resolve) => page.browser().once('targetcreated', (target) => resolve(target.page()))),
      page.click('#frmAbout-Command2'),
    ]);
    await help.waitForFunction(() => document.readyState === 'complete');
    assert.match(await help.title(), /Vantoki/);
    assert.ok(await help.$eval('img', (image) => image.complete && image.naturalWidth > 0));
    await help.close();
    await page.click('#frmAbout-Command1');
    assert.equal(await visible(page, 'frmAbout'), false);
  },

  // On a server of its own, which goes away after the first visit.
  async 'after one visit the page opens and plays with no network, with its help page and hints'(page) {
    const server = await serve(pageFolder);
    const origin = `http://127.0.0.1:${server.address().port}`;
    await page.goto(`${origin}/`);
    await page.evaluate(() => navigator.serviceWorker.ready);
    server.closeAllConnections();
    await new Promise((resolve) => server.close(resolve));
    await page.reload();
    await page.waitForFunction(() => window.vantoki && window.vantoki.page.firstBoardAt > 0);
    const png = path.join(scratch, 'offline.png');
    execFileSync(cli, ['render', stageFile, '1', png]);
    assert.deepEqual(await boardPixels(page), await pngPixels(page, png), 'stage 1 is drawn');
    const first = execFileSync(cli, ['solve', stageFile, '1']).toString().match(/: (\d)/)[1];
    await page.click(`#Picture4-${first}`);
    await waitFor(page, async () => await textOf(page, 'Label5') === '001', 'the move');
    await page.keyboard.press('h');
    assert.match(await answerMessage(page), /^次の一手：/);
    const help = await page.browserContext().newPage();
    await help.goto(`${origin}/help.html`);
    assert.match(await help.title(), /Vantoki/);
    await help.close();
    const advanced = path.join(sources, 'stagedata', 'vantoki_advanced.vkst');
    await page.goto(`${origin}/?stages=stagedata/vantoki_advanced.vkst`);
    await page.waitForFunction(() => window.vantoki && window.vantoki.page.firstBoardAt > 0);
    assert.equal(`data set: ${await textOf(page, 'Text2')}`, execFileSync(cli, ['check', advanced]).toString().split('\n')[0]);
  },

  // A copy of the page, served, then changed as a new build changes it: another style sheet, a
  // hint worker that never answers and another name in the service worker.
  async 'an open page runs its own build to the end, and the next visit once it is closed the new one'(page) {
    const folder = fs.mkdtempSync(path.join(scratch, 'build-'));
    fs.cpSync(pageFolder, folder, {recursive: true});
    const server = await serve(folder);
    try {
      const origin = `http://127.0.0.1:${server.address().port}`;
      await page.goto(`${origin}/`);
      await page.evaluate(() => navigator.serviceWorker.ready);
      const worker = path.join(folder, 'service_worker.js');
      const [oldCache] = fs.readFileSync(worker).toString().match(/vantoki-[0-9a-f]+/);
      fs.writeFileSync(worker, fs.readFileSync(worker).toString().replace(oldCache, 'vantoki-newer'));
      fs.appendFileSync(path.join(folder, 'vantoki.css'), '#Label4 { color: rgb(1, 2, 3); }\n');
      fs.writeFileSync(path.join(folder, 'hint_worker.js'), "'use strict';\n");
      const labelColour = (tab) => tab.$eval('#Label4', (label) => getComputedStyle(label).color);
      await page.reload();
      await page.waitForFunction(() => window.vantoki && window.vantoki.page.firstBoardAt > 0);
      await page.waitForFunction(async () => (await navigator.serviceWorker.getRegistration()).waiting !== null);
      assert.notEqual(await labelColour(page), 'rgb(1, 2, 3)');
      await page.keyboard.press('h');
      assert.match(await answerMessage(page), /^次の一手：/, 'the older build\'s hint worker answers');
      // The next visit once the new worker has taken over, which the browser says through the
      // worker's versions: the one installed and waiting is activated once the page is gone.
      const next = await page.browserContext().newPage();
      const workers = await next.createCDPSession();
      const waiting = new Set();
      const takenOver = new Promise((resolve) => workers.on('ServiceWorker.workerVersionUpdated', ({versions}) => {
        for (const {versionId, status} of versions) {
          if (status === 'installed') waiting.add(versionId);
          if (status === 'activated' && waiting.has(versionId)) resolve();
        }
      }));
      await workers.send('ServiceWorker.enable');
      await page.close();
      await takenOver;
      await next.goto(`${origin}/`);
      await next.waitForFunction(() => window.vantoki && window.vantoki.page.firstBoardAt > 0);
      await next.waitForFunction(async () => (await caches.keys()).join() === 'vantoki-newer');
      assert.equal(await labelColour(next), 'rgb(1, 2, 3)');
    } finally {
      server.closeAllConnections();
      server.close();
    }
  },

  async 'the page is installable: its manifest names the game in Japanese, with its icon at 192 and 512 pixels'(page, origin) {
    const browser = await page.createCDPSession();
    await page.evaluate(() => navigator.serviceWorker.ready);
    // Each test's own browser context is a private one, which the browser never installs from.
    const {installabilityErrors} = await browser.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors.map((error) => error.errorId).filter((id) => id !== 'in-incognito'), []);
    const {errors, data} = await browser.send('Page.getAppManifest');
    assert.deepEqual(errors, []);
    const manifest = JSON.parse(data);
    assert.deepEqual([manifest.name, manifest.short_name, manifest.display], ['ヴァントキ', 'ヴァントキ', 'standalone']);
    assert.deepEqual(manifest.icons.map((icon) => icon.sizes), ['192x192', '512x512']);
    for (const icon of manifest.icons) {
      const file = path.join(scratch, icon.src);
      fs.writeFileSync(file, Buffer.from(await (await fetch(`${origin}/${icon.src}`)).arrayBuffer()));
      const size = Number(icon.sizes.split('x')[0]);
      assert.equal((await pngPixels(page, file)).length, size * size * 4, icon.src);
    }
  },

  async 'H shows the hint of the shortest solution, and the page answers clicks during the search'(page, origin) {
    // Stage 7 of the advanced set: its search takes seconds, and its shortest solution is shipped.
    const advanced = path.join(sources, 'stagedata', 'vantoki_advanced.vkst');
    const replay = path.join(sources, 'replaydata', 'advanced', 'stage07.vkrp');
    const turns = Number(execFileSync(cli, ['replay', advanced, '7', replay]).toString().match(/^turn=(\d+)/)[1]);
    await page.goto(`${origin}/?stages=stagedata/vantoki_advanced.vkst`);
    await page.waitForFunction(() => window.vantoki && window.vantoki.page.firstBoardAt > 0);
    await page.click('#Option1-6');
    await page.keyboard.press('h');
    await page.click('#Command7');
    assert.ok(await visible(page, 'frmAbout'), 'the About box opened during the search');
    assert.ok(await page.evaluate(() => window.vantoki.page.hintSearching), 'still searching');
    await page.click('#frmAbout-Command1');
    const [, arrow, left] = (await answerMessage(page)).match(/^次の一手：([←↑→↓])（あと(\d+)手でクリア）$/);
    assert.equal(Number(left), turns);
    // The move shown is one of a shortest solution: after it, one turn less is left.
    await page.keyboard.press({'←': 'ArrowLeft', '↑': 'ArrowUp', '→': 'ArrowRight', '↓': 'ArrowDown'}[arrow]);
    await waitFor(page, async () => await textOf(page, 'Label5') === '001', 'the move');
    await page.keyboard.press('h');
    assert.match(await answerMessage(page), new RegExp(`（あと${turns - 1}手でクリア）$`));
  },

  async 'a direction key held when a dialog opens walks no further under it'(page) {
    await page.click('#Option1-0');
    await page.select('#Combo1', '超スムーズ');
    await page.keyboard.down('ArrowRight');
    await page.click('#Command7');
    await page.keyboard.up('ArrowRight');
    // The first move takes 2 s; a key still held would start the next one as it ends.
    await waitFor(page, async () => await textOf(page, 'Label5') === '001', 'the first move');
    const after = await boardPixels(page);
    await sleep(300);
    assert.deepEqual(await boardPixels(page), after, 'the robot walks on');
    assert.ok(await visible(page, 'frmAbout'));
  },

  async 'past 500 turns the message a tick opens is waited for, and the game goes on after it'(page) {
    await page.click('#Option1-0');
    await page.select('#Combo1', '超速い');
    // To and fro, ticked at once rather than every 50 ms, until the tick commits turn 501.
    await page.evaluate(() => {
      const {shell, module, isBusy} = window.vantoki;
      const address = shell.address();
      for (let move = 0; move < 600 && !isBusy(); ++move) {
        const button = `Picture4-${move % 2 === 0 ? 2 : 0}`;
        shell.pressPicture(button, 0, 1, 1);
        shell.releasePicture(button);
        for (let tick = 0; tick < 4 && !isBusy(); ++tick) module._tickShell(address);
      }
    });
    assert.equal(await answerMessage(page), '500ターンを超えましたので、これ以上は記録されません！');
    await page.click('#Option1-1');
    assert.equal(await textOf(page, 'Label5'), '000');
    assert.equal(await textOf(page, 'Text1'), execFileSync(cli, ['check', stageFile]).toString().split('\n')[2].match(/name (.*)$/)[1]);
  },

  async 'a move goes on to its end under a message'(page) {
    await page.click('#Option1-0');
    await page.select('#Combo1', '超スムーズ');
    const first = execFileSync(cli, ['solve', stageFile, '1']).toString().match(/: (\d)/)[1];
    const before = await boardPixels(page);
    await page.click(`#Picture4-${first}`);
    await page.click('#Command4');
    await page.waitForSelector('.overlay .file-name');
    await page.type('.overlay .file-name', 'under');
    await page.keyboard.press('Enter');
    await page.waitForSelector('.overlay .message');
    assert.equal(await textOf(page, 'Label5'), '000', 'the move is still under way');
    await waitFor(page, async () => await textOf(page, 'Label5') === '001', 'the move to end');
    assert.ok((await page.$('.overlay .message')) !== null, 'the message is still open');
    assert.notDeepEqual(await boardPixels(page), before);
    assert.equal(await answerMessage(page), 'データセーブが完了しました');
  },
};

(async () => {
  const server = await serve(pageFolder);
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--force-device-scale-factor=1'],
  });
  let failed = 0;
  try {
    for (const [name, test] of Object.entries(tests).filter(([name]) => name.match(only))) {
      // A context of its own, so that no test finds what another saved in the browser's storage.
      const context = await browser.createBrowserContext();
      const page = await context.newPage();
      const errors = [];
      page.on('pageerror', (error) => errors.push(error.message));
      await page.setViewport({width: 900, height: 700});
      const origin = `http://127.0.0.1:${server.address().port}`;
      await page.goto(`${origin}/`);
      await page.waitForFunction(() => window.vantoki && window.vantoki.page.firstBoardAt > 0);
      try {
        const started = Date.now();
        await test(page, origin);
        assert.deepEqual(errors, []);
        console.log(`ok      ${name} (${((Date.now() - started) / 1000).toFixed(1)} s)`);
      } catch (error) {
        ++failed;
        console.log(`FAILED  ${name}\n        ${error.stack.split('\n').slice(0, 5).join('\n        ')}`);
      }
      await context.close();
    }
  } finally {
    await browser.close();
    server.close();
    fs.rmSync(scratch, {recursive: true, force: true});
  }
  process.exit(failed === 0 ? 0 : 1);
})();
