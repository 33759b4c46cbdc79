<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AdvanceSettingPage</name>
    <message>
        <source>Invalid Param!</source>
        <translation>Ungültiger Wert!</translation>
    </message>
</context>
<context>
    <name>AdvanceSettingPageUi</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>   Motor    </source>
        <translation>   Motor    </translation>
    </message>
    <message>
        <source>Motor Idel Speed</source>
        <translation>Leerlaufdrehzahl</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>NIEDRIG</translation>
    </message>
    <message>
        <source>RECOMMENDED</source>
        <translation>EMPFOHLEN</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>HOCH</translation>
    </message>
    <message>
        <source>   FailSafe  </source>
        <translation>   Ausfallsicherung  </translation>
    </message>
    <message>
        <source>Enhanced Failsafe Methods</source>
        <translation>Erweiterte Ausfallsicherung</translation>
    </message>
    <message>
        <source>Go-Home Heading</source>
        <translation>Ausrichtung bei Rückkehr</translation>
    </message>
    <message>
        <source>Go-Home Altitude</source>
        <translation>Rückkehrhöhe</translation>
    </message>
    <message>
        <source>Go-Home Switch</source>
        <translation>Rückkehrschalter</translation>
    </message>
    <message>
        <source>Go-Home Enable</source>
        <translation>Rückkehr aktivieren</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>   IOC   </source>
        <translation>   IOC   </translation>
    </message>
    <message>
        <source>Intelligent Orientation Control</source>
        <translation>Intelligente Ausrichtungssteuerung</translation>
    </message>
    <message>
        <source>IOC Enable</source>
        <translation>IOC aktivieren</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>   Voltage   </source>
        <translation>   Spannung   </translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>Current Voltage</source>
        <translation>Aktuelle Spannung</translation>
    </message>
    <message>
        <source>   Limits    </source>
        <translation>   Begrenzungen    </translation>
    </message>
    <message>
        <source>Altitude Limit</source>
        <translation>Höhenbegrenzung</translation>
    </message>
    <message>
        <source>Max Altitude</source>
        <translation>Max. Höhe</translation>
    </message>
    <message>
        <source>Distance Limit</source>
        <translation>Entfernungsbegrenzung</translation>
    </message>
    <message>
        <source>Max Radius</source>
        <translation>Max. Radius</translation>
    </message>
    <message>
        <source>Forbiden Area Limit</source>
        <translation>Flugverbotszone</translation>
    </message>
    <message>
        <source>Left stick position</source>
        <translation>Linke Schalterstellung</translation>
    </message>
</context>
<context>
    <name>ChannelChooser</name>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
</context>
<context>
    <name>ChannelPlot</name>
    <message>
        <source>°</source>
        <translation>°</translation>
    </message>
    <message>
        <source>Attitude (degree)</source>
        <translation>Lage (Grad)</translation>
    </message>
    <message>
        <source>Heading (degree)</source>
        <translation>Kurs (Grad)</translation>
    </message>
    <message>
        <source>Gyroscope (degree/s)</source>
        <translation>Gyroskop (Grad/s)</translation>
    </message>
    <message>
        <source>°/s</source>
        <translation>°/s</translation>
    </message>
    <message>
        <source>Acceleration (m/s^2)</source>
        <translation>Beschleunigung (m/s²)</translation>
    </message>
    <message>
        <source>m/s²</source>
        <translation>m/s²</translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation>Höhe (m)</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Voltage (V)</source>
        <translation>Spannung (V)</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Compass error</source>
        <translation>Kompassfehler</translation>
    </message>
    <message>
        <source>RC channels</source>
        <translation>RC-Kanäle</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Rollen</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Nicken</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>RC %1</source>
        <translation>RC %1</translation>
    </message>
    <message>
        <source>Choose the channels to plot in the list on the left.</source>
        <translation>Wählen Sie links in der Liste die Kanäle, die gezeichnet werden sollen.</translation>
    </message>
</context>
<context>
    <name>ComparisonDialog</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>ComparisonDialogUi</name>
    <message>
        <source>Tick All</source>
        <translation>Alle anhaken</translation>
    </message>
    <message>
        <source>Untick All</source>
        <translation>Alle abhaken</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
</context>
<context>
    <name>ConfigurationHistoryDialog</name>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Before import</source>
        <translation>Vor dem Import</translation>
    </message>
    <message>
        <source>Before upgrade</source>
        <translation>Vor dem Upgrade</translation>
    </message>
    <message>
        <source>After restore</source>
        <translation>Nach Wiederherstellung</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Snapshot of %1</source>
        <translation>Schnappschuss vom %1</translation>
    </message>
    <message>
        <source>This snapshot cannot be read: %1</source>
        <translation>Dieser Schnappschuss kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Connect the flight controller to compare with it.</source>
        <translation>Verbinden Sie den Flugregler, um mit ihm zu vergleichen.</translation>
    </message>
    <message>
        <source>Flight controller</source>
        <translation>Flugregler</translation>
    </message>
    <message>
        <source>Not a valid parameter file: %1
%2</source>
        <translation>Keine gültige Parameterdatei: %1
%2</translation>
    </message>
    <message>
        <source>Open Config File</source>
        <translation>Konfigurationsdatei öffnen</translation>
    </message>
    <message>
        <source>ConfigFile(*.conf)</source>
        <translation>Konfigurationsdatei(*.conf)</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>%1 compared with %2</source>
        <translation>%1 verglichen mit %2</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Keine Unterschiede.</translation>
    </message>
    <message numerus="yes">
        <source>%n parameter(s) differ. Untick those you do not want to restore.</source>
        <translation>
            <numerusform>%n Parameter unterscheidet sich. Entfernen Sie den Haken, wenn er nicht wiederhergestellt werden soll.</numerusform>
            <numerusform>%n Parameter unterscheiden sich. Entfernen Sie den Haken bei denen, die nicht wiederhergestellt werden sollen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Tick the parameters to restore.</source>
        <translation>Haken Sie die Parameter an, die wiederhergestellt werden sollen.</translation>
    </message>
    <message>
        <source>Connect the flight controller to restore a configuration.</source>
        <translation>Verbinden Sie den Flugregler, um eine Konfiguration wiederherzustellen.</translation>
    </message>
    <message numerus="yes">
        <source>Restoring %n parameter(s): the status bar shows when the flight controller has taken them.</source>
        <translation>
            <numerusform>%n Parameter wird wiederhergestellt: Die Statusleiste zeigt, wenn der Flugregler ihn übernommen hat.</numerusform>
            <numerusform>%n Parameter werden wiederhergestellt: Die Statusleiste zeigt, wenn der Flugregler sie übernommen hat.</numerusform>
        </translation>
    </message>
    <message>
        <source>Connect the flight controller to save a snapshot of it.</source>
        <translation>Verbinden Sie den Flugregler, um einen Schnappschuss von ihm zu speichern.</translation>
    </message>
    <message>
        <source>The snapshot could not be saved.</source>
        <translation>Der Schnappschuss konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Snapshot saved.</source>
        <translation>Schnappschuss gespeichert.</translation>
    </message>
    <message>
        <source>Save Snapshot</source>
        <translation>Schnappschuss speichern</translation>
    </message>
    <message>
        <source>A note for this snapshot (optional):</source>
        <translation>Notiz zu diesem Schnappschuss (optional):</translation>
    </message>
    <message>
        <source>Unknown reason</source>
        <translation>Unbekannter Grund</translation>
    </message>
</context>
<context>
    <name>ConfigurationHistoryDialogUi</name>
    <message>
        <source>Configuration History</source>
        <translation>Konfigurationsverlauf</translation>
    </message>
    <message>
        <source>Snapshots, newest first (select two to compare them)</source>
        <translation>Schnappschüsse, neueste zuerst (zwei auswählen, um sie zu vergleichen)</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Anlass</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Save Snapshot...</source>
        <translation>Schnappschuss speichern...</translation>
    </message>
    <message>
        <source>Compare with Controller</source>
        <translation>Mit Flugregler vergleichen</translation>
    </message>
    <message>
        <source>Compare Selected</source>
        <translation>Auswahl vergleichen</translation>
    </message>
    <message>
        <source>Compare with File...</source>
        <translation>Mit Datei vergleichen...</translation>
    </message>
    <message>
        <source>Select a snapshot to compare it.</source>
        <translation>Wählen Sie einen Schnappschuss zum Vergleichen.</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Snapshot</source>
        <translation>Schnappschuss</translation>
    </message>
    <message>
        <source>Compared with</source>
        <translation>Verglichen mit</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Auswahl wiederherstellen</translation>
    </message>
    <message>
        <source>Restore All</source>
        <translation>Alles wiederherstellen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Show the selected snapshot on the pages without the flight controller</source>
        <translation>Den gewählten Schnappschuss ohne Flugsteuerung auf den Seiten zeigen</translation>
    </message>
    <message>
        <source>Open Offline</source>
        <translation>Offline öffnen</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Schnappschüsse</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
</context>
<context>
    <name>DiagramCaptions</name>
    <message>
        <source>Signal lost</source>
        <translation>Signal verloren</translation>
    </message>
    <message>
        <source>Hover in place</source>
        <translation>Position halten</translation>
    </message>
    <message>
        <source>Climb to go-home altitude</source>
        <translation>Auf Rückkehrhöhe steigen</translation>
    </message>
    <message>
        <source>Return home</source>
        <translation>Rückflug</translation>
    </message>
    <message>
        <source>Land</source>
        <translation>Landung</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>NIEDRIG</translation>
    </message>
    <message>
        <source>HIGH</source>
        <translation>HOCH</translation>
    </message>
    <message>
        <source>IDLE</source>
        <translation>LEERLAUF</translation>
    </message>
</context>
<context>
    <name>DifferenceTree</name>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
</context>
<context>
    <name>DownloadedFirmware</name>
    <message>
        <source>The downloaded firmware is made for another device (id 0x%1).</source>
        <translation>Die heruntergeladene Firmware ist für ein anderes Gerät (Kennung 0x%1).</translation>
    </message>
    <message>
        <source>The downloaded file has a firmware format this program does not know.</source>
        <translation>Die heruntergeladene Datei hat ein Firmwareformat, das dieses Programm nicht kennt.</translation>
    </message>
    <message>
        <source>The downloaded file is incomplete or too long: its %1 bytes do not match the size its header gives.</source>
        <translation>Die heruntergeladene Datei ist unvollständig oder zu lang: ihre %1 Bytes passen nicht zur Größe in ihrem Kopf.</translation>
    </message>
    <message>
        <source>The downloaded file is no valid firmware file (its header or checksum is wrong).</source>
        <translation>Die heruntergeladene Datei ist keine gültige Firmwaredatei (Kopf oder Prüfsumme falsch).</translation>
    </message>
    <message>
        <source>The downloaded firmware is version %1, but the update server announced %2.</source>
        <translation>Die heruntergeladene Firmware hat die Version %1, der Update-Server kündigte aber %2 an.</translation>
    </message>
