// The editor of "Your own search" and its examples: CodeMirror where the site has it, a
// plain text area where not; the example chosen kept in the address, the code of each kept
// by the page as the student changes it (own_keep.js).
import { $, loadScript, setStatus } from './state.js';
import { OWN_SEARCH, own } from './own_state.js';
import { keepCode, keptCode } from './own_keep.js';
import { predictWanted } from './predict.js';

// CodeMirror from the site itself (web/package.json), or a plain text area without it; each
// change the student makes is kept at once.
export async function makeOwnEditor() {
  const editor = await makeEditor();
  editor.onEdit(keepEdit);
  return editor;
}

let refusedOnce = false;
function keepEdit() {
  if (keepCode($('own-example').value, own.editor.getValue()) || refusedOnce) return;
  refusedOnce = true;
  setStatus('Your code is not kept by the page: the browser refuses it its storage. Save it ' +
            'yourself before you reload the page.');
}

async function makeEditor() {
  const holder = $('own-editor');
  try {
    const style = document.createElement('link');
    Object.assign(style, { rel: 'stylesheet', href: 'codemirror/codemirror.css' });
    document.head.append(style);
    await loadScript('codemirror/codemirror.js');
    await loadScript('codemirror/javascript.js');
    const editor = window.CodeMirror(holder, {
      mode: 'javascript', lineNumbers: true, indentUnit: 2, tabSize: 2,
      screenReaderLabel: 'Your code',
    });
    let marked = null;
    return {
      getValue: () => editor.getValue(),
      setValue: (text) => editor.setValue(text),
      // The student's changes, not those of setValue.
      onEdit: (then) => editor.on('change', (_, change) => change.origin !== 'setValue' && then()),
      markLine(line) {
        marked = editor.addLineClass(line - 1, 'background', 'own-error-line');
        editor.scrollIntoView({ line: line - 1, ch: 0 }, 60);
      },
      unmark() {
        if (marked) editor.removeLineClass(marked, 'background', 'own-error-line');
        marked = null;
      },
    };
  } catch {
    const area = document.createElement('textarea');
    area.id = 'own-code';
    area.spellcheck = false;
    area.setAttribute('aria-label', 'Your code');
    holder.append(area);
    return {
      getValue: () => area.value,
      setValue: (text) => { area.value = text; },
      onEdit: (then) => area.addEventListener('input', then),
      markLine(line) {
        const start = area.value.split('\n').slice(0, line - 1).join('\n').length + 1;
        area.setSelectionRange(line > 1 ? start : 0, area.value.indexOf('\n', start));
      },
      unmark() {},
    };
  }
}

// The example chosen, in the editor: the code kept for it, or else the example itself
// (fresh, the kept code forgotten). A link that carries code passes it as fromLink: the
// editor shows that code, and the code kept stays as it was until the student changes it.
export async function loadOwnExample({ fresh = false, fromLink = null } = {}) {
  const name = $('own-example').value;
  if (fresh) keepCode(name, null);
  let text = fromLink ?? keptCode(name);
  if (text === null) text = await (await fetch(`own_search_examples/${name}.js`)).text();
  if (own.editor && $('own-example').value === name) own.editor.setValue(text);
}

// The address names the example chosen, not the code: only a link's code (share.js), while
// the editor shows it as the link gave it. Predict mode stays in it while it is on.
export function rememberOwnExample() {
  const query = new URLSearchParams({ program: OWN_SEARCH, example: $('own-example').value });
  if (own.link && own.editor?.getValue() === own.link.code) query.set('code', own.link.packed);
  if (predictWanted()) query.set('predict', 1);
  history.replaceState(null, '', `?${query}`);
}
