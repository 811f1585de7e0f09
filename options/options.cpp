// The command line that every program shares: the options, their values, --help, --version.
#include "options/options.h"

#include <getopt.h>

#include <cstdio>
#include <cstring>

namespace {

// getopt_long's values for our long options; above any character, so that a long option
// can be told from a short one in getopt's error reports.
enum : int {
    key_jugs = 256,
    key_goal,
    key_board,
    key_size,
    key_count,
    key_no_wait,
    key_trace,
    key_steps,
    key_delay,
    key_save,
    key_help,
    key_version,
};

struct OptionEntry {
    unsigned bit;  // 0 for the options every program takes
    int key;
    const char* name;
    const char* value;  // what the value looks like, nullptr for an option without one
};

const OptionEntry option_table[] = {
    {option_jugs, key_jugs, "jugs", "A,B,C"},
    {option_goal, key_goal, "goal", "X,Y,Z"},
    {option_board, key_board, "board", "WxH"},
    {option_size, key_size, "size", "N"},
    {option_count, key_count, "count", nullptr},
    {option_trace, key_trace, "trace", nullptr},
    {option_no_wait, key_no_wait, "no-wait", nullptr},
    {option_steps, key_steps, "steps", nullptr},
    {option_steps, key_delay, "delay", "MS"},
    {option_save, key_save, "save", "DIR"},
    {0, key_help, "help", nullptr},
    {0, key_version, "version", nullptr},
};

// The argument that named the option o, which getopt_long has just returned: the one
// before its value when the value came as an argument of its own.
const char* option_as_given(char* argv[], const struct option& o)
{
    return o.has_arg == required_argument && optarg == argv[optind - 1] ? argv[optind - 2]
                                                                        : argv[optind - 1];
}

// getopt_long also takes any unambiguous beginning of a name; we take whole names only, so
// that what a script writes today still means the same when an option is added.
bool whole_name_given(char* argv[], const struct option& o)
{
    const char* given = option_as_given(argv, o);
    const size_t length = std::strlen(o.name);
    return std::strncmp(given + 2, o.name, length) == 0 &&
           (given[2 + length] == '\0' || given[2 + length] == '=');
}

bool takes(const ProgramInfo& program, const OptionEntry& entry)
{
    return entry.bit == 0 || (program.options & entry.bit) != 0;
}

const OptionEntry* entry_for_key(int key)
{
    for (const OptionEntry& e : option_table) {
        if (e.key == key) return &e;
    }
    return nullptr;
}

// The form a value must have, as the help and the error messages state it.
void describe_value(char* out, size_t size, const ProgramInfo& program, int key)
{
    switch (key) {
    case key_jugs:
        std::snprintf(out, size, "three whole numbers A,B,C from 1 to %d, such as 8,5,3",
                      max_jug_capacity);
        break;
    case key_goal:
        std::snprintf(out, size,
                      "three amounts X,Y,Z, each a whole number or * for any amount, "
                      "such as '4,4,*'");
        break;
    case key_board:
        std::snprintf(out, size, "WxH with W from 1 to %d and H from 1 to %d, such as 4x4",
                      program.max_board_columns, program.max_board_rows);
        break;
    case key_size:
        std::snprintf(out, size, "a whole number N from 1 to %d", max_perm_size);
        break;
    case key_delay:
        std::snprintf(out, size, "a whole number of milliseconds from 0 to %d", max_step_delay);
        break;
    case key_save:
        std::snprintf(out, size, "the name of a folder, such as pages");
        break;
    default:
        std::snprintf(out, size, "no value");
    }
}

// Reads a whole number from lo to hi at p and moves p past it. Only digits are taken: no
// sign, no blanks.
bool read_whole(const char*& p, int lo, int hi, int& out)
{
    constexpr int max_digits = 6;  // far past every limit, and far below int's range
    int value = 0;
    int digits = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (++digits > max_digits) return false;
        value = value * 10 + (*p - '0');
    }
    if (digits == 0 || value < lo || value > hi) return false;
    out = value;
    return true;
}

// Three values A,B,C, each a whole number from lo to max_jug_capacity or, where a star is
// taken, a '*' for goal_any_amount.
bool parse_triple(const char* text, int lo, bool star_taken, int values[3])
{
    int parsed[3];
    const char* p = text;
    for (int k = 0; k < 3; ++k) {
        if (k > 0 && *p++ != ',') return false;
        if (star_taken && *p == '*') {
            parsed[k] = goal_any_amount;
            ++p;
        } else if (!read_whole(p, lo, max_jug_capacity, parsed[k])) {
            return false;
        }
    }
    if (*p != '\0') return false;
    std::memcpy(values, parsed, sizeof parsed);
    return true;
}

