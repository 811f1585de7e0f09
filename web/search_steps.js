// Writes the kinds of step as the C++ numbers them, out of run/search_step.h at build time,
// into search-steps.js, an ES module of the page: the page's modules and the worker of "Your
// own search" number the steps as the searches do, by the same names, never by a copy of
// the numbers.
// Usage: node search_steps.js run/search_step.h OUTPUT.js
'use strict';
const fs = require('fs');

const [headerFile, outputFile] = process.argv.slice(2);
if (!outputFile) throw new Error('usage: node search_steps.js run/search_step.h OUTPUT.js');
const header = fs.readFileSync(headerFile, 'utf8').replace(/\/\/.*$/gm, '');

// The enumerators in order, each with its value: its own where it has one, else one more
// than the one before, as C++ numbers them.
const body = /\benum\s+class\s+SearchStep\b[^{]*\{([^}]*)\}/.exec(header);
if (!body) throw new Error(`${headerFile}: no enum class SearchStep`);
const kinds = {};
let next = 0;
for (const item of body[1].split(',').map((s) => s.trim()).filter((s) => s !== '')) {
  const [, name, value] = /^(\w+)\s*(?:=\s*(\d+)u?)?$/.exec(item) || [];
  if (!name) throw new Error(`${headerFile}: cannot read the kind of step "${item}"`);
  next = value === undefined ? next : Number(value);
  kinds[name] = next++;
}
const count = /\bsearch_step_kinds\s*=\s*(\d+)/.exec(header);
if (!count || Number(count[1]) !== Object.keys(kinds).length) {
  throw new Error(`${headerFile}: search_step_kinds is not the count of SearchStep's kinds`);
}

const lines = [
  '// The kinds of step, as run/search_step.h numbers them: written from it by',
  '// web/search_steps.js when the page is built.',
  'export const SearchStep = Object.freeze({',
  ...Object.entries(kinds).map(([name, value]) => `  ${name}: ${value},`),
  '});',
  '// How many kinds there are.',
  `export const search_step_kinds = ${count[1]};`,
];
fs.writeFileSync(outputFile, lines.join('\n') + '\n');
