<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Kelvane</name>
    <message>
        <source>All weights calculated by this program are theoretical and are for guidance only.</source>
        <translation>Alle von diesem Programm berechneten Gewichte sind theoretisch und dienen nur zur Orientierung.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Kelvane</source>
        <translation>Über Kelvane</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>&amp;Systemsprache</translation>
    </message>
    <message>
        <source>&amp;Edit Materials…</source>
        <translation>Materialien &amp;bearbeiten…</translation>
    </message>
    <message>
        <source>Nearest 1/32&quot;</source>
        <translation>Auf 1/32&quot; genau</translation>
    </message>
    <message>
        <source>Nearest 1/64&quot;</source>
        <translation>Auf 1/64&quot; genau</translation>
    </message>
    <message>
        <source>&amp;Millimetres and Kilograms</source>
        <translation>&amp;Millimeter und Kilogramm</translation>
    </message>
    <message>
        <source>&amp;Inches and Pounds</source>
        <translation>&amp;Zoll und Pfund</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Material</source>
        <translation>&amp;Material</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Commercial Rounding</source>
        <translation>&amp;Kaufmännisch runden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Find Material…</source>
        <translation>Material &amp;finden…</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Nächste Seite</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>&amp;Vorherige Seite</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Brüche</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Einheiten</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Save new Favourite Material?</source>
        <translation>Neues Lieblingsmaterial speichern?</translation>
    </message>
    <message>
        <source>No material found</source>
        <translation>Kein Material gefunden</translation>
    </message>
    <message>
        <source>Find Material</source>
        <translation>Material finden</translation>
    </message>
    <message>
        <source>Part of a material name</source>
        <translation>Teil eines Materialnamens</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Materials found</source>
        <translation>Gefundene Materialien</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach o&amp;ben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Edit Materials</source>
        <translation>Materialien bearbeiten</translation>
    </message>
    <message>
        <source>Materials</source>
        <translation>Materialien</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Density (g/cm³)</source>
        <translation>Dichte (g/cm³)</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rundstab</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Mehrkant</translation>
    </message>
    <message>
        <source>Flat/Square</source>
        <translation>Flach/Vierkant</translation>
    </message>
    <message>
        <source>Plate/Sheet</source>
        <translation>Blech/Platte</translation>
    </message>
    <message>
        <source>Tube</source>
        <translation>Rohr</translation>
    </message>
    <message>
        <source>Hollow Section</source>
        <translation>Hohlprofil</translation>
    </message>
    <message>
        <source>Turning</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>CE</source>
        <translation>CE</translation>
    </message>
    <message>
        <source>M/I</source>
        <translation>M/Z</translation>
    </message>
    <message>
        <source>Calc</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>Carbon Equivalent Value (CE): </source>
        <translation>Kohlenstoffäquivalent (CE): </translation>
    </message>
    <message>
        <source>Weldability rating</source>
        <translation>Schweißeignung</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Kohlenstoff</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Mangan</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Chrom</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molybdän</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanadium</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Kupfer</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Nickel</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Ausgezeichnet</translation>
    </message>
    <message>
        <source>Very good</source>
        <translation>Sehr gut</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Mäßig</translation>
    </message>
    <message>
        <source>Over 0.51</source>
        <translation>Über 0.51</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Schlecht</translation>
    </message>
    <message>
        <source>Feet:</source>
        <translation>Fuß:</translation>
    </message>
    <message>
        <source>Inches:</source>
        <translation>Zoll:</translation>
    </message>
    <message>
        <source>Fractions:</source>
        <translation>Brüche:</translation>
    </message>
    <message>
        <source>Decimal inches</source>
        <translation>Dezimalzoll</translation>
    </message>
    <message>
        <source>Nearest inch:</source>
        <translation>Auf Zoll gerundet:</translation>
    </message>
    <message>
        <source>Millimetres:</source>
        <translation>Millimeter:</translation>
    </message>
    <message>
        <source>Centimetres:</source>
        <translation>Zentimeter:</translation>
    </message>
    <message>
        <source>Metres:</source>
        <translation>Meter:</translation>
    </message>
    <message>
        <source>Kilometres:</source>
        <translation>Kilometer:</translation>
    </message>
    <message>
        <source>Nearest 25mm</source>
        <translation>Auf 25mm gerundet</translation>
    </message>
    <message>
        <source>Imperial Conversions:</source>
        <translation>Zoll-Umrechnungen:</translation>
    </message>
    <message>
        <source>Metric Conversions:</source>
        <translation>Metrische Umrechnungen:</translation>
    </message>
    <message>
        <source>To convert between metric and imperial dimensions  enter a number below

