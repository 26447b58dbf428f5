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
        .text("family", families)
        .text("weight", font.bold ? "bold" : "normal")
        .text("slant", font.italic ? "italic" : "normal")
        .raw("size", size)
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
    object.text("before", parts.before).text("key", parts.key).text("after", parts.after);
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
    object.text("inkMore", inkChanged ? css(legible.ink) : std::string())
        .text("groundMore", groundChanged ? css(legible.ground) : std::string());
}

std::string controlObject(const FormDescription& d, const ControlDescription& control, int tabPlace,
                          const WindowColours& window, const std::string& language) {
    const FormRect rect = inClientArea(d, control);
    const std::optional<Rgb> ground = groundOf(control);
    const Rgb behind = groundBehind(d, control, window.ground);
    const std::optional<Rgb> ink = inkOf(control);
    JsonObject object;
    object.text("name", control.name)
        .text("kind", kindName(control.kind))
        .text("panel", control.parent)
        .number("left", pixels(rect.left))
        .number("top", pixels(rect.top))
        .number("width", pixels(rect.width))
        .number("height", pixels(rect.height))
        .number("tab", tabPlace)
        .flag("centred", control.alignment == Alignment::Centre)
        .text("ground", ground ? css(*ground) : std::string())
        .text("ink", ink ? css(*ink) : std::string())
        .raw("font", control.font ? fontObject(*control.font) : "null")
        .text("ring", css(focusRingOn(ground.value_or(behind))))
        .text("announced", translate(language, control.accessibleName))
        .text("hint", translate(language, control.hint))
        .text("enter", control.enterClicks)
        .flag("escape", control.clickedByEscape);
    addLegibleColours(object, ink.value_or(window.ink), ground, behind);
    addCaption(object, control.caption, control.accessKey, language);
    return object.str();
}

std::string menuObject(const MenuEntryDescription& entry, const std::string& language) {
    JsonObject object;
    object.text("name", entry.name);
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
    window.text("form", form)
        .text("caption", translate(language, d.caption))
        .text("close", translate(language, kCloseWindow))
        .flag("placed", d.placed)
        .number("left", pixels(d.clientArea.left))
        .number("top", pixels(d.clientArea.top))
        .number("width", pixels(d.clientArea.width))
        .number("height", pixels(d.clientArea.height))
        .text("ground", css(colours.ground))
        .text("ink", css(colours.ink))
        .raw("font", fontObject(d.font.value_or(kDefaultFont)))
        .raw("controls", jsonArray(controls))
        .raw("menu", jsonArray(menu));
    return window.str();
}

} // namespace formules
