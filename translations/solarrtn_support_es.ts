<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Guarded</name>
    <message>
        <source>The command could not be completed:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
The program goes on; your measurements are kept. Save them with &quot;Save Data...&quot; before trying again.</source>
        <translation>No se pudo completar la orden:<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
El programa sigue; sus mediciones se conservan. Guárdelas con &quot;Guardar datos&quot; antes de volver a intentarlo.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Memoria insuficiente.</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se produjo un error inesperado.</translation>
    </message>
    <message>
        <source>Command Failed</source>
        <translation>La orden ha fallado</translation>
    </message>
</context>
<context>
    <name>Helplst</name>
    <message>
        <source>Help File Error</source>
        <translation>Error en el archivo de ayuda</translation>
    </message>
    <message>
        <source>Help List File %1 is Invalid.<byte value="xd"/>
Program will continue with defaults or alternative file.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>El archivo de lista de ayuda %1 no es válido.<byte value="xd"/>
El programa continuará con los valores predeterminados o con otro archivo.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Error de archivo</translation>
    </message>
    <message>
        <source>Cannot Access Help List.<byte value="xd"/>
File Name: %1<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>No se puede acceder a la lista de ayuda.<byte value="xd"/>
Archivo: %1<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>File Error!</source>
        <translation>¡Error de archivo!</translation>
    </message>
    <message>
        <source>Cannot Access Reminder File!<byte value="xd"/>
File Name: %1<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>¡No se puede acceder al archivo de recordatorio!<byte value="xd"/>
Archivo: %1<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Select &quot;OK&quot; to Quit Exercise, &quot;Cancel&quot; to Continue.</source>
        <translation><byte value="xd"/>
Elija &quot;Aceptar&quot; para salir del ejercicio o &quot;Cancelar&quot; para continuar.</translation>
    </message>
</context>
<context>
    <name>LinkLst</name>
    <message>
        <source>a pixel table holds at most 16383 columns</source>
        <translation>una tabla de píxeles tiene como máximo 16383 columnas</translation>
    </message>
    <message>
        <source>a pixel table holds at most 65536 rows</source>
        <translation>una tabla de píxeles tiene como máximo 65536 filas</translation>
    </message>
</context>
<context>
    <name>ListText</name>
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
</context>
<context>
    <name>Options</name>
    <message>
        <source>Program will continue with defaults or alternative file.</source>
        <translation>El programa continuará con los valores predeterminados o con otro archivo.</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lectura más allá del final del archivo</translation>
    </message>
    <message>
        <source>Path &quot;%1&quot; is write-protected!<byte value="xd"/>
<byte value="xd"/>
You must provide a path to write-enabled storage.  If you are using removable storage,<byte value="xd"/>
such as a USB device, please mount it before continuing, then select it in the dialog that follows.</source>
        <translation>¡La ruta &quot;%1&quot; está protegida contra escritura!<byte value="xd"/>
<byte value="xd"/>
Debe indicar una ruta a un almacenamiento con permiso de escritura.  Si usa un almacenamiento extraíble,<byte value="xd"/>
como un dispositivo USB, móntelo antes de continuar y luego selecciónelo en el diálogo que sigue.</translation>
    </message>
    <message>
        <source>Write-Enabled Storage Required</source>
        <translation>Se necesita un almacenamiento con permiso de escritura</translation>
    </message>
    <message>
        <source>Select Write-Enabled Storage</source>
        <translation>Seleccione un almacenamiento con permiso de escritura</translation>
    </message>
    <message>
        <source>Version Error</source>
        <translation>Error de versión</translation>
    </message>
    <message>
        <source>Options File %1 is obsolete.</source>
        <translation>El archivo de opciones %1 está obsoleto.</translation>
    </message>
    <message>
        <source>EOF Not Reached!</source>
        <translation>¡No se alcanzó el final del archivo!</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>Error de archivo</translation>
    </message>
    <message>
        <source>Options File %1 is Invalid.</source>
        <translation>El archivo de opciones %1 no es válido.</translation>
    </message>
    <message>
        <source>Options File Corrected</source>
        <translation>Archivo de opciones corregido</translation>
    </message>
    <message>
        <source>Options File %1 held invalid values.<byte value="xd"/>
These settings take their default values: %2.<byte value="xd"/>
<byte value="xd"/>
Save the options to keep the corrected file.</source>
        <translation>El archivo de opciones %1 contenía valores no válidos.<byte value="xd"/>
Estos ajustes toman sus valores predeterminados: %2.<byte value="xd"/>
<byte value="xd"/>
Guarde las opciones para conservar el archivo corregido.</translation>
    </message>
    <message>
        <source>Options File Error!</source>
        <translation>¡Error en el archivo de opciones!</translation>
    </message>
    <message>
        <source>Unable to save Options!<byte value="xd"/>
