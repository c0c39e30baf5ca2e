<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ImageGeom</name>
    <message>
        <source>Solar Radii</source>
        <translation>Radios solares</translation>
    </message>
    <message>
        <source>Heliographic Long, Lat</source>
        <translation>Long., lat. heliográficas</translation>
    </message>
</context>
<context>
    <name>solar::TBoxDlgForm1</name>
    <message>
        <source>&quot;Box&quot; Parameters</source>
        <translation>Parámetros de la «caja»</translation>
    </message>
    <message>
        <source>Box Width for Peak Search</source>
        <translation>Ancho de la caja para buscar el máximo</translation>
    </message>
    <message>
        <source>Region Diameter for Centroid</source>
        <translation>Diámetro de la región para el centroide</translation>
    </message>
    <message>
        <source>Width of Sky Border</source>
        <translation>Ancho del borde de cielo</translation>
    </message>
    <message>
        <source>In pixels</source>
        <translation>En píxeles</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>&amp;Valores predeterminados</translation>
    </message>
    <message>
        <source>Restore internal default values.</source>
        <translation>Restablece los valores predeterminados internos.</translation>
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
        <source>All Values in Pixels:</source>
        <translation>Todos los valores en píxeles:</translation>
    </message>
    <message>
        <source>Width of Sky &quot;Border&quot;</source>
        <translation>Ancho del «borde» de cielo</translation>
    </message>
</context>
<context>
    <name>solar::TCursorWindow</name>
    <message>
        <source>Cursor Region</source>
        <translation>Región del cursor</translation>
    </message>
    <message>
        <source>Set &amp;Magnification...</source>
        <translation>Fijar la &amp;ampliación...</translation>
    </message>
    <message>
        <source>Shift measured position left or right</source>
        <translation>Desplazar la posición medida a la izquierda o a la derecha</translation>
    </message>
    <message>
        <source>Shift measured position up or down</source>
        <translation>Desplazar la posición medida hacia arriba o hacia abajo</translation>
    </message>
    <message>
        <source>One step moves the measured position by one magnified pixel.</source>
        <translation>Cada paso mueve la posición medida un píxel ampliado.</translation>
    </message>
</context>
<context>
    <name>solar::TImageForm1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Imagen</translation>
    </message>
    <message>
        <source>&amp;Adjust...</source>
        <translation>&amp;Ajustar...</translation>
    </message>
    <message>
        <source>&amp;Measure...</source>
        <translation>&amp;Medir...</translation>
    </message>
    <message>
        <source>View FITS &amp;Header...</source>
        <translation>Ver el &amp;encabezado FITS...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Animation</source>
        <translation>A&amp;nimación</translation>
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
        <source>Set Rate...</source>
        <translation>Fijar la velocidad...</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Ventana</translation>
    </message>
    <message>
        <source>&amp;Magnification</source>
        <translation>&amp;Ampliación</translation>
    </message>
    <message>
        <source>&amp;Show/Hide</source>
        <translation>&amp;Mostrar/ocultar</translation>
    </message>
    <message>
        <source>&amp;Auto Display</source>
        <translation>Mostrar &amp;automáticamente</translation>
    </message>
    <message>
        <source>Cursor &amp;Read-Out</source>
        <translation>&amp;Lectura del cursor</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Cursor Position</source>
        <translation>Posición del cursor</translation>
    </message>
    <message>
        <source>BMP File Error!</source>
        <translation>¡Error del archivo BMP!</translation>
    </message>
    <message>
        <source>Error Accessing Temporary BMP File!<byte value="xd"/>
<byte value="xd"/>
File Name: %1</source>
        <translation>¡Error al acceder al archivo BMP temporal!<byte value="xd"/>
