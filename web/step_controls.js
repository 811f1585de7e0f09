// The buttons and the speed slider of step mode, under the picture: they press the keys of
// step mode for the running program (or for the steps of "Your own search"), and with a run
// kept as A (keep_a.js) for it too when Step together is ticked, or when it steps alone.
import { $, PACE_MS, pair, run } from './state.js';
import { STEP_KEYS } from './step-keys.js';
import { followPredict, makePredictBox, setPredict } from './predict.js';

// The buttons of step mode, each with the key it presses: the same keys work anywhere on the
// page but in a form's fields and the code editor (page_keys.js).
const STEP_BUTTONS = [
  { id: 'step-first', label: 'First', key: 'Home', shown: 'Home' },
  { id: 'step-back', label: 'Back', key: 'ArrowLeft', shown: '\u2190' },
  { id: 'step-forward', label: 'Forward', key: 'ArrowRight', shown: '\u2192' },
  { id: 'step-play', label: 'Play / Pause', key: ' ', shown: 'Space' },
  { id: 'step-previous', label: 'Previous solution', key: 'p', shown: 'p' },
  { id: 'step-next', label: 'Next solution', key: 'n', shown: 'n' },
  { id: 'step-view', label: 'Picture / Tree', key: 't', shown: 't' },
  { id: 'step-stack', label: 'Stack on the picture', key: 's', shown: 's' },
];
const paceWords = (ms) => (ms < 0 ? 'a step per key' : ms === 1000 ? '1 step a second'
  : `${ms} ms a step`);

// The step buttons and the pace slider, made once.
export function makeStepControls() {
  const box = $('step-controls');
  for (const b of STEP_BUTTONS) {
    const button = document.createElement('button');
    button.type = 'button';
    button.id = b.id;
    const key = document.createElement('kbd');
    key.textContent = b.shown;
    button.append(`${b.label} `, key);
    button.title = `${b.label}: the key ${b.shown}`;
    button.addEventListener('click', () => pressStepKey(b.key));
    box.append(button);
  }
  const label = document.createElement('label');
  label.className = 'flag';
  const slider = document.createElement('input');
  Object.assign(slider, { type: 'range', id: 'step-pace', min: 0, max: 9, step: 1, value: 0 });
  const words = document.createElement('output');
  words.id = 'pace-words';
  slider.addEventListener('input', () => {
    showPace();
    pressStepKey(slider.value);
  });
  label.append('Speed', slider, words);
  box.append(label);
  showPace();
  makePredictBox(box);
  makePairControls(box);
}

// Keep as A (for a window program; "Your own search" has its own button by its editor) and
// Step together, which sends every key of step mode to both runs.
function makePairControls(box) {
  const keep = document.createElement('button');
  Object.assign(keep, { type: 'button', id: 'keep-a', textContent: 'Keep as A', disabled: true,
    title: 'Keeps this run, live, beside the next Run of the program, to step both together' });
  const label = document.createElement('label');
  label.className = 'flag';
  label.title = 'Every key of step mode goes to both runs, A and this one';
  const together = document.createElement('input');
  Object.assign(together, { type: 'checkbox', id: 'step-together', disabled: true });
  together.addEventListener('change', () => {
    pair.together = together.checked;
    if (!pair.together || !pair.a?.live) return;
    followPredict(pair.a.control);
    // Both runs move from one step: A goes to the step the page's run stands on.
    if (stepsOfPage() && run.step) pair.a.control.goTo?.(run.step.step);
  });
  label.append(together, 'Step together');
  box.append(keep, label);
}

function showPace() {
  const pace = +$('step-pace').value;
  $('pace-words').textContent = `${paceWords(PACE_MS[pace])} (key ${pace})`;
}

// The slider at the pace nearest below a run's delay (--delay), or at a step per key.
export function setPaceFromDelay(delay) {
  const pace = PACE_MS.findIndex((ms) => ms >= 0 && ms <= delay);
  $('step-pace').value = delay === null ? 0 : pace < 0 ? PACE_MS.length - 1 : pace;
  showPace();
}

// The step buttons and the slider work while a run goes on, the page's or the one kept as A,
// and not once both have ended.
export function enableStepControls(enabled) {
  for (const control of $('step-controls').querySelectorAll('button, input')) {
    control.disabled = !enabled && !pair.a?.live;
  }
  showPairControls();
}

// Keep as A while the page's window program shows its steps; Step together while A is kept.
export function showPairControls() {
  $('keep-a').disabled = !stepsOfPage() || !run.control.module || run.exitCode !== null;
  $('keep-a').hidden = $('own-stage').hidden === false;
  $('step-together').disabled = !pair.a?.live;
  $('step-together').parentElement.hidden = pair.a === null;
}

// Whether the page's run shows its steps, so that the keys of step mode are its.
const stepsOfPage = () => !$('step-controls').hidden && run.control !== null &&
  run.control.key !== undefined;

// Whether a run takes the keys of step mode: the page's, or the one kept as A.
export const stepping = () => stepsOfPage() || !!pair.a?.live;

// The controls (key() and the state of predict mode) of the runs the keys go to: the page's,
// and A when Step together is ticked or the page runs nothing that steps.
export function keyTargets() {
  const targets = stepsOfPage() ? [run.control] : [];
  if (pair.a?.live && (pair.together || targets.length === 0)) targets.push(pair.a.control);
  return targets;
}

// The pace that Play starts at from a step per key: the middle one, the key 5.
const PLAY_PACE = '5';

// Presses a key of step mode for the running program; a digit also sets the slider. The space
// bar is the page's Play / Pause, which never ends a run: with no pace of its own it starts the
// steps at the middle pace, and with one it pauses and resumes them (the key Pause).
export function pressStepKey(key) {
  const targets = keyTargets();
  if (targets.length === 0) return;
  if (STEP_KEYS[key] === 'predict') {
    setPredict(!$('step-predict').checked);
    return;
  }
  const slider = $('step-pace');
  if (key === ' ') key = +slider.value === 0 ? PLAY_PACE : 'Pause';
  if (STEP_KEYS[key] === 'pace' && slider.value !== key) {
    slider.value = key;
    showPace();
  }
  for (const control of targets) control.key(key);
}
