// "Your own search" in headless Chromium: its kinds of step against run/search_step.h, the
// N-queens example's counts, its summary line against the tree drawn at the last step, the
// trace's mark going back and forth, Next solution, Keep as A, subset sum's downloaded trace
// against a brute force, and the runs the page stops or reports.
// The keys of step mode on the page against step mode's navigation run natively on the same
// trace (STEP_KEYS_PROBE, tests/web/step_keys_probe.cpp).
// With a screenshot folder it leaves there the README's picture, N-queens at its first solution.
// Usage: node own_search_test.js SITE_FOLDER STEP_KEYS_PROBE [SCREENSHOT_FOLDER]
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { openOwnExample, withPage } = require('./harness');

const [site, probe, shots] = process.argv.slice(2);

// Runs the code in the editor, or code given, and waits for the run's end and its first step.
async function runOwn(page, code) {
  if (code !== undefined) await page.evaluate((c) => webPage.own.editor.setValue(c), code);
  const started = Date.now();
  await page.click('#run');
  await page.waitForFunction(() => webPage.own.end, { polling: 50 });
  const ms = Date.now() - started;
  await page.waitForFunction(() => webPage.own.steps === 0 || webPage.run.treeStep === 0);
  return { ms, ...(await page.evaluate(() => ({
    status: document.getElementById('status').textContent, steps: webPage.own.steps,
    errors: document.getElementById('errors').textContent, summary: webPage.own.summary,
    marked: [...document.querySelectorAll('.CodeMirror-code > div')]
      .findIndex((line) => line.querySelector('.own-error-line')) + 1,
  }))) };
}

// The summary line counted from the tree drawn on the last page: its nodes by kind, and
// the most calls nested in one another.
async function summaryOfTreeAtEnd(page) {
  await page.focus('#own-stage');
  await page.keyboard.press('End');
  await page.waitForFunction(() => webPage.run.treeStep === webPage.own.steps);
  return page.$eval('#tree', (tree) => {
    const count = (kind) => tree.querySelectorAll(`g.node.${kind}`).length;
    let depth = 0;
    for (const node of tree.querySelectorAll('g.node.call, g.node.solution')) {
      let level = 0;
      for (let g = node; g.matches('g.node'); g = g.parentElement) level++;
      depth = Math.max(depth, level);
    }
    return `${count('call') + count('solution')} calls, ${count('solution')} found, ` +
      `${count('turned-down')} turned down, ${count('dead-end')} dead ends, depth ${depth}`;
  });
}

