<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Kelvane</name>
    <message>
        <source>All weights calculated by this program are theoretical and are for guidance only.</source>
        <translation>Todos los pesos calculados por este programa son teóricos y solo orientativos.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About Kelvane</source>
        <translation>Acerca de Kelvane</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Idioma del &amp;sistema</translation>
    </message>
    <message>
        <source>&amp;Edit Materials…</source>
        <translation>&amp;Editar materiales…</translation>
    </message>
    <message>
        <source>Nearest 1/32&quot;</source>
        <translation>Al 1/32&quot; más próximo</translation>
    </message>
    <message>
        <source>Nearest 1/64&quot;</source>
        <translation>Al 1/64&quot; más próximo</translation>
    </message>
    <message>
        <source>&amp;Millimetres and Kilograms</source>
        <translation>&amp;Milímetros y kilogramos</translation>
    </message>
    <message>
        <source>&amp;Inches and Pounds</source>
        <translation>&amp;Pulgadas y libras</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Material</source>
        <translation>&amp;Material</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Commercial Rounding</source>
        <translation>&amp;Redondeo comercial</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Find Material…</source>
        <translation>&amp;Buscar material…</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Página &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>Página &amp;anterior</translation>
    </message>
    <message>
        <source>Fractions</source>
        <translation>Fracciones</translation>
    </message>
    <message>
        <source>&amp;Units</source>
        <translation>&amp;Unidades</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Save new Favourite Material?</source>
        <translation>¿Guardar el nuevo material favorito?</translation>
    </message>
    <message>
        <source>No material found</source>
        <translation>No se encontró ningún material</translation>
    </message>
    <message>
        <source>Find Material</source>
        <translation>Buscar material</translation>
    </message>
    <message>
        <source>Part of a material name</source>
        <translation>Parte del nombre de un material</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Materials found</source>
        <translation>Materiales encontrados</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;gregar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Edit Materials</source>
        <translation>Editar materiales</translation>
    </message>
    <message>
        <source>Materials</source>
        <translation>Materiales</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Fila %1: %2</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Density (g/cm³)</source>
        <translation>Densidad (g/cm³)</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Redondo</translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation>Polígono</translation>
    </message>
    <message>
        <source>Flat/Square</source>
        <translation>Pletina/Cuadrado</translation>
    </message>
    <message>
        <source>Plate/Sheet</source>
        <translation>Chapa/Plancha</translation>
    </message>
    <message>
        <source>Tube</source>
        <translation>Tubo</translation>
    </message>
    <message>
        <source>Hollow Section</source>
        <translation>Perfil hueco</translation>
    </message>
    <message>
        <source>Turning</source>
        <translation>Torneado</translation>
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
        <translation>Carbono equivalente (CE): </translation>
    </message>
    <message>
        <source>Weldability rating</source>
        <translation>Soldabilidad</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Carbono</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Manganeso</translation>
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
        <translation>Cobre</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Níquel</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excelente</translation>
    </message>
    <message>
        <source>Very good</source>
        <translation>Muy buena</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Buena</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Regular</translation>
    </message>
    <message>
        <source>Over 0.51</source>
        <translation>Más de 0.51</translation>
    </message>
    <message>
        <source>Poor</source>
        <translation>Mala</translation>
    </message>
    <message>
        <source>Feet:</source>
        <translation>Pies:</translation>
    </message>
    <message>
        <source>Inches:</source>
        <translation>Pulgadas:</translation>
    </message>
    <message>
        <source>Fractions:</source>
        <translation>Fracciones:</translation>
    </message>
    <message>
        <source>Decimal inches</source>
        <translation>Pulgadas decimales</translation>
    </message>
    <message>
        <source>Nearest inch:</source>
        <translation>Pulgada más próxima:</translation>
    </message>
    <message>
        <source>Millimetres:</source>
        <translation>Milímetros:</translation>
    </message>
    <message>
        <source>Centimetres:</source>
        <translation>Centímetros:</translation>
    </message>
    <message>
        <source>Metres:</source>
        <translation>Metros:</translation>
    </message>
    <message>
        <source>Kilometres:</source>
        <translation>Kilómetros:</translation>
    </message>
    <message>
        <source>Nearest 25mm</source>
        <translation>Múltiplo de 25mm</translation>
    </message>
    <message>
        <source>Imperial Conversions:</source>
        <translation>Conversiones imperiales:</translation>
    </message>
    <message>
        <source>Metric Conversions:</source>
        <translation>Conversiones métricas:</translation>
    </message>
    <message>
        <source>To convert between metric and imperial dimensions  enter a number below

