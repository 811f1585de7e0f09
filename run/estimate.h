// The size of a search tree estimated from random probes, and the speed this machine searches.
#ifndef RUN_ESTIMATE_H
#define RUN_ESTIMATE_H

#include <cstdint>

// The random choices of one probe. Each probe draws from a sequence of its own, made from the
// seed and the probe's number, so that an estimate is the same whichever thread makes which
// probe: a lesson can repeat its numbers.
class ProbeRandom {
  public:
    explicit ProbeRandom(std::uint64_t seed) : state_(seed) {}
    // One of the whole numbers 0 to n - 1, each as likely; n is at least 1.
    int below(int n);

  private:
    std::uint64_t state_;
};

// One probe walks from the root of a search tree to a leaf, taking at each level one of the
// candidates that the search would accept, at random, and multiplies the numbers of
// candidates as it goes: the product at a level stands for the calls of that level, and at a
// leaf that is a configuration for the configurations. Averaged over many probes, these
// estimate the tree's size without bias (the classic estimator of a backtracking tree's
// size). A probe returns its estimate of the calls, the products summed over its levels, and
// sets configurations to the product where it ended on a configuration, 0 otherwise.
using Probe = double (*)(ProbeRandom& random, double& configurations);

struct TreeEstimate {
    double calls = 0;
    double configurations = 0;
};

// The average of probes probes, made on jobs threads.
TreeEstimate estimate_tree(Probe probe, std::int64_t probes, std::uint64_t seed, int jobs);

// The search's calls a second on one thread of this machine. run(budget, whole) runs the
// search from its start and stops after about budget calls; it returns the calls it made and
// sets whole when they were the whole search. Runs grow until one takes long enough to time.
double measure_rate(std::int64_t (*run)(std::int64_t budget, bool& whole));

#endif
