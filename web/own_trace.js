// The recorded run of "Your own search" as a trace in the trace format and its summary line:
// for the player of its steps, downloaded, and kept as A. The summary is the tree library's
// reader's, of the very text downloaded, so that the page and tracetree cannot disagree on it.
import { $, loadScript } from './state.js';
import { own } from './own_state.js';
import { stringIn } from './own_player.js';

// The trace of the first count nodes, a configuration's note with its node.
export function ownTrace(count) {
  const lines = [];
  for (let k = 0; k < count; k++) {
    const node = own.nodes[k];
    const note = node.found >= 0 ? `  solution ${node.solution}` : '';
    lines.push('  '.repeat(node.level) + node.text + note);
  }
  return lines.join('\n') + '\n';
}

// A new instance of the tree library (web/trace_tree.cpp): the page's run has one, and the
// run kept as A one of its own (keep_a.js).
export async function newTreeModule() {
  await loadScript('trace_tree.js');
  return window.create_trace_tree();
}

// The page's instance, made once.
export async function ownTreeModule() {
  if (!own.tree) own.tree = await newTreeModule();
  return own.tree;
}

// What a function of the tree library gives of the trace: { text } of the string it returns,
// or, when it returns none, { fault }: "line N: what is wrong". A call that throws has
// aborted the instance, its heap perhaps half-changed: the text is not freed there.
async function readOwnTrace(read, text) {
  const m = await ownTreeModule();
  const at = stringIn(m, text);
  let result;
  try {
    result = read(m, at);
  } catch {
    return { fault: 'the tree library stopped on it: it may have run out of memory' };
  }
  m._free(at);
  if (result) return { text: m.UTF8ToString(result) };
  return { fault: `line ${m._trace_fault_line()}: ${m.UTF8ToString(m._trace_fault_message())}` };
}

// The summary line that tracetree prints of the trace, from its own reader; of a trace that
// the reader refuses (past its limits), the fault that tracetree would report too.
export async function ownSummary(trace) {
  const summary = await readOwnTrace((m, at) => m._trace_summary(at), trace);
  return summary.text ?? `No summary: tracetree refuses this trace, as the page's reader does ` +
    `(${summary.fault}).`;
}

// The recorded trace in the trace format, every node with its note: the run's whole trace.
export function downloadOwnTrace() {
  const text = own.trace;
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([text], { type: 'text/plain' }));
  link.download = `${$('own-example').value}-trace.txt`;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}
