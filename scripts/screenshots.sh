#!/usr/bin/env bash
# Regenerates the README pictures in docs/ from the real programs: jugview on solution 12,
# jugview on solution 7 of the 8,5,3 puzzle, tileview's first and last pages, every step of
# the 4x3 board's search as an animation and two of its steps (the newest domino, the ghost
# of one taken off) as a picture, jugview's call stack at step 16 (all written by the
# programs themselves with --save, no display needed), jugview's steps seen going back and forward (its own code run
# in-process with the keys of step mode), the search trees of the 4x3 board (tilelist --tree)
# and of the default jugs without the pours turned down (juglist --tree --hide turned-down),
# made into PNGs by rsvg-convert, an excerpt of juglist, and the web page's pictures
# (scripts/web-screenshot.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/build.sh >/dev/null
bin=$PWD/build/bin
docs=$PWD/docs
mkdir -p "$docs"

# The window programs' pages, exactly as their windows show them.
pages=$(mktemp -d)
save() { (cd "$bin" && "./$1" --save "$pages/$2" "${@:3}"); }
keep() { cp "$pages/$1" "$docs/$2"; echo "docs/$2"; }
save jugview default
keep default/page-012.png jugview-solution-12.png
save jugview 8-5-3 --jugs 8,5,3 --goal '4,4,*'
keep 8-5-3/page-007.png jugview-8-5-3-solution-7.png
save tileview 6x4
keep 6x4/page-001.png tileview-page-1.png
keep 6x4/page-006.png tileview-last-page.png
# Step mode as an animation: every step of the 4x3 board's search, written as a page file,
# put together by ImageMagick at three quarters of the size, where the cell numbers still read.
save tileview steps --board 4x3 --steps
(cd "$pages/steps" && convert -delay 40 -loop 0 $(ls page-*.png | sort -V) -resize 75% \
   -layers Optimize "$docs/tileview-4x3-steps.gif")
echo docs/tileview-4x3-steps.gif
# Two of those steps side by side, at half the size: step 24 places 5-9, the newest domino,
# and step 33 takes it off again, leaving its ghost.
convert "$pages/steps/page-025.png" "$pages/steps/page-034.png" +append -resize 50% \
  "$docs/tileview-4x3-newest-and-ghost.png"
echo docs/tileview-4x3-newest-and-ghost.png
# The same steps in the tree view.
save tileview tree-steps --board 4x3 --steps --view tree
(cd "$pages/tree-steps" && convert -delay 40 -loop 0 $(ls page-*.png | sort -V) -resize 75% \
   -layers Optimize "$docs/tileview-4x3-tree-steps.gif")
echo docs/tileview-4x3-tree-steps.gif
# The call stack at step 16 of the jugs, eight calls deep, as the key s shows it.
save jugview stack --steps --view stack
keep stack/page-016.png jugview-step-16-stack.png
# Going back and forward cannot be saved with --save, which writes every step once: the page
# maker of the web tests runs jugview's own code with the keys of step mode instead (eight
# steps forward, four back, forward again, n to the first solution, Home, End), a picture at
# every key. Full size, for the amounts under the pictures.
mkdir "$pages/walk"
KEYS=rrrrrrrrllllrrrrnhe build/tests/web/jugview_pages "$bin" "$pages/walk/page" --steps
(cd "$pages/walk" && convert -delay 90 -loop 0 $(ls page-*.ppm | sort -V) \
   -layers Optimize "$docs/jugview-steps-back-and-forth.gif")
echo docs/jugview-steps-back-and-forth.gif
rm -r "$pages"


# The search tree of the 4x3 board, as tilelist draws it, and the same as a picture.
"$bin/tilelist" --board 4x3 --count --no-wait --tree "$docs/tilelist-4x3-tree.svg" >/dev/null
rsvg-convert "$docs/tilelist-4x3-tree.svg" -o "$docs/tilelist-4x3-tree.png"
echo docs/tilelist-4x3-tree.png
# The default jugs' tree without the pours turned down, each call with their count.
"$bin/juglist" --count --no-wait --tree "$docs/juglist-tree.svg" --hide turned-down >/dev/null
rsvg-convert "$docs/juglist-tree.svg" -o "$docs/juglist-tree.png"
echo docs/juglist-tree.png

# The first solutions and the summary of juglist, as its own output prints them, under
# the command line that started it.
excerpt=$(printf '$ ./run.sh juglist\n'; "$bin/juglist" </dev/null | sed -n '1,9p;28,$p')
convert -background black -fill '#d0d0d0' -font /usr/share/fonts/truetype/liberation2/LiberationMono-Regular.ttf \
  -pointsize 14 "label:$excerpt" -bordercolor black -border 12 "$docs/juglist-excerpt.png"
echo docs/juglist-excerpt.png

# No creation dates in the files, so that an unchanged picture stays byte for byte the same.
mogrify -strip "$docs"/*.png "$docs"/*.gif

# The web page's pictures, from the page in headless Chromium, where the web build can be made.
if command -v em-config >/dev/null && command -v chromium >/dev/null &&
   [ -d tests/web/node_modules/puppeteer-core ]; then
  SKIP_INSTALL_AND_BUILD=1 ./scripts/web-screenshot.sh
else
  echo "Emscripten, Chromium or the web tests' node packages missing: the web page's pictures are left as they are" >&2
fi
