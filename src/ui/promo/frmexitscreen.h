#pragma once
// frmExitScreen: the last window. Shown when the main or the result window is left; its Exit
// button and its own closing end the program through EndProgram. Carries the Refer A Friend
// frame (ReferAFriendBox, which submits through modTellAFriend).
//   Form_Load -> random promotional line; visit check / lblGoToHome -> modHelp pages.
#include <QStringList>
#include <QWidget>

#include "ui/appcontext.h"
#include "ui/form.h"
#include "ui/promo/referafriendbox.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace ui {

class frmExitScreen : public FormWindow<QWidget> {
    Q_OBJECT
public:
    explicit frmExitScreen(AppContext& context);

    void Form_Load() override;
    void Form_Unload() override;

private:
    void visitSiteCheck_Click();
    void lblGoToHome_Click();
    void cmdClose_Click();
    void buildControls();
    void buildTabOrder();

    AppContext& m_context;

    QLabel* m_promotionalLine = nullptr;
    QCheckBox* m_visitSiteCheck = nullptr;
    QPushButton* m_cmdClose = nullptr;
    ReferAFriendBox* m_referFrame = nullptr;
};

// The four promotional lines, naming the maker's main site.
QStringList PromotionalLines();

}  // namespace ui
