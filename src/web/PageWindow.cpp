#include "PageWindow.h"

#include "forms/ClassicScheme.h"
#include "forms/FontStandIns.h"
#include "forms/FormUnits.h"
#include "forms/Languages.h"
#include "forms/ToolkitTexts.h"

#include <cstdio>
#include <optional>
#include <vector>

namespace formules {

namespace {

// A JSON object written member by member; texts are escaped, never interpreted.
class JsonObject {
public:
    JsonObject& text(std::string_view key, std::string_view value) {
        return raw(key, quoted(value));
    }
    JsonObject& number(std::string_view key, int value) { return raw(key, std::to_string(value)); }
    JsonObject& flag(std::string_view key, bool value) {
        return raw(key, value ? "true" : "false");
    }
    JsonObject& raw(std::string_view key, std::string_view json) {
        m_json += m_json.empty() ? "{" : ",";
        m_json += quoted(key) + ":" + std::string(json);
        return *this;
    }
    std::string str() const { return m_json.empty() ? "{}" : m_json + "}"; }

    static std::string quoted(std::string_view value) {
        std::string out = "\"";
        for (char c : value) {
            const auto byte = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                out += '\\';
                out += c;
            } else if (byte < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
                out += escaped;
            } else {
                out += c;
            }
        }
        return out + "\"";
    }

private:
    std::string m_json;
};

std::string jsonArray(const std::vector<std::string>& items) {
    std::string json = "[";
    for (const std::string& item : items) {
        json += (json.size() > 1 ? "," : "") + item;
    }
    return json + "]";
}

std::string jsonTexts(const std::vector<std::string>& texts) {
    std::vector<std::string> quoted;
    for (const std::string& text : texts) {
        quoted.push_back(JsonObject::quoted(text));
    }
    return jsonArray(quoted);
}

int pixels(int units) {
    return formUnitsToPixels(units, kCssPixelsPerInch);
}

std::string css(Rgb colour) {
    return "rgb(" + std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
           std::to_string(colour.blue) + ")";
}

// The font in its CSS parts: its family, its stand-ins and the generic family, so that every
// device draws it in the nearest font it has; its weight, its slant, and its size in pixels.
std::string fontObject(const FontDescription& font) {
    std::string families = JsonObject::quoted(font.family);
    for (std::string_view standIn : standInsFor(font.family)) {
        families += ", " + JsonObject::quoted(standIn);
    }
    families += genericFamilyOf(font.family) == GenericFamily::Serif ? ", serif" : ", sans-serif";
    char size[32];
    std::snprintf(size, sizeof size, "%.2f", pointsToPixels(font.pointSize, kCssPixelsPerInch));
    return JsonObject()
        .text(pageKey::kFamily, families)
        .text(pageKey::kWeight, font.bold ? "bold" : "normal")
        .text(pageKey::kSlant, font.italic ? "italic" : "normal")
        .raw(pageKey::kSize, size)
        .str();
}

struct WindowColours {
    Rgb ground;
    Rgb ink;
};

// A caption in the language, split around its access key.
void addCaption(JsonObject& object, const std::string& caption, char accessKey,
                const std::string& language) {
    const std::string shown = translate(language, caption);
    const AccessKeyParts parts = splitAtAccessKey(markedWithAccessKey(shown, accessKey));
    object.text(pageKey::kBefore, parts.before)
        .text(pageKey::kKey, parts.key)
        .text(pageKey::kAfter, parts.after);
}

// Each control's place in the window's tab order; -1 for one that takes no focus.
std::vector<int> tabPlaces(const FormDescription& d) {
    const std::vector<const ControlDescription*> order = tabOrder(d);
    std::vector<int> places(d.controls.size(), -1);
    for (std::size_t place = 0; place < order.size(); ++place) {
        places[std::size_t(order[place] - d.controls.data())] = static_cast<int>(place);
    }
    return places;
}

// The control's rectangle in the client area: a panel's controls are placed inside it.
FormRect inClientArea(const FormDescription& d, const ControlDescription& control) {
    FormRect rect = control.rect;
    for (const ControlDescription* panel = d.control(control.parent); panel != nullptr;
         panel = d.control(panel->parent)) {
        rect.left += panel->rect.left;
        rect.top += panel->rect.top;
    }
    return rect;
}

// What shows behind a control without a ground of its own: its panel's ground, or the window's.
Rgb groundBehind(const FormDescription& d, const ControlDescription& control, Rgb windowGround) {
    for (const ControlDescription* panel = d.control(control.parent); panel != nullptr;
         panel = d.control(panel->parent)) {
        if (const std::optional<Rgb> ground = groundOf(*panel)) {
            return *ground;
        }
    }
    return windowGround;
}

// The colours for a user who asks for more contrast, where the described ones have too little:
// a text darkened, or a ground of the control's own lightened. Empty where nothing changes.
void addLegibleColours(JsonObject& object, Rgb ink, std::optional<Rgb> ownGround, Rgb behind) {
    const ColourPair described{ink, ownGround.value_or(behind)};
    ColourPair legible = withContrast(described);
    if (!ownGround) {
        legible.ground = behind; // a ground that is not the control's own stays as it is
    }
    const bool inkChanged = css(legible.ink) != css(described.ink);
    const bool groundChanged = css(legible.ground) != css(described.ground);
    object.text(pageKey::kInkMore, inkChanged ? css(legible.ink) : std::string())
        .text(pageKey::kGroundMore, groundChanged ? css(legible.ground) : std::string());
}

std::string controlObject(const FormDescription& d, const ControlDescription& control, int tabPlace,
                          const WindowColours& window, const std::string& language) {
    const FormRect rect = inClientArea(d, control);
    const std::optional<Rgb> ground = groundOf(control);
    const Rgb behind = groundBehind(d, control, window.ground);
    const std::optional<Rgb> ink = inkOf(control);
    JsonObject object;
    object.text(pageKey::kName, control.name)
        .text(pageKey::kKind, kindName(control.kind))
        .text(pageKey::kPanel, control.parent)
        .number(pageKey::kLeft, pixels(rect.left))
        .number(pageKey::kTop, pixels(rect.top))
        .number(pageKey::kWidth, pixels(rect.width))
        .number(pageKey::kHeight, pixels(rect.height))
        .number(pageKey::kTab, tabPlace)
        .flag(pageKey::kCentred, control.alignment == Alignment::Centre)
        .text(pageKey::kGround, ground ? css(*ground) : std::string())
        .text(pageKey::kInk, ink ? css(*ink) : std::string())
        .raw(pageKey::kFont, control.font ? fontObject(*control.font) : "null")
        .text(pageKey::kRing, css(focusRingOn(ground.value_or(behind))))
        .text(pageKey::kAnnounced, translate(language, control.accessibleName))
        .text(pageKey::kHint, translate(language, control.hint))
        .text(pageKey::kEnter, control.enterClicks)
        .flag(pageKey::kEscape, control.clickedByEscape)
        .raw(pageKey::kLabels, jsonTexts(control.namedBy));
    addLegibleColours(object, ink.value_or(window.ink), ground, behind);
    addCaption(object, control.caption, control.accessKey, language);
    return object.str();
}

std::string menuObject(const MenuEntryDescription& entry, const std::string& language) {
    JsonObject object;
    object.text(pageKey::kName, entry.name);
    addCaption(object, entry.caption, entry.accessKey, language);
    return object.str();
}

} // namespace

