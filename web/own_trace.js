// The recorded run of "Your own search" as a trace in the trace format, and as the tree that
// the tree library draws of it: beside the steps, downloaded, and kept as A.
import { $, forThisRun, loadScript } from './state.js';
import { OWN_TREE_EVERY_MS, OWN_TREE_NODES, own } from './own_state.js';
import { showTree } from './tree_panel.js';

// The trace line of a node as it stood at the step: a configuration's note comes with its
// found().
export function ownLine(k, step) {
  const node = own.nodes[k];
  const note = node.found >= 0 && node.found <= step ? `  solution ${node.solution}` : '';
  return { level: node.level, title: node.text + note };
}

// The trace of the first count nodes as it stood at the step.
export function ownTrace(count, step) {
  const lines = [];
  for (let k = 0; k < count; k++) {
    const line = ownLine(k, step);
    lines.push('  '.repeat(line.level) + line.title);
  }
  return lines.join('\n') + '\n';
}

// The tree library (web/trace_tree.cpp), loaded once.
async function ownTreeModule() {
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

// The tree as it stood at the step shown, at once, or while the steps play fast, for the
// last of them a little later; past its first nodes, with a note that says so.
export function drawOwnTreeSoon() {
  clearTimeout(own.treeTimer);
  const wait = own.treeDrawnAt + Math.max(OWN_TREE_EVERY_MS, 4 * own.treeCost) -
    performance.now();
  own.treeTimer = setTimeout(forThisRun(async () => {
    const step = own.shown;
    const started = performance.now();
    const count = Math.min(own.counts[step], OWN_TREE_NODES);
    const current = own.currents[step] < count ? own.currents[step] : -1;
    const svg = count > 0 ? await drawOwnTree(ownTrace(count, step), current) : '';
    const note = own.counts[step] > OWN_TREE_NODES
      ? `<p class="own-tree-note">The tree follows the first ${count.toLocaleString('en')} ` +
        `of the ${own.counts[step].toLocaleString('en')} nodes reached.</p>` : '';
    if (own.shown === step) showTree(note + svg, step);
    own.treeDrawnAt = performance.now();
    own.treeCost = own.treeDrawnAt - started;
  }), own.playing ? Math.max(0, wait) : 0);
}

// The recorded trace in the trace format, every node with its note.
export function downloadOwnTrace() {
  const text = ownTrace(own.nodes.length, own.steps);
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([text], { type: 'text/plain' }));
  link.download = `${$('own-example').value}-trace.txt`;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

// "Keep as A": the run's summary and whole tree stay beside the next run's.
export async function keepOwnRun() {
  const count = Math.min(own.nodes.length, OWN_TREE_NODES);
  own.kept = { summary: own.summary, svg: await drawOwnTree(ownTrace(count, own.steps), -1) };
  $('own-kept-summary').textContent = own.kept.summary;
  $('own-kept-tree').innerHTML = own.kept.svg;
  $('own-kept').hidden = false;
}