Metric Format - enter in millimetres (mm):
12345 or 12345.678 or 0.512

Imperial Format - enter inches, feet, fractions or any combination::
1&apos;2&quot; or 34&quot; or 1.1/4&quot; or 12&apos;9.3/4&quot;</source>
        <translation>Zum Umrechnen zwischen metrischen und Zoll-Maßen unten eine Zahl eingeben

Metrisch - in Millimeter (mm) eingeben:
12345 oder 12345.678 oder 0.512

Zoll - Zoll, Fuß, Brüche oder beliebig kombiniert eingeben:
1&apos;2&quot; oder 34&quot; oder 1.1/4&quot; oder 12&apos;9.3/4&quot;</translation>
    </message>
    <message>
        <source>How to enter a dimension</source>
        <translation>So wird ein Maß eingegeben</translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Material: </translation>
    </message>
    <message>
        <source>Density: </source>
        <translation>Dichte: </translation>
    </message>
    <message>
        <source>Commercial Rounding: On</source>
        <translation>Kaufmännisch runden: Ein</translation>
    </message>
    <message>
        <source>Commercial Rounding: Off</source>
        <translation>Kaufmännisch runden: Aus</translation>
    </message>
    <message>
        <source>A material needs a name.</source>
        <translation>Ein Material braucht einen Namen.</translation>
    </message>
    <message>
        <source>A name cannot hold a comma: the table ends each name at its first comma.</source>
        <translation>Ein Name darf kein Komma enthalten: Die Tabelle beendet jeden Namen an seinem ersten Komma.</translation>
    </message>
    <message>
        <source>A name cannot hold a line break.</source>
        <translation>Ein Name darf keinen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>The density must be above 0.</source>
        <translation>Die Dichte muss über 0 liegen.</translation>
    </message>
    <message>
        <source>The density must be below 25 g/cm³: no known material is denser.</source>
        <translation>Die Dichte muss unter 25 g/cm³ liegen: Kein bekanntes Material ist dichter.</translation>
    </message>
    <message>
        <source>The table needs at least one material.</source>
        <translation>Die Tabelle braucht mindestens ein Material.</translation>
    </message>
    <message>
        <source>Tonne</source>
        <translation>Tonne</translation>
    </message>
    <message>
        <source>Lump Sum</source>
        <translation>Pauschal</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>Bar Length</source>
        <translation>Stablänge</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Stock Cost</source>
        <translation>Materialkosten</translation>
    </message>
    <message>
        <source>Turning Cost</source>
        <translation>Drehkosten</translation>
    </message>
    <message>
        <source>Feedstock Diameter:</source>
        <translation>Ausgangsdurchmesser:</translation>
    </message>
    <message>
        <source>Produced Diameter:</source>
        <translation>Fertigdurchmesser:</translation>
    </message>
    <message>
        <source>Produced Material Cost (per Tonne)</source>
        <translation>Kosten Fertigmaterial (je Tonne)</translation>
    </message>
    <message>
        <source>Copy the produced material cost per tonne</source>
        <translation>Kosten des Fertigmaterials je Tonne kopieren</translation>
    </message>
    <message>
        <source>Feedstock Weight per Metre</source>
        <translation>Ausgangsgewicht je Meter</translation>
    </message>
    <message>
        <source>Feedstock Weight per Bar</source>
        <translation>Ausgangsgewicht je Stab</translation>
    </message>
    <message>
        <source>Feedstock Total Weight</source>
        <translation>Ausgangsgewicht gesamt</translation>
    </message>
    <message>
        <source>Produced Weight per Metre</source>
        <translation>Fertiggewicht je Meter</translation>
    </message>
    <message>
        <source>Total Cost</source>
        <translation>Gesamtkosten</translation>
    </message>
    <message>
        <source>Production loss</source>
        <translation>Fertigungsverlust</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>The wall reaches the centre: weighed as a solid bar</source>
        <translation>Die Wand reicht bis zur Mitte: als Vollstab gewogen</translation>
    </message>
    <message>
        <source>The wall reaches the centre: weighed as a solid rectangle</source>
        <translation>Die Wand reicht bis zur Mitte: als Vollrechteck gewogen</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>Sechskant</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>Achtkant</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Vierkant</translation>
    </message>
    <message>
        <source>Decagon</source>
        <translation>Zehnkant</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreikant</translation>
    </message>
    <message>
        <source>Weight per Metre</source>
        <translation>Gewicht je Meter</translation>
    </message>
    <message>
        <source>Copy the weight per metre</source>
        <translation>Gewicht je Meter kopieren</translation>
    </message>
    <message>
        <source>Weight per Bar</source>
        <translation>Gewicht je Stab</translation>
    </message>
    <message>
        <source>Copy the weight per bar</source>
        <translation>Gewicht je Stab kopieren</translation>
    </message>
    <message>
        <source>Total Weight</source>
        <translation>Gesamtgewicht</translation>
    </message>
    <message>
        <source>Copy the total weight</source>
        <translation>Gesamtgewicht kopieren</translation>
    </message>
    <message>
        <source>Across Flat</source>
        <translation>Schlüsselweite</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Dicke</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Weight per Sq. Metre</source>
        <translation>Gewicht je m²</translation>
    </message>
    <message>
        <source>Copy the weight per square metre</source>
        <translation>Gewicht je Quadratmeter kopieren</translation>
    </message>
    <message>
        <source>Weight per Sheet/Plate</source>
        <translation>Gewicht je Blech/Platte</translation>
    </message>
    <message>
        <source>Copy the weight per sheet or plate</source>
        <translation>Gewicht je Blech oder Platte kopieren</translation>
    </message>
    <message>
        <source>Outside Diameter</source>
        <translation>Außendurchmesser</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Weight per Sq. Foot</source>
        <translation>Gewicht je Quadratfuß</translation>
    </message>
    <message>
        <source>Weight per Foot</source>
        <translation>Gewicht je Fuß</translation>
    </message>
    <message>
        <source>Enter all dimensions in millimetres (mm)</source>
        <translation>Alle Maße in Millimeter (mm) eingeben</translation>
    </message>
    <message>
        <source>Enter all dimensions in inches (in); feet with &apos;</source>
        <translation>Alle Maße in Zoll (in) eingeben; Fuß mit &apos;</translation>
    </message>
    <message>
        <source>To machine a bar with these dimensions from a round bar,
