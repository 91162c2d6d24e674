<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AddingRules</name>
    <message>
        <source>Possible duplicate: <byte value="xd"/>
<byte value="xd"/>
%1 %2<byte value="xd"/>
%3<byte value="xd"/>
%4,%5 %6<byte value="xd"/>
<byte value="xd"/>
Continue adding?</source>
        <translation>Posible duplicado: <byte value="xd"/>
<byte value="xd"/>
%1 %2<byte value="xd"/>
%3<byte value="xd"/>
%4,%5 %6<byte value="xd"/>
<byte value="xd"/>
¿Desea seguir añadiendo?</translation>
    </message>
    <message>
        <source>Possible Duplicate</source>
        <translation>Posible duplicado</translation>
    </message>
</context>
<context>
    <name>AddressFile</name>
    <message>
        <source>File %1 not found</source>
        <translation>No se encuentra el archivo %1</translation>
    </message>
    <message>
        <source>Unable to open %1<byte value="xd"/>
<byte value="xd"/>
 * May not an Ravenpost file.<byte value="xd"/>
 * May be in use by another program or user</source>
        <translation>No se puede abrir %1<byte value="xd"/>
<byte value="xd"/>
 * Puede que no sea un archivo de Ravenpost.<byte value="xd"/>
 * Puede estar en uso por otro programa o usuario</translation>
    </message>
    <message>
        <source>The index file for %1 is missing or out of date, and it cannot be rebuilt while the file is open read-only. The records are shown in the order they were added.</source>
        <translation>El archivo de índice de %1 falta o no está actualizado, y no se puede reconstruir mientras el archivo esté abierto en solo lectura. Los registros se muestran en el orden en que se añadieron.</translation>
    </message>
    <message>
        <source>The index file for %1<byte value="xd"/>
is missing or invalid. Please select [Rebuild Indexes]<byte value="xd"/>
from the [File] menu</source>
        <translation>El archivo de índices de %1<byte value="xd"/>
falta o no es válido. Elija [Reconstruir índices]<byte value="xd"/>
en el menú [Archivo]</translation>
    </message>
    <message>
        <source>Unable to open this file exclusively. Possibly in use by another program or user</source>
        <translation>No se puede abrir este archivo en modo exclusivo. Es posible que lo esté usando otro programa u otro usuario</translation>
    </message>
    <message>
        <source>Ravenpost cannot save changes to %1: the file, its memo or index file, or its folder is read-only.<byte value="xd"/>
<byte value="xd"/>
Open it read-only? You can browse, search and print its records, but not add, change or delete them.</source>
        <translation>Ravenpost no puede guardar cambios en %1: el archivo, su archivo de memos o de índices, o su carpeta es de solo lectura.<byte value="xd"/>
<byte value="xd"/>
¿Abrirlo en solo lectura? Podrá ver, buscar e imprimir sus registros, pero no añadirlos, cambiarlos ni eliminarlos.</translation>
    </message>
    <message>
        <source>Unable to create index files</source>
        <translation>No se pueden crear los archivos de índice</translation>
    </message>
    <message>
        <source>Create failed</source>
        <translation>Error al crear</translation>
    </message>
    <message>
        <source>File creation failed</source>
        <translation>Error al crear el archivo</translation>
    </message>
</context>
<context>
    <name>AddressTable</name>
    <message>
        <source>The file %1 was not closed properly. Its indexes have been rebuilt.</source>
        <translation>El archivo %1 no se cerró correctamente. Se han reconstruido sus índices.</translation>
    </message>
</context>
<context>
    <name>AsciiImport</name>
    <message>
        <source>Importing records</source>
        <translation>Importando registros</translation>
    </message>
    <message>
        <source>Counting total lines</source>
        <translation>Contando el total de líneas</translation>
    </message>
    <message numerus="yes">
        <source>Unknown error reading ASCII file after importing %n records.</source>
        <translation>
            <numerusform>Error desconocido al leer el archivo ASCII después de importar %n registro.</numerusform>
            <numerusform>Error desconocido al leer el archivo ASCII después de importar %n registros.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unknown error analyzing text line after importing %n records.</source>
        <translation>
            <numerusform>Error desconocido al analizar una línea de texto después de importar %n registro.</numerusform>
            <numerusform>Error desconocido al analizar una línea de texto después de importar %n registros.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unknown error writing to datafile after importing %n records.</source>
        <translation>
            <numerusform>Error desconocido al escribir en el archivo de datos después de importar %n registro.</numerusform>
            <numerusform>Error desconocido al escribir en el archivo de datos después de importar %n registros.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import cancelled after importing %n records.</source>
        <translation>
            <numerusform>Importación cancelada después de importar %n registro.</numerusform>
            <numerusform>Importación cancelada después de importar %n registros.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import complete. Imported %n records.</source>
        <translation>
            <numerusform>Importación terminada. Se importó %n registro.</numerusform>
            <numerusform>Importación terminada. Se importaron %n registros.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 lines were longer than %2 characters; the rest of those lines was not imported.</source>
        <translation>%1 líneas tenían más de %2 caracteres; el resto de esas líneas no se importó.</translation>
    </message>
</context>
<context>
    <name>AsciiMatchDialog</name>
    <message>
        <source>Field %1</source>
        <translation>Campo %1</translation>
    </message>
</context>
<context>
    <name>BarcodeCommand</name>
    <message>
        <source>--imb takes BARCODEID,SERVICE,MAILER,SERIAL</source>
        <translation>--imb requiere BARCODEID,SERVICE,MAILER,SERIAL</translation>
    </message>
    <message>
        <source>a POSTNET barcode needs a ZIP code</source>
        <translation>un código de barras POSTNET necesita un código ZIP</translation>
    </message>
    <message>
        <source>barcode takes no address file: use --zip ZIP</source>
        <translation>barcode no admite archivo de direcciones: use --zip ZIP</translation>
    </message>
    <message>
        <source>--zip ZIP is needed</source>
        <translation>se necesita --zip ZIP</translation>
    </message>
</context>
<context>
    <name>BarcodeOption</name>
    <message>
        <source>--barcode takes postnet or imb, not &quot;%1&quot;</source>
        <translation>--barcode admite postnet o imb, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the Intelligent Mail settings of %1 are not right: %2</source>
        <translation>la configuración de Intelligent Mail de %1 no es correcta: %2</translation>
    </message>
</context>
<context>
    <name>BatchArgs</name>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 no admite ningún valor</translation>
    </message>
    <message>
        <source>--%1 needs a value</source>
        <translation>--%1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown option --%1</source>
        <translation>opción desconocida --%1</translation>
    </message>
    <message>
        <source>--%1 must be a whole number of at least %2, not &quot;%3&quot;</source>
        <translation>--%1 debe ser un número entero mayor o igual que %2, no &quot;%3&quot;</translation>
    </message>
</context>
<context>
    <name>BatchCommands</name>
    <message>
        <source>barcode --zip ZIP [--imb BARCODEID,SERVICE,MAILER,SERIAL]
  Writes the bars of a postal barcode for a ZIP (5, 9 or 11 digits; none with
  --imb): POSTNET as its digits with the correction digit and its bars as F and H,
  or with --imb the Intelligent Mail barcode&apos;s bars as A, D, F and T.</source>
        <translation>barcode --zip ZIP [--imb BARCODEID,SERVICE,MAILER,SERIAL]
  Escribe las barras de un código de barras postal para un ZIP (5, 9 u 11 dígitos;
  ninguno con --imb): POSTNET como sus dígitos con el dígito de control y sus barras
  como F y H, o con --imb las barras del código Intelligent Mail como A, D, F y T.</translation>
    </message>
    <message>
        <source>calibrate --printer NAME (--shift X,Y | --clear) [--home DIR]
  Keeps the correction of a system printer in RAVENP.INI: X and Y are how far the
  marks of its calibration page landed right of and below where they should
  (inches; negative for left and above). Its labels and envelopes are then moved
  back by those amounts. --clear removes the correction. &quot;PDF file&quot; is never
  corrected.</source>
        <translation>calibrate --printer NAME (--shift X,Y | --clear) [--home DIR]
  Guarda la corrección de una impresora del sistema en RAVENP.INI: X e Y son la
  distancia a la que las marcas de su página de calibración quedaron a la derecha y
  por debajo de donde debían (pulgadas; negativas para izquierda y arriba). Sus
  etiquetas y sobres se desplazan después en sentido contrario esas distancias.
  --clear elimina la corrección. &quot;PDF file&quot; nunca se corrige.</translation>
    </message>
    <message>
        <source>calibration-page [--printer NAME | --output FILE.pdf] [--paper Letter|A4|WxH]
  Prints the calibration page (uncorrected): a frame 0.5 inch in from each edge,
  crosshairs at the positions written beside them and rulers in 1/32 inch, to
  measure how far the printer puts its output off.</source>
        <translation>calibration-page [--printer NAME | --output FILE.pdf] [--paper Letter|A4|WxH]
  Imprime la página de calibración (sin corregir): un marco a 0,5 pulgadas de cada
  borde, cruces en las posiciones escritas junto a ellas y reglas en 1/32 de
  pulgada, para medir cuánto desplaza la impresora lo que imprime.</translation>
    </message>
    <message>
        <source>count ADDRESSFILE [--filter EXPR] [--where LINE=TEXT]... [--home DIR]
  Writes the number of chosen records on standard output.</source>
        <translation>count ADDRESSFILE [--filter EXPR] [--where LINE=TEXT]... [--home DIR]
  Escribe el número de registros elegidos en la salida estándar.</translation>
    </message>
    <message>
        <source>create FILE.DBF
  Makes a new, empty address file with its memo file and the 21 tags, as File &gt; New
  makes it; an existing file is never replaced.</source>
        <translation>create FILE.DBF
  Crea un archivo de direcciones nuevo y vacío con su archivo memo y los 21 índices,
  igual que Archivo &gt; Nuevo; nunca se reemplaza un archivo existente.</translation>
    </message>
    <message>
        <source>envelopes ADDRESSFILE --setup DESCRIPTION [--output FILE.pdf | --printer NAME]
       [--record N] [--paper Letter|A4|WxH] [--barcode postnet|imb]
       [--filter EXPR] [--where LINE=TEXT]... [--order TAG] [--quiet] [--home DIR]
  Prints one envelope per chosen record (or record N) with an envelope setup of
  RVPESU.DBF.</source>
        <translation>envelopes ADDRESSFILE --setup DESCRIPTION [--output FILE.pdf | --printer NAME]
       [--record N] [--paper Letter|A4|WxH] [--barcode postnet|imb]
       [--filter EXPR] [--where LINE=TEXT]... [--order TAG] [--quiet] [--home DIR]
  Imprime un sobre por cada registro elegido (o por el registro N) con una
  configuración de sobre de RVPESU.DBF.</translation>
    </message>
    <message>
        <source>labels ADDRESSFILE --setup DESCRIPTION [--output FILE.pdf | --printer NAME]
       [--copies N] [--presort] [--households] [--start-record N]
       [--start-label N]
       [--barcode postnet|imb] [--filter EXPR]
       [--where LINE=TEXT]... [--order TAG] [--yes] [--quiet] [--home DIR]
  Prints labels of the chosen records with a label setup of RVPLSU.DBF.
  --start-label N begins the first sheet at its N-th label (across, then down).
  --households prints one label per household (same street and ZIP) and tells
  the pieces saved on standard error.</source>
        <translation>labels ADDRESSFILE --setup DESCRIPTION [--output FILE.pdf | --printer NAME]
       [--copies N] [--presort] [--households] [--start-record N]
       [--start-label N]
       [--barcode postnet|imb] [--filter EXPR]
       [--where LINE=TEXT]... [--order TAG] [--yes] [--quiet] [--home DIR]
  Imprime etiquetas de los registros elegidos con una configuración de etiqueta de RVPLSU.DBF.
  --start-label N comienza la primera hoja en su etiqueta N (a lo ancho y luego hacia abajo).
  --households imprime una etiqueta por hogar (misma calle y ZIP) e indica
  los envíos ahorrados en la salida de error estándar.</translation>
    </message>
    <message>
        <source>label-products [--search TEXT]
  Lists the label products of the gLabels template files on this system (the
  glabels-data package and the user&apos;s own templates) that a label stock can hold:
  &quot;BRAND PRODUCT&quot;, description, label size, across x down and paper, tab-separated;
  --search keeps those containing every word of TEXT.</source>
        <translation>label-products [--search TEXT]
  Muestra los productos de etiquetas de los archivos de plantilla de gLabels de este sistema (el
  paquete glabels-data y las plantillas propias del usuario) que puede contener un modelo de etiqueta:
  &quot;BRAND PRODUCT&quot;, descripción, tamaño de etiqueta, columnas x filas y papel, separados por tabuladores;
  --search conserva los que contienen todas las palabras de TEXT.</translation>
    </message>
    <message>
        <source>add-label-product &quot;BRAND PRODUCT&quot; [--home DIR]
  Adds that label product (as label-products names it) to RVPLBLS.DBF as a label
  stock of your own; a product already there is named instead of added twice.</source>
        <translation>add-label-product &quot;BRAND PRODUCT&quot; [--home DIR]
  Añade ese producto de etiquetas (tal como lo nombra label-products) a RVPLBLS.DBF como
  modelo de etiqueta propio; si el producto ya existe, se indica en lugar de añadirlo dos veces.</translation>
    </message>
    <message>
        <source>letters ADDRESSFILE (--letter DESCRIPTION | --rtf FILE.rtf)
       [--output FILE.pdf | --printer NAME] [--copies N]
       [--all | --record N | --start-record N] [--filter EXPR]
       [--where LINE=TEXT]... [--order TAG] [--quiet] [--home DIR]
  Prints one merged letter per chosen record (or record N; --all: every record not
  marked deleted), each on new pages, with a letter of RVPLTRS.DBF or an RTF file;
  --copies 1 to 999 of each.</source>
        <translation>letters ADDRESSFILE (--letter DESCRIPTION | --rtf FILE.rtf)
       [--output FILE.pdf | --printer NAME] [--copies N]
       [--all | --record N | --start-record N] [--filter EXPR]
       [--where LINE=TEXT]... [--order TAG] [--quiet] [--home DIR]
  Imprime una carta combinada por cada registro elegido (o por el registro N; --all: todos
  los registros no marcados como eliminados), cada una en páginas nuevas, con una carta de
  RVPLTRS.DBF o un archivo RTF; --copies de 1 a 999 de cada una.</translation>
    </message>
    <message>
        <source>report ADDRESSFILE --layout 1..4 --title TEXT [--memo] [--codes]
       [--output FILE.pdf | --printer NAME] [--paper Letter|A4|WxH]
       [--start-record N] [--filter EXPR] [--where LINE=TEXT]... [--quiet]
       [--home DIR]
  Prints the list report of the chosen records: 1 name, address, city, phone;
  2 name, organization, phone, fax; 3 the same by organization; 4 all fields.
  --memo and --codes add each record&apos;s memo and codes. --paper: Letter, A4 or
  WIDTHxHEIGHT in inches (else the printer&apos;s paper).</source>
        <translation>report ADDRESSFILE --layout 1..4 --title TEXT [--memo] [--codes]
       [--output FILE.pdf | --printer NAME] [--paper Letter|A4|WxH]
       [--start-record N] [--filter EXPR] [--where LINE=TEXT]... [--quiet]
       [--home DIR]
  Imprime el informe de lista de los registros elegidos: 1 nombre, dirección, ciudad, teléfono;
  2 nombre, organización, teléfono, fax; 3 lo mismo por organización; 4 todos los campos.
  --memo y --codes añaden el memo y los códigos de cada registro. --paper: Letter, A4 o
  ANCHOxALTO en pulgadas (si no, el papel de la impresora).</translation>
    </message>
    <message>
        <source>import-csv ADDRESSFILE CSVFILE --columns FIELD,FIELD,...
       [--quiet] [--home DIR]
  Appends a record for every line of a comma-delimited file; the n-th FIELD (an
  address field name such as LNAME, or MEMO, or empty to skip) takes column n.</source>
        <translation>import-csv ADDRESSFILE CSVFILE --columns FIELD,FIELD,...
       [--quiet] [--home DIR]
  Añade un registro por cada línea de un archivo delimitado por comas; el FIELD número n
  (un nombre de campo de dirección como LNAME, o MEMO, o vacío para omitirla) recibe la columna n.</translation>
    </message>
    <message>
        <source>import-dbf ADDRESSFILE SOURCE.DBF [--map SRC=FIELD,...]
       [--quiet] [--home DIR]
  Appends a record for every record of a DBF file, its fields matched by name;
  --map puts source field SRC into FIELD (SRC= leaves it out).</source>
        <translation>import-dbf ADDRESSFILE SOURCE.DBF [--map SRC=FIELD,...]
       [--quiet] [--home DIR]
  Añade un registro por cada registro de un archivo DBF, con sus campos asignados por nombre;
  --map pone el campo de origen SRC en FIELD (SRC= lo excluye).</translation>
    </message>
    <message>
        <source>import-vcard ADDRESSFILE FILE.vcf [--quiet] [--home DIR]
  Appends a record for every card of a vCard file (version 2.1, 3.0 or 4.0): the
  name, organization, title, first address, phone, fax, e-mail, categories (as
  the codes) and notes (as the memo). Cards without any of those are skipped.</source>
        <translation>import-vcard ADDRESSFILE FILE.vcf [--quiet] [--home DIR]
  Añade un registro por cada tarjeta de un archivo vCard (versión 2.1, 3.0 o 4.0): el
  nombre, la organización, el cargo, la primera dirección, el teléfono, el fax, el correo
  electrónico, las categorías (como códigos) y las notas (como memo). Se omiten las
  tarjetas que no tienen ninguno de esos datos.</translation>
    </message>
    <message>
        <source>zip-count ADDRESSFILE [--text | --output FILE.pdf | --printer NAME]
       [--paper Letter|A4|WxH] [--filter EXPR] [--where LINE=TEXT]... [--quiet]
       [--home DIR]
  Counts the ZIP codes of the chosen records: the Zip Code Count Report, or with
  --text its count lines on standard output. --paper: Letter, A4 or WIDTHxHEIGHT in
  inches (else the printer&apos;s paper).</source>
        <translation>zip-count ADDRESSFILE [--text | --output FILE.pdf | --printer NAME]
       [--paper Letter|A4|WxH] [--filter EXPR] [--where LINE=TEXT]... [--quiet]
       [--home DIR]
  Cuenta los códigos ZIP de los registros elegidos: el informe de recuento de códigos ZIP o,
  con --text, sus líneas de recuento en la salida estándar. --paper: Letter, A4 o ANCHOxALTO
  en pulgadas (si no, el papel de la impresora).</translation>
    </message>
    <message>
        <source>presort ADDRESSFILE [--output FILE] [--filter EXPR] [--where LINE=TEXT]...
       [--quiet] [--home DIR]
  Writes the presort list of the chosen records to FILE, or PRESORT.PSL in the
  data folder.</source>
        <translation>presort ADDRESSFILE [--output FILE] [--filter EXPR] [--where LINE=TEXT]...
       [--quiet] [--home DIR]
  Escribe la lista de preclasificación de los registros elegidos en FILE, o en
  PRESORT.PSL de la carpeta de datos.</translation>
    </message>
    <message>
        <source>check-state-zip ADDRESSFILE [--blanks] [--filter EXPR] [--where LINE=TEXT]...
       [--quiet] [--home DIR]
  Checks state and ZIP against RVPSZCK.DBF and writes each questionable record as
  record number, state and ZIP (tab-separated), in last and first name order.</source>
        <translation>check-state-zip ADDRESSFILE [--blanks] [--filter EXPR] [--where LINE=TEXT]...
       [--quiet] [--home DIR]
  Comprueba el estado y el ZIP con RVPSZCK.DBF y escribe cada registro dudoso como
  número de registro, estado y ZIP (separados por tabuladores), por apellido y nombre.</translation>
    </message>
    <message>
        <source>duplicates ADDRESSFILE [--by name|initial|street[:N]] [--filter EXPR]
       [--where LINE=TEXT]... [--quiet] [--home DIR]
  Writes the possible duplicates as record number and key (tab-separated), equal
  keys together, and their number of equal pairs to standard error.</source>
        <translation>duplicates ADDRESSFILE [--by name|initial|street[:N]] [--filter EXPR]
       [--where LINE=TEXT]... [--quiet] [--home DIR]
  Escribe los posibles duplicados como número de registro y clave (separados por
  tabuladores), con las claves iguales juntas, y su número de pares iguales en la
  salida de error estándar.</translation>
    </message>
    <message>
        <source>copy-out ADDRESSFILE --output FILE.csv|FILE.dbf|FILE.vcf [--filter EXPR]
       [--where LINE=TEXT]... [--order TAG] [--yes] [--quiet] [--home DIR]
  Copies the chosen records to a comma-delimited file, to a DBF file with the
  memo, or to a vCard file (one vCard 4.0 per record, UTF-8).</source>
        <translation>copy-out ADDRESSFILE --output FILE.csv|FILE.dbf|FILE.vcf [--filter EXPR]
       [--where LINE=TEXT]... [--order TAG] [--yes] [--quiet] [--home DIR]
  Copia los registros elegidos a un archivo delimitado por comas, a un archivo DBF con
  el memo o a un archivo vCard (una vCard 4.0 por registro, UTF-8).</translation>
    </message>
    <message>
        <source>uppercase ADDRESSFILE [--fields NAME,NAME...] [--filter EXPR]
       [--where LINE=TEXT]... [--quiet] [--home DIR]
  Converts the fields of the chosen records to capitals; writes the number converted.</source>
        <translation>uppercase ADDRESSFILE [--fields NAME,NAME...] [--filter EXPR]
       [--where LINE=TEXT]... [--quiet] [--home DIR]
  Convierte a mayúsculas los campos de los registros elegidos; escribe el número convertido.</translation>
    </message>
    <message>
        <source>delete ADDRESSFILE (--filter EXPR [--not-matching] | --all) [--home DIR]
  Deletes the records the filter chooses (or leaves out); --all empties the file.</source>
        <translation>delete ADDRESSFILE (--filter EXPR [--not-matching] | --all) [--home DIR]
  Elimina los registros que elige el filtro (o los que excluye); --all vacía el archivo.</translation>
    </message>
    <message>
        <source>search-replace ADDRESSFILE FIELD FIND REPLACE [--whole] [--ignore-case]
       [--filter EXPR] [--where LINE=TEXT]... --yes [--home DIR]
  Replaces FIND within FIELD of the chosen records (--whole: fields equal to FIND).</source>
        <translation>search-replace ADDRESSFILE FIELD FIND REPLACE [--whole] [--ignore-case]
       [--filter EXPR] [--where LINE=TEXT]... --yes [--home DIR]
  Reemplaza FIND dentro de FIELD en los registros elegidos (--whole: campos iguales a FIND).</translation>
    </message>
    <message>
        <source>Choosing records: every record not marked deleted, or those --filter EXPR (an xBase
expression) lets through, and those the Filter page lines of --where LINE=TEXT let
through (one line per option, named by its label or field: --where &quot;Last=SM;JO&quot;
--where &quot;State or Prov=CA&quot;; the text in the Filter page&apos;s syntax); --order TAG.</source>
        <translation>Elección de registros: todos los registros no marcados como eliminados, o los que deja pasar
