<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ImportImg</name>
    <message>
        <source>no observation date and time in the header (DATE-OBS, TIME-OBS or T_OBS)</source>
        <translation>el encabezado no tiene fecha ni hora de observación (DATE-OBS, TIME-OBS o T_OBS)</translation>
    </message>
    <message>
        <source>the observation year %1 is outside 1951-2050, which the image names can hold</source>
        <translation>el año de observación %1 está fuera de 1951-2050, el intervalo que admiten los nombres de las imágenes</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>not a readable FITS file (%1)</source>
        <translation>no es un archivo FITS legible (%1)</translation>
    </message>
    <message>
        <source>damaged FITS file (%1)</source>
        <translation>archivo FITS dañado (%1)</translation>
    </message>
    <message>
        <source>the file is cut short or damaged inside an extension header (%1 bytes after the last complete header and data unit)</source>
        <translation>el archivo está truncado o dañado dentro de un encabezado de extensión (%1 bytes tras la última unidad completa de encabezado y datos)</translation>
    </message>
    <message>
        <source>holds no image (tables or empty headers only)</source>
        <translation>no contiene ninguna imagen (solo tablas o encabezados vacíos)</translation>
    </message>
    <message>
        <source>image of %1 x %2 pixels is too large</source>
        <translation>la imagen de %1 x %2 píxeles es demasiado grande</translation>
    </message>
    <message>
        <source>the image data cannot be read, the file may be cut short (%1)</source>
        <translation>no se pueden leer los datos de la imagen, el archivo puede estar truncado (%1)</translation>
    </message>
    <message>
        <source>the header&apos;s solar distance or B0 is impossible (distance %1 AU)</source>
        <translation>la distancia al Sol o B0 del encabezado es imposible (distancia %1 UA)</translation>
    </message>
    <message>
        <source>no solar disc found (no disc keywords and no clear limb in the image)</source>
        <translation>no se encontró el disco solar (no hay palabras clave del disco ni un limbo claro en la imagen)</translation>
    </message>
    <message>
        <source>the solar disc lies outside the image or is too small</source>
        <translation>el disco solar queda fuera de la imagen o es demasiado pequeño</translation>
    </message>
    <message>
        <source>cannot create %1 (%2)</source>
        <translation>no se puede crear %1 (%2)</translation>
    </message>
    <message>
        <source>cannot rename %1: %2</source>
        <translation>no se puede renombrar %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>no se puede escribir %1 (%2)</translation>
    </message>
    <message>
        <source>the name prefix must be five letters, digits, &apos;_&apos; or &apos;-&apos; (&quot;%1&quot;)</source>
        <translation>el prefijo del nombre debe tener cinco letras, cifras, &apos;_&apos; o &apos;-&apos; (&quot;%1&quot;)</translation>
    </message>
    <message>
        <source>the image size must be an even number of pixels from 64 to 8192</source>
        <translation>el tamaño de la imagen debe ser un número par de píxeles entre 64 y 8192</translation>
    </message>
    <message>
        <source>the database folder %1 cannot be written (%2)</source>
        <translation>no se puede escribir en la carpeta de la base de datos %1 (%2)</translation>
    </message>
    <message>
        <source>the directory file %1 %2; it was left as it is and nothing was imported</source>
        <translation>el archivo de directorio %1 %2; se dejó como estaba y no se importó nada</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>is not a text file of image names</source>
        <translation>no es un archivo de texto con nombres de imágenes</translation>
    </message>
    <message>
        <source>the database folder %1 is not a folder</source>
        <translation>la carpeta de la base de datos %1 no es una carpeta</translation>
    </message>
    <message>
        <source>cannot make the database folder %1</source>
        <translation>no se puede crear la carpeta de la base de datos %1</translation>
    </message>
    <message>
        <source>%1: refused: %2</source>
        <translation>%1: rechazado: %2</translation>
    </message>
    <message>
        <source>an image of the same minute is already in the database (%1)</source>
        <translation>ya hay en la base de datos una imagen del mismo minuto (%1)</translation>
    </message>
    <message>
        <source>a file %1 is already in the database folder</source>
        <translation>ya existe un archivo %1 en la carpeta de la base de datos</translation>
    </message>
    <message>
        <source>no light on the solar disc</source>
        <translation>no hay luz en el disco solar</translation>
    </message>
    <message>
        <source>cannot write the directory file %1: %2</source>
        <translation>no se puede escribir el archivo de directorio %1: %2</translation>
    </message>
