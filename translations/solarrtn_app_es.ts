<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ExecMod</name>
    <message>
        <source> - File Not Found</source>
        <translation> - Archivo no encontrado</translation>
    </message>
    <message>
        <source> - Path Not Found</source>
        <translation> - Ruta no encontrada</translation>
    </message>
    <message>
        <source> - Too Many Open Files</source>
        <translation> - Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source> - Access Denied</source>
        <translation> - Acceso denegado</translation>
    </message>
    <message>
        <source> - Not Enough Memory</source>
        <translation> - Memoria insuficiente</translation>
    </message>
    <message>
        <source> - Program Has Incorrect Format</source>
        <translation> - El programa tiene un formato incorrecto</translation>
    </message>
    <message>
        <source> - Out of Memory</source>
        <translation> - Sin memoria</translation>
    </message>
    <message>
        <source> - Directory Name is Invalid</source>
        <translation> - El nombre de la carpeta no es válido</translation>
    </message>
    <message>
        <source> - Out of Memory or Resources</source>
        <translation> - Sin memoria o sin recursos</translation>
    </message>
    <message>
        <source> - Error in Associated .EXE File</source>
        <translation> - Error en el programa asociado</translation>
    </message>
    <message>
        <source> - No Association for Specified File Type</source>
        <translation> - Ningún programa asociado a este tipo de archivo</translation>
    </message>
</context>
<context>
    <name>solar::ShellExtras</name>
    <message>
        <source>Retain Options Access?</source>
        <translation>¿Conservar el acceso a las opciones?</translation>
    </message>
    <message>
        <source>Do you want to retain access to the Options dialog<byte value="xd"/>
(via &quot;File&quot;-&gt;&quot;Preferences&quot; from the Main Menu) for<byte value="xd"/>
the remainder of this session?</source>
        <translation>¿Desea conservar el acceso al diálogo de opciones<byte value="xd"/>
(mediante &quot;Archivo&quot;-&gt;&quot;Preferencias&quot; en el menú principal) durante<byte value="xd"/>
el resto de esta sesión?</translation>
    </message>
    <message>
        <source>The file to open was not found:</source>
        <translation>No se encontró el archivo que se debía abrir:</translation>
    </message>
    <message>
        <source>The folder of the file to open was not found:</source>
        <translation>No se encontró la carpeta del archivo que se debía abrir:</translation>
    </message>
    <message>
        <source>No spreadsheet program is set in the options, and the program this desktop names for the file&apos;s type cannot be started. The file:</source>
        <translation>No hay ningún programa de hoja de cálculo indicado en las opciones, y el programa que este escritorio asigna al tipo del archivo no se puede iniciar. El archivo:</translation>
    </message>
    <message>
        <source>No spreadsheet program is set in the options, and this desktop has no program for files of this type (CSV). The file:</source>
        <translation>No hay ningún programa de hoja de cálculo indicado en las opciones, y este escritorio no tiene ningún programa para archivos de este tipo (CSV). El archivo:</translation>
    </message>
    <message>
        <source>Check the file&apos;s name and folder and choose it again.</source>
        <translation>Compruebe el nombre y la carpeta del archivo y elíjalo de nuevo.</translation>
    </message>
    <message>
        <source>Start your spreadsheet program yourself and open the file from it. To make this command work, the instructor can set a spreadsheet program in File &gt; Preferences, or a default program for CSV files on this desktop.</source>
        <translation>Inicie usted mismo su programa de hoja de cálculo y abra el archivo desde él. Para que esta orden funcione, el profesor puede indicar un programa de hoja de cálculo en Archivo &gt; Preferencias, o un programa predeterminado para los archivos CSV en este escritorio.</translation>
    </message>
    <message>
        <source>(For the instructor: Code = %1)</source>
        <translation>(Para el profesor: código = %1)</translation>
    </message>
