// The steps of a run of "Your own search", shown after the run by step mode's own player
// (web/own_steps.cpp, in the tree library): the run's trace and steps go there once, and each
// key of step mode after them; the player says which page each key leads to, and the page
// draws it here: the step's line, its trace, its line of code, its board and its tree.
import { $, forThisRun, run, setStatus } from './state.js';
import { own } from './own_state.js';
import { markCodeLine, showTrace } from './panels.js';
import { enableStepControls } from './step_controls.js';
import { showTree } from './tree_panel.js';
import { ownTreeModule } from './own_trace.js';
import { placeShown } from './place.js';
import { fitBoard } from './present.js';

// Copies the array into the module's memory; the caller frees it.
function copyIn(m, array, heap) {
  const at = m._malloc(Math.max(1, array.byteLength));
  heap().set(array, at / array.BYTES_PER_ELEMENT);
  return at;
}

// The recorded run goes to the player, which shows its first step; false, with the reason
// under the form, when the player refuses it.
export async function startOwnSteps() {
  const m = await ownTreeModule();
  m.onStepLine = forThisRun((title, level) => run.lines.push({ title, level }));
  m.onStep = forThisRun(showOwnPage);
  m.onStepTree = forThisRun(showTree);
  const trace = own.trace;
  const size = m.lengthBytesUTF8(trace) + 1;
  const text = m._malloc(size);
  m.stringToUTF8(trace, text, size);
  const kinds = copyIn(m, own.kinds.subarray(0, own.steps), () => m.HEAPU8);
  const lines = copyIn(m, own.lines.subarray(0, own.steps), () => m.HEAP32);
  // The step the address names, where the run is to go to one (place.js).
  if (run.control) run.control.goTo = goToOwnStep;
  let why = null;
  try {
    own.player = m._own_steps_load(text, kinds, lines, own.steps) !== 0;
    for (const at of [text, kinds, lines]) m._free(at);
  } catch {
    own.player = false;
    why = 'the tree library stopped on them: it may have run out of memory';
  }
  if (!own.player) {
    why = why || m.UTF8ToString(m._own_steps_fault_message());
    run.errors = `The steps cannot be shown: ${why}`;
    $('errors').textContent = run.errors;
    return false;
  }
  whatComesNext();
  return true;
}

// A page the player shows: a step (from 0), or with the number of steps the page after the
// last.
function showOwnPage(step, steps, count, current, ran, status) {
  own.shown = step;
  $('own-step').textContent = status;
  run.step = { step, steps, count, current, ran, status };
  run.shownAt = performance.now();
  showTrace(count, current);
  markCodeLine(step < steps ? own.lines[step] - 1 : -1);
  showOwnBoard(Math.min(step, steps - 1));
  placeShown(step, steps, status);
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
  fitBoard();
}

// A key of step mode, pressed by the step buttons, the slider or on the board, goes to the
// player; on the last page a key that ends a run ends the steps, as it ends a built-in
// program's run.
export function pressOwnKey(key) {
  if (!own.player) return;
  const m = own.tree;
  const size = m.lengthBytesUTF8(key) + 1;
  const at = m._malloc(size);
  m.stringToUTF8(key, at, size);
  const over = m._own_steps_press(at) !== 0;
  m._free(at);
  if (over) endOwnSteps();
  else whatComesNext();
}

// Goes to a step of the run (from 0), as the address names it; one past the end gives the
// last step.
function goToOwnStep(step) {
  if (!own.player) return;
  own.tree._own_steps_go_to(step);
  whatComesNext();
}

// The page's part of the player's waits: the next step when the steps play, and the tree's
// picture when it is due (the player holds both rules).
function whatComesNext() {
  const m = own.tree;
  clearTimeout(own.playing);
  own.playing = null;
  const wait = m._own_steps_wait_ms();
  if (wait >= 0) own.playing = setTimeout(forThisRun(() => pressOwnKey('ArrowRight')), wait);
  treeWhenDue();
}

function treeWhenDue() {
  clearTimeout(own.treeTimer);
  if (!own.player) return;
  const due = own.tree._own_steps_idle(own.playing === null);
  if (due >= 0) own.treeTimer = setTimeout(forThisRun(treeWhenDue), due);
}

// The steps are over: as a built-in program's run that has ended, the buttons rest.
export function endOwnSteps() {
  pauseOwn();
  own.player = false;
  enableStepControls(false);
  setStatus('The steps of your search have ended; press Run to run it again.');
}

export function pauseOwn() {
  clearTimeout(own.playing);
  clearTimeout(own.treeTimer);
  own.playing = null;
}