</context>
<context>
    <name>SolrImages</name>
    <message>
        <source>Image Directory File Error!</source>
        <translation>¡Error del archivo de directorio de imágenes!</translation>
    </message>
    <message>
        <source>Unable to Open Image Directory File!<byte value="xd"/>
<byte value="xd"/>
File Name: %1<byte value="xd"/>
%2</source>
        <translation>¡No se pudo abrir el archivo de directorio de imágenes!<byte value="xd"/>
<byte value="xd"/>
Nombre del archivo: %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Unable to Read Image Directory File!<byte value="xd"/>
<byte value="xd"/>
File Name: %1<byte value="xd"/>
%2</source>
        <translation>¡No se pudo leer el archivo de directorio de imágenes!<byte value="xd"/>
<byte value="xd"/>
Nombre del archivo: %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>GetMem Error!</source>
        <translation>¡Error de GetMem!</translation>
    </message>
    <message>
        <source>Error occurred while increasing array size!</source>
        <translation>¡Se produjo un error al aumentar el tamaño de la tabla!</translation>
    </message>
</context>
<context>
    <name>solar::TAnimRateDlg</name>
    <message>
        <source>Set Animation Rate</source>
        <translation>Fijar la velocidad de la animación</translation>
    </message>
    <message>
        <source>Animation Timer Interval</source>
        <translation>Intervalo del temporizador de la animación</translation>
    </message>
    <message>
        <source>Milliseconds, 1 - 1000</source>
        <translation>Milisegundos, 1 - 1000</translation>
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
        <source>Invalid Entry!</source>
        <translation>¡Entrada no válida!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid integer!</source>
        <translation>¡«%1» no es un número entero válido!</translation>
    </message>
    <message>
        <source>Value Out of Range</source>
        <translation>Valor fuera del intervalo</translation>
    </message>
    <message>
        <source>Milliseconds must be between 1 and 1000.</source>
        <translation>Los milisegundos deben estar entre 1 y 1000.</translation>
    </message>
</context>
<context>
    <name>solar::TGaugeForm2</name>
    <message>
        <source> Images Selected</source>
        <translation> Imágenes seleccionadas</translation>
    </message>
    <message>
        <source>Images Loaded</source>
        <translation>Imágenes cargadas</translation>
    </message>
    <message>
        <source>Percent Complete:</source>
        <translation>Porcentaje completado:</translation>
    </message>
    <message>
        <source>Elapsed Time:</source>
        <translation>Tiempo transcurrido:</translation>
    </message>
    <message>
        <source>Est. Time to Complete:</source>
        <translation>Tiempo restante estimado:</translation>
    </message>
    <message>
        <source>Current Image File:</source>
        <translation>Archivo de imagen actual:</translation>
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
        <source>%1 Hr %2 Min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>Cancel Current Processing?</source>
        <translation>¿Cancelar el proceso en curso?</translation>
    </message>
</context>
<context>
    <name>solar::TSolarRtn</name>
    <message>
        <source>%1 line of %2 match no image of the database:<byte value="xd"/>
</source>
        <translation>%1 línea de %2 no corresponde a ninguna imagen de la base de datos:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>%1 lines of %2 match no image of the database:<byte value="xd"/>
