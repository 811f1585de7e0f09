// The trace and code panels beside the picture in step mode, which follow the step shown,
// going back as well as forward.
import { $, SEARCH_CODE, isQuestion, run } from './state.js';
import { placeShown } from './place.js';
import { followPredict } from './predict.js';

// The trace panel shows at most this many lines, around the one the step stands on.
const TRACE_SHOWN = 400;

// A page shown, of a window program in step mode or of "Your own search": the run keeps it
// (the tests read it), the trace panel follows it, draw() shows the rest of it, and the
// address keeps its place.
export function showPage(step, steps, count, current, ran, status, draw) {
  run.step = { step, steps, count, current, ran, status };
  run.shownAt = performance.now();
  if (!isQuestion(status)) run.question = null;
  showTrace(count, current);
  draw();
  placeShown(step, steps, status);
}

// A step shown: the canvas's accessible name says its status line, and the panels follow.
// The run's first page sets predict mode as the page's switch has it.
export function showStep(step, steps, count, current, ran, status) {
  const first = run.step === null;
  showPage(step, steps, count, current, ran, status, () => {
    $('screen').setAttribute('aria-label', status);
    showCode(ran);
  });
  if (first && run.control) followPredict(run.control);
}

// Keeps the item in view inside its panel, near the middle, without moving the page.
function scrollIntoPanel(panel, item) {
  if (!item) return;
  const p = panel.getBoundingClientRect(), r = item.getBoundingClientRect();
  panel.scrollTop += r.top - p.top - (p.height - r.height) / 2;
  panel.scrollLeft += Math.min(0, r.left - p.left) + Math.max(0, r.right - p.right);
}

// Keeps the item in the middle of its panel both ways, as far as the panel scrolls: the tree's
// current node, away from the panel's edges.
export function centreInPanel(panel, item) {
  if (!item) return;
  const p = panel.getBoundingClientRect(), r = item.getBoundingClientRect();
  panel.scrollTop += r.top - p.top - (p.height - r.height) / 2;
  panel.scrollLeft += r.left - p.left - (p.width - r.width) / 2;
}

// The shape of the tree's node that the step stands at (its group holds its subtree too).
export function currentTreeNode(panel) {
  return panel.querySelector('.current > ellipse, .current > circle, .current > rect');
}

// The panels' current lines in view again, once the layout has changed.
export function keepCurrentInView() {
  scrollIntoPanel($('trace'), $('trace').querySelector('.current'));
  scrollIntoPanel($('code'), $('code').querySelector('.current'));
  centreInPanel($('tree'), currentTreeNode($('tree')));
}

// The trace lines up to the step, indented as --trace indents them, the current one marked;
// lineOf(k) gives the kth line and its level.
export function showTrace(count, current, lineOf = (k) => run.lines[k]) {
  const list = $('trace');
  list.textContent = '';
  const first = Math.max(0, Math.min(current < 0 ? count : current, count - TRACE_SHOWN));
  for (let k = first; k < Math.min(count, first + TRACE_SHOWN); k++) {
    const item = document.createElement('li');
    const line = lineOf(k);
    item.textContent = '  '.repeat(line.level) + line.title;
    // A line longer than the panel wraps, its further rows indented past its own (index.html).
    item.style.setProperty('--level', line.level);
    if (k === current) item.className = 'current';
    list.append(item);
  }
  scrollIntoPanel(list, list.querySelector('.current'));
}

// The search's code, whole: each line its number and its text, which wraps at the panel's
// width with a hanging indent (index.html). The line the step ran is marked.
export function showCodeOf(name) {
  const code = $('code');
  code.textContent = '';
  const search = SEARCH_CODE[name];
  if (!search) return;
  search.lines.forEach((line, k) => {
    const span = document.createElement('span');
    const number = document.createElement('span');
    number.className = 'number';
    number.textContent = search.first_line + k;
    const text = document.createElement('span');
    text.textContent = line;
    text.style.setProperty('--indent', /^ */.exec(line)[0].length);
    span.append(number, text);
    code.append(span);
  });
  $('code-file').textContent = `${search.function} in ${search.file}`;
}

function showCode(ran) {
  const search = SEARCH_CODE[run.program];
  markCodeLine(search && ran in search.marks ? search.marks[ran] : -1);
}

// Marks the code's kth line shown (from 0), or none.
export function markCodeLine(k) {
  const code = $('code');
  for (const marked of code.querySelectorAll('.current')) marked.classList.remove('current');
  const line = code.children[k];
  if (!line) return;
  line.classList.add('current');
  scrollIntoPanel(code, line);
}
