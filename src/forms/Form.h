#pragma once

#include "FormDescription.h"

#include <string_view>

namespace formules {

// The program's side of one window: its design-time description and its event handlers. The
// toolkit builds the window from the description and delivers the window's events here.
class Form {
public:
    virtual ~Form() = default;

    virtual const FormDescription& description() const = 0;

    // A click on a button or menu entry; controls without a handler do nothing.
    virtual void click(std::string_view control) = 0;

    // A text box's text has changed; boxes without a handler do nothing.
    virtual void change(std::string_view box) = 0;

    // The user closed the window from its title bar.
    virtual void closedFromTitleBar() = 0;
};

} // namespace formules