--filter EXPR (una expresión xBase), y los que dejan pasar las líneas de la página Filtro de
--where LINE=TEXT (una línea por opción, indicada por su etiqueta o campo: --where &quot;Last=SM;JO&quot;
--where &quot;State or Prov=CA&quot;; el texto con la sintaxis de la página Filtro); --order TAG.</translation>
    </message>
    <message>
        <source>Printing: --printer NAME (a system printer), or --output FILE.pdf; else the printer the
program&apos;s dialog would choose (for envelopes the one remembered for the setup), and
when that is &quot;PDF file&quot;, labels.pdf, envelope.pdf, letters.pdf, zip-count.pdf or
report.pdf in the current folder. The postal barcode is the one RAVENP.INI chooses, or
--barcode&apos;s; a completed run stores the next Intelligent Mail serial number there.
Labels and envelopes on a printer with a correction (see calibrate) are moved by it.</source>
        <translation>Impresión: --printer NAME (una impresora del sistema) o --output FILE.pdf; si no, la impresora
que elegiría el cuadro de diálogo del programa (para sobres, la recordada para la configuración) y,
cuando es &quot;PDF file&quot;, labels.pdf, envelope.pdf, letters.pdf, zip-count.pdf o report.pdf
en la carpeta actual. El código de barras postal es el que elige RAVENP.INI, o el de
--barcode; una ejecución completada guarda allí el siguiente número de serie de Intelligent Mail.
Las etiquetas y los sobres en una impresora con corrección (véase calibrate) se desplazan según ella.</translation>
    </message>
    <message>
        <source>usage: ravenpost-batch COMMAND ADDRESSFILE [options]

commands:
</source>
        <translation>uso: ravenpost-batch COMMAND ADDRESSFILE [opciones]

comandos:
</translation>
    </message>
    <message>
        <source>Status: 0 done, 1 a usage or input error, 2 stopped (Ctrl+C).
Every command takes --help.
</source>
        <translation>Estado de salida: 0 terminado, 1 error de uso o de entrada, 2 detenido (Ctrl+C).
Todos los comandos admiten --help.
</translation>
    </message>
    <message>
        <source>ravenpost-batch: unknown command %1</source>
        <translation>ravenpost-batch: comando desconocido %1</translation>
    </message>
    <message>
        <source>usage: ravenpost-batch %1</source>
        <translation>uso: ravenpost-batch %1</translation>
    </message>
    <message>
        <source>edit ADDRESSFILE --record N FIELD=VALUE... [--home DIR]
  Changes fields of record N under its lock, the file open shared, so that it
  works while others have the file open: FIELD an address field name such as
  LNAME or MEMO, VALUE its new text (a date in the short date format of
  RAVENP.INI, T or F for a logical field, empty to empty it). A record another
  user is changing or a deleted record is refused.</source>
        <translation>edit ADDRESSFILE --record N FIELD=VALUE... [--home DIR]
  Cambia campos del registro N bajo su bloqueo, con el archivo abierto compartido,
  de modo que funciona mientras otros tienen el archivo abierto: FIELD es el nombre
  de un campo de dirección como LNAME o MEMO, VALUE su nuevo texto (una fecha en el
  formato de fecha corto de RAVENP.INI, T o F para un campo lógico, vacío para
  vaciarlo). Se rechaza un registro que otro usuario está cambiando o uno eliminado.</translation>
    </message>
    <message>
        <source>Every command takes --language CODE, the language of its messages (such as es
or en); by default the locale&apos;s ($LANGUAGE, $LC_ALL, $LC_MESSAGES, $LANG). A
language without a translation is English; the data written on standard
output stays English.
</source>
        <translation>Todas las órdenes admiten --language CODE, el idioma de sus mensajes (como es
o en); por omisión, el de la configuración regional ($LANGUAGE, $LC_ALL,
$LC_MESSAGES, $LANG). Un idioma sin traducción es inglés; los datos escritos
en la salida estándar siguen en inglés.
</translation>
    </message>
</context>
<context>
    <name>BatchJob</name>
    <message>
        <source>no address file given</source>
        <translation>no se ha indicado ningún archivo de direcciones</translation>
    </message>
    <message>
        <source>%1 cannot be changed: the file, its memo or index file, or its folder is read-only</source>
        <translation>%1 no se puede modificar: el archivo, su archivo memo o de índice, o su carpeta es de solo lectura</translation>
    </message>
    <message>
        <source>Unable to open %1</source>
        <translation>No se puede abrir %1</translation>
    </message>
    <message>
        <source>--order: the address file has no tag %1</source>
        <translation>--order: el archivo de direcciones no tiene el índice %1</translation>
    </message>
    <message>
        <source>--record: the address file has no record %1 (it has %2)</source>
        <translation>--record: el archivo de direcciones no tiene el registro %1 (tiene %2)</translation>
    </message>
    <message>
        <source>--record: record %1 is deleted, and is not printed</source>
        <translation>--record: el registro %1 está eliminado y no se imprime</translation>
    </message>
</context>
<context>
    <name>BatchMessages</name>
    <message>
        <source>it %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 Yes (--yes)</source>
        <translation>%1 Sí (--yes)</translation>
    </message>
    <message>
        <source>%1 No (give --yes to answer Yes)</source>
        <translation>%1 No (indique --yes para responder Sí)</translation>
    </message>
</context>
<context>
    <name>BatchProgress</name>
    <message>
        <source>%1 [%2%3] %4 % %5 of %6 records</source>
        <translation>%1 [%2%3] %4 % %5 de %6 registros</translation>
    </message>
    <message>
        <source>, %1 records/s</source>
        <translation>, %1 registros/s</translation>
    </message>
    <message>
        <source>%1: %2 % (%3 of %4 records)</source>
        <translation>%1: %2 % (%3 de %4 registros)</translation>
    </message>
</context>
<context>
    <name>CalibrateCommand</name>
    <message>
        <source>calibrate takes no address file</source>
        <translation>calibrate no admite archivo de direcciones</translation>
    </message>
    <message>
        <source>--printer NAME is needed</source>
        <translation>se necesita --printer NAME</translation>
    </message>
    <message>
        <source>--printer: &quot;%1&quot; prints exactly what is drawn and is never corrected</source>
        <translation>--printer: &quot;%1&quot; imprime exactamente lo que se dibuja y nunca se corrige</translation>
    </message>
    <message>
        <source>give either --shift X,Y or --clear</source>
        <translation>indique --shift X,Y o --clear</translation>
    </message>
    <message>
        <source>--shift must be X,Y in inches (right and down), not &quot;%1&quot;</source>
        <translation>--shift debe ser X,Y en pulgadas (derecha y abajo), no &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Measure how far the marks landed to the right of and below</source>
        <translation>Mida cuánto quedaron las marcas a la derecha y por debajo</translation>
    </message>
    <message>
        <source>where they should be (negative for left and above), and</source>
        <translation>de donde debían (negativo para izquierda y arriba), e</translation>
    </message>
    <message>
        <source>enter the two figures in Utilities &gt; Calibrate Printer.</source>
        <translation>introduzca las dos cifras en Utilidades &gt; Calibrar impresora.</translation>
    </message>
</context>
<context>
    <name>CalibrationPageCommand</name>
    <message>
        <source>calibration-page takes no address file</source>
        <translation>calibration-page no admite archivo de direcciones</translation>
    </message>
    <message>
        <source>the calibration page could not be started on %1</source>
        <translation>no se pudo iniciar la página de calibración en %1</translation>
    </message>
</context>
<context>
    <name>CalibrationPositions</name>
    <message>
        <source>%1, %2 mm</source>
        <translation>%1, %2 mm</translation>
    </message>
    <message>
        <source>%1, %2 in</source>
        <translation>%1, %2 pulg.</translation>
    </message>
    <message>
        <source>Top left</source>
        <translation>Superior izquierda</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Superior derecha</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Inferior izquierda</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Inferior derecha</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
</context>
<context>
    <name>CheckStateZipCommand</name>
    <message>
        <source>cannot make a work folder: %1</source>
        <translation>no se puede crear una carpeta de trabajo: %1</translation>
    </message>
    <message>
        <source>Unable to open %1</source>
        <translation>No se puede abrir %1</translation>
    </message>
</context>
<context>
    <name>CodePageDecoder</name>
    <message>
        <source>The character set %1 cannot be read: %2</source>
        <translation>No se puede leer el juego de caracteres %1: %2</translation>
    </message>
</context>
<context>
    <name>CommandPlan</name>
    <message>
        <source>You need to have a Ravenpost file open first</source>
        <translation>Primero debe tener abierto un archivo de Ravenpost</translation>
    </message>
    <message>
        <source>Import from &amp;DBF File</source>
        <translation>Importar de archivo &amp;DBF</translation>
    </message>
    <message>
        <source>Import from &amp;ASCII File</source>
        <translation>Importar de archivo ASC&amp;II</translation>
    </message>
    <message>
        <source>Import from &amp;vCard File</source>
        <translation>Importar de archivo &amp;vCard</translation>
    </message>
    <message>
        <source>Count &amp;Zip Codes</source>
        <translation>Contar códigos &amp;ZIP</translation>
    </message>
    <message>
        <source>Check &amp;&amp; Repair &amp;State and Zip Codes</source>
        <translation>Comprobar &amp;&amp; reparar &amp;estado y código ZIP</translation>
    </message>
    <message>
        <source>Check &amp;&amp; Repair &amp;Duplicates</source>
        <translation>Comprobar &amp;&amp; reparar &amp;duplicados</translation>
    </message>
    <message>
        <source>Convert to &amp;Uppercase</source>
        <translation>Convertir a &amp;mayúsculas</translation>
    </message>
    <message>
        <source>Delete &amp;Records</source>
        <translation>Eliminar &amp;registros</translation>
    </message>
    <message>
        <source>Copy Records &amp;Out</source>
        <translation>C&amp;opiar registros a archivo</translation>
    </message>
    <message>
        <source>&amp;Search &amp;&amp; Replace Field Values</source>
        <translation>&amp;Buscar &amp;&amp; reemplazar valores de campo</translation>
    </message>
    <message>
        <source>Calibrate &amp;Printer…</source>
        <translation>Calibrar &amp;impresora…</translation>
    </message>
    <message>
        <source>&amp;Labels</source>
        <translation>E&amp;tiquetas</translation>
    </message>
    <message>
        <source>En&amp;velopes</source>
        <translation>&amp;Sobres</translation>
    </message>
    <message>
        <source>Le&amp;tters</source>
        <translation>&amp;Cartas</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Informes</translation>
    </message>
    <message>
        <source>No active records for current filter. Nothing to copy</source>
        <translation>No hay registros activos en el filtro actual. No hay nada que copiar</translation>
    </message>
    <message>
        <source>There are no installed printers.<byte value="xd"/>
Printing labels is not feasible</source>
        <translation>No hay impresoras instaladas.<byte value="xd"/>
No es posible imprimir etiquetas</translation>
    </message>
    <message>
        <source>Unable to Open RVPLSU.DBF (label setup file)</source>
        <translation>No se puede abrir RVPLSU.DBF (archivo de configuración de etiquetas)</translation>
    </message>
    <message>
        <source>There are no installed printers.<byte value="xd"/>
Printing envelopes is not feasible</source>
        <translation>No hay impresoras instaladas.<byte value="xd"/>
No es posible imprimir sobres</translation>
    </message>
    <message>
        <source>Unable to Open RVPESU.DBF (envelope setup file)</source>
        <translation>No se puede abrir RVPESU.DBF (archivo de configuración de sobres)</translation>
    </message>
    <message>
        <source>There are no installed printers.<byte value="xd"/>
Printing letters is not feasible</source>
        <translation>No hay impresoras instaladas.<byte value="xd"/>
No es posible imprimir cartas</translation>
    </message>
    <message>
        <source>Unable to Open or Create RVPLTRS.DBF</source>
        <translation>No se puede abrir ni crear RVPLTRS.DBF</translation>
    </message>
    <message>
        <source>There are no installed printers.<byte value="xd"/>
Printing reports is not feasible</source>
        <translation>No hay impresoras instaladas.<byte value="xd"/>
No es posible imprimir informes</translation>
    </message>
    <message>
        <source>There are no installed printers.<byte value="xd"/>
Printing calibration pages is not feasible</source>
        <translation>No hay impresoras instaladas.<byte value="xd"/>
No es posible imprimir páginas de calibración</translation>
    </message>
</context>
<context>
    <name>CommandStates</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Searc&amp;h</source>
        <translation>&amp;Buscar</translation>
    </message>
</context>
<context>
    <name>CopyOut</name>
    <message>
        <source>Cannot copy a file to itself!</source>
        <translation>¡No se puede copiar un archivo sobre sí mismo!</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>Must have a .DBF extension</source>
        <translation>Debe tener la extensión .DBF</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>¡Advertencia!</translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>
Do you want to overwrite it?</source>
        <translation>%1 ya existe.<byte value="xd"/>
¿Desea sobrescribirlo?</translation>
    </message>
</context>
<context>
    <name>CopyOutCommand</name>
    <message>
        <source>give --output FILE.csv, FILE.dbf or FILE.vcf</source>
        <translation>indique --output FILE.csv, FILE.dbf o FILE.vcf</translation>
    </message>
    <message>
        <source>--output: cannot copy to %1</source>
        <translation>--output: no se puede copiar a %1</translation>
    </message>
    <message>
        <source>There was an error copying</source>
        <translation>Se produjo un error al copiar</translation>
    </message>
</context>
<context>
    <name>CreateCommand</name>
    <message>
        <source>create takes one address file</source>
        <translation>create admite un solo archivo de direcciones</translation>
    </message>
    <message>
        <source>%1 must have a .DBF extension</source>
        <translation>%1 debe tener la extensión .DBF</translation>
    </message>
    <message>
        <source>%1 already exists and is not replaced</source>
        <translation>%1 ya existe y no se reemplaza</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>The option --home needs the name of a folder.</source>
        <translation>La opción --home necesita el nombre de una carpeta.</translation>
    </message>
    <message>
        <source>There is no folder for your own program data.</source>
        <translation>No hay ninguna carpeta para sus propios datos de programa.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>DbfImport</name>
    <message>
        <source>Unable to open the file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>There are no records in %1</source>
        <translation>No hay registros en %1</translation>
    </message>
    <message>
        <source>Importing records</source>
        <translation>Importando registros</translation>
    </message>
    <message numerus="yes">
        <source>Import cancelled after importing %n records.</source>
        <translation>
            <numerusform>Importación cancelada después de importar %n registro.</numerusform>
            <numerusform>Importación cancelada después de importar %n registros.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unknown error while importing.</source>
        <translation>Error desconocido durante la importación.</translation>
    </message>
    <message numerus="yes">
        <source>Import complete. Imported %n records.</source>
        <translation>
            <numerusform>Importación terminada. Se importó %n registro.</numerusform>
            <numerusform>Importación terminada. Se importaron %n registros.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DeleteCommand</name>
    <message>
        <source>give either --filter EXPR or --all</source>
        <translation>indique --filter EXPR o --all</translation>
    </message>
    <message>
        <source>--not-matching needs --filter EXPR</source>
        <translation>--not-matching necesita --filter EXPR</translation>
    </message>
</context>
<context>
    <name>DuplicateCheckDialog</name>
    <message>
        <source>Last</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Mi.</source>
        <translation>2.º n.</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Trat.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organización</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>State/Prov</source>
        <translation>Estado/Prov.</translation>
    </message>
    <message>
        <source>Zip/Postal</source>
        <translation>ZIP/Postal</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Codes</source>
        <translation>Códigos</translation>
    </message>
</context>
<context>
    <name>DuplicatesCommand</name>
    <message>
        <source>--by street:N takes N from 1 to 30, not %1</source>
        <translation>--by street:N admite N de 1 a 30, no %1</translation>
    </message>
    <message>
        <source>--by takes name, initial or street[:N], not %1</source>
        <translation>--by admite name, initial o street[:N], no %1</translation>
    </message>
    <message>
        <source>cannot make a work folder: %1</source>
        <translation>no se puede crear una carpeta de trabajo: %1</translation>
    </message>
</context>
<context>
    <name>EditCommand</name>
    <message>
        <source>Record %1 is deleted.</source>
        <translation>El registro %1 está eliminado.</translation>
    </message>
    <message>
        <source>give --record N</source>
        <translation>indique --record N</translation>
    </message>
    <message>
        <source>give at least one FIELD=VALUE</source>
        <translation>indique al menos un FIELD=VALUE</translation>
    </message>
    <message>
        <source>the address file has no record %1 (it has %2)</source>
        <translation>el archivo de direcciones no tiene el registro %1 (tiene %2)</translation>
    </message>
    <message>
        <source>Record %1 is being changed by another user.</source>
        <translation>Otro usuario está cambiando el registro %1.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a date in the form %3</source>
        <translation>%1: &quot;%2&quot; no es una fecha con la forma %3</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not T, F, Y or N</source>
        <translation>%1: &quot;%2&quot; no es T, F, Y ni N</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number</source>
        <translation>%1: &quot;%2&quot; no es un número</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is longer than the field&apos;s %3 characters</source>
        <translation>%1: &quot;%2&quot; supera los %3 caracteres del campo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not FIELD=VALUE</source>
        <translation>&quot;%1&quot; no tiene la forma FIELD=VALUE</translation>
    </message>
    <message>
        <source>the address file has no field %1</source>
        <translation>el archivo de direcciones no tiene el campo %1</translation>
    </message>
</context>
<context>
    <name>EnvelopeDesignModel</name>
    <message>
        <source>Please enter a description for this Envelope Setup record</source>
        <translation>Escriba una descripción para esta configuración de sobre</translation>
    </message>
</context>
<context>
    <name>EnvelopeLayouts</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>WIDTH</source>
        <translation>ANCHO</translation>
    </message>
    <message>
        <source>HEIGHT</source>
        <translation>ALTO</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Sobre</translation>
    </message>
</context>
<context>
    <name>EnvelopePrinting</name>
    <message>
        <source>Preview Envelope</source>
        <translation>Vista previa del sobre</translation>
    </message>
</context>
<context>
    <name>EnvelopeRun</name>
    <message>
        <source>The envelope setup &quot;%1&quot; places the delivery address off the envelope. Open it in the Envelope Designer and move the address onto the envelope.</source>
        <translation>La configuración de sobre &quot;%1&quot; coloca la dirección de entrega fuera del sobre. Ábrala en el Diseñador de sobres y mueva la dirección dentro del sobre.</translation>
    </message>
    <message>
        <source><byte value="xd"/>Envelope Print Canceled!</source>
        <translation><byte value="xd"/>¡Impresión de sobres cancelada!</translation>
    </message>
    <message>
        <source><byte value="xd"/>Envelope Preview Canceled!</source>
        <translation><byte value="xd"/>¡Vista previa de sobres cancelada!</translation>
    </message>
    <message>
        <source><byte value="xd"/>Preview Stopped!</source>
        <translation><byte value="xd"/>¡Vista previa detenida!</translation>
    </message>
    <message>
        <source><byte value="xd"/>Envelope Print Completed!</source>
        <translation><byte value="xd"/>¡Impresión de sobres completada!</translation>
    </message>
    <message>
        <source><byte value="xd"/>Envelope Preview Ready!</source>
        <translation><byte value="xd"/>¡Vista previa de sobres lista!</translation>
    </message>
</context>
<context>
    <name>EnvelopeSetup</name>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
</context>
<context>
    <name>EnvelopeSetupList</name>
    <message>
        <source>Delete this record?</source>
        <translation>¿Eliminar este registro?</translation>
    </message>
    <message>
        <source>Unable to Open RVPESU.DBF (envelope setup file)</source>
        <translation>No se puede abrir RVPESU.DBF (archivo de configuración de sobres)</translation>
    </message>
</context>
<context>
    <name>EnvelopeSizeForm</name>
    <message>
        <source>Envelope Height must be at least 2 inches (50mm)</source>
        <translation>El alto del sobre debe ser de al menos 2 pulgadas (50 mm)</translation>
    </message>
    <message>
        <source>Envelope Width must be at least 2 inches (50mm)</source>
        <translation>El ancho del sobre debe ser de al menos 2 pulgadas (50 mm)</translation>
    </message>
    <message>
        <source>A Unique Name is required</source>
        <translation>Se necesita un nombre único</translation>
    </message>
    <message>
        <source>A Description is required</source>
        <translation>Se necesita una descripción</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
</context>
<context>
    <name>EnvelopeSizes</name>
    <message>
        <source>You may only edit User Defined envelopes</source>
        <translation>Solo puede editar sobres definidos por el usuario</translation>
    </message>
    <message>
        <source>You may only delete User Defined envelopes</source>
        <translation>Solo puede eliminar sobres definidos por el usuario</translation>
    </message>
    <message>
        <source>Delete this envelope?</source>
        <translation>¿Eliminar este sobre?</translation>
    </message>
    <message>
        <source>We were unable to open the envelope definition file: RVPENVS.DBF</source>
        <translation>No se pudo abrir el archivo de definición de sobres: RVPENVS.DBF</translation>
    </message>
</context>
<context>
    <name>EnvelopesCommand</name>
    <message>
        <source>--setup DESCRIPTION is needed</source>
        <translation>se necesita --setup DESCRIPTION</translation>
    </message>
    <message>
        <source>--record prints that one record: leave out --filter</source>
        <translation>--record imprime ese único registro: omita --filter</translation>
    </message>
    <message>
        <source>no record is chosen: there is no envelope to print</source>
        <translation>no se ha elegido ningún registro: no hay ningún sobre que imprimir</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Se produjo un error desconocido.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>FieldText</name>
    <message>
        <source>The character &quot;%1&quot; cannot be stored in a Ravenpost file.</source>
        <translation>El carácter &quot;%1&quot; no se puede guardar en un archivo de Ravenpost.</translation>
    </message>
</context>
<context>
    <name>FilterBuilder</name>
    <message>
        <source>The %1 line cannot be used in a filter: %2<byte value="xd"/>
The previous filter stays in force.</source>
        <translation>La línea %1 no se puede usar en un filtro: %2<byte value="xd"/>
Se mantiene el filtro anterior.</translation>
    </message>
</context>
<context>
    <name>FilterLines</name>
    <message>
        <source>Last</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Org</source>
        <translation>Org.</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>Zip or Postal</source>
        <translation>ZIP o postal</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>State or Prov</source>
        <translation>Estado o prov.</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electr.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Codes</source>
        <translation>Códigos</translation>
    </message>
    <message>
        <source>Sorry - filter is too complex.Please simplify it.</source>
        <translation>Lo sentimos: el filtro es demasiado complejo. Simplifíquelo.</translation>
    </message>
    <message>
        <source>Invalid date. Must be in the format:%1</source>
        <translation>Fecha no válida. Debe tener el formato:%1</translation>
    </message>
    <message>
        <source>Double quotes cannot be used.</source>
        <translation>No se pueden usar comillas dobles.</translation>
    </message>