</context>
<context>
    <name>EditAccess</name>
    <message>
        <source>Not connected: connect the flight controller to change its parameters</source>
        <translation>Nicht verbunden: Verbinden Sie den Flugregler, um seine Parameter zu ändern</translation>
    </message>
    <message>
        <source>Reading the parameters from the flight controller...</source>
        <translation>Die Parameter werden vom Flugregler gelesen...</translation>
    </message>
    <message>
        <source>The firmware upgrade is using the port: the parameters can be changed again once the flight controller is connected after it</source>
        <translation>Das Firmware-Upgrade benutzt den Anschluss: Die Parameter können wieder geändert werden, sobald der Flugregler danach verbunden ist</translation>
    </message>
    <message>
        <source>Choose first whether to keep the controller&apos;s configuration or to send the offline one</source>
        <translation>Wählen Sie zuerst, ob die Konfiguration der Steuerung bleibt oder die offline bearbeitete gesendet wird</translation>
    </message>
    <message>
        <source>Offline: this needs the flight controller connected</source>
        <translation>Offline: dafür muss die Flugsteuerung verbunden sein</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>Undone: %1 %2 → %3</source>
        <translation>Rückgängig: %1 %2 → %3</translation>
    </message>
    <message>
        <source>Not undone: %1 is %2 now, not %3</source>
        <translation>Nicht rückgängig gemacht: %1 ist jetzt %2, nicht %3</translation>
    </message>
    <message numerus="yes">
        <source>Undone: %n parameter(s) of a preset</source>
        <translation>
            <numerusform>Rückgängig: %n Parameter einer Vorgabe</numerusform>
            <numerusform>Rückgängig: %n Parameter einer Vorgabe</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FirmwareUpgradeDialog</name>
    <message>
        <source>The latest firmware version: </source>
        <translation>Neueste Firmware-Version: </translation>
    </message>
    <message>
        <source>Update:<byte value="xd"/>
</source>
        <translation>Aktualisierung:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Checking for firmware updates...</source>
        <translation>Suche nach Firmware-Updates...</translation>
    </message>
    <message>
        <source>State error:#001!</source>
        <translation>Statusfehler:#001!</translation>
    </message>
    <message>
        <source>Server error: Can Not Check Update Information!</source>
        <translation>Serverfehler: Update-Informationen können nicht abgerufen werden!</translation>
    </message>
    <message>
        <source>Download firmware file OK!</source>
        <translation>Firmware-Datei erfolgreich heruntergeladen!</translation>
    </message>
    <message>
        <source>Start Upgrade</source>
        <translation>Update starten</translation>
    </message>
    <message>
        <source>Download failed!</source>
        <translation>Herunterladen fehlgeschlagen!</translation>
    </message>
    <message>
        <source>No updates available!</source>
        <translation>Keine Updates verfügbar!</translation>
    </message>
    <message>
        <source>Download firmware file name error!</source>
        <translation>Dateiname der heruntergeladenen Firmware ungültig!</translation>
    </message>
    <message>
        <source>Do not exsit right file folder!</source>
        <translation>Zielordner nicht gefunden!</translation>
    </message>
    <message>
        <source>Firmware file open failed!</source>
        <translation>Firmware-Datei konnte nicht geöffnet werden!</translation>
    </message>
    <message>
        <source>Port name error!</source>
        <translation>Ungültiger Portname!</translation>
    </message>
    <message>
        <source>Stop Upgrade</source>
        <translation>Update stoppen</translation>
    </message>
    <message>
        <source>The file was deleted.</source>
        <translation>Die Datei wurde gelöscht.</translation>
    </message>
    <message>
        <source>Downloading into %1</source>
        <translation>Wird heruntergeladen nach %1</translation>
    </message>
    <message>
        <source>The download ended after %1 of the %2 bytes the update server announced.</source>
        <translation>Der Download endete nach %1 der %2 Bytes, die der Update-Server angekündigt hatte.</translation>
    </message>
    <message>
        <source>The server&apos;s answer is no update information for this flight controller.</source>
        <translation>Die Antwort des Servers ist keine Update-Information für diese Flugsteuerung.</translation>
    </message>
</context>
<context>
    <name>FirmwareUpgradeDialogUi</name>
    <message>
        <source>FirmwareUpgrade</source>
        <translation>Firmware-Aktualisierung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Firmware-Aktualisierung</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>Aktuelle Version:</translation>
    </message>
    <message>
        <source>--------</source>
        <translation>--------</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>DownLoad</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Upgrade log</source>
        <translation>Upgrade-Protokoll</translation>
    </message>
</context>
<context>
    <name>HelpBrowser</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>HelpDocument</name>
    <message>
        <source>This help page is not available</source>
        <translation>Diese Hilfeseite ist nicht verfügbar</translation>
    </message>
    <message>
        <source>The help document %1 was not found beside the program. Installing the program again brings it back.</source>
        <translation>Das Hilfedokument %1 wurde beim Programm nicht gefunden. Eine erneute Installation des Programms stellt es wieder her.</translation>
    </message>
