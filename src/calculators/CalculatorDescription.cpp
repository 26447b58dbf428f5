#include "CalculatorDescription.h"

#include <utility>

namespace formules {

ControlDescription dataBox(BoxName name, FormRect rect, int tabIndex, std::string announced,
                           std::vector<std::string> namedBy) {
    return textBox(name, std::string(), rect, tabIndex)
        .announcedAs(std::move(announced))
        .namedByLabels(std::move(namedBy))
        .withEnterClicking(CalculatorButtons::Command1);
}

ControlDescription designHelpLabel(LabelName name, FormRect rect, Colour background,
                                   std::string hint) {
    ControlDescription help = label(name, std::string(), rect)
                                  .centred()
                                  .withBackground(background)
                                  .withForeground(Colour::systemWindowText());
    help.hint = std::move(hint);
    return help;
}

namespace {
// What a coil's diameter is measured to, which the formulas assume.
constexpr char kDiameterNote[] =
    "\nDiamètre de la bobine, mesuré au centre du fil (le diamètre du mandrin plus celui d'un fil)";
// How a number with commas between thousands reads where results are written with a point.
constexpr char kThousandsNote[] =
    "Si les résultats s'écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230";
} // namespace

Unit unitOf(const DataBox& data) {
    return data.quantity != nullptr ? unitOf(data.quantity) : data.unit;
}

const char* wordOf(const DataBox& data) {
    return data.quantity != nullptr ? wordOf(data.quantity) : data.word;
}

const char* symbolOf(const DataBox& data) {
    return data.quantity != nullptr ? symbolOf(data.quantity) : data.symbol;
}

FormDescription asCalculator(FormDescription description, const FrameConfiguration& frame) {
    static constexpr std::pair<ButtonName, char> kAccessKeys[] = {
        {CalculatorButtons::Command1, 'C'},
        {CalculatorButtons::Command3, 'E'},
        {CalculatorButtons::Command2, 'M'},
    };
    for (ControlDescription& control : description.controls) {
        for (const DataBox& data : frame.dataBoxes) {
            if (control.name == data.box.name && data.role != BoxRole::Result) {
                // A hint of the box's own comes first.
                const std::string units = unitsHint(unitOf(data));
                control.hint += (control.hint.empty() || units.empty() ? "" : "\n") + units;
                if (data.quantity == &SharedQuantities::diametre) {
                    control.hint += kDiameterNote;
                }
                control.hint += (control.hint.empty() ? "" : "\n") + std::string(kThousandsNote);
            }
        }
        for (const auto& [button, key] : kAccessKeys) {
            if (control.name == button.name) {
                control.accessKey = key;
            }
        }
    }
    return description;
}

} // namespace formules
