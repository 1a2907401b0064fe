<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>Messages</name>
    <message>
        <source>Error!</source>
        <translation>שגיאה!</translation>
    </message>
    <message>
        <source>Error opening &quot;%1&quot;!</source>
        <translation>שגיאה בפתיחת &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>Memory error!</source>
        <translation>שגיאת זיכרון!</translation>
    </message>
    <message>
        <source>Canceled!</source>
        <translation>בוטל!</translation>
    </message>
    <message>
        <source>Notice!</source>
        <translation>הודעה!</translation>
    </message>
    <message>
        <source>Cancel?</source>
        <translation>לבטל?</translation>
    </message>
    <message>
        <source>File Name?</source>
        <translation>שם קובץ?</translation>
    </message>
    <message>
        <source>Attention!</source>
        <translation>לתשומת לבך!</translation>
    </message>
    <message>
        <source>User Canceled!    </source>
        <translation>בוטל על ידי המשתמש!</translation>
    </message>
    <message>
        <source>Do You Really want to cancel?</source>
        <translation>האם לבטל את ההמרה?</translation>
    </message>
    <message>
        <source>Not enough memory!</source>
        <translation>אין די זיכרון!</translation>
    </message>
    <message>
        <source>You have to give an INFILE name!</source>
        <translation>יש לציין שם של קובץ קלט!</translation>
    </message>
    <message>
        <source>You have to give an OUTFILE name!</source>
        <translation>יש לציין תיקיית פלט!</translation>
    </message>
    <message>
        <source>You can choose multiple files by holding down the</source>
        <translation>ניתן לבחור כמה קבצים יחד בלחיצה ממושכת</translation>
    </message>
    <message>
        <source>&quot;Ctrl&quot; or &quot;Shift&quot; key while selecting your files!</source>
        <translation>על מקש &quot;Ctrl&quot; או &quot;Shift&quot; בעת בחירת הקבצים!</translation>
    </message>
    <message>
        <source>Not all Davka fonts convert correctly. If you don&apos;t get the</source>
        <translation>לא כל גופני דבקה מומרים כראוי. אם התוצאה</translation>
    </message>
    <message>
        <source>results you expected, try converting using a different font.</source>
        <translation>אינה כמצופה, נסו להמיר בגופן אחר.</translation>
    </message>
    <message>
        <source>Choose  &quot;Tools  |  Delete FontMap&quot;  and then convert</source>
        <translation>בחרו  &quot;כלים  |  מחיקת מפת הגופנים&quot;  והמירו</translation>
    </message>
    <message>
        <source>again using a different font.</source>
        <translation>שוב בגופן אחר.</translation>
    </message>
    <message>
        <source>Document is not a WordPerfect 5.X Document!</source>
        <translation>המסמך אינו מסמך WordPerfect 5.X!</translation>
    </message>
    <message>
        <source>Document is not a standard WordPerfect 5.X Document!</source>
        <translation>המסמך אינו מסמך WordPerfect 5.X תקני!</translation>
    </message>
    <message>
        <source>Error in file!</source>
        <translation>שגיאה בקובץ!</translation>
    </message>
    <message>
        <source>Document is protected by a password!</source>
        <translation>המסמך מוגן בסיסמה!</translation>
    </message>
    <message>
        <source>LibreOffice (soffice) is needed to write Word documents, and it was not found: the RTF files are kept.</source>
        <translation>כדי לכתוב מסמכי Word נדרש LibreOffice (soffice)‎, והוא לא נמצא: קובצי ה-RTF נשמרים.</translation>
    </message>
    <message>
        <source>Can&apos;t find file(s) &quot;%1&quot;!</source>
        <translation>לא נמצאו קבצים בשם &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>Error opening file &quot;%1&quot;!</source>
        <translation>שגיאה בפתיחת הקובץ &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>Error writing to file &quot;%1&quot;!</source>
        <translation>שגיאה בכתיבה לקובץ &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>Error backing up file: &quot;%1&quot;!</source>
        <translation>שגיאה בגיבוי הקובץ: &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>Skipping file: &quot;%1&quot;!</source>
        <translation>הקובץ מדולג: &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>An error has occured while converting &quot;%1&quot;!</source>
        <translation>אירעה שגיאה בהמרת &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder: -R converts the files in its tree!</source>
        <translation>&quot;%1&quot; היא תיקייה: ⁦-R⁩ ממיר את הקבצים שבעץ שלה!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty: there is nothing to convert!</source>
        <translation>&quot;%1&quot; ריק: אין מה להמיר!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file: -f - reads standard input!</source>
        <translation>&quot;%1&quot; אינו קובץ רגיל: ⁦-f -⁩ קורא מהקלט התקני!</translation>
    </message>
    <message>
        <source>Output file exists: &quot;%1&quot;!</source>
        <translation>קובץ הפלט קיים: &quot;%1&quot;!</translation>
    </message>
    <message>
        <source>Error converting to %1: &quot;%2&quot;!</source>
        <translation>שגיאה בהמרה ל-%1: &quot;%2&quot;!</translation>
    </message>
    <message>
        <source>Document is protected by a password: the password given is wrong!</source>
        <translation>המסמך מוגן בסיסמה: הסיסמה שניתנה שגויה!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to nothing: its target does not exist!</source>
        <translation>&quot;%1&quot; הוא קישור לשום מקום: היעד שלו אינו קיים!</translation>
    </message>
    <message>
        <source>LibreOffice ran out of time (%1 second): &quot;%2&quot; was not converted!</source>
        <translation>הזמן שהוקצב ל-LibreOffice תם (שנייה %1): &quot;%2&quot; לא הומר!</translation>
    </message>
    <message>
        <source>LibreOffice ran out of time (%1 seconds): &quot;%2&quot; was not converted!</source>
        <translation>הזמן שהוקצב ל-LibreOffice תם (%1 שניות): &quot;%2&quot; לא הומר!</translation>
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
            <numerusform>הומרו: %n</numerusform>
            <numerusform>הומרו: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>נכשלו: %n</numerusform>
            <numerusform>נכשלו: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped (empty)</source>
        <translation>
            <numerusform>דולגו (ריקים): %n</numerusform>
            <numerusform>דולגו (ריקים): %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped (output exists)</source>
        <translation>
            <numerusform>דולגו (הפלט קיים): %n</numerusform>
            <numerusform>דולגו (הפלט קיים): %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n protected</source>
        <translation>
            <numerusform>מוגנים: %n</numerusform>
            <numerusform>מוגנים: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not converted (cancelled)</source>
        <translation>
            <numerusform>לא הומרו (בוטל): %n</numerusform>
            <numerusform>לא הומרו (בוטל): %n</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of the summary line.</extracomment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <source>Welcome to Quorin!</source>
        <translation>ברוכים הבאים ל-Quorin!</translation>
    </message>
    <message>
        <source>{\b Quorin} converts documents written with WordPerfect 5.0 and 5.1 into Rich Text Format (RTF) files, which today&apos;s word processors open, and, if you wish, into Word documents. This tutorial takes you through one conversion, step by step. Keep the main window beside it: you can even follow along while you read. Click {\ul\cf13 Next &gt;} to go on.</source>
        <translation>{\b Quorin} ממיר מסמכים שנכתבו ב-WordPerfect 5.0 ו-5.1 לקובצי Rich Text Format (RTF)‎, שמעבדי התמלילים של היום פותחים, ולפי בקשתכם גם למסמכי Word. מדריך זה מוביל אתכם צעד אחר צעד בהמרה אחת. השאירו את החלון הראשי לצדו: תוכלו אפילו לבצע את הצעדים תוך כדי קריאה. לחצו על {\ul\cf13 הבא &gt;} כדי להמשיך.</translation>
    </message>
    <message>
        <source>File name(s)</source>
        <translation>שמות קבצים</translation>
    </message>
    <message>
        <source>First tell {\b Quorin} which documents to convert. Type a file name into the {\ul\cf13 File Name(s)} field, or click {\ul\cf13 Browse...} and pick one or more files; hold down the &apos;Ctrl&apos; or &apos;Shift&apos; key to pick several. You may also type wildcards, such as letters/*.wp, and separate several names with a bar ( | ).</source>
        <translation>תחילה ציינו ל-{\b Quorin} אילו מסמכים להמיר. הקלידו שם קובץ בשדה {\ul\cf13 שמות קבצים}, או לחצו על {\ul\cf13 עיון...} ובחרו קובץ אחד או יותר; כדי לבחור כמה קבצים, החזיקו את מקש &apos;Ctrl&apos; או &apos;Shift&apos;. אפשר גם להקליד תווים כלליים, כמו letters/*.wp, ולהפריד בין כמה שמות בקו אנכי ( | ).</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>תיקיית פלט</translation>
    </message>
    <message>
        <source>Next choose where the converted files go. The {\ul\cf13 Output Folder} field shows the folder; click {\ul\cf13 Change Folder} to choose another one. Each document is written there under its own name with &quot;.rtf&quot; added: LETTER becomes LETTER.rtf, and report.wp becomes report.wp.rtf.</source>
        <translation>לאחר מכן בחרו לאן יישמרו הקבצים המומרים. השדה {\ul\cf13 תיקיית פלט} מציג את התיקייה; לחצו על {\ul\cf13 החלפת תיקייה} כדי לבחור תיקייה אחרת. כל מסמך נכתב שם בשמו שלו בתוספת &quot;.rtf&quot;: הקובץ LETTER הופך ל-LETTER.rtf, והקובץ report.wp הופך ל-report.wp.rtf.</translation>
    </message>
    <message>
        <source>Options - &apos;Reverse Right to Left Parenthesis&apos;</source>
        <translation>אפשרויות - &apos;היפוך סוגריים בטקסט מימין לשמאל&apos;</translation>
    </message>
    <message>
        <source>In Hebrew and Arabic text WordPerfect stored parentheses as they look on the screen. Tick {\ul\cf13 Reverse Right to Left Parenthesis} when the parentheses of your right-to-left text come out facing the wrong way, so that &quot;(&quot; and &quot;)&quot; are exchanged in that text.</source>
        <translation>בטקסט עברי וערבי שמר WordPerfect את הסוגריים כפי שהם נראים על המסך. סמנו את {\ul\cf13 היפוך סוגריים בטקסט מימין לשמאל} כשהסוגריים בטקסט מימין לשמאל מופיעים הפוכים, כדי שהתווים &quot;(&quot; ו-&quot;)&quot; יוחלפו זה בזה בטקסט זה.</translation>
    </message>
    <message>
        <source>Options - &apos;Reverse Right to Left Tab alignment&apos;</source>
        <translation>אפשרויות - &apos;היפוך יישור טאבים בטקסט מימין לשמאל&apos;</translation>
    </message>
    <message>
        <source>Tick {\ul\cf13 Reverse Right to Left Tab alignment} when text that you aligned at right-aligned tabs in Hebrew or Arabic paragraphs comes out on the wrong side of its tab. Tick {\ul\cf13 Convert as Right to Left Document} when the whole document reads from right to left.</source>
        <translation>סמנו את {\ul\cf13 היפוך יישור טאבים בטקסט מימין לשמאל} כשטקסט שיישרתם לטאבים המיושרים לימין, בפסקאות בעברית או בערבית, מופיע בצד הלא נכון של הטאב. סמנו את {\ul\cf13 המרה כמסמך מימין לשמאל} כשהמסמך כולו נקרא מימין לשמאל.</translation>
    </message>
    <message>
        <source>Before you convert!</source>
        <translation>לפני ההמרה!</translation>
    </message>
    <message>
        <source>When you convert a document for the first time, try one file first, into a new or empty folder. Open the result in your word processor and check it; then choose the options that suit your documents and convert the rest. {\b Quorin} never overwrites a file: an older file of the same name is renamed first.</source>
        <translation>כשאתם ממירים מסמך בפעם הראשונה, נסו תחילה קובץ אחד, לתוך תיקייה חדשה או ריקה. פתחו את התוצאה במעבד התמלילים ובדקו אותה; אחר כך בחרו את האפשרויות המתאימות למסמכים שלכם והמירו את השאר. {\b Quorin} אף פעם אינו דורס קובץ: קודם משתנה שמו של קובץ ישן באותו שם.</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>ממיר...</translation>
    </message>
    <message>
        <source>Click {\ul\cf13 Convert}. A small window shows the name of each file and how far the conversion has come. You can stop at any time with {\ul\cf13 Cancel}; {\b Quorin} asks you to confirm first. A file that cannot be converted is reported, and the others are converted all the same.</source>
        <translation>לחצו על {\ul\cf13 המר}. חלון קטן מציג את שם כל קובץ ועד כמה התקדמה ההמרה. אפשר לעצור בכל עת בלחיצה על {\ul\cf13 ביטול}; {\b Quorin} מבקש אישור קודם. על קובץ שאי אפשר להמיר מתקבל דיווח, ושאר הקבצים מומרים בכל זאת.</translation>
    </message>
    <message>
        <source>Font substitution</source>
        <translation>החלפת גופנים</translation>
    </message>
    <message>
        <source>The first time {\b Quorin} meets a WordPerfect font, it asks which installed fonts should replace it: one for English text and one for Hebrew or Arabic text. {\ul\cf13 Show Windows compatible fonts} lists fonts by their letters, {\ul\cf13 Show Davka compatible fonts} lists Hebrew fonts that keep their letters in place of Latin ones, and {\ul\cf13 Show all fonts} lists every font. Your choice is remembered; {\ul\cf13 Tools | Delete FontMap} lets you choose again.</source>
        <translation>בפעם הראשונה ש-{\b Quorin} נתקל בגופן של WordPerfect, הוא שואל אילו גופנים מותקנים יחליפו אותו: אחד לטקסט באנגלית ואחד לטקסט בעברית או בערבית. {\ul\cf13 הצגת גופנים תואמי Windows} מציג גופנים לפי האותיות שבהם, {\ul\cf13 הצגת גופנים תואמי דבקה} מציג גופנים עבריים שאותיותיהם נמצאות במקום האותיות הלטיניות, ו-{\ul\cf13 הצגת כל הגופנים} מציג את כל הגופנים. הבחירה שלכם נשמרת; {\ul\cf13 כלים | מחיקת מפת הגופנים} מאפשר לבחור מחדש.</translation>
    </message>
    <message>
        <source>Done!</source>
        <translation>סיימנו!</translation>
    </message>
    <message>
        <source>That is all! Your converted files are waiting in the output folder. Open them in your word processor, or ask for Word documents with {\ul\cf13 Convert to Microsoft Word}. Click {\ul\cf13 Finish} to close this tutorial; you can open it again from {\ul\cf13 Help | Tutorial}.</source>
        <translation>זה הכול! הקבצים המומרים ממתינים בתיקיית הפלט. פתחו אותם במעבד התמלילים, או בקשו מסמכי Word בעזרת {\ul\cf13 המרה למסמך Microsoft Word}. לחצו על {\ul\cf13 סיום} כדי לסגור את המדריך; אפשר לפתוח אותו שוב מתפריט {\ul\cf13 עזרה | מדריך}.</translation>
    </message>
</context>
<context>
    <name>quorin::CAboutDlg</name>
    <message>
        <source>About Quorin</source>
        <translation>אודות Quorin</translation>
    </message>
    <message>
        <source>Quorin Version %1</source>
        <translation>גרסה %1 של Quorin</translation>
    </message>
    <message>
        <source>For technical support please write to:</source>
        <translation>לתמיכה טכנית כתבו אל:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
</context>
<context>
    <name>quorin::CFontSelectDialog</name>
    <message>
        <source>Select Font</source>
        <translation>בחירת גופן</translation>
    </message>
    <message>
        <source>Choose an installed font to substitute for the following font used in WordPerfect.
Choose a replacement font for English text, and a replacement for Arabic or Hebrew text.</source>
        <translation>בחרו גופן מותקן שיחליף את הגופן הבא, שבו נעשה שימוש ב-WordPerfect.
בחרו גופן חלופי לטקסט באנגלית, וגופן חלופי לטקסט בערבית או בעברית.</translation>
    </message>
    <message>
        <source>Some extended characters require a &quot;Unicode&quot; font, such as &quot;DejaVu Sans&quot;.
Be sure that the replacement font is compatible with your WordProcessor.</source>
        <translation>חלק מהתווים המורחבים דורשים גופן &quot;Unicode&quot;, כגון &quot;DejaVu Sans&quot;.
ודאו שהגופן החלופי מתאים למעבד התמלילים שלכם.</translation>
    </message>
    <message>
        <source>&amp;English Font</source>
        <translation>גופן ל&amp;אנגלית</translation>
    </message>
    <message>
        <source>Show &amp;Windows compatible fonts</source>
        <translation>הצגת גופנים &amp;תואמי Windows</translation>
    </message>
    <message>
        <source>Show &amp;Davka compatible fonts</source>
        <translation>הצגת גופנים תואמי &amp;דבקה</translation>
    </message>
    <message>
        <source>Show &amp;all fonts</source>
        <translation>הצגת &amp;כל הגופנים</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>He&amp;brew</source>
        <translation>&amp;עברית</translation>
    </message>
    <message>
        <source>A&amp;rabic</source>
        <translation>ע&amp;רבית</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>שפה</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ע&amp;זרה</translation>
    </message>
    <message>
        <source>Arabic &amp;Font</source>
        <translation>&amp;גופן לערבית</translation>
    </message>
    <message>
        <source>Hebrew &amp;Font</source>
        <translation>&amp;גופן לעברית</translation>
    </message>
    <message>
        <source> This option removes all previous Font mapping, so that
you will be prompted next time to verify font substitutions.
		Proceed?</source>
        <translation>אפשרות זו מוחקת את כל מיפויי הגופנים הקודמים, כך
שבפעם הבאה תתבקשו לאשר את החלפות הגופנים.
		להמשיך?</translation>
    </message>
</context>
<context>
    <name>quorin::CProgressDlg</name>
    <message>
        <source>Converting...</source>
        <translation>ממיר...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>quorin::CQuorinDlg</name>
    <message>
        <source>Enter file name(s)</source>
        <translation>הזינו שם קובץ אחד או יותר</translation>
    </message>
    <message>
        <source>File &amp;Name(s)</source>
        <translation>&amp;שמות קבצים</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;עיון...</translation>
    </message>
    <message>
        <source>Browse to select the files to convert</source>
        <translation>עיון לבחירת הקבצים להמרה</translation>
    </message>
    <message>
        <source>Click &apos;Change Folder&apos; to choose your output folder</source>
        <translation>לחצו על &apos;החלפת תיקייה&apos; כדי לבחור את תיקיית הפלט</translation>
    </message>
    <message>
        <source>&amp;Output Folder</source>
        <translation>תיקיית &amp;פלט</translation>
    </message>
    <message>
        <source>C&amp;hange Folder</source>
        <translation>החלפת &amp;תיקייה</translation>
    </message>
    <message>
        <source>Choose your output folder</source>
        <translation>בחירת תיקיית הפלט</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>Convert to Microsoft &amp;Word</source>
        <translation>המרה ל&amp;מסמך Microsoft Word</translation>
    </message>
    <message>
        <source>Convert To Word document rather than to RTF</source>
        <translation>המרה למסמך Word במקום ל-RTF</translation>
    </message>
    <message>
        <source>&amp;Reverse Right to Left Parenthesis</source>
        <translation>היפוך &amp;סוגריים בטקסט מימין לשמאל</translation>
    </message>
    <message>
        <source>Reverse the parenthesis direction when converting</source>
        <translation>היפוך כיוון הסוגריים בעת ההמרה</translation>
    </message>
    <message>
        <source>Reverse Right to Left &amp;Tab alignment</source>
        <translation>היפוך יישור &amp;טאבים בטקסט מימין לשמאל</translation>
    </message>
    <message>
        <source>Select if &apos;Flush Right&apos; text does not convert correctly</source>
        <translation>סמנו אם טקסט המיושר לימין אינו מומר כראוי</translation>
    </message>
    <message>
        <source>Con&amp;vert as Right to Left Document</source>
        <translation>המרה &amp;כמסמך מימין לשמאל</translation>
    </message>
    <message>
        <source>Document is mainly right-to-left</source>
        <translation>המסמך כתוב ברובו מימין לשמאל</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;המר</translation>
    </message>
    <message>
        <source>Start the conversion process</source>
        <translation>התחלת ההמרה</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>יציאה מהתוכנית</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;קובץ</translation>
    </message>
    <message>
        <source>Tools</source>
        <extracomment>The Tools menu: without an Alt key where its letter is a control&apos;s.</extracomment>
        <translation>כ&amp;לים</translation>
    </message>
    <message>
        <source>&amp;Delete FontMap</source>
        <translation>&amp;מחיקת מפת הגופנים</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>The Help menu: without an Alt key where its letter is a control&apos;s.</extracomment>
        <translation>ע&amp;זרה</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;נושאי עזרה</translation>
    </message>
    <message>
        <source>&amp;Tip of the day</source>
        <translation>&amp;עצת היום</translation>
    </message>
    <message>
        <source>T&amp;utorial</source>
        <translation>&amp;מדריך</translation>
    </message>
    <message>
        <source>&amp;About Quorin...</source>
        <translation>&amp;אודות Quorin...</translation>
    </message>
    <message>
        <source>LibreOffice (soffice) is needed to write Word documents and was not found!</source>
        <translation>כדי לכתוב מסמכי Word נדרש LibreOffice (soffice)‎, והוא לא נמצא!</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>פתיחה</translation>
    </message>
    <message>
        <source>WordPerfect Files (*)</source>
        <translation>קובצי WordPerfect (*)</translation>
    </message>
    <message>
        <source>Choose a folder for your new files</source>
        <translation>בחירת תיקייה לקבצים החדשים</translation>
    </message>
</context>
<context>
    <name>quorin::CStartupTipsDlg</name>
    <message>
        <source>Quorin includes a step by step tutorial to teach you the conversion process. Just click on &apos;View tutorial&apos;, or select &apos;Help | Tutorial&apos; from the main screen. You can even follow along while viewing the tutorial.</source>
        <translation>Quorin כולל מדריך, צעד אחר צעד, שמלמד את תהליך ההמרה. פשוט לחצו על &apos;צפייה במדריך&apos;, או בחרו &apos;עזרה | מדריך&apos; בחלון הראשי. אפשר אפילו לבצע את הצעדים בזמן הצפייה במדריך.</translation>
    </message>
    <message>
        <source>Quorin can convert multiple files at a time. You can select multiple files either by using wildcards, or by clicking on &apos;Browse&apos; and holding down on the &apos;Ctrl&apos; or &apos;Shift&apos; key while selecting your files.</source>
        <translation>Quorin יכול להמיר כמה קבצים בבת אחת. אפשר לבחור כמה קבצים בעזרת תווים כלליים, או בלחיצה על &apos;עיון&apos; והחזקת מקש &apos;Ctrl&apos; או &apos;Shift&apos; בזמן בחירת הקבצים.</translation>
    </message>
    <message>
        <source>Many word-processor programs can convert (import) multiple RTF files at a time. For instructions, search your word-processor&apos;s help documentation for &apos;convert multiple files&apos;.</source>
        <translation>מעבדי תמלילים רבים יכולים להמיר (לייבא) כמה קובצי RTF בבת אחת. להוראות, חפשו בתיעוד העזרה של מעבד התמלילים &apos;המרת קבצים מרובים&apos;.</translation>
    </message>
    <message>
        <source>When converting multiple files, it is suggested that you output them to a new or empty folder. The folder chooser that opens when you click on &apos;Change Folder&apos; lets you create a new output folder.</source>
        <translation>כשממירים קבצים רבים, מומלץ לשמור אותם בתיקייה חדשה או ריקה. בוחר התיקיות שנפתח בלחיצה על &apos;החלפת תיקייה&apos; מאפשר ליצור תיקיית פלט חדשה.</translation>
    </message>
    <message>
        <source>You can change your choice of font substitution by deleting the fontmap. You delete the fontmap by choosing &apos;Tools | Delete FontMap&apos; from the main screen. Thus subsequent conversions will prompt you for your new choice of font substitution.</source>
        <translation>אפשר לשנות את בחירת הגופנים החלופיים על ידי מחיקת מפת הגופנים. מוחקים את מפת הגופנים בבחירת &apos;כלים | מחיקת מפת הגופנים&apos; בחלון הראשי. כך ההמרות הבאות ישאלו שוב אילו גופנים להחליף.</translation>
    </message>
    <message>
        <source>Quorin will not overwrite a previous file with the same name, but it will rename it with a unique name. To prevent this, you should first delete any previous output file before you reconvert a file.</source>
        <translation>Quorin אינו דורס קובץ קודם באותו שם, אלא משנה את שמו לשם ייחודי. כדי למנוע זאת, מחקו תחילה כל קובץ פלט קודם לפני שתמירו קובץ מחדש.</translation>
    </message>
    <message>
        <source>Some programs do not fully import all RTF attributes. Therefore if you find that your new document lost some of it&apos;s original formatting, it might be the fault of your word-processors. You can sometimes get around this by setting your program&apos;s defaults to the missing attribute before importing your files.</source>
        <translation>יש תוכניות שאינן מייבאות את כל מאפייני ה-RTF. לכן, אם המסמך החדש איבד חלק מהעיצוב המקורי, ייתכן שהבעיה במעבד התמלילים. לפעמים אפשר לעקוף זאת על ידי הגדרת ברירות המחדל של התוכנית למאפיין החסר לפני ייבוא הקבצים.</translation>
    </message>
    <message>
        <source>A file in Rich Text Format (RTF) is an ASCII text file, with a lot of markup code, and can be read with any text reader such as gedit. Therefore you can do with it many things that might not be possible otherwise. For example: you can Search and Replace &apos;Bold&apos; {\bo} for &apos;Italic&apos; {\i}. The full description of RTF is published by Microsoft on its web site: search there for &apos;Rich Text Format&apos;.</source>
        <translation>קובץ Rich Text Format (RTF)‎ הוא קובץ טקסט ASCII עם הרבה קוד סימון, ואפשר לקרוא אותו בכל מציג טקסט, כמו gedit. לכן אפשר לעשות בו דברים רבים שאחרת לא היו אפשריים. לדוגמה: אפשר לחפש &apos;מודגש&apos; {\bo} ולהחליף ב&apos;נטוי&apos; {\i}. התיאור המלא של RTF מתפרסם על ידי Microsoft באתר שלה: חפשו שם &apos;Rich Text Format&apos;.</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>הידעתם?</translation>
    </message>
    <message>
        <source>Tip of the day</source>
        <translation>עצת היום</translation>
    </message>
    <message>
        <source>&amp;Show tips at startup</source>
        <translation>&amp;הצגת עצות בהפעלה</translation>
    </message>
    <message>
        <source>&amp;View tutorial</source>
        <translation>&amp;צפייה במדריך</translation>
    </message>
    <message>
        <source>&amp;Next tip</source>
        <translation>העצה ה&amp;באה</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;סגירה</translation>
    </message>
</context>
<context>
    <name>quorin::CTutorialDlg</name>
    <message>
        <source>Tutorial</source>
        <translation>מדריך</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; הקודם</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>ה&amp;בא &gt;</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;סיום</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>בי&amp;טול</translation>
    </message>
</context>
<context>
    <name>quorin::CWarningBox</name>
    <message>
        <source>Warning!</source>
        <translation>אזהרה!</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;אישור</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;ביטול</translation>
    </message>
    <message>
        <source>This Program is still under development! No responsibility whatsoever is taken by the Developer for any damage caused by this program whether direct or indirect. Use at your own risk!</source>
        <translation>תוכנית זו עדיין בפיתוח! המפתח אינו נושא בשום אחריות לכל נזק שתגרום תוכנית זו, במישרין או בעקיפין. השימוש באחריותכם בלבד!</translation>
    </message>
</context>
</TS>
