<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Kelvane</name>
    <message>
        <source>All weights calculated by this program are theoretical and are for guidance only.</source>
        <translation>Tutti i pesi calcolati da questo programma sono teorici e solo indicativi.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Kelvane</source>
        <translation>Informazioni su Kelvane</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Lingua di &amp;sistema</translation>
    </message>
    <message>
        <source>&amp;Edit Materials…</source>
        <translation>&amp;Modifica materiali…</translation>
    </message>
    <message>
        <source>Nearest 1/32&quot;</source>
        <translation>Al 1/32&quot; più vicino</translation>
    </message>
    <message>
        <source>Nearest 1/64&quot;</source>
        <translation>Al 1/64&quot; più vicino</translation>
    </message>
    <message>
        <source>&amp;Millimetres and Kilograms</source>
        <translation>&amp;Millimetri e chilogrammi</translation>
    </message>
    <message>
        <source>&amp;Inches and Pounds</source>
        <translation>&amp;Pollici e libbre</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Material</source>
        <translation>&amp;Materiale</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Commercial Rounding</source>
        <translation>&amp;Arrotondamento commerciale</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Find Material…</source>
        <translation>&amp;Trova materiale…</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Pagina &amp;successiva</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>Pagina &amp;precedente</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Frazioni</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Unità</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Save new Favourite Material?</source>
        <translation>Salvare il nuovo materiale preferito?</translation>
    </message>
    <message>
        <source>No material found</source>
        <translation>Nessun materiale trovato</translation>
    </message>
    <message>
        <source>Find Material</source>
        <translation>Trova materiale</translation>
    </message>
    <message>
        <source>Part of a material name</source>
        <translation>Parte del nome di un materiale</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Materials found</source>
        <translation>Materiali trovati</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Sposta &amp;su</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Sposta &amp;giù</translation>
    </message>
    <message>
        <source>Edit Materials</source>
        <translation>Modifica materiali</translation>
    </message>
    <message>
        <source>Materials</source>
        <translation>Materiali</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;ulla</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Materiale</translation>
    </message>
    <message>
        <source>Density (g/cm³)</source>
        <translation>Densità (g/cm³)</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Tondo</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Poligono</translation>
    </message>
    <message>
        <source>Flat/Square</source>
        <translation>Piatto/Quadro</translation>
    </message>
    <message>
        <source>Plate/Sheet</source>
        <translation>Lamiera/Lastra</translation>
    </message>
    <message>
        <source>Tube</source>
        <translation>Tubo</translation>
    </message>
    <message>
        <source>Hollow Section</source>
        <translation>Profilo cavo</translation>
    </message>
    <message>
        <source>Turning</source>
        <translation>Tornitura</translation>
    </message>
    <message>
        <source>CE</source>
        <translation>CE</translation>
    </message>
    <message>
        <source>M/I</source>
        <translation>M/P</translation>
    </message>
    <message>
        <source>Calc</source>
        <translation>Calc.</translation>
    </message>
    <message>
        <source>Carbon Equivalent Value (CE): </source>
        <translation>Carbonio equivalente (CE): </translation>
    </message>
    <message>
        <source>Weldability rating</source>
        <translation>Saldabilità</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Carbonio</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Manganese</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Cromo</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molibdeno</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanadio</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Rame</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Nichel</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Ottima</translation>
    </message>
    <message>
        <source>Very good</source>
        <translation>Molto buona</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Buona</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Discreta</translation>
    </message>
    <message>
        <source>Over 0.51</source>
        <translation>Oltre 0.51</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Scarsa</translation>
    </message>
    <message>
        <source>Feet:</source>
        <translation>Piedi:</translation>
    </message>
    <message>
        <source>Inches:</source>
        <translation>Pollici:</translation>
    </message>
    <message>
        <source>Fractions:</source>
        <translation>Frazioni:</translation>
    </message>
    <message>
        <source>Decimal inches</source>
        <translation>Pollici decimali</translation>
    </message>
    <message>
        <source>Nearest inch:</source>
        <translation>Pollice più vicino:</translation>
    </message>
    <message>
        <source>Millimetres:</source>
        <translation>Millimetri:</translation>
    </message>
    <message>
        <source>Centimetres:</source>
        <translation>Centimetri:</translation>
    </message>
    <message>
        <source>Metres:</source>
        <translation>Metri:</translation>
    </message>
    <message>
        <source>Kilometres:</source>
        <translation>Chilometri:</translation>
    </message>
    <message>
        <source>Nearest 25mm</source>
        <translation>Multiplo di 25mm</translation>
    </message>
    <message>
        <source>Imperial Conversions:</source>
        <translation>Conversioni imperiali:</translation>
    </message>
    <message>
        <source>Metric Conversions:</source>
        <translation>Conversioni metriche:</translation>
    </message>
    <message>
        <source>To convert between metric and imperial dimensions  enter a number below

