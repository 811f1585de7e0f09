// The command line that every program shares: the options, their values, --help, --version.
#include "options/options.h"

#include <getopt.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "options/option_rules.h"
#include "run/printable.h"

void expand_text(char* out, int size, const char* text, const ProgramInfo& program,
                 const OptionSpec& option)
{
    int used = 0;
    const auto put = [&](const char* piece, size_t length) {
        const size_t room = static_cast<size_t>(size - 1 - used);
        const size_t n = length < room ? length : room;
        std::memcpy(out + used, piece, n);
        used += static_cast<int>(n);
    };
    while (const char* open = std::strchr(text, '{')) {
        const char* close = std::strchr(open, '}');
        if (close == nullptr) break;
        put(text, static_cast<size_t>(open - text));
        const auto is = [open, close](const char* name) {
            return std::strncmp(open + 1, name, static_cast<size_t>(close - open - 1)) == 0 &&
                   name[close - open - 1] == '\0';
        };
        char piece[200] = "";
        if (is("min")) std::snprintf(piece, sizeof piece, "%d", option.min);
        if (is("max")) std::snprintf(piece, sizeof piece, "%d", range_max(option, program));
        if (is("columns")) std::snprintf(piece, sizeof piece, "%d", program.max_board_columns);
        if (is("rows")) std::snprintf(piece, sizeof piece, "%d", program.max_board_rows);
        if (is("kept-steps")) std::snprintf(piece, sizeof piece, "%zu", program.kept_steps);
        if (is("why-board") && program.board_limit_reason != nullptr) {
            std::snprintf(piece, sizeof piece, " (%s)", program.board_limit_reason);
        }
        put(piece, std::strlen(piece));
        text = close + 1;
    }
    put(text, std::strlen(text));
    out[used] = '\0';
}

namespace {

constexpr int line_width = 79;  // of --help

// The option's text as the messages and the help give it: a value in a shell's quotes
// when a shell would read it otherwise.
void shell_word(char* out, int size, const char* word)
{
    const bool plain = std::strpbrk(word, "*?'\" ;&|<>()$`\\") == nullptr;
    std::snprintf(out, static_cast<size_t>(size), plain ? "%s" : "'%s'", word);
}

int input_error(const ProgramInfo& program)
{
    std::fprintf(stderr, "Try '%s --help'.\n", program.name);
    return 2;
}

int bad_value(const ProgramInfo& program, const OptionSpec& option, const char* value,
              const char* reason = nullptr)
{
    char form[200];
    expand_text(form, sizeof form, option.form, program, option);
    std::fprintf(stderr, "%s: invalid value '%s' for --%s: %s%s\n", program.name,
                 printable(value).c_str(), option.name, reason != nullptr ? "" : "expected ",
                 reason != nullptr ? reason : form);
    return input_error(program);
}

// Writes the paragraph with its lines wrapped to the width, each line after the first
// indented by indent blanks; the first starts at column.
void print_wrapped(std::FILE* out, const char* text, int column, int indent)
{
    while (*text != '\0') {
        int length = static_cast<int>(std::strlen(text));
        if (column + length > line_width) {
            int cut = line_width - column;
            while (cut > 0 && text[cut] != ' ') --cut;
            if (cut == 0) {  // a word longer than the line goes on it whole
                cut = static_cast<int>(std::strcspn(text, " "));
            }
            length = cut;
        }
        std::fprintf(out, "%.*s\n", length, text);
        text += length;
        while (*text == ' ') ++text;
        if (*text != '\0') std::fprintf(out, "%*s", indent, "");
        column = indent;
    }
}

void print_option_help(std::FILE* out, const ProgramInfo& program, const OptionSpec& option)
{
    constexpr int head_width = 15;
    constexpr int text_column = 2 + head_width;
    char head[32];
    std::snprintf(head, sizeof head, "--%s%s%s", option.name, option.value ? " " : "",
                  option.value ? option.value : "");
    std::fprintf(out, "  %-*s", head_width, head);
    char text[2000];
    expand_text(text, sizeof text, option.help, program, option);
    if (option.fallback != nullptr) {
        char fallback[64];
        shell_word(fallback, sizeof fallback, option.fallback);
        const size_t used = std::strlen(text);
        std::snprintf(text + used, sizeof text - used, " (default %s)", fallback);
    }
    print_wrapped(out, text, text_column, text_column);
}

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

// getopt_long's value for the option at index k of the table: above any character, so that
// a long option can be told from a short one in getopt's reports.
constexpr int first_key = 256;

}  // namespace

