<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Kelvane</name>
    <message>
        <source>All weights calculated by this program are theoretical and are for guidance only.</source>
        <translation>Tous les poids calculés par ce programme sont théoriques et donnés à titre indicatif.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Kelvane</source>
        <translation>À propos de Kelvane</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Langue du &amp;système</translation>
    </message>
    <message>
        <source>&amp;Edit Materials…</source>
        <translation>&amp;Modifier les matières…</translation>
    </message>
    <message>
        <source>Nearest 1/32&quot;</source>
        <translation>Au 1/32&quot; près</translation>
    </message>
    <message>
        <source>Nearest 1/64&quot;</source>
        <translation>Au 1/64&quot; près</translation>
    </message>
    <message>
        <source>&amp;Millimetres and Kilograms</source>
        <translation>&amp;Millimètres et kilogrammes</translation>
    </message>
    <message>
        <source>&amp;Inches and Pounds</source>
        <translation>&amp;Pouces et livres</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Material</source>
        <translation>&amp;Matière</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Commercial Rounding</source>
        <translation>A&amp;rrondi commercial</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Find Material…</source>
        <translation>&amp;Rechercher une matière…</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Page &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>Page &amp;précédente</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Fractions</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Unités</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Save new Favourite Material?</source>
        <translation>Enregistrer la nouvelle matière favorite ?</translation>
    </message>
    <message>
        <source>No material found</source>
        <translation>Aucune matière trouvée</translation>
    </message>
    <message>
        <source>Find Material</source>
        <translation>Rechercher une matière</translation>
    </message>
    <message>
        <source>Part of a material name</source>
        <translation>Partie d&apos;un nom de matière</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Materials found</source>
        <translation>Matières trouvées</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>Edit Materials</source>
        <translation>Modifier les matières</translation>
    </message>
    <message>
        <source>Materials</source>
        <translation>Matières</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Matière</translation>
    </message>
    <message>
        <source>Density (g/cm³)</source>
        <translation>Densité (g/cm³)</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rond</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Polygone</translation>
    </message>
    <message>
        <source>Flat/Square</source>
        <translation>Plat/Carré</translation>
    </message>
    <message>
        <source>Plate/Sheet</source>
        <translation>Tôle/Plaque</translation>
    </message>
    <message>
        <source>Tube</source>
        <translation>Tube</translation>
    </message>
    <message>
        <source>Hollow Section</source>
        <translation>Profil creux</translation>
    </message>
    <message>
        <source>Turning</source>
        <translation>Tournage</translation>
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
        <translation>Calcul</translation>
    </message>
    <message>
        <source>Carbon Equivalent Value (CE): </source>
        <translation>Carbone équivalent (CE) : </translation>
    </message>
    <message>
        <source>Weldability rating</source>
        <translation>Soudabilité</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Carbone</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Manganèse</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Chrome</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molybdène</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanadium</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Cuivre</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Nickel</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excellente</translation>
    </message>
    <message>
        <source>Very good</source>
        <translation>Très bonne</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bonne</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Over 0.51</source>
        <translation>Plus de 0.51</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Mauvaise</translation>
    </message>
    <message>
        <source>Feet:</source>
        <translation>Pieds :</translation>
    </message>
    <message>
        <source>Inches:</source>
        <translation>Pouces :</translation>
    </message>
    <message>
        <source>Fractions:</source>
        <translation>Fractions :</translation>
    </message>
    <message>
        <source>Decimal inches</source>
        <translation>Pouces décimaux</translation>
    </message>
    <message>
        <source>Nearest inch:</source>
        <translation>Au pouce près :</translation>
    </message>
    <message>
        <source>Millimetres:</source>
        <translation>Millimètres :</translation>
    </message>
    <message>
        <source>Centimetres:</source>
        <translation>Centimètres :</translation>
    </message>
    <message>
        <source>Metres:</source>
        <translation>Mètres :</translation>
    </message>
    <message>
        <source>Kilometres:</source>
        <translation>Kilomètres :</translation>
    </message>
    <message>
        <source>Nearest 25mm</source>
        <translation>Aux 25mm près</translation>
    </message>
    <message>
        <source>Imperial Conversions:</source>
        <translation>Conversions impériales :</translation>
    </message>
    <message>
        <source>Metric Conversions:</source>
        <translation>Conversions métriques :</translation>
    </message>
    <message>
        <source>To convert between metric and imperial dimensions  enter a number below

