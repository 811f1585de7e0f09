// Takes each window program's search, the recursive function itself, out of the project's
// source file at build time, for the page's code panel: the page shows the real code, found
// by the function's name, never a copy by hand. Marks the lines a step runs, named as
// web/step_beside.cpp names them:
// - call: the line that tells of the entry of a call, after the check for a complete
//   configuration (a complete one is a solution instead) and after what the step shows is
//   known (the tilings' lowest free cell);
// - turned-down, dead-end: the check that turns a candidate down, or finds none that fits;
// - solution: the report of a configuration;
// - back-up: the undo in the caller, the line right after the recursive call, where every
//   back-up to a caller goes on (after a configuration, and at the end of a call);
// - back-up-from-root, back-up-from-root-after-solution: a root call has no caller in the
//   function, so its back-up marks the line that tells of it.
// Usage: node search_code.js PROGRAM=SOURCE.cpp:FUNCTION ... > search-code.json
'use strict';
const fs = require('fs');
const path = require('path');

function searchOf(file, name) {
  const lines = fs.readFileSync(file, 'utf8').split('\n');
  // The definition: its head at the start of a line, not a declaration or a call.
  const head = new RegExp(`^[\\w:<>*& ]*\\b${name}\\(.*\\)\\s*$`);
  const first = lines.findIndex((l) => head.test(l));
  if (first < 0) throw new Error(`${file}: no function ${name}`);
  const last = lines.findIndex((l, k) => k > first && l === '}');
  const code = lines.slice(first, last + 1);
  const find = (pattern, from = 0) => code.findIndex((l, k) => k >= from && pattern.test(l));
  const before = (k, pattern) => {
    while (k > 0 && !pattern.test(code[k])) k--;
    return k;
  };
  const told = (kind) => new RegExp(`\\btell\\(SearchStep::${kind}\\b`);
  const marks = { call: find(told('enter')) };
  const turnedDown = find(told('turned_down'));
  if (turnedDown >= 0) marks['turned-down'] = before(turnedDown, /\bif \(/);
  const deadEnd = find(told('dead_end'));
  if (deadEnd >= 0) marks['dead-end'] = before(deadEnd, /\bif \(/);
  marks.solution = find(/\b(report_solution|show_\w*tiling)\(/);
  const recursion = find(new RegExp(`^\\s+${name}\\(`));
  marks['back-up'] = recursion < 0 ? -1 : recursion + 1;
  if (!/\/\/ undo\b/.test(code[marks['back-up']] || '')) marks['back-up'] = -1;
  marks['back-up-from-root-after-solution'] = find(told('back_up'), marks.solution);
  marks['back-up-from-root'] = code.map((l) => told('back_up').test(l)).lastIndexOf(true);
  for (const [mark, line] of Object.entries(marks)) {
    if (line < 0) throw new Error(`${file}: ${name} has no line for ${mark}`);
  }
  return { file: path.relative(process.cwd(), file), function: name, first_line: first + 1,
           lines: code, marks };
}

const table = {};
for (const argument of process.argv.slice(2)) {
  const [, program, file, name] = /^([^=]+)=([^:]+):(\w+)$/.exec(argument) || [];
  if (!name) throw new Error(`${argument}: not PROGRAM=SOURCE.cpp:FUNCTION`);
  table[program] = searchOf(file, name);
}
process.stdout.write(JSON.stringify(table, null, 1) + '\n');
