<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Messages</name>
    <message>
        <source>Please Enter Your First Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>This is a time for new beginnings. Explore creative ideas. Maintain your individuality. The projects and assignments started during this time are the seeds being planted for later growth. You need to be aware of what you are planting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will make new friends. You will achieve some most awaited success. Take care about small things in life. Conflicts may arise, and if you do, attempt to ease them by cooperating with those involved. You will have peace and harmony.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the month of creativity. Maintain optimism and free your mind. You can start anything new this month. Explore the artistic side of yourself. Invitations, friends and social activities are in the air.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pay attention to legal, property and financial matters. Organize your work and stick to it. Be cautious, patient and methodical in everything that you do. So planning is very important this month.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave behind old problems and look at life with a fresh mind. You can look at old things in new ways. Work hard on present tasks. You can promote your ideas, business. It&apos;s even more important time for learning. Don&apos;t take up too many tasks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Month calls for the spirit of willingness.  It&apos;s a good time to think about your own home. Give ample love to your family. Take care about your &apos;s and family&apos;s health issues.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen to your heart, the inner soul. Look over your plans and ideas, and examine at them closely, yet non-critically. People may misunderstand, but you need to maintain peace to sort it out with them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Efforts are required to reach the heights of success. Maintain calm and work on it. Since 8 is the number of material power, sometimes our efforts have to be repeated a number of times if you are to gain the success.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t try to stop anything, which is out of your reach, just like a storm that&apos;s unstoppable. Work on social activities if you can. This is a good time to have a broad outlook as possible on things, to put personal goals, achievements or needs to one side as much as you can.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Varodara Zevaz Adavuv is: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Varodara Zevaz Adavuv describes what your lessons are during the course of the month, the trends and particular influences that are affecting you personally.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::Promotions</name>
    <message>
        <source>Share your readings in our free online forum. Visit us at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.Click Here for more info on co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::ReferAFriendBox</name>
    <message>
        <source>Refer A Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refer A Friend Now</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OV Varodara Zevaz Adavuv Software gives you an idea about the trends and influences of a month of your life. There are 9 personal months. This number is calculated by adding your Birth Day, Birth Month, Current Month and Current Year. So this software helps you in getting the current and past month&apos;s forecast.</source>
        <extracomment>The box holds about 60 characters a line, on six lines, the rights notice included.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>© Orvane Softwares, %1. All rights reserved.</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the maker&apos;s main site.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::frmExitScreen</name>
    <message>
        <source>Orvane Softwares, such as this can be created and maintained only with your support. The best way to support our forum is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Each line: %1 is the maker&apos;s main site. The box holds about 75 characters a line, on four lines.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support us by taking part in the discussions and other activities there. We cannot support and maintain these programs without you regularly visiting our site.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on all esoteric subjects. To help us develop and maintain this software, please visit it regularly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit it regularly and take part in the various discussions and activities, to help us maintain and develop more Orvane Softwares.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Orvane Softwares</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvane Softwares. From a single software, we have now grown to become the world’s largest resource of orvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.%1All the programs in the Orvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Visit Orvane Softwares</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::frmPersonalMonth</name>
    <message>
        <source>Your Varodara Zevaz Adavuv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
