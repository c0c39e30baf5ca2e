<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>IDList</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
</context>
<context>
    <name>MeasCmds</name>
    <message>
        <source>Solar Rotation Data Files</source>
        <translation>Archivos de datos de rotación solar</translation>
    </message>
    <message>
        <source>Save Solar Rotation Measurement Data</source>
        <translation>Guardar los datos de medición de la rotación solar</translation>
    </message>
    <message>
        <source>Load Solar Rotation Measurement Data</source>
        <translation>Cargar los datos de medición de la rotación solar</translation>
    </message>
    <message>
        <source>Replace Existing File?</source>
        <translation>¿Reemplazar el archivo existente?</translation>
    </message>
    <message>
        <source>%1 Already Exists!<byte value="xd"/>
<byte value="xd"/>
Do You Want to Overwrite It?</source>
        <translation>¡%1 ya existe!<byte value="xd"/>
<byte value="xd"/>
¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>Data File Not Written</source>
        <translation>Archivo de datos no escrito</translation>
    </message>
    <message>
        <source>Unable to write the measurement data to %1:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
An earlier file of that name is unchanged, and your measurements are still in the program. Please try another folder or file name.</source>
        <translation>No se pudieron escribir los datos de medición en %1:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Un archivo anterior con ese nombre no ha cambiado y sus mediciones siguen en el programa. Pruebe con otra carpeta u otro nombre de archivo.</translation>
    </message>
    <message>
        <source>Data File Written</source>
        <translation>Archivo de datos escrito</translation>
    </message>
    <message>
        <source>Measurement Data Written to %1.</source>
        <translation>Datos de medición escritos en %1.</translation>
    </message>
    <message>
        <source>Data Will Be Lost!</source>
        <translation>¡Se perderán los datos!</translation>
    </message>
    <message>
        <source>You have not saved your measurement data!<byte value="xd"/>
<byte value="xd"/>
Do you want to save it now?</source>
        <translation>¡No ha guardado sus datos de medición!<byte value="xd"/>
<byte value="xd"/>
¿Desea guardarlos ahora?</translation>
    </message>
    <message>
        <source>Data Cleared</source>
        <translation>Datos borrados</translation>
    </message>
    <message>
        <source>Measurement data cleared.</source>
        <translation>Datos de medición borrados.</translation>
    </message>
    <message>
        <source>File Not Found!</source>
        <translation>¡Archivo no encontrado!</translation>
    </message>
    <message>
        <source>Unable to Load %1!</source>
        <translation>¡No se pudo cargar %1!</translation>
    </message>
    <message>
        <source>Merge with current data?</source>
        <translation>¿Combinar con los datos actuales?</translation>
    </message>
    <message>
        <source>Do you want to merge the file data with your current data?</source>
        <translation>¿Desea combinar los datos del archivo con sus datos actuales?</translation>
    </message>
    <message>
        <source>Are You Sure?</source>
        <translation>¿Está seguro?</translation>
    </message>
    <message>
        <source>Unsaved data will be lost!</source>
        <translation>¡Se perderán los datos no guardados!</translation>
    </message>
    <message>
        <source>Data File Not Loaded</source>
        <translation>Archivo de datos no cargado</translation>
    </message>
    <message>
        <source>Unable to load measurement data from %1:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
Nothing was loaded; your current measurement data are unchanged.</source>
        <translation>No se pudieron cargar los datos de medición de %1:<byte value="xd"/>
%2<byte value="xd"/>
<byte value="xd"/>
No se cargó nada; sus datos de medición actuales no han cambiado.</translation>
    </message>
    <message>
        <source>Measurement Data from %1<byte value="xd"/>
 merged with current data.</source>
        <translation>Datos de medición de %1<byte value="xd"/>
 combinados con los datos actuales.</translation>
    </message>
    <message>
        <source>Measurement Data loaded from %1.<byte value="xd"/>
<byte value="xd"/>
Existing data overwritten!</source>
        <translation>Datos de medición cargados de %1.<byte value="xd"/>
<byte value="xd"/>
¡Se sobrescribieron los datos existentes!</translation>
    </message>
    <message>
        <source>Measurement Data loaded from %1.</source>
        <translation>Datos de medición cargados de %1.</translation>
    </message>
    <message>
        <source>Data File Loaded</source>
        <translation>Archivo de datos cargado</translation>
    </message>
