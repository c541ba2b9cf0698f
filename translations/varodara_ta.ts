<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [OPTION]</source>
        <extracomment>OPTION stays as it is.</extracomment>
        <translation>பயன்பாடு: %1 [OPTION]</translation>
    </message>
    <message>
        <source>Works out your Varodara Zevaz Adavuv from your birth date and shows its reading.</source>
        <translation>நீங்கள் பிறந்த தேதியிலிருந்து உங்கள் Varodara Zevaz Adavuv-ஐக் கணக்கிட்டு,
அதன் பலனைக் காட்டுகிறது.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two in a list of options: &quot;--number, --month, --explain or --json&quot;.</extracomment>
        <translation>%1 அல்லது %2</translation>
    </message>
    <message>
        <source>A refused date, month or option is named on standard error, with exit status 2.</source>
        <translation>ஏற்கப்படாத தேதி, மாதம் அல்லது விருப்பத்தின் பெயர் நிலையான பிழை
வெளியீட்டில் காட்டப்படும்; வெளியேறும் நிலைக் குறியீடு 2.</translation>
    </message>
    <message>
        <source>With %1, an argument that is none of the options
above is refused too; without them, other arguments are ignored (a desktop launcher
may pass a field code).</source>
        <extracomment>%1: the names of the calculation&apos;s options. Lines of at most about 85 characters.</extracomment>
        <translation>%1 கொடுத்தால், மேலே உள்ள
விருப்பங்கள் எதுவும் அல்லாத அளவுருவும் ஏற்கப்படாது; அவை இல்லாவிட்டால்
மற்ற அளவுருக்கள் புறக்கணிக்கப்படும் (டெஸ்க்டாப் துவக்கி ஒரு புலக்
குறியீட்டை அனுப்பக்கூடும்).</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>தெரியாத விருப்பம் %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>எதிர்பாராத அளவுரு %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 இரண்டு முறை கொடுக்கப்பட்டுள்ளது</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two in a list of options: &quot;--month, --explain and --json&quot;.</extracomment>
        <translation>%1 மற்றும் %2</translation>
    </message>
    <message>
        <source>%1 go with %2</source>
        <extracomment>%1: the names of options, %2: the option they need, as in &quot;--number BIRTH&quot;.</extracomment>
        <translation>%1 ஆகியவை %2 உடன் மட்டுமே பயன்படும்</translation>
    </message>
    <message>
        <source>the birth date %1 is not a date of the form YYYY-MM-DD</source>
        <translation>பிறந்த தேதி %1 என்பது YYYY-MM-DD வடிவிலான தேதி அல்ல</translation>
    </message>
    <message>
        <source>the birth year %1 is not one of the window&apos;s years, %2 to %3</source>
        <translation>பிறந்த ஆண்டு %1 சாளரத்தின் ஆண்டுகளில் (%2 முதல் %3 வரை) இல்லை</translation>
    </message>
    <message>
        <source>the month %1 is not a month of the form YYYY-MM</source>
        <translation>மாதம் %1 என்பது YYYY-MM வடிவிலான மாதம் அல்ல</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins two names in a list of options: &quot;--number, --month&quot;; the last two are joined as &quot;%1 or %2&quot; or &quot;%1 and %2&quot; say.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>இந்த உதவியைக் காட்டி வெளியேறு</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>பதிப்பைக் காட்டி வெளியேறு</translation>
    </message>
    <message>
        <source>%1 needs a birth date, YYYY-MM-DD</source>
        <translation>%1-க்கு ஒரு பிறந்த தேதி தேவை, YYYY-MM-DD</translation>
    </message>
    <message>
        <source>print the number and the reading that the window shows for the
