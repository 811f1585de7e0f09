// The console programs on the page: their text equals the desktop program's output byte for
// byte, Next answers the final wait, an option reaches the program, and Stop ends a long
// listing at once.
// Usage: node console_test.js SITE_FOLDER JUGLIST PERMLIST TILELIST
'use strict';
const { spawnSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { run, withPage } = require('./harness');

const [site, juglist, permlist, tilelist] = process.argv.slice(2);
const desktop = { juglist, permlist, tilelist };

// The desktop program's output, its final key read answered at once by the end of input.
function desktopOutput(program, args = []) {
  return spawnSync(desktop[program], args, { stdio: ['ignore', 'pipe', 'pipe'] }).stdout
    .toString('utf8');
}

async function waitingOrEnded(page) {
  await page.waitForFunction(() => webPage.run.waits > 0 || webPage.run.exitCode !== null,
                             { polling: 20, timeout: 30000 });
  return page.evaluate(() => ({ waits: webPage.run.waits, exitCode: webPage.run.exitCode,
                                output: webPage.output(), errors: webPage.run.errors }));
}

async function ended(page) {
  await page.waitForFunction(() => webPage.run.exitCode !== null, { polling: 20, timeout: 30000 });
  return waitingOrEnded(page);
}

withPage(site, async (page, t) => {
  for (const program of ['juglist', 'permlist', 'tilelist']) {
    const expected = desktopOutput(program);
    await run(page, program);
    let state = await waitingOrEnded(page);
    t.check(`${program} writes the desktop's output, then waits`,
            state.output === expected && state.waits === 1 && state.exitCode === null,
            `${state.output.length} characters, ${expected.length} expected; ` +
            `${state.waits} waits, status ${state.exitCode}`);
    await page.click('#next');
    state = await ended(page);
    t.check(`Next answers ${program}'s wait and the run ends`, state.exitCode === 0,
            state.exitCode);
  }

  const expected = desktopOutput('permlist', ['--size', '3', '--no-wait']);
  await run(page, 'permlist', { size: '3', 'no-wait': true });
  let state = await ended(page);
  t.check('options from the form reach permlist', state.output === expected &&
          state.waits === 0 && state.exitCode === 0, JSON.stringify(state));

  const trace = desktopOutput('juglist', ['--no-wait', '--trace']);
  await run(page, 'juglist', { 'no-wait': true, trace: true });
  state = await ended(page);
  t.check('juglist --trace writes the desktop\'s tree', state.output === trace &&
          state.exitCode === 0, `${state.output.length} characters, ${trace.length} expected`);

  // The form's answer to a wait is Continue: no button is named Next alone, which could be
  // taken for the step buttons' Next solution.
  const names = await page.$$eval('button', (all) => all.map(
    (b) => (b.getAttribute('aria-label') || b.textContent).trim().replace(/\s+/g, ' ')));
  t.check('no button is named Next alone', names.includes('Continue') &&
          !names.some((name) => /^next$/i.test(name)), JSON.stringify(names));

  // juglist with Tree: the tree panel shows the desktop's --tree picture, a group for each
  // node, its legend whole within the panel, and a link that saves it as tree.svg.
  const treeFile = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'web-test-')), 'tree.svg');
  spawnSync(juglist, ['--no-wait', '--tree', treeFile]);
  const desktopTree = fs.readFileSync(treeFile, 'utf8');
  fs.rmSync(path.dirname(treeFile), { recursive: true });
  await run(page, 'juglist', { 'no-wait': true, tree: true });
  await ended(page);
  const tree = await page.evaluate(() => {
    const right = document.getElementById('tree-panel').getBoundingClientRect().right;
    const legend = [...document.querySelectorAll('#tree-legend svg')];
    return { same: webPage.run.treeSvg, nodes: document.querySelectorAll('#tree g.node').length,
             legend: legend.length > 0 &&
               legend.every((sample) => sample.getBoundingClientRect().right <= right),
             link: document.getElementById('tree-download').download };
  });
  tree.same = tree.same === desktopTree;
  t.check('juglist with Tree shows the desktop\'s tree with its node groups', tree.same &&
          tree.nodes > 0 && tree.nodes === desktopTree.split('<g class="node ').length - 1 &&
          tree.legend && tree.link === 'tree.svg', JSON.stringify(tree));

  await run(page, 'permlist', { size: '11' });
  await page.waitForFunction(() => webPage.run.kept > 100000, { polling: 20 });
  const asked = Date.now();
  await page.click('#stop');
  const stopped = await ended(page);
  t.check('Stop ends a long listing at once', stopped.exitCode === 143 && Date.now() - asked < 3000,
          `status ${stopped.exitCode} after ${Date.now() - asked} ms`);
});
