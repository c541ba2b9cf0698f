<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [OPTION]</source>
        <extracomment>OPTION stays as it is.</extracomment>
        <translation>उपयोग: %1 [OPTION]</translation>
    </message>
    <message>
        <source>Works out your Varodara Zevaz Adavuv from your birth date and shows its reading.</source>
        <translation>आपकी जन्मतिथि से आपका Varodara Zevaz Adavuv निकालता है और उसका भविष्यफल दिखाता है।</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two in a list of options: &quot;--number, --month, --explain or --json&quot;.</extracomment>
        <translation>%1 या %2</translation>
    </message>
    <message>
        <source>A refused date, month or option is named on standard error, with exit status 2.</source>
        <translation>अस्वीकार की गई तिथि, माह या विकल्प का नाम स्टैंडर्ड एरर पर बताया जाता है,
और एग्ज़िट स्टेटस 2 होता है।</translation>
    </message>
    <message>
        <source>With %1, an argument that is none of the options
above is refused too; without them, other arguments are ignored (a desktop launcher
may pass a field code).</source>
        <extracomment>%1: the names of the calculation&apos;s options. Lines of at most about 85 characters.</extracomment>
        <translation>%1 के साथ, ऊपर दिए विकल्पों के अलावा कोई और आर्ग्युमेंट
भी अस्वीकार होता है; इनके बिना बाकी आर्ग्युमेंट अनदेखे किए जाते हैं (डेस्कटॉप लॉन्चर
कोई फ़ील्ड कोड दे सकता है)।</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>अज्ञात विकल्प %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>अनपेक्षित आर्ग्युमेंट %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 दो बार दिया गया है</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two in a list of options: &quot;--month, --explain and --json&quot;.</extracomment>
        <translation>%1 और %2</translation>
    </message>
    <message>
        <source>%1 go with %2</source>
        <extracomment>%1: the names of options, %2: the option they need, as in &quot;--number BIRTH&quot;.</extracomment>
        <translation>%1 केवल %2 के साथ दिए जा सकते हैं</translation>
    </message>
    <message>
        <source>the birth date %1 is not a date of the form YYYY-MM-DD</source>
        <translation>जन्मतिथि %1 YYYY-MM-DD रूप की तिथि नहीं है</translation>
    </message>
    <message>
        <source>the birth year %1 is not one of the window&apos;s years, %2 to %3</source>
        <translation>जन्म का वर्ष %1 विंडो के वर्षों (%2 से %3) में नहीं है</translation>
    </message>
    <message>
        <source>the month %1 is not a month of the form YYYY-MM</source>
        <translation>माह %1 YYYY-MM रूप का माह नहीं है</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins two names in a list of options: &quot;--number, --month&quot;; the last two are joined as &quot;%1 or %2&quot; or &quot;%1 and %2&quot; say.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>यह मदद दिखाएँ और बाहर निकलें</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>संस्करण दिखाएँ और बाहर निकलें</translation>
    </message>
    <message>
        <source>%1 needs a birth date, YYYY-MM-DD</source>
        <translation>%1 के लिए जन्मतिथि चाहिए, YYYY-MM-DD</translation>
    </message>
    <message>
        <source>print the number and the reading that the window shows for the
birth date BIRTH (YYYY-MM-DD, a year from 1900 to 2050), this month</source>
        <extracomment>Lines of at most about 64 characters; BIRTH and YYYY-MM-DD stay as they are.</extracomment>
        <translation>वह अंक और भविष्यफल छापें जो विंडो इस माह जन्मतिथि BIRTH
(YYYY-MM-DD, 1900 से 2050 तक का कोई वर्ष) के लिए दिखाती है</translation>
    </message>
    <message>
        <source>%1 needs a month, YYYY-MM</source>
        <translation>%1 के लिए माह चाहिए, YYYY-MM</translation>
    </message>
    <message>
        <source>for that month instead of this one</source>
        <translation>इस माह के बजाय उस माह के लिए</translation>
    </message>
    <message>
        <source>show, after the reading, how the number is worked out</source>
        <translation>भविष्यफल के बाद दिखाएँ कि अंक कैसे निकाला जाता है</translation>
    </message>
    <message>
        <source>print one JSON object instead, with the fields birth, month,
