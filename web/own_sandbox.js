// The sandbox in which "Your own search" runs a student's code: a frame of its own origin
// (own-sandbox.html, written from own-sandbox-frame.js, which says what it keeps out), made
// once when "Your own search" is shown, so that a run asks the site for nothing. Each run
// starts a worker in it; the frame's messages come to the run's listener with the run they
// belong to, and a message from anything but the frame, or of another run, is not taken.

let frame = null;
let ready = null;     // settles at the frame's first message
let listener = null;  // the run's: { run, take(message) }

// The frame, made once; the promise settles when it answers.
export function makeSandbox() {
  if (frame) return ready;
  frame = document.createElement('iframe');
  // Scripts, and nothing else: no allow-same-origin, so the frame's origin is its own.
  frame.setAttribute('sandbox', 'allow-scripts');
  frame.src = 'own-sandbox.html';
  frame.hidden = true;
  frame.title = 'The sandbox that runs your code';
  ready = new Promise((resolve) => {
    window.addEventListener('message', (event) => {
      if (event.source === null || event.source !== frame.contentWindow) return;
      const message = event.data;
      if (message?.ready === true) resolve();
      else if (listener && message?.run === listener.run) listener.take(message);
    });
  });
  document.body.append(frame);
  return ready;
}

// Starts the worker's script as the run numbered run; take gets each of its messages.
export async function startInSandbox(run, script, take) {
  await makeSandbox();
  listener = { run, take };
  frame.contentWindow.postMessage({ run, start: script }, '*');
}

// Ends the run's worker; its messages still on their way are not taken.
export function stopSandbox() {
  listener = null;
  if (frame?.contentWindow) frame.contentWindow.postMessage({ stop: true }, '*');
}
