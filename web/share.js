// "Share" for "Your own search": the student's code in the page's address, compressed
// (deflate-raw, then base64url), as a link that opens "Your own search" with that code in the
// editor, ready to Run (?program=own-search&code=...). Code from a link never runs without a
// press of Run, and then goes through the same Run as typed code, under the same limits
// (own_run.js); the code the page keeps for the example stays as it was until the student
// changes the code (own_editor.js). An address longer than the page makes or opens is refused
// with a message, both when making the link and when opening one.
import { $ } from './state.js';
import { OWN_CODE_LENGTH, OWN_SEARCH, own } from './own_state.js';

// The longest address, in characters, that the page makes or opens: browsers, servers and
// the places a link is pasted into cut longer ones short, or refuse them.
const ADDRESS_LIMIT = 8000;
// The most bytes that the code of a link may unpack to: the most characters the page runs,
// each at most three bytes of UTF-8. A link that unpacks to more is refused as it unpacks.
const CODE_BYTES = OWN_CODE_LENGTH * 3;
const PACKING = 'deflate-raw';

// A fault of the link's code, in words for the student.
class LinkFault extends Error {}

async function pack(text) {
  const stream = new Blob([text]).stream().pipeThrough(new CompressionStream(PACKING));
  const bytes = new Uint8Array(await new Response(stream).arrayBuffer());
  let binary = '';
  for (const byte of bytes) binary += String.fromCharCode(byte);
  return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}

async function unpack(packed) {
  if (!/^[\w-]*$/.test(packed) || packed.length % 4 === 1) {
    throw new LinkFault('it holds characters that no packed code has');
  }
  const binary = atob(packed.replace(/-/g, '+').replace(/_/g, '/'));
  const bytes = Uint8Array.from(binary, (c) => c.charCodeAt(0));
  const reader = new Blob([bytes]).stream().pipeThrough(new DecompressionStream(PACKING))
    .getReader();
  const parts = [];
  let size = 0;
  for (;;) {
    const { done, value } = await reader.read();
    if (done) break;
    size += value.length;
    if (size > CODE_BYTES) {
      reader.cancel().catch(() => {});
      throw new LinkFault(`it unpacks to more than the ${OWN_CODE_LENGTH.toLocaleString('en')} ` +
                          'characters of code that the page runs');
    }
    parts.push(value);
  }
  return new TextDecoder('utf-8', { fatal: true }).decode(await new Blob(parts).arrayBuffer());
}

function say(words) {
  $('own-share-note').textContent = words;
}

// Share: the link in the address, in the field beside the button, and copied where the
// browser lets the page write to the clipboard.
export async function shareOwnCode() {
  if (!own.editor) return;
  const code = own.editor.getValue();
  const packed = await pack(code);
  const query = new URLSearchParams({ program: OWN_SEARCH, code: packed });
  const link = `${location.origin}${location.pathname}?${query}`;
  const field = $('own-share-link');
  if (link.length > ADDRESS_LIMIT) {
    field.hidden = true;
    say(`No link made: it would be ${link.length.toLocaleString('en')} characters long, more ` +
        `than the ${ADDRESS_LIMIT.toLocaleString('en')} an address may have. Share the code ` +
        'as a file instead.');
    return;
  }
  own.link = { code, packed };
  history.replaceState(null, '', `?${query}`);
  field.value = link;
  field.hidden = false;
  field.select();
  let copied = true;
  await navigator.clipboard.writeText(link).catch(() => { copied = false; });
  say(copied ? 'The link is in the address and copied: it opens this code, ready to Run.'
    : 'The link is in the address and in the field: copy it from there.');
}

// The code that the page's address carries: { code }, or { refused } with the reason, or null
// where it carries none.
export async function codeOfAddress(query) {
  const packed = query.get('code');
  if (packed === null) return null;
  if (location.href.length > ADDRESS_LIMIT) {
    return { refused: `The address is ${location.href.length.toLocaleString('en')} characters ` +
      `long, more than the ${ADDRESS_LIMIT.toLocaleString('en')} the page opens: the code it ` +
      'carries is not loaded.' };
  }
  try {
    const code = await unpack(packed);
    own.link = { code, packed };
    return { code };
  } catch (e) {
    const why = e instanceof LinkFault ? e.message : 'it is damaged, or cut short';
    return { refused: `The code in the address cannot be read: ${why}. It is not loaded.` };
  }
}
