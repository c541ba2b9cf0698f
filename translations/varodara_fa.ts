<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [OPTION]</source>
        <extracomment>OPTION stays as it is.</extracomment>
        <translation>استفاده: %1 [OPTION]</translation>
    </message>
    <message>
        <source>Works out your Varodara Zevaz Adavuv from your birth date and shows its reading.</source>
        <translation>عدد Varodara Zevaz Adavuv شما را از تاریخ تولدتان حساب می‌کند و پیش‌بینی آن را نشان می‌دهد.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two in a list of options: &quot;--number, --month, --explain or --json&quot;.</extracomment>
        <translation>%1 یا %2</translation>
    </message>
    <message>
        <source>A refused date, month or option is named on standard error, with exit status 2.</source>
        <translation>تاریخ، ماه یا گزینه‌ای که پذیرفته نشود، در خروجی خطای استاندارد ذکر می‌شود
و برنامه با وضعیت خروج 2 پایان می‌یابد.</translation>
    </message>
    <message>
        <source>With %1, an argument that is none of the options
above is refused too; without them, other arguments are ignored (a desktop launcher
may pass a field code).</source>
        <extracomment>%1: the names of the calculation&apos;s options. Lines of at most about 85 characters.</extracomment>
        <translation>با %1، آرگومانی هم که هیچ‌یک از گزینه‌های بالا نباشد
پذیرفته نمی‌شود؛ بدون آن‌ها آرگومان‌های دیگر نادیده گرفته می‌شوند (ممکن است
راه‌انداز میزکار یک کد فیلد بفرستد).</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>گزینهٔ ناشناخته %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>آرگومان غیرمنتظره %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 دو بار داده شده است</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two in a list of options: &quot;--month, --explain and --json&quot;.</extracomment>
        <translation>%1 و %2</translation>
    </message>
    <message>
        <source>%1 go with %2</source>
        <extracomment>%1: the names of options, %2: the option they need, as in &quot;--number BIRTH&quot;.</extracomment>
        <translation>%1 فقط همراه با %2 به کار می‌روند</translation>
    </message>
    <message>
        <source>the birth date %1 is not a date of the form YYYY-MM-DD</source>
        <translation>تاریخ تولد %1 تاریخی به شکل YYYY-MM-DD نیست</translation>
    </message>
    <message>
        <source>the birth year %1 is not one of the window&apos;s years, %2 to %3</source>
        <translation>سال تولد %1 جزو سال‌های پنجره (%2 تا %3) نیست</translation>
    </message>
    <message>
        <source>the month %1 is not a month of the form YYYY-MM</source>
        <translation>ماه %1 ماهی به شکل YYYY-MM نیست</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins two names in a list of options: &quot;--number, --month&quot;; the last two are joined as &quot;%1 or %2&quot; or &quot;%1 and %2&quot; say.</extracomment>
        <translation>%1، %2</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>نمایش این راهنما و خروج</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>نمایش نسخه و خروج</translation>
    </message>
    <message>
        <source>%1 needs a birth date, YYYY-MM-DD</source>
        <translation>%1 به یک تاریخ تولد به شکل YYYY-MM-DD نیاز دارد</translation>
    </message>
    <message>
        <source>print the number and the reading that the window shows for the
birth date BIRTH (YYYY-MM-DD, a year from 1900 to 2050), this month</source>
        <extracomment>Lines of at most about 64 characters; BIRTH and YYYY-MM-DD stay as they are.</extracomment>
        <translation>چاپ عدد و پیش‌بینی‌ای که پنجره برای تاریخ تولد BIRTH
(YYYY-MM-DD، سالی از 1900 تا 2050) در این ماه نشان می‌دهد</translation>
    </message>
    <message>
        <source>%1 needs a month, YYYY-MM</source>
        <translation>%1 به یک ماه به شکل YYYY-MM نیاز دارد</translation>
    </message>
    <message>
        <source>for that month instead of this one</source>
        <translation>برای آن ماه به جای ماه جاری</translation>
    </message>
    <message>
        <source>show, after the reading, how the number is worked out</source>
        <translation>نمایش چگونگی محاسبهٔ عدد، پس از پیش‌بینی</translation>
    </message>
    <message>
        <source>print one JSON object instead, with the fields birth, month,
number, reading, text and steps; each step has step, input,
digitSum, stages and output (birthMonth: step, input, output;
total: terms too)</source>
        <extracomment>Lines of at most about 64 characters; the field names stay as they are.</extracomment>
        <translation>به جای آن، چاپ یک شیء JSON با فیلدهای birth، month، number،
