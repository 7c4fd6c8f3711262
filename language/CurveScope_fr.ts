<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About ORVANTA Curve Scope</source>
        <translation>À propos d&apos;ORVANTA Curve Scope</translation>
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
        <translation>Version : %1</translation>
    </message>
    <message>
        <source>Revision: %1</source>
        <translation>Révision : %1</translation>
    </message>
    <message>
        <source>Orvanta Systems GmbH

Musterweg 12
12345 Beispielstadt

Germany</source>
        <translation>Orvanta Systems GmbH

Musterweg 12
12345 Beispielstadt

Allemagne</translation>
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
        <translation>Choisir le format CSV</translation>
    </message>
    <message>
        <source>Time/Data Pairs</source>
        <translation>Paires temps/valeur</translation>
    </message>
    <message>
        <source>Timestamp List</source>
        <translation>Liste horodatée</translation>
    </message>
    <message>
        <source>Comma-Separated Values (*.csv);;All (*.*)</source>
        <translation>Valeurs séparées par des virgules (*.csv);;Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
</context>
<context>
    <name>CSelectLanguageDialog</name>
    <message>
        <source>Select Language</source>
        <translation>Choisir la langue</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>The selected language will be used when the program is started the next time.</source>
        <translation>La langue choisie sera utilisée au prochain démarrage du programme.</translation>
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
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Select a tlx file and open it</source>
        <translation>Sélectionner et ouvrir un fichier tlx</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close file</source>
        <translation>Fermer le fichier</translation>
    </message>
    <message>
        <source>&amp;Export to CSV</source>
        <translation>&amp;Exporter en CSV</translation>
    </message>
    <message>
        <source>Write data into a CSV file</source>
        <translation>Écrire les données dans un fichier CSV</translation>
    </message>
    <message>
        <source>Export &amp;Plot</source>
        <translation>Exporter le &amp;graphique</translation>
    </message>
    <message>
        <source>Save plot into an image file</source>
        <translation>Enregistrer le graphique dans un fichier image</translation>
    </message>
    <message>
        <source>Copy plot to clipboard</source>
        <translation>Copier le graphique dans le presse-papiers</translation>
    </message>
    <message>
        <source>Copy plot to clipboard (Ctrl+C)</source>
        <translation>Copier le graphique dans le presse-papiers (Ctrl+C)</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Set Language</source>
        <translation>Choisir la &amp;langue</translation>
    </message>
    <message>
        <source>Set language for the next application start.</source>
        <translation>Choisir la langue pour le prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Show general informations about this program</source>
        <translation>Afficher des informations générales sur ce programme</translation>
    </message>
    <message>
        <source>&amp;Tips and Tricks...</source>
        <translation>&amp;Trucs et astuces...</translation>
    </message>
    <message>
        <source>Show some tips and tricks</source>
        <translation>Afficher quelques trucs et astuces</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Speed (RPM)</source>
        <translation>Régime (tr/min)</translation>
    </message>
    <message>
        <source>Global Timing [°]</source>
        <translation>Avance globale [°]</translation>
    </message>
    <message>
        <source>Output [%]</source>
        <translation>Sortie [%]</translation>
    </message>
    <message>
        <source>CSV export failed</source>
        <translation>Échec de l&apos;export CSV</translation>
    </message>
    <message>
        <source>Unable to write data to file &apos;%1&apos; !
</source>
        <translation>Impossible d&apos;écrire les données dans le fichier « %1 » !
</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Images</translation>
    </message>
    <message>
        <source> Documents</source>
        <translation> – documents</translation>
    </message>
    <message>
        <source>Export File Name</source>
        <translation>Nom du fichier d&apos;export</translation>
    </message>
    <message>
        <source>Unsupported image format</source>
        <translation>Format d&apos;image non pris en charge</translation>
    </message>
    <message>
        <source>The selected file format &quot;%1&quot; is not supported!
Please use one of the following file extensions:
%2</source>
        <translation>Le format de fichier choisi « %1 » n&apos;est pas pris en charge !
