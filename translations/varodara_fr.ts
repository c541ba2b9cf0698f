<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [OPTION]</source>
        <extracomment>OPTION stays as it is.</extracomment>
        <translation>Utilisation&#xa0;: %1 [OPTION]</translation>
    </message>
    <message>
        <source>Works out your Varodara Zevaz Adavuv from your birth date and shows its reading.</source>
        <translation>Calcule votre Varodara Zevaz Adavuv à partir de votre date de naissance
et affiche son interprétation.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two in a list of options: &quot;--number, --month, --explain or --json&quot;.</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>A refused date, month or option is named on standard error, with exit status 2.</source>
        <translation>Une date, un mois ou une option refusés sont signalés sur la sortie d’erreur standard,
avec le code de sortie 2.</translation>
    </message>
    <message>
        <source>With %1, an argument that is none of the options
above is refused too; without them, other arguments are ignored (a desktop launcher
may pass a field code).</source>
        <extracomment>%1: the names of the calculation&apos;s options. Lines of at most about 85 characters.</extracomment>
        <translation>Avec %1, tout argument autre que les options
ci-dessus est refusé lui aussi&#xa0;; sinon, les autres arguments sont ignorés
(un lanceur de bureau peut transmettre un code de champ).</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>l’option %1 est indiquée deux fois</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two in a list of options: &quot;--month, --explain and --json&quot;.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 go with %2</source>
        <extracomment>%1: the names of options, %2: the option they need, as in &quot;--number BIRTH&quot;.</extracomment>
        <translation>%1 nécessitent %2</translation>
    </message>
    <message>
        <source>the birth date %1 is not a date of the form YYYY-MM-DD</source>
        <translation>la date de naissance %1 n’est pas une date au format YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the birth year %1 is not one of the window&apos;s years, %2 to %3</source>
        <translation>l’année de naissance %1 ne fait pas partie des années de la fenêtre, de %2 à %3</translation>
    </message>
    <message>
        <source>the month %1 is not a month of the form YYYY-MM</source>
        <translation>le mois %1 n’est pas un mois au format YYYY-MM</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins two names in a list of options: &quot;--number, --month&quot;; the last two are joined as &quot;%1 or %2&quot; or &quot;%1 and %2&quot; say.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>afficher la version et quitter</translation>
    </message>
    <message>
        <source>%1 needs a birth date, YYYY-MM-DD</source>
        <translation>%1 attend une date de naissance au format YYYY-MM-DD</translation>
    </message>
    <message>
        <source>print the number and the reading that the window shows for the
birth date BIRTH (YYYY-MM-DD, a year from 1900 to 2050), this month</source>
        <extracomment>Lines of at most about 64 characters; BIRTH and YYYY-MM-DD stay as they are.</extracomment>
        <translation>afficher le nombre et l’interprétation que donne la fenêtre pour
la date de naissance BIRTH (YYYY-MM-DD, année de 1900 à 2050),
pour le mois en cours</translation>
    </message>
    <message>
        <source>%1 needs a month, YYYY-MM</source>
        <translation>%1 attend un mois au format YYYY-MM</translation>
    </message>
    <message>
        <source>for that month instead of this one</source>
        <translation>pour ce mois-là au lieu du mois en cours</translation>
    </message>
    <message>
        <source>show, after the reading, how the number is worked out</source>
        <translation>afficher, après l’interprétation, comment le nombre est calculé</translation>
    </message>
    <message>
        <source>print one JSON object instead, with the fields birth, month,
number, reading, text and steps; each step has step, input,
digitSum, stages and output (birthMonth: step, input, output;
total: terms too)</source>
        <extracomment>Lines of at most about 64 characters; the field names stay as they are.</extracomment>
        <translation>afficher plutôt un objet JSON, avec les champs birth, month,
