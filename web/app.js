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
// What a page cannot offer: it has no folder to write pages or pictures into, no terminal to
// keep a progress line on, and one thread for a program.
const NOT_ON_THE_PAGE = ['save', 'tree', 'progress', 'no-progress', 'jobs'];

function takeProgramTable(table) {
  for (const program of table.programs) {
    const options = program.options.filter((o) => !NOT_ON_THE_PAGE.includes(o.name));
    for (const o of options) {
      OPTIONS[o.name] = { label: o.label, placeholder: o.default ?? o.without ?? '',
                          flag: o.value === null, help: o.help };
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
  const how = PROGRAMS[run.program].kind === 'window' ? 'a key on the picture, or Next' : 'Next';
  setStatus(`${run.program} waits for a key: press ${how}.`);
}

function ended(code) {
  if (run.exitCode !== null) return;
  takePendingBytes();
  run.exitCode = code;
  run.control = null;
  $('next').disabled = true;
  $('stop').disabled = true;
  if (code === 0) setStatus(`${run.program} has ended.`);
  else if (code === STOPPED) setStatus(`${run.program} was stopped.`);
  else if (code === 2) {
    setStatus(`${run.program} did not run: see its message below, and its help.`);
    $('help').open = true;
  } else setStatus(`${run.program} ended with status ${code}.`);
  showOutput();
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

// The trace lines up to the step, indented as --trace indents them, the current one marked.
function showTrace(count, current) {
  const list = $('trace');
  list.textContent = '';
  const first = Math.max(0, Math.min(current < 0 ? count : current, count - TRACE_SHOWN));
  for (let k = first; k < Math.min(count, first + TRACE_SHOWN); k++) {
    const item = document.createElement('li');
    item.textContent = '  '.repeat(run.lines[k].level) + run.lines[k].title;
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
  const code = $('code');
  const search = SEARCH_CODE[run.program];
  for (const marked of code.querySelectorAll('.current')) marked.classList.remove('current');
  if (!search || !(ran in search.marks)) return;
  const line = code.children[search.marks[ran]];
  line.classList.add('current');
  scrollIntoPanel(code, line);
}

// The tree explored up to the step, as the program draws it.
function showTree(svg, step) {
  run.treeStep = step;
  run.treeShownAt = performance.now();
  const panel = $('tree');
  panel.innerHTML = svg;
  scrollIntoPanel(panel, panel.querySelector('.current'));
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

// The command line of the form, as the program will get it.
function formArguments(name) {
  const args = [];
  for (const option of PROGRAMS[name].options) {
    const field = $(`option-${option}`);
    if (OPTIONS[option].flag) {
      if (field.checked) args.push(`--${option}`);
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
    const input = document.createElement('input');
    input.id = `option-${option}`;
    if (about.flag) {
      label.className = 'flag';
      input.type = 'checkbox';
      input.checked = query.get(option) === '1';
      label.append(input, about.label);
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
    button.addEventListener('click', () => fillForm(example.arguments));
    presets.append(button);
  }
  if (program.examples.length) presets.prepend('Examples: ');
}

// Fills the form as the arguments would set it: the options they name, and no others.
function fillForm(args) {
  const name = $('program').value;
  for (const option of PROGRAMS[name].options) {
    const field = $(`option-${option}`);
    if (OPTIONS[option].flag) field.checked = false;
    else field.value = '';
  }
  for (let k = 0; k < args.length; k++) {
    const field = $(`option-${args[k].slice(2)}`);
    if (!field) continue;
    if (field.type === 'checkbox') field.checked = true;
    else field.value = args[++k] ?? '';
  }
}

// The form's settings in the address, so that a link brings them back.
function rememberInAddress(name) {
  const query = new URLSearchParams({ program: name });
  for (const option of PROGRAMS[name].options) {
    const field = $(`option-${option}`);
    if (OPTIONS[option].flag ? field.checked : field.value !== '') {
      query.set(option, OPTIONS[option].flag ? '1' : field.value);
    }
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
                       shownAt: 0, treeStep: null, treeShownAt: 0 });
  // Step mode of a window program: its buttons, and its panels beside the picture.
  const stepping = PROGRAMS[name].kind === 'window' && args.includes('--steps');
  $('step-controls').hidden = !stepping;
  $('panels').hidden = !stepping;
  $('layout').classList.toggle('with-panels', stepping);
  if (stepping) {
    // The slider starts at the pace nearest below the run's delay, or at a step per key.
    const delay = args.includes('--delay') ? +args[args.indexOf('--delay') + 1] : null;
    const pace = PACE_MS.findIndex((ms) => ms >= 0 && ms <= delay);
    $('step-pace').value = delay === null ? 0 : pace < 0 ? PACE_MS.length - 1 : pace;
    showPace();
    showCodeOf(name);
    for (const panel of ['trace', 'tree']) $(panel).textContent = '';
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
  PACE_MS = table.step_paces_ms;
  SEARCH_CODE = await (await fetch('search-code.json')).json();
  makeStepControls();
  const select = $('program');
  for (const name of Object.keys(PROGRAMS)) select.append(new Option(name, name));
  const query = new URLSearchParams(location.search);
  if (query.get('program') in PROGRAMS) select.value = query.get('program');
  select.addEventListener('change', () => showFields());
  showFields(query);
  $('run-form').addEventListener('submit', start);
  $('next').addEventListener('click', () => run.control && run.control.next());
  $('stop').addEventListener('click', () => run.control && run.control.stop());
}

setUp();
