// The size of the permutation search, exactly and from random probes.
#include "perm/perm_estimate.h"

#include "perm/perm.h"

double factorial(int n) { return n <= 1 ? 1 : n * factorial(n - 1); }

double perm_tree_calls(int n)
{
    double calls = 0, level = 1;
    for (int k = n; k >= 1; --k) {
        level *= k;
        calls += level;
    }
    return calls;
}

double probe_orderings(ProbeRandom& random, double& orderings)
{
    bool taken[max_perm_size] = {};
    double product = 1, calls = 0;
    for (int level = 0; level < perm_size; ++level) {
        const int left = perm_size - level;
        product *= left;
        calls += product;
        // The chosen number is the skip-th of those not yet taken, in ascending order.
        int number = -1;
        for (int skip = random.below(left); skip >= 0; --skip) {
            do ++number;
            while (taken[number]);
        }
        taken[number] = true;
    }
    orderings = product;
    return calls;
}
