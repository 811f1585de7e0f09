// The window programs on the page: their pages read from the canvas equal the desktop's
// outside the texts, a key and Next turn the pages, the last wait ends the run, Stop ends
// it early, an option from the form reaches the program, and an invalid value gets the
// command line's message and runs nothing.
// Usage: node window_test.js SITE_FOLDER BIN_FOLDER JUGVIEW_PAGES TILEVIEW_PAGES
'use strict';
const { spawnSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { canvasPixels, run, withPage } = require('./harness');

const [site, binFolder, jugviewPages, tileviewPages] = process.argv.slice(2);
const pageMaker = { jugview: jugviewPages, tileview: tileviewPages };
const width = 800, height = 600;

// Where each program sets its texts, with room for the widest; the browser draws texts with
// its own fonts, so only whether a text is there is compared.
const textAreas = {
  jugview: [[20, 10, 119, 39]],                        // the solution's number
  tileview: [[10, 10, 299, 44], [30, 550, 799, 599]],  // the board; the counts
};

// The desktop's pages of a run, as RGB bytes, from the program's own code; in step mode its
// first steps only, or those that the keys of step mode show (page_dump.cpp's KEYS).
function desktopPages(program, args, steps = 0, keys = '') {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'desktop-pages-'));
  try {
    const env = { ...process.env, PAGES: String(steps) };
    if (keys) env.KEYS = keys;
    const r = spawnSync(pageMaker[program], [binFolder, path.join(folder, 'page'), ...args],
                        { env });
    if (r.status !== 0) throw new Error(`${program} pages: ${r.stderr}`);
    const pages = [];
    for (let n = 1; fs.existsSync(path.join(folder, `page-${n}.ppm`)); n++) {
      const ppm = fs.readFileSync(path.join(folder, `page-${n}.ppm`));
      pages.push(ppm.subarray(ppm.length - width * height * 3));
    }
    return pages;
  } finally {
    fs.rmSync(folder, { recursive: true, force: true });
  }
}

function inArea(areas, x, y) {
  return areas.some(([x0, y0, x1, y1]) => x >= x0 && x <= x1 && y >= y0 && y <= y1);
}

// '' when the canvas shows the desktop page: every pixel outside the text areas the same and
// opaque, and a text in each area where, and only where, the desktop has one.
function pageDifference(canvas, desktop, areas) {
  let differ = 0, first = '';
  const marked = areas.map(() => [0, 0]);
  for (let y = 0; y < height; y++) {
    for (let x = 0; x < width; x++) {
      const c = (y * width + x) * 4, d = (y * width + x) * 3;
      const area = areas.findIndex((a) => inArea([a], x, y));
      if (area >= 0) {
        marked[area][0] += canvas[c] < 128 ? 1 : 0;
        marked[area][1] += desktop[d] < 128 ? 1 : 0;
        continue;
      }
      if (canvas[c] !== desktop[d] || canvas[c + 1] !== desktop[d + 1] ||
          canvas[c + 2] !== desktop[d + 2] || canvas[c + 3] !== 255) {
        if (differ++ === 0) {
          first = ` first at (${x}, ${y}): ${[...canvas.subarray(c, c + 4)]} instead of ` +
                  `${[...desktop.subarray(d, d + 3)]}`;
        }
      }
    }
  }
  const texts = marked.map(([browser, desk]) => (browser > 10) === (desk > 10));
  if (differ === 0 && texts.every((t) => t)) return '';
  return `${differ} pixels differ${first}; text where the desktop has it: ${texts}`;
}

// Waits until the run has come to its nth wait, or has ended; returns its state.
async function atWait(page, n) {
  await page.waitForFunction((n) => webPage.run.waits >= n || webPage.run.exitCode !== null,
                             { polling: 20, timeout: 30000 }, n);
  return page.evaluate(() => ({ waits: webPage.run.waits, exitCode: webPage.run.exitCode,
                                errors: webPage.run.errors,
                                status: document.getElementById('status').textContent }));
}

async function ended(page) {
  await page.waitForFunction(() => webPage.run.exitCode !== null, { polling: 20, timeout: 30000 });
  return atWait(page, 0);
}

