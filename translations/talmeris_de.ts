<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AddressControl</name>
    <message>
        <source>%1 octet %2</source>
        <comment>accessible name: the label, then the octet&apos;s number</comment>
        <translation>%1, Teil %2</translation>
    </message>
</context>
<context>
    <name>CameraDialog</name>
    <message>
        <source>Camera Parameter Setting</source>
        <translation>Kameraeinstellungen</translation>
    </message>
    <message>
        <source> Camera Setting</source>
        <translation> Kameraeinstellungen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Camera Default Setting</source>
        <translation>Standardwerte der Kamera</translation>
    </message>
    <message>
        <source>You&apos;ll restore the default camera setting,<byte value="xd"/>
Are you sure?</source>
        <translation>Die Kameraeinstellungen werden auf die Standardwerte zurückgesetzt.<byte value="xd"/>
Sind Sie sicher?</translation>
    </message>
</context>
<context>
    <name>CameraItems</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Time Lapse</source>
        <translation>Zeitraffer</translation>
    </message>
    <message>
        <source>%1 Sec</source>
        <translation>%1 Sek.</translation>
    </message>
    <message>
        <source>%1 Min</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>%1 Hour</source>
        <translation>%1 Std.</translation>
    </message>
    <message>
        <source>Camera Mode</source>
        <translation>Kameramodus</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Camera Scene</source>
        <translation>Kameraszene</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Angepasst</translation>
    </message>
    <message>
        <source>Video Size</source>
        <translation>Videoauflösung</translation>
    </message>
    <message>
        <source>Video Length</source>
        <translation>Videolänge</translation>
    </message>
    <message>
        <source>Photo Size</source>
        <translation>Fotoauflösung</translation>
    </message>
    <message>
        <source>Flash Power</source>
        <translation>Blitzstärke</translation>
    </message>
    <message>
        <source>Shutter Speed</source>
        <translation>Verschlusszeit</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Kurz</translation>
    </message>
    <message>
        <source>Photo Burst</source>
        <translation>Serienbild</translation>
    </message>
    <message>
        <source>1 Photo</source>
        <translation>1 Foto</translation>
    </message>
    <message>
        <source>2 Photos</source>
        <translation>2 Fotos</translation>
    </message>
    <message>
        <source>3 Photos</source>
        <translation>3 Fotos</translation>
    </message>
    <message>
        <source>4 Photos</source>
        <translation>4 Fotos</translation>
    </message>
    <message>
        <source>5 Photos</source>
        <translation>5 Fotos</translation>
    </message>
    <message>
        <source>6 Photos</source>
        <translation>6 Fotos</translation>
    </message>
    <message>
        <source>7 Photos</source>
        <translation>7 Fotos</translation>
    </message>
    <message>
        <source>8 Photos</source>
        <translation>8 Fotos</translation>
    </message>
    <message>
        <source>9 Photos</source>
        <translation>9 Fotos</translation>
    </message>
    <message>
        <source>10 Photos</source>
        <translation>10 Fotos</translation>
    </message>
    <message>
        <source>Send Option</source>
        <translation>Gesendetes Foto</translation>
    </message>
    <message>
        <source>1st Photo</source>
        <translation>1. Foto</translation>
    </message>
    <message>
        <source>2nd Photo</source>
        <translation>2. Foto</translation>
    </message>
    <message>
        <source>3rd Photo</source>
        <translation>3. Foto</translation>
    </message>
    <message>
        <source>4th Photo</source>
        <translation>4. Foto</translation>
    </message>
    <message>
        <source>5th Photo</source>
        <translation>5. Foto</translation>
    </message>
    <message>
        <source>6th Photo</source>
        <translation>6. Foto</translation>
    </message>
    <message>
        <source>7th Photo</source>
        <translation>7. Foto</translation>
    </message>
    <message>
        <source>8th Photo</source>
        <translation>8. Foto</translation>
    </message>
    <message>
        <source>9th Photo</source>
        <translation>9. Foto</translation>
    </message>
    <message>
        <source>10th Photo</source>
        <translation>10. Foto</translation>
    </message>
    <message>
        <source>Burst Speed</source>
        <translation>Serientempo</translation>
    </message>
    <message>
        <source>Fast(200ms)</source>
        <translation>Schnell (200 ms)</translation>
    </message>
    <message>
        <source>Slow(500ms)</source>
        <translation>Langsam (500 ms)</translation>
    </message>
    <message>
        <source>Trigger Mode</source>
        <translation>Auslösemodus</translation>
    </message>
    <message>
        <source>PIR Trigger</source>
        <translation>Bewegungsmelder</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beides</translation>
    </message>
    <message>
        <source>PIR Sensitivity</source>
        <translation>Empfindlichkeit</translation>
    </message>
    <message>
        <source>PIR Interval</source>
        <translation>Auslöseintervall</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Dänisch</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Finnisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Hungarian</source>
        <translation>Ungarisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Norwegisch</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Schwedisch</translation>
    </message>
    <message>
        <source>RF Switch</source>
        <translation>Funkschalter</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Auslösung</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Signalton</translation>
    </message>
    <message>
        <source>CAM</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>PIR</source>
        <translation>PIR</translation>
    </message>
    <message>
        <source>SYS</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Work Time %1</source>
        <translation>Arbeitszeit %1</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Schalter</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>ALL</source>
        <translation>Alle</translation>
    </message>
