<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [OPTION]</source>
        <extracomment>OPTION stays as it is.</extracomment>
        <translation>ব্যবহার: %1 [OPTION]</translation>
    </message>
    <message>
        <source>Works out your Varodara Zevaz Adavuv from your birth date and shows its reading.</source>
        <translation>আপনার জন্মতারিখ থেকে আপনার Varodara Zevaz Adavuv হিসাব করে এবং তার ফলাফল দেখায়।</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two in a list of options: &quot;--number, --month, --explain or --json&quot;.</extracomment>
        <translation>%1 বা %2</translation>
    </message>
    <message>
        <source>A refused date, month or option is named on standard error, with exit status 2.</source>
        <translation>প্রত্যাখ্যাত তারিখ, মাস বা অপশনের নাম স্ট্যান্ডার্ড এররে জানানো হয়,
আর এক্সিট স্ট্যাটাস হয় 2।</translation>
    </message>
    <message>
        <source>With %1, an argument that is none of the options
above is refused too; without them, other arguments are ignored (a desktop launcher
may pass a field code).</source>
        <extracomment>%1: the names of the calculation&apos;s options. Lines of at most about 85 characters.</extracomment>
        <translation>%1 দিলে, ওপরের কোনো অপশন নয় এমন আর্গুমেন্টও
প্রত্যাখ্যাত হয়; এগুলো ছাড়া অন্য আর্গুমেন্ট উপেক্ষা করা হয় (ডেস্কটপ লঞ্চার
কোনো ফিল্ড কোড পাঠাতে পারে)।</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>অজানা অপশন %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>অপ্রত্যাশিত আর্গুমেন্ট %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 দুবার দেওয়া হয়েছে</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two in a list of options: &quot;--month, --explain and --json&quot;.</extracomment>
        <translation>%1 ও %2</translation>
    </message>
    <message>
        <source>%1 go with %2</source>
        <extracomment>%1: the names of options, %2: the option they need, as in &quot;--number BIRTH&quot;.</extracomment>
        <translation>%1 শুধু %2 দিলে তবেই ব্যবহার করা যায়</translation>
    </message>
    <message>
        <source>the birth date %1 is not a date of the form YYYY-MM-DD</source>
        <translation>জন্মতারিখ %1 YYYY-MM-DD আকারের কোনো তারিখ নয়</translation>
    </message>
    <message>
        <source>the birth year %1 is not one of the window&apos;s years, %2 to %3</source>
        <translation>জন্মসাল %1 উইন্ডোর সালগুলোর (%2 থেকে %3) মধ্যে নেই</translation>
    </message>
    <message>
        <source>the month %1 is not a month of the form YYYY-MM</source>
        <translation>মাস %1 YYYY-MM আকারের কোনো মাস নয়</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins two names in a list of options: &quot;--number, --month&quot;; the last two are joined as &quot;%1 or %2&quot; or &quot;%1 and %2&quot; say.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>এই সহায়তা দেখিয়ে প্রস্থান</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>সংস্করণ দেখিয়ে প্রস্থান</translation>
    </message>
    <message>
        <source>%1 needs a birth date, YYYY-MM-DD</source>
        <translation>%1-এর জন্য একটি জন্মতারিখ দরকার, YYYY-MM-DD</translation>
    </message>
    <message>
        <source>print the number and the reading that the window shows for the
birth date BIRTH (YYYY-MM-DD, a year from 1900 to 2050), this month</source>
        <extracomment>Lines of at most about 64 characters; BIRTH and YYYY-MM-DD stay as they are.</extracomment>
        <translation>উইন্ডো এই মাসে জন্মতারিখ BIRTH (YYYY-MM-DD, 1900 থেকে 2050-এর
মধ্যে কোনো সাল) অনুযায়ী যে সংখ্যা ও ফলাফল দেখায়, তা প্রিন্ট করা</translation>
    </message>
    <message>
        <source>%1 needs a month, YYYY-MM</source>
        <translation>%1-এর জন্য একটি মাস দরকার, YYYY-MM</translation>
    </message>
    <message>
        <source>for that month instead of this one</source>
        <translation>এই মাসের বদলে সেই মাসের জন্য</translation>
    </message>
    <message>
        <source>show, after the reading, how the number is worked out</source>
        <translation>ফলাফলের পরে সংখ্যাটি কীভাবে হিসাব করা হয় তা দেখানো</translation>
    </message>
    <message>
        <source>print one JSON object instead, with the fields birth, month,