</context>
<context>
    <name>InternalSettingPageUi</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Param1</source>
        <translation>Parameter 1</translation>
    </message>
    <message>
        <source>Servo Trim</source>
        <translation>Servo-Trimmung</translation>
    </message>
    <message>
        <source>trim0</source>
        <translation>trim0</translation>
    </message>
    <message>
        <source>trim1</source>
        <translation>trim1</translation>
    </message>
    <message>
        <source>trim2</source>
        <translation>trim2</translation>
    </message>
    <message>
        <source>trim3</source>
        <translation>trim3</translation>
    </message>
    <message>
        <source>trim4</source>
        <translation>trim4</translation>
    </message>
    <message>
        <source>trim5</source>
        <translation>trim5</translation>
    </message>
    <message>
        <source>trim6</source>
        <translation>trim6</translation>
    </message>
    <message>
        <source>trim7</source>
        <translation>trim7</translation>
    </message>
    <message>
        <source>trim8</source>
        <translation>trim8</translation>
    </message>
    <message>
        <source>trim9</source>
        <translation>trim9</translation>
    </message>
    <message>
        <source>trim10</source>
        <translation>trim10</translation>
    </message>
    <message>
        <source>trim11</source>
        <translation>trim11</translation>
    </message>
    <message>
        <source>Servo Rev</source>
        <translation>Servo-Umkehr</translation>
    </message>
    <message>
        <source>rev0</source>
        <translation>rev0</translation>
    </message>
    <message>
        <source>rev1</source>
        <translation>rev1</translation>
    </message>
    <message>
        <source>rev2</source>
        <translation>rev2</translation>
    </message>
    <message>
        <source>rev3</source>
        <translation>rev3</translation>
    </message>
    <message>
        <source>rev4</source>
        <translation>rev4</translation>
    </message>
    <message>
        <source>rev5</source>
        <translation>rev5</translation>
    </message>
    <message>
        <source>rev6</source>
        <translation>rev6</translation>
    </message>
    <message>
        <source>rev7</source>
        <translation>rev7</translation>
    </message>
    <message>
        <source>rev8</source>
        <translation>rev8</translation>
    </message>
    <message>
        <source>rev9</source>
        <translation>rev9</translation>
    </message>
    <message>
        <source>rev10</source>
        <translation>rev10</translation>
    </message>
    <message>
        <source>rev11</source>
        <translation>rev11</translation>
    </message>
    <message>
        <source>Rc Rev</source>
        <translation>RC-Umkehr</translation>
    </message>
    <message>
        <source>Level Swash</source>
        <translation>Taumelscheibe nivellieren</translation>
    </message>
    <message>
        <source>Tail Limit B</source>
        <translation>Heckbegrenzung B</translation>
    </message>
    <message>
        <source>Coll Ratio</source>
        <translation>Pitch-Verhältnis</translation>
    </message>
    <message>
        <source>Motor Idel</source>
        <translation>Motor-Leerlauf</translation>
    </message>
    <message>
        <source>Tail Limit A</source>
        <translation>Heckbegrenzung A</translation>
    </message>
    <message>
        <source>Receiver Type</source>
        <translation>Empfängertyp</translation>
    </message>
    <message>
        <source>Tail Servo Type</source>
        <translation>Heckservo-Typ</translation>
    </message>
    <message>
        <source>Ail Limit</source>
        <translation>Rollbegrenzung</translation>
    </message>
    <message>
        <source>Model Type</source>
        <translation>Modelltyp</translation>
    </message>
    <message>
        <source>Swash Servo Type</source>
        <translation>TS-Servo-Typ</translation>
    </message>
    <message>
        <source>Ele Limit</source>
        <translation>Nickbegrenzung</translation>
    </message>
    <message>
        <source>Motor Type</source>
        <translation>Motortyp</translation>
    </message>
    <message>
        <source>Param2</source>
        <translation>Parameter 2</translation>
    </message>
    <message>
        <source>Swash Phase</source>
        <translation>TS-Phasenwinkel</translation>
    </message>
    <message>
        <source>GPS Dist X</source>
        <translation>GPS-Abstand X</translation>
    </message>
    <message>
        <source>Safe Gard 2</source>
        <translation>Schutzfunktion 2</translation>
    </message>
    <message>
        <source>Installation</source>
        <translation>Einbaulage</translation>
    </message>
    <message>
        <source>GPS Dist Y</source>
        <translation>GPS-Abstand Y</translation>
    </message>
    <message>
        <source>VoltProtect switch</source>
        <translation>Spannungsschutz</translation>
    </message>
    <message>
        <source>Motor Stop Type</source>
        <translation>Motorstopp-Art</translation>
    </message>
    <message>
        <source>GPS Dist Z</source>
        <translation>GPS-Abstand Z</translation>
    </message>
    <message>
        <source>Loss Volt</source>
        <translation>Verlustspannung</translation>
    </message>
    <message>
        <source>IMU Rotate</source>
        <translation>IMU-Drehung</translation>
    </message>
    <message>
        <source>Governor Status</source>
        <translation>Governor-Status</translation>
    </message>
    <message>
        <source>Protect Volt 1</source>
        <translation>Schutzspannung 1</translation>
    </message>
    <message>
        <source>IMU Dist X</source>
        <translation>IMU-Abstand X</translation>
    </message>
    <message>
        <source>Waypoint Type</source>
        <translation>Wegpunkt-Typ</translation>
    </message>
    <message>
        <source>Protect Volt 2</source>
        <translation>Schutzspannung 2</translation>
    </message>
    <message>
        <source>IMU Dist Y</source>
        <translation>IMU-Abstand Y</translation>
    </message>
    <message>
        <source>Battery Cell</source>
        <translation>Akkuzellen</translation>
    </message>
    <message>
        <source>IMU Dist Z</source>
        <translation>IMU-Abstand Z</translation>
    </message>
    <message>
        <source>Safe Gard 1</source>
        <translation>Schutzfunktion 1</translation>
    </message>
    <message>
        <source>Channel Map</source>
        <translation>Kanalzuordnung</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Param3</source>
        <translation>Parameter 3</translation>
    </message>
    <message>
        <source>p</source>
        <translation>p</translation>
    </message>
    <message>
        <source>p ktotal</source>
        <translation>p ktotal</translation>
    </message>
    <message>
        <source>p kp</source>
        <translation>p kp</translation>
    </message>
    <message>
        <source>p ki</source>
        <translation>p ki</translation>
    </message>
    <message>
        <source>p kd</source>
        <translation>p kd</translation>
    </message>
    <message>
        <source>q</source>
        <translation>q</translation>
    </message>
    <message>
        <source>q ktotal</source>
        <translation>q ktotal</translation>
    </message>
    <message>
        <source>q kp</source>
        <translation>q kp</translation>
    </message>
    <message>
        <source>q ki</source>
        <translation>q ki</translation>
    </message>
    <message>
        <source>q kd</source>
        <translation>q kd</translation>
    </message>
    <message>
        <source>r</source>
        <translation>r</translation>
    </message>
    <message>
        <source>r ktotal</source>
        <translation>r ktotal</translation>
    </message>
    <message>
        <source>r kp</source>
        <translation>r kp</translation>
    </message>
    <message>
        <source>r ki</source>
        <translation>r ki</translation>
    </message>
    <message>
        <source>r kd</source>
        <translation>r kd</translation>
    </message>
    <message>
        <source>phi</source>
        <translation>phi</translation>
    </message>
    <message>
        <source>phi ktotal</source>
        <translation>phi ktotal</translation>
    </message>
    <message>
        <source>phi kp</source>
        <translation>phi kp</translation>
    </message>
    <message>
        <source>phi ki</source>
        <translation>phi ki</translation>
    </message>
    <message>
        <source>phi kd</source>
        <translation>phi kd</translation>
    </message>
    <message>
        <source>theta</source>
        <translation>theta</translation>
    </message>
    <message>
        <source>theta ktotal</source>
        <translation>theta ktotal</translation>
    </message>
    <message>
        <source>theta kp</source>
        <translation>theta kp</translation>
    </message>
    <message>
        <source>theta ki</source>
        <translation>theta ki</translation>
    </message>
    <message>
        <source>theta kd</source>
        <translation>theta kd</translation>
    </message>
    <message>
        <source>psi</source>
        <translation>psi</translation>
    </message>
    <message>
        <source>psi ktotal</source>
        <translation>psi ktotal</translation>
    </message>
    <message>
        <source>psi kp</source>
        <translation>psi kp</translation>
    </message>
    <message>
        <source>psi ki</source>
        <translation>psi ki</translation>
    </message>
    <message>
        <source>psi kd</source>
        <translation>psi kd</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>h ktotal</source>
        <translation>h ktotal</translation>
    </message>
    <message>
        <source>h kp</source>
        <translation>h kp</translation>
    </message>
    <message>
        <source>h ki</source>
        <translation>h ki</translation>
    </message>
    <message>
        <source>h kd</source>
        <translation>h kd</translation>
    </message>
    <message>
        <source>v</source>
        <translation>v</translation>
    </message>
    <message>
        <source>v ktotal</source>
        <translation>v ktotal</translation>
    </message>
    <message>
        <source>v kp</source>
        <translation>v kp</translation>
    </message>
    <message>
        <source>v ki</source>
        <translation>v ki</translation>
    </message>
    <message>
        <source>v kd</source>
        <translation>v kd</translation>
    </message>
    <message>
        <source>position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>position ktotal</source>
        <translation>position ktotal</translation>
    </message>
    <message>
        <source>position kp</source>
        <translation>position kp</translation>
    </message>
    <message>
        <source>position ki</source>
        <translation>position ki</translation>
    </message>
    <message>
        <source>position kd</source>
        <translation>position kd</translation>
    </message>
    <message>
        <source>Param4</source>
        <translation>Parameter 4</translation>
    </message>
    <message>
        <source>rpm</source>
        <translation>Drehzahl</translation>
    </message>
    <message>
        <source>rpm ktotal</source>
        <translation>rpm ktotal</translation>
    </message>
    <message>
        <source>rpm kp</source>
        <translation>rpm kp</translation>
    </message>
    <message>
        <source>rpm ki</source>
        <translation>rpm ki</translation>
    </message>
    <message>
        <source>rpm kd</source>
        <translation>rpm kd</translation>
    </message>
    <message>
        <source>rpm compensate colle</source>
        <translation>Drehzahlausgl. Pitch</translation>
    </message>
    <message>
        <source>right spin</source>
        <translation>Rechtsdrehung</translation>
    </message>
    <message>
        <source>deadband rc rudder</source>
        <translation>Totband RC Heck</translation>
    </message>
    <message>
        <source>rpm compensate cyclic</source>
        <translation>Drehzahlausgl. zyklisch</translation>
    </message>
    <message>
        <source>acc left</source>
        <translation>Beschl. links</translation>
    </message>
    <message>
        <source>deadband gyro z</source>
        <translation>Totband Gyro Z</translation>
    </message>
    <message>
        <source>rpm compensate tail</source>
        <translation>Drehzahlausgl. Heck</translation>
    </message>
    <message>
        <source>acc right</source>
        <translation>Beschl. rechts</translation>
    </message>
    <message>
        <source>deadband rc mainrotor</source>
        <translation>Totband RC Hauptrotor</translation>
    </message>
    <message>
        <source>burst coef</source>
        <translation>Burst-Koeffizient</translation>
    </message>
    <message>
        <source>dec left</source>
        <translation>Verzög. links</translation>
    </message>
    <message>
        <source>deadband gyro xy</source>
        <translation>Totband Gyro XY</translation>
    </message>
    <message>
        <source>roll agility</source>
        <translation>Roll-Agilität</translation>
    </message>
    <message>
        <source>dec right</source>
        <translation>Verzög. rechts</translation>
    </message>
    <message>
        <source>tail compensate colle</source>
        <translation>Heckausgl. Pitch</translation>
    </message>
    <message>
        <source>pitch agility</source>
        <translation>Nick-Agilität</translation>
    </message>
    <message>
        <source>acc mainrotor</source>
        <translation>Beschl. Hauptrotor</translation>
    </message>
    <message>
        <source>tail compensate cyclic</source>
        <translation>Heckausgl. zyklisch</translation>
    </message>
    <message>
        <source>left spin</source>
        <translation>Linksdrehung</translation>
    </message>
    <message>
        <source>dec mainrotor</source>
        <translation>Verzög. Hauptrotor</translation>
    </message>
    <message>
        <source>tail compensate colle zero</source>
        <translation>Heckausgl. Pitch null</translation>
    </message>
    <message>
        <source>Param5</source>
        <translation>Parameter 5</translation>
    </message>
    <message>
        <source>vu</source>
        <translation>vu</translation>
    </message>
    <message>
        <source>vu_ktotal</source>
        <translation>vu_ktotal</translation>
    </message>
    <message>
        <source>vu_kp</source>
        <translation>vu_kp</translation>
    </message>
    <message>
        <source>vu_ki</source>
        <translation>vu_ki</translation>
    </message>
    <message>
        <source>vu_kd</source>
        <translation>vu_kd</translation>
    </message>
    <message>
        <source>side dist</source>
        <translation>Seitenabstand</translation>
    </message>
    <message>
        <source>side dist ktotal</source>
        <translation>side dist ktotal</translation>
    </message>
    <message>
        <source>side dist kp</source>
        <translation>side dist kp</translation>
    </message>
    <message>
        <source>side dist ki</source>
        <translation>side dist ki</translation>
    </message>
    <message>
        <source>side dist kd</source>
        <translation>side dist kd</translation>
    </message>
    <message>
        <source>ioc enable</source>
        <translation>IOC aktiv</translation>
    </message>
    <message>
        <source>max_v_byhand</source>
        <translation>max_v_byhand</translation>
    </message>
    <message>
        <source>max declinerate</source>
        <translation>max. Sinkrate</translation>
    </message>
    <message>
        <source>cruise_vh_acc</source>
        <translation>cruise_vh_acc</translation>
    </message>
    <message>
        <source>flight trim phi</source>
        <translation>Flugtrimm phi</translation>
    </message>
    <message>
        <source>reach dist alt</source>
        <translation>Ankunftshöhe</translation>
    </message>
    <message>
        <source>max_theta_byhand</source>
        <translation>max_theta_byhand</translation>
    </message>
    <message>
        <source>cruise vh dec</source>
        <translation>cruise vh dec</translation>
    </message>
    <message>
        <source>flight trim theta</source>
        <translation>Flugtrimm theta</translation>
    </message>
    <message>
        <source>max auto spin</source>
        <translation>max. Autodrehung</translation>
    </message>
    <message>
        <source>cruise_vh_buff</source>
        <translation>cruise_vh_buff</translation>
    </message>
    <message>
        <source>cruise_vu_acc</source>
        <translation>cruise_vu_acc</translation>
    </message>
    <message>
        <source>invert flight</source>
        <translation>Rückenflug</translation>
    </message>
    <message>
        <source>max phi</source>
        <translation>max. phi</translation>
    </message>
    <message>
        <source>cruise vu buff</source>
        <translation>cruise vu buff</translation>
    </message>
    <message>
        <source>cruise_vu_dec</source>
        <translation>cruise_vu_dec</translation>
    </message>
    <message>
        <source>reserve1</source>
        <translation>Reserve1</translation>
    </message>
    <message>
        <source>max theta</source>
        <translation>max. theta</translation>
    </message>
    <message>
        <source>_vh_stick_acc</source>
        <translation>_vh_stick_acc</translation>
    </message>
    <message>
        <source>limit_radius</source>
        <translation>limit_radius</translation>
    </message>
    <message>
        <source>normal fail type</source>
        <translation>Failsafe normal</translation>
    </message>
    <message>
        <source>max vcruise</source>
        <translation>max. v Reiseflug</translation>
    </message>
    <message>
        <source>vh_stick_dec</source>
        <translation>vh_stick_dec</translation>
    </message>
    <message>
        <source>limit_alt</source>
        <translation>limit_alt</translation>
    </message>
    <message>
        <source>gps cruise fail type</source>
        <translation>Failsafe GPS-Flug</translation>
    </message>
    <message>
        <source>min vcruise</source>
        <translation>min. v Reiseflug</translation>
    </message>
    <message>
        <source>vu_stick_acc</source>
        <translation>vu_stick_acc</translation>
    </message>
    <message>
        <source>forbid_area_enable</source>
        <translation>forbid_area_enable</translation>
    </message>
    <message>
        <source>turn back height</source>
        <translation>Rückkehrhöhe</translation>
    </message>
    <message>
        <source>max climbrate</source>
        <translation>max. Steigrate</translation>
    </message>
    <message>
        <source>vu_stick_dec</source>
        <translation>vu_stick_dec</translation>
    </message>
    <message>
        <source>max_phi_byhand</source>
        <translation>max_phi_byhand</translation>
    </message>
    <message>
        <source>Calib Volt</source>
        <translation>Spannung kalibrieren</translation>
    </message>
    <message>
        <source>Test BEC</source>
        <translation>BEC testen</translation>
    </message>
    <message>
        <source>Calib RC Neu</source>
        <translation>RC-Mitte kalibrieren</translation>
    </message>
    <message>
        <source>Start Calib RC Scale</source>
        <translation>RC-Wege: Start</translation>
    </message>
    <message>
        <source>Stop Calib RC Scale</source>
        <translation>RC-Wege: Stopp</translation>
    </message>
    <message>
        <source>Bind DSM</source>
        <translation>DSM binden</translation>
    </message>
    <message>
        <source>CH7</source>
        <translation>Kanal 7</translation>
    </message>
    <message>
        <source>CH8</source>
        <translation>Kanal 8</translation>
    </message>
    <message>
        <source>CH9</source>
        <translation>Kanal 9</translation>
    </message>
    <message>
        <source>CH10</source>
        <translation>Kanal 10</translation>
    </message>
    <message>
        <source>CH11</source>
        <translation>Kanal 11</translation>
    </message>
    <message>
        <source>CH12</source>
        <translation>Kanal 12</translation>
    </message>
    <message>
        <source>CH13</source>
        <translation>Kanal 13</translation>
    </message>
    <message>
        <source>CH14</source>
        <translation>Kanal 14</translation>
    </message>
    <message>
        <source>CH15</source>
        <translation>Kanal 15</translation>
    </message>
    <message>
        <source>CH16</source>
        <translation>Kanal 16</translation>
    </message>
