// The size of the permutation search, exactly and from random probes.
#ifndef PERM_PERM_ESTIMATE_H
#define PERM_PERM_ESTIMATE_H

#include "run/estimate.h"

// n!, and the calls of perm_search for the orderings of 0..n-1: n at level 0, n(n-1) at level
// 1, ..., n! at the leaf level.
double factorial(int n);
double perm_tree_calls(int n);

// One probe of perm_search's tree for an estimate (run/estimate.h): at each level one of the
// numbers not yet placed.
double probe_orderings(ProbeRandom& random, double& orderings);

#endif
