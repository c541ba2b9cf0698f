<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [OPTION]</source>
        <extracomment>OPTION stays as it is.</extracomment>
        <translation>Penggunaan: %1 [OPTION]</translation>
    </message>
    <message>
        <source>Works out your Varodara Zevaz Adavuv from your birth date and shows its reading.</source>
        <translation>Menghitung Varodara Zevaz Adavuv Anda dari tanggal lahir dan menampilkan ramalannya.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two in a list of options: &quot;--number, --month, --explain or --json&quot;.</extracomment>
        <translation>%1 atau %2</translation>
    </message>
    <message>
        <source>A refused date, month or option is named on standard error, with exit status 2.</source>
        <translation>Tanggal, bulan, atau opsi yang ditolak disebutkan di keluaran galat standar,
dengan status keluar 2.</translation>
    </message>
    <message>
        <source>With %1, an argument that is none of the options
above is refused too; without them, other arguments are ignored (a desktop launcher
may pass a field code).</source>
        <extracomment>%1: the names of the calculation&apos;s options. Lines of at most about 85 characters.</extracomment>
        <translation>Dengan %1, argumen yang bukan salah satu opsi
di atas juga ditolak; tanpa opsi-opsi itu, argumen lain diabaikan (peluncur desktop
mungkin meneruskan kode bidang).</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opsi tidak dikenal %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumen tidak terduga %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 diberikan dua kali</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two in a list of options: &quot;--month, --explain and --json&quot;.</extracomment>
        <translation>%1 dan %2</translation>
    </message>
    <message>
        <source>%1 go with %2</source>
        <extracomment>%1: the names of options, %2: the option they need, as in &quot;--number BIRTH&quot;.</extracomment>
        <translation>%1 hanya dapat dipakai bersama %2</translation>
    </message>
    <message>
        <source>the birth date %1 is not a date of the form YYYY-MM-DD</source>
        <translation>tanggal lahir %1 bukan tanggal dengan format YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the birth year %1 is not one of the window&apos;s years, %2 to %3</source>
        <translation>tahun lahir %1 bukan salah satu tahun di jendela, %2 sampai %3</translation>
    </message>
    <message>
        <source>the month %1 is not a month of the form YYYY-MM</source>
        <translation>bulan %1 bukan bulan dengan format YYYY-MM</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins two names in a list of options: &quot;--number, --month&quot;; the last two are joined as &quot;%1 or %2&quot; or &quot;%1 and %2&quot; say.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>tampilkan bantuan ini lalu keluar</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>tampilkan versi lalu keluar</translation>
    </message>
    <message>
        <source>%1 needs a birth date, YYYY-MM-DD</source>
        <translation>%1 memerlukan tanggal lahir, YYYY-MM-DD</translation>
    </message>
    <message>
        <source>print the number and the reading that the window shows for the
birth date BIRTH (YYYY-MM-DD, a year from 1900 to 2050), this month</source>
        <extracomment>Lines of at most about 64 characters; BIRTH and YYYY-MM-DD stay as they are.</extracomment>
        <translation>cetak angka dan ramalan yang ditampilkan jendela untuk tanggal
lahir BIRTH (YYYY-MM-DD, tahun 1900 sampai 2050), bulan ini</translation>
    </message>
    <message>
        <source>%1 needs a month, YYYY-MM</source>
        <translation>%1 memerlukan bulan, YYYY-MM</translation>
    </message>
    <message>
        <source>for that month instead of this one</source>
        <translation>untuk bulan tersebut, bukan bulan ini</translation>
    </message>
    <message>
        <source>show, after the reading, how the number is worked out</source>
        <translation>setelah ramalan, tampilkan cara angka itu dihitung</translation>
    </message>
    <message>
        <source>print one JSON object instead, with the fields birth, month,
number, reading, text and steps; each step has step, input,
digitSum, stages and output (birthMonth: step, input, output;
total: terms too)</source>
        <extracomment>Lines of at most about 64 characters; the field names stay as they are.</extracomment>
        <translation>sebagai gantinya, cetak satu objek JSON dengan bidang birth,
