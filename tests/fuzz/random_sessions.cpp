// Runs the session fuzzer's checks on pseudo-random sessions, so that every test run covers
// thousands of them without libFuzzer: formules-random-sessions [COUNT [SEED]]. A failed check
// aborts; the number of the failing session is printed first, to replay it alone.
//
// Every other session is random bytes; the others are random events whose typed texts are
// entries a user makes, so that results come as often as messages and the checks that follow a
// result are reached too.
#include "SessionEncoding.h"

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

unsigned long g_session = 0;
unsigned long g_seed = 0;

// What a user types or pastes: numbers, units, codes, thousands, cores, and what is refused.
constexpr const char* kEntries[] = {"1",   "100", "10",       "7,1 MHz", "4n7",   "14,230",
                                    "2.5", "0",   "-3",       "abc",     "1e308", " ",
                                    "4R7", "1,5", "2,200 pF", "1000",    "T50-2", "4,9 nH"};

void appendEvent(std::vector<std::uint8_t>& session, std::mt19937& random) {
    using formules::SessionOp;
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> entry(0, std::size(kEntries) - 1);
    const auto op = static_cast<SessionOp>(byte(random) % int(SessionOp::Count));
    session.push_back(static_cast<std::uint8_t>(op));
    session.push_back(static_cast<std::uint8_t>(byte(random))); // the window
    if (op == SessionOp::Show || op == SessionOp::Close) {
        return;
    }
    session.push_back(static_cast<std::uint8_t>(byte(random))); // the control or the box
    if (op == SessionOp::Erase) {
        session.push_back(static_cast<std::uint8_t>(byte(random)));
    } else if (op == SessionOp::Type || op == SessionOp::Paste) {
        const char* text = kEntries[entry(random)];
        session.push_back(static_cast<std::uint8_t>(std::strlen(text)));
        session.insert(session.end(), text, text + std::strlen(text));
    }
}

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
        session.clear();
        if (g_session % 2 == 0) {
            for (int events = length(random) / 4; events > 0; --events) {
                appendEvent(session, random);
            }
        } else {
            session.resize(static_cast<std::size_t>(length(random)));
            for (std::uint8_t& b : session) {
                b = static_cast<std::uint8_t>(byte(random));
            }
        }
        LLVMFuzzerTestOneInput(session.data(), session.size());
    }
    std::printf("%lu random sessions passed every check\n", count);
    return 0;
}
