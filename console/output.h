// The end of the console programs' output: a write that fails ends the run.
#ifndef CONSOLE_OUTPUT_H
#define CONSOLE_OUTPUT_H

// Ends the run (RunEnd, status 1) when a write to standard output has failed. A reader that
// has closed its end of a pipe ends it quietly: it wanted no more (without SIGPIPE ignored,
// that signal ends the program before it gets here). Any other failure, such as a full
// disk, is named in one line on standard error. Call it right after the write, so that
// errno still tells the failure.
void end_if_output_failed(const char* program);

// The same for a write to standard output that failed with error, made past stdio. What
// stdio still holds is dropped: written at the program's exit, it would meet the same
// failure, or land after a gap in the output.
[[noreturn]] void end_output_failed(const char* program, int error);

// Writes a line of --trace: two blanks of indent a level, then the line.
void print_trace_line(const char* program, int level, const char* line);

// Writes out what standard output still holds, then does the same.
void finish_output(const char* program);

#endif