</context>
<context>
    <name>solar::TAboutBox</name>
    <message>
        <source>About This Exercise</source>
        <translation>Acerca de este ejercicio</translation>
    </message>
    <message>
        <source>VORN Laboratory Exercises in Astronomy</source>
        <translation>Ejercicios de laboratorio de astronomía VORN</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>solar::TLoginDlg</name>
    <message>
        <source>Student Accounting</source>
        <translation>Registro de estudiantes</translation>
    </message>
    <message>
        <source>Enter Student Name(s)  (Firstname...Lastname)</source>
        <translation>Escriba el nombre de los estudiantes  (Nombre...Apellido)</translation>
    </message>
    <message>
        <source>Student #%1:</source>
        <translation>Estudiante n.º %1:</translation>
    </message>
    <message>
        <source>Student #%1</source>
        <translation>Estudiante n.º %1</translation>
    </message>
    <message>
        <source>Firstname Lastname</source>
        <translation>Nombre Apellido</translation>
    </message>
    <message>
        <source>Laboratory Table Number</source>
        <translation>Número de mesa del laboratorio</translation>
    </message>
    <message>
        <source>Laboratory Table Number:</source>
        <translation>Número de mesa del laboratorio:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Cannot Record Login!</source>
        <translation>¡No se puede registrar el inicio de sesión!</translation>
    </message>
    <message>
        <source>Login Record Not Assigned!</source>
        <translation>¡No hay registro de inicio de sesión asignado!</translation>
    </message>
    <message>
        <source>Login Completed?</source>
        <translation>¿Sesión iniciada?</translation>
    </message>
    <message>
        <source>Have You Finished Logging In?</source>
        <translation>¿Ha terminado de iniciar la sesión?</translation>
    </message>
    <message>
        <source>No Entry!</source>
        <translation>¡Sin datos!</translation>
    </message>
    <message>
        <source>You Didn&apos;t Enter Anything!</source>
        <translation>¡No ha escrito nada!</translation>
    </message>
</context>
<context>
    <name>solar::TMountCDROM</name>
    <message>
        <source>Mount Data Media</source>
        <translation>Montar el soporte de datos</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Folder of the media</source>
        <translation>Carpeta del soporte</translation>
    </message>
    <message>
        <source>Double-click or press F4 to browse for the folder.</source>
        <translation>Haga doble clic o pulse F4 para buscar la carpeta.</translation>
    </message>
    <message>
        <source>(Double-Click to Browse)</source>
        <translation>(Doble clic para buscar)</translation>
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
        <source>Please mount %1 on drive indicated, or supply correct path to %2.</source>
        <translation>Monte %1 en la unidad indicada o indique la ruta correcta a %2.</translation>
    </message>
    <message>
        <source>Select the folder of %1</source>
        <translation>Seleccione la carpeta de %1</translation>
    </message>
