<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About ORVANTA Curve Scope</source>
        <translation>Acerca de ORVANTA Curve Scope</translation>
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
        <translation>Versión: %1</translation>
    </message>
    <message>
        <source>Revision: %1</source>
        <translation>Revisión: %1</translation>
    </message>
    <message>
        <source>Orvanta Systems GmbH

Musterweg 12
12345 Beispielstadt

Germany</source>
        <translation>Orvanta Systems GmbH

Musterweg 12
12345 Beispielstadt

Alemania</translation>
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
        <translation>Elegir formato CSV</translation>
    </message>
    <message>
        <source>Time/Data Pairs</source>
        <translation>Pares tiempo/valor</translation>
    </message>
    <message>
        <source>Timestamp List</source>
        <translation>Lista de marcas de tiempo</translation>
    </message>
    <message>
        <source>Comma-Separated Values (*.csv);;All (*.*)</source>
        <translation>Valores separados por comas (*.csv);;Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
</context>
<context>
    <name>CSelectLanguageDialog</name>
    <message>
        <source>Select Language</source>
        <translation>Seleccionar idioma</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>The selected language will be used when the program is started the next time.</source>
        <translation>El idioma seleccionado se utilizará la próxima vez que se inicie el programa.</translation>
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
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Select a tlx file and open it</source>
        <translation>Seleccionar un archivo tlx y abrirlo</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close file</source>
        <translation>Cerrar archivo</translation>
    </message>
    <message>
        <source>&amp;Export to CSV</source>
        <translation>&amp;Exportar a CSV</translation>
    </message>
    <message>
        <source>Write data into a CSV file</source>
        <translation>Escribir los datos en un archivo CSV</translation>
    </message>
    <message>
        <source>Export &amp;Plot</source>
        <translation>Exportar &amp;gráfico</translation>
    </message>
    <message>
        <source>Save plot into an image file</source>
        <translation>Guardar el gráfico en un archivo de imagen</translation>
    </message>
    <message>
        <source>Copy plot to clipboard</source>
        <translation>Copiar el gráfico al portapapeles</translation>
    </message>
    <message>
        <source>Copy plot to clipboard (Ctrl+C)</source>
        <translation>Copiar el gráfico al portapapeles (Ctrl+C)</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Cerrar el programa</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Set Language</source>
        <translation>Seleccionar &amp;idioma</translation>
    </message>
    <message>
        <source>Set language for the next application start.</source>
        <translation>Seleccionar el idioma para el próximo inicio del programa.</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Show general informations about this program</source>
        <translation>Mostrar información general sobre este programa</translation>
    </message>
    <message>
        <source>&amp;Tips and Tricks...</source>
        <translation>&amp;Trucos y consejos...</translation>
    </message>
    <message>
        <source>Show some tips and tricks</source>
        <translation>Mostrar algunos trucos y consejos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Speed (RPM)</source>
        <translation>Régimen (rpm)</translation>
    </message>
    <message>
        <source>Global Timing [°]</source>
        <translation>Avance global [°]</translation>
    </message>
    <message>
        <source>Output [%]</source>
        <translation>Salida [%]</translation>
    </message>
    <message>
        <source>CSV export failed</source>
        <translation>Error al exportar a CSV</translation>
    </message>
    <message>
        <source>Unable to write data to file &apos;%1&apos; !
</source>
        <translation>No se pudieron escribir los datos en el archivo &apos;%1&apos;.
</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source> Documents</source>
        <translation> – documentos</translation>
    </message>
    <message>
        <source>Export File Name</source>
        <translation>Nombre del archivo de exportación</translation>
    </message>
    <message>
        <source>Unsupported image format</source>
        <translation>Formato de imagen no admitido</translation>
    </message>
    <message>
        <source>The selected file format &quot;%1&quot; is not supported!
Please use one of the following file extensions:
%2</source>
        <translation>El formato de archivo seleccionado &quot;%1&quot; no es compatible.
