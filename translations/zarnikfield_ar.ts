<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Activities</name>
    <message>
        <source>Across the Town</source>
        <translation>عبر المدينة</translation>
    </message>
    <message>
        <source>Drive the car along the roads from Start to Finish.</source>
        <translation>قُد السيارة في الطرق من البداية إلى النهاية.</translation>
    </message>
    <message>
        <source>Treasure Island</source>
        <translation>جزيرة الكنز</translation>
    </message>
    <message>
        <source>Follow the dashed path to the cross where the treasure lies.</source>
        <translation>اتبع الطريق المتقطع إلى العلامة حيث يوجد الكنز.</translation>
    </message>
    <message>
        <source>Grid Mat</source>
        <translation>بساط المربعات</translation>
    </message>
    <message>
        <source>A mat of 30 cm squares for first moves, turns and shapes.</source>
        <translation>بساط من مربعات طولها 30 سم للخطوات الأولى والدوران والأشكال.</translation>
    </message>
</context>
<context>
    <name>FileTypes</name>
    <message>
        <source>Project</source>
        <translation>مشروع</translation>
    </message>
    <message>
        <source>Go Program</source>
        <translation>برنامج GO</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of the language of this translation, written in that language.</extracomment>
        <translation>العربية</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>L&amp;anguage</source>
        <translation>الل&amp;غة</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>تح&amp;رير</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>تر&amp;اجع</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>إعا&amp;دة</translation>
    </message>
    <message>
        <source>&amp;Copy Working Area</source>
        <translation>&amp;نسخ منطقة العمل</translation>
    </message>
    <message>
        <source>Clear &amp;Memory (CM)</source>
        <translation>مسح الذاكر&amp;ة (CM)</translation>
    </message>
    <message>
        <source>Floor &amp;Zarnik</source>
        <translation>&amp;زارنيك الأرضي</translation>
    </message>
    <message>
        <source>(You will need a Zarnik Interface Lead for this)</source>
        <translation>(ستحتاج إلى سلك توصيل زارنيك لهذا)</translation>
    </message>
    <message>
        <source>&amp;Send GO Program</source>
        <translation>إ&amp;رسال برنامج GO</translation>
    </message>
    <message>
        <source>&amp;Get GO Program</source>
        <translation>جلب برنامج &amp;GO</translation>
    </message>
    <message>
        <source>&amp;Activity</source>
        <translation>نشا&amp;ط</translation>
    </message>
    <message>
        <source>&amp;Journeys</source>
        <translation>&amp;رحلات</translation>
    </message>
    <message>
        <source>&amp;Routes</source>
        <translation>مسارا&amp;ت</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>نافذ&amp;ة</translation>
    </message>
    <message>
        <source>&amp;Default Layout</source>
        <translation>&amp;الترتيب الافتراضي</translation>
    </message>
    <message>
        <source>&amp;Procedure</source>
        <translation>الإجراءا&amp;ت</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>تعليما&amp;ت</translation>
    </message>
    <message>
        <source>Zarnik&amp;field</source>
        <translation>Zarnik&amp;field</translation>
    </message>
    <message>
        <source>&amp;Zarnik</source>
        <translation>&amp;زارنيك</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>حو&amp;ل...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>N&amp;ew Go Program</source>
        <translation>برنامج &amp;GO جديد</translation>
    </message>
    <message>
        <source>Open &amp;Activity...</source>
        <translation>فتح نشا&amp;ط...</translation>
    </message>
    <message>
        <source>Open &amp;Project...</source>
        <translation>فتح مشرو&amp;ع...</translation>
    </message>
    <message>
        <source>Open &amp;Go Program...</source>
        <translation>فتح برنامج G&amp;O...</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>الملفا&amp;ت الأخيرة</translation>
    </message>
    <message>
        <source>Save P&amp;roject...</source>
        <translation>حفظ المشر&amp;وع...</translation>
    </message>
    <message>
        <source>&amp;Save Go Program</source>
        <translation>&amp;حفظ برنامج GO</translation>
    </message>
    <message>
        <source>Save G&amp;o Program...</source>
        <translation>حفظ برنا&amp;مج GO...</translation>
    </message>
    <message>
        <source>Save &amp;Working Area...</source>
        <translation>حفظ منطقة &amp;العمل...</translation>
    </message>
    <message>
        <source>Pri&amp;nt Go Program...</source>
        <translation>&amp;طباعة برنامج GO...</translation>
    </message>
    <message>
        <source>Prin&amp;t Working Area...</source>
        <translation>طباعة منطقة ال&amp;عمل...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خرو&amp;ج</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>خيا&amp;رات</translation>
    </message>
    <message>
        <source>&amp;Listing Size</source>
        <translation>حجم &amp;القائمة</translation>
    </message>
    <message>
        <source>&amp;Zarnik Speed</source>
        <translation>سرعة &amp;زارنيك</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>بطي&amp;ء</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>م&amp;توسط</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;سريع</translation>
    </message>
    <message>
        <source>&amp;Instant</source>
        <translation>فو&amp;ري</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>الصو&amp;ت</translation>
    </message>
    <message>
        <source>&amp;Tooltips</source>
        <translation>تلميحات الأ&amp;دوات</translation>
    </message>
    <message>
        <source>&amp;Com Port</source>
        <translation>منفذ &amp;COM</translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <translation>تباين عالٍ</translation>
    </message>
    <message>
        <source>&amp;Very Slow</source>
        <translation>بطيء جدًا</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Back to Main Toolbar</source>
        <translation>رجوع إلى الشريط الرئيسي</translation>
    </message>
    <message>
        <source>Warning: Unexpected keypress.</source>
        <translation>تنبيه: ضغطة زر غير متوقعة.</translation>
    </message>
    <message>
        <source>Press bracket key.</source>
        <translation>اضغط زر القوس.</translation>
    </message>
    <message>
        <source>Instruction not complete.</source>
        <translation>التعليمة غير مكتملة.</translation>
    </message>
    <message>
        <source>Zarnik memory full!</source>
        <translation>ذاكرة زارنيك ممتلئة!</translation>
    </message>
    <message>
        <source>This will erase a procedure with this number.</source>
        <translation>هذا سيمسح إجراءً له هذا الرقم.</translation>
    </message>
    <message>
        <source>Number not expected.</source>
        <translation>لا يُنتظر رقم هنا.</translation>
    </message>
    <message>
        <source>No more numbers allowed here.</source>
        <translation>لا يُسمح بأرقام أخرى هنا.</translation>
    </message>
    <message>
        <source>Bracket not expected.</source>
        <translation>لا يُنتظر قوس هنا.</translation>
    </message>
    <message>
        <source>Warning: Computer memory is low.</source>
        <translation>تنبيه: ذاكرة الحاسوب قليلة.</translation>
    </message>
    <message>
        <source>Too many repeats inside repeat commands: maximum is 5.</source>
        <translation>تكرارات كثيرة داخل أوامر التكرار: الحد الأقصى 5.</translation>
    </message>
    <message>
        <source>Please complete the instruction.</source>
        <translation>أكمل التعليمة من فضلك.</translation>
    </message>
    <message>
        <source>Internal error: the Go Program could not be released.</source>
        <translation>خطأ داخلي: تعذّر تحرير برنامج GO.</translation>
    </message>
    <message>
        <source>Zarnikfield - Enter Text</source>
        <translation>Zarnikfield - إدخال نص</translation>
    </message>
    <message>
        <source>Zarnikfield - Edit Text</source>
        <translation>Zarnikfield - تعديل النص</translation>
    </message>
    <message>
        <source>DRAG to Graphics Window</source>
        <translation>اسحب إلى نافذة الرسوم</translation>
    </message>
    <message>
        <source>CLICK on button to add to Go Program</source>
        <translation>انقر زرًا لإضافته إلى برنامج GO</translation>
    </message>
    <message>
        <source>Procedure Definition %d is incomplete.
Insert a closing bracket to complete the definition.</source>
        <translation>تعريف الإجراء %d غير مكتمل.
أضف قوس إغلاق لتكمل التعريف.</translation>
    </message>
    <message>
        <source>Cannot open Com Port.
Try selecting a different Com Port through the Options menu. </source>
        <translation>تعذّر فتح منفذ COM.