birth date BIRTH (YYYY-MM-DD, a year from 1900 to 2050), this month</source>
        <extracomment>Lines of at most about 64 characters; BIRTH and YYYY-MM-DD stay as they are.</extracomment>
        <translation>BIRTH என்ற பிறந்த தேதிக்கு (YYYY-MM-DD, ஆண்டு 1900
முதல் 2050 வரை) இந்த மாதம் சாளரம் காட்டும் எண்ணையும்
பலனையும் அச்சிடு</translation>
    </message>
    <message>
        <source>%1 needs a month, YYYY-MM</source>
        <translation>%1-க்கு ஒரு மாதம் தேவை, YYYY-MM</translation>
    </message>
    <message>
        <source>for that month instead of this one</source>
        <translation>இந்த மாதத்துக்குப் பதிலாக அந்த மாதத்துக்கு</translation>
    </message>
    <message>
        <source>show, after the reading, how the number is worked out</source>
        <translation>பலனுக்குப் பிறகு, எண் எவ்வாறு கணக்கிடப்படுகிறது என்பதைக் காட்டு</translation>
    </message>
    <message>
        <source>print one JSON object instead, with the fields birth, month,
number, reading, text and steps; each step has step, input,
digitSum, stages and output (birthMonth: step, input, output;
total: terms too)</source>
        <extracomment>Lines of at most about 64 characters; the field names stay as they are.</extracomment>
        <translation>அதற்குப் பதிலாக ஒரு JSON பொருளை அச்சிடு; அதன் புலங்கள் birth,