</context>
<context>
    <name>CameraTips</name>
    <message>
        <source>How strong the flash is at night; Low saves battery.</source>
        <translation>Wie stark der Blitz nachts leuchtet; „Niedrig“ schont die Batterien.</translation>
    </message>
    <message>
        <source>Fast shows moving animals sharper; Normal lets in more light.</source>
        <translation>„Kurz“ bildet Tiere in Bewegung schärfer ab; „Normal“ lässt mehr Licht herein.</translation>
    </message>
    <message>
        <source>How many photos the camera takes each time it is triggered.</source>
        <translation>Wie viele Fotos die Kamera bei jeder Auslösung aufnimmt.</translation>
    </message>
    <message>
        <source>Which photo of a burst the camera sends.</source>
        <translation>Welches Foto einer Serie die Kamera sendet.</translation>
    </message>
    <message>
        <source>The pause between the photos of a burst.</source>
        <translation>Die Pause zwischen den Fotos einer Serie.</translation>
    </message>
    <message>
        <source>What makes the camera take pictures: the motion sensor (PIR), a fixed schedule, or both.</source>
        <translation>Was die Kamera auslöst: der Bewegungsmelder (PIR), ein fester Zeitplan (Zeitraffer) oder beides.</translation>
    </message>
    <message>
        <source>How readily the motion sensor reacts; High also notices small or distant animals.</source>
        <translation>Wie leicht der Bewegungsmelder anspricht; „Hoch“ bemerkt auch kleine oder entfernte Tiere.</translation>
    </message>
    <message>
        <source>How long the camera rests after a picture before the motion sensor may trigger it again.</source>
        <translation>Wie lange die Kamera nach einer Aufnahme ruht, bevor der Bewegungsmelder sie erneut auslösen kann.</translation>
    </message>
    <message>
        <source>How often the camera takes a picture on its schedule.</source>
        <translation>Wie oft die Kamera nach Zeitplan ein Bild aufnimmt.</translation>
    </message>
    <message>
        <source>On: when the card is full, new pictures replace the oldest ones.</source>
        <translation>Ein: Ist die Karte voll, ersetzen neue Aufnahmen die ältesten.</translation>
    </message>
    <message>
        <source>The language of the camera&apos;s own menus.</source>
        <translation>Die Menüsprache der Kamera selbst.</translation>
    </message>
    <message>
        <source>On: the camera works only in this window&apos;s hours and days.</source>
        <translation>Ein: Die Kamera arbeitet nur zu den Zeiten und an den Tagen dieses Zeitfensters.</translation>
    </message>
    <message>
        <source>When the window begins each day; a Stop before Start runs past midnight.</source>
        <translation>Wann das Zeitfenster täglich beginnt; liegt „Ende“ vor „Beginn“, reicht es über Mitternacht.</translation>
    </message>
    <message>
        <source>When the window ends each day.</source>
        <translation>Wann das Zeitfenster täglich endet.</translation>
    </message>
    <message>
        <source>Every day of the week.</source>
        <translation>Alle Wochentage.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Sets up a Talmeris cellular trail camera: the picture, schedule, sending,
recipient, mobile-operator and sender-account settings. It checks them and
writes them as %1 (%2 bytes) into the folder you choose, normally the
top folder of the camera&apos;s SD card.

Each save also keeps a working copy, %3 (%4 bytes, readable by
you only), in the temporary folder (%5); the next start
opens with the settings it holds. A durable copy of the same bytes in
your data folder stands in when the temporary folder has been emptied.
Both hold the password of the sender account: &quot;Default All&quot; deletes them.

FILE, when given, is a PROFILE.BIN or a working copy whose settings the
tool opens; nothing is written until you press OK.

talmeris-profile reads a card&apos;s settings back.</source>
        <translation>Richtet eine Talmeris-Mobilfunk-Wildkamera ein: Bild-, Zeitplan-, Versand-,
Empfänger-, Netzbetreiber- und Absenderkonto-Einstellungen. Das Programm
prüft sie und schreibt sie als %1 (%2 Byte) in den gewählten Ordner,
normalerweise den obersten Ordner der SD-Karte der Kamera.