جرّب اختيار منفذ COM آخر من قائمة خيارات. </translation>
    </message>
    <message>
        <source>Procedure %d cannot use Procedure %d (use a number HIGHER than %d).</source>
        <translation>لا يستطيع الإجراء %d أن يستعمل الإجراء %d (استخدم رقمًا أكبر من %d).</translation>
    </message>
    <message>
        <source>You are defining Procedure 99.
This procedure cannot use any other procedure.</source>
        <translation>أنت تعرّف الإجراء 99.
هذا الإجراء لا يستطيع أن يستعمل أي إجراء آخر.</translation>
    </message>
    <message>
        <source>Stamps</source>
        <translation>الملصقات</translation>
    </message>
    <message>
        <source>Clear All Objects</source>
        <translation>مسح كل العناصر</translation>
    </message>
    <message>
        <source>Flip Stamp</source>
        <translation>قلب الملصق</translation>
    </message>
    <message>
        <source>Create and Place Text</source>
        <translation>إنشاء نص ووضعه</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>تعديل النص</translation>
    </message>
    <message>
        <source>Clear One Object</source>
        <translation>مسح عنصر واحد</translation>
    </message>
    <message>
        <source>Stamps &amp;&amp; Text</source>
        <translation>الملصقات والنصوص</translation>
    </message>
    <message>
        <source>Control the Go Program</source>
        <translation>التحكم في برنامج GO</translation>
    </message>
    <message>
        <source>Background Tools</source>
        <translation>أدوات الخلفية</translation>
    </message>
    <message>
        <source>Zarnik - Position, Shape &amp;&amp; Direction</source>
        <translation>زارنيك - الموضع والشكل والاتجاه</translation>
    </message>
    <message>
        <source>Run Go Program</source>
        <translation>تشغيل برنامج GO</translation>
    </message>
    <message>
        <source>Stop Go Program</source>
        <translation>إيقاف برنامج GO</translation>
    </message>
    <message>
        <source>Continue Running</source>
        <translation>متابعة التشغيل</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>العودة إلى البداية</translation>
    </message>
    <message>
        <source>Step Forward</source>
        <translation>خطوة تالية</translation>
    </message>
    <message>
        <source>Set Size of Working Area</source>
        <translation>ضبط حجم منطقة العمل</translation>
    </message>
    <message>
        <source>Show/Hide Rulers</source>
        <translation>إظهار المساطر أو إخفاؤها</translation>
    </message>
    <message>
        <source>Load or Create Background</source>
        <translation>تحميل خلفية أو إنشاؤها</translation>
    </message>
    <message>
        <source>Clear Working Area</source>
        <translation>مسح منطقة العمل</translation>
    </message>
    <message>
        <source>Set Zarnik Shape</source>
        <translation>ضبط شكل زارنيك</translation>
    </message>
    <message>
        <source>Set Zarnik Position</source>
        <translation>ضبط موضع زارنيك</translation>
    </message>
    <message>
        <source>Set Zarnik Direction</source>
        <translation>ضبط اتجاه زارنيك</translation>
    </message>
    <message>
        <source>Flip Zarnik</source>
        <translation>قلب زارنيك</translation>
    </message>
    <message>
        <source>Zarnik - Position, Shape &amp;&amp; Heading</source>
        <translation>زارنيك - الموضع والشكل والوجهة</translation>
    </message>
    <message>
        <source>Create Text</source>
        <translation>إنشاء نص</translation>
    </message>
    <message>
        <source>Pen Down</source>
        <translation>إنزال القلم</translation>
    </message>
    <message>
        <source>Pen Up</source>
        <translation>رفع القلم</translation>
    </message>
    <message>
        <source>Finish defining procedure then clear memory.</source>
        <translation>أنهِ تعريف الإجراء، ثم امسح الذاكرة.</translation>
    </message>
    <message>
        <source>There are %d incomplete Repeat instructions - you need to add brackets.</source>
        <translation>توجد %d من تعليمات التكرار غير مكتملة، عليك إضافة أقواس.</translation>
    </message>
    <message>
        <source>There is an incomplete Repeat instruction - you need to add a bracket.</source>
        <translation>توجد تعليمة تكرار غير مكتملة، عليك إضافة قوس.</translation>
    </message>
    <message>
        <source>You have deleted a Repeat instruction.
Delete the Repeat&apos;s end-bracket as well.</source>
        <translation>لقد حذفت تعليمة تكرار.
احذف قوس نهاية التكرار أيضًا.</translation>
    </message>
    <message>
        <source>There is an incomplete instruction in the Go List.</source>
        <translation>توجد تعليمة غير مكتملة في قائمة GO.</translation>
    </message>
    <message>
        <source>No Go Program!</source>
        <translation>لا يوجد برنامج GO!</translation>
    </message>
    <message>
        <source>The Go Program is running</source>
        <translation>برنامج GO قيد التشغيل</translation>
    </message>
    <message>
        <source>You need a later version of Zarnikfield to load this Go Program.
Go Program version...
</source>
        <translation>تحتاج إلى إصدار أحدث من Zarnikfield لفتح برنامج GO هذا.
إصدار برنامج GO...
</translation>
    </message>
    <message>
        <source>Program copied to Zarnik.</source>
        <translation>نُسخ البرنامج إلى زارنيك.</translation>
    </message>
    <message>
        <source>The Floor Zarnik is not responding:

Is the Floor Zarnik switched on?
Is the interface cable connected (at both ends)?

(If the Floor Zarnik BUZZED, its Go program is incomplete.)</source>
        <translation>زارنيك الأرضي لا يجيب:

هل زارنيك الأرضي مشغَّل؟
هل سلك التوصيل موصول (من طرفيه)؟

(إذا أصدر زارنيك الأرضي طنينًا، فبرنامج GO فيه غير مكتمل.)</translation>
    </message>
    <message>
        <source>Zarnik must stay in working area.
Maximum values: X = %.1f and Y = %.1f</source>
        <translation>يجب أن يبقى زارنيك في منطقة العمل.
أكبر القيم: X = %.1f و Y = %.1f</translation>
    </message>
    <message>
        <source>The cursor may only be positioned inside a Procedure definition.
Begin new Procedure definitions in the Go List.</source>
        <translation>لا يمكن وضع المؤشر إلا داخل تعريف إجراء.
ابدأ تعريفات الإجراءات الجديدة في قائمة GO.</translation>
    </message>
    <message>
        <source>Your Text</source>
        <translation>نصك</translation>
    </message>
    <message>
        <source>Zarnik cannot move outside the working area.</source>
        <translation>لا يستطيع زارنيك الخروج من منطقة العمل.</translation>
    </message>
    <message>
        <source>This working area is smaller than Zarnik</source>
        <translation>منطقة العمل هذه أصغر من زارنيك</translation>
    </message>
    <message>
        <source>Specified Go Program not found</source>
        <translation>لم يوجد برنامج GO المطلوب</translation>
    </message>
    <message>
        <source>Do you want to save changes to the Go Program?</source>
        <translation>هل تريد حفظ التغييرات في برنامج GO؟</translation>
    </message>
    <message>
        <source>Exit Zarnikfield.</source>
        <translation>الخروج من Zarnikfield.</translation>
    </message>
    <message>
        <source>There are %d incomplete Repeat instructions
in your procedures - you need to add brackets.</source>
        <translation>توجد %d من تعليمات التكرار غير مكتملة
في إجراءاتك، عليك إضافة أقواس.</translation>
    </message>
    <message>
        <source>There is an incomplete Repeat instruction
in your procedures - you need to add a bracket.</source>
        <translation>توجد تعليمة تكرار غير مكتملة
في إجراءاتك، عليك إضافة قوس.</translation>
    </message>
    <message>
        <source>You have deleted a Repeat instruction from the Procedure List.
Delete the Repeat&apos;s end-bracket as well.</source>
        <translation>لقد حذفت تعليمة تكرار من قائمة الإجراءات.
احذف قوس نهاية التكرار أيضًا.</translation>
    </message>
    <message>
        <source>There is an incomplete instruction in the Procedure List.</source>
        <translation>توجد تعليمة غير مكتملة في قائمة الإجراءات.</translation>
    </message>
    <message>
        <source>Zarnikfield</source>
        <translation>Zarnikfield</translation>
    </message>
    <message>
        <source>Clear Memory?
