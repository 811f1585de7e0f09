// Two runs side by side: "Keep as A" keeps the page's run, live, beside the next one (B), so
// that a class compares them step by step; with Step together ticked every key of step mode
// goes to both (step_controls.js), each keeping its own status line, and a run that ends
// first stays on its last page. A window program's A is its running instance, its Module,
// canvas and record of steps kept: the next Run starts B on a new canvas and leaves A alone.
// The A of "Your own search" is a second instance of the tree library holding A's recorded
// steps, with a player of its own (own_player.js); it stands on its last page, its whole tree
// shown, until Step together brings it to the step of the page's run. Stop stops B
// only; a Run of another program, or Keep as A again, replaces A.
import { $, freshRun, pair, run, setStatus } from './state.js';
import { OWN_SEARCH, own } from './own_state.js';
import { goToInPlayer, loadOwnPlayer, pausePlayer, pressPlayer } from './own_player.js';
import { showOwnBoard } from './own_steps.js';
import { showStackIn } from './stack_panel.js';
import { showTreeIn } from './tree_panel.js';
import { followPredict, leaveQuestionIn, showQuestionIn } from './predict.js';
import { enableStepControls, showPairControls } from './step_controls.js';
import { newScreen } from './present.js';
import { newTreeModule } from './own_trace.js';

// Lets a call of A's through only while it is the page's A.
const gateFor = (a) => (take) => (...args) => { if (pair.a === a) take(...args); };

// A's view: its status line, its picture or board, its call stack and its tree.
const hooksOf = (a) => ({
  line: () => {},
  page: (step, steps, count, current, ran, status) => {
    Object.assign(a, { step, steps, status });
    $('a-status').textContent = status;
    if (a.kind === 'window') a.canvas.setAttribute('aria-label', `A: ${status}`);
    if (a.kind !== 'own') return;
    leaveQuestionIn($('a-question'), $('a-board'), status);
    showOwnBoard($('a-board'), a.boards, Math.min(step, steps - 1));
  },
  tree: (svg) => showTreeIn($('own-kept-tree'), $('a-tree-legend'), svg),
  stack: (text) => showStackIn($('a-stack'), text),
  question: (text) => {
    if (a.kind === 'own') showQuestionIn($('a-question'), $('a-board'), text);
    else a.canvas.setAttribute('aria-label', `A: ${a.status}. ${text.replace(/\n/g, ' ')}`);
  },
});

// Shows A's part of the page, beside the page's run from 1280 pixels wide, below it on a
// narrower screen (index.html).
function showA(a) {
  $('run-a').hidden = false;
  $('layout').classList.add('with-a');
  $('a-board').hidden = a.kind !== 'own';
  $('a-question').hidden = true;
  $('a-status').textContent = a.status;
  $('own-kept-summary').textContent = a.summary;
  showPairControls();
}

// A is gone: a window program's instance stopped at its next wait, its canvas taken away.
export function dropA() {
  const a = pair.a;
  if (!a) return;
  pair.a = null;
  a.live = false;
  if (a.kind === 'window') {
    a.control.stop();
    a.canvas.remove();
  } else if (a.tree) {
    pausePlayer(a);
  }
  $('run-a').hidden = true;
  $('layout').classList.remove('with-a');
  for (const id of ['a-status', 'own-kept-summary', 'a-board', 'a-question', 'a-stack',
    'own-kept-tree', 'a-tree-legend']) $(id).textContent = '';
  showPairControls();
}

// A has ended (its program stopped, or a key ended its steps): its last page stays.
function endA(a, why) {
  a.live = false;
  $('a-status').textContent = `${a.status} (A has ended${why ? `: ${why}` : ''})`;
  enableStepControls(run.control !== null);
}

// The page's window program in step mode becomes A: its hooks answer A's view from now on,
// its canvas stands in A's place, and the page waits for Run to start B.
export function keepWindowAsA() {
  const control = run.control;
  if (!control?.module || run.exitCode !== null) return;
  dropA();
  const a = { kind: 'window', program: run.program, control, canvas: control.canvas, live: true,
              step: run.step?.step ?? null, status: run.step?.status ?? '', summary: '' };
  pair.a = a;
  const gate = gateFor(a);
  const hooks = hooksOf(a);
  Object.assign(control.module, {
    onStep: gate(hooks.page), onStepLine: hooks.line, onStepTree: gate(hooks.tree),
    onStepStack: gate(hooks.stack), onStepQuestion: gate(hooks.question), onWait: () => {},
    onExit: gate(() => endA(a)), onAbort: gate((what) => endA(a, `it failed: ${what}`)),
  });
  a.canvas.id = 'screen-a';
  $('a-holder').append(a.canvas);
  $('screen-holder').append(newScreen());
  showA(a);
  hooks.page(a.step, 0, 0, -1, '', a.status);
  if (run.treeSvg !== undefined) hooks.tree(run.treeSvg);
  hooks.stack(run.stack);
  leavePageRun(`${a.program} is kept as A. Press Run to run it again as B beside it.`);
}

// "Keep as A" of "Your own search": the run's recorded steps in a new instance of the tree
// library, which stands on the run's last page.
export async function keepOwnAsA() {
  if (own.steps === 0 || own.trace === '') return;
  dropA();
  const a = { kind: 'own', program: OWN_SEARCH, live: false, control: null, status: '',
              summary: own.summary, trace: own.trace, steps: own.steps, boards: own.boards,
              kinds: own.kinds.slice(0, own.steps), lines: own.lines.slice(0, own.steps) };
  pair.a = a;
  showA(a);
  const m = await newTreeModule();
  if (pair.a !== a) return;
  const why = loadOwnPlayer(a, m, a, hooksOf(a), gateFor(a));
  if (why !== '') {
    $('a-status').textContent = `A's steps cannot be shown: ${why}`;
    return;
  }
  a.live = true;
  a.control = { key: (key) => { if (a.live && pressPlayer(a, key)) endA(a); },
                goTo: (step) => goToInPlayer(a, step), predict: false };
  a.control.key('End');
  followPredict(a.control);
  showPairControls();
}

// The page's run has gone to A: the page shows no run of its own until the next Run.
function leavePageRun(words) {
  freshRun({ program: run.program });
  $('next').disabled = $('stop').disabled = true;
  $('run-to-step').hidden = true;
  setStatus(words);
  enableStepControls(false);
}
