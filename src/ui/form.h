#pragma once
// A window of the program: loaded once on first use, shown and hidden at will, and
// unloaded (its unload behaviour run, then destroyed with everything typed into it).
// The WindowRegistry owns loaded forms; a form's close box goes through the same unload.
// Every form opens centred on its screen the first time it is shown, and passes a change of
// the desktop's colour scheme on to its controls that follow the desktop.
#include <QCloseEvent>
#include <QShowEvent>
#include <QString>
#include <QWidget>
#include <functional>
#include <utility>

#include "product.h"
#include "ui/colours.h"

namespace ui {

inline const QString kWindowCaption =
    QLatin1String(product::kCaption) + QLatin1String(" v") + QLatin1String(product::kVersion);

// Every window of the program: its design name, the program's caption and icon.
void NameWindow(QWidget* window, const QString& objectName);
void CenterOnScreen(QWidget* window);
// Where a window of the given frame size goes in the screen's available area: centred, but on
// an axis where it is larger than the area its top-left corner stays inside the area, so that
// its caption and left edge stay on the screen.
QPoint PlaceOnScreen(const QSize& frame, const QRect& available);

class Form {
public:
    virtual ~Form() = default;
    virtual QWidget* widget() = 0;
    // Runs once, when the registry loads the form.
    virtual void Form_Load() {}
    // Runs once, when the form is unloaded by any road; it cannot cancel the unload.
    virtual void Form_Unload() {}

    // How the close box unloads the form: set by whoever owns it, cleared once it is unloading.
    void setUnload(std::function<void()> unload) { m_unload = std::move(unload); }

protected:
    void unloadByOwner()
    {
        // A copy: the owner clears the form's own while the unload runs.
        if (const std::function<void()> unload = m_unload)
            unload();
    }

private:
    std::function<void()> m_unload;
};

// Base for the concrete windows.
template <typename QtBase>
class FormWindow : public QtBase, public Form {
public:
    using QtBase::QtBase;
    QWidget* widget() override { return this; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool m_placed = false;
};

template <typename QtBase>
bool FormWindow<QtBase>::event(QEvent* event)
{
    const bool handled = QtBase::event(event);
    if (event->type() == QEvent::ApplicationPaletteChange)
        FollowDesktopAgain(this);
    return handled;
}

template <typename QtBase>
void FormWindow<QtBase>::closeEvent(QCloseEvent* event)
{
    event->accept();
    unloadByOwner();
}

template <typename QtBase>
void FormWindow<QtBase>::showEvent(QShowEvent* event)
{
    if (!m_placed) {
        m_placed = true;
        CenterOnScreen(this);
    }
    QtBase::showEvent(event);
}

}  // namespace ui