</context>
<context>
    <name>ImportCsvCommand</name>
    <message>
        <source>%1 line %2: not a line of text</source>
        <translation>%1 línea %2: no es una línea de texto</translation>
    </message>
    <message>
        <source>%1 line %2: a double quote is not closed</source>
        <translation>%1 línea %2: unas comillas dobles no están cerradas</translation>
    </message>
    <message>
        <source>--delimiter: %1 is not comma, semicolon or tab</source>
        <translation>--delimiter: %1 no es coma, punto y coma ni tabulación</translation>
    </message>
    <message>
        <source>%1: columns skipped: %2</source>
        <translation>%1: columnas omitidas: %2</translation>
    </message>
    <message>
        <source>%1: no column name is the name of an address field</source>
        <translation>%1: ningún nombre de columna es el nombre de un campo de dirección</translation>
    </message>
    <message>
        <source>--columns: %1 names given, but %2 has %3 columns</source>
        <translation>--columns: se indicaron %1 nombres, pero %2 tiene %3 columnas</translation>
    </message>
    <message>
        <source>--columns: there is no address field %1</source>
        <translation>--columns: no existe el campo de dirección %1</translation>
    </message>
    <message>
        <source>--columns: %1 is given twice</source>
        <translation>--columns: %1 se indica dos veces</translation>
    </message>
    <message>
        <source>--columns: no column goes into an address field</source>
        <translation>--columns: ninguna columna va a un campo de dirección</translation>
    </message>
    <message>
        <source>no CSV file given</source>
        <translation>no se ha indicado ningún archivo CSV</translation>
    </message>
    <message>
        <source>--columns FIELD,FIELD,... or --header is needed</source>
        <translation>se necesita --columns FIELD,FIELD,... o --header</translation>
    </message>
    <message>
        <source>File %1 not found</source>
        <translation>No se encuentra el archivo %1</translation>
    </message>
    <message>
        <source>%1: Unable to import from this file</source>
        <translation>%1: No se puede importar desde este archivo</translation>
    </message>
</context>
<context>
    <name>ImportDbfCommand</name>
    <message>
        <source>--map: %1 has no field %2</source>
        <translation>--map: %1 no tiene el campo %2</translation>
    </message>
    <message>
        <source>--map: %1 is not SRC=FIELD</source>
        <translation>--map: %1 no es SRC=FIELD</translation>
    </message>
    <message>
        <source>--map: there is no address field %1</source>
        <translation>--map: no existe el campo de dirección %1</translation>
    </message>
    <message>
        <source>--map: the field %1 cannot go into %2 (its type)</source>
        <translation>--map: el campo %1 no puede ir a %2 (por su tipo)</translation>
    </message>
    <message>
        <source>no DBF file given</source>
        <translation>no se ha indicado ningún archivo DBF</translation>
    </message>
    <message>
        <source>%1: Unable to import from this file</source>
        <translation>%1: No se puede importar desde este archivo</translation>
    </message>
    <message>
        <source>no field of %1 goes into an address field (give --map)</source>
        <translation>ningún campo de %1 va a un campo de dirección (indique --map)</translation>
    </message>
</context>
<context>
    <name>ImportTags</name>
    <message>
        <source>Unable to create index files</source>
        <translation>No se pueden crear los archivos de índice</translation>
    </message>
    <message>
        <source>Error rebuilding indexes</source>
        <translation>Error al reconstruir los índices</translation>
    </message>
</context>
<context>
    <name>ImportVcardCommand</name>
    <message>
        <source>no vCard file given</source>
        <translation>no se ha indicado ningún archivo vCard</translation>
    </message>
    <message>
        <source>File %1 not found</source>
        <translation>No se encuentra el archivo %1</translation>
    </message>
</context>
<context>
    <name>IndexRecoveryGauge</name>
    <message>
        <source>Rebuilding Indexes</source>
        <translation>Reconstruyendo índices</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
</context>
<context>
    <name>IntelligentMail</name>
    <message>
        <source>Intelligent Mail barcode: %1</source>
        <translation>Código de barras Intelligent Mail: %1</translation>
    </message>
    <message>
        <source>The barcode identifier must be 2 digits, the second of them 0 to 4.</source>
        <translation>El identificador de código de barras debe tener 2 dígitos, y el segundo debe ser de 0 a 4.</translation>
    </message>
    <message>
        <source>The service type must be 3 digits.</source>
        <translation>El tipo de servicio debe tener 3 dígitos.</translation>
    </message>
    <message>
        <source>The mailer ID must be 6 or 9 digits.</source>
        <translation>El ID de remitente debe tener 6 o 9 dígitos.</translation>
    </message>
    <message>
        <source>A mailer ID of 6 digits begins with 0 to 8, one of 9 digits begins with 9.</source>
        <translation>Un ID de remitente de 6 dígitos empieza por 0 a 8; uno de 9 dígitos empieza por 9.</translation>
    </message>
    <message>
        <source>With a mailer ID of %1 digits the serial number is 1 to %2 digits.</source>
        <translation>Con un ID de remitente de %1 dígitos, el número de serie tiene de 1 a %2 dígitos.</translation>
    </message>
    <message>
        <source>The ZIP code may hold only digits, blanks and hyphens.</source>
        <translation>El código ZIP solo puede contener dígitos, espacios y guiones.</translation>
    </message>
    <message>
        <source>The ZIP code must have 5, 9 or 11 digits, or none.</source>
        <translation>El código ZIP debe tener 5, 9 u 11 dígitos, o ninguno.</translation>
    </message>
    <message>
        <source>The routing code must be digits only.</source>
        <translation>El código de enrutamiento solo puede contener dígitos.</translation>
    </message>
    <message>
        <source>Out of memory for the barcode</source>
        <translation>Memoria insuficiente para el código de barras</translation>
    </message>
    <message>
        <source>unexpected symbol from libzint</source>
        <translation>símbolo inesperado de libzint</translation>
    </message>
</context>
<context>
    <name>LabelDefinition</name>
    <message>
        <source>Label Height must be at least .3 inches (or 7mm)</source>
        <translation>El alto de la etiqueta debe ser de al menos 0,3 pulgadas (o 7 mm)</translation>
    </message>
    <message>
        <source>Label Width must be at least .5 inch (or 13mm)</source>
        <translation>El ancho de la etiqueta debe ser de al menos 0,5 pulgadas (o 13 mm)</translation>
    </message>
    <message>
        <source>Horizontal Pitch must be at least = Label Width</source>
        <translation>El paso horizontal debe ser al menos igual al ancho de la etiqueta</translation>
    </message>
    <message>
        <source>Vertical Pitch must be at least = Label Height</source>
        <translation>El paso vertical debe ser al menos igual al alto de la etiqueta</translation>
    </message>
    <message>
        <source>Page Width must be at least .3 inch</source>
        <translation>El ancho de la página debe ser de al menos 0,3 pulgadas</translation>
    </message>
    <message>
        <source>Page Height must be at least .3 inches</source>
        <translation>El alto de la página debe ser de al menos 0,3 pulgadas</translation>
    </message>
    <message>
        <source>You must provide a description</source>
        <translation>Debe escribir una descripción</translation>
    </message>
</context>
<context>
    <name>LabelDesignerModel</name>
    <message>
        <source>%1,%2 pt.</source>
        <translation>%1,%2 pt</translation>
    </message>
    <message>
        <source>%1,%2 pt., Italic</source>
        <translation>%1,%2 pt, cursiva</translation>
    </message>
    <message>
        <source>%1,%2 pt., Bold</source>
        <translation>%1,%2 pt, negrita</translation>
    </message>
    <message>
        <source>%1,%2 pt., Bold, Italic</source>
        <translation>%1,%2 pt, negrita, cursiva</translation>
    </message>
</context>
<context>
    <name>LabelDesignerPreview</name>
    <message>
        <source>Postal barcode</source>
        <translation>Código de barras postal</translation>
    </message>
</context>
<context>
    <name>LabelPrintJob</name>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Labels will print/preview in the following order:<byte value="xd"/>
  1. 5-Digit presort<byte value="xd"/>
  2. 3-Digit presort<byte value="xd"/>
  3. ADC presort</source>
        <translation>Las etiquetas se imprimirán o mostrarán en vista previa en el orden siguiente:<byte value="xd"/>
  1. Preclasificación de 5 dígitos<byte value="xd"/>
  2. Preclasificación de 3 dígitos<byte value="xd"/>
  3. Preclasificación ADC</translation>
    </message>
    <message>
        <source>Preview Labels</source>
        <translation>Vista previa de etiquetas</translation>
    </message>
</context>
<context>
    <name>LabelPrintRun</name>
    <message>
        <source>The %1 Family</source>
        <translation>Familia %1</translation>
    </message>
</context>
<context>
    <name>LabelProductsCommand</name>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message numerus="yes">
        <source>Products of the files left out: %n (their labels are not rectangles in one grid that a label definition can hold).</source>
        <translation>
            <numerusform>Productos de los archivos excluidos: %n (sus etiquetas no son rectángulos en una única cuadrícula que pueda contener una definición de etiqueta).</numerusform>
            <numerusform>Productos de los archivos excluidos: %n (sus etiquetas no son rectángulos en una única cuadrícula que pueda contener una definición de etiqueta).</numerusform>
        </translation>
    </message>
    <message>
        <source>give the product as one argument: &quot;BRAND PRODUCT&quot;</source>
        <translation>indique el producto como un solo argumento: &quot;BRAND PRODUCT&quot;</translation>
    </message>
    <message>
        <source>no label product &quot;%1&quot; in the label template files (label-products lists them)</source>
        <translation>no existe el producto de etiquetas &quot;%1&quot; en los archivos de plantilla de etiquetas (label-products los muestra)</translation>
    </message>
    <message>
        <source>%1 was not added</source>
        <translation>%1 no se ha añadido</translation>
    </message>
    <message>
        <source>%1 is already in %2 as &quot;%3&quot;</source>
        <translation>%1 ya está en %2 como &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1 added to %2 as &quot;%3&quot;</source>
        <translation>%1 se ha añadido a %2 como &quot;%3&quot;</translation>
    </message>
</context>
<context>
    <name>LabelSetupList</name>
    <message>
        <source>Delete this record?</source>
        <translation>¿Eliminar este registro?</translation>
    </message>
</context>
<context>
    <name>LabelSheet</name>
    <message>
        <source>Ravenpost was unable to confirm that the paper size was set to<byte value="xd"/>
<byte value="xd"/>
%1&quot; by %2&quot;<byte value="xd"/>
<byte value="xd"/>
(you may have the wrong printer selected)<byte value="xd"/>
<byte value="xd"/>
Would you like to try printing anyways?</source>
        <translation>Ravenpost no pudo confirmar que el tamaño del papel estuviera configurado en<byte value="xd"/>
<byte value="xd"/>
%1&quot; por %2&quot;<byte value="xd"/>
<byte value="xd"/>
(es posible que haya seleccionado una impresora equivocada)<byte value="xd"/>
<byte value="xd"/>
¿Desea intentar imprimir de todos modos?</translation>
    </message>
</context>
<context>
    <name>LabelTemplateFile</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, línea %2: %3</translation>
    </message>
</context>
<context>
    <name>LabelsCommand</name>
    <message>
        <source>--setup DESCRIPTION is needed</source>
        <translation>se necesita --setup DESCRIPTION</translation>
    </message>
    <message>
        <source>--start-label: the setup&apos;s sheet has %1 labels, not %2</source>
        <translation>--start-label: la hoja de la configuración tiene %1 etiquetas, no %2</translation>
    </message>
</context>
<context>
    <name>LetterPrintRun</name>
    <message>
        <source>The letter&apos;s margins leave no room for text on the page.</source>
        <translation>Los márgenes de la carta no dejan espacio para texto en la página.</translation>
    </message>
    <message>
        <source>The printer could not start the job.</source>
        <translation>La impresora no pudo iniciar el trabajo.</translation>
    </message>
</context>
<context>
    <name>LettersCommand</name>
    <message>
        <source>--letter: the letter &quot;%1&quot; cannot be read whole: %2</source>
        <translation>--letter: la carta &quot;%1&quot; no se puede leer completa: %2</translation>
    </message>
    <message>
        <source>--rtf: cannot read %1: %2</source>
        <translation>--rtf: no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>--rtf: %1: %2</source>
        <translation>--rtf: %1: %2</translation>
    </message>
    <message>
        <source>--all and --record choose different records: give one</source>
        <translation>--all y --record eligen registros distintos: indique solo uno</translation>
    </message>
    <message>
        <source>--all prints every record: leave out --%1</source>
        <translation>--all imprime todos los registros: omita --%1</translation>
    </message>
    <message>
        <source>--record prints that one record: leave out --%1</source>
        <translation>--record imprime ese único registro: omita --%1</translation>
    </message>
    <message>
        <source>--letter DESCRIPTION or --rtf FILE.rtf is needed (one)</source>
        <translation>Se necesita --letter DESCRIPTION o --rtf FILE.rtf (uno de los dos)</translation>
    </message>
    <message>
        <source>--copies must be a whole number of at most %1, not &quot;%2&quot;</source>
        <translation>--copies debe ser un número entero no mayor que %1, no &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no record is chosen: there is no letter to print</source>
        <translation>no se ha elegido ningún registro: no hay ninguna carta que imprimir</translation>
    </message>
</context>
<context>
    <name>ListReport</name>
    <message>
        <source>1. Name,Address,City,State,Zip,Phone</source>
        <translation>1. Nombre,Dirección,Ciudad,Estado,ZIP,Teléfono</translation>
    </message>
    <message>
        <source>2. Name,Organization,Phone,Fax</source>
        <translation>2. Nombre,Organización,Teléfono,Fax</translation>
    </message>
    <message>
        <source>3. Organization,Name,Phone,Fax </source>
        <translation>3. Organización,Nombre,Teléfono,Fax </translation>
    </message>
    <message>
        <source>4. All fields (takes several lines)</source>
        <translation>4. Todos los campos (ocupa varias líneas)</translation>
    </message>
    <message>
        <source>Preview Report</source>
        <translation>Vista previa del informe</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>City/St/Zip</source>
        <translation>Ciudad/Est./ZIP</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organización</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Title and Organization</source>
        <translation>Cargo y organización</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>City/State/Zip</source>
        <translation>Ciudad/Estado/ZIP</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Phone,Fax</source>
        <translation>Teléfono,Fax</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>Codes: %1</source>
        <translation>Códigos: %1</translation>
    </message>
    <message>
        <source>Ph: %1  </source>
        <translation>Tel.: %1  </translation>
    </message>
    <message>
        <source>Fax: %1  </source>
        <translation>Fax: %1  </translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
</context>
<context>
    <name>ModemLine</name>
    <message>
        <source>Not a device</source>
        <translation>No es un dispositivo</translation>
    </message>
</context>
<context>
    <name>OutputPrinter</name>
    <message>
        <source>--printer: there is no printer %1; the printers are %2</source>
        <translation>--printer: no existe la impresora %1; las impresoras son %2</translation>
    </message>
    <message>
        <source>ravenpost-batch: printing to %1</source>
        <translation>ravenpost-batch: imprimiendo en %1</translation>
    </message>
</context>
<context>
    <name>PageLimits</name>
    <message>
        <source>%1: a page can be at most 200 inches (508 cm) a side.</source>
        <translation>%1: una página puede medir como máximo 200 pulgadas (508 cm) por lado.</translation>
    </message>
</context>
<context>
    <name>PageStore</name>
    <message>
        <source>A recorded page is damaged</source>
        <translation>Una página grabada está dañada</translation>
    </message>
    <message>
        <source>Cannot create a file for the recorded pages in %1: %2</source>
        <translation>No se puede crear un archivo para las páginas grabadas en %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the recorded pages to %1: %2</source>
        <translation>No se pueden escribir las páginas grabadas en %1: %2</translation>
    </message>
    <message>
        <source>Cannot read the recorded pages from %1: %2</source>
        <translation>No se pueden leer las páginas grabadas de %1: %2</translation>
    </message>
    <message>
        <source>Too many fonts on the recorded pages</source>
        <translation>Demasiadas fuentes en las páginas grabadas</translation>
    </message>
    <message>
        <source>Too many colours on the recorded pages</source>
        <translation>Demasiados colores en las páginas grabadas</translation>
    </message>
</context>
<context>
    <name>PageUnits</name>
    <message>
        <source>Width must be greater than 0</source>
        <translation>El ancho debe ser mayor que 0</translation>
    </message>
    <message>
        <source>Height must be greater than 0</source>
        <translation>El alto debe ser mayor que 0</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Top must not be negative</source>
        <translation>El margen superior no puede ser negativo</translation>
    </message>
    <message>
        <source>Bottom must not be negative</source>
        <translation>El margen inferior no puede ser negativo</translation>
    </message>
    <message>
        <source>Left must not be negative</source>
        <translation>El margen izquierdo no puede ser negativo</translation>
    </message>
    <message>
        <source>Right must not be negative</source>
        <translation>El margen derecho no puede ser negativo</translation>
    </message>
    <message>
        <source>Left and Right leave no room for text on the page</source>
        <translation>Los márgenes izquierdo y derecho no dejan espacio para texto en la página</translation>
    </message>
    <message>
        <source>Top and Bottom leave no room for text on the page</source>
        <translation>Los márgenes superior e inferior no dejan espacio para texto en la página</translation>
    </message>
</context>
<context>
    <name>PaperOption</name>
    <message>
        <source>--paper must be Letter, A4 or WIDTHxHEIGHT in inches, not &quot;%1&quot;</source>
        <translation>--paper debe ser Letter, A4 o WIDTHxHEIGHT en pulgadas, no &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>PaperSize</name>
    <message>
        <source>Letter (8.5 x 11&quot;)</source>
        <translation>Carta (8.5 x 11&quot;)</translation>
    </message>
    <message>
        <source>Letter Landscape (11 x 8.5&quot;)</source>
        <translation>Carta horizontal (11 x 8.5&quot;)</translation>
    </message>
    <message>
        <source>A4 (210 x 297mm)</source>
        <translation>A4 (210 x 297mm)</translation>
    </message>
    <message>
        <source>A4 Landscape ( 297 x 210mm)</source>
        <translation>A4 horizontal ( 297 x 210mm)</translation>
    </message>
    <message>
        <source>A5 (148 x 210mm)</source>
        <translation>A5 (148 x 210mm)</translation>
    </message>
    <message>
        <source>Other Portrait (User Defined)</source>
        <translation>Otro vertical (definido por el usuario)</translation>
    </message>
    <message>
        <source>Other Landscape (User Defined)</source>
        <translation>Otro horizontal (definido por el usuario)</translation>
    </message>
</context>
<context>
    <name>PhoneCall</name>
    <message>
        <source>The number to dial cannot contain control characters.</source>
        <translation>El número que se va a marcar no puede contener caracteres de control.</translation>
    </message>
    <message>
        <source>Unable to open %1</source>
        <translation>No se puede abrir %1</translation>
    </message>
    <message>
        <source>Unable to dial number</source>
        <translation>No se puede marcar el número</translation>
    </message>
    <message>
        <source>Pick up phone</source>
        <translation>Descuelgue el teléfono</translation>
    </message>
</context>
<context>
    <name>Presort</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>PresortCommand</name>
    <message>
        <source>--output needs a file name</source>
        <translation>--output necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--output: there is no folder %1</source>
        <translation>--output: no existe la carpeta %1</translation>
    </message>
    <message>
        <source>--output: cannot write in %1: %2</source>
        <translation>--output: no se puede escribir en %1: %2</translation>
    </message>
    <message>
        <source>--output: cannot write %1: %2</source>
        <translation>--output: no se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>PrintStatusTexts</name>
    <message>
        <source>Cancel %1 Printing?</source>
        <translation>¿Cancelar la impresión de %1?</translation>
    </message>
    <message>
        <source><byte value="xd"/>%1 Print Canceled!</source>
        <translation><byte value="xd"/>%1: ¡impresión cancelada!</translation>
    </message>
    <message>
        <source><byte value="xd"/>%1 Preview Canceled!</source>
        <translation><byte value="xd"/>%1: ¡vista previa cancelada!</translation>
    </message>
    <message>
        <source><byte value="xd"/>%1 Print Completed!</source>
        <translation><byte value="xd"/>%1: ¡impresión terminada!</translation>
    </message>
    <message>
        <source><byte value="xd"/>%1 Preview Ready!</source>
        <translation><byte value="xd"/>%1: ¡vista previa lista!</translation>
    </message>
    <message>
        <source>Cancel Printing?</source>
        <translation>¿Cancelar la impresión?</translation>
    </message>
    <message>
        <source><byte value="xd"/>Print Canceled!</source>
        <translation><byte value="xd"/>¡Impresión cancelada!</translation>
    </message>
    <message>
        <source><byte value="xd"/>Preview Canceled!</source>
        <translation><byte value="xd"/>¡Vista previa cancelada!</translation>
    </message>
    <message>
        <source><byte value="xd"/>Preview Stopped at page %p!</source>
        <translation><byte value="xd"/>¡Vista previa detenida en la página %p!</translation>
    </message>
    <message>
        <source><byte value="xd"/>Print Completed!</source>
        <translation><byte value="xd"/>¡Impresión terminada!</translation>
    </message>
    <message>
        <source><byte value="xd"/>Preview Ready!</source>
        <translation><byte value="xd"/>¡Vista previa lista!</translation>
    </message>
</context>
<context>
    <name>PrinterCalibration</name>
    <message>
        <source>The printer &quot;%1&quot; cannot be calibrated: it prints exactly what is drawn.</source>
        <translation>La impresora &quot;%1&quot; no se puede calibrar: imprime exactamente lo que se dibuja.</translation>
    </message>
</context>
<context>
    <name>PrinterSurface</name>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>the document was cut short</source>
        <translation>el documento quedó incompleto</translation>
    </message>
    <message>
        <source>the document could not be finished</source>
        <translation>no se pudo terminar el documento</translation>
    </message>
</context>
<context>
    <name>ProgramArguments</name>
    <message>
        <source>Ravenpost keeps mailing lists in xBase address files and prints their labels,
envelopes, form letters and reports. Only one copy runs per user and data folder:
starting another brings the running one to the front (and has it open FILE.DBF).
Qt&apos;s own options, such as -platform and -style, are accepted as well.</source>
        <translation>Ravenpost guarda listas de correo en archivos de direcciones xBase e imprime sus etiquetas,
sobres, cartas modelo e informes. Solo se ejecuta una copia por usuario y carpeta de datos:
al iniciar otra, la que está en marcha pasa al frente (y abre FILE.DBF).
También se aceptan las opciones propias de Qt, como -platform y -style.</translation>
    </message>
    <message>
        <source>Prints this help and ends.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Prints the version and ends.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>The data folder (RAVENP.INI, the side tables), created when missing; by default $RAVENPOST_HOME, the program&apos;s folder when it holds a writable RAVENP.INI, or ~/.local/share/Ravenpost.</source>
        <translation>La carpeta de datos (RAVENP.INI, las tablas auxiliares), que se crea si no existe; por omisión $RAVENPOST_HOME, la carpeta del programa si contiene un RAVENP.INI en el que se puede escribir, o ~/.local/share/Ravenpost.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>An address file to open.</source>
        <translation>Un archivo de direcciones que abrir.</translation>
    </message>
    <message>
        <source>ravenpost: %1</source>
        <translation>ravenpost: %1</translation>
    </message>
    <message>
        <source>Ravenpost %1
</source>
        <translation>Ravenpost %1
</translation>
    </message>
    <message>
        <source>ravenpost: there is no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>ravenpost: no hay ninguna pantalla en la que mostrar la ventana (DISPLAY y WAYLAND_DISPLAY no están definidas)</translation>
    </message>
    <message>
        <source>The language of the windows and messages, such as es or en; by default the locale&apos;s ($LANGUAGE, $LC_ALL, $LC_MESSAGES, $LANG). A language without a translation is English.</source>
        <translation>El idioma de las ventanas y los mensajes, como es o en; por omisión, el de la configuración regional ($LANGUAGE, $LC_ALL, $LC_MESSAGES, $LANG). Un idioma sin traducción es inglés.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
