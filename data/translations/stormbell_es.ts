<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>usage: stormbell [--version | --help]
Opens the weather gauge. The red bar saves the settings and the window&apos;s place and quits;
closing the window any other way quits without saving.
</source>
        <translation>uso: stormbell [--version | --help]
Abre el indicador meteorológico. La barra roja guarda los ajustes y la posición de la ventana
y sale; cerrar la ventana de otro modo sale sin guardar.
</translation>
    </message>
</context>
<context>
    <name>Compass</name>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>NNE</source>
        <translation>NNE</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>NE</translation>
    </message>
    <message>
        <source>ENE</source>
        <translation>ENE</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>ESE</source>
        <translation>ESE</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>SE</translation>
    </message>
    <message>
        <source>SSE</source>
        <translation>SSE</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>SSW</source>
        <translation>SSO</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>SO</translation>
    </message>
    <message>
        <source>WSW</source>
        <translation>OSO</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
    <message>
        <source>WNW</source>
        <translation>ONO</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>NNW</source>
        <translation>NNO</translation>
    </message>
</context>
<context>
    <name>Dates</name>
    <message>
        <source>HH:mm</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>MMM d HH:mm</source>
        <translation>d MMM, HH:mm</translation>
    </message>
    <message>
        <source>MMM d, HH:mm</source>
        <translation>d MMM, HH:mm</translation>
    </message>
    <message>
        <source>MMM d, yyyy HH:mm</source>
        <translation>d MMM yyyy, HH:mm</translation>
    </message>
    <message>
        <source>MMM d, yyyy, HH:mm</source>
        <translation>d MMM yyyy, HH:mm</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>%1 port %2</source>
        <translation>%1 puerto %2</translation>
    </message>
    <message>
        <source>Nothing was sent to %1: %2</source>
        <translation>No se envió nada a %1: %2</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2</source>
        <translation>No se pudo conectar con %1: %2</translation>
    </message>
    <message>
        <source>Could not log in to %1: %2</source>
        <translation>No se pudo iniciar sesión en %1: %2</translation>
    </message>
    <message>
        <source>The directory %1 was not found on %2: %3</source>
        <translation>No se encontró el directorio %1 en %2: %3</translation>
    </message>
    <message>
        <source>Could not change to the directory %1 on %2: %3</source>
        <translation>No se pudo cambiar al directorio %1 en %2: %3</translation>
    </message>
    <message>
        <source>%1, asked for %2 in %3, sent an empty report</source>
        <translation>%1, al pedirle %2 en %3, envió un parte vacío</translation>
    </message>
    <message>
        <source>%1 was not found in %2 on %3: %4</source>
        <translation>No se encontró %1 en %2 en %3: %4</translation>
    </message>
    <message>
        <source>%1 could not be fetched from %2 on %3: %4</source>
        <translation>No se pudo descargar %1 de %2 en %3: %4</translation>
    </message>
    <message>
        <source>Logging out of %1 failed after %2 was fetched: %3</source>
        <translation>Falló el cierre de sesión en %1 tras descargar %2: %3</translation>
    </message>
    <message>
        <source>%1 from %2 on %3 is not a decoded report: %4</source>
        <translation>%1 de %2 en %3 no es un parte descodificado: %4</translation>
    </message>
    <message>
        <source>%1 from %2 on %3 was not decoded: %4</source>
        <translation>%1 de %2 en %3 no se descodificó: %4</translation>
    </message>
    <message>
        <source>HTTPS is unavailable, so nothing can be fetched from %1: this program has no HTTPS client</source>
        <translation>HTTPS no está disponible, así que no se puede obtener nada de %1: este programa no tiene cliente HTTPS</translation>
    </message>
    <message>
        <source>HTTPS is unavailable, so nothing can be fetched from %1: its module is not installed:%2</source>
        <translation>HTTPS no está disponible, así que no se puede obtener nada de %1: el módulo HTTPS no está instalado:%2</translation>
    </message>
    <message>
        <source>HTTPS is unavailable, so nothing can be fetched from %1: %2</source>
        <translation>HTTPS no está disponible, así que no se puede obtener nada de %1: %2</translation>
    </message>
</context>
<context>
    <name>GaugeMenu</name>
    <message>
        <source>Gauge menu</source>
        <translation>Menú del indicador</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>Options…</source>
        <translation>Opciones…</translation>
    </message>
    <message>
        <source>Set reference hand to current pressure</source>
        <translation>Poner la aguja de referencia en la presión actual</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historial…</translation>
    </message>
    <message>
        <source>Move with the keyboard</source>
        <translation>Mover con el teclado</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Save and exit</source>
        <translation>Guardar y salir</translation>
    </message>
    <message>
        <source>&amp;Recent stations</source>
        <translation>Estaciones &amp;recientes</translation>
    </message>
    <message>
        <source>No station picked yet</source>
        <translation>Aún no se ha elegido ninguna estación</translation>
    </message>
