#pragma once

#include "shell/Application.h"
#include "shell/HeadlessToolkit.h"

#include <string>

namespace formules {

// The whole program on the in-memory toolkit, started as the real one is, with the user's
// actions by window name.
struct HeadlessProgram {
    HeadlessToolkit toolkit;
    Application application{toolkit};

    HeadlessProgram() { application.start(); }

    Form& form(FormId id) {
        application.show(id);
        return *application.find(id);
    }
    void type(FormId id, const char* box, const std::string& text) {
        toolkit.type(form(id), box, text);
    }
    void click(FormId id, const char* control) { toolkit.click(form(id), control); }
    std::string box(FormId id, const char* name) { return toolkit.readBox(form(id), name); }
    SharedQuantities& q() { return application.quantities(); }
};

} // namespace formules
