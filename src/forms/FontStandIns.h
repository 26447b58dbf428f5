#pragma once

#include "FormDescription.h"

#include <string_view>
#include <vector>

namespace formules {

// The design's font families are Windows ones that other systems lack. Each is drawn in its own
// family where the system has it, otherwise in its first installed stand-in: a family with the
// same metrics (Liberation, Arimo, Tinos), then the common ones of each system.

enum class GenericFamily { Sans, Serif };

// The family's stand-ins, in order of preference; none for a family the design does not use.
const std::vector<std::string_view>& standInsFor(std::string_view family);

// The font of the texts that set none, where the toolkit has no desktop default to take (a
// browser): the classic dialog font.
inline const FontDescription kDefaultFont{"MS Sans Serif", 8.25, false, false};

// Serif for Times New Roman, sans for the rest.
GenericFamily genericFamilyOf(std::string_view family);

} // namespace formules
