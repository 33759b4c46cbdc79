<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>GLMainWidget</name>
    <message>
        <source>Feedback</source>
        <translation>Rückmeldung</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Your feedback is still being sent. Stop sending?</source>
        <translation>Ihre Rückmeldung wird noch gesendet. Senden abbrechen?</translation>
    </message>
    <message>
        <source>Stop sending</source>
        <translation>Senden abbrechen</translation>
    </message>
    <message>
        <source>Keep sending</source>
        <translation>Weiter senden</translation>
    </message>
</context>
<context>
    <name>GLSayboxClient</name>
    <message>
        <source>Saybox</source>
        <translation>Saybox</translation>
    </message>
    <message>
        <source>&lt;span style=&quot; font-size:10pt; font-weight:600; color:#00007f;&quot;&gt;Do you have any questions or suggestions want to say to us?&lt;/span&gt;</source>
        <translation>&lt;span style=&quot; font-size:10pt; font-weight:600; color:#00007f;&quot;&gt;Haben Sie Fragen oder Anregungen, die Sie uns mitteilen möchten?&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Add Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>&lt;span style=&quot; font-weight:600; color:#00007f;&quot;&gt;Your Contact:&lt;/span&gt;</source>
        <translation>&lt;span style=&quot; font-weight:600; color:#00007f;&quot;&gt;Ihr Kontakt:&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Tel</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>MSN</source>
        <translation>MSN</translation>
    </message>
    <message>
        <source>QQ</source>
        <translation>QQ</translation>
    </message>
    <message>
        <source>Please leave the contact information to help us quickly locate the reason of your promblem.</source>
        <translation>Bitte hinterlassen Sie Ihre Kontaktdaten, damit wir die Ursache Ihres Problems schnell finden können.</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Absenden</translation>
    </message>
    <message>
        <source>Only support uploading 3 pictures!</source>
        <translation>Es können höchstens 3 Bilder hochgeladen werden!</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Image Files(*.jpg *.png *.gif *.bmp)</source>
        <translation>Bilddateien(*.jpg *.png *.gif *.bmp)</translation>
    </message>
    <message>
        <source>Only support uploading 3 attachments!</source>
        <translation>Es können höchstens 3 Anhänge hochgeladen werden!</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Each picture size must less than 1M bytes!</source>
        <translation>Jedes Bild muss kleiner als 1 MB sein!</translation>
    </message>
    <message>
        <source>File size must less than 5M bytes!</source>
        <translation>Die Dateien müssen zusammen kleiner als 5 MB sein!</translation>
    </message>
    <message>
        <source>This file has been added!</source>
        <translation>Diese Datei wurde bereits hinzugefügt!</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Not a picture: %1</source>
        <translation>Kein Bild: %1</translation>
    </message>
    <message>
        <source>%1 has grown to %2 since it was attached: each picture must be at most 1 MB.</source>
        <translation>%1 ist seit dem Anhängen auf %2 angewachsen: Jedes Bild darf höchstens 1 MB groß sein.</translation>
    </message>
    <message>
        <source>%1 has grown to %2 since it was attached: pictures and files together must be at most 5 MB.</source>
        <translation>%1 ist seit dem Anhängen auf %2 angewachsen: Bilder und Dateien dürfen zusammen höchstens 5 MB groß sein.</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 existiert nicht.</translation>
    </message>
    <message>
        <source>%1 is a folder: only files can be attached.</source>
        <translation>%1 ist ein Ordner: Nur Dateien können angehängt werden.</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file (it is a device, a pipe or a socket): only files can be attached.</source>
        <translation>%1 ist keine gewöhnliche Datei (sondern ein Gerät, eine Pipe oder ein Socket): Nur Dateien können angehängt werden.</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is too large a picture (%2 × %3 pixels): pictures of up to 16 megapixels can be attached.</source>
        <translation>Das Bild %1 ist zu groß (%2 × %3 Pixel): Bilder bis 16 Megapixel können angehängt werden.</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Kind of contact</source>
        <translation>Art des Kontakts</translation>
    </message>
    <message>
        <source>Your contact</source>
        <translation>Ihr Kontakt</translation>
    </message>
    <message>
        <source>Remove picture %1</source>
        <translation>Bild %1 entfernen</translation>
    </message>
    <message>
        <source>Remove file %1</source>
        <translation>Datei %1 entfernen</translation>
    </message>
