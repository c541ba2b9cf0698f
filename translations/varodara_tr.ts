<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [OPTION]</source>
        <extracomment>OPTION stays as it is.</extracomment>
        <translation>Kullanım: %1 [OPTION]</translation>
    </message>
    <message>
        <source>Works out your Varodara Zevaz Adavuv from your birth date and shows its reading.</source>
        <translation>Doğum tarihinizden Varodara Zevaz Adavuv sayınızı hesaplar ve yorumunu gösterir.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two in a list of options: &quot;--number, --month, --explain or --json&quot;.</extracomment>
        <translation>%1 veya %2</translation>
    </message>
    <message>
        <source>A refused date, month or option is named on standard error, with exit status 2.</source>
        <translation>Reddedilen tarih, ay veya seçenek standart hataya yazılır; çıkış durumu 2 olur.</translation>
    </message>
    <message>
        <source>With %1, an argument that is none of the options
above is refused too; without them, other arguments are ignored (a desktop launcher
may pass a field code).</source>
        <extracomment>%1: the names of the calculation&apos;s options. Lines of at most about 85 characters.</extracomment>
        <translation>%1 kullanıldığında, yukarıdaki seçeneklerden
hiçbiri olmayan bir argüman da reddedilir; bunlar kullanılmadığında diğer argümanlar
yok sayılır (bir masaüstü başlatıcısı bir alan kodu iletebilir).</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>bilinmeyen seçenek %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>beklenmeyen argüman %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 iki kez verilmiş</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two in a list of options: &quot;--month, --explain and --json&quot;.</extracomment>
        <translation>%1 ve %2</translation>
    </message>
    <message>
        <source>%1 go with %2</source>
        <extracomment>%1: the names of options, %2: the option they need, as in &quot;--number BIRTH&quot;.</extracomment>
        <translation>%1 yalnızca %2 ile birlikte kullanılır</translation>
    </message>
    <message>
        <source>the birth date %1 is not a date of the form YYYY-MM-DD</source>
        <translation>doğum tarihi %1, YYYY-MM-DD biçiminde bir tarih değil</translation>
    </message>
    <message>
        <source>the birth year %1 is not one of the window&apos;s years, %2 to %3</source>
        <translation>doğum yılı %1 penceredeki yıllardan biri değil (%2 ile %3 arası)</translation>
    </message>
    <message>
        <source>the month %1 is not a month of the form YYYY-MM</source>
        <translation>ay %1, YYYY-MM biçiminde bir ay değil</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins two names in a list of options: &quot;--number, --month&quot;; the last two are joined as &quot;%1 or %2&quot; or &quot;%1 and %2&quot; say.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>bu yardımı gösterir ve çıkar</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>sürümü gösterir ve çıkar</translation>
    </message>
    <message>
        <source>%1 needs a birth date, YYYY-MM-DD</source>
        <translation>%1 için bir doğum tarihi gerekir, YYYY-MM-DD</translation>
    </message>
    <message>
        <source>print the number and the reading that the window shows for the
birth date BIRTH (YYYY-MM-DD, a year from 1900 to 2050), this month</source>
        <extracomment>Lines of at most about 64 characters; BIRTH and YYYY-MM-DD stay as they are.</extracomment>
        <translation>BIRTH doğum tarihi (YYYY-MM-DD, yıl 1900 ile 2050 arası) için
pencerenin bu ay gösterdiği sayıyı ve yorumu yazar</translation>
    </message>
    <message>
        <source>%1 needs a month, YYYY-MM</source>
        <translation>%1 için bir ay gerekir, YYYY-MM</translation>
    </message>
    <message>
        <source>for that month instead of this one</source>
        <translation>bu ay yerine o ay için</translation>
    </message>
    <message>
        <source>show, after the reading, how the number is worked out</source>
        <translation>yorumdan sonra sayının nasıl hesaplandığını gösterir</translation>
    </message>
    <message>
        <source>print one JSON object instead, with the fields birth, month,