Metric Format - enter in millimetres (mm):
12345 or 12345.678 or 0.512

Imperial Format - enter inches, feet, fractions or any combination::
1&apos;2&quot; or 34&quot; or 1.1/4&quot; or 12&apos;9.3/4&quot;</source>
        <translation>Pour convertir entre dimensions métriques et impériales, saisir un nombre ci-dessous

Métrique - saisir en millimètres (mm) :
12345 ou 12345.678 ou 0.512

Impérial - saisir pouces, pieds, fractions ou toute combinaison :
1&apos;2&quot; ou 34&quot; ou 1.1/4&quot; ou 12&apos;9.3/4&quot;</translation>
    </message>
    <message>
        <source>How to enter a dimension</source>
        <translation>Comment saisir une dimension</translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Matière : </translation>
    </message>
    <message>
        <source>Density: </source>
        <translation>Densité : </translation>
    </message>
    <message>
        <source>Commercial Rounding: On</source>
        <translation>Arrondi commercial : activé</translation>
    </message>
    <message>
        <source>Commercial Rounding: Off</source>
        <translation>Arrondi commercial : désactivé</translation>
    </message>
    <message>
        <source>A material needs a name.</source>
        <translation>Une matière doit avoir un nom.</translation>
    </message>
    <message>
        <source>A name cannot hold a comma: the table ends each name at its first comma.</source>
        <translation>Un nom ne peut pas contenir de virgule : la table termine chaque nom à sa première virgule.</translation>
    </message>
    <message>
        <source>A name cannot hold a line break.</source>
        <translation>Un nom ne peut pas contenir de saut de ligne.</translation>
    </message>
    <message>
        <source>The density must be above 0.</source>
        <translation>La densité doit être supérieure à 0.</translation>
    </message>
    <message>
        <source>The density must be below 25 g/cm³: no known material is denser.</source>
        <translation>La densité doit être inférieure à 25 g/cm³ : aucune matière connue n&apos;est plus dense.</translation>
    </message>
    <message>
        <source>The table needs at least one material.</source>
        <translation>La table doit contenir au moins une matière.</translation>
    </message>
    <message>
        <source>Tonne</source>
        <translation>Tonne</translation>
    </message>
    <message>
        <source>Lump Sum</source>
        <translation>Forfait</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diamètre</translation>
    </message>
    <message>
        <source>Bar Length</source>
        <translation>Longueur de barre</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Stock Cost</source>
        <translation>Coût matière</translation>
    </message>
    <message>
        <source>Turning Cost</source>
        <translation>Coût de tournage</translation>
    </message>
    <message>
        <source>Feedstock Diameter:</source>
        <translation>Diamètre brut :</translation>
    </message>
    <message>
        <source>Produced Diameter:</source>
        <translation>Diamètre fini :</translation>
    </message>
    <message>
        <source>Produced Material Cost (per Tonne)</source>
        <translation>Coût matière finie (par tonne)</translation>
    </message>
    <message>
        <source>Copy the produced material cost per tonne</source>
        <translation>Copier le coût de la matière finie par tonne</translation>
    </message>
    <message>
        <source>Feedstock Weight per Metre</source>
        <translation>Poids brut par mètre</translation>
    </message>
    <message>
        <source>Feedstock Weight per Bar</source>
        <translation>Poids brut par barre</translation>
    </message>
    <message>
        <source>Feedstock Total Weight</source>
        <translation>Poids brut total</translation>
    </message>
    <message>
        <source>Produced Weight per Metre</source>
        <translation>Poids fini par mètre</translation>
    </message>
    <message>
        <source>Total Cost</source>
        <translation>Coût total</translation>
    </message>
    <message>
        <source>Production loss</source>
        <translation>Perte de production</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>The wall reaches the centre: weighed as a solid bar</source>
        <translation>La paroi atteint le centre : pesé comme une barre pleine</translation>
    </message>
    <message>
        <source>The wall reaches the centre: weighed as a solid rectangle</source>
        <translation>La paroi atteint le centre : pesé comme un rectangle plein</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>Hexagone</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>Octogone</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Decagon</source>
        <translation>Décagone</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Weight per Metre</source>
        <translation>Poids par mètre</translation>
    </message>
    <message>
        <source>Copy the weight per metre</source>
        <translation>Copier le poids par mètre</translation>
    </message>
    <message>
        <source>Weight per Bar</source>
        <translation>Poids par barre</translation>
    </message>
    <message>
        <source>Copy the weight per bar</source>
        <translation>Copier le poids par barre</translation>
    </message>
    <message>
        <source>Total Weight</source>
        <translation>Poids total</translation>
    </message>
    <message>
        <source>Copy the total weight</source>
        <translation>Copier le poids total</translation>
    </message>
    <message>
        <source>Across Flat</source>
        <translation>Sur plats</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Épaisseur</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Weight per Sq. Metre</source>
        <translation>Poids par m²</translation>
    </message>
    <message>
        <source>Copy the weight per square metre</source>
        <translation>Copier le poids par mètre carré</translation>
    </message>
    <message>
        <source>Weight per Sheet/Plate</source>
        <translation>Poids par tôle/plaque</translation>
    </message>
    <message>
        <source>Copy the weight per sheet or plate</source>
        <translation>Copier le poids par tôle ou plaque</translation>
    </message>
    <message>
        <source>Outside Diameter</source>
        <translation>Diamètre extérieur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Weight per Sq. Foot</source>
        <translation>Poids par pied²</translation>
    </message>
    <message>
        <source>Weight per Foot</source>
        <translation>Poids par pied</translation>
    </message>
    <message>
        <source>Enter all dimensions in millimetres (mm)</source>
        <translation>Saisir toutes les dimensions en millimètres (mm)</translation>
    </message>
    <message>
        <source>Enter all dimensions in inches (in); feet with &apos;</source>
        <translation>Saisir toutes les dimensions en pouces (in) ; les pieds avec &apos;</translation>
    </message>
    <message>
        <source>To machine a bar with these dimensions from a round bar,
