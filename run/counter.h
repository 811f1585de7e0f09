// A count that one thread keeps and any other may read while it runs.
#ifndef RUN_COUNTER_H
#define RUN_COUNTER_H

#include <atomic>

// A search's count that a progress line samples from its own thread. Only the search's
// thread writes it; each access is a relaxed atomic load or store, which is the plain load or
// store the search made before, without a data race. A read-modify-write such as fetch_add
// would lock the memory bus at every step of the search, and one writer needs none.
template <typename T> class Counter {
  public:
    constexpr Counter() = default;
    Counter(const Counter&) = delete;
    Counter& operator=(const Counter&) = delete;

    operator T() const { return value_.load(std::memory_order_relaxed); }
    Counter& operator=(T value)
    {
        value_.store(value, std::memory_order_relaxed);
        return *this;
    }
    T operator++() { return *this += 1; }
    T operator+=(T more)
    {
        const T value = value_.load(std::memory_order_relaxed) + more;
        value_.store(value, std::memory_order_relaxed);
        return value;
    }

  private:
    std::atomic<T> value_{0};
};

#endif