</context>
<context>
    <name>LinkMessages</name>
    <message>
        <source>COMPort open successfully</source>
        <translation>Serieller Anschluss erfolgreich geöffnet</translation>
    </message>
    <message>
        <source>COMPort open failed</source>
        <translation>Serieller Anschluss konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Connection closed</source>
        <translation>Verbindung geschlossen</translation>
    </message>
    <message>
        <source>Parameters uploaded</source>
        <translation>Parameter hochgeladen</translation>
    </message>
    <message>
        <source>Uploading...</source>
        <translation>Wird hochgeladen...</translation>
    </message>
    <message>
        <source>Parameters saved OK</source>
        <translation>Parameter erfolgreich gespeichert</translation>
    </message>
    <message>
        <source>Parameters saved error</source>
        <translation>Fehler beim Speichern der Parameter</translation>
    </message>
    <message>
        <source>Accelerometers calibrated OK</source>
        <translation>Beschleunigungssensoren erfolgreich kalibriert</translation>
    </message>
    <message>
        <source>Accelerometers calibrated error</source>
        <translation>Fehler beim Kalibrieren der Beschleunigungssensoren</translation>
    </message>
    <message>
        <source>Gyros calibrated OK</source>
        <translation>Gyroskope erfolgreich kalibriert</translation>
    </message>
    <message>
        <source>Gyros calibrated error</source>
        <translation>Fehler beim Kalibrieren der Gyroskope</translation>
    </message>
    <message>
        <source>Voltage calibrated OK</source>
        <translation>Spannung erfolgreich kalibriert</translation>
    </message>
    <message>
        <source>Voltage calibrated error</source>
        <translation>Fehler beim Kalibrieren der Spannung</translation>
    </message>
    <message>
        <source>Unconnected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
</context>
<context>
    <name>OfflineConfiguration</name>
    <message>
        <source>Defaults</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Invalid parameter file: %1
%2</source>
        <translation>Ungültige Parameterdatei: %1
%2</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot save the parameter file: %1</source>
        <translation>Die Parameterdatei kann nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>OfflineEditor</name>
    <message>
        <source>ConfigFile(*.conf)</source>
        <translation>Konfigurationsdatei(*.conf)</translation>
    </message>
    <message>
        <source>Offline: %1</source>
        <translation>Offline: %1</translation>
    </message>
    <message>
        <source>Open Configuration</source>
        <translation>Konfiguration öffnen</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>Save Configuration As</source>
        <translation>Konfiguration speichern unter</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>%1 has unsaved changes.
Do you want to save them?</source>
        <translation>%1 hat ungespeicherte Änderungen.
Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>The flight controller holds the same configuration as %1</source>
        <translation>Die Flugsteuerung hält dieselbe Konfiguration wie %1</translation>
    </message>
    <message>
        <source>The connection was lost before a choice was made: nothing was sent</source>
        <translation>Die Verbindung ging vor der Wahl verloren: nichts wurde gesendet</translation>
    </message>
    <message>
        <source>Configuration and Flight Controller</source>
        <translation>Konfiguration und Flugsteuerung</translation>
    </message>
    <message numerus="yes">
        <source>The flight controller holds another configuration than %1: %n parameter(s) differ. Nothing is sent to the controller before you choose.</source>
        <translation>
            <numerusform>Die Flugsteuerung hält eine andere Konfiguration als %1: %n Parameter unterscheidet sich. Nichts wird an die Steuerung gesendet, bevor Sie wählen.</numerusform>
            <numerusform>Die Flugsteuerung hält eine andere Konfiguration als %1: %n Parameter unterscheiden sich. Nichts wird an die Steuerung gesendet, bevor Sie wählen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Flight Controller</source>
        <translation>Flugsteuerung</translation>
    </message>
    <message>
        <source>Keep the Controller&apos;s</source>
        <translation>Die der Steuerung behalten</translation>
    </message>
    <message>
        <source>Send This Configuration</source>
        <translation>Diese Konfiguration senden</translation>
    </message>
    <message>
        <source>Send Selected</source>
        <translation>Auswahl senden</translation>
    </message>
    <message>
        <source>Save as Preset...</source>
        <translation>Als Vorgabe speichern...</translation>
    </message>
    <message>
        <source>Save as Preset</source>
        <translation>Als Vorgabe speichern</translation>
    </message>
    <message>
        <source>The flight controller&apos;s configuration is kept; %1 is unchanged</source>
        <translation>Die Konfiguration der Flugsteuerung bleibt; %1 ist unverändert</translation>
    </message>
    <message>
        <source>Sending %1 to the flight controller...</source>
        <translation>%1 wird an die Flugsteuerung gesendet...</translation>
    </message>
    <message>
        <source>Nothing was selected: the flight controller&apos;s configuration is kept</source>
        <translation>Nichts ausgewählt: die Konfiguration der Flugsteuerung bleibt</translation>
    </message>
    <message numerus="yes">
        <source>Sending %n parameter(s) of %1 to the flight controller...</source>
        <translation>
            <numerusform>%n Parameter von %1 wird an die Flugsteuerung gesendet...</numerusform>
            <numerusform>%n Parameter von %1 werden an die Flugsteuerung gesendet...</numerusform>
        </translation>
    </message>
    <message>
        <source>Connect the flight controller or open a configuration first</source>
        <translation>Verbinden Sie zuerst die Flugsteuerung oder öffnen Sie eine Konfiguration</translation>
    </message>
    <message>
        <source>Invalid preset: %1</source>
        <translation>Ungültige Vorgabe: %1</translation>
    </message>
    <message>
        <source>The preset changes nothing</source>
        <translation>Die Vorgabe ändert nichts</translation>
    </message>
    <message>
        <source>Apply Preset</source>
        <translation>Vorgabe anwenden</translation>
    </message>
    <message numerus="yes">
        <source>%1 changes %n parameter(s):</source>
        <translation>
            <numerusform>%1 ändert %n Parameter:</numerusform>
            <numerusform>%1 ändert %n Parameter:</numerusform>
        </translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Vorgabe</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message numerus="yes">
        <source>Preset %1 applied: %n parameter(s) changed</source>
        <translation>
            <numerusform>Vorgabe %1 angewendet: %n Parameter geändert</numerusform>
            <numerusform>Vorgabe %1 angewendet: %n Parameter geändert</numerusform>
        </translation>
    </message>
    <message>
        <source>Tick the parameters the preset holds.</source>
        <translation>Haken Sie die Parameter an, die die Vorgabe enthält.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <source>Cannot save the preset: %1</source>
        <translation>Die Vorgabe kann nicht gespeichert werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>Saved preset %1 (%n parameter(s))</source>
        <translation>
            <numerusform>Vorgabe %1 gespeichert (%n Parameter)</numerusform>
            <numerusform>Vorgabe %1 gespeichert (%n Parameter)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ParameterBinder</name>
    <message>
        <source>Not sent yet: press Enter</source>
        <translation>Noch nicht gesendet: Eingabetaste drücken</translation>
    </message>
    <message>
        <source>The flight controller holds %1, outside %2</source>
        <translation>Die Flugsteuerung enthält %1, außerhalb von %2</translation>
    </message>
    <message>
        <source>The flight controller holds %1, which is none of the choices here</source>
        <translation>Die Flugsteuerung enthält %1, keine der Auswahlen hier</translation>
    </message>
    <message>
        <source>Allowed: %1</source>
        <translation>Erlaubt: %1</translation>
    </message>
    <message>
        <source>Not sent. Allowed: %1</source>
        <translation>Nicht gesendet. Erlaubt: %1</translation>
    </message>
    <message>
        <source>%1 level %2</source>
        <translation>%1 Stufe %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ParameterFile</name>
    <message>
        <source>line %1 is not a key with a value</source>
        <translation>Zeile %1 ist kein Schlüssel mit Wert</translation>
    </message>
    <message>
        <source>key %1 appears twice (lines %2 and %3)</source>
        <translation>Schlüssel %1 kommt zweimal vor (Zeilen %2 und %3)</translation>
    </message>
    <message>
        <source>missing key %1 (%2)</source>
        <translation>Schlüssel %1 fehlt (%2)</translation>
    </message>
    <message>
        <source>%1 (%2): &apos;%3&apos; is not a whole number</source>
        <translation>%1 (%2): „%3“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>%1 (%2): %3 is outside %4 (%5..%6)</source>
        <translation>%1 (%2): %3 liegt außerhalb von %4 (%5..%6)</translation>
    </message>
    <message>
        <source>cannot write %1: no such folder</source>
        <translation>%1 kann nicht geschrieben werden: Ordner existiert nicht</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot replace %1</source>
        <translation>%1 kann nicht ersetzt werden</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the file is larger than 64 KiB</source>
        <translation>die Datei ist größer als 64 KiB</translation>
    </message>
    <message>
        <source>%1 is not a parameter file</source>
        <translation>%1 ist keine Parameterdatei</translation>
    </message>
    <message>
        <source>line %1: %2 is not a key of a parameter file</source>
        <translation>Zeile %1: %2 ist kein Schlüssel einer Parameterdatei</translation>
    </message>
    <message>
        <source>%1: holds no parameter</source>
        <translation>%1: enthält keinen Parameter</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
