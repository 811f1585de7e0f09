// The place kept in the address: the step shown, numbered as its status line numbers it
// (&step=168; tileview's step 0 is the empty board), written as the class moves without a new
// entry in the history. A run that is to go to a step (an address that names one, or "Run to
// step N" once a run has ended) goes there once its first page is shown, through step mode's
// own navigation: the program's search runs on unseen, as it does for n, until it takes it.
import { $, forThisRun, isQuestion, presentation, run } from './state.js';
import { setAddress } from './form.js';

// Browsers limit how often a page may change its address: while the steps play, the address
// follows the step shown at most this often, and always ends on the last one.
const ADDRESS_EVERY_MS = 250;
// A step as an address may name it: a whole number of at most nine digits.
const STEP_NUMBER = /^\d{1,9}$/;

let writtenAt = -ADDRESS_EVERY_MS;
let timer = null;
// The step of an address that "Your own search" goes to after its next Run.
let pending = null;

// The step that the address names, or null where it names none or something else.
export function stepOfAddress(query) {
  const step = query.get('step');
  return step !== null && STEP_NUMBER.test(step) ? +step : null;
}

// "Your own search" runs only at Run: the step of its address waits for it.
export function keepForRun(step) { pending = step; }
export function takeKeptForRun() {
  const step = pending;
  pending = null;
  return step;
}

// A page shown: a step of the record (from 0), or with the number of steps the page after
// the last, which stands at the last step; status is its status line. The question of predict
// mode stands at the step shown, and numbers the step it holds back.
export function placeShown(step, steps, status) {
  const number = isQuestion(status) ? null : /^step (\d+)/.exec(status);
  if (number && step < steps) run.offset = +number[1] - step;
  if (run.offset === null || steps === 0) return;
  run.shownNumber = Math.min(step, steps - 1) + run.offset;
  if (run.wanted !== null && run.control && run.control.goTo) {
    run.sought = run.wanted;
    run.wanted = null;
    // Once the page shown is wholly shown: the move shows a page of its own.
    const goTo = run.control.goTo, step = Math.max(0, run.sought - run.offset);
    setTimeout(forThisRun(() => goTo(step)), 0);
    return;
  }
  if (run.sought !== null) {
    noteOnPlace(run.sought === run.shownNumber ? ''
      : run.sought > run.shownNumber
        ? `Step ${run.sought} is past the end: the last step, ${run.shownNumber}, is shown.`
        : `There is no step ${run.sought}: the first step, ${run.shownNumber}, is shown.`);
    run.sought = null;
  }
  keepInAddress();
}

export function noteOnPlace(text) {
  $('place-note').textContent = text;
  $('place-note').hidden = text === '';
}

function keepInAddress() {
  clearTimeout(timer);
  const wait = writtenAt + ADDRESS_EVERY_MS - performance.now();
  if (wait > 0) {
    timer = setTimeout(forThisRun(keepInAddress), wait);
    return;
  }
  writtenAt = performance.now();
  setAddress({ step: run.shownNumber, text: presentation.text });
}

// Once a run in step mode has ended, "Run to step N" offers to come back to the step it
// showed last, as the address still names it.
export function offerRunToStep() {
  const button = $('run-to-step');
  button.hidden = run.shownNumber === null || run.offset === null;
  if (button.hidden) return;
  button.dataset.step = run.shownNumber;
  button.textContent = `Run to step ${run.shownNumber}`;
}
