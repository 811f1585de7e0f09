// The rules between options: which option needs another, and which cannot go with another,
// each with the message that refuses a command line that breaks it.
#include "options/option_rules.h"

// docs/options.md states each of these with its message (scripts/check-option-rules.sh).
const OptionRule option_rules[] = {
    {.option = "trace",
     .rule = Rule::excludes,
     .other = "count",
     .message = "--trace and --count ask for different output: give one"},
    {.option = "trace",
     .rule = Rule::excludes,
     .other = "estimate",
     .message = "--trace and --estimate ask for different output: give one"},
    {.option = "probes",
     .rule = Rule::needs,
     .other = "estimate",
     .message = "invalid value '{value}' for --probes: it sets the estimate: add --estimate"},
    {.option = "seed",
     .rule = Rule::needs,
     .other = "estimate",
     .message = "invalid value '{value}' for --seed: it sets the estimate: add --estimate"},
    {.option = "jobs",
     .rule = Rule::needs,
     .other = "count",
     .or_other = "estimate",
     .message = "invalid value '{value}' for --jobs: threads share a count or an estimate: add "
                "--count or --estimate"},
    {.option = "part",
     .rule = Rule::excludes,
     .other = "estimate",
     .message = "invalid value '{value}' for --part: an estimate is of the whole search: leave "
                "out --part"},
    {.option = "part",
     .rule = Rule::needs,
     .other = "count",
     .message = "invalid value '{value}' for --part: a part is counted: add --count"},
    // The tree's picture is of the whole search, run once as the listing runs it.
    {.option = "tree",
     .rule = Rule::excludes,
     .other = "estimate",
     .message = "--tree draws the whole search, run once: leave out --estimate"},
    {.option = "tree",
     .rule = Rule::excludes,
     .other = "part",
     .message = "--tree draws the whole search, run once: leave out --part"},
    {.option = "tree",
     .rule = Rule::excludes,
     .other = "jobs",
     .message = "--tree draws the whole search, run once: leave out --jobs"},
    {.option = "progress",
     .rule = Rule::needs,
     .other = "save",
     .message = "--progress tells of the pages that --save writes: add --save"},
    {.option = "no-progress",
     .rule = Rule::needs,
     .other = "save",
     .message = "--no-progress tells of the pages that --save writes: add --save"},
    {.option = "hide",
     .rule = Rule::needs,
     .other = "tree",
     .message = "invalid value '{value}' for --hide: it leaves nodes out of the tree's picture: "
                "add --tree"},
    {.option = "view",
     .rule = Rule::needs,
     .other = "steps",
     .message = "invalid value '{value}' for --view: a view is of step mode: add --steps"},
    {.option = "delay",
     .rule = Rule::needs,
     .other = "steps",
     .message = "invalid value '{value}' for --delay: a delay paces step mode: add --steps"},
};
const int option_rule_count = sizeof option_rules / sizeof option_rules[0];

namespace {

bool given_option(const char* const given[], const char* name)
{
    return name != nullptr && given[option_named(name) - option_table] != nullptr;
}

bool taken(const ProgramInfo& program, const char* name)
{
    return name != nullptr && takes(program, *option_named(name));
}

bool broken(const OptionRule& r, const ProgramInfo& program, const char* const given[])
{
    if (!given_option(given, r.option)) return false;
    if (r.rule == Rule::excludes) return given_option(given, r.other);
    return (taken(program, r.other) || taken(program, r.or_other)) &&
           !given_option(given, r.other) && !given_option(given, r.or_other);
}

}  // namespace

const OptionRule* broken_rule(const ProgramInfo& program, const char* const given[])
{
    for (const OptionRule& r : option_rules) {
        if (broken(r, program, given)) return &r;
    }
    return nullptr;
}
