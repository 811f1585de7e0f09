// program_sheet: the programs and their options as JSON, for the web page's form, written
// from the same tables as every program's --help, so that the page and the programs cannot
// disagree. Usage: program_sheet > programs.json
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "options/options.h"
#include "programs/programs.h"
#include "steps/step_paces.h"

// The text as a JSON string.
static void put_string(const char* text)
{
    if (text == nullptr) {
        std::fputs("null", stdout);
        return;
    }
    std::putchar('"');
    for (const char* p = text; *p != '\0'; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == '"' || c == '\\') {
            std::printf("\\%c", c);
        } else if (c == '\n') {
            std::fputs("\\n", stdout);
        } else if (c < 0x20) {
            std::printf("\\u%04x", c);
        } else {
            std::putchar(c);
        }
    }
    std::putchar('"');
}

// The words of the arguments as a shell would split them: blanks part them, single quotes
// keep them together.
static void put_words(const char* arguments)
{
    std::putchar('[');
    const char* p = arguments;
    bool first = true;
    while (*p != '\0') {
        while (*p == ' ') ++p;
        if (*p == '\0') break;
        char word[128];
        size_t length = 0;
        bool quoted = false;
        for (; *p != '\0' && (quoted || *p != ' '); ++p) {
            if (*p == '\'') {
                quoted = !quoted;
            } else if (length + 1 < sizeof word) {
                word[length++] = *p;
            }
        }
        word[length] = '\0';
        std::fputs(first ? "" : ", ", stdout);
        put_string(word);
        first = false;
    }
    std::putchar(']');
}

// The program's --help, as it prints it.
static char* help_of(const ProgramInfo& program)
{
    char* text = nullptr;
    size_t size = 0;
    std::FILE* out = open_memstream(&text, &size);
    if (out == nullptr) return nullptr;
    print_help(out, program);
    std::fclose(out);
    return text;
}

// A member of an object: the text before it (a brace or a comma), its name, its value.
static void put_member(const char* before, const char* name, const char* value)
{
    std::printf("%s\"%s\": ", before, name);
    put_string(value);
}

static void put_option(const ProgramInfo& program, const OptionSpec& o)
{
    char help[2000], form[200];
    expand_text(help, sizeof help, o.help, program, o);
    expand_text(form, sizeof form, o.form, program, o);
    put_member("        {", "name", o.name);
    put_member(", ", "value", o.value);
    put_member(", ", "label", o.label);
    put_member(",\n         ", "default", o.fallback);
    put_member(", ", "without", o.without);
    put_member(",\n         ", "form", o.value != nullptr ? form : nullptr);
    put_member(",\n         ", "help", help);
    std::printf("}");
}

static void put_program(const ProgramInfo& program)
{
    put_member("    {", "name", program.name);
    std::printf(", \"window\": %s", program.window ? "true" : "false");
    put_member(",\n     ", "description", program.description);
    char* help = help_of(program);
    put_member(",\n     ", "help", help);
    std::free(help);
    std::printf(",\n     \"options\": [\n");
    bool first = true;
    for (int k = 0; k < option_table_size; ++k) {
        const OptionSpec& o = option_table[k];
        if (o.bit == 0 || !takes(program, o)) continue;
        std::printf(first ? "" : ",\n");
        put_option(program, o);
        first = false;
    }
    std::printf("\n     ],\n     \"examples\": [");
    first = true;
    for (const ProgramExample& e : program.examples) {
        if (e.arguments == nullptr) break;
        std::printf(first ? "\n       " : ",\n       ");
        std::printf("{\"arguments\": ");
        put_words(e.arguments);
        put_member(", ", "text", e.arguments);
        put_member(", ", "words", e.words);
        std::printf("}");
        first = false;
    }
    std::printf("]}");
}

int main()
{
    // The paces of step mode's digit keys, for the page's slider.
    std::printf("{\"step_paces_ms\": [");
    for (int k = 0; k < 10; ++k) std::printf(k > 0 ? ", %d" : "%d", digit_paces_ms[k]);
    std::printf("],\n \"programs\": [\n");
    for (int k = 0; k < program_count; ++k) {
        put_program(*all_programs[k]);
        std::printf(k + 1 < program_count ? ",\n" : "\n");
    }
    std::printf("]}\n");
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}
