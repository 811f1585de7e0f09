// End-to-end runs of a window program in its own Xvfb server.
#include "x_session.h"

#include "process.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int poll_ms = 40;
constexpr int settle_ms = 400;  // a page that holds still this long is complete
constexpr int page_timeout_ms = 15000;
// SDL's throwaway start-up window lives about a millisecond; a busy machine can stretch
// that, and a window that outlives this is still followed if it goes.
constexpr int stay_ms = 200;

// Children die with the test process, so that a test killed by its time limit leaves
// nothing behind.
void die_with_parent() { prctl(PR_SET_PDEATHSIG, SIGKILL); }

int ignore_x_errors(Display*, XErrorEvent*) { return 0; }

void sleep_ms(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Whether the program's main thread is asleep (as in a wait for events) rather than
// drawing. A slow build can take longer to draw a page than the settle time, and a page
// that has not been flipped yet also holds still.
bool asleep(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const size_t end_of_name = line.rfind(')');
    return end_of_name != std::string::npos && end_of_name + 2 < line.size() &&
           line[end_of_name + 2] == 'S';
}

bool reap(pid_t pid, int* status, bool block)
{
    return waitpid(pid, status, block ? 0 : WNOHANG) == pid;
}

// Waits up to ms for the program to end; true when it has.
bool wait_for_exit(pid_t pid, int* status, int ms)
{
    const auto end = Clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        if (reap(pid, status, false)) return true;
        if (Clock::now() >= end) return false;
        sleep_ms(poll_ms);
    }
}

Window find_window_of(Display* d, pid_t pid)
{
    const Atom pid_atom = XInternAtom(d, "_NET_WM_PID", True);
    if (pid_atom == None) return 0;
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (!XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count)) return 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        Atom type;
        int format;
        unsigned long items, after;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(d, children[i], pid_atom, 0, 1, False, XA_CARDINAL, &type, &format,
                               &items, &after, &data) == Success &&
            data != nullptr) {
            if (items == 1 && static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid) {
                XWindowAttributes a;
                if (XGetWindowAttributes(d, children[i], &a) && a.map_state == IsViewable) {
                    found = children[i];
                }
            }
            XFree(data);
        }
    }
    if (children) XFree(children);
    return found;
}

bool shown(Display* d, Window w)
{
    XWindowAttributes a;
    return XGetWindowAttributes(d, w, &a) && a.map_state == IsViewable;
}

// The program's window, once it has stayed shown for a moment; 0 when the program ends
// first (then *exited is set) or none stays by the deadline. At start-up SDL maps a first
// window with the same size and pid and destroys it a millisecond later, before making
// the one the program draws in: only time tells the two apart.
Window wait_for_window(Display* d, pid_t pid, Clock::time_point end, int* status, bool* exited)
{
    while (Clock::now() < end) {
        if (reap(pid, status, false)) {
            *exited = true;
            return 0;
        }
        const Window w = find_window_of(d, pid);
        if (w) {
            sleep_ms(stay_ms);
            if (shown(d, w)) return w;
        } else {
            sleep_ms(poll_ms);
        }
    }
    return 0;
}

// The window's 800x600 picture as 0xRRGGBB words.
enum class Capture { done, not_ready, window_gone };

// The window's 800x600 picture as 0xRRGGBB words. A window that exists but cannot be read
// yet (still being mapped or sized, as a slow build shows) is not ready; a window that no
// longer exists is gone.
Capture capture(Display* d, Window w, Page& page)
{
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, w, &a)) return Capture::window_gone;
    if (a.map_state != IsViewable || a.width < 800 || a.height < 600) return Capture::not_ready;
    XImage* image = XGetImage(d, w, 0, 0, 800, 600, AllPlanes, ZPixmap);
    if (image == nullptr) return Capture::not_ready;
    page.assign(size_t{800} * 600, 0);
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 800; ++x) {
            page[x + y * 800] = static_cast<Uint32>(XGetPixel(image, x, y)) & 0xFFFFFF;
        }
    }
    XDestroyImage(image);
    return Capture::done;
}

void press_key(Display* d, Window w)
{
    XWindowAttributes a;
    XGetWindowAttributes(d, w, &a);
    XWarpPointer(d, None, w, 0, 0, 0, 0, a.width / 2, a.height / 2);
    XSetInputFocus(d, w, RevertToParent, CurrentTime);
    const KeyCode space = XKeysymToKeycode(d, XK_space);
    XTestFakeKeyEvent(d, space, True, 0);
    XTestFakeKeyEvent(d, space, False, 0);
    XFlush(d);
}

// What a window manager sends when the user closes the window.
void request_close(Display* d, Window w)
{
    XEvent e;
    std::memset(&e, 0, sizeof e);
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, w, False, NoEventMask, &e);
    XFlush(d);
}

}  // namespace

XServer::~XServer()
{
    if (display_) XCloseDisplay(display_);
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status;
        for (int i = 0; i < 100 && !reap(pid_, &status, false); ++i) sleep_ms(20);
        kill(pid_, SIGKILL);
        reap(pid_, &status, false);
    }
}