Metric Format - enter in millimetres (mm):
12345 or 12345.678 or 0.512

Imperial Format - enter inches, feet, fractions or any combination::
1&apos;2&quot; or 34&quot; or 1.1/4&quot; or 12&apos;9.3/4&quot;</source>
        <translation>Para convertir entre medidas métricas e imperiales, introduzca un número abajo

Métrico - introduzca en milímetros (mm):
12345 o 12345.678 o 0.512

Imperial - introduzca pulgadas, pies, fracciones o una combinación:
1&apos;2&quot; o 34&quot; o 1.1/4&quot; o 12&apos;9.3/4&quot;</translation>
    </message>
    <message>
        <source>How to enter a dimension</source>
        <translation>Cómo introducir una medida</translation>
    </message>
    <message>
        <source>Material: </source>
        <translation>Material: </translation>
    </message>
    <message>
        <source>Density: </source>
        <translation>Densidad: </translation>
    </message>
    <message>
        <source>Commercial Rounding: On</source>
        <translation>Redondeo comercial: sí</translation>
    </message>
    <message>
        <source>Commercial Rounding: Off</source>
        <translation>Redondeo comercial: no</translation>
    </message>
    <message>
        <source>A material needs a name.</source>
        <translation>Un material necesita un nombre.</translation>
    </message>
    <message>
        <source>A name cannot hold a comma: the table ends each name at its first comma.</source>
        <translation>Un nombre no puede contener una coma: la tabla termina cada nombre en su primera coma.</translation>
    </message>
    <message>
        <source>A name cannot hold a line break.</source>
        <translation>Un nombre no puede contener un salto de línea.</translation>
    </message>
    <message>
        <source>The density must be above 0.</source>
        <translation>La densidad debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>The density must be below 25 g/cm³: no known material is denser.</source>
        <translation>La densidad debe ser menor que 25 g/cm³: ningún material conocido es más denso.</translation>
    </message>
    <message>
        <source>The table needs at least one material.</source>
        <translation>La tabla necesita al menos un material.</translation>
    </message>
    <message>
        <source>Tonne</source>
        <translation>Tonelada</translation>
    </message>
    <message>
        <source>Lump Sum</source>
        <translation>Importe fijo</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diámetro</translation>
    </message>
    <message>
        <source>Bar Length</source>
        <translation>Longitud de barra</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Stock Cost</source>
        <translation>Coste del material</translation>
    </message>
    <message>
        <source>Turning Cost</source>
        <translation>Coste de torneado</translation>
    </message>
    <message>
        <source>Feedstock Diameter:</source>
        <translation>Diámetro de partida:</translation>
    </message>
    <message>
        <source>Produced Diameter:</source>
        <translation>Diámetro final:</translation>
    </message>
    <message>
        <source>Produced Material Cost (per Tonne)</source>
        <translation>Coste del material final (por tonelada)</translation>
    </message>
    <message>
        <source>Copy the produced material cost per tonne</source>
        <translation>Copiar el coste del material final por tonelada</translation>
    </message>
    <message>
        <source>Feedstock Weight per Metre</source>
        <translation>Peso de partida por metro</translation>
    </message>
    <message>
        <source>Feedstock Weight per Bar</source>
        <translation>Peso de partida por barra</translation>
    </message>
    <message>
        <source>Feedstock Total Weight</source>
        <translation>Peso de partida total</translation>
    </message>
    <message>
        <source>Produced Weight per Metre</source>
        <translation>Peso final por metro</translation>
    </message>
    <message>
        <source>Total Cost</source>
        <translation>Coste total</translation>
    </message>
    <message>
        <source>Production loss</source>
        <translation>Pérdida de producción</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>The wall reaches the centre: weighed as a solid bar</source>
        <translation>La pared llega al centro: pesado como barra maciza</translation>
    </message>
    <message>
        <source>The wall reaches the centre: weighed as a solid rectangle</source>
        <translation>La pared llega al centro: pesado como rectángulo macizo</translation>
    </message>
    <message>
        <source>Hexagon</source>
        <translation>Hexágono</translation>
    </message>
    <message>
        <source>Octagon</source>
        <translation>Octágono</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrado</translation>
    </message>
    <message>
        <source>Decagon</source>
        <translation>Decágono</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triángulo</translation>
    </message>
    <message>
        <source>Weight per Metre</source>
        <translation>Peso por metro</translation>
    </message>
    <message>
        <source>Copy the weight per metre</source>
        <translation>Copiar el peso por metro</translation>
    </message>
    <message>
        <source>Weight per Bar</source>
        <translation>Peso por barra</translation>
    </message>
    <message>
        <source>Copy the weight per bar</source>
        <translation>Copiar el peso por barra</translation>
    </message>
    <message>
        <source>Total Weight</source>
        <translation>Peso total</translation>
    </message>
    <message>
        <source>Copy the total weight</source>
        <translation>Copiar el peso total</translation>
    </message>
    <message>
        <source>Across Flat</source>
        <translation>Entre caras</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Espesor</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Weight per Sq. Metre</source>
        <translation>Peso por m²</translation>
    </message>
    <message>
        <source>Copy the weight per square metre</source>
        <translation>Copiar el peso por metro cuadrado</translation>
    </message>
    <message>
        <source>Weight per Sheet/Plate</source>
        <translation>Peso por chapa/plancha</translation>
    </message>
    <message>
        <source>Copy the weight per sheet or plate</source>
        <translation>Copiar el peso por chapa o plancha</translation>
    </message>
    <message>
        <source>Outside Diameter</source>
        <translation>Diámetro exterior</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Weight per Sq. Foot</source>
        <translation>Peso por pie²</translation>
    </message>
    <message>
        <source>Weight per Foot</source>
        <translation>Peso por pie</translation>
    </message>
    <message>
        <source>Enter all dimensions in millimetres (mm)</source>
        <translation>Introduzca todas las medidas en milímetros (mm)</translation>
    </message>
    <message>
        <source>Enter all dimensions in inches (in); feet with &apos;</source>
        <translation>Introduzca todas las medidas en pulgadas (in); pies con &apos;</translation>
    </message>
    <message>
        <source>To machine a bar with these dimensions from a round bar,
