// Runs one console program for the page, away from the page's own thread: a long listing
// never freezes the page, and Stop can end the program wherever it is.
'use strict';

// Output goes to the page in blocks, at most every streamEveryMs while a long listing runs:
// a message per byte, or a flood of them, would keep the page too busy to answer its user.
const streamEveryMs = 100;
// The page keeps only the latest part of a long listing (output.js), so no more than twice
// that waits here for the next message.
const keptOutput = 256 << 10;

let mod = null;
const out = new Uint8Array(2 * keptOutput);
let outUsed = 0, dropped = 0, sinceLook = 0;
let err = [];
let lastSent = 0;
// The file that --tree names, which the program writes in the worker's memory: it is whole
// once the program waits for its key or ends, and goes to the page once. At the end it is
// read before the program's file system closes (addOnExit), and sent with the exit.
let treeFile = null;
let treeRead = null;

function readTree() {
  if (treeFile !== null && mod.FS.analyzePath(treeFile).exists) {
    // In the browser's file system the program's file has no permission bits (its mode
    // follows the file mode mask): the worker, its only reader, makes it readable.
    mod.FS.chmod(treeFile, 0o444);
    treeRead = mod.FS.readFile(treeFile, { encoding: 'utf8' });
    treeFile = null;
  }
}

function treeMessage() {
  readTree();
  const tree = treeRead;
  treeRead = null;
  return tree === null ? {} : { tree };
}

function send(extra) {
  const message = Object.assign({ out: out.slice(0, outUsed), dropped, err: Uint8Array.from(err) },
                                extra);
  outUsed = 0;
  dropped = 0;
  err = [];
  lastSent = performance.now();
  postMessage(message);
}

function putOut(byte) {
  if (outUsed === out.length) {
    out.copyWithin(0, keptOutput);
    outUsed -= keptOutput;
    dropped += keptOutput;
  }
  out[outUsed++] = byte & 0xff;  // the byte comes from signed memory
  // Looking at the clock for every byte would cost more than the byte itself.
  if (++sinceLook === 4096) {
    sinceLook = 0;
    if (performance.now() - lastSent > streamEveryMs) send({});
  }
}

onmessage = async (event) => {
  const message = event.data;
  if (message.next) {
    if (mod) mod.webAnswers++;
    return;
  }
  importScripts(message.program + '.js');
  const config = {
    thisProgram: message.program,
    stdin: () => null,
    stdout: putOut,
    stderr: (byte) => err.push(byte & 0xff),
    print: (text) => console.log(text),
    printErr: (text) => console.warn(text),
    webAnswers: 0,
    onWait: () => send(Object.assign({ waiting: true }, treeMessage())),
    onExit: (code) => send(Object.assign({ exit: code }, treeMessage())),
    onAbort: (what) => send({ failure: String(what) }),
  };
  mod = config;
  const tree = message.args.indexOf('--tree');
  if (tree >= 0) treeFile = message.args[tree + 1];
  await self['create_' + message.program](config);
  config.addOnExit(readTree);
  lastSent = performance.now();
  config.callMain(message.args);
};
