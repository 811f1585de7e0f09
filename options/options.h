// The command line that every program shares: the options, their values, --help, --version.
#ifndef OPTIONS_OPTIONS_H
#define OPTIONS_OPTIONS_H

#include <cstddef>
#include <cstdio>

#include "run/progress.h"

// What --goal holds for a '*': any amount will do. It is the jug puzzle's any_amount, which
// programs/programs.cpp holds equal to it.
constexpr int goal_any_amount = -1;

// What step mode's pages show first (--view): the program's picture, the search tree, or the
// call stack.
enum class StepViewChoice { picture, tree, stack };

// The largest scale --scale takes: as large as the drawing kit draws (the window's programs
// hold the two equal).
constexpr int max_option_scale = 4;

// Everything the command line can set. Nothing is set until parse_command_line has read
// the arguments: it starts from each option's default in the option table. A program reads
// only the fields of the options it takes.
struct Settings {
    int jugs[3] = {};
    int goal[3] = {};  // an amount, or goal_any_amount for a '*'
    int board_columns = 0;
    int board_rows = 0;
    int size = 0;
    bool count_only = false;
    bool no_wait = false;
    const char* tree_file = nullptr;  // where --tree draws the search tree; nullptr: nowhere
    bool hide_turned_down = false;    // --hide turned-down: the tree leaves them out
    bool trace = false;               // print the search as a tree of its steps
    bool steps = false;               // draw the search one step at a time
    int delay_ms = -1;                // in step mode, the pause between steps; -1: a key per step
    StepViewChoice step_view = StepViewChoice::picture;  // what step mode's pages show first
    const char* save_folder = nullptr;  // where --save writes the pages; nullptr: a window
    int scale = 0;  // the scale of the window and the pages; 0: the window of a fixed 800x600
    ProgressChoice progress = ProgressChoice::automatic;
    bool estimate = false;  // estimate the search instead of making it
    int probes = 0;         // for the estimate
    int seed = 0;
    int jobs = 0;  // threads for a count or an estimate; 0: every processor there is
    int part = 0;  // --part I/K: count part I of K; 0 of 0: the whole search
    int parts = 0;
    const char* operand = nullptr;  // the one argument besides the options, where one is taken
};

// The options a program takes, as a set of these bits.
enum : unsigned {
    option_jugs = 1u << 0,
    option_goal = 1u << 1,
    option_board = 1u << 2,
    option_size = 1u << 3,
    option_no_wait = 1u << 4,
    option_trace = 1u << 5,
    option_steps = 1u << 6,  // --steps and --delay
    option_save = 1u << 7,
    option_count = 1u << 8,
    option_progress = 1u << 9,   // --progress and --no-progress
    option_estimate = 1u << 10,  // --estimate, --probes and --seed
    option_jobs = 1u << 11,
    option_part = 1u << 12,
    option_tree = 1u << 13,  // --tree and --hide
    option_scale = 1u << 14,
};

// One example of a program's use, for --help and the web page's presets.
struct ProgramExample {
    const char* arguments;  // as typed in a shell
    const char* words;      // what it shows, in a few words
};

constexpr int max_examples = 6;

// A program as its command line presents it. The limits of its instance are the puzzle's,
// which the program's table (programs/) takes from the puzzle's folder: this folder knows no
// puzzle. A limit of a program that takes no such option stays 0.
struct ProgramInfo {
    const char* name;
    const char* description;    // what the program shows, in a few lines, for --help
    unsigned options;           // the bits of the options it takes
    bool window = false;        // draws in a window (or pages) rather than on the console
    int max_jug_amount = 0;     // the largest capacity --jugs and amount --goal take
    int max_size = 0;           // the largest N --size takes
    int max_board_columns = 0;  // the largest board --board takes
    int max_board_rows = 0;
    const char* board_limit_reason = nullptr;    // why the board stops there, or nullptr
    std::size_t kept_steps = 0;                  // the newest steps that step mode keeps
    ProgramExample examples[max_examples] = {};  // the first ones; the rest empty
    // The name of the one argument it takes besides its options, optional, as --help shows
    // it ("FILE"); nullptr when it takes none.
    const char* operand = nullptr;
};

// Everything about one option, once: --help, the messages that refuse a value, the manual
// pages (made from --help) and the web page's form all come from here. In the texts, {min}
// and {max} stand for the range of a number, {columns} and {rows} for the largest board
// the program takes, {why-board} for the reason it stops there, and {kept-steps} for the
// steps that step mode keeps.
struct OptionSpec {
    const char* name;             // as written after the two dashes
    unsigned bit = 0;             // the option's bit; 0 for the options every program takes
    const char* value = nullptr;  // what its value looks like ("A,B,C"); nullptr for a switch
    // For a value that is a name in the file system, what it names ("a file"); nullptr
    // otherwise. Such a value, given as an argument of its own, may not be an option of the
    // table (--tree --hide): the option's own value was left out.
    const char* names = nullptr;
    const char* label;  // a form's name for the field
    // The value it has when not given, as it would be written; nullptr when there is none,
    // and then what not giving it means, in a few words ("a key per step"), or nullptr.
    const char* fallback = nullptr;
    const char* without = nullptr;
    int min = 0, max = 0;  // the range of each number in the value
    // The program's limit that is the top of the range instead of max (&ProgramInfo::max_size),
    // or nullptr.
    int ProgramInfo::*program_max = nullptr;
    const char* form;  // the form a value must have, for the messages that refuse one
    const char* help;  // one paragraph; --help wraps it and adds the default
    // Reads the value (nullptr for a switch) into settings; false when it is not of the form
    // or outside the range above.
    bool (*read)(const char* text, const OptionSpec& option, const ProgramInfo& program,
                 Settings& settings);
};

// The rows of option_table; its definition holds them equal.
constexpr int option_table_size = 23;
extern const OptionSpec option_table[option_table_size];

// The row of the option of that name (as after the two dashes), or nullptr.
const OptionSpec* option_named(const char* name);

// The top of the option's range for the program.
int range_max(const OptionSpec& option, const ProgramInfo& program);

// What parse_command_line returns when the program should go on and run.
constexpr int run_program = -1;

// Reads the arguments into settings, starting from the defaults. Returns run_program when
// the program should run; otherwise the exit status: 0 after --help or -h or --version
// (written on standard output), 2 after an input error (one line naming the option, the
// value and the form accepted, then a line pointing to --help, both on standard error). A
// repeated option: the last counts. An argument that is no option is the program's operand,
// where it takes one, and an error otherwise, as is a second one. A file's or a folder's
// name given as --name VALUE may not be an option (OptionSpec::names); --name=VALUE is taken
// as written. The messages show every value with its control characters escaped.
int parse_command_line(int argc, char* argv[], const ProgramInfo& program, Settings& settings);

// Whether the program takes the option.
bool takes(const ProgramInfo& program, const OptionSpec& option);

// The program's --help, as it prints it.
void print_help(std::FILE* out, const ProgramInfo& program);

// The text with the placeholders of the option's texts filled in for the program.
void expand_text(char* out, int size, const char* text, const ProgramInfo& program,
                 const OptionSpec& option);

#endif