</context>
<context>
    <name>HistoryAside</name>
    <message>
        <source>The history %1 was damaged and was set aside as %2; a new history begins.</source>
        <translation>El historial %1 estaba dañado y se apartó como %2; empieza un historial nuevo.</translation>
    </message>
    <message>
        <source>The history %1 was damaged and was set aside as %2; a new history begins with the %3 reading still readable.</source>
        <translation>El historial %1 estaba dañado y se apartó como %2; empieza un historial nuevo con la única medición aún legible.</translation>
    </message>
    <message>
        <source>The history %1 was damaged and was set aside as %2; a new history begins with the %3 readings still readable.</source>
        <translation>El historial %1 estaba dañado y se apartó como %2; empieza un historial nuevo con las %3 mediciones aún legibles.</translation>
    </message>
</context>
<context>
    <name>HistoryNote</name>
    <message>
        <source>Pressure steady in 3 hours, from the history since %1 UTC</source>
        <translation>Presión estable en 3 horas, según el historial desde las %1 UTC</translation>
    </message>
    <message>
        <source>Pressure falling %1 hPa (%2 inHg) in 3 hours, from the history since %3 UTC</source>
        <translation>Presión en descenso, %1 hPa (%2 inHg) en 3 horas, según el historial desde las %3 UTC</translation>
    </message>
    <message>
        <source>Pressure rising %1 hPa (%2 inHg) in 3 hours, from the history since %3 UTC</source>
        <translation>Presión en ascenso, %1 hPa (%2 inHg) en 3 horas, según el historial desde las %3 UTC</translation>
    </message>
    <message>
        <source>The history could not be written: %1</source>
        <translation>No se pudo guardar el historial: %1</translation>
    </message>
</context>
<context>
    <name>HistoryProblem</name>
    <message>
        <source>no data folder is known (neither XDG_DATA_HOME nor HOME is set)</source>
        <translation>no se conoce ninguna carpeta de datos (no está definida ni XDG_DATA_HOME ni HOME)</translation>
    </message>
    <message>
        <source>its report names no station or observation time</source>
        <translation>su parte no indica estación ni hora de observación</translation>
    </message>
    <message>
        <source>its observation time is before 1900 or more than a day ahead of the clock</source>
        <translation>su hora de observación es anterior a 1900 o va más de un día por delante del reloj</translation>
    </message>
    <message>
        <source>an unexpected failure without a description</source>
        <translation>un fallo inesperado sin descripción</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Cannot ASSIGN METAR.LOG.</source>
        <translation>No se puede asignar METAR.LOG (ASSIGN).</translation>
    </message>
    <message>
        <source>Cannot ASSIGN METAR.TMP.</source>
        <translation>No se puede asignar METAR.TMP (ASSIGN).</translation>
    </message>
    <message>
        <source>Cannot CREATE METAR.TMP.</source>
        <translation>No se puede crear METAR.TMP (CREATE).</translation>
    </message>
    <message>
        <source>Cannot CREATE METAR.LOG.</source>
        <translation>No se puede crear METAR.LOG (CREATE).</translation>
    </message>
    <message>
        <source>Cannot LOCK METAR.LOG.</source>
        <translation>No se puede bloquear METAR.LOG (LOCK).</translation>
    </message>
    <message>
        <source>Cannot replace METAR.LOG with METAR.TMP; both files were left as they are: </source>
        <translation>No se puede sustituir METAR.LOG por METAR.TMP; ambos archivos se dejaron como estaban: </translation>
    </message>
    <message>
        <source>Cannot read </source>
        <translation>No se puede leer: </translation>
    </message>
    <message>
        <source>Cannot write </source>
        <translation>No se puede escribir: </translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <source>Cannot load the print support:</source>
        <translation>No se puede cargar el módulo de impresión:</translation>
    </message>
    <message>
        <source>%1 local time (%2)</source>
        <translation>%1 hora local (%2)</translation>
    </message>
    <message>
        <source>Unknown station</source>
        <translation>Estación desconocida</translation>
    </message>
    <message>
        <source>Observed %1 UTC, %2</source>
        <translation>Observado el %1 UTC, %2</translation>
    </message>
    <message>
        <source>Observation time unknown</source>
        <translation>Hora de observación desconocida</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Impreso el %1</translation>
    </message>
    <message>
        <source>Cannot start the print job</source>
        <translation>No se puede iniciar la impresión</translation>
    </message>
    <message>
        <source>%1 — page %2 of %3</source>
        <translation>%1 — página %2 de %3</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>The report was not logged: %1</source>
        <translation>El parte no se registró: %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>The report is larger than 1 MiB; it was not decoded</source>
        <translation>El parte ocupa más de 1 MiB; no se descodificó</translation>
    </message>
    <message>
        <source>The report is larger than 1 MiB (%1 bytes); it was not decoded</source>
        <translation>El parte ocupa más de 1 MiB (%1 bytes); no se descodificó</translation>
    </message>
    <message>
        <source>The report holds none of the Wind, Temperature, Dew Point and Pressure lines</source>
        <translation>El parte no contiene ninguna de las líneas Wind, Temperature, Dew Point y Pressure</translation>
    </message>
    <message>
        <source>none of its first lines gives the observation time</source>
        <translation>ninguna de sus primeras líneas indica la hora de observación</translation>
    </message>
