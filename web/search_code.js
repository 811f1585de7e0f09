// Takes each window program's search, the recursive function itself, out of the project's
// source file at build time, for the page's code panel: the page shows the real code, never a
// copy by hand. Marks the lines a step runs: the entry of a call, the check that turns a
// candidate down, the report of a configuration, a dead end, and the backing up (after a
// configuration, and at the end of a call).
// Usage: node search_code.js PROGRAM=SOURCE.cpp ... > search-code.json
'use strict';
const fs = require('fs');
const path = require('path');

function searchOf(file) {
  const lines = fs.readFileSync(file, 'utf8').split('\n');
  const first = lines.findIndex((l) => /^template <bool watched> static void search\(/.test(l));
  if (first < 0) throw new Error(`${file}: no search function`);
  const last = lines.findIndex((l, k) => k > first && l === '}');
  const code = lines.slice(first, last + 1);
  const find = (pattern, from = 0) => code.findIndex((l, k) => k >= from && pattern.test(l));
  const before = (k, pattern) => {
    while (k > 0 && !pattern.test(code[k])) k--;
    return k;
  };
  // Named as the search tree names its nodes (tree/search_tree.cpp), and the backing up.
  const marks = { call: 0 };
  const turnedDown = find(/Step::turned_down/);
  if (turnedDown >= 0) marks['turned-down'] = before(turnedDown, /\bif \(/);
  const deadEnd = find(/Step::dead_end/);
  if (deadEnd >= 0) marks['dead-end'] = before(deadEnd, /\bif \(/);
  marks.solution = find(/\b(report_solution|show_\w*tiling)\(/);
  marks['back-up-after-solution'] = find(/Step::back_up/, marks.solution);
  marks['back-up'] = code.map((l) => /Step::back_up/.test(l)).lastIndexOf(true);
  for (const [name, line] of Object.entries(marks)) {
    if (line < 0) throw new Error(`${file}: no line for ${name}`);
  }
  return { file: path.relative(process.cwd(), file), first_line: first + 1, lines: code, marks };
}

const table = {};
for (const argument of process.argv.slice(2)) {
  const [program, file] = argument.split('=');
  table[program] = searchOf(file);
}
process.stdout.write(JSON.stringify(table, null, 1) + '\n');