Metric Format - enter in millimetres (mm):
12345 or 12345.678 or 0.512

Imperial Format - enter inches, feet, fractions or any combination::
1&apos;2&quot; or 34&quot; or 1.1/4&quot; or 12&apos;9.3/4&quot;</source>
        <translation>Per convertire tra misure metriche e imperiali, inserire un numero qui sotto

Metrico - inserire in millimetri (mm):
12345 o 12345.678 o 0.512

Imperiale - inserire pollici, piedi, frazioni o una combinazione:
1&apos;2&quot; o 34&quot; o 1.1/4&quot; o 12&apos;9.3/4&quot;</translation>
    </message>
    <message>
        <source>How to enter a dimension</source>
        <translation>Come inserire una misura</translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Materiale: </translation>
    </message>
    <message>
        <source>Density: </source>
        <translation>Densità: </translation>
    </message>
    <message>
        <source>Commercial Rounding: On</source>
        <translation>Arrotondamento commerciale: sì</translation>
    </message>
    <message>
        <source>Commercial Rounding: Off</source>
        <translation>Arrotondamento commerciale: no</translation>
    </message>
    <message>
        <source>A material needs a name.</source>
        <translation>Un materiale deve avere un nome.</translation>
    </message>
    <message>
        <source>A name cannot hold a comma: the table ends each name at its first comma.</source>
        <translation>Un nome non può contenere una virgola: la tabella termina ogni nome alla prima virgola.</translation>
    </message>
    <message>
        <source>A name cannot hold a line break.</source>
        <translation>Un nome non può contenere un a capo.</translation>
    </message>
    <message>
        <source>The density must be above 0.</source>
        <translation>La densità deve essere maggiore di 0.</translation>
    </message>
    <message>
        <source>The density must be below 25 g/cm³: no known material is denser.</source>
        <translation>La densità deve essere minore di 25 g/cm³: nessun materiale noto è più denso.</translation>
    </message>
    <message>
        <source>The table needs at least one material.</source>
        <translation>La tabella deve contenere almeno un materiale.</translation>
    </message>
    <message>
        <source>Tonne</source>
        <translation>Tonnellata</translation>
    </message>
    <message>
        <source>Lump Sum</source>
        <translation>Forfait</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diametro</translation>
    </message>
    <message>
        <source>Bar Length</source>
        <translation>Lunghezza barra</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantità</translation>
    </message>
    <message>
        <source>Stock Cost</source>
        <translation>Costo materiale</translation>
    </message>
    <message>
        <source>Turning Cost</source>
        <translation>Costo tornitura</translation>
    </message>
    <message>
        <source>Feedstock Diameter:</source>
        <translation>Diametro di partenza:</translation>
    </message>
    <message>
        <source>Produced Diameter:</source>
        <translation>Diametro finito:</translation>
    </message>
    <message>
        <source>Produced Material Cost (per Tonne)</source>
        <translation>Costo materiale finito (per tonnellata)</translation>
    </message>
    <message>
        <source>Copy the produced material cost per tonne</source>
        <translation>Copia il costo del materiale finito per tonnellata</translation>
    </message>
    <message>
        <source>Feedstock Weight per Metre</source>
        <translation>Peso di partenza al metro</translation>
    </message>
    <message>
        <source>Feedstock Weight per Bar</source>
        <translation>Peso di partenza per barra</translation>
    </message>
    <message>
        <source>Feedstock Total Weight</source>
        <translation>Peso di partenza totale</translation>
    </message>
    <message>
        <source>Produced Weight per Metre</source>
        <translation>Peso finito al metro</translation>
    </message>
    <message>
        <source>Total Cost</source>
        <translation>Costo totale</translation>
    </message>
    <message>
        <source>Production loss</source>
        <translation>Perdita di produzione</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Cancella</translation>
    </message>
    <message>
        <source>The wall reaches the centre: weighed as a solid bar</source>
        <translation>La parete raggiunge il centro: pesato come barra piena</translation>
    </message>
    <message>
        <source>The wall reaches the centre: weighed as a solid rectangle</source>
        <translation>La parete raggiunge il centro: pesato come rettangolo pieno</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>Esagono</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>Ottagono</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadro</translation>
    </message>
    <message>
        <source>Decagon</source>
        <translation>Decagono</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangolo</translation>
    </message>
    <message>
        <source>Weight per Metre</source>
        <translation>Peso al metro</translation>
    </message>
    <message>
        <source>Copy the weight per metre</source>
        <translation>Copia il peso al metro</translation>
    </message>
    <message>
        <source>Weight per Bar</source>
        <translation>Peso per barra</translation>
    </message>
    <message>
        <source>Copy the weight per bar</source>
        <translation>Copia il peso per barra</translation>
    </message>
    <message>
        <source>Total Weight</source>
        <translation>Peso totale</translation>
    </message>
    <message>
        <source>Copy the total weight</source>
        <translation>Copia il peso totale</translation>
    </message>
    <message>
        <source>Across Flat</source>
        <translation>Chiave</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Spessore</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lunghezza</translation>
    </message>
    <message>
        <source>Weight per Sq. Metre</source>
        <translation>Peso al m²</translation>
    </message>
    <message>
        <source>Copy the weight per square metre</source>
        <translation>Copia il peso al metro quadrato</translation>
    </message>
    <message>
        <source>Weight per Sheet/Plate</source>
        <translation>Peso per lamiera/lastra</translation>
    </message>
    <message>
        <source>Copy the weight per sheet or plate</source>
        <translation>Copia il peso per lamiera o lastra</translation>
    </message>
    <message>
        <source>Outside Diameter</source>
        <translation>Diametro esterno</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>Weight per Sq. Foot</source>
        <translation>Peso al piede²</translation>
    </message>
    <message>
        <source>Weight per Foot</source>
        <translation>Peso al piede</translation>
    </message>
    <message>
        <source>Enter all dimensions in millimetres (mm)</source>
        <translation>Inserire tutte le misure in millimetri (mm)</translation>
    </message>
    <message>
        <source>Enter all dimensions in inches (in); feet with &apos;</source>
        <translation>Inserire tutte le misure in pollici (in); piedi con &apos;</translation>
    </message>
    <message>
        <source>To machine a bar with these dimensions from a round bar,
