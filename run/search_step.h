// What a search just did: the one vocabulary of the three searches, the record of step mode,
// the lines of --trace and the nodes of the search tree.
#ifndef RUN_SEARCH_STEP_H
#define RUN_SEARCH_STEP_H

// Every call of a search tells enter or found when it begins and back_up when it ends; in
// between, its candidates that it turns down and, where none fits, its dead end.
enum class SearchStep : unsigned {
    enter,        // a call that goes on: it made its choice and goes one level deeper
    found,        // a call that completes a configuration (a solution, a tiling, an ordering)
    turned_down,  // a candidate the call turns down: a leaf one level below it
    dead_end,     // the call has no candidate that fits: a leaf one level below it
    back_up,      // the call is over: the search goes back to the call before and undoes it
};

// How many kinds there are, for a record that stores them in a few bits.
constexpr unsigned search_step_kinds = 5;

#endif