withPage(site, async (page, t) => {
  const jugview = desktopPages('jugview', []);
  t.check('the desktop shows jugview on 15 pages', jugview.length === 15, jugview.length);

  await run(page, 'jugview');
  let state = await atWait(page, 1);
  t.check('jugview waits after its first page', state.waits === 1 && state.exitCode === null,
          JSON.stringify(state));
  let difference = pageDifference(await canvasPixels(page), jugview[0], textAreas.jugview);
  t.check('jugview page 1 is the desktop page', difference === '', difference);

  await page.keyboard.press('Space');  // the canvas has the focus
  await atWait(page, 2);
  difference = pageDifference(await canvasPixels(page), jugview[1], textAreas.jugview);
  t.check('a key on the canvas turns to page 2', difference === '', difference);

  await page.click('#next');
  await atWait(page, 3);
  difference = pageDifference(await canvasPixels(page), jugview[2], textAreas.jugview);
  t.check('Next turns to page 3', difference === '', difference);

  for (let n = 4; n <= 15; n++) {
    await page.click('#next');
    state = await atWait(page, n);
  }
  difference = pageDifference(await canvasPixels(page), jugview[14], textAreas.jugview);
  t.check('the last wait shows the blank page', state.waits === 15 && difference === '',
          `${state.waits} waits; ${difference}`);
  t.check('the run goes on until the last wait is answered', state.exitCode === null);
  await page.click('#next');
  state = await ended(page);
  t.check('answering the last wait ends the run', state.exitCode === 0 && state.waits === 15 &&
          /has ended/.test(state.status), JSON.stringify(state));

  const tileview = desktopPages('tileview', []);
  await run(page, 'tileview');
  await atWait(page, 1);
  const tileviewFirst = await canvasPixels(page);
  difference = pageDifference(tileviewFirst, tileview[0], textAreas.tileview);
  t.check('tileview page 1 is the desktop page', difference === '', difference);
  await page.click('#stop');
  state = await ended(page);
  t.check('Stop ends the run', state.exitCode === 143 && /was stopped/.test(state.status),
          JSON.stringify(state));

  const small = desktopPages('tileview', ['--board', '4x4']);
  await run(page, 'tileview', { board: '4x4' });
  await atWait(page, 1);
  const smallFirst = await canvasPixels(page);
  difference = pageDifference(smallFirst, small[0], textAreas.tileview);
  t.check('tileview --board 4x4 from the form shows its desktop page', difference === '',
          difference);
  t.check('and that page is not the default one',
          pageDifference(smallFirst, tileview[0], textAreas.tileview) !== '');

  // Step mode: the desktop's steps, one per Next; with a delay the steps come by themselves,
  // and Stop ends the run between two of them.
  const steps = desktopPages('jugview', ['--steps'], 0, 'rl');
  // The header, the legend's words (not its marks), the amounts under the first row of
  // pictures, and the status line with the marker of a step seen again under it.
  const stepTexts = [[10, 0, 505, 40], [532, 0, 612, 40], [638, 0, 799, 40], [0, 102, 799, 125],
                     [10, 550, 799, 599]];
  await run(page, 'jugview', { steps: true });
  await atWait(page, 1);
  difference = pageDifference(await canvasPixels(page), steps[0], stepTexts);
  t.check('jugview --steps shows the desktop\'s first step', difference === '', difference);
  await page.click('#next');
  await atWait(page, 2);
  difference = pageDifference(await canvasPixels(page), steps[1], stepTexts);
  t.check('Next takes the second step', difference === '', difference);
  await page.keyboard.press('ArrowLeft');
  await atWait(page, 3);
  difference = pageDifference(await canvasPixels(page), steps[2], stepTexts);
  t.check('the left arrow goes back to the first step', difference === '', difference);
  await page.click('#stop');
  await ended(page);

  await run(page, 'jugview', { steps: true, delay: '30' });
  const before = await canvasPixels(page);
  await new Promise((resolve) => setTimeout(resolve, 500));
  const later = await canvasPixels(page);
  state = await atWait(page, 0);
  t.check('with a delay the steps come by themselves',
          state.exitCode === null && !before.equals(later), JSON.stringify(state));
  const stopAt = Date.now();
  await page.click('#stop');
  state = await ended(page);
  t.check('Stop ends a run that steps by itself', state.exitCode === 143 && Date.now() - stopAt < 3000,
          JSON.stringify(state));

  const desktop = spawnSync(path.join(binFolder, 'jugview'), ['--jugs', '0,5,3']);
  await run(page, 'jugview', { jugs: '0,5,3' });
  state = await ended(page);
  t.check('an invalid value ends with status 2', state.exitCode === 2 && desktop.status === 2,
          `${state.exitCode} (desktop ${desktop.status})`);
  t.check('and shows the command line\'s message', state.errors === desktop.stderr.toString() &&
          state.errors.startsWith('jugview: invalid value \'0,5,3\' for --jugs'),
          JSON.stringify(state.errors));
  const untouched = (await canvasPixels(page)).every((byte) => byte === 0);
  t.check('and runs nothing', state.waits === 0 && untouched);

  // The refused value's message stands under the form, in view on a projector's and on a
  // phone's screen, before the help, which stays closed.
  for (const [width, height] of [[1280, 800], [390, 844]]) {
    await page.setViewport({ width, height });
    await run(page, 'jugview', { jugs: '0,5,3' });
    await ended(page);
    const seen = await page.evaluate(() => {
      const message = document.getElementById('errors'), help = document.getElementById('help');
      const r = message.getBoundingClientRect();
      return { text: message.textContent, top: r.top, bottom: r.bottom, height: innerHeight,
               open: help.open, before: r.bottom <= help.getBoundingClientRect().top };
    });
    t.check(`at ${width}x${height} the message is in view, above the closed help`,
            seen.text.startsWith('jugview: invalid value') && seen.top >= 0 &&
            seen.bottom <= seen.height && seen.before && !seen.open, JSON.stringify(seen));
  }
});