</source>
        <translation>%1 líneas de %2 no corresponden a ninguna imagen de la base de datos:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Images Not Found</source>
        <translation>Imágenes no encontradas</translation>
    </message>
    <message>
        <source>Load Image Directory</source>
        <translation>Cargar el directorio de imágenes</translation>
    </message>
    <message>
        <source>Solar Rotation Image Directories</source>
        <translation>Directorios de imágenes de rotación solar</translation>
    </message>
    <message>
        <source>Cannot Access Images!</source>
        <translation>¡No se puede acceder a las imágenes!</translation>
    </message>
    <message>
        <source>The Solar Image Files cannot be accessed!</source>
        <translation>¡No se puede acceder a los archivos de imágenes solares!</translation>
    </message>
    <message>
        <source>No Images Selected!</source>
        <translation>¡No hay imágenes seleccionadas!</translation>
    </message>
    <message>
        <source>Select Images for Load from Image Database Directory.</source>
        <translation>Seleccione en el directorio de la base de datos de imágenes las imágenes que desea cargar.</translation>
    </message>
    <message>
        <source>Loading Selected Images</source>
        <translation>Cargando las imágenes seleccionadas</translation>
    </message>
    <message>
        <source>Terminate Image Loading?</source>
        <translation>¿Terminar la carga de imágenes?</translation>
    </message>
    <message>
        <source>Nil Pointer!</source>
        <translation>¡Puntero nulo!</translation>
    </message>
    <message>
        <source>Pointer to Directory Record is nil!<byte value="xd"/>
<byte value="xd"/>
Called Procedure: %1</source>
        <translation>¡El puntero al registro del directorio es nulo!<byte value="xd"/>
<byte value="xd"/>
Procedimiento llamado: %1</translation>
    </message>
    <message>
        <source>File Already Loaded!</source>
        <translation>¡Archivo ya cargado!</translation>
    </message>
    <message>
        <source>Too Many Images!</source>
        <translation>¡Demasiadas imágenes!</translation>
    </message>
    <message>
        <source>Image Not Loaded!</source>
        <translation>¡Imagen no cargada!</translation>
    </message>
    <message>
        <source>Unable to load solar image file.<byte value="xd"/>
<byte value="xd"/>
File Name: %1</source>
        <translation>No se pudo cargar el archivo de imagen solar.<byte value="xd"/>
<byte value="xd"/>
Nombre del archivo: %1</translation>
    </message>
    <message>
        <source>Verify Clear Images</source>
        <translation>Confirmar la eliminación de las imágenes</translation>
    </message>
    <message>
        <source>Are You Sure You Want to Remove all the Images?</source>
        <translation>¿Está seguro de que desea quitar todas las imágenes?</translation>
    </message>
    <message>
        <source>Find Text String</source>
        <translation>Buscar una cadena de texto</translation>
    </message>
    <message>
        <source>String Not Found</source>
        <translation>Cadena no encontrada</translation>
    </message>
    <message>
        <source>&quot;%1&quot; Not Found.</source>
        <translation>No se encontró «%1».</translation>
    </message>
    <message>
        <source>Save Image List</source>
        <translation>Guardar la lista de imágenes</translation>
    </message>
    <message>
        <source>Solar Rotation Image Lists</source>
        <translation>Listas de imágenes de rotación solar</translation>
    </message>
    <message>
        <source>File Error!</source>
        <translation>¡Error de archivo!</translation>
    </message>
    <message>
        <source>Unable to Write Image List!<byte value="xd"/>
<byte value="xd"/>
File Name: %1<byte value="xd"/>
%2</source>
        <translation>¡No se pudo escribir la lista de imágenes!<byte value="xd"/>
<byte value="xd"/>
Nombre del archivo: %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Image List File Written</source>
        <translation>Archivo de lista de imágenes escrito</translation>
    </message>
    <message>
        <source>Image List Written to %1.</source>
        <translation>Lista de imágenes escrita en %1.</translation>
    </message>
    <message>
        <source>Load Image List</source>
        <translation>Cargar una lista de imágenes</translation>
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
        <source>Image Orientation</source>
        <translation>Orientación de las imágenes</translation>
    </message>
    <message>
        <source>%1 of the images give the solar P angle (SOLAR-P) but no WCS rotation.<byte value="xd"/>
