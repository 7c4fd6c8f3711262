<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About ORVANTA Curve Scope</source>
        <translation>Über ORVANTA Curve Scope</translation>
    </message>
    <message>
        <source>ORVANTA Curve Scope</source>
        <translation>ORVANTA Curve Scope</translation>
    </message>
    <message>
        <source>© 2026 Orvanta Systems GmbH</source>
        <translation>© 2026 Orvanta Systems GmbH</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>Revision: %1</source>
        <translation>Revision: %1</translation>
    </message>
    <message>
        <source>Orvanta Systems GmbH

Musterweg 12
12345 Beispielstadt

Germany</source>
        <translation>Orvanta Systems GmbH

Musterweg 12
12345 Beispielstadt

Deutschland</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;https://www.orvanta.example&quot;&gt;www.orvanta.example&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;https://www.orvanta.example&quot;&gt;www.orvanta.example&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;mailto:support@orvanta.example&quot;&gt;support@orvanta.example&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;mailto:support@orvanta.example&quot;&gt;support@orvanta.example&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>CCsvFileDialog</name>
    <message>
        <source>Chose CSV Format</source>
        <translation>CSV-Format wählen</translation>
    </message>
    <message>
        <source>Time/Data Pairs</source>
        <translation>Zeit/Wert-Paare</translation>
    </message>
    <message>
        <source>Timestamp List</source>
        <translation>Zeitstempelliste</translation>
    </message>
    <message>
        <source>Comma-Separated Values (*.csv);;All (*.*)</source>
        <translation>Kommagetrennte Werte (*.csv);;Alle (*.*)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
</context>
<context>
    <name>CSelectLanguageDialog</name>
    <message>
        <source>Select Language</source>
        <translation>Sprache wählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>The selected language will be used when the program is started the next time.</source>
        <translation>Die gewählte Sprache wird beim nächsten Programmstart verwendet.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Orvanta Curve Scope</source>
        <translation>Orvanta Curve Scope</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Select a tlx file and open it</source>
        <translation>Eine tlx-Datei auswählen und öffnen</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close file</source>
        <translation>Datei schließen</translation>
    </message>
    <message>
        <source>&amp;Export to CSV</source>
        <translation>Als CSV &amp;exportieren</translation>
    </message>
    <message>
        <source>Write data into a CSV file</source>
        <translation>Daten in eine CSV-Datei schreiben</translation>
    </message>
    <message>
        <source>Export &amp;Plot</source>
        <translation>&amp;Diagramm exportieren</translation>
    </message>
    <message>
        <source>Save plot into an image file</source>
        <translation>Diagramm in eine Bilddatei speichern</translation>
    </message>
    <message>
        <source>Copy plot to clipboard</source>
        <translation>Diagramm in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy plot to clipboard (Ctrl+C)</source>
        <translation>Diagramm in die Zwischenablage kopieren (Strg+C)</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Set Language</source>
        <translation>&amp;Sprache einstellen</translation>
    </message>
    <message>
        <source>Set language for the next application start.</source>
        <translation>Sprache für den nächsten Programmstart einstellen.</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Show general informations about this program</source>
        <translation>Allgemeine Informationen über dieses Programm anzeigen</translation>
    </message>
    <message>
        <source>&amp;Tips and Tricks...</source>
        <translation>&amp;Tipps und Tricks...</translation>
    </message>
    <message>
        <source>Show some tips and tricks</source>
        <translation>Einige Tipps und Tricks anzeigen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Speed (RPM)</source>
        <translation>Drehzahl (U/min)</translation>
    </message>
    <message>
        <source>Global Timing [°]</source>
        <translation>Globaler Zündzeitpunkt [°]</translation>
    </message>
    <message>
        <source>Output [%]</source>
        <translation>Ausgang [%]</translation>
    </message>
    <message>
        <source>CSV export failed</source>
        <translation>CSV-Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>Unable to write data to file &apos;%1&apos; !
</source>
        <translation>Die Daten konnten nicht in die Datei &apos;%1&apos; geschrieben werden!
</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source> Documents</source>
        <translation> Dokumente</translation>
    </message>
    <message>
        <source>Export File Name</source>
        <translation>Name der Exportdatei</translation>
    </message>
    <message>
        <source>Unsupported image format</source>
        <translation>Nicht unterstütztes Bildformat</translation>
    </message>
    <message>
        <source>The selected file format &quot;%1&quot; is not supported!
Please use one of the following file extensions:
%2</source>
        <translation>Das gewählte Dateiformat &quot;%1&quot; wird nicht unterstützt!