</context>
<context>
    <name>ParameterModel</name>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>FailSafe</source>
        <translation>Failsafe</translation>
    </message>
    <message>
        <source>IOC</source>
        <translation>IOC</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Grenzen</translation>
    </message>
    <message>
        <source>Param1</source>
        <translation>Parameter 1</translation>
    </message>
    <message>
        <source>Param2</source>
        <translation>Parameter 2</translation>
    </message>
    <message>
        <source>Param3</source>
        <translation>Parameter 3</translation>
    </message>
    <message>
        <source>Param4</source>
        <translation>Parameter 4</translation>
    </message>
    <message>
        <source>Param5</source>
        <translation>Parameter 5</translation>
    </message>
    <message>
        <source>Motor Idel Speed</source>
        <translation>Leerlaufdrehzahl</translation>
    </message>
    <message>
        <source>Enhanced Failsafe Methods</source>
        <translation>Erweiterte Ausfallsicherung</translation>
    </message>
    <message>
        <source>Go-Home Heading</source>
        <translation>Ausrichtung bei Rückkehr</translation>
    </message>
    <message>
        <source>Go-Home Switch</source>
        <translation>Rückkehrschalter</translation>
    </message>
    <message>
        <source>Go-Home Altitude</source>
        <translation>Rückkehrhöhe</translation>
    </message>
    <message>
        <source>Intelligent Orientation Control</source>
        <translation>Intelligente Ausrichtungssteuerung</translation>
    </message>
    <message>
        <source>Altitude Limit</source>
        <translation>Höhenbegrenzung</translation>
    </message>
    <message>
        <source>Distance Limit</source>
        <translation>Entfernungsbegrenzung</translation>
    </message>
    <message>
        <source>Forbiden Area Limit</source>
        <translation>Flugverbotszone</translation>
    </message>
    <message>
        <source>Servo Trim</source>
        <translation>Servo-Trimmung</translation>
    </message>
    <message>
        <source>Servo Rev</source>
        <translation>Servo-Umkehr</translation>
    </message>
    <message>
        <source>Rc Rev</source>
        <translation>RC-Umkehr</translation>
    </message>
    <message>
        <source>Channel Map</source>
        <translation>Kanalzuordnung</translation>
    </message>
    <message>
        <source>Hover</source>
        <translation>Schweben</translation>
    </message>
    <message>
        <source>Alt Go-Home</source>
        <translation>Rückkehr in Höhe</translation>
    </message>
    <message>
        <source>Towards</source>
        <translation>Bug voraus</translation>
    </message>
    <message>
        <source>Backwards</source>
        <translation>Heck voraus</translation>
    </message>
    <message>
        <source>Course Lock</source>
        <translation>Kurssperre</translation>
    </message>
    <message>
        <source>Home Lock</source>
        <translation>Heimatsperre</translation>
    </message>
    <message>
        <source>Point of Interest</source>
        <translation>Umkreisen</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Function 1</source>
        <translation>Funktion 1</translation>
    </message>
    <message>
        <source>Function 2</source>
        <translation>Funktion 2</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>trim0</source>
        <translation>trim0</translation>
    </message>
    <message>
        <source>trim1</source>
        <translation>trim1</translation>
    </message>
    <message>
        <source>trim2</source>
        <translation>trim2</translation>
    </message>
    <message>
        <source>trim3</source>
        <translation>trim3</translation>
    </message>
    <message>
        <source>trim4</source>
        <translation>trim4</translation>
    </message>
    <message>
        <source>trim5</source>
        <translation>trim5</translation>
    </message>
    <message>
        <source>trim6</source>
        <translation>trim6</translation>
    </message>
    <message>
        <source>trim7</source>
        <translation>trim7</translation>
    </message>
    <message>
        <source>trim8</source>
        <translation>trim8</translation>
    </message>
    <message>
        <source>trim9</source>
        <translation>trim9</translation>
    </message>
    <message>
        <source>trim10</source>
        <translation>trim10</translation>
    </message>
    <message>
        <source>trim11</source>
        <translation>trim11</translation>
    </message>
    <message>
        <source>rev0</source>
        <translation>rev0</translation>
    </message>
    <message>
        <source>rev1</source>
        <translation>rev1</translation>
    </message>
    <message>
        <source>rev2</source>
        <translation>rev2</translation>
    </message>
    <message>
        <source>rev3</source>
        <translation>rev3</translation>
    </message>
    <message>
        <source>rev4</source>
        <translation>rev4</translation>
    </message>
    <message>
        <source>rev5</source>
        <translation>rev5</translation>
    </message>
    <message>
        <source>rev6</source>
        <translation>rev6</translation>
    </message>
    <message>
        <source>rev7</source>
        <translation>rev7</translation>
    </message>
    <message>
        <source>rev8</source>
        <translation>rev8</translation>
    </message>
    <message>
        <source>rev9</source>
        <translation>rev9</translation>
    </message>
    <message>
        <source>rev10</source>
        <translation>rev10</translation>
    </message>
    <message>
        <source>rev11</source>
        <translation>rev11</translation>
    </message>
    <message>
        <source>Tail Servo Type</source>
        <translation>Heckservo-Typ</translation>
    </message>
    <message>
        <source>Swash Servo Type</source>
        <translation>TS-Servo-Typ</translation>
    </message>
    <message>
        <source>Tail Limit B</source>
        <translation>Heckbegrenzung B</translation>
    </message>
    <message>
        <source>Tail Limit A</source>
        <translation>Heckbegrenzung A</translation>
    </message>
    <message>
        <source>Ail Limit</source>
        <translation>Rollbegrenzung</translation>
    </message>
    <message>
        <source>Ele Limit</source>
        <translation>Nickbegrenzung</translation>
    </message>
    <message>
        <source>Coll Ratio</source>
        <translation>Pitch-Verhältnis</translation>
    </message>
    <message>
        <source>Receiver Type</source>
        <translation>Empfängertyp</translation>
    </message>
    <message>
        <source>Model Type</source>
        <translation>Modelltyp</translation>
    </message>
    <message>
        <source>Motor Type</source>
        <translation>Motortyp</translation>
    </message>
    <message>
        <source>Swash Phase</source>
        <translation>TS-Phasenwinkel</translation>
    </message>
    <message>
        <source>Installation</source>
        <translation>Einbaulage</translation>
    </message>
    <message>
        <source>Motor Stop Type</source>
        <translation>Motorstopp-Art</translation>
    </message>
    <message>
        <source>IMU Rotate</source>
        <translation>IMU-Drehung</translation>
    </message>
    <message>
        <source>IMU Dist X</source>
        <translation>IMU-Abstand X</translation>
    </message>
    <message>
        <source>IMU Dist Y</source>
        <translation>IMU-Abstand Y</translation>
    </message>
    <message>
        <source>IMU Dist Z</source>
        <translation>IMU-Abstand Z</translation>
    </message>
    <message>
        <source>GPS Dist X</source>
        <translation>GPS-Abstand X</translation>
    </message>
    <message>
        <source>GPS Dist Y</source>
        <translation>GPS-Abstand Y</translation>
    </message>
    <message>
        <source>GPS Dist Z</source>
        <translation>GPS-Abstand Z</translation>
    </message>
    <message>
        <source>Governor Status</source>
        <translation>Governor-Status</translation>
    </message>
    <message>
        <source>Waypoint Type</source>
        <translation>Wegpunkt-Typ</translation>
    </message>
    <message>
        <source>Battery Cell</source>
        <translation>Akkuzellen</translation>
    </message>
    <message>
        <source>Safe Gard 1</source>
        <translation>Schutzfunktion 1</translation>
    </message>
    <message>
        <source>Safe Gard 2</source>
        <translation>Schutzfunktion 2</translation>
    </message>
    <message>
        <source>VoltProtect switch</source>
        <translation>Spannungsschutz</translation>
    </message>
    <message>
        <source>Loss Volt</source>
        <translation>Verlustspannung</translation>
    </message>
    <message>
        <source>Protect Volt 1</source>
        <translation>Schutzspannung 1</translation>
    </message>
    <message>
        <source>Protect Volt 2</source>
        <translation>Schutzspannung 2</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Channel 7</source>
        <translation>Kanal 7</translation>
    </message>
    <message>
        <source>Channel 8</source>
        <translation>Kanal 8</translation>
    </message>
    <message>
        <source>Channel 9</source>
        <translation>Kanal 9</translation>
    </message>
    <message>
        <source>Channel 10</source>
        <translation>Kanal 10</translation>
    </message>
    <message>
        <source>Channel 11</source>
        <translation>Kanal 11</translation>
    </message>
    <message>
        <source>Channel 12</source>
        <translation>Kanal 12</translation>
    </message>
    <message>
        <source>Channel 13</source>
        <translation>Kanal 13</translation>
    </message>
    <message>
        <source>Channel 14</source>
        <translation>Kanal 14</translation>
    </message>
    <message>
        <source>Channel 15</source>
        <translation>Kanal 15</translation>
    </message>
    <message>
        <source>Channel 16</source>
        <translation>Kanal 16</translation>
    </message>
    <message>
        <source>p ktotal</source>
        <translation>p ktotal</translation>
    </message>
    <message>
        <source>p</source>
        <translation>p</translation>
    </message>
    <message>
        <source>p kp</source>
        <translation>p kp</translation>
    </message>
    <message>
        <source>p ki</source>
        <translation>p ki</translation>
    </message>
    <message>
        <source>p kd</source>
        <translation>p kd</translation>
    </message>
    <message>
        <source>q ktotal</source>
        <translation>q ktotal</translation>
    </message>
    <message>
        <source>q</source>
        <translation>q</translation>
    </message>
    <message>
        <source>q kp</source>
        <translation>q kp</translation>
    </message>
    <message>
        <source>q ki</source>
        <translation>q ki</translation>
    </message>
    <message>
        <source>q kd</source>
        <translation>q kd</translation>
    </message>
    <message>
        <source>r ktotal</source>
        <translation>r ktotal</translation>
    </message>
    <message>
        <source>r</source>
        <translation>r</translation>
    </message>
    <message>
        <source>r kp</source>
        <translation>r kp</translation>
    </message>
    <message>
        <source>r ki</source>
        <translation>r ki</translation>
    </message>
    <message>
        <source>r kd</source>
        <translation>r kd</translation>
    </message>
    <message>
        <source>phi ktotal</source>
        <translation>phi ktotal</translation>
    </message>
    <message>
        <source>phi</source>
        <translation>phi</translation>
    </message>
    <message>
        <source>phi kp</source>
        <translation>phi kp</translation>
    </message>
    <message>
        <source>phi ki</source>
        <translation>phi ki</translation>
    </message>
    <message>
        <source>phi kd</source>
        <translation>phi kd</translation>
    </message>
    <message>
        <source>theta ktotal</source>
        <translation>theta ktotal</translation>
    </message>
    <message>
        <source>theta</source>
        <translation>theta</translation>
    </message>
    <message>
        <source>theta kp</source>
        <translation>theta kp</translation>
    </message>
    <message>
        <source>theta ki</source>
        <translation>theta ki</translation>
    </message>
    <message>
        <source>theta kd</source>
        <translation>theta kd</translation>
    </message>
    <message>
        <source>psi ktotal</source>
        <translation>psi ktotal</translation>
    </message>
    <message>
        <source>psi</source>
        <translation>psi</translation>
    </message>
    <message>
        <source>psi kp</source>
        <translation>psi kp</translation>
    </message>
    <message>
        <source>psi ki</source>
        <translation>psi ki</translation>
    </message>
    <message>
        <source>psi kd</source>
        <translation>psi kd</translation>
    </message>
    <message>
        <source>h ktotal</source>
        <translation>h ktotal</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>h kp</source>
        <translation>h kp</translation>
    </message>
    <message>
        <source>h ki</source>
        <translation>h ki</translation>
    </message>
    <message>
        <source>h kd</source>
        <translation>h kd</translation>
    </message>
    <message>
        <source>v ktotal</source>
        <translation>v ktotal</translation>
    </message>
    <message>
        <source>v</source>
        <translation>v</translation>
    </message>
    <message>
        <source>v kp</source>
        <translation>v kp</translation>
    </message>
    <message>
        <source>v ki</source>
        <translation>v ki</translation>
    </message>
    <message>
        <source>v kd</source>
        <translation>v kd</translation>
    </message>
    <message>
        <source>position ktotal</source>
        <translation>position ktotal</translation>
    </message>
    <message>
        <source>position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>position kp</source>
        <translation>position kp</translation>
    </message>
    <message>
        <source>position ki</source>
        <translation>position ki</translation>
    </message>
    <message>
        <source>position kd</source>
        <translation>position kd</translation>
    </message>
    <message>
        <source>rpm ktotal</source>
        <translation>rpm ktotal</translation>
    </message>
    <message>
        <source>rpm</source>
        <translation>Drehzahl</translation>
    </message>
    <message>
        <source>rpm kp</source>
        <translation>rpm kp</translation>
    </message>
    <message>
        <source>rpm ki</source>
        <translation>rpm ki</translation>
    </message>
    <message>
        <source>rpm kd</source>
        <translation>rpm kd</translation>
    </message>
    <message>
        <source>rpm compensate colle</source>
        <translation>Drehzahlausgl. Pitch</translation>
    </message>
    <message>
        <source>rpm compensate cyclic</source>
        <translation>Drehzahlausgl. zyklisch</translation>
    </message>
    <message>
        <source>rpm compensate tail</source>
        <translation>Drehzahlausgl. Heck</translation>
    </message>
    <message>
        <source>burst coef</source>
        <translation>Burst-Koeffizient</translation>
    </message>
    <message>
        <source>roll agility</source>
        <translation>Roll-Agilität</translation>
    </message>
    <message>
        <source>pitch agility</source>
        <translation>Nick-Agilität</translation>
    </message>
    <message>
        <source>left spin</source>
        <translation>Linksdrehung</translation>
    </message>
    <message>
        <source>right spin</source>
        <translation>Rechtsdrehung</translation>
    </message>
    <message>
        <source>acc left</source>
        <translation>Beschl. links</translation>
    </message>
    <message>
        <source>acc right</source>
        <translation>Beschl. rechts</translation>
    </message>
    <message>
        <source>dec left</source>
        <translation>Verzög. links</translation>
    </message>
    <message>
        <source>dec right</source>
        <translation>Verzög. rechts</translation>
    </message>
    <message>
        <source>acc mainrotor</source>
        <translation>Beschl. Hauptrotor</translation>
    </message>
    <message>
        <source>dec mainrotor</source>
        <translation>Verzög. Hauptrotor</translation>
    </message>
    <message>
        <source>deadband rc rudder</source>
        <translation>Totband RC Heck</translation>
    </message>
    <message>
        <source>deadband gyro z</source>
        <translation>Totband Gyro Z</translation>
    </message>
    <message>
        <source>deadband rc mainrotor</source>
        <translation>Totband RC Hauptrotor</translation>
    </message>
    <message>
        <source>deadband gyro xy</source>
        <translation>Totband Gyro XY</translation>
    </message>
    <message>
        <source>tail compensate colle</source>
        <translation>Heckausgl. Pitch</translation>
    </message>
    <message>
        <source>tail compensate cyclic</source>
        <translation>Heckausgl. zyklisch</translation>
    </message>
    <message>
        <source>tail compensate colle zero</source>
        <translation>Heckausgl. Pitch null</translation>
    </message>
    <message>
        <source>vu_ktotal</source>
        <translation>vu_ktotal</translation>
    </message>
    <message>
        <source>vu</source>
        <translation>vu</translation>
    </message>
    <message>
        <source>vu_kp</source>
        <translation>vu_kp</translation>
    </message>
    <message>
        <source>vu_ki</source>
        <translation>vu_ki</translation>
    </message>
    <message>
        <source>vu_kd</source>
        <translation>vu_kd</translation>
    </message>
    <message>
        <source>side dist ktotal</source>
        <translation>side dist ktotal</translation>
    </message>
    <message>
        <source>side dist</source>
        <translation>Seitenabstand</translation>
    </message>
    <message>
        <source>side dist kp</source>
        <translation>side dist kp</translation>
    </message>
    <message>
        <source>side dist ki</source>
        <translation>side dist ki</translation>
    </message>
    <message>
        <source>side dist kd</source>
        <translation>side dist kd</translation>
    </message>
    <message>
        <source>IOC Enable</source>
        <translation>IOC aktivieren</translation>
    </message>
    <message>
        <source>Middle stick position</source>
        <translation>Mittlere Schalterstellung</translation>
    </message>
    <message>
        <source>Right stick position</source>
        <translation>Rechte Schalterstellung</translation>
    </message>
    <message>
        <source>flight trim phi</source>
        <translation>Flugtrimm phi</translation>
    </message>
    <message>
        <source>flight trim theta</source>
        <translation>Flugtrimm theta</translation>
    </message>
    <message>
        <source>invert flight</source>
        <translation>Rückenflug</translation>
    </message>
    <message>
        <source>reserve1</source>
        <translation>Reserve1</translation>
    </message>
    <message>
        <source>gps cruise fail type</source>
        <translation>Failsafe GPS-Flug</translation>
    </message>
    <message>
        <source>Go-Home Enable</source>
        <translation>Rückkehr aktivieren</translation>
    </message>
    <message>
        <source>max_v_byhand</source>
        <translation>max_v_byhand</translation>
    </message>
    <message>
        <source>reach dist alt</source>
        <translation>Ankunftshöhe</translation>
    </message>
    <message>
        <source>max auto spin</source>
        <translation>max. Autodrehung</translation>
    </message>
    <message>
        <source>max phi</source>
        <translation>max. phi</translation>
    </message>
    <message>
        <source>max theta</source>
        <translation>max. theta</translation>
    </message>
    <message>
        <source>max vcruise</source>
        <translation>max. v Reiseflug</translation>
    </message>
    <message>
        <source>min vcruise</source>
        <translation>min. v Reiseflug</translation>
    </message>
    <message>
        <source>max climbrate</source>
        <translation>max. Steigrate</translation>
    </message>
    <message>
        <source>max declinerate</source>
        <translation>max. Sinkrate</translation>
    </message>
    <message>
        <source>max_theta_byhand</source>
        <translation>max_theta_byhand</translation>
    </message>
    <message>
        <source>cruise_vh_buff</source>
        <translation>cruise_vh_buff</translation>
    </message>
    <message>
        <source>cruise vu buff</source>
        <translation>cruise vu buff</translation>
    </message>
    <message>
        <source>_vh_stick_acc</source>
        <translation>_vh_stick_acc</translation>
    </message>
    <message>
        <source>vh_stick_dec</source>
        <translation>vh_stick_dec</translation>
    </message>
    <message>
        <source>vu_stick_acc</source>
        <translation>vu_stick_acc</translation>
    </message>
    <message>
        <source>vu_stick_dec</source>
        <translation>vu_stick_dec</translation>
    </message>
    <message>
        <source>cruise_vh_acc</source>
        <translation>cruise_vh_acc</translation>
    </message>
    <message>
        <source>cruise vh dec</source>
        <translation>cruise vh dec</translation>
    </message>
    <message>
        <source>cruise_vu_acc</source>
        <translation>cruise_vu_acc</translation>
    </message>
    <message>
        <source>cruise_vu_dec</source>
        <translation>cruise_vu_dec</translation>
    </message>
    <message>
        <source>Max Radius</source>
        <translation>Max. Radius</translation>
    </message>
    <message>
        <source>Max Altitude</source>
        <translation>Max. Höhe</translation>
    </message>
    <message>
        <source>max_phi_byhand</source>
        <translation>max_phi_byhand</translation>
    </message>
    <message>
        <source>Spare byte %1</source>
        <translation>Reservebyte %1</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Internal</source>
        <translation>Intern</translation>
    </message>
    <message>
        <source>Not shown</source>
        <translation>Nicht angezeigt</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>volts</source>
        <translation>Volt</translation>
    </message>
