// The steps of a run of "Your own search", shown after the run by step mode's own player
// (own_player.js, in the tree library): the run's trace and steps go there once, and each
// key of step mode after them; the player says which page each key leads to, and the page
// draws it here: the step's line, its trace, its line of code, its board, its call stack and
// its tree, and in predict mode the question in the board's place.
import { $, forThisRun, run, setStatus } from './state.js';
import { own } from './own_state.js';
import { markCodeLine, showPage } from './panels.js';
import { enableStepControls } from './step_controls.js';
import { showTree } from './tree_panel.js';
import { ownTreeModule } from './own_trace.js';
import { fitBoard } from './present.js';
import { loadOwnPlayer, goToInPlayer, pausePlayer, pressPlayer } from './own_player.js';
import { showStack } from './stack_panel.js';
import { followPredict, leaveQuestionIn, showQuestionIn } from './predict.js';

// The recorded run goes to the player, which shows its first step; false, with the reason
// under the form, when the player refuses it. Predict mode follows the page's switch.
export async function startOwnSteps() {
  const m = await ownTreeModule();
  const why = loadOwnPlayer(own, m, own, {
    line: (title, level) => run.lines.push({ title, level }),
    page: showOwnPage,
    tree: showTree,
    stack: showStack,
    question: (text) => {
      run.question = text;
      showQuestionIn($('own-question'), $('own-board'), text);
    },
  }, forThisRun);
  own.player = why === '';
  if (!own.player) {
    run.errors = `The steps cannot be shown: ${why}`;
    $('errors').textContent = run.errors;
    return false;
  }
  if (run.control) followPredict(run.control);
  return true;
}

// A page the player shows: a step (from 0), or with the number of steps the page after the
// last.
function showOwnPage(step, steps, count, current, ran, status) {
  own.shown = step;
  showPage(step, steps, count, current, ran, status, () => {
    $('own-step').textContent = status;
    leaveQuestionIn($('own-question'), $('own-board'), status);
    markCodeLine(step < steps ? own.lines[step] - 1 : -1);
    showOwnBoard($('own-board'), own.boards, Math.min(step, steps - 1));
    fitBoard();
  });
}

// The board each box shows, so that a page with the same board leaves its cells (up to
// OWN_BOARD_SIDE squared of them) as they are.
const boardIn = new WeakMap();

// The board of the last board() call up to the step, into box: a grid, one character a cell.
export function showOwnBoard(box, boards, step) {
  let lo = 0, hi = boards.length;
  while (lo < hi) {
    const mid = (lo + hi) >> 1;
    if (boards[mid].step <= step) lo = mid + 1;
    else hi = mid;
  }
  const board = lo === 0 ? null : boards[lo - 1];
  if (board !== null && boardIn.get(box) === board && box.firstChild !== null) return;
  boardIn.set(box, board);
  box.textContent = '';
  if (board === null) return;
  const rows = board.rows;
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

// A key of step mode, pressed by the step buttons, the slider or on the board, goes to the
// player; on the last page a key that ends a run ends the steps, as it ends a built-in
// program's run.
export function pressOwnKey(key) {
  if (own.player && pressPlayer(own, key)) endOwnSteps();
}

// The step the address names, where the run is to go to one (place.js).
export function goToOwnStep(step) {
  if (own.player) goToInPlayer(own, step);
}

// The steps are over: as a built-in program's run that has ended, the buttons rest.
function endOwnSteps() {
  pauseOwn();
  own.player = false;
  enableStepControls(false);
  setStatus('The steps of your search have ended; press Run to run it again.');
}

export const pauseOwn = () => pausePlayer(own);