</context>
<context>
    <name>solar::TOptionsDlg</name>
    <message>
        <source>Software Options</source>
        <translation>Opciones del programa</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Imagen</translation>
    </message>
    <message>
        <source>Set default image display parameters.</source>
        <translation>Fija los parámetros predeterminados de presentación de la imagen.</translation>
    </message>
    <message>
        <source>&quot;&amp;Box&quot;</source>
        <translation>&quot;Rec&amp;uadro&quot;</translation>
    </message>
    <message>
        <source>Set regions for centroiding and sky measurement.</source>
        <translation>Fija las regiones para el cálculo del centroide y la medición del cielo.</translation>
    </message>
    <message>
        <source>&amp;Mag Rgn</source>
        <translation>Región de &amp;lupa</translation>
    </message>
    <message>
        <source>Set default magnification region.</source>
        <translation>Fija la región de ampliación predeterminada.</translation>
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
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Demonstration Mode</source>
        <translation>Modo de demostración</translation>
    </message>
    <message>
        <source>In Demonstration Mode the login is not required.</source>
        <translation>En el modo de demostración no hace falta iniciar sesión.</translation>
    </message>
    <message>
        <source>Test Mode</source>
        <translation>Modo de prueba</translation>
    </message>
    <message>
        <source>In Test Mode preferences are always enabled.</source>
        <translation>En el modo de prueba las preferencias están siempre disponibles.</translation>
    </message>
    <message>
        <source>Centroiding</source>
        <translation>Cálculo del centroide</translation>
    </message>
    <message>
        <source>Automatically compute spot image centroid.</source>
        <translation>Calcula automáticamente el centroide de la imagen de la mancha.</translation>
    </message>
    <message>
        <source>Curve Fitting</source>
        <translation>Ajuste de curvas</translation>
    </message>
    <message>
        <source>Automatically compute best fit to data.</source>
        <translation>Calcula automáticamente el mejor ajuste a los datos.</translation>
    </message>
    <message>
        <source>Compute Rotation Rate</source>
        <translation>Calcular la velocidad de rotación</translation>
    </message>
    <message>
        <source>Automatic computation - solar radius data only.</source>
        <translation>Cálculo automático - solo datos en radios solares.</translation>
    </message>
    <message>
        <source>Compute Synodic Period</source>
        <translation>Calcular el periodo sinódico</translation>
    </message>
    <message>
        <source>Automatic computation - Heliographic data only.</source>
        <translation>Cálculo automático - solo datos heliográficos.</translation>
    </message>
    <message>
        <source>Compute Sidereal Period</source>
        <translation>Calcular el periodo sidéreo</translation>
    </message>
    <message>
        <source>Automatic computation - all data types.</source>
        <translation>Cálculo automático - todos los tipos de datos.</translation>
    </message>
    <message>
        <source>Print in Color</source>
        <translation>Imprimir en color</translation>
    </message>
    <message>
        <source>Print the analysis displays in color.</source>
        <translation>Imprime en color las gráficas del análisis.</translation>
    </message>
    <message>
        <source>Monochrome Display</source>
        <translation>Pantalla monocroma</translation>
    </message>
    <message>
        <source>Show the analysis displays in grayscale.</source>
        <translation>Muestra las gráficas del análisis en escala de grises.</translation>
    </message>
    <message>
        <source>Magnification Window</source>
        <translation>Ventana de la lupa</translation>
    </message>
    <message>
        <source>Automatically open the Mag. Window when measuring.</source>
        <translation>Abre automáticamente la ventana de la lupa al medir.</translation>
    </message>
    <message>
        <source>Read-Out Window</source>
        <translation>Ventana de lectura del cursor</translation>
    </message>
    <message>
        <source>Automatically open the cursor position read-out when measuring.</source>
        <translation>Abre automáticamente la lectura del cursor al medir.</translation>
    </message>
    <message>
        <source>Raw Data Format</source>
        <translation>Formato de los datos brutos</translation>
    </message>
    <message>
        <source>Measured from disk center.</source>
        <translation>Medidos desde el centro del disco.</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>Píxeles</translation>
    </message>
    <message>
        <source>Fraction of Solar Radius</source>
        <translation>Fracción del radio solar</translation>
    </message>
    <message>
        <source>Heliographic Latitude, Longitude</source>
        <translation>Latitud y longitud heliográficas</translation>
    </message>
    <message>
        <source>Case sensitive, 16 bytes max. (an accented letter takes 2).</source>
        <translation>Distingue mayúsculas y minúsculas, 16 bytes como máximo (una letra acentuada ocupa 2).</translation>
    </message>
    <message>
        <source>Alphanumeric, 4 characters max.</source>
        <translation>Alfanumérico, 4 caracteres como máximo.</translation>
    </message>
    <message>
        <source>Passwd:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Lab Tbl #:</source>
        <translation>Mesa n.º:</translation>
    </message>
    <message>
        <source>&quot;Special&quot;</source>
        <translation>&quot;Especial&quot;</translation>
    </message>
    <message>
        <source>&quot;Administrator&quot;</source>
        <translation>&quot;Administrador&quot;</translation>
    </message>
    <message>
        <source>Ck if you are the administrator of this program in a multi-user environment.</source>
        <translation>Márquelo si es el administrador de este programa en un entorno multiusuario.</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;General</translation>
    </message>
    <message>
        <source>.BMP Files in Installation Folder</source>
        <translation>Archivos .BMP de la carpeta de instalación</translation>
    </message>
    <message>
        <source>VORN Logo:</source>
        <translation>Logotipo VORN:</translation>
    </message>
    <message>
        <source>Main Title:</source>
        <translation>Título principal:</translation>
    </message>
    <message>
        <source>Path to Solar Images Folder</source>
        <translation>Ruta de la carpeta de imágenes solares</translation>
    </message>
    <message>
        <source>Double-click to browse</source>
        <translation>Doble clic para buscar</translation>
    </message>
    <message>
        <source>Spreadsheet Program (command or full path).</source>
        <translation>Programa de hoja de cálculo (orden o ruta completa).</translation>
    </message>
    <message>
        <source>Leave blank to access system default processor for .CSV</source>
        <translation>Déjelo en blanco para usar el programa predeterminado del sistema para .CSV</translation>
    </message>
    <message>
        <source>Log File (May Include Path)</source>
        <translation>Archivo de registro (puede incluir la ruta)</translation>
    </message>
    <message>
        <source>Double-click or F4 to browse</source>
        <translation>Doble clic o F4 para buscar</translation>
    </message>
    <message>
        <source>Spreadsheet Program</source>
        <translation>Programa de hoja de cálculo</translation>
    </message>
    <message>
        <source>Leave blank to access system default processor for .CSV; double-click or F4 to browse</source>
        <translation>Déjelo en blanco para usar el programa predeterminado del sistema para .CSV; doble clic o F4 para buscar</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation>A&amp;rchivos</translation>
    </message>
    <message>
        <source>&amp;Help Files in Installation Folder</source>
        <translation>Archivos de a&amp;yuda de la carpeta de instalación</translation>
    </message>
    <message>
        <source>Main Help List:</source>
        <translation>Lista de ayuda principal:</translation>
    </message>
    <message>
        <source>Meas. Hlp List:</source>
        <translation>Lista ayuda medición:</translation>
    </message>
    <message>
        <source>Centr. Hlp List:</source>
        <translation>Lista ayuda centroide:</translation>
    </message>
    <message>
        <source>Lnr Anal Hlp Lst:</source>
        <translation>Lista ayuda anál. lineal:</translation>
    </message>
    <message>
        <source>Rot Anal Hlp Lst:</source>
        <translation>Lista ayuda anál. rotación:</translation>
    </message>
    <message>
        <source>User Help File:</source>
        <translation>Archivo de ayuda del usuario:</translation>
    </message>
    <message>
        <source>Reminder File:</source>
        <translation>Archivo de recordatorio:</translation>
    </message>
    <message>
        <source>URLs</source>
        <translation>Direcciones web</translation>
    </message>
    <message>
        <source>GONG Project URL</source>
        <translation>Dirección del proyecto GONG</translation>
    </message>
    <message>
        <source>Project VORN URL</source>
        <translation>Dirección del proyecto VORN</translation>
    </message>
    <message>
        <source>&amp;Help Files</source>
        <translation>Archivos de a&amp;yuda</translation>
    </message>
    <message>
        <source>Cannot Modify Options!</source>
        <translation>¡No se pueden modificar las opciones!</translation>
    </message>
    <message>
        <source>No Options Assigned!</source>
        <translation>¡No hay opciones asignadas!</translation>
    </message>
    <message>
        <source>Password Not Changed!</source>
        <translation>¡Contraseña no cambiada!</translation>
    </message>
    <message>
        <source>The New Password Takes %1 Bytes; at Most 16 Fit.<byte value="xd"/>
