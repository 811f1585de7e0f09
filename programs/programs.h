// The programs as their command lines present them: what each shows, the options it
// takes, the largest instance it accepts, and examples of its use.
#ifndef PROGRAMS_PROGRAMS_H
#define PROGRAMS_PROGRAMS_H

#include "options/options.h"

// The largest board that tilelist's own tables are made for.
constexpr int tilelist_max_board_side = 20;

extern const ProgramInfo juglist_program;
extern const ProgramInfo jugview_program;
extern const ProgramInfo tileview_program;
extern const ProgramInfo tilelist_program;
extern const ProgramInfo permlist_program;
extern const ProgramInfo tracetree_program;

// The programs the web page offers, in its order (tracetree, which reads a file, is not one).
extern const ProgramInfo* const all_programs[];
extern const int program_count;

#endif
