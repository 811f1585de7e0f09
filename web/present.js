// Present mode: the run's view as large as the screen allows, its text in a size for a room,
// the whole screen where the browser grants it. Every program has a view: a window program's
// picture (in step mode with the trace and the tree beside it), a console program's output or
// its tree alone, and "Your own search" (its board, code, trace and tree); index.html lays
// each out on one grid (body[data-view]). The button, the key f and Escape (or leaving the
// full screen) end it; the run goes on, and only Stop ends it.
import { $, presentTextPx, presentation, run } from './state.js';
import { PROGRAMS } from './programs.js';
import { showTree } from './tree_panel.js';
import { keepCurrentInView } from './panels.js';
import { setAddress } from './form.js';

// A window program's picture at scale 1, in pixels (raster/page_size.h), and the largest
// scale it draws at (raster/raster.h's max_draw_scale).
const PICTURE_WIDTH = 800;
const PICTURE_HEIGHT = 600;
const LARGEST_SCALE = 4;
// In step mode the panels beside the picture keep at least this share of the screen's width.
const PRESENT_PANELS_SHARE = 0.38;
// The text size that + and - choose from, in CSS pixels, and their step.
const SMALLEST_TEXT = 10;
const LARGEST_TEXT = 96;
const TEXT_STEP = 2;

export function present(on) {
  if (on === presentation.on) return;
  presentation.on = on;
  document.body.classList.toggle('presenting', on);
  const button = $('present');
  button.setAttribute('aria-pressed', String(on));
  button.firstChild.textContent = on ? 'Leave the presentation ' : 'Present ';
  button.lastChild.textContent = on ? 'Esc' : 'f';
  // Continue and Stop stand with the view's buttons while it is presented, and only Stop ends
  // a run there.
  if (on) $('controls').append($('next'), $('stop'));
  else $('run-to-step').after($('next'), $('stop'));
  if (on) presentation.treeAlone = run.treeSvg !== undefined && PROGRAMS[run.program]?.kind === 'console';
  if (on && document.fullscreenEnabled && !document.fullscreenElement) {
    document.documentElement.requestFullscreen().catch(() => {});
  } else if (!on && document.fullscreenElement) {
    document.exitFullscreen().catch(() => {});
  }
  showPresentView();
  // The output shows its end, as it does while a program writes.
  $('console').scrollTop = $('console').scrollHeight;
  const stage = $('own-stage');
  (stage.hidden ? $('screen') : stage).focus({ preventScroll: true });
}

// The view of the program chosen, for index.html's grid, and its text size; the tree drawn
// anew at the size it has in the view.
export function showPresentView() {
  const program = PROGRAMS[$('program').value];
  const kind = program ? program.kind : 'window';
  const steps = !$('step-controls').hidden;
  const view = kind === 'own' ? 'own' : kind === 'window' ? (steps ? 'steps' : 'picture')
    : presentation.treeAlone && run.treeSvg !== undefined ? 'tree' : 'output';
  document.body.dataset.view = view;
  document.body.style.setProperty('--present-text', `${presentTextPx()}px`);
  if (run.treeSvg !== undefined) showTree(run.treeSvg, run.treeStep);
  fitPresent();
}

// Fits the view to the screen once its size or its parts have changed.
export function fitPresent() {
  fitPicture();
  fitBoard();
  keepCurrentInView();
}

// A new canvas for a window program's picture, as index.html has the first: each run, and the
// page once its run has gone to A (keep_a.js), draws on one of its own.
export function newScreen() {
  const canvas = Object.assign(document.createElement('canvas'), {
    id: 'screen', width: PICTURE_WIDTH, height: PICTURE_HEIGHT, tabIndex: 0,
  });
  canvas.setAttribute('aria-label', 'The program\'s picture');
  return canvas;
}

// Sizes the picture for present mode, or gives it back its own size, and asks the program to
// draw at the scale that size takes. Until it does, the canvas keeps the size given here.
export function fitPicture() {
  sizePicture();
  const canvas = $('screen');
  if (!presentation.on && canvas.width !== PICTURE_WIDTH) {
    canvas.style.width = `${PICTURE_WIDTH}px`;
    canvas.style.height = `${PICTURE_HEIGHT}px`;
  }
  if (run.control && run.control.scale) run.control.scale(pictureScale());
}

