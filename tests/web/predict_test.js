// Teaching by prediction, in headless Chromium: the call stack beside the steps against the
// trace's path (jugview, tileview, a search of the page's own), predict mode's question and
// what it holds back, two runs kept side by side stepping together, and a search shared by
// a link opened in a fresh browser.
// Usage: node predict_test.js SITE_FOLDER BIN_FOLDER
'use strict';
const { at, open, openOwnExample, tracetree, withPage } = require('./harness');

const [site, bin] = process.argv.slice(2);
const shown = (page) => page.evaluate(() => ({ status: webPage.run.step?.status,
  stack: webPage.run.stack.split('\n').filter((l) => l), question: webPage.run.question,
  trace: [...document.querySelectorAll('#trace li')]
    .map((l) => ({ text: l.textContent, current: l.classList.contains('current') })) }));

// Whether the stack is the path of calls to the trace's current line (that line is a call of
// its own, or a candidate of the newest call), with as many frames as the status line's depth.
function stackIsTracePath({ status, stack, trace }) {
  const onPath = [];
  let indent = Infinity;
  for (let k = trace.findIndex((l) => l.current); k >= 0; k--) {
    const blanks = trace[k].text.search(/\S/);
    if (blanks < indent) onPath.unshift(trace[k].text.trim().split('  ')[0]);
    indent = Math.min(indent, blanks);
  }
  const frames = stack.map((line) => /^depth \d+ {2}(.*?) {2}/.exec(line)?.[1]).reverse();
  return frames.length === +/depth (\d+)/.exec(status)[1] && frames.length >= onPath.length - 1 &&
    JSON.stringify(frames) === JSON.stringify(onPath.slice(0, frames.length));
}

// Runs the code in "Your own search" (or the code in the editor), and waits for its first step.
async function runOwn(page, code) {
  if (code !== undefined) await page.evaluate((c) => webPage.own.editor.setValue(c), code);
  await page.click('#run');
  await at(page, () => webPage.own.end && webPage.run.treeStep === 0);
}

