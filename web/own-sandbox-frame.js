// The sandbox of "Your own search": the script of own-sandbox.html, which
// web/own_sandbox_page.js writes around it. The page loads that file into a frame sandboxed
// without allow-same-origin, so the frame's origin is one of its own, matching no site, with
// no storage of any kind; its policy lets it run this script (by its hash) and workers made
// from blobs, and nothing else, and a worker made from a blob shares the frame's origin and
// policy. The worker that runs a student's code therefore makes no request of any kind, to
// the site itself included, and keeps nothing from one run to the next.
//
// The frame starts that worker when the page sends it the worker's script and the run's
// number ({ run, start }), ends it when the page says so ({ stop }), and hands the page,
// with the run's number, every message of the worker as it came ({ steps }), what stopped
// it ({ failed }: an error the worker's own part never saw, a syntax error of the code above
// all), or that it stopped it itself: a worker that sends more messages in a second than the
// worker's own part ever sends ({ flood }), or one the frame cannot read ({ unreadable }).
// The page checks everything it gets.
'use strict';
(function ownSandbox() {
  // The worker's own part sends a block of steps every 20 ms at most.
  const MESSAGES_PER_SECOND = 200;

  let worker = null, run = 0;
  let count = 0, since = 0;
  const tell = (message) => parent.postMessage({ run, ...message }, '*');

  function stop() {
    if (worker) worker.terminate();
    worker = null;
  }

  function start(number, script) {
    stop();
    run = number;
    const url = URL.createObjectURL(new Blob([script], { type: 'text/javascript' }));
    const started = new Worker(url);
    URL.revokeObjectURL(url);
    worker = started;
    count = 0;
    since = performance.now();
    started.onmessage = (event) => {
      if (worker !== started) return;
      const now = performance.now();
      if (now - since >= 1000) {
        since = now;
        count = 0;
      }
      if (++count > MESSAGES_PER_SECOND) {
        stop();
        tell({ flood: MESSAGES_PER_SECOND });
      } else {
        tell({ steps: event.data });
      }
    };
    started.onmessageerror = () => {
      if (worker !== started) return;
      stop();
      tell({ unreadable: true });
    };
    started.onerror = (event) => {
      event.preventDefault();
      if (worker !== started) return;
      stop();
      tell({ failed: { message: String(event.message || ''), line: event.lineno || 0 } });
    };
  }

  addEventListener('message', (event) => {
    if (event.source !== parent) return;
    const { run: number, start: script } = event.data || {};
    if (typeof script === 'string' && Number.isInteger(number)) start(number, script);
    else stop();
  });
  tell({ ready: true });
})();
