<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Kelvane</name>
    <message>
        <source>All weights calculated by this program are theoretical and are for guidance only.</source>
        <translation>Alle door dit programma berekende gewichten zijn theoretisch en alleen ter indicatie.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Kelvane</source>
        <translation>Over Kelvane</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>&amp;Systeemtaal</translation>
    </message>
    <message>
        <source>&amp;Edit Materials…</source>
        <translation>Materialen &amp;bewerken…</translation>
    </message>
    <message>
        <source>Nearest 1/32&quot;</source>
        <translation>Op 1/32&quot; nauwkeurig</translation>
    </message>
    <message>
        <source>Nearest 1/64&quot;</source>
        <translation>Op 1/64&quot; nauwkeurig</translation>
    </message>
    <message>
        <source>&amp;Millimetres and Kilograms</source>
        <translation>&amp;Millimeters en kilogrammen</translation>
    </message>
    <message>
        <source>&amp;Inches and Pounds</source>
        <translation>&amp;Inches en ponden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Material</source>
        <translation>&amp;Materiaal</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Commercial Rounding</source>
        <translation>&amp;Commercieel afronden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>&amp;Find Material…</source>
        <translation>Materiaal &amp;zoeken…</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Volgende pagina</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>V&amp;orige pagina</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Breuken</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Eenheden</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>Save new Favourite Material?</source>
        <translation>Nieuw favoriet materiaal opslaan?</translation>
    </message>
    <message>
        <source>No material found</source>
        <translation>Geen materiaal gevonden</translation>
    </message>
    <message>
        <source>Find Material</source>
        <translation>Materiaal zoeken</translation>
    </message>
    <message>
        <source>Part of a material name</source>
        <translation>Deel van een materiaalnaam</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Materials found</source>
        <translation>Gevonden materialen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Omhoo&amp;g</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Om&amp;laag</translation>
    </message>
    <message>
        <source>Edit Materials</source>
        <translation>Materialen bewerken</translation>
    </message>
    <message>
        <source>Materials</source>
        <translation>Materialen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Rij %1: %2</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Materiaal</translation>
    </message>
    <message>
        <source>Density (g/cm³)</source>
        <translation>Dichtheid (g/cm³)</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rond</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Veelkant</translation>
    </message>
    <message>
        <source>Flat/Square</source>
        <translation>Strip/Vierkant</translation>
    </message>
    <message>
        <source>Plate/Sheet</source>
        <translation>Plaat</translation>
    </message>
    <message>
        <source>Tube</source>
        <translation>Buis</translation>
    </message>
    <message>
        <source>Hollow Section</source>
        <translation>Kokerprofiel</translation>
    </message>
    <message>
        <source>Turning</source>
        <translation>Draaien</translation>
    </message>
    <message>
        <source>CE</source>
        <translation>CE</translation>
    </message>
    <message>
        <source>M/I</source>
        <translation>M/I</translation>
    </message>
    <message>
        <source>Calc</source>
        <translation>Rekenen</translation>
    </message>
    <message>
        <source>Carbon Equivalent Value (CE): </source>
        <translation>Koolstofequivalent (CE): </translation>
    </message>
    <message>
        <source>Weldability rating</source>
        <translation>Lasbaarheid</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Koolstof</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Mangaan</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Chroom</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molybdeen</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanadium</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Koper</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Nikkel</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Uitstekend</translation>
    </message>
    <message>
        <source>Very good</source>
        <translation>Zeer goed</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Goed</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Redelijk</translation>
    </message>
    <message>
        <source>Over 0.51</source>
        <translation>Boven 0.51</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Slecht</translation>
    </message>
    <message>
        <source>Feet:</source>
        <translation>Voet:</translation>
    </message>
    <message>
        <source>Inches:</source>
        <translation>Inches:</translation>
    </message>
    <message>
        <source>Fractions:</source>
        <translation>Breuken:</translation>
    </message>
    <message>
        <source>Decimal inches</source>
        <translation>Decimale inches</translation>
    </message>
    <message>
        <source>Nearest inch:</source>
        <translation>Op inch afgerond:</translation>
    </message>
    <message>
        <source>Millimetres:</source>
        <translation>Millimeters:</translation>
    </message>
    <message>
        <source>Centimetres:</source>
        <translation>Centimeters:</translation>
    </message>
    <message>
        <source>Metres:</source>
        <translation>Meters:</translation>
    </message>
    <message>
        <source>Kilometres:</source>
        <translation>Kilometers:</translation>
    </message>
    <message>
        <source>Nearest 25mm</source>
        <translation>Op 25mm afgerond</translation>
    </message>
    <message>
        <source>Imperial Conversions:</source>
        <translation>Imperiale omrekeningen:</translation>
    </message>
    <message>
        <source>Metric Conversions:</source>
        <translation>Metrische omrekeningen:</translation>
    </message>
    <message>
        <source>To convert between metric and imperial dimensions  enter a number below

