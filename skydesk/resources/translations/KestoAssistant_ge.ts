<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
