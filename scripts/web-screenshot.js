// Takes the README's picture of the page: jugview on an instance set in the form, at its
// first page, in headless Chromium. Usage: node scripts/web-screenshot.js SITE_FOLDER OUTPUT.png
'use strict';
const path = require('path');
const { openPage } = require(path.join(__dirname, '..', 'tests', 'web', 'harness.js'));

const [site, output] = process.argv.slice(2);

(async () => {
  const { page, close } = await openPage(site);
  try {
    await page.select('#program', 'jugview');
    await page.type('#option-jugs', '8,5,3');
    await page.type('#option-goal', '4,4,*');
    await page.click('#run');
    await page.waitForFunction(() => webPage.run.waits > 0, { timeout: 30000 });
    await page.click('#next');  // solution 2 has two rows of pictures
    await page.waitForFunction(() => webPage.run.waits > 1, { timeout: 30000 });
    await page.evaluate(() => document.activeElement.blur());
    await page.setViewport({ width: 840, height: 400 });
    await page.screenshot({ path: output, fullPage: true });
  } finally {
    await close();
  }
})().catch((e) => {
  console.error(e);
  process.exit(1);
});
