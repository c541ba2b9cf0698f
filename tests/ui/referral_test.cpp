// Refer A Friend: the tests of the entries in their order, and the exact address that reaches
// the browser (plain concatenation, trimmed values, code page 1252 on the way out).
#include "ui/promo/frmexitscreen.h"  // first: form.h before the registry

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>
#include <optional>

#include "appfixture.h"
#include "ui/promo/modtellafriend.h"

namespace {

const QString kProperAddress = QStringLiteral("Please Enter Proper Email Address");
const QString kDistinct = QStringLiteral("Please Enter Distinct Email Addresses");

// The address the browser must get for these (already trimmed) values.
QString ReferralUrl(const QString& name, const QString& email, const QString& message, const QString& friendName,
                    const QString& friendEmail)
{
    const QString site = shell::SiteAddress(shell::Site::Main);
    return site + QStringLiteral("/ovms-refer-a-friend.php?taf1=") + name + QStringLiteral("&taf2=") + email +
           QStringLiteral("&taf3=") + message + QStringLiteral("&taf4=") + friendName + QStringLiteral("&taf5=") +
           friendEmail + QStringLiteral("&taf6=") + site + QStringLiteral("/ov-free-varodara-zevaz-adavuv/");
}

const QString kUntouchedMessage = QStringLiteral("Your Message\r\n");

class ReferralTest : public AppFixture {
protected:
    // What the boxes hold when the button is pressed; valid, distinct details by default.
    struct Entries {
        QString name = QStringLiteral("Ann");
        QString email = QStringLiteral("ann@example.org");
        QString friendName = QStringLiteral("Bob");
        QString friendEmail = QStringLiteral("bob@example.net");
        QString message = kUntouchedMessage;
    };

    void SetUp() override
    {
        AppFixture::SetUp();
        form = &registry.show<ui::frmExitScreen>();
        activate(form);
        boxes = {child<QLineEdit>(form, "txtName"), child<QLineEdit>(form, "txtEmail"),
                 child<QLineEdit>(form, "txtFriendName"), child<QLineEdit>(form, "txtFriendEmail")};
        message = child<QPlainTextEdit>(form, "txtMessage");
        submit = child<QPushButton>(form, "cmdSubmit");
    }

    void fill(const Entries& entries)
    {
        boxes[0]->setText(entries.name);
        boxes[1]->setText(entries.email);
        boxes[2]->setText(entries.friendName);
        boxes[3]->setText(entries.friendEmail);
        message->setPlainText(entries.message);
    }

    QStringList texts() const
    {
        QStringList result;
        for (const QLineEdit* box : boxes)
            result << box->text();
        return result << ui::MessageBoxText(*message);
    }

    // Tabs from txtFriendName into the unseen message box, selects all there, types (or
    // deletes) and tabs on.
    void editMessageBlind(const QString& typed)
    {
        boxes[2]->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), message);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        if (typed.isEmpty())
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        else
            QTest::keyClicks(QApplication::focusWidget(), typed);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }

    ui::frmExitScreen* form = nullptr;
    std::array<QLineEdit*, 4> boxes{};
    QPlainTextEdit* message = nullptr;
    QPushButton* submit = nullptr;
};