(A Letter Outside Plain ASCII, Such as an Accented Letter, Takes 2 to 4 Bytes.)<byte value="xd"/>
<byte value="xd"/>
Current Password Will Be Retained.</source>
        <translation>La nueva contraseña ocupa %1 bytes; caben como máximo 16.<byte value="xd"/>
(Una letra fuera del ASCII simple, como una letra acentuada, ocupa de 2 a 4 bytes.)<byte value="xd"/>
<byte value="xd"/>
Se conservará la contraseña actual.</translation>
    </message>
    <message>
        <source>Password Confirmed</source>
        <translation>Contraseña confirmada</translation>
    </message>
    <message>
        <source>Password Change is Confirmed.<byte value="xd"/>
<byte value="xd"/>
You Must Save %1 To Complete the Change.</source>
        <translation>El cambio de contraseña está confirmado.<byte value="xd"/>
<byte value="xd"/>
Debe guardar %1 para completar el cambio.</translation>
    </message>
    <message>
        <source>Password Change Not Confirmed!<byte value="xd"/>
<byte value="xd"/>
Current Password Will Be Retained.</source>
        <translation>¡Cambio de contraseña no confirmado!<byte value="xd"/>
<byte value="xd"/>
Se conservará la contraseña actual.</translation>
    </message>
    <message>
        <source>Locate Spreadsheet Program</source>
        <translation>Buscar el programa de hoja de cálculo</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programas</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