<byte value="xd"/>
Yes: decide for each image: solar north up for GONG images and images with FNDLMB* disc keywords, turned by SOLAR-P (as the sky shows them) otherwise.<byte value="xd"/>
No: choose one orientation for all of them.</source>
        <translation>%1 de las imágenes indican el ángulo P solar (SOLAR-P) pero ninguna rotación WCS.<byte value="xd"/>
<byte value="xd"/>
Sí: decidir para cada imagen: el norte solar arriba para las imágenes GONG y las imágenes con palabras clave del disco FNDLMB*; en las demás, giradas según SOLAR-P (tal como las muestra el cielo).<byte value="xd"/>
No: elegir una misma orientación para todas.</translation>
    </message>
    <message>
        <source>Are these images already turned solar north up?<byte value="xd"/>
<byte value="xd"/>
Yes: solar north up; SOLAR-P is only recorded.<byte value="xd"/>
No: as the sky shows them; they are turned by SOLAR-P.</source>
        <translation>¿Están estas imágenes ya giradas con el norte solar arriba?<byte value="xd"/>
<byte value="xd"/>
Sí: norte solar arriba; SOLAR-P solo se registra.<byte value="xd"/>
No: tal como las muestra el cielo; se giran según SOLAR-P.</translation>
    </message>
    <message>
        <source>Make Image Database</source>
        <translation>Crear la base de datos de imágenes</translation>
    </message>
    <message>
        <source>Folder of Downloaded Solar Images (FITS)</source>
        <translation>Carpeta de las imágenes solares descargadas (FITS)</translation>
    </message>
    <message>
        <source>No FITS images (.fits, .fit, .fts, .fz, also gzipped) were found in<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>No se encontraron imágenes FITS (.fits, .fit, .fts, .fz, también comprimidas con gzip) en<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Folder for the Image Database</source>
        <translation>Carpeta para la base de datos de imágenes</translation>
    </message>
    <message>
        <source>The image database cannot be made:<byte value="xd"/>
<byte value="xd"/>
%1</source>
        <translation>No se puede crear la base de datos de imágenes:<byte value="xd"/>
<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Making Image Database</source>
        <translation>Creando la base de datos de imágenes</translation>
    </message>
    <message>
        <source>Stop Making the Image Database?</source>
        <translation>¿Detener la creación de la base de datos de imágenes?</translation>
    </message>
    <message>
        <source>%1 image(s) written to %2</source>
        <translation>%1 imagen(es) escrita(s) en %2</translation>
    </message>
    <message>
        <source>Directory file: %1 (%2 image(s))</source>
        <translation>Archivo de directorio: %1 (%2 imagen(es))</translation>
    </message>
    <message>
        <source>No directory file was made: there is no image to list.</source>
        <translation>No se creó ningún archivo de directorio: no hay ninguna imagen que listar.</translation>
    </message>
    <message>
        <source>Stopped after %1 of %2 file(s).</source>
        <translation>Detenido tras %1 de %2 archivo(s).</translation>
    </message>
    <message>
        <source>%1 file(s) refused:</source>
        <translation>%1 archivo(s) rechazado(s):</translation>
    </message>
    <message>
        <source>Once the exercise has started, open it with File &gt; Run, then File &gt; Image Database &gt; Image Directory &gt; Load.</source>
        <translation>Una vez iniciado el ejercicio, ábrala con Archivo &gt; Ejecutar y luego Archivo &gt; Base de datos de imágenes &gt; Directorio de imágenes &gt; Cargar.</translation>
    </message>
    <message>
        <source>Open the new image database now?</source>
        <translation>¿Abrir ahora la nueva base de datos de imágenes?</translation>
    </message>
</context>
</TS>
