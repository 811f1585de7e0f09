// The names of the calls that "Your own search" gives a student's code, and the scan of the
// code, before it runs, for a declaration of one of them: a name declared by the code (let,
// const, var, function, class, a parameter, a catch's binding, a name in a destructuring
// pattern) would shadow the page's call there, and the code's calls would silently go to
// its own. The scan reads the code's tokens, skipping strings, templates' text, regular
// expressions and comments; a property (obj.enter, { enter: 1 }) and a call are not
// declarations.

const OWN_CALLS = ['enter', 'leave', 'found', 'turnedDown', 'deadEnd', 'board'];

// The code's tokens, { text, line, newline: whether a line break comes before it }: names
// (their escapes decoded), the punctuators => ... ?. and every other single character; a
// string, a template's text, a number or a regular expression is one token '0'. TOKEN's
// groups: blanks, a comment, a string, a number, a name.
const TOKEN = new RegExp([
  /([ \t\f\v\u00a0\ufeff]+|\r?\n|[\r\u2028\u2029])/,
  /(\/\/[^\n\r\u2028\u2029]*|\/\*[\s\S]*?(?:\*\/|$))/,
  /('(?:[^'\\\n\r]|\\[\s\S])*'?|"(?:[^"\\\n\r]|\\[\s\S])*"?)/,
  /(\.?\d[\w.]*)/,
  /((?:[\p{ID_Start}$_]|\\u[\da-fA-F]{4}|\\u\{[\da-fA-F]+\})(?:[\p{ID_Continue}$\u200c\u200d]|\\u[\da-fA-F]{4}|\\u\{[\da-fA-F]+\})*)/,
  /(?:=>|\.\.\.|\?\.(?!\d)|[\s\S])/,
].map((r) => r.source).join('|'), 'uy');
// A template's text up to its end or its next ${; a regular expression's body and flags.
const TEMPLATE_TEXT = /(?:[^`\\$]|\\[\s\S]|\$(?!\{))*(?:`|\$\{|$)/y;
const REGEXP = /(?:[^/\\[\n\r]|\\.|\[(?:[^\]\\\n\r]|\\.)*\]?)*\/?[\w$]*/y;
// After these a / starts a regular expression rather than dividing.
const BEFORE_EXPRESSION = new Set(['return', 'typeof', 'instanceof', 'in', 'of', 'new', 'delete',
  'void', 'throw', 'case', 'do', 'else', 'yield', 'await']);
const lineBreaks = (text) => (/[\n\r\u2028\u2029]/.test(text)
  ? text.match(/\r\n|[\n\r\u2028\u2029]/g).length : 0);

function tokensOf(code) {
  const tokens = [];
  const templates = [];  // for each template open at a ${, the braces open since
  let line = 1, newline = true, at = 0;
  // Adds the token (or, text null, nothing) of the code up to end.
  const add = (text, end) => {
    if (text !== null) tokens.push({ text, line, newline });
    const breaks = end - at === 1 ? +(code[at] === '\n') : lineBreaks(code.slice(at, end));
    newline = text === null && (newline || breaks > 0);
    line += breaks;
    at = end;
  };
  // A template's text from at, up to its end or its next ${.
  const template = () => {
    TEMPLATE_TEXT.lastIndex = at;
    const end = at + TEMPLATE_TEXT.exec(code)[0].length;
    if (code.endsWith('${', end)) {
      templates.push(0);
      add(null, end);
    } else {
      add('0', end);
    }
  };
  while (at < code.length) {
    const before = tokens[tokens.length - 1]?.text;
    const regexp = code[at] === '/' && !/^\/[/*]/.test(code.slice(at, at + 2)) &&
      (before === undefined || BEFORE_EXPRESSION.has(before) ||
       (/^[^\w$)\]}]/u.test(before) && before !== '0'));
    if (code[at] === '`') {
      at++;
      template();
    } else if (regexp) {
      REGEXP.lastIndex = at + 1;
      add('0', REGEXP.lastIndex + REGEXP.exec(code)[0].length);
    } else {
      TOKEN.lastIndex = at;
      const token = TOKEN.exec(code);
      const text = token[0], end = at + text.length;
      if (token[1] !== undefined || token[2] !== undefined) {
        add(null, end);
      } else if (token[5] !== undefined) {
        add(text.replace(/\\u\{?([\da-fA-F]+)\}?/g, (_, hex) => String.fromCodePoint(+`0x${hex}`)),
            end);
      } else if (token[3] !== undefined || token[4] !== undefined) {
        add('0', end);
      } else if (templates.length > 0 && (text === '{' || text === '}')) {
        const open = templates.length - 1;
        if (text === '}' && templates[open] === 0) {
          templates.pop();
          at = end;
          template();
        } else {
          templates[open] += text === '{' ? 1 : -1;
          add(text, end);
        }
      } else {
        add(text, end);
      }
    }
  }
  return tokens;
}

const DECLARING = new Set(['let', 'const', 'var', 'function', 'class']);
const NOT_A_METHOD = new Set(['if', 'while', 'for', 'switch', 'with', 'catch', 'function']);
const CLOSING = { '(': ')', '[': ']', '{': '}' };

// The first declaration of one of the calls' names in the code: { name, line }, or null.
export function declaredCall(code) {
  const tokens = tokensOf(code);
  // Each bracket's matching one.
  const match = [], opened = [];
  tokens.forEach((t, k) => {
    if (t.text in CLOSING) opened.push(k);
    else if (opened.length > 0 && t.text === CLOSING[tokens[opened[opened.length - 1]].text]) {
      match[opened.pop()] = k;
    }
  });
  const text = (k) => tokens[k]?.text;
  // Whether the bracket at k binds names: a list of parameters, or a pattern of a declaration
  // or of parameters (inside is whether its enclosing bracket does, bound its place there).
  const bindsAt = (k, inside, bound) => {
    const t = text(k), after = text(match[k] + 1);
    if (t === '(') {
      const named = /^[\p{ID_Start}$_]/u.test(text(k - 1) || '');
      return text(k - 1) === 'function' || text(k - 2) === 'function' || text(k - 1) === 'catch' ||
        after === '=>' || (after === '{' && (named || text(k - 1) === ']') &&
                           !NOT_A_METHOD.has(text(k - 1)));
    }
    if (t === '[' || t === '{') {
      return ['let', 'const', 'var'].includes(text(k - 1)) || (inside && bound);
    }
    return false;
  };
  const stack = [];  // the brackets open: { at, binds }
  let declaring = null;  // a let, const or var list: the depth of its names
  for (let k = 0; k < tokens.length; k++) {
    const t = tokens[k];
    const enclosing = stack[stack.length - 1];
    if (declaring !== null && (stack.length < declaring || (stack.length === declaring &&
        (t.text === ';' || (t.newline && text(k - 1) !== ',' && t.text !== ','))))) {
      declaring = null;
    }
    if (['let', 'const', 'var'].includes(t.text)) declaring = stack.length;
    const prev = text(k - 1);
    // A name's place in a bracket that binds: at an element's start, or after a key.
    const elementStart = ['(', '[', '{', ',', '...'].includes(prev);
    const inObject = enclosing && text(enclosing.at) === '{';
    const bound = enclosing?.binds && (inObject ? (elementStart && text(k + 1) !== ':') ||
      prev === ':' : elementStart);
    if (t.text in CLOSING) {
      stack.push({ at: k, binds: bindsAt(k, enclosing?.binds, bound) });
      continue;
    }
    if (enclosing && t.text === CLOSING[text(enclosing.at)]) stack.pop();
    if (!OWN_CALLS.includes(t.text) || prev === '.' || prev === '?.') continue;
    if (DECLARING.has(prev) || (prev === '*' && text(k - 2) === 'function') ||
        text(k + 1) === '=>' || bound ||
        (declaring === stack.length && prev === ',')) {
      return { name: t.text, line: t.line };
    }
  }
  return null;
}
