<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
</TS>
