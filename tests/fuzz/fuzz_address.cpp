// libFuzzer target: the address of a calculation (shell/CalculationAddress.h). A fragment read is
// one the page could have written: it reads back the same once written, its texts hold no control
// character, and opening it shows its calculator; a fragment not read opens nothing.
#include "shell/Application.h"
#include "shell/CalculationAddress.h"
#include "shell/HeadlessToolkit.h"
#include "shell/Windows.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace formules;

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool holdsAControlByte(const std::string& text) {
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string fragment(reinterpret_cast<const char*>(data), size);
    const std::optional<AddressedCalculation> read = readCalculationFragment(fragment);
    HeadlessToolkit toolkit;
    Application application(toolkit);
    application.start();
    application.openAddress("#" + fragment);
    if (!read) {
        for (const WindowRow& row : windows()) {
            check((application.find(row.id) != nullptr) == (row.id == FormId::Form1));
        }
        check(toolkit.messages().empty());
        return 0;
    }
    check(fragment.size() <= kMostFragmentBytes);
    for (const auto& [box, text] : read->texts) {
        check(!text.empty() && !holdsAControlByte(text));
    }
    const std::optional<AddressedCalculation> again =
        readCalculationFragment(calculationFragment(*read));
    check(again && again->form == read->form && again->texts == read->texts);
    check(application.find(read->form) != nullptr &&
          toolkit.isVisible(*application.find(read->form)));
    return 0;
}