it would need to have a minimum diameter of:</source>
        <translation>Para mecanizar una barra de estas medidas de un redondo,
se necesitaría un diámetro mínimo de:</translation>
    </message>
    <message>
        <source>Machining Diameter</source>
        <translation>Diámetro de mecanizado</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado:</translation>
    </message>
    <message>
        <source>Protocol not recognised for URL</source>
        <translation>Protocolo no reconocido para la URL</translation>
    </message>
    <message>
        <source>Commercial rounding lamp</source>
        <translation>Indicador de redondeo comercial</translation>
    </message>
    <message>
        <source>lit</source>
        <translation>encendido</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>apagado</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>División de coma flotante por cero</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Operación de coma flotante no válida</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Desbordamiento de coma flotante</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Sumar a memoria</translation>
    </message>
    <message>
        <source>Memory subtract</source>
        <translation>Restar de memoria</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Recuperar memoria</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Borrar memoria</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Por</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Entre</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Por ciento</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Separador decimal</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Calculator display</source>
        <translation>Pantalla de la calculadora</translation>
    </message>
    <message>
        <source>Cannot open file</source>
        <translation>No se puede abrir el archivo</translation>
    </message>
    <message>
        <source>Dimension to convert</source>
        <translation>Medida a convertir</translation>
    </message>
    <message>
        <source>in millimetres, or in feet and inches</source>
        <translation>en milímetros, o en pies y pulgadas</translation>
    </message>
    <message>
        <source>is not a valid integer value</source>
        <translation>no es un número entero válido</translation>
    </message>
    <message>
        <source>is not a valid floating point value</source>
        <translation>no es un número decimal válido</translation>
    </message>
    <message>
        <source>The table&apos;s text cannot hold the character</source>
        <translation>El texto de la tabla no puede contener el carácter</translation>
    </message>
    <message>
        <source>The table would read this name back as</source>
        <translation>La tabla leería este nombre como</translation>
    </message>
    <message>
        <source>The density must be a number, such as</source>
        <translation>La densidad debe ser un número, como</translation>
    </message>
    <message>
        <source>Another material has the same name; at start-up the favourite selects the last of them.</source>
        <translation>Otro material tiene el mismo nombre; al iniciar, el favorito elige el último.</translation>
    </message>
    <message>
        <source>Cannot create file</source>
        <translation>No se puede crear el archivo</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acceso al archivo denegado</translation>
    </message>
    <message>
        <source>Copy the weight per square foot</source>
        <translation>Copiar el peso por pie cuadrado</translation>
    </message>
    <message>
        <source>Copy the weight per foot</source>
        <translation>Copiar el peso por pie</translation>
    </message>
    <message>
        <source>in inches, or feet and inches</source>
        <translation>en pulgadas, o pies y pulgadas</translation>
    </message>
    <message>
        <source>in millimetres</source>
        <translation>en milímetros</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Copiar %1</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Presupuesto</translation>
    </message>
    <message>
        <source>Clear &amp;All</source>
        <translation>Borrar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Guardar…</translation>
    </message>
    <message>
        <source>Op&amp;en…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>E&amp;xport PDF…</source>
        <translation>E&amp;xportar PDF…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Add to &amp;Quote</source>
        <translation>&amp;Cotizar</translation>
    </message>
    <message>
        <source>Nothing to add: the total weight is 0</source>
        <translation>Nada que añadir: el peso total es 0</translation>
    </message>
    <message>
        <source>Added to the quote</source>
        <translation>Añadido al presupuesto</translation>
    </message>
    <message>
        <source>Print Quote</source>
        <translation>Imprimir presupuesto</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Pletina</translation>
    </message>
    <message>
        <source>Plate</source>
        <translation>Chapa</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Artículo</translation>
    </message>
    <message>
        <source>Weight per Piece</source>
        <translation>Peso por pieza</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Print the quote (Ctrl+P)</source>
        <translation>Imprimir el presupuesto (Ctrl+P)</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Remove every item from the quote?</source>
        <translation>¿Quitar todos los artículos del presupuesto?</translation>
    </message>
    <message>
        <source>Save Quote</source>
        <translation>Guardar presupuesto</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Open Quote</source>
        <translation>Abrir presupuesto</translation>
    </message>
    <message>
        <source>Some rows of &quot;%1&quot; could not be read:</source>
        <translation>Algunas filas de &quot;%1&quot; no se pudieron leer:</translation>
    </message>
    <message>
        <source>Cannot print the quote</source>
        <translation>No se puede imprimir el presupuesto</translation>
    </message>
    <message>
        <source>%1 item</source>
        <translation>%1 artículo</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 artículos</translation>
    </message>
    <message>
        <source>Quote, %1</source>
        <translation>Presupuesto, %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>The quote list &quot;%1&quot; could not be read (%2). It was left as it is, and the list starts empty.</source>
        <translation>No se pudo leer la lista del presupuesto &quot;%1&quot; (%2). Se ha dejado tal como está, y la lista empieza vacía.</translation>
    </message>
    <message>
        <source>The quote list &quot;%1&quot; could not be read (%2). It was kept as &quot;%3&quot;, and the list starts empty.</source>
        <translation>No se pudo leer la lista del presupuesto &quot;%1&quot; (%2). Se ha guardado como &quot;%3&quot;, y la lista empieza vacía.</translation>
    </message>
</context>
</TS>
