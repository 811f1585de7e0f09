// The tree panel: the search tree as the tree library draws it (tree/tree_svg.cpp), its
// legend in a row of its own above it, the current node kept in view.
import { $, presentTextPx, presentation, run } from './state.js';
import { centreInPanel, currentTreeNode } from './panels.js';

const SVG = 'http://www.w3.org/2000/svg';
// In present mode the tree's labels are this share of the view's text size: the picture and
// its legend are drawn larger by as much as that takes.
const PRESENT_LABEL_SHARE = 0.8;
// The room around a sample of the legend, in the picture's pixels.
const LEGEND_PADDING = 3;

// The tree explored up to the step, as the program draws it; or a console program's whole
// tree (step null).
export function showTree(svg, step) {
  run.treeStep = step;
  run.treeShownAt = performance.now();
  run.treeSvg = svg;
  showTreeIn($('tree'), $('tree-legend'), svg, presentation.on);
}

// The tree's picture in a panel, its legend in the row above it; large, as present mode
// draws it.
export function showTreeIn(panel, legendRow, svg, large = false) {
  panel.innerHTML = svg;
  const picture = panel.querySelector('svg');
  if (picture) {
    const scale = large ? presentScale(picture) : 1;
    takeLegend(picture, legendRow, scale);
    enlarge(picture, scale);
  }
  centreInPanel(panel, currentTreeNode(panel));
}

// How many times larger present mode draws the picture: its labels' size as the picture
// gives it, to the share of the view's text.
function presentScale(picture) {
  const label = picture.querySelector('g.tree text');
  const size = label ? parseFloat(getComputedStyle(label).fontSize) : 0;
  return size > 0 ? PRESENT_LABEL_SHARE * presentTextPx() / size : 1;
}

function enlarge(picture, scale) {
  if (scale === 1) return;
  for (const side of ['width', 'height']) {
    picture.setAttribute(side, Math.ceil(scale * picture.getAttribute(side)));
  }
}

// Moves the tree's legend out of the picture into a row of its own above it, each sample with
// its meaning a small picture of its own, so that the row wraps within the panel: the
// picture is wider than the panel, which scrolls to the current node, and would cut its
// legend off. A sample is a group (the shape and its label) and the texts after it.
function takeLegend(picture, row, scale) {
  row.textContent = '';
  const legend = picture.querySelector('g.legend');
  if (!legend) return;
  const parts = [...legend.children];
  for (let k = 0; k < parts.length; k++) {
    const sample = [parts[k]];
    while (k + 1 < parts.length && parts[k + 1].tagName !== 'g') sample.push(parts[++k]);
    const boxes = sample.map((part) => part.getBBox());
    const left = Math.min(...boxes.map((b) => b.x)) - LEGEND_PADDING;
    const top = Math.min(...boxes.map((b) => b.y)) - LEGEND_PADDING;
    const width = Math.max(...boxes.map((b) => b.x + b.width)) + LEGEND_PADDING - left;
    const height = Math.max(...boxes.map((b) => b.y + b.height)) + LEGEND_PADDING - top;
    const item = document.createElementNS(SVG, 'svg');
    item.setAttribute('viewBox', `${left} ${top} ${width} ${height}`);
    item.setAttribute('width', width);
    item.setAttribute('height', height);
    item.setAttribute('role', 'img');
    item.setAttribute('aria-label', sample.map((part) => part.textContent).join(' '));
    item.append(...sample);
    enlarge(item, scale);
    row.append(item);
  }
  legend.remove();
}

// A console program's whole search tree, which its --tree wrote: in the tree panel, and a
// link that saves it.
export function showConsoleTree(svg) {
  showTree(svg, null);
  const link = $('tree-download');
  if (link.href) URL.revokeObjectURL(link.href);
  link.href = URL.createObjectURL(new Blob([svg], { type: 'image/svg+xml' }));
  link.hidden = false;
}
