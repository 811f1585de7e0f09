// The editor of "Your own search" and its examples: CodeMirror where the site has it, a
// plain text area where not; the example chosen kept in the address.
import { $, loadScript } from './state.js';
import { OWN_SEARCH, own } from './own_state.js';

// CodeMirror from the site itself (web/package.json), or a plain text area without it.
export async function makeOwnEditor() {
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
      markLine(line) {
        const start = area.value.split('\n').slice(0, line - 1).join('\n').length + 1;
        area.setSelectionRange(line > 1 ? start : 0, area.value.indexOf('\n', start));
      },
      unmark() {},
    };
  }
}

// The example chosen, in the editor.
export async function loadOwnExample() {
  const name = $('own-example').value;
  const response = await fetch(`own_search_examples/${name}.js`);
  if (own.editor && own.editor.setValue) own.editor.setValue(await response.text());
}

// The address names the example chosen, not the code.
export function rememberOwnExample() {
  const query = new URLSearchParams({ program: OWN_SEARCH, example: $('own-example').value });
  history.replaceState(null, '', `?${query}`);
}
