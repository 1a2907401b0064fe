<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>Messages</name>
    <message>
        <source>Error!</source>
        <translation>خطأ!</translation>
    </message>
    <message>
        <source>Error opening &quot;%1&quot;!</source>
        <translation>خطأ في فتح &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>Memory error!</source>
        <translation>خطأ في الذاكرة!</translation>
    </message>
    <message>
        <source>Canceled!</source>
        <translation>تم الإلغاء!</translation>
    </message>
    <message>
        <source>Notice!</source>
        <translation>ملاحظة!</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>إلغاء؟</translation>
    </message>
    <message>
        <source>File Name?</source>
        <translation>اسم الملف؟</translation>
    </message>
    <message>
        <source>Attention!</source>
        <translation>تنبيه!</translation>
    </message>
    <message>
        <source>User Canceled!    </source>
        <translation>ألغى المستخدم العملية!</translation>
    </message>
    <message>
        <source>Do You Really want to cancel?</source>
        <translation>هل تريد حقًا إلغاء التحويل؟</translation>
    </message>
    <message>
        <source>Not enough memory!</source>
        <translation>الذاكرة غير كافية!</translation>
    </message>
    <message>
        <source>You have to give an INFILE name!</source>
        <translation>يجب تحديد اسم ملف الإدخال!</translation>
    </message>
    <message>
        <source>You have to give an OUTFILE name!</source>
        <translation>يجب تحديد مجلد الإخراج!</translation>
    </message>
    <message>
        <source>You can choose multiple files by holding down the</source>
        <translation>يمكنك اختيار عدة ملفات معًا بالضغط باستمرار</translation>
    </message>
    <message>
        <source>&quot;Ctrl&quot; or &quot;Shift&quot; key while selecting your files!</source>
        <translation>على المفتاح &quot;Ctrl&quot; أو &quot;Shift&quot; أثناء اختيار الملفات!</translation>
    </message>
    <message>
        <source>Not all Davka fonts convert correctly. If you don&apos;t get the</source>
        <translation>لا تتحول كل خطوط دافكا بشكل صحيح. إذا لم تحصل على</translation>
    </message>
    <message>
        <source>results you expected, try converting using a different font.</source>
        <translation>النتيجة المتوقعة، فجرّب التحويل باستخدام خط آخر.</translation>
    </message>
    <message>
        <source>Choose  &quot;Tools  |  Delete FontMap&quot;  and then convert</source>
        <translation>اختر  &quot;أدوات  |  حذف خريطة الخطوط&quot;  ثم حوّل</translation>
    </message>
    <message>
        <source>again using a different font.</source>
        <translation>مرة أخرى باستخدام خط آخر.</translation>
    </message>
    <message>
        <source>Document is not a WordPerfect 5.X Document!</source>
        <translation>المستند ليس مستند WordPerfect 5.X!</translation>
    </message>
    <message>
        <source>Document is not a standard WordPerfect 5.X Document!</source>
        <translation>المستند ليس مستند WordPerfect 5.X قياسيًا!</translation>
    </message>
    <message>
        <source>Error in file!</source>
        <translation>خطأ في الملف!</translation>
    </message>
    <message>
        <source>Document is protected by a password!</source>
        <translation>المستند محمي بكلمة مرور!</translation>
    </message>
    <message>
        <source>LibreOffice (soffice) is needed to write Word documents, and it was not found: the RTF files are kept.</source>
        <translation>يلزم LibreOffice (soffice)‎ لكتابة مستندات Word، ولم يُعثر عليه: ستبقى ملفات RTF محفوظة.</translation>
    </message>
    <message>
        <source>Can&apos;t find file(s) &quot;%1&quot;!</source>
        <translation>تعذّر العثور على الملفات &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>Error opening file &quot;%1&quot;!</source>
        <translation>خطأ في فتح الملف &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>Error writing to file &quot;%1&quot;!</source>
        <translation>خطأ في الكتابة إلى الملف &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>Error backing up file: &quot;%1&quot;!</source>
        <translation>خطأ في النسخ الاحتياطي للملف: &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>Skipping file: &quot;%1&quot;!</source>
        <translation>تخطي الملف: &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>An error has occured while converting &quot;%1&quot;!</source>
        <translation>حدث خطأ أثناء تحويل &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder: -R converts the files in its tree!</source>
        <translation>&quot;%1&quot; مجلد: الخيار ⁦-R⁩ يحوّل الملفات الموجودة في شجرته!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty: there is nothing to convert!</source>
        <translation>&quot;%1&quot; فارغ: لا يوجد ما يُحوَّل!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file: -f - reads standard input!</source>
        <translation>&quot;%1&quot; ليس ملفًا عاديًا: ⁦-f -⁩ يقرأ من الإدخال القياسي!</translation>
    </message>
    <message>
        <source>Output file exists: &quot;%1&quot;!</source>
        <translation>ملف الإخراج موجود: &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>Error converting to %1: &quot;%2&quot;!</source>
        <translation>خطأ في التحويل إلى %1: &quot;%2&quot;!</translation>
    </message>
    <message>
        <source>Document is protected by a password: the password given is wrong!</source>
        <translation>المستند محمي بكلمة مرور: كلمة المرور المعطاة خاطئة!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to nothing: its target does not exist!</source>
        <translation>&quot;%1&quot; رابط لا يشير إلى شيء: هدفه غير موجود!</translation>
    </message>
    <message>
        <source>LibreOffice ran out of time (%1 second): &quot;%2&quot; was not converted!</source>
        <translation>نفد الوقت المحدد لـ LibreOffice (%1 ثانية): لم يُحوَّل &quot;%2&quot;!</translation>
    </message>
    <message>
        <source>LibreOffice ran out of time (%1 seconds): &quot;%2&quot; was not converted!</source>
        <translation>نفد الوقت المحدد لـ LibreOffice (%1 ثانية): لم يُحوَّل &quot;%2&quot;!</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>LTR, or RTL for a language written right to left.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message numerus="yes">
        <source>%n converted</source>
        <translation>
            <numerusform>المحوَّلة: %n</numerusform>
            <numerusform>المحوَّلة: %n</numerusform>
            <numerusform>المحوَّلة: %n</numerusform>
            <numerusform>المحوَّلة: %n</numerusform>
            <numerusform>المحوَّلة: %n</numerusform>
            <numerusform>المحوَّلة: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>الفاشلة: %n</numerusform>
            <numerusform>الفاشلة: %n</numerusform>
            <numerusform>الفاشلة: %n</numerusform>
            <numerusform>الفاشلة: %n</numerusform>
            <numerusform>الفاشلة: %n</numerusform>
            <numerusform>الفاشلة: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped (empty)</source>
        <translation>
            <numerusform>المتخطّاة (فارغة): %n</numerusform>
            <numerusform>المتخطّاة (فارغة): %n</numerusform>
            <numerusform>المتخطّاة (فارغة): %n</numerusform>
            <numerusform>المتخطّاة (فارغة): %n</numerusform>
            <numerusform>المتخطّاة (فارغة): %n</numerusform>
            <numerusform>المتخطّاة (فارغة): %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped (output exists)</source>
        <translation>
            <numerusform>المتخطّاة (الإخراج موجود): %n</numerusform>
            <numerusform>المتخطّاة (الإخراج موجود): %n</numerusform>
            <numerusform>المتخطّاة (الإخراج موجود): %n</numerusform>
            <numerusform>المتخطّاة (الإخراج موجود): %n</numerusform>
            <numerusform>المتخطّاة (الإخراج موجود): %n</numerusform>
            <numerusform>المتخطّاة (الإخراج موجود): %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n protected</source>
        <translation>
            <numerusform>المحمية: %n</numerusform>
            <numerusform>المحمية: %n</numerusform>
            <numerusform>المحمية: %n</numerusform>
            <numerusform>المحمية: %n</numerusform>
            <numerusform>المحمية: %n</numerusform>
            <numerusform>المحمية: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not converted (cancelled)</source>
        <translation>
            <numerusform>غير المحوَّلة (أُلغي): %n</numerusform>
            <numerusform>غير المحوَّلة (أُلغي): %n</numerusform>
            <numerusform>غير المحوَّلة (أُلغي): %n</numerusform>
            <numerusform>غير المحوَّلة (أُلغي): %n</numerusform>
            <numerusform>غير المحوَّلة (أُلغي): %n</numerusform>
            <numerusform>غير المحوَّلة (أُلغي): %n</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of the summary line.</extracomment>
        <translation>، </translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <source>Welcome to Quorin!</source>
        <translation>مرحبًا بك في Quorin!</translation>
    </message>
    <message>
        <source>{\b Quorin} converts documents written with WordPerfect 5.0 and 5.1 into Rich Text Format (RTF) files, which today&apos;s word processors open, and, if you wish, into Word documents. This tutorial takes you through one conversion, step by step. Keep the main window beside it: you can even follow along while you read. Click {\ul\cf13 Next &gt;} to go on.</source>
        <translation>يحوّل {\b Quorin} المستندات المكتوبة بـ WordPerfect 5.0 و5.1 إلى ملفات بتنسيق Rich Text Format (RTF)‎ تفتحها معالجات النصوص الحالية، وإلى مستندات Word إن شئت. يرشدك هذا الدليل خطوة بخطوة خلال عملية تحويل واحدة. أبقِ النافذة الرئيسية بجانبه: يمكنك حتى تنفيذ الخطوات أثناء القراءة. انقر {\ul\cf13 التالي &gt;} للمتابعة.</translation>
    </message>
    <message>
        <source>File name(s)</source>
        <translation>أسماء الملفات</translation>
    </message>
    <message>
        <source>First tell {\b Quorin} which documents to convert. Type a file name into the {\ul\cf13 File Name(s)} field, or click {\ul\cf13 Browse...} and pick one or more files; hold down the &apos;Ctrl&apos; or &apos;Shift&apos; key to pick several. You may also type wildcards, such as letters/*.wp, and separate several names with a bar ( | ).</source>
        <translation>أولًا أخبر {\b Quorin} بالمستندات المراد تحويلها. اكتب اسم ملف في حقل {\ul\cf13 أسماء الملفات}، أو انقر {\ul\cf13 استعراض...} واختر ملفًا واحدًا أو أكثر؛ اضغط باستمرار على المفتاح &apos;Ctrl&apos; أو &apos;Shift&apos; لاختيار عدة ملفات. يمكنك أيضًا كتابة أحرف البدل، مثل letters/*.wp، والفصل بين عدة أسماء بخط عمودي ( | ).</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>مجلد الإخراج</translation>
    </message>
    <message>
        <source>Next choose where the converted files go. The {\ul\cf13 Output Folder} field shows the folder; click {\ul\cf13 Change Folder} to choose another one. Each document is written there under its own name with &quot;.rtf&quot; added: LETTER becomes LETTER.rtf, and report.wp becomes report.wp.rtf.</source>
        <translation>بعد ذلك اختر مكان حفظ الملفات المحوّلة. يعرض حقل {\ul\cf13 مجلد الإخراج} المجلد؛ انقر {\ul\cf13 تغيير المجلد} لاختيار مجلد آخر. يُكتب كل مستند هناك باسمه مع إضافة &quot;.rtf&quot;: يصبح الملف LETTER هو LETTER.rtf، ويصبح الملف report.wp هو report.wp.rtf.</translation>
    </message>
    <message>
        <source>Options - &apos;Reverse Right to Left Parenthesis&apos;</source>
        <translation>الخيارات - &apos;عكس الأقواس في النص من اليمين إلى اليسار&apos;</translation>
    </message>
    <message>
        <source>In Hebrew and Arabic text WordPerfect stored parentheses as they look on the screen. Tick {\ul\cf13 Reverse Right to Left Parenthesis} when the parentheses of your right-to-left text come out facing the wrong way, so that &quot;(&quot; and &quot;)&quot; are exchanged in that text.</source>
        <translation>في النصوص العبرية والعربية خزّن WordPerfect الأقواس كما تظهر على الشاشة. حدّد {\ul\cf13 عكس الأقواس في النص من اليمين إلى اليسار} عندما تظهر أقواس نصك المكتوب من اليمين إلى اليسار معكوسة، ليُبدَّل القوسان &quot;(&quot; و&quot;)&quot; في ذلك النص.</translation>
    </message>
    <message>
        <source>Options - &apos;Reverse Right to Left Tab alignment&apos;</source>
        <translation>الخيارات - &apos;عكس محاذاة علامات الجدولة في النص من اليمين إلى اليسار&apos;</translation>
    </message>
    <message>
        <source>Tick {\ul\cf13 Reverse Right to Left Tab alignment} when text that you aligned at right-aligned tabs in Hebrew or Arabic paragraphs comes out on the wrong side of its tab. Tick {\ul\cf13 Convert as Right to Left Document} when the whole document reads from right to left.</source>
        <translation>حدّد {\ul\cf13 عكس محاذاة علامات الجدولة في النص من اليمين إلى اليسار} عندما يظهر نص حاذيته عند علامات جدولة محاذاة لليمين، في فقرات عبرية أو عربية، على الجانب الخطأ من علامة الجدولة. حدّد {\ul\cf13 التحويل كمستند من اليمين إلى اليسار} عندما يُقرأ المستند كله من اليمين إلى اليسار.</translation>
    </message>
    <message>
        <source>Before you convert!</source>
        <translation>قبل التحويل!</translation>
    </message>
    <message>
        <source>When you convert a document for the first time, try one file first, into a new or empty folder. Open the result in your word processor and check it; then choose the options that suit your documents and convert the rest. {\b Quorin} never overwrites a file: an older file of the same name is renamed first.</source>
        <translation>عندما تحوّل مستندًا لأول مرة، جرّب ملفًا واحدًا أولًا، في مجلد جديد أو فارغ. افتح النتيجة في معالج النصوص وافحصها؛ ثم اختر الخيارات التي تناسب مستنداتك وحوّل الباقي. لا يكتب {\b Quorin} أبدًا فوق ملف موجود: تُغيَّر أولًا تسمية الملف الأقدم الذي يحمل الاسم نفسه.</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>جارٍ التحويل...</translation>
    </message>
    <message>
        <source>Click {\ul\cf13 Convert}. A small window shows the name of each file and how far the conversion has come. You can stop at any time with {\ul\cf13 Cancel}; {\b Quorin} asks you to confirm first. A file that cannot be converted is reported, and the others are converted all the same.</source>
        <translation>انقر {\ul\cf13 تحويل}. تعرض نافذة صغيرة اسم كل ملف ومدى تقدّم التحويل. يمكنك التوقف في أي وقت بالنقر على {\ul\cf13 إلغاء}؛ يطلب منك {\b Quorin} التأكيد أولًا. يُبلَّغ عن الملف الذي يتعذّر تحويله، وتُحوَّل الملفات الأخرى رغم ذلك.</translation>
    </message>
    <message>
        <source>Font substitution</source>
        <translation>استبدال الخطوط</translation>
    </message>
    <message>
        <source>The first time {\b Quorin} meets a WordPerfect font, it asks which installed fonts should replace it: one for English text and one for Hebrew or Arabic text. {\ul\cf13 Show Windows compatible fonts} lists fonts by their letters, {\ul\cf13 Show Davka compatible fonts} lists Hebrew fonts that keep their letters in place of Latin ones, and {\ul\cf13 Show all fonts} lists every font. Your choice is remembered; {\ul\cf13 Tools | Delete FontMap} lets you choose again.</source>
        <translation>في المرة الأولى التي يصادف فيها {\b Quorin} خطًا من خطوط WordPerfect، يسألك عن الخطوط المثبّتة التي تحلّ محله: خط للنص الإنجليزي وخط للنص العبري أو العربي. يعرض {\ul\cf13 عرض الخطوط المتوافقة مع Windows} الخطوط حسب حروفها، ويعرض {\ul\cf13 عرض الخطوط المتوافقة مع دافكا} الخطوط العبرية التي تضع حروفها مكان الحروف اللاتينية، ويعرض {\ul\cf13 عرض كل الخطوط} جميع الخطوط. يُحفظ اختيارك؛ ويتيح لك {\ul\cf13 أدوات | حذف خريطة الخطوط} الاختيار من جديد.</translation>
    </message>
    <message>
        <source>Done!</source>
        <translation>انتهى!</translation>
    </message>
    <message>
        <source>That is all! Your converted files are waiting in the output folder. Open them in your word processor, or ask for Word documents with {\ul\cf13 Convert to Microsoft Word}. Click {\ul\cf13 Finish} to close this tutorial; you can open it again from {\ul\cf13 Help | Tutorial}.</source>
        <translation>هذا كل شيء! ملفاتك المحوّلة في انتظارك في مجلد الإخراج. افتحها في معالج النصوص، أو اطلب مستندات Word عبر {\ul\cf13 التحويل إلى مستند Microsoft Word}. انقر {\ul\cf13 إنهاء} لإغلاق هذا الدليل؛ ويمكنك فتحه مرة أخرى من {\ul\cf13 تعليمات | الدليل التعليمي}.</translation>
    </message>
</context>
<context>
    <name>quorin::CAboutDlg</name>
    <message>
        <source>About Quorin</source>
        <translation>حول Quorin</translation>
    </message>
    <message>
        <source>Quorin Version %1</source>
        <translation>الإصدار %1 من Quorin</translation>
    </message>
    <message>
        <source>For technical support please write to:</source>
        <translation>للدعم الفني يُرجى الكتابة إلى:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>quorin::CFontSelectDialog</name>
    <message>
        <source>Select Font</source>
        <translation>اختيار خط</translation>
    </message>
    <message>
        <source>Choose an installed font to substitute for the following font used in WordPerfect.
Choose a replacement font for English text, and a replacement for Arabic or Hebrew text.</source>
        <translation>اختر خطًا مثبّتًا ليحلّ محل الخط التالي المستخدم في WordPerfect.
اختر خطًا بديلًا للنص الإنجليزي، وخطًا بديلًا للنص العربي أو العبري.</translation>
    </message>
    <message>
        <source>Some extended characters require a &quot;Unicode&quot; font, such as &quot;DejaVu Sans&quot;.
Be sure that the replacement font is compatible with your WordProcessor.</source>
        <translation>تتطلب بعض الأحرف الموسّعة خطًا يدعم &quot;Unicode&quot;، مثل &quot;DejaVu Sans&quot;.
تأكد من أن الخط البديل متوافق مع معالج النصوص لديك.</translation>
    </message>
    <message>
        <source>&amp;English Font</source>
        <translation>خط النص الإن&amp;جليزي</translation>
    </message>
    <message>
        <source>Show &amp;Windows compatible fonts</source>
        <translation>عرض الخطوط ال&amp;متوافقة مع Windows</translation>
    </message>
    <message>
        <source>Show &amp;Davka compatible fonts</source>
        <translation>عرض الخطوط المتوافقة مع &amp;دافكا</translation>
    </message>
    <message>
        <source>Show &amp;all fonts</source>
        <translation>عرض &amp;كل الخطوط</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>He&amp;brew</source>
        <translation>ال&amp;عبرية</translation>
    </message>
    <message>
        <source>A&amp;rabic</source>
        <translation>العر&amp;بية</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
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
        <source>&amp;Help</source>
        <translation>&amp;تعليمات</translation>
    </message>
    <message>
        <source>Arabic &amp;Font</source>
        <translation>&amp;خط النص العربي</translation>
    </message>
    <message>
        <source>Hebrew &amp;Font</source>
        <translation>&amp;خط النص العبري</translation>
    </message>
    <message>
        <source> This option removes all previous Font mapping, so that
you will be prompted next time to verify font substitutions.
		Proceed?</source>
        <translation>يزيل هذا الخيار كل تعيينات الخطوط السابقة، بحيث
يُطلب منك في المرة القادمة تأكيد استبدال الخطوط.
		هل تريد المتابعة؟</translation>
    </message>
</context>
<context>
    <name>quorin::CProgressDlg</name>
    <message>
        <source>Converting...</source>
        <translation>جارٍ التحويل...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>quorin::CQuorinDlg</name>
    <message>
        <source>Enter file name(s)</source>
        <translation>أدخل اسم ملف أو أكثر</translation>
    </message>
    <message>
        <source>File &amp;Name(s)</source>
        <translation>أسماء ال&amp;ملفات</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>ا&amp;ستعراض...</translation>
    </message>
    <message>
        <source>Browse to select the files to convert</source>
        <translation>استعرض لاختيار الملفات المراد تحويلها</translation>
    </message>
    <message>
        <source>Click &apos;Change Folder&apos; to choose your output folder</source>
        <translation>انقر &apos;تغيير المجلد&apos; لاختيار مجلد الإخراج</translation>
    </message>
    <message>
        <source>&amp;Output Folder</source>
        <translation>مجلد الإ&amp;خراج</translation>
    </message>
    <message>
        <source>C&amp;hange Folder</source>
        <translation>ت&amp;غيير المجلد</translation>
    </message>
    <message>
        <source>Choose your output folder</source>
        <translation>اختر مجلد الإخراج</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Convert to Microsoft &amp;Word</source>
        <translation>التحويل إلى مست&amp;ند Microsoft Word</translation>
    </message>
    <message>
        <source>Convert To Word document rather than to RTF</source>
        <translation>التحويل إلى مستند Word بدلًا من RTF</translation>
    </message>
    <message>
        <source>&amp;Reverse Right to Left Parenthesis</source>
        <translation>&amp;عكس الأقواس في النص من اليمين إلى اليسار</translation>
    </message>
    <message>
        <source>Reverse the parenthesis direction when converting</source>
        <translation>عكس اتجاه الأقواس عند التحويل</translation>
    </message>
    <message>
        <source>Reverse Right to Left &amp;Tab alignment</source>
        <translation>عكس م&amp;حاذاة علامات الجدولة في النص من اليمين إلى اليسار</translation>
    </message>
    <message>
        <source>Select if &apos;Flush Right&apos; text does not convert correctly</source>
        <translation>حدّد هذا الخيار إذا لم يُحوَّل النص المحاذى إلى اليمين بشكل صحيح</translation>
    </message>
    <message>
        <source>Con&amp;vert as Right to Left Document</source>
        <translation>التحويل كمستند من اليمين إلى ال&amp;يسار</translation>
    </message>
    <message>
        <source>Document is mainly right-to-left</source>
        <translation>المستند مكتوب في معظمه من اليمين إلى اليسار</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;تحويل</translation>
    </message>
    <message>
        <source>Start the conversion process</source>
        <translation>بدء عملية التحويل</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>خ&amp;روج</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>الخروج من البرنامج</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>مل&amp;ف</translation>
    </message>
    <message>
        <source>Tools</source>
        <extracomment>The Tools menu: without an Alt key where its letter is a control&apos;s.</extracomment>
        <translation>&amp;أدوات</translation>
    </message>
    <message>
        <source>&amp;Delete FontMap</source>
        <translation>&amp;حذف خريطة الخطوط</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The Help menu: without an Alt key where its letter is a control&apos;s.</extracomment>
        <translation>تع&amp;ليمات</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;موضوعات التعليمات</translation>
    </message>
    <message>
        <source>&amp;Tip of the day</source>
        <translation>&amp;تلميح اليوم</translation>
    </message>
    <message>
        <source>T&amp;utorial</source>
        <translation>ال&amp;دليل التعليمي</translation>
    </message>
    <message>
        <source>&amp;About Quorin...</source>
        <translation>&amp;حول Quorin...</translation>
    </message>
    <message>
        <source>LibreOffice (soffice) is needed to write Word documents and was not found!</source>
        <translation>يلزم LibreOffice (soffice)‎ لكتابة مستندات Word، ولم يُعثر عليه!</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>WordPerfect Files (*)</source>
        <translation>ملفات WordPerfect (*)</translation>
    </message>
    <message>
        <source>Choose a folder for your new files</source>
        <translation>اختر مجلدًا لملفاتك الجديدة</translation>
    </message>
</context>
<context>
    <name>quorin::CStartupTipsDlg</name>
    <message>
        <source>Quorin includes a step by step tutorial to teach you the conversion process. Just click on &apos;View tutorial&apos;, or select &apos;Help | Tutorial&apos; from the main screen. You can even follow along while viewing the tutorial.</source>
        <translation>يتضمن Quorin دليلًا تعليميًا خطوة بخطوة يعلّمك عملية التحويل. فقط انقر &apos;عرض الدليل التعليمي&apos;، أو اختر &apos;تعليمات | الدليل التعليمي&apos; من النافذة الرئيسية. يمكنك حتى تنفيذ الخطوات أثناء مشاهدة الدليل.</translation>
    </message>
    <message>
        <source>Quorin can convert multiple files at a time. You can select multiple files either by using wildcards, or by clicking on &apos;Browse&apos; and holding down on the &apos;Ctrl&apos; or &apos;Shift&apos; key while selecting your files.</source>
        <translation>يستطيع Quorin تحويل عدة ملفات دفعة واحدة. يمكنك اختيار عدة ملفات إما باستخدام أحرف البدل، أو بالنقر على &apos;استعراض&apos; مع الضغط باستمرار على المفتاح &apos;Ctrl&apos; أو &apos;Shift&apos; أثناء اختيار الملفات.</translation>
    </message>
    <message>
        <source>Many word-processor programs can convert (import) multiple RTF files at a time. For instructions, search your word-processor&apos;s help documentation for &apos;convert multiple files&apos;.</source>
        <translation>تستطيع برامج كثيرة لمعالجة النصوص تحويل (استيراد) عدة ملفات RTF دفعة واحدة. للإرشادات، ابحث في وثائق التعليمات الخاصة بمعالج النصوص عن &apos;تحويل عدة ملفات&apos;.</translation>
    </message>
    <message>
        <source>When converting multiple files, it is suggested that you output them to a new or empty folder. The folder chooser that opens when you click on &apos;Change Folder&apos; lets you create a new output folder.</source>
        <translation>عند تحويل عدة ملفات، يُستحسن حفظها في مجلد جديد أو فارغ. يتيح لك منتقي المجلدات الذي يُفتح عند النقر على &apos;تغيير المجلد&apos; إنشاء مجلد إخراج جديد.</translation>
    </message>
    <message>
        <source>You can change your choice of font substitution by deleting the fontmap. You delete the fontmap by choosing &apos;Tools | Delete FontMap&apos; from the main screen. Thus subsequent conversions will prompt you for your new choice of font substitution.</source>
        <translation>يمكنك تغيير اختيارك لاستبدال الخطوط بحذف خريطة الخطوط. تحذف خريطة الخطوط باختيار &apos;أدوات | حذف خريطة الخطوط&apos; من النافذة الرئيسية. وهكذا ستسألك عمليات التحويل اللاحقة عن اختيارك الجديد لاستبدال الخطوط.</translation>
    </message>
    <message>
        <source>Quorin will not overwrite a previous file with the same name, but it will rename it with a unique name. To prevent this, you should first delete any previous output file before you reconvert a file.</source>
        <translation>لن يكتب Quorin فوق ملف سابق يحمل الاسم نفسه، بل سيعيد تسميته باسم فريد. لتجنّب ذلك، احذف أولًا أي ملف إخراج سابق قبل أن تعيد تحويل ملف.</translation>
    </message>
    <message>
        <source>Some programs do not fully import all RTF attributes. Therefore if you find that your new document lost some of it&apos;s original formatting, it might be the fault of your word-processors. You can sometimes get around this by setting your program&apos;s defaults to the missing attribute before importing your files.</source>
        <translation>لا تستورد بعض البرامج كل سمات RTF بالكامل. لذلك إذا وجدت أن مستندك الجديد فقد بعض تنسيقه الأصلي، فقد يكون الخلل في معالج النصوص. يمكنك أحيانًا تجاوز ذلك بضبط الإعدادات الافتراضية لبرنامجك على السمة المفقودة قبل استيراد ملفاتك.</translation>
    </message>
    <message>
        <source>A file in Rich Text Format (RTF) is an ASCII text file, with a lot of markup code, and can be read with any text reader such as gedit. Therefore you can do with it many things that might not be possible otherwise. For example: you can Search and Replace &apos;Bold&apos; {\bo} for &apos;Italic&apos; {\i}. The full description of RTF is published by Microsoft on its web site: search there for &apos;Rich Text Format&apos;.</source>
        <translation>ملف Rich Text Format (RTF)‎ هو ملف نصي بترميز ASCII يحوي الكثير من شيفرات التنسيق، ويمكن قراءته بأي عارض نصوص مثل gedit. لذلك يمكنك أن تفعل به أشياء كثيرة قد لا تكون ممكنة بغير ذلك. مثلًا: يمكنك البحث عن &apos;غامق&apos; {\bo} واستبداله بـ &apos;مائل&apos; {\i}. تنشر Microsoft الوصف الكامل لتنسيق RTF على موقعها: ابحث هناك عن &apos;Rich Text Format&apos;.</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>هل تعلم...</translation>
    </message>
    <message>
        <source>Tip of the day</source>
        <translation>تلميح اليوم</translation>
    </message>
    <message>
        <source>&amp;Show tips at startup</source>
        <translation>إظهار التلميحات عند ال&amp;بدء</translation>
    </message>
    <message>
        <source>&amp;View tutorial</source>
        <translation>&amp;عرض الدليل التعليمي</translation>
    </message>
    <message>
        <source>&amp;Next tip</source>
        <translation>التلميح ال&amp;تالي</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
</context>
<context>
    <name>quorin::CTutorialDlg</name>
    <message>
        <source>Tutorial</source>
        <translation>الدليل التعليمي</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; السابق</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>ال&amp;تالي &gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>إن&amp;هاء</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إل&amp;غاء</translation>
    </message>
</context>
<context>
    <name>quorin::CWarningBox</name>
    <message>
        <source>Warning!</source>
        <translation>تحذير!</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;قبول</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إل&amp;غاء</translation>
    </message>
    <message>
        <source>This Program is still under development! No responsibility whatsoever is taken by the Developer for any damage caused by this program whether direct or indirect. Use at your own risk!</source>
        <translation>هذا البرنامج لا يزال قيد التطوير! لا يتحمّل المطوّر أي مسؤولية عن أي ضرر يسبّبه هذا البرنامج، سواء أكان مباشرًا أم غير مباشر. استخدمه على مسؤوليتك الخاصة!</translation>
    </message>
</context>
</TS>
