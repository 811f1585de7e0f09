// Predict, then reveal: with predict mode on, a move forward first asks what the search does
// next (the current call and its candidates) and holds the step back; the next move forward
// reveals it. Step mode's navigation decides (steps/step_navigation.h); the page keeps one
// switch for it, the box Predict and the key ?, which the address keeps (&predict=1), and tells
// each run it steps (the page's, and the one kept as A when the keys go to both) to follow it.
// A window program draws the question on its picture; "Your own search" shows it in the
// board's place, until the next move.
import { $, isQuestion, run } from './state.js';
import { setAddress } from './form.js';
import { keyTargets } from './step_controls.js';

// The box among the step controls: it presses ?, as the key does.
export function makePredictBox(box) {
  const label = document.createElement('label');
  label.className = 'flag';
  label.title = 'Predict, then reveal: a move forward first asks what happens next (the key ?)';
  const input = document.createElement('input');
  Object.assign(input, { type: 'checkbox', id: 'step-predict' });
  input.addEventListener('change', () => setPredict(input.checked));
  const key = document.createElement('kbd');
  key.textContent = '?';
  label.append(input, 'Predict ', key);
  box.append(label);
}

// The switch as the address sets it, for the runs to come.
export function takePredict(query) { $('step-predict').checked = query.get('predict') === '1'; }
export const predictWanted = () => $('step-predict').checked;
// The address keeps the switch while it is on.
export const keepPredictInAddress = () => setAddress({ predict: predictWanted() ? 1 : null });

// Predict mode on or off for every run the keys go to, each told only where it differs.
export function setPredict(on) {
  $('step-predict').checked = on;
  keepPredictInAddress();
  for (const control of keyTargets()) followPredict(control);
}

// A run (its control: its key() and whether its mode is on) set to the switch: a run that
// starts, or the run kept as A when the keys go to it too.
export function followPredict(control) {
  if (!!control.predict === predictWanted()) return;
  control.predict = predictWanted();
  control.key('?');
}

// The question's lines in the box, in the board's place.
export function showQuestionIn(box, board, text) {
  box.textContent = text.replace(/\n$/, '');
  box.hidden = false;
  board.hidden = true;
}

// A page shown: the board back in its place, unless the page is the question.
export function leaveQuestionIn(box, board, status) {
  if (isQuestion(status)) return;
  box.hidden = true;
  board.hidden = false;
}

// The question of the page's window program: drawn on its picture by the program, named in
// the picture's accessible name here.
export function showWindowQuestion(text) {
  run.question = text;
  $('screen').setAttribute('aria-label', text.replace(/\s*\n\s*/g, ' ').trim());
}