</context>
<context>
    <name>ReadingStatus</name>
    <message>
        <source>Reading database records...</source>
        <translation>Leyendo registros de la base de datos...</translation>
    </message>
    <message>
        <source>Reading record %1</source>
        <translation>Leyendo el registro %1</translation>
    </message>
    <message>
        <source>Sorting Zip Codes...</source>
        <translation>Ordenando códigos ZIP...</translation>
    </message>
</context>
<context>
    <name>RebuildIndexes</name>
    <message>
        <source>Rebuilding Letters File indexes</source>
        <translation>Reconstruyendo los índices del archivo de cartas</translation>
    </message>
    <message>
        <source>Rebuilding Label Type File indexes</source>
        <translation>Reconstruyendo los índices del archivo de tipos de etiqueta</translation>
    </message>
    <message>
        <source>Rebuilding Envelope Type File indexes</source>
        <translation>Reconstruyendo los índices del archivo de tipos de sobre</translation>
    </message>
    <message>
        <source>Rebuilding State/Province File indexes</source>
        <translation>Reconstruyendo los índices del archivo de estados/provincias</translation>
    </message>
    <message>
        <source>Rebuilding Label Setup File indexes</source>
        <translation>Reconstruyendo los índices del archivo de configuraciones de etiquetas</translation>
    </message>
    <message>
        <source>Rebuilding Envelope Setup File indexes</source>
        <translation>Reconstruyendo los índices del archivo de configuraciones de sobre</translation>
    </message>
    <message>
        <source>Cleaning out old deleted records</source>
        <translation>Eliminando definitivamente los registros borrados antiguos</translation>
    </message>
    <message>
        <source>Rebuilding indexes</source>
        <translation>Reconstruyendo índices</translation>
    </message>
</context>
<context>
    <name>RecordSearch</name>
    <message>
        <source>Invalid date entered</source>
        <translation>La fecha introducida no es válida</translation>
    </message>
</context>
<context>
    <name>RecordView</name>
    <message>
        <source>Current record is out of range. Starting with first record</source>
        <translation>El registro actual está fuera de rango. Se empieza por el primer registro</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>--layout 1..4 is needed</source>
        <translation>Se necesita --layout 1..4</translation>
    </message>
    <message>
        <source>--title TEXT is needed</source>
        <translation>Se necesita --title TEXT</translation>
    </message>
    <message>
        <source>--layout takes 1, 2, 3 or 4, not %1</source>
        <translation>--layout admite 1, 2, 3 o 4, no %1</translation>
    </message>
    <message>
        <source>the report could not be started on %1</source>
        <translation>no se pudo iniciar el informe en %1</translation>
    </message>
</context>
<context>
    <name>ReportStatus</name>
    <message>
        <source>Printing Page %p</source>
        <translation>Imprimiendo la página %p</translation>
    </message>
</context>
<context>
    <name>RtfPageLayout</name>
    <message>
        <source>The RTF page size of %1 x %2 twips is not a page size: the letter is laid out on Letter paper.</source>
        <translation>El tamaño de página RTF de %1 x %2 twips no es un tamaño de página válido: la carta se compone en papel Carta.</translation>
    </message>
    <message>
        <source>The RTF page of %1 x %2 inches is larger than a page can be printed (200 inches a side): it is cut to %3 x %4 inches.</source>
        <translation>La página RTF de %1 x %2 pulgadas es mayor de lo que se puede imprimir (200 pulgadas por lado): se recorta a %3 x %4 pulgadas.</translation>
    </message>
    <message>
        <source>The RTF margins leave no room for text on the page: they are cut to %1 inches left, %2 right, %3 top and %4 bottom.</source>
        <translation>Los márgenes RTF no dejan espacio para texto en la página: se reducen a %1 pulgadas a la izquierda, %2 a la derecha, %3 arriba y %4 abajo.</translation>
    </message>
</context>
<context>
    <name>RtfReader</name>
    <message>
        <source>The text is not RTF</source>
        <translation>El texto no es RTF</translation>
    </message>
    <message>
        <source>The RTF groups are nested too deeply</source>
        <translation>Los grupos RTF están anidados a demasiada profundidad</translation>
    </message>
    <message>
        <source>The RTF text ends before its last group is closed</source>
        <translation>El texto RTF termina antes de cerrarse su último grupo</translation>
    </message>
</context>
<context>
    <name>SearchReplace</name>
    <message>
        <source>is empty </source>
        <translation>está vacío </translation>
    </message>
    <message>
        <source>exactly matches: &quot;%1&quot;  (case sensitive)</source>
        <translation>coincide exactamente con: &quot;%1&quot;  (distingue mayúsculas y minúsculas)</translation>
    </message>
    <message>
        <source>contains: &quot;%1&quot;  (case sensitive)</source>
        <translation>contiene: &quot;%1&quot;  (distingue mayúsculas y minúsculas)</translation>
    </message>
    <message>
        <source>exactly matches: &quot;%1&quot; (not case sensitive)</source>
        <translation>coincide exactamente con: &quot;%1&quot; (no distingue mayúsculas y minúsculas)</translation>
    </message>
    <message>
        <source>contains: &quot;%1&quot; (not case sensitive)</source>
        <translation>contiene: &quot;%1&quot; (no distingue mayúsculas y minúsculas)</translation>
    </message>
    <message>
        <source>and delete the entire field </source>
        <translation>y eliminar el campo entero </translation>
    </message>
    <message>
        <source>and delete the matching text </source>
        <translation>y eliminar el texto coincidente </translation>
    </message>
    <message>
        <source>and replace the entire field with &quot;%1&quot;</source>
        <translation>y reemplazar el campo entero por &quot;%1&quot;</translation>
    </message>
    <message>
        <source>and replace only the matching text with &quot;%1&quot;</source>
        <translation>y reemplazar solo el texto coincidente por &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Find records where field %1<byte value="xd"/>%2<byte value="xd"/>%3</source>
        <translation>Buscar registros cuyo campo %1<byte value="xd"/>%2<byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>1 record was left unchanged: the new value would not fit in the field.</source>
        <translation>1 registro quedó sin cambios: el nuevo valor no cabría en el campo.</translation>
    </message>
    <message numerus="yes">
        <source>%n records were left unchanged: the new value would not fit in the field.</source>
        <translation>
            <numerusform>%n registro quedó sin cambios: el nuevo valor no cabría en el campo.</numerusform>
            <numerusform>%n registros quedaron sin cambios: el nuevo valor no cabría en el campo.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SearchReplaceCommand</name>
    <message>
        <source>FIELD: %1 cannot be replaced; the fields are %2</source>
        <translation>FIELD: %1 no se puede reemplazar; los campos son %2</translation>
    </message>
    <message>
        <source>give ADDRESSFILE FIELD FIND REPLACE</source>
        <translation>indique ADDRESSFILE FIELD FIND REPLACE</translation>
    </message>
    <message numerus="yes">
        <source>Replaced %n records</source>
        <translation>
            <numerusform>%n registro reemplazado</numerusform>
            <numerusform>%n registros reemplazados</numerusform>
        </translation>
    </message>
    <message>
        <source>Replacement done</source>
        <translation>Reemplazo terminado</translation>
    </message>
</context>
<context>
    <name>SelectLabelStockDialog</name>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Height in.</source>
        <translation>Alto pulg.</translation>
    </message>
    <message>
        <source>Width in.</source>
        <translation>Ancho pulg.</translation>
    </message>
    <message>
        <source># Across</source>
        <translation>N.º horiz.</translation>
    </message>
    <message>
        <source># Down</source>
        <translation>N.º vert.</translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation>Margen sup.</translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation>Margen izq.</translation>
    </message>
    <message>
        <source>Page Width</source>
        <translation>Ancho página</translation>
    </message>
    <message>
        <source>Page Height</source>
        <translation>Alto página</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Tamaño papel</translation>
    </message>
    <message>
        <source>We were unable to open the label definition file: RVPLBLS.DBF</source>
        <translation>No se pudo abrir el archivo de definiciones de etiquetas: RVPLBLS.DBF</translation>
    </message>
</context>
<context>
    <name>SetupLookup</name>
    <message>
        <source>letter</source>
        <translation>carta</translation>
    </message>
    <message>
        <source>%1: no %2 is described &quot;%3&quot;; there are %4</source>
        <translation>%1: ninguna %2 tiene la descripción &quot;%3&quot;; hay: %4</translation>
    </message>
    <message>
        <source>%1: more than one %2 is described &quot;%3&quot;; there are %4</source>
        <translation>%1: más de una %2 tiene la descripción &quot;%3&quot;; hay: %4</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>label setup</source>
        <translation>configuración de etiquetas</translation>
    </message>
    <message>
        <source>envelope setup</source>
        <translation>configuración de sobre</translation>
    </message>
</context>
<context>
    <name>Transliteration</name>
    <message>
        <source>The transliteration rules cannot be used: %1</source>
        <translation>Las reglas de transliteración no se pueden usar: %1</translation>
    </message>
</context>
<context>
    <name>UnstoredSettings</name>
    <message>
        <source>Your settings cannot be saved in %1, so printer choices, recent files and other settings you change will not be remembered.</source>
        <translation>Su configuración no se puede guardar en %1, así que no se recordarán las impresoras elegidas, los archivos recientes ni otros ajustes que cambie.</translation>
    </message>
</context>
<context>
    <name>UppercaseCommand</name>
    <message>
        <source>--fields: %1 cannot be converted; the fields are %2</source>
        <translation>--fields: %1 no se puede convertir; los campos son %2</translation>
    </message>
    <message>
        <source>--fields: no field named</source>
        <translation>--fields: no se indicó ningún campo</translation>
    </message>
</context>
<context>
    <name>VcardImport</name>
    <message>
        <source>Importing records</source>
        <translation>Importando registros</translation>
    </message>
</context>
<context>
    <name>VcardReader</name>
    <message>
        <source>%1 line %2: not a vCard line (a property name and a colon).</source>
        <translation>%1 línea %2: no es una línea vCard (un nombre de propiedad y dos puntos).</translation>
    </message>
    <message>
        <source>%1 line %2: the character set %3 cannot be read.</source>
        <translation>%1 línea %2: no se puede leer el juego de caracteres %3.</translation>
    </message>
    <message>
        <source>The file %1 is empty.</source>
        <translation>El archivo %1 está vacío.</translation>
    </message>
    <message>
        <source>The file %1 is not a text file.</source>
        <translation>El archivo %1 no es un archivo de texto.</translation>
    </message>
    <message>
        <source>%1 line %2: a card begins before the card of line %3 has ended.</source>
        <translation>%1 línea %2: una tarjeta empieza antes de que termine la tarjeta de la línea %3.</translation>
    </message>
    <message>
        <source>%1 line %2: a line outside a card (BEGIN:VCARD ... END:VCARD).</source>
        <translation>%1 línea %2: una línea fuera de una tarjeta (BEGIN:VCARD ... END:VCARD).</translation>
    </message>
    <message>
        <source>%1 line %2: the card begun here has no END:VCARD.</source>
        <translation>%1 línea %2: la tarjeta que empieza aquí no tiene END:VCARD.</translation>
    </message>
    <message>
        <source>The file %1 holds no vCard.</source>
        <translation>El archivo %1 no contiene ninguna vCard.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>No se puede leer el archivo %1: %2</translation>
    </message>
</context>
<context>
    <name>WhereOption</name>
    <message>
        <source>give LINE=TEXT</source>
        <translation>indique LINE=TEXT</translation>
    </message>
    <message>
        <source>no such Filter line; the lines are %1</source>
        <translation>no existe esa línea del filtro; las líneas son %1</translation>
    </message>
    <message>
        <source>the %1 line is already given by --where &quot;%2&quot;</source>
        <translation>la línea %1 ya está indicada por --where &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the %1 line cannot be used in a filter: %2</source>
        <translation>la línea %1 no se puede usar en un filtro: %2</translation>
    </message>
</context>
<context>
    <name>ZipCountCommand</name>
    <message>
        <source>--text writes to standard output; leave out --output and --printer</source>
        <translation>--text escribe en la salida estándar; omita --output y --printer</translation>
    </message>
    <message>
        <source>--text prints on no paper; leave out --paper</source>
        <translation>--text no imprime en papel; omita --paper</translation>
    </message>
    <message>
        <source>the report could not be started on %1</source>
        <translation>no se pudo iniciar el informe en %1</translation>
    </message>
</context>
<context>
    <name>ZipReport</name>
    <message>
        <source>Zip Code Count Report</source>
        <translation>Informe de recuento de códigos ZIP</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
</context>
<context>
    <name>ZipReportPrinting</name>
    <message>
        <source>Preview Zipcode Count</source>
        <translation>Vista previa del recuento de ZIP</translation>
    </message>
    <message>
        <source>There are no printers installed</source>
        <translation>No hay impresoras instaladas</translation>
    </message>
</context>
<context>
    <name>rp::AsciiImportDialog</name>
    <message>
        <source>ASCII File Import</source>
        <translation>Importar archivo ASCII</translation>
    </message>
    <message>
        <source>Select ASCII File</source>
        <translation>Seleccionar archivo ASCII</translation>
    </message>
    <message>
        <source>The text file the records are imported from.</source>
        <translation>El archivo de texto del que se importan los registros.</translation>
    </message>
    <message>
        <source>Chooses the delimited text file to import.</source>
        <translation>Elige el archivo de texto delimitado que se va a importar.</translation>
    </message>
    <message>
        <source>Chooses which Ravenpost field each column of the file goes into.</source>
        <translation>Elige en qué campo de Ravenpost se importa cada columna del archivo.</translation>
    </message>
    <message>
        <source>Adds a record for every line of the file, then rebuilds the indexes.</source>
        <translation>Añade un registro por cada línea del archivo y después reconstruye los índices.</translation>
    </message>
    <message>
        <source>First line holds column names</source>
        <translation>La primera línea contiene los nombres de columna</translation>
    </message>
    <message>
        <source>The first line is not imported: its names head the columns and choose the field each column goes into. Ticked by itself when the first line holds at least two known column names.</source>
        <translation>La primera línea no se importa: sus nombres encabezan las columnas y eligen el campo al que va cada columna. Se marca automáticamente cuando la primera línea contiene al menos dos nombres de columna conocidos.</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Coma</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Punto y coma</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulación</translation>
    </message>
    <message>
        <source>The character between the values of a line; chosen by itself as the one that splits the first line into the most values.</source>
        <translation>El carácter que separa los valores de una línea; se elige automáticamente el que divide la primera línea en más valores.</translation>
    </message>
    <message>
        <source>&amp;Delimiter:</source>
        <translation>&amp;Separador:</translation>
    </message>
    <message>
        <source>Unable to import from this file</source>
        <translation>No se puede importar desde este archivo</translation>
    </message>
    <message>
        <source>Not matched, as an earlier column goes into the same field: %1</source>
        <translation>Sin asignar, porque una columna anterior va al mismo campo: %1</translation>
    </message>
</context>
<context>
    <name>rp::AsciiMatchDialog</name>
    <message>
        <source>ASCII File Import Match Fields</source>
        <translation>Importar archivo ASCII: asignar campos</translation>
    </message>
    <message>
        <source>The first lines of the file, one column for each value of a line.</source>
        <translation>Las primeras líneas del archivo, con una columna por cada valor de una línea.</translation>
    </message>
    <message>
        <source>ASCII Field </source>
        <translation>Campo ASCII </translation>
    </message>
    <message>
        <source>Import into RVW Field </source>
        <translation>Importar al campo RVW </translation>
    </message>
    <message>
        <source>Each column of the file and the Ravenpost field it is imported into. Highlight a column, then click the field it goes with.</source>
        <translation>Cada columna del archivo y el campo de Ravenpost al que se importa. Resalte una columna y haga clic en el campo que le corresponde.</translation>
    </message>
    <message>
        <source>Ravenpost Data Fields </source>
        <translation>Campos de datos de Ravenpost </translation>
    </message>
    <message>
        <source>Leaves the highlighted column out of the import.</source>
        <translation>Excluye de la importación la columna resaltada.</translation>
    </message>
    <message>
        <source>Imports the highlighted column into this field.</source>
        <translation>Importa la columna resaltada en este campo.</translation>
    </message>
    <message>
        <source>Highlight a column in the list, then click the Ravenpost field it goes with. The next column is highlighted for you. Several columns may go into the Memo field; each becomes a line of the memo.</source>
        <translation>Resalte una columna de la lista y haga clic en el campo de Ravenpost que le corresponde. La siguiente columna se resalta automáticamente. Varias columnas pueden ir al campo Memo; cada una pasa a ser una línea del memo.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Keeps these matches for the import.</source>
        <translation>Conserva estas asignaciones para la importación.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Closes the window and keeps the matches as they were.</source>
        <translation>Cierra la ventana y deja las asignaciones como estaban.</translation>
    </message>
    <message>
        <source>First lines of the file</source>
        <translation>Primeras líneas del archivo</translation>
    </message>
    <message>
        <source>Field matches</source>
        <translation>Correspondencia de campos</translation>
    </message>
</context>
<context>
    <name>rp::BrowseGrid</name>
    <message>
        <source>Browse</source>
        <translation>Lista</translation>
    </message>
</context>
<context>
    <name>rp::BrowseModel</name>
    <message>
        <source>Last Name</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Inicial</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organización</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Zip/Postal Code</source>
        <translation>Código ZIP/postal</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>PREFIX</source>
        <translation>PREFIJO</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Codes</source>
        <translation>Códigos</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>FECHA</translation>
    </message>
</context>
<context>
    <name>rp::BulkDialog</name>
    <message>
        <source>Shows how much of the work is done.</source>
        <translation>Muestra qué parte del trabajo está hecha.</translation>
    </message>
</context>
<context>
    <name>rp::CalibratePrinterDialog</name>
    <message>
        <source>Calibrate Printer</source>
        <translation>Calibrar impresora</translation>
    </message>
    <message>
        <source>The printer to calibrate.</source>
        <translation>La impresora que se va a calibrar.</translation>
    </message>
    <message>
        <source>Letter (8.5 x 11&quot;)</source>
        <translation>Carta (8,5 x 11&quot;)</translation>
    </message>
    <message>
        <source>A4 (210 x 297mm)</source>
        <translation>A4 (210 x 297 mm)</translation>
    </message>
    <message>
        <source>A5 (148 x 210mm)</source>
        <translation>A5 (148 x 210 mm)</translation>
    </message>
    <message>
        <source>The paper the calibration page is printed on.</source>
        <translation>El papel en que se imprime la página de calibración.</translation>
    </message>
    <message>
        <source>Print Page</source>
        <translation>Imprimir página</translation>
    </message>
    <message>
        <source>Prints the calibration page.</source>
        <translation>Imprime la página de calibración.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Shows the calibration page on the screen.</source>
        <translation>Muestra la página de calibración en la pantalla.</translation>
    </message>
    <message>
        <source>Calibration page</source>
        <translation>Página de calibración</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pulgadas</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Milímetros</translation>
    </message>
    <message>
        <source>How far the marks landed to the right of where they should be; negative when they landed to the left.</source>
        <translation>Cuánto quedaron las marcas a la derecha de donde debían; negativo si quedaron a la izquierda.</translation>
    </message>
    <message>
        <source>How far the marks landed below where they should be; negative when they landed above.</source>
        <translation>Cuánto quedaron las marcas por debajo de donde debían; negativo si quedaron por encima.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Keeps the correction for this printer.</source>
        <translation>Guarda la corrección para esta impresora.</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Removes this printer&apos;s correction.</source>
        <translation>Elimina la corrección de esta impresora.</translation>
    </message>
    <message>
        <source>Measured on the page</source>
        <translation>Medido en la página</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Marks landed right by</source>
        <translation>Marcas desplazadas a la derecha</translation>
    </message>
    <message>
        <source>Marks landed down by</source>
        <translation>Marcas desplazadas hacia abajo</translation>
    </message>
    <message>
        <source>Crosshair</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Esperado</translation>
    </message>
    <message>
        <source>Corrected</source>
        <translation>Corregido</translation>
    </message>
    <message>
        <source>Where each crosshair should land, from the paper&apos;s left and top edges, and where it is drawn with the correction entered so that it lands there.</source>
        <translation>Dónde debe quedar cada cruz, desde los bordes izquierdo y superior del papel, y dónde se dibuja con la corrección introducida para que quede allí.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Closes this window.</source>
        <translation>Cierra esta ventana.</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source> in</source>
        <translation> pulg.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; prints exactly what is drawn and is never corrected.</source>
        <translation>&quot;%1&quot; imprime exactamente lo que se dibuja y nunca se corrige.</translation>
    </message>
    <message>
        <source>No correction is kept for this printer.</source>
        <translation>No hay ninguna corrección guardada para esta impresora.</translation>
    </message>
    <message>
        <source>Kept: %1 right, %2 down (inches).</source>
        <translation>Guardado: %1 a la derecha, %2 hacia abajo (pulgadas).</translation>
    </message>
    <message>
        <source>Preview Calibration Page</source>
        <translation>Vista previa de la página de calibración</translation>
    </message>
    <message>
        <source>Crosshair positions</source>
        <translation>Posiciones de las cruces</translation>
    </message>
</context>
<context>
    <name>rp::ConvertToUppercaseDialog</name>
    <message>
        <source>Convert To Uppercase</source>
        <translation>Convertir a mayúsculas</translation>
    </message>
    <message>
        <source>Convert  to uppercase:</source>
        <translation>Convertir  a mayúsculas:</translation>
    </message>
    <message>
        <source>Which fields should be converted to uppercase?</source>
        <translation>¿Qué campos desea convertir a mayúsculas?</translation>
    </message>
    <message>
        <source>Ticked: this field is converted to capitals.</source>
        <translation>Marcado: este campo se convierte a mayúsculas.</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Ticks or clears every field at once.</source>
        <translation>Marca o desmarca todos los campos a la vez.</translation>
    </message>
    <message>
        <source>Current Record Only</source>
        <translation>Solo el registro actual</translation>
    </message>
    <message>
        <source>All Records</source>
        <translation>Todos los registros</translation>
    </message>
    <message>
        <source>All Records Matching Filter</source>
        <translation>Registros que cumplen el filtro</translation>
    </message>
    <message>
        <source>Converts only the record shown in the main window.</source>
        <translation>Convierte solo el registro que se muestra en la ventana principal.</translation>
    </message>
    <message>
        <source>Converts every record of the file, whatever the filter.</source>
        <translation>Convierte todos los registros del archivo, sea cual sea el filtro.</translation>
    </message>
    <message>
        <source>Converts the records of the current filter.</source>
        <translation>Convierte los registros del filtro actual.</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Converts the ticked fields of the chosen records to capitals.</source>
        <translation>Convierte a mayúsculas los campos marcados de los registros elegidos.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Closes the window; while converting, stops after the record in hand.</source>
        <translation>Cierra la ventana; durante la conversión, se detiene después del registro en curso.</translation>
    </message>
    <message>
        <source>No fields checked for conversion</source>
        <translation>No se ha marcado ningún campo para convertir</translation>
    </message>
    <message>
        <source>Cancel case conversion?</source>
        <translation>¿Cancelar la conversión a mayúsculas?</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Segundo nombre</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organización</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>State/Province</source>
        <translation>Estado/Provincia</translation>
    </message>
    <message>
        <source>Zip/Postal Code</source>
        <translation>Código ZIP/postal</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Tratamiento</translation>
    </message>
