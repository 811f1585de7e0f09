// The steps of a run of "Your own search", shown one at a time after the run: the step's
// line, its trace, its line of code, its board and its tree, moved by the keys of step mode
// (the step buttons, the slider, or the keys on the board of the steps).
import { $, PACE_MS, forThisRun, run } from './state.js';
import { SearchStep } from './search-steps.js';
import { own } from './own_state.js';
import { markCodeLine, showTrace } from './panels.js';
import { pressStepKey, showPace } from './step_controls.js';
import { drawOwnTreeSoon, ownLine } from './own_trace.js';

// The names the code panel and the tests give the kinds of step, as the tree names its nodes
// (tree/search_tree.cpp) and the back-up.
const OWN_STEP_NAMES = {
  [SearchStep.enter]: 'call', [SearchStep.found]: 'solution',
  [SearchStep.turned_down]: 'turned-down', [SearchStep.dead_end]: 'dead-end',
  [SearchStep.back_up]: 'back-up',
};
// The keys of step mode that the board of the steps takes as the step buttons' keys (End,
// which no button has, goes to the last step).
const OWN_KEYS = ['Home', 'End', 'ArrowLeft', 'ArrowRight', ' ', 'p', 'n', ...'0123456789'];

// The step shown, from 0; a step past either end is the step at that end.
export function showOwnStep(step) {
  step = Math.max(0, Math.min(step, own.steps - 1));
  own.shown = step;
  const kind = own.kinds[step], count = own.counts[step], current = own.currents[step];
  const node = current >= 0 ? own.nodes[current] : null;
  const at = node ? ownLine(current, step).title : 'the top';
  const what = { [SearchStep.enter]: `enter ${at}`, [SearchStep.back_up]: `leave, back to ${at}`,
                 [SearchStep.found]: `found: ${at}` }[kind] ?? at;
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

// The keys of step mode, pressed by the step buttons, the slider or on the board.
export function pressOwnKey(key) {
  if (own.steps === 0 || !own.end) return;
  const s = own.shown;
  const foundStep = (from, by) => {
    for (let k = from; k >= 0 && k < own.steps; k += by) {
      if (own.kinds[k] === SearchStep.found) return k;
    }
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

export function pauseOwn() {
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

// A key on the board of the steps: a key of step mode, as its button or the slider presses it.
export function ownStageKeys(event) {
  const key = event.key;
  if (!OWN_KEYS.includes(key) || event.ctrlKey || event.altKey || event.metaKey) return;
  event.preventDefault();
  if (/^\d$/.test(key)) {
    $('step-pace').value = key;
    showPace();
  }
  pressStepKey(key);
}