<byte value="xd"/>
Nombre del archivo: %1</translation>
    </message>
    <message>
        <source>Spot %1</source>
        <translation>Mancha %1</translation>
    </message>
    <message>
        <source>Cursor Region</source>
        <translation>Región del cursor</translation>
    </message>
    <message>
        <source>No image shown.</source>
        <translation>No se muestra ninguna imagen.</translation>
    </message>
    <message>
        <source>Image of %1, measuring.</source>
        <translation>Imagen de %1, midiendo.</translation>
    </message>
    <message>
        <source>Image of %1, viewing.</source>
        <translation>Imagen de %1, visualizando.</translation>
    </message>
    <message>
        <source> Cross-hair at image column %1, row %2.</source>
        <translation> Retícula en la columna %1, fila %2 de la imagen.</translation>
    </message>
    <message>
        <source> Offset from the disc centre %1, %2 pixels</source>
        <translation> Desplazamiento desde el centro del disco %1, %2 píxeles</translation>
    </message>
    <message>
        <source>, %1, %2 solar radii</source>
        <translation>, %1, %2 radios solares</translation>
    </message>
    <message>
        <source>, longitude %1, latitude %2 degrees</source>
        <translation>, longitud %1, latitud %2 grados</translation>
    </message>
    <message>
        <source> Off the disc.</source>
        <translation> Fuera del disco.</translation>
    </message>
    <message>
        <source>No Solar Disc Radius!</source>
        <translation>¡Sin radio del disco solar!</translation>
    </message>
    <message>
        <source>This image&apos;s header gives no radius of the solar disc (FNDLMBMA).<byte value="xd"/>
<byte value="xd"/>
Spot positions cannot be measured on this image.</source>
        <translation>El encabezado de esta imagen no indica el radio del disco solar (FNDLMBMA).<byte value="xd"/>
<byte value="xd"/>
No se pueden medir posiciones de manchas en esta imagen.</translation>
    </message>
    <message>
        <source>Auto Centroid</source>
        <translation>Centroide automático</translation>
    </message>
    <message>
        <source>Locate Centroid</source>
        <translation>Localizar el centroide</translation>
    </message>
    <message>
        <source>Spot Position</source>
        <translation>Posición de la mancha</translation>
    </message>
</context>
<context>
    <name>solar::TImageView</name>
    <message>
        <source>Solar image</source>
        <translation>Imagen solar</translation>
    </message>
</context>
<context>
    <name>solar::TMagnRgnDlg</name>
    <message>
        <source>Set Magnification</source>
        <translation>Fijar la ampliación</translation>
    </message>
    <message>
        <source>Region Size in Pixels:</source>
        <translation>Tamaño de la región en píxeles:</translation>
    </message>
    <message>
        <source>Magnification --&gt;</source>
        <translation>Ampliación --&gt;</translation>
    </message>
    <message>
        <source>Region Size in Pixels</source>
        <translation>Tamaño de la región en píxeles</translation>
    </message>
    <message>
        <source>Magnification</source>
        <translation>Ampliación</translation>
    </message>
    <message>
        <source>Right raises the magnification: a smaller region fills the magnifier.</source>
        <translation>A la derecha aumenta la ampliación: una región más pequeña llena la lupa.</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Predeterminado</translation>
    </message>
    <message>
        <source>Restore internal default values.</source>
        <translation>Restablece los valores predeterminados internos.</translation>
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
        <source>Set Default Mag Rgn Size</source>
        <translation>Tamaño predeterminado de la región de la lupa</translation>
    </message>
</context>
<context>
    <name>solar::TRdOutDisp</name>
    <message>
        <source>Cursor Position</source>
        <translation>Posición del cursor</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>Píxeles</translation>
    </message>
    <message>
        <source>Heliographic Long, Lat</source>
        <translation>Long., lat. heliográficas</translation>
    </message>
    <message>
        <source>X offset from the disc centre, pixels</source>
        <translation>Desplazamiento X desde el centro del disco, en píxeles</translation>
    </message>
    <message>
        <source>Y offset from the disc centre, pixels</source>
        <translation>Desplazamiento Y desde el centro del disco, en píxeles</translation>
    </message>
    <message>
        <source>X in solar radii, or heliographic longitude in degrees</source>
        <translation>X en radios solares, o longitud heliográfica en grados</translation>
    </message>
    <message>
        <source>Y in solar radii, or heliographic latitude in degrees</source>
        <translation>Y en radios solares, o latitud heliográfica en grados</translation>
    </message>
</context>
</TS>
