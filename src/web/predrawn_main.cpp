// formules-predrawn PREDRAWN NAMES REGISTRY: writes two of the page's scripts, and the registry
// of windows for the browser's tests, while the site is built, run by node.
//  - PREDRAWN lets the page draw the main window before the program has loaded: the window as
//    the web toolkit describes it to the page (PageWindow), in every language the program speaks.
//    The page draws the one in the user's language at once, and the program, once loaded, takes
//    it over when its own description is the same text (site/page/windows.js).
//  - NAMES gives the page the program's own names: the keys of a window's description
//    (PageWindow.h), the kinds of control and the kinds of user event (Page.h), which the page
//    reads descriptions and sends events with (site/page/described.js).
//  - REGISTRY is the registry of windows and the languages the program speaks, as JSON: each
//    window's name, the entry of the main window that opens it and, for a calculator, its
//    example, so that the browser's tests walk every window (tests/web/registry.py).
#include "Page.h"
#include "PageWindow.h"
#include "forms/Languages.h"
#include "shell/Application.h"
#include "shell/HeadlessToolkit.h"
#include "shell/Windows.h"

#include <cstdio>
#include <string>

namespace {

// The text as a JavaScript string literal; JSON's own escapes stay escaped.
std::string scriptString(const std::string& text) {
    std::string literal = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            literal += '\\';
        }
        literal += c;
    }
    return literal + "\"";
}

bool write(const char* path, const std::string& script) {
    std::FILE* output = std::fopen(path, "w");
    if (output == nullptr || std::fputs(script.c_str(), output) < 0 || std::fclose(output) != 0) {
        std::fprintf(stderr, "formules-predrawn: cannot write %s\n", path);
        return false;
    }
    return true;
}

// The names as a script's object.
std::string namesScript() {
    using formules::ControlKind;
    using Kind = formules::page::UserEvent::Kind;
    std::string keys;
    for (std::string_view key : formules::pageKey::kAll) {
        keys += (keys.empty() ? "" : ", ") + scriptString(std::string(key));
    }
    std::string kinds;
    for (ControlKind kind :
         {ControlKind::Button, ControlKind::TextBox, ControlKind::Label, ControlKind::PictureBox}) {
        const std::string name = formules::kindName(kind);
        kinds += (kinds.empty() ? "" : ", ") + name + ": " + scriptString(name);
    }
    const std::string events = "click: " + std::to_string(int(Kind::Click)) +
                               ", change: " + std::to_string(int(Kind::Change)) +
                               ", close: " + std::to_string(int(Kind::Close));
    return "// Written by formules-predrawn while the site was built.\n'use strict';\n\n"
           "const ProgramNames = {\n  keys: [" +
           keys + "],\n  kinds: { " + kinds + " },\n  events: { " + events + " },\n};\n";
}

std::string quoted(std::string_view text) {
    return scriptString(std::string(text));
}

// The registry as JSON; its texts hold no character that JSON would escape otherwise than a
// script's string does.
std::string registryJson() {
    std::string languages;
    for (const std::string& language : formules::spokenLanguages()) {
        languages += (languages.empty() ? "" : ", ") + quoted(language);
    }
    std::string windows;
    for (const formules::WindowRow& row : formules::windows()) {
        std::string example;
        for (const formules::TypedText& typed : row.example.typed) {
            if (!typed.box.empty()) {
                example += (example.empty() ? "" : ", ") + std::string("[") + quoted(typed.box) +
                           ", " + quoted(typed.text) + "]";
            }
        }
        const std::string help = row.isCalculator() && row.frame().helpLabel
                                     ? std::string(row.frame().helpLabel->name)
                                     : std::string();
        windows += std::string(windows.empty() ? "" : ",\n") + "  {\"name\": " + quoted(row.name) +
                   ", \"opener\": " + quoted(row.opener) +
                   ", \"calculator\": " + (row.isCalculator() ? "true" : "false") +
                   ", \"help\": " + quoted(help) + ", \"example\": [" + example +
                   "], \"result\": " + quoted(row.example.result) + "}";
    }
    return "{\"languages\": [" + languages + "],\n\"windows\": [\n" + windows + "\n]}\n";
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: formules-predrawn PREDRAWN NAMES REGISTRY\n");
        return 2;
    }
    formules::HeadlessToolkit toolkit;
    formules::Application application(toolkit);
    application.start();
    const formules::Form& main = *application.find(formules::FormId::Form1);
    const std::string form(formules::nameOf(formules::FormId::Form1));
    std::string script = "// Written by formules-predrawn while the site was built.\n"
                         "'use strict';\n\nconst PredrawnWindow = {\n  form: " +
                         scriptString(form) + ",\n  languages: {\n";
    for (const std::string& language : formules::spokenLanguages()) {
        script += "    " + language + ": " +
                  scriptString(formules::pageWindow(main.description(), form, language)) + ",\n";
    }
    script += "  },\n};\n";
    return write(argv[1], script) && write(argv[2], namesScript()) && write(argv[3], registryJson())
               ? 0
               : 1;
}
