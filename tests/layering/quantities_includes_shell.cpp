// Compiled with the quantities layer's include path only, this must fail: a layer does not see
// the layers above it.
#include "quantities/EntryValue.h"
#include "shell/Application.h"