Metric Format - enter in millimetres (mm):
12345 or 12345.678 or 0.512

Imperial Format - enter inches, feet, fractions or any combination::
1&apos;2&quot; or 34&quot; or 1.1/4&quot; or 12&apos;9.3/4&quot;</source>
        <translation>Voer hieronder een getal in om tussen metrische en imperiale maten om te rekenen

Metrisch - invoeren in millimeters (mm):
12345 of 12345.678 of 0.512

Imperiaal - inches, voet, breuken of een combinatie invoeren:
1&apos;2&quot; of 34&quot; of 1.1/4&quot; of 12&apos;9.3/4&quot;</translation>
    </message>
    <message>
        <source>How to enter a dimension</source>
        <translation>Zo voert u een maat in</translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Materiaal: </translation>
    </message>
    <message>
        <source>Density: </source>
        <translation>Dichtheid: </translation>
    </message>
    <message>
        <source>Commercial Rounding: On</source>
        <translation>Commercieel afronden: aan</translation>
    </message>
    <message>
        <source>Commercial Rounding: Off</source>
        <translation>Commercieel afronden: uit</translation>
    </message>
    <message>
        <source>A material needs a name.</source>
        <translation>Een materiaal heeft een naam nodig.</translation>
    </message>
    <message>
        <source>A name cannot hold a comma: the table ends each name at its first comma.</source>
        <translation>Een naam mag geen komma bevatten: de tabel beëindigt elke naam bij de eerste komma.</translation>
    </message>
    <message>
        <source>A name cannot hold a line break.</source>
        <translation>Een naam mag geen regeleinde bevatten.</translation>
    </message>
    <message>
        <source>The density must be above 0.</source>
        <translation>De dichtheid moet boven 0 liggen.</translation>
    </message>
    <message>
        <source>The density must be below 25 g/cm³: no known material is denser.</source>
        <translation>De dichtheid moet onder 25 g/cm³ liggen: geen bekend materiaal is dichter.</translation>
    </message>
    <message>
        <source>The table needs at least one material.</source>
        <translation>De tabel heeft minstens één materiaal nodig.</translation>
    </message>
    <message>
        <source>Tonne</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Lump Sum</source>
        <translation>Vast bedrag</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>Bar Length</source>
        <translation>Staaflengte</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>Stock Cost</source>
        <translation>Materiaalkosten</translation>
    </message>
    <message>
        <source>Turning Cost</source>
        <translation>Draaikosten</translation>
    </message>
    <message>
        <source>Feedstock Diameter:</source>
        <translation>Uitgangsdiameter:</translation>
    </message>
    <message>
        <source>Produced Diameter:</source>
        <translation>Einddiameter:</translation>
    </message>
    <message>
        <source>Produced Material Cost (per Tonne)</source>
        <translation>Kosten eindmateriaal (per ton)</translation>
    </message>
    <message>
        <source>Copy the produced material cost per tonne</source>
        <translation>Kosten eindmateriaal per ton kopiëren</translation>
    </message>
    <message>
        <source>Feedstock Weight per Metre</source>
        <translation>Uitgangsgewicht per meter</translation>
    </message>
    <message>
        <source>Feedstock Weight per Bar</source>
        <translation>Uitgangsgewicht per staaf</translation>
    </message>
    <message>
        <source>Feedstock Total Weight</source>
        <translation>Totaal uitgangsgewicht</translation>
    </message>
    <message>
        <source>Produced Weight per Metre</source>
        <translation>Eindgewicht per meter</translation>
    </message>
    <message>
        <source>Total Cost</source>
        <translation>Totale kosten</translation>
    </message>
    <message>
        <source>Production loss</source>
        <translation>Productieverlies</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>The wall reaches the centre: weighed as a solid bar</source>
        <translation>De wand reikt tot het midden: gewogen als massieve staaf</translation>
    </message>
    <message>
        <source>The wall reaches the centre: weighed as a solid rectangle</source>
        <translation>De wand reikt tot het midden: gewogen als massieve rechthoek</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>Zeskant</translation>
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
        <translation>Tienkant</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Driekant</translation>
    </message>
    <message>
        <source>Weight per Metre</source>
        <translation>Gewicht per meter</translation>
    </message>
    <message>
        <source>Copy the weight per metre</source>
        <translation>Gewicht per meter kopiëren</translation>
    </message>
    <message>
        <source>Weight per Bar</source>
        <translation>Gewicht per staaf</translation>
    </message>
    <message>
        <source>Copy the weight per bar</source>
        <translation>Gewicht per staaf kopiëren</translation>
    </message>
    <message>
        <source>Total Weight</source>
        <translation>Totaalgewicht</translation>
    </message>
    <message>
        <source>Copy the total weight</source>
        <translation>Totaalgewicht kopiëren</translation>
    </message>
    <message>
        <source>Across Flat</source>
        <translation>Sleutelwijdte</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breedte</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Dikte</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lengte</translation>
    </message>
    <message>
        <source>Weight per Sq. Metre</source>
        <translation>Gewicht per m²</translation>
    </message>
    <message>
        <source>Copy the weight per square metre</source>
        <translation>Gewicht per vierkante meter kopiëren</translation>
    </message>
    <message>
        <source>Weight per Sheet/Plate</source>
        <translation>Gewicht per plaat</translation>
    </message>
    <message>
        <source>Copy the weight per sheet or plate</source>
        <translation>Gewicht per plaat kopiëren</translation>
    </message>
    <message>
        <source>Outside Diameter</source>
        <translation>Buitendiameter</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Weight per Sq. Foot</source>
        <translation>Gewicht per ft²</translation>
    </message>
    <message>
        <source>Weight per Foot</source>
        <translation>Gewicht per voet</translation>
    </message>
    <message>
        <source>Enter all dimensions in millimetres (mm)</source>
        <translation>Voer alle maten in millimeters (mm) in</translation>
    </message>
    <message>
        <source>Enter all dimensions in inches (in); feet with &apos;</source>
        <translation>Voer alle maten in inches (in) in; voet met &apos;</translation>
    </message>
    <message>
        <source>To machine a bar with these dimensions from a round bar,
