#pragma once
// A window of the program: loaded once on first use, shown and hidden at will, and
// unloaded (its unload behaviour run, then destroyed with everything typed into it).
// The WindowRegistry owns loaded forms; a form's close box goes through the same unload.
#include <QCloseEvent>
#include <QWidget>

namespace ui {

class WindowRegistry;

class Form {
public:
    virtual ~Form() = default;
    virtual QWidget* widget() = 0;
    // Runs once, when the registry loads the form.
    virtual void Form_Load() {}
    // Runs once, when the form is unloaded by any road; it cannot cancel the unload.
    virtual void Form_Unload() {}

protected:
    // The close box's road: the registry unloads the form (it is not yet unloading).
    void unloadThroughRegistry();

    friend class WindowRegistry;
    WindowRegistry* m_registry = nullptr;
};

// Base for the concrete windows: routes the close box through the registry's unload.
template <typename QtBase>
class FormWindow : public QtBase, public Form {
public:
    using QtBase::QtBase;
    QWidget* widget() override { return this; }

protected:
    void closeEvent(QCloseEvent* event) override;
};

template <typename QtBase>
void FormWindow<QtBase>::closeEvent(QCloseEvent* event)
{
    event->accept();
    unloadThroughRegistry();
}

}  // namespace ui
