<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [OPTION]</source>
        <extracomment>OPTION stays as it is.</extracomment>
        <translation>Aufruf: %1 [OPTION]</translation>
    </message>
    <message>
        <source>Works out your Varodara Zevaz Adavuv from your birth date and shows its reading.</source>
        <translation>Berechnet Ihren Varodara Zevaz Adavuv aus Ihrem Geburtsdatum und zeigt seine Deutung.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two in a list of options: &quot;--number, --month, --explain or --json&quot;.</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>A refused date, month or option is named on standard error, with exit status 2.</source>
        <translation>Ein abgelehntes Datum, ein abgelehnter Monat oder eine abgelehnte Option wird auf der
Standardfehlerausgabe genannt, mit dem Exit-Status 2.</translation>
    </message>
    <message>
        <source>With %1, an argument that is none of the options
above is refused too; without them, other arguments are ignored (a desktop launcher
may pass a field code).</source>
        <extracomment>%1: the names of the calculation&apos;s options. Lines of at most about 85 characters.</extracomment>
        <translation>Mit %1 wird auch jedes Argument abgelehnt,
das keine der obigen Optionen ist; ohne sie werden andere Argumente ignoriert
(ein Desktop-Starter kann einen Feldcode übergeben).</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist zweimal angegeben</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two in a list of options: &quot;--month, --explain and --json&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 go with %2</source>
        <extracomment>%1: the names of options, %2: the option they need, as in &quot;--number BIRTH&quot;.</extracomment>
        <translation>%1 setzen %2 voraus</translation>
    </message>
    <message>
        <source>the birth date %1 is not a date of the form YYYY-MM-DD</source>
        <translation>das Geburtsdatum %1 ist kein Datum der Form YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the birth year %1 is not one of the window&apos;s years, %2 to %3</source>
        <translation>das Geburtsjahr %1 ist keines der Jahre des Fensters, %2 bis %3</translation>
    </message>
    <message>
        <source>the month %1 is not a month of the form YYYY-MM</source>
        <translation>der Monat %1 ist kein Monat der Form YYYY-MM</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins two names in a list of options: &quot;--number, --month&quot;; the last two are joined as &quot;%1 or %2&quot; or &quot;%1 and %2&quot; say.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>diese Hilfe zeigen und beenden</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>die Version zeigen und beenden</translation>
    </message>
    <message>
        <source>%1 needs a birth date, YYYY-MM-DD</source>
        <translation>%1 braucht ein Geburtsdatum, YYYY-MM-DD</translation>
    </message>
    <message>
        <source>print the number and the reading that the window shows for the
birth date BIRTH (YYYY-MM-DD, a year from 1900 to 2050), this month</source>
        <extracomment>Lines of at most about 64 characters; BIRTH and YYYY-MM-DD stay as they are.</extracomment>
        <translation>die Zahl und die Deutung ausgeben, die das Fenster für das
Geburtsdatum BIRTH zeigt (YYYY-MM-DD, ein Jahr von 1900 bis 2050),
für diesen Monat</translation>
    </message>
    <message>
        <source>%1 needs a month, YYYY-MM</source>
        <translation>%1 braucht einen Monat, YYYY-MM</translation>
    </message>
    <message>
        <source>for that month instead of this one</source>
        <translation>für jenen Monat statt des laufenden</translation>
    </message>
    <message>
        <source>show, after the reading, how the number is worked out</source>
        <translation>nach der Deutung zeigen, wie die Zahl berechnet wird</translation>
    </message>
    <message>
        <source>print one JSON object instead, with the fields birth, month,
number, reading, text and steps; each step has step, input,
digitSum, stages and output (birthMonth: step, input, output;
total: terms too)</source>
        <extracomment>Lines of at most about 64 characters; the field names stay as they are.</extracomment>
        <translation>stattdessen ein JSON-Objekt ausgeben, mit den Feldern birth, month,
