// The page: a form for a program's command line, the program's window (a canvas) or console
// (a text area), and the buttons that answer its waits or end it. The programs themselves
// are the desktop's, built for the browser: the form's fields become their arguments, and
// whatever they say, errors included, is shown as they say it.
'use strict';

// The command-line options that the form can set, and the programs built for the page, each
// with the options it takes in the order of its --help: both come from programs.json, which
// the build writes from the programs' own tables. A field left empty is not passed, and the
// program uses its own default, which the placeholder shows. A window program draws on the
// canvas; a console program writes to the text area.
const OPTIONS = {};
const PROGRAMS = {};
// What a page cannot offer: it has no folder to write pages into, no terminal to keep a
// progress line on, and one thread for a program.
const NOT_ON_THE_PAGE = ['save', 'progress', 'no-progress', 'jobs'];
// Options whose value the page sets itself, each offered as a checkbox that passes it: the
// tree's file, which the program writes in its worker's memory and the worker hands to the
// page (console-worker.js), and the one value of --hide.
const FIXED_VALUES = {
  tree: { value: 'tree.svg', label: 'Tree', help: 'show the whole search tree, the picture ' +
          'that --tree draws, beside the output, with a link to download it as tree.svg' },
  hide: { value: 'turned-down' },
};

function takeProgramTable(table) {
  for (const program of table.programs) {
    const options = program.options.filter((o) => !NOT_ON_THE_PAGE.includes(o.name));
    for (const o of options) {
      const fixed = FIXED_VALUES[o.name];
      let label = (fixed && fixed.label) || o.label;
      // An option without a label of the page's own is named with its value ("Hide turned-down").
      if (fixed && !fixed.label && !label.includes(fixed.value)) {
        label = `${label.split(' ')[0]} ${fixed.value}`;
      }
      OPTIONS[o.name] = {
        label, placeholder: o.default ?? o.without ?? '', flag: o.value === null,
        help: (fixed && fixed.help) || o.help, fixed: fixed && fixed.value,
        // A value that is one of a few words ("picture or tree") is chosen from a list.
        choices: /^[\w-]+( or [\w-]+)+$/.test(o.form || '') ? o.form.split(' or ') : null,
      };
    }
    PROGRAMS[program.name] = {
      kind: program.window ? 'window' : 'console',
      options: options.map((o) => o.name),
      // What the program searches and shows, and its whole --help, as the program says them.
      about: program.description.replace(/\s*\n\s*/g, ' '),
      help: program.help,
      examples: program.examples.filter((e) => e.arguments.every(
        (word) => !word.startsWith('--') || word.slice(2) in OPTIONS)),
    };
  }
}

// The status of a run that Stop ended (web/page_link.h).
const STOPPED = 143;
// A console keeps about this many characters of a long listing, the latest ones, as a
// terminal keeps its last lines: a text area takes about a second to lay out a megabyte.
// The worker sends no more than twice as much at a time (console-worker.js).
const KEPT_OUTPUT = 256 << 10;
// While a listing streams in, the text area shows only its latest part, and is redrawn at
// most every REDRAW_EVERY ms and never for more than a fifth of the time.
const SHOWN_WHILE_RUNNING = 32 << 10;
const REDRAW_EVERY = 200;

const $ = (id) => document.getElementById(id);

// What a run shows, and what the tests read.
const run = {
  id: 0,          // which run the programs' calls belong to: a stopped one may still call
  program: null,
  waits: 0,
  exitCode: null,
  control: null,  // next() and stop() of the running program, null when none runs
  pieces: [],     // the standard output kept, in the pieces it came in
  kept: 0,        // their characters
  dropped: 0,     // characters of a long listing no longer kept (all output is ASCII)
  errors: '',
  // Step mode of a window program: the trace lines its steps reached, with their levels,
  // and the step shown (its number, the steps so far, the lines up to it, the line it stands
  // on, what the code ran, the status line); and when the page last showed one, and the tree
  // of one.
  lines: [],
  step: null,
  shownAt: 0,
  treeStep: null,
  treeShownAt: 0,
};
window.webPage = { run, output: () => run.pieces.join('') };

// The searches' code as the code panel shows it, from the project's source files.
let SEARCH_CODE = {};

