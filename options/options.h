// The command line that every program shares: the options, their values, --help, --version.
#ifndef OPTIONS_OPTIONS_H
#define OPTIONS_OPTIONS_H

// A goal amount given as '*': the jug may hold any amount.
constexpr int goal_any_amount = -1;

constexpr int max_jug_capacity = 99;
constexpr int max_perm_size = 12;
constexpr int max_step_delay = 10000;  // milliseconds

// Everything the command line can set, with the values a program uses without options.
// A program reads only the fields of the options it takes.
struct Settings {
    int jugs[3] = {10, 5, 3};
    int goal[3] = {goal_any_amount, goal_any_amount, 2};
    int board_columns = 6;
    int board_rows = 4;
    int size = 7;
    bool count_only = false;
    bool no_wait = false;
    bool trace = false;                 // print the search as a tree of its steps
    bool steps = false;                 // draw the search one step at a time
    int delay_ms = -1;                  // in step mode, the pause between steps; -1: a key per step
    const char* save_folder = nullptr;  // where --save writes the pages; nullptr: a window
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
};

struct ProgramInfo {
    const char* name;
    const char* description;  // what the program shows, in a few lines, for --help
    unsigned options;
    int max_board_columns;  // the largest board --board takes
    int max_board_rows;
    const char* board_limit_reason;  // why the board stops there, or nullptr
    const char* example;             // the arguments of one example run
};

// What parse_command_line returns when the program should go on and run.
constexpr int run_program = -1;

// Reads the arguments into settings. Returns run_program when the program should run;
// otherwise the exit status: 0 after --help or --version (written on standard output), 2
// after an input error (one line naming the option, the value and the form accepted, then
// a line pointing to --help, both on standard error). A repeated option: the last counts.
int parse_command_line(int argc, char* argv[], const ProgramInfo& program, Settings& settings);

#endif
