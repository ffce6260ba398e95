// The yardstick: the whole scan of an 800 m wire typed into kvarn-7t on a
// pseudo-terminal, against the near field of the same wire and grid
// computed by nec2c, a method-of-moments engine (NEC-2) that is no relative
// of this program. nec2c's near-field time is its run with the NE card
// minus the same deck with XQ 0 in its place. Both in one run, as a ratio.
//
//   make bench      or      ./build/kvarn_yardstick [path to kvarn-7t] [runs]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// kvarn-7t on a pseudo-terminal of 100 x 30, and what it wrote.
class Terminal {
  public:
    explicit Terminal(const char* program) {
        winsize size{};
        size.ws_col = 100;
        size.ws_row = 30;
        pid_ = forkpty(&master_, nullptr, nullptr, &size);
        if (pid_ == 0) {
            execl(program, program, static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~Terminal() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (master_ >= 0) close(master_);
    }
    bool started() const { return pid_ > 0; }

    void type(const std::string& keys) {
        if (write(master_, keys.data(), keys.size()) < 0) std::perror("write");
    }
    // Reads until the text appears after `from`; false after a minute.
    bool waitFor(const std::string& text) {
        const auto end = Clock::now() + std::chrono::seconds(60);
        while (screen_.find(text, from_) == std::string::npos) {
            if (Clock::now() > end) return false;
            pollfd fd{master_, POLLIN, 0};
            if (poll(&fd, 1, 20) <= 0) continue;
            char buffer[4096];
            const ssize_t n = read(master_, buffer, sizeof buffer);
            if (n <= 0) return false;
            screen_.append(buffer, static_cast<std::size_t>(n));
        }
        from_ = screen_.find(text, from_) + text.size();
        return true;
    }

  private:
    int master_ = -1;
    pid_t pid_ = -1;
    std::string screen_;
    std::size_t from_ = 0;
};

// Seconds of the scan, from Enter on the parameter form to the summary.
double kvarnScan(const char* program) {
    Terminal t(program);
    if (!t.started() || !t.waitFor("Zur Kenntnis genommen")) return -1;
    t.type("\r");
    t.waitFor("Eingabe der Antennenkoordinaten");
    t.type("0\t0\t10\t400\t0\t10\t400\t400\t10\x1b");
    t.waitFor("OK");
    t.type("\r");
    t.waitFor("Frequenz[MHz]:");
    // Frequency, power, x from -50 to 450, y from 450 down to -50, step 5,
    // height 2, mode E, maximum only.
    t.type("3.65\t100\t-50\t450\t450\t-50\t5\t2\te\tm\x1b");
    t.waitFor("OK");
    const auto start = Clock::now();
    t.type("\r");
    if (!t.waitFor("Maximalwert bei x:")) return -1;
    const double elapsed = seconds(start, Clock::now());
    t.type("n\r");
    return elapsed;
}

// Seconds of one nec2c run of the deck.
double necRun(const std::string& deck) {
    const auto start = Clock::now();
    const std::string command = "nec2c -i" + deck + " -o" + deck + ".out > /dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return -1;
    return seconds(start, Clock::now());
}

void writeDeck(const std::string& path, const std::string& lastCard) {
    std::ofstream(path) << "CM perf\nCE\n"
                           "GW 1 400 0 0 10 400 0 10 0.001\n"
                           "GW 2 400 400 0 10 400 400 10 0.001\n"
                           "GE 0\nEX 0 1 1 0 1.0 0.0\nFR 0 1 0 0 3.65 0\n"
                        << lastCard << "\nEN\n";
}

double best(std::vector<double> v) {
    return *std::min_element(v.begin(), v.end());
}

} // namespace

int main(int argc, char** argv) {
    const char* program = argc > 1 ? argv[1] : "build/kvarn-7t";
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    const double elementPoints = 800.0 * 101 * 101;

    std::vector<double> kvarn;
    for (int k = 0; k < runs; ++k)
        kvarn.push_back(kvarnScan(program));
    const double ours = best(kvarn);
    if (ours < 0) {
        std::fprintf(stderr, "kvarn-7t did not finish its scan (%s)\n", program);
        return 1;
    }
    std::printf("kvarn-7t, 800 m wire, 101 x 101 points, mode E, maximum only: best of %d "
                "%.3f s, %.3g element-points/s\n",
                runs, ours, elementPoints / ours);

    char dir[] = "/tmp/kvarn-yardstick-XXXXXX";
    if (mkdtemp(dir) == nullptr) return 1;
    const std::string ne = std::string(dir) + "/ne.nec", xq = std::string(dir) + "/xq.nec";
    writeDeck(ne, "NE 0 101 101 1 -50 -50 2 5 5 0");
    writeDeck(xq, "XQ 0");
    std::vector<double> withField, without;
    for (int k = 0; k < runs; ++k) {
        withField.push_back(necRun(ne));
        without.push_back(necRun(xq));
    }
    std::system((std::string("rm -rf ") + dir).c_str());
    if (best(withField) < 0 || best(without) < 0) {
        std::printf("nec2c is not installed: no comparison (Debian package nec2c)\n");
        return 0;
    }
    const double theirs = best(withField) - best(without);
    std::printf("nec2c near field of the same wire (800 segments) and grid: %.3f s (%.3f s "
                "with, %.3f s without), %.3g points x segments/s\n",
                theirs, best(withField), best(without), elementPoints / theirs);
    std::printf("kvarn-7t takes %.2f times nec2c's time\n", ours / theirs);
    return 0;
}
