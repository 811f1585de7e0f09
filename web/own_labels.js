// The rules of "Your own search" that its worker and the page both hold: which labels the
// trace format reads as they were given, and the shape of a board. The worker refuses a label
// or a board at the call that gives it, with the line of the call; the page checks every one
// it receives again. The worker gets the functions as their own text (own_run.js writes them
// into the worker's script), so they use nothing but their arguments.

// Why the trace would read the label of the call (enter, turnedDown or deadEnd) otherwise
// than as given, in words that follow "the label ", or '' when it reads it as given
// (docs/trace-format.md): a line of at most 1,000 characters, no note, no indent, and a
// dead end only when deadEnd() reports it.
export function labelFault(label, call) {
  const longest = 1000;
  if (label.length > longest) {
    return `is ${label.length.toLocaleString('en')} characters long; a label takes at most ` +
      `${longest.toLocaleString('en')}`;
  }
  // eslint-disable-next-line no-control-regex -- control characters are what it looks for
  if (/[\0-\x1f\x7f\u2028\u2029]/.test(label)) {
    return 'holds a line break, a NUL, a tab or another control character; a label is one ' +
      'line of the trace';
  }
  if (label.includes('  ')) return 'holds two blanks in a row, which start a note in the trace';
  if (/^ | $/.test(label)) return 'starts or ends with a blank, which the trace would not keep';
  if (call !== 'deadEnd' && /^dead end( |$)/.test(label)) {
    return 'starts with "dead end", which the trace reads as a dead end: report one with ' +
      'deadEnd()';
  }
  return '';
}

// What a board drawn with board() must be, in words that follow "takes ", or '' when rows is
// one: equal rows of cells, at most side of them and side cells each.
export function boardFault(rows, side) {
  const fits = Array.isArray(rows) && rows.length > 0 && rows.length <= side &&
    rows.every((r) => typeof r === 'string' && r.length === rows[0].length) &&
    rows[0].length > 0 && rows[0].length <= side;
  return fits ? '' : `an array of 1 to ${side} strings of the same length (1 to ${side} ` +
    'characters), one a row';
}
