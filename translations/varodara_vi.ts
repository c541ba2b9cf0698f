<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [OPTION]</source>
        <extracomment>OPTION stays as it is.</extracomment>
        <translation>Cách dùng: %1 [OPTION]</translation>
    </message>
    <message>
        <source>Works out your Varodara Zevaz Adavuv from your birth date and shows its reading.</source>
        <translation>Tính Varodara Zevaz Adavuv của bạn từ ngày sinh và cho biết ý nghĩa của nó.</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The last two in a list of options: &quot;--number, --month, --explain or --json&quot;.</extracomment>
        <translation>%1 hoặc %2</translation>
    </message>
    <message>
        <source>A refused date, month or option is named on standard error, with exit status 2.</source>
        <translation>Ngày, tháng hoặc tùy chọn bị từ chối được nêu trên đầu ra lỗi chuẩn,
với mã thoát 2.</translation>
    </message>
    <message>
        <source>With %1, an argument that is none of the options
above is refused too; without them, other arguments are ignored (a desktop launcher
may pass a field code).</source>
        <extracomment>%1: the names of the calculation&apos;s options. Lines of at most about 85 characters.</extracomment>
        <translation>Khi có %1, đối số nào không thuộc các tùy chọn
trên cũng bị từ chối; khi không có chúng, các đối số khác bị bỏ qua (trình khởi chạy
trên màn hình nền có thể truyền vào một mã trường).</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>tùy chọn không xác định %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>đối số không mong đợi %1</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 được chỉ định hai lần</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two in a list of options: &quot;--month, --explain and --json&quot;.</extracomment>
        <translation>%1 và %2</translation>
    </message>
    <message>
        <source>%1 go with %2</source>
        <extracomment>%1: the names of options, %2: the option they need, as in &quot;--number BIRTH&quot;.</extracomment>
        <translation>%1 chỉ dùng được cùng với %2</translation>
    </message>
    <message>
        <source>the birth date %1 is not a date of the form YYYY-MM-DD</source>
        <translation>ngày sinh %1 không phải là ngày có dạng YYYY-MM-DD</translation>
    </message>
    <message>
        <source>the birth year %1 is not one of the window&apos;s years, %2 to %3</source>
        <translation>năm sinh %1 không nằm trong các năm của cửa sổ, từ %2 đến %3</translation>
    </message>
    <message>
        <source>the month %1 is not a month of the form YYYY-MM</source>
        <translation>tháng %1 không phải là tháng có dạng YYYY-MM</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins two names in a list of options: &quot;--number, --month&quot;; the last two are joined as &quot;%1 or %2&quot; or &quot;%1 and %2&quot; say.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>hiển thị trợ giúp này rồi thoát</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>hiển thị phiên bản rồi thoát</translation>
    </message>
    <message>
        <source>%1 needs a birth date, YYYY-MM-DD</source>
        <translation>%1 cần một ngày sinh, YYYY-MM-DD</translation>
    </message>
    <message>
        <source>print the number and the reading that the window shows for the
birth date BIRTH (YYYY-MM-DD, a year from 1900 to 2050), this month</source>
        <extracomment>Lines of at most about 64 characters; BIRTH and YYYY-MM-DD stay as they are.</extracomment>
        <translation>in ra con số và ý nghĩa mà cửa sổ hiển thị cho ngày sinh BIRTH
(YYYY-MM-DD, năm từ 1900 đến 2050), trong tháng này</translation>
    </message>
    <message>
        <source>%1 needs a month, YYYY-MM</source>
        <translation>%1 cần một tháng, YYYY-MM</translation>
    </message>
    <message>
        <source>for that month instead of this one</source>
        <translation>cho tháng đó thay vì tháng này</translation>
    </message>
    <message>
        <source>show, after the reading, how the number is worked out</source>
        <translation>sau phần ý nghĩa, cho biết con số được tính ra thế nào</translation>
    </message>
    <message>
        <source>print one JSON object instead, with the fields birth, month,
number, reading, text and steps; each step has step, input,
digitSum, stages and output (birthMonth: step, input, output;
total: terms too)</source>
        <extracomment>Lines of at most about 64 characters; the field names stay as they are.</extracomment>
        <translation>thay vào đó, in ra một đối tượng JSON với các trường birth,