it would need to have a minimum diameter of:</source>
        <translation>Om een staaf met deze maten uit rond te bewerken,
is een diameter nodig van minstens:</translation>
    </message>
    <message>
        <source>Machining Diameter</source>
        <translation>Bewerkingsdiameter</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Gekopieerd:</translation>
    </message>
    <message>
        <source>Protocol not recognised for URL</source>
        <translation>Protocol niet herkend voor URL</translation>
    </message>
    <message>
        <source>Commercial rounding lamp</source>
        <translation>Lampje commercieel afronden</translation>
    </message>
    <message>
        <source>lit</source>
        <translation>aan</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>uit</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusbalk</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Deling door nul met drijvende komma</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Ongeldige bewerking met drijvende komma</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Overloop met drijvende komma</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Geheugen optellen</translation>
    </message>
    <message>
        <source>Memory subtract</source>
        <translation>Geheugen aftrekken</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Geheugen oproepen</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Geheugen wissen</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Maal</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Gedeeld door</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Procent</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Decimaalteken</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Calculator display</source>
        <translation>Rekenmachinescherm</translation>
    </message>
    <message>
        <source>Cannot open file</source>
        <translation>Kan bestand niet openen:</translation>
    </message>
    <message>
        <source>Dimension to convert</source>
        <translation>Om te rekenen maat</translation>
    </message>
    <message>
        <source>in millimetres, or in feet and inches</source>
        <translation>in millimeters, of in voet en inches</translation>
    </message>
    <message>
        <source>is not a valid integer value</source>
        <translation>is geen geldig geheel getal</translation>
    </message>
    <message>
        <source>is not a valid floating point value</source>
        <translation>is geen geldig decimaal getal</translation>
    </message>
    <message>
        <source>The table&apos;s text cannot hold the character</source>
        <translation>De tekst van de tabel kan dit teken niet bevatten:</translation>
    </message>
    <message>
        <source>The table would read this name back as</source>
        <translation>De tabel zou deze naam teruglezen als</translation>
    </message>
    <message>
        <source>The density must be a number, such as</source>
        <translation>De dichtheid moet een getal zijn, zoals</translation>
    </message>
    <message>
        <source>Another material has the same name; at start-up the favourite selects the last of them.</source>
        <translation>Een ander materiaal heeft dezelfde naam; bij het starten kiest de favoriet de laatste.</translation>
    </message>
    <message>
        <source>Cannot create file</source>
        <translation>Kan bestand niet aanmaken:</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Toegang tot bestand geweigerd</translation>
    </message>
    <message>
        <source>Copy the weight per square foot</source>
        <translation>Gewicht per vierkante voet kopiëren</translation>
    </message>
    <message>
        <source>Copy the weight per foot</source>
        <translation>Gewicht per voet kopiëren</translation>
    </message>
    <message>
        <source>in inches, or feet and inches</source>
        <translation>in inches, of voet en inches</translation>
    </message>
    <message>
        <source>in millimetres</source>
        <translation>in millimeters</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagina&apos;s</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>%1 kopiëren</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Offerte</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>&amp;Alles wissen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>Op&amp;slaan…</translation>
    </message>
    <message>
        <source>Op&amp;en…</source>
        <translation>&amp;Openen…</translation>
    </message>
    <message>
        <source>E&amp;xport PDF…</source>
        <translation>PDF e&amp;xporteren…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Af&amp;drukken…</translation>
    </message>
    <message>
        <source>Add to &amp;Quote</source>
        <translation>Naar &amp;offerte</translation>
    </message>
    <message>
        <source>Nothing to add: the total weight is 0</source>
        <translation>Niets toe te voegen: het totaalgewicht is 0</translation>
    </message>
    <message>
        <source>Added to the quote</source>
        <translation>Aan de offerte toegevoegd</translation>
    </message>
    <message>
        <source>Print Quote</source>
        <translation>Offerte afdrukken</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Strip</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Plaat</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <source>Weight per Piece</source>
        <translation>Gewicht per stuk</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-bestanden (*.csv);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Print the quote (Ctrl+P)</source>
        <translation>Offerte afdrukken (Ctrl+P)</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>Remove every item from the quote?</source>
        <translation>Alle artikelen uit de offerte verwijderen?</translation>
    </message>
    <message>
        <source>Save Quote</source>
        <translation>Offerte opslaan</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exporteren</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>Open Quote</source>
        <translation>Offerte openen</translation>
    </message>
    <message>
        <source>Some rows of &quot;%1&quot; could not be read:</source>
        <translation>Sommige regels van &quot;%1&quot; konden niet worden gelezen:</translation>
    </message>
    <message>
        <source>Cannot print the quote</source>
        <translation>Kan de offerte niet afdrukken</translation>
    </message>
    <message>
        <source>%1 item</source>
        <translation>%1 artikel</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 artikelen</translation>
    </message>
    <message>
        <source>Quote, %1</source>
        <translation>Offerte, %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
    <message>
        <source>The quote list &quot;%1&quot; could not be read (%2). It was left as it is, and the list starts empty.</source>
        <translation>De offertelijst &quot;%1&quot; kon niet worden gelezen (%2). Het bestand is gelaten zoals het is, en de lijst begint leeg.</translation>
    </message>
    <message>
        <source>The quote list &quot;%1&quot; could not be read (%2). It was kept as &quot;%3&quot;, and the list starts empty.</source>
        <translation>De offertelijst &quot;%1&quot; kon niet worden gelezen (%2). Het bestand is bewaard als &quot;%3&quot;, en de lijst begint leeg.</translation>
    </message>
</context>
</TS>
