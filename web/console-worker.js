// Runs one console program for the page, away from the page's own thread: a long listing
// never freezes the page, and Stop can end the program wherever it is.
'use strict';

// Output goes to the page in blocks: one message per byte would cost more than the program.
const blockSize = 1 << 16;
const streamEveryMs = 100;  // while a long listing runs, the page still sees it grow

let mod = null;
let out = new Uint8Array(blockSize), outUsed = 0;
let err = [];
let lastSent = 0;

function send(extra) {
  const message = Object.assign({ out: out.slice(0, outUsed), err: Uint8Array.from(err) }, extra);
  outUsed = 0;
  err = [];
  lastSent = performance.now();
  postMessage(message);
}

function putOut(byte) {
  out[outUsed++] = byte & 0xff;  // the byte comes from signed memory
  // Looking at the clock for every byte would double the cost of a listing.
  if (outUsed === blockSize || ((outUsed & 4095) === 0 && performance.now() - lastSent > streamEveryMs)) {
    send({});
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
    onWait: () => send({ waiting: true }),
    onExit: (code) => send({ exit: code }),
    onAbort: (what) => send({ failure: String(what) }),
  };
  mod = config;
  await self['create_' + message.program](config);
  lastSent = performance.now();
  config.callMain(message.args);
};
