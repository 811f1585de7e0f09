// The messages of a run of "Your own search", as the sandbox hands them to the page
// (own_sandbox.js). The page believes none of them: each is checked against what the
// worker's own part sends (own-search-worker.js), and the page counts the steps itself and
// replays their calls, so that its limits hold and a node's level, its line in the trace and
// its note are the page's own, whatever the worker sends. The steps are taken in slices of a
// bounded amount of work, a task each, so that a click or the time limit never waits long
// behind them.
import { SearchStep } from './search-steps.js';
import { OWN_BOARD_CELLS, OWN_BOARD_SIDE, OWN_STEP_LIMIT, OWN_TRACE_BYTES, own }
  from './own_state.js';
import { boardFault, labelFault } from './own_labels.js';

// The work of a slice: a step is one, a board one a row.
const SLICE_WORK = 20000;
// The characters of an error's message that the page shows.
const LONGEST_ERROR = 300;
// The call that makes each kind of step that reaches a node.
const NODE_CALLS = { [SearchStep.enter]: 'enter', [SearchStep.turned_down]: 'turnedDown',
                     [SearchStep.dead_end]: 'deadEnd' };

let queue = [];      // the messages not yet taken, the first perhaps in part
let stepAt = 0, labelAt = 0, boardAt = 0;  // how far the first one is taken
let open = [];       // the calls entered and not left: { node, step }
let traceBytes = 0, boardCells = 0;
let slicing = null;  // the timer of the next slice
let ended = null;    // what hears of the run's end

// A run begins: end(how) hears how it ended, once.
export function startTaking(end) {
  stopTaking();
  open = [];
  traceBytes = boardCells = 0;
  ended = end;
}

// The run is over: what is still queued is not taken.
export function stopTaking() {
  queue = [];
  stepAt = labelAt = boardAt = 0;
  clearTimeout(slicing);
  slicing = null;
  ended = null;
}

// A message of the sandbox for this run.
export function takeMessage(message) {
  if (!ended) return;
  queue.push(message);
  if (slicing === null) slicing = setTimeout(takeSlice);
}

function finish(how) {
  const end = ended;
  stopTaking();
  end(how);
}

function takeSlice() {
  slicing = null;
  let work = 0;
  while (ended && queue.length > 0 && work < SLICE_WORK) work += takeFirst(SLICE_WORK - work);
  if (ended && queue.length > 0) slicing = setTimeout(takeSlice);
}

const refused = (why) => ({ refused: why });

// Takes what the budget allows of the first message; returns the work done.
function takeFirst(budget) {
  const message = queue[0];
  if (stepAt === 0 && labelAt === 0 && boardAt === 0) {
    const how = messageEnd(message);
    if (how) {
      finish(how);
      return 1;
    }
  }
  const block = message.steps;
  const steps = Math.min(block.kinds.length - stepAt, budget);
  if (own.steps + steps > own.kinds.length) grow(own.steps + steps);
  for (let k = 0; k < steps; k++, stepAt++) {
    const how = takeStep(block, stepAt);
    if (how) {
      finish(how);
      return k + 1;
    }
  }
  let work = steps;
  if (stepAt < block.kinds.length) return work;
  if (labelAt !== block.labels.length) {
    finish(refused('labels that no step reached'));
    return work;
  }
  for (; boardAt < block.boards.length && work < budget; boardAt++) {
    const how = takeBoard(block.boards[boardAt]);
    work += 1 + OWN_BOARD_SIDE;
    if (how) {
      finish(how);
      return work;
    }
  }
  if (boardAt < block.boards.length) return work;
  queue.shift();
  stepAt = labelAt = boardAt = 0;
  if (block.end !== null) finish(blockEnd(block.end));
  return work + 1;
}

// How a message that is not a block of steps ends the run, or why the page refuses a
// message; null for a block of the shape the worker sends.
function messageEnd(message) {
  if (message.flood) {
    return { lost: `it sent more than ${message.flood} messages in a second, which its calls ` +
                   'never do' };
  }
  if (message.unreadable) return refused('a message that cannot be read');
  if (message.failed) {
    const { message: words, line } = message.failed;
    if (typeof words !== 'string' || !Number.isInteger(line)) return refused('a broken error');
    return { failed: { words: shortened(words), line } };
  }
  const block = message.steps;
  if (block === null || typeof block !== 'object') return refused('a message of no kind it sends');
  if (!(block.kinds instanceof Uint8Array) || !(block.lines instanceof Int32Array) ||
      block.kinds.length !== block.lines.length) {
    return refused('steps without their lines');
  }
  if (!Array.isArray(block.labels) || !Array.isArray(block.boards)) {
    return refused('steps without their labels or boards');
  }
  // One board a step, and one before the block's first.
  if (block.boards.length > block.kinds.length + 1) return refused('more boards than steps');
  if (block.end !== null && (typeof block.end !== 'object' || blockEnd(block.end).refused)) {
    return refused('an end of no kind it sends');
  }
  return null;
}

