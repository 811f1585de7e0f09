// The worker that runs a search written in the page ("Your own search"). The page makes one
// script of this file, the student's code after its last line, and a closing call of
// ownSearchEnds(), and starts it as a worker of its own in the page's sandbox
// (own-sandbox-frame.js), which lets it reach nothing outside the worker: the code never
// runs on the page. Before this file the page puts the line that makes the whole script
// strict and, in a block that ends with this file, what this part shares with the page: the
// kinds of step, SearchStep, as run/search_step.h numbers them (search-steps.js), the limits
// (ownLimits: the steps of a run, a board's side, the lines of the code) and the rules of
// labels and boards, labelFault and boardFault (own_labels.js); the student's code sees none
// of them (own_run.js).
// This part first takes away what would reach the network or the page (its own way of
// sending excepted), then gives the code its calls, which record each step with the line of
// the call that made it and send the steps to the page in blocks. The page stops the
// worker at its time limit and checks every block; this part stops the code at the step
// limit and at a call that does not fit the calls before it, with the line of that call.
/* global SearchStep, boardFault, labelFault, ownLimits */
(function ownSearchCalls(here) {
  // The steps go to the page in blocks: a step made sendEveryMs or more after the last block
  // was sent is sent at once, with the steps before it. A run stopped at the time limit
  // keeps its steps but those of the last sendEveryMs before a loop that makes none.
  const sendEveryMs = 20;

  const post = self.postMessage.bind(self);
  const now = performance.now.bind(performance);
  const captureStack = Error.captureStackTrace;
  for (const name of ['fetch', 'XMLHttpRequest', 'WebSocket', 'WebSocketStream', 'importScripts',
                      'indexedDB', 'caches', 'EventSource', 'WebTransport', 'Worker',
                      'SharedWorker', 'postMessage', 'close']) {
    for (let o = self; o !== null; o = Object.getPrototypeOf(o)) delete o[name];
  }

  // The line of this script that a stack's frame names, in either browser's way of naming it.
  const lineOfFrame = (frame) => +(/:(\d+):\d+\)?$/.exec(frame) || [0, 0])[1];
  // The script's line where the student's code begins: the one after this file's last line.
  const firstLine = lineOfFrame(here.stack.split('\n').find((f) => /:\d+:\d+\)?$/.test(f))) + 1;
  // The line of the code that a line of the script is, or 0 for one outside the code.
  const codeLine = (scriptLine) => {
    const line = scriptLine - firstLine + 1;
    return line >= 1 && line <= ownLimits.codeLines ? line : 0;
  };

  // The line of the student's code that called the call: Chromium names the frame below
  // the call itself; elsewhere it is the third frame of a stack made here (this function,
  // the call, its caller).
  // A stack of one frame, the frames as objects rather than text, costs the least.
  const framesThemselves = (error, frames) => frames;
  function callerLine(call) {
    if (!captureStack) {
      return codeLine(lineOfFrame(new Error().stack.split('\n')
        .filter((f) => /:\d+:\d+\)?$/.test(f))[2]));
    }
    const saved = Error.prepareStackTrace, limit = Error.stackTraceLimit;
    try {
      Error.prepareStackTrace = framesThemselves;
      Error.stackTraceLimit = 1;
      const holder = {};
      captureStack(holder, call);
      return holder.stack.length ? codeLine(holder.stack[0].getLineNumber()) : 0;
    } catch (e) {
      // Out of stack here, where the error's own stack holds one frame: a new one, made
      // with the code's limit, holds the code's frames (deepestLine).
      Error.stackTraceLimit = limit;
      throw e instanceof RangeError ? new RangeError(e.message) : e;
    } finally {
      Error.prepareStackTrace = saved;
      Error.stackTraceLimit = limit;
    }
  }

  // The line of the code nearest the top of the error's stack: where a stack overflow
  // happened in the deepest call of the code, even inside a call of this part. 0 without one.
  function deepestLine(error) {
    let frames = [];
    const saved = Error.prepareStackTrace;
    try {
      Error.prepareStackTrace = framesThemselves;
      frames = error instanceof Error ? error.stack : [];
    } catch {
      frames = [];
    } finally {
      Error.prepareStackTrace = saved;
    }
    const lines = Array.isArray(frames) ? frames.map((f) => f.getLineNumber())
      : typeof frames === 'string' ? frames.split('\n').map(lineOfFrame) : [];
    return lines.map(codeLine).find((line) => line > 0) || 0;
  }

  // The run: the steps since the last block sent, and what the calls must agree with.
  let steps = 0, stopped = false;
  let kinds = [], lines = [], labels = [], boards = [];
  let sentAt = -sendEveryMs;
  const path = [];  // the nodes entered and not left, whether each reported found()

  // A stack overflow in sending, deep in the code's calls, is the code's: it is sent again,
  // with the steps, by the error's handler, which runs when the stack has unwound.
  function send(end) {
    try {
      post({ kinds: Uint8Array.from(kinds), lines: Int32Array.from(lines), labels, boards, end });
    } catch (e) {
      throw e instanceof RangeError ? new RangeError('Maximum call stack size exceeded') : e;
    }
    kinds = [];
    lines = [];
    labels = [];
    boards = [];
    sentAt = now();
  }

  // Ends the run with the steps so far; the code is stopped by an exception that the page
  // hears of no more (every call throws it again, should the code catch it).
  class Stop {}
  function stop(end) {
    if (!stopped) send(end);
    stopped = true;
    throw new Stop();
  }

  // Records a step of the kind, made by the code's line, with the label of the node it
  // reaches.
  function record(kind, line, label) {
    if (stopped) throw new Stop();
    if (steps === ownLimits.steps) stop({ limit: 'steps' });
    if (label !== null) labels.push(label);
    kinds.push(kind);
    lines.push(line);
    steps++;
    if (now() - sentAt >= sendEveryMs) send(null);
  }

  // The label given to a call, as a string that the trace reads as it is (own_labels.js).
  function labelOf(call, given, line) {
    const label = given === undefined || given === null ? '' : String(given);
    const fault = labelFault(label, call);
    if (fault) stop({ error: `${call}(): the label ${fault}`, line });
    return label;
  }

  function enter(label) {
    const line = callerLine(enter);
    record(SearchStep.enter, line, labelOf('enter', label, line));
    path.push(false);
  }
  // A leave() is the back-up of the call that its enter() began.
  function leave() {
    const line = callerLine(leave);
    if (path.length === 0) stop({ error: 'leave() with nothing entered', line });
    path.pop();
    record(SearchStep.back_up, line, null);
  }
  function found() {
    const line = callerLine(found);
    if (path.length === 0) stop({ error: 'found() with nothing entered: enter() first', line });
    if (path[path.length - 1]) stop({ error: 'found() twice for the same node', line });
    path[path.length - 1] = true;
    record(SearchStep.found, line, null);
  }
  function turnedDown(label) {
    const line = callerLine(turnedDown);
    record(SearchStep.turned_down, line, labelOf('turnedDown', label, line));
  }
  function deadEnd(label) {
    const line = callerLine(deadEnd);
    record(SearchStep.dead_end, line, labelOf('deadEnd', label, line));
  }
  // The board of the last step (or of the first, before any step): equal rows of cells. Of
  // the boards drawn after one step, the last one is kept.
  function board(rows) {
    if (stopped) throw new Stop();
    const fault = boardFault(rows, ownLimits.boardSide);
    if (fault) stop({ line: callerLine(board), error: `board() takes ${fault}` });
    if (boards.length > 0 && boards[boards.length - 1].step === steps - 1) boards.pop();
    boards.push({ step: steps - 1, rows: rows.slice() });
    if (now() - sentAt >= sendEveryMs) send(null);
  }
  // After the code: the page checks that every enter() had its leave().
  function ends() {
    stop({ done: true });
  }

  // An exception of the code ends the run with its line: where it was thrown, or for one
  // thrown in this part (a stack overflow in a call), the deepest line of the code.
  self.addEventListener('error', (event) => {
    event.preventDefault();
    if (event.error instanceof Stop || stopped) return;
    stopped = true;
    const line = codeLine(event.lineno) || deepestLine(event.error);
    send({ error: String(event.message).replace(/^Uncaught /, '').slice(0, 1000), line });
  });

  // The calls, which the code cannot replace: the page refuses code that declares their
  // names (own_scan.js); a name declared at the code's top level in a way that the scan
  // missed is there before this part runs.
  const calls = { enter, leave, found, turnedDown, deadEnd, board, ownSearchEnds: ends };
  for (const [name, call] of Object.entries(calls)) {
    if (name in self) {
      stop({ error: `the code declares ${name}, which the page gives it: take another name`,
             line: 0 });
    }
    Object.defineProperty(self, name, { value: call, writable: false, configurable: false });
  }
})(new Error());
