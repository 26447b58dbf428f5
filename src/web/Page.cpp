#include "Page.h"

#include <emscripten/emscripten.h>

#include <cstdlib>

// Each call hands its texts to the page as UTF-8 with their lengths, and the page hands texts
// back the same way, in memory it allocates and this side frees (Program.textAt and
// Program.textInto in site/page/program.js), so that a text may hold any character. The
// JavaScript bodies are left as they are written.

using formules::page::CrossingText;

// clang-format off
EM_JS(void, formules_page_build_window, (const char* json, int length), {
    Page.buildWindow(Program.textAt(json, length));
});
EM_JS(void, formules_page_show_window, (const char* form, int length), {
    Page.showWindow(Program.textAt(form, length));
});
EM_JS(void, formules_page_focus_control, (const char* form, int formLength, const char* control,
                                         int controlLength), {
    Page.focusControl(Program.textAt(form, formLength), Program.textAt(control, controlLength));
});
EM_JS(void, formules_page_hide_window, (const char* form, int length), {
    Page.hideWindow(Program.textAt(form, length));
});
EM_JS(void, formules_page_remove_window, (const char* form, int length), {
    Page.removeWindow(Program.textAt(form, length));
});
EM_JS(void, formules_page_box_text, (const char* form, int formLength, const char* box,
                                     int boxLength, CrossingText* text), {
    Program.textInto(Page.boxText(Program.textAt(form, formLength),
                                  Program.textAt(box, boxLength)), text);
});
EM_JS(void, formules_page_set_box_text, (const char* form, int formLength, const char* box,
                                         int boxLength, const char* text, int textLength), {
    Page.setBoxText(Program.textAt(form, formLength), Program.textAt(box, boxLength),
                    Program.textAt(text, textLength));
});
EM_JS(void, formules_page_set_label_text, (const char* form, int formLength, const char* label,
                                           int labelLength, const char* text, int textLength), {
    Page.setLabelText(Program.textAt(form, formLength), Program.textAt(label, labelLength),
                      Program.textAt(text, textLength));
});
EM_JS(void, formules_page_focus_box, (const char* form, int formLength, const char* box,
                                     int boxLength), {
    Page.focusBox(Program.textAt(form, formLength), Program.textAt(box, boxLength));
});
EM_JS(void, formules_page_message_box, (const char* title, int titleLength,
                                        const char* message, int messageLength,
                                        const char* ok, int okLength, CrossingText* shown), {
    Program.textInto(Page.messageBox(Program.textAt(title, titleLength),
                                     Program.textAt(message, messageLength),
                                     Program.textAt(ok, okLength)), shown);
});
EM_JS(void, formules_page_end, (const char* ended, int endedLength, const char* restart,
                                int restartLength), {
    Page.end(Program.textAt(ended, endedLength), Program.textAt(restart, restartLength));
});
// 0 when no event waits; else the event's kind, its form and its control written.
EM_JS(int, formules_page_next_event, (CrossingText* form, CrossingText* control), {
    const event = Page.nextEvent();
    if (!event) {
        return 0;
    }
    Program.textInto(event.form, form);
    Program.textInto(event.control, control);
    return event.kind;
});
EM_JS(void, formules_page_set_address, (const char* fragment, int length), {
    Page.setAddress(Program.textAt(fragment, length));
});
EM_JS(void, formules_page_user_locale, (CrossingText* locale), {
    Program.textInto(Page.userLocale(), locale);
});
EM_JS(void, formules_page_decimal_separator, (const char* locale, int length,
                                              CrossingText* separator), {
    Program.textInto(Page.decimalSeparatorOf(Program.textAt(locale, length)), separator);
});
// clang-format on

namespace formules::page {

namespace {

int lengthOf(std::string_view text) {
    return static_cast<int>(text.size());
}

// The text the page wrote, its memory freed.
std::string taken(CrossingText& text) {
    std::string copy(text.data, static_cast<std::size_t>(text.length));
    std::free(text.data);
    text = CrossingText();
    return copy;
}

} // namespace

void buildWindow(const std::string& json) {
    formules_page_build_window(json.data(), lengthOf(json));
}

void showWindow(std::string_view form) {
    formules_page_show_window(form.data(), lengthOf(form));
}

void focusControl(std::string_view form, std::string_view control) {
    formules_page_focus_control(form.data(), lengthOf(form), control.data(), lengthOf(control));
}

void hideWindow(std::string_view form) {
    formules_page_hide_window(form.data(), lengthOf(form));
}

void removeWindow(std::string_view form) {
    formules_page_remove_window(form.data(), lengthOf(form));
}

std::string boxText(std::string_view form, std::string_view box) {
    CrossingText text;
    formules_page_box_text(form.data(), lengthOf(form), box.data(), lengthOf(box), &text);
    return taken(text);
}

void setBoxText(std::string_view form, std::string_view box, std::string_view text) {
    formules_page_set_box_text(form.data(), lengthOf(form), box.data(), lengthOf(box), text.data(),
                               lengthOf(text));
}

void setLabelText(std::string_view form, std::string_view label, std::string_view text) {
    formules_page_set_label_text(form.data(), lengthOf(form), label.data(), lengthOf(label),
                                 text.data(), lengthOf(text));
}

void focusBox(std::string_view form, std::string_view box) {
    formules_page_focus_box(form.data(), lengthOf(form), box.data(), lengthOf(box));
}

std::string messageBox(std::string_view title, std::string_view message, std::string_view ok) {
    CrossingText shown;
    formules_page_message_box(title.data(), lengthOf(title), message.data(), lengthOf(message),
                              ok.data(), lengthOf(ok), &shown);
    return taken(shown);
}

void end(std::string_view ended, std::string_view restart) {
    formules_page_end(ended.data(), lengthOf(ended), restart.data(), lengthOf(restart));
}

std::optional<UserEvent> nextEvent() {
    CrossingText form;
    CrossingText control;
    const int kind = formules_page_next_event(&form, &control);
    if (kind == 0) {
        return std::nullopt;
    }
    return UserEvent{static_cast<UserEvent::Kind>(kind), taken(form), taken(control)};
}

void setAddress(std::string_view fragment) {
    formules_page_set_address(fragment.data(), lengthOf(fragment));
}

std::string userLocale() {
    CrossingText locale;
    formules_page_user_locale(&locale);
    return taken(locale);
}

std::string decimalSeparatorOf(std::string_view locale) {
    CrossingText separator;
    formules_page_decimal_separator(locale.data(), lengthOf(locale), &separator);
    return taken(separator);
}

} // namespace formules::page