withPage(site, async (page, t) => {
  await open(page, '?program=jugview&steps=1&step=16');
  await at(page, () => /^step 16 /.test(webPage.run.step?.status));
  const sixteen = await shown(page);
  await page.click('#step-back');
  await at(page, () => /^step 15 /.test(webPage.run.step.status));
  await page.click('#step-forward');
  await at(page, () => /^step 16 /.test(webPage.run.step.status));
  t.check('jugview step 16: 8 frames, the newest trying pour 1 into 2; the same after Back and ' +
          'Forward', stackIsTracePath(sixteen) && sixteen.stack[0].startsWith('depth 8  (9 0 1)  ' +
          'trying pour 1 into 2, the 1st of 6 pours: ') &&
          JSON.stringify((await shown(page)).stack) === JSON.stringify(sixteen.stack),
          JSON.stringify(sixteen.stack));
  await open(page, '?program=tileview&board=4x3&steps=1&step=40');
  await at(page, () => /^step 40 /.test(webPage.run.step?.status));
  const tiling = await shown(page);
  t.check('tileview step 40: the stack is the trace\'s path', stackIsTracePath(tiling),
          JSON.stringify(tiling));

  // Predict mode from the address: the question holds step 5 back, the next Forward shows it.
  await open(page, '?program=jugview&steps=1&step=4&predict=1');
  await at(page, () => /^step 4 /.test(webPage.run.step?.status));
  await page.click('#step-forward');
  await at(page, () => webPage.run.question !== null);
  const asked = await shown(page);
  await page.click('#step-forward');
  await at(page, () => /^step 5 .*→/.test(webPage.run.step.status));
  const told = await shown(page);
  t.check('with Predict on, Forward at step 4 asks, holding the step back, and Forward shows it',
          asked.status === 'step 5   depth 4   what happens next?' &&
          asked.question.includes('\n             pour 1 into 2, the 1st of 6 pours → (2 5 3)\n') &&
          !asked.trace.some((l) => l.current && /already on the path/.test(l.text)) &&
          told.status === 'step 5   depth 4   pour 1 into 2 → (2 5 3): already on the path' &&
          told.question === null && /predict=1/.test(await page.evaluate(() => location.search)),
          JSON.stringify({ asked, told: told.status }));
  await page.click('#step-predict');

  // Pruned N-queens kept as A, an unpruned one beside it (docs/lesson.md, exercise 1).
  await page.setViewport({ width: 1920, height: 1000 });
  // n = 5: the unpruned run (3,905 calls) ends well within the page's time limit, however
  // loaded the machine, so that its summary is the whole search's each time it runs.
  const pruned = (await openOwnExample(page)).replace('const n = 6;', 'const n = 5;');
  const unpruned = pruned.replace(/^ *if \(attacked.*\n/m, '')
    .replace('{ found(); return; }', '{ if (safe()) found(); return; }')
    .replace('function place', 'function safe() {\n  return queens.every((col, row) =>\n' +
      '    queens.slice(0, row).every((c, r) => c !== col && Math.abs(c - col) !== row - r));\n}\n\n' +
      'function place');
  await runOwn(page, pruned);
  await page.click('#own-keep');
  await at(page, () => webPage.pair.a?.live);
  await runOwn(page, unpruned);
  await page.click('#step-together');
  const steps = [];
  for (let k = 0; k <= 50; k++) {
    if (k > 0) await page.click('#step-forward');
    await at(page, (n) => webPage.run.step.step === n && webPage.pair.a.step === n, k);
    steps.push(await page.evaluate(() => [webPage.pair.a.status, webPage.run.step.status]));
    if (k === 6) steps.ownStack = await shown(page);
  }
  t.check('unpruned N-queens step 7: the stack is the trace\'s path, each call its label',
          stackIsTracePath(steps.ownStack) && / {2}trying \(\d,\d\), call \d+ entered here: /
            .test(steps.ownStack.stack[1]), JSON.stringify(steps.ownStack));
  const pair = await page.evaluate(() => ({
    trees: ['tree', 'own-kept-tree']
      .map((id) => document.getElementById(id).getBoundingClientRect().toJSON()),
    a: [webPage.pair.a.trace, document.getElementById('own-kept-summary').textContent],
    b: [webPage.own.trace, webPage.own.summary] }));
  const [b, a] = pair.trees;
  t.check('Keep as A at 1920 pixels: the two trees side by side', a.left >= b.right &&
          Math.abs(a.top - b.top) < 2 && a.height > 0 && b.height > 0, JSON.stringify(pair.trees));
  t.check('stepped together 50 times: step 1 agrees, at step 2 the pruned search turns (1,0) ' +
          'down where the unpruned one enters it', steps.length === 51 &&
          steps[0].every((s) => /^step 1 .*enter \(0,0\)$/.test(s)) &&
          /^step 2 .*: \(1,0\) {2}turned down$/.test(steps[1][0]) &&
          /^step 2 .*enter \(1,0\)$/.test(steps[1][1]) && steps[50].every((s) => /^step 51 /.test(s)),
          JSON.stringify(steps.slice(0, 2).concat([steps[50]])));
  t.check('each run\'s summary is tracetree\'s on its trace',
          [pair.a, pair.b].every(([trace, summary]) => tracetree(bin, trace) === summary) &&
          pair.a[1] !== pair.b[1], JSON.stringify([pair.a[1], pair.b[1]]));

  // Share: the unpruned code in the address, opened in a fresh browser, ready to Run.
  await page.click('#own-share');
  await at(page, () => /[?&]code=/.test(location.search));
  const link = await page.$eval('#own-share-link', (field) => field.value);
  const fresh = await page.browser().createBrowserContext();
  const other = await fresh.newPage();
  await other.goto(link);
  await at(other, () => webPage.own?.editor?.getValue?.().includes('function safe()'));
  const before = await other.evaluate(() => [webPage.own.editor.getValue(), webPage.own.steps]);
  await runOwn(other);
  const after = await other.evaluate(() => webPage.own.summary);
  t.check('a Share link opens the same code in a fresh browser, run only by Run, with the same ' +
          'summary', before[0] === unpruned && before[1] === 0 && after === pair.b[1],
          JSON.stringify({ before: before[1], after }));
  await page.evaluate((c) => webPage.own.editor.setValue(c), `// ${Array.from({ length: 3000 },
    (_, k) => ((k * 2654435761) >>> 7).toString(36)).join(' ')}\n${pruned}`);
  await page.click('#own-share');
  await at(page, () => /No link made/.test(document.getElementById('own-share-note').textContent));
  await other.goto(`${link}${'A'.repeat(8000)}`);
  await at(other, () => /more than the 8,000/.test(document.getElementById('errors').textContent));
  t.check('code past 8,000 characters of address is refused, making a link and opening one',
          await other.evaluate(() => !webPage.own.editor.getValue().includes('function safe()')));
  await fresh.close();
});