number, reading, text and steps; each step has step, input,
digitSum, stages and output (birthMonth: step, input, output;
total: terms too)</source>
        <extracomment>Lines of at most about 64 characters; the field names stay as they are.</extracomment>
        <translation>इसके बजाय एक JSON ऑब्जेक्ट छापें, जिसमें फ़ील्ड birth, month,
number, reading, text और steps हों; हर चरण में step, input,
digitSum, stages और output होते हैं (birthMonth: step,
input, output; total: साथ में terms भी)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <extracomment>Joins two steps of a sum: &quot;2 + 0 + 2 + 6 = 10, then 1 + 0 = 1&quot;.</extracomment>
        <translation>%1, फिर %2</translation>
    </message>
    <message>
        <source>How the number is worked out:</source>
        <translation>अंक ऐसे निकाला जाता है:</translation>
    </message>
    <message>
        <source>the birth day %1: %2</source>
        <translation>जन्म का दिन %1: %2</translation>
    </message>
    <message>
        <source>the birth month %1: %2</source>
        <translation>जन्म का माह %1: %2</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3, %4</source>
        <extracomment>%1: the month&apos;s name, %2: its year, %3: its number in the year, %4: how that is reduced.</extracomment>
        <translation>माह %1 %2: %1 का अंक %3 है, %4</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3</source>
        <translation>माह %1 %2: %1 का अंक %3 है</translation>
    </message>
    <message>
        <source>the year %1: %2</source>
        <translation>वर्ष %1: %2</translation>
    </message>
    <message>
        <source>the total: %1</source>
        <translation>योग: %1</translation>
    </message>
    <message>
        <source>The birth year and the names do not enter the number.</source>
        <translation>जन्म का वर्ष और नाम अंक में नहीं गिने जाते।</translation>
    </message>
    <message>
        <source>no display found (set DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>कोई डिस्प्ले नहीं मिला (DISPLAY या WAYLAND_DISPLAY सेट करें)</translation>
    </message>
    <message>
        <source>Without an option the program opens its window;
it needs a graphical display (X11 or Wayland).</source>
        <translation>बिना विकल्प के प्रोग्राम अपनी विंडो खोलता है;
इसके लिए ग्राफ़िकल डिस्प्ले (X11 या Wayland) चाहिए।</translation>
    </message>
    <message>
        <source>Without an option the program opens its window.</source>
        <translation>बिना विकल्प के प्रोग्राम अपनी विंडो खोलता है।</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>कृपया अपना पहला नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>कृपया अपना उपनाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>कृपया अपने जन्म का दिन बताएँ</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>कृपया अपने जन्म का माह बताएँ</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>कृपया अपने जन्म का वर्ष बताएँ</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया सही दिन या माह चुनें!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया सही दिन या माह चुनें!</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>इस सॉफ़्टवेयर का अपडेट उपलब्ध हो सकता है।<byte value="xd"/>क्या आप अपडेट की जाँच करना चाहते हैं?</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>कृपया अलग-अलग ईमेल पते दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>कृपया सही ईमेल पता दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>कृपया अपना नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>कृपया अपना ईमेल दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>कृपया अपना संदेश दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>कृपया अपने मित्र का नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>कृपया अपने मित्र का ईमेल दर्ज करें</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>यह प्रोग्राम पहले से चल रहा है</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>ईमेल पते में स्पेस नहीं हो सकता</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>जनवरी</translation>
    </message>
    <message>
        <source>February</source>
        <translation>फ़रवरी</translation>
    </message>
    <message>
        <source>March</source>
        <translation>मार्च</translation>
    </message>
    <message>
        <source>April</source>
        <translation>अप्रैल</translation>
    </message>
    <message>
        <source>May</source>
        <translation>मई</translation>
    </message>
    <message>
        <source>June</source>
        <translation>जून</translation>
    </message>
    <message>
        <source>July</source>
        <translation>जुलाई</translation>
    </message>
    <message>
        <source>August</source>
        <translation>अगस्त</translation>
    </message>
    <message>
        <source>September</source>
        <translation>सितंबर</translation>
    </message>
    <message>
        <source>October</source>
        <translation>अक्टूबर</translation>
    </message>
    <message>
        <source>November</source>
        <translation>नवंबर</translation>
    </message>
    <message>
        <source>December</source>
        <translation>दिसंबर</translation>
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
        <translation>पूर्ववत करें(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>मिटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सभी चुनें</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं(&amp;N)</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>मिटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सभी चुनें</translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>This is a time for new beginnings. Explore creative ideas. Maintain your individuality. The projects and assignments started during this time are the seeds being planted for later growth. You need to be aware of what you are planting.</source>
        <translation>यह नई शुरुआत का समय है। रचनात्मक विचारों को आज़माएँ। अपनी अलग पहचान बनाए रखें। इस दौरान शुरू की गई परियोजनाएँ और काम आगे के विकास के लिए बोए जा रहे बीज हैं। ध्यान रखें कि आप क्या बो रहे हैं।</translation>
    </message>
    <message>
        <source>You will make new friends. You will achieve some most awaited success. Take care about small things in life. Conflicts may arise, and if you do, attempt to ease them by cooperating with those involved. You will have peace and harmony.</source>
        <translation>आप नए मित्र बनाएँगे। आपको कोई बहुप्रतीक्षित सफलता मिलेगी। जीवन की छोटी-छोटी बातों का ध्यान रखें। मतभेद हो सकते हैं; ऐसे में संबंधित लोगों से मिल-जुलकर उन्हें सुलझाने का प्रयास करें। आपके जीवन में शांति और सामंजस्य रहेगा।</translation>
    </message>
    <message>
        <source>This is the month of creativity. Maintain optimism and free your mind. You can start anything new this month. Explore the artistic side of yourself. Invitations, friends and social activities are in the air.</source>
        <translation>यह रचनात्मकता का महीना है। आशावादी बने रहें और अपना मन खुला रखें। इस महीने आप कोई भी नया काम शुरू कर सकते हैं। अपने कलात्मक पक्ष को खोजें। निमंत्रणों, मित्रों और सामाजिक मेल-जोल का माहौल रहेगा।</translation>
    </message>
    <message>
        <source>Pay attention to legal, property and financial matters. Organize your work and stick to it. Be cautious, patient and methodical in everything that you do. So planning is very important this month.</source>
        <translation>कानूनी, संपत्ति और वित्तीय मामलों पर ध्यान दें। अपने काम को व्यवस्थित करें और उस पर टिके रहें। आप जो भी करें, उसमें सावधान, धैर्यवान और व्यवस्थित रहें। इसलिए इस महीने योजना बनाना बहुत ज़रूरी है।</translation>
    </message>
    <message>
        <source>Leave behind old problems and look at life with a fresh mind. You can look at old things in new ways. Work hard on present tasks. You can promote your ideas, business. It&apos;s even more important time for learning. Don&apos;t take up too many tasks.</source>
        <translation>पुरानी समस्याओं को पीछे छोड़ें और जीवन को नए नज़रिए से देखें। आप पुरानी चीज़ों को नए ढंग से देख सकते हैं। वर्तमान कामों पर मेहनत करें। आप अपने विचारों और व्यवसाय को आगे बढ़ा सकते हैं। सीखने के लिए तो यह और भी महत्वपूर्ण समय है। एक साथ बहुत सारे काम हाथ में न लें।</translation>
    </message>
    <message>
        <source>This Month calls for the spirit of willingness.  It&apos;s a good time to think about your own home. Give ample love to your family. Take care about your &apos;s and family&apos;s health issues.</source>
        <translation>यह महीना आपसे तत्परता और सहयोग की भावना माँगता है। अपने घर के बारे में सोचने का यह अच्छा समय है। अपने परिवार को भरपूर प्यार दें। अपने और अपने परिवार के स्वास्थ्य का ध्यान रखें।</translation>
    </message>
    <message>
        <source>Listen to your heart, the inner soul. Look over your plans and ideas, and examine at them closely, yet non-critically. People may misunderstand, but you need to maintain peace to sort it out with them.</source>
        <translation>अपने दिल की, अपनी अंतरात्मा की आवाज़ सुनें। अपनी योजनाओं और विचारों पर फिर से नज़र डालें और उन्हें ध्यान से, पर बिना आलोचना के, परखें। लोग आपको गलत समझ सकते हैं, लेकिन उनके साथ बात सुलझाने के लिए आपको शांति बनाए रखनी होगी।</translation>
    </message>
    <message>
        <source>Efforts are required to reach the heights of success. Maintain calm and work on it. Since 8 is the number of material power, sometimes our efforts have to be repeated a number of times if you are to gain the success.</source>
        <translation>सफलता की ऊँचाइयों तक पहुँचने के लिए प्रयास ज़रूरी हैं। शांत रहें और लगन से काम करते रहें। चूँकि 8 भौतिक शक्ति का अंक है, इसलिए सफलता पाने के लिए कभी-कभी आपको अपने प्रयास कई बार दोहराने पड़ सकते हैं।</translation>
    </message>
    <message>
        <source>Don&apos;t try to stop anything, which is out of your reach, just like a storm that&apos;s unstoppable. Work on social activities if you can. This is a good time to have a broad outlook as possible on things, to put personal goals, achievements or needs to one side as much as you can.</source>
        <translation>जो आपके बस में नहीं है, उसे रोकने की कोशिश न करें, जैसे किसी तूफ़ान को रोका नहीं जा सकता। हो सके तो सामाजिक गतिविधियों में हिस्सा लें। यह चीज़ों को जितना हो सके व्यापक नज़रिए से देखने और निजी लक्ष्यों, उपलब्धियों या ज़रूरतों को यथासंभव एक ओर रखने का अच्छा समय है।</translation>
    </message>
    <message>
        <source>Your Varodara Zevaz Adavuv is: </source>
        <translation>आपका Varodara Zevaz Adavuv: </translation>
    </message>
    <message>
        <source>The Varodara Zevaz Adavuv describes what your lessons are during the course of the month, the trends and particular influences that are affecting you personally.</source>
        <translation>Varodara Zevaz Adavuv बताता है कि इस महीने आपके लिए क्या सबक हैं, और कौन-सी प्रवृत्तियाँ व विशेष प्रभाव निजी तौर पर आप पर काम कर रहे हैं।</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>आपका नाम</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>आपका ईमेल पता</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>आपका संदेश</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>मित्र का नाम</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>मित्र का ईमेल पता</translation>
    </message>
</context>
<context>
    <name>ui::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>आगे बढ़ें(&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>मदद(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन मदद(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी साइट देखें(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>सॉफ़्टवेयर अपडेट जाँचें(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>दान दें(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन कमाई करें(&amp;O)</translation>
    </message>
</context>
<context>
    <name>ui::Promotions</name>
    <message>
        <source>Share your readings in our free online forum. Visit us at %1</source>
        <translation>अपना भविष्यफल हमारे मुफ़्त ऑनलाइन फ़ोरम पर साझा करें। %1 पर आएँ</translation>
    </message>
    <message>
        <source>Forum</source>
        <translation>फ़ोरम</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>ऑफ़र</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.Click Here for more info on co-branding.</source>
        <translation>इस सॉफ़्टवेयर को अपनी साइट के लिए को-ब्रांड करें। साइट से लोगों का जुड़ाव और ट्रैफ़िक बढ़ाएँ। अपनी साइट का नाम और लिंक यहाँ डालें। विवरण &quot;मदद&quot; में देखें। को-ब्रांडिंग की जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन पैसे कमाएँ। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के ब्रांड के साथ पाएँ। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
</context>
<context>
    <name>ui::ReferAFriendBox</name>
    <message>
        <source>Refer A Friend</source>
        <translation>मित्र को सुझाएँ</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>अभी मित्र को सुझाएँ(&amp;N)</translation>
    </message>
    <message>
        <source>Refer A Friend Now</source>
        <translation>अभी मित्र को सुझाएँ</translation>
    </message>
</context>
<context>
    <name>ui::frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation>प्रोग्राम आइकन</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>विभाजक</translation>
    </message>
    <message>
        <source>OV Varodara Zevaz Adavuv Software gives you an idea about the trends and influences of a month of your life. There are 9 personal months. This number is calculated by adding your Birth Day, Birth Month, Current Month and Current Year. So this software helps you in getting the current and past month&apos;s forecast.</source>
        <extracomment>The box holds about 60 characters a line, on six lines, the rights notice included.</extracomment>
        <translation>OV Varodara Zevaz Adavuv सॉफ़्टवेयर आपको जीवन के किसी महीने की प्रवृत्तियों और प्रभावों का अंदाज़ा देता है। व्यक्तिगत महीने 9 होते हैं। यह अंक आपके जन्म के दिन और माह में वर्तमान माह और वर्ष जोड़कर निकाला जाता है। इस तरह यह सॉफ़्टवेयर आपको वर्तमान और पिछले महीने का भविष्यफल देता है।</translation>
    </message>
    <message>
        <source>© Orvane Softwares, %1. All rights reserved.</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>© Orvane Softwares, %1. सर्वाधिकार सुरक्षित।</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घर बैठे व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन पैसे कमाएँ। यह सॉफ़्टवेयर पूरी तरह अपनी वेबसाइट के ब्रांड के साथ पाएँ।</translation>
    </message>
    <message>
        <source> Click here for more details.</source>
        <translation> विवरण के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the maker&apos;s main site.</extracomment>
        <translation>यहाँ क्लिक कर %1 पर जाएँ</translation>
    </message>
</context>
<context>
    <name>ui::frmExitScreen</name>
    <message>
        <source>Orvane Softwares, such as this can be created and maintained only with your support. The best way to support our forum is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Each line: %1 is the maker&apos;s main site. The box holds about 75 characters a line, on four lines.</extracomment>
        <translation>ऐसे Orvane Softwares केवल आपके सहयोग से ही बन और चल सकते हैं। हमारे फ़ोरम का साथ देने का सबसे अच्छा तरीका है कि आप नियमित रूप से %1 पर आएँ और वहाँ की चर्चाओं व अन्य गतिविधियों में भाग लें।</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support us by taking part in the discussions and other activities there. We cannot support and maintain these programs without you regularly visiting our site.</source>
        <translation>नियमित रूप से %1 पर आएँ। वहाँ की चर्चाओं और अन्य गतिविधियों में भाग लेकर हमारा साथ दें। आप नियमित रूप से हमारी साइट पर न आएँ, तो हम इन प्रोग्रामों को चला और सँभाल नहीं सकते।</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on all esoteric subjects. To help us develop and maintain this software, please visit it regularly.</source>
        <translation>%1 सभी गूढ़ विषयों पर एक मुफ़्त ऑनलाइन चर्चा फ़ोरम है। इस सॉफ़्टवेयर के विकास और रखरखाव में हमारी मदद के लिए कृपया नियमित रूप से वहाँ आएँ।</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit it regularly and take part in the various discussions and activities, to help us maintain and develop more Orvane Softwares.</source>
        <translation>%1 को आपकी मदद चाहिए। बस नियमित रूप से वहाँ आएँ और विभिन्न चर्चाओं व गतिविधियों में भाग लें, ताकि हम अपने Orvane Softwares सँभाल सकें और नए बना सकें।</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>प्रोग्राम आइकन</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>यहाँ क्लिक कर अभी %1 पर जाएँ</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें(&amp;X)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>बाहर निकलें</translation>
    </message>
    <message>
        <source>Download Orvane Softwares</source>
        <translation>Orvane Softwares डाउनलोड करें</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvane Softwares. From a single software, we have now grown to become the world’s largest resource of orvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.%1All the programs in the Orvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>यदि आपको यह सॉफ़्टवेयर पसंद आया, तो आपको हमारे अन्य Orvane Softwares भी ज़रूर पसंद आएँगे। एक सॉफ़्टवेयर से शुरू होकर आज हम दुनिया में orvane softwares का सबसे बड़ा स्रोत बन गए हैं। ज्योतिष हो, अतींद्रिय ज्ञान, टैरो, अंकशास्त्र या गूढ़ विद्या, हर क्षेत्र में हमारे प्रोग्राम हैं, ताकि उपयोगकर्ता अपनी रुचि के अनुसार चुन सकें।%1Orvane Softwares शृंखला के सभी प्रोग्राम सरल और उपयोग में आसान हैं। ये मज़ेदार होने के साथ-साथ बहुत जानकारीपूर्ण भी हैं। आज ही इन्हें आज़माएँ और अपना अनुभव अपने मित्रों और परिवार के साथ साझा करें। </translation>
    </message>
    <message>
        <source>Click Here To Visit Orvane Softwares</source>
        <translation>यहाँ क्लिक कर Orvane Softwares पर जाएँ</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>कृपया नीचे दिया गया विवरण भरें:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>पहला नाम</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>मध्य नाम</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>उपनाम</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>जन्मतिथि</translation>
    </message>
    <message>
        <source>Birth Month</source>
        <translation>जन्म का माह</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>जन्म का दिन</translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation>जन्म का वर्ष</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>आगे बढ़ें(&amp;N)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें(&amp;X)</translation>
    </message>
</context>
<context>
    <name>ui::frmPersonalMonth</name>
    <message>
        <source>Your Varodara Zevaz Adavuv</source>
        <translation>आपका Varodara Zevaz Adavuv</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>पीछे जाएँ(&amp;B)</translation>
    </message>
</context>
</TS>
