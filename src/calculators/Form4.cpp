// Form4, "Calculs": the resonance of an inductor and a capacitor; two of frequency,
// inductance and capacitance give the third.
#include "Form4.h"

#include "formulas/StandardValues.h"
#include "quantities/ValueRules.h"

namespace formules {

namespace {

// 10^6 / (2 pi) as the window has always written it, not the exact 159154.9430919...
constexpr double kFrequencyNumerator = 159154.943;

// The speed of light in km/s, so that kilohertz give metres.
constexpr double kSpeedOfLight = 299792.458;

// 253.3 x 10^8 (exactly 25330000000 in doubles), in place of 10^12 / (4 pi^2).
double inductanceCapacitanceNumerator() {
    return 253.3 * power(10.0, 8.0);
}

} // namespace

std::optional<double> resonanceFrequency(double capacite, double inductance) {
    const double product = capacite * inductance;
    const double root = std::sqrt(product);
    const double frequence = kFrequencyNumerator / root;
    if (!allFinite({product, root, frequence})) {
        return std::nullopt;
    }
    return roundHalfUp(frequence, 1000);
}

std::optional<double> resonanceInductance(double capacite, double frequence) {
    const double square = frequence * frequence;
    const double product = square * capacite;
    const double inductance = inductanceCapacitanceNumerator() / product;
    if (!allFinite({square, product, inductance})) {
        return std::nullopt;
    }
    return roundHalfUp(inductance, 1000);
}

std::optional<double> resonanceCapacitance(double inductance, double frequence) {
    const double square = power(frequence, 2);
    const double product = square * inductance;
    const double capacite = inductanceCapacitanceNumerator() / product;
    if (!allFinite({square, product, capacite})) {
        return std::nullopt;
    }
    return roundHalfUp(capacite, 100);
}

std::optional<double> wavelength(double frequence) {
    return roundHalfUp(kSpeedOfLight / frequence, 100);
}

// The lines of help for a part in its unit: its two standard neighbours, the pair that makes
// it up (in parallel for capacitors, in series for inductors: either way the values add), and
// the part that is itself standard.
struct PartPhrases {
    const char* neighbours;
    const char* pair;
    const char* standard;
};

namespace {
const PartPhrases kPicofarads{"E12 : %1 pF → %2 kHz ; %3 pF → %4 kHz", "%1 pF + %2 pF → %3 kHz",
                              "E12 : %1 pF → %2 kHz"};
const PartPhrases kMicrohenrys{"E12 : %1 µH → %2 kHz ; %3 µH → %4 kHz", "%1 µH + %2 µH → %3 kHz",
                               "E12 : %1 µH → %2 kHz"};
constexpr char kWavelength[] = "λ = %1 m";
} // namespace

// The quantity being solved for, its box, and the two known ones in the order they are read.
struct Form4::Unknown {
    struct Known {
        BoxName box;
        Quantity quantity;
    };
    Quantity quantity;
    BoxName box;
    Known firstKnown;
    Known secondKnown;
    std::optional<double> (*formula)(double firstKnown, double secondKnown);
    // The help for a part, of which the first known is the other part; nothing for a frequency.
    const PartPhrases* part;
};

namespace {
using Q = SharedQuantities;
} // namespace

Form4::Form4(FormContext& context) : CalculatorFrame(frame(), context) {}

const FrameConfiguration& Form4::frame() {
    static const FrameConfiguration kFrame{{{Text1, &Q::capacite, BoxRole::InputOrResult},
                                            {Text2, &Q::frequence, BoxRole::InputOrResult},
                                            {Text3, &Q::inductance, BoxRole::InputOrResult}},
                                           {Text2, Text1, Text3},
                                           "Erreur - Entrer deux valeurs seulement",
                                           Label11,
                                           {kPicofarads.neighbours, kPicofarads.pair,
                                            kPicofarads.standard, kMicrohenrys.neighbours,
                                            kMicrohenrys.pair, kMicrohenrys.standard, kWavelength}};
    return kFrame;
}

void Form4::Command1_Click() {
    static const Unknown kFrequency{&Q::frequence,         Text2,
                                    {Text1, &Q::capacite}, {Text3, &Q::inductance},
                                    resonanceFrequency,    nullptr};
    static const Unknown kInductance{&Q::inductance,        Text3,
                                     {Text1, &Q::capacite}, {Text2, &Q::frequence},
                                     resonanceInductance,   &kMicrohenrys};
    static const Unknown kCapacitance{
        &Q::capacite,         Text1,       {Text3, &Q::inductance}, {Text2, &Q::frequence},
        resonanceCapacitance, &kPicofarads};

    // Exactly two of the three boxes must hold text; the empty one picks the unknown. When all
    // three do and one still holds the last result, that one is the unknown again: the user
    // changed a value and asks anew. The boxes decide, not the shared quantities: another window
    // may have given a quantity that the user cannot see here.
    bool c = !isBoxEmpty(Text1);
    bool f = !isBoxEmpty(Text2);
    bool l = !isBoxEmpty(Text3);
    if (c && f && l) {
        c = !holdsLastResult(Text1);
        f = !holdsLastResult(Text2);
        l = !holdsLastResult(Text3);
    }
    if (c && f && !l) {
        solve(kInductance);
    } else if (!c && f && l) {
        solve(kCapacitance);
    } else if (c && !f && l) {
        solve(kFrequency);
    } else {
        twoValuesOutcome();
    }
}

// The values are read from this window's boxes and stored into their quantities.
void Form4::solve(const Unknown& unknown) {
    SharedQuantities& q = quantities();
    q.*unknown.quantity = EntryValue::emptyText();
    clearBox(unknown.box);
    if (!understood({unknown.firstKnown.box, unknown.secondKnown.box})) {
        return;
    }
    q.*unknown.firstKnown.quantity = EntryValue::number(readNumber(unknown.firstKnown.box));
    q.*unknown.secondKnown.quantity = EntryValue::number(readNumber(unknown.secondKnown.box));
    const EntryValue& first = q.*unknown.firstKnown.quantity;
    const EntryValue& second = q.*unknown.secondKnown.quantity;
    if (anyOf({isZeroOrNegative(first), isZeroOrNegative(second)})) {
        outOfRangeOutcome();
        return;
    }
    const std::optional<double> result = unknown.formula(first.asDouble(), second.asDouble());
    if (!result) {
        outOfRangeOutcome();
        return;
    }
    q.*unknown.quantity = EntryValue::number(*result);
    if (isZeroOrNegative(q.*unknown.quantity)) {
        outOfRangeOutcome();
        return;
    }
    writeResult(unknown.box, q.*unknown.quantity);
    helpWith(unknown, first.asDouble(), *result);
}

void Form4::helpWith(const Unknown& unknown, double otherPart, double result) {
    if (unknown.part == nullptr) {
        showHelp({helpLine(kWavelength, {wavelength(result)})});
    } else {
        showStandardParts(*unknown.part, result, otherPart);
    }
}

// The frequency each part gives is the one this window computes for it, to three decimals.
void Form4::showStandardParts(const PartPhrases& phrases, double part, double otherPart) {
    auto frequencyWith = [otherPart](std::optional<double> standard) -> std::optional<double> {
        return standard ? resonanceFrequency(*standard, otherPart) : std::nullopt;
    };
    const std::optional<StandardNeighbours> neighbours = e12Neighbours(part);
    if (!neighbours) {
        showHelp({});
        return;
    }
    if (neighbours->isStandard()) {
        showHelp({helpLine(phrases.standard, {part, frequencyWith(part)})});
        return;
    }
    const double below = neighbours->below;
    const double above = neighbours->above;
    const std::optional<double> rest = nearestE12(part - below);
    const std::optional<double> pair = rest ? std::optional<double>(below + *rest) : std::nullopt;
    showHelp(
        {helpLine(phrases.neighbours, {below, frequencyWith(below), above, frequencyWith(above)}),
         helpLine(phrases.pair, {below, rest, frequencyWith(pair)})});
}

// The three quantities are blanked as well as the boxes, so that a value given in another
// window cannot make the user's next two values fail in the same way.
void Form4::twoValuesOutcome() {
    reportAndClear(frame().promptMessage, {Text1, Text2, Text3});
    blankQuantities();
}

void Form4::outOfRangeOutcome() {
    reportAndClear(kOutOfRangeMessage, {Text1, Text2, Text3});
    blankQuantities();
}

void Form4::blankQuantities() {
    SharedQuantities& q = quantities();
    q.capacite = EntryValue::emptyText();
    q.frequence = EntryValue::emptyText();
    q.inductance = EntryValue::emptyText();
}

const FormDescription& Form4::description() const {
    static const FormDescription kDescription = [] {
        const Colour background = Colour::rgb(192, 255, 255);
        const Colour windowText = Colour::systemWindowText();
        FormDescription d;
        d.id = FormId::Form4;
        d.caption = "Calculs";
        d.clientArea = {2460, 1365, 7260, 6285};
        d.placed = true;
        d.background = background;
        d.foreground = windowText;
        d.font = FontDescription{"MS Sans Serif", 8.25, true, false};
        d.controls = {
            textBox(Text4, "               Entrez deux valeurs pour obtenir la troisième",
                    {720, 240, 5775, 495}, 6)
                .withBackground(Colour::rgb(255, 255, 224))
                .announcedAs("Consigne"),
            designHelpLabel(Label11, {720, 840, 5775, 1095}, background,
                            "Aide : les valeurs E12 voisines de la capacité ou de l'inductance "
                            "trouvée et la fréquence que donne chacune, puis une paire qui la "
                            "compose (condensateurs en parallèle, selfs en série) ; la longueur "
                            "d'onde d'une "
                            "fréquence trouvée"),
            label("Label10", "Capacite en pf", {2520, 2040, 2340, 210}, 7)
                .centred()
                .withBackground(background)
                .withForeground(windowText),
            dataBox(Text1, {1560, 2280, 4035, 390}, 0, "Capacite en pf", {"Label10"})
                .withForeground(Colour::rgb(0, 0, 255)),
            label("Label1", "Frequence en Khz", {2520, 3240, 2340, 210}, 8)
                .centred()
                .withBackground(background)
                .withForeground(windowText),
            dataBox(Text2, {1560, 3480, 4035, 390}, 1, "Frequence en Khz", {"Label1"})
                .withForeground(Colour::rgb(0, 128, 0)),
            label("Label2", "Inductance en microH", {2520, 4440, 2340, 210}, 9)
                .centred()
                .withBackground(background)
                .withForeground(windowText),
            dataBox(Text3, {1560, 4680, 4035, 390}, 2, "Inductance en microH", {"Label2"})
                .withBackground(Colour::rgb(255, 255, 255))
                .withForeground(Colour::rgb(255, 0, 0)),
            button(Command1, "Calcul", {1680, 5280, 1215, 495}, 3)
                .withBackground(Colour::systemWindow()),
            button(Command3, "Effacer", {3000, 5280, 1215, 495}, 4)
                .withBackground(Colour::systemWindow()),
            button(Command2, "Menu", {4320, 5280, 1215, 495}, 5)
                .withBackground(Colour::systemWindow()),
        };
        return asCalculator(std::move(d), frame());
    }();
    return kDescription;
}

} // namespace formules
