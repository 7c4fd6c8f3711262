<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About ORVANTA Curve Scope</source>
        <translation>Informazioni su ORVANTA Curve Scope</translation>
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
        <translation>Versione: %1</translation>
    </message>
    <message>
        <source>Revision: %1</source>
        <translation>Revisione: %1</translation>
    </message>
    <message>
        <source>Orvanta Systems GmbH

Musterweg 12
12345 Beispielstadt

Germany</source>
        <translation>Orvanta Systems GmbH

Musterweg 12
12345 Beispielstadt

Germania</translation>
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
        <translation>Scegli il formato CSV</translation>
    </message>
    <message>
        <source>Time/Data Pairs</source>
        <translation>Coppie tempo/valore</translation>
    </message>
    <message>
        <source>Timestamp List</source>
        <translation>Elenco con marca temporale</translation>
    </message>
    <message>
        <source>Comma-Separated Values (*.csv);;All (*.*)</source>
        <translation>Valori separati da virgola (*.csv);;Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
</context>
<context>
    <name>CSelectLanguageDialog</name>
    <message>
        <source>Select Language</source>
        <translation>Seleziona lingua</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazione</translation>
    </message>
    <message>
        <source>The selected language will be used when the program is started the next time.</source>
        <translation>La lingua selezionata verrà utilizzata al prossimo avvio del programma.</translation>
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
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>Select a tlx file and open it</source>
        <translation>Seleziona un file tlx e aprilo</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Close file</source>
        <translation>Chiudi il file</translation>
    </message>
    <message>
        <source>&amp;Export to CSV</source>
        <translation>&amp;Esporta in CSV</translation>
    </message>
    <message>
        <source>Write data into a CSV file</source>
        <translation>Scrivi i dati in un file CSV</translation>
    </message>
    <message>
        <source>Export &amp;Plot</source>
        <translation>Esporta &amp;grafico</translation>
    </message>
    <message>
        <source>Save plot into an image file</source>
        <translation>Salva il grafico in un file immagine</translation>
    </message>
    <message>
        <source>Copy plot to clipboard</source>
        <translation>Copia il grafico negli appunti</translation>
    </message>
    <message>
        <source>Copy plot to clipboard (Ctrl+C)</source>
        <translation>Copia il grafico negli appunti (Ctrl+C)</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>E&amp;sci</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Chiudi il programma</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Set Language</source>
        <translation>Imposta &amp;lingua</translation>
    </message>
    <message>
        <source>Set language for the next application start.</source>
        <translation>Imposta la lingua per il prossimo avvio del programma.</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Show general informations about this program</source>
        <translation>Mostra informazioni generali su questo programma</translation>
    </message>
    <message>
        <source>&amp;Tips and Tricks...</source>
        <translation>&amp;Suggerimenti e trucchi...</translation>
    </message>
    <message>
        <source>Show some tips and tricks</source>
        <translation>Mostra alcuni suggerimenti e trucchi</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Speed (RPM)</source>
        <translation>Regime (giri/min)</translation>
    </message>
    <message>
        <source>Global Timing [°]</source>
        <translation>Anticipo globale [°]</translation>
    </message>
    <message>
        <source>Output [%]</source>
        <translation>Uscita [%]</translation>
    </message>
    <message>
        <source>CSV export failed</source>
        <translation>Esportazione CSV non riuscita</translation>
    </message>
    <message>
        <source>Unable to write data to file &apos;%1&apos; !
</source>
        <translation>Impossibile scrivere i dati nel file &apos;%1&apos;!
</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Immagini</translation>
    </message>
    <message>
        <source> Documents</source>
        <translation> – documenti</translation>
    </message>
    <message>
        <source>Export File Name</source>
        <translation>Nome del file di esportazione</translation>
    </message>
    <message>
        <source>Unsupported image format</source>
        <translation>Formato immagine non supportato</translation>
    </message>
    <message>
        <source>The selected file format &quot;%1&quot; is not supported!
Please use one of the following file extensions:
%2</source>
        <translation>Il formato di file selezionato &quot;%1&quot; non è supportato!
