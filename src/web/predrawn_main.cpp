// formules-predrawn OUTPUT: writes the script that lets the page draw the main window before the
// program has loaded: the window as the web toolkit describes it to the page (PageWindow), in
// every language the program speaks. The page draws the one in the user's language at once, and
// the program, once loaded, takes it over when its own description is the same text
// (site/page/windows.js). Run by node while the site is built.
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

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: formules-predrawn OUTPUT\n");
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
    std::FILE* output = std::fopen(argv[1], "w");
    if (output == nullptr || std::fputs(script.c_str(), output) < 0 || std::fclose(output) != 0) {
        std::fprintf(stderr, "formules-predrawn: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