</context>
<context>
    <name>solar::TPasswordDlg</name>
    <message>
        <source>Password Required</source>
        <translation>Se necesita una contraseña</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>Escriba la contraseña:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
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
        <source>Options Access Denied!</source>
        <translation>¡Acceso a las opciones denegado!</translation>
    </message>
    <message>
        <source>Too Many Invalid Passwords!</source>
        <translation>¡Demasiadas contraseñas no válidas!</translation>
    </message>
</context>
<context>
    <name>solar::TPasswordDlg1</name>
    <message>
        <source>Confirm Password Change</source>
        <translation>Confirmar el cambio de contraseña</translation>
    </message>
    <message>
        <source>Re-enter new password:</source>
        <translation>Vuelva a escribir la nueva contraseña:</translation>
    </message>
    <message>
        <source>New password again</source>
        <translation>Nueva contraseña otra vez</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>solar::TSolarRtn</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>USER OPTIONS!</source>
        <translation>¡OPCIONES DEL USUARIO!</translation>
    </message>
    <message>
        <source>INSTRUCTOR: Many features of this software are controlled by<byte value="xd"/>
option switches and parameters that enable you to tailor the<byte value="xd"/>
exercise to your own needs and preferences.<byte value="xd"/>
<byte value="xd"/>
See the technical documentation for details and instructions!</source>
        <translation>PROFESOR: muchas funciones de este programa se controlan mediante<byte value="xd"/>
opciones y parámetros que le permiten adaptar el<byte value="xd"/>
ejercicio a sus propias necesidades y preferencias.<byte value="xd"/>
<byte value="xd"/>
¡Consulte la documentación técnica para los detalles y las instrucciones!</translation>
    </message>
    <message>
        <source>Select data to pass to spreadsheet.</source>
        <translation>Seleccione los datos que pasar a la hoja de cálculo.</translation>
    </message>
    <message>
        <source>Comma-Separated Values (*.CSV)</source>
        <translation>Valores separados por comas (*.CSV)</translation>
    </message>
    <message>
        <source>Excel Spreadsheets (*.XLS)</source>
        <translation>Hojas de cálculo de Excel (*.XLS)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Cannot Run Spreadsheet!</source>
        <translation>¡No se puede ejecutar la hoja de cálculo!</translation>
    </message>
    <message>
        <source>Module Already Loaded</source>
        <translation>Módulo ya cargado</translation>
    </message>
    <message>
        <source>The Spreadsheet Program is Already Running.<byte value="xd"/>
<byte value="xd"/>
Use Alt-Tab to Scan Current Modules.</source>
        <translation>El programa de hoja de cálculo ya se está ejecutando.<byte value="xd"/>
<byte value="xd"/>
Use Alt-Tab para recorrer los módulos abiertos.</translation>
    </message>
    <message>
        <source>Unable to Execute %1<byte value="xd"/>
<byte value="xd"/>
Code = %2</source>
        <translation>No se puede ejecutar %1<byte value="xd"/>