month, number, reading, text và steps; mỗi bước có step, input,
digitSum, stages và output (birthMonth: step, input, output;
total: có thêm terms)</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <extracomment>Joins two steps of a sum: &quot;2 + 0 + 2 + 6 = 10, then 1 + 0 = 1&quot;.</extracomment>
        <translation>%1, rồi %2</translation>
    </message>
    <message>
        <source>How the number is worked out:</source>
        <translation>Cách tính con số:</translation>
    </message>
    <message>
        <source>the birth day %1: %2</source>
        <translation>ngày sinh %1: %2</translation>
    </message>
    <message>
        <source>the birth month %1: %2</source>
        <translation>tháng sinh (%1): %2</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3, %4</source>
        <extracomment>%1: the month&apos;s name, %2: its year, %3: its number in the year, %4: how that is reduced.</extracomment>
        <translation>%1 năm %2: tháng thứ %3, %4</translation>
    </message>
    <message>
        <source>the month %1 %2: %1 is %3</source>
        <translation>%1 năm %2: tháng thứ %3</translation>
    </message>
    <message>
        <source>the year %1: %2</source>
        <translation>năm %1: %2</translation>
    </message>
    <message>
        <source>the total: %1</source>
        <translation>tổng: %1</translation>
    </message>
    <message>
        <source>The birth year and the names do not enter the number.</source>
        <translation>Năm sinh và họ tên không được tính vào con số.</translation>
    </message>
    <message>
        <source>no display found (set DISPLAY or WAYLAND_DISPLAY)</source>
        <translation>không tìm thấy màn hình hiển thị (hãy đặt DISPLAY hoặc WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>Without an option the program opens its window;
it needs a graphical display (X11 or Wayland).</source>
        <translation>Nếu không có tùy chọn nào, chương trình sẽ mở cửa sổ;
khi đó cần có màn hình đồ họa (X11 hoặc Wayland).</translation>
    </message>
    <message>
        <source>Without an option the program opens its window.</source>
        <translation>Nếu không có tùy chọn nào, chương trình sẽ mở cửa sổ.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Please Enter Your First Name</source>
        <translation>Vui lòng nhập tên của bạn.</translation>
    </message>
    <message>
        <source>Please Enter Your Last Name</source>
        <translation>Vui lòng nhập họ của bạn.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Date</source>
        <translation>Vui lòng chọn ngày sinh của bạn.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Month</source>
        <translation>Vui lòng chọn tháng sinh của bạn.</translation>
    </message>
    <message>
        <source>Please Specify Your Birth Year</source>
        <translation>Vui lòng chọn năm sinh của bạn.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Vui lòng nhập ngày hoặc tháng hợp lệ!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Vui lòng nhập ngày hoặc tháng hợp lệ!</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Vui lòng nhập hai địa chỉ email khác nhau.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Vui lòng nhập địa chỉ email hợp lệ.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Vui lòng nhập họ tên của bạn.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Vui lòng nhập địa chỉ email của bạn.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Vui lòng nhập lời nhắn của bạn.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Vui lòng nhập tên người bạn muốn giới thiệu.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Vui lòng nhập địa chỉ email của người bạn muốn giới thiệu.</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>Chương trình này hiện đang chạy.</translation>
    </message>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Có thể đã có bản cập nhật cho phần mềm này.<byte value="xd"/>Bạn có muốn kiểm tra bản cập nhật không?</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Địa chỉ email không được chứa dấu cách.</translation>
    </message>
</context>
<context>
    <name>Months</name>
    <message>
        <source>January</source>
        <translation>Tháng 1</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Tháng 2</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Tháng 3</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Tháng 4</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Tháng 5</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Tháng 6</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Tháng 7</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Tháng 8</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Tháng 9</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Tháng 10</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Tháng 11</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Tháng 12</translation>
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
        <translation>&amp;Hoàn tác</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Làm lại</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cắ&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Sao chép</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Dán</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Chọn tất cả</translation>
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
        <translation>&amp;Có</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Không</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Hoàn tác</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Làm lại</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cắ&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Sao chép</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Dán</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Chọn tất cả</translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>This is a time for new beginnings. Explore creative ideas. Maintain your individuality. The projects and assignments started during this time are the seeds being planted for later growth. You need to be aware of what you are planting.</source>
        <translation>Đây là thời điểm của những khởi đầu mới. Hãy khám phá những ý tưởng sáng tạo và giữ vững cá tính của mình. Các dự án và công việc bắt đầu trong thời gian này là những hạt giống được gieo cho sự phát triển sau này. Bạn cần ý thức được mình đang gieo gì.</translation>
    </message>
    <message>
        <source>You will make new friends. You will achieve some most awaited success. Take care about small things in life. Conflicts may arise, and if you do, attempt to ease them by cooperating with those involved. You will have peace and harmony.</source>
        <translation>Bạn sẽ có thêm những người bạn mới và đạt được thành công mà mình mong đợi bấy lâu. Hãy quan tâm đến những điều nhỏ nhặt trong cuộc sống. Mâu thuẫn có thể nảy sinh; khi đó, hãy cố gắng hóa giải bằng cách hợp tác với những người liên quan. Bạn sẽ có được sự bình yên và hòa hợp.</translation>
    </message>
    <message>
        <source>This is the month of creativity. Maintain optimism and free your mind. You can start anything new this month. Explore the artistic side of yourself. Invitations, friends and social activities are in the air.</source>
        <translation>Đây là tháng của sự sáng tạo. Hãy giữ tinh thần lạc quan và để tâm trí được tự do. Tháng này bạn có thể bắt đầu bất cứ điều gì mới. Hãy khám phá khía cạnh nghệ sĩ trong con người bạn. Những lời mời, bạn bè và các hoạt động xã hội đang chờ đón bạn.</translation>
    </message>
    <message>
        <source>Pay attention to legal, property and financial matters. Organize your work and stick to it. Be cautious, patient and methodical in everything that you do. So planning is very important this month.</source>
        <translation>Hãy chú ý đến các vấn đề pháp lý, tài sản và tài chính. Sắp xếp công việc và kiên trì thực hiện. Hãy thận trọng, kiên nhẫn và có phương pháp trong mọi việc bạn làm. Vì vậy, lập kế hoạch là điều rất quan trọng trong tháng này.</translation>
    </message>
    <message>
        <source>Leave behind old problems and look at life with a fresh mind. You can look at old things in new ways. Work hard on present tasks. You can promote your ideas, business. It&apos;s even more important time for learning. Don&apos;t take up too many tasks.</source>
        <translation>Hãy bỏ lại những vấn đề cũ và nhìn cuộc sống bằng một tâm thế mới. Bạn có thể nhìn những điều quen thuộc theo cách mới. Hãy chăm chỉ với những việc hiện tại. Bạn có thể quảng bá ý tưởng và công việc kinh doanh của mình. Đây còn là thời điểm đặc biệt quan trọng để học hỏi. Đừng ôm đồm quá nhiều việc.</translation>
    </message>
    <message>
        <source>This Month calls for the spirit of willingness.  It&apos;s a good time to think about your own home. Give ample love to your family. Take care about your &apos;s and family&apos;s health issues.</source>
        <translation>Tháng này đòi hỏi ở bạn tinh thần sẵn sàng và thiện chí. Đây là thời điểm tốt để nghĩ về tổ ấm của chính bạn. Hãy dành thật nhiều yêu thương cho gia đình. Hãy quan tâm đến sức khỏe của bản thân và gia đình.</translation>
    </message>
    <message>
        <source>Listen to your heart, the inner soul. Look over your plans and ideas, and examine at them closely, yet non-critically. People may misunderstand, but you need to maintain peace to sort it out with them.</source>
        <translation>Hãy lắng nghe trái tim, tiếng nói của tâm hồn bên trong bạn. Hãy xem lại các kế hoạch và ý tưởng của mình, xem xét thật kỹ nhưng không khắt khe. Mọi người có thể hiểu lầm, nhưng bạn cần giữ hòa khí để cùng họ giải quyết.</translation>
    </message>
    <message>
        <source>Efforts are required to reach the heights of success. Maintain calm and work on it. Since 8 is the number of material power, sometimes our efforts have to be repeated a number of times if you are to gain the success.</source>
        <translation>Cần nỗ lực để vươn tới đỉnh cao của thành công. Hãy giữ bình tĩnh và kiên trì theo đuổi. Vì 8 là con số của sức mạnh vật chất, đôi khi bạn phải nỗ lực nhiều lần mới đạt được thành công.</translation>
    </message>
    <message>
        <source>Don&apos;t try to stop anything, which is out of your reach, just like a storm that&apos;s unstoppable. Work on social activities if you can. This is a good time to have a broad outlook as possible on things, to put personal goals, achievements or needs to one side as much as you can.</source>
        <translation>Đừng cố ngăn cản những gì nằm ngoài tầm tay bạn, cũng như không ai ngăn được một cơn bão. Nếu có thể, hãy tham gia các hoạt động xã hội. Đây là thời điểm tốt để nhìn nhận mọi việc một cách rộng mở nhất có thể, và tạm gác lại các mục tiêu, thành tựu hay nhu cầu cá nhân hết mức có thể.</translation>
    </message>
    <message>
        <source>Your Varodara Zevaz Adavuv is: </source>
        <translation>Varodara Zevaz Adavuv của bạn là: </translation>
    </message>
    <message>
        <source>The Varodara Zevaz Adavuv describes what your lessons are during the course of the month, the trends and particular influences that are affecting you personally.</source>
        <translation>Varodara Zevaz Adavuv cho biết những bài học của bạn trong suốt tháng, cùng các xu hướng và những ảnh hưởng riêng đang tác động đến cá nhân bạn.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Your Name</source>
        <translation>Họ tên của bạn</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Địa chỉ email của bạn</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Lời nhắn của bạn</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Tên người bạn</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Địa chỉ email người bạn</translation>
    </message>
</context>
<context>
    <name>ui::MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tệp</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Tiế&amp;p theo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Th&amp;oát</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Trợ &amp;giúp</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Trợ giúp &amp;trực tuyến</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Thăm trang &amp;web của chúng tôi</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Kiểm tra bản cập nhật</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Giới thiệu phần mềm</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Ủng &amp;hộ</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Kiếm tiền trực tuyến</translation>
    </message>
</context>
<context>
    <name>ui::Promotions</name>
    <message>
        <source>Share your readings in our free online forum. Visit us at %1</source>
        <translation>Chia sẻ kết quả của bạn trên diễn đàn miễn phí của chúng tôi tại %1</translation>
    </message>
    <message>
        <source>Forum</source>
        <translation>Diễn đàn</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Ưu đãi</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.Click Here for more info on co-branding.</source>
        <translation>Gắn thương hiệu của bạn lên phần mềm này. Tăng lượt truy cập và độ gắn bó với trang. Đặt tên và liên kết trang tại đây. Chi tiết ở “Trợ giúp”. Nhấn để tìm hiểu về đồng thương hiệu.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Cơ hội kinh doanh tại nhà. Hãy tự kinh doanh trên Internet và kiếm tiền trực tuyến. Sở hữu phần mềm này mang trọn thương hiệu trang web của bạn. Nhấn vào đây để biết thêm chi tiết.</translation>
    </message>
</context>
<context>
    <name>ui::ReferAFriendBox</name>
    <message>
        <source>Refer A Friend</source>
        <translation>Giới thiệu cho bạn bè</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Giới thiệu cho bạn bè &amp;ngay</translation>
    </message>
    <message>
        <source>Refer A Friend Now</source>
        <translation>Giới thiệu cho bạn bè ngay</translation>
    </message>
</context>
<context>
    <name>ui::frmAbout</name>
    <message>
        <source>Program icon</source>
        <translation>Biểu tượng chương trình</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Đường phân cách</translation>
    </message>
    <message>
        <source>OV Varodara Zevaz Adavuv Software gives you an idea about the trends and influences of a month of your life. There are 9 personal months. This number is calculated by adding your Birth Day, Birth Month, Current Month and Current Year. So this software helps you in getting the current and past month&apos;s forecast.</source>
        <extracomment>The box holds about 60 characters a line, on six lines, the rights notice included.</extracomment>
        <translation>OV Varodara Zevaz Adavuv cho bạn biết về các xu hướng và ảnh hưởng trong một tháng của cuộc đời bạn. Có 9 tháng cá nhân. Con số này được tính bằng cách cộng ngày sinh, tháng sinh, tháng hiện tại và năm hiện tại. Nhờ đó, phần mềm giúp bạn xem dự báo cho tháng này và tháng trước.</translation>
    </message>
    <message>
        <source>© Orvane Softwares, %1. All rights reserved.</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>© Orvane Softwares, %1. Bảo lưu mọi quyền.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Cơ hội kinh doanh tại nhà. Hãy tự kinh doanh trên Internet và kiếm tiền trực tuyến. Sở hữu phần mềm này mang trọn thương hiệu trang web của bạn.</translation>
    </message>
    <message>
        <source> Click here for more details.</source>
        <translation> Nhấn để xem chi tiết.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the address of the maker&apos;s main site.</extracomment>
        <translation>Truy cập %1</translation>
    </message>
</context>
<context>
    <name>ui::frmExitScreen</name>
    <message>
        <source>Orvane Softwares, such as this can be created and maintained only with your support. The best way to support our forum is to visit %1 regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Each line: %1 is the maker&apos;s main site. The box holds about 75 characters a line, on four lines.</extracomment>
        <translation>Những phần mềm Orvane Softwares như thế này chỉ có thể ra đời và duy trì nhờ sự ủng hộ của bạn. Cách tốt nhất để ủng hộ diễn đàn là thường xuyên truy cập %1 và tham gia thảo luận cùng các hoạt động khác tại đó.</translation>
    </message>
    <message>
        <source>Visit %1 regularly. Support us by taking part in the discussions and other activities there. We cannot support and maintain these programs without you regularly visiting our site.</source>
        <translation>Hãy thường xuyên truy cập %1 và ủng hộ chúng tôi bằng cách tham gia thảo luận cùng các hoạt động khác tại đó. Nếu không có những lần ghé thăm thường xuyên của bạn, chúng tôi không thể duy trì các chương trình này.</translation>
    </message>
    <message>
        <source>%1 is a free online discussion forum on all esoteric subjects. To help us develop and maintain this software, please visit it regularly.</source>
        <translation>%1 là diễn đàn thảo luận trực tuyến miễn phí về mọi chủ đề huyền bí. Để giúp chúng tôi phát triển và duy trì phần mềm này, hãy thường xuyên ghé thăm diễn đàn.</translation>
    </message>
    <message>
        <source>%1 needs your help. All you need to do is visit it regularly and take part in the various discussions and activities, to help us maintain and develop more Orvane Softwares.</source>
        <translation>%1 cần sự giúp đỡ của bạn. Bạn chỉ cần thường xuyên ghé thăm và tham gia các cuộc thảo luận, hoạt động tại đó để giúp chúng tôi duy trì và phát triển thêm nhiều phần mềm Orvane Softwares.</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Biểu tượng chương trình</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <extracomment>%1 is the maker&apos;s main site.</extracomment>
        <translation>Hãy truy cập %1 ngay</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Th&amp;oát</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>Download Orvane Softwares</source>
        <translation>Tải Orvane Softwares</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Orvane Softwares. From a single software, we have now grown to become the world’s largest resource of orvane softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.%1All the programs in the Orvane Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Nếu bạn thích phần mềm này, chắc chắn bạn cũng sẽ quan tâm đến các phần mềm Orvane Softwares khác của chúng tôi. Từ một phần mềm duy nhất, giờ đây chúng tôi đã trở thành kho orvane softwares lớn nhất thế giới. Dù là chiêm tinh, ngoại cảm, tarot, thần số học hay huyền học, chúng tôi đều có chương trình, mang đến cho người dùng nhiều lựa chọn theo sở thích.%1Tất cả chương trình trong bộ Orvane Softwares đều đơn giản và dễ sử dụng. Chúng không chỉ thú vị mà còn rất bổ ích. Hãy dùng thử ngay hôm nay và chia sẻ trải nghiệm với bạn bè và gia đình. </translation>
    </message>
    <message>
        <source>Click Here To Visit Orvane Softwares</source>
        <translation>Truy cập Orvane Softwares</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>Please Fill In The Below Details:</source>
        <translation>Vui lòng điền các thông tin dưới đây:</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Tên đệm</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Họ</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>Ngày tháng năm sinh</translation>
    </message>
    <message>
        <source>Birth Month</source>
        <translation>Tháng sinh</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>Ngày sinh</translation>
    </message>
    <message>
        <source>Birth Year</source>
        <translation>Năm sinh</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Tiế&amp;p theo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Th&amp;oát</translation>
    </message>
</context>
<context>
    <name>ui::frmPersonalMonth</name>
    <message>
        <source>Your Varodara Zevaz Adavuv</source>
        <translation>Varodara Zevaz Adavuv của bạn</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Quay lại</translation>
    </message>
</context>
</TS>
