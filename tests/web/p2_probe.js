const { withPage } = require('./harness');
const [site] = process.argv.slice(2);
withPage(site, async (page, t) => {
  await page.setViewport({ width: 1920, height: 1080 });
  await page.goto(`${page.url().split('?')[0]}?program=own-search&example=n-queens`);
  await page.waitForFunction(() => /const n = 6;/.test(webPage.own?.editor?.getValue?.()));
  const pruned = await page.evaluate(() => webPage.own.editor.getValue());
  const run = async (code) => {
    await page.evaluate((c) => webPage.own.editor.setValue(c), code);
    await page.click('#run');
    await page.waitForFunction(() => webPage.own.end, { polling: 50 });
    await page.waitForFunction(() => webPage.own.steps === 0 || webPage.run.treeStep === 0);
  };
  await run(pruned);
  await page.focus('#own-stage');
  for (let k = 0; k < 5; k++) await page.keyboard.press('ArrowRight');
  await new Promise(r=>setTimeout(r,300));
  console.log(await page.evaluate(() => JSON.stringify({s: webPage.run.step.status, stack: webPage.run.stack})));
  await page.click('#own-keep');
  await page.waitForFunction(() => webPage.own.kept !== null);
  const unpruned = pruned.replace(/^ *if \(attacked.*\n/m, '').replace("if (row === n) { found(); return; }", "if (row === n) { if (safe()) found(); return; }")
     .replace('function place', `function safe() {\n  return queens.every((col, row) =>\n    queens.slice(0, row).every((c, r) => c !== col && Math.abs(c - col) !== row - r));\n}\n\nfunction place`);
  await run(unpruned);
  console.log(await page.evaluate(() => JSON.stringify({a: webPage.pair.a?.status, b: webPage.run.step.status, asum: document.getElementById('own-kept-summary').textContent, bsum: webPage.own.summary,
    trees: ['tree','own-kept-tree'].map(id => { const r = document.getElementById(id).getBoundingClientRect(); return [r.x, r.y, r.width, r.height]; }),
    together: document.getElementById('step-together').disabled })));
  await page.click('#step-together');
  await page.click('#step-first');
  const seen = [];
  for (let k = 0; k < 3; k++) {
    await page.click('#step-forward');
    await new Promise(r=>setTimeout(r,200));
    seen.push(await page.evaluate(() => [webPage.pair.a.status, webPage.run.step.status, webPage.pair.a.stack.split('\n')[0], webPage.run.stack.split('\n')[0]]));
  }
  console.log(JSON.stringify(seen, null, 1));
  await page.click('#own-share');
  await new Promise(r=>setTimeout(r,500));
  console.log(await page.evaluate(() => JSON.stringify({ note: document.getElementById('own-share-note').textContent, addr: location.href.length, link: document.getElementById('own-share-link').value.slice(0, 120) })));
});