number, reading, text und steps; jeder Schritt hat step, input,
digitSum, stages und output (birthMonth: step, input, output;
total: auch terms)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <extracomment>Joins two steps of a sum: &quot;2 + 0 + 2 + 6 = 10, then 1 + 0 = 1&quot;.</extracomment>
        <translation>%1, dann %2</translation>
    </message>
    <message>
        <source>How the number is worked out:</source>
        <translation>So wird die Zahl berechnet:</translation>
    </message>
    <message>
        <source>the birth day %1: %2</source>
        <translation>der Geburtstag %1: %2</translation>
    </message>
    <message>
        <source>the birth month %1: %2</source>
        <translation>der Geburtsmonat %1: %2</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3, %4</source>
        <extracomment>%1: the month&apos;s name, %2: its year, %3: its number in the year, %4: how that is reduced.</extracomment>
        <translation>der Monat %1 %2: %1 ist %3, %4</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3</source>
        <translation>der Monat %1 %2: %1 ist %3</translation>
    </message>
    <message>
        <source>the year %1: %2</source>
        <translation>das Jahr %1: %2</translation>
    </message>
    <message>
        <source>the total: %1</source>
        <translation>die Summe: %1</translation>
    </message>
    <message>
        <source>The birth year and the names do not enter the number.</source>
        <translation>Das Geburtsjahr und die Namen gehen nicht in die Zahl ein.</translation>
    </message>
    <message>
        <source>no display found (set DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>keine Anzeige gefunden (DISPLAY oder WAYLAND_DISPLAY setzen)</translation>
    </message>
    <message>
        <source>Without an option the program opens its window;
it needs a graphical display (X11 or Wayland).</source>
        <translation>Ohne Option öffnet das Programm sein Fenster;
dazu braucht es eine grafische Anzeige (X11 oder Wayland).</translation>
    </message>
    <message>
        <source>Without an option the program opens its window.</source>
        <translation>Ohne Option öffnet das Programm sein Fenster.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Bitte geben Sie Ihren Vornamen ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Bitte geben Sie Ihren Nachnamen ein.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Bitte geben Sie den Tag Ihrer Geburt an.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Bitte geben Sie Ihren Geburtsmonat an.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Bitte geben Sie Ihr Geburtsjahr an.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Bitte geben Sie einen gültigen Tag oder Monat ein!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Bitte geben Sie einen gültigen Tag oder Monat ein!</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Möglicherweise ist ein Update für diese Software verfügbar.<byte value="xd"/>Möchten Sie jetzt nach Updates suchen?</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte geben Sie zwei verschiedene E-Mail-Adressen ein.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte geben Sie Ihre Nachricht ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte geben Sie den Namen Ihres Freundes ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte geben Sie die E-Mail-Adresse Ihres Freundes ein.</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits.</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Die E-Mail-Adresse darf keine Leerzeichen enthalten.</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
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
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Einf&amp;ügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Einf&amp;ügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>This is a time for new beginnings. Explore creative ideas. Maintain your individuality. The projects and assignments started during this time are the seeds being planted for later growth. You need to be aware of what you are planting.</source>
        <translation>Dies ist eine Zeit für Neuanfänge. Gehen Sie kreativen Ideen nach und bewahren Sie Ihre Individualität. Die Projekte und Aufgaben, die Sie jetzt beginnen, sind die Saat für späteres Wachstum. Achten Sie deshalb bewusst darauf, was Sie säen.</translation>
    </message>
    <message>
        <source>You will make new friends. You will achieve some most awaited success. Take care about small things in life. Conflicts may arise, and if you do, attempt to ease them by cooperating with those involved. You will have peace and harmony.</source>
        <translation>Sie werden neue Freundschaften schließen und einen lang ersehnten Erfolg erzielen. Achten Sie auf die kleinen Dinge im Leben. Es kann zu Konflikten kommen; versuchen Sie dann, sie gemeinsam mit den Beteiligten zu entschärfen. Frieden und Harmonie werden Sie begleiten.</translation>
    </message>
    <message>
        <source>This is the month of creativity. Maintain optimism and free your mind. You can start anything new this month. Explore the artistic side of yourself. Invitations, friends and social activities are in the air.</source>
        <translation>Dies ist der Monat der Kreativität. Bleiben Sie optimistisch und machen Sie den Kopf frei. In diesem Monat können Sie jedes neue Vorhaben beginnen. Entdecken Sie Ihre künstlerische Seite. Einladungen, Freunde und gesellige Unternehmungen liegen in der Luft.</translation>
    </message>
    <message>
        <source>Pay attention to legal, property and financial matters. Organize your work and stick to it. Be cautious, patient and methodical in everything that you do. So planning is very important this month.</source>
        <translation>Achten Sie auf Rechts-, Eigentums- und Finanzangelegenheiten. Organisieren Sie Ihre Arbeit und bleiben Sie dabei. Gehen Sie bei allem, was Sie tun, vorsichtig, geduldig und methodisch vor. Gute Planung ist in diesem Monat daher besonders wichtig.</translation>
    </message>
    <message>
        <source>Leave behind old problems and look at life with a fresh mind. You can look at old things in new ways. Work hard on present tasks. You can promote your ideas, business. It&apos;s even more important time for learning. Don&apos;t take up too many tasks.</source>
        <translation>Lassen Sie alte Probleme hinter sich und betrachten Sie das Leben mit frischem Blick. Vertrautes können Sie jetzt mit neuen Augen sehen. Arbeiten Sie fleißig an Ihren aktuellen Aufgaben. Sie können Ihre Ideen und Ihr Geschäft voranbringen. Vor allem aber ist dies eine wichtige Zeit zum Lernen. Nehmen Sie sich nicht zu viel auf einmal vor.</translation>
    </message>
    <message>
        <source>This Month calls for the spirit of willingness.  It&apos;s a good time to think about your own home. Give ample love to your family. Take care about your &apos;s and family&apos;s health issues.</source>
        <translation>In diesem Monat sind Hilfsbereitschaft und guter Wille gefragt. Es ist eine gute Zeit, sich Gedanken über Ihr eigenes Zuhause zu machen. Schenken Sie Ihrer Familie viel Liebe. Achten Sie auf Ihre Gesundheit und die Ihrer Familie.</translation>
    </message>
    <message>
        <source>Listen to your heart, the inner soul. Look over your plans and ideas, and examine at them closely, yet non-critically. People may misunderstand, but you need to maintain peace to sort it out with them.</source>
        <translation>Hören Sie auf Ihr Herz, auf Ihre innere Stimme. Gehen Sie Ihre Pläne und Ideen durch und prüfen Sie sie genau, aber wohlwollend. Andere verstehen Sie vielleicht falsch; bewahren Sie dann Ruhe und klären Sie die Sache friedlich.</translation>
    </message>
    <message>
        <source>Efforts are required to reach the heights of success. Maintain calm and work on it. Since 8 is the number of material power, sometimes our efforts have to be repeated a number of times if you are to gain the success.</source>
        <translation>Um den Gipfel des Erfolgs zu erreichen, ist Einsatz gefragt. Bleiben Sie ruhig und arbeiten Sie beharrlich daran. Da die 8 die Zahl der materiellen Macht ist, brauchen Sie manchmal mehrere Anläufe, bis sich der Erfolg einstellt.</translation>
    </message>
    <message>
        <source>Don&apos;t try to stop anything, which is out of your reach, just like a storm that&apos;s unstoppable. Work on social activities if you can. This is a good time to have a broad outlook as possible on things, to put personal goals, achievements or needs to one side as much as you can.</source>
        <translation>Versuchen Sie nicht aufzuhalten, was außerhalb Ihrer Macht liegt – auch einen Sturm hält niemand auf. Widmen Sie sich nach Möglichkeit sozialen Aktivitäten. Jetzt ist eine gute Zeit, die Dinge mit weitem Blick zu betrachten und persönliche Ziele, Erfolge oder Bedürfnisse möglichst zurückzustellen.</translation>
    </message>
    <message>
        <source>Your Varodara Zevaz Adavuv is: </source>
        <translation>Ihr Varodara Zevaz Adavuv lautet: </translation>
    </message>
    <message>
        <source>The Varodara Zevaz Adavuv describes what your lessons are during the course of the month, the trends and particular influences that are affecting you personally.</source>
        <translation>Ihr Varodara Zevaz Adavuv beschreibt Ihre Lektionen im Lauf des Monats sowie die Tendenzen und besonderen Einflüsse, die Sie persönlich betreffen.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name Ihres Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse Ihres Freundes</translation>
    </message>
</context>
<context>
    <name>ui::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Unsere &amp;Website besuchen</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Über die &amp;Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Online Geld verdienen</translation>
    </message>
</context>
<context>
    <name>ui::Promotions</name>
    <message>
        <source>Share your readings in our free online forum. Visit us at %1</source>
        <translation>Teilen Sie Ihre Deutungen in unserem kostenlosen Forum: %1</translation>
    </message>
    <message>
        <source>Forum</source>
        <translation>Forum</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Angebote</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.Click Here for more info on co-branding.</source>
        <translation>Versehen Sie diese Software mit Ihrer Marke. Steigern Sie Treue und Besucherzahlen Ihrer Website. Hier könnten Name und Link Ihrer Website stehen. Details unter „Hilfe“. Mehr zum Co-Branding: hier klicken.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internet-Business und verdienen Sie online Geld. Erhalten Sie diese Software mit Ihrer Marke. Klicken Sie hier für Details.</translation>
    </message>
</context>
<context>
    <name>ui::ReferAFriendBox</name>
    <message>
        <source>Refer A Friend</source>
        <translation>Weiterempfehlen</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Jetzt weiterempfehlen</translation>
    </message>
    <message>
        <source>Refer A Friend Now</source>
        <translation>Jetzt weiterempfehlen</translation>
    </message>
</context>
<context>
    <name>ui::frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <source>OV Varodara Zevaz Adavuv Software gives you an idea about the trends and influences of a month of your life. There are 9 personal months. This number is calculated by adding your Birth Day, Birth Month, Current Month and Current Year. So this software helps you in getting the current and past month&apos;s forecast.</source>
        <extracomment>The box holds about 60 characters a line, on six lines, the rights notice included.</extracomment>
        <translation>OV Varodara Zevaz Adavuv zeigt Ihnen Tendenzen und Einflüsse eines Monats Ihres Lebens. Es gibt 9 persönliche Monate. Die Zahl ist die Summe aus Geburtstag, Geburtsmonat, aktuellem Monat und aktuellem Jahr. So erhalten Sie die Vorhersage für den laufenden und den vorigen Monat.</translation>
    </message>
    <message>
        <source>© Orvane Softwares, %1. All rights reserved.</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>© Orvane Softwares, %1. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internet-Business und verdienen Sie online Geld. Erhalten Sie diese Software mit Ihrer Marke.</translation>
    </message>
    <message>
        <source> Click here for more details.</source>
        <translation> Klicken Sie hier für Details.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the maker&apos;s main site.</extracomment>
        <translation>Besuchen Sie %1</translation>
    </message>
</context>
<context>
    <name>ui::frmExitScreen</name>
    <message>
        <source>Orvane Softwares, such as this can be created and maintained only with your support. The best way to support our forum is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Each line: %1 is the maker&apos;s main site. The box holds about 75 characters a line, on four lines.</extracomment>
        <translation>Programme von Orvane Softwares wie dieses gibt es nur dank Ihrer Unterstützung. Am besten unterstützen Sie unser Forum, indem Sie %1 regelmäßig besuchen und sich an den Diskussionen und Aktivitäten dort beteiligen.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support us by taking part in the discussions and other activities there. We cannot support and maintain these programs without you regularly visiting our site.</source>
        <translation>Besuchen Sie %1 regelmäßig und unterstützen Sie uns, indem Sie sich an den Diskussionen und Aktivitäten dort beteiligen. Ohne Ihre regelmäßigen Besuche können wir diese Programme nicht weiter pflegen.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on all esoteric subjects. To help us develop and maintain this software, please visit it regularly.</source>
        <translation>%1 ist ein kostenloses Online-Forum zu allen esoterischen Themen. Bitte besuchen Sie es regelmäßig – so helfen Sie uns, diese Software weiterzuentwickeln.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit it regularly and take part in the various discussions and activities, to help us maintain and develop more Orvane Softwares.</source>
        <translation>%1 braucht Ihre Hilfe. Besuchen Sie die Seite einfach regelmäßig und machen Sie bei Diskussionen und Aktivitäten mit. So helfen Sie uns, weitere Orvane Softwares zu pflegen und zu entwickeln.</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>Jetzt %1 besuchen – hier klicken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Download Orvane Softwares</source>
        <translation>Orvane Softwares laden</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvane Softwares. From a single software, we have now grown to become the world’s largest resource of orvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.%1All the programs in the Orvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Wenn Ihnen diese Software gefallen hat, interessieren Sie sich sicher auch für unsere anderen Orvane Softwares. Aus einem einzigen Programm ist inzwischen die weltweit größte Sammlung von orvane softwares geworden. Ob Astrologie, Hellsehen, Tarot, Numerologie oder Okkultes – wir haben Programme für alle Bereiche und bieten so für jeden Geschmack eine große Auswahl.%1Alle Programme von Orvane Softwares sind einfach zu bedienen. Sie machen Spaß und sind zugleich sehr informativ. Probieren Sie sie noch heute aus und teilen Sie Ihre Erfahrungen mit Freunden und Familie. </translation>
    </message>
    <message>
        <source>Click Here To Visit Orvane Softwares</source>
        <translation>Orvane Softwares besuchen – hier klicken</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Bitte geben Sie Ihre Daten ein:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Zweiter Vorname</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Birth Month</source>
        <translation>Geburtsmonat</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation>Geburtsjahr</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>ui::frmPersonalMonth</name>
    <message>
        <source>Your Varodara Zevaz Adavuv</source>
        <translation>Ihr Varodara Zevaz Adavuv</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
</context>
</TS>
