// The page as a classroom uses it: each program's whole --help as the desktop prints it, the
// step buttons going back and forward over the same pictures, the trace panel holding the
// desktop's --trace lines, the code panel marking the line each kind of step runs, and the
// page's layout at three screen sizes with nothing wider than the screen. It also measures
// how soon a step reaches the canvas and the panels, for the README.
// Usage: node classroom_test.js SITE_FOLDER BIN_FOLDER [SCREENSHOT_FOLDER]
'use strict';
const { spawnSync } = require('child_process');
const path = require('path');
const { canvasPixels, run, withPage } = require('./harness');

const [site, binFolder, shots] = process.argv.slice(2);
const desktop = (program, args) =>
  spawnSync(path.join(binFolder, program), args, { stdio: ['ignore', 'pipe', 'pipe'] }).stdout
    .toString('utf8');

// What the page shows of the step: its number, the trace panel's lines, the marked code line.
function shown(page) {
  return page.evaluate(() => ({
    step: webPage.run.step && webPage.run.step.step,
    trace: [...document.querySelectorAll('#trace li')].map((li) => li.textContent),
    current: (document.querySelector('#trace li.current') || {}).textContent,
    code: (document.querySelector('#code .current') || {}).textContent,
    codeBefore: ((document.querySelector('#code .current') || {}).previousElementSibling || {})
      .textContent,
    ran: webPage.run.step && webPage.run.step.ran,
  }));
}

// The median time from the key of the step button to the canvas showing the step, over count
// steps forward, each waited for until the panels, the tree's too, show it; in the page.
const keyToCanvas = (page, count) => page.evaluate(async (count) => {
  const times = [];
  for (let k = 0; k < count; k++) {
    const step = webPage.run.step.step + 1, pressed = performance.now();
    webPage.run.control.key('ArrowRight');
    while (webPage.run.step.step !== step || webPage.run.treeStep !== step) {
      await new Promise((resolve) => setTimeout(resolve, 0));
    }
    times.push(webPage.run.shownAt - pressed);
  }
  return times.sort((a, b) => a - b)[count >> 1].toFixed(0);
}, count);

// Whether two canvases hold the same picture above the marker that a step seen again gets
// under its status line (steps/step_player.h).
const markerTop = 584;
const samePicture = (a, b) => a.subarray(0, markerTop * 800 * 4).equals(b.subarray(0, markerTop * 800 * 4));

// Presses a step button and waits for the step it shows; returns the time until the canvas
// and all the panels, the tree's too, showed it.
async function press(page, button, step) {
  const pressed = await page.evaluate(() => performance.now());
  await page.click(`#${button}`);
  await page.waitForFunction(
    (step) => webPage.run.step && webPage.run.step.step === step && webPage.run.treeStep === step,
    { polling: 'raf', timeout: 10000 }, step);
  return page.evaluate((pressed) => Math.max(webPage.run.shownAt, webPage.run.treeShownAt) -
                                    pressed, pressed);
}