month, number, reading, text, dan steps; tiap langkah memuat
step, input, digitSum, stages, dan output (birthMonth: step,
input, output; total: juga terms)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <extracomment>Joins two steps of a sum: &quot;2 + 0 + 2 + 6 = 10, then 1 + 0 = 1&quot;.</extracomment>
        <translation>%1, lalu %2</translation>
    </message>
    <message>
        <source>How the number is worked out:</source>
        <translation>Cara angka ini dihitung:</translation>
    </message>
    <message>
        <source>the birth day %1: %2</source>
        <translation>tanggal lahir %1: %2</translation>
    </message>
    <message>
        <source>the birth month %1: %2</source>
        <translation>bulan lahir %1: %2</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3, %4</source>
        <extracomment>%1: the month&apos;s name, %2: its year, %3: its number in the year, %4: how that is reduced.</extracomment>
        <translation>bulan %1 %2: %1 adalah bulan ke-%3, %4</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3</source>
        <translation>bulan %1 %2: %1 adalah bulan ke-%3</translation>
    </message>
    <message>
        <source>the year %1: %2</source>
        <translation>tahun %1: %2</translation>
    </message>
    <message>
        <source>the total: %1</source>
        <translation>jumlah: %1</translation>
    </message>
    <message>
        <source>The birth year and the names do not enter the number.</source>
        <translation>Tahun lahir dan nama tidak ikut dihitung dalam angka ini.</translation>
    </message>
    <message>
        <source>no display found (set DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>layar tidak ditemukan (atur DISPLAY atau WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>Without an option the program opens its window;
it needs a graphical display (X11 or Wayland).</source>
        <translation>Tanpa opsi, program membuka jendelanya;
untuk itu diperlukan layar grafis (X11 atau Wayland).</translation>
    </message>
    <message>
        <source>Without an option the program opens its window.</source>
        <translation>Tanpa opsi, program membuka jendelanya.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Silakan masukkan nama depan Anda.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Silakan masukkan nama belakang Anda.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Silakan pilih tanggal lahir Anda.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Silakan pilih bulan lahir Anda.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Silakan pilih tahun lahir Anda.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Silakan masukkan tanggal atau bulan yang valid!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Silakan masukkan tanggal atau bulan yang valid!</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Silakan masukkan dua alamat email yang berbeda.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Silakan masukkan alamat email yang valid.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Silakan masukkan nama Anda.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Silakan masukkan alamat email Anda.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Silakan masukkan pesan Anda.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Silakan masukkan nama teman Anda.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Silakan masukkan alamat email teman Anda.</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>Program ini sudah berjalan.</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Mungkin ada pembaruan untuk program ini.<byte value="xd"/>Apakah Anda ingin memeriksa pembaruan sekarang?</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Alamat email tidak boleh mengandung spasi.</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>Januari</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februari</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Maret</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mei</translation>
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
        <translation>Agustus</translation>
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
        <translation>Desember</translation>
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
        <translation>&amp;Batalkan</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ulangi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Potong</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Tempel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih Semua</translation>
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
        <translation>&amp;Ya</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Tidak</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Batalkan</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ulangi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Potong</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Tempel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih Semua</translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>This is a time for new beginnings. Explore creative ideas. Maintain your individuality. The projects and assignments started during this time are the seeds being planted for later growth. You need to be aware of what you are planting.</source>
        <translation>Inilah saatnya untuk awal yang baru. Jelajahi ide-ide kreatif. Pertahankan jati diri Anda. Proyek dan tugas yang Anda mulai saat ini adalah benih yang ditanam untuk pertumbuhan di kemudian hari. Sadarilah apa yang sedang Anda tanam.</translation>
    </message>
    <message>
        <source>You will make new friends. You will achieve some most awaited success. Take care about small things in life. Conflicts may arise, and if you do, attempt to ease them by cooperating with those involved. You will have peace and harmony.</source>
        <translation>Anda akan mendapat teman-teman baru dan meraih keberhasilan yang sudah lama dinantikan. Perhatikan hal-hal kecil dalam hidup. Konflik mungkin muncul; jika demikian, cobalah meredakannya dengan bekerja sama dengan pihak-pihak yang terlibat. Kedamaian dan keharmonisan akan menyertai Anda.</translation>
    </message>
    <message>
        <source>This is the month of creativity. Maintain optimism and free your mind. You can start anything new this month. Explore the artistic side of yourself. Invitations, friends and social activities are in the air.</source>
        <translation>Ini adalah bulan kreativitas. Tetaplah optimis dan bebaskan pikiran Anda. Bulan ini Anda dapat memulai apa saja yang baru. Jelajahi sisi artistik diri Anda. Undangan, teman, dan kegiatan sosial sudah menanti.</translation>
    </message>
    <message>
        <source>Pay attention to legal, property and financial matters. Organize your work and stick to it. Be cautious, patient and methodical in everything that you do. So planning is very important this month.</source>
        <translation>Perhatikan urusan hukum, properti, dan keuangan. Atur pekerjaan Anda dan jalankan dengan konsisten. Bersikaplah hati-hati, sabar, dan teratur dalam segala hal yang Anda lakukan. Karena itu, perencanaan sangat penting bulan ini.</translation>
    </message>
    <message>
        <source>Leave behind old problems and look at life with a fresh mind. You can look at old things in new ways. Work hard on present tasks. You can promote your ideas, business. It&apos;s even more important time for learning. Don&apos;t take up too many tasks.</source>
        <translation>Tinggalkan masalah lama dan pandanglah hidup dengan pikiran yang segar. Anda dapat melihat hal-hal lama dengan cara baru. Tekunilah tugas-tugas Anda saat ini. Anda dapat mempromosikan ide dan usaha Anda. Terlebih lagi, ini waktu yang sangat penting untuk belajar. Jangan mengambil terlalu banyak tugas.</translation>
    </message>
    <message>
        <source>This Month calls for the spirit of willingness.  It&apos;s a good time to think about your own home. Give ample love to your family. Take care about your &apos;s and family&apos;s health issues.</source>
        <translation>Bulan ini menuntut semangat kerelaan. Inilah saat yang baik untuk memikirkan rumah Anda sendiri. Limpahkan kasih sayang kepada keluarga Anda. Jagalah kesehatan Anda dan keluarga.</translation>
    </message>
    <message>
        <source>Listen to your heart, the inner soul. Look over your plans and ideas, and examine at them closely, yet non-critically. People may misunderstand, but you need to maintain peace to sort it out with them.</source>
        <translation>Dengarkan hati Anda, suara jiwa Anda yang terdalam. Tinjau kembali rencana dan ide Anda, lalu periksa dengan saksama, tetapi tanpa sikap menghakimi. Orang lain mungkin salah paham, tetapi Anda perlu menjaga kedamaian agar dapat menyelesaikannya bersama mereka.</translation>
    </message>
    <message>
        <source>Efforts are required to reach the heights of success. Maintain calm and work on it. Since 8 is the number of material power, sometimes our efforts have to be repeated a number of times if you are to gain the success.</source>
        <translation>Dibutuhkan usaha untuk mencapai puncak keberhasilan. Tetaplah tenang dan terus berusaha. Karena 8 adalah angka kekuatan materi, terkadang usaha Anda harus diulang beberapa kali agar keberhasilan dapat diraih.</translation>
    </message>
    <message>
        <source>Don&apos;t try to stop anything, which is out of your reach, just like a storm that&apos;s unstoppable. Work on social activities if you can. This is a good time to have a broad outlook as possible on things, to put personal goals, achievements or needs to one side as much as you can.</source>
        <translation>Jangan mencoba menghentikan sesuatu yang berada di luar jangkauan Anda, seperti badai yang tak terbendung. Jika bisa, sibukkan diri dengan kegiatan sosial. Inilah saat yang baik untuk memandang segala sesuatu seluas mungkin dan sebisa mungkin mengesampingkan tujuan, pencapaian, atau kebutuhan pribadi.</translation>
    </message>
    <message>
        <source>Your Varodara Zevaz Adavuv is: </source>
        <translation>Varodara Zevaz Adavuv Anda adalah: </translation>
    </message>
    <message>
        <source>The Varodara Zevaz Adavuv describes what your lessons are during the course of the month, the trends and particular influences that are affecting you personally.</source>
        <translation>Varodara Zevaz Adavuv menggambarkan pelajaran yang Anda hadapi sepanjang bulan ini, serta kecenderungan dan pengaruh khusus yang memengaruhi Anda secara pribadi.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Nama Anda</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Alamat Email Anda</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Pesan Anda</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nama Teman Anda</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Alamat Email Teman Anda</translation>
    </message>
</context>
<context>
    <name>ui::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Berkas</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Lanjut</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ban&amp;tuan</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Bantuan &amp;Online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Kunjungi Situs Kami</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Periksa Pembaruan</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Tentang Program</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donasi</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Hasilkan &amp;Uang Online</translation>
    </message>
</context>
<context>
    <name>ui::Promotions</name>
    <message>
        <source>Share your readings in our free online forum. Visit us at %1</source>
        <translation>Bagikan ramalan Anda di forum online gratis kami. Kunjungi %1</translation>
    </message>
    <message>
        <source>Forum</source>
        <translation>Forum</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Penawaran</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.Click Here for more info on co-branding.</source>
        <translation>Beri program ini merek situs Anda. Tingkatkan loyalitas dan kunjungan ke situs Anda. Nama dan tautan situs Anda tampil di sini. Detail di “Bantuan”. Klik untuk info co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Peluang bisnis rumahan. Mulailah bisnis Internet Anda sendiri dan hasilkan uang online. Dapatkan program ini sepenuhnya dengan merek situs Anda. Klik di sini untuk detailnya.</translation>
    </message>
</context>
<context>
    <name>ui::ReferAFriendBox</name>
    <message>
        <source>Refer A Friend</source>
        <translation>Ajak Teman</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Ajak Teman &amp;Sekarang</translation>
    </message>
    <message>
        <source>Refer A Friend Now</source>
        <translation>Ajak Teman Sekarang</translation>
    </message>
</context>
<context>
    <name>ui::frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation>Ikon program</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Garis pemisah</translation>
    </message>
    <message>
        <source>OV Varodara Zevaz Adavuv Software gives you an idea about the trends and influences of a month of your life. There are 9 personal months. This number is calculated by adding your Birth Day, Birth Month, Current Month and Current Year. So this software helps you in getting the current and past month&apos;s forecast.</source>
        <extracomment>The box holds about 60 characters a line, on six lines, the rights notice included.</extracomment>
        <translation>OV Varodara Zevaz Adavuv memberi Anda gambaran tentang kecenderungan dan pengaruh dalam satu bulan hidup Anda. Ada 9 bulan pribadi. Angka ini adalah jumlah tanggal lahir, bulan lahir, bulan ini, dan tahun ini. Dengan begitu, Anda mendapat ramalan untuk bulan ini dan bulan lalu.</translation>
    </message>
    <message>
        <source>© Orvane Softwares, %1. All rights reserved.</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>© Orvane Softwares, %1. Hak cipta dilindungi undang-undang.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Peluang bisnis rumahan. Mulailah bisnis Internet Anda sendiri dan hasilkan uang online. Dapatkan program ini sepenuhnya dengan merek situs Anda.</translation>
    </message>
    <message>
        <source> Click here for more details.</source>
        <translation> Klik di sini untuk detailnya.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the maker&apos;s main site.</extracomment>
        <translation>Kunjungi %1</translation>
    </message>
</context>
<context>
    <name>ui::frmExitScreen</name>
    <message>
        <source>Orvane Softwares, such as this can be created and maintained only with your support. The best way to support our forum is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Each line: %1 is the maker&apos;s main site. The box holds about 75 characters a line, on four lines.</extracomment>
        <translation>Program Orvane Softwares seperti ini hanya dapat dibuat dan dikelola berkat dukungan Anda. Cara terbaik mendukung forum kami: kunjungi %1 secara rutin dan ikuti diskusi serta kegiatan lain di sana.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support us by taking part in the discussions and other activities there. We cannot support and maintain these programs without you regularly visiting our site.</source>
        <translation>Kunjungi %1 secara rutin. Dukung kami dengan ikut serta dalam diskusi dan kegiatan lain di sana. Tanpa kunjungan rutin Anda ke situs kami, kami tidak dapat mendukung dan memelihara program-program ini.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on all esoteric subjects. To help us develop and maintain this software, please visit it regularly.</source>
        <translation>%1 adalah forum diskusi online gratis tentang segala topik esoteris. Untuk membantu kami mengembangkan dan memelihara program ini, kunjungilah forum tersebut secara rutin.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit it regularly and take part in the various discussions and activities, to help us maintain and develop more Orvane Softwares.</source>
        <translation>%1 membutuhkan bantuan Anda. Cukup kunjungi secara rutin dan ikuti berbagai diskusi dan kegiatan di sana untuk membantu kami memelihara dan mengembangkan lebih banyak program Orvane Softwares.</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Ikon program</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>Kunjungi %1 sekarang</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>Download Orvane Softwares</source>
        <translation>Unduh Orvane Softwares</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvane Softwares. From a single software, we have now grown to become the world’s largest resource of orvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.%1All the programs in the Orvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Jika Anda menyukai program ini, Anda pasti juga tertarik dengan program Orvane Softwares kami yang lain. Berawal dari satu program, kini kami telah berkembang menjadi sumber orvane softwares terbesar di dunia. Astrologi, paranormal, tarot, numerologi, maupun okultisme: kami punya program untuk semua bidang, sehingga pengguna dapat memilih dengan leluasa sesuai minat mereka.%1Semua program dalam rangkaian Orvane Softwares sederhana dan mudah digunakan. Program-program ini tidak hanya menyenangkan, tetapi juga sangat informatif. Cobalah hari ini dan bagikan pengalaman Anda kepada teman dan keluarga. </translation>
    </message>
    <message>
        <source>Click Here To Visit Orvane Softwares</source>
        <translation>Kunjungi Orvane Softwares</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Silakan isi data di bawah ini:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nama Depan</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Nama Tengah</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Nama Belakang</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>Tanggal, Bulan, dan Tahun Lahir</translation>
    </message>
    <message>
        <source>Birth Month</source>
        <translation>Bulan Lahir</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>Tanggal Lahir</translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation>Tahun Lahir</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Lanjut</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Keluar</translation>
    </message>
</context>
<context>
    <name>ui::frmPersonalMonth</name>
    <message>
        <source>Your Varodara Zevaz Adavuv</source>
        <translation>Varodara Zevaz Adavuv Anda</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Kembali</translation>
    </message>
</context>
</TS>
