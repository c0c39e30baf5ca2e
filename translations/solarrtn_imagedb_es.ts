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
</TS>
