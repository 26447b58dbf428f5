#pragma once

#include "shell/FormDescription.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>
#include <string>

class Form;
class QLineEdit;

// One top-level window built from a form's description: panels, labels, text boxes, buttons
// and menu bar, placed in form units converted to pixels. Its events go to the form until the
// window is detached from it.
class FormWindow final : public QMainWindow {
public:
    FormWindow(Form& form, std::function<void(FormId)> onClosedByUser);

    QLineEdit* box(std::string_view name) const;

    // Stops every event from reaching the form, which is about to be destroyed.
    void detach() { m_form = nullptr; }
    // Lets the window close without reporting it as the user's doing.
    void closeQuietly();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build(const FormDescription& description);
    QWidget* createControl(const ControlDescription& control, QWidget* parent);
    void buildMenu(const FormDescription& description);
    void setTabOrder(const FormDescription& description);
    void deliverClick(const std::string& control);
    void deliverChange(const std::string& box);

    Form* m_form;
    FormId m_id;
    std::function<void(FormId)> m_onClosedByUser;
    bool m_closingQuietly = false;
    double m_pixelsPerUnit = 1.0 / 15.0;
    std::map<std::string, QWidget*, std::less<>> m_controls;
};