</context>
<context>
    <name>ServiceWords</name>
    <message>
        <source>clear</source>
        <translation>despejado</translation>
    </message>
    <message>
        <source>mostly clear</source>
        <translation>poco nuboso</translation>
    </message>
    <message>
        <source>partly cloudy</source>
        <translation>parcialmente nuboso</translation>
    </message>
    <message>
        <source>mostly cloudy</source>
        <translation>muy nuboso</translation>
    </message>
    <message>
        <source>cloudy</source>
        <translation>nuboso</translation>
    </message>
    <message>
        <source>overcast</source>
        <translation>cubierto</translation>
    </message>
    <message>
        <source>obscured</source>
        <translation>oculto</translation>
    </message>
    <message>
        <source>rain</source>
        <translation>lluvia</translation>
    </message>
    <message>
        <source>light rain</source>
        <translation>lluvia ligera</translation>
    </message>
    <message>
        <source>moderate rain</source>
        <translation>lluvia moderada</translation>
    </message>
    <message>
        <source>heavy rain</source>
        <translation>lluvia fuerte</translation>
    </message>
    <message>
        <source>snow</source>
        <translation>nieve</translation>
    </message>
    <message>
        <source>light snow</source>
        <translation>nevada ligera</translation>
    </message>
    <message>
        <source>moderate snow</source>
        <translation>nevada moderada</translation>
    </message>
    <message>
        <source>heavy snow</source>
        <translation>nevada fuerte</translation>
    </message>
    <message>
        <source>drizzle</source>
        <translation>llovizna</translation>
    </message>
    <message>
        <source>light drizzle</source>
        <translation>llovizna ligera</translation>
    </message>
    <message>
        <source>moderate drizzle</source>
        <translation>llovizna moderada</translation>
    </message>
    <message>
        <source>heavy drizzle</source>
        <translation>llovizna fuerte</translation>
    </message>
    <message>
        <source>freezing rain</source>
        <translation>lluvia engelante</translation>
    </message>
    <message>
        <source>light freezing rain</source>
        <translation>lluvia engelante ligera</translation>
    </message>
    <message>
        <source>heavy freezing rain</source>
        <translation>lluvia engelante fuerte</translation>
    </message>
    <message>
        <source>freezing drizzle</source>
        <translation>llovizna engelante</translation>
    </message>
    <message>
        <source>light freezing drizzle</source>
        <translation>llovizna engelante ligera</translation>
    </message>
    <message>
        <source>heavy freezing drizzle</source>
        <translation>llovizna engelante fuerte</translation>
    </message>
    <message>
        <source>showers</source>
        <translation>chubascos</translation>
    </message>
    <message>
        <source>rain showers</source>
        <translation>chubascos de lluvia</translation>
    </message>
    <message>
        <source>light rain showers</source>
        <translation>chubascos de lluvia débiles</translation>
    </message>
    <message>
        <source>heavy rain showers</source>
        <translation>chubascos de lluvia fuertes</translation>
    </message>
    <message>
        <source>snow showers</source>
        <translation>chubascos de nieve</translation>
    </message>
    <message>
        <source>light snow showers</source>
        <translation>chubascos de nieve débiles</translation>
    </message>
    <message>
        <source>heavy snow showers</source>
        <translation>chubascos de nieve fuertes</translation>
    </message>
    <message>
        <source>snow grains</source>
        <translation>cinarra</translation>
    </message>
    <message>
        <source>light snow grains</source>
        <translation>cinarra débil</translation>
    </message>
    <message>
        <source>ice pellets</source>
        <translation>hielo granulado</translation>
    </message>
    <message>
        <source>light ice pellets</source>
        <translation>hielo granulado débil</translation>
    </message>
    <message>
        <source>ice crystals</source>
        <translation>cristales de hielo</translation>
    </message>
    <message>
        <source>hail</source>
        <translation>granizo</translation>
    </message>
    <message>
        <source>small hail/snow pellets</source>
        <translation>granizo menudo o nieve granulada</translation>
    </message>
    <message>
        <source>precipitation</source>
        <translation>precipitación</translation>
    </message>
    <message>
        <source>light precipitation</source>
        <translation>precipitación débil</translation>
    </message>
    <message>
        <source>unknown precipitation</source>
        <translation>precipitación indeterminada</translation>
    </message>
    <message>
        <source>thunder</source>
        <translation>tormenta</translation>
    </message>
    <message>
        <source>thunderstorm</source>
        <translation>tormenta</translation>
    </message>
    <message>
        <source>thunderstorms</source>
        <translation>tormentas</translation>
    </message>
    <message>
        <source>Lightning observed</source>
        <translation>relámpagos observados</translation>
    </message>
    <message>
        <source>mist</source>
        <translation>neblina</translation>
    </message>
    <message>
        <source>fog</source>
        <translation>niebla</translation>
    </message>
    <message>
        <source>shallow fog</source>
        <translation>niebla baja</translation>
    </message>
    <message>
        <source>partial fog</source>
        <translation>niebla parcial</translation>
    </message>
    <message>
        <source>patches of fog</source>
        <translation>bancos de niebla</translation>
    </message>
    <message>
        <source>freezing fog</source>
        <translation>niebla engelante</translation>
    </message>
    <message>
        <source>haze</source>
        <translation>calima</translation>
    </message>
    <message>
        <source>smoke</source>
        <translation>humo</translation>
    </message>
    <message>
        <source>volcanic ash</source>
        <translation>ceniza volcánica</translation>
    </message>
    <message>
        <source>dust</source>
        <translation>polvo</translation>
    </message>
    <message>
        <source>widespread dust</source>
        <translation>polvo en suspensión</translation>
    </message>
    <message>
        <source>blowing dust</source>
        <translation>ventisca alta de polvo</translation>
    </message>
    <message>
        <source>sand</source>
        <translation>arena</translation>
    </message>
    <message>
        <source>blowing sand</source>
        <translation>ventisca alta de arena</translation>
    </message>
    <message>
        <source>blowing snow</source>
        <translation>ventisca alta de nieve</translation>
    </message>
    <message>
        <source>drifting snow</source>
        <translation>ventisca baja de nieve</translation>
    </message>
    <message>
        <source>low drifting snow</source>
        <translation>ventisca baja de nieve</translation>
    </message>
    <message>
        <source>spray</source>
        <translation>rociones</translation>
    </message>
    <message>
        <source>dust/sand whirls</source>
        <translation>remolinos de polvo o arena</translation>
    </message>
    <message>
        <source>squalls</source>
        <translation>turbonadas</translation>
    </message>
    <message>
        <source>funnel cloud</source>
        <translation>nube embudo</translation>
    </message>
    <message>
        <source>tornado</source>
        <translation>tornado</translation>
    </message>
    <message>
        <source>sandstorm</source>
        <translation>tempestad de arena</translation>
    </message>
    <message>
        <source>duststorm</source>
        <translation>tempestad de polvo</translation>
    </message>
    <message>
        <source>%1 in the vicinity</source>
        <translation>%1 en las proximidades</translation>
    </message>
    <message>
        <source>%1 mile(s)</source>
        <translation>%1 milla(s)</translation>
    </message>
    <message>
        <source>greater than %1 mile(s)</source>
        <translation>más de %1 milla(s)</translation>
    </message>
    <message>
        <source>less than %1 mile(s)</source>
        <translation>menos de %1 milla(s)</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>SessionBus</name>
    <message>
        <source>The session bus did not answer: started without screen reader support or desktop notifications.</source>
        <translation>El bus de sesión no respondió: se inició sin compatibilidad con lectores de pantalla ni notificaciones.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>No folder for the settings was found: neither XDG_CONFIG_HOME nor HOME is an absolute path and the user has no home folder; the gauge starts with its default settings.</source>
        <translation>No se encontró ninguna carpeta para los ajustes: ni XDG_CONFIG_HOME ni HOME es una ruta absoluta y el usuario no tiene carpeta personal; Stormbell se inicia con los ajustes predeterminados.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file; the gauge starts with its default settings and does not save over the file.</source>
        <translation>El archivo de ajustes %1 no es un archivo normal; Stormbell se inicia con los ajustes predeterminados y no sobrescribe el archivo.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read (%2); the gauge starts with its default settings and does not save over the file.</source>
        <translation>No se puede leer el archivo de ajustes %1 (%2); Stormbell se inicia con los ajustes predeterminados y no sobrescribe el archivo.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read, nor set aside (%2); the gauge starts with its default settings and does not save over the file.</source>
        <translation>El archivo de ajustes %1 no se puede leer ni apartar (%2); Stormbell se inicia con los ajustes predeterminados y no sobrescribe el archivo.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read and was set aside as %2; the gauge starts with its default settings.</source>
        <translation>No se pudo leer el archivo de ajustes %1 y se apartó como %2; Stormbell se inicia con los ajustes predeterminados.</translation>
    </message>
