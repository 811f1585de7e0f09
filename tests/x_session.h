// End-to-end runs of a window program in its own Xvfb server: real key presses through
// XTest, real close requests as a window manager sends them, and the window's pixels read
// back from the server.
#ifndef TESTS_X_SESSION_H
#define TESTS_X_SESSION_H

#include <X11/Xlib.h>
#include <sys/types.h>

#include <string>
#include <vector>

#include "page_reading.h"

// An Xvfb server on a free display, stopped when the object goes.
class XServer {
  public:
    XServer() = default;
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;
    ~XServer();

    bool start();
    std::string display_name() const { return ":" + std::to_string(number_); }
    Display* connection() const { return display_; }

  private:
    pid_t pid_ = -1;
    int number_ = -1;
    Display* display_ = nullptr;
};

// What a user does at each wait.
enum class UserAnswer {
    key,
    close_request,
    interrupt,  // SIGINT, as Ctrl-C in the terminal that started the program
    key_flood,  // 200 key presses as fast as the server takes them
};

struct RunRecord {
    bool window_found = false;
    int window_width = 0, window_height = 0;
    std::vector<Page> pages;  // the window's picture at each wait
    int exit_status = -1;     // -1 unless the program exited normally
    int term_signal = 0;      // the signal that ended the program, if one did
    std::string failure;      // what went wrong, if the run could not be completed
    std::string err;          // what the program wrote to standard error
};

// Runs program (a path, or a name in folder) with folder as its working directory on the
// server until it exits. At each wait, once the page has
// changed from the previous one and stopped changing, records it and answers as the list
// says (a key for waits past its end). Should the program's window vanish while it runs,
// the window it shows next is followed. The program is killed if it outlives the run.
RunRecord run_window_program(XServer& server, const std::string& folder, const std::string& program,
                             const std::vector<UserAnswer>& answers, int max_waits);

// The same on a fresh Xvfb server of its own, stopped afterwards.
RunRecord run_on_own_server(const std::string& folder, const std::string& program,
                            const std::vector<UserAnswer>& answers, int max_waits);

#endif