number, reading, text and steps; each step has step, input,
digitSum, stages and output (birthMonth: step, input, output;
total: terms too)</source>
        <extracomment>Lines of at most about 64 characters; the field names stay as they are.</extracomment>
        <translation>bunun yerine birth, month, number, reading, text ve steps
alanlarını içeren tek bir JSON nesnesi yazar; her adımda step,
input, digitSum, stages ve output bulunur (birthMonth: step,
input, output; total: ayrıca terms)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <extracomment>Joins two steps of a sum: &quot;2 + 0 + 2 + 6 = 10, then 1 + 0 = 1&quot;.</extracomment>
        <translation>%1, sonra %2</translation>
    </message>
    <message>
        <source>How the number is worked out:</source>
        <translation>Sayı şöyle hesaplanır:</translation>
    </message>
    <message>
        <source>the birth day %1: %2</source>
        <translation>doğum günü %1: %2</translation>
    </message>
    <message>
        <source>the birth month %1: %2</source>
        <translation>doğum ayı %1: %2</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3, %4</source>
        <extracomment>%1: the month&apos;s name, %2: its year, %3: its number in the year, %4: how that is reduced.</extracomment>
        <translation>ay %1 %2: %1 yılın %3. ayı, %4</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3</source>
        <translation>ay %1 %2: %1 yılın %3. ayı</translation>
    </message>
    <message>
        <source>the year %1: %2</source>
        <translation>yıl %1: %2</translation>
    </message>
    <message>
        <source>the total: %1</source>
        <translation>toplam: %1</translation>
    </message>
    <message>
        <source>The birth year and the names do not enter the number.</source>
        <translation>Doğum yılı ve adlar sayıya katılmaz.</translation>
    </message>
    <message>
        <source>no display found (set DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>ekran bulunamadı (DISPLAY veya WAYLAND_DISPLAY değişkenini ayarlayın)</translation>
    </message>
    <message>
        <source>Without an option the program opens its window;
it needs a graphical display (X11 or Wayland).</source>
        <translation>Seçenek verilmezse program penceresini açar;
bunun için grafik bir ekran gerekir (X11 veya Wayland).</translation>
    </message>
    <message>
        <source>Without an option the program opens its window.</source>
        <translation>Seçenek verilmezse program penceresini açar.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Lütfen adınızı girin.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Lütfen soyadınızı girin.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Lütfen doğduğunuz günü seçin.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Lütfen doğduğunuz ayı seçin.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Lütfen doğduğunuz yılı seçin.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Lütfen geçerli bir gün veya ay girin!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Lütfen geçerli bir gün veya ay girin!</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Lütfen iki farklı e-posta adresi girin.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Lütfen geçerli bir e-posta adresi girin.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Lütfen adınızı girin.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Lütfen e-posta adresinizi girin.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Lütfen mesajınızı girin.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Lütfen arkadaşınızın adını girin.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Lütfen arkadaşınızın e-posta adresini girin.</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>Program zaten çalışıyor.</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Bu yazılımın yeni bir sürümü çıkmış olabilir.<byte value="xd"/>Güncellemeleri şimdi denetlemek ister misiniz?</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>E-posta adresi boşluk içeremez.</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>Ocak</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Şubat</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mart</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Nisan</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mayıs</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Haziran</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Temmuz</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Ağustos</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Eylül</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Ekim</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Kasım</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Aralık</translation>
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
        <translation>&amp;Geri Al</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Yinele</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Kes</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>K&amp;opyala</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Y&amp;apıştır</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü Seç</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Evet</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Geri Al</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Yinele</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Kes</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>K&amp;opyala</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Y&amp;apıştır</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü Seç</translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>This is a time for new beginnings. Explore creative ideas. Maintain your individuality. The projects and assignments started during this time are the seeds being planted for later growth. You need to be aware of what you are planting.</source>
        <translation>Bu dönem yeni başlangıçların zamanı. Yaratıcı fikirlerin peşinden gidin. Bireyselliğinizi koruyun. Bu dönemde başladığınız projeler ve görevler, ileride yeşerecek tohumlardır. Ne ektiğinizin farkında olun.</translation>
    </message>
    <message>
        <source>You will make new friends. You will achieve some most awaited success. Take care about small things in life. Conflicts may arise, and if you do, attempt to ease them by cooperating with those involved. You will have peace and harmony.</source>
        <translation>Yeni dostluklar kuracak, uzun zamandır beklediğiniz bir başarıya ulaşacaksınız. Hayattaki küçük ayrıntılara özen gösterin. Anlaşmazlıklar çıkabilir; çıkarsa, ilgili kişilerle iş birliği yaparak onları yatıştırmaya çalışın. Huzur ve uyum içinde olacaksınız.</translation>
    </message>
    <message>
        <source>This is the month of creativity. Maintain optimism and free your mind. You can start anything new this month. Explore the artistic side of yourself. Invitations, friends and social activities are in the air.</source>
        <translation>Yaratıcılık ayındasınız. İyimserliğinizi koruyun ve zihninizi özgür bırakın. Bu ay her türlü yeni işe başlayabilirsiniz. Sanatçı yönünüzü keşfedin. Davetler, dostlar ve sosyal etkinlikler sizi bekliyor.</translation>
    </message>
    <message>
        <source>Pay attention to legal, property and financial matters. Organize your work and stick to it. Be cautious, patient and methodical in everything that you do. So planning is very important this month.</source>
        <translation>Hukuki konulara, mülk ve para işlerine dikkat edin. İşlerinizi düzene koyun ve bu düzene bağlı kalın. Yaptığınız her şeyde dikkatli, sabırlı ve yöntemli olun. Bu nedenle bu ay planlama çok önemli.</translation>
    </message>
    <message>
        <source>Leave behind old problems and look at life with a fresh mind. You can look at old things in new ways. Work hard on present tasks. You can promote your ideas, business. It&apos;s even more important time for learning. Don&apos;t take up too many tasks.</source>
        <translation>Eski sorunları geride bırakın ve hayata taze bir gözle bakın. Eski şeylere yeni açılardan bakabilirsiniz. Şu anki işleriniz üzerinde sıkı çalışın. Fikirlerinizi ve işinizi tanıtabilirsiniz. Üstelik bu, öğrenmek için çok önemli bir dönem. Aynı anda çok fazla iş üstlenmeyin.</translation>
    </message>
    <message>
        <source>This Month calls for the spirit of willingness.  It&apos;s a good time to think about your own home. Give ample love to your family. Take care about your &apos;s and family&apos;s health issues.</source>
        <translation>Bu ay gönüllü ve istekli olmayı gerektiriyor. Kendi yuvanızı düşünmek için iyi bir zaman. Ailenize bolca sevgi gösterin. Kendi sağlığınıza ve ailenizin sağlığına özen gösterin.</translation>
    </message>
    <message>
        <source>Listen to your heart, the inner soul. Look over your plans and ideas, and examine at them closely, yet non-critically. People may misunderstand, but you need to maintain peace to sort it out with them.</source>
        <translation>Kalbinizi, iç sesinizi dinleyin. Planlarınızı ve fikirlerinizi gözden geçirin; onları yakından ama eleştirmeden inceleyin. İnsanlar sizi yanlış anlayabilir; sorunu onlarla çözmek için sakinliğinizi korumanız gerekir.</translation>
    </message>
    <message>
        <source>Efforts are required to reach the heights of success. Maintain calm and work on it. Since 8 is the number of material power, sometimes our efforts have to be repeated a number of times if you are to gain the success.</source>
        <translation>Başarının zirvesine ulaşmak için çaba gerekiyor. Sakin kalın ve bunun için çalışın. 8 maddi gücün sayısı olduğundan, başarıya ulaşmak için bazen çabalarınızı birkaç kez tekrarlamanız gerekebilir.</translation>
    </message>
    <message>
        <source>Don&apos;t try to stop anything, which is out of your reach, just like a storm that&apos;s unstoppable. Work on social activities if you can. This is a good time to have a broad outlook as possible on things, to put personal goals, achievements or needs to one side as much as you can.</source>
        <translation>Durdurulamayan bir fırtına gibi, elinizin yetmediği hiçbir şeyi durdurmaya çalışmayın. Elinizden geliyorsa sosyal etkinliklere yönelin. Olaylara olabildiğince geniş bir açıdan bakmak; kişisel hedefleri, başarıları ve ihtiyaçları mümkün olduğunca bir kenara koymak için iyi bir zaman.</translation>
    </message>
    <message>
        <source>Your Varodara Zevaz Adavuv is: </source>
        <translation>Varodara Zevaz Adavuv sayınız: </translation>
    </message>
    <message>
        <source>The Varodara Zevaz Adavuv describes what your lessons are during the course of the month, the trends and particular influences that are affecting you personally.</source>
        <translation>Varodara Zevaz Adavuv, ay boyunca alacağınız dersleri, eğilimleri ve sizi kişisel olarak etkileyen özel etkileri anlatır.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Adınız</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>E-posta Adresiniz</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Mesajınız</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Arkadaşınızın Adı</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Arkadaşınızın E-posta Adresi</translation>
    </message>
</context>
<context>
    <name>ui::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>İ&amp;leri</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Çevrimiçi &amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Web &amp;Sitemizi Ziyaret Et</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Güncellemeleri Denetle</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Yazılım &amp;Hakkında</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Bağış Yap</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Çevrimiçi &amp;Para Kazan</translation>
    </message>
</context>
<context>
    <name>ui::Promotions</name>
    <message>
        <source>Share your readings in our free online forum. Visit us at %1</source>
        <translation>Yorumlarınızı ücretsiz forumumuzda paylaşın. Adresimiz: %1</translation>
    </message>
    <message>
        <source>Forum</source>
        <translation>Forum</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Fırsatlar</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.Click Here for more info on co-branding.</source>
        <translation>Bu yazılımı sitenizin markasıyla sunun. Sitenize bağlılığı ve trafiği artırın. Sitenizin adı ve bağlantısı burada yer alsın. Ayrıntılar için “Yardım”a bakın. Ortak markalama için tıklayın.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Evden iş fırsatı. Kendi internet işinizi kurun ve çevrimiçi para kazanın. Bu yazılımı tamamen kendi sitenizin markasıyla edinin. Ayrıntılar için buraya tıklayın.</translation>
    </message>
</context>
<context>
    <name>ui::ReferAFriendBox</name>
    <message>
        <source>Refer A Friend</source>
        <translation>Arkadaşınıza Önerin</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Hemen Arkadaşınıza Önerin</translation>
    </message>
    <message>
        <source>Refer A Friend Now</source>
        <translation>Hemen Arkadaşınıza Önerin</translation>
    </message>
</context>
<context>
    <name>ui::frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation>Program simgesi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Ayırıcı çizgi</translation>
    </message>
    <message>
        <source>OV Varodara Zevaz Adavuv Software gives you an idea about the trends and influences of a month of your life. There are 9 personal months. This number is calculated by adding your Birth Day, Birth Month, Current Month and Current Year. So this software helps you in getting the current and past month&apos;s forecast.</source>
        <extracomment>The box holds about 60 characters a line, on six lines, the rights notice included.</extracomment>
        <translation>OV Varodara Zevaz Adavuv, hayatınızın bir ayındaki eğilimler ve etkiler hakkında size fikir verir. 9 kişisel ay vardır. Bu sayı; doğum gününüz, doğum ayınız, içinde bulunduğumuz ay ve yıl toplanarak hesaplanır. Böylece bu yazılım, bu ayın ve geçen ayın tahminini görmenize yardımcı olur.</translation>
    </message>
    <message>
        <source>© Orvane Softwares, %1. All rights reserved.</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>© Orvane Softwares, %1. Tüm hakları saklıdır.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Evden iş fırsatı. Kendi internet işinizi kurun ve çevrimiçi para kazanın. Bu yazılımı tamamen kendi sitenizin markasıyla edinin.</translation>
    </message>
    <message>
        <source> Click here for more details.</source>
        <translation> Ayrıntılar için tıklayın.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the maker&apos;s main site.</extracomment>
        <translation>Ziyaret edin: %1</translation>
    </message>
</context>
<context>
    <name>ui::frmExitScreen</name>
    <message>
        <source>Orvane Softwares, such as this can be created and maintained only with your support. The best way to support our forum is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Each line: %1 is the maker&apos;s main site. The box holds about 75 characters a line, on four lines.</extracomment>
        <translation>Bunun gibi Orvane Softwares programları ancak desteğinizle geliştirilip sürdürülebilir. Forumumuzu desteklemenin en iyi yolu, %1 adresini düzenli ziyaret edip tartışmalara ve etkinliklere katılmaktır.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support us by taking part in the discussions and other activities there. We cannot support and maintain these programs without you regularly visiting our site.</source>
        <translation>%1 adresini düzenli olarak ziyaret edin. Oradaki tartışmalara ve diğer etkinliklere katılarak bize destek olun. Sitemizi düzenli olarak ziyaret etmezseniz bu programları destekleyip sürdüremeyiz.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on all esoteric subjects. To help us develop and maintain this software, please visit it regularly.</source>
        <translation>%1, tüm ezoterik konular üzerine ücretsiz bir çevrimiçi tartışma forumudur. Bu yazılımı geliştirip sürdürmemize yardımcı olmak için lütfen forumu düzenli olarak ziyaret edin.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit it regularly and take part in the various discussions and activities, to help us maintain and develop more Orvane Softwares.</source>
        <translation>%1 yardımınıza ihtiyaç duyuyor. Tek yapmanız gereken, siteyi düzenli olarak ziyaret edip çeşitli tartışmalara ve etkinliklere katılmak; böylece daha fazla Orvane Softwares programı geliştirmemize yardımcı olursunuz.</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Program simgesi</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>Hemen ziyaret edin: %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Download Orvane Softwares</source>
        <translation>Orvane Softwares İndirin</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvane Softwares. From a single software, we have now grown to become the world’s largest resource of orvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.%1All the programs in the Orvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Bu yazılımı beğendiyseniz diğer Orvane Softwares programlarımız da mutlaka ilginizi çekecektir. Tek bir yazılımla yola çıktık; bugün dünyanın en büyük orvane softwares kaynağı haline geldik. Astroloji, medyumluk, tarot, numeroloji ya da okültizm; her alanda programlarımız var ve kullanıcılarımıza ilgi alanlarına göre geniş bir seçenek sunuyoruz.%1Orvane Softwares paketindeki tüm programlar basit ve kullanımı kolaydır. Hem eğlencelidir hem de çok şey öğretir. Hemen bugün deneyin, izlenimlerinizi dostlarınız ve ailenizle paylaşın. </translation>
    </message>
    <message>
        <source>Click Here To Visit Orvane Softwares</source>
        <translation>Orvane Softwares sitesine gidin</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Lütfen aşağıdaki bilgileri doldurun:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>İkinci Ad</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Soyad</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>Doğum Tarihi</translation>
    </message>
    <message>
        <source>Birth Month</source>
        <translation>Doğum Ayı</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>Doğum Günü</translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation>Doğum Yılı</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>İ&amp;leri</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
</context>
<context>
    <name>ui::frmPersonalMonth</name>
    <message>
        <source>Your Varodara Zevaz Adavuv</source>
        <translation>Varodara Zevaz Adavuv Sayınız</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Geri</translation>
    </message>
</context>
</TS>