</context>
<context>
    <name>StationLine</name>
    <message>
        <source>%1 h old</source>
        <translation>hace %1 h</translation>
    </message>
    <message>
        <source>%1 d old</source>
        <translation>hace %1 d</translation>
    </message>
    <message>
        <source>update failed</source>
        <translation>error al actualizar</translation>
    </message>
    <message>
        <source>no reading yet</source>
        <translation>sin medición aún</translation>
    </message>
    <message>
        <source>time unknown</source>
        <translation>hora desconocida</translation>
    </message>
</context>
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
<context>
    <name>StormAlert</name>
    <message>
        <source>Thunder or lightning: %1</source>
        <translation>Truenos o relámpagos: %1</translation>
    </message>
    <message>
        <source>Pressure falling %1 hPa in 3 hours</source>
        <translation>La presión baja %1 hPa en 3 horas</translation>
    </message>
    <message>
        <source>Pressure falling %1 hPa in 3 hours, from the history</source>
        <translation>La presión baja %1 hPa en 3 horas, según el historial</translation>
    </message>
    <message>
        <source>Storm warning — %1</source>
        <translation>Aviso de tormenta — %1</translation>
    </message>
    <message>
        <source>Observed %1, %2</source>
        <translation>Observación: %1, %2</translation>
    </message>
    <message>
        <source>the history could not note this alert: %1</source>
        <translation>el historial no pudo anotar este aviso: %1</translation>
    </message>
    <message>
        <source>this alert may be repeated after a restart: %1</source>
        <translation>este aviso puede repetirse tras reiniciar: %1</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>; the weather service gives %1</source>
        <translation>; el servicio meteorológico da %1</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1 minuto</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 hora</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 horas</translation>
    </message>
    <message>
        <source>%1 day</source>
        <translation>%1 día</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 días</translation>
    </message>
    <message>
        <source>Pressure %1</source>
        <translation>Presión %1</translation>
    </message>
    <message>
        <source>%1, at the reference hand</source>
        <translation>%1, en la aguja de referencia</translation>
    </message>
    <message>
        <source>%1, %2 above the reference hand at %3</source>
        <translation>%1, %2 por encima de la aguja de referencia en %3</translation>
    </message>
    <message>
        <source>%1, %2 below the reference hand at %3</source>
        <translation>%1, %2 por debajo de la aguja de referencia en %3</translation>
    </message>
    <message>
        <source>%1 knot</source>
        <translation>%1 nudo</translation>
    </message>
    <message>
        <source>%1 knots</source>
        <translation>%1 nudos</translation>
    </message>
    <message>
        <source>Wind variable at %1</source>
        <translation>Viento variable a %1</translation>
    </message>
    <message>
        <source>Wind calm</source>
        <translation>Viento en calma</translation>
    </message>
    <message>
        <source>Wind from %1 (%2°) at %3</source>
        <translation>Viento del %1 (%2°) a %3</translation>
    </message>
    <message>
        <source>Pressure falling %1 in 3 hours (%2)</source>
        <translation>Presión en descenso, %1 en 3 horas (%2)</translation>
    </message>
    <message>
        <source>Pressure rising %1 in 3 hours (%2)</source>
        <translation>Presión en ascenso, %1 en 3 horas (%2)</translation>
    </message>
    <message>
        <source>Pressure steady %1 in 3 hours (%2)</source>
        <translation>Presión estable, %1 en 3 horas (%2)</translation>
    </message>
    <message>
        <source>Gusts to %1</source>
        <translation>Rachas de hasta %1</translation>
    </message>
    <message>
        <source>Visibility %1</source>
        <translation>Visibilidad %1</translation>
    </message>
    <message>
        <source>Sky %1</source>
        <translation>Cielo %1</translation>
    </message>
    <message>
        <source>Weather %1</source>
        <translation>Tiempo %1</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>ahora mismo</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <translation>hace %1</translation>
    </message>
    <message>
        <source>The last update failed.</source>
        <translation>La última actualización ha fallado.</translation>
    </message>
    <message>
        <source>The last update failed; these values are from an earlier reading.</source>
        <translation>La última actualización ha fallado; estos valores son de una medición anterior.</translation>
    </message>
    <message>
        <source>A network that blocks FTP can use https://tgftp.nws.noaa.gov in the FTP settings.</source>
        <translation>Una red que bloquea el FTP puede usar https://tgftp.nws.noaa.gov en los ajustes FTP.</translation>
    </message>
    <message>
        <source>The storm alert could not be shown: %1</source>
        <translation>No se pudo mostrar el aviso de tormenta: %1</translation>
    </message>
    <message>
        <source>Outdated: this observation is %1 old.</source>
        <translation>Desactualizado: esta observación tiene %1.</translation>
    </message>
    <message>
        <source>No reading yet: the needles rest until the first update.</source>
        <translation>Aún no hay medición: las agujas reposan hasta la primera actualización.</translation>
    </message>
    <message>
        <source>No reading yet in this run; these are the values shown when the gauge was last saved.</source>
        <translation>Aún no hay medición en esta sesión; estos son los valores mostrados al guardar por última vez.</translation>
    </message>
    <message>
        <source>Observed %1, %2</source>
        <translation>Observación: %1, %2</translation>
    </message>
    <message>
        <source>Observation time unknown</source>
        <translation>Hora de observación desconocida</translation>
    </message>
    <message>
        <source>Fetched %1</source>
        <translation>Descargado: %1</translation>
    </message>
    <message>
        <source>Temperature not reported</source>
        <translation>Temperatura no informada</translation>
    </message>
    <message>
        <source>Temperature %1</source>
        <translation>Temperatura %1</translation>
    </message>
    <message>
        <source>Dew point not reported</source>
        <translation>Punto de rocío no informado</translation>
    </message>
    <message>
        <source>Dew point %1</source>
        <translation>Punto de rocío %1</translation>
    </message>
    <message>
        <source>Heat index not reported</source>
        <translation>Índice de calor no informado</translation>
    </message>
    <message>
        <source>Heat index %1</source>
        <translation>Índice de calor %1</translation>
    </message>
    <message>
        <source>Wind chill not reported</source>
        <translation>Sensación térmica no informada</translation>
    </message>
    <message>
        <source>Wind chill %1</source>
        <translation>Sensación térmica %1</translation>
    </message>
    <message>
        <source>Humidity not reported</source>
        <translation>Humedad no informada</translation>
    </message>
    <message>
        <source>Humidity %1</source>
        <translation>Humedad %1</translation>
    </message>
    <message>
        <source>Pressure not reported</source>
        <translation>Presión no informada</translation>
    </message>
    <message>
        <source>Wind not reported</source>
        <translation>Viento no informado</translation>
    </message>
    <message>
        <source>The update of %1 failed.</source>
        <translation>La actualización de %1 ha fallado.</translation>
    </message>
    <message>
        <source>The update of %1 failed; these values are from an earlier reading of %2.</source>
        <translation>La actualización de %1 ha fallado; estos valores son de una medición anterior de %2.</translation>
    </message>
    <message>
        <source>The update of %1 failed; these values are from an earlier reading.</source>
        <translation>La actualización de %1 ha fallado; estos valores son de una medición anterior.</translation>
    </message>
    <message>
        <source>The service sent an older observation, of %1; the newer reading stays.</source>
        <translation>El servicio envió una observación más antigua (%1); se mantiene la medición más reciente.</translation>
    </message>
