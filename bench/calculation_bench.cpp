// Times one "Calcul" of each calculator on the in-memory toolkit, change rules included, for an
// accepted and a rejected entry, and "Calcul" on a very long text to show linear growth.
// Prints Markdown table rows.
#include "shell/Application.h"
#include "shell/HeadlessToolkit.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

using namespace formules;

namespace {

struct Entry {
    const char* box;
    std::string text;
};

struct Case {
    const char* label;
    FormId form;
    std::vector<Entry> entries;
};

// The median time of one click of "Calcul", the boxes being refilled before each click.
double medianMicroseconds(const Case& c, int samples) {
    HeadlessToolkit toolkit;
    Application application(toolkit);
    application.start();
    application.show(c.form);
    Form& form = *application.find(c.form);
    std::vector<double> times;
    times.reserve(std::size_t(samples));
    for (int i = 0; i < samples; ++i) {
        form.click("Command3");
        for (const Entry& entry : c.entries) {
            toolkit.writeBox(form, entry.box, entry.text);
        }
        const auto start = std::chrono::steady_clock::now();
        form.click("Command1");
        const auto stop = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
    }
    std::nth_element(times.begin(), times.begin() + samples / 2, times.end());
    return times[std::size_t(samples / 2)];
}

// A frequency of 1000 written with enough leading zeros to reach the given length.
std::string longFrequency(std::size_t length) {
    return std::string(length - 4, '0') + "1000";
}

} // namespace

int main() {
    const std::vector<std::pair<Case, Case>> calculators{
        {{"Form4 resonance", FormId::Form4, {{"Text1", "100"}, {"Text3", "10"}}},
         {"", FormId::Form4, {{"Text1", "0"}, {"Text3", "10"}}}},
        {{"Form2 inductor", FormId::Form2, {{"Text1", "1000"}, {"Text2", "10"}}},
         {"", FormId::Form2, {{"Text1", "1000"}, {"Text2", "abc"}}}},
        {{"Form3 capacitor", FormId::Form3, {{"Text1", "1000"}, {"Text2", "100"}}},
         {"", FormId::Form3, {{"Text1", "1000"}, {"Text2", "-3"}}}},
        {{"Form5 turns", FormId::Form5, {{"Text1", "10"}, {"Text2", "2"}, {"Text3", "3"}}},
         {"", FormId::Form5, {{"Text1", "10"}, {"Text2", "0"}, {"Text3", "3"}}}},
        {{"Form6 inductance", FormId::Form6, {{"Text1", "2"}, {"Text2", "3"}, {"Text3", "31"}}},
         {"", FormId::Form6, {{"Text1", "2"}, {"Text2", "3"}, {"Text3", "1e999"}}}},
        {{"Form6 inductance and Q",
          FormId::Form6,
          {{"Text1", "2"}, {"Text2", "3"}, {"Text3", "31"}, {"Text6", "7100"}}},
         {"", FormId::Form6, {{"Text1", "2"}, {"Text2", "3"}, {"Text3", "31"}, {"Text6", "x"}}}},
        {{"Form9 toroid", FormId::Form9, {{"Text1", "T50-2"}, {"Text2", "4.7"}}},
         {"", FormId::Form9, {{"Text1", "T50-99"}, {"Text2", "4.7"}}}},
    };
    std::printf("| Calcul | accepted (us) | rejected (us) |\n|---|---|---|\n");
    for (const auto& [accepted, rejected] : calculators) {
        std::printf("| %s | %.3f | %.3f |\n", accepted.label, medianMicroseconds(accepted, 20001),
                    medianMicroseconds(rejected, 20001));
    }
    const Case shortText{"", FormId::Form2, {{"Text1", longFrequency(100000)}, {"Text2", "10"}}};
    const Case longText{"", FormId::Form2, {{"Text1", longFrequency(1000000)}, {"Text2", "10"}}};
    const double t5 = medianMicroseconds(shortText, 51);
    const double t6 = medianMicroseconds(longText, 51);
    std::printf("\n| Calcul with a long frequency text | time (us) |\n|---|---|\n");
    std::printf("| 10^5 characters | %.1f |\n| 10^6 characters | %.1f |\n", t5, t6);
    std::printf("| ratio 10^6 / 10^5 | %.2f |\n", t6 / t5);
    return 0;
}