<byte value="xd"/>
FileName: %1<byte value="xd"/>
</source>
        <translation>¡No se pueden guardar las opciones!<byte value="xd"/>
<byte value="xd"/>
Archivo: %1<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The file is being saved by another program (lock file %1). Please try again.</source>
        <translation>Otro programa está guardando el archivo (archivo de bloqueo %1). Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Save Updated Parameters in %1?</source>
        <translation>¿Guardar los parámetros actualizados en %1?</translation>
    </message>
    <message>
        <source>Save Option Changes?</source>
        <translation>¿Guardar los cambios de las opciones?</translation>
    </message>
    <message>
        <source>Use As Defaults for All Users?</source>
        <translation>¿Usar como valores predeterminados para todos los usuarios?</translation>
    </message>
</context>
<context>
    <name>StringUt</name>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; no es un valor de coma flotante válido</translation>
    </message>
    <message>
        <source>File Not Found!</source>
        <translation>¡Archivo no encontrado!</translation>
    </message>
    <message>
        <source>Invalid File Name!</source>
        <translation>¡Nombre de archivo no válido!</translation>
    </message>
    <message>
        <source>Too Many Open Files!</source>
        <translation>¡Demasiados archivos abiertos!</translation>
    </message>
    <message>
        <source>File Access Denied!</source>
        <translation>¡Acceso al archivo denegado!</translation>
    </message>
    <message>
        <source>EOF!</source>
        <translation>¡Fin de archivo!</translation>
    </message>
    <message>
        <source>Disk Full!</source>
        <translation>¡Disco lleno!</translation>
    </message>
    <message>
        <source>Invalid Input!</source>
        <translation>¡Entrada no válida!</translation>
    </message>
</context>
<context>
    <name>solar::FileFilter</name>
    <message>
        <source>Text Files (*.TXT)</source>
        <translation>Archivos de texto (*.TXT)</translation>
    </message>
    <message>
        <source>Image Header Text (*.HDR)</source>
        <translation>Texto del encabezado de la imagen (*.HDR)</translation>
    </message>
    <message>
        <source>Image Display Info (*.IMG)</source>
        <translation>Datos de presentación de la imagen (*.IMG)</translation>
    </message>
    <message>
        <source>Astrometric Solution Text (*.SLN)</source>
        <translation>Texto de la solución astrométrica (*.SLN)</translation>
    </message>
    <message>
        <source>Reference Field Info (*.RFL)</source>
        <translation>Datos del campo de referencia (*.RFL)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Comma-Delimited Text  (*.CSV) </source>
        <translation>Texto delimitado por comas  (*.CSV) </translation>
    </message>
</context>
<context>
    <name>solar::TGetSrchStrDlg</name>
    <message>
        <source>Find Help Topic</source>
        <translation>Buscar un tema de ayuda</translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Texto que buscar</translation>
    </message>
    <message>
        <source>Case Dependent</source>
        <translation>Distinguir mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>From &amp;Top</source>
        <translation>Desde el &amp;principio</translation>
    </message>
    <message>
        <source>&amp;From Cursor</source>
        <translation>Desde el c&amp;ursor</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>solar::THelpLstDlg</name>
    <message>
        <source>Select Help Topic</source>
        <translation>Seleccione un tema de ayuda</translation>
    </message>
    <message>
        <source>&amp;Topics</source>
        <translation>&amp;Temas</translation>
    </message>
    <message>
        <source>Find &amp;Topic...</source>
        <translation>&amp;Buscar tema...</translation>
    </message>
    <message>
        <source>&amp;Read/Print Topic...</source>
        <translation>&amp;Leer/imprimir tema...</translation>
    </message>
    <message>
        <source>&amp;Close Help Topics</source>
        <translation>&amp;Cerrar los temas de ayuda</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Temas de ayuda</translation>
    </message>
    <message>
        <source>Enter or double-click reads the topic.</source>
        <translation>Intro o doble clic abre el tema.</translation>
    </message>
    <message>
        <source>No Help List to Display!</source>
        <translation>¡No hay lista de ayuda que mostrar!</translation>
    </message>
    <message>
        <source>Topic Heading</source>
        <translation>Encabezado de temas</translation>
    </message>
    <message>
        <source>Select a Topic Under &quot;%1&quot;</source>
        <translation>Seleccione un tema bajo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Find Help Topic</source>
        <translation>Buscar un tema de ayuda</translation>
    </message>
    <message>
        <source>String Not Found</source>
        <translation>Texto no encontrado</translation>
    </message>
    <message>
        <source>&quot;%1&quot; Not Found.</source>
        <translation>No se encontró &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>solar::THelpWin</name>
    <message>
        <source>Help Topic: %1<byte value="xd"/>
