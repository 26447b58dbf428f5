#include "HeadlessProgram.h"
#include "forms/ClassicScheme.h"
#include "forms/Languages.h"
#include "shell/Windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace formules {

// A registry row as a failing test names it.
void PrintTo(const WindowRow& row, std::ostream* out) {
    *out << row.name;
}

} // namespace formules

using namespace formules;

namespace {

// A control's rectangle in the window's client area, its panel's position added.
FormRect inClientArea(const FormDescription& d, const ControlDescription& control) {
    FormRect rect = control.rect;
    if (const ControlDescription* panel = d.control(control.parent)) {
        rect.left += panel->rect.left;
        rect.top += panel->rect.top;
    }
    return rect;
}

bool overlap(const FormRect& a, const FormRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// Every window of the registry, walked as data.
class DescriptionTest : public testing::TestWithParam<WindowRow> {
protected:
    const FormDescription& description() { return m_program.form(GetParam().id).description(); }

private:
    HeadlessProgram m_program;
};

TEST_P(DescriptionTest, NamesAndTabIndexesAreUnique) {
    const FormDescription& d = description();
    EXPECT_EQ(d.id, GetParam().id);
    std::set<std::string> names;
    std::set<int> tabIndexes;
    for (const ControlDescription& control : d.controls) {
        EXPECT_TRUE(names.insert(control.name).second) << "duplicate " << control.name;
        if (control.tabIndex >= 0) {
            EXPECT_TRUE(tabIndexes.insert(control.tabIndex).second)
                << "duplicate tab index " << control.tabIndex;
        }
    }
    for (const MenuEntryDescription& entry : d.menu) {
        EXPECT_TRUE(names.insert(entry.name).second) << "duplicate " << entry.name;
    }
}

TEST_P(DescriptionTest, EveryControlLiesInsideItsWindowOrPanel) {
    const FormDescription& d = description();
    for (const ControlDescription& control : d.controls) {
        FormRect container{0, 0, d.clientArea.width, d.clientArea.height};
        if (!control.parent.empty()) {
            const ControlDescription* panel = d.control(control.parent);
            ASSERT_NE(panel, nullptr) << control.name << " in missing " << control.parent;
            EXPECT_EQ(panel->kind, ControlKind::PictureBox) << control.parent;
            container = {0, 0, panel->rect.width, panel->rect.height};
        }
        EXPECT_GE(control.rect.left, 0) << control.name;
        EXPECT_GE(control.rect.top, 0) << control.name;
        EXPECT_LE(control.rect.left + control.rect.width, container.width) << control.name;
        EXPECT_LE(control.rect.top + control.rect.height, container.height) << control.name;
    }
}

// A button or box drawn over another one hides it, and the mouse reaches only the top one.
TEST_P(DescriptionTest, NoTwoFocusableControlsOverlap) {
    const FormDescription& d = description();
    std::vector<const ControlDescription*> focusable;
    for (const ControlDescription& control : d.controls) {
        if (control.kind == ControlKind::Button || control.kind == ControlKind::TextBox) {
            focusable.push_back(&control);
        }
    }
    for (std::size_t i = 0; i < focusable.size(); ++i) {
        for (std::size_t j = i + 1; j < focusable.size(); ++j) {
            EXPECT_FALSE(overlap(inClientArea(d, *focusable[i]), inClientArea(d, *focusable[j])))
                << focusable[i]->name << " and " << focusable[j]->name;
        }
    }
}

// Each name the window's handlers use stands in its description, as a control of its kind.
TEST_P(DescriptionTest, EveryNameTheHandlersUseIsAControlOfItsKind) {
    const FormDescription& d = description();
    for (const NamedControl& named : GetParam().controls) {
        const std::string name(named.name);
        if (named.kind == NameKind::MenuEntry) {
            EXPECT_TRUE(std::any_of(d.menu.begin(), d.menu.end(), [&](const auto& entry) {
                return entry.name == name;
            })) << name;
            continue;
        }
        const ControlDescription* control = d.control(name);
        ASSERT_NE(control, nullptr) << name;
        const ControlKind kind = named.kind == NameKind::Box     ? ControlKind::TextBox
                                 : named.kind == NameKind::Label ? ControlKind::Label
                                                                 : ControlKind::Button;
        EXPECT_EQ(control->kind, kind) << name;
    }
}

class CalculatorDescriptionTest : public DescriptionTest {};

TEST_P(CalculatorDescriptionTest, FrameUsesTheWindowsBoxes) {
    const FormDescription& d = description();
    const FrameConfiguration& frame = GetParam().frame();
    std::set<std::string> boxes;
    for (const DataBox& data : frame.dataBoxes) {
        const ControlDescription* box = d.control(data.box);
        ASSERT_NE(box, nullptr) << data.box.name;
        EXPECT_EQ(box->kind, ControlKind::TextBox) << data.box.name;
        EXPECT_TRUE(box->caption.empty()) << data.box.name << " must start empty";
        if (data.role != BoxRole::Result) {
            EXPECT_NE(*wordOf(data), '\0') << data.box.name << " needs a word for messages";
        }
        // Named by labels with a caption, which a phone's column puts above the box.
        EXPECT_FALSE(box->namedBy.empty()) << data.box.name;
        for (const std::string& name : box->namedBy) {
            const ControlDescription* label = d.control(name);
            ASSERT_NE(label, nullptr) << name;
            EXPECT_EQ(label->kind, ControlKind::Label) << name;
            EXPECT_FALSE(label->caption.empty()) << name;
        }
        boxes.insert(std::string(data.box));
    }
    std::set<std::string> cleared;
    for (BoxName box : frame.clearOrder) {
        cleared.insert(std::string(box));
    }
    EXPECT_EQ(cleared, boxes) << "Menu and Effacer clear every data box, once";
    EXPECT_EQ(frame.clearOrder.size(), frame.dataBoxes.size());
    EXPECT_EQ(d.control("Command1")->caption, "Calcul");
    EXPECT_EQ(d.control("Command2")->caption, "Menu");
    EXPECT_EQ(d.control("Command3")->caption, "Effacer");
}

std::vector<WindowRow> calculators() {
    std::vector<WindowRow> rows;
    std::copy_if(windows().begin(), windows().end(), std::back_inserter(rows),
                 [](const WindowRow& row) { return row.isCalculator(); });
    return rows;
}

auto rowName = [](const auto& test) { return std::string(test.param.name); };
INSTANTIATE_TEST_SUITE_P(Windows, DescriptionTest, testing::ValuesIn(windows()), rowName);
INSTANTIATE_TEST_SUITE_P(Windows, CalculatorDescriptionTest, testing::ValuesIn(calculators()),
                         rowName);

// What every toolkit shows alike, said once below them: the language, the texts in it, the
// access keys and the colours.

struct LanguageChoice {
    const char* name;
    std::vector<std::string> preferred;
    const char* spoken;
};

// Names as desktops (QLocale::uiLanguages, POSIX locales) and browsers (navigator.languages)
// give them.
const LanguageChoice kLanguageChoices[] = {
    {"en_US", {"en-US", "en-Latn-US", "en"}, "en"},
    {"de_AT", {"de-AT", "de-Latn-AT", "de"}, "de"},
    {"fr_CA", {"fr-CA", "fr"}, "fr"},
    {"LANGUAGE_de_en", {"de", "de-DE", "en", "en-US"}, "de"},
    {"LANGUAGE_fr_de", {"fr", "fr-FR", "de"}, "fr"},
    {"pt_BR_none_spoken", {"pt-BR", "pt-Latn-BR", "pt"}, "fr"},
    {"LANGUAGE_pt_it", {"pt-BR", "pt", "it"}, "it"},
    {"C", {"C"}, "fr"},
    {"unknown_xx_YY", {"xx-YY", "C"}, "fr"},
    {"posix_name", {"es_ES.UTF-8"}, "es"},
    {"upper_case", {"DE"}, "de"},
    {"a_longer_word_is_not_a_language", {"english", "it"}, "it"},
    {"nothing_preferred", {}, "fr"},
};

class LanguageChoiceTest : public testing::TestWithParam<LanguageChoice> {};

TEST_P(LanguageChoiceTest, IsTheFirstSpokenOrFrench) {
    EXPECT_EQ(chooseLanguage(GetParam().preferred), GetParam().spoken);
}

struct SeparatorRow {
    const char* name;
    const char* windows;
    std::optional<UserLocale> locale;
    const char* separator;
};

// The separator of results, from the windows' language and the locale a toolkit reports: the
// desktop's ("de_CH") or the browser's first language ("en-US").
const SeparatorRow kSeparators[] = {
    {"french_desktop", "fr", UserLocale{"fr_FR.UTF-8", ","}, ","},
    {"swiss_german_desktop", "de", UserLocale{"de_CH", "."}, "."},
    {"english_windows_on_a_french_desktop", "en", UserLocale{"fr_FR", ","}, "."},
    {"french_windows_on_an_english_desktop", "fr", UserLocale{"en_US", "."}, ","},
    {"browser_in_mexican_spanish", "es", UserLocale{"es-MX", "."}, "."},
    {"no_locale_known", "it", std::nullopt, ","},
    {"locale_without_a_separator", "en", UserLocale{"en-XX", ""}, "."},
};

class SeparatorTest : public testing::TestWithParam<SeparatorRow> {};

TEST_P(SeparatorTest, IsTheLocalesInItsLanguageElseTheLanguages) {
    EXPECT_EQ(resultsSeparator(GetParam().windows, GetParam().locale), GetParam().separator);
}

// Every language the program speaks writes its numbers with a separator of its own.
TEST(Languages, EachSpokenLanguageHasItsSeparator) {
    for (const std::string& language : spokenLanguages()) {
        EXPECT_FALSE(ownDecimalSeparator(language).empty()) << language;
    }
}

struct Translation {
    const char* name;
    const char* language;
    const char* context;
    const char* text;
    const char* translation;
};

// Texts of the catalogues, read through the one lookup: quotes, line feeds and marked access keys
// come through as the catalogue has them; French, an unknown language or text give the text.
const Translation kTranslations[] = {
    {"button_with_its_key", "de", kTextContext, "Calcul", "&Berechnen"},
    {"key_inside_the_word", "en", kTextContext, "Effacer", "C&lear"},
    {"message", "it", kTextContext, "Erreur - Valeurs hors limites - Recommencez",
     "Errore - Valori fuori intervallo - Riprovare"},
    {"two_lines_and_a_quote", "en", kTextContext,
     "Unités : mm, cm, m, in (\"), ft ; cm si rien n'est indiqué\nDiamètre de la bobine, mesuré "
     "au centre du fil (le diamètre du mandrin plus celui d'un fil)\nSi les résultats s'écrivent "
     "avec un point, la virgule sépare les milliers : 14,230 = 14230",
     "Units: mm, cm, m, in (\"), ft; cm if none is given\nDiameter of the coil, measured to the "
     "centre of the wire (the former's diameter plus one wire's)\nWhere results are written with "
     "a point, a comma separates thousands: 14,230 = 14230"},
    {"other_context", "es", "CommandLine", "argument inattendu : %1", "argumento inesperado: %1"},
    {"french_is_the_source", "fr", kTextContext, "Calcul", "Calcul"},
    {"unknown_language", "pt", kTextContext, "Calcul", "Calcul"},
    {"unknown_text", "de", kTextContext, "Bonjour", "Bonjour"},
    {"context_matters", "de", "CommandLine", "Calcul", "Calcul"},
    {"blank_caption_in_german", "de", kTextContext, "", ""},
    {"blank_hint_in_english", "en", kTextContext, "", ""},
    {"blank_in_another_context", "it", "CommandLine", "", ""},
};

class TranslationTest : public testing::TestWithParam<Translation> {};

TEST_P(TranslationTest, ComesFromTheCatalogue) {
    const Translation& row = GetParam();
    EXPECT_EQ(translate(row.language, row.text, row.context), row.translation);
}

struct AccessKeyRow {
    const char* name;
    const char* caption;
    char key;
    const char* marked;
    const char* before;
    const char* keyShown;
    const char* after;
};

// The key is the first letter that matches, in either case; a translation's own mark stands.
const AccessKeyRow kAccessKeys[] = {
    {"first_letter", "Calcul", 'C', "&Calcul", "", "C", "alcul"},
    {"either_case", "à propos de...", 'P', "à &propos de...", "à ", "p", "ropos de..."},
    {"translation_marks_its_own", "C&lear", 'E', "C&lear", "C", "l", "ear"},
    {"accented_key", "&Über...", 'U', "&Über...", "", "Ü", "ber..."},
    {"letter_missing", "Borrar", 'E', "Borrar", "Borrar", "", ""},
    {"no_key", "Menu", '\0', "Menu", "Menu", "", ""},
    {"double_ampersand_is_one", "R&&D &Menu", 'M', "R&&D &Menu", "R&D ", "M", "enu"},
};

class AccessKeyTest : public testing::TestWithParam<AccessKeyRow> {};

TEST_P(AccessKeyTest, IsMarkedAndSplit) {
    const AccessKeyRow& row = GetParam();
    const std::string marked = markedWithAccessKey(row.caption, row.key);
    EXPECT_EQ(marked, row.marked);
    const AccessKeyParts parts = splitAtAccessKey(marked);
    EXPECT_EQ(parts.before, row.before);
    EXPECT_EQ(parts.key, row.keyShown);
    EXPECT_EQ(parts.after, row.after);
    EXPECT_EQ(withoutAccessKeys(marked), parts.before + parts.key + parts.after);
}

struct RingRow {
    const char* name;
    Rgb background;
    Rgb ring;
};

// A focus ring must stand out from the control it is drawn on (WCAG 2.1 contrast).
const RingRow kRings[] = {
    {"white_box", {255, 255, 255}, {0, 0, 0}},
    {"blue_button", {0, 0, 255}, {255, 255, 255}},
    {"grey_face", {239, 239, 239}, {0, 0, 0}},
    {"dark_red", {128, 0, 0}, {255, 255, 255}},
    {"mid_grey_favours_black", {119, 119, 119}, {0, 0, 0}},
};

class FocusRingTest : public testing::TestWithParam<RingRow> {};

TEST_P(FocusRingTest, ContrastsWithTheBackground) {
    const Rgb ring = focusRingOn(GetParam().background);
    EXPECT_EQ(ring.red, GetParam().ring.red);
    EXPECT_EQ(ring.blue, GetParam().ring.blue);
}

struct ContrastRow {
    const char* name;
    Rgb ink;
    Rgb ground;
    double ratio; // as published (WebAIM's contrast checker), to two decimals
};

const ContrastRow kContrasts[] = {
    {"black_on_white", {0, 0, 0}, {255, 255, 255}, 21.0},
    {"grey_77_just_short", {119, 119, 119}, {255, 255, 255}, 4.48},
    {"grey_76_just_enough", {118, 118, 118}, {255, 255, 255}, 4.54},
    {"diameter_green", {0, 192, 0}, {255, 255, 255}, 2.46},
    {"result_red", {255, 0, 0}, {255, 255, 255}, 4.0},
    {"blue", {0, 0, 255}, {255, 255, 255}, 8.59},
    {"black_on_dark_grey", {0, 0, 0}, {85, 85, 85}, 2.82},
};

class ContrastTest : public testing::TestWithParam<ContrastRow> {};

TEST_P(ContrastTest, AsPublished) {
    const ContrastRow& row = GetParam();
    EXPECT_NEAR(contrastRatio(row.ink, row.ground), row.ratio, 0.005);
    EXPECT_NEAR(contrastRatio(row.ground, row.ink), row.ratio, 0.005);
}

bool same(Rgb a, Rgb b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

bool sameHue(Rgb a, Rgb b) {
    // Scaled towards black or moved towards white, a colour keeps which channel leads.
    auto order = [](Rgb c) {
        return std::array<bool, 3>{c.red >= c.green, c.green >= c.blue, c.red >= c.blue};
    };
    return order(a) == order(b);
}

// Asked for more contrast, a pair below 4.5:1 reaches it by the least change in the same hue:
// the text darkened, or, where black text is not enough, the ground lightened.
TEST_P(ContrastTest, MadeLegibleInTheSameHue) {
    const ContrastRow& row = GetParam();
    const ColourPair legible = withContrast({row.ink, row.ground});
    EXPECT_GE(contrastRatio(legible.ink, legible.ground), kLegibleContrast);
    if (row.ratio >= kLegibleContrast) {
        EXPECT_TRUE(same(legible.ink, row.ink));
        EXPECT_TRUE(same(legible.ground, row.ground));
        return;
    }
    const bool inkDarkened = same(legible.ground, row.ground);
    EXPECT_TRUE(inkDarkened ? sameHue(legible.ink, row.ink) : sameHue(legible.ground, row.ground));
    // One step less of the change falls short: the change is the least.
    const Rgb lesser = inkDarkened ? Rgb{std::uint8_t(std::min(255, legible.ink.red + 1)),
                                         std::uint8_t(std::min(255, legible.ink.green + 1)),
                                         std::uint8_t(std::min(255, legible.ink.blue + 1))}
                                   : Rgb{std::uint8_t(legible.ground.red - 1),
                                         std::uint8_t(legible.ground.green - 1),
                                         std::uint8_t(legible.ground.blue - 1)};
    EXPECT_LT(inkDarkened ? contrastRatio(lesser, row.ground) : contrastRatio({0, 0, 0}, lesser),
              kLegibleContrast);
}

// The system colours of a description are those of the classic light scheme on every desktop.
TEST(ClassicScheme, SystemColoursAreLight) {
    const std::optional<Rgb> window = resolved(Colour::systemWindow());
    const std::optional<Rgb> text = resolved(Colour::systemWindowText());
    ASSERT_TRUE(window && text);
    EXPECT_EQ(window->red + window->green + window->blue, 3 * 255);
    EXPECT_EQ(text->red + text->green + text->blue, 0);
    EXPECT_FALSE(resolved(Colour()).has_value());
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageChoiceTest, testing::ValuesIn(kLanguageChoices),
                         rowName);
INSTANTIATE_TEST_SUITE_P(Languages, TranslationTest, testing::ValuesIn(kTranslations), rowName);
INSTANTIATE_TEST_SUITE_P(Languages, SeparatorTest, testing::ValuesIn(kSeparators), rowName);
INSTANTIATE_TEST_SUITE_P(Captions, AccessKeyTest, testing::ValuesIn(kAccessKeys), rowName);
INSTANTIATE_TEST_SUITE_P(Colours, FocusRingTest, testing::ValuesIn(kRings), rowName);
INSTANTIATE_TEST_SUITE_P(Colours, ContrastTest, testing::ValuesIn(kContrasts), rowName);

} // namespace