number, reading, text and steps; each step has step, input,
digitSum, stages and output (birthMonth: step, input, output;
total: terms too)</source>
        <extracomment>Lines of at most about 64 characters; the field names stay as they are.</extracomment>
        <translation>এর বদলে একটি JSON অবজেক্ট প্রিন্ট করা, যাতে birth, month,
number, reading, text ও steps ফিল্ড থাকে; প্রতিটি ধাপে step, input,
digitSum, stages ও output থাকে (birthMonth: step, input, output;
total: এগুলোর সঙ্গে terms)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <extracomment>Joins two steps of a sum: &quot;2 + 0 + 2 + 6 = 10, then 1 + 0 = 1&quot;.</extracomment>
        <translation>%1, তারপর %2</translation>
    </message>
    <message>
        <source>How the number is worked out:</source>
        <translation>সংখ্যাটি যেভাবে হিসাব করা হয়:</translation>
    </message>
    <message>
        <source>the birth day %1: %2</source>
        <translation>জন্মের দিন %1: %2</translation>
    </message>
    <message>
        <source>the birth month %1: %2</source>
        <translation>জন্মমাস %1: %2</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3, %4</source>
        <extracomment>%1: the month&apos;s name, %2: its year, %3: its number in the year, %4: how that is reduced.</extracomment>
        <translation>মাস %1 %2: %1 হলো %3, %4</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3</source>
        <translation>মাস %1 %2: %1 হলো %3</translation>
    </message>
    <message>
        <source>the year %1: %2</source>
        <translation>সাল %1: %2</translation>
    </message>
    <message>
        <source>the total: %1</source>
        <translation>মোট: %1</translation>
    </message>
    <message>
        <source>The birth year and the names do not enter the number.</source>
        <translation>জন্মসাল ও নামগুলো সংখ্যাটিতে ধরা হয় না।</translation>
    </message>
    <message>
        <source>no display found (set DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>কোনো ডিসপ্লে পাওয়া যায়নি (DISPLAY বা WAYLAND_DISPLAY সেট করুন)</translation>
    </message>
    <message>
        <source>Without an option the program opens its window;
it needs a graphical display (X11 or Wayland).</source>
        <translation>কোনো অপশন ছাড়া প্রোগ্রামটি তার উইন্ডো খোলে;
এর জন্য একটি গ্রাফিক্যাল ডিসপ্লে (X11 বা Wayland) দরকার।</translation>
    </message>
    <message>
        <source>Without an option the program opens its window.</source>
        <translation>কোনো অপশন ছাড়া প্রোগ্রামটি তার উইন্ডো খোলে।</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>অনুগ্রহ করে আপনার প্রথম নাম লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>অনুগ্রহ করে আপনার পদবি লিখুন</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>অনুগ্রহ করে আপনার জন্মতারিখ বেছে নিন</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>অনুগ্রহ করে আপনার জন্মমাস বেছে নিন</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>অনুগ্রহ করে আপনার জন্মসাল বেছে নিন</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>অনুগ্রহ করে সঠিক তারিখ বা মাস দিন!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>অনুগ্রহ করে সঠিক তারিখ বা মাস দিন!</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>অনুগ্রহ করে আলাদা আলাদা ইমেল ঠিকানা দিন</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>অনুগ্রহ করে সঠিক ইমেল ঠিকানা দিন</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>অনুগ্রহ করে আপনার নাম লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>অনুগ্রহ করে আপনার ইমেল ঠিকানা লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>অনুগ্রহ করে আপনার বার্তা লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>অনুগ্রহ করে আপনার বন্ধুর নাম লিখুন</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>অনুগ্রহ করে আপনার বন্ধুর ইমেল ঠিকানা লিখুন</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>প্রোগ্রামটি আগে থেকেই চলছে</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>এই সফটওয়্যারের একটি আপডেট এসে থাকতে পারে।<byte value="xd"/>আপনি কি আপডেট খুঁজে দেখতে চান?</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>ইমেল ঠিকানায় স্পেস থাকতে পারে না</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>জানুয়ারি</translation>
    </message>
    <message>
        <source>February</source>
        <translation>ফেব্রুয়ারি</translation>
    </message>
    <message>
        <source>March</source>
        <translation>মার্চ</translation>
    </message>
    <message>
        <source>April</source>
        <translation>এপ্রিল</translation>
    </message>
    <message>
        <source>May</source>
        <translation>মে</translation>
    </message>
    <message>
        <source>June</source>
        <translation>জুন</translation>
    </message>
    <message>
        <source>July</source>
        <translation>জুলাই</translation>
    </message>
    <message>
        <source>August</source>
        <translation>আগস্ট</translation>
    </message>
    <message>
        <source>September</source>
        <translation>সেপ্টেম্বর</translation>
    </message>
    <message>
        <source>October</source>
        <translation>অক্টোবর</translation>
    </message>
    <message>
        <source>November</source>
        <translation>নভেম্বর</translation>
    </message>
    <message>
        <source>December</source>
        <translation>ডিসেম্বর</translation>
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
        <translation>পূর্বাবস্থায় ফেরান(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>আবার করুন(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>কাটুন(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>কপি করুন(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>পেস্ট করুন(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>মুছুন</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>সব নির্বাচন করুন</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>হ্যাঁ(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>না(&amp;N)</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>পূর্বাবস্থায় ফেরান(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>আবার করুন(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>কাটুন(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>কপি করুন(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>পেস্ট করুন(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>মুছুন</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>সব নির্বাচন করুন</translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>This is a time for new beginnings. Explore creative ideas. Maintain your individuality. The projects and assignments started during this time are the seeds being planted for later growth. You need to be aware of what you are planting.</source>
        <translation>এটি নতুন সূচনার সময়। সৃজনশীল ভাবনাগুলো খুঁজে দেখুন। নিজের স্বকীয়তা বজায় রাখুন। এই সময়ে শুরু করা প্রকল্প ও কাজগুলো ভবিষ্যতে বেড়ে ওঠার জন্য বোনা বীজ। আপনি কী বুনছেন, সে বিষয়ে সচেতন থাকুন।</translation>
    </message>
    <message>
        <source>You will make new friends. You will achieve some most awaited success. Take care about small things in life. Conflicts may arise, and if you do, attempt to ease them by cooperating with those involved. You will have peace and harmony.</source>
        <translation>আপনি নতুন বন্ধু পাবেন। বহুপ্রতীক্ষিত কোনো সাফল্য আপনার হাতে ধরা দেবে। জীবনের ছোটখাটো বিষয়েও যত্নবান হোন। মতবিরোধ দেখা দিতে পারে; তেমন হলে সংশ্লিষ্টদের সঙ্গে সহযোগিতার মাধ্যমে তা মিটিয়ে নেওয়ার চেষ্টা করুন। আপনার জীবনে শান্তি ও সম্প্রীতি থাকবে।</translation>
    </message>
    <message>
        <source>This is the month of creativity. Maintain optimism and free your mind. You can start anything new this month. Explore the artistic side of yourself. Invitations, friends and social activities are in the air.</source>
        <translation>এটি সৃজনশীলতার মাস। আশাবাদী থাকুন এবং মনকে মুক্ত রাখুন। এই মাসে আপনি যেকোনো নতুন কাজ শুরু করতে পারেন। নিজের শিল্পী সত্তাকে খুঁজে নিন। চারপাশে নিমন্ত্রণ, বন্ধুবান্ধব আর সামাজিক মেলামেশার আবহ।</translation>
    </message>
    <message>
        <source>Pay attention to legal, property and financial matters. Organize your work and stick to it. Be cautious, patient and methodical in everything that you do. So planning is very important this month.</source>
        <translation>আইনি, সম্পত্তি-সংক্রান্ত ও আর্থিক বিষয়ে মনোযোগ দিন। কাজ গুছিয়ে নিন এবং সেভাবেই চলুন। যা কিছুই করুন না কেন, সতর্ক, ধৈর্যশীল ও নিয়মনিষ্ঠ থাকুন। তাই এই মাসে পরিকল্পনা খুবই গুরুত্বপূর্ণ।</translation>
    </message>
    <message>
        <source>Leave behind old problems and look at life with a fresh mind. You can look at old things in new ways. Work hard on present tasks. You can promote your ideas, business. It&apos;s even more important time for learning. Don&apos;t take up too many tasks.</source>
        <translation>পুরোনো সমস্যা পেছনে ফেলে সতেজ মনে জীবনের দিকে তাকান। পুরোনো বিষয়গুলোকে আপনি নতুনভাবে দেখতে পারেন। বর্তমান কাজগুলোতে পরিশ্রম করুন। আপনি নিজের ভাবনা ও ব্যবসার প্রসার ঘটাতে পারেন। শেখার জন্য এই সময়টি বিশেষভাবে গুরুত্বপূর্ণ। একসঙ্গে খুব বেশি কাজের দায়িত্ব নেবেন না।</translation>
    </message>
    <message>
        <source>This Month calls for the spirit of willingness.  It&apos;s a good time to think about your own home. Give ample love to your family. Take care about your &apos;s and family&apos;s health issues.</source>
        <translation>এই মাস আপনার কাছে আন্তরিকতা ও সহযোগিতার মনোভাব চায়। নিজের ঘরের কথা ভাবার এটি ভালো সময়। পরিবারের মানুষদের প্রাণ ভরে ভালোবাসুন। নিজের ও পরিবারের স্বাস্থ্যের দিকে খেয়াল রাখুন।</translation>
    </message>
    <message>
        <source>Listen to your heart, the inner soul. Look over your plans and ideas, and examine at them closely, yet non-critically. People may misunderstand, but you need to maintain peace to sort it out with them.</source>
        <translation>নিজের হৃদয়ের, অন্তরাত্মার কথা শুনুন। আপনার পরিকল্পনা ও ভাবনাগুলো আরেকবার দেখে নিন; মনোযোগ দিয়ে যাচাই করুন, তবে সমালোচকের চোখে নয়। লোকে আপনাকে ভুল বুঝতে পারে, কিন্তু তাদের সঙ্গে বিষয়টি মিটিয়ে নিতে আপনাকে শান্ত থাকতে হবে।</translation>
    </message>
    <message>
        <source>Efforts are required to reach the heights of success. Maintain calm and work on it. Since 8 is the number of material power, sometimes our efforts have to be repeated a number of times if you are to gain the success.</source>
        <translation>সাফল্যের শিখরে পৌঁছাতে চেষ্টা প্রয়োজন। শান্ত থাকুন এবং লেগে থাকুন। যেহেতু 8 বস্তুগত শক্তির সংখ্যা, তাই সাফল্য পেতে কখনো কখনো আপনাকে একই চেষ্টা বারবার করতে হতে পারে।</translation>
    </message>
    <message>
        <source>Don&apos;t try to stop anything, which is out of your reach, just like a storm that&apos;s unstoppable. Work on social activities if you can. This is a good time to have a broad outlook as possible on things, to put personal goals, achievements or needs to one side as much as you can.</source>
        <translation>যা আপনার নাগালের বাইরে, তা থামানোর চেষ্টা করবেন না, ঠিক যেমন ঝড়কে থামানো যায় না। সম্ভব হলে সামাজিক কাজে যুক্ত হোন। সবকিছুকে যতটা সম্ভব উদার দৃষ্টিতে দেখার এবং ব্যক্তিগত লক্ষ্য, অর্জন বা প্রয়োজনকে যথাসম্ভব একপাশে সরিয়ে রাখার এটি উপযুক্ত সময়।</translation>
    </message>
    <message>
        <source>Your Varodara Zevaz Adavuv is: </source>
        <translation>আপনার Varodara Zevaz Adavuv হলো: </translation>
    </message>
    <message>
        <source>The Varodara Zevaz Adavuv describes what your lessons are during the course of the month, the trends and particular influences that are affecting you personally.</source>
        <translation>এই মাসে আপনার জন্য কী কী শিক্ষা রয়েছে এবং কোন প্রবণতা ও বিশেষ প্রভাব ব্যক্তিগতভাবে আপনার ওপর কাজ করছে, তা জানায় Varodara Zevaz Adavuv।</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>আপনার নাম</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>আপনার ইমেল ঠিকানা</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>আপনার বার্তা</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>বন্ধুর নাম</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>বন্ধুর ইমেল ঠিকানা</translation>
    </message>
</context>
<context>
    <name>ui::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>ফাইল(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>পরবর্তী(&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>প্রস্থান(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>সহায়তা(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>অনলাইন সহায়তা(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>আমাদের সাইটে আসুন(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>সফটওয়্যার আপডেট খুঁজুন(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>সফটওয়্যার পরিচিতি(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>অনুদান দিন(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>অনলাইনে আয় করুন(&amp;O)</translation>
    </message>
</context>
<context>
    <name>ui::Promotions</name>
    <message>
        <source>Share your readings in our free online forum. Visit us at %1</source>
        <translation>আপনার ফলাফল আমাদের বিনামূল্যের অনলাইন ফোরামে শেয়ার করুন। আমাদের সাইটে আসুন: %1</translation>
    </message>
    <message>
        <source>Forum</source>
        <translation>ফোরাম</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>অফার</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.Click Here for more info on co-branding.</source>
        <translation>আপনার সাইটের জন্য এই সফটওয়্যারটি কো-ব্র্যান্ড করুন। ভিজিটরদের আস্থা আর ট্রাফিক বাড়ান। আপনার সাইটের নাম ও লিংক এখানে দিন। বিস্তারিত জানতে &quot;সহায়তা&quot; দেখুন। কো-ব্র্যান্ডিং নিয়ে আরও জানতে এখানে ক্লিক করুন।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>ঘরে বসে ব্যবসার সুযোগ। নিজের ইন্টারনেট ব্যবসা শুরু করুন এবং অনলাইনে আয় করুন। এই সফটওয়্যারটি পুরোপুরি আপনার ওয়েবসাইটের নামে ব্র্যান্ড করে নিন। আরও জানতে এখানে ক্লিক করুন।</translation>
    </message>
</context>
<context>
    <name>ui::ReferAFriendBox</name>
    <message>
        <source>Refer A Friend</source>
        <translation>বন্ধুকে জানান</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>এখনই বন্ধুকে জানান(&amp;N)</translation>
    </message>
    <message>
        <source>Refer A Friend Now</source>
        <translation>এখনই বন্ধুকে জানান</translation>
    </message>
</context>
<context>
    <name>ui::frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation>প্রোগ্রামের আইকন</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>বিভাজক রেখা</translation>
    </message>
    <message>
        <source>OV Varodara Zevaz Adavuv Software gives you an idea about the trends and influences of a month of your life. There are 9 personal months. This number is calculated by adding your Birth Day, Birth Month, Current Month and Current Year. So this software helps you in getting the current and past month&apos;s forecast.</source>
        <extracomment>The box holds about 60 characters a line, on six lines, the rights notice included.</extracomment>
        <translation>OV Varodara Zevaz Adavuv সফটওয়্যার আপনার জীবনের কোনো একটি মাসের প্রবণতা ও প্রভাব সম্পর্কে ধারণা দেয়। ব্যক্তিগত মাস মোট 9টি। আপনার জন্মের দিন, জন্মমাস, চলতি মাস ও চলতি বছর যোগ করে এই সংখ্যা হিসাব করা হয়। এভাবে এই সফটওয়্যার আপনাকে চলতি ও আগের মাসের পূর্বাভাস জানতে সাহায্য করে।</translation>
    </message>
    <message>
        <source>© Orvane Softwares, %1. All rights reserved.</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>© Orvane Softwares, %1। সর্বস্বত্ব সংরক্ষিত।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>ঘরে বসে ব্যবসার সুযোগ। নিজের ইন্টারনেট ব্যবসা শুরু করুন এবং অনলাইনে আয় করুন। এই সফটওয়্যারটি পুরোপুরি আপনার ওয়েবসাইটের নামে ব্র্যান্ড করে নিন।</translation>
    </message>
    <message>
        <source> Click here for more details.</source>
        <translation> বিস্তারিত জানতে ক্লিক করুন।</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the maker&apos;s main site.</extracomment>
        <translation>%1-এ যেতে ক্লিক করুন</translation>
    </message>
</context>
<context>
    <name>ui::frmExitScreen</name>
    <message>
        <source>Orvane Softwares, such as this can be created and maintained only with your support. The best way to support our forum is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Each line: %1 is the maker&apos;s main site. The box holds about 75 characters a line, on four lines.</extracomment>
        <translation>এ ধরনের Orvane Softwares তৈরি ও রক্ষণাবেক্ষণ করা সম্ভব কেবল আপনার সমর্থনেই। আমাদের ফোরামের পাশে দাঁড়ানোর সবচেয়ে ভালো উপায় হলো নিয়মিত %1-এ আসা এবং সেখানকার আলোচনা ও অন্যান্য কার্যক্রমে অংশ নেওয়া।</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support us by taking part in the discussions and other activities there. We cannot support and maintain these programs without you regularly visiting our site.</source>
        <translation>নিয়মিত %1-এ আসুন। সেখানকার আলোচনা ও অন্যান্য কার্যক্রমে অংশ নিয়ে আমাদের পাশে থাকুন। আপনি নিয়মিত আমাদের সাইটে না এলে আমরা এই প্রোগ্রামগুলো চালু রাখতে ও রক্ষণাবেক্ষণ করতে পারব না।</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on all esoteric subjects. To help us develop and maintain this software, please visit it regularly.</source>
        <translation>%1 হলো রহস্যবিদ্যার সব বিষয় নিয়ে একটি বিনামূল্যের অনলাইন আলোচনা ফোরাম। এই সফটওয়্যারের উন্নয়ন ও রক্ষণাবেক্ষণে আমাদের সাহায্য করতে অনুগ্রহ করে নিয়মিত সেখানে আসুন।</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit it regularly and take part in the various discussions and activities, to help us maintain and develop more Orvane Softwares.</source>
        <translation>%1-এর আপনার সাহায্য দরকার। আপনাকে শুধু নিয়মিত সেখানে এসে নানা আলোচনা ও কার্যক্রমে অংশ নিতে হবে, যাতে আমরা আরও Orvane Softwares রক্ষণাবেক্ষণ ও তৈরি করতে পারি।</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>প্রোগ্রামের আইকন</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>এখনই %1-এ যেতে এখানে ক্লিক করুন</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>প্রস্থান(&amp;X)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>প্রস্থান</translation>
    </message>
    <message>
        <source>Download Orvane Softwares</source>
        <translation>Orvane Softwares ডাউনলোড করুন</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvane Softwares. From a single software, we have now grown to become the world’s largest resource of orvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.%1All the programs in the Orvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>এই সফটওয়্যারটি ভালো লেগে থাকলে আমাদের অন্যান্য Orvane Softwares-ও নিশ্চয়ই আপনার ভালো লাগবে। একটিমাত্র সফটওয়্যার দিয়ে শুরু করে আজ আমরা বিশ্বে orvane softwares-এর সবচেয়ে বড় ভান্ডার হয়ে উঠেছি। জ্যোতিষ, অতীন্দ্রিয় বিদ্যা, ট্যারো, সংখ্যাতত্ত্ব বা গুহ্যবিদ্যা, সব ক্ষেত্রেই আমাদের প্রোগ্রাম আছে, তাই ব্যবহারকারীরা নিজের আগ্রহ অনুযায়ী বেছে নেওয়ার অনেক সুযোগ পান।%1Orvane Softwares সংকলনের সব প্রোগ্রামই সহজ ও ব্যবহারে সুবিধাজনক। এগুলো ব্যবহারে শুধু মজাই নয়, অনেক কিছু জানাও যায়। আজই ব্যবহার করে দেখুন এবং আপনার অভিজ্ঞতা বন্ধুবান্ধব ও পরিবারের সঙ্গে ভাগ করে নিন। </translation>
    </message>
    <message>
        <source>Click Here To Visit Orvane Softwares</source>
        <translation>Orvane Softwares-এর সাইটে যেতে এখানে ক্লিক করুন</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>অনুগ্রহ করে নিচের তথ্যগুলো পূরণ করুন:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>প্রথম নাম</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>মাঝের নাম</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>পদবি</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>জন্মতারিখ</translation>
    </message>
    <message>
        <source>Birth Month</source>
        <translation>জন্মমাস</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>জন্মের দিন</translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation>জন্মসাল</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>পরবর্তী(&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>প্রস্থান(&amp;X)</translation>
    </message>
</context>
<context>
    <name>ui::frmPersonalMonth</name>
    <message>
        <source>Your Varodara Zevaz Adavuv</source>
        <translation>আপনার Varodara Zevaz Adavuv</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>ফিরে যান(&amp;B)</translation>
    </message>
</context>
</TS>
