#include "Page.h"

#include <emscripten/emscripten.h>

#include <cstdlib>

// Each call hands its texts to the page as UTF-8 with their lengths, so that a text may hold any
// character; a text coming back is allocated by the page and freed here. The JavaScript bodies
// are left as they are written.

// clang-format off
EM_JS(void, formules_page_build_window, (const char* json), {
    Page.buildWindow(UTF8ToString(json));
});
EM_JS(void, formules_page_show_window, (const char* form, int length, int focusFirst), {
    Page.showWindow(UTF8ToString(form, length), focusFirst !== 0);
});
EM_JS(void, formules_page_hide_window, (const char* form, int length), {
    Page.hideWindow(UTF8ToString(form, length));
});
EM_JS(void, formules_page_remove_window, (const char* form, int length), {
    Page.removeWindow(UTF8ToString(form, length));
});
EM_JS(char*, formules_page_box_text, (const char* form, int formLength, const char* box,
                                      int boxLength), {
    return allocateUTF8(Page.boxText(UTF8ToString(form, formLength), UTF8ToString(box, boxLength)));
});
EM_JS(void, formules_page_set_box_text, (const char* form, int formLength, const char* box,
                                         int boxLength, const char* text, int textLength), {
    Page.setBoxText(UTF8ToString(form, formLength), UTF8ToString(box, boxLength),
                    UTF8ToString(text, textLength));
});
EM_JS(void, formules_page_set_label_text, (const char* form, int formLength, const char* label,
                                           int labelLength, const char* text, int textLength), {
    Page.setLabelText(UTF8ToString(form, formLength), UTF8ToString(label, labelLength),
                      UTF8ToString(text, textLength));
});
EM_JS(void, formules_page_focus_box, (const char* form, int formLength, const char* box,
                                     int boxLength), {
    Page.focusBox(UTF8ToString(form, formLength), UTF8ToString(box, boxLength));
});
EM_JS(char*, formules_page_message_box, (const char* title, int titleLength,
                                         const char* message, int messageLength,
                                         const char* ok, int okLength), {
    return allocateUTF8(Page.messageBox(UTF8ToString(title, titleLength),
                                        UTF8ToString(message, messageLength),
                                        UTF8ToString(ok, okLength)));
});
EM_JS(void, formules_page_end, (const char* ended, int endedLength, const char* restart,
                                int restartLength), {
    Page.end(UTF8ToString(ended, endedLength), UTF8ToString(restart, restartLength));
});
EM_JS(char*, formules_page_next_event, (), {
    return allocateUTF8(Page.nextEvent());
});
EM_JS(char*, formules_page_decimal_separator, (const char* language, int length), {
    return allocateUTF8(Page.decimalSeparatorOf(UTF8ToString(language, length)));
});
// clang-format on

namespace formules::page {

namespace {

int lengthOf(std::string_view text) {
    return static_cast<int>(text.size());
}

std::string taken(char* text) {
    std::string copy = text != nullptr ? text : "";
    std::free(text);
    return copy;
}

} // namespace

void buildWindow(const std::string& json) {
    formules_page_build_window(json.c_str());
}

void showWindow(std::string_view form, bool focusFirst) {
    formules_page_show_window(form.data(), lengthOf(form), focusFirst ? 1 : 0);
}

void hideWindow(std::string_view form) {
    formules_page_hide_window(form.data(), lengthOf(form));
}

void removeWindow(std::string_view form) {
    formules_page_remove_window(form.data(), lengthOf(form));
}

std::string boxText(std::string_view form, std::string_view box) {
    return taken(formules_page_box_text(form.data(), lengthOf(form), box.data(), lengthOf(box)));
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
    return taken(formules_page_message_box(title.data(), lengthOf(title), message.data(),
                                           lengthOf(message), ok.data(), lengthOf(ok)));
}

void end(std::string_view ended, std::string_view restart) {
    formules_page_end(ended.data(), lengthOf(ended), restart.data(), lengthOf(restart));
}

std::string nextEvent() {
    return taken(formules_page_next_event());
}

std::string decimalSeparatorOf(std::string_view language) {
    return taken(formules_page_decimal_separator(language.data(), lengthOf(language)));
}

} // namespace formules::page