</context>
<context>
    <name>ParameterRestore</name>
    <message>
        <source>Restoring the parameters failed</source>
        <translation>Wiederherstellen der Parameter fehlgeschlagen</translation>
    </message>
    <message>
        <source>Parameters restored from before the upgrade</source>
        <translation>Parameter von vor dem Update wiederhergestellt</translation>
    </message>
    <message>
        <source>Restoring the parameters failed: the flight controller did not take %1</source>
        <translation>Wiederherstellen der Parameter fehlgeschlagen: der Flugcontroller hat %1 nicht übernommen</translation>
    </message>
</context>
<context>
    <name>RecordingPlot</name>
    <message>
        <source>The recording has no rows yet. Reload reads the file again.</source>
        <translation>Die Aufzeichnung enthält noch keine Zeilen. „Neu laden“ liest die Datei erneut.</translation>
    </message>
</context>
<context>
    <name>RecordingReader</name>
    <message>
        <source>%1 cannot be read: there is not enough memory for it</source>
        <translation>%1 kann nicht gelesen werden: Dafür reicht der Speicher nicht</translation>
    </message>
</context>
<context>
    <name>RecordingViewerWindow</name>
    <message>
        <source>%1 - Recording</source>
        <translation>%1 - Aufzeichnung</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Open Recording</source>
        <translation>Aufzeichnung öffnen</translation>
    </message>
    <message numerus="yes">
        <source>The last %n line(s) of the file were cut short and are left out.</source>
        <translation>
            <numerusform>Die letzte Zeile der Datei ist abgeschnitten und wurde weggelassen.</numerusform>
            <numerusform>Die letzten %n Zeilen der Datei sind abgeschnitten und wurden weggelassen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) over %1</source>
        <translation>
            <numerusform>%n Zeile über %1</numerusform>
            <numerusform>%n Zeilen über %1</numerusform>
        </translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>Von %1 bis %2</translation>
    </message>
    <message numerus="yes">
        <source>Length %1, %n row(s)</source>
        <translation>
            <numerusform>Länge %1, %n Zeile</numerusform>
            <numerusform>Länge %1, %n Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 is the recording shown: choose another name for the span.</source>
        <translation>%1 ist die angezeigte Aufzeichnung: Wählen Sie für den Ausschnitt einen anderen Namen.</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>Telemetry recordings (*.csv)</source>
        <translation>Telemetrie-Aufzeichnungen (*.csv)</translation>
    </message>
    <message>
        <source>Telemetry recordings (*.csv);;All files (*)</source>
        <translation>Telemetrie-Aufzeichnungen (*.csv);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>RecordingViewerWindowUi</name>
    <message>
        <source>Recording</source>
        <translation>Aufzeichnung</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Tick the channels to plot; each kind of value gets its own plot</source>
        <translation>Kanäle zum Zeichnen ankreuzen; jede Art von Wert erhält ein eigenes Diagramm</translation>
    </message>
    <message>
        <source>Shows the whole recording (Home)</source>
        <translation>Zeigt die ganze Aufzeichnung (Pos1)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Alles zeigen</translation>
    </message>
    <message>
        <source>Reads the file again, with what has been recorded since it was opened</source>
        <translation>Liest die Datei erneut, mit allem, was seit dem Öffnen aufgezeichnet wurde</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Saves the plots as they are shown as a PNG picture</source>
        <translation>Speichert die Diagramme, wie sie angezeigt werden, als PNG-Bild</translation>
    </message>
    <message>
        <source>Export Picture...</source>
        <translation>Bild exportieren...</translation>
    </message>
    <message>
        <source>Saves the rows of the span shown as a recording of its own</source>
        <translation>Speichert die Zeilen des angezeigten Ausschnitts als eigene Aufzeichnung</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>Span Shown</source>
        <translation>Ausschnitt</translation>
    </message>
    <message>
        <source>Minimum, maximum and mean of each channel shown, over the span shown</source>
        <translation>Minimum, Maximum und Mittelwert jedes angezeigten Kanals über den angezeigten Ausschnitt</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Recorded channels</source>
        <translation>Aufgezeichnete Kanäle</translation>
    </message>
    <message>
        <source>Span and help</source>
        <translation>Ausschnitt und Hilfe</translation>
    </message>
</context>
<context>
    <name>ScopePlot</name>
    <message>
        <source>now</source>
        <translation>jetzt</translation>
    </message>
    <message>
        <source>-%1 s</source>
        <translation>-%1 s</translation>
    </message>
</context>
<context>
    <name>SensorPlot</name>
    <message>
        <source>Gyroscope (degree/s)</source>
        <translation>Gyroskop (Grad/s)</translation>
    </message>
    <message>
        <source>Acceleration (m/s^2)</source>
        <translation>Beschleunigung (m/s²)</translation>
    </message>
</context>
<context>
    <name>SensorScopeWindow</name>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
</context>
<context>
    <name>SensorScopeWindowUi</name>
    <message>
        <source>Sensor Scope</source>
        <translation>Sensor-Oszilloskop</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Tick the channels to plot; each kind of value gets its own plot</source>
        <translation>Kanäle zum Zeichnen ankreuzen; jede Art von Wert erhält ein eigenes Diagramm</translation>
    </message>
    <message>
        <source>Time window</source>
        <translation>Zeitfenster</translation>
    </message>
    <message>
        <source>10 s</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>60 s</source>
        <translation>60 s</translation>
    </message>
    <message>
        <source>Holds the picture; telemetry is still collected meanwhile</source>
        <translation>Hält das Bild an; die Telemetrie wird währenddessen weiter gesammelt</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