void print_help(std::FILE* out, const ProgramInfo& program)
{
    // The options in brackets, each whole on a line, the lines after the first indented
    // under the first option.
    int column = std::fprintf(out, "Usage: %s", program.name);
    const int indent = column;
    if (program.operand != nullptr) column += std::fprintf(out, " [%s]", program.operand);
    for (const OptionSpec& o : option_table) {
        if (o.bit == 0 || !takes(program, o)) continue;
        char piece[64];
        const int length = std::snprintf(piece, sizeof piece, " [--%s%s%s]", o.name,
                                         o.value ? " " : "", o.value ? o.value : "");
        if (column + length > line_width) column = std::fprintf(out, "\n%*s", indent, "") - 1;
        std::fputs(piece, out);
        column += length;
    }
    std::fprintf(out, "\n%s\n\nOptions:\n", program.description);
    for (const OptionSpec& o : option_table) {
        if (takes(program, o)) print_option_help(out, program, o);
    }
    std::fprintf(out, "\nEach option may be given as --name VALUE or --name=VALUE, in any order;\n"
                      "when an option is repeated, the last one counts.\n\nExamples:\n");
    for (const ProgramExample& e : program.examples) {
        if (e.arguments == nullptr) break;
        std::fprintf(out, "  %s %s\n      %s\n", program.name, e.arguments, e.words);
    }
}