it would need to have a minimum diameter of:</source>
        <translation>Per lavorare una barra di queste misure da un tondo,
servirebbe un diametro minimo di:</translation>
    </message>
    <message>
        <source>Machining Diameter</source>
        <translation>Diametro di lavorazione</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiato:</translation>
    </message>
    <message>
        <source>Protocol not recognised for URL</source>
        <translation>Protocollo non riconosciuto per l&apos;URL</translation>
    </message>
    <message>
        <source>Commercial rounding lamp</source>
        <translation>Spia arrotondamento commerciale</translation>
    </message>
    <message>
        <source>lit</source>
        <translation>accesa</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>spenta</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra di stato</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Divisione in virgola mobile per zero</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Operazione in virgola mobile non valida</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Overflow in virgola mobile</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Memoria più</translation>
    </message>
    <message>
        <source>Memory subtract</source>
        <translation>Memoria meno</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Richiama memoria</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Azzera memoria</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Meno</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Più</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Per</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Diviso</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Percento</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Separatore decimale</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>Calculator display</source>
        <translation>Display della calcolatrice</translation>
    </message>
    <message>
        <source>Cannot open file</source>
        <translation>Impossibile aprire il file</translation>
    </message>
    <message>
        <source>Dimension to convert</source>
        <translation>Misura da convertire</translation>
    </message>
    <message>
        <source>in millimetres, or in feet and inches</source>
        <translation>in millimetri, o in piedi e pollici</translation>
    </message>
    <message>
        <source>is not a valid integer value</source>
        <translation>non è un numero intero valido</translation>
    </message>
    <message>
        <source>is not a valid floating point value</source>
        <translation>non è un numero decimale valido</translation>
    </message>
    <message>
        <source>The table&apos;s text cannot hold the character</source>
        <translation>Il testo della tabella non può contenere il carattere</translation>
    </message>
    <message>
        <source>The table would read this name back as</source>
        <translation>La tabella rileggerebbe questo nome come</translation>
    </message>
    <message>
        <source>The density must be a number, such as</source>
        <translation>La densità deve essere un numero, come</translation>
    </message>
    <message>
        <source>Another material has the same name; at start-up the favourite selects the last of them.</source>
        <translation>Un altro materiale ha lo stesso nome; all&apos;avvio il preferito sceglie l&apos;ultimo.</translation>
    </message>
    <message>
        <source>Cannot create file</source>
        <translation>Impossibile creare il file</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accesso al file negato</translation>
    </message>
    <message>
        <source>Copy the weight per square foot</source>
        <translation>Copia il peso al piede quadrato</translation>
    </message>
    <message>
        <source>Copy the weight per foot</source>
        <translation>Copia il peso al piede</translation>
    </message>
    <message>
        <source>in inches, or feet and inches</source>
        <translation>in pollici, o piedi e pollici</translation>
    </message>
    <message>
        <source>in millimetres</source>
        <translation>in millimetri</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Copia %1</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Preventivo</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>Cancella t&amp;utto</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>Sa&amp;lva…</translation>
    </message>
    <message>
        <source>Op&amp;en…</source>
        <translation>Apr&amp;i…</translation>
    </message>
    <message>
        <source>E&amp;xport PDF…</source>
        <translation>Esporta &amp;PDF…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>S&amp;tampa…</translation>
    </message>
    <message>
        <source>Add to &amp;Quote</source>
        <translation>Al pre&amp;ventivo</translation>
    </message>
    <message>
        <source>Nothing to add: the total weight is 0</source>
        <translation>Niente da aggiungere: il peso totale è 0</translation>
    </message>
    <message>
        <source>Added to the quote</source>
        <translation>Aggiunto al preventivo</translation>
    </message>
    <message>
        <source>Print Quote</source>
        <translation>Stampa preventivo</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Piatto</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Lamiera</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Articolo</translation>
    </message>
    <message>
        <source>Weight per Piece</source>
        <translation>Peso al pezzo</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>File CSV (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Print the quote (Ctrl+P)</source>
        <translation>Stampa il preventivo (Ctrl+P)</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <source>Remove every item from the quote?</source>
        <translation>Rimuovere tutti gli articoli dal preventivo?</translation>
    </message>
    <message>
        <source>Save Quote</source>
        <translation>Salva preventivo</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Esporta PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Open Quote</source>
        <translation>Apri preventivo</translation>
    </message>
    <message>
        <source>Some rows of &quot;%1&quot; could not be read:</source>
        <translation>Alcune righe di &quot;%1&quot; non sono state lette:</translation>
    </message>
    <message>
        <source>Cannot print the quote</source>
        <translation>Impossibile stampare il preventivo</translation>
    </message>
    <message>
        <source>%1 item</source>
        <translation>%1 articolo</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 articoli</translation>
    </message>
    <message>
        <source>Quote, %1</source>
        <translation>Preventivo, %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>The quote list &quot;%1&quot; could not be read (%2). It was left as it is, and the list starts empty.</source>
        <translation>Non è stato possibile leggere l&apos;elenco del preventivo &quot;%1&quot; (%2). È stato lasciato com&apos;è, e l&apos;elenco parte vuoto.</translation>
    </message>
    <message>
        <source>The quote list &quot;%1&quot; could not be read (%2). It was kept as &quot;%3&quot;, and the list starts empty.</source>
        <translation>Non è stato possibile leggere l&apos;elenco del preventivo &quot;%1&quot; (%2). È stato conservato come &quot;%3&quot;, e l&apos;elenco parte vuoto.</translation>
    </message>
</context>
</TS>
