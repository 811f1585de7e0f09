// Guards for the module-level state a test sets: a puzzle, a board, a step action, the
// scripted events, the screen. The state is put back when the guard goes out of scope, also
// when a failed assertion ends the test early, so that the next test finds it as it was.
#ifndef TESTS_STATE_GUARD_H
#define TESTS_STATE_GUARD_H

#include <utility>

// Keeps a variable's value from its construction and gives it back at its end; given a value,
// sets the variable to it meanwhile.
template <typename T> class SavedValue {
  public:
    explicit SavedValue(T& variable) : variable_(variable), saved_(variable) {}
    SavedValue(T& variable, T value) : SavedValue(variable) { variable_ = std::move(value); }
    SavedValue(const SavedValue&) = delete;
    SavedValue& operator=(const SavedValue&) = delete;
    ~SavedValue() { variable_ = std::move(saved_); }

  private:
    T& variable_;
    T saved_;
};

// The variable's type decides, whatever converts to it: a lambda to a step action.
template <typename T, typename U> SavedValue(T&, U) -> SavedValue<T>;

// Calls a function that puts state back (set_board(6, 4), reset_script, ...) at its end.
template <typename Restore> class RestoreOnExit {
  public:
    explicit RestoreOnExit(Restore restore) : restore_(std::move(restore)) {}
    RestoreOnExit(const RestoreOnExit&) = delete;
    RestoreOnExit& operator=(const RestoreOnExit&) = delete;
    ~RestoreOnExit() { restore_(); }

  private:
    Restore restore_;
};

#endif
