// The buttons and the speed slider of step mode, under the picture: they press the keys of
// step mode for the running program (or for the steps of "Your own search").
import { $, PACE_MS, run } from './state.js';
import { STEP_KEYS } from './step-keys.js';

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
}

export function showPace() {
  const pace = +$('step-pace').value;
  $('pace-words').textContent = `${paceWords(PACE_MS[pace])} (key ${pace})`;
}

// The slider at the pace nearest below a run's delay (--delay), or at a step per key.
export function setPaceFromDelay(delay) {
  const pace = PACE_MS.findIndex((ms) => ms >= 0 && ms <= delay);
  $('step-pace').value = delay === null ? 0 : pace < 0 ? PACE_MS.length - 1 : pace;
  showPace();
}

// The step buttons and the slider work while a run goes on, and not once it has ended.
export function enableStepControls(enabled) {
  for (const control of $('step-controls').querySelectorAll('button, input')) {
    control.disabled = !enabled;
  }
}

// Whether the run shows its steps, so that the keys of step mode are its.
export function stepping() {
  return !$('step-controls').hidden && run.control !== null && run.control.key !== undefined;
}

// The pace that Play starts at from a step per key: the middle one, the key 5.
const PLAY_PACE = '5';

// Presses a key of step mode for the running program; a digit also sets the slider. The space
// bar is the page's Play / Pause, which never ends a run: with no pace of its own it starts the
// steps at the middle pace, and with one it pauses and resumes them (the key Pause).
export function pressStepKey(key) {
  if (!run.control || !run.control.key) return;
  const slider = $('step-pace');
  if (key === ' ') key = +slider.value === 0 ? PLAY_PACE : 'Pause';
  if (STEP_KEYS[key] === 'pace' && slider.value !== key) {
    slider.value = key;
    showPace();
  }
  run.control.key(key);
}
