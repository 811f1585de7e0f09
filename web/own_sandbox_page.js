// Writes own-sandbox.html at build time: the frame in which "Your own search" runs a
// student's code (own-sandbox-frame.js says why), its script inline and its policy allowing
// that script by its hash, so that the frame's policy, which the worker it starts shares,
// allows no script from any address, the site's own included.
// Usage: node own_sandbox_page.js own-sandbox-frame.js OUTPUT.html
'use strict';
const crypto = require('crypto');
const fs = require('fs');

const [scriptFile, outputFile] = process.argv.slice(2);
if (!outputFile) throw new Error('usage: node own_sandbox_page.js own-sandbox-frame.js OUTPUT.html');
const script = `\n${fs.readFileSync(scriptFile, 'utf8')}`;
if (script.includes('</script')) throw new Error(`${scriptFile}: "</script" would end the script`);
const hash = crypto.createHash('sha256').update(script, 'utf8').digest('base64');

const page = [
  '<!doctype html>',
  '<html lang="en">',
  '<head>',
  '<meta charset="utf-8">',
  '<!-- Written by web/own_sandbox_page.js from web/own-sandbox-frame.js. -->',
  '<meta http-equiv="Content-Security-Policy" content="default-src \'none\'; ' +
    `script-src 'sha256-${hash}' blob:; worker-src blob:">`,
  '<title>The sandbox of your own search</title>',
  `<script>${script}</script>`,
  '</head>',
  '</html>',
];
fs.writeFileSync(outputFile, page.join('\n') + '\n');