</context>
<context>
    <name>GLUploadStatus</name>
    <message>
        <source>Saybox</source>
        <translation>Saybox</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#00007f;&quot;&gt;Being submitted, please wait...&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#00007f;&quot;&gt;Wird gesendet, bitte warten...&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#ff0000;&quot;&gt;Submit error, please check your network, try again later...&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#ff0000;&quot;&gt;Senden fehlgeschlagen. Bitte prüfen Sie Ihre Netzwerkverbindung und versuchen Sie es später erneut...&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#00007f;&quot;&gt;Your problem has submitted sucessfully! &lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#00007f;&quot;&gt;We will find a solution as quickly as possible.&lt;/span&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#00007f;&quot;&gt;Ihr Anliegen wurde erfolgreich gesendet! &lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-size:12pt; font-weight:600; color:#00007f;&quot;&gt;Wir werden so schnell wie möglich eine Lösung finden.&lt;/span&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>The attached file %1 can no longer be read. Please remove it or attach it again.</source>
        <translation>Die angehängte Datei %1 kann nicht mehr gelesen werden. Bitte entfernen Sie sie oder hängen Sie sie erneut an.</translation>
    </message>
    <message>
        <source>The attached file %1 changed while it was being sent. Please attach it again.</source>
        <translation>Die angehängte Datei %1 hat sich während des Sendens geändert. Bitte hängen Sie sie erneut an.</translation>
    </message>
    <message>
        <source>The feedback server stopped answering, please check your network, try again later...</source>
        <translation>Der Rückmeldungsserver antwortet nicht mehr. Bitte prüfen Sie Ihre Netzwerkverbindung und versuchen Sie es später erneut...</translation>
    </message>
    <message>
        <source>The feedback server refused the login. Please try again later...</source>
        <translation>Der Rückmeldungsserver hat die Anmeldung abgelehnt. Bitte versuchen Sie es später erneut...</translation>
    </message>
    <message>
        <source>The feedback server is full, please try again later...</source>
        <translation>Der Rückmeldungsserver ist voll. Bitte versuchen Sie es später erneut...</translation>
    </message>
    <message>
        <source>The feedback server did not store the file &lt;i&gt;%1&lt;/i&gt; completely, please try again later...</source>
        <translation>Der Rückmeldungsserver hat die Datei &lt;i&gt;%1&lt;/i&gt; nicht vollständig gespeichert. Bitte versuchen Sie es später erneut...</translation>
    </message>
    <message>
        <source>The feedback server did not store your message completely, please try again later...</source>
        <translation>Der Rückmeldungsserver hat Ihre Nachricht nicht vollständig gespeichert. Bitte versuchen Sie es später erneut...</translation>
    </message>
    <message>
        <source>The feedback server refused the file &lt;i&gt;%1&lt;/i&gt;, please try again later...</source>
        <translation>Der Rückmeldungsserver hat die Datei &lt;i&gt;%1&lt;/i&gt; abgelehnt. Bitte versuchen Sie es später erneut...</translation>
    </message>
    <message>
        <source>The feedback server refused the submission, please try again later...</source>
        <translation>Der Rückmeldungsserver hat die Sendung abgelehnt. Bitte versuchen Sie es später erneut...</translation>
    </message>
    <message>
        <source>%1 of %2 sent (%3%)</source>
        <translation>%1 von %2 gesendet (%3 %)</translation>
    </message>
</context>
</TS>