Usare una delle seguenti estensioni di file:
%2</translation>
    </message>
    <message>
        <source>Plot export failed</source>
        <translation>Esportazione del grafico non riuscita</translation>
    </message>
    <message>
        <source>Unable to write the plot to file &apos;%1&apos; !
</source>
        <translation>Impossibile scrivere il grafico nel file &apos;%1&apos;!
</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Trends (*.tlx)</source>
        <translation>Trend (*.tlx)</translation>
    </message>
    <message>
        <source>Missing configuration file</source>
        <translation>File di configurazione mancante</translation>
    </message>
    <message>
        <source>Unable to read configuration from %1!
The configuration file %1 must be present in the same folder as the selected data file and it must be readable.</source>
        <translation>Impossibile leggere la configurazione da %1!
Il file di configurazione %1 deve trovarsi nella stessa cartella del file dati selezionato e deve essere leggibile.</translation>
    </message>
    <message>
        <source>Invalid configuration</source>
        <translation>Configurazione non valida</translation>
    </message>
    <message>
        <source>Unable to read configuration from %1!
Configuration is invalid.</source>
        <translation>Impossibile leggere la configurazione da %1!
La configurazione non è valida.</translation>
    </message>
    <message>
        <source>Plot failed</source>
        <translation>Visualizzazione non riuscita</translation>
    </message>
    <message>
        <source>Unable to plot data</source>
        <translation>Impossibile visualizzare i dati</translation>
    </message>
    <message>
        <source>No file</source>
        <translation>Nessun file</translation>
    </message>
    <message>
        <source>No file selected.</source>
        <translation>Nessun file selezionato.</translation>
    </message>
    <message>
        <source>Config file selected</source>
        <translation>File di configurazione selezionato</translation>
    </message>
    <message>
        <source>You have selected a configuration file:
</source>
        <translation>È stato selezionato un file di configurazione:
</translation>
    </message>
    <message>
        <source>
Please open a data file if you want to see a plot.</source>
        <translation>
Aprire un file dati per visualizzare un grafico.</translation>
    </message>
    <message>
        <source>Unknown file selected</source>
        <translation>File sconosciuto selezionato</translation>
    </message>
    <message>
        <source>Unknown file name %1, cannot read data!
Please do not rename any tlx files  created by your Visorix device.</source>
        <translation>Nome file sconosciuto %1, impossibile leggere i dati!
Non rinominare i file tlx creati dal dispositivo Visorix.</translation>
    </message>
    <message>
        <source>Reading file failed</source>
        <translation>Lettura del file non riuscita</translation>
    </message>
    <message>
        <source>Unable to read data from file %1!</source>
        <translation>Impossibile leggere i dati dal file %1!</translation>
    </message>
    <message>
        <source>Data file is empty</source>
        <translation>Il file dati è vuoto</translation>
    </message>
    <message>
        <source>File %1 does not contain any usable data.</source>
        <translation>Il file %1 non contiene dati utilizzabili.</translation>
    </message>
    <message>
        <source>Speed Recording</source>
        <translation>Registrazione del regime</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>giri/min</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Regime</translation>
    </message>
    <message>
        <source>Global Timing Recording</source>
        <translation>Registrazione dell&apos;anticipo globale</translation>
    </message>
    <message>
        <source>Relative Angle [°CRANK]</source>
        <translation>Angolo relativo [°CRANK]</translation>
    </message>
    <message>
        <source>Global Timing</source>
        <translation>Anticipo globale</translation>
    </message>
    <message>
        <source>Firing Angles Recording</source>
        <translation>Registrazione degli angoli di accensione</translation>
    </message>
    <message>
        <source>Secondary Voltages Recording</source>
        <translation>Registrazione delle tensioni secondarie</translation>
    </message>
    <message>
        <source>Voltage [kV]</source>
        <translation>Tensione [kV]</translation>
    </message>
    <message>
        <source>Normalized Analog Output Recording</source>
        <translation>Registrazione dell&apos;uscita analogica normalizzata</translation>
    </message>
    <message>
        <source>Normalized Analog Output [%]</source>
        <translation>Uscita analogica normalizzata [%]</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Uscita</translation>
    </message>
    <message>
        <source>Knocking Intensity Recording</source>
        <translation>Registrazione dell&apos;intensità di detonazione</translation>
    </message>
    <message>
        <source>Knocking Intensity [%]</source>
        <translation>Intensità di detonazione [%]</translation>
    </message>
    <message>
        <source>Temperatures Recording</source>
        <translation>Registrazione delle temperature</translation>
    </message>
    <message>
        <source>Temperature [%1]</source>
        <translation>Temperatura [%1]</translation>
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
        <translation>ERRORE: configurazione non valida!</translation>
    </message>
    <message>
        <source>Start of trend data: %1