it would need to have a minimum diameter of:</source>
        <translation>Pour usiner une barre de ces dimensions dans un rond,
il faudrait un diamètre minimal de :</translation>
    </message>
    <message>
        <source>Machining Diameter</source>
        <translation>Diamètre d&apos;usinage</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copié :</translation>
    </message>
    <message>
        <source>Protocol not recognised for URL</source>
        <translation>Protocole non reconnu pour l&apos;URL</translation>
    </message>
    <message>
        <source>Commercial rounding lamp</source>
        <translation>Voyant de l&apos;arrondi commercial</translation>
    </message>
    <message>
        <source>lit</source>
        <translation>allumé</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>éteint</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Division par zéro en virgule flottante</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Opération en virgule flottante non valide</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Dépassement en virgule flottante</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Mémoire plus</translation>
    </message>
    <message>
        <source>Memory subtract</source>
        <translation>Mémoire moins</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Rappel mémoire</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Effacer la mémoire</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Moins</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Fois</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Divisé par</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Pour cent</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Virgule décimale</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Calculator display</source>
        <translation>Affichage de la calculatrice</translation>
    </message>
    <message>
        <source>Cannot open file</source>
        <translation>Impossible d&apos;ouvrir le fichier</translation>
    </message>
    <message>
        <source>Dimension to convert</source>
        <translation>Dimension à convertir</translation>
    </message>
    <message>
        <source>in millimetres, or in feet and inches</source>
        <translation>en millimètres, ou en pieds et pouces</translation>
    </message>
    <message>
        <source>is not a valid integer value</source>
        <translation>n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>is not a valid floating point value</source>
        <translation>n&apos;est pas un nombre décimal valide</translation>
    </message>
    <message>
        <source>The table&apos;s text cannot hold the character</source>
        <translation>Le texte de la table ne peut pas contenir le caractère</translation>
    </message>
    <message>
        <source>The table would read this name back as</source>
        <translation>La table relirait ce nom comme</translation>
    </message>
    <message>
        <source>The density must be a number, such as</source>
        <translation>La densité doit être un nombre, par exemple</translation>
    </message>
    <message>
        <source>Another material has the same name; at start-up the favourite selects the last of them.</source>
        <translation>Une autre matière porte le même nom ; au démarrage, la favorite choisit la dernière.</translation>
    </message>
    <message>
        <source>Cannot create file</source>
        <translation>Impossible de créer le fichier</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>Copy the weight per square foot</source>
        <translation>Copier le poids par pied carré</translation>
    </message>
    <message>
        <source>Copy the weight per foot</source>
        <translation>Copier le poids par pied</translation>
    </message>
    <message>
        <source>in inches, or feet and inches</source>
        <translation>en pouces, ou en pieds et pouces</translation>
    </message>
    <message>
        <source>in millimetres</source>
        <translation>en millimètres</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Copier %1</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Devis</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>&amp;Tout effacer</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>En&amp;registrer…</translation>
    </message>
    <message>
        <source>Op&amp;en…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>E&amp;xport PDF…</source>
        <translation>E&amp;xporter en PDF…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Add to &amp;Quote</source>
        <translation>Au &amp;devis</translation>
    </message>
    <message>
        <source>Nothing to add: the total weight is 0</source>
        <translation>Rien à ajouter : le poids total est 0</translation>
    </message>
    <message>
        <source>Added to the quote</source>
        <translation>Ajouté au devis</translation>
    </message>
    <message>
        <source>Print Quote</source>
        <translation>Imprimer le devis</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Plat</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Tôle</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>Weight per Piece</source>
        <translation>Poids par pièce</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Print the quote (Ctrl+P)</source>
        <translation>Imprimer le devis (Ctrl+P)</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Remove every item from the quote?</source>
        <translation>Retirer tous les articles du devis ?</translation>
    </message>
    <message>
        <source>Save Quote</source>
        <translation>Enregistrer le devis</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Open Quote</source>
        <translation>Ouvrir un devis</translation>
    </message>
    <message>
        <source>Some rows of &quot;%1&quot; could not be read:</source>
        <translation>Certaines lignes de « %1 » n&apos;ont pas pu être lues :</translation>
    </message>
    <message>
        <source>Cannot print the quote</source>
        <translation>Impossible d&apos;imprimer le devis</translation>
    </message>
    <message>
        <source>%1 item</source>
        <translation>%1 article</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 articles</translation>
    </message>
    <message>
        <source>Quote, %1</source>
        <translation>Devis, %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>The quote list &quot;%1&quot; could not be read (%2). It was left as it is, and the list starts empty.</source>
        <translation>La liste du devis « %1 » n&apos;a pas pu être lue (%2). Elle a été laissée telle quelle, et la liste commence vide.</translation>
    </message>
    <message>
        <source>The quote list &quot;%1&quot; could not be read (%2). It was kept as &quot;%3&quot;, and the list starts empty.</source>
        <translation>La liste du devis « %1 » n&apos;a pas pu être lue (%2). Elle a été conservée sous « %3 », et la liste commence vide.</translation>
    </message>
</context>
</TS>
