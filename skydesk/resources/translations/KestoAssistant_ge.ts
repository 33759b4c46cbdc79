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
</TS>