Jedes Speichern legt außerdem eine Arbeitskopie %3 (%4 Byte, nur für Sie
lesbar) im temporären Ordner ab (%5); der nächste Start
öffnet die Einstellungen daraus. Eine Kopie derselben Bytes in Ihrem
Datenordner springt ein, wenn der temporäre Ordner geleert wurde. Beide
enthalten das Passwort des Absenderkontos: „Alles zurücksetzen“ löscht sie.

FILE, falls angegeben, ist eine PROFILE.BIN oder Arbeitskopie, deren
Einstellungen das Programm öffnet; geschrieben wird erst beim Klick auf OK.

talmeris-profile liest die Einstellungen einer Karte zurück.</translation>
    </message>
    <message>
        <source>A PROFILE.BIN or working copy to open (optional).</source>
        <translation>Eine PROFILE.BIN oder Arbeitskopie zum Öffnen (optional).</translation>
    </message>
    <message>
        <source>$TMPDIR, else /tmp</source>
        <translation>$TMPDIR, sonst /tmp</translation>
    </message>
    <message>
        <source>TalmerisSetup opens one file at a time.</source>
        <translation>TalmerisSetup öffnet jeweils nur eine Datei.</translation>
    </message>
</context>
<context>
    <name>Countries</name>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Österreich</translation>
    </message>
    <message>
        <source>Cyprus</source>
        <translation>Zypern</translation>
    </message>
    <message>
        <source>Czech Repblic</source>
        <translation>Tschechien</translation>
    </message>
    <message>
        <source>Danmark</source>
        <translation>Dänemark</translation>
    </message>
    <message>
        <source>Estonia</source>
        <translation>Estland</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finnland</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <source>Hungary</source>
        <translation>Ungarn</translation>
    </message>
    <message>
        <source>Israel</source>
        <translation>Israel</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Netherland</source>
        <translation>Niederlande</translation>
    </message>
    <message>
        <source>Norge</source>
        <translation>Norge</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Norwegen</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Russland</translation>
    </message>
    <message>
        <source>Slovakia</source>
        <translation>Slowakei</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Schweden</translation>
    </message>
    <message>
        <source>Swiss</source>
        <translation>Schweiz</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Großbritannien</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Customer%1</source>
        <comment>a custom operator item</comment>
        <translation>Manuell %1</translation>
    </message>
</context>
<context>
    <name>FieldNotes</name>
    <message>
        <source>space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>Characters the camera cannot store were left out.</source>
        <translation>Zeichen, die die Kamera nicht speichern kann, wurden weggelassen.</translation>
    </message>
    <message>
        <source>Left out: %1. The camera cannot store these characters.</source>
        <translation>Weggelassen: %1. Diese Zeichen kann die Kamera nicht speichern.</translation>
    </message>
    <message>
        <source>Left out: %1. This field takes digits only.</source>
        <translation>Weggelassen: %1. Dieses Feld nimmt nur Ziffern auf.</translation>
    </message>
    <message>
        <source>The camera takes no &quot;+&quot;: for an international number write 00 in its place, such as 0049... for +49...</source>
        <translation>Die Kamera nimmt kein „+“ an: Schreiben Sie bei einer internationalen Nummer 00 an seine Stelle, etwa 0049... für +49...</translation>
    </message>
    <message>
        <source>Spaces, dashes, dots, slashes and brackets were left out: the camera takes digits only.</source>
        <translation>Leerzeichen, Striche, Punkte, Schrägstriche und Klammern wurden weggelassen: Die Kamera nimmt nur Ziffern an.</translation>
    </message>
    <message>
        <source>At most %1 characters fit here; the rest was left out.</source>
        <translation>Hier passen höchstens %1 Zeichen hinein; der Rest wurde weggelassen.</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist ein unbekannter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 contains an incorrect path.</source>
        <translation>%1 enthält einen ungültigen Pfad.</translation>
    </message>
    <message>
        <source>Could not open %1 because there are too many open files.</source>
        <translation>%1 konnte nicht geöffnet werden, weil zu viele Dateien geöffnet sind.</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>Der Zugriff auf %1 wurde verweigert.</translation>
    </message>
    <message>
        <source>An incorrect file handle was associated with %1.</source>
        <translation>Mit %1 war ein ungültiges Datei-Handle verknüpft.</translation>
    </message>
    <message>
        <source>Could not remove %1 because it is the current directory.</source>
        <translation>%1 konnte nicht entfernt werden, weil es das aktuelle Verzeichnis ist.</translation>
    </message>
    <message>
        <source>Could not create %1 because the directory is full.</source>
        <translation>%1 konnte nicht erstellt werden, weil das Verzeichnis voll ist.</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>Positionieren in %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Encountered a hardware I/O error while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist ein Hardware-E/A-Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Encountered a sharing violation while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist eine Freigabeverletzung aufgetreten.</translation>
    </message>
    <message>
        <source>Encountered a locking violation while accessing %1.</source>
        <translation>Beim Zugriff auf %1 ist eine Sperrverletzung aufgetreten.</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>Beim Zugriff auf %1 war der Datenträger voll.</translation>
    </message>
    <message>
        <source>Attempted to access %1 past its end.</source>
        <translation>Es wurde versucht, über das Ende von %1 hinaus zuzugreifen.</translation>
    </message>
    <message>
        <source>%1 is a link. Open the file it points to.</source>
        <translation>%1 ist eine Verknüpfung. Öffnen Sie die Datei, auf die sie verweist.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a settings file.</source>
        <translation>%1 ist ein Ordner, keine Einstellungsdatei.</translation>
    </message>
    <message>
        <source>%1 is a device, pipe or socket, not a settings file.</source>
        <translation>%1 ist ein Gerät, eine Pipe oder ein Socket, keine Einstellungsdatei.</translation>
    </message>
    <message>
        <source>%1 holds %2 bytes, so it is not a settings file: a PROFILE.BIN holds %3 bytes, a working copy %4.</source>
        <translation>%1 ist %2 Byte groß und daher keine Einstellungsdatei: Eine PROFILE.BIN ist %3 Byte groß, eine Arbeitskopie %4.</translation>
    </message>
    <message>
        <source>%1 is a working copy of another version: it does not carry the mark of %2.</source>
        <translation>%1 ist eine Arbeitskopie einer anderen Version: Ihr fehlt die Kennung von %2.</translation>
    </message>