</context>
<context>
    <name>WindowParts</name>
    <message>
        <source>Up or + turns it on, Down or - turns it back</source>
        <translation>Arriba o + la hace avanzar, Abajo o - la hace retroceder</translation>
    </message>
    <message>
        <source>not fetching</source>
        <translation>sin descarga</translation>
    </message>
    <message>
        <source>fetching</source>
        <translation>descargando</translation>
    </message>
    <message>
        <source>no fetch failure</source>
        <translation>sin errores de descarga</translation>
    </message>
    <message>
        <source>fetch failed</source>
        <translation>error de descarga</translation>
    </message>
    <message>
        <source>green lamp, lit while a report is fetched</source>
        <translation>luz verde, encendida mientras se descarga un parte</translation>
    </message>
    <message>
        <source>red lamp, lit when the last fetch failed</source>
        <translation>luz roja, encendida si falló la última descarga</translation>
    </message>
    <message>
        <source>Stormbell weather gauge</source>
        <translation>Indicador meteorológico Stormbell</translation>
    </message>
    <message>
        <source>reference hand: left click turns on, right click turns back</source>
        <translation>aguja de referencia: clic izquierdo la avanza, clic derecho la retrocede</translation>
    </message>
    <message>
        <source>save and exit (closing the gauge any other way does not save the settings)</source>
        <translation>guardar y salir (cerrar de otro modo no guarda los ajustes)</translation>
    </message>
    <message>
        <source>update now</source>
        <translation>actualizar ahora</translation>
    </message>
    <message>
        <source>options</source>
        <translation>opciones</translation>
    </message>
    <message>
        <source>minimise</source>
        <translation>minimizar</translation>
    </message>
    <message>
        <source>save and exit</source>
        <translation>guardar y salir</translation>
    </message>
    <message>
        <source>moving: the arrow keys move it, Shift and an arrow by ten pixels; Return or Escape ends the move</source>
        <translation>moviendo: las flechas mueven la ventana, con Mayús de diez en diez píxeles; Intro o Esc termina el movimiento</translation>
    </message>