it would need to have a minimum diameter of:</source>
        <translation>Um einen Stab dieser Maße aus Rundstab zu fertigen,
braucht dieser mindestens einen Durchmesser von:</translation>
    </message>
    <message>
        <source>Machining Diameter</source>
        <translation>Bearbeitungsdurchmesser</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert:</translation>
    </message>
    <message>
        <source>Protocol not recognised for URL</source>
        <translation>Protokoll nicht erkannt für URL</translation>
    </message>
    <message>
        <source>Commercial rounding lamp</source>
        <translation>Anzeige kaufmännisch runden</translation>
    </message>
    <message>
        <source>lit</source>
        <translation>an</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Gleitkommadivision durch null</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Ungültige Gleitkommaoperation</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Gleitkommaüberlauf</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Speicher plus</translation>
    </message>
    <message>
        <source>Memory subtract</source>
        <translation>Speicher minus</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Speicher abrufen</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Speicher löschen</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Dezimalzeichen</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Calculator display</source>
        <translation>Rechneranzeige</translation>
    </message>
    <message>
        <source>Cannot open file</source>
        <translation>Datei kann nicht geöffnet werden:</translation>
    </message>
    <message>
        <source>Dimension to convert</source>
        <translation>Umzurechnendes Maß</translation>
    </message>
    <message>
        <source>in millimetres, or in feet and inches</source>
        <translation>in Millimeter oder in Fuß und Zoll</translation>
    </message>
    <message>
        <source>is not a valid integer value</source>
        <translation>ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>is not a valid floating point value</source>
        <translation>ist keine gültige Dezimalzahl</translation>
    </message>
    <message>
        <source>The table&apos;s text cannot hold the character</source>
        <translation>Der Text der Tabelle kann dieses Zeichen nicht aufnehmen:</translation>
    </message>
    <message>
        <source>The table would read this name back as</source>
        <translation>Die Tabelle würde diesen Namen zurücklesen als</translation>
    </message>
    <message>
        <source>The density must be a number, such as</source>
        <translation>Die Dichte muss eine Zahl sein, etwa</translation>
    </message>
    <message>
        <source>Another material has the same name; at start-up the favourite selects the last of them.</source>
        <translation>Ein anderes Material hat denselben Namen; beim Start wählt der Favorit das letzte davon.</translation>
    </message>
    <message>
        <source>Cannot create file</source>
        <translation>Datei kann nicht angelegt werden:</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Dateizugriff verweigert</translation>
    </message>
    <message>
        <source>Copy the weight per square foot</source>
        <translation>Gewicht je Quadratfuß kopieren</translation>
    </message>
    <message>
        <source>Copy the weight per foot</source>
        <translation>Gewicht je Fuß kopieren</translation>
    </message>
    <message>
        <source>in inches, or feet and inches</source>
        <translation>in Zoll oder Fuß und Zoll</translation>
    </message>
    <message>
        <source>in millimetres</source>
        <translation>in Millimeter</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>%1 kopieren</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Angebot</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>&amp;Alle löschen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Speichern…</translation>
    </message>
    <message>
        <source>Op&amp;en…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>E&amp;xport PDF…</source>
        <translation>PDF e&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Add to &amp;Quote</source>
        <translation>Zum &amp;Angebot</translation>
    </message>
    <message>
        <source>Nothing to add: the total weight is 0</source>
        <translation>Nichts hinzuzufügen: Das Gesamtgewicht ist 0</translation>
    </message>
    <message>
        <source>Added to the quote</source>
        <translation>Zum Angebot hinzugefügt</translation>
    </message>
    <message>
        <source>Print Quote</source>
        <translation>Angebot drucken</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Flachstahl</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Blech</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Weight per Piece</source>
        <translation>Gewicht je Stück</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Print the quote (Ctrl+P)</source>
        <translation>Angebot drucken (Strg+P)</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Remove every item from the quote?</source>
        <translation>Alle Positionen aus dem Angebot entfernen?</translation>
    </message>
    <message>
        <source>Save Quote</source>
        <translation>Angebot speichern</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Open Quote</source>
        <translation>Angebot öffnen</translation>
    </message>
    <message>
        <source>Some rows of &quot;%1&quot; could not be read:</source>
        <translation>Einige Zeilen von „%1“ konnten nicht gelesen werden:</translation>
    </message>
    <message>
        <source>Cannot print the quote</source>
        <translation>Das Angebot kann nicht gedruckt werden</translation>
    </message>
    <message>
        <source>%1 item</source>
        <translation>%1 Position</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 Positionen</translation>
    </message>
    <message>
        <source>Quote, %1</source>
        <translation>Angebot, %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>The quote list &quot;%1&quot; could not be read (%2). It was left as it is, and the list starts empty.</source>
        <translation>Die Angebotsliste „%1“ konnte nicht gelesen werden (%2). Sie wurde so belassen, und die Liste beginnt leer.</translation>
    </message>
    <message>
        <source>The quote list &quot;%1&quot; could not be read (%2). It was kept as &quot;%3&quot;, and the list starts empty.</source>
        <translation>Die Angebotsliste „%1“ konnte nicht gelesen werden (%2). Sie wurde als „%3“ aufbewahrt, und die Liste beginnt leer.</translation>
    </message>
</context>
</TS>
