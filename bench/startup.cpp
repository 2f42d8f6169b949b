// SPDX-FileCopyrightText: 2026 The Planetarch developers
// SPDX-License-Identifier: MIT

// Start-up as a person sees it, measured from outside the program: from exec to the main window
// being mapped on the X server, and to its first frame being drawn, and the process's peak
// resident memory. planetarch and its two floors run interleaved, each run in a fresh home,
// settings and runtime folder: the bare floor (bench/floor.cpp, the least a Qt Widgets window
// costs) and the form floor (bench/formfloor.cpp, the program's own main form with nothing behind
// it). With no DISPLAY it starts its own Xvfb. Run it inside a D-Bus session bus, as on a desktop:
// without one, every Qt start spends a few milliseconds trying to launch one.
//
// With BENCH_LAUNCHER set (wine, say), each program is started through it: the Windows build's
// programs under Wine, on the same X server and watched the same way (bench/wine-startup.sh).
//
// usage: bench_startup <planetarch> <bare floor> <form floor> [runs]

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Sample
{
    double mapped = 0;
    double drawn = 0;
    double rssMb = 0;
};

// Starts Xvfb on a free display number and returns it, or nothing.
std::optional<std::string> startXvfb(pid_t *server)
{
    int fds[2];
    if (pipe(fds) != 0)
        return std::nullopt;
    const std::string fd = std::to_string(fds[1]);
    const char *argv[] = {"Xvfb",         "-displayfd", fd.c_str(), "-screen", "0",
                          "1280x1024x24", "-nolisten",  "tcp",      nullptr};
    if (posix_spawnp(server, "Xvfb", nullptr, nullptr, const_cast<char **>(argv), environ) != 0)
        return std::nullopt;
    close(fds[1]);
    char number[16] = {};
    const ssize_t n = read(fds[0], number, sizeof number - 1);
    close(fds[0]);
    if (n <= 0)
        return std::nullopt;
    return ":" + std::string(number, number + std::strcspn(number, "\n"));
}

std::vector<std::string> environmentFor(const std::filesystem::path &home,
                                        const std::string &display)
{
    std::vector<std::string> env;
    for (char **entry = environ; *entry; ++entry) {
        const std::string e = *entry;
        const std::string name = e.substr(0, e.find('='));
        if (name != "HOME" && name.rfind("XDG_", 0) != 0 && name != "DISPLAY" &&
            name != "WAYLAND_DISPLAY" && name != "QT_QPA_PLATFORM")
            env.push_back(e);
    }
    std::filesystem::create_directories(home / "runtime");
    chmod((home / "runtime").c_str(), 0700);
    env.push_back("HOME=" + home.string());
    env.push_back("XDG_CONFIG_HOME=" + (home / ".config").string());
    env.push_back("XDG_CACHE_HOME=" + (home / ".cache").string());
    env.push_back("XDG_DATA_HOME=" + (home / ".local/share").string());
    env.push_back("XDG_RUNTIME_DIR=" + (home / "runtime").string());
    env.push_back("DISPLAY=" + display);
    env.push_back("QT_QPA_PLATFORM=xcb");
    return env;
}

class Observer
{
public:
    explicit Observer(const std::string &display)
    {
        m_connection = xcb_connect(display.c_str(), nullptr);
        if (xcb_connection_has_error(m_connection))
            return;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const xcb_query_extension_reply_t *damage =
            xcb_get_extension_data(m_connection, &xcb_damage_id);
        if (!damage || !damage->present)
            return;
        m_damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
        xcb_discard_reply(m_connection, xcb_damage_query_version(m_connection, 1, 1).sequence);
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        // Damage on the root window reports every change on the screen (no compositor here).
        m_damage = xcb_generate_id(m_connection);
        xcb_damage_create(m_connection, m_damage, m_root, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        xcb_flush(m_connection);
        m_ready = true;
    }
    ~Observer()
    {
        if (m_connection)
            xcb_disconnect(m_connection);
    }
    bool ready() const { return m_ready; }

    std::optional<Sample> run(const char *program, const std::filesystem::path &home,
                              const std::string &display)
    {
        drain();
        const std::vector<std::string> env = environmentFor(home, display);
        std::vector<char *> envp;
        for (const std::string &e : env)
            envp.push_back(const_cast<char *>(e.c_str()));
        envp.push_back(nullptr);
        const char *launcher = std::getenv("BENCH_LAUNCHER");
        std::vector<char *> argv;
        if (launcher && *launcher)
            argv.push_back(const_cast<char *>(launcher));
        argv.push_back(const_cast<char *>(program));
        argv.push_back(nullptr);

        Sample sample;
        const Clock::time_point start = Clock::now();
        pid_t pid = 0;
        if (posix_spawnp(&pid, argv.front(), nullptr, nullptr, argv.data(), envp.data()) != 0)
            return std::nullopt;

        xcb_window_t window = XCB_NONE;
        int16_t x = 0, y = 0;
        uint16_t width = 0, height = 0;
        bool drawn = false;
        while (!drawn && msSince(start) < 20000) {
            pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            xcb_generic_event_t *event = xcb_poll_for_event(m_connection);
            if (!event) {
                poll(&fd, 1, 100);
                continue;
            }
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY && window == XCB_NONE) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                if (!map->override_redirect) {
                    sample.mapped = msSince(start);
                    window = map->window;
                    auto *geometry = xcb_get_geometry_reply(
                        m_connection, xcb_get_geometry(m_connection, window), nullptr);
                    if (geometry) {
                        x = geometry->x;
                        y = geometry->y;
                        width = geometry->width;
                        height = geometry->height;
                        std::free(geometry);
                    }
                }
            } else if (type == m_damageEvent && window != XCB_NONE) {
                const auto *damage = reinterpret_cast<xcb_damage_notify_event_t *>(event);
                const xcb_rectangle_t &a = damage->area;
                if (a.x < x + width && a.x + a.width > x && a.y < y + height &&
                    a.y + a.height > y) {
                    sample.drawn = msSince(start);
                    drawn = true;
                }
            }
            std::free(event);
        }
        kill(pid, SIGKILL);
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        if (!drawn)
            return std::nullopt;
        sample.rssMb = usage.ru_maxrss / 1024.0;
        return sample;
    }