</context>
<context>
    <name>stormbell::DesktopNotifier</name>
    <message>
        <source>no session bus: %1</source>
        <translation>no hay bus de sesión: %1</translation>
    </message>
    <message>
        <source>the session bus did not answer at the start</source>
        <translation>el bus de sesión no respondió al iniciar</translation>
    </message>
</context>
<context>
    <name>stormbell::FtpSettingsDialog</name>
    <message>
        <source>FTP for NWS</source>
        <translation>FTP del NWS</translation>
    </message>
    <message>
        <source>Subdirectory</source>
        <translation>Subdirectorio</translation>
    </message>
    <message>
        <source>Use Proxy</source>
        <translation>Usar proxy</translation>
    </message>
    <message>
        <source>Proxy Port</source>
        <translation>Puerto del proxy</translation>
    </message>
    <message>
        <source>register new directories</source>
        <translation>registrar los directorios</translation>
    </message>
    <message>
        <source>FTP server host name</source>
        <translation>Nombre del servidor FTP</translation>
    </message>
    <message>
        <source>Report directory on the server</source>
        <translation>Directorio de los partes en el servidor</translation>
    </message>
    <message>
        <source>Use proxy port</source>
        <translation>Usar el puerto del proxy</translation>
    </message>
    <message>
        <source>Proxy port</source>
        <translation>Puerto del proxy</translation>
    </message>
    <message>
        <source>FTP directories DO NOT CHANGE UNLESS YOU ARE CERTAIN!!!</source>
        <translation>Directorios FTP: ¡NO LOS CAMBIE SI NO ESTÁ SEGURO!</translation>
    </message>
    <message>
        <source>FTP for NWS: the server the reports are fetched from</source>
        <translation>FTP del NWS: el servidor del que se descargan los partes</translation>
    </message>
    <message>
        <source>Subdirectory: where the reports lie on the server</source>
        <translation>Subdirectorio: dónde están los partes en el servidor</translation>
    </message>
    <message>
        <source>Use Proxy: connect on the proxy port instead of port 21</source>
        <translation>Usar proxy: conectar por el puerto del proxy en lugar del 21</translation>
    </message>
    <message>
        <source>Proxy Port: the port used instead of 21</source>
        <translation>Puerto del proxy: el puerto que se usa en lugar del 21</translation>
    </message>
    <message>
        <source>Takes the server and the subdirectory as they stand</source>
        <translation>Guarda el servidor y el subdirectorio tal como están</translation>
    </message>
