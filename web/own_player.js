// Step mode's player of a recorded run of "Your own search": an instance of the tree library
// (trace_tree.js, with web/own_steps.cpp) holds the run's steps and step mode's navigation.
// The page sends it each key and each step that comes by itself; it says through the
// instance's hooks which page that leads to, as a built-in program does
// (web/step_beside.cpp): the step, the trace lines reached, the call stack, predict mode's
// question and, when due, the tree. The page's run has one instance; the run kept as A
// (keep_a.js) one of its own, so that each keeps its own place.

// Copies the array into the instance's memory; the caller frees it.
function copyIn(m, array, heap) {
  const at = m._malloc(Math.max(1, array.byteLength));
  heap().set(array, at / array.BYTES_PER_ELEMENT);
  return at;
}

// Copies the text into the instance's memory, in UTF-8 and ended by a NUL; the caller frees it.
export function stringIn(m, text) {
  const size = m.lengthBytesUTF8(text) + 1;
  const at = m._malloc(size);
  m.stringToUTF8(text, at, size);
  return at;
}

// Loads the recorded run ({ trace, kinds, lines, steps }) into the instance m, whose hooks
// (line, page, tree, stack, question) then show its first step. The player's state goes into
// holder: tree (the instance), playing (the timer of the next step while the steps play),
// treeTimer, and gate, which lets a call through only while the run is shown. Returns an
// empty string, or why the player refused the steps.
export function loadOwnPlayer(holder, m, recorded, hooks, gate) {
  Object.assign(holder, { tree: m, playing: null, treeTimer: null, gate });
  Object.assign(m, { onStepLine: gate(hooks.line), onStep: gate(hooks.page),
                     onStepTree: gate(hooks.tree), onStepStack: gate(hooks.stack),
                     onStepQuestion: gate(hooks.question) });
  const text = stringIn(m, recorded.trace);
  const kinds = copyIn(m, recorded.kinds.subarray(0, recorded.steps), () => m.HEAPU8);
  const lines = copyIn(m, recorded.lines.subarray(0, recorded.steps), () => m.HEAP32);
  try {
    const loaded = m._own_steps_load(text, kinds, lines, recorded.steps) !== 0;
    for (const at of [text, kinds, lines]) m._free(at);
    if (!loaded) return m.UTF8ToString(m._own_steps_fault_message());
  } catch {
    return 'the tree library stopped on them: it may have run out of memory';
  }
  comesNext(holder);
  return '';
}

// A key of step mode ("ArrowRight", "n", "5"). Returns true when it ends the steps (a key that
// ends a run on the last page, as it ends a built-in program's run).
export function pressPlayer(holder, key) {
  const at = stringIn(holder.tree, key);
  const over = holder.tree._own_steps_press(at) !== 0;
  holder.tree._free(at);
  if (over) pausePlayer(holder);
  else comesNext(holder);
  return over;
}

// Goes to a step of the run (from 0), as the address names it; one past the end gives the
// last step.
export function goToInPlayer(holder, step) {
  holder.tree._own_steps_go_to(step);
  comesNext(holder);
}

// The page's part of the player's waits: the next step when the steps play (a tick, which
// never asks predict mode's question), and the tree's picture when it is due (the player
// holds both rules).
function comesNext(holder) {
  clearTimeout(holder.playing);
  holder.playing = null;
  const wait = holder.tree._own_steps_wait_ms();
  if (wait >= 0) {
    holder.playing = setTimeout(holder.gate(() => {
      holder.tree._own_steps_tick();
      comesNext(holder);
    }), wait);
  }
  treeWhenDue(holder);
}

function treeWhenDue(holder) {
  clearTimeout(holder.treeTimer);
  const due = holder.tree._own_steps_idle(holder.playing === null);
  if (due >= 0) holder.treeTimer = setTimeout(holder.gate(() => treeWhenDue(holder)), due);
}

export function pausePlayer(holder) {
  clearTimeout(holder.playing);
  clearTimeout(holder.treeTimer);
  holder.playing = null;
}
