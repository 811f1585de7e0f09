// The console programs on the page: their text equals the desktop program's output byte for
// byte, Next answers the final wait, an option reaches the program, and Stop ends a long
// listing at once.
// Usage: node console_test.js SITE_FOLDER JUGLIST PERMLIST TILELIST
'use strict';
const { spawnSync } = require('child_process');
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

  await run(page, 'permlist', { size: '11' });
  await page.waitForFunction(() => webPage.run.kept > 100000, { polling: 20 });
  const asked = Date.now();
  await page.click('#stop');
  const stopped = await ended(page);
  t.check('Stop ends a long listing at once', stopped.exitCode === 143 && Date.now() - asked < 3000,
          `status ${stopped.exitCode} after ${Date.now() - asked} ms`);
});