// The scale the program draws its pictures at (web/page_link.h): in present mode the smallest
// whole one, up to LARGEST_SCALE, whose picture has at least as many pixels as the canvas is shown on, the
// screen's own pixels counted, so that the browser only ever makes the picture smaller; 1
// otherwise.
export function pictureScale() {
  const shown = parseFloat($('screen').style.width);
  if (!presentation.on || !(shown > 0)) return 1;
  return Math.min(LARGEST_SCALE,
                  Math.max(1, Math.ceil(shown * (window.devicePixelRatio || 1) / PICTURE_WIDTH)));
}

// The buttons above the picture wrap within its width, so the room they take is measured at
// the width tried, which settles in a few tries.
function sizePicture() {
  const canvas = $('screen');
  canvas.style.width = canvas.style.height = '';
  const view = document.body.dataset.view;
  if (!presentation.on || (view !== 'picture' && view !== 'steps')) return;
  const layout = $('layout');
  const style = getComputedStyle(layout);
  const inner = layout.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
  const width = view === 'steps'
    ? inner * (1 - PRESENT_PANELS_SHARE) - parseFloat(style.columnGap) : inner;
  const bottom = layout.clientHeight - parseFloat(style.paddingBottom);
  let scale = width / canvas.width;
  for (let tries = 0; tries < 4; tries++) {
    canvas.style.width = `${Math.floor(canvas.width * scale)}px`;
    canvas.style.height = `${Math.floor(canvas.height * scale)}px`;
    const top = $('screen-holder').getBoundingClientRect().top - layout.getBoundingClientRect().top;
    scale = Math.max(0, Math.min(width / canvas.width, (bottom - top) / canvas.height));
  }
  canvas.style.width = `${Math.floor(canvas.width * scale)}px`;
  canvas.style.height = `${Math.floor(canvas.height * scale)}px`;
}

// The board of "Your own search" in present mode: square cells as large as its part of the
// view allows (--cell), the rows below the lines above it.
export function fitBoard() {
  const board = $('own-board');
  board.style.removeProperty('--cell');
  if (!presentation.on || board.children.length === 0) return;
  const columns = +board.style.getPropertyValue('--columns') || 1;
  const rows = Math.ceil(board.children.length / columns);
  const stage = $('own-stage');
  const width = stage.clientWidth;
  const height = stage.getBoundingClientRect().bottom - board.getBoundingClientRect().top;
  board.style.setProperty('--cell', `${Math.max(1, Math.floor(Math.min(width / columns,
                                                                          height / rows)))}px`);
}

// The keys + and - make the text larger and smaller; the address keeps the size chosen.
export function changeTextSize(larger) {
  const now = presentTextPx();
  presentation.text = Math.min(LARGEST_TEXT, Math.max(SMALLEST_TEXT, now + (larger ? TEXT_STEP
    : -TEXT_STEP)));
  setAddress({ text: presentation.text });
  showPresentView();
}

// A text size from the address: a whole number of CSS pixels within the sizes offered.
export function takeTextSize(text) {
  if (!/^\d{1,3}$/.test(text || '')) return;
  presentation.text = Math.min(LARGEST_TEXT, Math.max(SMALLEST_TEXT, +text));
}

// A console program's output and its tree, each alone in the view: t switches between them.
export function switchTreeAlone() {
  if (run.treeSvg === undefined) return;
  presentation.treeAlone = !presentation.treeAlone;
  showPresentView();
}

// Moves through the view that is no step mode's: a page of the output or the tree down or up
// (forward, back), or to its start or its end (first, newest).
export function scrollView(move) {
  const box = document.body.dataset.view === 'tree' ? $('tree') : $('console');
  const page = box.clientHeight * 0.9;
  if (move === 'first') box.scrollTop = 0;
  else if (move === 'newest') box.scrollTop = box.scrollHeight;
  else box.scrollTop += move === 'back' ? -page : page;
}