namespace {

// The options as getopt_long reads them, with the zero row that ends them; the value each
// option of the table was given.
using LongOptions = struct option[option_table_size + 1];
using GivenValues = const char* [option_table_size];

int index_of(const char* name) { return static_cast<int>(option_named(name) - option_table); }

// Every option starts from its default, where it has one.
void read_defaults(const ProgramInfo& program, Settings& settings)
{
    for (const OptionSpec& o : option_table) {
        if (o.fallback != nullptr) o.read(o.fallback, o, program, settings);
    }
}

// The options the program takes, as getopt_long reads them; a zero row ends them.
void list_long_options(const ProgramInfo& program, LongOptions& long_options)
{
    int n = 0;
    for (int k = 0; k < option_table_size; ++k) {
        const OptionSpec& o = option_table[k];
        if (takes(program, o)) {
            long_options[n++] = {o.name, o.value ? required_argument : no_argument, nullptr,
                                 first_key + k};
        }
    }
}

int unknown_option(const ProgramInfo& program, const char* given)
{
    std::fprintf(stderr, "%s: unknown option '%s'\n", program.name, printable(given).c_str());
    return input_error(program);
}

// What getopt_long could not read: a value missing (':'), an option we do not take, or a
// value given to a switch ('?').
int refuse_unread(const ProgramInfo& program, int key, char* argv[])
{
    if (key == ':') {
        const OptionSpec& o = option_table[optopt - first_key];
        char form[200];
        expand_text(form, sizeof form, o.form, program, o);
        std::fprintf(stderr, "%s: --%s needs a value: %s\n", program.name, o.name, form);
    } else if (optopt >= first_key) {
        std::fprintf(stderr, "%s: --%s takes no value (given '%s')\n", program.name,
                     option_table[optopt - first_key].name, printable(argv[optind - 1]).c_str());
    } else if (optopt != 0) {
        const char given[] = {'-', static_cast<char>(optopt), '\0'};
        return unknown_option(program, given);
    } else {
        return unknown_option(program, argv[optind - 1]);
    }
    return input_error(program);
}

// Whether the text is an option as typed: -h, or --NAME or --NAME=VALUE for an option of the
// table, taken by this program or by another (jugview --save --no-wait).
bool names_an_option(const char* text)
{
    if (std::strcmp(text, "-h") == 0) return true;
    if (std::strncmp(text, "--", 2) != 0) return false;
    const char* name = text + 2;
    for (const OptionSpec& o : option_table) {
        const size_t length = std::strlen(o.name);
        if (std::strncmp(name, o.name, length) == 0 &&
            (name[length] == '\0' || name[length] == '=')) {
            return true;
        }
    }
    return false;
}

// A file's or a folder's name given as an argument of its own that is an option: the name
// itself was left out. The = form names such a file.
int refuse_option_as_name(const ProgramInfo& program, const OptionSpec& option, const char* value)
{
    const std::string shown = printable(value);
    std::fprintf(stderr,
                 "%s: --%s needs a %s, not the option %s: write --%s=./%s for %s of that name\n",
                 program.name, option.name, option.value, shown.c_str(), option.name, shown.c_str(),
                 option.names);
    return input_error(program);
}

// Reads the options into settings and given; run_program, or the status of a refusal.
int read_options(int argc, char* argv[], const ProgramInfo& program, Settings& settings,
                 GivenValues& given)
{
    LongOptions long_options = {};
    list_long_options(program, long_options);
    opterr = 0;  // the messages here replace getopt's own
    optind = 0;  // start afresh, also when a test parses a second command line
    for (;;) {
        int index = -1;
        const int key = getopt_long(argc, argv, ":h", long_options, &index);
        if (key == -1) return run_program;
        if (index >= 0 && !whole_name_given(argv, long_options[index])) {
            return unknown_option(program, option_as_given(argv, long_options[index]));
        }
        if (key != 'h' && key < first_key) return refuse_unread(program, key, argv);
        const int k = key == 'h' ? index_of("help") : key - first_key;
        const OptionSpec& o = option_table[k];
        const bool value_apart = optarg != nullptr && optarg == argv[optind - 1];
        if (o.names != nullptr && value_apart && names_an_option(optarg)) {
            return refuse_option_as_name(program, o, optarg);
        }
        if (!o.read(optarg, o, program, settings)) return bad_value(program, o, optarg);
        given[k] = optarg != nullptr ? optarg : "";
    }
}

// The one argument besides the options, where the program takes one.
int read_operand(int argc, char* argv[], const ProgramInfo& program, Settings& settings)
{
    if (optind < argc && program.operand != nullptr) settings.operand = argv[optind++];
    if (optind == argc) return run_program;
    if (program.operand != nullptr) {
        std::fprintf(stderr, "%s: unexpected argument '%s': one %s is taken\n", program.name,
                     printable(argv[optind]).c_str(), program.operand);
    } else {
        std::fprintf(stderr, "%s: unexpected argument '%s': only options are taken\n", program.name,
                     printable(argv[optind]).c_str());
    }
    return input_error(program);
}

// The first rule between options (options/option_rules.cpp) that the command line breaks,
// refused with the rule's message and the value the option was given.
int check_rules(const ProgramInfo& program, const GivenValues& given)
{
    const OptionRule* rule = broken_rule(program, given);
    if (rule == nullptr) return run_program;
    const char* hole = std::strstr(rule->message, value_hole);
    if (hole == nullptr) {
        std::fprintf(stderr, "%s: %s\n", program.name, rule->message);
    } else {
        std::fprintf(stderr, "%s: %.*s%s%s\n", program.name, static_cast<int>(hole - rule->message),
                     rule->message, printable(given[index_of(rule->option)]).c_str(),
                     hole + std::strlen(value_hole));
    }
    return input_error(program);
}

// Each amount of the goal at most its jug's capacity, once every option is read, so that
// --goal may come before --jugs. It compares values, where the rules between options look
// only at which options are given.
int check_goal(const ProgramInfo& program, const Settings& settings, const char* goal_text)
{
    if ((program.options & option_goal) == 0) return run_program;
    for (int k = 0; k < 3; ++k) {
        if (settings.goal[k] > settings.jugs[k]) {
            char reason[96];
            std::snprintf(reason, sizeof reason, "jug %d holds at most %d, never %d", k + 1,
                          settings.jugs[k], settings.goal[k]);
            const OptionSpec& goal = *option_named("goal");
            char fallback[64];
            std::snprintf(fallback, sizeof fallback, "%s (the default)", goal.fallback);
            return bad_value(program, goal, goal_text ? goal_text : fallback, reason);
        }
    }
    return run_program;
}

}  // namespace

int parse_command_line(int argc, char* argv[], const ProgramInfo& program, Settings& settings)
{
    read_defaults(program, settings);
    if (argc <= 1) return run_program;

    GivenValues given = {};  // the value of each option given ("" for a switch), or nullptr
    int status = read_options(argc, argv, program, settings, given);
    if (status == run_program) status = read_operand(argc, argv, program, settings);
    if (status == run_program) status = check_rules(program, given);
    if (status == run_program) status = check_goal(program, settings, given[index_of("goal")]);
    if (status != run_program) return status;

    if (given[index_of("help")] != nullptr) {
        print_help(stdout, program);
        return 0;
    }
    if (given[index_of("version")] != nullptr) {
        std::printf("%s (%s) %s\n", program.name, PROJECT_SHORT_NAME, PROJECT_VERSION);
        return 0;
    }
    return run_program;
}
