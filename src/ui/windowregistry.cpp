#include "ui/windowregistry.h"

#include <algorithm>

#include "shell/ignoringerrors.h"
#include "ui/logging.h"

namespace ui {

WindowRegistry::~WindowRegistry()
{
    // Windows still loaded when the registry goes (tests, or the end of main) are destroyed
    // without their unload behaviour: the program is already over.
    for (Entry& entry : m_loaded) {
        // A window already destroyed (with a parent window, say) leaves its form dangling.
        if (!entry.widget)
            continue;
        entry.form->setUnload({});
        delete entry.widget.data();
    }
}

void WindowRegistry::adopt(Form& form)
{
    form.setUnload([this, &form] { unload(form); });
    m_loaded.push_back({form.widget(), &form});
    form.Form_Load();
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
    form.setUnload({});
    if (widget) {
        widget->hide();
        // Deferred: the unload may come from one of the window's own handlers.
        widget->deleteLater();
    }
}

void WindowRegistry::unloadAll()
{
    // An unload may load another window (leaving the main window shows the exit screen): go on
    // until none is left.
    for (std::vector<Form*> forms = loadedForms(); !forms.empty(); forms = loadedForms())
        unload(*forms.front());
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

}  // namespace ui
