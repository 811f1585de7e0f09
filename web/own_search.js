// "Your own search": a backtracking search that a student writes in JavaScript on the page.
// Its code runs in a worker of its own (own-search-worker.js), which records every step the
// code reports with enter(), leave(), found(), turnedDown() and deadEnd(), and the boards
// it draws with board(). The page then shows the steps from the first one with the step
// buttons and the panels of step mode (app.js): the trace in the trace format, the student's
// code with the line of the step's call marked, the tree drawn by the tree library's SVG
// writer (trace_tree.js, built from web/trace_tree.cpp), and the board.
'use strict';

const OWN_SEARCH = 'own-search';
// The examples, each a file in own_search_examples/; the address names the one chosen.
const OWN_EXAMPLES = [
  { name: 'n-queens', title: 'N-queens' },
  { name: 'subset-sum', title: 'Subset sum' },
];
// How long the code may run; the worker holds the limit of steps (own-search-worker.js).
const OWN_TIME_LIMIT_MS = 10000;
const OWN_STEP_LIMIT = '1,000,000';
// The tree follows the run's first nodes, as far as --tree draws (tree/tree_file.h).
const OWN_TREE_NODES = 100000;
// While steps come faster than the tree can be drawn, it is drawn for the last of them only:
// at most every OWN_TREE_EVERY_MS, and never for more than a fifth of the time.
const OWN_TREE_EVERY_MS = 100;
// The kinds of step as the worker numbers them, and the names the code panel and the tests
// give them, as the tree names its nodes (tree/search_tree.cpp) and the back-up.
const ENTER = 0, LEAVE = 1, FOUND = 2, TURNED_DOWN = 3, DEAD_END = 4;
const OWN_STEP_NAMES = ['call', 'back-up', 'solution', 'turned-down', 'dead-end'];
const OWN_NODE_STEPS = [ENTER, TURNED_DOWN, DEAD_END];

// The recorded run, and what the page shows of it; the tests read it as webPage.own.
const own = {
  editor: null,     // getValue(), setValue(text), markLine(line), unmark()
  prelude: null,    // own-search-worker.js, which the worker's script starts with
  worker: null,
  timer: null,
  code: '',         // the code of the run
  steps: 0,         // for each step its kind, the code's line, the node it stands at, and how
  kinds: new Uint8Array(0),    // many nodes the steps up to it reached
  lines: new Int32Array(0),
  currents: new Int32Array(0),
  counts: new Int32Array(0),
  nodes: [],        // { level, text, found: the step of its found() or -1, solution }
  solutions: 0,
  boards: [],       // { step, rows }: a board() call after that step (-1: before the first)
  end: null,        // how the run ended: { done }, { error, line } or { limit }
  summary: '',
  shown: -1,        // the step shown
  playing: null,    // the timer of Play
  tree: null,       // the tree library's module
  treeDrawnAt: -OWN_TREE_EVERY_MS,
  treeCost: 0,      // how long the last drawing of the tree took, the page's layout included
  treeTimer: null,
  kept: null,       // "Keep as A": { summary, svg }
};

// The keys of step mode that the board of the steps takes as the step buttons' keys (End,
// which no button has, goes to the last step).
const OWN_KEYS = ['Home', 'End', 'ArrowLeft', 'ArrowRight', ' ', 'p', 'n', ...'0123456789'];