</context>
<context>
    <name>stormbell::GaugeWindow</name>
    <message>
        <source>An unknown error occurred</source>
        <translation>Se ha producido un error desconocido</translation>
    </message>
    <message>
        <source>Fetching a report now.</source>
        <translation>Descargando un parte.</translation>
    </message>
</context>
<context>
    <name>stormbell::HistoryChart</name>
    <message>
        <source>Temperature and dew point, °C</source>
        <translation>Temperatura y punto de rocío, °C</translation>
    </message>
    <message>
        <source>Temperature and dew point, °F</source>
        <translation>Temperatura y punto de rocío, °F</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Dew point</source>
        <translation>Punto de rocío</translation>
    </message>
    <message>
        <source>Pressure, kPa</source>
        <translation>Presión, kPa</translation>
    </message>
    <message>
        <source>Pressure, inHg</source>
        <translation>Presión, inHg</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>Relative humidity, %</source>
        <translation>Humedad relativa, %</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humedad</translation>
    </message>
    <message>
        <source>Wind speed and gusts, knots</source>
        <translation>Velocidad del viento y rachas, nudos</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Viento</translation>
    </message>
    <message>
        <source>Gusts</source>
        <translation>Rachas</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>dom</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>mié</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sáb</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>weekday and day of the month</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Temperature %1 %2</source>
        <translation>Temperatura %1 %2</translation>
    </message>
    <message>
        <source>Dew point %1 %2</source>
        <translation>Punto de rocío %1 %2</translation>
    </message>
    <message>
        <source>Humidity %1 %</source>
        <translation>Humedad %1 %</translation>
    </message>
    <message>
        <source>Pressure %1 %2</source>
        <translation>Presión %1 %2</translation>
    </message>
    <message>
        <source>Wind %1 knots</source>
        <translation>Viento %1 nudos</translation>
    </message>
    <message>
        <source>, gusts %1</source>
        <translation>, rachas %1</translation>
    </message>
    <message>
        <source>, variable</source>
        <translation>, variable</translation>
    </message>
    <message>
        <source> from %1°</source>
        <translation> del %1°</translation>
    </message>
    <message>
        <source>No readings in this span</source>
        <translation>No hay mediciones en este periodo</translation>
    </message>
    <message>
        <source>Reference hand</source>
        <translation>Aguja de referencia</translation>
    </message>
    <message>
        <source>History graphs</source>
        <translation>Gráficos del historial</translation>
    </message>
    <message>
        <source>Left and Right move along the readings</source>
        <translation>Las flechas izquierda y derecha recorren las mediciones</translation>
    </message>
</context>
<context>
    <name>stormbell::HistoryLink</name>
    <message>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>reading %1 failed part-way; %2 reading was stored before</source>
        <translation>la lectura de %1 falló a medias; antes se guardó %2 medición</translation>
    </message>
    <message>
        <source>reading %1 failed part-way; %2 readings were stored before</source>
        <translation>la lectura de %1 falló a medias; antes se guardaron %2 mediciones</translation>
    </message>
</context>
<context>
    <name>stormbell::HistoryWindow</name>
    <message>
        <source>24 hours</source>
        <translation>24 horas</translation>
    </message>
    <message>
        <source>Import log…</source>
        <translation>Importar registro…</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exportar CSV…</translation>
    </message>
    <message>
        <source>Stormbell history</source>
        <translation>Historial de Stormbell</translation>
    </message>
    <message>
        <source>%1: %2 reading in the last %3</source>
        <translation>%1: %2 medición en el periodo de %3</translation>
    </message>
    <message>
        <source>%1: %2 readings in the last %3</source>
        <translation>%1: %2 mediciones en el periodo de %3</translation>
    </message>
    <message>
        <source>The readings could not be written to %1</source>
        <translation>No se pudieron escribir las mediciones en %1</translation>
    </message>
    <message>
        <source>%1 readings written to %2</source>
        <translation>%1 mediciones escritas en %2</translation>
    </message>
    <message>
        <source>Importing %1…</source>
        <translation>Importando %1…</translation>
    </message>
    <message>
        <source>The import stopped: %1</source>
        <translation>La importación se detuvo: %1</translation>
    </message>
    <message>
        <source>Import a report log</source>
        <translation>Importar un registro de partes</translation>
    </message>
    <message>
        <source>Report logs (*.LOG *.log);;All files (*)</source>
        <translation>Registros de partes (*.LOG *.log);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Export the shown readings</source>
        <translation>Exportar las mediciones mostradas</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>3 days</source>
        <translation>3 días</translation>
    </message>
    <message>
        <source>7 days</source>
        <translation>7 días</translation>
    </message>
    <message>
        <source>30 days</source>
        <translation>30 días</translation>
    </message>
    <message>
        <source>1 year</source>
        <translation>1 año</translation>
    </message>
    <message>
        <source>year</source>
        <translation>un año</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Estación</translation>
    </message>
    <message>
        <source>&amp;Station:</source>
        <translation>E&amp;stación:</translation>
    </message>
    <message>
        <source>%1: %2 added, %3 already stored, %4 damaged entries skipped; stopped before the end</source>
        <translation>%1: %2 añadidas, %3 ya guardadas, %4 entradas dañadas omitidas; detenido antes del final</translation>
    </message>
    <message>
        <source>%1: %2 added, %3 already stored, %4 damaged entries skipped</source>
        <translation>%1: %2 añadidas, %3 ya guardadas, %4 entradas dañadas omitidas</translation>
    </message>