Veuillez utiliser l&apos;une des extensions de fichier suivantes :
%2</translation>
    </message>
    <message>
        <source>Plot export failed</source>
        <translation>Échec de l&apos;export du graphique</translation>
    </message>
    <message>
        <source>Unable to write the plot to file &apos;%1&apos; !
</source>
        <translation>Impossible d&apos;écrire le graphique dans le fichier « %1 » !
</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Trends (*.tlx)</source>
        <translation>Tendances (*.tlx)</translation>
    </message>
    <message>
        <source>Missing configuration file</source>
        <translation>Fichier de configuration manquant</translation>
    </message>
    <message>
        <source>Unable to read configuration from %1!
The configuration file %1 must be present in the same folder as the selected data file and it must be readable.</source>
        <translation>Impossible de lire la configuration depuis %1 !
Le fichier de configuration %1 doit se trouver dans le même dossier que le fichier de données choisi et être lisible.</translation>
    </message>
    <message>
        <source>Invalid configuration</source>
        <translation>Configuration non valide</translation>
    </message>
    <message>
        <source>Unable to read configuration from %1!
Configuration is invalid.</source>
        <translation>Impossible de lire la configuration depuis %1 !
La configuration n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Plot failed</source>
        <translation>Échec du tracé</translation>
    </message>
    <message>
        <source>Unable to plot data</source>
        <translation>Impossible de tracer les données</translation>
    </message>
    <message>
        <source>No file</source>
        <translation>Aucun fichier</translation>
    </message>
    <message>
        <source>No file selected.</source>
        <translation>Aucun fichier sélectionné.</translation>
    </message>
    <message>
        <source>Config file selected</source>
        <translation>Fichier de configuration sélectionné</translation>
    </message>
    <message>
        <source>You have selected a configuration file:
</source>
        <translation>Vous avez sélectionné un fichier de configuration :
</translation>
    </message>
    <message>
        <source>
Please open a data file if you want to see a plot.</source>
        <translation>
Veuillez ouvrir un fichier de données pour afficher un graphique.</translation>
    </message>
    <message>
        <source>Unknown file selected</source>
        <translation>Fichier inconnu sélectionné</translation>
    </message>
    <message>
        <source>Unknown file name %1, cannot read data!
Please do not rename any tlx files  created by your Visorix device.</source>
        <translation>Nom de fichier inconnu %1, lecture des données impossible !
Veuillez ne pas renommer les fichiers tlx créés par votre appareil Visorix.</translation>
    </message>
    <message>
        <source>Reading file failed</source>
        <translation>Échec de la lecture du fichier</translation>
    </message>
    <message>
        <source>Unable to read data from file %1!</source>
        <translation>Impossible de lire les données du fichier %1 !</translation>
    </message>
    <message>
        <source>Data file is empty</source>
        <translation>Fichier de données vide</translation>
    </message>
    <message>
        <source>File %1 does not contain any usable data.</source>
        <translation>Le fichier %1 ne contient aucune donnée exploitable.</translation>
    </message>
    <message>
        <source>Speed Recording</source>
        <translation>Enregistrement du régime</translation>
    </message>
    <message>
        <source>RPM</source>
        <translation>tr/min</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Régime</translation>
    </message>
    <message>
        <source>Global Timing Recording</source>
        <translation>Enregistrement de l&apos;avance globale</translation>
    </message>
    <message>
        <source>Relative Angle [°CRANK]</source>
        <translation>Angle relatif [°V]</translation>
    </message>
    <message>
        <source>Global Timing</source>
        <translation>Avance globale</translation>
    </message>
    <message>
        <source>Firing Angles Recording</source>
        <translation>Enregistrement des angles d&apos;allumage</translation>
    </message>
    <message>
        <source>Secondary Voltages Recording</source>
        <translation>Enregistrement des tensions secondaires</translation>
    </message>
    <message>
        <source>Voltage [kV]</source>
        <translation>Tension [kV]</translation>
    </message>
    <message>
        <source>Normalized Analog Output Recording</source>
        <translation>Enregistrement de la sortie analogique normalisée</translation>
    </message>
    <message>
        <source>Normalized Analog Output [%]</source>
        <translation>Sortie analogique normalisée [%]</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Knocking Intensity Recording</source>
        <translation>Enregistrement de l&apos;intensité de cliquetis</translation>
    </message>
    <message>
        <source>Knocking Intensity [%]</source>
        <translation>Intensité de cliquetis [%]</translation>
    </message>
    <message>
        <source>Temperatures Recording</source>
        <translation>Enregistrement des températures</translation>
    </message>
    <message>
        <source>Temperature [%1]</source>
        <translation>Température [%1]</translation>
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
        <translation>ERREUR : configuration non valide !</translation>
    </message>
    <message>
        <source>Start of trend data: %1
