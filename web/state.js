// What the page's modules share: the run shown, the tables the page reads from the site, and
// the few helpers that every part of the page uses.

export const $ = (id) => document.getElementById(id);

// The status of a run that Stop ended (web/page_link.h).
export const STOPPED = 143;

// What a run shows, and what the tests read.
export const run = {
  id: 0,          // which run the programs' calls belong to: a stopped one may still call
  program: null,
  waits: 0,
  exitCode: null,
  control: null,  // next() and stop() of the running program, null when none runs
  pieces: [],     // the standard output kept, in the pieces it came in
  kept: 0,        // their characters
  dropped: 0,     // characters of a long listing no longer kept (all output is ASCII)
  errors: '',
  // Step mode of a window program: the trace lines its steps reached, with their levels,
  // and the step shown (its number, the steps so far, the lines up to it, the line it stands
  // on, what the code ran, the status line); and when the page last showed one, and the tree
  // of one (its step, when, and its picture: undefined until one is shown).
  lines: [],
  step: null,
  shownAt: 0,
  treeStep: null,
  treeShownAt: 0,
  treeSvg: undefined,
  // The place in the address (place.js): the step the run is to go to once its first page
  // is shown, and the one it was sent to; what the status line's number adds to a step's
  // place in the record (1 where the first step is step 1, 0 where it is step 0); and the
  // number of the step shown.
  wanted: null,
  sought: null,
  offset: null,
  shownNumber: null,
  // The call stack of the step shown, one frame a line, the newest first (stack_panel.js),
  // and the question of predict mode while one is shown, or null (predict.js).
  stack: '',
  question: null,
};

// The run as it stands before the page's first.
const NO_RUN = structuredClone(run);

// A new run of the page, or none when its run has gone to A (keep_a.js): the run as it stands
// before the first, under a new id, with the fields given, and its panels empty.
export function freshRun(fields) {
  Object.assign(run, structuredClone(NO_RUN), { id: run.id + 1 }, fields);
  for (const id of ['trace', 'tree', 'tree-legend', 'stack']) $(id).textContent = '';
}

// The run kept as A beside the page's run, to compare two runs step by step (keep_a.js): null,
// or what it holds; and whether the keys of step mode go to both runs.
export const pair = { a: null, together: false };

// The status line of predict mode's question, which holds the next step back (steps/step_page.cpp,
// web/own_steps.cpp): its step is the one to come, its depth the step shown's.
const QUESTION = /^step \d+ {3}depth \d+ {3}what happens next\?$/;
export const isQuestion = (status) => QUESTION.test(status);

// The searches' code as the code panel shows it, from the project's source files
// (search-code.json), and the code of "Your own search" once it runs.
export const SEARCH_CODE = {};
// The milliseconds a step of the keys 0 to 9 in step mode, from programs.json; a negative
// one is a step per key.
export const PACE_MS = [];
// Present mode (present.js): the view as large as the screen allows, its text in the size the
// teacher chose (in CSS pixels; null for the screen's own size), and for a console program
// with a tree, whether the tree stands alone in place of the output.
export const presentation = { on: false, text: null, treeAlone: false };

// The text of present mode in CSS pixels: the size the teacher chose, or by default a share
// of the screen's height, and never less than a room reads from its back rows.
const PRESENT_TEXT_SHARE = 0.026;
const PRESENT_TEXT_LEAST = 20;
export function presentTextPx() {
  return presentation.text ??
    Math.max(PRESENT_TEXT_LEAST, Math.round(window.innerHeight * PRESENT_TEXT_SHARE));
}

// Lets a run's calls through only while it is the page's run.
export function forThisRun(take) {
  const id = run.id;
  return (...args) => { if (run.id === id) take(...args); };
}

// A classic script of the site (a program, the tree library, the code editor), loaded once.
const loading = {};
export function loadScript(src) {
  loading[src] = loading[src] || new Promise((resolve, reject) => {
    const s = document.createElement('script');
    s.src = src;
    s.onload = resolve;
    s.onerror = () => { delete loading[src]; reject(new Error(`cannot load ${src}`)); };
    document.head.appendChild(s);
  });
  return loading[src];
}

export function setStatus(text) { $('status').textContent = text; }