</context>
<context>
    <name>stormbell::OptionsDialog</name>
    <message>
        <source> METAR report </source>
        <translation> Parte METAR </translation>
    </message>
    <message>
        <source>Search stations: town, country or identifier</source>
        <translation>Buscar estación: ciudad, país o indicativo</translation>
    </message>
    <message>
        <source>Type a place to find its station; Down goes to the list, Return picks the highlighted row</source>
        <translation>Escriba un lugar para encontrar su estación; Abajo pasa a la lista, Intro elige la fila resaltada</translation>
    </message>
    <message>
        <source>Station </source>
        <translation>Estación </translation>
    </message>
    <message>
        <source>not a station identifier — search the list above</source>
        <translation>no es un indicativo de estación: busque en la lista de arriba</translation>
    </message>
    <message>
        <source>Print Metar</source>
        <translation>Imprimir METAR</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Run on start</source>
        <translation>Al iniciar</translation>
    </message>
    <message>
        <source>Storm alerts: a desktop notification for thunder or a sharp pressure fall</source>
        <translation>Aviso de tormenta: truenos o fuerte bajada de presión</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Imperiales</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métricas</translation>
    </message>
    <message>
        <source>FTP settings</source>
        <translation>Ajustes FTP</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historial…</translation>
    </message>
    <message>
        <source>Last report</source>
        <translation>Último parte</translation>
    </message>
    <message>
        <source>Station list</source>
        <translation>Lista de estaciones</translation>
    </message>
    <message>
        <source>Find a station by name or identifier</source>
        <translation>Buscar una estación por nombre o indicativo</translation>
    </message>
    <message>
        <source>Station identifier</source>
        <translation>Indicativo de la estación</translation>
    </message>
    <message>
        <source>Log reports</source>
        <translation>Registrar los partes</translation>
    </message>
    <message>
        <source>Update interval in minutes</source>
        <translation>Intervalo de actualización en minutos</translation>
    </message>
    <message>
        <source>Log: add every report fetched to METAR.LOG</source>
        <translation>Registro: añadir cada parte descargado a METAR.LOG</translation>
    </message>
    <message>
        <source>Run on start: fetch a report as soon as the gauge starts</source>
        <translation>Al iniciar: descargar un parte en cuanto se inicie</translation>
    </message>
    <message>
        <source>Storm alerts</source>
        <translation>Avisos de tormenta</translation>
    </message>
    <message>
        <source>Stormbell Options</source>
        <translation>Opciones de Stormbell</translation>
    </message>
    <message>
        <source>Where are you? Type a town or an airport code</source>
        <translation>¿Dónde está? Escriba una ciudad o un código de aeropuerto</translation>
    </message>
    <message>
        <source>Timer: minutes between updates</source>
        <translation>Intervalo: minutos entre actualizaciones</translation>
    </message>
    <message>
        <source>Display mode: the gauge&apos;s English or metric scales</source>
        <translation>Unidades: escalas imperiales o métricas del indicador</translation>
    </message>
    <message>
        <source>The last report fetched, as the server sent it</source>
        <translation>El último parte descargado, tal como lo envió el servidor</translation>
    </message>
    <message>
        <source>Station: the identifier of the station the gauge shows</source>
        <translation>Estación: el indicativo de la estación mostrada</translation>
    </message>
    <message>
        <source>Print Metar: print the last report</source>
        <translation>Imprimir METAR: imprimir el último parte</translation>
    </message>
    <message>
        <source>FTP settings: the server the reports come from</source>
        <translation>Ajustes FTP: el servidor del que vienen los partes</translation>
    </message>
    <message>
        <source>History: the readings stored for the station</source>
        <translation>Historial: las mediciones guardadas de la estación</translation>
    </message>
    <message>
        <source>The gauge&apos;s version</source>
        <translation>Versión del indicador</translation>
    </message>
</context>
<context>
    <name>stormbell::SpinEdit</name>
    <message>
        <source>Increase</source>
        <translation>Aumentar</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Disminuir</translation>
    </message>
</context>
</TS>