Utilice una de las siguientes extensiones de archivo:
%2</translation>
    </message>
    <message>
        <source>Plot export failed</source>
        <translation>Error al exportar el gráfico</translation>
    </message>
    <message>
        <source>Unable to write the plot to file &apos;%1&apos; !
</source>
        <translation>No se pudo escribir el gráfico en el archivo &apos;%1&apos;.
</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Trends (*.tlx)</source>
        <translation>Tendencias (*.tlx)</translation>
    </message>
    <message>
        <source>Missing configuration file</source>
        <translation>Falta el archivo de configuración</translation>
    </message>
    <message>
        <source>Unable to read configuration from %1!
The configuration file %1 must be present in the same folder as the selected data file and it must be readable.</source>
        <translation>No se pudo leer la configuración de %1.
El archivo de configuración %1 debe estar en la misma carpeta que el archivo de datos seleccionado y debe poder leerse.</translation>
    </message>
    <message>
        <source>Invalid configuration</source>
        <translation>Configuración no válida</translation>
    </message>
    <message>
        <source>Unable to read configuration from %1!
Configuration is invalid.</source>
        <translation>No se pudo leer la configuración de %1.
La configuración no es válida.</translation>
    </message>
    <message>
        <source>Plot failed</source>
        <translation>Error al trazar el gráfico</translation>
    </message>
    <message>
        <source>Unable to plot data</source>
        <translation>No se pueden trazar los datos</translation>
    </message>
    <message>
        <source>No file</source>
        <translation>Ningún archivo</translation>
    </message>
    <message>
        <source>No file selected.</source>
        <translation>No se ha seleccionado ningún archivo.</translation>
    </message>
    <message>
        <source>Config file selected</source>
        <translation>Archivo de configuración seleccionado</translation>
    </message>
    <message>
        <source>You have selected a configuration file:
</source>
        <translation>Ha seleccionado un archivo de configuración:
</translation>
    </message>
    <message>
        <source>
Please open a data file if you want to see a plot.</source>
        <translation>
Abra un archivo de datos si desea ver un gráfico.</translation>
    </message>
    <message>
        <source>Unknown file selected</source>
        <translation>Archivo desconocido seleccionado</translation>
    </message>
    <message>
        <source>Unknown file name %1, cannot read data!
Please do not rename any tlx files  created by your Visorix device.</source>
        <translation>Nombre de archivo desconocido %1, no se pueden leer los datos.
No cambie el nombre de los archivos tlx creados por su equipo Visorix.</translation>
    </message>
    <message>
        <source>Reading file failed</source>
        <translation>Error al leer el archivo</translation>
    </message>
    <message>
        <source>Unable to read data from file %1!</source>
        <translation>No se pudieron leer los datos del archivo %1.</translation>
    </message>
    <message>
        <source>Data file is empty</source>
        <translation>El archivo de datos está vacío</translation>
    </message>
    <message>
        <source>File %1 does not contain any usable data.</source>
        <translation>El archivo %1 no contiene datos utilizables.</translation>
    </message>
    <message>
        <source>Speed Recording</source>
        <translation>Registro de régimen</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Régimen</translation>
    </message>
    <message>
        <source>Global Timing Recording</source>
        <translation>Registro de avance global</translation>
    </message>
    <message>
        <source>Relative Angle [°CRANK]</source>
        <translation>Ángulo relativo [°CRANK]</translation>
    </message>
    <message>
        <source>Global Timing</source>
        <translation>Avance global</translation>
    </message>
    <message>
        <source>Firing Angles Recording</source>
        <translation>Registro de ángulos de encendido</translation>
    </message>
    <message>
        <source>Secondary Voltages Recording</source>
        <translation>Registro de tensiones secundarias</translation>
    </message>
    <message>
        <source>Voltage [kV]</source>
        <translation>Tensión [kV]</translation>
    </message>
    <message>
        <source>Normalized Analog Output Recording</source>
        <translation>Registro de salida analógica normalizada</translation>
    </message>
    <message>
        <source>Normalized Analog Output [%]</source>
        <translation>Salida analógica normalizada [%]</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Knocking Intensity Recording</source>
        <translation>Registro de intensidad de detonación</translation>
    </message>
    <message>
        <source>Knocking Intensity [%]</source>
        <translation>Intensidad de detonación [%]</translation>
    </message>
    <message>
        <source>Temperatures Recording</source>
        <translation>Registro de temperaturas</translation>
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
        <translation>ERROR: ¡Configuración no válida!</translation>
    </message>
    <message>
        <source>Start of trend data: %1
