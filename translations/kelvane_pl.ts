<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Kelvane</name>
    <message>
        <source>All weights calculated by this program are theoretical and are for guidance only.</source>
        <translation>Wszystkie masy obliczone przez ten program są teoretyczne i mają charakter orientacyjny.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Kelvane</source>
        <translation>O programie Kelvane</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Język &amp;systemu</translation>
    </message>
    <message>
        <source>&amp;Edit Materials…</source>
        <translation>&amp;Edytuj materiały…</translation>
    </message>
    <message>
        <source>Nearest 1/32&quot;</source>
        <translation>Do 1/32&quot;</translation>
    </message>
    <message>
        <source>Nearest 1/64&quot;</source>
        <translation>Do 1/64&quot;</translation>
    </message>
    <message>
        <source>&amp;Millimetres and Kilograms</source>
        <translation>&amp;Milimetry i kilogramy</translation>
    </message>
    <message>
        <source>&amp;Inches and Pounds</source>
        <translation>&amp;Cale i funty</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Material</source>
        <translation>&amp;Materiał</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Commercial Rounding</source>
        <translation>&amp;Zaokrąglanie handlowe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;Find Material…</source>
        <translation>&amp;Znajdź materiał…</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>&amp;Następna strona</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>&amp;Poprzednia strona</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Ułamki</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>Jed&amp;nostki</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potwierdź</translation>
    </message>
    <message>
        <source>Save new Favourite Material?</source>
        <translation>Zapisać nowy ulubiony materiał?</translation>
    </message>
    <message>
        <source>No material found</source>
        <translation>Nie znaleziono materiału</translation>
    </message>
    <message>
        <source>Find Material</source>
        <translation>Znajdź materiał</translation>
    </message>
    <message>
        <source>Part of a material name</source>
        <translation>Część nazwy materiału</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Materials found</source>
        <translation>Znalezione materiały</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Wyżej</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Niżej</translation>
    </message>
    <message>
        <source>Edit Materials</source>
        <translation>Edytuj materiały</translation>
    </message>
    <message>
        <source>Materials</source>
        <translation>Materiały</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Wiersz %1: %2</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Materiał</translation>
    </message>
    <message>
        <source>Density (g/cm³)</source>
        <translation>Gęstość (g/cm³)</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Pręt okrągły</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Wielokąt</translation>
    </message>
    <message>
        <source>Flat/Square</source>
        <translation>Płaskownik/Kwadrat</translation>
    </message>
    <message>
        <source>Plate/Sheet</source>
        <translation>Blacha/Płyta</translation>
    </message>
    <message>
        <source>Tube</source>
        <translation>Rura</translation>
    </message>
    <message>
        <source>Hollow Section</source>
        <translation>Profil zamknięty</translation>
    </message>
    <message>
        <source>Turning</source>
        <translation>Toczenie</translation>
    </message>
    <message>
        <source>CE</source>
        <translation>CE</translation>
    </message>
    <message>
        <source>M/I</source>
        <translation>M/C</translation>
    </message>
    <message>
        <source>Calc</source>
        <translation>Kalk.</translation>
    </message>
    <message>
        <source>Carbon Equivalent Value (CE): </source>
        <translation>Równoważnik węgla (CE): </translation>
    </message>
    <message>
        <source>Weldability rating</source>
        <translation>Spawalność</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Węgiel</translation>
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
        <translation>Molibden</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Wanad</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Miedź</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Nikiel</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Doskonała</translation>
    </message>
    <message>
        <source>Very good</source>
        <translation>Bardzo dobra</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Dobra</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Dostateczna</translation>
    </message>
    <message>
        <source>Over 0.51</source>
        <translation>Powyżej 0.51</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Słaba</translation>
    </message>
    <message>
        <source>Feet:</source>
        <translation>Stopy:</translation>
    </message>
    <message>
        <source>Inches:</source>
        <translation>Cale:</translation>
    </message>
    <message>
        <source>Fractions:</source>
        <translation>Ułamki:</translation>
    </message>
    <message>
        <source>Decimal inches</source>
        <translation>Cale dziesiętne</translation>
    </message>
    <message>
        <source>Nearest inch:</source>
        <translation>Do pełnego cala:</translation>
    </message>
    <message>
        <source>Millimetres:</source>
        <translation>Milimetry:</translation>
    </message>
    <message>
        <source>Centimetres:</source>
        <translation>Centymetry:</translation>
    </message>
    <message>
        <source>Metres:</source>
        <translation>Metry:</translation>
    </message>
    <message>
        <source>Kilometres:</source>
        <translation>Kilometry:</translation>
    </message>
    <message>
        <source>Nearest 25mm</source>
        <translation>Do 25mm</translation>
    </message>
    <message>
        <source>Imperial Conversions:</source>
        <translation>Przeliczenia calowe:</translation>
    </message>
    <message>
        <source>Metric Conversions:</source>
        <translation>Przeliczenia metryczne:</translation>
    </message>
    <message>
        <source>To convert between metric and imperial dimensions  enter a number below

