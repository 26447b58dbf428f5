#include "WebUser.h"

#include "Page.h"
#include "shell/HeadlessToolkit.h"
#include "shell/Windows.h"

#include <emscripten/emscripten.h>

#include <cstdlib>

using formules::page::CrossingText;

// The replay page's user (replay-page.js): each returns 0 when the window has no such control.
// Texts cross as UTF-8 with their lengths (Page.h).
// clang-format off
EM_JS(int, formules_user_type, (const char* form, int formLength, const char* box, int boxLength,
                                const char* character, int characterLength), {
    return ReplayUser.type(Program.textAt(form, formLength), Program.textAt(box, boxLength),
                           Program.textAt(character, characterLength));
});
EM_JS(int, formules_user_erase, (const char* form, int formLength, const char* box,
                                 int boxLength), {
    return ReplayUser.erase(Program.textAt(form, formLength), Program.textAt(box, boxLength));
});
EM_JS(int, formules_user_paste, (const char* form, int formLength, const char* box, int boxLength,
                                 const char* text, int textLength), {
    return ReplayUser.paste(Program.textAt(form, formLength), Program.textAt(box, boxLength),
                            Program.textAt(text, textLength));
});
EM_JS(int, formules_user_click, (const char* form, int formLength, const char* control,
                                 int controlLength), {
    return ReplayUser.click(Program.textAt(form, formLength),
                            Program.textAt(control, controlLength));
});
EM_JS(void, formules_user_acknowledge_messages, (), {
    ReplayUser.acknowledgeMessages();
});
EM_JS(int, formules_user_close, (const char* form, int formLength), {
    return ReplayUser.close(Program.textAt(form, formLength));
});
EM_JS(int, formules_user_read, (const char* form, int formLength, const char* control,
                                int controlLength, CrossingText* text), {
    const read = ReplayUser.read(Program.textAt(form, formLength),
                                 Program.textAt(control, controlLength));
    if (read === null) {
        return 0;
    }
    Program.textInto(read, text);
    return 1;
});
// clang-format on

namespace formules {

namespace {} // namespace

// What the description has and the page lacks is a fault of the page, which stops the run as an
// unknown control does.
void WebUser::mustExist(int found, const Form& form, const char* what,
                        std::string_view name) const {
    if (found == 0) {
        m_toolkit.refuse(form, what, name);
    }
}

std::string WebUser::windowName(const Form& form) const {
    return std::string(nameOf(form.description().id));
}

namespace {

int lengthOf(std::string_view text) {
    return static_cast<int>(text.size());
}

} // namespace

void WebUser::type(Form& form, std::string_view box, std::string_view text) {
    m_toolkit.checkBox(form, box);
    const std::string name = windowName(form);
    for (std::string_view character : charactersOf(text)) {
        mustExist(formules_user_type(name.data(), lengthOf(name), box.data(), lengthOf(box),
                                     character.data(), lengthOf(character)),
                  form, "no text box", box);
        m_toolkit.deliverEvents();
    }
}

void WebUser::erase(Form& form, std::string_view box, unsigned count) {
    m_toolkit.checkBox(form, box);
    const std::string name = windowName(form);
    for (unsigned i = 0; i < count && !m_toolkit.readBox(form, box).empty(); ++i) {
        mustExist(formules_user_erase(name.data(), lengthOf(name), box.data(), lengthOf(box)), form,
                  "no text box", box);
        m_toolkit.deliverEvents();
    }
}

void WebUser::paste(Form& form, std::string_view box, std::string_view text) {
    m_toolkit.checkBox(form, box);
    const std::string name = windowName(form);
    mustExist(formules_user_paste(name.data(), lengthOf(name), box.data(), lengthOf(box),
                                  text.data(), lengthOf(text)),
              form, "no text box", box);
    m_toolkit.deliverEvents();
}

void WebUser::click(Form& form, std::string_view control) {
    m_toolkit.checkClickable(form, control);
    const std::string name = windowName(form);
    mustExist(formules_user_click(name.data(), lengthOf(name), control.data(), lengthOf(control)),
              form, "no button or menu entry", control);
    m_toolkit.deliverEvents();
}

void WebUser::close(Form& form) {
    const std::string name = windowName(form);
    formules_user_close(name.data(), lengthOf(name));
    m_toolkit.deliverEvents();
}

std::string WebUser::read(Form& form, std::string_view control) {
    m_toolkit.checkControl(form, control);
    const std::string name = windowName(form);
    CrossingText text;
    mustExist(
        formules_user_read(name.data(), lengthOf(name), control.data(), lengthOf(control), &text),
        form, "no control with a text", control);
    std::string copy(text.data, static_cast<std::size_t>(text.length));
    std::free(text.data);
    return copy;
}

void WebUser::beforeShowing() {
    formules_user_acknowledge_messages();
}

void WebUser::setMessageListener(MessageListener listener) {
    m_toolkit.setMessageListener(std::move(listener));
}

} // namespace formules
