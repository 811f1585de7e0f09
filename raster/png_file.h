// A 32-bit surface written as an 8-bit RGB PNG file, whole or not at all.
#ifndef RASTER_PNG_FILE_H
#define RASTER_PNG_FILE_H

#include <SDL.h>

#include <string>

// Writes the surface's pixels, whatever its channel masks, as an 8-bit RGB PNG file at
// path, replacing a regular file of that name, or the one a link there leads to (anything
// else there is refused: run/whole_file.h). The file is written under a temporary name in the
// same folder and renamed only once it is complete and on disk, so that path never names
// half a picture; the temporary file is removed when anything fails. Returns false after
// setting reason (such as "No space left on device") when the file could not be written.
bool write_png_file(const SDL_Surface* surface, const std::string& path, std::string& reason);

#endif
