// The floor for a console program's run: a process that writes the same bytes in one call.
#include <unistd.h>

#include BYTES_HEADER

int main()
{
    return write(STDOUT_FILENO, output_bytes, sizeof output_bytes) == sizeof output_bytes ? 0 : 1;
}
