<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AdvanceSettingPage</name>
    <message>
        <source>Invalid Param!</source>
        <translation>Ungültiger Parameter!</translation>
    </message>
    <message>
        <source>ioc function2: %1</source>
        <translation>ioc function2: %1</translation>
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
        <source>Hover</source>
        <translation>Schweben</translation>
    </message>
    <message>
        <source>Alt Go-Home</source>
        <translation>Rückkehr in Höhe</translation>
    </message>
    <message>
        <source>Go-Home Heading</source>
        <translation>Ausrichtung bei Rückkehr</translation>
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
        <source>Go-Home Altitude</source>
        <translation>Rückkehrhöhe</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
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
        <source>Course Lock</source>
        <translation>Kurssperre</translation>
    </message>
    <message>
        <source>Point of Interest</source>
        <translation>Umkreisen</translation>
    </message>
    <message>
        <source>Home Lock</source>
        <translation>Heimatsperre</translation>
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
        <source>ON</source>
        <translation>EIN</translation>
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
        <source>about:blank</source>
        <translation>about:blank</translation>
    </message>
    <message>
        <source>Keep the flight controller powered and connected while its firmware is upgraded.</source>
        <translation>Flugcontroller während der Firmware-Aktualisierung eingeschaltet und verbunden lassen.</translation>
    </message>
</context>
<context>
    <name>UpgradeReportText</name>
    <message>
        <source>&lt;h6&gt;&lt;font color=#000000&gt;%1 open OK&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#000000&gt;%1 erfolgreich geöffnet&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;%1 open error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Fehler beim Öffnen von %1&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Version Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Versionsfehler&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Send Check Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Prüfsummenfehler beim Senden&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Recv Check Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Prüfsummenfehler beim Empfang&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Timeout Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Zeitüberschreitung&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;File Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Dateifehler&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#000000&gt;File open OK&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#000000&gt;Datei erfolgreich geöffnet&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;File Open Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Fehler beim Öffnen der Datei&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Erase Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Fehler beim Löschen&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;File Size Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Ungültige Dateigröße&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Length Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Längenfehler&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#000000&gt;Upgrading now, please wait...&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#000000&gt;Aktualisierung läuft, bitte warten...&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#000000&gt;Upgraded OK&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#000000&gt;Aktualisierung erfolgreich&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Address Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Adressfehler&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Flash Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Flash-Fehler&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Head Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Header-Fehler&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Go to App Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Fehler beim Starten der Anwendung&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;Device Error, please check module connection&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Gerätefehler, bitte Modulverbindung prüfen&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>&lt;h6&gt;&lt;font color=#ff0000&gt;State Error&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#ff0000&gt;Statusfehler&lt;/font&gt;&lt;/h6&gt;</translation>
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
</context>
<context>
    <name>statusWidget</name>
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
</context>
<context>
    <name>updatesettingpage</name>
    <message>
        <source>Online Upgrade</source>
        <translation>Online-Aktualisierung</translation>
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
        <source>&lt;h6&gt;&lt;font color=#000000&gt;Exit&lt;/font&gt;&lt;/h6&gt;</source>
        <translation>&lt;h6&gt;&lt;font color=#000000&gt;Beendet&lt;/font&gt;&lt;/h6&gt;</translation>
    </message>
    <message>
        <source>Upgrade Progress: %1%</source>
        <translation>Update-Fortschritt: %1%</translation>
    </message>
</context>
</TS>
