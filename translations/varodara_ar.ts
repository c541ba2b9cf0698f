<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [OPTION]</source>
        <extracomment>OPTION stays as it is.</extracomment>
        <translation>الاستخدام: %1 [OPTION]</translation>
    </message>
    <message>
        <source>Works out your Varodara Zevaz Adavuv from your birth date and shows its reading.</source>
        <translation>يحسب رقم Varodara Zevaz Adavuv الخاص بك من تاريخ ميلادك ويعرض قراءته.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two in a list of options: &quot;--number, --month, --explain or --json&quot;.</extracomment>
        <translation>%1 أو %2</translation>
    </message>
    <message>
        <source>A refused date, month or option is named on standard error, with exit status 2.</source>
        <translation>يُذكر التاريخ أو الشهر أو الخيار المرفوض في مخرج الخطأ القياسي، وتكون حالة الخروج 2.</translation>
    </message>
    <message>
        <source>With %1, an argument that is none of the options
above is refused too; without them, other arguments are ignored (a desktop launcher
may pass a field code).</source>
        <extracomment>%1: the names of the calculation&apos;s options. Lines of at most about 85 characters.</extracomment>
        <translation>مع %1، تُرفض أيضًا كل وسيطة ليست من الخيارات
المذكورة أعلاه؛ ومن دونها تُتجاهل الوسائط الأخرى (فقد يمرّر مشغّل سطح المكتب
رمز حقل).</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>خيار غير معروف %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>وسيطة غير متوقعة %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>الخيار %1 مذكور مرتين</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two in a list of options: &quot;--month, --explain and --json&quot;.</extracomment>
        <translation>%1 و %2</translation>
    </message>
    <message>
        <source>%1 go with %2</source>
        <extracomment>%1: the names of options, %2: the option they need, as in &quot;--number BIRTH&quot;.</extracomment>
        <translation>لا تُستخدم الخيارات %1 إلا مع %2</translation>
    </message>
    <message>
        <source>the birth date %1 is not a date of the form YYYY-MM-DD</source>
        <translation>تاريخ الميلاد %1 ليس تاريخًا بالصيغة YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the birth year %1 is not one of the window&apos;s years, %2 to %3</source>
        <translation>سنة الميلاد %1 ليست من سنوات النافذة، من %2 إلى %3</translation>
    </message>
    <message>
        <source>the month %1 is not a month of the form YYYY-MM</source>
        <translation>الشهر %1 ليس شهرًا بالصيغة YYYY-MM</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins two names in a list of options: &quot;--number, --month&quot;; the last two are joined as &quot;%1 or %2&quot; or &quot;%1 and %2&quot; say.</extracomment>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>عرض هذه المساعدة والخروج</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>عرض الإصدار والخروج</translation>
    </message>
    <message>
        <source>%1 needs a birth date, YYYY-MM-DD</source>
        <translation>يتطلّب الخيار %1 تاريخ ميلاد بالصيغة YYYY-MM-DD</translation>
    </message>
    <message>
        <source>print the number and the reading that the window shows for the
birth date BIRTH (YYYY-MM-DD, a year from 1900 to 2050), this month</source>
        <extracomment>Lines of at most about 64 characters; BIRTH and YYYY-MM-DD stay as they are.</extracomment>
        <translation>طباعة الرقم والقراءة اللذين تعرضهما النافذة هذا الشهر
لتاريخ الميلاد BIRTH (بالصيغة YYYY-MM-DD، والسنة من 1900 إلى 2050)</translation>
    </message>
    <message>
        <source>%1 needs a month, YYYY-MM</source>
        <translation>يتطلّب الخيار %1 شهرًا بالصيغة YYYY-MM</translation>
    </message>
    <message>
        <source>for that month instead of this one</source>
        <translation>لذلك الشهر بدلًا من الشهر الحالي</translation>
    </message>
    <message>
        <source>show, after the reading, how the number is worked out</source>
        <translation>عرض طريقة حساب الرقم بعد القراءة</translation>
    </message>
    <message>
        <source>print one JSON object instead, with the fields birth, month,