// The end a block reports: the code ran to its end (every call it entered must have been
// left), reached the limit of steps, or stopped at an error on a line of the code.
function blockEnd(end) {
  if (end.done === true) {
    if (open.length === 0) return { done: true };
    const line = own.lines[open[open.length - 1].step];
    return { error: `enter() without its leave() (${open.length} not left at the end)`, line };
  }
  if (end.limit === 'steps') return { limit: 'steps' };
  if (typeof end.error === 'string' && Number.isInteger(end.line) && end.line >= 0 &&
      end.line <= own.codeLines) {
    return { error: shortened(end.error), line: end.line };
  }
  return refused('an end of no kind it sends');
}

// An error's message on one line, at most LONGEST_ERROR characters of it.
function shortened(words) {
  const line = words.slice(0, 4 * LONGEST_ERROR).replace(/\s+/g, ' ').trim();
  return line.length > LONGEST_ERROR ? `${line.slice(0, LONGEST_ERROR)}...` : line;
}

// Takes the kth step of the block as the page's own: the step that its kind and line make
// after the steps before it, or how it ends the run.
function takeStep(block, k) {
  if (own.steps === OWN_STEP_LIMIT) return { limit: 'steps' };
  const kind = block.kinds[k], line = block.lines[k];
  if (line < 0 || line > own.codeLines) return refused(`a step on line ${line}, past the code`);
  const call = NODE_CALLS[kind];
  if (call) {
    const label = block.labels[labelAt++];
    if (typeof label !== 'string') return refused('a step without its label');
    const fault = labelFault(label, call);
    if (fault) return refused(`a label that ${fault}`);
    const text = kind === SearchStep.enter ? label || 'call'
      : kind === SearchStep.turned_down ? `${label || 'candidate'}  turned down`
        : label ? `dead end at ${label}` : 'dead end';
    const level = open.length;
    if (!addToTrace(2 * level + utf8Length(text) + 1)) return { limit: 'trace' };
    own.nodes.push({ level, text, found: -1, solution: 0 });
    if (kind === SearchStep.enter) open.push({ node: own.nodes.length - 1, step: own.steps });
  } else if (kind === SearchStep.found) {
    const node = open.length > 0 ? own.nodes[open[open.length - 1].node] : null;
    if (!node || node.found >= 0) return refused('a found() where none fits');
    node.found = own.steps;
    node.solution = ++own.solutions;
    if (!addToTrace(`  solution ${node.solution}`.length)) return { limit: 'trace' };
  } else if (kind === SearchStep.back_up) {
    if (open.length === 0) return refused('a leave() with nothing entered');
    open.pop();
  } else {
    return refused(`a step of kind ${kind}, which no call makes`);
  }
  own.kinds[own.steps] = kind;
  own.lines[own.steps] = line;
  own.steps++;
  return null;
}

function addToTrace(bytes) {
  traceBytes += bytes;
  return traceBytes <= OWN_TRACE_BYTES;
}

// The bytes of the text in UTF-8, as the trace is saved.
function utf8Length(text) {
  let bytes = text.length;
  for (let k = 0; k < text.length; k++) {
    const unit = text.charCodeAt(k);
    // A surrogate pair is two units and four bytes.
    if (unit >= 0x80) bytes += unit < 0x800 || (unit >= 0xd800 && unit < 0xe000) ? 1 : 2;
  }
  return bytes;
}

// Room for this many steps.
function grow(size) {
  for (const name of ['kinds', 'lines']) {
    const bigger = new own[name].constructor(Math.max(size, 2 * own[name].length, 4096));
    bigger.set(own[name].subarray(0, own.steps));
    own[name] = bigger;
  }
}

// A board drawn after a step so far (or before the first): 1 to OWN_BOARD_SIDE rows of the
// same length, 1 to OWN_BOARD_SIDE characters. The last one drawn after a step is the one
// kept for it.
function takeBoard(board) {
  const rows = board?.rows;
  const last = own.boards[own.boards.length - 1];
  const step = board?.step;
  if (boardFault(rows, OWN_BOARD_SIDE) || !Number.isInteger(step) || step < (last ? last.step : -1) || step >= own.steps) {
    return refused('a board that does not fit');
  }
  if (last && last.step === step) {
    boardCells -= last.rows.length * last.rows[0].length;
    own.boards.pop();
  }
  boardCells += rows.length * rows[0].length;
  if (boardCells > OWN_BOARD_CELLS) return { limit: 'boards' };
  own.boards.push({ step, rows: rows.slice() });
  return null;
}