</context>
<context>
    <name>MeasData</name>
    <message>
        <source>a pixel column that is not a number</source>
        <translation>una columna de píxel que no es un número</translation>
    </message>
    <message>
        <source>a pixel row that is not a number</source>
        <translation>una fila de píxel que no es un número</translation>
    </message>
    <message>
        <source>a x offset that is not a number</source>
        <translation>un desplazamiento x que no es un número</translation>
    </message>
    <message>
        <source>a y offset that is not a number</source>
        <translation>un desplazamiento y que no es un número</translation>
    </message>
    <message>
        <source>a x in solar radii that is not a number</source>
        <translation>una x en radios solares que no es un número</translation>
    </message>
    <message>
        <source>a y in solar radii that is not a number</source>
        <translation>una y en radios solares que no es un número</translation>
    </message>
    <message>
        <source>a longitude that is not a number</source>
        <translation>una longitud que no es un número</translation>
    </message>
    <message>
        <source>a latitude that is not a number</source>
        <translation>una latitud que no es un número</translation>
    </message>
    <message>
        <source>The file is %1 bytes long, which is not a whole number of 93-byte measurement records.<byte value="xd"/>
It is not a measurement data file, or it is damaged.</source>
        <translation>El archivo tiene %1 bytes, que no es un número entero de registros de medición de 93 bytes.<byte value="xd"/>
No es un archivo de datos de medición o está dañado.</translation>
    </message>
    <message>
        <source>a spot identifier longer than 3 characters</source>
        <translation>un identificador de la mancha de más de 3 caracteres</translation>
    </message>
    <message>
        <source>an unknown measurement unit (%1)</source>
        <translation>una unidad de medida desconocida (%1)</translation>
    </message>
    <message>
        <source>an image time that is not a number</source>
        <translation>una hora de imagen que no es un número</translation>
    </message>
    <message>
        <source>Record %1 has %2.</source>
        <translation>El registro %1 tiene %2.</translation>
    </message>
    <message>
        <source>%1 of its %2 records is not valid measurements:</source>
        <translation>%1 de sus %2 registros no es una medición válida:</translation>
    </message>
    <message>
        <source>%1 of its %2 records are not valid measurements:</source>
        <translation>%1 de sus %2 registros no son mediciones válidas:</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>Recovered Measurements</source>
        <translation>Mediciones recuperadas</translation>
    </message>
    <message>
        <source>Measurements kept when the program ended unexpectedly cannot be read.<byte value="xd"/>
<byte value="xd"/>
File Name: %1<byte value="xd"/>
%2</source>
        <translation>No se pueden leer las mediciones guardadas cuando el programa terminó inesperadamente.<byte value="xd"/>
<byte value="xd"/>
Nombre del archivo: %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The program ended unexpectedly while %1 measurement of this user had not been saved. They were kept.<byte value="xd"/>
<byte value="xd"/>
Do you want to add them to your measurements now?<byte value="xd"/>
(No keeps them in %2 for Load Data.)</source>
        <translation>El programa terminó inesperadamente cuando %1 medición de este usuario no se había guardado. Se ha conservado.<byte value="xd"/>
<byte value="xd"/>
¿Desea añadirla ahora a sus mediciones?<byte value="xd"/>
(No la conserva en %2 para «Cargar datos».)</translation>
    </message>
    <message>
        <source>The program ended unexpectedly while %1 measurements of this user had not been saved. They were kept.<byte value="xd"/>
<byte value="xd"/>
Do you want to add them to your measurements now?<byte value="xd"/>
(No keeps them in %2 for Load Data.)</source>
        <translation>El programa terminó inesperadamente cuando %1 mediciones de este usuario no se habían guardado. Se han conservado.<byte value="xd"/>
<byte value="xd"/>
¿Desea añadirlas ahora a sus mediciones?<byte value="xd"/>
(No las conserva en %2 para «Cargar datos».)</translation>
    </message>
</context>
<context>
    <name>solar::TDataListForm1</name>
    <message>
        <source>Sunspot Position Measurements</source>
        <translation>Mediciones de la posición de las manchas solares</translation>
    </message>
    <message>
        <source>Edit Selected Measurement...</source>
        <translation>Editar la medición seleccionada...</translation>
    </message>
    <message>
        <source>Delete Selected Measurement</source>
        <translation>Eliminar la medición seleccionada</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Delete Highlighted Entry from List?</source>
        <translation>¿Eliminar de la lista la entrada resaltada?</translation>
    </message>
    <message>
        <source>Save Report in .CSV File for Spreadsheet?</source>
        <translation>¿Guardar el informe en un archivo .CSV para hoja de cálculo?</translation>
    </message>
    <message>
        <source>Comma-Delimited Text  (*.CSV) </source>
        <translation>Texto delimitado por comas  (*.CSV) </translation>
    </message>
    <message>
        <source>CSV File Written</source>
        <translation>Archivo CSV escrito</translation>
    </message>
    <message>
        <source>Spreadsheet File (.CSV) Written to %1.</source>
        <translation>Archivo de hoja de cálculo (.CSV) escrito en %1.</translation>
    </message>
    <message>
        <source>File Error!</source>
        <translation>¡Error de archivo!</translation>
    </message>
    <message>
        <source>Unable to Write Spreadsheet File!<byte value="xd"/>
