// The recorded run of "Your own search" as a trace in the trace format, and as the tree that
// the tree library draws of it: for the player of its steps, downloaded, and kept as A.
import { $, loadScript } from './state.js';
import { OWN_TREE_NODES, own } from './own_state.js';

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

// The tree library (web/trace_tree.cpp), loaded once.
export async function ownTreeModule() {
  if (!own.tree) {
    await loadScript('trace_tree.js');
    own.tree = await window.create_trace_tree();
  }
  return own.tree;
}

// The tree library's picture of a trace, with the node current marked, or its fault.
async function drawOwnTree(text, current) {
  const m = await ownTreeModule();
  const size = m.lengthBytesUTF8(text) + 1;
  const at = m._malloc(size);
  m.stringToUTF8(text, at, size);
  const svg = m._trace_tree(at, current);
  m._free(at);
  if (svg) return m.UTF8ToString(svg);
  return `<p>line ${m._trace_fault_line()}: ${m.UTF8ToString(m._trace_fault_message())}</p>`;
}

// The recorded trace in the trace format, every node with its note.
export function downloadOwnTrace() {
  const text = ownTrace(own.nodes.length);
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([text], { type: 'text/plain' }));
  link.download = `${$('own-example').value}-trace.txt`;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

// "Keep as A": the run's summary and whole tree stay beside the next run's.
export async function keepOwnRun() {
  const count = Math.min(own.nodes.length, OWN_TREE_NODES);
  own.kept = { summary: own.summary, svg: await drawOwnTree(ownTrace(count), -1) };
  $('own-kept-summary').textContent = own.kept.summary;
  $('own-kept-tree').innerHTML = own.kept.svg;
  $('own-kept').hidden = false;
}
