#include "FontStandIns.h"

namespace formules {

namespace {

constexpr std::string_view kSerifFamily = "Times New Roman";

} // namespace

const std::vector<std::string_view>& standInsFor(std::string_view family) {
    static const std::vector<std::string_view> kSans{"Liberation Sans", "Arimo", "Arial",
                                                     "Helvetica", "DejaVu Sans"};
    static const std::vector<std::string_view> kSerif{"Liberation Serif", "Tinos", "Times",
                                                      "DejaVu Serif"};
    static const std::vector<std::string_view> kNone;
    if (family == kSerifFamily) {
        return kSerif;
    }
    return family == "MS Sans Serif" ? kSans : kNone;
}

GenericFamily genericFamilyOf(std::string_view family) {
    return family == kSerifFamily ? GenericFamily::Serif : GenericFamily::Sans;
}

} // namespace formules
