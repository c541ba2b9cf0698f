#pragma once
// Owns the loaded windows: each exists at most once, is created on first use (load, or show
// of a window that is not loaded), keeps its inputs while hidden, and is destroyed on unload.
#include <QPointer>
#include <functional>
#include <typeindex>
#include <unordered_map>
#include <vector>

#include "shell/ignoringerrors.h"
#include "ui/form.h"

// varodara.ui: the windows and their loading and unloading.
Q_DECLARE_LOGGING_CATEGORY(lcUi)

namespace ui {

class WindowRegistry {
public:
    WindowRegistry() = default;
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;
    ~WindowRegistry();

    // How a window of type F is built; set once per type before its first load.
    template <typename F>
    void define(std::function<F*()> make)
    {
        m_makers[typeid(F)] = [make = std::move(make)]() -> Form* { return make(); };
    }

    template <typename F>
    F* find() const
    {
        return dynamic_cast<F*>(findForm(typeid(F)));
    }

    template <typename F>
    F& load()
    {
        return dynamic_cast<F&>(loadForm(typeid(F)));
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

    // Unloads every loaded window once, in the order they were loaded.
    void unloadAll();

    std::vector<Form*> loadedForms() const;
    bool isLoaded(const Form& form) const;

private:
    struct Entry {
        std::type_index type;
        QPointer<QWidget> widget;
        Form* form;
        bool unloading = false;
    };

    Form* findForm(std::type_index type) const;
    Form& loadForm(std::type_index type);

    std::unordered_map<std::type_index, std::function<Form*()>> m_makers;
    std::vector<Entry> m_loaded;  // in load order
};

}  // namespace ui