TEST_F(ReferralTest, each_entry_is_tested_in_order_and_a_passing_one_opens_the_exact_address)
{
    const QString ann = QStringLiteral("ann@example.org");
    const QString bob = QStringLiteral("bob@example.net");
    struct Case {
        const char* what;
        Entries entries;
        std::optional<QString> blindMessage;  // typed into txtMessage through Tab; empty: deleted
        QString refusal;                      // the stop message, or empty when the page opens
        QString url;
    };
    const Case cases[] = {
        {"every box at its initial text",
         {.name = QStringLiteral("Your Name"), .email = QStringLiteral("Your Email Address"),
          .friendName = QStringLiteral("Friend's Name"), .friendEmail = QStringLiteral("Friend's Email Address")},
         {}, kProperAddress, {}},
        {"same text in both address boxes", {.email = QStringLiteral("same"), .friendEmail = QStringLiteral("same")},
         {}, kDistinct, {}},
        {"same after trimming", {.email = QStringLiteral("  ") + ann, .friendEmail = ann + QStringLiteral(" ")},
         {}, kDistinct, {}},
        {"addresses differing in case only", {.email = QStringLiteral("Ann@Example.org"), .friendEmail = ann},
         {}, {}, ReferralUrl("Ann", "Ann@Example.org", kUntouchedMessage, "Bob", ann)},
        {"own address without @", {.email = QStringLiteral("ann.example.org")}, {}, kProperAddress, {}},
        {"friend's address without @", {.friendEmail = QStringLiteral("bob.example.net")}, {}, kProperAddress, {}},
        {"own address with @ but no dot", {.email = QStringLiteral("ann@example")}, {}, kProperAddress, {}},
        {"friend's address with @ but no dot", {.friendEmail = QStringLiteral("bob@example")}, {}, kProperAddress, {}},
        {"only dot before the @", {.email = QStringLiteral("ann.lee@example")}, {}, {},
         ReferralUrl("Ann", "ann.lee@example", kUntouchedMessage, "Bob", bob)},
        {"addresses of nothing but @ and dot", {.email = QStringLiteral("@."), .friendEmail = QStringLiteral(".@")},
         {}, {}, ReferralUrl("Ann", "@.", kUntouchedMessage, "Bob", ".@")},
        {"name left at its placeholder", {.name = QStringLiteral("Your Name")}, {},
         QStringLiteral("Please Enter Your Name"), {}},
        {"name placeholder within spaces", {.name = QStringLiteral("  Your Name ")}, {},
         QStringLiteral("Please Enter Your Name"), {}},
        {"name of spaces only", {.name = QStringLiteral("   ")}, {}, QStringLiteral("Please Enter Your Name"), {}},
        {"friend's name left at its placeholder", {.friendName = QStringLiteral("Friend's Name")}, {},
         QStringLiteral("Please Enter Your Friend's Name"), {}},
        {"message emptied blind and refilled", {}, QString(), QStringLiteral("Please Enter Your Message"), {}},
        {"message typed blind", {}, QStringLiteral("See you there"), {},
         ReferralUrl("Ann", ann, "See you there", "Bob", bob)},
        {"message of two lines", {.message = QStringLiteral("  Hi\nthere  ")}, {}, {},
         ReferralUrl("Ann", ann, "Hi\r\nthere", "Bob", bob)},
        {"spaces around values trimmed, a tab kept",
         {.name = QStringLiteral("  Ann Lee  "), .email = QStringLiteral(" ") + ann,
          .friendName = QStringLiteral("\tBob ")},
         {}, {}, ReferralUrl("Ann Lee", ann, kUntouchedMessage, "\tBob", bob)},
        {"query characters unescaped", {.name = QStringLiteral("A&B=C?D"), .friendName = QStringLiteral("x%20y#z")},
         {}, {}, ReferralUrl("A&B=C?D", ann, kUntouchedMessage, "x%20y#z", bob)},
        // Only code page 1252 stands between the text and the browser: what it cannot hold
        // becomes "?", shell characters pass as they are.
        {"characters outside code page 1252",
         {.name = QStringLiteral("Zoë 😀 李"), .message = QStringLiteral("say \"hi\"; $(rm -rf ~) `id` 'x' | y\nnext")},
         {}, {}, ReferralUrl("Zoë ? ?", ann, "say \"hi\"; $(rm -rf ~) `id` 'x' | y\r\nnext", "Bob", bob)},
    };

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fake.browser.opened.clear();
        fake.messages.shown.clear();
        fill(c.entries);
        if (c.blindMessage)
            editMessageBlind(*c.blindMessage);
        const QStringList before = texts();
        if (!c.refusal.isEmpty())
            fake.messages.expect();

        QTest::mouseClick(submit, Qt::LeftButton);

        if (c.refusal.isEmpty()) {
            // Nothing is cleared or closed: the same details can be sent again.
            QTest::mouseClick(submit, Qt::LeftButton);
            EXPECT_TRUE(fake.messages.shown.empty());
            EXPECT_EQ(fake.browser.opened, (QStringList{c.url, c.url}));
        } else {
            ASSERT_EQ(fake.messages.shown.size(), 1u);
            const platform::MessageRequest& box = fake.messages.shown[0];
            EXPECT_EQ(box.text, c.refusal);
            EXPECT_EQ(box.icon, platform::MessageIcon::Stop);
            EXPECT_EQ(box.buttons, platform::MessageButtons::Ok);
            EXPECT_EQ(box.title, QStringLiteral("OV Free Varodara Zevaz Adavuv"));
            EXPECT_TRUE(fake.browser.opened.isEmpty());
        }
        EXPECT_EQ(texts(), before);
        EXPECT_TRUE(form->isVisible());
    }
}

// The module on its own: tests that the form cannot reach (an address box that is empty or
// at its placeholder never has an "@"), their order, and ReferUrl kept from the last success.
TEST_F(ReferralTest, SendReferral_tests_the_stored_fields_in_order)
{
    ui::modTellAFriend module(help, fake.messages);
    module.StoreFields({"Ann", "a@b.c", "Hello\r\n", "Bob", "d@e.f"});
    module.SendReferral();
    const QString sent = ReferralUrl("Ann", "a@b.c", "Hello\r\n", "Bob", "d@e.f");
    EXPECT_EQ(module.ReferUrl, sent);

    const struct {
        ui::ReferralEntries entries;  // name, email, message, friend's name, friend's email
        const char* refusal;
    } cases[] = {
        {{"  ", "", "Hello", "Bob", "d@e.f"}, "Please Enter Your Name"},
        {{"Ann", " ", "Hello", "Bob", "d@e.f"}, "Please Enter Your Email"},
        {{"Ann", "Your Email Address", "", "", ""}, "Please Enter Your Email"},
        {{"Ann", "a@b.c", " Your Message ", "", ""}, "Please Enter Your Message"},
        {{"Ann", "a@b.c", "Hello", "", ""}, "Please Enter Your Friend's Name"},
        {{"Ann", "a@b.c", "Hello", "Bob", " Friend's Email Address"}, "Please Enter Your Friend's Email"},
        {{"Ann", "a@b.c", "Hello", "Bob", ""}, "Please Enter Your Friend's Email"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.refusal);
        fake.messages.expect();
        module.StoreFields(c.entries);
        module.SendReferral();
        ASSERT_FALSE(fake.messages.shown.empty());
        EXPECT_EQ(fake.messages.shown.back().text, QString::fromUtf8(c.refusal));
        EXPECT_EQ(fake.messages.shown.back().icon, platform::MessageIcon::Stop);
    }
    EXPECT_EQ(fake.messages.shown.size(), std::size(cases));
    EXPECT_EQ(module.ReferUrl, sent);
    EXPECT_EQ(fake.browser.opened, QStringList{sent});
}

}  // namespace
