<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About ORVANTA Curve Scope</source>
        <translation>O programie ORVANTA Curve Scope</translation>
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
        <translation>Wersja: %1</translation>
    </message>
    <message>
        <source>Revision: %1</source>
        <translation>Rewizja: %1</translation>
    </message>
    <message>
        <source>Orvanta Systems GmbH

Musterweg 12
12345 Beispielstadt

Germany</source>
        <translation>Orvanta Systems GmbH

Musterweg 12
12345 Beispielstadt

Niemcy</translation>
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
        <translation>Wybierz format CSV</translation>
    </message>
    <message>
        <source>Time/Data Pairs</source>
        <translation>Pary czas/wartość</translation>
    </message>
    <message>
        <source>Timestamp List</source>
        <translation>Lista znaczników czasu</translation>
    </message>
    <message>
        <source>Comma-Separated Values (*.csv);;All (*.*)</source>
        <translation>Wartości rozdzielone przecinkami (*.csv);;Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Zapisz plik</translation>
    </message>
</context>
<context>
    <name>CSelectLanguageDialog</name>
    <message>
        <source>Select Language</source>
        <translation>Wybierz język</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <source>The selected language will be used when the program is started the next time.</source>
        <translation>Wybrany język zostanie użyty przy następnym uruchomieniu programu.</translation>
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
        <translation>&amp;Otwórz</translation>
    </message>
    <message>
        <source>Select a tlx file and open it</source>
        <translation>Wybierz plik tlx i otwórz go</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Close file</source>
        <translation>Zamknij plik</translation>
    </message>
    <message>
        <source>&amp;Export to CSV</source>
        <translation>&amp;Eksportuj do CSV</translation>
    </message>
    <message>
        <source>Write data into a CSV file</source>
        <translation>Zapisz dane do pliku CSV</translation>
    </message>
    <message>
        <source>Export &amp;Plot</source>
        <translation>Eksportuj &amp;wykres</translation>
    </message>
    <message>
        <source>Save plot into an image file</source>
        <translation>Zapisz wykres do pliku graficznego</translation>
    </message>
    <message>
        <source>Copy plot to clipboard</source>
        <translation>Kopiuj wykres do schowka</translation>
    </message>
    <message>
        <source>Copy plot to clipboard (Ctrl+C)</source>
        <translation>Kopiuj wykres do schowka (Ctrl+C)</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Zamknij program</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Set Language</source>
        <translation>Ustaw &amp;język</translation>
    </message>
    <message>
        <source>Set language for the next application start.</source>
        <translation>Ustaw język dla następnego uruchomienia programu.</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>Show general informations about this program</source>
        <translation>Pokaż ogólne informacje o tym programie</translation>
    </message>
    <message>
        <source>&amp;Tips and Tricks...</source>
        <translation>&amp;Porady i triki...</translation>
    </message>
    <message>
        <source>Show some tips and tricks</source>
        <translation>Pokaż kilka porad i trików</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Speed (RPM)</source>
        <translation>Prędkość obrotowa (obr/min)</translation>
    </message>
    <message>
        <source>Global Timing [°]</source>
        <translation>Globalne wyprzedzenie zapłonu [°]</translation>
    </message>
    <message>
        <source>Output [%]</source>
        <translation>Wyjście [%]</translation>
    </message>
    <message>
        <source>CSV export failed</source>
        <translation>Eksport CSV nie powiódł się</translation>
    </message>
    <message>
        <source>Unable to write data to file &apos;%1&apos; !
</source>
        <translation>Nie można zapisać danych do pliku &apos;%1&apos;!
</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Obrazy</translation>
    </message>
    <message>
        <source> Documents</source>
        <translation> – dokumenty</translation>
    </message>
    <message>
        <source>Export File Name</source>
        <translation>Nazwa pliku eksportu</translation>
    </message>
    <message>
        <source>Unsupported image format</source>
        <translation>Nieobsługiwany format obrazu</translation>
    </message>
    <message>
        <source>The selected file format &quot;%1&quot; is not supported!
Please use one of the following file extensions:
%2</source>
        <translation>Wybrany format pliku &quot;%1&quot; nie jest obsługiwany!
