// Runs the session fuzzer's checks on pseudo-random sessions, so that every test run covers
// thousands of them without libFuzzer: formules-random-sessions [COUNT [SEED]]. A failed check
// aborts; the number of the failing session is printed first, to replay it alone.
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

unsigned long g_session = 0;
unsigned long g_seed = 0;

void reportFailingSession(int) {
    std::fprintf(stderr, "session %lu of seed %lu failed a check\n", g_session, g_seed);
}

} // namespace

int main(int argc, char* argv[]) {
    const unsigned long count = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 10000;
    g_seed = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1;
    std::signal(SIGABRT, reportFailingSession);
    std::mt19937 random(static_cast<std::mt19937::result_type>(g_seed));
    std::uniform_int_distribution<int> length(0, 400);
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<std::uint8_t> session;
    for (g_session = 1; g_session <= count; ++g_session) {
        session.resize(static_cast<std::size_t>(length(random)));
        for (std::uint8_t& b : session) {
            b = static_cast<std::uint8_t>(byte(random));
        }
        LLVMFuzzerTestOneInput(session.data(), session.size());
    }
    std::printf("%lu random sessions passed every check\n", count);
    return 0;
}