// The buttons of step mode, each with the key it presses: the same keys work on the picture.
const STEP_BUTTONS = [
  { id: 'step-first', label: 'First', key: 'Home', shown: 'Home' },
  { id: 'step-back', label: 'Back', key: 'ArrowLeft', shown: '\u2190' },
  { id: 'step-forward', label: 'Forward', key: 'ArrowRight', shown: '\u2192' },
  { id: 'step-play', label: 'Play / Pause', key: ' ', shown: 'Space' },
  { id: 'step-previous', label: 'Previous solution', key: 'p', shown: 'p' },
  { id: 'step-next', label: 'Next solution', key: 'n', shown: 'n' },
  { id: 'step-view', label: 'Picture / Tree', key: 't', shown: 't' },
];
// The milliseconds a step of the keys 0 to 9 in step mode, from programs.json; a negative
// one is a step per key.
let PACE_MS = [];
const paceWords = (ms) => (ms < 0 ? 'a step per key' : ms === 1000 ? '1 step a second'
  : `${ms} ms a step`);
// The trace panel shows at most this many lines, around the one the step stands on.
const TRACE_SHOWN = 400;

let outDecoder, errDecoder;
let redraw = null, redrawCost = 0;

// Shows the output kept, or while the program runs only its latest part.
function showOutput(whole = true) {
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

function takeOutput(bytes) {
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

function takeErrors(bytes) {
  run.errors += errDecoder.decode(bytes, { stream: true });
  showOutputSoon();
}

// A window program's output comes a byte at a time; it is taken in blocks.
let pendingBytes = [];
function takePendingBytes() {
  if (pendingBytes.length) takeOutput(Uint8Array.from(pendingBytes));
  pendingBytes = [];
}
function putByte(byte) {
  if (pendingBytes.push(byte & 0xff) === 1) setTimeout(forThisRun(takePendingBytes), 0);
}

function setStatus(text) { $('status').textContent = text; }

function waiting() {
  run.waits++;
  showOutput();
  const how = PROGRAMS[run.program].kind === 'window' ? 'a key on the picture, or Continue'
    : 'Continue';
  setStatus(`${run.program} waits for a key: press ${how}.`);
}

// The step buttons and the slider work while a run goes on, and not once it has ended.
function enableStepControls(enabled) {
  for (const control of $('step-controls').querySelectorAll('button, input')) {
    control.disabled = !enabled;
  }
}

function ended(code) {
  if (run.exitCode !== null) return;
  takePendingBytes();
  run.exitCode = code;
  run.control = null;
  $('next').disabled = true;
  $('stop').disabled = true;
  enableStepControls(false);
  if (code === 0) setStatus(`${run.program} has ended.`);
  else if (code === STOPPED) setStatus(`${run.program} was stopped.`);
  else if (code === 2) setStatus(`${run.program} did not run: see its message under the form.`);
  else setStatus(`${run.program} ended with status ${code}.`);
  showOutput();
  // A value the program refused: its message stands under the form, in view; the help stays
  // closed until asked for.
  if (code === 2) $('errors').scrollIntoView({ block: 'nearest' });
}

function failed(what) {
  run.errors += `The program failed in the browser: ${what}\n`;
  ended(-1);
}

const loading = {};
// Lets a run's calls through only while it is the page's run.
function forThisRun(take) {
  const id = run.id;
  return (...args) => { if (run.id === id) take(...args); };
}

function loadScript(src) {
  loading[src] = loading[src] || new Promise((resolve, reject) => {
    const s = document.createElement('script');
    s.src = src;
    s.onload = resolve;
    s.onerror = () => { delete loading[src]; reject(new Error(`cannot load ${src}`)); };
    document.head.appendChild(s);
  });
  return loading[src];
}

// The step buttons and the pace slider, made once: they press the keys of step mode.
function makeStepControls() {
  const box = $('step-controls');
  for (const b of STEP_BUTTONS) {
    const button = document.createElement('button');
    button.type = 'button';
    button.id = b.id;
    const key = document.createElement('kbd');
    key.textContent = b.shown;
    button.append(`${b.label} `, key);
    button.title = `${b.label}: the key ${b.shown} on the picture`;
    button.addEventListener('click', () => pressStepKey(b.key));
    box.append(button);
  }
  const label = document.createElement('label');
  label.className = 'flag';
  const slider = document.createElement('input');
  Object.assign(slider, { type: 'range', id: 'step-pace', min: 0, max: 9, step: 1, value: 0 });
  const words = document.createElement('output');
  words.id = 'pace-words';
  slider.addEventListener('input', () => {
    showPace();
    pressStepKey(slider.value);
  });
  label.append('Speed', slider, words);
  box.append(label);
  showPace();
}

function showPace() {
  const pace = +$('step-pace').value;
  $('pace-words').textContent = `${paceWords(PACE_MS[pace])} (key ${pace})`;
}

// Presses a key of step mode for the running program. Play with no pace of its own starts the
// steps at a middle pace, as the key 5 does.
function pressStepKey(key) {
  if (!run.control || !run.control.key) return;
  const slider = $('step-pace');
  if (key === ' ' && +slider.value === 0) {
    slider.value = 5;
    showPace();
    key = '5';
  }
  run.control.key(key);
}

// A step shown: the canvas's accessible name says its status line, and the panels follow.
function showStep(step, steps, count, current, ran, status) {
  run.step = { step, steps, count, current, ran, status };
  run.shownAt = performance.now();
  $('screen').setAttribute('aria-label', status);
  showTrace(count, current);
  showCode(ran);
}

// Keeps the item in view inside its panel, near the middle, without moving the page.
function scrollIntoPanel(panel, item) {
  if (!item) return;
  const p = panel.getBoundingClientRect(), r = item.getBoundingClientRect();
  panel.scrollTop += r.top - p.top - (p.height - r.height) / 2;
  panel.scrollLeft += Math.min(0, r.left - p.left) + Math.max(0, r.right - p.right);
}

// The trace lines up to the step, indented as --trace indents them, the current one marked;
// lineOf(k) gives the kth line and its level.
function showTrace(count, current, lineOf = (k) => run.lines[k]) {
  const list = $('trace');
  list.textContent = '';
  const first = Math.max(0, Math.min(current < 0 ? count : current, count - TRACE_SHOWN));
  for (let k = first; k < Math.min(count, first + TRACE_SHOWN); k++) {
    const item = document.createElement('li');
    const line = lineOf(k);
    item.textContent = '  '.repeat(line.level) + line.title;
    if (k === current) item.className = 'current';
    list.append(item);
  }
  scrollIntoPanel(list, list.querySelector('.current'));
}

// The search's code, whole: each line its number and its text, which wraps at the panel's
// width with a hanging indent (index.html). The line the step ran is marked.
function showCodeOf(name) {
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
function markCodeLine(k) {
  const code = $('code');
  for (const marked of code.querySelectorAll('.current')) marked.classList.remove('current');
  const line = code.children[k];
  if (!line) return;
  line.classList.add('current');
  scrollIntoPanel(code, line);
}

// The tree explored up to the step, as the program draws it; or a console program's whole
// tree (step null).
function showTree(svg, step) {
  run.treeStep = step;
  run.treeShownAt = performance.now();
  run.treeSvg = svg;
  const panel = $('tree');
  panel.innerHTML = svg;
  const picture = panel.querySelector('svg');
  if (picture) {
    takeLegend(picture);
    if (presenting) enlarge(picture);
  }
  scrollIntoPanel(panel, panel.querySelector('.current'));
}

const SVG = 'http://www.w3.org/2000/svg';
// In present mode the tree's pictures are drawn this many times larger: its 11-pixel type
// becomes 22 pixels.
const PRESENT_TREE_SCALE = 2;
// The room around a sample of the legend, in the picture's pixels.
const LEGEND_PADDING = 3;

function enlarge(picture) {
  for (const side of ['width', 'height']) {
    picture.setAttribute(side, PRESENT_TREE_SCALE * picture.getAttribute(side));
  }
}

// Moves the tree's legend out of the picture into a row of its own above it, each sample with
// its meaning a small picture of its own, so that the row wraps within the panel: the
// picture is wider than the panel, which scrolls to the current node, and would cut its
// legend off. A sample is a group (the shape and its label) and the texts after it.
function takeLegend(picture) {
  const row = $('tree-legend');
  row.textContent = '';
  const legend = picture.querySelector('g.legend');
  if (!legend) return;
  const parts = [...legend.children];
  for (let k = 0; k < parts.length; k++) {
    const sample = [parts[k]];
    while (k + 1 < parts.length && parts[k + 1].tagName !== 'g') sample.push(parts[++k]);
    const boxes = sample.map((part) => part.getBBox());
    const left = Math.min(...boxes.map((b) => b.x)) - LEGEND_PADDING;
    const top = Math.min(...boxes.map((b) => b.y)) - LEGEND_PADDING;
    const width = Math.max(...boxes.map((b) => b.x + b.width)) + LEGEND_PADDING - left;
    const height = Math.max(...boxes.map((b) => b.y + b.height)) + LEGEND_PADDING - top;
    const item = document.createElementNS(SVG, 'svg');
    item.setAttribute('viewBox', `${left} ${top} ${width} ${height}`);
    item.setAttribute('width', width);
    item.setAttribute('height', height);
    item.setAttribute('role', 'img');
    item.setAttribute('aria-label', sample.map((part) => part.textContent).join(' '));
    item.append(...sample);
    if (presenting) enlarge(item);
    row.append(item);
  }
  legend.remove();
}

// Present mode: the picture as large as the screen allows, keeping its proportions, with the
// step buttons and the panels beside it in large type (index.html); the whole screen where
// the browser grants it. The button, the key f, and Escape (or leaving the full screen) end it.
let presenting = false;
// The room the panels keep beside the picture in present mode, in pixels.
const PRESENT_PANEL_WIDTH = 360;

function present(on) {
  if (on === presenting) return;
  presenting = on;
  document.body.classList.toggle('presenting', on);
  const button = $('present');
  button.setAttribute('aria-pressed', String(on));
  button.firstChild.textContent = on ? 'Leave the presentation ' : 'Present ';
  button.lastChild.textContent = on ? 'Esc' : 'f';
  if (on && document.fullscreenEnabled && !document.fullscreenElement) {
    document.documentElement.requestFullscreen().catch(() => {});
  } else if (!on && document.fullscreenElement) {
    document.exitFullscreen().catch(() => {});
  }
  fitPicture();
  if (run.treeSvg !== undefined) showTree(run.treeSvg, run.treeStep);
  $('screen').focus();
}

// The panels' current lines in view again, once the layout has changed.
function keepCurrentInView() {
  for (const panel of [$('trace'), $('tree')]) {
    scrollIntoPanel(panel, panel.querySelector('.current'));
  }
}

// Sizes the picture for present mode, or gives it back its own size. The buttons above the
// picture wrap within its width, so the room they take is measured at the width tried, which
// settles in a few tries.
function fitPicture() {
  const canvas = $('screen');
  canvas.style.width = canvas.style.height = '';
  if (!presenting) return;
  const layout = $('layout');
  const style = getComputedStyle(layout);
  const beside = layout.classList.contains('with-panels') ? PRESENT_PANEL_WIDTH +
    parseFloat(style.columnGap) : 0;
  const width = layout.clientWidth - parseFloat(style.paddingLeft) -
    parseFloat(style.paddingRight) - beside;
  const height = layout.clientHeight - parseFloat(style.paddingTop) -
    parseFloat(style.paddingBottom);
  let scale = width / canvas.width;
  for (let tries = 0; tries < 3; tries++) {
    canvas.style.width = `${Math.floor(canvas.width * scale)}px`;
    canvas.style.height = `${Math.floor(canvas.height * scale)}px`;
    const above = $('stage').getBoundingClientRect().height -
      canvas.getBoundingClientRect().height;
    scale = Math.max(0, Math.min(width / canvas.width, (height - above) / canvas.height));
  }
  canvas.style.width = `${Math.floor(canvas.width * scale)}px`;
  canvas.style.height = `${Math.floor(canvas.height * scale)}px`;
}

// The key f and Escape are the page's, never the program's (Escape would end its run); a key
// typed into a field is the field's.
function presentKeys(event) {
  if (event.ctrlKey || event.metaKey || event.altKey) return;
  if (event.target.closest && event.target.closest('input[type=text], select, textarea')) return;
  const drawn = !$('present').hidden;
  if ((event.key === 'f' && drawn) || (event.key === 'Escape' && presenting)) {
    event.preventDefault();
    event.stopPropagation();
    if (!event.repeat) present(event.key === 'f' ? !presenting : false);
  }
}

// A window program runs on the page's thread, since it draws on the page's canvas and reads
// its keys. Each run gets a new canvas: SDL leaves its key listeners on the old one.
async function startWindowProgram(name, args) {
  const canvas = document.createElement('canvas');
  canvas.id = 'screen';
  canvas.width = 800;
  canvas.height = 600;
  canvas.tabIndex = 0;
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
    onWait: forThisRun(waiting),
    onExit: forThisRun(ended),
    onAbort: forThisRun(failed),
    onStepLine: forThisRun((title, level) => run.lines.push({ title, level })),
    onStep: forThisRun(showStep),
    onStepTree: forThisRun(showTree),
  });
  canvas.focus();
  run.control = {
    next: () => { mod.webAnswers++; canvas.focus(); },
    key: (key) => mod.webKeys.push(key),
    // Seen at the program's next wait.
    stop: () => { mod.webStop = true; },
  };
  mod.callMain(args);
}

function startConsoleProgram(name, args) {
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

// A console program's whole search tree, which its --tree wrote: in the tree panel, and a
// link that saves it.
function showConsoleTree(svg) {
  showTree(svg, null);
  const link = $('tree-download');
  if (link.href) URL.revokeObjectURL(link.href);
  link.href = URL.createObjectURL(new Blob([svg], { type: 'image/svg+xml' }));
  link.hidden = false;
}

// The command line of the form, as the program will get it.
function formArguments(name) {
  const args = [];
  for (const option of PROGRAMS[name].options) {
    const field = $(`option-${option}`);
    const about = OPTIONS[option];
    if (about.flag || about.fixed) {
      if (field.checked) args.push(`--${option}`, ...(about.fixed ? [about.fixed] : []));
    } else if (field.value !== '') {
      args.push(`--${option}`, field.value);
    }
  }
  return args;
}

function shellWord(word) {
  return /^[\w,.=+:\/-]+$/.test(word) ? word : `'${word.replace(/'/g, `'\\''`)}'`;
}

// The fields of the chosen program, empty, or as the address gives them.
function showFields(query = new URLSearchParams()) {
  const name = $('program').value;
  const fields = $('fields');
  fields.textContent = '';
  for (const option of PROGRAMS[name].options) {
    const about = OPTIONS[option];
    const label = document.createElement('label');
    const input = document.createElement(about.choices ? 'select' : 'input');
    input.id = `option-${option}`;
    if (about.flag || about.fixed) {
      label.className = 'flag';
      input.type = 'checkbox';
      input.checked = query.get(option) === '1';
      label.append(input, about.label);
    } else if (about.choices) {
      // The program's default is the empty value, which passes nothing.
      for (const choice of about.choices) {
        input.append(new Option(choice, choice === about.placeholder ? '' : choice));
      }
      input.value = query.get(option) || '';
      if (input.selectedIndex < 0) input.value = '';
      label.append(about.label, input);
    } else {
      input.type = 'text';
      input.placeholder = about.placeholder;
      // Wide enough for the placeholder, which says what an empty field means.
      input.style.width = `${Math.max(7, about.placeholder.length + 2)}ch`;
      input.value = query.get(option) || '';
      label.append(about.label, input);
    }
    label.title = about.help;
    fields.append(label);
  }
  const program = PROGRAMS[name];
  const drawn = program.kind === 'window';
  $('screen-holder').hidden = !drawn;
  $('present').hidden = !drawn;
  if (!drawn) present(false);
  $('console').hidden = drawn;
  $('about').textContent = program.about;
  $('help-name').textContent = name;
  $('help-text').textContent = program.help;
  const presets = $('presets');
  presets.textContent = '';
  for (const example of program.examples) {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = example.words;
    button.title = `${name} ${example.text}`;
    button.addEventListener('click', () => {
      fillForm(example.arguments);
      start();
    });
    presets.append(button);
  }
  if (program.examples.length) presets.prepend('Examples: ');
  showOwnSearch(program.kind === 'own', query);
}

// Fills the form as the arguments would set it: the options they name, and no others.
function fillForm(args) {
  const name = $('program').value;
  for (const option of PROGRAMS[name].options) {
    const field = $(`option-${option}`);
    if (field.type === 'checkbox') field.checked = false;
    else field.value = '';
  }
  for (let k = 0; k < args.length; k++) {
    const option = args[k].slice(2);
    const field = $(`option-${option}`);
    if (!field) continue;
    if (field.type === 'checkbox') {
      field.checked = true;
      if (OPTIONS[option].fixed) k++;
    } else {
      field.value = args[++k] ?? '';
      if (field.tagName === 'SELECT' && field.selectedIndex < 0) field.value = '';
    }
  }
}

// The form's settings in the address, so that a link brings them back.
function rememberInAddress(name) {
  const query = new URLSearchParams({ program: name });
  for (const option of PROGRAMS[name].options) {
    const field = $(`option-${option}`);
    const box = field.type === 'checkbox';
    if (box ? field.checked : field.value !== '') query.set(option, box ? '1' : field.value);
  }
  history.replaceState(null, '', `?${query}`);
}

async function start(event) {
  if (event) event.preventDefault();
  if (run.control) run.control.stop();
  const name = $('program').value;
  const args = formArguments(name);
  rememberInAddress(name);
  Object.assign(run, { id: run.id + 1, program: name, waits: 0, exitCode: null, control: null,
                       pieces: [], kept: 0, dropped: 0, errors: '', lines: [], step: null,
                       shownAt: 0, treeStep: null, treeShownAt: 0, treeSvg: undefined });
  // Step mode of a window program: its buttons, and its panels beside the picture; a console
  // program with its tree: the tree panel.
  const stepping = PROGRAMS[name].kind === 'window' && args.includes('--steps');
  const wholeTree = PROGRAMS[name].kind === 'console' && args.includes('--tree');
  $('step-controls').hidden = !stepping;
  enableStepControls(true);
  $('panels').hidden = !stepping && !wholeTree;
  $('trace-panel').hidden = $('code-panel').hidden = !stepping;
  $('tree-about').textContent = stepping ? 'explored so far' : 'the whole search';
  $('tree-download').hidden = true;
  for (const panel of ['tree', 'tree-legend']) $(panel).textContent = '';
  $('output-note').hidden = true;
  $('layout').classList.toggle('with-panels', stepping || wholeTree);
  fitPicture();
  if (PROGRAMS[name].kind === 'own') return startOwnSearch();
  if (stepping) {
    // The slider starts at the pace nearest below the run's delay, or at a step per key.
    const delay = args.includes('--delay') ? +args[args.indexOf('--delay') + 1] : null;
    const pace = PACE_MS.findIndex((ms) => ms >= 0 && ms <= delay);
    $('step-pace').value = delay === null ? 0 : pace < 0 ? PACE_MS.length - 1 : pace;
    showPace();
    showCodeOf(name);
    $('trace').textContent = '';
  }
  pendingBytes = [];
  outDecoder = new TextDecoder();
  errDecoder = new TextDecoder();
  $('command').textContent = ['$', name, ...args.map(shellWord)].join(' ');
  $('console').value = '';
  $('errors').textContent = '';
  setStatus(`${name} is running.`);
  $('next').disabled = false;
  $('stop').disabled = false;
  try {
    if (PROGRAMS[name].kind === 'window') await startWindowProgram(name, args);
    else startConsoleProgram(name, args);
  } catch (e) {
    failed(e.message || e);
  }
}

async function setUp() {
  const table = await (await fetch('programs.json')).json();
  takeProgramTable(table);
  addOwnSearch();
  PACE_MS = table.step_paces_ms;
  SEARCH_CODE = await (await fetch('search-code.json')).json();
  makeStepControls();
  const select = $('program');
  for (const name of Object.keys(PROGRAMS)) {
    select.append(new Option(PROGRAMS[name].title || name, name));
  }
  const query = new URLSearchParams(location.search);
  if (query.get('program') in PROGRAMS) select.value = query.get('program');
  select.addEventListener('change', () => showFields());
  showFields(query);
  $('run-form').addEventListener('submit', start);
  $('next').addEventListener('click', () => run.control && run.control.next());
  $('stop').addEventListener('click', () => run.control && run.control.stop());
  $('present').addEventListener('click', () => present(!presenting));
  window.addEventListener('keydown', presentKeys, true);
  window.addEventListener('resize', () => {
    fitPicture();
    keepCurrentInView();
  });
  document.addEventListener('fullscreenchange', () => {
    if (!document.fullscreenElement) present(false);
    fitPicture();
    keepCurrentInView();
  });
}

setUp();