Użyj jednego z następujących rozszerzeń pliku:
%2</translation>
    </message>
    <message>
        <source>Plot export failed</source>
        <translation>Eksport wykresu nie powiódł się</translation>
    </message>
    <message>
        <source>Unable to write the plot to file &apos;%1&apos; !
</source>
        <translation>Nie można zapisać wykresu do pliku &apos;%1&apos;!
</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>Trends (*.tlx)</source>
        <translation>Trendy (*.tlx)</translation>
    </message>
    <message>
        <source>Missing configuration file</source>
        <translation>Brak pliku konfiguracyjnego</translation>
    </message>
    <message>
        <source>Unable to read configuration from %1!
The configuration file %1 must be present in the same folder as the selected data file and it must be readable.</source>
        <translation>Nie można odczytać konfiguracji z %1!
Plik konfiguracyjny %1 musi znajdować się w tym samym folderze co wybrany plik danych i musi być możliwy do odczytu.</translation>
    </message>
    <message>
        <source>Invalid configuration</source>
        <translation>Nieprawidłowa konfiguracja</translation>
    </message>
    <message>
        <source>Unable to read configuration from %1!
Configuration is invalid.</source>
        <translation>Nie można odczytać konfiguracji z %1!
Konfiguracja jest nieprawidłowa.</translation>
    </message>
    <message>
        <source>Plot failed</source>
        <translation>Nie udało się narysować wykresu</translation>
    </message>
    <message>
        <source>Unable to plot data</source>
        <translation>Nie można narysować wykresu danych</translation>
    </message>
    <message>
        <source>No file</source>
        <translation>Brak pliku</translation>
    </message>
    <message>
        <source>No file selected.</source>
        <translation>Nie wybrano pliku.</translation>
    </message>
    <message>
        <source>Config file selected</source>
        <translation>Wybrano plik konfiguracyjny</translation>
    </message>
    <message>
        <source>You have selected a configuration file:
</source>
        <translation>Wybrano plik konfiguracyjny:
</translation>
    </message>
    <message>
        <source>
Please open a data file if you want to see a plot.</source>
        <translation>
Otwórz plik danych, aby zobaczyć wykres.</translation>
    </message>
    <message>
        <source>Unknown file selected</source>
        <translation>Wybrano nieznany plik</translation>
    </message>
    <message>
        <source>Unknown file name %1, cannot read data!
Please do not rename any tlx files  created by your Visorix device.</source>
        <translation>Nieznana nazwa pliku %1, nie można odczytać danych!
Nie zmieniaj nazw plików tlx utworzonych przez urządzenie Visorix.</translation>
    </message>
    <message>
        <source>Reading file failed</source>
        <translation>Odczyt pliku nie powiódł się</translation>
    </message>
    <message>
        <source>Unable to read data from file %1!</source>
        <translation>Nie można odczytać danych z pliku %1!</translation>
    </message>
    <message>
        <source>Data file is empty</source>
        <translation>Plik danych jest pusty</translation>
    </message>
    <message>
        <source>File %1 does not contain any usable data.</source>
        <translation>Plik %1 nie zawiera użytecznych danych.</translation>
    </message>
    <message>
        <source>Speed Recording</source>
        <translation>Zapis prędkości obrotowej</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>obr/min</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Prędkość obrotowa</translation>
    </message>
    <message>
        <source>Global Timing Recording</source>
        <translation>Zapis globalnego wyprzedzenia zapłonu</translation>
    </message>
    <message>
        <source>Relative Angle [°CRANK]</source>
        <translation>Kąt względny [°OWK]</translation>
    </message>
    <message>
        <source>Global Timing</source>
        <translation>Globalne wyprzedzenie zapłonu</translation>
    </message>
    <message>
        <source>Firing Angles Recording</source>
        <translation>Zapis kątów zapłonu</translation>
    </message>
    <message>
        <source>Secondary Voltages Recording</source>
        <translation>Zapis napięć wtórnych</translation>
    </message>
    <message>
        <source>Voltage [kV]</source>
        <translation>Napięcie [kV]</translation>
    </message>
    <message>
        <source>Normalized Analog Output Recording</source>
        <translation>Zapis znormalizowanego wyjścia analogowego</translation>
    </message>
    <message>
        <source>Normalized Analog Output [%]</source>
        <translation>Znormalizowane wyjście analogowe [%]</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Knocking Intensity Recording</source>
        <translation>Zapis intensywności spalania stukowego</translation>
    </message>
    <message>
        <source>Knocking Intensity [%]</source>
        <translation>Intensywność spalania stukowego [%]</translation>
    </message>
    <message>
        <source>Temperatures Recording</source>
        <translation>Zapis temperatur</translation>
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
        <translation>BŁĄD: nieprawidłowa konfiguracja!</translation>
    </message>
    <message>
        <source>Start of trend data: %1
