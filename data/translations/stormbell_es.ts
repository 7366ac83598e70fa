<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Status</name>
    <message>
        <source>Accessing data</source>
        <translation>Accediendo a los datos</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Error al actualizar</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completado</translation>
    </message>
</context>
</TS>
