#include "Toolkit.h"

#include "Form.h"

#include <cstdio>
#include <cstdlib>

namespace formules {

void refuseUnknown(const char* toolkit, const Form& form, const char* what, std::string_view name) {
    const std::string& caption = form.description().caption;
    std::fprintf(stderr, "%s: %s %.*s in the window \"%s\"\n", toolkit, what, int(name.size()),
                 name.data(), caption.c_str());
    std::abort();
}

} // namespace formules
