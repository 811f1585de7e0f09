// The rules between options: which option needs another, and which cannot go with another,
// each with the message that refuses a command line that breaks it.
#ifndef OPTIONS_OPTION_RULES_H
#define OPTIONS_OPTION_RULES_H

#include "options/options.h"

enum class Rule {
    needs,     // the option is given only with the other (or with or_other, where it is set)
    excludes,  // the option is never given with the other
};

// One rule, between options named as after the two dashes. A rule that an option needs
// another binds only a program that takes the other: --progress needs --save in the window
// programs, which take --save, and not in the console programs, which have no pages.
struct OptionRule {
    const char* option;
    Rule rule;
    const char* other;
    const char* or_other = nullptr;
    // The line that refuses the command line, after "PROGRAM: "; value_hole stands for the
    // value the option was given.
    const char* message;
};

constexpr const char* value_hole = "{value}";

// In the order they are checked: a command line that breaks several gets the first.
extern const OptionRule option_rules[];
extern const int option_rule_count;

// The first rule that the options given break, or nullptr. given holds, for each row of
// option_table, the value it was given ("" for a switch), or nullptr.
const OptionRule* broken_rule(const ProgramInfo& program, const char* const given[]);

#endif