bool parse_board(const char* text, const ProgramInfo& program, Settings& settings)
{
    int columns, rows;
    const char* p = text;
    if (!read_whole(p, 1, program.max_board_columns, columns) || *p++ != 'x' ||
        !read_whole(p, 1, program.max_board_rows, rows) || *p != '\0') {
        return false;
    }
    settings.board_columns = columns;
    settings.board_rows = rows;
    return true;
}

bool parse_whole_option(const char* text, int lo, int hi, int& value)
{
    const char* p = text;
    int n;
    if (!read_whole(p, lo, hi, n) || *p != '\0') return false;
    value = n;
    return true;
}

int input_error(const ProgramInfo& program)
{
    std::fprintf(stderr, "Try '%s --help'.\n", program.name);
    return 2;
}

int bad_value(const ProgramInfo& program, int key, const char* value, const char* reason = nullptr)
{
    char form[160];
    describe_value(form, sizeof form, program, key);
    std::fprintf(stderr, "%s: invalid value '%s' for --%s: %s%s\n", program.name, value,
                 entry_for_key(key)->name, reason != nullptr ? "" : "expected ",
                 reason != nullptr ? reason : form);
    return input_error(program);
}

void print_option_help(const ProgramInfo& program, const OptionEntry& e)
{
    char head[32];
    std::snprintf(head, sizeof head, "--%s%s%s", e.name, e.value ? " " : "",
                  e.value ? e.value : "");
    std::printf("  %-15s", head);
    const char* indent = "                 ";
    switch (e.key) {
    case key_jugs:
        std::printf("capacities of the three jugs, whole numbers from 1 to %d;\n"
                    "%sthe first starts full, the others empty (default 10,5,3)\n",
                    max_jug_capacity, indent);
        break;
    case key_goal:
        std::printf("the amount each jug must hold, or * for any amount (quote\n"
                    "%sthe * in a shell); at most the jug's capacity (default '*,*,2')\n",
                    indent);
        break;
    case key_board:
        std::printf("W columns by H rows, W from 1 to %d and H from 1 to %d\n",
                    program.max_board_columns, program.max_board_rows);
        if (program.board_limit_reason != nullptr) {
            std::printf("%s(%s)\n", indent, program.board_limit_reason);
        }
        std::printf("%s(default 6x4)\n", indent);
        break;
    case key_size:
        std::printf("list the orderings of 0..N-1, N from 1 to %d (default 7)\n", max_perm_size);
        break;
    case key_count:
        std::printf("print only what follows the listing: the summary with the count\n");
        break;
    case key_no_wait:
        std::printf("end right after the output instead of waiting for a key\n");
        break;
    case key_trace:
        std::printf("instead of the listing, print every step of the search as an\n"
                    "%sindented tree: each call, each candidate turned down\n",
                    indent);
        break;
    case key_steps:
        std::printf("draw the search one step at a time: space or the right arrow\n"
                    "%stakes a step; Escape, q or closing the window ends the run\n",
                    indent);
        break;
    case key_delay:
        std::printf("with --steps, take a step by itself every MS milliseconds\n"
                    "%s(0 to %d); a key press then pauses and resumes\n",
                    indent, max_step_delay);
        break;
    case key_save:
        std::printf("write the pages as DIR/page-001.png, ... instead of a window\n");
        break;
    case key_help:
        std::printf("show this help and exit\n");
        break;
    case key_version:
        std::printf("show the program's name and version and exit\n");
        break;
    default:
        break;
    }
}

void print_help(const ProgramInfo& program)
{
    std::printf("Usage: %s", program.name);
    for (const OptionEntry& e : option_table) {
        if (e.bit != 0 && takes(program, e)) {
            std::printf(" [--%s%s%s]", e.name, e.value ? " " : "", e.value ? e.value : "");
        }
    }
    std::printf("\n%s\n\nOptions:\n", program.description);
    for (const OptionEntry& e : option_table) {
        if (takes(program, e)) print_option_help(program, e);
    }
    std::printf("\nEach option may be given as --name VALUE or --name=VALUE, in any order;\n"
                "when an option is repeated, the last one counts.\n\n"
                "Examples:\n  %s %s\n",
                program.name, program.example);
}

}  // namespace

