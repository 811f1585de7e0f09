// The worker that runs a search written in the page ("Your own search"). The page makes one
// script of this file, the student's code after its last line, and a closing call of
// ownSearchEnds(), and starts it as a worker of its own: the code never runs on the page.
// Before this file the page puts the line that makes the whole script strict and, in a block
// that ends with this file, the kinds of step, SearchStep, as run/search_step.h numbers them
// (search-steps.js); the student's code sees neither (own_run.js).
// This part first takes away what would reach the network or storage, then gives the code
// its calls, which record each step with the line of the call that made it and send the
// steps to the page in blocks. The page stops the worker at its time limit; this part stops
// the code at the step limit, and at a call that does not fit the calls before it.
/* global SearchStep */
(function ownSearchCalls(here) {
  const stepLimit = 1000000;
  // The steps go to the page in blocks: a step made sendEveryMs or more after the last block
  // was sent is sent at once, with the steps before it. A run stopped at the time limit
  // keeps its steps but those of the last sendEveryMs before a loop that makes none.
  const sendEveryMs = 20;
  // The most rows and columns a board has.
  const boardSide = 64;

  const post = self.postMessage.bind(self);
  const now = performance.now.bind(performance);
  const captureStack = Error.captureStackTrace;
  for (const name of ['fetch', 'XMLHttpRequest', 'WebSocket', 'importScripts', 'indexedDB',
                      'caches', 'EventSource', 'WebTransport', 'Worker', 'SharedWorker']) {
    for (let o = self; o !== null; o = Object.getPrototypeOf(o)) delete o[name];
  }

  // The line of this script that a stack's frame names, in either browser's way of naming it.
  const lineOfFrame = (frame) => +(/:(\d+):\d+\)?$/.exec(frame) || [0, 0])[1];
  // The script's line where the student's code begins: the one after this file's last line.
  const firstLine = lineOfFrame(here.stack.split('\n').find((f) => /:\d+:\d+\)?$/.test(f))) + 1;

  // The line of the student's code that called the call: Chromium names the frame below
  // the call itself; elsewhere it is the third frame of a stack made here (this function,
  // the call, its caller).
  // A stack of one frame, the frames as objects rather than text, costs the least.
  const framesThemselves = (error, frames) => frames;
  function callerLine(call) {
    let line;
    if (captureStack) {
      const saved = Error.prepareStackTrace, limit = Error.stackTraceLimit;
      Error.prepareStackTrace = framesThemselves;
      Error.stackTraceLimit = 1;
      const holder = {};
      captureStack(holder, call);
      line = holder.stack.length ? holder.stack[0].getLineNumber() : 0;
      Error.prepareStackTrace = saved;
      Error.stackTraceLimit = limit;
    } else {
      line = lineOfFrame(new Error().stack.split('\n').filter((f) => /:\d+:\d+\)?$/.test(f))[2]);
    }
    return line - firstLine + 1;
  }

  // The run: the steps since the last block sent, and what the calls must agree with.
  let steps = 0, stopped = false;
  let kinds = [], lines = [], currents = [], nodes = [], boards = [];
  let nodeCount = 0, sentAt = -sendEveryMs;
  const path = [];  // the nodes entered and not left, with the line of their enter()

  function send(end) {
    post({ kinds: Uint8Array.from(kinds), lines: Int32Array.from(lines),
           currents: Int32Array.from(currents), nodes, boards, end });
    kinds = [];
    lines = [];
    currents = [];
    nodes = [];
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

  // Records a step of the kind, made by the code's line; a step that reaches a node gives it
  // its level and its trace line without the indent, and stands at it.
  function record(kind, line, current, node) {
    if (stopped) throw new Stop();
    if (steps === stepLimit) stop({ limit: 'steps' });
    if (node) {
      nodes.push(node);
      current = nodeCount++;
    }
    kinds.push(kind);
    lines.push(line);
    currents.push(current);
    steps++;
    if (now() - sentAt >= sendEveryMs) send(null);
    return current;
  }

  // A label is one line of text, words separated by single blanks: no label can be read as
  // an indent, a note or the end of the trace.
  const words = (label) => String(label ?? '').replace(/\s+/g, ' ').trim();
  const top = () => path[path.length - 1];

  function enter(label) {
    const line = callerLine(enter);
    const node = record(SearchStep.enter, line, -1,
                        { level: path.length, text: words(label) || 'call' });
    path.push({ node, line, found: false });
  }
  // A leave() is the back-up of the call that its enter() began.
  function leave() {
    const line = callerLine(leave);
    if (path.length === 0) stop({ error: 'leave() with nothing entered', line });
    path.pop();
    record(SearchStep.back_up, line, path.length ? top().node : -1, null);
  }
  function found() {
    const line = callerLine(found);
    if (path.length === 0) stop({ error: 'found() with nothing entered: enter() first', line });
    if (top().found) stop({ error: 'found() twice for the same node', line });
    top().found = true;
    record(SearchStep.found, line, top().node, null);
  }
  function turnedDown(label) {
    const text = `${words(label) || 'candidate'}  turned down`;
    record(SearchStep.turned_down, callerLine(turnedDown), -1, { level: path.length, text });
  }
  function deadEnd(label) {
    const text = words(label) ? `dead end at ${words(label)}` : 'dead end';
    record(SearchStep.dead_end, callerLine(deadEnd), -1, { level: path.length, text });
  }
  // The board of the last step (or of the first, before any step): equal rows of cells.
  function board(rows) {
    if (stopped) throw new Stop();
    const fits = Array.isArray(rows) && rows.length > 0 && rows.length <= boardSide &&
      rows.every((r) => typeof r === 'string' && r.length === rows[0].length) &&
      rows[0].length > 0 && rows[0].length <= boardSide;
    if (!fits) {
      stop({ line: callerLine(board), error: `board() takes an array of 1 to ${boardSide} ` +
             `strings of the same length (1 to ${boardSide} characters), one a row` });
    }
    boards.push({ step: steps - 1, rows: rows.slice() });
    if (now() - sentAt >= sendEveryMs) send(null);
  }
  // After the code: every enter() must have had its leave().
  function ends() {
    if (path.length > 0) {
      const open = path[path.length - 1];
      stop({ error: `enter() without its leave() (${path.length} not left at the end)`,
             line: open.line });
    }
    stop({ done: true });
  }

  // An exception of the code ends the run with the line it came from.
  self.addEventListener('error', (event) => {
    event.preventDefault();
    if (event.error instanceof Stop || stopped) return;
    stopped = true;
    const line = event.lineno - firstLine + 1;
    send({ error: String(event.message).replace(/^Uncaught /, ''), line: line >= 1 ? line : 0 });
  });

  // The calls, which the code cannot replace. A name the code declares at its top level is
  // there before this part runs: such a name is refused before the code runs.
  const calls = { enter, leave, found, turnedDown, deadEnd, board, ownSearchEnds: ends };
  for (const [name, call] of Object.entries(calls)) {
    if (name in self) {
      stop({ error: `the code declares ${name}, which the page gives it: take another name`,
             line: 0 });
    }
    Object.defineProperty(self, name, { value: call, writable: false, configurable: false });
  }
})(new Error());