Metric Format - enter in millimetres (mm):
12345 or 12345.678 or 0.512

Imperial Format - enter inches, feet, fractions or any combination::
1&apos;2&quot; or 34&quot; or 1.1/4&quot; or 12&apos;9.3/4&quot;</source>
        <translation>Aby przeliczyć wymiary metryczne i calowe, wpisz liczbę poniżej

Metryczne - wpisz w milimetrach (mm):
12345 lub 12345.678 lub 0.512

Calowe - wpisz cale, stopy, ułamki lub ich połączenie:
1&apos;2&quot; lub 34&quot; lub 1.1/4&quot; lub 12&apos;9.3/4&quot;</translation>
    </message>
    <message>
        <source>How to enter a dimension</source>
        <translation>Jak wpisać wymiar</translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Materiał: </translation>
    </message>
    <message>
        <source>Density: </source>
        <translation>Gęstość: </translation>
    </message>
    <message>
        <source>Commercial Rounding: On</source>
        <translation>Zaokrąglanie handlowe: wł.</translation>
    </message>
    <message>
        <source>Commercial Rounding: Off</source>
        <translation>Zaokrąglanie handlowe: wył.</translation>
    </message>
    <message>
        <source>A material needs a name.</source>
        <translation>Materiał musi mieć nazwę.</translation>
    </message>
    <message>
        <source>A name cannot hold a comma: the table ends each name at its first comma.</source>
        <translation>Nazwa nie może zawierać przecinka: tabela kończy każdą nazwę na pierwszym przecinku.</translation>
    </message>
    <message>
        <source>A name cannot hold a line break.</source>
        <translation>Nazwa nie może zawierać końca wiersza.</translation>
    </message>
    <message>
        <source>The density must be above 0.</source>
        <translation>Gęstość musi być większa od 0.</translation>
    </message>
    <message>
        <source>The density must be below 25 g/cm³: no known material is denser.</source>
        <translation>Gęstość musi być mniejsza od 25 g/cm³: żaden znany materiał nie jest gęstszy.</translation>
    </message>
    <message>
        <source>The table needs at least one material.</source>
        <translation>Tabela musi zawierać co najmniej jeden materiał.</translation>
    </message>
    <message>
        <source>Tonne</source>
        <translation>Tona</translation>
    </message>
    <message>
        <source>Lump Sum</source>
        <translation>Ryczałt</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Średnica</translation>
    </message>
    <message>
        <source>Bar Length</source>
        <translation>Długość pręta</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Ilość</translation>
    </message>
    <message>
        <source>Stock Cost</source>
        <translation>Koszt materiału</translation>
    </message>
    <message>
        <source>Turning Cost</source>
        <translation>Koszt toczenia</translation>
    </message>
    <message>
        <source>Feedstock Diameter:</source>
        <translation>Średnica wyjściowa:</translation>
    </message>
    <message>
        <source>Produced Diameter:</source>
        <translation>Średnica końcowa:</translation>
    </message>
    <message>
        <source>Produced Material Cost (per Tonne)</source>
        <translation>Koszt materiału gotowego (za tonę)</translation>
    </message>
    <message>
        <source>Copy the produced material cost per tonne</source>
        <translation>Kopiuj koszt materiału gotowego za tonę</translation>
    </message>
    <message>
        <source>Feedstock Weight per Metre</source>
        <translation>Masa wyjściowa na metr</translation>
    </message>
    <message>
        <source>Feedstock Weight per Bar</source>
        <translation>Masa wyjściowa na pręt</translation>
    </message>
    <message>
        <source>Feedstock Total Weight</source>
        <translation>Masa wyjściowa razem</translation>
    </message>
    <message>
        <source>Produced Weight per Metre</source>
        <translation>Masa końcowa na metr</translation>
    </message>
    <message>
        <source>Total Cost</source>
        <translation>Koszt całkowity</translation>
    </message>
    <message>
        <source>Production loss</source>
        <translation>Strata produkcyjna</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Wy&amp;czyść</translation>
    </message>
    <message>
        <source>The wall reaches the centre: weighed as a solid bar</source>
        <translation>Ścianka sięga środka: zważono jak pręt pełny</translation>
    </message>
    <message>
        <source>The wall reaches the centre: weighed as a solid rectangle</source>
        <translation>Ścianka sięga środka: zważono jak pełny prostokąt</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>Sześciokąt</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>Ośmiokąt</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Kwadrat</translation>
    </message>
    <message>
        <source>Decagon</source>
        <translation>Dziesięciokąt</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Trójkąt</translation>
    </message>
    <message>
        <source>Weight per Metre</source>
        <translation>Masa na metr</translation>
    </message>
    <message>
        <source>Copy the weight per metre</source>
        <translation>Kopiuj masę na metr</translation>
    </message>
    <message>
        <source>Weight per Bar</source>
        <translation>Masa na pręt</translation>
    </message>
    <message>
        <source>Copy the weight per bar</source>
        <translation>Kopiuj masę na pręt</translation>
    </message>
    <message>
        <source>Total Weight</source>
        <translation>Masa całkowita</translation>
    </message>
    <message>
        <source>Copy the total weight</source>
        <translation>Kopiuj masę całkowitą</translation>
    </message>
    <message>
        <source>Across Flat</source>
        <translation>Wymiar pod klucz</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Szerokość</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Grubość</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Długość</translation>
    </message>
    <message>
        <source>Weight per Sq. Metre</source>
        <translation>Masa na m²</translation>
    </message>
    <message>
        <source>Copy the weight per square metre</source>
        <translation>Kopiuj masę na metr kwadratowy</translation>
    </message>
    <message>
        <source>Weight per Sheet/Plate</source>
        <translation>Masa na arkusz/płytę</translation>
    </message>
    <message>
        <source>Copy the weight per sheet or plate</source>
        <translation>Kopiuj masę na arkusz lub płytę</translation>
    </message>
    <message>
        <source>Outside Diameter</source>
        <translation>Średnica zewnętrzna</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Wysokość</translation>
    </message>
    <message>
        <source>Weight per Sq. Foot</source>
        <translation>Masa na stopę²</translation>
    </message>
    <message>
        <source>Weight per Foot</source>
        <translation>Masa na stopę</translation>
    </message>
    <message>
        <source>Enter all dimensions in millimetres (mm)</source>
        <translation>Wszystkie wymiary podaj w milimetrach (mm)</translation>
    </message>
    <message>
        <source>Enter all dimensions in inches (in); feet with &apos;</source>
        <translation>Wszystkie wymiary podaj w calach (in); stopy z &apos;</translation>
    </message>
    <message>
        <source>To machine a bar with these dimensions from a round bar,