reading، text و steps؛ هر گام دارای step، input، digitSum،
stages و output است (birthMonth: step، input، output؛
total: افزون بر این‌ها terms)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <extracomment>Joins two steps of a sum: &quot;2 + 0 + 2 + 6 = 10, then 1 + 0 = 1&quot;.</extracomment>
        <translation>%1، سپس %2</translation>
    </message>
    <message>
        <source>How the number is worked out:</source>
        <translation>چگونگی محاسبهٔ عدد:</translation>
    </message>
    <message>
        <source>the birth day %1: %2</source>
        <translation>روز تولد %1: %2</translation>
    </message>
    <message>
        <source>the birth month %1: %2</source>
        <translation>ماه تولد %1: %2</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3, %4</source>
        <extracomment>%1: the month&apos;s name, %2: its year, %3: its number in the year, %4: how that is reduced.</extracomment>
        <translation>ماه %1 %2: %1 ماه %3 سال است، %4</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3</source>
        <translation>ماه %1 %2: %1 ماه %3 سال است</translation>
    </message>
    <message>
        <source>the year %1: %2</source>
        <translation>سال %1: %2</translation>
    </message>
    <message>
        <source>the total: %1</source>
        <translation>مجموع: %1</translation>
    </message>
    <message>
        <source>The birth year and the names do not enter the number.</source>
        <translation>سال تولد و نام‌ها در عدد نقشی ندارند.</translation>
    </message>
    <message>
        <source>no display found (set DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>هیچ نمایشگری پیدا نشد (DISPLAY یا WAYLAND_DISPLAY را تنظیم کنید)</translation>
    </message>
    <message>
        <source>Without an option the program opens its window;
it needs a graphical display (X11 or Wayland).</source>
        <translation>بدون گزینه، برنامه پنجرهٔ خود را باز می‌کند؛
برای این کار به یک نمایشگر گرافیکی (X11 یا Wayland) نیاز دارد.</translation>
    </message>
    <message>
        <source>Without an option the program opens its window.</source>
        <translation>بدون گزینه، برنامه پنجرهٔ خود را باز می‌کند.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>لطفاً نام خود را وارد کنید.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>لطفاً نام خانوادگی خود را وارد کنید.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>لطفاً روز تولد خود را مشخص کنید.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>لطفاً ماه تولد خود را مشخص کنید.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>لطفاً سال تولد خود را مشخص کنید.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>لطفاً روز یا ماه درستی وارد کنید!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>لطفاً روز یا ماه درستی وارد کنید!</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>لطفاً دو نشانی ایمیل متفاوت وارد کنید.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>لطفاً یک نشانی ایمیل معتبر وارد کنید.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>لطفاً نام خود را وارد کنید.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>لطفاً نشانی ایمیل خود را وارد کنید.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>لطفاً پیام خود را وارد کنید.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>لطفاً نام دوست خود را وارد کنید.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>لطفاً نشانی ایمیل دوست خود را وارد کنید.</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>برنامه هم‌اکنون در حال اجراست.</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>شاید نسخهٔ تازه‌ای از این نرم‌افزار در دسترس باشد.<byte value="xd"/>آیا می‌خواهید به‌روزرسانی‌ها را بررسی کنید؟</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>نشانی ایمیل نمی‌تواند فاصله داشته باشد.</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>ژانویه</translation>
    </message>
    <message>
        <source>February</source>
        <translation>فوریه</translation>
    </message>
    <message>
        <source>March</source>
        <translation>مارس</translation>
    </message>
    <message>
        <source>April</source>
        <translation>آوریل</translation>
    </message>
    <message>
        <source>May</source>
        <translation>مه</translation>
    </message>
    <message>
        <source>June</source>
        <translation>ژوئن</translation>
    </message>
    <message>
        <source>July</source>
        <translation>ژوئیه</translation>
    </message>
    <message>
        <source>August</source>
        <translation>اوت</translation>
    </message>
    <message>
        <source>September</source>
        <translation>سپتامبر</translation>
    </message>
    <message>
        <source>October</source>
        <translation>اکتبر</translation>
    </message>
    <message>
        <source>November</source>
        <translation>نوامبر</translation>
    </message>
    <message>
        <source>December</source>
        <translation>دسامبر</translation>
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
        <translation>واگرد(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ازنو(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>برش(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>کپی(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>چسباندن(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>انتخاب همه</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>بله(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>خیر(&amp;N)</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>واگرد(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ازنو(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>برش(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>کپی(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>چسباندن(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>انتخاب همه</translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>This is a time for new beginnings. Explore creative ideas. Maintain your individuality. The projects and assignments started during this time are the seeds being planted for later growth. You need to be aware of what you are planting.</source>
        <translation>اکنون زمان آغازهای تازه است. ایده‌های خلاقانه را بکاوید و فردیت خود را حفظ کنید. طرح‌ها و کارهایی که در این دوره آغاز می‌کنید، بذرهایی هستند که برای رشد آینده کاشته می‌شوند؛ پس آگاه باشید که چه می‌کارید.</translation>
    </message>
    <message>
        <source>You will make new friends. You will achieve some most awaited success. Take care about small things in life. Conflicts may arise, and if you do, attempt to ease them by cooperating with those involved. You will have peace and harmony.</source>
        <translation>دوستان تازه‌ای پیدا خواهید کرد و به موفقیتی خواهید رسید که مدت‌ها در انتظارش بوده‌اید. به چیزهای کوچک زندگی توجه کنید. ممکن است اختلاف‌هایی پیش بیاید؛ در این صورت بکوشید با همکاری افراد درگیر، آن‌ها را برطرف کنید. آرامش و هماهنگی در انتظار شماست.</translation>
    </message>
    <message>
        <source>This is the month of creativity. Maintain optimism and free your mind. You can start anything new this month. Explore the artistic side of yourself. Invitations, friends and social activities are in the air.</source>
        <translation>این ماه، ماه خلاقیت است. خوش‌بین بمانید و ذهن خود را آزاد کنید. این ماه می‌توانید هر کار تازه‌ای را آغاز کنید. جنبهٔ هنری وجودتان را کشف کنید. دعوت‌ها، دوستان و فعالیت‌های اجتماعی در راه‌اند.</translation>
    </message>
    <message>
        <source>Pay attention to legal, property and financial matters. Organize your work and stick to it. Be cautious, patient and methodical in everything that you do. So planning is very important this month.</source>
        <translation>به امور حقوقی، ملکی و مالی توجه کنید. کارهایتان را سامان دهید و به برنامه‌تان پایبند بمانید. در هر کاری که انجام می‌دهید محتاط، صبور و منظم باشید. از این رو برنامه‌ریزی در این ماه بسیار مهم است.</translation>
    </message>
    <message>
        <source>Leave behind old problems and look at life with a fresh mind. You can look at old things in new ways. Work hard on present tasks. You can promote your ideas, business. It&apos;s even more important time for learning. Don&apos;t take up too many tasks.</source>
        <translation>مشکلات قدیمی را پشت سر بگذارید و با ذهنی تازه به زندگی نگاه کنید. می‌توانید چیزهای قدیمی را به شیوه‌ای نو ببینید. برای کارهای کنونی خود سخت بکوشید. می‌توانید ایده‌ها و کسب‌وکارتان را پیش ببرید. مهم‌تر از همه، اکنون زمان مناسبی برای یادگیری است. کارهای زیادی را بر عهده نگیرید.</translation>
    </message>
    <message>
        <source>This Month calls for the spirit of willingness.  It&apos;s a good time to think about your own home. Give ample love to your family. Take care about your &apos;s and family&apos;s health issues.</source>
        <translation>این ماه روحیهٔ خیرخواهی و آمادگی برای کمک را می‌طلبد. زمان خوبی است تا به خانهٔ خود فکر کنید. به خانواده‌تان بسیار محبت کنید. مراقب سلامت خود و خانواده‌تان باشید.</translation>
    </message>
    <message>
        <source>Listen to your heart, the inner soul. Look over your plans and ideas, and examine at them closely, yet non-critically. People may misunderstand, but you need to maintain peace to sort it out with them.</source>
        <translation>به ندای دلتان، به صدای درونتان، گوش دهید. برنامه‌ها و ایده‌هایتان را مرور کنید و آن‌ها را با دقت، اما بدون سخت‌گیری، بررسی کنید. ممکن است دیگران شما را درست درک نکنند؛ آرامش خود را حفظ کنید تا موضوع را با آن‌ها حل کنید.</translation>
    </message>
    <message>
        <source>Efforts are required to reach the heights of success. Maintain calm and work on it. Since 8 is the number of material power, sometimes our efforts have to be repeated a number of times if you are to gain the success.</source>
        <translation>رسیدن به قلهٔ موفقیت به تلاش نیاز دارد. آرامش خود را حفظ کنید و برایش کار کنید. از آنجا که 8 عدد قدرت مادی است، گاهی باید تلاش‌هایتان را چند بار تکرار کنید تا به موفقیت برسید.</translation>
    </message>
    <message>
        <source>Don&apos;t try to stop anything, which is out of your reach, just like a storm that&apos;s unstoppable. Work on social activities if you can. This is a good time to have a broad outlook as possible on things, to put personal goals, achievements or needs to one side as much as you can.</source>
        <translation>سعی نکنید چیزی را که از اختیار شما بیرون است متوقف کنید؛ همان‌گونه که جلوی طوفان را نمی‌توان گرفت. اگر می‌توانید، به فعالیت‌های اجتماعی بپردازید. اکنون زمان خوبی است تا با دیدی هرچه گسترده‌تر به امور بنگرید و اهداف، دستاوردها یا نیازهای شخصی خود را تا جای ممکن کنار بگذارید.</translation>
    </message>
    <message>
        <source>Your Varodara Zevaz Adavuv is: </source>
        <translation>عدد Varodara Zevaz Adavuv شما: </translation>
    </message>
    <message>
        <source>The Varodara Zevaz Adavuv describes what your lessons are during the course of the month, the trends and particular influences that are affecting you personally.</source>
        <translation>عدد Varodara Zevaz Adavuv درس‌هایی را که در طول ماه می‌آموزید، و روندها و تأثیرهای خاصی را که شخصاً بر شما اثر می‌گذارند، توصیف می‌کند.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>نام شما</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>نشانی ایمیل شما</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>پیام شما</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>نام دوستتان</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>نشانی ایمیل دوستتان</translation>
    </message>
</context>
<context>
    <name>ui::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>پرونده(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>بعدی(&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خروج(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>راهنما(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>راهنمای آنلاین(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>بازدید از وب‌سایت ما(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>بررسی به‌روزرسانی‌ها(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>دربارهٔ نرم‌افزار(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>کمک مالی(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>کسب درآمد آنلاین(&amp;O)</translation>
    </message>
</context>
<context>
    <name>ui::Promotions</name>
    <message>
        <source>Share your readings in our free online forum. Visit us at %1</source>
        <translation>پیش‌بینی‌های خود را در انجمن آنلاین رایگان ما با دیگران در میان بگذارید. به ما سر بزنید: %1</translation>
    </message>
    <message>
        <source>Forum</source>
        <translation>انجمن</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>پیشنهادها</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.Click Here for more info on co-branding.</source>
        <translation>این نرم‌افزار را با نام سایت خود عرضه کنید. وفاداری و شمار بازدیدکنندگان سایتتان را افزایش دهید. نام و پیوند سایت خود را اینجا بگذارید. جزئیات را در «راهنما» ببینید. برای اطلاعات بیشتر دربارهٔ برند مشترک اینجا کلیک کنید.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>فرصت کسب‌وکار خانگی. کسب‌وکار اینترنتی خود را راه بیندازید و آنلاین درآمد کسب کنید. این نرم‌افزار را کاملاً با نام وب‌سایت خود داشته باشید. برای جزئیات بیشتر اینجا کلیک کنید.</translation>
    </message>
</context>
<context>
    <name>ui::ReferAFriendBox</name>
    <message>
        <source>Refer A Friend</source>
        <translation>معرفی به دوستان</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>همین حالا به دوستان معرفی کنید(&amp;N)</translation>
    </message>
    <message>
        <source>Refer A Friend Now</source>
        <translation>همین حالا به دوستان معرفی کنید</translation>
    </message>
</context>
<context>
    <name>ui::frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation>نماد برنامه</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>خط جداکننده</translation>
    </message>
    <message>
        <source>OV Varodara Zevaz Adavuv Software gives you an idea about the trends and influences of a month of your life. There are 9 personal months. This number is calculated by adding your Birth Day, Birth Month, Current Month and Current Year. So this software helps you in getting the current and past month&apos;s forecast.</source>
        <extracomment>The box holds about 60 characters a line, on six lines, the rights notice included.</extracomment>
        <translation>نرم‌افزار OV Varodara Zevaz Adavuv تصویری از روندها و تأثیرهای یک ماه از زندگی‌تان به شما می‌دهد. 9 ماه شخصی وجود دارد. این عدد از جمع روز تولد، ماه تولد، ماه جاری و سال جاری به دست می‌آید. به این ترتیب، این نرم‌افزار پیش‌بینی ماه جاری و ماه گذشته را در اختیارتان می‌گذارد.</translation>
    </message>
    <message>
        <source>© Orvane Softwares, %1. All rights reserved.</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>© Orvane Softwares، %1. همهٔ حقوق محفوظ است.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>فرصت کسب‌وکار خانگی. کسب‌وکار اینترنتی خود را راه بیندازید و آنلاین درآمد کسب کنید. این نرم‌افزار را کاملاً با نام وب‌سایت خود داشته باشید.</translation>
    </message>
    <message>
        <source> Click here for more details.</source>
        <translation> برای جزئیات بیشتر کلیک کنید.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the maker&apos;s main site.</extracomment>
        <translation>بازدید از %1</translation>
    </message>
</context>
<context>
    <name>ui::frmExitScreen</name>
    <message>
        <source>Orvane Softwares, such as this can be created and maintained only with your support. The best way to support our forum is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Each line: %1 is the maker&apos;s main site. The box holds about 75 characters a line, on four lines.</extracomment>
        <translation>نرم‌افزارهای Orvane Softwares مانند همین برنامه تنها با پشتیبانی شما ساخته و نگهداری می‌شوند. بهترین راه پشتیبانی از انجمن ما این است که مرتب به %1 سر بزنید و در گفت‌وگوها و دیگر فعالیت‌های آن شرکت کنید.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support us by taking part in the discussions and other activities there. We cannot support and maintain these programs without you regularly visiting our site.</source>
        <translation>مرتب به %1 سر بزنید و با شرکت در گفت‌وگوها و دیگر فعالیت‌های آنجا از ما پشتیبانی کنید. بدون بازدیدهای منظم شما از سایتمان، نمی‌توانیم این برنامه‌ها را پشتیبانی و نگهداری کنیم.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on all esoteric subjects. To help us develop and maintain this software, please visit it regularly.</source>
        <translation>سایت %1 انجمن گفت‌وگوی آنلاین و رایگانی دربارهٔ همهٔ مباحث علوم باطنی است. برای کمک به توسعه و نگهداری این نرم‌افزار، لطفاً مرتب به آن سر بزنید.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit it regularly and take part in the various discussions and activities, to help us maintain and develop more Orvane Softwares.</source>
        <translation>سایت %1 به کمک شما نیاز دارد. کافی است مرتب به آن سر بزنید و در گفت‌وگوها و فعالیت‌های گوناگون آن شرکت کنید تا به ما در نگهداری و توسعهٔ نرم‌افزارهای بیشتری از Orvane Softwares کمک کنید.</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>نماد برنامه</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>همین حالا برای رفتن به %1 کلیک کنید</translation>
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
        <translation>دانلود محصولات Orvane Softwares</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvane Softwares. From a single software, we have now grown to become the world’s largest resource of orvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.%1All the programs in the Orvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>اگر از این نرم‌افزار لذت برده‌اید، بی‌شک به دیگر نرم‌افزارهای Orvane Softwares هم علاقه‌مند خواهید شد. ما کار را با یک نرم‌افزار آغاز کردیم و اکنون بزرگ‌ترین منبع orvane softwares در جهان شده‌ایم. از طالع‌بینی، فراروان‌شناسی و تاروت گرفته تا عددشناسی و علوم غریبه، در همهٔ زمینه‌ها برنامه داریم و به این ترتیب کاربرانمان می‌توانند به فراخور علاقهٔ خود از میان گزینه‌های فراوان انتخاب کنند.
همهٔ برنامه‌های مجموعهٔ Orvane Softwares ساده و آسان‌اند. کار با آن‌ها نه‌تنها سرگرم‌کننده، بلکه بسیار آموزنده است. همین امروز آن‌ها را امتحان کنید و تجربهٔ خود را با دوستان و خانواده‌تان در میان بگذارید.
%1</translation>
    </message>
    <message>
        <source>Click Here To Visit Orvane Softwares</source>
        <translation>برای رفتن به Orvane Softwares کلیک کنید</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>لطفاً مشخصات زیر را پر کنید:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>نام</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>نام میانی</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>نام خانوادگی</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>تاریخ تولد</translation>
    </message>
    <message>
        <source>Birth Month</source>
        <translation>ماه تولد</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>روز تولد</translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation>سال تولد</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>بعدی(&amp;N)</translation>
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
        <translation>عدد Varodara Zevaz Adavuv شما</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>بازگشت(&amp;B)</translation>
    </message>
</context>
</TS>