bool XServer::start()
{
    int fds[2];
    if (pipe(fds) != 0) return false;
    pid_ = fork();
    if (pid_ == 0) {
        die_with_parent();
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
               "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    char buf[32] = {};
    ssize_t n = 0, got;
    while (n < static_cast<ssize_t>(sizeof buf) - 1 &&
           (got = read(fds[0], buf + n, sizeof buf - 1 - n)) > 0) {
        n += got;
        if (std::memchr(buf, '\n', static_cast<size_t>(n))) break;
    }
    close(fds[0]);
    if (n <= 0) return false;
    number_ = static_cast<int>(std::strtol(buf, nullptr, 10));
    XSetErrorHandler(ignore_x_errors);
    display_ = XOpenDisplay(display_name().c_str());
    return display_ != nullptr;
}

RunRecord run_on_own_server(const std::string& folder, const std::string& program,
                            const std::vector<UserAnswer>& answers, int max_waits)
{
    XServer server;
    if (!server.start()) {
        RunRecord r;
        r.failure = "Xvfb did not start";
        return r;
    }
    return run_window_program(server, folder, program, answers, max_waits);
}

RunRecord run_window_program(XServer& server, const std::string& folder, const std::string& program,
                             const std::vector<UserAnswer>& answers, int max_waits)
{
    RunRecord record;
    Display* d = server.connection();
    char err_path[] = "/tmp/window-program-stderr-XXXXXX";
    const int err_fd = mkstemp(err_path);
    const pid_t pid = fork();
    if (pid == 0) {
        die_with_parent();
        if (chdir(folder.c_str()) != 0) _exit(126);
        dup2(err_fd, STDERR_FILENO);
        setenv("DISPLAY", server.display_name().c_str(), 1);
        unsetenv("SDL_VIDEODRIVER");
        // In the sanitizer build: on a real X display SDL loads Mesa's driver and unloads it
        // at exit, before the leak report, so what that driver keeps can be neither named
        // nor suppressed. Memory errors are still caught here; leaks of our code are caught
        // by the in-process runs and by valgrind (scripts/memcheck.sh).
        const char* asan = std::getenv("ASAN_OPTIONS");
        setenv("ASAN_OPTIONS",
               (std::string(asan ? asan : "") + ":detect_leaks=0:fast_unwind_on_malloc=1").c_str(),
               1);
        const std::string path = program.find('/') == std::string::npos ? "./" + program : program;
        execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(err_fd);

    int status = 0;
    bool exited = false;
    const auto note_size = [&](Window w) {
        XWindowAttributes a;
        XGetWindowAttributes(d, w, &a);
        record.window_width = a.width;
        record.window_height = a.height;
    };
    Window w = wait_for_window(d, pid, Clock::now() + std::chrono::milliseconds(page_timeout_ms),
                               &status, &exited);
    if (w) {
        record.window_found = true;
        note_size(w);
    }

    while (w && !exited && static_cast<int>(record.pages.size()) < max_waits) {
        // Wait for a new page that holds still, or for the program to end.
        Page current, candidate;
        const Page* previous = record.pages.empty() ? nullptr : &record.pages.back();
        auto still_since = Clock::now();
        bool have_page = false;
        const auto end = Clock::now() + std::chrono::milliseconds(page_timeout_ms);
        while (Clock::now() < end) {
            if (reap(pid, &status, false)) {
                exited = true;
                break;
            }
            const Capture got = capture(d, w, current);
            if (got == Capture::window_gone) {
                // The program is ending, or has replaced its window (as SDL may do even
                // after the wait above), or has failed.
                w = wait_for_window(d, pid, end, &status, &exited);
                if (exited) break;
                if (!w) {
                    record.failure =
                        "the window vanished and no other appeared while the program kept running";
                    break;
                }
                note_size(w);
                still_since = Clock::now();
                continue;
            }
            if (got == Capture::not_ready) {
                still_since = Clock::now();
                sleep_ms(poll_ms);
                continue;
            }
            if (current != candidate || !asleep(pid)) {
                candidate = current;
                still_since = Clock::now();
            } else if ((previous == nullptr || candidate != *previous) &&
                       Clock::now() - still_since >= std::chrono::milliseconds(settle_ms)) {
                have_page = true;
                break;
            }
            sleep_ms(poll_ms);
        }
        if (!have_page) {
            if (!exited && record.failure.empty()) {
                record.failure = "no new page within the time limit after wait " +
                                 std::to_string(record.pages.size());
            }
            break;
        }
        const size_t n = record.pages.size();
        record.pages.push_back(candidate);
        const UserAnswer answer = n < answers.size() ? answers[n] : UserAnswer::key;
        if (answer == UserAnswer::close_request) {
            request_close(d, w);
        } else if (answer == UserAnswer::interrupt) {
            kill(pid, SIGINT);
        } else if (answer == UserAnswer::key_flood) {
            for (int k = 0; k < 200; ++k) press_key(d, w);
        } else {
            press_key(d, w);
        }
    }

    if (!exited) exited = wait_for_exit(pid, &status, 5000);
    if (!exited) {
        if (record.failure.empty()) record.failure = "the program did not end";
        kill(pid, SIGKILL);
        reap(pid, &status, true);
    } else if (WIFEXITED(status)) {
        record.exit_status = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        record.term_signal = WTERMSIG(status);
    }
    if (!record.window_found && record.failure.empty()) record.failure = "no window appeared";
    record.err = read_file(err_path);
    unlink(err_path);
    return record;
}
