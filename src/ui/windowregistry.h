#pragma once
// Owns the loaded windows: each exists at most once, is created on first use (load, or show
// of a window that is not loaded), keeps its inputs while hidden, and is destroyed on unload.
// A window of type F is built as F(context), with the context that holds this registry.
#include <QPointer>
#include <vector>

#include "ui/form.h"

namespace ui {

struct AppContext;

class WindowRegistry {
public:
    explicit WindowRegistry(AppContext& context) : m_context(context) {}
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;
    ~WindowRegistry();

    // The loaded window of type F (also while it unloads), if any. There is one window of
    // each type, so its type finds it.
    template <typename F>
    F* find() const
    {
        for (const Entry& entry : m_loaded) {
            if (auto* found = dynamic_cast<F*>(entry.form); found != nullptr && entry.widget)
                return found;
        }
        return nullptr;
    }

    template <typename F>
    F& load()
    {
        if (F* form = find<F>())
            return *form;
        auto* form = new F(m_context);
        adopt(*form);
        return *form;
    }

    // Modeless show; loads the window first when it is not loaded.
    template <typename F>
    F& show()
    {
        F& form = load<F>();
        form.widget()->show();
        return form;
    }

    template <typename F>
    void hide()
    {
        if (F* form = find<F>())
            form->widget()->hide();
    }

    template <typename F>
    void unload()
    {
        if (F* form = find<F>())
            unload(*form);
    }

    // Runs Form_Unload (errors ignored), then hides and destroys the window. A window that is
    // not loaded, or already being unloaded, is left alone.
    void unload(Form& form);

    // Unloads the loaded windows in the order they were loaded, until none is left.
    void unloadAll();

    std::vector<Form*> loadedForms() const;

private:
    struct Entry {
        QPointer<QWidget> widget;
        Form* form;
        bool unloading = false;
    };

    // Takes a newly built window and runs its Form_Load.
    void adopt(Form& form);

    AppContext& m_context;
    std::vector<Entry> m_loaded;  // in load order
};

}  // namespace ui
