#pragma once
// frmAbout: the About window, shown modally from Help > About Software and built afresh at
// each opening; its two link labels call modHelp. OK, Enter, Esc and the close box end the
// modal run; the caller then unloads the window.
#include <QDialog>

#include "ui/appcontext.h"
#include "ui/form.h"

namespace ui {

class frmAbout : public FormWindow<QDialog> {
    Q_OBJECT
public:
    explicit frmAbout(AppContext& context);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    AppContext& m_context;
};

}  // namespace ui
