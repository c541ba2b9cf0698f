<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [OPTION]</source>
        <extracomment>OPTION stays as it is.</extracomment>
        <translation>Использование: %1 [OPTION]</translation>
    </message>
    <message>
        <source>Works out your Varodara Zevaz Adavuv from your birth date and shows its reading.</source>
        <translation>Вычисляет ваше число Varodara Zevaz Adavuv по дате рождения
и показывает его толкование.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two in a list of options: &quot;--number, --month, --explain or --json&quot;.</extracomment>
        <translation>%1 или %2</translation>
    </message>
    <message>
        <source>A refused date, month or option is named on standard error, with exit status 2.</source>
        <translation>Об отклонённой дате, месяце или параметре сообщается в стандартный поток ошибок,
код завершения — 2.</translation>
    </message>
    <message>
        <source>With %1, an argument that is none of the options
above is refused too; without them, other arguments are ignored (a desktop launcher
may pass a field code).</source>
        <extracomment>%1: the names of the calculation&apos;s options. Lines of at most about 85 characters.</extracomment>
        <translation>С параметрами %1 отклоняется и любой аргумент,
не являющийся одним из параметров выше; иначе прочие аргументы игнорируются
(ярлык запуска на рабочем столе может передать код поля).</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>неожиданный аргумент %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>параметр %1 указан дважды</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two in a list of options: &quot;--month, --explain and --json&quot;.</extracomment>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>%1 go with %2</source>
        <extracomment>%1: the names of options, %2: the option they need, as in &quot;--number BIRTH&quot;.</extracomment>
        <translation>%1 используются только вместе с %2</translation>
    </message>
    <message>
        <source>the birth date %1 is not a date of the form YYYY-MM-DD</source>
        <translation>дата рождения %1 не соответствует формату YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the birth year %1 is not one of the window&apos;s years, %2 to %3</source>
        <translation>год рождения %1 не входит в диапазон лет окна: с %2 по %3</translation>
    </message>
    <message>
        <source>the month %1 is not a month of the form YYYY-MM</source>
        <translation>месяц %1 не соответствует формату YYYY-MM</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins two names in a list of options: &quot;--number, --month&quot;; the last two are joined as &quot;%1 or %2&quot; or &quot;%1 and %2&quot; say.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>показать эту справку и выйти</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>показать версию и выйти</translation>
    </message>
    <message>
        <source>%1 needs a birth date, YYYY-MM-DD</source>
        <translation>параметру %1 нужна дата рождения в формате YYYY-MM-DD</translation>
    </message>
    <message>
        <source>print the number and the reading that the window shows for the
birth date BIRTH (YYYY-MM-DD, a year from 1900 to 2050), this month</source>
        <extracomment>Lines of at most about 64 characters; BIRTH and YYYY-MM-DD stay as they are.</extracomment>
        <translation>вывести число и толкование, которые окно показывает для
даты рождения BIRTH (YYYY-MM-DD, год с 1900 по 2050),
на текущий месяц</translation>
    </message>
    <message>
        <source>%1 needs a month, YYYY-MM</source>
        <translation>параметру %1 нужен месяц в формате YYYY-MM</translation>
    </message>
    <message>
        <source>for that month instead of this one</source>
        <translation>для указанного месяца вместо текущего</translation>
    </message>
    <message>
        <source>show, after the reading, how the number is worked out</source>
        <translation>показать после толкования, как вычисляется число</translation>
    </message>
    <message>
        <source>print one JSON object instead, with the fields birth, month,
number, reading, text and steps; each step has step, input,
digitSum, stages and output (birthMonth: step, input, output;
total: terms too)</source>
        <extracomment>Lines of at most about 64 characters; the field names stay as they are.</extracomment>
        <translation>вместо этого вывести один объект JSON с полями birth, month,
