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
    <name>IDList</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
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