<byte value="xd"/>
File Name: %1<byte value="xd"/>
%2</source>
        <translation>¡No se pudo escribir el archivo de hoja de cálculo!<byte value="xd"/>
<byte value="xd"/>
Nombre del archivo: %1<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>solar::TEditDataForm1</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Heliographic Coordinates</source>
        <translation>Coordenadas heliográficas</translation>
    </message>
    <message>
        <source>Longitude is &quot;apparent&quot;, measured from image center.</source>
        <translation>La longitud es «aparente», medida desde el centro de la imagen.</translation>
    </message>
    <message>
        <source>No Spot ID!</source>
        <translation>¡Sin identificador de la mancha!</translation>
    </message>
    <message>
        <source>Please enter a valid ID for the spot.</source>
        <translation>Introduzca un identificador válido para la mancha.</translation>
    </message>
    <message>
        <source>ID Already Used!</source>
        <translation>¡Identificador ya usado!</translation>
    </message>
    <message>
        <source>Please enter an unused ID for the spot.</source>
        <translation>Introduzca un identificador no usado para la mancha.</translation>
    </message>
</context>
<context>
    <name>solar::TIDListForm1</name>
    <message>
        <source>Sunspot IDs</source>
        <translation>Identificadores de las manchas solares</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>Load &amp;Selection</source>
        <translation>Cargar la &amp;selección</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Each spot with its first and last image time; Enter loads the selected spot.</source>
        <translation>Cada mancha con la hora de su primera y su última imagen; Intro carga la mancha seleccionada.</translation>
    </message>
</context>
<context>
    <name>solar::TMeasDataForm1</name>
    <message>
        <source>Sunspot Measurement Data</source>
        <translation>Datos de medición de manchas solares</translation>
    </message>
    <message>
        <source>Heliographic Coordinates</source>
        <translation>Coordenadas heliográficas</translation>
    </message>
    <message>
        <source>Unit is Degrees</source>
        <translation>La unidad es el grado</translation>
    </message>
    <message>
        <source>Longitude is &quot;Apparent&quot;, measured from image center.</source>
        <translation>La longitud es «aparente», medida desde el centro de la imagen.</translation>
    </message>
    <message>
        <source>Spot ID:</source>
        <translation>Identificador:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>UT:</source>
        <translation>TU:</translation>
    </message>
    <message>
        <source>Long:</source>
        <translation>Long.:</translation>
    </message>
    <message>
        <source>Lat:</source>
        <translation>Lat.:</translation>
    </message>
    <message>
        <source>Spot ID</source>
        <translation>Identificador de la mancha</translation>
    </message>
    <message>
        <source>Identifier of the measured spot, up to three characters; Enter records it.</source>
        <translation>Identificador de la mancha medida, hasta tres caracteres; Intro lo registra.</translation>
    </message>
    <message>
        <source>Image date</source>
        <translation>Fecha de la imagen</translation>
    </message>
    <message>
        <source>Image time (UT)</source>
        <translation>Hora de la imagen (TU)</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Registrar</translation>
    </message>
    <message>
        <source>&amp;Finished</source>
        <translation>&amp;Terminado</translation>
    </message>
    <message>
        <source>Position of Spot Relative to Image Center</source>
        <translation>Posición de la mancha respecto al centro de la imagen</translation>
    </message>
    <message>
        <source>Unit is Pixels</source>
        <translation>La unidad es el píxel</translation>
    </message>
    <message>
        <source>Unit is Solar Radius</source>
        <translation>La unidad es el radio solar</translation>
    </message>
    <message>
        <source>wrt image center line</source>
        <translation>respecto a la línea central de la imagen</translation>
    </message>
    <message>
        <source>Heliographic, apparent longitude measured from the image center line. </source>
        <translation>Heliográfica, longitud aparente medida desde la línea central de la imagen. </translation>
    </message>
    <message>
        <source>Position of the spot relative to the image center. </source>
        <translation>Posición de la mancha respecto al centro de la imagen. </translation>
    </message>
    <message>
        <source>No Spot ID!</source>
        <translation>¡Sin identificador de la mancha!</translation>
    </message>
    <message>
        <source>Please enter an ID for the spot you just measured.</source>
        <translation>Introduzca un identificador para la mancha que acaba de medir.</translation>
    </message>
    <message>
        <source>ID Already Used!</source>
        <translation>¡Identificador ya usado!</translation>
    </message>
    <message>
        <source>Please enter an unused ID for the spot you just measured.</source>
        <translation>Introduzca un identificador no usado para la mancha que acaba de medir.</translation>
    </message>
</context>
</TS>
