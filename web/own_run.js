// A run of "Your own search": the student's code run in a worker of its own, its steps
// recorded as they come, and the run's end, with what ended it.
import { $, SEARCH_CODE, forThisRun, run, setStatus } from './state.js';
import { SearchStep } from './search-steps.js';
import { OWN_SEARCH, own } from './own_state.js';
import { rememberOwnExample } from './own_editor.js';
import { showCodeOf } from './panels.js';
import { pauseOwn, pressOwnKey, startOwnSteps } from './own_steps.js';

// How long the code may run; the worker holds the limit of steps (own-search-worker.js).
const OWN_TIME_LIMIT_MS = 10000;
const OWN_STEP_LIMIT = '1,000,000';

// The worker's part of its script: the line that makes the whole script strict, and in a
// block of their own, so that the student's code sees neither, the kinds of step as
// run/search_step.h numbers them and own-search-worker.js, which records the steps with them.
async function workerPart() {
  const text = (await (await fetch('own-search-worker.js')).text()).trimEnd();
  return `'use strict'; { const SearchStep = Object.freeze(${JSON.stringify(SearchStep)});\n` +
    `${text} }`;
}

// Run: the code, the worker's part before it and a closing call after it, as one script
// in a worker of its own.
export async function startOwnSearch() {
  rememberOwnExample();
  if (!own.editor || !own.editor.getValue) return;
  own.editor.unmark();
  Object.assign(own, {
    code: own.editor.getValue(), steps: 0, nodes: [], solutions: 0, boards: [], end: null,
    summary: '', shown: -1, player: false,
  });
  $('own-summary').textContent = '';
  $('own-step').textContent = '';
  $('own-board').textContent = '';
  $('errors').textContent = '';
  for (const panel of ['trace', 'tree']) $(panel).textContent = '';
  for (const button of ['own-download', 'own-keep']) $(button).disabled = true;
  SEARCH_CODE[OWN_SEARCH] = { function: 'your code', file: 'the editor', first_line: 1,
                              lines: own.code.split('\n'), marks: {} };
  showCodeOf(OWN_SEARCH);
  $('command').textContent = '';
  for (const id of ['step-controls', 'panels', 'trace-panel', 'code-panel']) $(id).hidden = false;
  $('tree-about').textContent = 'explored so far';
  $('layout').classList.add('with-panels');
  setStatus('Your search is running.');
  $('stop').disabled = false;
  $('next').disabled = true;

  // The time limit counts from Run, the worker's start included.
  own.timer = setTimeout(forThisRun(() => endOwnSearch({ limit: 'time' })), OWN_TIME_LIMIT_MS);
  own.prelude = own.prelude || await workerPart();
  if (own.end) return;
  const script = `${own.prelude}\n${own.code}\n;ownSearchEnds();\n`;
  const url = URL.createObjectURL(new Blob([script], { type: 'text/javascript' }));
  const worker = new Worker(url);
  URL.revokeObjectURL(url);
  own.worker = worker;
  worker.onmessage = forThisRun((event) => takeOwnSteps(event.data));
  // What the worker's own part never sees: a syntax error, which stops the whole script.
  const preludeLines = own.prelude.split('\n').length;
  worker.onerror = forThisRun((event) => {
    event.preventDefault();
    const line = Math.min(Math.max(event.lineno - preludeLines, 0), own.code.split('\n').length);
    endOwnSearch({ error: String(event.message).replace(/^Uncaught /, ''), line });
  });
  run.control = {
    key: pressOwnKey,
    next: () => {},
    stop: () => {
      pauseOwn();
      if (own.worker) endOwnSearch({ limit: 'stop' });
    },
  };
}

// A block of steps from the worker.
function takeOwnSteps(m) {
  if (own.end) return;
  const from = own.steps, n = m.kinds.length;
  if (from + n > own.kinds.length) {
    const size = Math.max(from + n, 2 * own.kinds.length, 4096);
    for (const name of ['kinds', 'lines']) {
      const bigger = new own[name].constructor(size);
      bigger.set(own[name].subarray(0, from));
      own[name] = bigger;
    }
  }
  own.kinds.set(m.kinds, from);
  own.lines.set(m.lines, from);
  for (const node of m.nodes) own.nodes.push({ ...node, found: -1, solution: 0 });
  // A configuration's note goes to the node its found() stood at.
  for (let k = 0; k < n; k++) {
    if (m.kinds[k] === SearchStep.found) {
      const node = own.nodes[m.currents[k]];
      node.found = from + k;
      node.solution = ++own.solutions;
    }
  }
  own.steps += n;
  for (const board of m.boards) own.boards.push(board);
  if (m.end) endOwnSearch(m.end);
}

// The run is over: the worker is stopped, and the steps recorded so far are shown from the
// first, with what ended the run.
async function endOwnSearch(end) {
  if (own.end) return;
  own.end = end;
  clearTimeout(own.timer);
  if (own.worker) own.worker.terminate();
  own.worker = null;
  $('stop').disabled = true;
  const steps = `${own.steps.toLocaleString('en')} step${own.steps === 1 ? '' : 's'}`;
  if (end.done) setStatus(`Your search ran to its end: ${steps}.`);
  else if (end.limit === 'time') {
    setStatus(`Stopped at the limit of ${OWN_TIME_LIMIT_MS / 1000} seconds; the ${steps} ` +
              'recorded so far are kept.');
  } else if (end.limit === 'steps') {
    setStatus(`Stopped at the limit of ${OWN_STEP_LIMIT} steps; they are kept.`);
  } else if (end.limit === 'stop') setStatus(`Stopped; the ${steps} recorded so far are kept.`);
  else {
    setStatus(`Your search stopped at an error after ${steps}.`);
    run.errors = end.line ? `line ${end.line}: ${end.error}` : end.error;
    $('errors').textContent = run.errors;
    if (end.line) own.editor.markLine(end.line);
  }
  own.summary = ownSummary();
  $('own-summary').textContent = own.summary;
  for (const button of ['own-download', 'own-keep']) $(button).disabled = own.nodes.length === 0;
  if (own.steps === 0) return;
  // The step keys work on the steps at once, as they do on a window program's picture.
  if (await startOwnSteps()) $('own-stage').focus({ preventScroll: true });
}

// The summary line that tracetree prints for the run's trace; its depth is the most calls
// on one path (docs/trace-format.md).
function ownSummary() {
  let calls = 0, turnedDown = 0, deadEnds = 0, depth = 0;
  for (const node of own.nodes) {
    if (/ {2}turned down$/.test(node.text)) turnedDown++;
    else if (/^dead end/.test(node.text)) deadEnds++;
    else {
      calls++;
      depth = Math.max(depth, node.level + 1);
    }
  }
  return `${calls} calls, ${own.solutions} found, ${turnedDown} turned down, ${deadEnds} dead ` +
    `ends, depth ${depth}`;
}
