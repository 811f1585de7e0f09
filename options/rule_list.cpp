// rule_list: the rules between options, one a line: the rule, a tab, and its message, with
// {value} where the value given stands. scripts/check-option-rules.sh holds docs/options.md
// to them. Fails when a rule names an option that the table of options lacks.
#include <cstdio>
#include <initializer_list>

#include "options/option_rules.h"

int main()
{
    int status = 0;
    for (int k = 0; k < option_rule_count; ++k) {
        const OptionRule& r = option_rules[k];
        for (const char* name : {r.option, r.other, r.or_other}) {
            if (name != nullptr && option_named(name) == nullptr) {
                std::fprintf(stderr, "rule_list: no option --%s\n", name);
                status = 1;
            }
        }
        std::printf("--%s %s --%s", r.option, r.rule == Rule::needs ? "needs" : "excludes",
                    r.other);
        if (r.or_other != nullptr) std::printf(" or --%s", r.or_other);
        std::printf("\t%s\n", r.message);
    }
    return status;
}