<byte value="xd"/>
Código = %2</translation>
    </message>
    <message>
        <source>Loaded Image List</source>
        <translation>Imágenes cargadas</translation>
    </message>
    <message>
        <source>Select image to view/measure, right-click for pop-up..</source>
        <translation>Seleccione una imagen para verla o medirla; clic derecho para el menú emergente..</translation>
    </message>
    <message>
        <source>Sorted</source>
        <translation>Ordenada</translation>
    </message>
    <message>
        <source>Image Database Directory</source>
        <translation>Base de datos de imágenes</translation>
    </message>
    <message>
        <source>Double-click image to view/measure, right-click for pop-up..</source>
        <translation>Doble clic en una imagen para verla o medirla; clic derecho para el menú emergente..</translation>
    </message>
    <message>
        <source>&amp;Login...</source>
        <translation>&amp;Inicio de sesión...</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>&amp;Ejecutar</translation>
    </message>
    <message>
        <source>Image &amp;Database</source>
        <translation>&amp;Base de datos de imágenes</translation>
    </message>
    <message>
        <source>Image &amp;Directory</source>
        <translation>&amp;Directorio de imágenes</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Cargar</translation>
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
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>Load Selected &amp;Image(s)</source>
        <translation>Cargar &amp;imagen(es) seleccionada(s)</translation>
    </message>
    <message>
        <source>Image &amp;List</source>
        <translation>&amp;Lista de imágenes</translation>
    </message>
    <message>
        <source>&amp;Load List...</source>
        <translation>&amp;Cargar lista...</translation>
    </message>
    <message>
        <source>&amp;Save List...</source>
        <translation>&amp;Guardar lista...</translation>
    </message>
    <message>
        <source>&amp;Print List...</source>
        <translation>&amp;Imprimir lista...</translation>
    </message>
    <message>
        <source>Ma&amp;ke Image Database...</source>
        <translation>Crear base de &amp;datos de imágenes...</translation>
    </message>
    <message>
        <source>Class &amp;Report...</source>
        <translation>Info&amp;rme de la clase...</translation>
    </message>
    <message>
        <source>&amp;Measurement Data</source>
        <translation>Datos de &amp;medición</translation>
    </message>
    <message>
        <source>&amp;View/Edit...</source>
        <translation>&amp;Ver/Editar...</translation>
    </message>
    <message>
        <source>&amp;Save Data</source>
        <translation>&amp;Guardar datos</translation>
    </message>
    <message>
        <source>&amp;Load Data...</source>
        <translation>&amp;Cargar datos...</translation>
    </message>
    <message>
        <source>&amp;Clear all Data...</source>
        <translation>&amp;Borrar todos los datos...</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferencias</translation>
    </message>
    <message>
        <source>&amp;Options and Parameters... </source>
        <translation>&amp;Opciones y parámetros... </translation>
    </message>
    <message>
        <source>&amp;Save Updates</source>
        <translation>&amp;Guardar cambios</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Imágenes</translation>
    </message>
    <message>
        <source>&amp;Display/Measure</source>
        <translation>&amp;Mostrar/Medir</translation>
    </message>
    <message>
        <source>&amp;Sort Image List</source>
        <translation>&amp;Ordenar lista de imágenes</translation>
    </message>
    <message>
        <source>&amp;Cut</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Paste &amp;Last</source>
        <translation>Pegar el ú&amp;ltimo</translation>
    </message>
    <message>
        <source>Clear &amp;All Images</source>
        <translation>&amp;Quitar todas las imágenes</translation>
    </message>
    <message>
        <source>View FITS &amp;Header...</source>
        <translation>Ver &amp;encabezado FITS...</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>&amp;Animación</translation>
    </message>
    <message>
        <source>&amp;On</source>
        <translation>&amp;Activar</translation>
    </message>
    <message>
        <source>O&amp;ff</source>
        <translation>&amp;Desactivar</translation>
    </message>
    <message>
        <source>Set &amp;Rate...</source>
        <translation>Fijar &amp;velocidad...</translation>
    </message>
    <message>
        <source>&amp;Analysis</source>
        <translation>A&amp;nálisis</translation>
    </message>
    <message>
        <source>&amp;Plot/Fit Data...</source>
        <translation>&amp;Graficar/ajustar datos...</translation>
    </message>
    <message>
        <source>&amp;Results List</source>
        <translation>Lista de &amp;resultados</translation>
    </message>
    <message>
        <source>Rate against &amp;Latitude...</source>
        <translation>Velocidad frente a &amp;latitud...</translation>
    </message>
    <message>
        <source>&amp;Spreadsheet...</source>
        <translation>&amp;Hoja de cálculo...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>On &amp;Help</source>
        <translation>Cómo usar la &amp;ayuda</translation>
    </message>
    <message>
        <source>&amp;Topics...</source>
        <translation>&amp;Temas...</translation>
    </message>
    <message>
        <source>&amp;User</source>
        <translation>&amp;Usuario</translation>
    </message>
    <message>
        <source>&amp;Websites</source>
        <translation>Sitios &amp;web</translation>
    </message>
    <message>
        <source>&amp;GONG Project</source>
        <translation>Proyecto &amp;GONG</translation>
    </message>
    <message>
        <source>Project &amp;VORN</source>
        <translation>Proyecto &amp;VORN</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Acerca &amp;de...</translation>
    </message>
    <message>
        <source>&amp;Load Selected Image(s)</source>
        <translation>&amp;Cargar imagen(es) seleccionada(s)</translation>
    </message>
    <message>
        <source>&amp;Search List...</source>
        <translation>&amp;Buscar en la lista...</translation>
    </message>
    <message>
        <source>Screen Resolution Not Adequate!</source>
        <translation>¡Resolución de pantalla insuficiente!</translation>
    </message>
    <message>
        <source>This Software Cannot Be Run<byte value="xd"/>