<byte value="xd"/>
Help on this topic is not available at this time.</source>
        <translation>Tema de ayuda: %1<byte value="xd"/>
<byte value="xd"/>
La ayuda sobre este tema no está disponible por ahora.</translation>
    </message>
    <message>
        <source>&amp;Topic</source>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>&amp;Print Topic...</source>
        <translation>&amp;Imprimir tema...</translation>
    </message>
    <message>
        <source>&amp;Search Text...</source>
        <translation>&amp;Buscar texto...</translation>
    </message>
    <message>
        <source>Show Help &amp;Topics...</source>
        <translation>Mostrar los &amp;temas de ayuda...</translation>
    </message>
    <message>
        <source>&amp;Close Topic Window</source>
        <translation>&amp;Cerrar la ventana del tema</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <source>Double-click or Enter on a related topic opens it.</source>
        <translation>Doble clic o Intro sobre un tema relacionado lo abre.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>THelpWin Parameters Not Set!</source>
        <translation>¡Faltan los parámetros de la ventana de ayuda!</translation>
    </message>
    <message>
        <source>Help Not Available</source>
        <translation>Ayuda no disponible</translation>
    </message>
    <message>
        <source>Cannot Access Help File %1<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>No se puede acceder al archivo de ayuda %1<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Topic Not Found</source>
        <translation>Tema no encontrado</translation>
    </message>
    <message>
        <source>No Text for Topic</source>
        <translation>El tema no tiene texto</translation>
    </message>
    <message>
        <source>Help - %1</source>
        <translation>Ayuda - %1</translation>
    </message>
    <message>
        <source>Find Help Item</source>
        <translation>Buscar en la ayuda</translation>
    </message>
    <message>
        <source>String Not Found</source>
        <translation>Texto no encontrado</translation>
    </message>
    <message>
        <source>&quot;%1&quot; Not Found.</source>
        <translation>No se encontró &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>solar::TInfoListForm1</name>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>&amp;Search...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Save &amp;Data</source>
        <translation>&amp;Guardar datos</translation>
    </message>
    <message>
        <source>For &amp;Reload (.DAT)...</source>
        <translation>Para &amp;volver a cargar (.DAT)...</translation>
    </message>
    <message>
        <source>As &amp;Displayed (.TXT)...</source>
        <translation>&amp;Tal como se muestra (.TXT)...</translation>
    </message>
    <message>
        <source>For &amp;Spreadsheet (.CSV)...</source>
        <translation>Para &amp;hoja de cálculo (.CSV)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Undo Edit/Delete</source>
        <translation>&amp;Deshacer edición/borrado</translation>
    </message>
    <message>
        <source>&amp;Edit Selected Line...</source>
        <translation>&amp;Editar la línea seleccionada...</translation>
    </message>
    <message>
        <source>&amp;Delete Selected Line</source>
        <translation>&amp;Borrar la línea seleccionada</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Undo Edit/Delete...</source>
        <translation>&amp;Deshacer edición/borrado...</translation>
    </message>
    <message>
        <source>Print Error!</source>
        <translation>¡Error de impresión!</translation>
    </message>
    <message>
        <source>Unable to Start the Print Job!<byte value="xd"/>
<byte value="xd"/>
Document: %1</source>
        <translation>¡No se puede iniciar la impresión!<byte value="xd"/>
<byte value="xd"/>
Documento: %1</translation>
    </message>
    <message>
        <source>Save Report in Text File</source>
        <translation>Guardar el informe en un archivo de texto</translation>
    </message>
    <message>
        <source>Text File Written</source>
        <translation>Archivo de texto escrito</translation>
    </message>
    <message>
        <source>Report Text Written to %1.</source>
        <translation>Texto del informe escrito en %1.</translation>
    </message>
    <message>
        <source>File Error!</source>
        <translation>¡Error de archivo!</translation>
    </message>
    <message>
        <source>Unable to Write Text File!<byte value="xd"/>
<byte value="xd"/>
File Name: %1<byte value="xd"/>
</source>
        <translation>¡No se puede escribir el archivo de texto!<byte value="xd"/>
<byte value="xd"/>
Archivo: %1<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Not Available</source>
        <translation>No disponible</translation>
    </message>
    <message>
        <source>Comma-Delimited Output not Available for Displayed Material.</source>
        <translation>La salida delimitada por comas no está disponible para el material mostrado.</translation>
    </message>
    <message>
        <source>Find Text String</source>
        <translation>Buscar un texto</translation>
    </message>
    <message>
        <source>String Not Found</source>
        <translation>Texto no encontrado</translation>
    </message>
    <message>
        <source>&quot;%1&quot; Not Found.</source>
        <translation>No se encontró &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>solar::a11y</name>
    <message>
        <source>blank line</source>
        <translation>línea en blanco</translation>
    </message>
</context>
</TS>