</context>
<context>
    <name>rp::CopyRecordsOutDialog</name>
    <message>
        <source>Copy Records Out</source>
        <translation>Copiar registros a archivo</translation>
    </message>
    <message>
        <source>Copy to a DBF file</source>
        <translation>Copiar a un archivo DBF</translation>
    </message>
    <message>
        <source>Copy to an ASCII file (comma delimited)</source>
        <translation>Copiar a un archivo ASCII (delimitado por comas)</translation>
    </message>
    <message>
        <source>Copy to a vCard file</source>
        <translation>Copiar a un archivo vCard</translation>
    </message>
    <message>
        <source>Copies the records to a vCard file (.vcf), one card a record, for a phone, a contacts app or a mail program.</source>
        <translation>Copia los registros a un archivo vCard (.vcf), una tarjeta por registro, para un teléfono, una aplicación de contactos o un programa de correo.</translation>
    </message>
    <message>
        <source>Copies the records to a new file with the layout of an address file.</source>
        <translation>Copia los registros a un archivo nuevo con la estructura de un archivo de direcciones.</translation>
    </message>
    <message>
        <source>Copies the records to a text file, one line a record, each value in double quotes.</source>
        <translation>Copia los registros a un archivo de texto, una línea por registro, con cada valor entre comillas dobles.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>The file the records are copied to.</source>
        <translation>El archivo al que se copian los registros.</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Chooses the file to copy the records to.</source>
        <translation>Elige el archivo al que se copian los registros.</translation>
    </message>
    <message>
        <source>Copy Now</source>
        <translation>Copiar ahora</translation>
    </message>
    <message>
        <source>Copies the records of the current view to the chosen file.</source>
        <translation>Copia los registros de la vista actual al archivo elegido.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Closes the window; while copying, stops and keeps no copy.</source>
        <translation>Cierra la ventana; durante la copia, se detiene y no conserva ninguna copia.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>DBF Files|*.DBF</source>
        <translation>Archivos DBF|*.DBF</translation>
    </message>
    <message>
        <source>vCard Files|*.VCF</source>
        <translation>Archivos vCard|*.VCF</translation>
    </message>
    <message>
        <source>Text Files|*.TXT</source>
        <translation>Archivos de texto|*.TXT</translation>
    </message>
    <message>
        <source>Copying to %1</source>
        <translation>Copiando a %1</translation>
    </message>
    <message>
        <source>There was an error copying</source>
        <translation>Se produjo un error al copiar</translation>
    </message>
    <message>
        <source>Cancel copy?</source>
        <translation>¿Cancelar la copia?</translation>
    </message>
</context>
<context>
    <name>rp::DbfImportDialog</name>
    <message>
        <source>DBF File Import</source>
        <translation>Importar archivo DBF</translation>
    </message>
    <message>
        <source>Select DBF File</source>
        <translation>Seleccionar archivo DBF</translation>
    </message>
    <message>
        <source>The DBF file the records are imported from.</source>
        <translation>El archivo DBF del que se importan los registros.</translation>
    </message>
    <message>
        <source>Chooses the DBF file to import.</source>
        <translation>Elige el archivo DBF que se va a importar.</translation>
    </message>
    <message>
        <source>Chooses which field of the file goes into each Ravenpost field.</source>
        <translation>Elige qué campo del archivo va a cada campo de Ravenpost.</translation>
    </message>
    <message>
        <source>Adds a record for every record of the file, then rebuilds the indexes.</source>
        <translation>Añade un registro por cada registro del archivo y después reconstruye los índices.</translation>
    </message>
    <message>
        <source>Unable to import from this file</source>
        <translation>No se puede importar desde este archivo</translation>
    </message>
</context>
<context>
    <name>rp::DbfMatchDialog</name>
    <message>
        <source>DBF File Import Match Fields</source>
        <translation>Importar archivo DBF: asignar campos</translation>
    </message>
    <message>
        <source>Import DBF File Browser</source>
        <translation>Explorador del archivo DBF importado</translation>
    </message>
    <message>
        <source>The records of the file being imported.</source>
        <translation>Los registros del archivo que se importa.</translation>
    </message>
    <message>
        <source>Field Match</source>
        <translation>Asignación de campos</translation>
    </message>
    <message>
        <source>Ravenpost Field</source>
        <translation>Campo de Ravenpost</translation>
    </message>
    <message>
        <source>Import from Field (in %1)</source>
        <translation>Importar del campo (de %1)</translation>
    </message>
    <message>
        <source>Each Ravenpost field and the field of the file it is imported from. Double-click a row to choose its field.</source>
        <translation>Cada campo de Ravenpost y el campo del archivo del que se importa. Haga doble clic en una fila para elegir su campo.</translation>
    </message>
    <message>
        <source>Select Field</source>
        <translation>Seleccionar campo</translation>
    </message>
    <message>
        <source>Chooses the field of the file for the highlighted row.</source>
        <translation>Elige el campo del archivo para la fila resaltada.</translation>
    </message>
    <message>
        <source>Clear Current</source>
        <translation>Borrar actual</translation>
    </message>
    <message>
        <source>Leaves the highlighted Ravenpost field out of the import.</source>
        <translation>Excluye de la importación el campo de Ravenpost resaltado.</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Empties every row of the field match.</source>
        <translation>Vacía todas las filas de la asignación de campos.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Keeps these matches for the import.</source>
        <translation>Conserva estas asignaciones para la importación.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Closes the window without keeping the changes.</source>
        <translation>Cierra la ventana sin guardar los cambios.</translation>
    </message>
    <message>
        <source>Records of the file</source>
        <translation>Registros del archivo</translation>
    </message>
</context>
<context>
    <name>rp::DeleteRecordsDialog</name>
    <message>
        <source>Delete Records</source>
        <translation>Eliminar registros</translation>
    </message>
    <message>
        <source>Delete All Records</source>
        <translation>Eliminar todos los registros</translation>
    </message>
    <message>
        <source>Delete Records matching current Filter</source>
        <translation>Eliminar los registros que cumplen el filtro actual</translation>
    </message>
    <message>
        <source>Delete Records which do NOT match current Filter</source>
        <translation>Eliminar los registros que NO cumplen el filtro actual</translation>
    </message>
    <message>
        <source>Empties the whole file, whatever the filter.</source>
        <translation>Vacía todo el archivo, sea cual sea el filtro.</translation>
    </message>
    <message>
        <source>Deletes the records of the current filter.</source>
        <translation>Elimina los registros del filtro actual.</translation>
    </message>
    <message>
        <source>Deletes every record the current filter leaves out.</source>
        <translation>Elimina todos los registros que el filtro actual excluye.</translation>
    </message>
    <message>
        <source>Deleting Records </source>
        <translation>Eliminando registros </translation>
    </message>
    <message>
        <source>Delete Now</source>
        <translation>Eliminar ahora</translation>
    </message>
    <message>
        <source>Deletes the chosen records at once, without asking again.</source>
        <translation>Elimina los registros elegidos de inmediato, sin volver a preguntar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Closes the window without deleting anything.</source>
        <translation>Cierra la ventana sin eliminar nada.</translation>
    </message>
    <message numerus="yes">
        <source>Deleted %n records</source>
        <translation>
            <numerusform>%n registro eliminado</numerusform>
            <numerusform>%n registros eliminados</numerusform>
        </translation>
    </message>
    <message>
        <source>For optimum space usage, please select<byte value="xd"/>
[Rebuild Indexes] from the Utilities menu</source>
        <translation>Para aprovechar mejor el espacio, seleccione<byte value="xd"/>
[Reconstruir índices] en el menú Utilidades</translation>
    </message>
</context>
<context>
    <name>rp::DialPhoneDialog</name>
    <message>
        <source>Dial Phone Number</source>
        <translation>Marcar número de teléfono</translation>
    </message>
    <message>
        <source>The number the modem dials, exactly as typed. Change it here to dial another number.</source>
        <translation>El número que marca el módem, tal como está escrito. Cámbielo aquí para marcar otro número.</translation>
    </message>
    <message>
        <source>Dialled in front of the number, for example 9 and a comma to reach an outside line.</source>
        <translation>Se marca delante del número; por ejemplo, 9 y una coma para obtener línea exterior.</translation>
    </message>
    <message>
        <source>The modem&apos;s initialization string.</source>
        <translation>La cadena de inicialización del módem.</translation>
    </message>
    <message>
        <source>Number to Dial</source>
        <translation>Número que marcar</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Tratamiento</translation>
    </message>
    <message>
        <source>Modem Initialization String</source>
        <translation>Cadena de inicialización del módem</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>The port the modem is connected to.</source>
        <translation>El puerto al que está conectado el módem.</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Método</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Tonos</translation>
    </message>
    <message>
        <source>Dials with touch tones.</source>
        <translation>Marca por tonos.</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Pulsos</translation>
    </message>
    <message>
        <source>Dials with pulses, for older exchanges.</source>
        <translation>Marca por pulsos, para centrales antiguas.</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>Saves these settings and has the modem dial the prefix and number.</source>
        <translation>Guarda esta configuración y hace que el módem marque el prefijo y el número.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Closes the window.</source>
        <translation>Cierra la ventana.</translation>
    </message>
</context>
<context>
    <name>rp::Dialog</name>
    <message>
        <source>Opens the help page for this window.</source>
        <translation>Abre la página de ayuda de esta ventana.</translation>
    </message>
    <message>
        <source>Pointer help</source>
        <translation>Ayuda del puntero</translation>
    </message>
    <message>
        <source>Click this button, then click any control to read what it does.</source>
        <translation>Haga clic en este botón y después en cualquier control para leer qué hace.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
<context>
    <name>rp::DuplicateCheckDialog</name>
    <message>
        <source>Check and Repair Duplicates</source>
        <translation>Comprobar y reparar duplicados</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Closes the window.</source>
        <translation>Cierra la ventana.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stops the check after the record in hand.</source>
        <translation>Detiene la comprobación después del registro en curso.</translation>
    </message>
    <message>
        <source>Duplicate Record Check Setup</source>
        <translation>Configuración de la comprobación de duplicados</translation>
    </message>
    <message>
        <source>What to check:</source>
        <translation>Qué comprobar:</translation>
    </message>
    <message>
        <source>Last + First</source>
        <translation>Apellido + nombre</translation>
    </message>
    <message>
        <source>Last + First Initial</source>
        <translation>Apellido + inicial del nombre</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>Dirección (calle)</translation>
    </message>
    <message>
        <source>Records with the same last and first name.</source>
        <translation>Registros con el mismo apellido y nombre.</translation>
    </message>
    <message>
        <source>Records with the same last name and first letter of the first name.</source>
        <translation>Registros con el mismo apellido y la misma primera letra del nombre.</translation>
    </message>
    <message>
        <source>Records whose streets begin with the same characters.</source>
        <translation>Registros cuyas calles empiezan por los mismos caracteres.</translation>
    </message>
    <message>
        <source>Check how many characters of street address (max 30)</source>
        <translation>Cuántos caracteres de la calle comprobar (máx. 30)</translation>
    </message>
    <message>
        <source>How many characters at the start of the street are compared.</source>
        <translation>Cuántos caracteres del principio de la calle se comparan.</translation>
    </message>
    <message>
        <source>Perform Duplicate Check Now</source>
        <translation>Comprobar duplicados ahora</translation>
    </message>
    <message>
        <source>Looks for possible duplicates by the chosen key.</source>
        <translation>Busca posibles duplicados según la clave elegida.</translation>
    </message>
    <message>
        <source>Click on field to begin editing</source>
        <translation>Haga clic en un campo para empezar a editar</translation>
    </message>
    <message>
        <source>The possible duplicates, equal keys together. Changes go into the records themselves.</source>
        <translation>Los posibles duplicados, con las claves iguales juntas. Los cambios se guardan en los propios registros.</translation>
    </message>
    <message>
        <source>The check could not be made. Close this window to go back.</source>
        <translation>No se pudo realizar la comprobación. Cierre esta ventana para volver.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Cancel operation?</source>
        <translation>¿Cancelar la operación?</translation>
    </message>
    <message>
        <source>Delete this record?</source>
        <translation>¿Eliminar este registro?</translation>
    </message>
    <message>
        <source>Possible duplicates</source>
        <translation>Posibles duplicados</translation>
    </message>
</context>
<context>
    <name>rp::EnvelopeDesignView</name>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Envelope design</source>
        <translation>Diseño del sobre</translation>
    </message>
    <message>
        <source>%1, %L2 in from left, %L3 in from top</source>
        <translation>%1, a %L2 pulg. de la izquierda, a %L3 pulg. de arriba</translation>
    </message>
    <message>
        <source>Return address</source>
        <translation>Remite</translation>
    </message>
    <message>
        <source>Delivery address</source>
        <translation>Dirección de entrega</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>Código de barras</translation>
    </message>
</context>
<context>
    <name>rp::EnvelopeDesignerDialog</name>
    <message>
        <source>Envelope Designer</source>
        <translation>Diseñador de sobres</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Message Text</source>
        <translation>Texto del mensaje</translation>
    </message>
    <message>
        <source>Envelope Design</source>
        <translation>Diseño del sobre</translation>
    </message>
    <message>
        <source>Envelope Options</source>
        <translation>Opciones del sobre</translation>
    </message>
    <message>
        <source>The name of this envelope setup in the list.</source>
        <translation>El nombre de esta configuración de sobre en la lista.</translation>
    </message>
    <message>
        <source>Envelope Setup Description</source>
        <translation>Descripción de la configuración de sobre</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Keeps the setup as designed and closes.</source>
        <translation>Guarda la configuración tal como está diseñada y cierra.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Closes without changing the setup.</source>
        <translation>Cierra sin modificar la configuración.</translation>
    </message>
    <message>
        <source>Return Address</source>
        <translation>Remite</translation>
    </message>
    <message>
        <source>Prints the return address.</source>
        <translation>Imprime el remite.</translation>
    </message>
    <message>
        <source>Prints the message line.</source>
        <translation>Imprime la línea de mensaje.</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>Código de barras</translation>
    </message>
    <message>
        <source>Prints the postal barcode above the address.</source>
        <translation>Imprime el código de barras postal encima de la dirección.</translation>
    </message>
    <message>
        <source>Show outlines</source>
        <translation>Mostrar contornos</translation>
    </message>
    <message>
        <source>Draws a dotted frame around each item.</source>
        <translation>Dibuja un marco punteado alrededor de cada elemento.</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>The size at which the envelope is shown.</source>
        <translation>El tamaño con que se muestra el sobre.</translation>
    </message>
    <message>
        <source>Use the mouse to move and resize envelope items. Click the right mouse button on an item to set font or text.</source>
        <translation>Use el ratón para mover elementos del sobre y cambiar su tamaño. Haga clic con el botón derecho en un elemento para definir la fuente o el texto.</translation>
    </message>
    <message>
        <source>Envelope Size</source>
        <translation>Tamaño del sobre</translation>
    </message>
    <message>
        <source>Choose or Define  Envelope</source>
        <translation>Elegir o definir  sobre</translation>
    </message>
    <message>
        <source>Chooses the envelope size, or defines a size of your own.</source>
        <translation>Elige el tamaño del sobre o define un tamaño propio.</translation>
    </message>
    <message>
        <source>Delivery Address Contents</source>
        <translation>Contenido de la dirección de entrega</translation>
    </message>
    <message>
        <source>Prints this line or piece of the address.</source>
        <translation>Imprime esta línea o parte de la dirección.</translation>
    </message>
    <message>
        <source>After state</source>
        <translation>Después del estado</translation>
    </message>
    <message>
        <source>Before city</source>
        <translation>Antes de la ciudad</translation>
    </message>
    <message>
        <source>After country</source>
        <translation>Después del país</translation>
    </message>
    <message>
        <source>Before country</source>
        <translation>Antes del país</translation>
    </message>
    <message>
        <source>Where the ZIP or postal code is printed.</source>
        <translation>Dónde se imprime el código ZIP o postal.</translation>
    </message>
    <message>
        <source>Print in Uppercase</source>
        <translation>Imprimir en mayúsculas</translation>
    </message>
    <message>
        <source>Prints the address in capitals.</source>
        <translation>Imprime la dirección en mayúsculas.</translation>
    </message>
    <message>
        <source>Feed Method</source>
        <translation>Método de alimentación</translation>
    </message>
    <message>
        <source>Please indicate how you normally feed envelopes into your printer (this will help us determine how to print it):</source>
        <translation>Indique cómo introduce normalmente los sobres en la impresora (esto nos ayudará a determinar cómo imprimirlos):</translation>
    </message>
    <message>
        <source>(note: there are many printers and many ways to feed envelopes - this may take some experimenting)</source>
        <translation>(nota: hay muchas impresoras y muchas formas de introducir sobres; puede que tenga que hacer algunas pruebas)</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Clockwise Rotation</source>
        <translation>Giro en sentido horario</translation>
    </message>
    <message>
        <source>The printer turns landscape pages clockwise.</source>
        <translation>La impresora gira las páginas horizontales en el sentido de las agujas del reloj.</translation>
    </message>
    <message>
        <source>Facing</source>
        <translation>Cara</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>|&lt;</source>
        <translation>|&lt;</translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>&gt;|</source>
        <translation>&gt;|</translation>
    </message>
    <message>
        <source>Shows the first record.</source>
        <translation>Muestra el primer registro.</translation>
    </message>
    <message>
        <source>Shows the previous record.</source>
        <translation>Muestra el registro anterior.</translation>
    </message>
    <message>
        <source>Shows the next record.</source>
        <translation>Muestra el registro siguiente.</translation>
    </message>
    <message>
        <source>Shows the last record.</source>
        <translation>Muestra el último registro.</translation>
    </message>
    <message>
        <source>First record</source>
        <translation>Primer registro</translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation>Registro anterior</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Registro siguiente</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Último registro</translation>
    </message>
    <message>
        <source>Envelope Designer pages</source>
        <translation>Páginas del diseñador de sobres</translation>
    </message>
    <message>
        <source>Zoom %1 percent</source>
        <translation>Zoom al %1 por ciento</translation>
    </message>
    <message>
        <source>Envelope</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organización</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>City + State</source>
        <translation>Ciudad + estado</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Zip/Postal code</source>
        <translation>Código ZIP/postal</translation>
    </message>
</context>
<context>
    <name>rp::EnvelopeSizeDialog</name>
    <message>
        <source>Add New Envelope Size</source>
        <translation>Añadir nuevo tamaño de sobre</translation>
    </message>
    <message>
        <source>The short name of the envelope; it names the size in envelope setups.</source>
        <translation>El nombre corto del sobre; identifica el tamaño en las configuraciones de sobre.</translation>
    </message>
    <message>
        <source>A description of the size, shown in the Size column.</source>
        <translation>Una descripción del tamaño, que se muestra en la columna Tamaño.</translation>
    </message>
    <message>
        <source>The width of the envelope (its long side); at least 2 inches (50mm).</source>
        <translation>El ancho del sobre (su lado largo); al menos 2 pulgadas (50 mm).</translation>
    </message>
    <message>
        <source>The height of the envelope (its short side); at least 2 inches (50mm).</source>
        <translation>El alto del sobre (su lado corto); al menos 2 pulgadas (50 mm).</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>In inches</source>
        <translation>En pulgadas</translation>
    </message>
    <message>
        <source>In Millimeters</source>
        <translation>En milímetros</translation>
    </message>
    <message>
        <source>The unit in which the width and height are shown and entered.</source>
        <translation>La unidad en que se muestran e introducen el ancho y el alto.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Checks the size and hands it back.</source>
        <translation>Comprueba el tamaño y lo devuelve.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Closes without changing anything.</source>
        <translation>Cierra sin modificar nada.</translation>
    </message>
    <message>
        <source>Edit Envelope Size</source>
        <translation>Editar tamaño de sobre</translation>
    </message>
</context>
<context>
    <name>rp::FilterPage</name>
    <message>
        <source>Finds the records whose %1 begins with what you type here; capitals or not does not matter.
Start with an operator to compare instead: &gt; after, &gt;= from, &lt; before, &lt;= up to (in alphabetical order), or $ to find the text anywhere in the %1.
Join several: a;b finds either, a+b both, a^b the first but not the second (; joins loosest, then +, then ^). For example: brown;green  or  &gt;=60000+&lt;61000.
Records must match every line that is filled in.</source>
        <translation>Busca los registros cuyo campo %1 empieza por lo que escriba aquí; no importan las mayúsculas ni las minúsculas.
Para comparar, empiece con un operador: &gt; después de, &gt;= desde, &lt; antes de, &lt;= hasta (en orden alfabético), o $ para buscar el texto en cualquier parte del campo %1.
Puede combinar varios: a;b busca cualquiera de los dos, a+b ambos, a^b el primero pero no el segundo (; es el que une más débilmente, después +, después ^). Por ejemplo: brown;green  o  &gt;=60000+&lt;61000.
Los registros deben cumplir todas las líneas que estén rellenas.</translation>
    </message>
    <message>
        <source>Finds the records with this date, typed in the date format of the preferences.
Start with &gt; for later dates, &gt;= for this date or later, &lt; for earlier dates or &lt;= for this date or earlier; for example &gt;=01/15/1997.
; + and ^ have no meaning on this line.</source>
        <translation>Busca los registros con esta fecha, escrita en el formato de fecha de las preferencias.
Empiece con &gt; para fechas posteriores, &gt;= para esta fecha o posteriores, &lt; para fechas anteriores o &lt;= para esta fecha o anteriores; por ejemplo &gt;=01/15/1997.
; + y ^ no tienen significado en esta línea.</translation>
    </message>
    <message>
        <source>Set &amp;Now</source>
        <translation>Aplicar a&amp;hora</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Set the filter the lines describe and count its records</source>
        <translation>Aplicar el filtro que describen las líneas y contar sus registros</translation>
    </message>
    <message>
        <source>Empty every line and show all records</source>
        <translation>Vaciar todas las líneas y mostrar todos los registros</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Buscando...</translation>
    </message>
    <message numerus="yes">
        <source>%n matches (all records)</source>
        <translation>
            <numerusform>%n coincidencia (todos los registros)</numerusform>
            <numerusform>%n coincidencias (todos los registros)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n coincidencia</numerusform>
            <numerusform>%n coincidencias</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rp::FindLabelProductsDialog</name>
    <message>
        <source>Find More Products</source>
        <translation>Buscar más productos</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source>brand, product number, description or paper</source>
        <translation>marca, número de producto, descripción o papel</translation>
    </message>
    <message>
        <source>Shows only the products whose brand, product number, description or paper contain every word typed here.</source>
        <translation>Muestra solo los productos cuya marca, número de producto, descripción o papel contienen todas las palabras escritas aquí.</translation>
    </message>
    <message>
        <source>Brand</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Producto</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Label Size in.</source>
        <translation>Tamaño etiqueta pulg.</translation>
    </message>
    <message>
        <source>Across x Down</source>
        <translation>Columnas x filas</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>The label products of the label template files on this computer; choose one and press OK to add it to your labels.</source>
        <translation>Los productos de etiquetas de los archivos de plantilla de etiquetas de este equipo; elija uno y pulse Aceptar para añadirlo a sus etiquetas.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Adds the chosen product to your labels and uses it.</source>
        <translation>Añade el producto elegido a sus etiquetas y lo utiliza.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Closes this window without adding a label.</source>
        <translation>Cierra esta ventana sin añadir ninguna etiqueta.</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>No label template files were found. Install the glabels-data package, or import a template file.</source>
        <translation>No se encontró ningún archivo de plantilla de etiquetas. Instale el paquete glabels-data o importe un archivo de plantilla.</translation>
    </message>
    <message numerus="yes">
        <source>Products shown: %n.</source>
        <translation>
            <numerusform>Productos mostrados: %n.</numerusform>
            <numerusform>Productos mostrados: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Products of the files left out: %n (their labels are not rectangles in one grid that a label definition can hold).</source>
        <translation>
            <numerusform>Productos de los archivos excluidos: %n (sus etiquetas no son rectángulos en una única cuadrícula que pueda contener una definición de etiqueta).</numerusform>
            <numerusform>Productos de los archivos excluidos: %n (sus etiquetas no son rectángulos en una única cuadrícula que pueda contener una definición de etiqueta).</numerusform>
        </translation>
    </message>
    <message>
        <source>Label products</source>
        <translation>Productos de etiquetas</translation>
    </message>
