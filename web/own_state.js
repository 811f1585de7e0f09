// "Your own search": a backtracking search that a student writes in JavaScript on the page.
// Its code runs in a worker of its own (own-search-worker.js), which records every step the
// code reports with enter(), leave(), found(), turnedDown() and deadEnd(), and the boards
// it draws with board(). The page then shows the steps from the first one with the step
// buttons and the panels of step mode: the trace in the trace format, the student's code
// with the line of the step's call marked, the tree drawn by the tree library's SVG writer
// (trace_tree.js, built from web/trace_tree.cpp), and the board.
// The code runs in a sandbox (own_sandbox.js, own-sandbox-frame.js) that reaches nothing
// outside its worker; the page checks and counts every step it receives (own_messages.js).
// This module holds the recorded run and the limits that its modules share: own_search.js
// (its part of the page), own_editor.js, own_keep.js, own_scan.js, own_run.js,
// own_messages.js, own_steps.js and own_trace.js.

export const OWN_SEARCH = 'own-search';
// The examples, each a file in own_search_examples/; the address names the one chosen.
export const OWN_EXAMPLES = [
  { name: 'n-queens', title: 'N-queens' },
  { name: 'subset-sum', title: 'Subset sum' },
];
// The limits of a run: its steps, its time from Run, its trace (the most bytes that the
// tree library's reader takes), the cells of all the boards it keeps, and a board's side.
export const OWN_STEP_LIMIT = 1000000;
export const OWN_TIME_LIMIT_MS = 10000;
export const OWN_TRACE_BYTES = 64 * 1024 * 1024;
export const OWN_BOARD_CELLS = 16 * 1024 * 1024;
export const OWN_BOARD_SIDE = 64;
// The most characters of code the page runs.
export const OWN_CODE_LENGTH = 200000;

// The recorded run, and what the page shows of it; the tests read it as webPage.own.
export const own = {
  editor: null,     // getValue(), setValue(text), markLine(line), unmark(); null until made
  run: 0,           // which run the sandbox's messages belong to
  running: false,   // whether a run's worker goes on
  timer: null,
  codeLines: 0,     // the lines of the run's code
  steps: 0,         // for each step its kind (SearchStep, search-steps.js) and the code's line
  kinds: new Uint8Array(0),
  lines: new Int32Array(0),
  nodes: [],        // { level, text, found: the step of its found() or -1, solution }
  solutions: 0,
  boards: [],       // { step, rows }: the last board() call after that step (-1: before the
                    // first)
  end: null,        // how the run ended: { done }, { error, line }, { limit }, { refused }
                    // (a message the page does not take) or { lost } (the worker gone)
  trace: '',        // the run's trace, as Download trace saves it
  summary: '',      // the summary line that the tree library's reader gives of the trace
  player: false,    // whether step mode's player (web/own_steps.cpp) holds the run's steps
  shown: -1,        // the page it shows: a step, or the number of steps for the last page
  playing: null,    // the timer of the next step while the steps play
  tree: null,       // the tree library's module, with the player
  treeTimer: null,  // the timer of the tree's picture, when the player says it is due
  gate: null,       // lets the player's calls through while its run is the page's
  link: null,       // the code that the address carries (share.js) while the editor shows it
};