</context>
<context>
    <name>Ipv4AddressEdit</name>
    <message>
        <source>Octet %1</source>
        <translation>Teil %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Send Option Setting</source>
        <translation>Gesendetes Foto</translation>
    </message>
    <message>
        <source>Please Setting This Send Option &lt;= Photo Burst.</source>
        <translation>Bitte stellen Sie „Gesendetes Foto“ höchstens auf die Anzahl bei „Serienbild“ ein.</translation>
    </message>
    <message>
        <source>Video Length Setting</source>
        <translation>Videolänge</translation>
    </message>
    <message>
        <source>For saving flash power at night,it&apos;s suggested to set video length within 20s.</source>
        <translation>Damit der Blitz nachts die Batterien schont, empfehlen wir eine Videolänge von höchstens 20 Sek.</translation>
    </message>
    <message>
        <source>Enter a positive integer.</source>
        <translation>Geben Sie eine positive ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Enter an integer between %1 and %2.</source>
        <translation>Geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>Enter no more than %1 characters.</source>
        <translation>Geben Sie höchstens %1 Zeichen ein.</translation>
    </message>
    <message>
        <source>Enter an integer.</source>
        <translation>Geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Server must not be null!</source>
        <translation>Der SMTP-Server darf nicht leer sein.</translation>
    </message>
    <message>
        <source>Port must not be null!</source>
        <translation>Der SMTP-Port darf nicht leer sein.</translation>
    </message>
    <message>
        <source>Port number must in 0-65535</source>
        <translation>Die Portnummer muss zwischen 0 und 65535 liegen.</translation>
    </message>
    <message>
        <source>Account or Email must not be null!</source>
        <translation>E-Mail-Adresse, Benutzername und Passwort müssen ausgefüllt sein.</translation>
    </message>
    <message>
        <source>Email is invalid!</source>
        <translation>Die E-Mail-Adresse ist ungültig.</translation>
    </message>
    <message>
        <source>Please Select the Save Path</source>
        <translation>Bitte wählen Sie den Speicherort</translation>
    </message>
    <message>
        <source>Default Setting</source>
        <translation>Standardeinstellungen</translation>
    </message>
    <message>
        <source>You&apos;ll restore the default all setting,<byte value="xd"/>
Are you sure?</source>
        <translation>Alle Einstellungen werden auf die Standardwerte zurückgesetzt.<byte value="xd"/>
Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Open the settings in %1?<byte value="xd"/>
They replace the settings on the page and in the dialogs; nothing is written until you press &quot;OK&quot;.</source>
        <translation>Die Einstellungen aus %1 öffnen?<byte value="xd"/>
Sie ersetzen die Einstellungen im Hauptfenster und in den Dialogen; geschrieben wird erst, wenn Sie auf „OK“ klicken.</translation>
    </message>
    <message>
        <source>Save PROFILE</source>
        <translation>PROFILE speichern</translation>
    </message>
    <message>
        <source>The camera cannot send with these settings:</source>
        <translation>Mit diesen Einstellungen kann die Kamera nicht senden:</translation>
    </message>
    <message>
        <source>Save PROFILE.BIN anyway?</source>
        <translation>PROFILE.BIN trotzdem speichern?</translation>
    </message>
    <message>
        <source>Please choose path to SD card Drive.</source>
        <translation>Bitte wählen Sie den Speicherort auf der SD-Karte.</translation>
    </message>
    <message>
        <source>PROFILE.BIN has been saved in %1</source>
        <translation>PROFILE.BIN wurde in %1 gespeichert</translation>
    </message>
    <message>
        <source>Your settings could not be kept beyond a restart of the computer:<byte value="xd"/>