</context>
<context>
    <name>rp::FormatToolBar</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Púrpura</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aguamarina</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>Color de fuente</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>B</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>I</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>U</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
</context>
<context>
    <name>rp::GridEditRow</name>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Deletes the current record.</source>
        <translation>Elimina el registro actual.</translation>
    </message>
    <message>
        <source>Deletes the current row.</source>
        <translation>Elimina la fila actual.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Keeps the changes to the record.</source>
        <translation>Guarda los cambios del registro.</translation>
    </message>
    <message>
        <source>Keeps the changes to the row.</source>
        <translation>Guarda los cambios de la fila.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Discards the changes to the record.</source>
        <translation>Descarta los cambios del registro.</translation>
    </message>
    <message>
        <source>Discards the changes to the row.</source>
        <translation>Descarta los cambios de la fila.</translation>
    </message>
</context>
<context>
    <name>rp::GridNavigator</name>
    <message>
        <source>First</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Moves to the first row of the grid.</source>
        <translation>Va a la primera fila de la cuadrícula.</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Prior</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Moves to the previous row of the grid.</source>
        <translation>Va a la fila anterior de la cuadrícula.</translation>
    </message>
    <message>
        <source>Moves to the prior row of the grid.</source>
        <translation>Va a la fila anterior de la cuadrícula.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Moves to the next row of the grid.</source>
        <translation>Va a la fila siguiente de la cuadrícula.</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>Moves to the last row of the grid.</source>
        <translation>Va a la última fila de la cuadrícula.</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Primera fila</translation>
    </message>
    <message>
        <source>Previous row</source>
        <translation>Fila anterior</translation>
    </message>
    <message>
        <source>Prior row</source>
        <translation>Fila anterior</translation>
    </message>
    <message>
        <source>Next row</source>
        <translation>Fila siguiente</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>Última fila</translation>
    </message>
</context>
<context>
    <name>rp::HelpViewer</name>
    <message>
        <source>Ravenpost Help</source>
        <translation>Ayuda de Ravenpost</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>No help is available for topic %1.</source>
        <translation>No hay ayuda disponible para el tema %1.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de la ayuda</translation>
    </message>
</context>
<context>
    <name>rp::ImportDialog</name>
    <message>
        <source>Tells what the import is doing.</source>
        <translation>Indica lo que está haciendo la importación.</translation>
    </message>
    <message>
        <source>Match Fields</source>
        <translation>Asignar campos</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Closes the window; while importing, stops after the record in hand and keeps the records imported so far.</source>
        <translation>Cierra la ventana; durante la importación, se detiene después del registro en curso y conserva los registros importados hasta ese momento.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Text files|*.TXT|All files|*.*</source>
        <translation>Archivos de texto|*.TXT|Todos los archivos|*.*</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>Rebuilding Indexes </source>
        <translation>Reconstruyendo índices </translation>
    </message>
</context>
<context>
    <name>rp::ImportFieldDialog</name>
    <message>
        <source>Select Import Field</source>
        <translation>Seleccionar campo de importación</translation>
    </message>
    <message>
        <source>(None)</source>
        <translation>(Ninguno)</translation>
    </message>
    <message>
        <source>The fields of the file that can go into this Ravenpost field.</source>
        <translation>Los campos del archivo que pueden ir a este campo de Ravenpost.</translation>
    </message>
</context>
<context>
    <name>rp::LabelDesignerDialog</name>
    <message>
        <source>Label Setup </source>
        <translation>Configuración de etiqueta </translation>
    </message>
    <message>
        <source>Label Setup Description</source>
        <translation>Descripción de la configuración de etiqueta</translation>
    </message>
    <message>
        <source>The name the Print Labels list shows.</source>
        <translation>El nombre que muestra la lista Imprimir etiquetas.</translation>
    </message>
    <message>
        <source>Label Definition</source>
        <translation>Definición de etiqueta</translation>
    </message>
    <message>
        <source>Choose or Define Label</source>
        <translation>Elegir o definir etiqueta</translation>
    </message>
    <message>
        <source>Pick the label sheet or describe a new one.</source>
        <translation>Elija la hoja de etiquetas o describa una nueva.</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Choose Font</source>
        <translation>Elegir fuente</translation>
    </message>
    <message>
        <source>Pick the font of the label text.</source>
        <translation>Elija la fuente del texto de la etiqueta.</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>A smaller font size; hold to keep going.</source>
        <translation>Un tamaño de fuente menor; mantenga pulsado para seguir.</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>A bigger font size; hold to keep going.</source>
        <translation>Un tamaño de fuente mayor; mantenga pulsado para seguir.</translation>
    </message>
    <message>
        <source>Text Position</source>
        <translation>Posición del texto</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Move the text up.</source>
        <translation>Mover el texto hacia arriba.</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Move the text down.</source>
        <translation>Mover el texto hacia abajo.</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Move the text left.</source>
        <translation>Mover el texto a la izquierda.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Move the text right.</source>
        <translation>Mover el texto a la derecha.</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Put the text back near the top left corner.</source>
        <translation>Devolver el texto cerca de la esquina superior izquierda.</translation>
    </message>
    <message>
        <source>Label Contents</source>
        <translation>Contenido de la etiqueta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organización</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>City + State</source>
        <translation>Ciudad + estado</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Zip/Postal code</source>
        <translation>Código ZIP/postal</translation>
    </message>
    <message>
        <source>US Postnet Barcode</source>
        <translation>Código de barras POSTNET (EE. UU.)</translation>
    </message>
    <message>
        <source>Uppercase</source>
        <translation>Mayúsculas</translation>
    </message>
    <message>
        <source>Trim text to fit label</source>
        <translation>Recortar el texto para que quepa</translation>
    </message>
    <message>
        <source>After state</source>
        <translation>Después del estado</translation>
    </message>
    <message>
        <source>Before city</source>
        <translation>Antes de la ciudad</translation>
    </message>
    <message>
        <source>After country</source>
        <translation>Después del país</translation>
    </message>
    <message>
        <source>Before country</source>
        <translation>Antes del país</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>|&lt;</source>
        <translation>|&lt;</translation>
    </message>
    <message>
        <source>The first record of the address file.</source>
        <translation>El primer registro del archivo de direcciones.</translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>The previous record.</source>
        <translation>El registro anterior.</translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>The next record.</source>
        <translation>El registro siguiente.</translation>
    </message>
    <message>
        <source>&gt;|</source>
        <translation>&gt;|</translation>
    </message>
    <message>
        <source>The last record of the address file.</source>
        <translation>El último registro del archivo de direcciones.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Keep this label setup and close.</source>
        <translation>Guardar esta configuración de etiqueta y cerrar.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close without keeping the changes.</source>
        <translation>Cerrar sin guardar los cambios.</translation>
    </message>
    <message>
        <source>Please enter a description for this Label Setup record</source>
        <translation>Escriba una descripción para esta configuración de etiqueta</translation>
    </message>
    <message>
        <source>Smaller font</source>
        <translation>Letra más pequeña</translation>
    </message>
    <message>
        <source>Bigger font</source>
        <translation>Letra más grande</translation>
    </message>
    <message>
        <source>Label picture</source>
        <translation>Imagen de la etiqueta</translation>
    </message>
    <message>
        <source>First record</source>
        <translation>Primer registro</translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation>Registro anterior</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Registro siguiente</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Último registro</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
</context>
<context>
    <name>rp::LabelFontDialog</name>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source> pt.</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Fuente:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Estilo:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Use this font.</source>
        <translation>Usar esta fuente.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close, keeping the font as it was.</source>
        <translation>Cerrar y dejar la fuente como estaba.</translation>
    </message>
</context>
<context>
    <name>rp::LabelStockDialog</name>
    <message>
        <source>Add Label Definition</source>
        <translation>Añadir definición de etiqueta</translation>
    </message>
    <message>
        <source>The name of this label stock, as the label lists show it.</source>
        <translation>El nombre de este modelo de etiqueta, tal como lo muestran las listas de etiquetas.</translation>
    </message>
    <message>
        <source>The width of one label.</source>
        <translation>El ancho de una etiqueta.</translation>
    </message>
    <message>
        <source>The height of one label.</source>
        <translation>El alto de una etiqueta.</translation>
    </message>
    <message>
        <source>From the left edge of one label to the left edge of the next in a row; at least the label width.</source>
        <translation>Desde el borde izquierdo de una etiqueta hasta el borde izquierdo de la siguiente en una fila; al menos el ancho de la etiqueta.</translation>
    </message>
    <message>
        <source>From the top edge of one row to the top edge of the next; at least the label height.</source>
        <translation>Desde el borde superior de una fila hasta el borde superior de la siguiente; al menos el alto de la etiqueta.</translation>
    </message>
    <message>
        <source>From the left edge of the sheet to the left edge of the first column.</source>
        <translation>Desde el borde izquierdo de la hoja hasta el borde izquierdo de la primera columna.</translation>
    </message>
    <message>
        <source>From the top edge of the sheet to the top edge of the first row.</source>
        <translation>Desde el borde superior de la hoja hasta el borde superior de la primera fila.</translation>
    </message>
    <message>
        <source>The width of the sheet as it is fed.</source>
        <translation>El ancho de la hoja en el sentido de alimentación.</translation>
    </message>
    <message>
        <source>The height of the sheet as it is fed.</source>
        <translation>El alto de la hoja en el sentido de alimentación.</translation>
    </message>
    <message>
        <source>How many labels make one row (1 to 10).</source>
        <translation>Cuántas etiquetas forman una fila (de 1 a 10).</translation>
    </message>
    <message>
        <source>How many rows make one sheet (1 to 30).</source>
        <translation>Cuántas filas forman una hoja (de 1 a 30).</translation>
    </message>
    <message>
        <source>The paper the labels come on; a standard size fills in the paper width and height.</source>
        <translation>El papel en que vienen las etiquetas; un tamaño estándar rellena el ancho y el alto del papel.</translation>
    </message>
    <message>
        <source>Tractor Fed (Dot Matrix)</source>
        <translation>Papel continuo (matricial)</translation>
    </message>
    <message>
        <source>Tick for continuous labels on a dot matrix printer.</source>
        <translation>Marque esta casilla para etiquetas continuas en una impresora matricial.</translation>
    </message>
    <message>
        <source>In 1000&apos;s of an inch</source>
        <translation>En milésimas de pulgada</translation>
    </message>
    <message>
        <source>In Millimeters</source>
        <translation>En milímetros</translation>
    </message>
    <message>
        <source>Shows and takes the lengths in inches, to a thousandth.</source>
        <translation>Muestra y acepta las longitudes en pulgadas, con precisión de milésimas.</translation>
    </message>
    <message>
        <source>Shows and takes the lengths in whole millimetres.</source>
        <translation>Muestra y acepta las longitudes en milímetros enteros.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Label Width</source>
        <translation>Ancho de etiqueta</translation>
    </message>
    <message>
        <source>Label Height</source>
        <translation>Alto de etiqueta</translation>
    </message>
    <message>
        <source>Horizontal Pitch</source>
        <translation>Paso horizontal</translation>
    </message>
    <message>
        <source>Vertical Pitch</source>
        <translation>Paso vertical</translation>
    </message>
    <message>
        <source># across</source>
        <translation>N.º columnas</translation>
    </message>
    <message>
        <source># down</source>
        <translation>N.º filas</translation>
    </message>
    <message>
        <source>Left Margin</source>
        <translation>Margen izquierdo</translation>
    </message>
    <message>
        <source>Top Margin</source>
        <translation>Margen superior</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Tamaño del papel</translation>
    </message>
    <message>
        <source>Paper Width</source>
        <translation>Ancho del papel</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>Alto del papel</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Checks the definition and keeps it.</source>
        <translation>Comprueba la definición y la guarda.</translation>
    </message>
    <message>
        <source>Closes this window without keeping anything.</source>
        <translation>Cierra esta ventana sin guardar nada.</translation>
    </message>
</context>
<context>
    <name>rp::LetterDesignerDialog</name>
    <message>
        <source>Letter Designer</source>
        <translation>Diseñador de cartas</translation>
    </message>
    <message>
        <source>The name the letter is listed under.</source>
        <translation>El nombre con que aparece la carta en la lista.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Puts a field of the address record into the letter where the cursor stands, in square brackets. Each printed letter shows the record&apos;s value there.</source>
        <translation>Inserta un campo del registro de dirección en la carta, en la posición del cursor, entre corchetes. Cada carta impresa muestra allí el valor del registro.</translation>
    </message>
    <message>
        <source>Insert field</source>
        <translation>Insertar campo</translation>
    </message>
    <message>
        <source>The letter. Field names in square brackets are replaced by each record&apos;s values when it is printed.</source>
        <translation>La carta. Los nombres de campo entre corchetes se sustituyen por los valores de cada registro al imprimirla.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Keeps the letter.</source>
        <translation>Guarda la carta.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Closes this window without keeping changes.</source>
        <translation>Cierra esta ventana sin guardar los cambios.</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Configurar página</translation>
    </message>
    <message>
        <source>Sets the letter&apos;s paper size and margins.</source>
        <translation>Define el tamaño del papel y los márgenes de la carta.</translation>
    </message>
    <message>
        <source>Open RTF File…</source>
        <translation>Abrir archivo RTF…</translation>
    </message>
    <message>
        <source>Replaces the letter with one written in another word processor and saved as RTF.</source>
        <translation>Sustituye la carta por una escrita en otro procesador de textos y guardada como RTF.</translation>
    </message>
    <message>
        <source>Save as RTF File…</source>
        <translation>Guardar como archivo RTF…</translation>
    </message>
    <message>
        <source>Writes the letter as an RTF file that other word processors open.</source>
        <translation>Guarda la carta como archivo RTF, que pueden abrir otros procesadores de textos.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Shows the letter filled in for the current record.</source>
        <translation>Muestra la carta rellenada con el registro actual.</translation>
    </message>
    <message>
        <source>Open RTF File</source>
        <translation>Abrir archivo RTF</translation>
    </message>
    <message>
        <source>Unable to read %1</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message>
        <source>Save as RTF File</source>
        <translation>Guardar como archivo RTF</translation>
    </message>
    <message>
        <source>Unable to write %1</source>
        <translation>No se puede escribir %1</translation>
    </message>
    <message>
        <source>Letter text</source>
        <translation>Texto de la carta</translation>
    </message>
    <message>
        <source>Rich Text Files|*.rtf</source>
        <translation>Archivos de texto enriquecido|*.rtf</translation>
    </message>
</context>
<context>
    <name>rp::LetterPreviewDialog</name>
    <message>
        <source>Preview Letters</source>
        <translation>Vista previa de cartas</translation>
    </message>
    <message>
        <source>The letter for the current record as it will print. Up and Down scroll it.</source>
        <translation>La carta del registro actual tal como se imprimirá. Las flechas arriba y abajo la desplazan.</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>The page of the letter you see.</source>
        <translation>La página de la carta que está viendo.</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>First Record</source>
        <translation>Primer registro</translation>
    </message>
    <message>
        <source>Shows the letter for the first record.</source>
        <translation>Muestra la carta del primer registro.</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Previous Record</source>
        <translation>Registro anterior</translation>
    </message>
    <message>
        <source>Shows the letter for the record before this one.</source>
        <translation>Muestra la carta del registro anterior a este.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Next Record</source>
        <translation>Registro siguiente</translation>
    </message>
    <message>
        <source>Shows the letter for the record after this one.</source>
        <translation>Muestra la carta del registro posterior a este.</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>Last Record</source>
        <translation>Último registro</translation>
    </message>
    <message>
        <source>Shows the letter for the last record.</source>
        <translation>Muestra la carta del último registro.</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Enlarges the page by a quarter, up to 150 percent.</source>
        <translation>Amplía la página una cuarta parte, hasta el 150 por ciento.</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Reduces the page by a quarter, down to 50 percent.</source>
        <translation>Reduce la página una cuarta parte, hasta el 50 por ciento.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation>Ajustar al ancho</translation>
    </message>
    <message>
        <source>Makes the width of the page fill the window.</source>
        <translation>Hace que el ancho de la página llene la ventana.</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Ajustar a la página</translation>
    </message>
    <message>
        <source>Makes the whole page fit in the window.</source>
        <translation>Hace que la página entera quepa en la ventana.</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Shows the page of the letter before this one.</source>
        <translation>Muestra la página de la carta anterior a esta.</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Shows the page of the letter after this one.</source>
        <translation>Muestra la página de la carta posterior a esta.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Closes the preview.</source>
        <translation>Cierra la vista previa.</translation>
    </message>
    <message>
        <source>There was an error drawing the preview</source>
        <translation>Se produjo un error al dibujar la vista previa</translation>
    </message>
    <message>
        <source>Letter page</source>
        <translation>Página de la carta</translation>
    </message>
</context>
<context>
    <name>rp::LetterPrintStatusDialog</name>
    <message>
        <source>Print Status Screen</source>
        <translation>Estado de la impresión</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stops the print after the letter in hand.</source>
        <translation>Detiene la impresión después de la carta en curso.</translation>
    </message>
    <message>
        <source>Letter Print Completed!</source>
        <translation>¡Impresión de cartas terminada!</translation>
    </message>
    <message>
        <source>Letter Print Canceled!</source>
        <translation>¡Impresión de cartas cancelada!</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Closes this window.</source>
        <translation>Cierra esta ventana.</translation>
    </message>
    <message>
        <source>Printing page %1</source>
        <translation>Imprimiendo la página %1</translation>
    </message>
    <message>
        <source>Cancel print job?</source>
        <translation>¿Cancelar el trabajo de impresión?</translation>
    </message>
</context>
<context>
    <name>rp::MainWindow</name>
    <message>
        <source>A filter is set</source>
        <translation>Hay un filtro activo</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Solo lectura</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>A&amp;rchivo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferencias</translation>
    </message>
    <message>
        <source>&amp;Rebuild Indexes</source>
        <translation>&amp;Reconstruir índices</translation>
    </message>
    <message>
        <source>&amp;Clone</source>
        <translation>&amp;Clonar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Utilities</source>
        <translation>&amp;Utilidades</translation>
    </message>
    <message>
        <source>&amp;Count Records</source>
        <translation>&amp;Contar registros</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Pointer help</source>
        <translation>Ayuda del puntero</translation>
    </message>
    <message>
        <source>Exit now?</source>
        <translation>¿Salir ahora?</translation>
    </message>
    <message>
        <source>You need to have a RVW file open first</source>
        <translation>Primero debe tener abierto un archivo RVW</translation>
    </message>
    <message>
        <source>Ravenpost - %1 (read-only)</source>
        <translation>Ravenpost - %1 (solo lectura)</translation>
    </message>
    <message>
        <source>Ravenpost - %1</source>
        <translation>Ravenpost - %1</translation>
    </message>
    <message>
        <source>There are no records in this file<byte value="xd"/>
Press Alt-A to add a new record OR<byte value="xd"/>
From the File menu select<byte value="xd"/>
Import from DBF File  or<byte value="xd"/>
Import from ASCII File</source>
        <translation>No hay registros en este archivo<byte value="xd"/>
Pulse Alt-A para añadir un registro nuevo O BIEN<byte value="xd"/>
en el menú Archivo elija<byte value="xd"/>
Importar de archivo DBF  o<byte value="xd"/>
Importar de archivo ASCII</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Ravenpost Files|*.dbf</source>
        <translation>Archivos de Ravenpost|*.dbf</translation>
    </message>
    <message>
        <source>Must be a DBF file</source>
        <translation>Debe ser un archivo DBF</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Ravenpost Files|*.DBF</source>
        <translation>Archivos de Ravenpost|*.DBF</translation>
    </message>
    <message>
        <source>Must have a .DBF extension</source>
        <translation>Debe tener la extensión .DBF</translation>
    </message>
    <message>
        <source>That file already exists.Please select another name</source>
        <translation>Ese archivo ya existe. Seleccione otro nombre</translation>
    </message>
    <message numerus="yes">
        <source>There are %n records</source>
        <translation>
            <numerusform>Hay %n registro</numerusform>
            <numerusform>Hay %n registros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>There are %n records which match the current filter</source>
        <translation>
            <numerusform>Hay %n registro que coincide con el filtro actual</numerusform>
            <numerusform>Hay %n registros que coinciden con el filtro actual</numerusform>
        </translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation>Registro anterior</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Registro siguiente</translation>
    </message>
</context>
<context>
    <name>rp::MemoSearchProgress</name>
    <message>
        <source>Searching</source>
        <translation>Buscando</translation>
    </message>
    <message>
        <source>Searching for: %1</source>
        <translation>Buscando: %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stops the search and goes back to the record you were on.</source>
        <translation>Detiene la búsqueda y vuelve al registro en el que estaba.</translation>
    </message>
</context>
<context>
    <name>rp::NewRecordDialog</name>
    <message>
        <source>New Record</source>
        <translation>Nuevo registro</translation>
    </message>
    <message>
        <source>Zip Code or Postal Code</source>
        <translation>Código ZIP o código postal</translation>
    </message>
    <message>
        <source>The city and state of a record with this code are filled in.</source>
        <translation>Se rellenan la ciudad y el estado de un registro con este código.</translation>
    </message>
    <message>
        <source>Last Name</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>Checked for a record with the same names.</source>
        <translation>Se comprueba si hay un registro con los mismos nombres.</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>OK [PgDn]</source>
        <translation>Aceptar [AvPág]</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>rp::OrderMenu</name>
    <message>
        <source>&amp;Last Name</source>
        <translation>&amp;Apellido</translation>
    </message>
    <message>
        <source>&amp;First Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>Car&amp;go</translation>
    </message>
    <message>
        <source>&amp;Organization</source>
        <translation>&amp;Organización</translation>
    </message>
    <message>
        <source>&amp;Street</source>
        <translation>Ca&amp;lle</translation>
    </message>
    <message>
        <source>&amp;City</source>
        <translation>C&amp;iudad</translation>
    </message>
    <message>
        <source>&amp;State</source>
        <translation>&amp;Estado</translation>
    </message>
    <message>
        <source>&amp;Zip</source>
        <translation>&amp;ZIP</translation>
    </message>
    <message>
        <source>&amp;Country</source>
        <translation>&amp;País</translation>
    </message>
    <message>
        <source>&amp;Phone</source>
        <translation>&amp;Teléfono</translation>
    </message>
    <message>
        <source>&amp;E-mail</source>
        <translation>Co&amp;rreo electrónico</translation>
    </message>
    <message>
        <source>&amp;Fax</source>
        <translation>&amp;Fax</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>Fec&amp;ha</translation>
    </message>
    <message>
        <source>&amp;Codes</source>
        <translation>&amp;Códigos</translation>
    </message>
    <message>
        <source>&amp;Order</source>
        <translation>&amp;Orden</translation>
    </message>
