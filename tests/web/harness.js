// The page served from a folder on a local port and opened in headless Chromium, for the web
// tests and the README's screenshot; and the tests' checks.
'use strict';
const { spawn, spawnSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');

// Serves folder with python3's static server, as ./run.sh web does, on a free port that the
// server picks and names; requests gets each line of the server's log, one a request.
function serve(folder) {
  const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1',
                                   '--directory', folder], { stdio: ['ignore', 'pipe', 'pipe'] });
  const requests = [];
  server.stderr.on('data', (data) => requests.push(...String(data).split('\n').filter((l) => l)));
  return new Promise((resolve, reject) => {
    let said = '';
    server.stdout.on('data', (data) => {
      said += data;
      const port = /port (\d+)/.exec(said);
      if (port) {
        resolve({ url: `http://127.0.0.1:${port[1]}/`, requests, stop: () => server.kill() });
      }
    });
    server.on('exit', () => reject(new Error(`cannot serve ${folder}: ${said}`)));
  });
}

// Opens the page of folder, in a browser given the extra arguments; close() ends the
// browser and the server, requests is the server's log.
async function openPage(folder, extraArgs = []) {
  const server = await serve(folder);
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'web-test-chromium-'));
  let browser;
  try {
    browser = await puppeteer.launch({
      executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
      headless: true,
      userDataDir: profile,
      // Root in a container has no sandbox; the rest keeps the browser off the network.
      args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
             '--disable-component-update', '--disable-sync', '--disable-default-apps',
             '--disable-extensions', ...extraArgs],
    });
    const page = await browser.newPage();
    await page.setViewport({ width: 860, height: 900 });
    // What the page should never do, whatever runs on it: an error on its console, a script
    // that fails, a request that fails.
    const problems = [];
    page.on('pageerror', (e) => problems.push(`page error: ${e.message}`));
    page.on('console', (m) => { if (m.type() === 'error') problems.push(`console: ${m.text()}`); });
    page.on('requestfailed', (r) => problems.push(`request failed: ${r.url()}`));
    page.on('response', (r) => { if (r.status() >= 400) problems.push(`${r.status()}: ${r.url()}`); });
    await page.goto(server.url, { waitUntil: 'load' });
    // The form is made once the page has read its table of programs.
    await page.waitForSelector('#program option');
    const close = async () => {
      await browser.close().catch(() => {});
      server.stop();
      fs.rmSync(profile, { recursive: true, force: true });
    };
    return { page, close, url: server.url, problems, requests: server.requests };
  } catch (e) {
    if (browser) await browser.close().catch(() => {});
    server.stop();
    fs.rmSync(profile, { recursive: true, force: true });
    throw e;
  }
}

// Named checks that go on after a failure, so that one run shows every fault; finish()
// prints the count and exits 0 only when all passed.
function checks() {
  let passed = 0, failed = 0;
  return {
    check(name, ok, detail) {
      if (ok) passed++;
      else failed++;
      console.log(`${ok ? 'ok  ' : 'FAIL'} ${name}${ok || detail === undefined ? '' : `: ${detail}`}`);
    },
    finish() {
      console.log(`${passed} passed, ${failed} failed`);
      process.exit(failed === 0 && passed > 0 ? 0 : 1);
    },
  };
}

// Runs the test body on a fresh page, in a browser given the extra arguments, and always
// closes it; an exception is a failure. The body gets the page, the checks and what
// openPage gives; expected matches the problems that the body causes by design.
async function withPage(folder, body, { extraArgs = [], expected = null } = {}) {
  const t = checks();
  let opened;
  try {
    opened = await openPage(folder, extraArgs);
    await body(opened.page, t, opened);
    const problems = opened.problems.filter((p) => !expected || !expected.test(p));
    t.check('no console error and no failed request', problems.length === 0,
            problems.join('\n'));
  } catch (e) {
    t.check('the test ran to its end', false, e.stack || e);
  } finally {
    if (opened) await opened.close();
  }
  t.finish();
}

// The canvas's pixels, RGBA.
async function canvasPixels(page) {
  const base64 = await page.evaluate(() => {
    const data = document.getElementById('screen').getContext('2d')
      .getImageData(0, 0, 800, 600).data;
    let text = '';
    for (let i = 0; i < data.length; i += 0x8000) {
      text += String.fromCharCode.apply(null, data.subarray(i, i + 0x8000));
    }
    return btoa(text);
  });
  return Buffer.from(base64, 'base64');
}

// Chooses the program on the page, fills in its fields (true ticks a box) and runs it.
async function run(page, program, fields = {}) {
  await page.select('#program', program);
  for (const [name, value] of Object.entries(fields)) {
    if (value === true) await page.click(`#option-${name}`);
    else await page.type(`#option-${name}`, value);
  }
  await page.click('#run');
}

// Waits, polling every 50 ms for at most 30 s, until test (run on the page with arg) holds.
const at = (page, test, arg) => page.waitForFunction(test, { polling: 50, timeout: 30000 }, arg);

// Goes to the query on the page's own address, and waits for the form.
async function open(page, query) {
  await page.goto(`${page.url().split('?')[0]}${query}`);
  await page.waitForSelector('#program option');
}

// Opens "Your own search" on its N-queens example and waits until the editor holds code that
// matches shows (the example's, or code that the page kept); gives the editor's code.
async function openOwnExample(page, shows = /const n = 6;/) {
  await open(page, '?program=own-search&example=n-queens');
  await at(page, (source) => new RegExp(source).test(webPage.own?.editor?.getValue?.()),
           shows.source);
  return page.evaluate(() => webPage.own.editor.getValue());
}

// What the tracetree in the folder bin says of the trace: its summary, or its fault as
// "line N: what".
function tracetree(bin, text) {
  const file = path.join(os.tmpdir(), `web-test-trace-${process.pid}.txt`);
  fs.writeFileSync(file, text);
  try {
    const r = spawnSync(path.join(bin, 'tracetree'), [file], { encoding: 'utf8' });
    return (r.status === 0 ? r.stdout : r.stderr.replace(`${file}:`, 'line ')).trim();
  } finally {
    fs.rmSync(file, { force: true });
  }
}

module.exports = { at, canvasPixels, open, openOwnExample, openPage, run, tracetree, withPage };