Device type: %2
Device CAN ID: %3
Number of Cylinders: %4
</source>
        <translation>Début des données de tendance : %1
Type d&apos;appareil : %2
ID CAN de l&apos;appareil : %3
Nombre de cylindres : %4
</translation>
    </message>
    <message>
        <source>Additions: %1
</source>
        <translation>Compléments : %1
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
        <translation>Trucs et astuces</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt;&quot;&gt;Tips and Tricks&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt;&quot;&gt;Trucs et astuces&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Zooming&lt;/span&gt;&lt;/p&gt;&lt;p&gt;To &lt;span style=&quot; font-style:italic;&quot;&gt;zoom in the plot&lt;/span&gt; press the&lt;span style=&quot; font-weight:600;&quot;&gt; left mouse button&lt;/span&gt; and draw a rectangle around the desired area.&lt;/p&gt;&lt;p&gt;Use the &lt;span style=&quot; font-weight:600;&quot;&gt;middle mouse button&lt;/span&gt; to &lt;span style=&quot; font-style:italic;&quot;&gt;return to the previous zoom level&lt;/span&gt; or the &lt;span style=&quot; font-weight:600;&quot;&gt;right mouse button&lt;/span&gt; to &lt;span style=&quot; font-style:italic;&quot;&gt;return to the full plot size&lt;/span&gt;.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Zoom&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Pour &lt;span style=&quot; font-style:italic;&quot;&gt;zoomer&lt;/span&gt;, maintenez le&lt;span style=&quot; font-weight:600;&quot;&gt; bouton gauche de la souris&lt;/span&gt; et tracez un rectangle autour de la zone voulue.&lt;/p&gt;&lt;p&gt;Le &lt;span style=&quot; font-weight:600;&quot;&gt;bouton central&lt;/span&gt; &lt;span style=&quot; font-style:italic;&quot;&gt;revient au zoom précédent&lt;/span&gt;, le &lt;span style=&quot; font-weight:600;&quot;&gt;bouton droit&lt;/span&gt; &lt;span style=&quot; font-style:italic;&quot;&gt;à la vue complète&lt;/span&gt;.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Scrolling&lt;/span&gt;&lt;/p&gt;&lt;p&gt;To scroll around in the plot press and holt &lt;span style=&quot; font-weight:600;&quot;&gt;Ctrl&lt;/span&gt;, then grab the plot with the&lt;span style=&quot; font-weight:600;&quot;&gt; left mouse button&lt;/span&gt; and drag it to the desired position.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Déplacement&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Pour déplacer le graphique, maintenez &lt;span style=&quot; font-weight:600;&quot;&gt;Ctrl&lt;/span&gt; et faites-le glisser avec le&lt;span style=&quot; font-weight:600;&quot;&gt; bouton gauche de la souris&lt;/span&gt; jusqu&apos;à la position voulue.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Hiding curves&lt;/span&gt;&lt;/p&gt;&lt;p&gt;You can hide individual curves in the plot by &lt;span style=&quot; font-weight:600;&quot;&gt;clicking on the corresponding legend entry&lt;/span&gt;. Click the legend entry again to unhide the curve.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600;&quot;&gt;Masquer des courbes&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Un &lt;span style=&quot; font-weight:600;&quot;&gt;clic sur l&apos;entrée de la légende&lt;/span&gt; masque la courbe correspondante. Un second clic la réaffiche.&lt;/p&gt;&lt;p&gt;&lt;br/&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>TrendPlot</name>
    <message>
        <source>Date and Time [MM-dd hh:mm:ss]</source>
        <translation>Date et heure [MM-dd hh:mm:ss]</translation>
    </message>
</context>
</TS>