Device type: %2
Device CAN ID: %3
Number of Cylinders: %4
</source>
        <translation>Początek danych trendu: %1
Typ urządzenia: %2
CAN ID urządzenia: %3
Liczba cylindrów: %4
</translation>
    </message>
    <message>
        <source>Additions: %1
</source>
        <translation>Dodatki: %1
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
        <translation>Porady i triki</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt;&quot;&gt;Tips and Tricks&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt;&quot;&gt;Porady i triki&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Zooming&lt;/span&gt;&lt;/p&gt;&lt;p&gt;To &lt;span style=&quot; font-style:italic;&quot;&gt;zoom in the plot&lt;/span&gt; press the&lt;span style=&quot; font-weight:600;&quot;&gt; left mouse button&lt;/span&gt; and draw a rectangle around the desired area.&lt;/p&gt;&lt;p&gt;Use the &lt;span style=&quot; font-weight:600;&quot;&gt;middle mouse button&lt;/span&gt; to &lt;span style=&quot; font-style:italic;&quot;&gt;return to the previous zoom level&lt;/span&gt; or the &lt;span style=&quot; font-weight:600;&quot;&gt;right mouse button&lt;/span&gt; to &lt;span style=&quot; font-style:italic;&quot;&gt;return to the full plot size&lt;/span&gt;.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Powiększanie&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Aby &lt;span style=&quot; font-style:italic;&quot;&gt;powiększyć&lt;/span&gt;, naciśnij&lt;span style=&quot; font-weight:600;&quot;&gt; lewy przycisk myszy&lt;/span&gt; i zaznacz prostokątem wybrany obszar.&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Środkowy przycisk&lt;/span&gt; &lt;span style=&quot; font-style:italic;&quot;&gt;przywraca poprzednie powiększenie&lt;/span&gt;, &lt;span style=&quot; font-weight:600;&quot;&gt;prawy przycisk&lt;/span&gt; &lt;span style=&quot; font-style:italic;&quot;&gt;cały wykres&lt;/span&gt;.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Scrolling&lt;/span&gt;&lt;/p&gt;&lt;p&gt;To scroll around in the plot press and holt &lt;span style=&quot; font-weight:600;&quot;&gt;Ctrl&lt;/span&gt;, then grab the plot with the&lt;span style=&quot; font-weight:600;&quot;&gt; left mouse button&lt;/span&gt; and drag it to the desired position.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Przesuwanie&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Aby przesunąć wykres, przytrzymaj &lt;span style=&quot; font-weight:600;&quot;&gt;Ctrl&lt;/span&gt; i przeciągnij go&lt;span style=&quot; font-weight:600;&quot;&gt; lewym przyciskiem myszy&lt;/span&gt; w wybrane miejsce.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Hiding curves&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You can hide individual curves in the plot by &lt;span style=&quot; font-weight:600;&quot;&gt;clicking on the corresponding legend entry&lt;/span&gt;. Click the legend entry again to unhide the curve.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Ukrywanie krzywych&lt;/span&gt;&lt;/p&gt;&lt;p&gt;&lt;span style=&quot; font-weight:600;&quot;&gt;Kliknięcie wpisu legendy&lt;/span&gt; ukrywa odpowiadającą mu krzywą. Ponowne kliknięcie ją przywraca.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TrendPlot</name>
    <message>
        <source>Date and Time [MM-dd hh:mm:ss]</source>
        <translation>Data i godzina [MM-dd hh:mm:ss]</translation>
    </message>
</context>
</TS>
