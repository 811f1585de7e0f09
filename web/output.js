// A program's standard output and errors: kept as a terminal keeps its last lines, and shown
// in the text area below the form (the errors under the form).
import { $, forThisRun, run } from './state.js';

// A console keeps about this many characters of a long listing, the latest ones, as a
// terminal keeps its last lines: a text area takes about a second to lay out a megabyte.
// The worker sends no more than twice as much at a time (console-worker.js).
const KEPT_OUTPUT = 256 << 10;
// While a listing streams in, the text area shows only its latest part, and is redrawn at
// most every REDRAW_EVERY ms and never for more than a fifth of the time.
const SHOWN_WHILE_RUNNING = 32 << 10;
const REDRAW_EVERY = 200;

let outDecoder, errDecoder;
let redraw = null, redrawCost = 0;
// A window program's output comes a byte at a time; it is taken in blocks.
let pendingBytes = [];

// Ready for a new run's output.
export function resetOutput() {
  pendingBytes = [];
  outDecoder = new TextDecoder();
  errDecoder = new TextDecoder();
}

// Shows the output kept, or while the program runs only its latest part.
export function showOutput(whole = true) {
  clearTimeout(redraw);
  redraw = null;
  const started = performance.now();
  let text = run.pieces.join(''), hidden = run.dropped;
  if (!whole && text.length > SHOWN_WHILE_RUNNING) {
    hidden += text.length - SHOWN_WHILE_RUNNING;
    text = text.slice(-SHOWN_WHILE_RUNNING);
  }
  const box = $('console');
  box.value = (hidden ? `[${hidden} earlier characters not shown]\n` : '') + text;
  box.scrollTop = box.scrollHeight;
  // The console programs' line of solution depths, explained under the output.
  $('output-note').hidden = !/ Time for each of the \d+ solutions:/.test(text);
  $('errors').textContent = run.errors;
  redrawCost = performance.now() - started;
}

function showOutputSoon() {
  if (redraw === null) {
    redraw = setTimeout(() => showOutput(false), Math.max(REDRAW_EVERY, 4 * redrawCost));
  }
}

export function takeOutput(bytes) {
  const text = outDecoder.decode(bytes, { stream: true });
  if (text === '') return;
  run.pieces.push(text);
  run.kept += text.length;
  while (run.kept - run.pieces[0].length >= KEPT_OUTPUT) {
    run.kept -= run.pieces[0].length;
    run.dropped += run.pieces.shift().length;
  }
  showOutputSoon();
}

export function takeErrors(bytes) {
  run.errors += errDecoder.decode(bytes, { stream: true });
  showOutputSoon();
}

export function takePendingBytes() {
  if (pendingBytes.length) takeOutput(Uint8Array.from(pendingBytes));
  pendingBytes = [];
}
export function putByte(byte) {
  if (pendingBytes.push(byte & 0xff) === 1) setTimeout(forThisRun(takePendingBytes), 0);
}
