// Present mode: the picture as large as the screen allows, keeping its proportions, with the
// step buttons and the panels beside it in large type (index.html); the whole screen where
// the browser grants it. The button, the key f, and Escape (or leaving the full screen) end it.
import { $, presentation, run } from './state.js';
import { showTree } from './tree_panel.js';

// The room the panels keep beside the picture in present mode, in pixels.
const PRESENT_PANEL_WIDTH = 360;

export function present(on) {
  if (on === presentation.on) return;
  presentation.on = on;
  document.body.classList.toggle('presenting', on);
  const button = $('present');
  button.setAttribute('aria-pressed', String(on));
  button.firstChild.textContent = on ? 'Leave the presentation ' : 'Present ';
  button.lastChild.textContent = on ? 'Esc' : 'f';
  if (on && document.fullscreenEnabled && !document.fullscreenElement) {
    document.documentElement.requestFullscreen().catch(() => {});
  } else if (!on && document.fullscreenElement) {
    document.exitFullscreen().catch(() => {});
  }
  fitPicture();
  if (run.treeSvg !== undefined) showTree(run.treeSvg, run.treeStep);
  $('screen').focus();
}

// Sizes the picture for present mode, or gives it back its own size, and asks the program to
// draw at the scale that size takes. Until it does, the canvas keeps the size given here.
export function fitPicture() {
  sizePicture();
  const canvas = $('screen');
  if (!presentation.on && canvas.width !== 800) {
    canvas.style.width = '800px';
    canvas.style.height = '600px';
  }
  if (run.control && run.control.scale) run.control.scale(pictureScale());
}

// The scale the program draws its pictures at (web/page_link.h): in present mode the smallest
// whole one, up to 4, whose picture has at least as many pixels as the canvas is shown on, the
// screen's own pixels counted, so that the browser only ever makes the picture smaller; 1
// otherwise.
export function pictureScale() {
  const shown = parseFloat($('screen').style.width);
  if (!presentation.on || !(shown > 0)) return 1;
  return Math.min(4, Math.max(1, Math.ceil(shown * (window.devicePixelRatio || 1) / 800)));
}

// The buttons above the picture wrap within its width, so the room they take is measured at
// the width tried, which settles in a few tries.
function sizePicture() {
  const canvas = $('screen');
  canvas.style.width = canvas.style.height = '';
  if (!presentation.on) return;
  const layout = $('layout');
  const style = getComputedStyle(layout);
  const beside = layout.classList.contains('with-panels') ? PRESENT_PANEL_WIDTH +
    parseFloat(style.columnGap) : 0;
  const width = layout.clientWidth - parseFloat(style.paddingLeft) -
    parseFloat(style.paddingRight) - beside;
  const height = layout.clientHeight - parseFloat(style.paddingTop) -
    parseFloat(style.paddingBottom);
  let scale = width / canvas.width;
  for (let tries = 0; tries < 3; tries++) {
    canvas.style.width = `${Math.floor(canvas.width * scale)}px`;
    canvas.style.height = `${Math.floor(canvas.height * scale)}px`;
    const above = $('stage').getBoundingClientRect().height -
      canvas.getBoundingClientRect().height;
    scale = Math.max(0, Math.min(width / canvas.width, (height - above) / canvas.height));
  }
  canvas.style.width = `${Math.floor(canvas.width * scale)}px`;
  canvas.style.height = `${Math.floor(canvas.height * scale)}px`;
}

// The key f and Escape are the page's, never the program's (Escape would end its run); a key
// typed into a field is the field's.
export function presentKeys(event) {
  if (event.ctrlKey || event.metaKey || event.altKey) return;
  if (event.target.closest && event.target.closest('input[type=text], select, textarea')) return;
  const drawn = !$('present').hidden;
  if ((event.key === 'f' && drawn) || (event.key === 'Escape' && presentation.on)) {
    event.preventDefault();
    event.stopPropagation();
    if (!event.repeat) present(event.key === 'f' ? !presentation.on : false);
  }
}
