#include "ui/windowregistry.h"

#include <algorithm>
#include <stdexcept>

Q_LOGGING_CATEGORY(lcUi, "varodara.ui")

namespace ui {

void Form::unloadThroughRegistry()
{
    if (m_registry != nullptr)
        m_registry->unload(*this);
}

WindowRegistry::~WindowRegistry()
{
    // Windows still loaded when the registry goes (tests, or the end of main) are destroyed
    // without their unload behaviour: the program is already over.
    for (Entry& entry : m_loaded) {
        // A window already destroyed (with a parent window, say) leaves its form dangling.
        if (!entry.widget)
            continue;
        entry.form->m_registry = nullptr;
        delete entry.widget.data();
    }
}

Form* WindowRegistry::findForm(std::type_index type) const
{
    const auto it =
        std::find_if(m_loaded.begin(), m_loaded.end(), [&](const Entry& e) { return e.type == type && e.widget; });
    return it == m_loaded.end() ? nullptr : it->form;
}

Form& WindowRegistry::loadForm(std::type_index type)
{
    if (Form* form = findForm(type))
        return *form;
    const auto maker = m_makers.find(type);
    if (maker == m_makers.end())
        throw std::logic_error("WindowRegistry: no way to build this window");
    Form* form = maker->second();
    form->m_registry = this;
    m_loaded.push_back({type, form->widget(), form});
    form->Form_Load();
    return *form;
}

void WindowRegistry::unload(Form& form)
{
    const auto it = std::find_if(m_loaded.begin(), m_loaded.end(), [&](const Entry& e) { return e.form == &form; });
    if (it == m_loaded.end() || it->unloading)
        return;
    it->unloading = true;
    // A failing unload behaviour must not keep the window: the user asked it to go.
    const QByteArray what = "unloading " + form.widget()->objectName().toUtf8();
    shell::IgnoringErrors(lcUi, what.constData(), [&] { form.Form_Unload(); });
    // Form_Unload may have loaded or unloaded other windows: look the entry up again.
    const auto again = std::find_if(m_loaded.begin(), m_loaded.end(), [&](const Entry& e) { return e.form == &form; });
    QPointer<QWidget> widget = again->widget;
    m_loaded.erase(again);
    form.m_registry = nullptr;
    if (widget) {
        widget->hide();
        // Deferred: the unload may come from one of the window's own handlers.
        widget->deleteLater();
    }
}

void WindowRegistry::unloadAll()
{
    const std::vector<Form*> forms = loadedForms();
    for (Form* form : forms) {
        if (isLoaded(*form))
            unload(*form);
    }
}

std::vector<Form*> WindowRegistry::loadedForms() const
{
    std::vector<Form*> forms;
    for (const Entry& entry : m_loaded) {
        if (entry.widget && !entry.unloading)
            forms.push_back(entry.form);
    }
    return forms;
}

bool WindowRegistry::isLoaded(const Form& form) const
{
    return std::any_of(m_loaded.begin(), m_loaded.end(),
                       [&](const Entry& e) { return e.form == &form && e.widget && !e.unloading; });
}

}  // namespace ui
