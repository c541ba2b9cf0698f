<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [OPTION]</source>
        <extracomment>OPTION stays as it is.</extracomment>
        <translation>Uso: %1 [OPTION]</translation>
    </message>
    <message>
        <source>Works out your Varodara Zevaz Adavuv from your birth date and shows its reading.</source>
        <translation>Calcola il suo Varodara Zevaz Adavuv dalla sua data di nascita
e ne mostra l’interpretazione.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two in a list of options: &quot;--number, --month, --explain or --json&quot;.</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>A refused date, month or option is named on standard error, with exit status 2.</source>
        <translation>Una data, un mese o un’opzione rifiutati vengono segnalati sullo standard error,
con il codice di uscita 2.</translation>
    </message>
    <message>
        <source>With %1, an argument that is none of the options
above is refused too; without them, other arguments are ignored (a desktop launcher
may pass a field code).</source>
        <extracomment>%1: the names of the calculation&apos;s options. Lines of at most about 85 characters.</extracomment>
        <translation>Con %1, viene rifiutato anche
ogni argomento che non sia una delle opzioni qui sopra; altrimenti gli altri
argomenti vengono ignorati (un launcher del desktop può passare un codice di campo).</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argomento inatteso %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>l’opzione %1 è indicata due volte</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two in a list of options: &quot;--month, --explain and --json&quot;.</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 go with %2</source>
        <extracomment>%1: the names of options, %2: the option they need, as in &quot;--number BIRTH&quot;.</extracomment>
        <translation>%1 richiedono %2</translation>
    </message>
    <message>
        <source>the birth date %1 is not a date of the form YYYY-MM-DD</source>
        <translation>la data di nascita %1 non è una data nel formato YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the birth year %1 is not one of the window&apos;s years, %2 to %3</source>
        <translation>l’anno di nascita %1 non è tra gli anni della finestra, dal %2 al %3</translation>
    </message>
    <message>
        <source>the month %1 is not a month of the form YYYY-MM</source>
        <translation>il mese %1 non è un mese nel formato YYYY-MM</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins two names in a list of options: &quot;--number, --month&quot;; the last two are joined as &quot;%1 or %2&quot; or &quot;%1 and %2&quot; say.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostra questo aiuto ed esce</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostra la versione ed esce</translation>
    </message>
    <message>
        <source>%1 needs a birth date, YYYY-MM-DD</source>
        <translation>%1 richiede una data di nascita nel formato YYYY-MM-DD</translation>
    </message>
    <message>
        <source>print the number and the reading that the window shows for the
birth date BIRTH (YYYY-MM-DD, a year from 1900 to 2050), this month</source>
        <extracomment>Lines of at most about 64 characters; BIRTH and YYYY-MM-DD stay as they are.</extracomment>
        <translation>stampa il numero e l’interpretazione che la finestra mostra per
la data di nascita BIRTH (YYYY-MM-DD, anno dal 1900 al 2050),
per il mese corrente</translation>
    </message>
    <message>
        <source>%1 needs a month, YYYY-MM</source>
        <translation>%1 richiede un mese nel formato YYYY-MM</translation>
    </message>
    <message>
        <source>for that month instead of this one</source>
        <translation>per quel mese anziché per quello corrente</translation>
    </message>
    <message>
        <source>show, after the reading, how the number is worked out</source>
        <translation>mostra, dopo l’interpretazione, come si calcola il numero</translation>
    </message>
    <message>
        <source>print one JSON object instead, with the fields birth, month,
number, reading, text and steps; each step has step, input,
digitSum, stages and output (birthMonth: step, input, output;
total: terms too)</source>
        <extracomment>Lines of at most about 64 characters; the field names stay as they are.</extracomment>
        <translation>stampa invece un oggetto JSON, con i campi birth, month,