withPage(site, async (page, t) => {
  for (const program of ['jugview', 'tileview', 'juglist', 'tilelist', 'permlist']) {
    await page.select('#program', program);
    const help = await page.$eval('#help-text', (e) => e.textContent);
    t.check(`the page's help of ${program} is its --help`,
            help === desktop(program, ['--help']) && help.startsWith(`Usage: ${program}`));
  }

  for (const program of ['jugview', 'tileview']) {
    const started = Date.now();
    await run(page, program);
    await page.waitForFunction(() => webPage.run.waits > 0, { polling: 'raf', timeout: 20000 });
    console.log(`${program}'s first page ${Date.now() - started} ms after Run`);
  }

  // jugview, forward 40 steps (past its first solution, at step 31), back 10, forward 10: the
  // same pictures as forward only.
  await run(page, 'jugview', { steps: true });
  await page.waitForFunction(() => webPage.run.step !== null, { timeout: 20000 });
  const forward = [await canvasPixels(page)], times = [];
  const kinds = {}, backUps = new Set();
  for (let k = 1; k <= 40; k++) {
    times.push(await press(page, 'step-forward', k));
    forward.push(await canvasPixels(page));
    const now = await shown(page);
    if (!(now.ran in kinds)) kinds[now.ran] = now.code;
    if (now.ran === 'back-up') backUps.add(`${now.codeBefore}\n${now.code}`);
  }
  const trace = desktop('juglist', ['--trace', '--no-wait']).split('\n');
  let now = await shown(page);
  t.check('the trace panel holds the desktop\'s --trace lines up to the step',
          now.trace.length > 10 && now.trace.every((line, k) => line === trace[k]),
          JSON.stringify(now.trace.slice(0, 3)));
  t.check('and marks the line the step stands on', now.trace.includes(now.current));
  let same = true;
  for (let k = 39; k >= 30; k--) {
    times.push(await press(page, 'step-back', k));
    same = same && samePicture(await canvasPixels(page), forward[k]);
  }
  for (let k = 31; k <= 40; k++) {
    await press(page, 'step-forward', k);
    same = same && samePicture(await canvasPixels(page), forward[k]);
  }
  t.check('Back and Forward show the pictures of going forward only', same);
  await press(page, 'step-first', 0);
  t.check('First goes to the first step', samePicture(await canvasPixels(page), forward[0]));
  now = await shown(page);
  t.check('and the trace\'s mark goes back with it', now.trace.length === 1 &&
          now.current === trace[0], JSON.stringify(now.trace));

  // Each kind of step marks a line of its own in the search's code.
  t.check('the code marks the entry of a call', /tell\(SearchStep::enter\b/.test(kinds.call || ''),
          kinds.call);
  t.check('a pour turned down', /path_contains/.test(kinds['turned-down'] || ''),
          kinds['turned-down']);
  t.check('a solution', /report_solution\(/.test(kinds.solution || ''), kinds.solution);
  // Every back-up to a caller, after a solution and at the end of a call alike, marks the
  // undo, the line right after the recursive call.
  const [backUp] = backUps;
  t.check('a back-up marks the undo after the recursive call', backUps.size === 1 &&
          /^\d+ +pour_search\(child, depth \+ 1\);\n\d+ +state_path\[depth \+ 1\] = no_state;/
            .test(backUp), [...backUps].join(' | '));
  t.check('four different lines',
          new Set([kinds.call, kinds['turned-down'], kinds.solution, kinds['back-up']]).size === 4);
  const sorted = times.slice().sort((a, b) => a - b);
  console.log(`a step reaches the canvas and the panels ${sorted[0].toFixed(0)} to ` +
              `${sorted[sorted.length - 1].toFixed(0)} ms after its button (median ` +
              `${sorted[sorted.length >> 1].toFixed(0)} ms, ${times.length} steps)`);

  // The slider and the step buttons never end a run: on the end page after the last step, the
  // slider back to a step per key keeps the run, and Back shows the last step again.
  await page.evaluate(() => {
    const slider = document.getElementById('step-pace');
    slider.value = 9;
    slider.dispatchEvent(new Event('input'));
  });
  await page.waitForFunction(() => webPage.run.step.step === webPage.run.step.steps,
                             { polling: 50, timeout: 30000 });
  const end = await page.evaluate(() => webPage.run.step.steps);
  await page.evaluate(() => {
    const slider = document.getElementById('step-pace');
    slider.value = 0;
    slider.dispatchEvent(new Event('input'));
  });
  await page.click('#step-back');
  await page.waitForFunction((end) => webPage.run.exitCode !== null ||
                             webPage.run.step.step === end - 1, { polling: 20 }, end);
  t.check('on the end page the slider back to its start keeps the run, and Back works',
          await page.evaluate((end) => webPage.run.exitCode === null &&
                              webPage.run.step.step === end - 1, end));
  await page.click('#stop');
  await page.waitForFunction(() => webPage.run.exitCode !== null, { timeout: 10000 });
  t.check('once the run has ended the step buttons are disabled', await page.$$eval(
    '#step-controls button, #step-controls input', (all) => all.every((c) => c.disabled)));

  // Present mode at 1920x1080: the picture at least 80% of the screen's height in its own
  // proportions, the trace in type of 20 pixels or more; Escape leaves it, and the run goes on.
  await page.setViewport({ width: 1920, height: 1080 });
  await run(page, 'jugview', { steps: true });
  await page.waitForFunction(() => webPage.run.step !== null, { timeout: 20000 });
  const unscaled = await keyToCanvas(page, 150);
  await page.click('#present');
  const presented = await page.evaluate(() => {
    const canvas = document.getElementById('screen').getBoundingClientRect();
    return { share: canvas.height / innerHeight, ratio: canvas.width / canvas.height,
             type: parseFloat(getComputedStyle(document.getElementById('trace')).fontSize) };
  });
  t.check('Present shows the picture large, the trace in large type', presented.share >= 0.8 &&
          Math.abs(presented.ratio - 4 / 3) < 0.01 && presented.type >= 20,
          JSON.stringify(presented));
  // The program draws the picture anew at a scale whose canvas holds at least as many pixels
  // as the canvas is shown on, and the browser only makes it smaller.
  const backing = () => page.evaluate(() => {
    const canvas = document.getElementById('screen');
    return { width: canvas.width, height: canvas.height, step: webPage.run.step.step,
             shown: canvas.getBoundingClientRect().width * devicePixelRatio };
  });
  await page.waitForFunction(() => document.getElementById('screen').width > 800,
                             { polling: 20, timeout: 10000 }).catch(() => {});
  const scaled = await backing();
  t.check('in Present the canvas holds at least the pixels it is shown on',
          scaled.width >= scaled.shown && scaled.width % 800 === 0 &&
          scaled.width * 3 === scaled.height * 4 && scaled.step === 150, JSON.stringify(scaled));
  console.log(`a step of jugview at 1920x1080 reaches the canvas from its key in a median of ` +
              `${unscaled} ms at 800x600, ${await keyToCanvas(page, 150)} ms in Present at ` +
              `${scaled.width}x${scaled.height}, shown ${scaled.shown.toFixed(0)} wide (150 steps)`);
  await page.keyboard.press('Escape');
  t.check('Escape leaves present mode and keeps the run', await page.evaluate(() =>
    !document.body.classList.contains('presenting') && webPage.run.exitCode === null));
  await page.waitForFunction(() => document.getElementById('screen').width === 800,
                             { polling: 20, timeout: 10000 }).catch(() => {});
  t.check('and the picture is drawn at the page\'s own size again',
          (await backing()).width === 800);
  await page.click('#stop');

  // The layout, with the panels beside or below the picture: nothing wider than the screen,
  // and the picture 1:1 where it fits.
  await run(page, 'tileview', { board: '4x3', steps: true });
  await page.waitForFunction(() => webPage.run.step !== null, { timeout: 20000 });
  for (let k = 1; k <= 12; k++) await press(page, 'step-forward', k);
  for (const [width, height] of [[1280, 800], [1920, 1080], [390, 844]]) {
    await page.setViewport({ width, height });
    const fit = await page.evaluate(() => ({
      overflow: document.documentElement.scrollWidth - window.innerWidth,
      canvas: document.getElementById('screen').getBoundingClientRect().width,
      codeCut: document.getElementById('code').scrollWidth - document.getElementById('code')
        .clientWidth,
      beside: document.getElementById('panels').getBoundingClientRect().top <
        document.getElementById('screen').getBoundingClientRect().bottom,
    }));
    t.check(`nothing is wider than a ${width}x${height} screen, no code line cut off`,
            fit.overflow <= 0 && fit.codeCut <= 0, JSON.stringify(fit));
    t.check(`the picture at ${width}px: ${width >= 820 ? '1:1' : 'scaled to the width'}`,
            width >= 820 ? fit.canvas === 802 : fit.canvas <= width);
    t.check(`the panels ${width >= 1280 ? 'beside' : 'below'} the picture`,
            fit.beside === width >= 1280);
    if (shots) {
      await page.screenshot({ path: path.join(shots, `web-page-${width}.png`), fullPage: true });
    }
  }
});
