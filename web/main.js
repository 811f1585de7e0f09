// The page: a form for a program's command line, the program's window (a canvas) or console
// (a text area), and the buttons that answer its waits or end it. The programs themselves
// are the desktop's, built for the browser: the form's fields become their arguments, and
// whatever they say, errors included, is shown as they say it. This module sets the page up
// and starts a run; each part of the page is a module of its own.
import { $, PACE_MS, SEARCH_CODE, freshRun, pair, presentation, run, setStatus }
  from './state.js';
import { PROGRAMS, takeProgramTable } from './programs.js';
import { formArguments, rememberInAddress, shellWord, showFields } from './form.js';
import { resetOutput } from './output.js';
import { failed, startConsoleProgram, startWindowProgram } from './runs.js';
import { enableStepControls, makeStepControls, setPaceFromDelay } from './step_controls.js';
import { showCodeOf } from './panels.js';
import { fitPresent, present, showPresentView, takeTextSize } from './present.js';
import { listenToKeys } from './page_keys.js';
import { keepForRun, noteOnPlace, stepOfAddress, takeKeptForRun } from './place.js';
import { addOwnSearch } from './own_search.js';
import { own } from './own_state.js';
import { rememberOwnExample } from './own_editor.js';
import { startOwnSearch } from './own_run.js';
import { dropA, keepWindowAsA } from './keep_a.js';
import { keepPredictInAddress, takePredict } from './predict.js';

// The characters of a value from the address that a note quotes.
const ADDRESS_WORDS_SHOWN = 40;

// What the tests read: the run, its output, the run of "Your own search", and the run kept
// as A.
window.webPage = { run, output: () => run.pieces.join(''), own, pair };

// Runs the program of the form; in step mode, and for "Your own search", to the step wanted
// (as the status line numbers it) once its first page is shown.
async function start(event, wanted = null) {
  if (event) event.preventDefault();
  if (run.control) run.control.stop();
  const name = $('program').value;
  const args = formArguments(name);
  // Step mode of a window program, and "Your own search": the buttons of step mode, and its
  // panels beside the picture or the board; a console program with its tree: the tree panel.
  const stepping = PROGRAMS[name].kind === 'window' && args.includes('--steps');
  const wholeTree = PROGRAMS[name].kind === 'console' && args.includes('--tree');
  const ownSearch = PROGRAMS[name].kind === 'own';
  const steps = stepping || ownSearch;
  if (ownSearch) wanted = wanted ?? takeKeptForRun();
  if (!steps) wanted = null;
  // The address keeps the form's settings; that of "Your own search" keeps its example.
  if (ownSearch) rememberOwnExample();
  else rememberInAddress(name, wanted);
  if (stepping) keepPredictInAddress();
  // A run kept as A stays beside the steps of a run of its own program only.
  if (pair.a && (pair.a.program !== name || !steps)) dropA();
  freshRun({ program: name, wanted });
  $('run-to-step').hidden = true;
  noteOnPlace('');
  $('step-controls').hidden = !steps;
  enableStepControls(true);
  $('panels').hidden = !steps && !wholeTree;
  $('trace-panel').hidden = $('code-panel').hidden = $('stack-panel').hidden = !steps;
  $('tree-about').textContent = steps ? 'explored so far' : 'the whole search';
  $('tree-download').hidden = true;
  $('output-note').hidden = true;
  $('layout').classList.toggle('with-panels', steps || wholeTree);
  $('errors').textContent = '';
  $('command').textContent = ownSearch ? '' : ['$', name, ...args.map(shellWord)].join(' ');
  presentation.treeAlone = false;
  showPresentView();
  if (ownSearch) return startOwnSearch();
  if (stepping) {
    setPaceFromDelay(args.includes('--delay') ? +args[args.indexOf('--delay') + 1] : null);
    showCodeOf(name);
  }
  resetOutput();
  $('console').value = '';
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
  PACE_MS.push(...table.step_paces_ms);
  Object.assign(SEARCH_CODE, await (await fetch('search-code.json')).json());
  makeStepControls();
  $('keep-a').addEventListener('click', keepWindowAsA);
  const select = $('program');
  for (const name of Object.keys(PROGRAMS)) {
    select.append(new Option(PROGRAMS[name].title || name, name));
  }
  // The address may name anything: a program the page has, or else the first one, with a note.
  const query = new URLSearchParams(location.search);
  const named = query.get('program');
  if (named !== null && Object.hasOwn(PROGRAMS, named)) select.value = named;
  else if (named !== null) {
    const shown = named.length > ADDRESS_WORDS_SHOWN ? `${named.slice(0, ADDRESS_WORDS_SHOWN)}...`
      : named;
    setStatus(`The address names no program of the page ("${shown}"): here is ${select.value}.`);
  }
  takeTextSize(query.get('text'));
  takePredict(query);
  select.addEventListener('change', () => {
    keepForRun(null);
    showFields(start);
  });
  showFields(start, query);
  $('run-form').addEventListener('submit', start);
  // The way back to the step a run showed last, until the form changes.
  $('run-form').addEventListener('input', () => { $('run-to-step').hidden = true; });
  $('run-to-step').addEventListener('click', (event) => start(event, +event.target.dataset.step));
  $('next').addEventListener('click', () => run.control && run.control.next());
  $('stop').addEventListener('click', () => run.control && run.control.stop());
  $('present').addEventListener('click', () => present(!presentation.on));
  listenToKeys();
  // The screen's size sets present mode's text size, unless the teacher chose one.
  const refit = () => (presentation.on ? showPresentView() : fitPresent());
  window.addEventListener('resize', refit);
  document.addEventListener('fullscreenchange', () => {
    if (!document.fullscreenElement) present(false);
    refit();
  });
  // An address that names a step: a program in step mode runs to it at once; "Your own
  // search" goes to it after Run.
  const step = stepOfAddress(query);
  if (step === null) return;
  if (PROGRAMS[select.value].kind === 'own') keepForRun(step);
  else if (formArguments(select.value).includes('--steps')) start(null, step);
}

setUp();
