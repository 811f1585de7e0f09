// The screen in the program's memory, as the desktop's SDL keeps it. Emscripten's SDL keeps
// every surface on a canvas instead: each lock copies the whole canvas into memory and each
// unlock copies it back, and the raster kit locks for every pixel it sets.
// Here locking costs nothing, fills and blits work on memory, and a flip puts the picture on
// the page's canvas in one go. Only texts are drawn by the browser: a rendered text stays on
// its own canvas until it is blitted.
mergeInto(LibraryManager.library, {
  $webScreen__deps: ['$SDL', 'malloc'],
  $webScreen: {
    // The surface's record, its pixels now in memory: zero as a new desktop surface, the
    // screen opaque black as a new window.
    inMemory: function(surf) {
      var s = SDL.surfaces[surf];
      if (!s.inMemory) {
        if (!s.buffer) {
          s.buffer = _malloc(s.width * s.height * 4);
          HEAP32[(surf + {{{ C_STRUCTS.SDL_Surface.pixels }}}) >> 2] = s.buffer;
        }
        var first = s.buffer >> 2;
        HEAPU32.fill(surf === SDL.screen ? 0xff000000 : 0, first, first + s.width * s.height);
        s.inMemory = true;
      }
      return s;
    },

    // The part of r inside the surface and its clipping rectangle.
    clip: function(r, s) {
      var c = s.clipRect || { x: 0, y: 0, w: s.width, h: s.height };
      var x0 = Math.max(r.x, c.x), y0 = Math.max(r.y, c.y);
      var x1 = Math.min(r.x + r.w, c.x + c.w), y1 = Math.min(r.y + r.h, c.y + c.h);
      return { x: x0, y: y0, w: Math.max(0, x1 - x0), h: Math.max(0, y1 - y0) };
    },

    // A plain copy from a surface in memory; a text is laid over the pixels beneath by its
    // coverage, as the canvas would draw it.
    blit: function(src, srcrect, dst, dstrect) {
      var from = SDL.surfaces[src], to = webScreen.inMemory(dst);
      var sr = srcrect ? SDL.loadRect(srcrect) : { x: 0, y: 0, w: from.width, h: from.height };
      var at = dstrect ? SDL.loadRect(dstrect) : { x: 0, y: 0 };
      // Clip the source to its surface, then the destination, moving the other along.
      var s = webScreen.clip(sr, { width: from.width, height: from.height });
      var d = webScreen.clip({ x: at.x + s.x - sr.x, y: at.y + s.y - sr.y, w: s.w, h: s.h }, to);
      var sx = s.x + d.x - (at.x + s.x - sr.x), sy = s.y + d.y - (at.y + s.y - sr.y);
      if (dstrect) SDL.updateRect(dstrect, d);
      if (d.w === 0 || d.h === 0) return 0;
      var y, x;
      if (from.inMemory) {
        for (y = 0; y < d.h; y++) {
          var source = (from.buffer >> 2) + (sy + y) * from.width + sx;
          HEAPU32.set(HEAPU32.subarray(source, source + d.w),
                      (to.buffer >> 2) + (d.y + y) * to.width + d.x);
        }
        return 0;
      }
      var text = from.ctx.getImageData(sx, sy, d.w, d.h).data;
      for (y = 0; y < d.h; y++) {
        for (x = 0; x < d.w; x++) {
          var k = (y * d.w + x) * 4, a = text[k + 3];
          if (a === 0) continue;
          var p = to.buffer + ((d.y + y) * to.width + d.x + x) * 4;
          for (var c = 0; c < 3; c++) {
            HEAPU8[p + c] = Math.round((text[k + c] * a + HEAPU8[p + c] * (255 - a)) / 255);
          }
        }
      }
      return 0;
    },

    // The screen's pixels go to the canvas straight from memory: every pixel on the screen is
    // opaque, as a new screen is, as SDL_MapRGB makes each colour, and as a text's blit keeps
    // the pixel's alpha beneath it.
    present: function() {
      var s = SDL.screen && SDL.surfaces[SDL.screen];
      if (!s || !s.inMemory) return;
      var bytes = new Uint8ClampedArray(HEAPU8.buffer, s.buffer, s.width * s.height * 4);
      s.ctx.putImageData(new ImageData(bytes, s.width, s.height), 0, 0);
    },
  },

  SDL_CreateRGBSurface__deps: ['$webScreen'],
  SDL_CreateRGBSurface: function(flags, width, height, depth, rmask, gmask, bmask, amask) {
    var surf = SDL.makeSurface(width, height, flags, false, 'CreateRGBSurface',
                               rmask, gmask, bmask, amask);
    webScreen.inMemory(surf);
    return surf;
  },

  SDL_LockSurface__deps: ['$webScreen'],
  SDL_LockSurface: function(surf) {
    webScreen.inMemory(surf).locked++;
    return 0;
  },

  SDL_UnlockSurface: function(surf) {
    var s = SDL.surfaces[surf];
    if (s.locked > 0) s.locked--;
  },

  SDL_FillRect__deps: ['$webScreen'],
  SDL_FillRect: function(surf, rect, color) {
    var s = webScreen.inMemory(surf);
    var r = webScreen.clip(rect ? SDL.loadRect(rect) : { x: 0, y: 0, w: s.width, h: s.height }, s);
    for (var y = r.y; y < r.y + r.h; y++) {
      var row = (s.buffer >> 2) + y * s.width;
      HEAPU32.fill(color >>> 0, row + r.x, row + r.x + r.w);
    }
    if (rect) SDL.updateRect(rect, r);
    return 0;
  },

  SDL_UpperBlit__deps: ['$webScreen'],
  SDL_UpperBlit: function(src, srcrect, dst, dstrect) {
    return webScreen.blit(src, srcrect, dst, dstrect);
  },
  SDL_BlitSurface: 'SDL_UpperBlit',

  SDL_Flip__deps: ['$webScreen'],
  SDL_Flip: function(surf) {
    if (surf === SDL.screen) webScreen.present();
    return 0;
  },
  SDL_UpdateRect__deps: ['$webScreen'],
  SDL_UpdateRect: function(surf, x, y, w, h) {
    if (surf === SDL.screen) webScreen.present();
  },
});
