// The form: the fields of the chosen program's options, its description, help and examples,
// the command line they make, and the address that keeps them.
import { $, presentation } from './state.js';
import { OPTIONS, PROGRAMS } from './programs.js';
import { showOwnSearch } from './own_search.js';

// The command line of the form, as the program will get it.
export function formArguments(name) {
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

export function shellWord(word) {
  return /^[\w,.=+:/-]+$/.test(word) ? word : `'${word.replace(/'/g, `'\\''`)}'`;
}

// The fields of the chosen program, empty, or as the address gives them; an example's button
// fills them and starts the run with start().
export function showFields(start, query = new URLSearchParams()) {
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
  $('screen-holder').hidden = program.kind !== 'window';
  $('console').hidden = program.kind !== 'console';
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

// The form's settings in the address, so that a link brings them back; with them the step to
// go to, when a run is to go to one, and the text size of present mode, once chosen.
export function rememberInAddress(name, step = null) {
  const query = new URLSearchParams({ program: name });
  for (const option of PROGRAMS[name].options) {
    const field = $(`option-${option}`);
    const box = field.type === 'checkbox';
    if (box ? field.checked : field.value !== '') query.set(option, box ? '1' : field.value);
  }
  if (step !== null) query.set('step', step);
  if (presentation.text !== null) query.set('text', presentation.text);
  history.replaceState(null, '', `?${query}`);
}

// Changes some of the address's settings, keeping the others (null leaves one out), without
// a new entry in the history.
export function setAddress(changes) {
  const query = new URLSearchParams(location.search);
  for (const [name, value] of Object.entries(changes)) {
    if (value === null) query.delete(name);
    else query.set(name, value);
  }
  history.replaceState(null, '', `?${query}`);
}
