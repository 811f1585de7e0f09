// "Your own search" against hostile code, in headless Chromium with a small heap: no request
// leaves the code's worker, no storage opens to it, each hostile run ends with one line while
// a click is answered within 0.5 s, the reload after an allocation without end shows the code,
// no address breaks the page, and the page's summary is tracetree's on the same trace.
// Usage: node sandbox_test.js SITE_FOLDER BIN_FOLDER
'use strict';
const { at, openOwnExample, tracetree, withPage } = require('./harness');

const [site, bin] = process.argv.slice(2);

// Runs the code, clicks the status line, does what during does, and waits for the end.
async function runOwn(page, code, during = async () => {}) {
  await page.evaluate((c) => webPage.own.editor.setValue(c), code);
  await page.click('#run');
  await page.click('#status');
  await during();
  await at(page, () => webPage.own.end);
  return page.evaluate(() => ({ errors: document.getElementById('errors').textContent,
    status: document.getElementById('status').textContent, summary: webPage.own.summary,
    trace: webPage.own.trace, clickMs: window.clickMs }));
}
// A block of steps as the sandbox would hand it on, forged in its frame while the code waits;
// the one past the limit has labels for its first 1,000,000 steps.
const waiting = 'const until = Date.now() + 3000;\nwhile (Date.now() < until) {}\n';
const forge = (page, steps) => async () => page.frames().find((f) => /own-sandbox/.test(f.url()))
  .evaluate((run, steps) => {
    if (steps === 'huge') {
      steps = { kinds: new Uint8Array(3000001).map((_, k) => (k % 2 ? 4 : 0)),
                labels: Array(500000).fill('a'), boards: [], end: { done: true } };
    }
    if (Array.isArray(steps.kinds)) steps.kinds = Uint8Array.from(steps.kinds);
    if (steps.kinds) steps.lines = new Int32Array(steps.kinds.length).fill(1);
    parent.postMessage({ run, steps }, '*');
  }, await page.evaluate(() => webPage.own.run), steps);

withPage(site, async (page, t, { requests, url }) => {
  for (const name of ['constructor', '__proto__', 'toString', 'nothing']) {
    await page.goto(`${url}?program=${name}`);
    const shown = await (await page.waitForFunction(() => document.querySelector('#fields *') &&
      `${document.getElementById('program').selectedIndex} ${document.getElementById('status')
        .textContent}`)).jsonValue();
    t.check(`?program=${name} gives the first program and a note`,
            shown.startsWith('0 ') && shown.includes(`"${name}"`), shown);
  }
  const queens = await openOwnExample(page);
  await page.waitForNetworkIdle({ idleTime: 500 });
  await page.evaluate(() => addEventListener('click', (e) => {
    window.clickMs = performance.now() - e.timeStamp; }, true));
  const asked = requests.length;

  for (const code of [queens,
    "enter('dead endX');\ndeadEnd('y');\nturnedDown('a solution 1');\nleave();\nenter('b');\n" +
    'found();\ndeadEnd();\nleave();\n', 'for (let k = 0; k <= 100000; k++) turnedDown(k);\n']) {
    const ran = await runOwn(page, code), native = tracetree(bin, ran.trace);
    t.check('the page\'s summary is tracetree\'s on the same trace', ran.errors === '' &&
      (/^line /.test(native) ? ran.summary.includes(`(${native})`) : ran.summary === native),
            `${ran.summary} / ${native}`);
  }

  const [http, ws] = [url, url.replace('http', 'ws')].map((u) => `${u}escape/`);
  const refused = /^The page refused a message of your code's worker: .*\.$/m;
  for (const [what, code, expected, during] of [
    ['requests', `import('${http}a.js').catch(() => {});
new FontFace('f', 'url(${http}f.woff)').load().catch(() => {});
for (const reach of [() => new WebSocketStream('${ws}s'), () => fetch('${http}f'),
() => new EventSource('${http}e'), () => importScripts('${http}i.js')]) {
try { reach(); } catch {}
}\n${waiting}enter('tried');\nleave();\n`, /ran to its end/],
    ['storage', `for (const [name, open] of [['storage', () => navigator.storage.getDirectory()],
['indexedDB', () => indexedDB.open('k')], ['caches', () => caches.open('k')]]) {
try { open(); enter(name + ' open'); } catch { enter(name + ' shut'); }
leave();
}\n`, /ran to its end[^]*storage shut\nindexedDB shut\ncaches shut\n$/],
    ['postMessage', "enter('a');\nwhile (true) postMessage([0]);\n", /^line 2: ReferenceError/m],
    ['steps', "while (true) {\n  enter('a');\n  leave();\n}\n", /^Stopped at the limit of/],
    ['a forged kind', 'Uint8Array.from = () => Uint8Array.of(9);\nenter(1);\n', refused],
    ['3,000,001 forged', waiting, /limit of 1,000,000 steps; the 1,000,000/, forge(page, 'huge')],
    ['a forged label', waiting, refused, forge(page, { kinds: [0], labels: ['a\nb'], boards: [],
                                                      end: null })],
    ['a 50 MB label', "enter('x'.repeat(50e6));\n", /^line 1: enter\(\): the label is 50,000,000/m],
    ['a note', "enter('a');\nturnedDown('b  c');\n", /^line 2: turnedDown\(\): the label holds/m],
    ['a stack overflow', 'function dive(depth) {\n  turnedDown(depth);\n  dive(depth + 1);\n}\n' +
     'dive(0);\n', /^line [1-3]: RangeError: Maximum call stack size exceeded$/m],
    ['a shadowed call', 'const n = 4;\nlet enter = () => {};\n', /^line 2: the code declares/m],
    ['a parameter', "enter('a');\nfunction draw(board) {}\n", /^line 2: the code declares/m],
  ]) {
    const ran = await runOwn(page, code, during);
    t.check(`${what}: one line says what happened, and a click is answered within 0.5 s`,
            expected.test(`${ran.status}\n${ran.errors}\n${ran.trace}`) &&
            !ran.errors.includes('\n') && ran.clickMs < 500,
            JSON.stringify({ ...ran, trace: ran.trace.slice(0, 200) }));
  }
  t.check('the server heard of no request after the page loaded what a run needs',
          requests.length === asked, requests.slice(asked).join('\n'));

  // The tab may crash under an allocation without end; the reload brings the code back.
  await page.evaluate(() => webPage.own.editor.setValue(
    'const hoard = [];\nwhile (true) hoard.push(new Array(1 << 20).fill(0.5));\n'));
  await page.focus('#own-editor textarea');
  await page.keyboard.type('// mine\n');
  const kept = await page.evaluate(() => webPage.own.editor.getValue());
  const crashed = new Promise((resolve) => page.once('error', () => resolve(true)));
  await page.click('#run');
  const crash = await Promise.race([crashed, page.waitForFunction(() => webPage.own.end,
    { timeout: 30000 }).then(() => false, () => true)]);
  const said = crash ? '' : await page.$eval('body', (e) => e.innerText);
  const back = [await openOwnExample(page, /hoard/),
                await page.$eval('#status', (status) => status.textContent)];
  t.check('after an allocation without end the reload shows the code kept', back[0] === kept &&
          (crash ? /last run did not end/.test(back[1]) : /limit of 10|without a word/.test(said)),
          JSON.stringify({ crash, back }));
  // The sandbox's refusals of the hostile code's requests are reported by design.
}, { extraArgs: ['--js-flags=--max-old-space-size=384'],
     expected: /Content Security Policy|\/escape\// });