Bitte verwenden Sie eine der folgenden Dateiendungen:
%2</translation>
    </message>
    <message>
        <source>Plot export failed</source>
        <translation>Diagrammexport fehlgeschlagen</translation>
    </message>
    <message>
        <source>Unable to write the plot to file &apos;%1&apos; !
</source>
        <translation>Das Diagramm konnte nicht in die Datei &apos;%1&apos; geschrieben werden!
</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Trends (*.tlx)</source>
        <translation>Trends (*.tlx)</translation>
    </message>
    <message>
        <source>Missing configuration file</source>
        <translation>Konfigurationsdatei fehlt</translation>
    </message>
    <message>
        <source>Unable to read configuration from %1!
The configuration file %1 must be present in the same folder as the selected data file and it must be readable.</source>
        <translation>Die Konfiguration konnte nicht aus %1 gelesen werden!
Die Konfigurationsdatei %1 muss im selben Ordner wie die gewählte Datendatei liegen und lesbar sein.</translation>
    </message>
    <message>
        <source>Invalid configuration</source>
        <translation>Ungültige Konfiguration</translation>
    </message>
    <message>
        <source>Unable to read configuration from %1!
Configuration is invalid.</source>
        <translation>Die Konfiguration konnte nicht aus %1 gelesen werden!
Die Konfiguration ist ungültig.</translation>
    </message>
    <message>
        <source>Plot failed</source>
        <translation>Darstellung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Unable to plot data</source>
        <translation>Die Daten können nicht dargestellt werden</translation>
    </message>
    <message>
        <source>No file</source>
        <translation>Keine Datei</translation>
    </message>
    <message>
        <source>No file selected.</source>
        <translation>Keine Datei ausgewählt.</translation>
    </message>
    <message>
        <source>Config file selected</source>
        <translation>Konfigurationsdatei ausgewählt</translation>
    </message>
    <message>
        <source>You have selected a configuration file:
</source>
        <translation>Sie haben eine Konfigurationsdatei ausgewählt:
</translation>
    </message>
    <message>
        <source>
Please open a data file if you want to see a plot.</source>
        <translation>
Bitte öffnen Sie eine Datendatei, um ein Diagramm zu sehen.</translation>
    </message>
    <message>
        <source>Unknown file selected</source>
        <translation>Unbekannte Datei ausgewählt</translation>
    </message>
    <message>
        <source>Unknown file name %1, cannot read data!
Please do not rename any tlx files  created by your Visorix device.</source>
        <translation>Unbekannter Dateiname %1, die Daten können nicht gelesen werden!
Bitte benennen Sie keine tlx-Dateien um, die Ihr Visorix-Gerät erstellt hat.</translation>
    </message>
    <message>
        <source>Reading file failed</source>
        <translation>Lesen der Datei fehlgeschlagen</translation>
    </message>
    <message>
        <source>Unable to read data from file %1!</source>
        <translation>Die Daten konnten nicht aus der Datei %1 gelesen werden!</translation>
    </message>
    <message>
        <source>Data file is empty</source>
        <translation>Datendatei ist leer</translation>
    </message>
    <message>
        <source>File %1 does not contain any usable data.</source>
        <translation>Die Datei %1 enthält keine verwendbaren Daten.</translation>
    </message>
    <message>
        <source>Speed Recording</source>
        <translation>Drehzahlaufzeichnung</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>U/min</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Drehzahl</translation>
    </message>
    <message>
        <source>Global Timing Recording</source>
        <translation>Aufzeichnung globaler Zündzeitpunkt</translation>
    </message>
    <message>
        <source>Relative Angle [°CRANK]</source>
        <translation>Relativer Winkel [°KW]</translation>
    </message>
    <message>
        <source>Global Timing</source>
        <translation>Globaler Zündzeitpunkt</translation>
    </message>
    <message>
        <source>Firing Angles Recording</source>
        <translation>Aufzeichnung Zündwinkel</translation>
    </message>
    <message>
        <source>Secondary Voltages Recording</source>
        <translation>Aufzeichnung Sekundärspannungen</translation>
    </message>
    <message>
        <source>Voltage [kV]</source>
        <translation>Spannung [kV]</translation>
    </message>
    <message>
        <source>Normalized Analog Output Recording</source>
        <translation>Aufzeichnung normierter Analogausgang</translation>
    </message>
    <message>
        <source>Normalized Analog Output [%]</source>
        <translation>Normierter Analogausgang [%]</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgang</translation>
    </message>
    <message>
        <source>Knocking Intensity Recording</source>
        <translation>Aufzeichnung Klopfintensität</translation>
    </message>
    <message>
        <source>Knocking Intensity [%]</source>
        <translation>Klopfintensität [%]</translation>
    </message>
    <message>
        <source>Temperatures Recording</source>
        <translation>Temperaturaufzeichnung</translation>
    </message>
    <message>
        <source>Temperature [%1]</source>
        <translation>Temperatur [%1]</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source># %1</source>
        <translation># %1</translation>
    </message>
    <message>
        <source>ERROR: Configuration invalid!</source>
        <translation>FEHLER: Konfiguration ungültig!</translation>
    </message>
    <message>
        <source>Start of trend data: %1
