// The call stack beside the steps: the calls the search stands in at the step shown, one a
// line, the newest first and standing out, as step mode reads them from its record
// (steps/step_stack.h). A program sends them with each page it shows (Module.onStepStack), so
// the panel goes back and forward with the picture; after the last step it is empty.
import { $, run } from './state.js';

// The line that stands for the calls left out between the first and the newest ones.
const LEFT_OUT = /^\.\.\. \d+ calls? between/;

// The stack's lines, one a list item, into the list.
export function showStackIn(list, text) {
  list.textContent = '';
  const lines = text.split('\n').filter((line) => line !== '');
  lines.forEach((line, k) => {
    const item = document.createElement('li');
    item.textContent = line;
    if (k === 0) item.className = 'newest';
    else if (LEFT_OUT.test(line)) item.className = 'left-out';
    list.append(item);
  });
  list.setAttribute('aria-label', lines.length === 0 ? 'No call: the search is over'
    : `${lines.length} lines, the newest call first`);
  list.scrollTop = 0;
}

// The stack of the page's run.
export function showStack(text) {
  run.stack = text;
  showStackIn($('stack'), text);
}