month, number, reading, text, steps; ஒவ்வொரு படியிலும் step,
input, digitSum, stages, output உண்டு (birthMonth: step, input,
output; total: இவற்றுடன் terms)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <extracomment>Joins two steps of a sum: &quot;2 + 0 + 2 + 6 = 10, then 1 + 0 = 1&quot;.</extracomment>
        <translation>%1, பிறகு %2</translation>
    </message>
    <message>
        <source>How the number is worked out:</source>
        <translation>எண் கணக்கிடப்படும் விதம்:</translation>
    </message>
    <message>
        <source>the birth day %1: %2</source>
        <translation>பிறந்த நாள் %1: %2</translation>
    </message>
    <message>
        <source>the birth month %1: %2</source>
        <translation>பிறந்த மாதம் %1: %2</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3, %4</source>
        <extracomment>%1: the month&apos;s name, %2: its year, %3: its number in the year, %4: how that is reduced.</extracomment>
        <translation>மாதம் %1 %2: %1 என்பது %3, %4</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3</source>
        <translation>மாதம் %1 %2: %1 என்பது %3</translation>
    </message>
    <message>
        <source>the year %1: %2</source>
        <translation>ஆண்டு %1: %2</translation>
    </message>
    <message>
        <source>the total: %1</source>
        <translation>மொத்தம்: %1</translation>
    </message>
    <message>
        <source>The birth year and the names do not enter the number.</source>
        <translation>பிறந்த ஆண்டும் பெயர்களும் எண்ணில் சேர்வதில்லை.</translation>
    </message>
    <message>
        <source>no display found (set DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>டிஸ்ப்ளே எதுவும் கிடைக்கவில்லை (DISPLAY அல்லது WAYLAND_DISPLAY மாறியை அமையுங்கள்)</translation>
    </message>
    <message>
        <source>Without an option the program opens its window;
it needs a graphical display (X11 or Wayland).</source>
        <translation>விருப்பம் எதுவும் இல்லாமல், நிரல் தன் சாளரத்தைத் திறக்கும்;
அதற்கு ஒரு வரைகலை டிஸ்ப்ளே (X11 அல்லது Wayland) தேவை.</translation>
    </message>
    <message>
        <source>Without an option the program opens its window.</source>
        <translation>விருப்பம் எதுவும் இல்லாமல், நிரல் தன் சாளரத்தைத் திறக்கும்.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>தயவுசெய்து உங்கள் முதல் பெயரை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>தயவுசெய்து உங்கள் கடைசிப் பெயரை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>தயவுசெய்து நீங்கள் பிறந்த தேதியைத் தேர்ந்தெடுங்கள்</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>தயவுசெய்து நீங்கள் பிறந்த மாதத்தைத் தேர்ந்தெடுங்கள்</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>தயவுசெய்து நீங்கள் பிறந்த ஆண்டைத் தேர்ந்தெடுங்கள்</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>தயவுசெய்து சரியான தேதியையோ மாதத்தையோ உள்ளிடுங்கள்!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>தயவுசெய்து சரியான தேதியையோ மாதத்தையோ உள்ளிடுங்கள்!</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>தயவுசெய்து வெவ்வேறு மின்னஞ்சல் முகவரிகளை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>தயவுசெய்து சரியான மின்னஞ்சல் முகவரியை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>தயவுசெய்து உங்கள் பெயரை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>தயவுசெய்து உங்கள் மின்னஞ்சல் முகவரியை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>தயவுசெய்து உங்கள் செய்தியை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>தயவுசெய்து உங்கள் நண்பரின் பெயரை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>தயவுசெய்து உங்கள் நண்பரின் மின்னஞ்சல் முகவரியை உள்ளிடுங்கள்</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>இந்த நிரல் ஏற்கெனவே இயங்கிக்கொண்டிருக்கிறது</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>இந்த மென்பொருளுக்குப் புதுப்பிப்பு ஒன்று வந்திருக்கலாம்.<byte value="xd"/>புதுப்பிப்பு உள்ளதா எனப் பார்க்க விரும்புகிறீர்களா?</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>மின்னஞ்சல் முகவரியில் இடைவெளி இருக்கக்கூடாது</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>ஜனவரி</translation>
    </message>
    <message>
        <source>February</source>
        <translation>பிப்ரவரி</translation>
    </message>
    <message>
        <source>March</source>
        <translation>மார்ச்</translation>
    </message>
    <message>
        <source>April</source>
        <translation>ஏப்ரல்</translation>
    </message>
    <message>
        <source>May</source>
        <translation>மே</translation>
    </message>
    <message>
        <source>June</source>
        <translation>ஜூன்</translation>
    </message>
    <message>
        <source>July</source>
        <translation>ஜூலை</translation>
    </message>
    <message>
        <source>August</source>
        <translation>ஆகஸ்ட்</translation>
    </message>
    <message>
        <source>September</source>
        <translation>செப்டம்பர்</translation>
    </message>
    <message>
        <source>October</source>
        <translation>அக்டோபர்</translation>
    </message>
    <message>
        <source>November</source>
        <translation>நவம்பர்</translation>
    </message>
    <message>
        <source>December</source>
        <translation>டிசம்பர்</translation>
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
        <translation>செயல்தவிர்(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>மீண்டும் செய்(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>வெட்டு(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>நகலெடு(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ஒட்டு(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>நீக்கு</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>அனைத்தையும் தேர்ந்தெடு</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ஆம்(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>இல்லை(&amp;N)</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>செயல்தவிர்(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>மீண்டும் செய்(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>வெட்டு(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>நகலெடு(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>ஒட்டு(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>நீக்கு</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>அனைத்தையும் தேர்ந்தெடு</translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>This is a time for new beginnings. Explore creative ideas. Maintain your individuality. The projects and assignments started during this time are the seeds being planted for later growth. You need to be aware of what you are planting.</source>
        <translation>இது புதிய தொடக்கங்களுக்கான காலம். படைப்பாற்றல் மிக்க எண்ணங்களை ஆராயுங்கள். உங்கள் தனித்தன்மையைக் காத்துக்கொள்ளுங்கள். இக்காலத்தில் தொடங்கும் திட்டங்களும் பணிகளும் பிற்கால வளர்ச்சிக்காக விதைக்கப்படும் விதைகள். நீங்கள் எதை விதைக்கிறீர்கள் என்பதில் கவனமாக இருங்கள்.</translation>
    </message>
    <message>
        <source>You will make new friends. You will achieve some most awaited success. Take care about small things in life. Conflicts may arise, and if you do, attempt to ease them by cooperating with those involved. You will have peace and harmony.</source>
        <translation>நீங்கள் புதிய நண்பர்களைப் பெறுவீர்கள். நீண்ட நாள் எதிர்பார்த்த வெற்றி ஒன்று உங்களுக்குக் கிட்டும். வாழ்க்கையின் சிறிய விஷயங்களிலும் கவனம் செலுத்துங்கள். கருத்து வேறுபாடுகள் எழலாம்; அப்படி எழுந்தால், சம்பந்தப்பட்டவர்களுடன் ஒத்துழைத்து அவற்றைத் தணிக்க முயலுங்கள். உங்கள் வாழ்வில் அமைதியும் இணக்கமும் நிலவும்.</translation>
    </message>
    <message>
        <source>This is the month of creativity. Maintain optimism and free your mind. You can start anything new this month. Explore the artistic side of yourself. Invitations, friends and social activities are in the air.</source>
        <translation>இது படைப்பாற்றலின் மாதம். நம்பிக்கையுடன் இருங்கள்; மனதைச் சுதந்திரமாக விடுங்கள். இந்த மாதம் நீங்கள் எந்தப் புதிய செயலையும் தொடங்கலாம். உங்களுக்குள் இருக்கும் கலைஞரைக் கண்டறியுங்கள். அழைப்புகள், நண்பர்கள், சமூக நிகழ்வுகள் எனச் சூழல் களைகட்டும்.</translation>
    </message>
    <message>
        <source>Pay attention to legal, property and financial matters. Organize your work and stick to it. Be cautious, patient and methodical in everything that you do. So planning is very important this month.</source>
        <translation>சட்டம், சொத்து, நிதி தொடர்பான விஷயங்களில் கவனம் செலுத்துங்கள். உங்கள் வேலையை ஒழுங்குபடுத்தி, அதன்படியே நடந்துகொள்ளுங்கள். நீங்கள் செய்யும் ஒவ்வொன்றிலும் எச்சரிக்கையுடனும் பொறுமையுடனும் முறையாகவும் செயல்படுங்கள். எனவே இந்த மாதம் திட்டமிடல் மிக முக்கியம்.</translation>
    </message>
    <message>
        <source>Leave behind old problems and look at life with a fresh mind. You can look at old things in new ways. Work hard on present tasks. You can promote your ideas, business. It&apos;s even more important time for learning. Don&apos;t take up too many tasks.</source>
        <translation>பழைய பிரச்சினைகளைப் பின்னால் விட்டுவிட்டு, புத்துணர்வுடன் வாழ்க்கையைப் பாருங்கள். பழைய விஷயங்களை நீங்கள் புதிய கோணங்களில் பார்க்கலாம். இப்போதைய பணிகளில் கடினமாக உழையுங்கள். உங்கள் எண்ணங்களையும் தொழிலையும் முன்னெடுத்துச் செல்லலாம். கற்றுக்கொள்வதற்கு இது மிகவும் முக்கியமான காலம். ஒரே நேரத்தில் அதிகப் பணிகளை ஏற்றுக்கொள்ளாதீர்கள்.</translation>
    </message>
    <message>
        <source>This Month calls for the spirit of willingness.  It&apos;s a good time to think about your own home. Give ample love to your family. Take care about your &apos;s and family&apos;s health issues.</source>
        <translation>இந்த மாதம் உங்களிடம் ஈடுபாட்டையும் ஒத்துழைக்கும் மனப்பான்மையையும் எதிர்பார்க்கிறது. உங்கள் சொந்த வீட்டைப் பற்றிச் சிந்திக்க இது நல்ல நேரம். குடும்பத்தினர் மீது அன்பைப் பொழியுங்கள். உங்கள் உடல்நலத்திலும் குடும்பத்தினரின் உடல்நலத்திலும் அக்கறை காட்டுங்கள்.</translation>
    </message>
    <message>
        <source>Listen to your heart, the inner soul. Look over your plans and ideas, and examine at them closely, yet non-critically. People may misunderstand, but you need to maintain peace to sort it out with them.</source>
        <translation>உங்கள் இதயத்தின், உள்மனதின் குரலைக் கேளுங்கள். உங்கள் திட்டங்களையும் எண்ணங்களையும் மீண்டும் பார்த்து, குறை காணும் நோக்கின்றிக் கூர்ந்து ஆராயுங்கள். மற்றவர்கள் உங்களைத் தவறாகப் புரிந்துகொள்ளலாம்; ஆனால் அவர்களுடன் அதைச் சரிசெய்ய நீங்கள் அமைதி காக்க வேண்டும்.</translation>
    </message>
    <message>
        <source>Efforts are required to reach the heights of success. Maintain calm and work on it. Since 8 is the number of material power, sometimes our efforts have to be repeated a number of times if you are to gain the success.</source>
        <translation>வெற்றியின் உச்சத்தை அடைய முயற்சி தேவை. அமைதியாக இருந்து தொடர்ந்து உழையுங்கள். 8 என்பது பொருள்சார் சக்தியின் எண் என்பதால், வெற்றி பெறச் சில நேரங்களில் உங்கள் முயற்சிகளைப் பலமுறை மீண்டும் செய்ய வேண்டியிருக்கும்.</translation>
    </message>
    <message>
        <source>Don&apos;t try to stop anything, which is out of your reach, just like a storm that&apos;s unstoppable. Work on social activities if you can. This is a good time to have a broad outlook as possible on things, to put personal goals, achievements or needs to one side as much as you can.</source>
        <translation>உங்கள் கைக்கு எட்டாத எதையும் தடுக்க முயலாதீர்கள்; யாராலும் நிறுத்த முடியாத புயலைப் போன்றது அது. முடிந்தால் சமூகப் பணிகளில் ஈடுபடுங்கள். விஷயங்களை இயன்றவரை பரந்த பார்வையுடன் அணுகவும், தனிப்பட்ட இலக்குகள், சாதனைகள், தேவைகள் ஆகியவற்றை முடிந்தவரை ஒதுக்கி வைக்கவும் இது நல்ல நேரம்.</translation>
    </message>
    <message>
        <source>Your Varodara Zevaz Adavuv is: </source>
        <translation>உங்கள் Varodara Zevaz Adavuv: </translation>
    </message>
    <message>
        <source>The Varodara Zevaz Adavuv describes what your lessons are during the course of the month, the trends and particular influences that are affecting you personally.</source>
        <translation>இந்த மாதம் நீங்கள் கற்க வேண்டிய பாடங்கள் என்ன, உங்களைத் தனிப்பட்ட முறையில் பாதிக்கும் போக்குகளும் சிறப்புத் தாக்கங்களும் எவை என்பதை Varodara Zevaz Adavuv விவரிக்கிறது.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>உங்கள் பெயர்</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>உங்கள் மின்னஞ்சல் முகவரி</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>உங்கள் செய்தி</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>நண்பரின் பெயர்</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>நண்பரின் மின்னஞ்சல் முகவரி</translation>
    </message>
</context>
<context>
    <name>ui::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>கோப்பு(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>அடுத்து(&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>வெளியேறு(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>உதவி(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ஆன்லைன் உதவி(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>எங்கள் இணையதளம்(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>மென்பொருள் புதுப்பிப்பைச் சரிபார்(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>மென்பொருள் பற்றி(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>நன்கொடை(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ஆன்லைனில் சம்பாதிக்க(&amp;O)</translation>
    </message>
</context>
<context>
    <name>ui::Promotions</name>
    <message>
        <source>Share your readings in our free online forum. Visit us at %1</source>
        <translation>உங்கள் பலன்களை எங்கள் இலவச ஆன்லைன் மன்றத்தில் பகிருங்கள். எங்கள் தளம்: %1</translation>
    </message>
    <message>
        <source>Forum</source>
        <translation>மன்றம்</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>சலுகைகள்</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.Click Here for more info on co-branding.</source>
        <translation>இந்த மென்பொருளை இணை-பிராண்ட் செய்து வருகையைப் பெருக்குங்கள்: உங்கள் தளத்தின் பெயரையும் இணைப்பையும் இங்கே இடுங்கள். விவரங்கள் &quot;உதவி&quot;யில். இணை-பிராண்டிங் பற்றி அறிய இங்கே கிளிக் செய்யுங்கள்.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>வீட்டிலிருந்தே இணையத் தொழில் தொடங்கிச் சம்பாதியுங்கள்: இந்த மென்பொருளை உங்கள் தளத்தின் பெயரில் பெறுங்கள். விவரங்களுக்கு இங்கே கிளிக் செய்யுங்கள்.</translation>
    </message>
</context>
<context>
    <name>ui::ReferAFriendBox</name>
    <message>
        <source>Refer A Friend</source>
        <translation>நண்பருக்குப் பரிந்துரையுங்கள்</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>இப்போதே பரிந்துரையுங்கள்(&amp;N)</translation>
    </message>
    <message>
        <source>Refer A Friend Now</source>
        <translation>இப்போதே நண்பருக்குப் பரிந்துரையுங்கள்</translation>
    </message>
</context>
<context>
    <name>ui::frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation>நிரல் ஐகான்</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>பிரிகோடு</translation>
    </message>
    <message>
        <source>OV Varodara Zevaz Adavuv Software gives you an idea about the trends and influences of a month of your life. There are 9 personal months. This number is calculated by adding your Birth Day, Birth Month, Current Month and Current Year. So this software helps you in getting the current and past month&apos;s forecast.</source>
        <extracomment>The box holds about 60 characters a line, on six lines, the rights notice included.</extracomment>
        <translation>OV Varodara Zevaz Adavuv மென்பொருள் உங்கள் வாழ்வின் ஒரு மாதத்தின் போக்கையும் தாக்கங்களையும் காட்டும். தனிப்பட்ட மாதங்கள் மொத்தம் 9. பிறந்த நாள், பிறந்த மாதம், நடப்பு மாதம், நடப்பு ஆண்டு ஆகியவற்றின் கூட்டுத்தொகையே இந்த எண். இதன் மூலம் நடப்பு மாத, கடந்த மாதப் பலன்களை அறியலாம்.</translation>
    </message>
    <message>
        <source>© Orvane Softwares, %1. All rights reserved.</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>© Orvane Softwares, %1. அனைத்து உரிமைகளும் பாதுகாக்கப்பட்டவை.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>வீட்டிலிருந்தே இணையத் தொழில் தொடங்கி ஆன்லைனில் சம்பாதியுங்கள். இந்த மென்பொருளை முழுமையாக உங்கள் இணையதளத்தின் பெயரில் பெறுங்கள்.</translation>
    </message>
    <message>
        <source> Click here for more details.</source>
        <translation> விவரங்கள் இங்கே.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the maker&apos;s main site.</extracomment>
        <translation>%1-க்குச் செல்க</translation>
    </message>
</context>
<context>
    <name>ui::frmExitScreen</name>
    <message>
        <source>Orvane Softwares, such as this can be created and maintained only with your support. The best way to support our forum is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Each line: %1 is the maker&apos;s main site. The box holds about 75 characters a line, on four lines.</extracomment>
        <translation>இது போன்ற Orvane Softwares உங்கள் ஆதரவால் மட்டுமே உருவாகி நிலைக்க முடியும். எங்கள் மன்றத்துக்கு ஆதரவளிக்கச் சிறந்த வழி, %1 தளத்துக்குத் தொடர்ந்து வந்து, அங்குள்ள விவாதங்களிலும் பிற செயல்பாடுகளிலும் பங்கேற்பதுதான்.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support us by taking part in the discussions and other activities there. We cannot support and maintain these programs without you regularly visiting our site.</source>
        <translation>%1 தளத்துக்குத் தொடர்ந்து வாருங்கள். அங்குள்ள விவாதங்களிலும் பிற செயல்பாடுகளிலும் பங்கேற்று எங்களுக்கு ஆதரவளியுங்கள். நீங்கள் எங்கள் தளத்துக்குத் தொடர்ந்து வராவிட்டால், இந்த நிரல்களை எங்களால் தொடர்ந்து வழங்கிப் பராமரிக்க முடியாது.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on all esoteric subjects. To help us develop and maintain this software, please visit it regularly.</source>
        <translation>%1 என்பது எல்லா மறைஞான விஷயங்களையும் பற்றிய இலவச ஆன்லைன் விவாத மன்றம். இந்த மென்பொருளை மேம்படுத்தவும் பராமரிக்கவும் எங்களுக்கு உதவ, தயவுசெய்து அங்கு தொடர்ந்து வாருங்கள்.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit it regularly and take part in the various discussions and activities, to help us maintain and develop more Orvane Softwares.</source>
        <translation>%1 தளத்துக்கு உங்கள் உதவி தேவை. அங்கு தொடர்ந்து வந்து பல்வேறு விவாதங்களிலும் செயல்பாடுகளிலும் பங்கேற்பது மட்டுமே நீங்கள் செய்ய வேண்டியது; அதனால் மேலும் பல Orvane Softwares-ஐ நாங்கள் பராமரித்து உருவாக்க முடியும்.</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>நிரல் ஐகான்</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>இப்போதே %1 தளத்துக்குச் செல்ல இங்கே கிளிக் செய்யுங்கள்</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>வெளியேறு(&amp;X)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>வெளியேறு</translation>
    </message>
    <message>
        <source>Download Orvane Softwares</source>
        <translation>Orvane Softwares பதிவிறக்கம்</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvane Softwares. From a single software, we have now grown to become the world’s largest resource of orvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.%1All the programs in the Orvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>இந்த மென்பொருள் பிடித்திருந்தால், எங்கள் மற்ற Orvane Softwares-உம் நிச்சயம் உங்களுக்குப் பிடிக்கும். ஒரே மென்பொருளில் தொடங்கிய நாங்கள், இன்று உலகின் மிகப்பெரிய orvane softwares களஞ்சியமாக வளர்ந்துள்ளோம். ஜோதிடம், உள்ளுணர்வு, டாரட், எண்கணிதம், மறைஞானம் என எல்லாத் துறைகளிலும் எங்களிடம் நிரல்கள் உண்டு; உங்கள் ஆர்வத்துக்கு ஏற்பத் தேர்ந்தெடுக்கலாம்.%1Orvane Softwares தொகுப்பின் எல்லா நிரல்களும் எளிமையானவை, பயன்படுத்த எளிதானவை; மகிழ்ச்சியும் தகவலும் தருபவை. இன்றே முயன்று பாருங்கள்; உங்கள் அனுபவத்தை நண்பர்களுடனும் குடும்பத்தினருடனும் பகிருங்கள். </translation>
    </message>
    <message>
        <source>Click Here To Visit Orvane Softwares</source>
        <translation>Orvane Softwares தளத்துக்குச் செல்லுங்கள்</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>கீழே உள்ள விவரங்களை நிரப்புங்கள்:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>பெயர்</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>நடுப் பெயர்</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>கடைசிப் பெயர்</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>பிறந்த தேதி</translation>
    </message>
    <message>
        <source>Birth Month</source>
        <translation>பிறந்த மாதம்</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>பிறந்த நாள்</translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation>பிறந்த ஆண்டு</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>அடுத்து(&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>வெளியேறு(&amp;X)</translation>
    </message>
</context>
<context>
    <name>ui::frmPersonalMonth</name>
    <message>
        <source>Your Varodara Zevaz Adavuv</source>
        <translation>உங்கள் Varodara Zevaz Adavuv</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>திரும்பு(&amp;B)</translation>
    </message>
</context>
</TS>
