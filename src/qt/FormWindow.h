#pragma once

#include "forms/FormDescription.h"

#include <QMainWindow>

#include <map>
#include <string>

class QLabel;
class QLineEdit;

namespace formules {

class Form;
class Toolkit;

// One top-level window built from a form's description: panels, labels, text boxes, buttons
// and menu bar, placed in form units converted to pixels. Its events, closing from the title
// bar included, go to the form through the toolkit's rules until the window is detached from it.
class FormWindow final : public QMainWindow {
public:
    // The window speaks the language (a code of spokenLanguages()).
    FormWindow(Form& form, Toolkit& toolkit, std::string language);

    QLineEdit* box(std::string_view name) const;
    QLabel* label(std::string_view name) const;
    // The widget of any control of the description.
    QWidget* control(std::string_view name) const;

    // Stops every event from reaching the form, which is about to be destroyed.
    void detach() { m_form = nullptr; }
    // Lets the window close without reporting it as the user's doing.
    void closeQuietly();
    // True while one of the window's events is being handled by the form.
    bool isDelivering() const { return m_delivering > 0; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build(const FormDescription& description);
    void connectControl(const ControlDescription& control, QWidget* widget);
    int pixels(int units) const;
    QString shown(const std::string& text) const;
    void buildMenu(const FormDescription& description);
    void setTabOrder(const FormDescription& description);
    void deliverClick(const std::string& control);
    // Hands a user's event to the toolkit, counting it as an event in progress.
    template <typename Handler> void deliver(Handler handler);

    Form* m_form;
    Toolkit& m_toolkit;
    int m_delivering = 0;
    bool m_closingQuietly = false;
    std::string m_language;
    double m_dotsPerInch = 96.0;
    std::map<std::string, QWidget*, std::less<>> m_controls;
};

} // namespace formules