Device type: %2
Device CAN ID: %3
Number of Cylinders: %4
</source>
        <translation>Inizio dei dati di trend: %1
Tipo di dispositivo: %2
ID CAN del dispositivo: %3
Numero di cilindri: %4
</translation>
    </message>
    <message>
        <source>Additions: %1
</source>
        <translation>Aggiunte: %1
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
        <translation>Suggerimenti e trucchi</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt;&quot;&gt;Tips and Tricks&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt;&quot;&gt;Suggerimenti e trucchi&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Zooming&lt;/span&gt;&lt;/p&gt;&lt;p&gt;To &lt;span style=&quot; font-style:italic;&quot;&gt;zoom in the plot&lt;/span&gt; press the&lt;span style=&quot; font-weight:600;&quot;&gt; left mouse button&lt;/span&gt; and draw a rectangle around the desired area.&lt;/p&gt;&lt;p&gt;Use the &lt;span style=&quot; font-weight:600;&quot;&gt;middle mouse button&lt;/span&gt; to &lt;span style=&quot; font-style:italic;&quot;&gt;return to the previous zoom level&lt;/span&gt; or the &lt;span style=&quot; font-weight:600;&quot;&gt;right mouse button&lt;/span&gt; to &lt;span style=&quot; font-style:italic;&quot;&gt;return to the full plot size&lt;/span&gt;.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Zoom&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Per &lt;span style=&quot; font-style:italic;&quot;&gt;ingrandire&lt;/span&gt; premere il&lt;span style=&quot; font-weight:600;&quot;&gt; tasto sinistro del mouse&lt;/span&gt; e tracciare un rettangolo attorno all&apos;area desiderata.&lt;/p&gt;&lt;p&gt;Il &lt;span style=&quot; font-weight:600;&quot;&gt;tasto centrale&lt;/span&gt; &lt;span style=&quot; font-style:italic;&quot;&gt;torna allo zoom precedente&lt;/span&gt;, il &lt;span style=&quot; font-weight:600;&quot;&gt;tasto destro&lt;/span&gt; &lt;span style=&quot; font-style:italic;&quot;&gt;alla vista completa&lt;/span&gt;.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Scrolling&lt;/span&gt;&lt;/p&gt;&lt;p&gt;To scroll around in the plot press and holt &lt;span style=&quot; font-weight:600;&quot;&gt;Ctrl&lt;/span&gt;, then grab the plot with the&lt;span style=&quot; font-weight:600;&quot;&gt; left mouse button&lt;/span&gt; and drag it to the desired position.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Spostamento&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Per spostare il grafico tenere premuto &lt;span style=&quot; font-weight:600;&quot;&gt;Ctrl&lt;/span&gt; e trascinarlo con il&lt;span style=&quot; font-weight:600;&quot;&gt; tasto sinistro del mouse&lt;/span&gt; nella posizione desiderata.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Hiding curves&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You can hide individual curves in the plot by &lt;span style=&quot; font-weight:600;&quot;&gt;clicking on the corresponding legend entry&lt;/span&gt;. Click the legend entry again to unhide the curve.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Nascondere le curve&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Un &lt;span style=&quot; font-weight:600;&quot;&gt;clic sulla voce della legenda&lt;/span&gt; nasconde la curva corrispondente. Un altro clic la mostra di nuovo.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TrendPlot</name>
    <message>
        <source>Date and Time [MM-dd hh:mm:ss]</source>
        <translation>Data e ora [MM-dd hh:mm:ss]</translation>
    </message>
</context>
</TS>
