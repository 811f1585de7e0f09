// "Your own search" on the page: its entry among the programs, and its part of the page (the
// example, the editor, the buttons of a run, the board of the steps) shown or hidden.
import { $, setStatus } from './state.js';
import { PROGRAMS } from './programs.js';
import { OWN_EXAMPLES, OWN_SEARCH, own } from './own_state.js';
import { loadOwnExample, makeOwnEditor, rememberOwnExample } from './own_editor.js';
import { downloadOwnTrace, ownTreeModule } from './own_trace.js';
import { keepOwnAsA } from './keep_a.js';
import { lastRunUnfinished } from './own_keep.js';
import { makeSandbox } from './own_sandbox.js';
import { loadWorkerPart } from './own_run.js';
import { codeOfAddress, shareOwnCode } from './share.js';

// Adds "Your own search" to the page's programs (main.js calls it once it has them).
export function addOwnSearch() {
  PROGRAMS[OWN_SEARCH] = {
    kind: 'own',
    title: 'Your own search',
    options: [],
    about: 'Write a backtracking search of your own in JavaScript, or start from an example, ' +
      'and press Run: every step your code reports is recorded, then shown step by step ' +
      'with its trace, its line of code, its tree and its board.',
    help: '',
    examples: [],
  };
  const choice = $('own-example');
  for (const e of OWN_EXAMPLES) choice.append(new Option(e.title, e.name));
  choice.addEventListener('change', () => loadOwnExample().then(rememberOwnExample));
  $('own-fresh').addEventListener('click', () => loadOwnExample({ fresh: true }));
  $('own-download').addEventListener('click', downloadOwnTrace);
  $('own-keep').addEventListener('click', keepOwnAsA);
  $('own-share').addEventListener('click', shareOwnCode);
}

// The editor and all that a run needs, made once: the first time the page is shown.
let madeOnce = null;

// The page of "Your own search" shown or hidden, as the program choice says; the example
// comes from the address. Shown the first time, it loads all that a run needs (the
// sandbox, the worker's part, the tree library), so that a run asks the site for nothing.
export async function showOwnSearch(shown, query) {
  for (const id of ['own-search', 'own-stage']) $(id).hidden = !shown;
  $('help').hidden = shown;
  $('step-view').hidden = $('step-stack').hidden = shown;
  if (!shown) return;
  if (OWN_EXAMPLES.some((e) => e.name === query.get('example'))) {
    $('own-example').value = query.get('example');
  }
  madeOnce = madeOnce ?? makeOwnSearch(query);
  await madeOnce;
}

// The editor (own.editor stays null until it is made) with the example or the address's
// code in it, the sandbox, the worker's part and the tree library.
async function makeOwnSearch(query) {
  if (lastRunUnfinished()) {
    setStatus('Your last run did not end: the page was closed or crashed while it ran (code ' +
              'that allocates without end can take the whole tab down). Your code is back.');
  }
  own.editor = await makeOwnEditor();
  // An address that carries code (a link that shares it) has it shown in the editor.
  const link = await codeOfAddress(query);
  if (link?.refused) $('errors').textContent = link.refused;
  await Promise.all([loadOwnExample({ fromLink: link?.code ?? null }), makeSandbox(),
                     loadWorkerPart(), ownTreeModule()]);
}