Yes: CM again.
No: Any other key.</source>
        <translation>مسح الذاكرة؟
نعم: اضغط CM مرة أخرى.
لا: اضغط أي زر آخر.</translation>
    </message>
    <message>
        <source>This project&apos;s Go Program is read-only.
Save the Go Program under a different name, and then re-save the project.</source>
        <translation>برنامج GO في هذا المشروع للقراءة فقط.
احفظ برنامج GO باسم آخر، ثم احفظ المشروع مرة أخرى.</translation>
    </message>
    <message>
        <source>This project&apos;s Go Program cannot be found.</source>
        <translation>لم يوجد برنامج GO الخاص بهذا المشروع.</translation>
    </message>
    <message>
        <source>Do you want to save the changes to this project?</source>
        <translation>هل تريد حفظ التغييرات في هذا المشروع؟</translation>
    </message>
    <message>
        <source>Could not open the specified project. A default project will be created instead</source>
        <translation>تعذّر فتح المشروع المطلوب. سيُنشأ مشروع افتراضي بدلًا منه</translation>
    </message>
    <message>
        <source>The specified project could not be found. A default project will be created instead.</source>
        <translation>لم يوجد المشروع المطلوب. سيُنشأ مشروع افتراضي بدلًا منه.</translation>
    </message>
    <message>
        <source>Changing the size of the Working Area will clear all graphics.
Do you want to continue?</source>
        <translation>تغيير حجم منطقة العمل سيمسح كل الرسوم.
هل تريد المتابعة؟</translation>
    </message>
    <message>
        <source>Resize working area</source>
        <translation>تغيير حجم منطقة العمل</translation>
    </message>
    <message>
        <source>File is not a Zarnikfield Go Program.</source>
        <translation>هذا الملف ليس برنامج GO من Zarnikfield.</translation>
    </message>
    <message>
        <source>You cannot open a new Go Program while stepping through or running another one</source>
        <translation>لا يمكنك فتح برنامج GO جديد في أثناء تشغيل برنامج آخر أو التقدّم فيه خطوة خطوة</translation>
    </message>
    <message>
        <source>You cannot open a new project while stepping through or running a Go Program</source>
        <translation>لا يمكنك فتح مشروع جديد في أثناء تشغيل برنامج GO أو التقدّم فيه خطوة خطوة</translation>
    </message>
    <message>
        <source>Internal error: the Go Program&apos;s repeats and procedures do not match.</source>
        <translation>خطأ داخلي: التكرارات والإجراءات في برنامج GO غير متوافقة.</translation>
    </message>
    <message>
        <source>Save Graphics Window</source>
        <translation>حفظ نافذة الرسوم</translation>
    </message>
    <message>
        <source>Select a project to open</source>
        <translation>اختر مشروعًا لفتحه</translation>
    </message>
    <message>
        <source>File open error.</source>
        <translation>خطأ في فتح الملف.</translation>
    </message>
    <message>
        <source>V1.0 header sizes disagree</source>
        <translation>أحجام رأس الإصدار V1.0 غير متطابقة</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>حفظ المشروع</translation>
    </message>
    <message>
        <source>Save Go Program</source>
        <translation>حفظ برنامج GO</translation>
    </message>
    <message>
        <source>Cannot allocate enough memory to save bitmap; 
Shut down another application and try again.</source>
        <translation>لا توجد ذاكرة كافية لحفظ الصورة؛ 
أغلق برنامجًا آخر وحاول مرة أخرى.</translation>
    </message>
    <message>
        <source>Cannot allocate enough memory to initialise paint package with a bitmap; 
Shut down another application and try again.</source>
        <translation>لا توجد ذاكرة كافية لفتح برنامج الرسم مع صورة؛ 
أغلق برنامجًا آخر وحاول مرة أخرى.</translation>
    </message>
    <message>
        <source>Delete procedures in the Go List.</source>
        <translation>احذف الإجراءات في قائمة GO.</translation>
    </message>
    <message>
        <source>Do you want to clear all objects from the screen?</source>
        <translation>هل تريد مسح كل العناصر من الشاشة؟</translation>
    </message>
    <message>
        <source>Do you want to clear the screen of all graphics?</source>
        <translation>هل تريد مسح كل الرسوم من الشاشة؟</translation>
    </message>
    <message>
        <source>Error opening graphics object list file.
I don&apos;t know what it means, either.</source>
        <translation>خطأ في فتح ملف قائمة عناصر الرسوم.
ولا نعرف نحن أيضًا ما معناه.</translation>
    </message>
    <message>
        <source>Procedure %d cannot accept another closing bracket.</source>
        <translation>الإجراء %d لا يقبل قوس إغلاق آخر.</translation>
    </message>
    <message>
        <source>Cannot open the Clipboard.</source>
        <translation>تعذّر فتح الحافظة.</translation>
    </message>
    <message>
        <source>Warning. There is insufficient memory for this object.
Close another application, save your work and try again.</source>
        <translation>تنبيه: لا توجد ذاكرة كافية لهذا العنصر.
أغلق برنامجًا آخر، واحفظ عملك، وحاول مرة أخرى.</translation>
    </message>
    <message>
        <source>Do you wish to delete procedure %d ?</source>
        <translation>هل تريد حذف الإجراء %d؟</translation>
    </message>
    <message>
        <source>You have selected a Project by mistake!
Please try again. </source>
        <translation>لقد اخترت مشروعًا بالخطأ!
حاول مرة أخرى من فضلك. </translation>
    </message>
    <message>
        <source>This file is not a valid Project or Go Program.</source>
        <translation>هذا الملف ليس مشروعًا صالحًا ولا برنامج GO صالحًا.</translation>
    </message>
    <message>
        <source>Specified Project not found</source>
        <translation>لم يوجد المشروع المطلوب</translation>
    </message>
    <message>
        <source>Cannot open the specified Project</source>
        <translation>تعذّر فتح المشروع المطلوب</translation>
    </message>
    <message>
        <source>The GO List contains more than 5 Repeats inside Repeat Commands.
You must delete %d Repeat command(s).</source>
        <translation>في قائمة GO أكثر من 5 تكرارات داخل أوامر التكرار.
عليك أن تحذف %d من أوامر التكرار.</translation>
    </message>
    <message>
        <source>The Procedure List contains more than 5 Repeats inside Repeat Commands.
You must delete %d Repeat command(s).</source>
        <translation>في قائمة الإجراءات أكثر من 5 تكرارات داخل أوامر التكرار.
عليك أن تحذف %d من أوامر التكرار.</translation>
    </message>
    <message>
        <source>A %d is not allowed here.
Use a number from %d to %d. </source>
        <translation>الرقم %d غير مسموح هنا.
استخدم رقمًا من %d إلى %d. </translation>
    </message>
    <message>
        <source>You need to add a bracket to the end of Procedure %d.</source>
        <translation>عليك إضافة قوس في نهاية الإجراء %d.</translation>
    </message>
    <message>
        <source>You must put the bracket at the END of Procedure %d, not here.</source>
        <translation>عليك وضع القوس في نهاية الإجراء %d، لا هنا.</translation>
    </message>
    <message>
        <source>Zarnikfield Launcher not found.</source>
        <translation>لم يوجد مشغّل أنشطة Zarnikfield.</translation>
    </message>
    <message>
        <source>This project&apos;s Zarnik was not found.
Zarnikfield will use an alternative Zarnik instead.</source>
        <translation>لم يوجد زارنيك الخاص بهذا المشروع.
سيستعمل Zarnikfield زارنيك آخر بدلًا منه.</translation>
    </message>
    <message>
        <source>This project cannot find any Zarniks.
You need to create a Zarnik for this project to use.</source>
        <translation>لا يجد هذا المشروع أي زارنيك.
عليك أن تنشئ زارنيك ليستعمله هذا المشروع.</translation>
    </message>
    <message>
        <source>%s

This is not a Zarnikfield Project file.
Project not opened.</source>
        <translation>⁨%s⁩