</context>
<context>
    <name>rp::PagePropertiesDialog</name>
    <message>
        <source>Page Properties</source>
        <translation>Propiedades de página</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Pulgadas</translation>
    </message>
    <message>
        <source>Cm</source>
        <translation>Cm</translation>
    </message>
    <message>
        <source>Twips</source>
        <translation>Twips</translation>
    </message>
    <message>
        <source>The unit in which the paper size and the margins are shown and typed.</source>
        <translation>La unidad en la que se muestran y escriben el tamaño del papel y los márgenes.</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source> Paper Size </source>
        <translation> Tamaño del papel </translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>The width of the paper.</source>
        <translation>El ancho del papel.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>The height of the paper.</source>
        <translation>El alto del papel.</translation>
    </message>
    <message>
        <source> Margins </source>
        <translation> Márgenes </translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Superior</translation>
    </message>
    <message>
        <source>The space above the text.</source>
        <translation>El espacio por encima del texto.</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Inferior</translation>
    </message>
    <message>
        <source>The space below the text.</source>
        <translation>El espacio por debajo del texto.</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>The space left of the text.</source>
        <translation>El espacio a la izquierda del texto.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>The space right of the text.</source>
        <translation>El espacio a la derecha del texto.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Checks the page and hands it to the letter.</source>
        <translation>Comprueba la página y la pasa a la carta.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Closes without changing anything.</source>
        <translation>Cierra sin modificar nada.</translation>
    </message>
    <message>
        <source>0000000000</source>
        <translation>0000000000</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; no es un número decimal válido</translation>
    </message>
</context>
<context>
    <name>rp::PostalBarcodeBox</name>
    <message>
        <source>Postal Barcode</source>
        <translation>Código de barras postal</translation>
    </message>
    <message>
        <source>Prints the POSTNET barcode of the ZIP code.</source>
        <translation>Imprime el código de barras POSTNET del código ZIP.</translation>
    </message>
    <message>
        <source>Intelligent Mail</source>
        <translation>Intelligent Mail</translation>
    </message>
    <message>
        <source>Prints the Intelligent Mail barcode: the ZIP code with your mailer ID and a serial number for each piece.</source>
        <translation>Imprime el código de barras Intelligent Mail: el código ZIP con su ID de remitente y un número de serie para cada envío.</translation>
    </message>
    <message>
        <source>Two digits, the second 0 to 4; 00 when the postal service has not asked for another.</source>
        <translation>Dos dígitos, el segundo de 0 a 4; 00 si el servicio postal no le ha pedido otro.</translation>
    </message>
    <message>
        <source>The three-digit service type of the mailing.</source>
        <translation>El tipo de servicio de tres dígitos del envío masivo.</translation>
    </message>
    <message>
        <source>The mailer ID the postal service gave you: 6 digits, or 9 beginning with 9.</source>
        <translation>El ID de remitente que le asignó el servicio postal: 6 dígitos, o 9 empezando por 9.</translation>
    </message>
    <message>
        <source>The serial number the next printed piece takes: up to 9 digits beside a 6-digit mailer ID, up to 6 beside a 9-digit one.</source>
        <translation>El número de serie que llevará el siguiente envío impreso: hasta 9 dígitos con un ID de remitente de 6 dígitos, hasta 6 con uno de 9.</translation>
    </message>
    <message>
        <source>Barcode identifier</source>
        <translation>Identificador de código de barras</translation>
    </message>
    <message>
        <source>Service type</source>
        <translation>Tipo de servicio</translation>
    </message>
    <message>
        <source>Mailer ID</source>
        <translation>ID de remitente</translation>
    </message>
    <message>
        <source>Next serial number</source>
        <translation>Siguiente número de serie</translation>
    </message>
</context>
<context>
    <name>rp::PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Let others work on the open file at the same time</source>
        <translation>Permitir que otros trabajen a la vez en el archivo abierto</translation>
    </message>
    <message>
        <source>Opens address files shared, so that other users and programs can add, change and delete records at the same time. A record is locked while it is edited; imports, rebuilding the indexes and the bulk changes still need the file to themselves.</source>
        <translation>Abre los archivos de direcciones compartidos, para que otros usuarios y programas puedan añadir, cambiar y eliminar registros al mismo tiempo. Un registro queda bloqueado mientras se edita; las importaciones, la reconstrucción de los índices y los cambios masivos siguen necesitando el archivo en exclusiva.</translation>
    </message>
    <message>
        <source>How dates are shown and typed: the order of day, month and year, the separator, and two or four digits for the year.</source>
        <translation>Cómo se muestran y escriben las fechas: el orden de día, mes y año, el separador y dos o cuatro dígitos para el año.</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Formato de fecha</translation>
    </message>
    <message>
        <source> When adding new records</source>
        <translation> Al añadir registros nuevos</translation>
    </message>
    <message>
        <source>Enter today&apos;s date in the date field</source>
        <translation>Poner la fecha de hoy en el campo de fecha</translation>
    </message>
    <message>
        <source>Puts today&apos;s date in the date field of every new record.</source>
        <translation>Pone la fecha de hoy en el campo de fecha de cada registro nuevo.</translation>
    </message>
    <message>
        <source>Automatically insert city and state/province</source>
        <translation>Insertar automáticamente ciudad y estado/provincia</translation>
    </message>
    <message>
        <source>Fills in the city and state or province from the ZIP or postal code you type.</source>
        <translation>Rellena la ciudad y el estado o provincia a partir del código ZIP o postal que escriba.</translation>
    </message>
    <message>
        <source>Automatically check for duplicate names</source>
        <translation>Comprobar automáticamente nombres duplicados</translation>
    </message>
    <message>
        <source>Warns you on saving a new record when a record with the same name is already in the list.</source>
        <translation>Le avisa al guardar un registro nuevo si ya hay en la lista un registro con el mismo nombre.</translation>
    </message>
    <message>
        <source>The country put in every new record. Leave it empty for lists within one country.</source>
        <translation>El país que se pone en cada registro nuevo. Déjelo vacío para listas de un solo país.</translation>
    </message>
    <message>
        <source>Default Country Name</source>
        <translation>País predeterminado</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organización</translation>
    </message>
    <message>
        <source>organization</source>
        <translation>la organización</translation>
    </message>
    <message>
        <source>Street Address </source>
        <translation>Dirección </translation>
    </message>
    <message>
        <source>street address</source>
        <translation>la dirección</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>city</source>
        <translation>la ciudad</translation>
    </message>
    <message>
        <source>State/Province</source>
        <translation>Estado/Provincia</translation>
    </message>
    <message>
        <source>state or province</source>
        <translation>el estado o provincia</translation>
    </message>
    <message>
        <source>Zip/Postal Code</source>
        <translation>Código ZIP/postal</translation>
    </message>
    <message>
        <source>ZIP or postal code</source>
        <translation>el código ZIP o postal</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>country</source>
        <translation>el país</translation>
    </message>
    <message>
        <source>Carry forward the following fields:</source>
        <translation>Copiar los campos siguientes:</translation>
    </message>
    <message>
        <source>Copies the %1 of the record on the screen into each new record.</source>
        <translation>Copia %1 del registro en pantalla en cada registro nuevo.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Keeps these preferences and closes the window.</source>
        <translation>Conserva estas preferencias y cierra la ventana.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Closes the window and leaves the preferences as they were.</source>
        <translation>Cierra la ventana y deja las preferencias como estaban.</translation>
    </message>
</context>
<context>
    <name>rp::PresortDialog</name>
    <message>
        <source>Bulk Mail Presorting</source>
        <translation>Preclasificación de correo masivo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stops the presort; the labels are not printed in presort order.</source>
        <translation>Detiene la preclasificación; las etiquetas no se imprimen en orden de preclasificación.</translation>
    </message>
    <message>
        <source>Cancel PRESORT?</source>
        <translation>¿Cancelar la preclasificación?</translation>
    </message>
</context>
<context>
    <name>rp::PreviewPageView</name>
    <message>
        <source>Print preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>rp::PreviewWindow</name>
    <message>
        <source>The page as it will print. Up and Down scroll it.</source>
        <translation>La página tal como se imprimirá. Las flechas arriba y abajo la desplazan.</translation>
    </message>
    <message>
        <source>Page 1 of 1</source>
        <translation>Página 1 de 1</translation>
    </message>
    <message>
        <source>The page shown and the number of pages.</source>
        <translation>La página mostrada y el número de páginas.</translation>
    </message>
    <message>
        <source>Page 8888 of 8888</source>
        <translation>Página 8888 de 8888</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Enlarges the page by 10 percent, up to 200 percent.</source>
        <translation>Amplía la página un 10 por ciento, hasta el 200 por ciento.</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Reduces the page by 10 percent, down to 10 percent.</source>
        <translation>Reduce la página un 10 por ciento, hasta el 10 por ciento.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Zoom to page width</source>
        <translation>Ajustar al ancho de página</translation>
    </message>
    <message>
        <source>Makes the width of the page fill the window.</source>
        <translation>Hace que el ancho de la página llene la ventana.</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Zoom to whole page</source>
        <translation>Ajustar a la página entera</translation>
    </message>
    <message>
        <source>Makes the whole page fit in the window.</source>
        <translation>Hace que la página entera quepa en la ventana.</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Primera página</translation>
    </message>
    <message>
        <source>Shows the first page.</source>
        <translation>Muestra la primera página.</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Shows the page before this one.</source>
        <translation>Muestra la página anterior a esta.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Shows the page after this one.</source>
        <translation>Muestra la página posterior a esta.</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Última página</translation>
    </message>
    <message>
        <source>Shows the last page.</source>
        <translation>Muestra la última página.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Closes the preview.</source>
        <translation>Cierra la vista previa.</translation>
    </message>
    <message>
        <source>Preview Envelope</source>
        <translation>Vista previa del sobre</translation>
    </message>
    <message>
        <source>Preview Labels</source>
        <translation>Vista previa de etiquetas</translation>
    </message>
    <message>
        <source>Preview Report</source>
        <translation>Vista previa del informe</translation>
    </message>
    <message>
        <source>Preview Zipcode Count</source>
        <translation>Vista previa del recuento de ZIP</translation>
    </message>
    <message>
        <source>Page %1 of %2+</source>
        <translation>Página %1 de %2+</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Label Preview</source>
        <translation>Vista previa de etiquetas</translation>
    </message>
</context>
<context>
    <name>rp::PrintEnvelopeDialog</name>
    <message>
        <source>Print Envelope</source>
        <translation>Imprimir sobre</translation>
    </message>
    <message>
        <source>Select Envelope Setup</source>
        <translation>Seleccionar configuración de sobre</translation>
    </message>
    <message>
        <source>Your envelope setups. Choose the one to print with.</source>
        <translation>Sus configuraciones de sobre. Elija con cuál imprimir.</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Changes the selected envelope setup.</source>
        <translation>Cambia la configuración de sobre seleccionada.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Makes a new envelope setup from the selected one.</source>
        <translation>Crea una configuración de sobre nueva a partir de la seleccionada.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Deletes the selected envelope setup.</source>
        <translation>Elimina la configuración de sobre seleccionada.</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Impresora:</translation>
    </message>
    <message>
        <source>Source:</source>
        <translation>Origen:</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papel:</translation>
    </message>
    <message>
        <source>The printer, paper source and paper the envelope goes to.</source>
        <translation>La impresora, el origen del papel y el papel al que va el sobre.</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configurar impresora</translation>
    </message>
    <message>
        <source>Chooses the printer&apos;s paper source, paper and orientation.</source>
        <translation>Elige el origen del papel, el papel y la orientación de la impresora.</translation>
    </message>
    <message>
        <source>Print Now</source>
        <translation>Imprimir ahora</translation>
    </message>
    <message>
        <source>Prints the envelope of the current record.</source>
        <translation>Imprime el sobre del registro actual.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Shows the envelope of the current record on screen.</source>
        <translation>Muestra en pantalla el sobre del registro actual.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Closes this window.</source>
        <translation>Cierra esta ventana.</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Impresora: %1</translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation>Origen: %1</translation>
    </message>
    <message>
        <source>Paper: %1</source>
        <translation>Papel: %1</translation>
    </message>
    <message>
        <source>Envelope setups</source>
        <translation>Configuraciones de sobres</translation>
    </message>
</context>
<context>
    <name>rp::PrintLabelsDialog</name>
    <message>
        <source>Print Labels</source>
        <translation>Imprimir etiquetas</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Label Type</source>
        <translation>Tipo de etiqueta</translation>
    </message>
    <message>
        <source>Your label setups; the one chosen prints.</source>
        <translation>Sus configuraciones de etiquetas; se imprime la elegida.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Designs a new label setup, starting from the one chosen.</source>
        <translation>Diseña una configuración de etiquetas nueva a partir de la elegida.</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Changes the chosen label setup in the designer.</source>
        <translation>Cambia en el diseñador la configuración de etiquetas elegida.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Removes the chosen label setup, after asking.</source>
        <translation>Elimina la configuración de etiquetas elegida, tras preguntar.</translation>
    </message>
    <message>
        <source>Select Label Setup</source>
        <translation>Seleccionar configuración de etiquetas</translation>
    </message>
    <message>
        <source>All records</source>
        <translation>Todos los registros</translation>
    </message>
    <message>
        <source>Records matching filter</source>
        <translation>Registros que cumplen el filtro</translation>
    </message>
    <message>
        <source>Only current record</source>
        <translation>Solo el registro actual</translation>
    </message>
    <message>
        <source>Prints a label for every record of the file.</source>
        <translation>Imprime una etiqueta para cada registro del archivo.</translation>
    </message>
    <message>
        <source>Prints labels for the records of the filter in force.</source>
        <translation>Imprime etiquetas para los registros del filtro activo.</translation>
    </message>
    <message>
        <source>Prints labels for the record shown in the main window only.</source>
        <translation>Imprime etiquetas solo para el registro mostrado en la ventana principal.</translation>
    </message>
    <message>
        <source>Start from current record</source>
        <translation>Empezar en el registro actual</translation>
    </message>
    <message>
        <source>Starts with the record shown in the main window instead of the first record.</source>
        <translation>Empieza por el registro mostrado en la ventana principal en lugar del primero.</translation>
    </message>
    <message>
        <source>Presort for Bulk Mail</source>
        <translation>Preclasificar para correo masivo</translation>
    </message>
    <message>
        <source>Prints the labels in bulk-mail presort order, each group after a label naming it.</source>
        <translation>Imprime las etiquetas en orden de preclasificación de correo masivo, cada grupo tras una etiqueta que lo nombra.</translation>
    </message>
    <message>
        <source>One per household</source>
        <translation>Una por hogar</translation>
    </message>
    <message>
        <source>Prints one label for the records with the same street and ZIP code, addressed to the household (&quot;The Smith Family&quot; when their last names agree).</source>
        <translation>Imprime una sola etiqueta para los registros con la misma calle y código ZIP, dirigida al hogar (&quot;Familia Smith&quot; cuando coinciden sus apellidos).</translation>
    </message>
    <message>
        <source>How many labels to print for each record, side by side.</source>
        <translation>Cuántas etiquetas imprimir para cada registro, una junto a otra.</translation>
    </message>
    <message>
        <source># copies of each label</source>
        <translation>N.º de copias de cada etiqueta</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>The printer the labels go to.</source>
        <translation>La impresora a la que van las etiquetas.</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configurar impresora</translation>
    </message>
    <message>
        <source>Sets up the chosen printer.</source>
        <translation>Configura la impresora elegida.</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>Print Now</source>
        <translation>Imprimir ahora</translation>
    </message>
    <message>
        <source>Prints the labels.</source>
        <translation>Imprime las etiquetas.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Shows the labels as they will print.</source>
        <translation>Muestra las etiquetas tal como se imprimirán.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Closes this window.</source>
        <translation>Cierra esta ventana.</translation>
    </message>
    <message>
        <source>Start at label</source>
        <translation>Empezar en la etiqueta</translation>
    </message>
    <message>
        <source>The first free label of the first sheet, counted across, then down; the labels before it stay empty.</source>
        <translation>La primera etiqueta libre de la primera hoja, contando de izquierda a derecha y luego hacia abajo; las etiquetas anteriores quedan vacías.</translation>
    </message>
    <message>
        <source>Click the first free label of a partly used sheet.</source>
        <translation>Haga clic en la primera etiqueta libre de una hoja usada en parte.</translation>
    </message>
    <message>
        <source>Label setups</source>
        <translation>Configuraciones de etiquetas</translation>
    </message>
</context>
<context>
    <name>rp::PrintLettersDialog</name>
    <message>
        <source>Print Letters</source>
        <translation>Imprimir cartas</translation>
    </message>
    <message>
        <source>Letter Description</source>
        <translation>Descripción de la carta</translation>
    </message>
    <message>
        <source>Your letters. Choose the one to print.</source>
        <translation>Sus cartas. Elija la que desea imprimir.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Writes a new letter.</source>
        <translation>Escribe una carta nueva.</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Changes the selected letter.</source>
        <translation>Cambia la carta seleccionada.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Deletes the selected letter.</source>
        <translation>Elimina la carta seleccionada.</translation>
    </message>
    <message>
        <source>What to print</source>
        <translation>Qué imprimir</translation>
    </message>
    <message>
        <source>All records</source>
        <translation>Todos los registros</translation>
    </message>
    <message>
        <source>Records matching filter</source>
        <translation>Registros que cumplen el filtro</translation>
    </message>
    <message>
        <source>Only current record</source>
        <translation>Solo el registro actual</translation>
    </message>
    <message>
        <source>A letter for every record of the address file.</source>
        <translation>Una carta para cada registro del archivo de direcciones.</translation>
    </message>
    <message>
        <source>A letter for every record your filter shows.</source>
        <translation>Una carta para cada registro que muestra el filtro.</translation>
    </message>
    <message>
        <source>One letter, for the current record.</source>
        <translation>Una carta, para el registro actual.</translation>
    </message>
    <message>
        <source>Start from current record</source>
        <translation>Empezar en el registro actual</translation>
    </message>
    <message>
        <source>Begins with the current record instead of the first one.</source>
        <translation>Empieza por el registro actual en lugar del primero.</translation>
    </message>
    <message>
        <source>How many copies of each record&apos;s letter to print.</source>
        <translation>Cuántas copias imprimir de la carta de cada registro.</translation>
    </message>
    <message>
        <source># copies of each letter</source>
        <translation>N.º de copias de cada carta</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message>
        <source>The printer the letters go to.</source>
        <translation>La impresora a la que van las cartas.</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configurar impresora</translation>
    </message>
    <message>
        <source>Chooses the printer&apos;s settings.</source>
        <translation>Elige los ajustes de la impresora.</translation>
    </message>
    <message>
        <source>Print Now</source>
        <translation>Imprimir ahora</translation>
    </message>
    <message>
        <source>Prints the selected letter for the chosen records.</source>
        <translation>Imprime la carta seleccionada para los registros elegidos.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Shows the selected letter for the chosen records.</source>
        <translation>Muestra la carta seleccionada para los registros elegidos.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Closes this window.</source>
        <translation>Cierra esta ventana.</translation>
    </message>
    <message>
        <source>Delete this record?</source>
        <translation>¿Eliminar este registro?</translation>
    </message>
    <message>
        <source>The letter could not be read whole.</source>
        <translation>La carta no se pudo leer completa.</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Impresora:</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Cartas</translation>
    </message>
</context>
<context>
    <name>rp::PrintReportDialog</name>
    <message>
        <source>Print Report</source>
        <translation>Imprimir informe</translation>
    </message>
    <message>
        <source>Report Contents</source>
        <translation>Contenido del informe</translation>
    </message>
    <message>
        <source>Report for: %1</source>
        <translation>Informe para: %1</translation>
    </message>
    <message>
        <source>The title printed at the top of every page.</source>
        <translation>El título impreso en la parte superior de cada página.</translation>
    </message>
    <message>
        <source>Report Title</source>
        <translation>Título del informe</translation>
    </message>
    <message>
        <source>The columns of the report and their order.</source>
        <translation>Las columnas del informe y su orden.</translation>
    </message>
    <message>
        <source>Select Report:</source>
        <translation>Seleccionar informe:</translation>
    </message>
    <message>
        <source>Print Memo</source>
        <translation>Imprimir memo</translation>
    </message>
    <message>
        <source>Prints each record&apos;s memo under it, in a shaded band.</source>
        <translation>Imprime el memo de cada registro debajo de él, en una franja sombreada.</translation>
    </message>
    <message>
        <source>Print Codes</source>
        <translation>Imprimir códigos</translation>
    </message>
    <message>
        <source>Prints each record&apos;s codes under it.</source>
        <translation>Imprime los códigos de cada registro debajo de él.</translation>
    </message>
    <message>
        <source>What to print</source>
        <translation>Qué imprimir</translation>
    </message>
    <message>
        <source>All records</source>
        <translation>Todos los registros</translation>
    </message>
    <message>
        <source>Records matching filter</source>
        <translation>Registros que cumplen el filtro</translation>
    </message>
    <message>
        <source>Only current record</source>
        <translation>Solo el registro actual</translation>
    </message>
    <message>
        <source>Every record of the address file.</source>
        <translation>Todos los registros del archivo de direcciones.</translation>
    </message>
    <message>
        <source>The records your filter shows.</source>
        <translation>Los registros que muestra el filtro.</translation>
    </message>
    <message>
        <source>The record you see in the main window.</source>
        <translation>El registro que ve en la ventana principal.</translation>
    </message>
    <message>
        <source>Start from current record</source>
        <translation>Empezar en el registro actual</translation>
    </message>
    <message>
        <source>Begins with the current record instead of the first one.</source>
        <translation>Empieza por el registro actual en lugar del primero.</translation>
    </message>
    <message>
        <source>Print Now</source>
        <translation>Imprimir ahora</translation>
    </message>
    <message>
        <source>Prints the report.</source>
        <translation>Imprime el informe.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Shows the report on screen first.</source>
        <translation>Muestra primero el informe en pantalla.</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configurar impresora</translation>
    </message>
    <message>
        <source>Chooses the printer&apos;s settings.</source>
        <translation>Elige los ajustes de la impresora.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Closes this window, keeping the title.</source>
        <translation>Cierra esta ventana y conserva el título.</translation>
    </message>
    <message>
        <source>Report layouts</source>
        <translation>Diseños de informe</translation>
    </message>
</context>
<context>
    <name>rp::PrintStatusDialog</name>
    <message>
        <source>Preview Status</source>
        <translation>Estado de la vista previa</translation>
    </message>
    <message>
        <source>Print Status</source>
        <translation>Estado de la impresión</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stops the preview; the pages made so far are shown.</source>
        <translation>Detiene la vista previa; se muestran las páginas generadas hasta ahora.</translation>
    </message>
    <message>
        <source>Stops printing after asking.</source>
        <translation>Detiene la impresión tras preguntar.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Closes this window.</source>
        <translation>Cierra esta ventana.</translation>
    </message>
    <message>
        <source>Printing Page %p<byte value="xd"/>%0<byte value="xd"/>%1</source>
        <translation>Imprimiendo la página %p<byte value="xd"/>%0<byte value="xd"/>%1</translation>
    </message>
