#pragma once

#include "forms/FormDescription.h"

#include <string>
#include <string_view>

namespace formules {

// A window's description as the page builds it: a JSON object with its caption, its client
// area and place in CSS pixels (96 to the inch), its colours in the classic scheme, its fonts
// with their stand-ins, and its controls and menu entries in the language, each caption split
// around its access key. Controls come in the order of the description, which is the order they
// are drawn in (a panel under what it holds); each focusable one carries its place in the
// described tab order.
std::string pageWindow(const FormDescription& description, std::string_view form,
                       const std::string& language);

} // namespace formules
