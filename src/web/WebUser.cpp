#include "WebUser.h"

#include "shell/HeadlessToolkit.h"
#include "shell/Windows.h"

#include <emscripten/emscripten.h>

#include <cstdlib>

// The replay page's user (replay-page.js): each returns 0 when the window has no such control.
// clang-format off
EM_JS(int, formules_user_type, (const char* form, const char* box, const char* character), {
    return ReplayUser.type(UTF8ToString(form), UTF8ToString(box), UTF8ToString(character));
});
EM_JS(int, formules_user_erase, (const char* form, const char* box), {
    return ReplayUser.erase(UTF8ToString(form), UTF8ToString(box));
});
EM_JS(int, formules_user_paste, (const char* form, const char* box, const char* text), {
    return ReplayUser.paste(UTF8ToString(form), UTF8ToString(box), UTF8ToString(text));
});
EM_JS(int, formules_user_click, (const char* form, const char* control), {
    return ReplayUser.click(UTF8ToString(form), UTF8ToString(control));
});
EM_JS(int, formules_user_close, (const char* form), {
    return ReplayUser.close(UTF8ToString(form));
});
EM_JS(char*, formules_user_read, (const char* form, const char* control), {
    const text = ReplayUser.read(UTF8ToString(form), UTF8ToString(control));
    return text === null ? 0 : allocateUTF8(text);
});
// clang-format on

namespace formules {

namespace {

void mustExist(int found, const Form& form, const char* what, std::string_view name) {
    if (found == 0) {
        refuseUnknown("web toolkit", form, what, name);
    }
}

} // namespace

WebUser::WebUser() {
    m_toolkit.setDecimalSeparator(".");
}

std::string WebUser::windowName(const Form& form) const {
    return std::string(nameOf(form.description().id));
}

void WebUser::type(Form& form, std::string_view box, std::string_view text) {
    const std::string name = windowName(form);
    const std::string boxName(box);
    for (std::string_view character : charactersOf(text)) {
        mustExist(formules_user_type(name.c_str(), boxName.c_str(), std::string(character).c_str()),
                  form, "no text box", box);
        m_toolkit.deliverEvents();
    }
}

void WebUser::erase(Form& form, std::string_view box, unsigned count) {
    const std::string name = windowName(form);
    const std::string boxName(box);
    for (unsigned i = 0; i < count && !m_toolkit.readBox(form, box).empty(); ++i) {
        mustExist(formules_user_erase(name.c_str(), boxName.c_str()), form, "no text box", box);
        m_toolkit.deliverEvents();
    }
}

void WebUser::paste(Form& form, std::string_view box, std::string_view text) {
    mustExist(formules_user_paste(windowName(form).c_str(), std::string(box).c_str(),
                                  std::string(text).c_str()),
              form, "no text box", box);
    m_toolkit.deliverEvents();
}

void WebUser::click(Form& form, std::string_view control) {
    mustExist(formules_user_click(windowName(form).c_str(), std::string(control).c_str()), form,
              "no button or menu entry", control);
    m_toolkit.deliverEvents();
}

void WebUser::close(Form& form) {
    formules_user_close(windowName(form).c_str());
    m_toolkit.deliverEvents();
}

std::string WebUser::read(Form& form, std::string_view control) {
    char* text = formules_user_read(windowName(form).c_str(), std::string(control).c_str());
    mustExist(text != nullptr, form, "no control with a text", control);
    std::string copy(text);
    std::free(text);
    return copy;
}

void WebUser::setDecimalSeparator(const std::string& separator) {
    m_toolkit.setDecimalSeparator(separator);
}

void WebUser::setMessageListener(MessageListener listener) {
    m_toolkit.setMessageListener(std::move(listener));
}

} // namespace formules