هذا ليس ملف مشروع من Zarnikfield.
لم يُفتح المشروع.</translation>
    </message>
    <message>
        <source>You cannot drag the Zarnik while the Go Program is running.</source>
        <translation>لا يمكنك سحب زارنيك في أثناء تشغيل برنامج GO.</translation>
    </message>
    <message>
        <source>Zarnikfield has found empty Procedures, and will delete them
 so that this command will fit into memory.</source>
        <translation>وجد Zarnikfield إجراءات فارغة، وسيحذفها
 حتى يتسع هذا الأمر في الذاكرة.</translation>
    </message>
    <message>
        <source>Zarnikfield has found empty Procedures, and will delete them
 so that the Go Program can be sent to the Zarnik.</source>
        <translation>وجد Zarnikfield إجراءات فارغة، وسيحذفها
 حتى يمكن إرسال برنامج GO إلى زارنيك.</translation>
    </message>
    <message>
        <source>Select a GO Program to open</source>
        <translation>اختر برنامج GO لفتحه</translation>
    </message>
    <message>
        <source>Invalid window handle in ShowListCursor()
</source>
        <translation>مقبض نافذة غير صالح في ShowListCursor()
</translation>
    </message>
    <message>
        <source>Invalid window handle in HideListCursor()
</source>
        <translation>مقبض نافذة غير صالح في HideListCursor()
</translation>
    </message>
    <message>
        <source>Invalid window handle in PaintListCursor()
</source>
        <translation>مقبض نافذة غير صالح في PaintListCursor()
</translation>
    </message>
    <message>
        <source>Error while looking for an instruction. Click on GO list pane</source>
        <translation>خطأ في أثناء البحث عن تعليمة. انقر على جزء قائمة GO</translation>
    </message>
    <message>
        <source>Warning: Computer memory is low.
Close another application and try again.</source>
        <translation>تنبيه: ذاكرة الحاسوب قليلة.
أغلق برنامجًا آخر وحاول مرة أخرى.</translation>
    </message>
    <message>
        <source>Warning: Computer memory is low.
GO Program execution must terminate.
Close another application and try again.</source>
        <translation>تنبيه: ذاكرة الحاسوب قليلة.
يجب أن يتوقف تشغيل برنامج GO.
أغلق برنامجًا آخر وحاول مرة أخرى.</translation>
    </message>
    <message>
        <source>%s already exists.
Do you want to replace it?</source>
        <translation>⁨%s⁩ موجود من قبل.
هل تريد استبداله؟</translation>
    </message>
    <message>
        <source>This file can no longer be found:
%s

It has been taken off the list.</source>
        <translation>لم يعد هذا الملف موجودًا:
⁨%s⁩

وقد أُزيل من القائمة.</translation>
    </message>
    <message>
        <source>Error: The subdirectory required for this operation
 was not found.</source>
        <translation>خطأ: المجلد الفرعي اللازم لهذه العملية
 لم يوجد.</translation>
    </message>
    <message>
        <source>The following sub-folder is missing.
</source>
        <translation>المجلد الفرعي التالي مفقود.
</translation>
    </message>
    <message>
        <source>The following sub-folders are missing.
</source>
        <translation>المجلدات الفرعية التالية مفقودة.
</translation>
    </message>
    <message>
        <source>Zarnikfield may function incorrectly.

</source>
        <translation>قد لا يعمل Zarnikfield كما ينبغي.

</translation>
    </message>
    <message>
        <source>Zarnikfield will not open this Project.

</source>
        <translation>لن يفتح Zarnikfield هذا المشروع.

</translation>
    </message>
    <message>
        <source>
To mend it, copy these folders with their pictures beside the project file, or save it again where it was made, into a folder of its own.</source>
        <translation>
لإصلاح ذلك، انسخ هذه المجلدات مع صورها إلى جانب ملف المشروع، أو احفظه مرة أخرى حيث صُنع، في مجلد خاص به.</translation>
    </message>
    <message>
        <source>

%s was looked for in:
%s</source>
        <translation>

بُحث عن ⁨%s⁩ في:
⁨%s⁩</translation>
    </message>
    <message>
        <source>The project was saved, but these files could not be copied into
%s

%s</source>
        <translation>حُفظ المشروع، لكن تعذّر نسخ هذه الملفات إلى
⁨%s⁩

⁨%s⁩</translation>
    </message>
    <message>
        <source>Zarnikfield is already running, but it does not answer.
Close it, then start Zarnikfield again.</source>
        <translation>Zarnikfield يعمل الآن، لكنه لا يجيب.
أغلقه، ثم شغّل Zarnikfield مرة أخرى.</translation>
    </message>
    <message>
        <source>Zarnikfield cannot start: it cannot write in this folder:
%s</source>
        <translation>لا يستطيع Zarnikfield أن يبدأ: لا يمكنه الكتابة في هذا المجلد:
⁨%s⁩</translation>
    </message>
    <message>
        <source>Zarnikfield has no Work folder to copy this project into:
no home folder is set.

Project not opened.</source>
        <translation>ليس لـ Zarnikfield مجلد Work ينسخ إليه هذا المشروع:
لم يُحدَّد مجلد شخصي.

لم يُفتح المشروع.</translation>
    </message>
    <message>
        <source>Zarnikfield cannot write in its Work folder:
%s

Project not opened.</source>
        <translation>لا يستطيع Zarnikfield الكتابة في مجلد Work:
⁨%s⁩

لم يُفتح المشروع.</translation>
    </message>
    <message>
        <source>Specified Go Program is not a file.</source>
        <translation>برنامج GO المطلوب ليس ملفًا.</translation>
    </message>
    <message>
        <source>Specified Go Program is too large to open.</source>
        <translation>برنامج GO المطلوب أكبر من أن يُفتح.</translation>
    </message>
    <message>
        <source>Specified Project is not a file.</source>
        <translation>المشروع المطلوب ليس ملفًا.</translation>
    </message>
    <message>
        <source>Specified Project is too large to open.</source>
        <translation>المشروع المطلوب أكبر من أن يُفتح.</translation>
    </message>
    <message>
        <source>Paint package could not be started.
The &apos;Paint Package&apos; entry in the zfield.ini file refers to a FILE that could not be found.</source>
        <translation>تعذّر تشغيل برنامج الرسم.
المدخل &apos;Paint Package&apos; في ملف zfield.ini يشير إلى ملف لم يوجد.</translation>
    </message>
    <message>
        <source>Paint package could not be started.
The &apos;Paint Package&apos; entry in the zfield.ini file refers to an invalid PATH.</source>
        <translation>تعذّر تشغيل برنامج الرسم.
المدخل &apos;Paint Package&apos; في ملف zfield.ini يشير إلى مسار غير صالح.</translation>
    </message>
    <message>
        <source>Paint package could not be started.
Error no. %d
Check that &apos;Paint Package&apos; entry in zfield.ini file refers to your system&apos;s paint package</source>
        <translation>تعذّر تشغيل برنامج الرسم.
رقم الخطأ %d
تأكّد أن المدخل &apos;Paint Package&apos; في ملف zfield.ini يشير إلى برنامج الرسم في حاسوبك</translation>
    </message>
    <message>
        <source>got 0 chars</source>
        <translation>وصل 0 حرف</translation>
    </message>
    <message>
        <source>

Port tried: COM %d (%s)</source>
        <translation>

المنفذ الذي جُرّب: ⁦COM %d (%s)⁩</translation>
    </message>
    <message>
        <source>Program copied from Zarnik.</source>
        <translation>نُسخ البرنامج من زارنيك.</translation>
    </message>
    <message>
        <source>The Floor Zarnik&apos;s answer could not be understood.
Check the interface lead and that the Zarnik is switched on, then try again.</source>
        <translation>تعذّر فهم جواب زارنيك الأرضي.
تأكّد من سلك التوصيل ومن أن زارنيك مشغَّل، ثم حاول مرة أخرى.</translation>
    </message>
    <message>
        <source>The Go Program in the Floor Zarnik&apos;s memory is damaged.
The current Go Program has not been changed.</source>
        <translation>برنامج GO في ذاكرة زارنيك الأرضي تالف.