number, reading, text и steps; у каждого шага есть step, input,
digitSum, stages и output (у birthMonth: step, input, output;
у total: ещё и terms)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <extracomment>Joins two steps of a sum: &quot;2 + 0 + 2 + 6 = 10, then 1 + 0 = 1&quot;.</extracomment>
        <translation>%1, затем %2</translation>
    </message>
    <message>
        <source>How the number is worked out:</source>
        <translation>Как вычисляется число:</translation>
    </message>
    <message>
        <source>the birth day %1: %2</source>
        <translation>день рождения %1: %2</translation>
    </message>
    <message>
        <source>the birth month %1: %2</source>
        <translation>месяц рождения %1: %2</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3, %4</source>
        <extracomment>%1: the month&apos;s name, %2: its year, %3: its number in the year, %4: how that is reduced.</extracomment>
        <translation>месяц %1 %2: %1 даёт %3, %4</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3</source>
        <translation>месяц %1 %2: %1 даёт %3</translation>
    </message>
    <message>
        <source>the year %1: %2</source>
        <translation>год %1: %2</translation>
    </message>
    <message>
        <source>the total: %1</source>
        <translation>сумма: %1</translation>
    </message>
    <message>
        <source>The birth year and the names do not enter the number.</source>
        <translation>Год рождения и имена в вычислении числа не участвуют.</translation>
    </message>
    <message>
        <source>no display found (set DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>графический дисплей не найден (задайте DISPLAY или WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>Without an option the program opens its window;
it needs a graphical display (X11 or Wayland).</source>
        <translation>Без параметров программа открывает своё окно;
для этого нужен графический дисплей (X11 или Wayland).</translation>
    </message>
    <message>
        <source>Without an option the program opens its window.</source>
        <translation>Без параметров программа открывает своё окно.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Введите ваше имя.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Введите вашу фамилию.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Укажите день вашего рождения.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Укажите месяц вашего рождения.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Укажите год вашего рождения.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Укажите правильный день или месяц!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Укажите правильный день или месяц!</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Введите два разных адреса электронной почты.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Введите правильный адрес электронной почты.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Введите ваше имя.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Введите ваш адрес электронной почты.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Введите ваше сообщение.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Введите имя вашего друга.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Введите адрес электронной почты вашего друга.</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>Программа уже запущена.</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Возможно, доступно обновление этой программы.<byte value="xd"/>Проверить наличие обновлений?</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Адрес электронной почты не может содержать пробелы.</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>Январь</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Февраль</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Март</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Апрель</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Май</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Июнь</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Июль</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Август</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Сентябрь</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Октябрь</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Ноябрь</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Декабрь</translation>
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
        <translation>&amp;Отменить действие</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить действие</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>В&amp;ставить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить действие</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить действие</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Вырезать</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>В&amp;ставить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>This is a time for new beginnings. Explore creative ideas. Maintain your individuality. The projects and assignments started during this time are the seeds being planted for later growth. You need to be aware of what you are planting.</source>
        <translation>Это время новых начинаний. Развивайте творческие идеи и сохраняйте свою индивидуальность. Проекты и задачи, начатые в это время, — семена, посеянные ради будущего роста. Поэтому внимательно следите за тем, что вы сеете.</translation>
    </message>
    <message>
        <source>You will make new friends. You will achieve some most awaited success. Take care about small things in life. Conflicts may arise, and if you do, attempt to ease them by cooperating with those involved. You will have peace and harmony.</source>
        <translation>Вы заведёте новых друзей и добьётесь долгожданного успеха. Обращайте внимание на мелочи жизни. Возможны конфликты; если они возникнут, постарайтесь сгладить их, действуя сообща со всеми, кого они касаются. Вас ждут мир и гармония.</translation>
    </message>
    <message>
        <source>This is the month of creativity. Maintain optimism and free your mind. You can start anything new this month. Explore the artistic side of yourself. Invitations, friends and social activities are in the air.</source>
        <translation>Это месяц творчества. Сохраняйте оптимизм и дайте простор мыслям. В этом месяце можно браться за любое новое дело. Откройте в себе художника. В воздухе витают приглашения, дружеские встречи и общение.</translation>
    </message>
    <message>
        <source>Pay attention to legal, property and financial matters. Organize your work and stick to it. Be cautious, patient and methodical in everything that you do. So planning is very important this month.</source>
        <translation>Уделите внимание юридическим, имущественным и финансовым вопросам. Организуйте свою работу и придерживайтесь плана. Будьте осторожны, терпеливы и методичны во всём, что делаете. Поэтому в этом месяце очень важно планирование.</translation>
    </message>
    <message>
        <source>Leave behind old problems and look at life with a fresh mind. You can look at old things in new ways. Work hard on present tasks. You can promote your ideas, business. It&apos;s even more important time for learning. Don&apos;t take up too many tasks.</source>
        <translation>Оставьте старые проблемы позади и посмотрите на жизнь по-новому. Привычные вещи вы сможете увидеть в новом свете. Усердно работайте над текущими задачами. Вы можете продвигать свои идеи и своё дело. Но прежде всего это важное время для учёбы. Не берите на себя слишком много.</translation>
    </message>
    <message>
        <source>This Month calls for the spirit of willingness.  It&apos;s a good time to think about your own home. Give ample love to your family. Take care about your &apos;s and family&apos;s health issues.</source>
        <translation>Этот месяц требует готовности идти навстречу. Сейчас хорошее время, чтобы подумать о собственном доме. Дарите своей семье много любви. Позаботьтесь о своём здоровье и здоровье своих близких.</translation>
    </message>
    <message>
        <source>Listen to your heart, the inner soul. Look over your plans and ideas, and examine at them closely, yet non-critically. People may misunderstand, but you need to maintain peace to sort it out with them.</source>
        <translation>Прислушайтесь к своему сердцу, к внутреннему голосу. Пересмотрите свои планы и идеи и внимательно, но без лишней критики изучите их. Люди могут понять вас неправильно, но вам нужно сохранять спокойствие, чтобы мирно всё с ними уладить.</translation>
    </message>
    <message>
        <source>Efforts are required to reach the heights of success. Maintain calm and work on it. Since 8 is the number of material power, sometimes our efforts have to be repeated a number of times if you are to gain the success.</source>
        <translation>Чтобы достичь вершин успеха, нужны усилия. Сохраняйте спокойствие и продолжайте работать. Поскольку 8 — число материальной силы, иногда, чтобы добиться успеха, усилия приходится повторять несколько раз.</translation>
    </message>
    <message>
        <source>Don&apos;t try to stop anything, which is out of your reach, just like a storm that&apos;s unstoppable. Work on social activities if you can. This is a good time to have a broad outlook as possible on things, to put personal goals, achievements or needs to one side as much as you can.</source>
        <translation>Не пытайтесь остановить то, что вам неподвластно: бурю ведь тоже не остановить. По возможности займитесь общественной деятельностью. Сейчас хорошее время, чтобы смотреть на вещи как можно шире и по мере сил отложить в сторону личные цели, достижения и потребности.</translation>
    </message>
    <message>
        <source>Your Varodara Zevaz Adavuv is: </source>
        <translation>Ваше число Varodara Zevaz Adavuv: </translation>
    </message>
    <message>
        <source>The Varodara Zevaz Adavuv describes what your lessons are during the course of the month, the trends and particular influences that are affecting you personally.</source>
        <translation>Число Varodara Zevaz Adavuv описывает уроки, которые преподносит вам этот месяц, а также тенденции и особые влияния, которые касаются лично вас.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ваш адрес электронной почты</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ваше сообщение</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Имя друга</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Адрес электронной почты друга</translation>
    </message>
</context>
<context>
    <name>ui::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Далее</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Справка в Интернете</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Наш сайт</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Проверить обновления</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Пожертвовать</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Заработок в Интернете</translation>
    </message>
</context>
<context>
    <name>ui::Promotions</name>
    <message>
        <source>Share your readings in our free online forum. Visit us at %1</source>
        <translation>Делитесь своими толкованиями на нашем бесплатном форуме. Заходите на %1</translation>
    </message>
    <message>
        <source>Forum</source>
        <translation>Форум</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Предложения</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.Click Here for more info on co-branding.</source>
        <translation>Выпустите эту программу под маркой своего сайта, чтобы привлечь и удержать посетителей. Здесь — название вашего сайта и ссылка на него. См. «Справку». Нажмите здесь, чтобы узнать о совместном брендинге.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Бизнес на дому. Откройте собственное дело в Интернете и зарабатывайте онлайн. Получите эту программу под маркой своего сайта. Нажмите здесь, чтобы узнать подробности.</translation>
    </message>
</context>
<context>
    <name>ui::ReferAFriendBox</name>
    <message>
        <source>Refer A Friend</source>
        <translation>Посоветуйте программу другу</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Отправить другу</translation>
    </message>
    <message>
        <source>Refer A Friend Now</source>
        <translation>Отправить другу</translation>
    </message>
</context>
<context>
    <name>ui::frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation>Значок программы</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Разделитель</translation>
    </message>
    <message>
        <source>OV Varodara Zevaz Adavuv Software gives you an idea about the trends and influences of a month of your life. There are 9 personal months. This number is calculated by adding your Birth Day, Birth Month, Current Month and Current Year. So this software helps you in getting the current and past month&apos;s forecast.</source>
        <extracomment>The box holds about 60 characters a line, on six lines, the rights notice included.</extracomment>
        <translation>OV Varodara Zevaz Adavuv даёт представление о тенденциях и влияниях одного месяца вашей жизни. Существует 9 личных месяцев. Число вычисляется сложением дня и месяца рождения с текущими месяцем и годом. Так программа помогает получить прогноз на текущий и прошлый месяц.</translation>
    </message>
    <message>
        <source>© Orvane Softwares, %1. All rights reserved.</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>© Orvane Softwares, %1. Все права защищены.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Бизнес на дому. Откройте собственное дело в Интернете и зарабатывайте онлайн. Получите эту программу под маркой своего сайта.</translation>
    </message>
    <message>
        <source> Click here for more details.</source>
        <translation> Узнайте подробнее.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the maker&apos;s main site.</extracomment>
        <translation>Посетите %1</translation>
    </message>
</context>
<context>
    <name>ui::frmExitScreen</name>
    <message>
        <source>Orvane Softwares, such as this can be created and maintained only with your support. The best way to support our forum is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Each line: %1 is the maker&apos;s main site. The box holds about 75 characters a line, on four lines.</extracomment>
        <translation>Такие программы Orvane Softwares, как эта, живут только благодаря вашей поддержке. Лучше всего поддержать наш форум можно, регулярно заходя на %1 и участвуя в обсуждениях.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support us by taking part in the discussions and other activities there. We cannot support and maintain these programs without you regularly visiting our site.</source>
        <translation>Регулярно заходите на %1. Поддержите нас, участвуя в обсуждениях и других мероприятиях на сайте. Без ваших регулярных посещений мы не сможем поддерживать и развивать эти программы.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on all esoteric subjects. To help us develop and maintain this software, please visit it regularly.</source>
        <translation>%1 — бесплатный форум на любые эзотерические темы. Чтобы помочь нам развивать и поддерживать эту программу, пожалуйста, регулярно заходите на него.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit it regularly and take part in the various discussions and activities, to help us maintain and develop more Orvane Softwares.</source>
        <translation>%1 нуждается в вашей помощи. Просто регулярно заходите туда и участвуйте в обсуждениях и жизни сайта — так вы поможете нам поддерживать и создавать новые Orvane Softwares.</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Значок программы</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>Нажмите здесь, чтобы перейти на %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Download Orvane Softwares</source>
        <translation>Скачать Orvane Softwares</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvane Softwares. From a single software, we have now grown to become the world’s largest resource of orvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.%1All the programs in the Orvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Если вам понравилась эта программа, вас наверняка заинтересуют и другие Orvane Softwares. Начав с одной программы, мы выросли в крупнейшее в мире собрание orvane softwares. Астрология, экстрасенсорика, таро, нумерология или оккультизм — у нас есть программы во всех областях, и каждый пользователь найдёт что-то по своим интересам.%1Все программы Orvane Softwares просты и удобны. Они не только увлекательны, но и очень познавательны. Попробуйте их уже сегодня и поделитесь впечатлениями с друзьями и близкими. </translation>
    </message>
    <message>
        <source>Click Here To Visit Orvane Softwares</source>
        <translation>Перейти на сайт Orvane Softwares</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Укажите свои данные:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Отчество</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Фамилия</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>Дата рождения</translation>
    </message>
    <message>
        <source>Birth Month</source>
        <translation>Месяц рождения</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>День рождения</translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation>Год рождения</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Далее</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
</context>
<context>
    <name>ui::frmPersonalMonth</name>
    <message>
        <source>Your Varodara Zevaz Adavuv</source>
        <translation>Ваше число Varodara Zevaz Adavuv</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
</context>
</TS>