withPage(site, async (page, t) => {
  // The kinds of step that the page and its worker number the steps by, as the site has them
  // (search-steps.js, written by the build), are the header's: each enumerator, one a line, in
  // order from 0, and their count.
  const header = fs.readFileSync(path.join(__dirname, '../../run/search_step.h'), 'utf8');
  const names = /enum class SearchStep[^{]*\{([^}]*)\}/.exec(header)[1].split('\n')
    .map((line) => /^\s*(\w+),/.exec(line)?.[1]).filter((name) => name !== undefined);
  const served = await page.evaluate(async () => {
    const kinds = await import(new URL('search-steps.js', location.href).href);
    return { kinds: Object.entries(kinds.SearchStep), count: kinds.search_step_kinds };
  });
  const read = { kinds: names.map((name, value) => [name, value]), count: names.length };
  t.check('search-steps.js numbers the kinds of step as run/search_step.h does',
          names.length > 0 && JSON.stringify(served) === JSON.stringify(read),
          JSON.stringify({ served, read }));

  const queens = await openOwnExample(page);
  for (const [n, solutions] of [[6, 4], [8, 92]]) {
    const ran = await runOwn(page, queens.replace('const n = 6;', `const n = ${n};`));
    t.check(`N-queens for n = ${n} finds ${solutions}`,
            ran.summary.includes(`, ${solutions} found,`) && ran.errors === '', ran.summary);
    t.check(`and its summary line is the tree's at the last step`,
            (await summaryOfTreeAtEnd(page)) === ran.summary, ran.summary);
    if (shots && n === 6) {
      await page.setViewport({ width: 1280, height: 800 });
      await page.click('#step-first');
      await page.click('#step-next');
      await page.waitForFunction(() => webPage.run.treeStep === webPage.run.step.step);
      await page.screenshot({ path: path.join(shots, 'web-own-search.png'), fullPage: true });
      await page.setViewport({ width: 860, height: 900 });
    }
  }

  // Forward five steps, then back two: the mark stands where it stood at the third step.
  await page.click('#step-first');
  const marks = [];
  const mark = () => page.$eval('#trace li.current', (li) => li.textContent);
  for (const button of ['forward', 'forward', 'forward', 'forward', 'forward', 'back', 'back']) {
    await page.click(`#step-${button}`);
    marks.push(await mark());
  }
  t.check('Forward moves the trace\'s mark line by line, and Back moves it back',
          new Set(marks.slice(0, 5)).size === 5 && marks[6] === marks[2], marks);

  // Next solution from the first step stands on the first found(); Keep as A keeps the run
  // of n = 8 (its summary and its tree) beside the next run's.
  await page.click('#step-first');
  await page.click('#step-next');
  const first = await page.evaluate(() => ({ ran: webPage.run.step.ran,
    line: document.querySelector('#trace li.current').textContent }));
  t.check('Next solution goes to the step of the first found()',
          first.ran === 'solution' && /solution 1$/.test(first.line), JSON.stringify(first));
  const eight = await page.evaluate(() => webPage.own.summary);
  await page.click('#own-keep');
  await page.waitForFunction(() => webPage.pair.a?.live);
  const six = await runOwn(page, queens);
  const kept = await page.evaluate(() => ({
    summary: document.getElementById('own-kept-summary').textContent,
    solutions: document.querySelectorAll('#own-kept-tree g.node.solution').length }));
  t.check('Keep as A keeps a run\'s summary and tree beside the next run\'s',
          kept.summary === eight && kept.solutions === 92 && six.summary.includes(', 4 found,'),
          JSON.stringify({ kept, six: six.summary }));

  // The key 9 plays the steps at the fastest pace (here from 40 steps before the last), the
  // space bar pauses and resumes them, and the play ends on the page after the last step,
  // whose tree is then drawn.
  await page.focus('#own-stage');
  await page.keyboard.press('End');
  for (let k = 0; k < 41; k++) await page.keyboard.press('ArrowLeft');
  const from = await page.evaluate(() => webPage.own.shown);
  await page.keyboard.press('9');
  await page.waitForFunction((s) => webPage.own.shown > s + 5, {}, from);
  await page.keyboard.press(' ');
  const pausedAt = await page.evaluate(() => webPage.own.shown);
  await new Promise((r) => setTimeout(r, 300));
  const stillAt = await page.evaluate(() => webPage.own.shown);
  await page.keyboard.press(' ');
  await page.waitForFunction(() => webPage.own.playing === null &&
                             webPage.own.shown === webPage.own.steps, { timeout: 60000 });
  await page.waitForFunction(() => webPage.run.treeStep === webPage.own.steps);
  t.check('Play runs to the last step, and the space bar pauses it where it stands',
          pausedAt === stillAt && pausedAt < six.steps - 1,
          JSON.stringify({ from, pausedAt, stillAt }));

  // Subset sum: the solutions of the downloaded trace, each the numbers on its path.
  await page.select('#own-example', 'subset-sum');
  await page.waitForFunction(() => /const target/.test(webPage.own.editor.getValue()));
  const code = await page.evaluate(() => webPage.own.editor.getValue());
  const numbers = JSON.parse(/const numbers = (\[.*\]);/.exec(code)[1]);
  const target = +/const target = (\d+);/.exec(code)[1];
  const expected = [];
  for (let set = 1; set < 1 << numbers.length; set++) {
    const chosen = numbers.filter((_, k) => set & (1 << k));
    if (chosen.reduce((a, b) => a + b) === target) expected.push(chosen.join(' '));
  }
  await runOwn(page);
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'own-search-'));
  await (await page.createCDPSession()).send('Browser.setDownloadBehavior',
                                              { behavior: 'allow', downloadPath: folder });
  await page.click('#own-download');
  const file = path.join(folder, 'subset-sum-trace.txt');
  // Whole once it has its name and the browser's partial file is gone.
  const whole = () => fs.existsSync(file) && fs.statSync(file).size > 0 &&
    !fs.readdirSync(folder).some((name) => name.endsWith('.crdownload'));
  while (!whole()) await new Promise((r) => setTimeout(r, 100));
  const found = [], onPath = [];
  for (const line of fs.readFileSync(file, 'utf8').split('\n').filter((l) => l !== '')) {
    onPath.length = line.search(/\S/) / 2;
    onPath.push(/^\s*\+(\d+)/.exec(line)?.[1]);
    if (/ {2}solution \d+$/.test(line)) found.push(onPath.join(' '));
  }
  // The same keys on the page and in step mode's navigation run natively on the same trace.
  const keys = ['n', 'n', 'p', 'End', 'ArrowLeft', 'p', 'Home', 'ArrowRight', 'n', 'End', 'n',
                'ArrowRight', 'p', 'Home', 'p', 'ArrowLeft', 'End'];
  const steps = path.join(folder, 'steps.txt');
  fs.writeFileSync(steps, await page.evaluate(() => [...webPage.own.kinds.subarray(
    0, webPage.own.steps)].map((kind, k) => `${kind} ${webPage.own.lines[k]}\n`).join('')));
  const native = execFileSync(probe, [file, steps, ...keys], { encoding: 'utf8' }).trim();
  await page.focus('#own-stage');
  await page.keyboard.press('Home');
  const pressed = [];
  for (const key of keys) {
    await page.keyboard.press(key);
    pressed.push(await page.evaluate(() => webPage.own.shown));
  }
  t.check('n, p, Home and End go to the steps that step mode\'s navigation goes to',
          pressed.join(' ') === native.split('\n').join(' ') && new Set(pressed).size > 4,
          `${pressed} / ${native.split('\n')}`);
  fs.rmSync(folder, { recursive: true, force: true });
  t.check('subset sum finds the subsets a brute force finds', expected.length > 1 &&
          found.sort().join(',') === expected.sort().join(','), `${found} / ${expected}`);

  // Runs that end early: the limit, the line and the kind of fault named, the line marked.
  const endless = await runOwn(page, "enter('start');\nwhile (true) {}\n");
  // The bound only tells a stop at the limit from none: a loaded machine takes longer.
  t.check('an endless loop is stopped at the limit, its steps kept',
          endless.ms < 20000 && /limit of 10 seconds/.test(endless.status) && endless.steps === 1,
          JSON.stringify(endless));
  for (const [what, source, message] of [
    ['a syntax error', 'const n = 6;\nlet x = ;\n', /^line 2: SyntaxError/],
    ['an enter without its leave', "function f() {\n  enter('a');\n}\nf();\n",
     /^line 2: enter\(\) without its leave\(\)/],
    ['a leave with nothing entered', "enter('a');\nleave();\nleave();\n",
     /^line 3: leave\(\) with nothing entered/],
    ['an exception, also of a network call', "enter('a');\nleave();\nfetch('/');\n",
     /^line 3: ReferenceError: fetch is not defined/],
  ]) {
    const ran = await runOwn(page, source);
    const line = +message.source.match(/line (\d)/)[1];
    t.check(`${what} is reported with its line, marked in the editor`,
            message.test(ran.errors) && ran.marked === line, JSON.stringify(ran));
  }
});