لم يتغيّر برنامج GO الحالي.</translation>
    </message>
    <message>
        <source>Debug Info: Do you want to save this report?</source>
        <translation>معلومات التصحيح: هل تريد حفظ هذا التقرير؟</translation>
    </message>
    <message>
        <source>RC_BITMAP64 Not Supported by Printer.</source>
        <translation>الطابعة لا تدعم RC_BITMAP64.</translation>
    </message>
    <message>
        <source>RC_STRETCHDIB Not Supported by Printer.</source>
        <translation>الطابعة لا تدعم RC_STRETCHDIB.</translation>
    </message>
    <message>
        <source>Zarnikfield: Printing Problem</source>
        <translation>Zarnikfield: مشكلة في الطباعة</translation>
    </message>
    <message>
        <source>This printer/driver does not support large bitmaps.
This printout may give unexpected results.
Try printing to another printer instead.</source>
        <translation>هذه الطابعة أو برنامج تشغيلها لا يدعم الصور الكبيرة.
قد تأتي الطباعة بنتائج غير متوقعة.
جرّب الطباعة على طابعة أخرى.</translation>
    </message>
    <message>
        <source>This printer/driver does not support Zarnikfield printing.
Try printing to another printer instead.</source>
        <translation>هذه الطابعة أو برنامج تشغيلها لا يدعم طباعة Zarnikfield.
جرّب الطباعة على طابعة أخرى.</translation>
    </message>
    <message>
        <source>Cannot print to the selected printer.

Try selecting a different printer.</source>
        <translation>تعذّرت الطباعة على الطابعة المختارة.

جرّب اختيار طابعة أخرى.</translation>
    </message>
    <message>
        <source>Cannot print to the selected printer.

Try selecting a different printer.
--
StartDoc() failed: GetLastError() returned %d.</source>
        <translation>تعذّرت الطباعة على الطابعة المختارة.

جرّب اختيار طابعة أخرى.
--
فشل StartDoc(): أعاد GetLastError() القيمة %d.</translation>
    </message>
    <message>
        <source>Cannot print the page.
Try printing to another printer.</source>
        <translation>تعذّرت طباعة الصفحة.
جرّب الطباعة على طابعة أخرى.</translation>
    </message>
    <message>
        <source>Cannot end printing the page.
Try printing to another printer.</source>
        <translation>تعذّر إنهاء طباعة الصفحة.
جرّب الطباعة على طابعة أخرى.</translation>
    </message>
    <message>
        <source>Cannot end printing.
Try printing to another printer.</source>
        <translation>تعذّر إنهاء الطباعة.
جرّب الطباعة على طابعة أخرى.</translation>
    </message>
    <message>
        <source>Your Zarnikfield Work folder holds a changed copy of this project:
%s

Yes opens your copy.
No starts afresh from the original project; your copy is kept as
%s
Cancel opens nothing.</source>
        <translation>في مجلد Zarnikfield Work نسخة معدّلة من هذا المشروع:
⁨%s⁩

الزر «نعم» يفتح نسختك.
الزر «لا» يبدأ من جديد بالمشروع الأصلي؛ وتبقى نسختك محفوظة باسم
⁨%s⁩
الزر «إلغاء» لا يفتح شيئًا.</translation>
    </message>
    <message>
        <source>step %d cm   </source>
        <translation>الخطوة %d سم   </translation>
    </message>
    <message>
        <source>turn %d°   </source>
        <translation>الدوران %d°   </translation>
    </message>
    <message>
        <source>%d cells used / %d</source>
        <translation>الخلايا المستعملة %d من %d</translation>
    </message>
</context>
<context>
    <name>Panes</name>
    <message>
        <source>Graphics Library</source>
        <translation>مكتبة الرسوم</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Procedure</source>
        <translation>الإجراءات</translation>
    </message>
    <message>
        <source>Beside</source>
        <extracomment>The button moving the Procedure window beside or under the Go List.</extracomment>
        <translation>بجانب</translation>
    </message>
    <message>
        <source>Under</source>
        <translation>تحت</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>الصفحة %1 من %2</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Robot&apos;s position</source>
        <translation>موضع الروبوت</translation>
    </message>
    <message>
        <source>Robot&apos;s heading</source>
        <translation>اتجاه الروبوت</translation>
    </message>
    <message>
        <source>Robot&apos;s picture</source>
        <translation>شكل الروبوت</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>ملصق</translation>
    </message>
    <message>
        <source>Pen down</source>
        <translation>إنزال القلم</translation>
    </message>
    <message>
        <source>Pen up</source>
        <translation>رفع القلم</translation>
    </message>
    <message>
        <source>Robot flipped</source>
        <translation>قلب الروبوت</translation>
    </message>
    <message>
        <source>Go Program</source>
        <translation>برنامج GO</translation>
    </message>
    <message>
        <source>Stamp flipped</source>
        <translation>قلب الملصق</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>نص</translation>
    </message>
    <message>
        <source>Unknown line</source>
        <translation>سطر غير معروف</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>إلى الأمام</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>إلى الخلف</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>استدر يسارًا</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>استدر يمينًا</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>تكرار</translation>
    </message>
    <message>
        <source>Procedure</source>
        <translation>إجراء</translation>
    </message>
    <message>
        <source>Quaver</source>
        <translation>نغمة</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>انتظار</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>محرك</translation>
    </message>
    <message>
        <source>Sense</source>
        <translation>استشعار</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>تبديل</translation>
    </message>
    <message>
        <source>Bracket</source>
        <translation>قوس</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>مسح الإدخال</translation>
    </message>
    <message>
        <source>Clear memory</source>
        <translation>مسح الذاكرة</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>انطلق</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>فتح القوس</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>إغلاق القوس</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Close bracket</source>
        <translation>إغلاق القوس</translation>
    </message>
    <message>
        <source>, </source>
        <translation>، </translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>لوحة الأزرار</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>الأدوات</translation>
    </message>
    <message>
        <source>Go List</source>
        <translation>قائمة GO</translation>
    </message>
    <message>
        <source>Procedures</source>
        <translation>الإجراءات</translation>
    </message>
    <message>
        <source>Working area</source>
        <translation>منطقة العمل</translation>
    </message>
    <message>
        <source>The robot is %1 steps from the left and %2 steps from the top, facing %3 degrees.</source>
        <translation>الروبوت على بعد %1 خطوة من اليسار و%2 خطوة من الأعلى، ويتجه نحو %3 درجة.</translation>
    </message>
    <message>
        <source>Its pen is down.</source>
        <translation>قلمه منخفض.</translation>
    </message>
    <message>
        <source>Its pen is up.</source>
        <translation>قلمه مرفوع.</translation>
    </message>
    <message>
        <source>Background: %1.</source>
        <translation>الخلفية: %1.</translation>
    </message>
    <message>
        <source>Stamps: %1.</source>
        <translation>الملصقات: %1.</translation>
    </message>
    <message>
        <source>Texts: %1.</source>
        <translation>النصوص: %1.</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>الصور</translation>
    </message>
    <message>
        <source>Text &quot;%1&quot;, %2 steps from the left and %3 steps from the top.</source>
        <translation>النص "%1"، على بعد %2 خطوة من اليسار و%3 خطوة من الأعلى.</translation>
    </message>
    <message>
        <source>Stamp %1, %2 steps from the left and %3 steps from the top.</source>
        <translation>الملصق %1، على بعد %2 خطوة من اليسار و%3 خطوة من الأعلى.</translation>
    </message>
    <message>
        <source>Arrows choose, Return applies, Escape cancels.</source>
        <translation>الأسهم للاختيار، والإدخال للتطبيق، والهروب للإلغاء.</translation>
    </message>
    <message>
        <source>Nothing on the working area for this tool.</source>
        <translation>لا يوجد شيء في منطقة العمل لهذه الأداة.</translation>
    </message>
</context>
<context>
    <name>Tooltips</name>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Show the Procedure window under or beside the Go List</source>
        <translation>اعرض نافذة الإجراءات تحت قائمة GO أو بجانبها</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>تصغير</translation>
    </message>
