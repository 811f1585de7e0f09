// The page as a teacher leads a lesson with it (docs/lesson.md): the step in the address
// through a reload, the step keys after a click on a step button, keys that never end a run
// on its last page nor in present mode, and present mode's sizes at two screen sizes.
// Usage: node lesson_test.js SITE_FOLDER
'use strict';
const { at, open, withPage } = require('./harness');

const [site] = process.argv.slice(2);
const shown = (page) => page.evaluate(() => ({ step: webPage.run.step?.step,
  steps: webPage.run.step?.steps, exitCode: webPage.run.exitCode, status: webPage.run.step?.status,
  address: location.search, note: document.getElementById('place-note').textContent }));
const settle = () => new Promise((resolve) => setTimeout(resolve, 400));

// Present mode's smallest text and tree label shown (CSS pixels), the lines cut off, and
// whether the tree's legend stands over the tree.
const measure = (page) => page.evaluate(() => {
  const px = (e) => parseFloat(getComputedStyle(e).fontSize);
  const seen = (selector) => [...document.querySelectorAll(selector)].filter((e) => e.getClientRects().length);
  const texts = seen('#console, #trace li, #code > span, #own-step, #status');
  const labels = seen('#tree g.tree text').map((e) => px(e) *
    e.ownerSVGElement.getBoundingClientRect().width / e.ownerSVGElement.viewBox.baseVal.width);
  const top = (id) => document.getElementById(id).getBoundingClientRect();
  return { text: Math.min(...texts.map(px)), label: Math.min(...labels, Infinity),
           cut: texts.filter((e) => e.scrollWidth > e.clientWidth + 1).length,
           covered: top('tree-legend').bottom > top('tree').top };
});

withPage(site, async (page, t) => {
  await open(page, '?program=jugview&steps=1&step=31');
  await at(page, () => /^step 31 /.test(webPage.run.step?.status));
  await page.reload();
  await page.waitForSelector('#program option');
  await at(page, () => /^step 31 /.test(webPage.run.step?.status));
  let now = await shown(page);
  t.check('?program=jugview&steps=1&step=31 opens at solution 1, and again after a reload',
          /solution 1/.test(now.status) && /step=31/.test(now.address), JSON.stringify(now));

  await page.click('#step-forward');
  await at(page, () => webPage.run.step.step === 31);
  await page.keyboard.press('ArrowRight');
  await at(page, () => webPage.run.step.step === 32 && /step=33/.test(location.search));
  await page.keyboard.press('Space');
  await at(page, () => webPage.run.step.step > 36);
  await page.keyboard.press('Space');
  const paused = (await shown(page)).step;
  await settle();
  now = await shown(page);
  t.check('after a click on Forward, the right arrow steps (the address follows) and the space ' +
          'bar plays and pauses', now.step <= paused + 1 && now.exitCode === null,
          JSON.stringify({ paused, now }));

  // tileview's last page, from a step past the end.
  await open(page, '?program=tileview&board=4x3&steps=1&step=500');
  await at(page, () => /^step 93 /.test(webPage.run.step?.status));
  t.check('a step past the end gives the last, with a note', /past the end/.test((await shown(page)).note));
  await page.keyboard.press('ArrowRight');
  await at(page, () => webPage.run.step.step === webPage.run.step.steps);
  const press = async (...keys) => {
    for (const key of keys) {
      const [held, pressed] = key.split('+');
      if (pressed) await page.keyboard.down(held);
      await page.keyboard.press(pressed || held);
      if (pressed) await page.keyboard.up(held);
    }
  };
  const browsers = ['Shift', 'Control', 'Alt', 'Tab', 'F11', 'Control+Equal', 'Control+Minus'];
  await press(...browsers, 'Escape');
  await page.focus('#screen');
  await press('f', ...browsers, 'x', 'Enter', 'q', 'Escape', 'Escape');
  await settle();
  now = await shown(page);
  t.check('on the last page the browser\'s keys, Escape, and x, Enter, q in Present keep the run',
          now.exitCode === null && now.step === now.steps, JSON.stringify(now));
  await press('ArrowLeft');
  await at(page, () => webPage.run.step.step === webPage.run.step.steps - 1);

  const views = [
    ['juglist\'s trace', '?program=juglist&trace=1&no-wait=1', () => webPage.run.exitCode === 0],
    ['the permlist tree', '?program=permlist&size=3&tree=1&no-wait=1', () => webPage.run.treeSvg],
    ['jugview\'s steps', '?program=jugview&steps=1&step=31', () => webPage.run.treeStep === 30],
    ['"Your own search"', '?program=own-search&example=n-queens&step=197',
      () => webPage.run.step?.step === 196 && webPage.run.treeStep === 196],
  ];
  for (const [width, height, least, leastLabel] of [[1920, 1080, 28, 20], [1280, 720, 20, 16]]) {
    await page.setViewport({ width, height });
    for (const [what, query, ready] of views) {
      await open(page, query);
      if (/own-search/.test(query)) await at(page, () => /n = 6;/.test(webPage.own.editor?.getValue?.()));
      if (!/steps=1/.test(query)) await page.click('#run');
      await at(page, ready);
      await press('f');
      await settle();
      const size = await measure(page);
      const tree = !/juglist/.test(query);
      t.check(`Present of ${what} at ${width}x${height}: text of ${least} px or more` +
              `${tree ? `, tree labels of ${leastLabel} px or more` : ''}, no line cut`,
              size.text >= least && (!tree || size.label >= leastLabel) && size.cut === 0 &&
              !size.covered, JSON.stringify(size));
    }
  }
});
