// The programs' runs: a window program on the page's canvas, a console program in a worker of
// its own; what they say while they run, and how they end.
import { $, STOPPED, forThisRun, loadScript, run, setStatus } from './state.js';
import { PROGRAMS } from './programs.js';
import { putByte, showOutput, takeErrors, takeOutput, takePendingBytes } from './output.js';
import { enableStepControls, showPairControls } from './step_controls.js';
import { showStep } from './panels.js';
import { showStack } from './stack_panel.js';
import { showWindowQuestion } from './predict.js';
import { showConsoleTree, showTree } from './tree_panel.js';
import { fitPicture, newScreen, pictureScale } from './present.js';
import { offerRunToStep } from './place.js';

function waiting() {
  run.waits++;
  showOutput();
  const how = PROGRAMS[run.program].kind === 'window' ? 'a key on the picture, or Continue'
    : 'Continue';
  setStatus(`${run.program} waits for a key: press ${how}.`);
}

function ended(code) {
  if (run.exitCode !== null) return;
  takePendingBytes();
  run.exitCode = code;
  run.control = null;
  $('next').disabled = true;
  $('stop').disabled = true;
  enableStepControls(false);
  // What a run in step mode showed last stays on the page, and Run to step N comes back to it.
  if (!$('step-controls').hidden) offerRunToStep();
  if (code === 0) setStatus(`${run.program} has ended.`);
  else if (code === STOPPED) setStatus(`${run.program} was stopped.`);
  else if (code === 2) setStatus(`${run.program} did not run: see its message under the form.`);
  else setStatus(`${run.program} ended with status ${code}.`);
  showOutput();
  // A value the program refused: its message stands under the form, in view; the help stays
  // closed until asked for.
  if (code === 2) $('errors').scrollIntoView({ block: 'nearest' });
}

export function failed(what) {
  run.errors += `The program failed in the browser: ${what}\n`;
  ended(-1);
}

// A window program runs on the page's thread, since it draws on the page's canvas and reads
// its keys. Each run gets a new canvas: SDL leaves its key listeners on the old one.
export async function startWindowProgram(name, args) {
  const canvas = newScreen();
  $('screen').replaceWith(canvas);
  fitPicture();
  // SDL takes the mouse button for itself, so a click would not focus the canvas otherwise.
  canvas.addEventListener('mousedown', () => canvas.focus());
  await loadScript(`${name}.js`);
  const mod = await window[`create_${name}`]({
    canvas,
    keyboardListeningElement: canvas,
    thisProgram: name,
    stdin: () => null,
    stdout: forThisRun(putByte),
    stderr: forThisRun((byte) => takeErrors(Uint8Array.of(byte & 0xff))),
    print: (text) => console.log(text),
    printErr: (text) => console.warn(text),
    webAnswers: 0,
    webKeys: [],
    webScale: pictureScale(),
    onScreenSize: forThisRun(fitPicture),
    onWait: forThisRun(waiting),
    onExit: forThisRun(ended),
    onAbort: forThisRun(failed),
    onStepLine: forThisRun((title, level) => run.lines.push({ title, level })),
    onStep: forThisRun(showStep),
    onStepTree: forThisRun(showTree),
    // The call stack beside every step, and predict mode's question.
    onStepStack: forThisRun(showStack),
    onStepQuestion: forThisRun(showWindowQuestion),
  });
  canvas.focus();
  run.control = {
    // What Keep as A takes over (keep_a.js): the program, and the canvas it draws on.
    module: mod,
    canvas,
    next: () => { mod.webAnswers++; canvas.focus(); },
    key: (key) => mod.webKeys.push(key),
    // A step (its place in the record) to go to, as the address names it.
    goTo: (step) => { mod.webStep = step; },
    // Seen at the program's next wait, or between two steps that come by themselves.
    scale: (k) => { mod.webScale = k; },
    // Seen at the program's next wait.
    stop: () => { mod.webStop = true; },
  };
  showPairControls();
  mod.callMain(args);
}

export function startConsoleProgram(name, args) {
  const worker = new Worker('console-worker.js');
  worker.onmessage = forThisRun((event) => {
    const m = event.data;
    run.dropped += m.dropped;
    if (m.out.length) takeOutput(m.out);
    if (m.err.length) takeErrors(m.err);
    if (m.tree) showConsoleTree(m.tree);
    if (m.waiting) waiting();
    if ('exit' in m) ended(m.exit);
    if (m.failure) failed(m.failure);
  });
  worker.onerror = forThisRun((event) => failed(event.message));
  run.control = {
    next: () => worker.postMessage({ next: true }),
    stop: () => { worker.terminate(); ended(STOPPED); },
  };
  worker.postMessage({ program: name, args });
}