number, reading, text and steps; each step has step, input,
digitSum, stages and output (birthMonth: step, input, output;
total: terms too)</source>
        <extracomment>Lines of at most about 64 characters; the field names stay as they are.</extracomment>
        <translation>طباعة كائن JSON واحد بدلًا من ذلك، بالحقول birth، month،
number، reading، text و steps؛ وفي كل خطوة step، input،
digitSum، stages و output (في birthMonth: step، input، output؛
وفي total: كل ذلك مع terms)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <extracomment>Joins two steps of a sum: &quot;2 + 0 + 2 + 6 = 10, then 1 + 0 = 1&quot;.</extracomment>
        <translation>%1، ثم %2</translation>
    </message>
    <message>
        <source>How the number is worked out:</source>
        <translation>طريقة حساب الرقم:</translation>
    </message>
    <message>
        <source>the birth day %1: %2</source>
        <translation>يوم الميلاد %1: %2</translation>
    </message>
    <message>
        <source>the birth month %1: %2</source>
        <translation>شهر الميلاد %1: %2</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3, %4</source>
        <extracomment>%1: the month&apos;s name, %2: its year, %3: its number in the year, %4: how that is reduced.</extracomment>
        <translation>الشهر %1 %2: %1 هو الشهر %3، %4</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3</source>
        <translation>الشهر %1 %2: %1 هو الشهر %3</translation>
    </message>
    <message>
        <source>the year %1: %2</source>
        <translation>السنة %1: %2</translation>
    </message>
    <message>
        <source>the total: %1</source>
        <translation>المجموع: %1</translation>
    </message>
    <message>
        <source>The birth year and the names do not enter the number.</source>
        <translation>لا تدخل سنة الميلاد ولا الأسماء في حساب الرقم.</translation>
    </message>
    <message>
        <source>no display found (set DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>لم يُعثر على شاشة عرض (اضبط DISPLAY أو WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>Without an option the program opens its window;
it needs a graphical display (X11 or Wayland).</source>
        <translation>من دون خيار يفتح البرنامج نافذته؛
وهو يحتاج إلى شاشة عرض رسومية (X11 أو Wayland).</translation>
    </message>
    <message>
        <source>Without an option the program opens its window.</source>
        <translation>من دون خيار يفتح البرنامج نافذته.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>يُرجى إدخال اسمك الشخصي.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>يُرجى إدخال اسم العائلة.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>يُرجى تحديد يوم ميلادك.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>يُرجى تحديد شهر ميلادك.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>يُرجى تحديد سنة ميلادك.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>يُرجى إدخال يوم أو شهر صحيح!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>يُرجى إدخال يوم أو شهر صحيح!</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>يُرجى إدخال عنوانَي بريد إلكتروني مختلفين.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>يُرجى إدخال عنوان بريد إلكتروني صحيح.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>يُرجى إدخال اسمك.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>يُرجى إدخال عنوان بريدك الإلكتروني.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>يُرجى إدخال رسالتك.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>يُرجى إدخال اسم صديقك.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>يُرجى إدخال عنوان بريد صديقك الإلكتروني.</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>البرنامج قيد التشغيل بالفعل.</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>قد يتوفر تحديث لهذا البرنامج.<byte value="xd"/>هل تريد البحث عن تحديث الآن؟</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>لا يمكن أن يحتوي عنوان البريد الإلكتروني على مسافات.</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>يناير</translation>
    </message>
    <message>
        <source>February</source>
        <translation>فبراير</translation>
    </message>
    <message>
        <source>March</source>
        <translation>مارس</translation>
    </message>
    <message>
        <source>April</source>
        <translation>أبريل</translation>
    </message>
    <message>
        <source>May</source>
        <translation>مايو</translation>
    </message>
    <message>
        <source>June</source>
        <translation>يونيو</translation>
    </message>
    <message>
        <source>July</source>
        <translation>يوليو</translation>
    </message>
    <message>
        <source>August</source>
        <translation>أغسطس</translation>
    </message>
    <message>
        <source>September</source>
        <translation>سبتمبر</translation>
    </message>
    <message>
        <source>October</source>
        <translation>أكتوبر</translation>
    </message>
    <message>
        <source>November</source>
        <translation>نوفمبر</translation>
    </message>
    <message>
        <source>December</source>
        <translation>ديسمبر</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>تراجع(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>إعادة(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>قص(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>نسخ(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>لصق(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>تحديد الكل</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>نعم(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>لا(&amp;N)</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>تراجع(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>إعادة(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>قص(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>نسخ(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>لصق(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>تحديد الكل</translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>This is a time for new beginnings. Explore creative ideas. Maintain your individuality. The projects and assignments started during this time are the seeds being planted for later growth. You need to be aware of what you are planting.</source>
        <translation>هذا وقت البدايات الجديدة. استكشف الأفكار الإبداعية، وحافظ على تميّزك الشخصي. المشاريع والمهام التي تبدؤها في هذه الفترة هي بذور تُزرع لنموٍّ لاحق، فكن واعيًا لما تزرعه.</translation>
    </message>
    <message>
        <source>You will make new friends. You will achieve some most awaited success. Take care about small things in life. Conflicts may arise, and if you do, attempt to ease them by cooperating with those involved. You will have peace and harmony.</source>
        <translation>ستكسب أصدقاء جددًا، وستحقق نجاحًا طال انتظاره. اهتمّ بالأشياء الصغيرة في حياتك. قد تنشأ خلافات، فإن حدث ذلك فحاول تهدئتها بالتعاون مع الأطراف المعنية. ستنعم بالسلام والوئام.</translation>
    </message>
    <message>
        <source>This is the month of creativity. Maintain optimism and free your mind. You can start anything new this month. Explore the artistic side of yourself. Invitations, friends and social activities are in the air.</source>
        <translation>هذا شهر الإبداع. حافظ على تفاؤلك، وأطلق العنان لأفكارك. يمكنك أن تبدأ أي شيء جديد هذا الشهر. اكتشف الجانب الفني في شخصيتك. الدعوات والأصدقاء والأنشطة الاجتماعية تلوح في الأفق.</translation>
    </message>
    <message>
        <source>Pay attention to legal, property and financial matters. Organize your work and stick to it. Be cautious, patient and methodical in everything that you do. So planning is very important this month.</source>
        <translation>انتبه إلى الشؤون القانونية والعقارية والمالية. نظّم عملك والتزم به. كن حذرًا وصبورًا ومنهجيًا في كل ما تفعله، فالتخطيط مهم جدًا هذا الشهر.</translation>
    </message>
    <message>
        <source>Leave behind old problems and look at life with a fresh mind. You can look at old things in new ways. Work hard on present tasks. You can promote your ideas, business. It&apos;s even more important time for learning. Don&apos;t take up too many tasks.</source>
        <translation>اترك المشكلات القديمة خلفك، وانظر إلى الحياة بذهن متجدد. يمكنك أن ترى الأمور القديمة بطرق جديدة. اجتهد في مهامك الحالية. يمكنك أن تروّج لأفكارك ولعملك. والأهم من ذلك أنه وقت مناسب للتعلّم. لا تُثقل نفسك بمهام كثيرة.</translation>
    </message>
    <message>
        <source>This Month calls for the spirit of willingness.  It&apos;s a good time to think about your own home. Give ample love to your family. Take care about your &apos;s and family&apos;s health issues.</source>
        <translation>يدعو هذا الشهر إلى روح العطاء والاستعداد لمد يد العون. إنه وقت مناسب للتفكير في بيتك. امنح عائلتك الكثير من الحب. اهتمّ بصحتك وصحة عائلتك.</translation>
    </message>
    <message>
        <source>Listen to your heart, the inner soul. Look over your plans and ideas, and examine at them closely, yet non-critically. People may misunderstand, but you need to maintain peace to sort it out with them.</source>
        <translation>أنصت إلى قلبك، إلى صوتك الداخلي. راجع خططك وأفكارك وتفحّصها عن قرب، ولكن دون قسوة في الحكم عليها. قد يسيء الآخرون فهمك، فحافظ على هدوئك لتسوية الأمر معهم بسلام.</translation>
    </message>
    <message>
        <source>Efforts are required to reach the heights of success. Maintain calm and work on it. Since 8 is the number of material power, sometimes our efforts have to be repeated a number of times if you are to gain the success.</source>
        <translation>بلوغ قمة النجاح يتطلب جهدًا. حافظ على هدوئك وواصل العمل. ولأن الرقم 8 هو رقم القوة المادية، فقد تحتاج أحيانًا إلى تكرار محاولاتك مرات عدة حتى تحقق النجاح.</translation>
    </message>
    <message>
        <source>Don&apos;t try to stop anything, which is out of your reach, just like a storm that&apos;s unstoppable. Work on social activities if you can. This is a good time to have a broad outlook as possible on things, to put personal goals, achievements or needs to one side as much as you can.</source>
        <translation>لا تحاول إيقاف ما هو خارج عن إرادتك، فالعاصفة لا يوقفها أحد. شارك في الأنشطة الاجتماعية إن استطعت. هذا وقت مناسب لتنظر إلى الأمور بأوسع أفق ممكن، وتضع أهدافك وإنجازاتك واحتياجاتك الشخصية جانبًا قدر المستطاع.</translation>
    </message>
    <message>
        <source>Your Varodara Zevaz Adavuv is: </source>
        <translation>رقم Varodara Zevaz Adavuv الخاص بك هو: </translation>
    </message>
    <message>
        <source>The Varodara Zevaz Adavuv describes what your lessons are during the course of the month, the trends and particular influences that are affecting you personally.</source>
        <translation>يصف رقم Varodara Zevaz Adavuv الدروس التي تتعلمها على مدار الشهر، والاتجاهات والتأثيرات الخاصة التي تمسّك شخصيًا.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>اسمك</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>عنوان بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>رسالتك</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>اسم صديقك</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>عنوان بريد صديقك الإلكتروني</translation>
    </message>
</context>
<context>
    <name>ui::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>ملف(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>التالي(&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خروج(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>مساعدة(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>مساعدة عبر الإنترنت(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>زيارة موقعنا(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>البحث عن تحديثات(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>حول البرنامج(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>تبرّع(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>الربح عبر الإنترنت(&amp;O)</translation>
    </message>
</context>
<context>
    <name>ui::Promotions</name>
    <message>
        <source>Share your readings in our free online forum. Visit us at %1</source>
        <translation>شارك قراءاتك في منتدانا المجاني على الإنترنت. زُرنا على %1</translation>
    </message>
    <message>
        <source>Forum</source>
        <translation>المنتدى</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>العروض</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.Click Here for more info on co-branding.</source>
        <translation>أضف علامة موقعك التجارية إلى هذا البرنامج. زِد ولاء زوار موقعك وعددهم. ضع اسم موقعك ورابطه هنا. راجع «مساعدة» للتفاصيل. انقر هنا لمعرفة المزيد عن العلامة التجارية المشتركة.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>فرصة عمل من المنزل. أنشئ مشروعك الخاص على الإنترنت واربح المال عبره. احصل على هذا البرنامج بعلامة موقعك التجارية بالكامل. انقر هنا لمزيد من التفاصيل.</translation>
    </message>
</context>
<context>
    <name>ui::ReferAFriendBox</name>
    <message>
        <source>Refer A Friend</source>
        <translation>أخبر صديقًا</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>أخبر صديقًا الآن(&amp;N)</translation>
    </message>
    <message>
        <source>Refer A Friend Now</source>
        <translation>أخبر صديقًا الآن</translation>
    </message>
</context>
<context>
    <name>ui::frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation>أيقونة البرنامج</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>خط فاصل</translation>
    </message>
    <message>
        <source>OV Varodara Zevaz Adavuv Software gives you an idea about the trends and influences of a month of your life. There are 9 personal months. This number is calculated by adding your Birth Day, Birth Month, Current Month and Current Year. So this software helps you in getting the current and past month&apos;s forecast.</source>
        <extracomment>The box holds about 60 characters a line, on six lines, the rights notice included.</extracomment>
        <translation>يمنحك برنامج OV Varodara Zevaz Adavuv فكرة عن اتجاهات شهر من حياتك وتأثيراته. هناك 9 أشهر شخصية. ويُحسب هذا الرقم بجمع يوم ميلادك وشهر ميلادك والشهر الحالي والسنة الحالية. وهكذا يقدّم لك البرنامج توقعات الشهر الحالي والشهر الماضي.</translation>
    </message>
    <message>
        <source>© Orvane Softwares, %1. All rights reserved.</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>© Orvane Softwares، %1. جميع الحقوق محفوظة.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>فرصة عمل من المنزل. أنشئ مشروعك الخاص على الإنترنت واربح المال عبره. احصل على هذا البرنامج بعلامة موقعك التجارية بالكامل.</translation>
    </message>
    <message>
        <source> Click here for more details.</source>
        <translation> انقر هنا لمزيد من التفاصيل.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the maker&apos;s main site.</extracomment>
        <translation>انقر هنا لزيارة %1</translation>
    </message>
</context>
<context>
    <name>ui::frmExitScreen</name>
    <message>
        <source>Orvane Softwares, such as this can be created and maintained only with your support. The best way to support our forum is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Each line: %1 is the maker&apos;s main site. The box holds about 75 characters a line, on four lines.</extracomment>
        <translation>لا يمكن إنشاء برامج Orvane Softwares مثل هذا البرنامج وصيانتها إلا بدعمك. وأفضل طريقة لدعم منتدانا هي أن تزور %1 بانتظام وتشارك في النقاشات والأنشطة الأخرى فيه.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support us by taking part in the discussions and other activities there. We cannot support and maintain these programs without you regularly visiting our site.</source>
        <translation>زُر %1 بانتظام، وادعمنا بالمشاركة في النقاشات والأنشطة الأخرى هناك. لا يمكننا دعم هذه البرامج وصيانتها دون زياراتك المنتظمة لموقعنا.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on all esoteric subjects. To help us develop and maintain this software, please visit it regularly.</source>
        <translation>يُعد %1 منتدى نقاش مجانيًا على الإنترنت في جميع موضوعات العلوم الخفية. لمساعدتنا على تطوير هذا البرنامج وصيانته، يُرجى زيارته بانتظام.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit it regularly and take part in the various discussions and activities, to help us maintain and develop more Orvane Softwares.</source>
        <translation>يحتاج %1 إلى مساعدتك. كل ما عليك هو أن تزوره بانتظام وتشارك في نقاشاته وأنشطته المختلفة، لتساعدنا على صيانة المزيد من برامج Orvane Softwares وتطويرها.</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>أيقونة البرنامج</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>انقر هنا لزيارة %1 الآن</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خروج(&amp;X)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Download Orvane Softwares</source>
        <translation>تنزيل برامج Orvane Softwares</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvane Softwares. From a single software, we have now grown to become the world’s largest resource of orvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.%1All the programs in the Orvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>إن كان هذا البرنامج قد أعجبك، فستهتم بالتأكيد ببرامج Orvane Softwares الأخرى. بدأنا ببرنامج واحد، وأصبحنا اليوم أكبر مصدر في العالم لبرامج orvane softwares. سواء أكان ما يهمك التنجيم أم الاستبصار أم التاروت أم علم الأعداد أم الغيبيات، فلدينا برامج في كل هذه المجالات، مما يمنح مستخدمينا خيارات واسعة تناسب اهتماماتهم.
جميع برامج مجموعة Orvane Softwares بسيطة وسهلة الاستخدام، وهي ليست ممتعة فحسب، بل غنية بالمعلومات أيضًا. جرّبها اليوم، وشارك تجربتك مع أصدقائك وعائلتك.
%1</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvane Softwares</source>
        <translation>انقر هنا لزيارة Orvane Softwares</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>يُرجى ملء البيانات التالية:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>الاسم الشخصي</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>الاسم الثاني</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>اسم العائلة</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>تاريخ الميلاد</translation>
    </message>
    <message>
        <source>Birth Month</source>
        <translation>شهر الميلاد</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>يوم الميلاد</translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation>سنة الميلاد</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>التالي(&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خروج(&amp;X)</translation>
    </message>
</context>
<context>
    <name>ui::frmPersonalMonth</name>
    <message>
        <source>Your Varodara Zevaz Adavuv</source>
        <translation>رقم Varodara Zevaz Adavuv الخاص بك</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>رجوع(&amp;B)</translation>
    </message>
</context>
</TS>
