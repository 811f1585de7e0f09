// The page's keys, decided before a program sees them (SDL listens to the canvas's keys):
// - what belongs to the browser (a modifier alone, a key with Ctrl, Alt or Meta held, Tab, the
//   function keys, the browser's and the media keys) goes to the browser and never to a
//   program, so that it never answers a wait nor ends a run;
// - Escape only leaves present mode, and f switches it;
// - in present mode only the keys of its table act, and nothing else does anything;
// - the keys of step mode work whatever control of the page has the focus, except a form's
//   fields and the code editor, where keys do what they do there; a focused button never
//   takes the space bar or Enter as its own click then.
import { presentation, run } from './state.js';
import { PROGRAMS } from './programs.js';
import { STEP_KEYS } from './step-keys.js';
import { pressStepKey, stepping } from './step_controls.js';
import { changeTextSize, present, scrollView, switchTreeAlone } from './present.js';

// The named keys that a program may get, as its waits take any key; every other named key
// (longer than one character) is the browser's, and Escape the page's.
const PROGRAM_KEYS = new Set(['Enter', 'Backspace', 'Delete', 'Insert', 'Home', 'End', 'PageUp',
  'PageDown', 'ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown', 'Pause']);

// Present mode's keys: step mode's own (STEP_KEYS, from the programs' table, the arrows,
// Page Up and Page Down among them, ? for predict mode and s for the call stack on the
// picture), but for those that end a run, and these, each with what it does.
const PRESENT_KEYS = { f: 'leave', Escape: 'leave', '+': 'larger', '-': 'smaller' };
const presentMove = (key) => (key in PRESENT_KEYS ? null
  : STEP_KEYS[key] !== undefined && STEP_KEYS[key] !== 'quit' ? STEP_KEYS[key] : undefined);

// Where keys do what they do there: a form's fields and the code editor.
const FIELDS = 'input:not([type=range]), select, textarea:not([readonly]), [contenteditable=true]';

// The keys whose press the page took, each with whether it kept the press from the browser
// too: their release is not the program's either, nor a focused button's click.
const taken = new Map();

function take(event, prevent = true) {
  if (prevent) event.preventDefault();
  event.stopPropagation();
  taken.set(event.code || event.key, prevent);
}

function browsers(event) {
  if (event.getModifierState && event.getModifierState('AltGraph')) return false;
  return event.ctrlKey || event.altKey || event.metaKey ||
    (event.key.length > 1 && event.key !== 'Escape' && !PROGRAM_KEYS.has(event.key));
}

// A key in present mode: the step keys move through the view, + and - size its text.
function inPresentation(event) {
  const key = event.key;
  take(event);
  if (event.repeat && (key === 'f' || key === 'Escape')) return;
  if (PRESENT_KEYS[key] === 'leave') present(false);
  else if (PRESENT_KEYS[key] === 'larger' || PRESENT_KEYS[key] === 'smaller') {
    changeTextSize(PRESENT_KEYS[key] === 'larger');
  } else {
    const move = presentMove(key);
    if (!move) return;
    if (stepping()) pressStepKey(key);
    else if (PROGRAMS[run.program]?.kind === 'window') {
      // Pages that wait for a key: a move forward turns the page, as Continue does.
      if (['forward', 'play', 'play-pause', 'next-found', 'newest'].includes(move) && run.control) {
        run.control.next();
      }
    } else if (move === 'switch-view') switchTreeAlone();
    else if (['forward', 'play', 'back', 'first', 'newest'].includes(move)) scrollView(move);
  }
}

function keyDown(event) {
  if (event.target.closest?.(FIELDS)) return;
  if (browsers(event)) {
    take(event, false);
    return;
  }
  if (presentation.on) {
    inPresentation(event);
    return;
  }
  if (event.key === 'Escape') {
    take(event);
    return;
  }
  if (event.key === 'f') {
    take(event);
    if (!event.repeat) present(true);
    return;
  }
  if (!stepping()) return;  // a program's wait for any key takes it on the picture
  if (STEP_KEYS[event.key] !== undefined) {
    take(event);
    pressStepKey(event.key);
  } else {
    take(event, event.key === 'Enter' && !!event.target.closest?.('#controls button'));
  }
}

// The release (and the character) of a key whose press the page took.
function keyAfter(event) {
  const code = event.code || event.key;
  if (!taken.has(code)) return;
  if (taken.get(code)) event.preventDefault();
  event.stopPropagation();
  if (event.type === 'keyup') taken.delete(code);
}

export function listenToKeys() {
  window.addEventListener('keydown', keyDown, true);
  window.addEventListener('keypress', keyAfter, true);
  window.addEventListener('keyup', keyAfter, true);
}