// Adds "Your own search" to the page's programs (app.js calls it once it has them).
function addOwnSearch() {
  window.webPage.own = own;
  PROGRAMS[OWN_SEARCH] = {
    kind: 'own',
    title: 'Your own search',
    options: [],
    about: 'Write a backtracking search of your own in JavaScript, or start from an example, ' +
      'and press Run: every step your code reports is recorded, then shown step by step ' +
      'with its trace, its line of code, its tree and its board.',
    help: '',
    examples: [],
  };
  const choice = $('own-example');
  for (const e of OWN_EXAMPLES) choice.append(new Option(e.title, e.name));
  choice.addEventListener('change', () => {
    rememberOwnExample();
    loadOwnExample();
  });
  $('own-download').addEventListener('click', downloadOwnTrace);
  $('own-keep').addEventListener('click', keepOwnRun);
  $('own-stage').addEventListener('keydown', (event) => {
    const key = event.key;
    if (!OWN_KEYS.includes(key) || event.ctrlKey || event.altKey || event.metaKey) return;
    event.preventDefault();
    if (/^\d$/.test(key)) {
      $('step-pace').value = key;
      showPace();
    }
    pressStepKey(key);
  });
}

// The page of "Your own search" shown or hidden, as the program choice says; the example
// comes from the address.
async function showOwnSearch(shown, query) {
  for (const id of ['own-search', 'own-stage']) $(id).hidden = !shown;
  $('own-kept').hidden = !shown || own.kept === null;
  $('help').hidden = shown;
  $('step-view').hidden = shown;
  if (!shown) return;
  $('console').hidden = true;
  if (OWN_EXAMPLES.some((e) => e.name === query.get('example'))) {
    $('own-example').value = query.get('example');
  }
  if (own.editor === null) {
    own.editor = 'loading';
    own.editor = await makeOwnEditor();
    await loadOwnExample();
  }
}

// CodeMirror from the site itself (web/package.json), or a plain text area without it.
async function makeOwnEditor() {
  const holder = $('own-editor');
  try {
    const style = document.createElement('link');
    Object.assign(style, { rel: 'stylesheet', href: 'codemirror/codemirror.css' });
    document.head.append(style);
    await loadScript('codemirror/codemirror.js');
    await loadScript('codemirror/javascript.js');
    const editor = window.CodeMirror(holder, {
      mode: 'javascript', lineNumbers: true, indentUnit: 2, tabSize: 2,
      screenReaderLabel: 'Your code',
    });
    let marked = null;
    return {
      getValue: () => editor.getValue(),
      setValue: (text) => editor.setValue(text),
      markLine(line) {
        marked = editor.addLineClass(line - 1, 'background', 'own-error-line');
        editor.scrollIntoView({ line: line - 1, ch: 0 }, 60);
      },
      unmark() {
        if (marked) editor.removeLineClass(marked, 'background', 'own-error-line');
        marked = null;
      },
    };
  } catch (e) {
    const area = document.createElement('textarea');
    area.id = 'own-code';
    area.spellcheck = false;
    area.setAttribute('aria-label', 'Your code');
    holder.append(area);
    return {
      getValue: () => area.value,
      setValue: (text) => { area.value = text; },
      markLine(line) {
        const start = area.value.split('\n').slice(0, line - 1).join('\n').length + 1;
        area.setSelectionRange(line > 1 ? start : 0, area.value.indexOf('\n', start));
      },
      unmark() {},
    };
  }
}

async function loadOwnExample() {
  const name = $('own-example').value;
  const response = await fetch(`own_search_examples/${name}.js`);
  if (own.editor && own.editor.setValue) own.editor.setValue(await response.text());
}

function rememberOwnExample() {
  const query = new URLSearchParams({ program: OWN_SEARCH, example: $('own-example').value });
  history.replaceState(null, '', `?${query}`);
}

