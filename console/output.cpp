// The end of the console programs' output: a write that fails ends the run.
#include "console/output.h"

#include <stdio_ext.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "run/progress.h"
#include "run/run_end.h"

void end_output_failed(const char* program, int error)
{
    end_progress();  // the message goes on a line of its own
    if (error != EPIPE) {
        std::fprintf(stderr, "%s: cannot write the output: %s\n", program,
                     error != 0 ? std::strerror(error) : "write error");
    }
    __fpurge(stdout);
    throw RunEnd{1};
}

void end_if_output_failed(const char* program)
{
    if (std::ferror(stdout)) {
        end_output_failed(program, errno);
    }
}

void print_trace_line(const char* program, int level, const char* line)
{
    std::printf("%*s%s\n", 2 * level, "", line);
    end_if_output_failed(program);
}

void finish_output(const char* program)
{
    std::fflush(stdout);
    end_if_output_failed(program);
}