With a Screen Resolution of Less Than 800x600 Pixels!<byte value="xd"/>
<byte value="xd"/>
See Windows Help for information on changing the screen resolution.</source>
        <translation>¡Este programa no se puede ejecutar<byte value="xd"/>
con una resolución de pantalla inferior a 800x600 píxeles!<byte value="xd"/>
<byte value="xd"/>
Consulte la ayuda de su escritorio para cambiar la resolución de la pantalla.</translation>
    </message>
    <message>
        <source>Write-Enabled Storage Required</source>
        <translation>Se necesita un almacenamiento con permiso de escritura</translation>
    </message>
    <message>
        <source>Unable to create directory &quot;%1&quot;<byte value="xd"/>
<byte value="xd"/>
Application will terminate!</source>
        <translation>No se puede crear la carpeta &quot;%1&quot;<byte value="xd"/>
<byte value="xd"/>
¡El programa terminará!</translation>
    </message>
    <message>
        <source>Student Folder In Use</source>
        <translation>Carpeta del estudiante en uso</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is in use by another login.<byte value="xd"/>
<byte value="xd"/>
Your files will be kept in &quot;%2&quot;.</source>
        <translation>La carpeta &quot;%1&quot; está en uso por otro inicio de sesión.<byte value="xd"/>
<byte value="xd"/>
Sus archivos se guardarán en &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>CDROM Drive?</source>
        <translation>¿Unidad de CD-ROM?</translation>
    </message>
    <message>
        <source>Please Enter Folder of CDROM:</source>
        <translation>Escriba la carpeta del CD-ROM:</translation>
    </message>
    <message>
        <source>Rotation Lab Installation CD-ROM</source>
        <translation>el CD-ROM de instalación del laboratorio de rotación</translation>
    </message>
    <message>
        <source>Solar Images (IMAGES/)</source>
        <translation>las imágenes solares (IMAGES/)</translation>
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
        <source>Result Not Recorded!</source>
        <translation>¡Resultado no registrado!</translation>
    </message>
    <message>
        <source>You have not recorded your current result!<byte value="xd"/>
<byte value="xd"/>
Do you want to record it now?</source>
        <translation>¡No ha registrado su resultado actual!<byte value="xd"/>
<byte value="xd"/>
¿Desea registrarlo ahora?</translation>
    </message>
    <message>
        <source>** Exercise Finished? **</source>
        <translation>** ¿Ejercicio terminado? **</translation>
    </message>
    <message>
        <source>Are You Sure You Want to Quit This Exercise?</source>
        <translation>¿Seguro que desea salir de este ejercicio?</translation>
    </message>
    <message>
        <source>Log File Error!</source>
        <translation>¡Error en el archivo de registro!</translation>
    </message>
    <message>
        <source>Unable to write to the login log!<byte value="xd"/>
<byte value="xd"/>
FileName: %1<byte value="xd"/>
</source>
        <translation>¡No se puede escribir en el registro de inicios de sesión!<byte value="xd"/>
<byte value="xd"/>
Archivo: %1<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>About This Exercise</source>
        <translation>Acerca de este ejercicio</translation>
    </message>
    <message>
        <source>The Period of Rotation of the Sun</source>
        <translation>El periodo de rotación del Sol</translation>
    </message>
    <message>
        <source>Working folder (options, log, Users/):
%1
Installation folder:
%2</source>
        <translation>Carpeta de trabajo (opciones, registro, Users/):
%1
Carpeta de instalación:
%2</translation>
    </message>
    <message>
        <source>VORN Exercise - Rotation of The Sun</source>
        <translation>Ejercicio VORN - Rotación del Sol</translation>
    </message>
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
<context>
    <name>solar::TStrIpDlg</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
</TS>