it would need to have a minimum diameter of:</source>
        <translation>Aby obrobić pręt o tych wymiarach z pręta okrągłego,
potrzebna byłaby średnica co najmniej:</translation>
    </message>
    <message>
        <source>Machining Diameter</source>
        <translation>Średnica obróbki</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Skopiowano:</translation>
    </message>
    <message>
        <source>Protocol not recognised for URL</source>
        <translation>Nierozpoznany protokół adresu URL</translation>
    </message>
    <message>
        <source>Commercial rounding lamp</source>
        <translation>Lampka zaokrąglania handlowego</translation>
    </message>
    <message>
        <source>lit</source>
        <translation>świeci</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>zgaszona</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Pasek stanu</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Dzielenie zmiennoprzecinkowe przez zero</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Nieprawidłowa operacja zmiennoprzecinkowa</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Przepełnienie zmiennoprzecinkowe</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Dodaj do pamięci</translation>
    </message>
    <message>
        <source>Memory subtract</source>
        <translation>Odejmij od pamięci</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Odczytaj pamięć</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Wyczyść pamięć</translation>
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
        <translation>Razy</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Podziel</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Procent</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Separator dziesiętny</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Calculator display</source>
        <translation>Wyświetlacz kalkulatora</translation>
    </message>
    <message>
        <source>Cannot open file</source>
        <translation>Nie można otworzyć pliku</translation>
    </message>
    <message>
        <source>Dimension to convert</source>
        <translation>Wymiar do przeliczenia</translation>
    </message>
    <message>
        <source>in millimetres, or in feet and inches</source>
        <translation>w milimetrach albo w stopach i calach</translation>
    </message>
    <message>
        <source>is not a valid integer value</source>
        <translation>nie jest prawidłową liczbą całkowitą</translation>
    </message>
    <message>
        <source>is not a valid floating point value</source>
        <translation>nie jest prawidłową liczbą dziesiętną</translation>
    </message>
    <message>
        <source>The table&apos;s text cannot hold the character</source>
        <translation>Tekst tabeli nie może zawierać znaku</translation>
    </message>
    <message>
        <source>The table would read this name back as</source>
        <translation>Tabela odczytałaby tę nazwę jako</translation>
    </message>
    <message>
        <source>The density must be a number, such as</source>
        <translation>Gęstość musi być liczbą, np.</translation>
    </message>
    <message>
        <source>Another material has the same name; at start-up the favourite selects the last of them.</source>
        <translation>Inny materiał ma tę samą nazwę; przy starcie ulubiony wybiera ostatni z nich.</translation>
    </message>
    <message>
        <source>Cannot create file</source>
        <translation>Nie można utworzyć pliku</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Odmowa dostępu do pliku</translation>
    </message>
    <message>
        <source>Copy the weight per square foot</source>
        <translation>Kopiuj masę na stopę kwadratową</translation>
    </message>
    <message>
        <source>Copy the weight per foot</source>
        <translation>Kopiuj masę na stopę</translation>
    </message>
    <message>
        <source>in inches, or feet and inches</source>
        <translation>w calach albo stopach i calach</translation>
    </message>
    <message>
        <source>in millimetres</source>
        <translation>w milimetrach</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Uwaga</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Kopiuj: %1</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Oferta</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>W&amp;yczyść wszystko</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Zapisz…</translation>
    </message>
    <message>
        <source>Op&amp;en…</source>
        <translation>&amp;Otwórz…</translation>
    </message>
    <message>
        <source>E&amp;xport PDF…</source>
        <translation>&amp;Eksportuj PDF…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drukuj…</translation>
    </message>
    <message>
        <source>Add to &amp;Quote</source>
        <translation>Do &amp;oferty</translation>
    </message>
    <message>
        <source>Nothing to add: the total weight is 0</source>
        <translation>Nic do dodania: masa całkowita wynosi 0</translation>
    </message>
    <message>
        <source>Added to the quote</source>
        <translation>Dodano do oferty</translation>
    </message>
    <message>
        <source>Print Quote</source>
        <translation>Drukuj ofertę</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Płaskownik</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Blacha</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Weight per Piece</source>
        <translation>Masa na sztukę</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Pliki CSV (*.csv);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Print the quote (Ctrl+P)</source>
        <translation>Drukuj ofertę (Ctrl+P)</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Wyczyść wszystko</translation>
    </message>
    <message>
        <source>Remove every item from the quote?</source>
        <translation>Usunąć wszystkie pozycje z oferty?</translation>
    </message>
    <message>
        <source>Save Quote</source>
        <translation>Zapisz ofertę</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Eksportuj PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Open Quote</source>
        <translation>Otwórz ofertę</translation>
    </message>
    <message>
        <source>Some rows of &quot;%1&quot; could not be read:</source>
        <translation>Niektórych wierszy pliku „%1” nie udało się odczytać:</translation>
    </message>
    <message>
        <source>Cannot print the quote</source>
        <translation>Nie można wydrukować oferty</translation>
    </message>
    <message>
        <source>%1 item</source>
        <translation>%1 poz.</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 poz.</translation>
    </message>
    <message>
        <source>Quote, %1</source>
        <translation>Oferta, %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
    <message>
        <source>The quote list &quot;%1&quot; could not be read (%2). It was left as it is, and the list starts empty.</source>
        <translation>Nie udało się odczytać listy oferty „%1” (%2). Plik pozostawiono bez zmian, a lista zaczyna się pusta.</translation>
    </message>
    <message>
        <source>The quote list &quot;%1&quot; could not be read (%2). It was kept as &quot;%3&quot;, and the list starts empty.</source>
        <translation>Nie udało się odczytać listy oferty „%1” (%2). Plik zachowano jako „%3”, a lista zaczyna się pusta.</translation>
    </message>
</context>
</TS>