%1<byte value="xd"/>
After a restart the tool may open with older settings or the defaults.</source>
        <translation>Ihre Einstellungen konnten nicht über einen Neustart des Computers hinaus gesichert werden:<byte value="xd"/>
%1<byte value="xd"/>
Nach einem Neustart öffnet das Programm möglicherweise ältere Einstellungen oder die Standardwerte.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
Nothing was changed.</source>
        <comment>after why a file is refused</comment>
        <translation>%1<byte value="xd"/>
Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Select the Path Error</source>
        <translation>Dieser Speicherort kann nicht verwendet werden: Bitte wählen Sie einen Ordner auf diesem Computer.</translation>
    </message>
    <message>
        <source>Send Mode Setting</source>
        <translation>Versandmodus</translation>
    </message>
    <message>
        <source>Recipients Setting</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Rename Setting</source>
        <translation>Kameraname</translation>
    </message>
    <message>
        <source>Instant number is out of the range(0-99)!</source>
        <translation>Die Anzahl bei „Sofort“ muss zwischen 0 und 99 liegen.</translation>
    </message>
    <message>
        <source>The master phone is out of the length(4-15) !</source>
        <translation>Die Nummer des Steuertelefons muss 4 bis 15 Ziffern haben.</translation>
    </message>
    <message>
        <source>The phone number is out of the length(4-15) !</source>
        <translation>Die Telefonnummer muss 4 bis 15 Ziffern haben.</translation>
    </message>
    <message>
        <source>The master phone must not be null! length(4-15)</source>
        <translation>Bitte geben Sie die Nummer des Steuertelefons ein (4 bis 15 Ziffern).</translation>
    </message>
    <message>
        <source>The Email is out of the max length 47 !</source>
        <translation>Die E-Mail-Adresse darf höchstens 47 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>The Email Format is error!</source>
        <translation>Die E-Mail-Adresse ist ungültig.</translation>
    </message>
    <message>
        <source>The phone number must not be null! length(4-15)</source>
        <translation>Bitte geben Sie mindestens eine Telefonnummer ein (4 bis 15 Ziffern).</translation>
    </message>
    <message>
        <source>The Email must not be null!</source>
        <translation>Bitte geben Sie mindestens eine E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>The letters or/and digits are allowed for rename!</source>
        <translation>Der Kameraname darf nur Buchstaben (A–Z) und Ziffern enthalten.</translation>
    </message>
    <message>
        <source>The rename must not be null!</source>
        <translation>Bitte geben Sie einen Kameranamen ein.</translation>
    </message>
    <message>
        <source>Work Time Setting</source>
        <translation>Arbeitszeit</translation>
    </message>
    <message>
        <source>Please check Work Time Start and Stop point.</source>
        <translation>Bitte prüfen Sie Beginn und Ende der Arbeitszeit.</translation>
    </message>
    <message>
        <source>Please check Work Time Week CheckBox.</source>
        <translation>Bitte wählen Sie mindestens einen Wochentag der Arbeitszeit.</translation>
    </message>
    <message>
        <source>Discard the changes?</source>
        <translation>Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Nicht gespeicherte Änderungen</translation>
    </message>
</context>
<context>
    <name>OperatorDialog</name>
    <message>
        <source>Operator Parameter Setting</source>
        <translation>Netzbetreiber-Parameter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>accessible name: the group&apos;s title, then the label</comment>
        <translation>%1-%2</translation>
    </message>
</context>
<context>
    <name>OperatorItems</name>
    <message>
        <source>MMS</source>
        <translation>MMS</translation>
    </message>
    <message>
        <source>GPRS</source>
        <translation>GPRS</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
</context>
<context>
    <name>OperatorTips</name>
    <message>
        <source>The address of your operator&apos;s MMS centre (MMSC), as your operator gives it.</source>
        <translation>Die Adresse der MMS-Zentrale (MMSC), wie Ihr Netzbetreiber sie angibt.</translation>
    </message>
    <message>
        <source>The MMS proxy (gateway) address your operator gives, four numbers.</source>
        <translation>Die Adresse des MMS-Proxys (Gateway), die Ihr Netzbetreiber angibt, vier Zahlen.</translation>
    </message>
    <message>
        <source>The access point name (APN) your operator gives for MMS.</source>
        <translation>Der Zugangspunkt (APN), den Ihr Netzbetreiber für MMS angibt.</translation>
    </message>
    <message>
        <source>The MMS proxy&apos;s port, as your operator gives it.</source>
        <translation>Der Port des MMS-Proxys, wie Ihr Netzbetreiber ihn angibt.</translation>
    </message>
    <message>
        <source>Leave empty unless your operator gives one.</source>
        <translation>Leer lassen, sofern Ihr Netzbetreiber nichts angibt.</translation>
    </message>
    <message>
        <source>The access point name (APN) your operator gives for mobile internet, which e-mail uses.</source>
        <translation>Der Zugangspunkt (APN), den Ihr Netzbetreiber für das mobile Internet angibt; darüber werden die E-Mails gesendet.</translation>
    </message>