</context>
<context>
    <name>SnapshotRecorder</name>
    <message>
        <source>partly refused</source>
        <translation>teilweise abgelehnt</translation>
    </message>
</context>
<context>
    <name>TelemetryRecorder</name>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>No file can be created in %1: %2</source>
        <translation>In %1 kann keine Datei angelegt werden: %2</translation>
    </message>
    <message>
        <source>%1: %2 keeps the rows written before</source>
        <translation>%1: %2 behält die bisher geschriebenen Zeilen</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
</context>
<context>
    <name>TelemetryRecording</name>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1 values where %2 are expected</source>
        <translation>%1 Werte, erwartet werden %2</translation>
    </message>
    <message>
        <source>%1 is not a number: &apos;%2&apos;</source>
        <translation>%1 ist keine Zahl: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>the time %1 ms comes before the line above (%2 ms)</source>
        <translation>die Zeit %1 ms liegt vor der Zeile darüber (%2 ms)</translation>
    </message>
    <message>
        <source>%1: the file is empty</source>
        <translation>%1: die Datei ist leer</translation>
    </message>
    <message>
        <source>%1: the file is larger than 256 MiB</source>
        <translation>%1: die Datei ist größer als 256 MiB</translation>
    </message>
    <message>
        <source>binary data, not a telemetry recording</source>
        <translation>Binärdaten, keine Telemetrieaufzeichnung</translation>
    </message>
    <message>
        <source>this is not the header of a telemetry recording</source>
        <translation>dies ist nicht die Kopfzeile einer Telemetrieaufzeichnung</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: reading was stopped</source>
        <translation>%1: Das Lesen wurde abgebrochen</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 ist keine Datei</translation>
    </message>
</context>
<context>
    <name>ToolSettingPage</name>
    <message>
        <source>Cannot save the parameter file: %1</source>
        <translation>Parameterdatei kann nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Invalid parameter file: %1
%2</source>
        <translation>Ungültige Parameterdatei: %1
%2</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>Konfigurationsdatei speichern</translation>
    </message>
    <message>
        <source>ConfigFile(*.conf)</source>
        <translation>Konfigurationsdatei(*.conf)</translation>
    </message>
    <message>
        <source>Export Parameters</source>
        <translation>Parameter exportieren</translation>
    </message>
    <message>
        <source>Open Config File</source>
        <translation>Konfigurationsdatei öffnen</translation>
    </message>
    <message>
        <source>Import Parameters</source>
        <translation>Parameter importieren</translation>
    </message>
    <message>
        <source>Write flash now...</source>
        <translation>Flash wird geschrieben...</translation>
    </message>
    <message>
        <source>Calibrate accelerometers now...</source>
        <translation>Beschleunigungssensoren werden kalibriert...</translation>
    </message>
    <message>
        <source>Calibrate gyros now...</source>
        <translation>Gyroskope werden kalibriert...</translation>
    </message>
    <message>
        <source>Recording %1  %2</source>
        <translation>Aufzeichnung %1  %2</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufzeichnen</translation>
    </message>
    <message>
        <source>Recording could not start: %1</source>
        <translation>Die Aufzeichnung konnte nicht beginnen: %1</translation>
    </message>
    <message>
        <source>Stop Recording</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Gespeichert: %1</translation>
    </message>
    <message>
        <source>Recording stopped: %1</source>
        <translation>Aufzeichnung abgebrochen: %1</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Soll die Datei ersetzt werden?</translation>
    </message>
    <message>
        <source>No configuration is open offline</source>
        <translation>Keine Konfiguration ist offline geöffnet</translation>
    </message>
    <message>
        <source>Gyroscope</source>
        <translation>Gyroskop</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Beschleunigung</translation>
    </message>
    <message>
        <source>degrees per second</source>
        <translation>Grad pro Sekunde</translation>
    </message>
    <message>
        <source>metres per second squared</source>
        <translation>Meter pro Quadratsekunde</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>magnitude</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Compass error</source>
        <translation>Kompassfehler</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Nicken</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Rollen</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>ToolSettingPageUi</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Configurations</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Export Parameters</source>
        <translation>Parameter exportieren</translation>
    </message>
    <message>
        <source>Import Parameters</source>
        <translation>Parameter importieren</translation>
    </message>
    <message>
        <source>Restore Default Settings</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensoren</translation>
    </message>
    <message>
        <source>Gyroscope(degree/s)</source>
        <translation>Gyroskop (Grad/s)</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Mod</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Acceleration(m/s^2)</source>
        <translation>Beschleunigung (m/s²)</translation>
    </message>
    <message>
        <source>Compass error</source>
        <translation>Kompassfehler</translation>
    </message>
    <message>
        <source>Attitude(degree)</source>
        <translation>Lage (Grad)</translation>
    </message>
    <message>
        <source>Pitch</source>
        <translation>Nicken</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Rollen</translation>
    </message>
    <message>
        <source>Heading</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>Altitude(m)</source>
        <translation>Höhe (m)</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Calibrate Accelerometers</source>
        <translation>Beschl.-Sensoren kalibrieren</translation>
    </message>
    <message>
        <source>Calibrate Gyroscopes</source>
        <translation>Gyroskope kalibrieren</translation>
    </message>
    <message>
        <source>Write Flash</source>
        <translation>Flash schreiben</translation>
    </message>
    <message>
        <source>Write Parameters to Flash</source>
        <translation>Parameter in Flash schreiben</translation>
    </message>
    <message>
        <source>Records every telemetry cycle into a CSV file in your documents folder (while connected)</source>
        <translation>Zeichnet jeden Telemetriezyklus in eine CSV-Datei in Ihrem Dokumente-Ordner auf (solange verbunden)</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufzeichnen</translation>
    </message>
    <message>
        <source>Opens a window with rolling plots of the chosen channels</source>
        <translation>Öffnet ein Fenster mit laufenden Diagrammen der gewählten Kanäle</translation>
    </message>
    <message>
        <source>Sensor Scope...</source>
        <translation>Oszilloskop...</translation>
    </message>
    <message>
        <source>Every configuration the assistant has seen: compare and restore them</source>
        <translation>Jede Konfiguration, die der Assistent gesehen hat: vergleichen und wiederherstellen</translation>
    </message>
    <message>
        <source>Configuration History...</source>
        <translation>Konfigurationsverlauf...</translation>
    </message>
    <message>
        <source>Opens a telemetry recording (CSV) in a viewer: zoom, read values, compare spans</source>
        <translation>Öffnet eine Telemetrie-Aufzeichnung (CSV) in einem Betrachter: zoomen, Werte ablesen, Ausschnitte vergleichen</translation>
    </message>
    <message>
        <source>Open Recording...</source>
        <translation>Aufzeichnung öffnen...</translation>
    </message>
    <message>
        <source>Open a parameter file without the flight controller: the pages show it and edits change it</source>
        <translation>Eine Parameterdatei ohne Flugsteuerung öffnen: die Seiten zeigen sie, Änderungen ändern sie</translation>
    </message>
    <message>
        <source>Open Configuration...</source>
        <translation>Konfiguration öffnen...</translation>
    </message>
    <message>
        <source>A new configuration of default values, edited without the flight controller</source>
        <translation>Eine neue Konfiguration aus Standardwerten, ohne Flugsteuerung bearbeitet</translation>
    </message>
    <message>
        <source>New from Defaults</source>
        <translation>Neu (Standardwerte)</translation>
    </message>
    <message>
        <source>Save the offline configuration to its file (Ctrl+S)</source>
        <translation>Die Offline-Konfiguration in ihre Datei speichern (Strg+S)</translation>
    </message>
    <message>
        <source>Save Configuration</source>
        <translation>Konfiguration speichern</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Apply a file of some parameters to what the pages show</source>
        <translation>Eine Datei mit einigen Parametern auf das anwenden, was die Seiten zeigen</translation>
    </message>
    <message>
        <source>Apply Preset...</source>
        <translation>Vorgabe anwenden...</translation>
    </message>
    <message>
        <source>Save chosen parameters of what the pages show as a preset</source>
        <translation>Gewählte Parameter dessen, was die Seiten zeigen, als Vorgabe speichern</translation>
    </message>
    <message>
        <source>Save as Preset...</source>
        <translation>Als Vorgabe speichern...</translation>
    </message>
</context>
<context>
    <name>TransferWatch</name>
    <message>
        <source>The update server sent nothing for %1 s.</source>
        <translation>Der Update-Server hat %1 s lang nichts gesendet.</translation>
    </message>
    <message>
        <source>The update server did not send the update information within %1 s.</source>
        <translation>Der Update-Server hat die Update-Information nicht innerhalb von %1 s gesendet.</translation>
    </message>
</context>
<context>
    <name>UpdateSettingPageUi</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Device Info</source>
        <translation>Geräteinformationen</translation>
    </message>
    <message>
        <source>Device Type:</source>
        <translation>Gerätetyp:</translation>
    </message>
    <message>
        <source>----------------------</source>
        <translation>----------------------</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Firmware-Informationen</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Aktuelle Version:</translation>
    </message>
    <message>
        <source>-----------------</source>
        <translation>-----------------</translation>
    </message>
    <message>
        <source>No updates</source>
        <translation>Keine Updates</translation>
    </message>
    <message>
        <source>Start Upgrade</source>
        <translation>Update starten</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>Firmware-Datei öffnen</translation>
    </message>
    <message>
        <source>Software Info</source>
        <translation>Software-Informationen</translation>
    </message>
    <message>
        <source>Software Version:</source>
        <translation>Software-Version:</translation>
    </message>
    <message>
        <source>Update Online</source>
        <translation>Online-Update</translation>
    </message>
    <message>
        <source>Keep the flight controller powered and connected while its firmware is upgraded.</source>
        <translation>Flugcontroller während der Firmware-Aktualisierung eingeschaltet und verbunden lassen.</translation>
    </message>
</context>
<context>
    <name>UpgradeGuard</name>
    <message>
        <source>The flight controller does not answer on the link: its parameters were not saved.</source>
        <translation>Der Flugcontroller antwortet nicht über die Verbindung: seine Parameter wurden nicht gesichert.</translation>
    </message>
    <message>
        <source>The parameters could not be saved before the upgrade (%1): nothing was flashed.</source>
        <translation>Die Parameter konnten vor dem Update nicht gesichert werden (%1): es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Parameters saved before the upgrade: %1</source>
        <translation>Parameter vor dem Update gesichert: %1</translation>
    </message>
    <message>
        <source>The flight controller answers, but its parameters could not be read: nothing was flashed.</source>
        <translation>Die Flugsteuerung antwortet, aber ihre Parameter konnten nicht gelesen werden: es wurde nichts geflasht.</translation>
    </message>
    <message>
        <source>Nothing was flashed.</source>
        <translation>Es wurde nichts geflasht.</translation>
    </message>
    <message>
        <source>The flight controller waits in its bootloader: its parameters cannot be read now.</source>
        <translation>Die Flugsteuerung wartet in ihrem Bootloader: ihre Parameter können jetzt nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The parameters saved from it at %1 (firmware %2) are offered after the upgrade.</source>
        <translation>Die um %1 von ihr gespeicherten Parameter (Firmware %2) werden nach dem Upgrade angeboten.</translation>
    </message>