std::string pageWindow(const FormDescription& d, std::string_view form,
                       const std::string& language) {
    const WindowColours colours{resolved(d.background).value_or(kClassicScheme.face),
                                resolved(d.foreground).value_or(kClassicScheme.text)};
    const std::vector<int> places = tabPlaces(d);
    std::vector<std::string> controls;
    for (std::size_t i = 0; i < d.controls.size(); ++i) {
        controls.push_back(controlObject(d, d.controls[i], places[i], colours, language));
    }
    std::vector<std::string> menu;
    for (const MenuEntryDescription& entry : d.menu) {
        menu.push_back(menuObject(entry, language));
    }
    JsonObject window;
    window.text(pageKey::kForm, form)
        .text(pageKey::kCaption, translate(language, d.caption))
        .text(pageKey::kClose, translate(language, kCloseWindow))
        .flag(pageKey::kPlaced, d.placed)
        .number(pageKey::kLeft, pixels(d.clientArea.left))
        .number(pageKey::kTop, pixels(d.clientArea.top))
        .number(pageKey::kWidth, pixels(d.clientArea.width))
        .number(pageKey::kHeight, pixels(d.clientArea.height))
        .text(pageKey::kGround, css(colours.ground))
        .text(pageKey::kInk, css(colours.ink))
        .raw(pageKey::kFont, fontObject(d.font.value_or(kDefaultFont)))
        .raw(pageKey::kControls, jsonArray(controls))
        .raw(pageKey::kMenu, jsonArray(menu));
    return window.str();
}

} // namespace formules