</context>
<context>
    <name>PageItems</name>
    <message>
        <source>Send Mode</source>
        <translation>Versandmodus</translation>
    </message>
    <message>
        <source>Send To</source>
        <translation>Versand an</translation>
    </message>
    <message>
        <source>Recipients</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Operator Parameter</source>
        <translation>Mobilfunknetz</translation>
    </message>
    <message>
        <source>GPS / SMS Control</source>
        <translation>GPS / SMS-Steuerung</translation>
    </message>
    <message>
        <source>Instant</source>
        <translation>Sofort</translation>
    </message>
    <message>
        <source>%1 number</source>
        <comment>accessible name of the edit beside the label</comment>
        <translation>%1, Anzahl</translation>
    </message>
    <message>
        <source>(0-99,0=Unlimited)</source>
        <translation>(0–99, 0 = unbegrenzt)</translation>
    </message>
    <message>
        <source>DailyReport</source>
        <translation>Tagesbericht</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <comment>accessible name of the combo beside the label</comment>
        <translation>%1, Stunde</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <comment>accessible name of the combo beside the label</comment>
        <translation>%1, Minute</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Netzbetreiber</translation>
    </message>
    <message>
        <source>SMS Switch</source>
        <translation>SMS-Befehle</translation>
    </message>
    <message>
        <source>SMS Work Time</source>
        <translation>SMS-Zeit</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>accessible name: the row&apos;s label, then the time&apos;s</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Kameraname</translation>
    </message>
    <message>
        <source>%1 text</source>
        <comment>accessible name of the edit beside the label</comment>
        <translation>%1, Text</translation>
    </message>
    <message>
        <source>(0-9,A-Z only)</source>
        <translation>(nur 0–9, A–Z)</translation>
    </message>
    <message>
        <source>Email Setting</source>
        <translation>Absenderkonto</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>CAM Setting</source>
        <translation>Kameraeinstellungen</translation>
    </message>
    <message>
        <source>Default All</source>
        <translation>Alles zurücksetzen</translation>
    </message>
    <message>
        <source>Save Path</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>Choose the save folder</source>
        <translation>Speicherort auswählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Phone Number %1</source>
        <translation>Telefonnummer %1</translation>
    </message>
    <message>
        <source>Receive Email %1</source>
        <translation>E-Mail-Adresse %1</translation>
    </message>
    <message>
        <source>Command Phone</source>
        <translation>Steuertelefon</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>On(24hour)</source>
        <translation>Ein (24 Std.)</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Zeitgesteuert</translation>
    </message>
    <message>
        <source>Email Size Selection</source>
        <translation>E-Mail-Größe</translation>
    </message>
    <message>
        <source>Big Photo/Video</source>
        <translation>Großes Foto/Video</translation>
    </message>
    <message>
        <source>Small Photo</source>
        <translation>Kleines Foto</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>accessible description: the hint, then the tip</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>PageTips</name>
    <message>
        <source>On: the camera sends each photo or video as soon as it takes it.</source>
        <translation>Ein: Die Kamera sendet jedes Foto oder Video sofort nach der Aufnahme.</translation>
    </message>
    <message>
        <source>How many photos or videos the camera sends this way, 0 to 99; 0 means no limit.</source>
        <translation>Wie viele Fotos oder Videos die Kamera so sendet, 0 bis 99; 0 bedeutet unbegrenzt.</translation>
    </message>
    <message>
        <source>On: the camera sends a daily report at the time beside it.</source>
        <translation>Ein: Die Kamera sendet täglich zur daneben eingestellten Uhrzeit einen Tagesbericht.</translation>
    </message>
    <message>
        <source>The time of day (hour : minute) the camera sends its daily report.</source>
        <translation>Die Uhrzeit (Stunde : Minute), zu der die Kamera ihren Tagesbericht sendet.</translation>
    </message>
    <message>
        <source>Send photos and videos by MMS to the phone numbers below.</source>
        <translation>Fotos und Videos per MMS an die Telefonnummern unten senden.</translation>
    </message>
    <message>
        <source>Send photos and videos by e-mail to the addresses below.</source>
        <translation>Fotos und Videos per E-Mail an die Adressen unten senden.</translation>
    </message>
    <message>
        <source>The e-mail account the camera sends from: choose your provider and type its login.</source>
        <translation>Das E-Mail-Konto, von dem die Kamera sendet: Wählen Sie Ihren Anbieter und geben Sie Ihre Zugangsdaten ein.</translation>
    </message>
    <message>
        <source>How large the pictures sent by e-mail are; small ones go out faster and cost less data.</source>
        <translation>Wie groß die per E-Mail gesendeten Bilder sind; kleine werden schneller gesendet und verbrauchen weniger Datenvolumen.</translation>
    </message>
    <message>
        <source>A phone number of 4 to 15 digits that receives the camera&apos;s pictures by MMS.</source>
        <translation>Eine Telefonnummer mit 4 bis 15 Ziffern, die die Bilder der Kamera per MMS erhält.</translation>
    </message>
    <message>
        <source>The phone whose SMS commands the camera obeys, 4 to 15 digits.</source>
        <translation>Das Telefon, dessen SMS-Befehle die Kamera ausführt, 4 bis 15 Ziffern.</translation>
    </message>
    <message>
        <source>An e-mail address, at most 47 characters, that receives the camera&apos;s pictures.</source>
        <translation>Eine E-Mail-Adresse mit höchstens 47 Zeichen, die die Bilder der Kamera erhält.</translation>
    </message>
    <message>
        <source>The country of the camera&apos;s SIM card; &quot;Customer&quot; holds three operators of your own.</source>
        <translation>Das Land der SIM-Karte in der Kamera; „Manuell“ enthält drei eigene Netzbetreiber.</translation>
    </message>
    <message>
        <source>The mobile operator of the camera&apos;s SIM card; choose &quot;Customer&quot; when yours is not listed.</source>
        <translation>Der Netzbetreiber der SIM-Karte in der Kamera; wählen Sie „Manuell“, wenn Ihrer nicht aufgeführt ist.</translation>
    </message>
    <message>
        <source>Type the MMS and mobile-internet settings your operator gives you.</source>
        <translation>Geben Sie die MMS- und Internet-Zugangsdaten Ihres Netzbetreibers ein.</translation>
    </message>
    <message>
        <source>For your own operator only: choose &quot;Customer&quot; at the end of the Operator list, or the Country &quot;Customer&quot;.</source>
        <translation>Nur für eigene Netzbetreiber: Wählen Sie „Manuell“ am Ende der Liste „Netzbetreiber“ oder das Land „Manuell“.</translation>
    </message>
    <message>
        <source>Lets the camera obey SMS commands from the Command Phone: all day, or between Start and Stop.</source>
        <translation>Lässt die Kamera SMS-Befehle vom Steuertelefon ausführen: rund um die Uhr oder zwischen Beginn und Ende.</translation>
    </message>
    <message>
        <source>The hour from which the camera obeys SMS commands.</source>
        <translation>Ab dieser Stunde führt die Kamera SMS-Befehle aus.</translation>
    </message>
    <message>
        <source>The hour until which the camera obeys SMS commands.</source>
        <translation>Bis zu dieser Stunde führt die Kamera SMS-Befehle aus.</translation>
    </message>
    <message>
        <source>On: the camera carries the name beside it, so you can tell your cameras apart.</source>
        <translation>Ein: Die Kamera trägt den daneben eingegebenen Namen, damit Sie Ihre Kameras unterscheiden können.</translation>
    </message>
    <message>
        <source>The camera&apos;s name: up to 8 letters and digits.</source>
        <translation>Der Name der Kamera: bis zu 8 Buchstaben und Ziffern.</translation>
    </message>
    <message>
        <source>Photo, video, motion sensor and work-time settings of the camera.</source>
        <translation>Foto-, Video-, Bewegungsmelder- und Arbeitszeit-Einstellungen der Kamera.</translation>
    </message>
    <message>
        <source>Put every setting back to its default; you are asked first.</source>
        <translation>Alle Einstellungen auf die Standardwerte zurücksetzen; vorher wird nachgefragt.</translation>
    </message>
    <message>
        <source>The top folder of the camera&apos;s SD card, where PROFILE.BIN is written.</source>
        <translation>Der oberste Ordner der SD-Karte der Kamera, in den PROFILE.BIN geschrieben wird.</translation>
    </message>
    <message>
        <source>Choose the top folder of the camera&apos;s SD card.</source>
        <translation>Den obersten Ordner der SD-Karte der Kamera auswählen.</translation>
    </message>
    <message>
        <source>Check the settings and write PROFILE.BIN onto the card.</source>
        <translation>Einstellungen prüfen und PROFILE.BIN auf die Karte schreiben.</translation>
    </message>
    <message>
        <source>Close the tool without saving; you are asked first when changes would be lost.</source>
        <translation>Das Programm ohne Speichern schließen; gingen dabei Änderungen verloren, werden Sie zuerst gefragt.</translation>
    </message>