int parse_command_line(int argc, char* argv[], const ProgramInfo& program, Settings& settings)
{
    if (argc <= 1) return run_program;

    struct option long_options[sizeof option_table / sizeof option_table[0] + 1] = {};
    int n = 0;
    for (const OptionEntry& e : option_table) {
        if (takes(program, e)) {
            long_options[n++] = {e.name, e.value ? required_argument : no_argument, nullptr, e.key};
        }
    }

    opterr = 0;  // the messages below replace getopt's own
    optind = 0;  // start afresh, also when a test parses a second command line
    bool help = false, version = false;
    const char* goal_text = nullptr;
    for (;;) {
        int index = -1;
        const int key = getopt_long(argc, argv, ":", long_options, &index);
        if (key == -1) break;
        if (index >= 0 && !whole_name_given(argv, long_options[index])) {
            std::fprintf(stderr, "%s: unknown option '%s'\n", program.name,
                         option_as_given(argv, long_options[index]));
            return input_error(program);
        }
        switch (key) {
        case key_jugs:
            if (!parse_triple(optarg, 1, false, settings.jugs)) {
                return bad_value(program, key, optarg);
            }
            break;
        case key_goal:
            // Amounts are held to the capacities once every option is read, so that --goal
            // may come before --jugs.
            if (!parse_triple(optarg, 0, true, settings.goal)) {
                return bad_value(program, key, optarg);
            }
            goal_text = optarg;
            break;
        case key_board:
            if (!parse_board(optarg, program, settings)) return bad_value(program, key, optarg);
            break;
        case key_size:
            if (!parse_whole_option(optarg, 1, max_perm_size, settings.size)) {
                return bad_value(program, key, optarg);
            }
            break;
        case key_count:
            settings.count_only = true;
            break;
        case key_no_wait:
            settings.no_wait = true;
            break;
        case key_trace:
            settings.trace = true;
            break;
        case key_steps:
            settings.steps = true;
            break;
        case key_delay:
            if (!parse_whole_option(optarg, 0, max_step_delay, settings.delay_ms)) {
                return bad_value(program, key, optarg);
            }
            break;
        case key_save:
            if (*optarg == '\0') return bad_value(program, key, optarg);
            settings.save_folder = optarg;
            break;
        case key_help:
            help = true;
            break;
        case key_version:
            version = true;
            break;
        case ':': {
            char form[160];
            describe_value(form, sizeof form, program, optopt);
            std::fprintf(stderr, "%s: --%s needs a value: %s\n", program.name,
                         entry_for_key(optopt)->name, form);
            return input_error(program);
        }
        default:  // '?': an option we do not take, or a value given to one without any
            if (const OptionEntry* e = entry_for_key(optopt)) {
                std::fprintf(stderr, "%s: --%s takes no value (given '%s')\n", program.name,
                             e->name, argv[optind - 1]);
            } else if (optopt != 0) {
                std::fprintf(stderr, "%s: unknown option '-%c'\n", program.name, optopt);
            } else {
                std::fprintf(stderr, "%s: unknown option '%s'\n", program.name, argv[optind - 1]);
            }
            return input_error(program);
        }
    }
    if (optind < argc) {
        std::fprintf(stderr, "%s: unexpected argument '%s': only options are taken\n", program.name,
                     argv[optind]);
        return input_error(program);
    }
    if (settings.trace && settings.count_only) {
        std::fprintf(stderr, "%s: --trace and --count ask for different output: give one\n",
                     program.name);
        return input_error(program);
    }
    if (settings.delay_ms >= 0 && !settings.steps) {
        char value[16];
        std::snprintf(value, sizeof value, "%d", settings.delay_ms);
        return bad_value(program, key_delay, value, "a delay paces step mode: add --steps");
    }
    if (program.options & option_goal) {
        for (int k = 0; k < 3; ++k) {
            if (settings.goal[k] > settings.jugs[k]) {
                char reason[96];
                std::snprintf(reason, sizeof reason, "jug %d holds at most %d, never %d", k + 1,
                              settings.jugs[k], settings.goal[k]);
                return bad_value(program, key_goal, goal_text ? goal_text : "*,*,2 (the default)",
                                 reason);
            }
        }
    }
    if (help) {
        print_help(program);
        return 0;
    }
    if (version) {
        std::printf("%s (%s) %s\n", program.name, PROJECT_SHORT_NAME, PROJECT_VERSION);
        return 0;
    }
    return run_program;
}