Device type: %2
Device CAN ID: %3
Number of Cylinders: %4
</source>
        <translation>Beginn der Trenddaten: %1
Gerätetyp: %2
CAN-ID des Geräts: %3
Anzahl der Zylinder: %4
</translation>
    </message>
    <message>
        <source>Additions: %1
</source>
        <translation>Zusätze: %1
</translation>
    </message>
    <message>
        <source>°F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
</context>
<context>
    <name>TipsAndTricks</name>
    <message>
        <source>Tips and Tricks</source>
        <translation>Tipps und Tricks</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt;&quot;&gt;Tips and Tricks&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt;&quot;&gt;Tipps und Tricks&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Zooming&lt;/span&gt;&lt;/p&gt;&lt;p&gt;To &lt;span style=&quot; font-style:italic;&quot;&gt;zoom in the plot&lt;/span&gt; press the&lt;span style=&quot; font-weight:600;&quot;&gt; left mouse button&lt;/span&gt; and draw a rectangle around the desired area.&lt;/p&gt;&lt;p&gt;Use the &lt;span style=&quot; font-weight:600;&quot;&gt;middle mouse button&lt;/span&gt; to &lt;span style=&quot; font-style:italic;&quot;&gt;return to the previous zoom level&lt;/span&gt; or the &lt;span style=&quot; font-weight:600;&quot;&gt;right mouse button&lt;/span&gt; to &lt;span style=&quot; font-style:italic;&quot;&gt;return to the full plot size&lt;/span&gt;.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Zoomen&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Zum Hineinzoomen&lt;/span&gt; mit der&lt;span style=&quot; font-weight:600;&quot;&gt; linken Maustaste&lt;/span&gt; ein Rechteck um den gewünschten Bereich ziehen.&lt;/p&gt;&lt;p&gt;Die &lt;span style=&quot; font-weight:600;&quot;&gt;mittlere Maustaste&lt;/span&gt; &lt;span style=&quot; font-style:italic;&quot;&gt;führt zur vorherigen Zoomstufe&lt;/span&gt;, die &lt;span style=&quot; font-weight:600;&quot;&gt;rechte Maustaste&lt;/span&gt; &lt;span style=&quot; font-style:italic;&quot;&gt;zur vollen Diagrammgröße&lt;/span&gt; zurück.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Scrolling&lt;/span&gt;&lt;/p&gt;&lt;p&gt;To scroll around in the plot press and holt &lt;span style=&quot; font-weight:600;&quot;&gt;Ctrl&lt;/span&gt;, then grab the plot with the&lt;span style=&quot; font-weight:600;&quot;&gt; left mouse button&lt;/span&gt; and drag it to the desired position.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Verschieben&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Zum Verschieben &lt;span style=&quot; font-weight:600;&quot;&gt;Strg&lt;/span&gt; gedrückt halten und das Diagramm mit der&lt;span style=&quot; font-weight:600;&quot;&gt; linken Maustaste&lt;/span&gt; an die gewünschte Stelle ziehen.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Hiding curves&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You can hide individual curves in the plot by &lt;span style=&quot; font-weight:600;&quot;&gt;clicking on the corresponding legend entry&lt;/span&gt;. Click the legend entry again to unhide the curve.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Kurven ausblenden&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Ein &lt;span style=&quot; font-weight:600;&quot;&gt;Klick auf den Legendeneintrag&lt;/span&gt; blendet die zugehörige Kurve aus. Ein weiterer Klick blendet sie wieder ein.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TrendPlot</name>
    <message>
        <source>Date and Time [MM-dd hh:mm:ss]</source>
        <translation>Datum und Uhrzeit [MM-dd hh:mm:ss]</translation>
    </message>
</context>
</TS>
