// Starts a program many times and reports, per run, the wall time from just before the process
// is created to its first painted window, and its peak resident memory.
//   startup-runner RUNS PROGRAM [PROGRAM...]
// Runs are interleaved (A B A B ...). Prints one line per program: median and spread (min, max)
// of the time in milliseconds and of the peak memory in MiB.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

struct Run {
    double milliseconds = 0;
    double mebibytes = 0;
    bool ok = false;
};

Run runOnce(const char* program) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return {};
    }
    const long long start = monotonicNanoseconds();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    std::string output;
    char buffer[256];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
        output.append(buffer, std::size_t(n));
    }
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    Run run;
    long long painted = 0;
    if (std::sscanf(output.c_str(), "painted %lld", &painted) == 1 && WIFEXITED(status) &&
        WEXITSTATUS(status) == 0) {
        run.milliseconds = double(painted - start) / 1e6;
        run.mebibytes = double(usage.ru_maxrss) / 1024.0;
        run.ok = true;
    }
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup-runner RUNS PROGRAM [PROGRAM...]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int programs = argc - 2;
    std::vector<std::vector<double>> times(programs);
    std::vector<std::vector<double>> memory(programs);
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < programs; ++p) {
            const Run run = runOnce(argv[2 + p]);
            if (!run.ok) {
                std::fprintf(stderr, "%s did not report its first paint\n", argv[2 + p]);
                return 1;
            }
            times[p].push_back(run.milliseconds);
            memory[p].push_back(run.mebibytes);
        }
    }
    for (int p = 0; p < programs; ++p) {
        const auto [tMin, tMax] = std::minmax_element(times[p].begin(), times[p].end());
        const auto [mMin, mMax] = std::minmax_element(memory[p].begin(), memory[p].end());
        std::printf("%s %.2f %.2f %.2f %.2f %.2f %.2f\n", argv[2 + p], median(times[p]), *tMin,
                    *tMax, median(memory[p]), *mMin, *mMax);
    }
    return 0;
}
