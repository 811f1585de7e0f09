// The student's code kept by the page, so that a reload, even after the tab crashed, brings
// it back: the editor's text for each example, kept in the page's own storage at each change
// (the code's worker, whose origin is its own, cannot reach it), and a mark that a run goes
// on, which a run that ends takes away: a page that finds the mark at its start knows that
// its last run never ended.

const CODE_KEY = 'own-search-code:';
const RUN_KEY = 'own-search-running';

// Storage may be refused (a browser's setting) or full: the page then keeps nothing, and
// says so where it matters.
function stored(key) {
  try {
    return localStorage.getItem(key);
  } catch {
    return null;
  }
}
function store(key, value) {
  try {
    if (value === null) localStorage.removeItem(key);
    else localStorage.setItem(key, value);
    return true;
  } catch {
    return false;
  }
}

// The code kept for the example, or null.
export const keptCode = (example) => stored(CODE_KEY + example);
// Keeps the code for the example (null forgets it); false when the browser refuses.
export const keepCode = (example, code) => store(CODE_KEY + example, code);

// A run starts, or ends.
export const markRunning = (running) => store(RUN_KEY, running ? '1' : null);
// Whether a run went on when the page last stood here: it crashed, or was closed, during a
// run. Asked once, at the page's start.
export function lastRunUnfinished() {
  const unfinished = stored(RUN_KEY) !== null;
  store(RUN_KEY, null);
  return unfinished;
}