</context>
<context>
    <name>SenderEmailDialog</name>
    <message>
        <source>Show password</source>
        <translation>Passwort anzeigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SenderItems</name>
    <message>
        <source>Default</source>
        <comment>the built-in sender account</comment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Anderer</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Sender Email Setting</source>
        <translation>Absenderkonto</translation>
    </message>
    <message>
        <source>Select Email</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Secure Type</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>SMTP Server</source>
        <translation>SMTP-Server</translation>
    </message>
    <message>
        <source>SMTP Port</source>
        <translation>SMTP-Port</translation>
    </message>
</context>
<context>
    <name>SenderTips</name>
    <message>
        <source>The mail service the camera sends from; &quot;Default&quot; is empty in this tool, so choose yours.</source>
        <translation>Der E-Mail-Dienst, über den die Kamera sendet; „Standard“ ist in diesem Programm leer, wählen Sie also Ihren eigenen.</translation>
    </message>
    <message>
        <source>The address the camera&apos;s e-mails come from.</source>
        <translation>Die Adresse, von der die E-Mails der Kamera kommen.</translation>
    </message>
    <message>
        <source>The login name of that account, often the address itself.</source>
        <translation>Der Anmeldename dieses Kontos, oft die Adresse selbst.</translation>
    </message>
    <message>
        <source>The server that sends the camera&apos;s e-mails, as your provider names it.</source>
        <translation>Der Server, der die E-Mails der Kamera versendet, wie Ihr Anbieter ihn angibt.</translation>
    </message>
    <message>
        <source>How the connection to that server is protected, as your provider says.</source>
        <translation>Wie die Verbindung zu diesem Server geschützt ist, laut Angabe Ihres Anbieters.</translation>
    </message>
    <message>
        <source>The server&apos;s port number, as your provider says.</source>
        <translation>Die Portnummer des Servers, laut Angabe Ihres Anbieters.</translation>
    </message>
    <message>
        <source>gmail, hotmail and yahoo need an app password here, not your account&apos;s login password:
make one for the camera in the provider&apos;s account settings, with two-step verification on.
Google: &quot;Sign in with app passwords&quot;, support.google.com/mail/answer/185833
Yahoo: &quot;Generate and manage 3rd-party app passwords&quot;, help.yahoo.com
Microsoft: your account&apos;s security settings, &quot;App passwords&quot;</source>
        <translation>gmail, hotmail und yahoo brauchen hier ein App-Passwort, nicht Ihr Anmeldepasswort:
Erstellen Sie es in den Kontoeinstellungen des Anbieters, mit Zwei-Faktor-Authentifizierung.
Google: „Mit App-Passwörtern anmelden“, support.google.com/mail/answer/185833
Yahoo: „App-Passwörter für Drittanbieter erstellen und verwalten“, help.yahoo.com
Microsoft: in den Sicherheitseinstellungen Ihres Kontos, „App-Kennwörter“</translation>
    </message>
</context>
<context>
    <name>SendingProblems</name>
    <message>
        <source>&quot;%1&quot;</source>
        <comment>a name in quotes</comment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source> is empty</source>
        <translation> ist leer</translation>
    </message>
    <message>
        <source> are empty</source>
        <translation> sind leer</translation>
    </message>
    <message>
        <source>Sender e-mail: %1, so the camera cannot send e-mails. Press %2, choose your provider and type your account there</source>
        <translation>Absenderkonto: %1, daher kann die Kamera keine E-Mails senden. Klicken Sie auf %2, wählen Sie Ihren Anbieter und geben Sie dort Ihre Zugangsdaten ein</translation>
    </message>
    <message>
        <source>(%1 lets you type the server too)</source>
        <translation>(bei %1 können Sie auch den Server eingeben)</translation>
    </message>
    <message>
        <source>send by MMS</source>
        <translation>per MMS senden</translation>
    </message>
    <message>
        <source>reach the mobile internet to send e-mails</source>
        <translation>ins mobile Internet gelangen, um E-Mails zu senden</translation>
    </message>
    <message>
        <source>Operator %1: %2 %3, so the camera cannot %4. Choose the operator %5, or a %6 item and type your operator&apos;s settings under %7.</source>
        <translation>Netzbetreiber %1: %2 %3, daher kann die Kamera nicht %4. Wählen Sie den Netzbetreiber %5 oder einen Eintrag %6 und geben Sie unter %7 die Daten Ihres Netzbetreibers ein.</translation>
    </message>
</context>
<context>
    <name>WorkTimeGroup</name>
    <message>
        <source>%1 %2 hour</source>
        <comment>accessible name: the window&apos;s title, the time&apos;s label</comment>
        <translation>%1, %2, Stunde</translation>
    </message>
    <message>
        <source>%1 %2 minute</source>
        <comment>accessible name: the window&apos;s title, the time&apos;s label</comment>
        <translation>%1, %2, Minute</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>accessible name: the window&apos;s title, the box&apos;s text</comment>
        <translation>%1, %2</translation>
    </message>
</context>
</TS>