Device type: %2
Device CAN ID: %3
Number of Cylinders: %4
</source>
        <translation>Inicio de los datos de tendencia: %1
Tipo de equipo: %2
ID CAN del equipo: %3
Número de cilindros: %4
</translation>
    </message>
    <message>
        <source>Additions: %1
</source>
        <translation>Complementos: %1
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
        <translation>Trucos y consejos</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt;&quot;&gt;Tips and Tricks&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt;&quot;&gt;Trucos y consejos&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Zooming&lt;/span&gt;&lt;/p&gt;&lt;p&gt;To &lt;span style=&quot; font-style:italic;&quot;&gt;zoom in the plot&lt;/span&gt; press the&lt;span style=&quot; font-weight:600;&quot;&gt; left mouse button&lt;/span&gt; and draw a rectangle around the desired area.&lt;/p&gt;&lt;p&gt;Use the &lt;span style=&quot; font-weight:600;&quot;&gt;middle mouse button&lt;/span&gt; to &lt;span style=&quot; font-style:italic;&quot;&gt;return to the previous zoom level&lt;/span&gt; or the &lt;span style=&quot; font-weight:600;&quot;&gt;right mouse button&lt;/span&gt; to &lt;span style=&quot; font-style:italic;&quot;&gt;return to the full plot size&lt;/span&gt;.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Zoom&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Para &lt;span style=&quot; font-style:italic;&quot;&gt;ampliar&lt;/span&gt;, pulse el&lt;span style=&quot; font-weight:600;&quot;&gt; botón izquierdo del ratón&lt;/span&gt; y trace un rectángulo alrededor de la zona deseada.&lt;/p&gt;&lt;p&gt;El &lt;span style=&quot; font-weight:600;&quot;&gt;botón central&lt;/span&gt; &lt;span style=&quot; font-style:italic;&quot;&gt;vuelve al zoom anterior&lt;/span&gt; y el &lt;span style=&quot; font-weight:600;&quot;&gt;botón derecho&lt;/span&gt;, &lt;span style=&quot; font-style:italic;&quot;&gt;al gráfico completo&lt;/span&gt;.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Scrolling&lt;/span&gt;&lt;/p&gt;&lt;p&gt;To scroll around in the plot press and holt &lt;span style=&quot; font-weight:600;&quot;&gt;Ctrl&lt;/span&gt;, then grab the plot with the&lt;span style=&quot; font-weight:600;&quot;&gt; left mouse button&lt;/span&gt; and drag it to the desired position.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Desplazamiento&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Para desplazar el gráfico, mantenga pulsada &lt;span style=&quot; font-weight:600;&quot;&gt;Ctrl&lt;/span&gt; y arrástrelo con el&lt;span style=&quot; font-weight:600;&quot;&gt; botón izquierdo del ratón&lt;/span&gt; hasta la posición deseada.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Hiding curves&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You can hide individual curves in the plot by &lt;span style=&quot; font-weight:600;&quot;&gt;clicking on the corresponding legend entry&lt;/span&gt;. Click the legend entry again to unhide the curve.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Ocultar curvas&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Un &lt;span style=&quot; font-weight:600;&quot;&gt;clic en la entrada de la leyenda&lt;/span&gt; oculta la curva correspondiente. Otro clic la vuelve a mostrar.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TrendPlot</name>
    <message>
        <source>Date and Time [MM-dd hh:mm:ss]</source>
        <translation>Fecha y hora [MM-dd hh:mm:ss]</translation>
    </message>
</context>
</TS>
