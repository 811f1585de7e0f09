// A run of "Your own search": the student's code, scanned for a name it must not declare,
// run in a worker of its own in the page's sandbox (own_sandbox.js), its steps taken and
// checked as they come (own_messages.js), and the run's end, with what ended it.
import { $, SEARCH_CODE, forThisRun, run, setStatus } from './state.js';
import { SearchStep } from './search-steps.js';
import { OWN_BOARD_CELLS, OWN_BOARD_SIDE, OWN_CODE_LENGTH, OWN_SEARCH, OWN_STEP_LIMIT,
  OWN_TIME_LIMIT_MS, OWN_TRACE_BYTES, own } from './own_state.js';
import { showCodeOf } from './panels.js';
import { goToOwnStep, pauseOwn, pressOwnKey, startOwnSteps } from './own_steps.js';
import { boardFault, labelFault } from './own_labels.js';
import { declaredCall } from './own_scan.js';
import { markRunning } from './own_keep.js';
import { startInSandbox, stopSandbox } from './own_sandbox.js';
import { startTaking, stopTaking, takeMessage } from './own_messages.js';
import { ownSummary, ownTrace } from './own_trace.js';

// The worker's own part (own-search-worker.js), fetched once, before the first run.
let workerText = null;
export async function loadWorkerPart() {
  workerText = workerText || (await (await fetch('own-search-worker.js')).text()).trimEnd();
}

// The worker's part of its script: the line that makes the whole script strict and, in a
// block of their own, so that the student's code sees none of them, the kinds of step as
// run/search_step.h numbers them, the run's limits, the rules of labels and boards
// (own_labels.js) and own-search-worker.js, which records the steps with them.
function workerPart() {
  const limits = { steps: OWN_STEP_LIMIT, boardSide: OWN_BOARD_SIDE, codeLines: own.codeLines };
  return `'use strict'; { const SearchStep = Object.freeze(${JSON.stringify(SearchStep)}); ` +
    `const ownLimits = Object.freeze(${JSON.stringify(limits)});\n${labelFault}\n${boardFault}\n` +
    `${workerText} }`;
}

// Run: the code, the worker's part before it and a closing call after it, as one script
// in a worker of its own.
export async function startOwnSearch() {
  if (!own.editor) return;
  own.editor.unmark();
  stopTaking();
  const code = own.editor.getValue();
  Object.assign(own, {
    run: own.run + 1, codeLines: code.split('\n').length, steps: 0, nodes: [],
    solutions: 0, boards: [], end: null, trace: '', summary: '', shown: -1, player: false,
  });
  $('own-summary').textContent = '';
  $('own-counting').hidden = true;
  $('own-step').textContent = '';
  $('own-board').textContent = '';
  for (const button of ['own-download', 'own-keep']) $(button).disabled = true;
  SEARCH_CODE[OWN_SEARCH] = { function: 'your code', file: 'the editor', first_line: 1,
                              lines: code.split('\n'), marks: {} };
  showCodeOf(OWN_SEARCH);
  $('own-question').textContent = '';
  $('own-question').hidden = true;
  $('own-board').hidden = false;
  setStatus('Your search is running.');
  $('stop').disabled = false;
  $('next').disabled = true;
  run.control = {
    key: pressOwnKey,
    goTo: goToOwnStep,
    next: () => {},
    stop: () => {
      pauseOwn();
      if (own.running) endOwnSearch({ limit: 'stop' });
    },
  };

  // Code that would not run as the student means it is refused before it runs.
  if (code.length > OWN_CODE_LENGTH) {
    return endOwnSearch({ error: `the code is ${code.length.toLocaleString('en')} characters ` +
      `long; the page runs at most ${OWN_CODE_LENGTH.toLocaleString('en')}`, line: 0 });
  }
  const declared = declaredCall(code);
  if (declared) {
    return endOwnSearch({ line: declared.line, error: `the code declares ${declared.name}, the ` +
      `name of the page's call ${declared.name}(): take another name` });
  }

  // The time limit counts from Run, the worker's start included.
  own.running = true;
  markRunning(true);
  own.timer = setTimeout(forThisRun(() => endOwnSearch({ limit: 'time' })), OWN_TIME_LIMIT_MS);
  await loadWorkerPart();
  if (!own.running) return;
  const head = workerPart();
  const headLines = head.split('\n').length;
  startTaking(forThisRun((end) => {
    // An error that only the sandbox saw has the script's line.
    if (end.failed) {
      const line = Math.min(Math.max(end.failed.line - headLines, 0), own.codeLines);
      const words = end.failed.words.replace(/^Uncaught /, '');
      endOwnSearch({ error: words || 'the worker stopped without a word: it may have run out ' +
                     'of memory', line });
    } else {
      endOwnSearch(end);
    }
  }));
  startInSandbox(own.run, `${head}\n${code}\n;ownSearchEnds();\n`, forThisRun(takeMessage));
}

// What the status line says of a run that a limit ended.
const LIMITS = {
  time: `Stopped at the limit of ${OWN_TIME_LIMIT_MS / 1000} seconds`,
  steps: `Stopped at the limit of ${OWN_STEP_LIMIT.toLocaleString('en')} steps`,
  trace: `Stopped where the trace would pass the ${OWN_TRACE_BYTES / 2 ** 20} MiB that the ` +
    'trace reader reads',
  boards: `Stopped where the boards kept would pass ${OWN_BOARD_CELLS.toLocaleString('en')} ` +
    'cells in all',
  stop: 'Stopped',
};

// The run is over: the worker is stopped, and the steps recorded so far are shown from the
// first, with what ended the run.
async function endOwnSearch(end) {
  if (own.end) return;
  const number = own.run;
  own.end = end;
  own.running = false;
  markRunning(false);
  clearTimeout(own.timer);
  stopSandbox();
  stopTaking();
  $('stop').disabled = true;
  const steps = `${own.steps.toLocaleString('en')} step${own.steps === 1 ? '' : 's'}`;
  if (end.done) setStatus(`Your search ran to its end: ${steps}.`);
  else if (end.limit) setStatus(`${LIMITS[end.limit]}; the ${steps} recorded so far are kept.`);
  else {
    setStatus(`Your search stopped after ${steps}.`);
    run.errors = end.refused ? `The page refused a message of your code's worker: ${end.refused}.`
      : end.lost ? `The page stopped your code's worker: ${end.lost}.`
        : end.line ? `line ${end.line}: ${end.error}` : end.error;
    $('errors').textContent = run.errors;
    if (end.line) own.editor.markLine(end.line);
  }
  if (own.nodes.length > 0) {
    own.trace = ownTrace(own.nodes.length);
    own.summary = await ownSummary(own.trace);
    if (own.run !== number) return;
  }
  $('own-summary').textContent = own.summary;
  $('own-counting').hidden = own.summary === '';
  for (const button of ['own-download', 'own-keep']) $(button).disabled = own.nodes.length === 0;
  if (own.steps === 0) return;
  // The step keys work on the steps at once, as they do on a window program's picture.
  if (await startOwnSteps()) $('own-stage').focus({ preventScroll: true });
}