</context>
<context>
    <name>zf::ui::AbortDialog</name>
    <message>
        <source>Zarnikfield - Printing</source>
        <translation>Zarnikfield - الطباعة</translation>
    </message>
    <message>
        <source>Zarnikfield is printing...</source>
        <translation>Zarnikfield يطبع الآن...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>zf::ui::AboutBox</name>
    <message>
        <source>About Zarnikfield</source>
        <translation>حول Zarnikfield</translation>
    </message>
    <message>
        <source>A programming environment for the Floor Zarnik floor robot: key a Go Program on the robot&apos;s own keypad, watch it run on the working area, then send it to the robot down its lead.</source>
        <translation>بيئة برمجة للروبوت زارنيك الأرضي: اكتب برنامج GO على لوحة أزرار الروبوت نفسها، وشاهده يعمل على منطقة العمل، ثم أرسله إلى الروبوت عبر سلكه.</translation>
    </message>
    <message>
        <source>Zarnikfield is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version. It is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE.</source>
        <translation>Zarnikfield برنامج حر: يمكنك إعادة توزيعه أو تعديله وفق شروط رخصة GNU العمومية العامة كما نشرتها مؤسسة البرمجيات الحرة، إما الإصدار 3 من الرخصة أو (حسب اختيارك) أي إصدار لاحق. يُوزَّع على أمل أن يكون مفيدًا، لكن دون أي ضمان؛ ولا حتى الضمان الضمني لصلاحيته للتسويق أو لغرض معيّن.</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3</source>
        <translation>رخصة GNU العمومية العامة، الإصدار 3</translation>
    </message>
    <message>
        <source>This program uses the Qt libraries, version %1, under the GNU Lesser General Public License version 3. They are linked dynamically: you may replace them with your own build of Qt.</source>
        <translation>يستعمل هذا البرنامج مكتبات Qt، الإصدار %1، وفق رخصة GNU العمومية العامة الصغرى، الإصدار 3. وهي مربوطة ربطًا ديناميكيًا: يمكنك استبدالها بنسخة Qt تبنيها بنفسك.</translation>
    </message>
    <message>
        <source>GNU Lesser General Public License, version 3</source>
        <translation>رخصة GNU العمومية العامة الصغرى، الإصدار 3</translation>
    </message>
    <message>
        <source>The Qt libraries and their sources</source>
        <translation>مكتبات Qt ومصادرها</translation>
    </message>
</context>
<context>
    <name>zf::ui::ActivityLauncher</name>
    <message>
        <source>Zarnikfield Activities</source>
        <translation>أنشطة Zarnikfield</translation>
    </message>
    <message>
        <source>Choose an activity</source>
        <translation>اختر نشاطًا</translation>
    </message>
    <message>
        <source>Click a picture to open its project in Zarnikfield. The help&apos;s Activity books describe what to do with each one.</source>
        <translation>انقر صورة لتفتح مشروعها في Zarnikfield. يشرح كتابا الأنشطة في التعليمات ما تفعله في كل نشاط.</translation>
    </message>
    <message>
        <source>There are no activities in %1.</source>
        <translation>لا توجد أنشطة في ⁨%1⁩.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Zarnikfield could not be started:
%1</source>
        <translation>تعذّر تشغيل Zarnikfield:
⁨%1⁩</translation>
    </message>
</context>
<context>
    <name>zf::ui::BackgroundDialog</name>
    <message>
        <source>Load or Create Background</source>
        <translation>تحميل خلفية أو إنشاؤها</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>الخلفية</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;تحميل</translation>
    </message>
    <message>
        <source>C&amp;reate</source>
        <translation>إنشا&amp;ء</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>تع&amp;ديل</translation>
    </message>
</context>
<context>
    <name>zf::ui::DesktopUi</name>
    <message>
        <source>Zarnikfield - Procedure</source>
        <translation>Zarnikfield - الإجراءات</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;نعم</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;لا</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;تعديل</translation>
    </message>
</context>
<context>
    <name>zf::ui::EnterTextDialog</name>
    <message>
        <source>&amp;Type your text here:</source>
        <translation>&amp;اكتب نصك هنا:</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>ال&amp;خط...</translation>
    </message>
    <message>
        <source>C&amp;olour...</source>
        <translation>اللو&amp;ن...</translation>
    </message>
    <message>
        <source>The text will be this big:</source>
        <translation>سيكون النص بهذا الحجم:</translation>
    </message>
    <message>
        <source>The Zarnik
is this big:</source>
        <translation>زارنيك
بهذا الحجم:</translation>
    </message>
    <message>
        <source>&amp;Place Text...</source>
        <translation>&amp;ضع النص...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>الخط</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>اللون</translation>
    </message>
</context>
<context>
    <name>zf::ui::FileListDialog</name>
    <message>
        <source>&amp;Choose a file from the list:</source>
        <translation>&amp;اختر ملفًا من القائمة:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>استعراض...</translation>
    </message>
    <message>
        <source>GO Program</source>
        <translation>برنامج GO</translation>
    </message>
</context>
<context>
    <name>zf::ui::HeadingDialog</name>
    <message>
        <source>Set Zarnik Heading</source>
        <translation>ضبط وجهة زارنيك</translation>
    </message>
    <message>
        <source>&amp;Clockwise:</source>
        <translation>مع عقا&amp;رب الساعة:</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>درجة</translation>
    </message>
    <message>
        <source>&amp;Anticlockwise:</source>
        <translation>عكس عقار&amp;ب الساعة:</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;معاينة</translation>
    </message>
</context>
<context>
    <name>zf::ui::HelpCommands</name>
    <message>
        <source>The help book %1 cannot be found in %2.</source>
        <translation>لا يوجد كتاب التعليمات ⁨%1⁩ في ⁨%2⁩.</translation>
    </message>
</context>
<context>
    <name>zf::ui::HelpViewer</name>
    <message>
        <source>Zarnikfield Help</source>
        <translation>تعليمات Zarnikfield</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>تعليمات</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>المحتويا&amp;ت</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;رجوع</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>تقدّ&amp;م</translation>
    </message>
    <message>
        <source> Find in page: </source>
        <translation> بحث في الصفحة: </translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;التالي</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>ال&amp;سابق</translation>
    </message>
    <message>
        <source>%1 - Zarnikfield Help</source>
        <translation>⁨%1⁩ - تعليمات Zarnikfield</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not on this page.</source>
        <translation>«⁨%1⁩» غير موجود في هذه الصفحة.</translation>
    </message>
</context>
<context>
    <name>zf::ui::MainWindow</name>
    <message>
        <source>Sending the Go Program to the Floor Zarnik...</source>
        <translation>يُرسَل برنامج GO إلى زارنيك الأرضي...</translation>
    </message>
    <message>
        <source>Getting the Go Program from the Floor Zarnik...</source>
        <translation>يُجلَب برنامج GO من زارنيك الأرضي...</translation>
    </message>
</context>
<context>
    <name>zf::ui::PositionDialog</name>
    <message>
        <source>Set Zarnik Position</source>
        <translation>ضبط موضع زارنيك</translation>
    </message>
    <message>
        <source>Steps from the centre of the working area:</source>
        <translation>الخطوات من وسط منطقة العمل:</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;أعلى</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>يسا&amp;ر</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>ي&amp;مين</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>أ&amp;سفل</translation>
    </message>
</context>
<context>
    <name>zf::ui::PositionTextDialog</name>
    <message>
        <source>Position Text</source>
        <translation>موضع النص</translation>
    </message>
    <message>
        <source>Drag this symbol to where you want to place the text.</source>
        <translation>اسحب هذا الرمز إلى حيث تريد وضع النص.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Or move the mark with the arrow keys and press Return.</source>
        <translation>أو حرّك العلامة بمفاتيح الأسهم ثم اضغط مفتاح الإدخال.</translation>
    </message>
</context>
<context>
    <name>zf::ui::ProjectorMode</name>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>مل&amp;ء الشاشة</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>تك&amp;بير</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>تص&amp;غير</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>الحجم ال&amp;فعلي</translation>
    </message>
</context>
<context>
    <name>zf::ui::SizeDialog</name>
    <message>
        <source>Set Size of Working Area</source>
        <translation>ضبط حجم منطقة العمل</translation>
    </message>
    <message>
        <source>Size of the working area in Zarnik steps:</source>
        <translation>حجم منطقة العمل بخطوات زارنيك:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>العر&amp;ض:</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>خطوة</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>الا&amp;رتفاع:</translation>
    </message>
