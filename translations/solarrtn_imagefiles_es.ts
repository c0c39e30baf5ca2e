<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BmpFile</name>
    <message>
        <source>BMP File Error!</source>
        <translation>¡Error del archivo BMP!</translation>
    </message>
    <message>
        <source>Unable to Create BMP File!<byte value="xd"/>
<byte value="xd"/>
File Name: %1<byte value="xd"/>
IOResult = %2</source>
        <translation>¡No se pudo crear el archivo BMP!<byte value="xd"/>
<byte value="xd"/>
Nombre del archivo: %1<byte value="xd"/>
IOResult = %2</translation>
    </message>
    <message>
        <source>Error Accessing Temporary BMP File!<byte value="xd"/>
<byte value="xd"/>
File Name: %1<byte value="xd"/>
IOResult = %2</source>
        <translation>¡Error al acceder al archivo BMP temporal!<byte value="xd"/>
<byte value="xd"/>
Nombre del archivo: %1<byte value="xd"/>
IOResult = %2</translation>
    </message>
</context>
<context>
    <name>GrFiles</name>
    <message>
        <source>Numeric Conversion Error</source>
        <translation>Error de conversión numérica</translation>
    </message>
    <message>
        <source>Keyword field contains non-numeric data.<byte value="xd"/>
<byte value="xd"/>
Keyword: %1<byte value="xd"/>
Data: %2</source>
        <translation>El campo de la palabra clave contiene datos no numéricos.<byte value="xd"/>
<byte value="xd"/>
Palabra clave: %1<byte value="xd"/>
Datos: %2</translation>
    </message>
    <message>
        <source>File is Not FITS Format!<byte value="xd"/>
File Name: %1<byte value="xd"/>
<byte value="xd"/>
Change the File Type via &quot;File&quot; -&gt; &quot;Image File Type...&quot;</source>
        <translation>¡El archivo no tiene formato FITS!<byte value="xd"/>
Nombre del archivo: %1<byte value="xd"/>
<byte value="xd"/>
Cambie el tipo de archivo en «Archivo» -&gt; «Tipo de archivo de imagen...»</translation>
    </message>
    <message>
        <source>FITS File Error!</source>
        <translation>¡Error del archivo FITS!</translation>
    </message>
    <message>
        <source>Required FITS Keyword Data is Missing or Faulty!</source>
        <translation>¡Faltan datos necesarios de palabras clave FITS o son erróneos!</translation>
    </message>
    <message>
        <source>File Errors Detected!</source>
        <translation>¡Se detectaron errores en el archivo!</translation>
    </message>
    <message>
        <source>Errors were detected while loading and processing %1.  The resulting image may or may not be useable.<byte value="xd"/>
<byte value="xd"/>
Press &quot;OK&quot; to attempt to generate the image, &quot;Cancel&quot; to abort.</source>
        <translation>Se detectaron errores al cargar y procesar %1.  Puede que la imagen resultante no sea utilizable.<byte value="xd"/>
<byte value="xd"/>
Pulse «Aceptar» para intentar generar la imagen o «Cancelar» para interrumpir.</translation>
    </message>
    <message>
        <source>Unable to Open FITS File!<byte value="xd"/>
<byte value="xd"/>
File Name: %1<byte value="xd"/>
IOResult = %2</source>
        <translation>¡No se pudo abrir el archivo FITS!<byte value="xd"/>
<byte value="xd"/>
Nombre del archivo: %1<byte value="xd"/>
IOResult = %2</translation>
    </message>
    <message>
        <source>File Error!</source>
        <translation>¡Error de archivo!</translation>
    </message>
    <message>
        <source>Unable to Open Temporary File!<byte value="xd"/>
<byte value="xd"/>
File Name: %1<byte value="xd"/>
IOResult = %2</source>
        <translation>¡No se pudo abrir el archivo temporal!<byte value="xd"/>
<byte value="xd"/>
Nombre del archivo: %1<byte value="xd"/>
IOResult = %2</translation>
    </message>
</context>
<context>
    <name>solar::HdrView</name>
    <message>
        <source>File Error!</source>
        <translation>¡Error de archivo!</translation>
    </message>
    <message>
        <source>Unable to Read the Header Listing!<byte value="xd"/>
<byte value="xd"/>
File Name: %1</source>
        <translation>¡No se pudo leer el listado del encabezado!<byte value="xd"/>
<byte value="xd"/>
Nombre del archivo: %1</translation>
    </message>
</context>
<context>
    <name>solar::TImgAdjstDlg</name>
    <message>
        <source>Adjust Image Display Parameters</source>
        <translation>Ajustar los parámetros de visualización de la imagen</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>The value shown beside the bar is the position divided by 10.</source>
        <translation>El valor mostrado junto a la barra es la posición dividida entre 10.</translation>
    </message>
    <message>
        <source>&amp;Invert Display</source>
        <translation>&amp;Invertir la imagen</translation>
    </message>
    <message>
        <source>Switch black/white values</source>
        <translation>Intercambia los valores de blanco y negro</translation>
    </message>
    <message>
        <source>&amp;Use Settings as Defaults</source>
        <translation>&amp;Usar estos valores como predeterminados</translation>
    </message>
    <message>
        <source>Apply current settings to all images when loaded.</source>
        <translation>Aplica los valores actuales a todas las imágenes al cargarlas.</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Restore image file orientation, zero brightness &amp; contrast settings.</source>
        <translation>Restablece la orientación del archivo de imagen y pone a cero el brillo y el contraste.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Restore default orientation, brightness and contrast.</source>
        <translation>Restablece la orientación, el brillo y el contraste predeterminados.</translation>
    </message>
    <message>
        <source>&amp;Apply Changes</source>
        <translation>A&amp;plicar los cambios</translation>
    </message>
    <message>
        <source>Regenerate image using current settings.</source>
        <translation>Vuelve a generar la imagen con los valores actuales.</translation>
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
        <source>Original Display</source>
        <translation>Visualización original</translation>
    </message>
    <message>
        <source>Default Settings</source>
        <translation>Valores predeterminados</translation>
    </message>
    <message>
        <source>Adjust Image %1 Display Parameters</source>
        <translation>Ajustar los parámetros de visualización de la imagen %1</translation>
    </message>
    <message>
        <source>Set Image Display Parameters</source>
        <translation>Fijar los parámetros de visualización de las imágenes</translation>
    </message>
</context>
</TS>