</context>
<context>
    <name>rp::RebuildIndexesDialog</name>
    <message>
        <source>Rebuild indexes for %1</source>
        <translation>Reconstruir índices de %1</translation>
    </message>
    <message>
        <source>How far the rebuilding of the address file has come.</source>
        <translation>Hasta dónde ha llegado la reconstrucción del archivo de direcciones.</translation>
    </message>
    <message>
        <source>What is being rebuilt.</source>
        <translation>Lo que se está reconstruyendo.</translation>
    </message>
    <message>
        <source>Reindex</source>
        <translation>Reindexar</translation>
    </message>
    <message>
        <source>Removes the deleted records from the address file for good and builds the indexes of the address file and of the program&apos;s own tables afresh.</source>
        <translation>Quita definitivamente los registros eliminados del archivo de direcciones y vuelve a crear los índices del archivo de direcciones y de las tablas propias del programa.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Closes the window and leaves the files as they are.</source>
        <translation>Cierra la ventana y deja los archivos como están.</translation>
    </message>
</context>
<context>
    <name>rp::RecordEditor</name>
    <message>
        <source>This record is being changed by another user. Try again later.</source>
        <translation>Otro usuario está cambiando este registro. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>This record was changed by another user.</source>
        <translation>Otro usuario ha cambiado este registro.</translation>
    </message>
    <message>
        <source>%1 is not a valid date</source>
        <translation>%1 no es una fecha válida</translation>
    </message>
    <message>
        <source>Delete this record?</source>
        <translation>¿Eliminar este registro?</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>¿Guardar los cambios?</translation>
    </message>
    <message>
        <source>Cancel changes?</source>
        <translation>¿Cancelar los cambios?</translation>
    </message>
</context>
<context>
    <name>rp::RecordPage</name>
    <message>
        <source>Last</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>MI</source>
        <translation>Inic.</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Tratamiento</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Org</source>
        <translation>Org.</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>State or Prov</source>
        <translation>Estado o prov.</translation>
    </message>
    <message>
        <source>Zip or Postal</source>
        <translation>ZIP o postal</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Dial</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Codes</source>
        <translation>Códigos</translation>
    </message>
    <message>
        <source>The last name; the Last Name order sorts by it and then by the first name.</source>
        <translation>El apellido; el orden Apellido ordena por él y después por el nombre.</translation>
    </message>
    <message>
        <source>The first name.</source>
        <translation>El nombre.</translation>
    </message>
    <message>
        <source>The middle initial, in capitals.</source>
        <translation>La inicial del segundo nombre, en mayúscula.</translation>
    </message>
    <message>
        <source>The salutation prefix, such as Mr. or Ms.</source>
        <translation>El tratamiento que precede al nombre, como Sr. o Sra.</translation>
    </message>
    <message>
        <source>The job title.</source>
        <translation>El cargo.</translation>
    </message>
    <message>
        <source>The organisation or company line of the address.</source>
        <translation>La línea de organización o empresa de la dirección.</translation>
    </message>
    <message>
        <source>The street line of the address.</source>
        <translation>La línea de calle de la dirección.</translation>
    </message>
    <message>
        <source>The city.</source>
        <translation>La ciudad.</translation>
    </message>
    <message>
        <source>The state or province.</source>
        <translation>El estado o provincia.</translation>
    </message>
    <message>
        <source>The ZIP or postal code.</source>
        <translation>El código ZIP o postal.</translation>
    </message>
    <message>
        <source>The country; a new record may get the default country of the preferences.</source>
        <translation>El país; un registro nuevo puede recibir el país predeterminado de las preferencias.</translation>
    </message>
    <message>
        <source>A date kept for this person, typed in the date format shown beside it.</source>
        <translation>Una fecha guardada para esta persona, escrita en el formato de fecha que se muestra al lado.</translation>
    </message>
    <message>
        <source>The telephone number.</source>
        <translation>El número de teléfono.</translation>
    </message>
    <message>
        <source>The fax number.</source>
        <translation>El número de fax.</translation>
    </message>
    <message>
        <source>The e-mail address.</source>
        <translation>La dirección de correo electrónico.</translation>
    </message>
    <message>
        <source>Your selection codes; the filter can pick records by them.</source>
        <translation>Sus códigos de selección; el filtro puede elegir registros por ellos.</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Memo</translation>
    </message>
    <message>
        <source>Free notes of any length. Typing here starts editing the record.</source>
        <translation>Notas libres de cualquier longitud. Al escribir aquí se empieza a editar el registro.</translation>
    </message>
    <message>
        <source>Searc&amp;h</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Search Memo</source>
        <translation>Buscar en memo</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Buscar siguiente</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation>Registro anterior</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Registro siguiente</translation>
    </message>
    <message>
        <source>Deleted by another user</source>
        <translation>Eliminado por otro usuario</translation>
    </message>
    <message>
        <source>Please Open or Create a Ravenpost file</source>
        <translation>Abra o cree un archivo de Ravenpost</translation>
    </message>
    <message>
        <source>Letters the address file cannot hold were written in their closest spelling.</source>
        <translation>Las letras que el archivo de direcciones no puede contener se escribieron con su grafía más parecida.</translation>
    </message>
</context>
<context>
    <name>rp::ReturnAddressDialog</name>
    <message>
        <source>Return Address</source>
        <translation>Remite</translation>
    </message>
    <message>
        <source>The lines of the return address, one per line; the first five are printed.</source>
        <translation>Las líneas del remite, una por línea; se imprimen las cinco primeras.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Uses these lines as the return address.</source>
        <translation>Usa estas líneas como remite.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Closes without changing the return address.</source>
        <translation>Cierra sin cambiar el remite.</translation>
    </message>
    <message>
        <source>Return address lines</source>
        <translation>Líneas del remite</translation>
    </message>
</context>
<context>
    <name>rp::SearchPromptDialog</name>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Search for %1</source>
        <translation>Buscar %1</translation>
    </message>
    <message>
        <source>The beginning of what you look for, in any letter case. The search goes to the first record in the current order that begins with it.</source>
        <translation>El comienzo de lo que busca, sin distinguir mayúsculas y minúsculas. La búsqueda va al primer registro del orden actual que empieza por ello.</translation>
    </message>
    <message>
        <source>Memo Search</source>
        <translation>Búsqueda en memos</translation>
    </message>
    <message>
        <source>Search For</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>A word or phrase to find anywhere in the memos, in any letter case. Find Next goes on to the next record that holds it.</source>
        <translation>Una palabra o frase que buscar en cualquier parte de los memos, sin distinguir mayúsculas y minúsculas. Buscar siguiente pasa al siguiente registro que la contiene.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>rp::SearchReplaceDialog</name>
    <message>
        <source>Search and Replace</source>
        <translation>Buscar y reemplazar</translation>
    </message>
    <message>
        <source>Replacing Records </source>
        <translation>Reemplazando registros </translation>
    </message>
    <message>
        <source>Replace Now</source>
        <translation>Reemplazar ahora</translation>
    </message>
    <message>
        <source>Describes the change and, once you agree, makes it in every record chosen.</source>
        <translation>Describe el cambio y, cuando usted lo acepta, lo aplica en todos los registros elegidos.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Closes this window without changing any record.</source>
        <translation>Cierra esta ventana sin cambiar ningún registro.</translation>
    </message>
    <message>
        <source>Search for field:</source>
        <translation>Buscar en el campo:</translation>
    </message>
    <message>
        <source>The field whose values are searched and replaced.</source>
        <translation>El campo cuyos valores se buscan y reemplazan.</translation>
    </message>
    <message>
        <source>Where the field value:</source>
        <translation>Donde el valor del campo:</translation>
    </message>
    <message>
        <source>Is exactly equal to  (leave empty for blank)</source>
        <translation>Es exactamente igual a  (vacío para buscar en blanco)</translation>
    </message>
    <message>
        <source>Records whose field holds the value and nothing else; with an empty value, records whose field is empty.</source>
        <translation>Registros cuyo campo contiene el valor y nada más; con un valor vacío, registros cuyo campo está vacío.</translation>
    </message>
    <message>
        <source>Contains</source>
        <translation>Contiene</translation>
    </message>
    <message>
        <source>Records whose field holds the value anywhere.</source>
        <translation>Registros cuyo campo contiene el valor en cualquier parte.</translation>
    </message>
    <message>
        <source>The value to look for. Leave it empty to find records whose field is empty.</source>
        <translation>El valor que buscar. Déjelo vacío para encontrar registros cuyo campo está vacío.</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Distinguir mayúsculas</translation>
    </message>
    <message>
        <source>When ticked, capitals and small letters must match as typed.</source>
        <translation>Si está marcado, las mayúsculas y minúsculas deben coincidir tal como se escriben.</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Valor:</translation>
    </message>
    <message>
        <source>And do this action:</source>
        <translation>Y realizar esta acción:</translation>
    </message>
    <message>
        <source>Replace the whole field with</source>
        <translation>Reemplazar el campo entero por</translation>
    </message>
    <message>
        <source>The field of each record found gets the new value; an empty value empties it.</source>
        <translation>El campo de cada registro encontrado recibe el nuevo valor; un valor vacío lo vacía.</translation>
    </message>
    <message>
        <source>Replace only the matching text with</source>
        <translation>Reemplazar solo el texto coincidente por</translation>
    </message>
    <message>
        <source>Each occurrence of the value looked for is replaced; the rest of the field stays. A record whose field would grow wider than the field is left as it is.</source>
        <translation>Se reemplaza cada aparición del valor buscado; el resto del campo se mantiene. Un registro cuyo campo quedaría más largo que el campo se deja como está.</translation>
    </message>
    <message>
        <source>The new text. Leave it empty to delete.</source>
        <translation>El texto nuevo. Déjelo vacío para eliminar.</translation>
    </message>
    <message>
        <source>Using:</source>
        <translation>Usando:</translation>
    </message>
    <message>
        <source>All Records</source>
        <translation>Todos los registros</translation>
    </message>
    <message>
        <source>Every record of the file.</source>
        <translation>Todos los registros del archivo.</translation>
    </message>
    <message>
        <source>Records matching current Filter</source>
        <translation>Registros que cumplen el filtro actual</translation>
    </message>
    <message>
        <source>Only the records of the filter set on the Filter page.</source>
        <translation>Solo los registros del filtro establecido en la página Filtro.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message numerus="yes">
        <source>Replaced %n records</source>
        <translation>
            <numerusform>%n registro reemplazado</numerusform>
            <numerusform>%n registros reemplazados</numerusform>
        </translation>
    </message>
    <message>
        <source>Replacement done</source>
        <translation>Reemplazo terminado</translation>
    </message>
    <message>
        <source>LastName</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>FirstName</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Middle Initial</source>
        <translation>Inicial del 2.º nombre</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organización</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>ZIP</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Codes</source>
        <translation>Códigos</translation>
    </message>
</context>
<context>
    <name>rp::SelectEnvelopeSizeDialog</name>
    <message>
        <source>Select Envelope Size</source>
        <translation>Seleccionar tamaño de sobre</translation>
    </message>
    <message>
        <source>The envelope sizes. Choose one and press OK.</source>
        <translation>Los tamaños de sobre. Elija uno y pulse Aceptar.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Adds an envelope size of your own.</source>
        <translation>Añade un tamaño de sobre propio.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Changes an envelope size you added.</source>
        <translation>Cambia un tamaño de sobre que usted añadió.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Deletes an envelope size you added.</source>
        <translation>Elimina un tamaño de sobre que usted añadió.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Takes the selected envelope size.</source>
        <translation>Usa el tamaño de sobre seleccionado.</translation>
    </message>
    <message>
        <source>Envelope sizes</source>
        <translation>Tamaños de sobre</translation>
    </message>
</context>
<context>
    <name>rp::SelectLabelStockDialog</name>
    <message>
        <source>Select Label Definition</source>
        <translation>Seleccionar definición de etiqueta</translation>
    </message>
    <message>
        <source>Laser or Inkjet</source>
        <translation>Láser o inyección</translation>
    </message>
    <message>
        <source>Dot Matrix</source>
        <translation>Matricial</translation>
    </message>
    <message>
        <source>Lists the label sheets for laser and inkjet printers.</source>
        <translation>Muestra las hojas de etiquetas para impresoras láser y de inyección de tinta.</translation>
    </message>
    <message>
        <source>Lists the continuous labels for dot matrix printers.</source>
        <translation>Muestra las etiquetas continuas para impresoras matriciales.</translation>
    </message>
    <message>
        <source>The label stocks; choose one and press OK.</source>
        <translation>Los modelos de etiqueta; elija uno y pulse Aceptar.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Find More Products…</source>
        <translation>Buscar más productos…</translation>
    </message>
    <message>
        <source>Import Label Products…</source>
        <translation>Importar productos de etiquetas…</translation>
    </message>
    <message>
        <source>Lists the label products of the label template files on this computer and adds the one you choose.</source>
        <translation>Muestra los productos de etiquetas de los archivos de plantillas de etiquetas de este equipo y añade el que usted elija.</translation>
    </message>
    <message>
        <source>Lists the label products of a label template file you pick and adds the one you choose.</source>
        <translation>Muestra los productos de etiquetas de un archivo de plantillas de etiquetas que usted indique y añade el que elija.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Adds a label stock, starting from the one chosen.</source>
        <translation>Añade un modelo de etiqueta a partir del elegido.</translation>
    </message>
    <message>
        <source>Changes the chosen label stock.</source>
        <translation>Cambia el modelo de etiqueta elegido.</translation>
    </message>
    <message>
        <source>Removes the chosen label stock from the list.</source>
        <translation>Quita de la lista el modelo de etiqueta elegido.</translation>
    </message>
    <message>
        <source>Uses the chosen label stock.</source>
        <translation>Usa el modelo de etiqueta elegido.</translation>
    </message>
    <message>
        <source>Closes this window and keeps the label stock as it was.</source>
        <translation>Cierra esta ventana y deja el modelo de etiqueta como estaba.</translation>
    </message>
    <message>
        <source>This is a predefined Avery label.<byte value="xd"/>Changing it may result in incorrect output.<byte value="xd"/>Are you sure you wish to modify it?</source>
        <translation>Esta es una etiqueta Avery predefinida.<byte value="xd"/>Cambiarla puede dar una salida incorrecta.<byte value="xd"/>¿Seguro que desea modificarla?</translation>
    </message>
    <message>
        <source>Edit Label Definition</source>
        <translation>Editar definición de etiqueta</translation>
    </message>
    <message>
        <source>Are you sure you wish to delete this label?</source>
        <translation>¿Seguro que desea eliminar esta etiqueta?</translation>
    </message>
    <message>
        <source>This is a predefined Avery label. Are you sure you wish to delete it?</source>
        <translation>Esta es una etiqueta Avery predefinida. ¿Seguro que desea eliminarla?</translation>
    </message>
    <message>
        <source>Import Label Products</source>
        <translation>Importar productos de etiquetas</translation>
    </message>
    <message>
        <source>Label Template Files|*.xml *.template</source>
        <translation>Archivos de plantillas de etiquetas|*.xml *.template</translation>
    </message>
    <message>
        <source>Some label template files could not be read.</source>
        <translation>Algunos archivos de plantillas de etiquetas no se pudieron leer.</translation>
    </message>
    <message>
        <source>Label stocks</source>
        <translation>Modelos de etiqueta</translation>
    </message>
</context>
<context>
    <name>rp::StartScreen</name>
    <message>
        <source>About Ravenpost</source>
        <translation>Acerca de Ravenpost</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>rp::StateZipCheckDialog</name>
    <message>
        <source>Check State and Zip  Codes</source>
        <translation>Comprobar estados y códigos ZIP</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Closes the window.</source>
        <translation>Cierra la ventana.</translation>
    </message>
    <message>
        <source>Edit State/Province File</source>
        <translation>Editar archivo de estados/provincias</translation>
    </message>
    <message>
        <source>Shows the State/Province file for editing; click again to stop editing it.</source>
        <translation>Muestra el archivo de estados/provincias para editarlo; vuelva a hacer clic para dejar de editarlo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stops the check after the record in hand.</source>
        <translation>Detiene la comprobación después del registro en curso.</translation>
    </message>
    <message>
        <source>Check For State/Province  &amp; Zipcode/Postal Code Anomolies</source>
        <translation>Buscar anomalías de estado/provincia &amp; código ZIP/postal</translation>
    </message>
    <message>
        <source>A check will be performed by comparing the records in the file against the State/Province file, which contains a list of State/Zip Province/Postcode combinations. This file may be edited or added bo by clicking the &apos;Edit State/Province File&apos; button below.</source>
        <translation>Se realizará una comprobación comparando los registros del archivo con el archivo de estados/provincias, que contiene una lista de combinaciones de estado/ZIP y provincia/código postal. Puede editar este archivo o añadirle datos haciendo clic en el botón &apos;Editar archivo de estados/provincias&apos; de abajo.</translation>
    </message>
    <message>
        <source>Include records with blank State/Province or Zip/Postcode entries?</source>
        <translation>¿Incluir registros con estado/provincia o código ZIP/postal en blanco?</translation>
    </message>
    <message>
        <source>Ticked: records with an empty state or ZIP are checked too.</source>
        <translation>Marcado: también se comprueban los registros con estado o ZIP vacío.</translation>
    </message>
    <message>
        <source>Perform Check Now</source>
        <translation>Comprobar ahora</translation>
    </message>
    <message>
        <source>Checks every record of the file against the State/Province file.</source>
        <translation>Comprueba todos los registros del archivo con el archivo de estados/provincias.</translation>
    </message>
    <message>
        <source>These records have questionable state/zip or province/postcode combinations. You may edit the contents to make changes. When you are done, press the Close button.</source>
        <translation>Estos registros tienen combinaciones dudosas de estado/ZIP o provincia/código postal. Puede editar su contenido para hacer cambios. Cuando termine, pulse el botón Cerrar.</translation>
    </message>
    <message>
        <source>The records found by the check, by last and first name. Changes go into the records themselves.</source>
        <translation>Los registros encontrados por la comprobación, por apellido y nombre. Los cambios se guardan en los propios registros.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Starts editing the current record.</source>
        <translation>Empieza a editar el registro actual.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Keeps the changes to the record.</source>
        <translation>Guarda los cambios del registro.</translation>
    </message>
    <message>
        <source>Discards the changes to the record.</source>
        <translation>Descarta los cambios del registro.</translation>
    </message>
    <message>
        <source>Make changes to the State/Province file to best reflect your country</source>
        <translation>Modifique el archivo de estados/provincias para que refleje mejor su país</translation>
    </message>
    <message>
        <source>Click on field to begin editing</source>
        <translation>Haga clic en un campo para empezar a editar</translation>
    </message>
    <message>
        <source>The State/Province file: one range of ZIP or postal codes per row. Click a field to change it; Insert adds a row at the end.</source>
        <translation>El archivo de estados/provincias: un intervalo de códigos ZIP o postales por fila. Haga clic en un campo para cambiarlo; Insert añade una fila al final.</translation>
    </message>
    <message>
        <source>Unable to open RVPSZCK.DBF</source>
        <translation>No se puede abrir RVPSZCK.DBF</translation>
    </message>
    <message numerus="yes">
        <source>Found %n records with questionable state or zipcodes</source>
        <translation>
            <numerusform>Se encontró %n registro con estado o código ZIP dudoso</numerusform>
            <numerusform>Se encontraron %n registros con estado o código ZIP dudoso</numerusform>
        </translation>
    </message>
    <message>
        <source>Zip/Postal Code</source>
        <translation>Código ZIP/postal</translation>
    </message>
    <message>
        <source>State/Province</source>
        <translation>Estado/Provincia</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Apellido</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Organization</source>
        <translation>Organización</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>Dirección (calle)</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Cancel operation?</source>
        <translation>¿Cancelar la operación?</translation>
    </message>
    <message>
        <source>State or Province</source>
        <translation>Estado o provincia</translation>
    </message>
    <message>
        <source>Abbreviation</source>
        <translation>Abreviatura</translation>
    </message>
    <message>
        <source>Starting Zip/Post</source>
        <translation>ZIP/postal inicial</translation>
    </message>
    <message>
        <source>Ending Zip/Post</source>
        <translation>ZIP/postal final</translation>
    </message>
    <message>
        <source>Stop Editing</source>
        <translation>Dejar de editar</translation>
    </message>
    <message>
        <source>Records found</source>
        <translation>Registros encontrados</translation>
    </message>
    <message>
        <source>State/Province ZIP ranges</source>
        <translation>Rangos de códigos ZIP por estado/provincia</translation>
    </message>
</context>
<context>
    <name>rp::VcardImportDialog</name>
    <message>
        <source>vCard File Import</source>
        <translation>Importar archivo vCard</translation>
    </message>
    <message>
        <source>Select vCard File</source>
        <translation>Seleccionar archivo vCard</translation>
    </message>
    <message>
        <source>The vCard file the records are imported from.</source>
        <translation>El archivo vCard del que se importan los registros.</translation>
    </message>
    <message>
        <source>Chooses the vCard file (.vcf) of a contacts app or mail program and reads its cards.</source>
        <translation>Elige el archivo vCard (.vcf) de una aplicación de contactos o programa de correo y lee sus tarjetas.</translation>
    </message>
    <message>
        <source>Adds a record for every card of the file, then rebuilds the indexes.</source>
        <translation>Añade un registro por cada tarjeta del archivo y después reconstruye los índices.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>vCard files|*.VCF|All files|*.*</source>
        <translation>Archivos vCard|*.VCF|Todos los archivos|*.*</translation>
    </message>
    <message>
        <source>Unable to import from this file</source>
        <translation>No se puede importar desde este archivo</translation>
    </message>
    <message numerus="yes">
        <source>Cards in the file: %n.</source>
        <translation>
            <numerusform>Tarjetas en el archivo: %n.</numerusform>
            <numerusform>Tarjetas en el archivo: %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rp::WhatsThisMenu</name>
    <message>
        <source>What&apos;s this?</source>
        <translation>¿Qué es esto?</translation>
    </message>
</context>
<context>
    <name>rp::ZipCountDialog</name>
    <message>
        <source>Count Zip Codes</source>
        <translation>Contar códigos ZIP</translation>
    </message>
    <message>
        <source>Counting the number of occurrences of each zip code:</source>
        <translation>Contando las apariciones de cada código ZIP:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stops the count; nothing is printed.</source>
        <translation>Detiene el recuento; no se imprime nada.</translation>
    </message>
    <message>
        <source>Cancel Count?</source>
        <translation>¿Cancelar el recuento?</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impresión</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Prints the count of each ZIP code, four columns to a page.</source>
        <translation>Imprime el recuento de cada código ZIP, a cuatro columnas por página.</translation>
    </message>
    <message>
        <source>Shows the report on the screen before printing.</source>
        <translation>Muestra el informe en pantalla antes de imprimirlo.</translation>
    </message>
    <message>
        <source>Chooses the printer and its paper.</source>
        <translation>Elige la impresora y su papel.</translation>
    </message>
    <message>
        <source>Closes this window.</source>
        <translation>Cierra esta ventana.</translation>
    </message>
    <message>
        <source>Finished counting. Press Print or Preview for the report</source>
        <translation>Recuento terminado. Pulse Imprimir o Vista previa para obtener el informe</translation>
    </message>
</context>
</TS>