// Run: the code, this worker's part before it and a closing call after it, as one script
// in a worker of its own.
async function startOwnSearch() {
  rememberOwnExample();
  if (!own.editor || !own.editor.getValue) return;
  own.editor.unmark();
  Object.assign(own, {
    code: own.editor.getValue(), steps: 0, nodes: [], solutions: 0, boards: [], end: null,
    summary: '', shown: -1,
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
  own.prelude = own.prelude || (await (await fetch('own-search-worker.js')).text()).trimEnd();
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
    for (const name of ['kinds', 'lines', 'currents', 'counts']) {
      const bigger = new own[name].constructor(size);
      bigger.set(own[name].subarray(0, from));
      own[name] = bigger;
    }
  }
  own.kinds.set(m.kinds, from);
  own.lines.set(m.lines, from);
  own.currents.set(m.currents, from);
  for (const node of m.nodes) own.nodes.push({ ...node, found: -1, solution: 0 });
  let count = from > 0 ? own.counts[from - 1] : 0;
  for (let k = 0; k < n; k++) {
    const kind = m.kinds[k];
    if (OWN_NODE_STEPS.includes(kind)) count++;
    own.counts[from + k] = count;
    if (kind === FOUND) {
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
function endOwnSearch(end) {
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
  showOwnStep(0);
  // The step keys work on the steps at once, as they do on a window program's picture.
  $('own-stage').focus({ preventScroll: true });
}

// The summary line that tracetree prints for the run's trace; its depth is the most calls
// on one path (docs/trace-format.md).
function ownSummary() {
  let calls = 0, turnedDown = 0, deadEnds = 0, depth = 0;
  for (const node of own.nodes) {
    if (/  turned down$/.test(node.text)) turnedDown++;
    else if (/^dead end/.test(node.text)) deadEnds++;
    else {
      calls++;
      depth = Math.max(depth, node.level + 1);
    }
  }
  return `${calls} calls, ${own.solutions} found, ${turnedDown} turned down, ${deadEnds} dead ` +
    `ends, depth ${depth}`;
}

// The trace line of a node as it stood at the step: a configuration's note comes with its
// found().
function ownLine(k, step) {
  const node = own.nodes[k];
  const note = node.found >= 0 && node.found <= step ? `  solution ${node.solution}` : '';
  return { level: node.level, title: node.text + note };
}

function ownTrace(count, step) {
  const lines = [];
  for (let k = 0; k < count; k++) {
    const line = ownLine(k, step);
    lines.push('  '.repeat(line.level) + line.title);
  }
  return lines.join('\n') + '\n';
}

function showOwnStep(step) {
  step = Math.max(0, Math.min(step, own.steps - 1));
  own.shown = step;
  const kind = own.kinds[step], count = own.counts[step], current = own.currents[step];
  const node = current >= 0 ? own.nodes[current] : null;
  const at = node ? ownLine(current, step).title : 'the top';
  const what = [`enter ${at}`, `leave, back to ${at}`, `found: ${at}`, at, at][kind];
  const status = `Step ${step + 1} of ${own.steps.toLocaleString('en')}, line ` +
    `${own.lines[step]}: ${what}`;
  $('own-step').textContent = status;
  run.step = { step, steps: own.steps, count, current, ran: OWN_STEP_NAMES[kind], status };
  run.shownAt = performance.now();
  showTrace(count, current, (k) => ownLine(k, step));
  markCodeLine(own.lines[step] - 1);
  showOwnBoard(step);
  drawOwnTreeSoon();
}

// The board of the last board() call up to the step: a grid, one character a cell.
function showOwnBoard(step) {
  let lo = 0, hi = own.boards.length;
  while (lo < hi) {
    const mid = (lo + hi) >> 1;
    if (own.boards[mid].step <= step) lo = mid + 1;
    else hi = mid;
  }
  const box = $('own-board');
  box.textContent = '';
  if (lo === 0) return;
  const rows = own.boards[lo - 1].rows;
  box.style.setProperty('--columns', rows[0].length);
  box.setAttribute('aria-label', `The board: ${rows.join(', ')}`);
  rows.forEach((row, r) => {
    for (let c = 0; c < row.length; c++) {
      const cell = document.createElement('span');
      cell.className = (r + c) % 2 ? 'dark' : 'light';
      cell.textContent = row[c] === '.' ? '' : row[c];
      box.append(cell);
    }
  });
}

async function ownTreeModule() {
  if (!own.tree) {
    await loadScript('trace_tree.js');
    own.tree = await window.create_trace_tree();
  }
  return own.tree;
}

// The tree library's picture of a trace, with the node current marked, or its fault.
async function drawOwnTree(text, current) {
  const m = await ownTreeModule();
  const size = m.lengthBytesUTF8(text) + 1;
  const at = m._malloc(size);
  m.stringToUTF8(text, at, size);
  const svg = m._trace_tree(at, current);
  m._free(at);
  if (svg) return m.UTF8ToString(svg);
  return `<p>line ${m._trace_fault_line()}: ${m.UTF8ToString(m._trace_fault_message())}</p>`;
}

// The tree as it stood at the step shown, at once, or while the steps play fast, for the
// last of them a little later; past its first nodes, with a note that says so.
function drawOwnTreeSoon() {
  clearTimeout(own.treeTimer);
  const wait = own.treeDrawnAt + Math.max(OWN_TREE_EVERY_MS, 4 * own.treeCost) -
    performance.now();
  own.treeTimer = setTimeout(forThisRun(async () => {
    const step = own.shown;
    const started = performance.now();
    const count = Math.min(own.counts[step], OWN_TREE_NODES);
    const current = own.currents[step] < count ? own.currents[step] : -1;
    const svg = count > 0 ? await drawOwnTree(ownTrace(count, step), current) : '';
    const note = own.counts[step] > OWN_TREE_NODES
      ? `<p class="own-tree-note">The tree follows the first ${count.toLocaleString('en')} ` +
        `of the ${own.counts[step].toLocaleString('en')} nodes reached.</p>` : '';
    if (own.shown === step) showTree(note + svg, step);
    own.treeDrawnAt = performance.now();
    own.treeCost = own.treeDrawnAt - started;
  }), own.playing ? Math.max(0, wait) : 0);
}

// The keys of step mode, pressed by the step buttons, the slider or on the board.
function pressOwnKey(key) {
  if (own.steps === 0 || !own.end) return;
  const s = own.shown;
  const foundStep = (from, by) => {
    for (let k = from; k >= 0 && k < own.steps; k += by) if (own.kinds[k] === FOUND) return k;
    return s;
  };
  if (key === 'Home') showOwnStep(0);
  else if (key === 'End') showOwnStep(own.steps - 1);
  else if (key === 'ArrowLeft') showOwnStep(s - 1);
  else if (key === 'ArrowRight') showOwnStep(s + 1);
  else if (key === 'n') showOwnStep(foundStep(s + 1, 1));
  else if (key === 'p') showOwnStep(foundStep(s - 1, -1));
  else if (key === ' ') {
    if (own.playing) pauseOwn();
    else playOwn();
  } else if (/^\d$/.test(key)) {
    if (PACE_MS[+key] < 0) pauseOwn();
    else playOwn();
  }
}

function pauseOwn() {
  clearTimeout(own.playing);
  own.playing = null;
}

// Plays the steps at the slider's pace, to the last.
function playOwn() {
  pauseOwn();
  const next = () => {
    if (own.shown >= own.steps - 1) {
      own.playing = null;
      drawOwnTreeSoon();
      return;
    }
    showOwnStep(own.shown + 1);
    own.playing = setTimeout(forThisRun(next), Math.max(0, PACE_MS[+$('step-pace').value]));
  };
  own.playing = setTimeout(forThisRun(next), 0);
}

// The recorded trace in the trace format, every node with its note.
function downloadOwnTrace() {
  const text = ownTrace(own.nodes.length, own.steps);
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([text], { type: 'text/plain' }));
  link.download = `${$('own-example').value}-trace.txt`;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

// "Keep as A": the run's summary and whole tree stay beside the next run's.
async function keepOwnRun() {
  const count = Math.min(own.nodes.length, OWN_TREE_NODES);
  own.kept = { summary: own.summary, svg: await drawOwnTree(ownTrace(count, own.steps), -1) };
  $('own-kept-summary').textContent = own.kept.summary;
  $('own-kept-tree').innerHTML = own.kept.svg;
  $('own-kept').hidden = false;
}
