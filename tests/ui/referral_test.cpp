// Refer A Friend: the tests of the entries in their order, and the exact address that reaches
// the browser (trimmed values, percent-encoded as UTF-8 except letters, digits and "-._~@:/").
#include "ui/promo/frmexitscreen.h"

#include <QPlainTextEdit>

#include "appfixture.h"
#include "platform/translations.h"
#include "shell/modtellafriend.h"

namespace {

// The address the browser must get for these encoded values: name, email, message, friend's
// name, friend's email.
QString ReferralUrl(const QStringList& values)
{
    const QString site = "http://www.orvanesoftwares.com";
    QString url = site + "/ovms-refer-a-friend.php?";
    for (int i = 0; i < 5; ++i)
        url += "taf" + QString::number(i + 1) + "=" + values[i] + "&";
    return url + "taf6=" + site + "/ov-free-varodara-zevaz-adavuv/";
}

using ReferralTest = AppFixture;

TEST_F(ReferralTest, each_entry_is_tested_in_order_and_a_passing_one_opens_the_exact_address)
{
    const QString proper = "Please Enter Proper Email Address", distinct = "Please Enter Distinct Email Addresses";
    const QString ann = "ann@example.org", bob = "bob@example.net", untouched = "Your Message\r\n";
    const QString sentUntouched = "Your%20Message%0D%0A";
    struct Case {
        const char* what;
        QStringList boxes;  // txtName, txtEmail, txtMessage, txtFriendName, txtFriendEmail
        QString refusal;    // empty: the page opens with the encoded values of url
        QStringList url = {};
    };
    const Case cases[] = {
        {"every box at its initial text",
         {"Your Name", "Your Email Address", untouched, "Friend's Name", "Friend's Email Address"},
         proper},
        {"same text in both", {"Ann", "same", untouched, "Bob", "same"}, distinct},
        {"same after trimming", {"Ann", "  " + ann, untouched, "Bob", ann + " "}, distinct},
        {"differing in case only",
         {"Ann", "Ann@Example.org", untouched, "Bob", ann},
         {},
         {"Ann", "Ann@Example.org", sentUntouched, "Bob", ann}},
        {"own address without @", {"Ann", "ann.example.org", untouched, "Bob", bob}, proper},
        {"friend's address without @", {"Ann", ann, untouched, "Bob", "bob.example.net"}, proper},
        {"own with @ but no dot", {"Ann", "ann@example", untouched, "Bob", bob}, proper},
        {"friend's with @ but no dot", {"Ann", ann, untouched, "Bob", "bob@example"}, proper},
        {"a dot only before the @",
         {"Ann", "ann.lee@example", untouched, "Bob", bob},
         {},
         {"Ann", "ann.lee@example", sentUntouched, "Bob", bob}},
        {"nothing but @ and dot", {"Ann", "@.", untouched, "Bob", ".@"}, {}, {"Ann", "@.", sentUntouched, "Bob", ".@"}},
        {"name placeholder within spaces", {"  Your Name ", ann, untouched, "Bob", bob}, "Please Enter Your Name"},
        {"friend's name placeholder", {"Ann", ann, untouched, "Friend's Name", bob}, "Please Enter Your Friend's Name"},
        {"message emptied, refilled on leaving", {"Ann", ann, "", "Bob", bob}, "Please Enter Your Message"},
        {"spaces trimmed, a tab kept",
         {"  Ann Lee  ", " " + ann, untouched, "\tBob ", bob},
         {},
         {"Ann%20Lee", ann, sentUntouched, "%09Bob", bob}},
        // Query characters would split or cut the query; "%" itself is encoded too.
        {"query characters",
         {"A&B=C?D", ann, untouched, "x%20y#z", bob},
         {},
         {"A%26B%3DC%3FD", ann, sentUntouched, "x%2520y%23z", bob}},
        // UTF-8 bytes: nothing is lost to code page 1252 on the way to the browser, and shell
        // characters arrive as typed.
        {"outside code page 1252",
         {"Zoë 😀 李", ann, "say \"hi\"; $(rm -rf ~) `id` 'x' | y\nnext", "Bob", bob},
         {},
         {"Zo%C3%AB%20%F0%9F%98%80%20%E6%9D%8E", ann,
          "say%20%22hi%22%3B%20%24%28rm%20-rf%20~%29%20%60id%60%20%27x%27%20%7C%20y%0D%0Anext", "Bob", bob}},
    };
    auto& form = registry.show<ui::frmExitScreen>();
    activate(&form);
    QWidget* boxes[] = {child(&form, "txtName"), child(&form, "txtEmail"), child(&form, "txtMessage"),
                        child(&form, "txtFriendName"), child(&form, "txtFriendEmail")};
    const auto textProperty = [](int box) { return box == 2 ? "plainText" : "text"; };
    const auto texts = [&] {
        QStringList result;
        for (int i = 0; i < 5; ++i)
            result << boxes[i]->property(textProperty(i)).toString();
        return result;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fake.browser.opened.clear();
        fake.messages.shown.clear();
        for (int i = 0; i < 5; ++i)
            boxes[i]->setProperty(textProperty(i), c.boxes[i]);
        boxes[2]->setFocus(Qt::TabFocusReason);  // visited, as emptying it needs
        child(&form, "cmdClose")->setFocus(Qt::TabFocusReason);
        const QStringList before = texts();
        if (!c.refusal.isEmpty())
            fake.messages.expect();

        QTest::mouseClick(child(&form, "cmdSubmit"), Qt::LeftButton);

        if (c.refusal.isEmpty()) {
            QTest::mouseClick(child(&form, "cmdSubmit"), Qt::LeftButton);  // nothing cleared: sent again
            EXPECT_EQ(fake.browser.opened, QStringList(2, ReferralUrl(c.url)));
        } else {
            ASSERT_EQ(fake.messages.shown.size(), 1u);
            EXPECT_EQ(fake.messages.shown[0].text, c.refusal);
            EXPECT_EQ(fake.messages.shown[0].icon, platform::MessageIcon::Stop);
            EXPECT_TRUE(fake.browser.opened.isEmpty());
        }
        EXPECT_EQ(texts(), before);
        EXPECT_TRUE(form.isVisible());
    }
}

// The module on its own: tests the form cannot reach (an empty or placeholder address has no
// "@"), their order, and ReferUrl kept from the last success.
TEST_F(ReferralTest, SendReferral_tests_the_stored_fields_in_order)
{
    shell::modTellAFriend module(help, fake.messages);
    module.storeFields({"Ann", "a@b.c", "Hello\r\n", "Bob", "d@e.f"});
    module.SendReferral();
    const QString sent = ReferralUrl({"Ann", "a@b.c", "Hello%0D%0A", "Bob", "d@e.f"});
    EXPECT_EQ(module.ReferUrl, sent);

    const std::pair<shell::ReferralEntries, QString> cases[] = {
        {{"  ", "", "Hello", "Bob", "d@e.f"}, "Please Enter Your Name"},
        {{"Ann", "Your Email Address", "", "", ""}, "Please Enter Your Email"},
        {{"Ann", "a@b.c", " Your Message ", "", ""}, "Please Enter Your Message"},
        {{"Ann", "a@b.c", "Hello", "", ""}, "Please Enter Your Friend's Name"},
        {{"Ann", "a@b.c", "Hello", "Bob", " Friend's Email Address"}, "Please Enter Your Friend's Email"},
        {{"Ann", "a@b.c", "Hello", "Bob", ""}, "Please Enter Your Friend's Email"},
    };
    for (const auto& [entries, refusal] : cases) {
        SCOPED_TRACE(refusal.toStdString());
        fake.messages.expect();
        module.storeFields(entries);
        module.SendReferral();
        ASSERT_FALSE(fake.messages.shown.empty());
        EXPECT_EQ(fake.messages.shown.back().text, refusal);
        EXPECT_EQ(fake.messages.shown.back().icon, platform::MessageIcon::Stop);
    }
    EXPECT_EQ(fake.messages.shown.size(), std::size(cases));
    EXPECT_EQ(module.ReferUrl, sent);
    EXPECT_EQ(fake.browser.opened, QStringList{sent});

    // In German the name box shows "Ihr Name": left so, it is still no name, said in German.
    const platform::Translations german(QStringLiteral("de"));
    german.install();
    fake.messages.expect();
    module.storeFields({"Ihr Name", "a@b.c", "Hello", "Bob", "d@e.f"});
    module.SendReferral();
    EXPECT_EQ(fake.messages.shown.back().text, QStringLiteral("Bitte geben Sie Ihren Namen ein."));
    EXPECT_EQ(fake.browser.opened, QStringList{sent});
}

}  // namespace