private:
    void drain()
    {
        xcb_damage_subtract(m_connection, m_damage, XCB_NONE, XCB_NONE);
        xcb_aux_sync();
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection))
            std::free(event);
    }
    void xcb_aux_sync()
    {
        std::free(
            xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
    }

    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = XCB_NONE;
    xcb_damage_damage_t m_damage = XCB_NONE;
    uint8_t m_damageEvent = 0;
    bool m_ready = false;
};

struct Stats
{
    double min, median, max;
};

Stats stats(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {values.front(), median, values.back()};
}

constexpr int Arms = 3; // the program, the bare floor, the form floor

void row(const char *what, const std::vector<double> (&arms)[Arms])
{
    Stats s[Arms];
    for (int arm = 0; arm < Arms; ++arm)
        s[arm] = stats(arms[arm]);
    std::printf("| %-26s |", what);
    for (const Stats &arm : s)
        std::printf(" %6.1f / %6.1f / %6.1f |", arm.min, arm.median, arm.max);
    std::printf(" %5.3f | %5.3f | %+6.2f |\n", s[0].median / s[1].median,
                s[0].median / s[2].median, s[0].median - s[2].median);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <planetarch> <bare floor> <form floor> [runs]\n",
                     argv[0]);
        return 2;
    }
    const int runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 21;
    if (!std::getenv("DBUS_SESSION_BUS_ADDRESS"))
        std::fprintf(stderr, "note: no D-Bus session bus; run inside dbus-run-session\n");
    pid_t server = 0;
    std::string display = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";
    if (display.empty()) {
        const std::optional<std::string> started = startXvfb(&server);
        if (!started) {
            std::fprintf(stderr, "no DISPLAY, and Xvfb could not be started\n");
            return 1;
        }
        display = *started;
    }
    Observer observer(display);
    if (!observer.ready()) {
        std::fprintf(stderr, "cannot watch display %s (needs the DAMAGE extension)\n",
                     display.c_str());
        return 1;
    }

    const std::filesystem::path scratch =
        std::filesystem::temp_directory_path() / ("bench-startup-" + std::to_string(getpid()));
    std::vector<double> mapped[Arms], drawn[Arms], rss[Arms];
    const char *programs[Arms] = {argv[1], argv[2], argv[3]};
    // One warm-up run of each, not counted: the first start pays for the disk cache.
    for (int run = -1; run < runs; ++run) {
        for (int which = 0; which < Arms; ++which) {
            const std::filesystem::path home =
                scratch / (std::to_string(run + 1) + "-" + std::to_string(which));
            const std::optional<Sample> sample = observer.run(programs[which], home, display);
            std::filesystem::remove_all(home);
            if (!sample) {
                std::fprintf(stderr, "%s: no window drawn within 20 s\n", programs[which]);
                return 1;
            }
            if (run < 0)
                continue;
            mapped[which].push_back(sample->mapped);
            drawn[which].push_back(sample->drawn);
            rss[which].push_back(sample->rssMb);
        }
    }
    std::filesystem::remove_all(scratch);
    if (server)
        kill(server, SIGTERM);

    std::printf("Start-up, %d interleaved runs each, fresh home per run (min / median / max;\n"
                "ratios and difference of the medians)\n\n",
                runs);
    std::printf("| %-26s | %-24s | %-24s | %-24s | %-5s | %-5s | %-6s |\n", "measure", "planetarch",
                "bare floor", "form floor", "xbare", "xform", "-form");
    std::printf("|----------------------------|--------------------------|-----------------------"
                "---|--------------------------|-------|-------|--------|\n");
    row("exec -> window mapped (ms)", mapped);
    row("exec -> first frame (ms)", drawn);
    row("peak RSS (MB)", rss);
    return 0;
}