</context>
<context>
    <name>zf::ui::TextPositionDialog</name>
    <message>
        <source>Top Left</source>
        <translation>أعلى اليسار</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>أعلى</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>أعلى اليمين</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>يسار</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>يمين</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>أسفل اليسار</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>أسفل</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>أسفل اليمين</translation>
    </message>
    <message>
        <source>Text Position</source>
        <translation>موضع النص</translation>
    </message>
    <message>
        <source>Place text at &amp;Zarnik position</source>
        <translation>ضع النص في موضع &amp;زارنيك</translation>
    </message>
    <message>
        <source>Place text &amp;near Zarnik</source>
        <translation>ضع النص قر&amp;ب زارنيك</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>zf::ui::ToolDialog</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>zf::ui::WorkingAreaCommands</name>
    <message>
        <source>Include the &amp;Zarnik</source>
        <translation>تضمين &amp;زارنيك</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>صور نقطية</translation>
    </message>
    <message>
        <source>PNG pictures</source>
        <translation>صور PNG</translation>
    </message>
</context>
<context>
    <name>zfield</name>
    <message>
        <source>an empty file name was given for %s</source>
        <translation>أُعطي اسم ملف فارغ لـ %s</translation>
    </message>
    <message>
        <source>cannot write %s (nothing was changed)</source>
        <translation>تعذّرت كتابة %s (لم يتغيّر شيء)</translation>
    </message>
    <message>
        <source>the converted file would not open again: %s</source>
        <translation>الملف المحوَّل لن يُفتح مرة أخرى: %s</translation>
    </message>
    <message>
        <source>IN and OUT are needed</source>
        <translation>يلزم IN و OUT</translation>
    </message>
    <message>
        <source>bad argument &apos;%s&apos;</source>
        <translation>وسيط غير صالح &apos;%s&apos;</translation>
    </message>
    <message>
        <source>where to? (zfield get -o FILE.gop)</source>
        <translation>إلى أين؟ (zfield get -o FILE.gop)</translation>
    </message>
    <message>
        <source>--answer takes yes, no, cancel or edit</source>
        <translation>--answer يأخذ yes أو no أو cancel أو edit</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%s&apos;</source>
        <translation>وسيط غير متوقع &apos;%s&apos;</translation>
    </message>
    <message>
        <source>zfield: there is no language &apos;%s&apos; here; English is used (languages: %s)</source>
        <translation>zfield: لا توجد هنا لغة &apos;%s&apos;؛ ستُستعمل الإنجليزية (اللغات: %s)</translation>
    </message>
    <message>
        <source>--icon-size takes 5 to 50</source>
        <translation>--icon-size يأخذ من 5 إلى 50</translation>
    </message>
    <message>
        <source>FILE.gop and -o OUT.png are needed</source>
        <translation>يلزم FILE.gop و -o OUT.png</translation>
    </message>
    <message>
        <source>a list of %d lines is too long for one picture (%d lines at --icon-size %d); try a smaller --icon-size</source>
        <translation>قائمة من %d سطرًا أطول من أن تتسع لها صورة واحدة (الحد %d مع --icon-size %d)؛ جرّب --icon-size أصغر</translation>
    </message>
    <message>
        <source>the listing would be %dx%d pixels, more than a picture may hold (%d); try a smaller --icon-size</source>
        <translation>ستكون القائمة %dx%d بكسل، أكبر مما تتسع له صورة (%d)؛ جرّب --icon-size أصغر</translation>
    </message>
    <message>
        <source>keys &quot;SEQUENCE&quot; [--answer yes|no|edit]... [--check] [-o FILE.gop]
      Keys SEQUENCE into a fresh Go Program and prints the messages shown,
      the GO list, the PROC list and the memory units left; -o saves it.</source>
        <translation>keys &quot;SEQUENCE&quot; [--answer yes|no|edit]... [--check] [-o FILE.gop]
      يُدخل أزرار SEQUENCE في برنامج GO جديد ويطبع الرسائل التي ظهرت،
      وقائمة GO وقائمة PROC وخانات الذاكرة الباقية؛ والخيار -o يحفظه.</translation>
    </message>
    <message>
        <source>run (--keys &quot;SEQUENCE&quot; | FILE.gop) [--project P.zfp] [--floor W,H] [--instant]
      [--trail] [--limit N] [-o OUT.png [--size WxH]]
      Keys SEQUENCE (or opens FILE.gop) and runs it as GO does from the centre
      of a W x H-step working area (10 x 10), heading 0, with the thin black
      pen as on the desktop, or on the working area and start state of
      project P; prints the messages shown, the robot (mm and degrees), the
      pen trail and the number of objects;
      -o draws the working area fitted into WxH pixels (1000x1000), the robot
      where it stopped. W and H are 1 to 99 steps; --limit N stops a run that
      has not ended after N instructions. Exit status 1 when the run could not
      start, was ended early or hit the limit.</source>
        <translation>run (--keys &quot;SEQUENCE&quot; | FILE.gop) [--project P.zfp] [--floor W,H] [--instant]
      [--trail] [--limit N] [-o OUT.png [--size WxH]]
      يُدخل أزرار SEQUENCE (أو يفتح FILE.gop) ويشغّله كما يفعل GO من وسط
      منطقة عمل حجمها W x H خطوة (10 x 10)، بوجهة 0، وبالقلم الأسود الرفيع
      كما في البرنامج، أو على منطقة العمل وحالة البداية في المشروع P؛
      ويطبع الرسائل التي ظهرت، والروبوت (بالمليمتر والدرجات)، وأثر القلم
      وعدد العناصر؛
      والخيار -o يرسم منطقة العمل داخل WxH بكسل (1000x1000)، والروبوت
      حيث توقّف. W و H من 1 إلى 99 خطوة؛ والخيار --limit N يوقف تشغيلًا
      لم ينتهِ بعد N تعليمة. حالة الخروج 1 إذا تعذّر بدء التشغيل،
      أو انتهى مبكرًا، أو بلغ الحد.</translation>
    </message>
    <message>
        <source>listing FILE.gop -o OUT.png [--icon-size N]
      Draws the GO list and the PROC list as their windows show them, with
      key pictures N pixels high (5 to 50, 30 by default).</source>
        <translation>listing FILE.gop -o OUT.png [--icon-size N]
      يرسم قائمة GO وقائمة PROC كما تعرضهما نافذتاهما، بصور أزرار
      ارتفاعها N بكسل (من 5 إلى 50، و30 إن لم يُذكر).</translation>
    </message>
    <message>
        <source>print FILE.gop -o OUT.pdf [--icon-size N] [--working-area [--project P.zfp]]
      Prints to a PDF file (A4) the pages Print Go Program prints: the GO
      list, then the PROC list, 55 - N lines a page (N the listing size, 30
      by default); --working-area prints the working area instead, after
      running FILE.gop on a fresh 10 x 10-step one or on that of project P.</source>
        <translation>print FILE.gop -o OUT.pdf [--icon-size N] [--working-area [--project P.zfp]]
      يطبع في ملف PDF (A4) الصفحات التي يطبعها أمر طباعة برنامج GO: قائمة GO
      ثم قائمة PROC، و55 - N سطرًا في الصفحة (N حجم القائمة، و30 إن لم
      يُذكر)؛ والخيار --working-area يطبع منطقة العمل بدلًا منها، بعد
      تشغيل FILE.gop على منطقة جديدة حجمها 10 x 10 خطوات أو على منطقة المشروع P.</translation>
    </message>
    <message>
        <source>send FILE.gop [--port N | --device PATH] [--trace]
      Sends the Go Program to the Floor Zarnik as Send GO Program does, on
      port N (1..4, else the com port of zfield.ini) or the terminal device
      PATH; prints the messages shown; --trace prints the port&apos;s trace lines.</source>
        <translation>send FILE.gop [--port N | --device PATH] [--trace]
      يرسل برنامج GO إلى زارنيك الأرضي كما يفعل أمر إرسال برنامج GO، على
      المنفذ N (من 1 إلى 4، وإلا فمنفذ com في zfield.ini) أو على الجهاز الطرفي
      PATH؛ ويطبع الرسائل التي ظهرت؛ والخيار --trace يطبع أسطر تتبّع المنفذ.</translation>
    </message>
    <message>
        <source>get [--port N | --device PATH] [--trace] -o FILE.gop
      Reads the Go Program held by the Floor Zarnik as Get GO Program does,
      saves it to FILE.gop and prints the messages shown and its lists.</source>
        <translation>get [--port N | --device PATH] [--trace] -o FILE.gop
      يقرأ برنامج GO الموجود في زارنيك الأرضي كما يفعل أمر جلب برنامج GO،
      ويحفظه في FILE.gop ويطبع الرسائل التي ظهرت وقائمتيه.</translation>
    </message>
    <message>
        <source>show FILE
      Prints a Go Program as keys prints its lists, or a project (any form)
      as its settings, its trail points and its objects, one a line.</source>
        <translation>show FILE
      يطبع برنامج GO كما يطبع keys قائمتيه، أو مشروعًا (بأي شكل)
      بإعداداته ونقاط أثر القلم وعناصره، واحدًا في كل سطر.</translation>
    </message>
    <message>
        <source>convert IN OUT
      Reads a Go Program or a project of any version and writes it as 2.0.</source>
        <translation>convert IN OUT
      يقرأ برنامج GO أو مشروعًا من أي إصدار ويكتبه بالإصدار 2.0.</translation>
    </message>
    <message>
        <source>Messages the program shows go to standard error, results to standard output.