number, reading, text e steps; ogni passo ha step, input,
digitSum, stages e output (birthMonth: step, input, output;
total: anche terms)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <extracomment>Joins two steps of a sum: &quot;2 + 0 + 2 + 6 = 10, then 1 + 0 = 1&quot;.</extracomment>
        <translation>%1, poi %2</translation>
    </message>
    <message>
        <source>How the number is worked out:</source>
        <translation>Come si calcola il numero:</translation>
    </message>
    <message>
        <source>the birth day %1: %2</source>
        <translation>il giorno di nascita %1: %2</translation>
    </message>
    <message>
        <source>the birth month %1: %2</source>
        <translation>il mese di nascita %1: %2</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3, %4</source>
        <extracomment>%1: the month&apos;s name, %2: its year, %3: its number in the year, %4: how that is reduced.</extracomment>
        <translation>il mese %1 %2: %1 vale %3, %4</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3</source>
        <translation>il mese %1 %2: %1 vale %3</translation>
    </message>
    <message>
        <source>the year %1: %2</source>
        <translation>l’anno %1: %2</translation>
    </message>
    <message>
        <source>the total: %1</source>
        <translation>il totale: %1</translation>
    </message>
    <message>
        <source>The birth year and the names do not enter the number.</source>
        <translation>L’anno di nascita e i nomi non entrano nel calcolo del numero.</translation>
    </message>
    <message>
        <source>no display found (set DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>nessun display trovato (imposti DISPLAY o WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>Without an option the program opens its window;
it needs a graphical display (X11 or Wayland).</source>
        <translation>Senza opzioni il programma apre la sua finestra;
per farlo ha bisogno di un display grafico (X11 o Wayland).</translation>
    </message>
    <message>
        <source>Without an option the program opens its window.</source>
        <translation>Senza opzioni il programma apre la sua finestra.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Inserisca il suo nome.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Inserisca il suo cognome.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Indichi il suo giorno di nascita.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Indichi il suo mese di nascita.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Indichi il suo anno di nascita.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Inserisca un giorno o un mese valido!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Inserisca un giorno o un mese valido!</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Inserisca due indirizzi e-mail diversi.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Inserisca un indirizzo e-mail valido.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Inserisca il suo nome.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Inserisca il suo indirizzo e-mail.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Inserisca il suo messaggio.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Inserisca il nome del suo amico.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Inserisca l’indirizzo e-mail del suo amico.</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>Il programma è già in esecuzione.</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Potrebbe essere disponibile un aggiornamento di questo software.<byte value="xd"/>Vuole cercare gli aggiornamenti?</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L’indirizzo e-mail non può contenere spazi.</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>Gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Aprile</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Maggio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dicembre</translation>
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
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
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
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>This is a time for new beginnings. Explore creative ideas. Maintain your individuality. The projects and assignments started during this time are the seeds being planted for later growth. You need to be aware of what you are planting.</source>
        <translation>È un periodo di nuovi inizi. Esplori idee creative e mantenga la sua individualità. I progetti e gli incarichi avviati in questo periodo sono i semi della crescita futura. Sia consapevole di ciò che semina.</translation>
    </message>
    <message>
        <source>You will make new friends. You will achieve some most awaited success. Take care about small things in life. Conflicts may arise, and if you do, attempt to ease them by cooperating with those involved. You will have peace and harmony.</source>
        <translation>Farà nuove amicizie e otterrà un successo a lungo atteso. Presti attenzione alle piccole cose della vita. Potrebbero nascere dei conflitti: in tal caso, cerchi di attenuarli collaborando con le persone coinvolte. Troverà pace e armonia.</translation>
    </message>
    <message>
        <source>This is the month of creativity. Maintain optimism and free your mind. You can start anything new this month. Explore the artistic side of yourself. Invitations, friends and social activities are in the air.</source>
        <translation>Questo è il mese della creatività. Resti ottimista e liberi la mente. In questo mese può intraprendere qualunque nuova iniziativa. Esplori il suo lato artistico. All’orizzonte ci sono inviti, amici e vita sociale.</translation>
    </message>
    <message>
        <source>Pay attention to legal, property and financial matters. Organize your work and stick to it. Be cautious, patient and methodical in everything that you do. So planning is very important this month.</source>
        <translation>Presti attenzione alle questioni legali, immobiliari e finanziarie. Organizzi il suo lavoro e si attenga al programma. Agisca con prudenza, pazienza e metodo in tutto ciò che fa. Pianificare, quindi, è molto importante in questo mese.</translation>
    </message>
    <message>
        <source>Leave behind old problems and look at life with a fresh mind. You can look at old things in new ways. Work hard on present tasks. You can promote your ideas, business. It&apos;s even more important time for learning. Don&apos;t take up too many tasks.</source>
        <translation>Si lasci alle spalle i vecchi problemi e guardi la vita con occhi nuovi. Può vedere le cose di sempre da una prospettiva nuova. Lavori sodo ai compiti attuali. Può promuovere le sue idee e la sua attività. È soprattutto un momento importante per imparare. Non si assuma troppi impegni.</translation>
    </message>
    <message>
        <source>This Month calls for the spirit of willingness.  It&apos;s a good time to think about your own home. Give ample love to your family. Take care about your &apos;s and family&apos;s health issues.</source>
        <translation>Questo mese richiede spirito di disponibilità. È un buon momento per pensare alla sua casa. Dia molto amore alla sua famiglia. Abbia cura della sua salute e di quella dei suoi familiari.</translation>
    </message>
    <message>
        <source>Listen to your heart, the inner soul. Look over your plans and ideas, and examine at them closely, yet non-critically. People may misunderstand, but you need to maintain peace to sort it out with them.</source>
        <translation>Ascolti il suo cuore, la sua voce interiore. Riesamini i suoi progetti e le sue idee e li valuti con attenzione, ma senza spirito critico. Gli altri potrebbero fraintenderla: mantenga la calma per chiarire le cose con loro.</translation>
    </message>
    <message>
        <source>Efforts are required to reach the heights of success. Maintain calm and work on it. Since 8 is the number of material power, sometimes our efforts have to be repeated a number of times if you are to gain the success.</source>
        <translation>Per raggiungere le vette del successo servono sforzi. Mantenga la calma e continui a lavorarci. Poiché l’8 è il numero del potere materiale, a volte bisogna ripetere gli sforzi più volte prima di ottenere il successo.</translation>
    </message>
    <message>
        <source>Don&apos;t try to stop anything, which is out of your reach, just like a storm that&apos;s unstoppable. Work on social activities if you can. This is a good time to have a broad outlook as possible on things, to put personal goals, achievements or needs to one side as much as you can.</source>
        <translation>Non cerchi di fermare ciò che è fuori dalla sua portata, così come nessuno può fermare una tempesta. Se può, si dedichi ad attività sociali. È un buon momento per avere una visione delle cose il più ampia possibile e mettere da parte, per quanto può, obiettivi, risultati o bisogni personali.</translation>
    </message>
    <message>
        <source>Your Varodara Zevaz Adavuv is: </source>
        <translation>Il suo Varodara Zevaz Adavuv è: </translation>
    </message>
    <message>
        <source>The Varodara Zevaz Adavuv describes what your lessons are during the course of the month, the trends and particular influences that are affecting you personally.</source>
        <translation>Il Varodara Zevaz Adavuv descrive le lezioni che questo mese ha in serbo per lei, le tendenze e le influenze particolari che la riguardano personalmente.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Il suo nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Il suo indirizzo e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Il suo messaggio</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome dell’amico</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Indirizzo e-mail dell’amico</translation>
    </message>
</context>
<context>
    <name>ui::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivio</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Ava&amp;nti</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Guida in linea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Il nostro sito &amp;web</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Ricerca aggiornamenti</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informazioni sul software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donazioni</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Guadagni &amp;online</translation>
    </message>
</context>
<context>
    <name>ui::Promotions</name>
    <message>
        <source>Share your readings in our free online forum. Visit us at %1</source>
        <translation>Condivida le sue interpretazioni nel nostro forum online gratuito. Venga a trovarci su %1</translation>
    </message>
    <message>
        <source>Forum</source>
        <translation>Forum</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Offerte</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.Click Here for more info on co-branding.</source>
        <translation>Personalizzi questo software con il marchio del suo sito. Fidelizzi i visitatori e aumenti il traffico. Qui il nome e il link del suo sito. Dettagli nella “Guida”. Clicchi qui per saperne di più sul co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Opportunità di lavoro da casa. Avvii la sua attività su Internet e guadagni online. Ottenga questo software interamente con il marchio del suo sito. Clicchi qui per maggiori dettagli.</translation>
    </message>
</context>
<context>
    <name>ui::ReferAFriendBox</name>
    <message>
        <source>Refer A Friend</source>
        <translation>Consigli il programma a un amico</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Consiglia ora</translation>
    </message>
    <message>
        <source>Refer A Friend Now</source>
        <translation>Consiglia ora</translation>
    </message>
</context>
<context>
    <name>ui::frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation>Icona del programma</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Separatore</translation>
    </message>
    <message>
        <source>OV Varodara Zevaz Adavuv Software gives you an idea about the trends and influences of a month of your life. There are 9 personal months. This number is calculated by adding your Birth Day, Birth Month, Current Month and Current Year. So this software helps you in getting the current and past month&apos;s forecast.</source>
        <extracomment>The box holds about 60 characters a line, on six lines, the rights notice included.</extracomment>
        <translation>OV Varodara Zevaz Adavuv le offre un’idea delle tendenze e delle influenze di un mese della sua vita. Esistono 9 mesi personali. Il numero si calcola sommando giorno e mese di nascita, mese e anno correnti. Così il software le fornisce la previsione per il mese corrente e per quello precedente.</translation>
    </message>
    <message>
        <source>© Orvane Softwares, %1. All rights reserved.</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>© Orvane Softwares, %1. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Opportunità di lavoro da casa. Avvii la sua attività su Internet e guadagni online. Ottenga questo software interamente con il marchio del suo sito.</translation>
    </message>
    <message>
        <source> Click here for more details.</source>
        <translation> Clicchi qui per i dettagli.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the maker&apos;s main site.</extracomment>
        <translation>Visiti %1</translation>
    </message>
</context>
<context>
    <name>ui::frmExitScreen</name>
    <message>
        <source>Orvane Softwares, such as this can be created and maintained only with your support. The best way to support our forum is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Each line: %1 is the maker&apos;s main site. The box holds about 75 characters a line, on four lines.</extracomment>
        <translation>I programmi Orvane Softwares come questo esistono solo grazie al suo sostegno. Per sostenere il nostro forum, il modo migliore è visitare spesso %1 e partecipare alle discussioni e alle attività.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support us by taking part in the discussions and other activities there. We cannot support and maintain these programs without you regularly visiting our site.</source>
        <translation>Visiti regolarmente %1. Ci sostenga partecipando alle discussioni e alle altre attività. Senza le sue visite regolari al nostro sito non possiamo supportare e mantenere questi programmi.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on all esoteric subjects. To help us develop and maintain this software, please visit it regularly.</source>
        <translation>%1 è un forum di discussione online gratuito su tutti i temi esoterici. Per aiutarci a sviluppare e mantenere questo software, lo visiti regolarmente.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit it regularly and take part in the various discussions and activities, to help us maintain and develop more Orvane Softwares.</source>
        <translation>%1 ha bisogno del suo aiuto. Basta visitarlo regolarmente e partecipare alle varie discussioni e attività per aiutarci a mantenere e sviluppare altri Orvane Softwares.</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icona del programma</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>Clicchi qui per visitare subito %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Download Orvane Softwares</source>
        <translation>Download di Orvane Softwares</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvane Softwares. From a single software, we have now grown to become the world’s largest resource of orvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.%1All the programs in the Orvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Se questo software le è piaciuto, le interesseranno sicuramente anche gli altri Orvane Softwares. Partiti da un unico software, siamo diventati la più grande raccolta al mondo di orvane softwares. Astrologia, paranormale, tarocchi, numerologia o occulto: abbiamo programmi in ogni campo e offriamo così ai nostri utenti un’ampia scelta secondo i loro interessi.%1Tutti i programmi della suite Orvane Softwares sono semplici e facili da usare. Non sono solo divertenti, ma anche molto istruttivi. Li provi oggi stesso e condivida la sua esperienza con amici e familiari. </translation>
    </message>
    <message>
        <source>Click Here To Visit Orvane Softwares</source>
        <translation>Clicchi qui per visitare Orvane Softwares</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Compili i campi seguenti:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Secondo nome</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Cognome</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>Data di nascita</translation>
    </message>
    <message>
        <source>Birth Month</source>
        <translation>Mese di nascita</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>Giorno di nascita</translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation>Anno di nascita</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Ava&amp;nti</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
</context>
<context>
    <name>ui::frmPersonalMonth</name>
    <message>
        <source>Your Varodara Zevaz Adavuv</source>
        <translation>Il suo Varodara Zevaz Adavuv</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
</context>
</TS>