</context>
<context>
    <name>UpgradeMessages</name>
    <message>
        <source>Exit</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>%1 open OK</source>
        <translation>%1 erfolgreich geöffnet</translation>
    </message>
    <message>
        <source>%1 open error</source>
        <translation>Fehler beim Öffnen von %1</translation>
    </message>
    <message>
        <source>Version Error</source>
        <translation>Versionsfehler</translation>
    </message>
    <message>
        <source>Send Check Error</source>
        <translation>Prüfsummenfehler beim Senden</translation>
    </message>
    <message>
        <source>Recv Check Error</source>
        <translation>Prüfsummenfehler beim Empfang</translation>
    </message>
    <message>
        <source>Timeout Error</source>
        <translation>Zeitüberschreitung</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Dateifehler</translation>
    </message>
    <message>
        <source>File open OK</source>
        <translation>Datei erfolgreich geöffnet</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>Fehler beim Öffnen der Datei</translation>
    </message>
    <message>
        <source>Erase Error</source>
        <translation>Fehler beim Löschen</translation>
    </message>
    <message>
        <source>File Size Error</source>
        <translation>Ungültige Dateigröße</translation>
    </message>
    <message>
        <source>Length Error</source>
        <translation>Längenfehler</translation>
    </message>
    <message>
        <source>Upgrading now, please wait...</source>
        <translation>Aktualisierung läuft, bitte warten...</translation>
    </message>
    <message>
        <source>Upgraded OK</source>
        <translation>Aktualisierung erfolgreich</translation>
    </message>
    <message>
        <source>Address Error</source>
        <translation>Adressfehler</translation>
    </message>
    <message>
        <source>Flash Error</source>
        <translation>Flash-Fehler</translation>
    </message>
    <message>
        <source>Head Error</source>
        <translation>Header-Fehler</translation>
    </message>
    <message>
        <source>Go to App Error</source>
        <translation>Fehler beim Starten der Anwendung</translation>
    </message>
    <message>
        <source>Device Error, please check module connection</source>
        <translation>Gerätefehler, bitte Modulverbindung prüfen</translation>
    </message>
    <message>
        <source>State Error</source>
        <translation>Statusfehler</translation>
    </message>
    <message>
        <source>The flight controller keeps its firmware</source>
        <translation>Der Flugcontroller behält seine Firmware</translation>
    </message>
    <message>
        <source>Not flashed: the firmware is not newer than the installed one</source>
        <translation>Nicht geflasht: die Firmware ist nicht neuer als die installierte</translation>
    </message>
    <message>
        <source>The flight controller waits in its bootloader; its firmware is whole</source>
        <translation>Die Flugsteuerung wartet in ihrem Bootloader; ihre Firmware ist vollständig</translation>
    </message>
</context>
<context>
    <name>UpgradeQuestion</name>
    <message>
        <source>Stopping now leaves the flight controller without working firmware until it is upgraded again. Stop anyway?</source>
        <translation>Wenn Sie jetzt abbrechen, hat der Flugcontroller keine funktionierende Firmware, bis er erneut aktualisiert wird. Trotzdem abbrechen?</translation>
    </message>
    <message>
        <source>Firmware Upgrade</source>
        <translation>Firmware-Aktualisierung</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Stop the upgrade? Nothing has been erased yet: the flight controller keeps its firmware.</source>
        <translation>Upgrade abbrechen? Noch wurde nichts gelöscht: die Flugsteuerung behält ihre Firmware.</translation>
    </message>
    <message numerus="yes">
        <source>Restore the %n parameters saved before the upgrade from the flight controller on %1 at %2 (firmware %3)?</source>
        <translation>
            <numerusform>Den %n Parameter wiederherstellen, der vor dem Upgrade um %2 von der Flugsteuerung an %1 gespeichert wurde (Firmware %3)?</numerusform>
            <numerusform>Die %n Parameter wiederherstellen, die vor dem Upgrade um %2 von der Flugsteuerung an %1 gespeichert wurden (Firmware %3)?</numerusform>
        </translation>
    </message>
    <message>
        <source>Firmware %1 is the version already installed. Flash it again anyway?</source>
        <translation>Firmware %1 ist bereits installiert. Trotzdem erneut flashen?</translation>
    </message>
    <message>
        <source>Firmware %1 is older than the installed %2. Flash anyway?</source>
        <translation>Firmware %1 ist älter als die installierte %2. Trotzdem flashen?</translation>
    </message>
</context>
<context>
    <name>UpgradeWarningDialogUi</name>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Please connect your device, firstly!</source>
        <translation>Bitte zuerst das Gerät verbinden!</translation>
    </message>
</context>
<context>
    <name>contentWidget</name>
    <message>
        <source>The snapshot could not be saved: %1</source>
        <translation>Der Schnappschuss konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Nothing undone: %1</source>
        <translation>Nichts rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>Import Parameters</source>
        <translation>Parameter importieren</translation>
    </message>
</context>
<context>
    <name>mainWidget</name>
    <message>
        <source>Germany</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>&lt;font color = &apos;red&apos;&gt;Please restart the application!&lt;/font&gt;</source>
        <translation>&lt;font color = &apos;red&apos;&gt;Bitte starten Sie die Anwendung neu!&lt;/font&gt;</translation>
    </message>
    <message>
        <source>The setting could not be saved: %1 is not writable</source>
        <translation>Die Einstellung konnte nicht gespeichert werden: %1 ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>The settings file %1 was damaged and has been replaced; the language and port were kept where they could be read</source>
        <translation>Die Einstellungsdatei %1 war beschädigt und wurde ersetzt; Sprache und Anschluss wurden übernommen, soweit sie lesbar waren</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>%1 cannot be opened: Skydesk opens telemetry recordings (.csv) and parameter files (.conf) named on its command line.</source>
        <translation>%1 kann nicht geöffnet werden: Skydesk öffnet Telemetrieaufzeichnungen (.csv) und Parameterdateien (.conf), die auf seiner Befehlszeile genannt sind.</translation>
    </message>
</context>
<context>
    <name>statusWidget</name>
    <message>
        <source>Parameters uploaded and verified</source>
        <translation>Parameter hochgeladen und geprüft</translation>
    </message>
    <message>
        <source>The flight controller did not accept: %1</source>
        <translation>Der Flugregler hat nicht übernommen: %1</translation>
    </message>
    <message>
        <source>Lost the flight controller on %1: it reconnects when the port comes back</source>
        <translation>Verbindung zum Flugregler an %1 verloren: sie wird wiederhergestellt, sobald der Anschluss zurück ist</translation>
    </message>
    <message>
        <source>Reconnected to %1</source>
        <translation>Wieder verbunden mit %1</translation>
    </message>
    <message>
        <source>COMPort open failed: %1: no such device</source>
        <translation>Serieller Anschluss konnte nicht geöffnet werden: %1: kein solches Gerät</translation>
    </message>
    <message>
        <source>COMPort open failed: %1: permission denied (on Linux: add your user to the dialout group and log in again)</source>
        <translation>Serieller Anschluss konnte nicht geöffnet werden: %1: Zugriff verweigert (unter Linux: Benutzer zur Gruppe dialout hinzufügen und neu anmelden)</translation>
    </message>
    <message>
        <source>COMPort open failed: %1 is in use by another program</source>
        <translation>Serieller Anschluss konnte nicht geöffnet werden: %1 wird von einem anderen Programm benutzt</translation>
    </message>
    <message>
        <source>COMPort open failed: %1</source>
        <translation>Serieller Anschluss konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>COMPort open failed: %1: %2</source>
        <translation>Serieller Anschluss konnte nicht geöffnet werden: %1: %2</translation>
    </message>
    <message>
        <source>Upgrading firmware...</source>
        <translation>Firmware wird aktualisiert...</translation>
    </message>
    <message>
        <source>The flight controller is waiting for firmware</source>
        <translation>Der Flugcontroller wartet auf Firmware</translation>
    </message>
    <message>
        <source>Another program is reading %1: close it, then connect again</source>
        <translation>Ein anderes Programm liest %1: Schließen Sie es und verbinden Sie erneut</translation>
    </message>
    <message>
        <source>The flight controller stopped answering during the upload: it was sent again once the controller answered</source>
        <translation>Der Flugregler antwortete während des Hochladens nicht mehr: Es wurde erneut gesendet, sobald er wieder antwortete</translation>
    </message>
    <message>
        <source>%1 went away during the upload: the flight controller may not hold %2</source>
        <translation>%1 ist während des Hochladens verschwunden: Der Flugregler enthält möglicherweise nicht %2</translation>
    </message>
    <message>
        <source>COMPort open failed: %1 is not a serial port</source>
        <translation>Serieller Anschluss konnte nicht geöffnet werden: %1 ist kein serieller Anschluss</translation>
    </message>
    <message>
        <source>COMPort open failed: no port is chosen</source>
        <translation>Serieller Anschluss konnte nicht geöffnet werden: Kein Anschluss gewählt</translation>
    </message>
    <message>
        <source>COMPort open failed: %1 is not a port name</source>
        <translation>Serieller Anschluss konnte nicht geöffnet werden: %1 ist kein Anschlussname</translation>
    </message>
</context>
<context>
    <name>titleWidget</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>  KESTO Tarvel 2 Assistant  </source>
        <translation>  KESTO Tarvel 2 Assistant  </translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
</context>
<context>
    <name>toolWidget</name>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Refresh the port list</source>
        <translation>Portliste aktualisieren</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Internal</source>
        <translation>Intern</translation>
    </message>
    <message>
        <source>%1 page (%2)</source>
        <translation>Seite %1 (%2)</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
</context>
<context>
    <name>updatesettingpage</name>
    <message>
        <source>Online Upgrade</source>
        <translation>Online-Upgrade</translation>
    </message>
    <message>
        <source>New firmware available!</source>
        <translation>Neue Firmware verfügbar!</translation>
    </message>
    <message>
        <source>No Update</source>
        <translation>Kein Update</translation>
    </message>
    <message>
        <source>Open Firmware File</source>
        <translation>Firmware-Datei öffnen</translation>
    </message>
    <message>
        <source>Firmware(*.qmtvf)</source>
        <translation>Firmware(*.qmtvf)</translation>
    </message>
    <message>
        <source>Firmware File: </source>
        <translation>Firmware-Datei: </translation>
    </message>
    <message>
        <source>Notice: You should connect controller, firstly!</source>
        <translation>Hinweis: Bitte zuerst den Flugcontroller verbinden!</translation>
    </message>
    <message>
        <source>Start Upgrade</source>
        <translation>Update starten</translation>
    </message>
    <message>
        <source>Firmware not exist!</source>
        <translation>Firmware-Datei nicht gefunden!</translation>
    </message>
    <message>
        <source>Port name error! Make sure you have select right port!</source>
        <translation>Ungültiger Portname! Bitte den richtigen Port auswählen!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Upgrade Progress: %1%</source>
        <translation>Update-Fortschritt: %1%</translation>
    </message>
    <message>
        <source>The flight controller is waiting for firmware: its last upgrade did not finish. Choose a firmware file and press Start Upgrade to repair it.</source>
        <translation>Der Flugcontroller wartet auf Firmware: seine letzte Aktualisierung wurde nicht abgeschlossen. Wählen Sie eine Firmware-Datei und klicken Sie auf „Update starten“, um ihn zu reparieren.</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>The software updater is not installed: update with your package manager</source>
        <translation>Das Aktualisierungsprogramm ist nicht installiert: Aktualisieren Sie mit Ihrer Paketverwaltung</translation>
    </message>
</context>
</TS>