Exit status: 0 when the command did all that was asked, 1 when it could not
(a message says why), 2 for a wrong command line. Relative paths are taken
from the current directory; files are replaced whole or not at all.
The messages speak the language LANGUAGE, LC_ALL, LC_MESSAGES or LANG names,
or the one --lang CODE names (en, or a translation installed with zfield).
</source>
        <translation>الرسائل التي يعرضها البرنامج تذهب إلى الخطأ القياسي، والنتائج إلى الخرج القياسي.
حالة الخروج: 0 إذا نفّذ الأمر كل ما طُلب، و1 إذا تعذّر ذلك
(وتقول رسالة السبب)، و2 لسطر أوامر خاطئ. المسارات النسبية تُؤخذ
من المجلد الحالي؛ والملفات تُستبدل كاملة أو لا تُستبدل أبدًا.
تتكلم الرسائل اللغة التي يسمّيها LANGUAGE أو LC_ALL أو LC_MESSAGES أو LANG،
أو التي يسمّيها --lang CODE (en، أو ترجمة مثبّتة مع zfield).
</translation>
    </message>
    <message>
        <source>Key-sequence notation (tokens separated by spaces, case ignored):
  FD BK LT RT        the four arrow keys, also FORWARD BACK LEFT RIGHT
  RPT P Q W M S T    also REPEAT PROCEDURE QUAVER WAIT MOTOR SENSE TOGGLE
  [ ]                the one bracket key
  0..9               digit keys; a token of several digits keys each in turn
  CE CM GO           clear entry, confirmed clear memory, go
  POS(x,y) HEAD(h)   graphic commands: position in steps from the centre, heading
  SHAPE(name) STAMP(name) PEN(name)
  PENUP FLIP FLIPSTAMP TEXT(&quot;text&quot;) TEXT(&quot;text&quot;,mode)
Listings use the same tokens, one instruction a line: RPT 4 [, FD 2 5, ], P 3 [.
In a quoted text \&quot; is a quote, \\ a backslash and \n a line break.
</source>
        <translation>صيغة تسلسل الأزرار (كلمات تفصل بينها مسافات، وحالة الأحرف لا تهم):
  FD BK LT RT        أزرار الأسهم الأربعة، وأيضًا FORWARD BACK LEFT RIGHT
  RPT P Q W M S T    وأيضًا REPEAT PROCEDURE QUAVER WAIT MOTOR SENSE TOGGLE
  [ ]                زر القوس الوحيد
  0..9               أزرار الأرقام؛ كلمة من عدة أرقام تضغطها واحدًا بعد واحد
  CE CM GO           مسح الإدخال، ومسح الذاكرة مؤكَّدًا، والانطلاق
  POS(x,y) HEAD(h)   أوامر رسم: الموضع بالخطوات من الوسط، والوجهة
  SHAPE(name) STAMP(name) PEN(name)
  PENUP FLIP FLIPSTAMP TEXT(&quot;text&quot;) TEXT(&quot;text&quot;,mode)
تستعمل القوائم الكلمات نفسها، تعليمة واحدة في كل سطر: RPT 4 [، FD 2 5، ]، P 3 [.
في النص بين علامتي اقتباس: \&quot; علامة اقتباس، و\\ شرطة مائلة عكسية، و\n سطر جديد.
</translation>
    </message>
    <message>
        <source>zfield %s - the Zarnikfield command-line companion</source>
        <translation>zfield %s - رفيق Zarnikfield لسطر الأوامر</translation>
    </message>
    <message>
        <source>Usage: zfield [--lang CODE] COMMAND [ARGS]
       zfield --help | --version

Commands:</source>
        <translation>الاستعمال: zfield [--lang CODE] COMMAND [ARGS]
       zfield --help | --version

الأوامر:</translation>
    </message>
    <message>
        <source>zfield: unknown command &apos;%s&apos; (see zfield --help)</source>
        <translation>zfield: أمر غير معروف &apos;%s&apos; (انظر zfield --help)</translation>
    </message>
    <message>
        <source>--size takes WxH in pixels, each at most %d and at most %d pixels in all</source>
        <translation>--size يأخذ WxH بالبكسل، كل منهما %d على الأكثر، و%d بكسل على الأكثر في المجموع</translation>
    </message>
    <message>
        <source>--size goes with -o OUT.png</source>
        <translation>--size يأتي مع -o OUT.png</translation>
    </message>
    <message>
        <source>cannot make the picture for %s</source>
        <translation>تعذّر صنع الصورة لـ %s</translation>
    </message>
    <message>
        <source>the working area does not fit in %dx%d pixels</source>
        <translation>منطقة العمل لا تتسع في %dx%d بكسل</translation>
    </message>
    <message>
        <source>this build draws no pictures (it was built without Qt)</source>
        <translation>هذه النسخة لا ترسم صورًا (بُنيت دون Qt)</translation>
    </message>
    <message>
        <source>--project needs a file name</source>
        <translation>--project يحتاج إلى اسم ملف</translation>
    </message>
    <message>
        <source>FILE.gop and -o OUT.pdf are needed</source>
        <translation>يلزم FILE.gop و -o OUT.pdf</translation>
    </message>
    <message>
        <source>--project goes with --working-area</source>
        <translation>--project يأتي مع --working-area</translation>
    </message>
    <message>
        <source>%s has nothing to print</source>
        <translation>ليس في %s ما يُطبع</translation>
    </message>
    <message>
        <source>opening your changed copy %s</source>
        <translation>تُفتح نسختك المعدّلة %s</translation>
    </message>
    <message>
        <source>--floor takes W,H in steps, each 1 to 99</source>
        <translation>--floor يأخذ W,H بالخطوات، كل منهما من 1 إلى 99</translation>
    </message>
    <message>
        <source>--limit takes a number of instructions, 1 or more</source>
        <translation>--limit يأخذ عدد التعليمات، 1 أو أكثر</translation>
    </message>
    <message>
        <source>a program is needed (--keys &quot;SEQUENCE&quot; or FILE.gop)</source>
        <translation>يلزم برنامج (--keys &quot;SEQUENCE&quot; أو FILE.gop)</translation>
    </message>
    <message>
        <source>the Go Program could not start</source>
        <translation>تعذّر بدء برنامج GO</translation>
    </message>
    <message>
        <source>stopped after %d instructions (--limit %d)</source>
        <translation>توقّف التشغيل بعد %d من التعليمات (--limit %d)</translation>
    </message>
    <message>
        <source>the run was ended early</source>
        <translation>انتهى التشغيل مبكرًا</translation>
    </message>
    <message>
        <source>bad option &apos;%s&apos;</source>
        <translation>خيار غير صالح &apos;%s&apos;</translation>
    </message>
    <message>
        <source>which Go Program? (zfield send FILE.gop)</source>
        <translation>أي برنامج GO؟ (zfield send FILE.gop)</translation>
    </message>
    <message>
        <source>one file is needed</source>
        <translation>يلزم ملف واحد</translation>
    </message>
</context>
</TS>