number, reading, text et steps&#xa0;; chaque étape comporte step,
input, digitSum, stages et output (birthMonth&#xa0;: step, input,
output&#xa0;; total&#xa0;: terms en plus)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <extracomment>Joins two steps of a sum: &quot;2 + 0 + 2 + 6 = 10, then 1 + 0 = 1&quot;.</extracomment>
        <translation>%1, puis %2</translation>
    </message>
    <message>
        <source>How the number is worked out:</source>
        <translation>Comment le nombre est calculé&#xa0;:</translation>
    </message>
    <message>
        <source>the birth day %1: %2</source>
        <translation>le jour de naissance %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the birth month %1: %2</source>
        <translation>le mois de naissance %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3, %4</source>
        <extracomment>%1: the month&apos;s name, %2: its year, %3: its number in the year, %4: how that is reduced.</extracomment>
        <translation>le mois %1 %2&#xa0;: %1 vaut %3, %4</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3</source>
        <translation>le mois %1 %2&#xa0;: %1 vaut %3</translation>
    </message>
    <message>
        <source>the year %1: %2</source>
        <translation>l’année %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the total: %1</source>
        <translation>le total&#xa0;: %1</translation>
    </message>
    <message>
        <source>The birth year and the names do not enter the number.</source>
        <translation>L’année de naissance et les noms n’entrent pas dans le calcul du nombre.</translation>
    </message>
    <message>
        <source>no display found (set DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>aucun affichage trouvé (définissez DISPLAY ou WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>Without an option the program opens its window;
it needs a graphical display (X11 or Wayland).</source>
        <translation>Sans option, le programme ouvre sa fenêtre&#xa0;;
il lui faut pour cela un affichage graphique (X11 ou Wayland).</translation>
    </message>
    <message>
        <source>Without an option the program opens its window.</source>
        <translation>Sans option, le programme ouvre sa fenêtre.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Veuillez saisir votre prénom.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Veuillez saisir votre nom de famille.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Veuillez indiquer votre jour de naissance.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Veuillez indiquer votre mois de naissance.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Veuillez indiquer votre année de naissance.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Veuillez indiquer un jour ou un mois valide&#xa0;!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Veuillez indiquer un jour ou un mois valide&#xa0;!</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez saisir deux adresses e-mail différentes.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse e-mail valide.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre adresse e-mail.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l’adresse e-mail de votre ami.</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>Le programme est déjà en cours d’exécution.</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible.<byte value="xd"/>Voulez-vous rechercher une mise à jour&#xa0;?</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L’adresse e-mail ne doit pas contenir d’espace.</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>Janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Décembre</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Cop&amp;ier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
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
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Cop&amp;ier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>This is a time for new beginnings. Explore creative ideas. Maintain your individuality. The projects and assignments started during this time are the seeds being planted for later growth. You need to be aware of what you are planting.</source>
        <translation>C’est le moment des nouveaux départs. Explorez des idées créatives et préservez votre individualité. Les projets et les tâches que vous entreprenez en ce moment sont les graines d’une croissance future. Veillez donc à ce que vous semez.</translation>
    </message>
    <message>
        <source>You will make new friends. You will achieve some most awaited success. Take care about small things in life. Conflicts may arise, and if you do, attempt to ease them by cooperating with those involved. You will have peace and harmony.</source>
        <translation>Vous vous ferez de nouveaux amis et connaîtrez un succès longtemps attendu. Prêtez attention aux petites choses de la vie. Des conflits peuvent survenir&#xa0;; si c’est le cas, essayez de les apaiser en coopérant avec les personnes concernées. La paix et l’harmonie seront au rendez-vous.</translation>
    </message>
    <message>
        <source>This is the month of creativity. Maintain optimism and free your mind. You can start anything new this month. Explore the artistic side of yourself. Invitations, friends and social activities are in the air.</source>
        <translation>C’est le mois de la créativité. Restez optimiste et libérez votre esprit. Ce mois-ci, vous pouvez vous lancer dans tout nouveau projet. Explorez votre côté artistique. Invitations, retrouvailles entre amis et sorties s’annoncent.</translation>
    </message>
    <message>
        <source>Pay attention to legal, property and financial matters. Organize your work and stick to it. Be cautious, patient and methodical in everything that you do. So planning is very important this month.</source>
        <translation>Accordez toute votre attention aux questions juridiques, immobilières et financières. Organisez votre travail et tenez-vous-y. Faites preuve de prudence, de patience et de méthode dans tout ce que vous entreprenez. Ce mois-ci, la planification est donc essentielle.</translation>
    </message>
    <message>
        <source>Leave behind old problems and look at life with a fresh mind. You can look at old things in new ways. Work hard on present tasks. You can promote your ideas, business. It&apos;s even more important time for learning. Don&apos;t take up too many tasks.</source>
        <translation>Laissez derrière vous les vieux problèmes et regardez la vie d’un œil neuf. Vous pouvez porter un regard nouveau sur les choses familières. Travaillez avec ardeur à vos tâches actuelles. Vous pouvez faire valoir vos idées et développer vos affaires. C’est surtout un moment important pour apprendre. Ne vous dispersez pas dans trop de tâches.</translation>
    </message>
    <message>
        <source>This Month calls for the spirit of willingness.  It&apos;s a good time to think about your own home. Give ample love to your family. Take care about your &apos;s and family&apos;s health issues.</source>
        <translation>Ce mois fait appel à votre bonne volonté. C’est le bon moment pour penser à votre propre foyer. Donnez beaucoup d’amour à votre famille. Prenez soin de votre santé et de celle de vos proches.</translation>
    </message>
    <message>
        <source>Listen to your heart, the inner soul. Look over your plans and ideas, and examine at them closely, yet non-critically. People may misunderstand, but you need to maintain peace to sort it out with them.</source>
        <translation>Écoutez votre cœur, votre voix intérieure. Passez en revue vos projets et vos idées, et examinez-les attentivement, mais sans esprit critique. Les autres peuvent mal vous comprendre&#xa0;: gardez alors votre calme pour régler le malentendu avec eux.</translation>
    </message>
    <message>
        <source>Efforts are required to reach the heights of success. Maintain calm and work on it. Since 8 is the number of material power, sometimes our efforts have to be repeated a number of times if you are to gain the success.</source>
        <translation>Des efforts sont nécessaires pour atteindre les sommets de la réussite. Restez calme et persévérez. Le 8 étant le nombre de la puissance matérielle, vous devrez parfois renouveler vos efforts plusieurs fois avant de réussir.</translation>
    </message>
    <message>
        <source>Don&apos;t try to stop anything, which is out of your reach, just like a storm that&apos;s unstoppable. Work on social activities if you can. This is a good time to have a broad outlook as possible on things, to put personal goals, achievements or needs to one side as much as you can.</source>
        <translation>N’essayez pas d’arrêter ce qui est hors de votre portée, pas plus qu’on n’arrête une tempête. Si vous le pouvez, consacrez-vous à des activités sociales. C’est le bon moment pour porter sur les choses un regard aussi large que possible et pour mettre de côté, autant que vous le pouvez, vos objectifs, vos réussites ou vos besoins personnels.</translation>
    </message>
    <message>
        <source>Your Varodara Zevaz Adavuv is: </source>
        <translation>Votre Varodara Zevaz Adavuv est&#xa0;: </translation>
    </message>
    <message>
        <source>The Varodara Zevaz Adavuv describes what your lessons are during the course of the month, the trends and particular influences that are affecting you personally.</source>
        <translation>Le Varodara Zevaz Adavuv décrit ce que le mois vous enseigne, ainsi que les tendances et les influences particulières qui vous touchent personnellement.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
</context>
<context>
    <name>ui::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Rechercher une mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Gagner de l’argent en ligne</translation>
    </message>
</context>
<context>
    <name>ui::Promotions</name>
    <message>
        <source>Share your readings in our free online forum. Visit us at %1</source>
        <translation>Partagez vos interprétations sur notre forum en ligne gratuit&#xa0;: %1</translation>
    </message>
    <message>
        <source>Forum</source>
        <translation>Forum</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Offres</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.Click Here for more info on co-branding.</source>
        <translation>Mettez votre marque sur ce logiciel pour votre site. Fidélisez vos visiteurs et augmentez votre trafic. Placez ici le nom et le lien de votre site. Détails dans «&#xa0;Aide&#xa0;». Cliquez ici pour en savoir plus sur le co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Activité à domicile&#xa0;: créez votre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement à la marque de votre site. Cliquez ici pour en savoir plus.</translation>
    </message>
</context>
<context>
    <name>ui::ReferAFriendBox</name>
    <message>
        <source>Refer A Friend</source>
        <translation>Recommandez-nous à un ami</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recommander maintenant</translation>
    </message>
    <message>
        <source>Refer A Friend Now</source>
        <translation>Recommander maintenant</translation>
    </message>
</context>
<context>
    <name>ui::frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation>Icône du programme</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>OV Varodara Zevaz Adavuv Software gives you an idea about the trends and influences of a month of your life. There are 9 personal months. This number is calculated by adding your Birth Day, Birth Month, Current Month and Current Year. So this software helps you in getting the current and past month&apos;s forecast.</source>
        <extracomment>The box holds about 60 characters a line, on six lines, the rights notice included.</extracomment>
        <translation>OV Varodara Zevaz Adavuv vous éclaire sur les tendances et les influences d’un mois de votre vie. Il existe 9 mois personnels. Ce nombre s’obtient en additionnant votre jour et votre mois de naissance, le mois et l’année en cours. Vous obtenez ainsi les prévisions du mois en cours et du mois précédent.</translation>
    </message>
    <message>
        <source>© Orvane Softwares, %1. All rights reserved.</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>© Orvane Softwares, %1. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Activité à domicile&#xa0;: créez votre entreprise sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement à la marque de votre site.</translation>
    </message>
    <message>
        <source> Click here for more details.</source>
        <translation> Cliquez ici pour les détails.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the maker&apos;s main site.</extracomment>
        <translation>Rendez-vous sur %1</translation>
    </message>
</context>
<context>
    <name>ui::frmExitScreen</name>
    <message>
        <source>Orvane Softwares, such as this can be created and maintained only with your support. The best way to support our forum is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Each line: %1 is the maker&apos;s main site. The box holds about 75 characters a line, on four lines.</extracomment>
        <translation>Les logiciels Orvane Softwares comme celui-ci n’existent que grâce à votre soutien. La meilleure façon de soutenir notre forum est de visiter régulièrement %1 et de participer aux discussions et aux autres activités.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support us by taking part in the discussions and other activities there. We cannot support and maintain these programs without you regularly visiting our site.</source>
        <translation>Visitez régulièrement %1. Soutenez-nous en participant aux discussions et aux autres activités du site. Sans vos visites régulières, nous ne pouvons pas assurer le suivi et la maintenance de ces programmes.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on all esoteric subjects. To help us develop and maintain this software, please visit it regularly.</source>
        <translation>%1 est un forum de discussion en ligne gratuit consacré à tous les sujets ésotériques. Pour nous aider à développer et à maintenir ce logiciel, visitez-le régulièrement.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit it regularly and take part in the various discussions and activities, to help us maintain and develop more Orvane Softwares.</source>
        <translation>%1 a besoin de votre aide. Il vous suffit de le visiter régulièrement et de participer aux discussions et aux activités pour nous aider à maintenir et à développer d’autres Orvane Softwares.</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icône du programme</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>Cliquez ici pour visiter %1 maintenant</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Download Orvane Softwares</source>
        <translation>Télécharger Orvane Softwares</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvane Softwares. From a single software, we have now grown to become the world’s largest resource of orvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.%1All the programs in the Orvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Si ce logiciel vous a plu, nos autres Orvane Softwares vous intéresseront sûrement. Partis d’un seul logiciel, nous sommes devenus la plus grande ressource d’orvane softwares au monde. Astrologie, voyance, tarot, numérologie ou occultisme&#xa0;: nous avons des programmes dans tous les domaines, ce qui offre à nos utilisateurs un large choix selon leurs centres d’intérêt.%1Tous les programmes de la suite Orvane Softwares sont simples et faciles à utiliser. Ils sont à la fois amusants et très instructifs. Essayez-les dès aujourd’hui et partagez votre expérience avec vos amis et votre famille. </translation>
    </message>
    <message>
        <source>Click Here To Visit Orvane Softwares</source>
        <translation>Cliquez ici pour visiter Orvane Softwares</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Veuillez remplir les champs ci-dessous&#xa0;:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Deuxième prénom</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Birth Month</source>
        <translation>Mois de naissance</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>Jour de naissance</translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation>Année de naissance</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>ui::frmPersonalMonth</name>
    <message>
        <source>Your Varodara Zevaz Adavuv</source>
        <translation>Votre Varodara Zevaz Adavuv</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
</context>
</TS>
