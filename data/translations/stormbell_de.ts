<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>usage: stormbell [--version | --help]
Opens the weather gauge. The red bar saves the settings and the window&apos;s place and quits;
closing the window any other way quits without saving.
</source>
        <translation>Aufruf: stormbell [--version | --help]
Öffnet die Wetteranzeige. Der rote Balken speichert die Einstellungen und die Fensterposition
und beendet Stormbell; wird das Fenster anders geschlossen, endet Stormbell ohne zu speichern.
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
        <translation>NNO</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>ENE</source>
        <translation>ONO</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>ESE</source>
        <translation>OSO</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>SO</translation>
    </message>
    <message>
        <source>SSE</source>
        <translation>SSO</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>SSW</source>
        <translation>SSW</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>SW</translation>
    </message>
    <message>
        <source>WSW</source>
        <translation>WSW</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>WNW</source>
        <translation>WNW</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>NW</translation>
    </message>
    <message>
        <source>NNW</source>
        <translation>NNW</translation>
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
        <translation>d. MMM, HH:mm</translation>
    </message>
    <message>
        <source>MMM d, HH:mm</source>
        <translation>d. MMM, HH:mm</translation>
    </message>
    <message>
        <source>MMM d, yyyy HH:mm</source>
        <translation>d. MMM yyyy, HH:mm</translation>
    </message>
    <message>
        <source>MMM d, yyyy, HH:mm</source>
        <translation>d. MMM yyyy, HH:mm</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>%1 port %2</source>
        <translation>%1, Port %2</translation>
    </message>
    <message>
        <source>Nothing was sent to %1: %2</source>
        <translation>An %1 wurde nichts gesendet: %2</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2</source>
        <translation>Keine Verbindung zu %1: %2</translation>
    </message>
    <message>
        <source>Could not log in to %1: %2</source>
        <translation>Anmeldung bei %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>The directory %1 was not found on %2: %3</source>
        <translation>Das Verzeichnis %1 wurde auf %2 nicht gefunden: %3</translation>
    </message>
    <message>
        <source>Could not change to the directory %1 on %2: %3</source>
        <translation>Wechsel in das Verzeichnis %1 auf %2 fehlgeschlagen: %3</translation>
    </message>
    <message>
        <source>%1, asked for %2 in %3, sent an empty report</source>
        <translation>%1 hat auf die Anfrage nach %2 in %3 einen leeren Bericht gesendet</translation>
    </message>
    <message>
        <source>%1 was not found in %2 on %3: %4</source>
        <translation>%1 wurde in %2 auf %3 nicht gefunden: %4</translation>
    </message>
    <message>
        <source>%1 could not be fetched from %2 on %3: %4</source>
        <translation>%1 konnte nicht aus %2 auf %3 abgerufen werden: %4</translation>
    </message>
    <message>
        <source>Logging out of %1 failed after %2 was fetched: %3</source>
        <translation>Abmelden von %1 nach dem Abruf von %2 fehlgeschlagen: %3</translation>
    </message>
    <message>
        <source>%1 from %2 on %3 is not a decoded report: %4</source>
        <translation>%1 aus %2 auf %3 ist kein entschlüsselter Bericht: %4</translation>
    </message>
    <message>
        <source>%1 from %2 on %3 was not decoded: %4</source>
        <translation>%1 aus %2 auf %3 wurde nicht entschlüsselt: %4</translation>
    </message>
    <message>
        <source>HTTPS is unavailable, so nothing can be fetched from %1: this program has no HTTPS client</source>
        <translation>HTTPS ist nicht verfügbar, daher kann nichts von %1 abgerufen werden: Dieses Programm hat keinen HTTPS-Client</translation>
    </message>
    <message>
        <source>HTTPS is unavailable, so nothing can be fetched from %1: its module is not installed:%2</source>
        <translation>HTTPS ist nicht verfügbar, daher kann nichts von %1 abgerufen werden: Das HTTPS-Modul ist nicht installiert:%2</translation>
    </message>
    <message>
        <source>HTTPS is unavailable, so nothing can be fetched from %1: %2</source>
        <translation>HTTPS ist nicht verfügbar, daher kann nichts von %1 abgerufen werden: %2</translation>
    </message>
</context>
<context>
    <name>GaugeMenu</name>
    <message>
        <source>Gauge menu</source>
        <translation>Menü der Wetteranzeige</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Options…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Set reference hand to current pressure</source>
        <translation>Bezugszeiger auf aktuellen Luftdruck stellen</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Verlauf …</translation>
    </message>
    <message>
        <source>Move with the keyboard</source>
        <translation>Mit der Tastatur verschieben</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Save and exit</source>
        <translation>Speichern und beenden</translation>
    </message>
    <message>
        <source>&amp;Recent stations</source>
        <translation>&amp;Letzte Stationen</translation>
    </message>
    <message>
        <source>No station picked yet</source>
        <translation>Noch keine Station gewählt</translation>
    </message>
</context>
<context>
    <name>HistoryAside</name>
    <message>
        <source>The history %1 was damaged and was set aside as %2; a new history begins.</source>
        <translation>Der Verlauf %1 war beschädigt und wurde als %2 beiseitegelegt; ein neuer Verlauf beginnt.</translation>
    </message>
    <message>
        <source>The history %1 was damaged and was set aside as %2; a new history begins with the %3 reading still readable.</source>
        <translation>Der Verlauf %1 war beschädigt und wurde als %2 beiseitegelegt; ein neuer Verlauf beginnt mit dem einzigen noch lesbaren Messwert.</translation>
    </message>
    <message>
        <source>The history %1 was damaged and was set aside as %2; a new history begins with the %3 readings still readable.</source>
        <translation>Der Verlauf %1 war beschädigt und wurde als %2 beiseitegelegt; ein neuer Verlauf beginnt mit den %3 noch lesbaren Messwerten.</translation>
    </message>
</context>
<context>
    <name>HistoryNote</name>
    <message>
        <source>Pressure steady in 3 hours, from the history since %1 UTC</source>
        <translation>Luftdruck in 3 Stunden gleichbleibend, laut Verlauf seit %1 UTC</translation>
    </message>
    <message>
        <source>Pressure falling %1 hPa (%2 inHg) in 3 hours, from the history since %3 UTC</source>
        <translation>Luftdruck fallend, %1 hPa (%2 inHg) in 3 Stunden, laut Verlauf seit %3 UTC</translation>
    </message>
    <message>
        <source>Pressure rising %1 hPa (%2 inHg) in 3 hours, from the history since %3 UTC</source>
        <translation>Luftdruck steigend, %1 hPa (%2 inHg) in 3 Stunden, laut Verlauf seit %3 UTC</translation>
    </message>
    <message>
        <source>The history could not be written: %1</source>
        <translation>Der Verlauf konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>HistoryProblem</name>
    <message>
        <source>no data folder is known (neither XDG_DATA_HOME nor HOME is set)</source>
        <translation>kein Datenordner bekannt (weder XDG_DATA_HOME noch HOME ist gesetzt)</translation>
    </message>
    <message>
        <source>its report names no station or observation time</source>
        <translation>sein Bericht nennt keine Station oder Beobachtungszeit</translation>
    </message>
    <message>
        <source>its observation time is before 1900 or more than a day ahead of the clock</source>
        <translation>seine Beobachtungszeit liegt vor 1900 oder mehr als einen Tag vor der Uhrzeit des Rechners</translation>
    </message>
    <message>
        <source>an unexpected failure without a description</source>
        <translation>ein unerwarteter Fehler ohne Beschreibung</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Cannot ASSIGN METAR.LOG.</source>
        <translation>METAR.LOG kann nicht zugewiesen werden (ASSIGN).</translation>
    </message>
    <message>
        <source>Cannot ASSIGN METAR.TMP.</source>
        <translation>METAR.TMP kann nicht zugewiesen werden (ASSIGN).</translation>
    </message>
    <message>
        <source>Cannot CREATE METAR.TMP.</source>
        <translation>METAR.TMP kann nicht angelegt werden (CREATE).</translation>
    </message>
    <message>
        <source>Cannot CREATE METAR.LOG.</source>
        <translation>METAR.LOG kann nicht angelegt werden (CREATE).</translation>
    </message>
    <message>
        <source>Cannot LOCK METAR.LOG.</source>
        <translation>METAR.LOG kann nicht gesperrt werden (LOCK).</translation>
    </message>
    <message>
        <source>Cannot replace METAR.LOG with METAR.TMP; both files were left as they are: </source>
        <translation>METAR.LOG kann nicht durch METAR.TMP ersetzt werden; beide Dateien bleiben unverändert: </translation>
    </message>
    <message>
        <source>Cannot read </source>
        <translation>Lesen nicht möglich: </translation>
    </message>
    <message>
        <source>Cannot write </source>
        <translation>Schreiben nicht möglich: </translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <source>Cannot load the print support:</source>
        <translation>Die Druckunterstützung kann nicht geladen werden:</translation>
    </message>
    <message>
        <source>%1 local time (%2)</source>
        <translation>%1 Ortszeit (%2)</translation>
    </message>
    <message>
        <source>Unknown station</source>
        <translation>Unbekannte Station</translation>
    </message>
    <message>
        <source>Observed %1 UTC, %2</source>
        <translation>Beobachtet %1 UTC, %2</translation>
    </message>
    <message>
        <source>Observation time unknown</source>
        <translation>Beobachtungszeit unbekannt</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Gedruckt %1</translation>
    </message>
    <message>
        <source>Cannot start the print job</source>
        <translation>Der Druckauftrag kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>%1 — page %2 of %3</source>
        <translation>%1 – Seite %2 von %3</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>The report was not logged: %1</source>
        <translation>Der Bericht wurde nicht protokolliert: %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>The report is larger than 1 MiB; it was not decoded</source>
        <translation>Der Bericht ist größer als 1 MiB und wurde nicht entschlüsselt</translation>
    </message>
    <message>
        <source>The report is larger than 1 MiB (%1 bytes); it was not decoded</source>
        <translation>Der Bericht ist größer als 1 MiB (%1 Byte) und wurde nicht entschlüsselt</translation>
    </message>
    <message>
        <source>The report holds none of the Wind, Temperature, Dew Point and Pressure lines</source>
        <translation>Der Bericht enthält keine der Zeilen Wind, Temperature, Dew Point und Pressure</translation>
    </message>
    <message>
        <source>none of its first lines gives the observation time</source>
        <translation>keine seiner ersten Zeilen nennt die Beobachtungszeit</translation>
    </message>
</context>
<context>
    <name>ServiceWords</name>
    <message>
        <source>clear</source>
        <translation>klar</translation>
    </message>
    <message>
        <source>mostly clear</source>
        <translation>überwiegend klar</translation>
    </message>
    <message>
        <source>partly cloudy</source>
        <translation>teilweise bewölkt</translation>
    </message>
    <message>
        <source>mostly cloudy</source>
        <translation>überwiegend bewölkt</translation>
    </message>
    <message>
        <source>cloudy</source>
        <translation>bewölkt</translation>
    </message>
    <message>
        <source>overcast</source>
        <translation>bedeckt</translation>
    </message>
    <message>
        <source>obscured</source>
        <translation>nicht erkennbar</translation>
    </message>
    <message>
        <source>rain</source>
        <translation>Regen</translation>
    </message>
    <message>
        <source>light rain</source>
        <translation>leichter Regen</translation>
    </message>
    <message>
        <source>moderate rain</source>
        <translation>mäßiger Regen</translation>
    </message>
    <message>
        <source>heavy rain</source>
        <translation>starker Regen</translation>
    </message>
    <message>
        <source>snow</source>
        <translation>Schneefall</translation>
    </message>
    <message>
        <source>light snow</source>
        <translation>leichter Schneefall</translation>
    </message>
    <message>
        <source>moderate snow</source>
        <translation>mäßiger Schneefall</translation>
    </message>
    <message>
        <source>heavy snow</source>
        <translation>starker Schneefall</translation>
    </message>
    <message>
        <source>drizzle</source>
        <translation>Sprühregen</translation>
    </message>
    <message>
        <source>light drizzle</source>
        <translation>leichter Sprühregen</translation>
    </message>
    <message>
        <source>moderate drizzle</source>
        <translation>mäßiger Sprühregen</translation>
    </message>
    <message>
        <source>heavy drizzle</source>
        <translation>starker Sprühregen</translation>
    </message>
    <message>
        <source>freezing rain</source>
        <translation>gefrierender Regen</translation>
    </message>
    <message>
        <source>light freezing rain</source>
        <translation>leichter gefrierender Regen</translation>
    </message>
    <message>
        <source>heavy freezing rain</source>
        <translation>starker gefrierender Regen</translation>
    </message>
    <message>
        <source>freezing drizzle</source>
        <translation>gefrierender Sprühregen</translation>
    </message>
    <message>
        <source>light freezing drizzle</source>
        <translation>leichter gefrierender Sprühregen</translation>
    </message>
    <message>
        <source>heavy freezing drizzle</source>
        <translation>starker gefrierender Sprühregen</translation>
    </message>
    <message>
        <source>showers</source>
        <translation>Schauer</translation>
    </message>
    <message>
        <source>rain showers</source>
        <translation>Regenschauer</translation>
    </message>
    <message>
        <source>light rain showers</source>
        <translation>leichte Regenschauer</translation>
    </message>
    <message>
        <source>heavy rain showers</source>
        <translation>starke Regenschauer</translation>
    </message>
    <message>
        <source>snow showers</source>
        <translation>Schneeschauer</translation>
    </message>
    <message>
        <source>light snow showers</source>
        <translation>leichte Schneeschauer</translation>
    </message>
    <message>
        <source>heavy snow showers</source>
        <translation>starke Schneeschauer</translation>
    </message>
    <message>
        <source>snow grains</source>
        <translation>Schneegriesel</translation>
    </message>
    <message>
        <source>light snow grains</source>
        <translation>leichter Schneegriesel</translation>
    </message>
    <message>
        <source>ice pellets</source>
        <translation>Eiskörner</translation>
    </message>
    <message>
        <source>light ice pellets</source>
        <translation>vereinzelte Eiskörner</translation>
    </message>
    <message>
        <source>ice crystals</source>
        <translation>Eisnadeln</translation>
    </message>
    <message>
        <source>hail</source>
        <translation>Hagel</translation>
    </message>
    <message>
        <source>small hail/snow pellets</source>
        <translation>Graupel</translation>
    </message>
    <message>
        <source>precipitation</source>
        <translation>Niederschlag</translation>
    </message>
    <message>
        <source>light precipitation</source>
        <translation>leichter Niederschlag</translation>
    </message>
    <message>
        <source>unknown precipitation</source>
        <translation>unbestimmter Niederschlag</translation>
    </message>
    <message>
        <source>thunder</source>
        <translation>Gewitter</translation>
    </message>
    <message>
        <source>thunderstorm</source>
        <translation>Gewitter</translation>
    </message>
    <message>
        <source>thunderstorms</source>
        <translation>Gewitter</translation>
    </message>
    <message>
        <source>Lightning observed</source>
        <translation>Blitze beobachtet</translation>
    </message>
    <message>
        <source>mist</source>
        <translation>feuchter Dunst</translation>
    </message>
    <message>
        <source>fog</source>
        <translation>Nebel</translation>
    </message>
    <message>
        <source>shallow fog</source>
        <translation>flacher Nebel</translation>
    </message>
    <message>
        <source>partial fog</source>
        <translation>stellenweise Nebel</translation>
    </message>
    <message>
        <source>patches of fog</source>
        <translation>Nebelschwaden</translation>
    </message>
    <message>
        <source>freezing fog</source>
        <translation>gefrierender Nebel</translation>
    </message>
    <message>
        <source>haze</source>
        <translation>trockener Dunst</translation>
    </message>
    <message>
        <source>smoke</source>
        <translation>Rauch</translation>
    </message>
    <message>
        <source>volcanic ash</source>
        <translation>Vulkanasche</translation>
    </message>
    <message>
        <source>dust</source>
        <translation>Staub</translation>
    </message>
    <message>
        <source>widespread dust</source>
        <translation>Staub in der Luft</translation>
    </message>
    <message>
        <source>blowing dust</source>
        <translation>Staubtreiben</translation>
    </message>
    <message>
        <source>sand</source>
        <translation>Sand</translation>
    </message>
    <message>
        <source>blowing sand</source>
        <translation>Sandtreiben</translation>
    </message>
    <message>
        <source>blowing snow</source>
        <translation>Schneetreiben</translation>
    </message>
    <message>
        <source>drifting snow</source>
        <translation>Schneefegen</translation>
    </message>
    <message>
        <source>low drifting snow</source>
        <translation>Schneefegen</translation>
    </message>
    <message>
        <source>spray</source>
        <translation>Gischt</translation>
    </message>
    <message>
        <source>dust/sand whirls</source>
        <translation>Staub- oder Sandwirbel</translation>
    </message>
    <message>
        <source>squalls</source>
        <translation>Sturmböen</translation>
    </message>
    <message>
        <source>funnel cloud</source>
        <translation>Trichterwolke</translation>
    </message>
    <message>
        <source>tornado</source>
        <translation>Tornado</translation>
    </message>
    <message>
        <source>sandstorm</source>
        <translation>Sandsturm</translation>
    </message>
    <message>
        <source>duststorm</source>
        <translation>Staubsturm</translation>
    </message>
    <message>
        <source>%1 in the vicinity</source>
        <translation>%1 in der Umgebung</translation>
    </message>
    <message>
        <source>%1 mile(s)</source>
        <translation>%1 Meile(n)</translation>
    </message>
    <message>
        <source>greater than %1 mile(s)</source>
        <translation>mehr als %1 Meile(n)</translation>
    </message>
    <message>
        <source>less than %1 mile(s)</source>
        <translation>weniger als %1 Meile(n)</translation>
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
        <translation>Der Sitzungsbus hat nicht geantwortet: ohne Bildschirmleser-Unterstützung und Desktop-Benachrichtigungen gestartet.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>No folder for the settings was found: neither XDG_CONFIG_HOME nor HOME is an absolute path and the user has no home folder; the gauge starts with its default settings.</source>
        <translation>Es wurde kein Ordner für die Einstellungen gefunden: Weder XDG_CONFIG_HOME noch HOME ist ein absoluter Pfad, und der Benutzer hat keinen Persönlichen Ordner; Stormbell startet mit den Standardeinstellungen.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file; the gauge starts with its default settings and does not save over the file.</source>
        <translation>Die Einstellungsdatei %1 ist keine reguläre Datei; Stormbell startet mit den Standardeinstellungen und überschreibt die Datei nicht.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read (%2); the gauge starts with its default settings and does not save over the file.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden (%2); Stormbell startet mit den Standardeinstellungen und überschreibt die Datei nicht.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read, nor set aside (%2); the gauge starts with its default settings and does not save over the file.</source>
        <translation>Die Einstellungsdatei %1 kann weder gelesen noch beiseitegelegt werden (%2); Stormbell startet mit den Standardeinstellungen und überschreibt die Datei nicht.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read and was set aside as %2; the gauge starts with its default settings.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden und wurde als %2 beiseitegelegt; Stormbell startet mit den Standardeinstellungen.</translation>
    </message>
</context>
<context>
    <name>StationLine</name>
    <message>
        <source>%1 h old</source>
        <translation>%1 Std. alt</translation>
    </message>
    <message>
        <source>%1 d old</source>
        <translation>%1 Tg. alt</translation>
    </message>
    <message>
        <source>update failed</source>
        <translation>Abruf fehlgeschlagen</translation>
    </message>
    <message>
        <source>no reading yet</source>
        <translation>noch keine Messung</translation>
    </message>
    <message>
        <source>time unknown</source>
        <translation>Zeit unbekannt</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Accessing data</source>
        <translation>Daten werden abgerufen</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Aktualisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
</context>
<context>
    <name>StormAlert</name>
    <message>
        <source>Thunder or lightning: %1</source>
        <translation>Donner oder Blitz: %1</translation>
    </message>
    <message>
        <source>Pressure falling %1 hPa in 3 hours</source>
        <translation>Luftdruck fällt um %1 hPa in 3 Stunden</translation>
    </message>
    <message>
        <source>Pressure falling %1 hPa in 3 hours, from the history</source>
        <translation>Luftdruck fällt um %1 hPa in 3 Stunden, laut Verlauf</translation>
    </message>
    <message>
        <source>Storm warning — %1</source>
        <translation>Unwetterwarnung – %1</translation>
    </message>
    <message>
        <source>Observed %1, %2</source>
        <translation>Beobachtung: %1, %2</translation>
    </message>
    <message>
        <source>the history could not note this alert: %1</source>
        <translation>der Verlauf konnte diese Warnung nicht vermerken: %1</translation>
    </message>
    <message>
        <source>this alert may be repeated after a restart: %1</source>
        <translation>diese Warnung kann nach einem Neustart erneut erscheinen: %1</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>; the weather service gives %1</source>
        <translation>; der Wetterdienst meldet %1</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1 Minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 Stunde</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 Stunden</translation>
    </message>
    <message>
        <source>%1 day</source>
        <translation>%1 Tag</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>Pressure %1</source>
        <translation>Luftdruck %1</translation>
    </message>
    <message>
        <source>%1, at the reference hand</source>
        <translation>%1, auf dem Bezugszeiger</translation>
    </message>
    <message>
        <source>%1, %2 above the reference hand at %3</source>
        <translation>%1, %2 über dem Bezugszeiger bei %3</translation>
    </message>
    <message>
        <source>%1, %2 below the reference hand at %3</source>
        <translation>%1, %2 unter dem Bezugszeiger bei %3</translation>
    </message>
    <message>
        <source>%1 knot</source>
        <translation>%1 Knoten</translation>
    </message>
    <message>
        <source>%1 knots</source>
        <translation>%1 Knoten</translation>
    </message>
    <message>
        <source>Wind variable at %1</source>
        <translation>Wind umlaufend mit %1</translation>
    </message>
    <message>
        <source>Wind calm</source>
        <translation>Windstille</translation>
    </message>
    <message>
        <source>Wind from %1 (%2°) at %3</source>
        <translation>Wind aus %1 (%2°) mit %3</translation>
    </message>
    <message>
        <source>Pressure falling %1 in 3 hours (%2)</source>
        <translation>Luftdruck fallend, %1 in 3 Stunden (%2)</translation>
    </message>
    <message>
        <source>Pressure rising %1 in 3 hours (%2)</source>
        <translation>Luftdruck steigend, %1 in 3 Stunden (%2)</translation>
    </message>
    <message>
        <source>Pressure steady %1 in 3 hours (%2)</source>
        <translation>Luftdruck gleichbleibend, %1 in 3 Stunden (%2)</translation>
    </message>
    <message>
        <source>Gusts to %1</source>
        <translation>Böen bis %1</translation>
    </message>
    <message>
        <source>Visibility %1</source>
        <translation>Sicht %1</translation>
    </message>
    <message>
        <source>Sky %1</source>
        <translation>Himmel %1</translation>
    </message>
    <message>
        <source>Weather %1</source>
        <translation>Wetter %1</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>gerade eben</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <translation>vor %1</translation>
    </message>
    <message>
        <source>The last update failed.</source>
        <translation>Die letzte Aktualisierung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The last update failed; these values are from an earlier reading.</source>
        <translation>Die letzte Aktualisierung ist fehlgeschlagen; die Werte stammen von einer früheren Messung.</translation>
    </message>
    <message>
        <source>A network that blocks FTP can use https://tgftp.nws.noaa.gov in the FTP settings.</source>
        <translation>Wenn das Netzwerk FTP sperrt, kann in den FTP-Einstellungen https://tgftp.nws.noaa.gov verwendet werden.</translation>
    </message>
    <message>
        <source>The storm alert could not be shown: %1</source>
        <translation>Die Unwetterwarnung konnte nicht angezeigt werden: %1</translation>
    </message>
    <message>
        <source>Outdated: this observation is %1 old.</source>
        <translation>Veraltet: Diese Beobachtung ist %1 alt.</translation>
    </message>
    <message>
        <source>No reading yet: the needles rest until the first update.</source>
        <translation>Noch keine Messung: Die Zeiger ruhen bis zur ersten Aktualisierung.</translation>
    </message>
    <message>
        <source>No reading yet in this run; these are the values shown when the gauge was last saved.</source>
        <translation>Seit dem Start noch keine Messung; angezeigt werden die Werte vom letzten Speichern.</translation>
    </message>
    <message>
        <source>Observed %1, %2</source>
        <translation>Beobachtung: %1, %2</translation>
    </message>
    <message>
        <source>Observation time unknown</source>
        <translation>Beobachtungszeit unbekannt</translation>
    </message>
    <message>
        <source>Fetched %1</source>
        <translation>Abgerufen: %1</translation>
    </message>
    <message>
        <source>Temperature not reported</source>
        <translation>Temperatur nicht gemeldet</translation>
    </message>
    <message>
        <source>Temperature %1</source>
        <translation>Temperatur %1</translation>
    </message>
    <message>
        <source>Dew point not reported</source>
        <translation>Taupunkt nicht gemeldet</translation>
    </message>
    <message>
        <source>Dew point %1</source>
        <translation>Taupunkt %1</translation>
    </message>
    <message>
        <source>Heat index not reported</source>
        <translation>Hitzeindex nicht gemeldet</translation>
    </message>
    <message>
        <source>Heat index %1</source>
        <translation>Hitzeindex %1</translation>
    </message>
    <message>
        <source>Wind chill not reported</source>
        <translation>Windchill nicht gemeldet</translation>
    </message>
    <message>
        <source>Wind chill %1</source>
        <translation>Windchill %1</translation>
    </message>
    <message>
        <source>Humidity not reported</source>
        <translation>Luftfeuchte nicht gemeldet</translation>
    </message>
    <message>
        <source>Humidity %1</source>
        <translation>Luftfeuchte %1</translation>
    </message>
    <message>
        <source>Pressure not reported</source>
        <translation>Luftdruck nicht gemeldet</translation>
    </message>
    <message>
        <source>Wind not reported</source>
        <translation>Wind nicht gemeldet</translation>
    </message>
    <message>
        <source>The update of %1 failed.</source>
        <translation>Die Aktualisierung von %1 ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The update of %1 failed; these values are from an earlier reading of %2.</source>
        <translation>Die Aktualisierung von %1 ist fehlgeschlagen; die Werte stammen von einer früheren Messung von %2.</translation>
    </message>
    <message>
        <source>The update of %1 failed; these values are from an earlier reading.</source>
        <translation>Die Aktualisierung von %1 ist fehlgeschlagen; die Werte stammen von einer früheren Messung.</translation>
    </message>
    <message>
        <source>The service sent an older observation, of %1; the newer reading stays.</source>
        <translation>Der Dienst hat eine ältere Beobachtung gesendet (%1); die neuere Messung bleibt.</translation>
    </message>
</context>
<context>
    <name>WindowParts</name>
    <message>
        <source>Up or + turns it on, Down or - turns it back</source>
        <translation>Pfeil nach oben oder + dreht ihn vor, Pfeil nach unten oder - zurück</translation>
    </message>
    <message>
        <source>not fetching</source>
        <translation>kein Abruf</translation>
    </message>
    <message>
        <source>fetching</source>
        <translation>Abruf läuft</translation>
    </message>
    <message>
        <source>no fetch failure</source>
        <translation>kein Abruffehler</translation>
    </message>
    <message>
        <source>fetch failed</source>
        <translation>Abruf fehlgeschlagen</translation>
    </message>
    <message>
        <source>green lamp, lit while a report is fetched</source>
        <translation>grüne Lampe, leuchtet während des Abrufs eines Berichts</translation>
    </message>
    <message>
        <source>red lamp, lit when the last fetch failed</source>
        <translation>rote Lampe, leuchtet, wenn der letzte Abruf fehlgeschlagen ist</translation>
    </message>
    <message>
        <source>Stormbell weather gauge</source>
        <translation>Stormbell-Wetteranzeige</translation>
    </message>
    <message>
        <source>reference hand: left click turns on, right click turns back</source>
        <translation>Bezugszeiger: Linksklick dreht vor, Rechtsklick zurück</translation>
    </message>
    <message>
        <source>save and exit (closing the gauge any other way does not save the settings)</source>
        <translation>speichern und beenden (jedes andere Schließen speichert die Einstellungen nicht)</translation>
    </message>
    <message>
        <source>update now</source>
        <translation>jetzt aktualisieren</translation>
    </message>
    <message>
        <source>options</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>minimise</source>
        <translation>minimieren</translation>
    </message>
    <message>
        <source>save and exit</source>
        <translation>speichern und beenden</translation>
    </message>
    <message>
        <source>moving: the arrow keys move it, Shift and an arrow by ten pixels; Return or Escape ends the move</source>
        <translation>Verschieben: Die Pfeiltasten verschieben das Fenster, mit Umschalt um zehn Pixel; Eingabe oder Esc beendet das Verschieben</translation>
    </message>
</context>
<context>
    <name>stormbell::DesktopNotifier</name>
    <message>
        <source>no session bus: %1</source>
        <translation>kein Sitzungsbus: %1</translation>
    </message>
    <message>
        <source>the session bus did not answer at the start</source>
        <translation>der Sitzungsbus hat beim Start nicht geantwortet</translation>
    </message>
</context>
<context>
    <name>stormbell::FtpSettingsDialog</name>
    <message>
        <source>FTP for NWS</source>
        <translation>FTP-Server des NWS</translation>
    </message>
    <message>
        <source>Subdirectory</source>
        <translation>Unterverzeichnis</translation>
    </message>
    <message>
        <source>Use Proxy</source>
        <translation>Proxy verwenden</translation>
    </message>
    <message>
        <source>Proxy Port</source>
        <translation>Proxy-Port</translation>
    </message>
    <message>
        <source>register new directories</source>
        <translation>Neue Verzeichnisse übernehmen</translation>
    </message>
    <message>
        <source>FTP server host name</source>
        <translation>Hostname des FTP-Servers</translation>
    </message>
    <message>
        <source>Report directory on the server</source>
        <translation>Berichtsverzeichnis auf dem Server</translation>
    </message>
    <message>
        <source>Use proxy port</source>
        <translation>Proxy-Port verwenden</translation>
    </message>
    <message>
        <source>Proxy port</source>
        <translation>Proxy-Port</translation>
    </message>
    <message>
        <source>FTP directories DO NOT CHANGE UNLESS YOU ARE CERTAIN!!!</source>
        <translation>FTP-Verzeichnisse – NUR ÄNDERN, WENN SIE SICHER SIND!</translation>
    </message>
    <message>
        <source>FTP for NWS: the server the reports are fetched from</source>
        <translation>FTP-Server des NWS: der Server, von dem die Berichte abgerufen werden</translation>
    </message>
    <message>
        <source>Subdirectory: where the reports lie on the server</source>
        <translation>Unterverzeichnis: wo die Berichte auf dem Server liegen</translation>
    </message>
    <message>
        <source>Use Proxy: connect on the proxy port instead of port 21</source>
        <translation>Proxy verwenden: über den Proxy-Port statt Port 21 verbinden</translation>
    </message>
    <message>
        <source>Proxy Port: the port used instead of 21</source>
        <translation>Proxy-Port: der Port, der statt 21 verwendet wird</translation>
    </message>
    <message>
        <source>Takes the server and the subdirectory as they stand</source>
        <translation>Übernimmt Server und Unterverzeichnis wie eingetragen</translation>
    </message>
</context>
<context>
    <name>stormbell::GaugeWindow</name>
    <message>
        <source>An unknown error occurred</source>
        <translation>Ein unbekannter Fehler ist aufgetreten</translation>
    </message>
    <message>
        <source>Fetching a report now.</source>
        <translation>Ein Bericht wird gerade abgerufen.</translation>
    </message>
</context>
<context>
    <name>stormbell::HistoryChart</name>
    <message>
        <source>Temperature and dew point, °C</source>
        <translation>Temperatur und Taupunkt, °C</translation>
    </message>
    <message>
        <source>Temperature and dew point, °F</source>
        <translation>Temperatur und Taupunkt, °F</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Dew point</source>
        <translation>Taupunkt</translation>
    </message>
    <message>
        <source>Pressure, kPa</source>
        <translation>Luftdruck, kPa</translation>
    </message>
    <message>
        <source>Pressure, inHg</source>
        <translation>Luftdruck, inHg</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Luftdruck</translation>
    </message>
    <message>
        <source>Relative humidity, %</source>
        <translation>Relative Luftfeuchte, %</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Luftfeuchte</translation>
    </message>
    <message>
        <source>Wind speed and gusts, knots</source>
        <translation>Windgeschwindigkeit und Böen, Knoten</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>Gusts</source>
        <translation>Böen</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>weekday and day of the month</comment>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>Temperature %1 %2</source>
        <translation>Temperatur %1 %2</translation>
    </message>
    <message>
        <source>Dew point %1 %2</source>
        <translation>Taupunkt %1 %2</translation>
    </message>
    <message>
        <source>Humidity %1 %</source>
        <translation>Luftfeuchte %1 %</translation>
    </message>
    <message>
        <source>Pressure %1 %2</source>
        <translation>Luftdruck %1 %2</translation>
    </message>
    <message>
        <source>Wind %1 knots</source>
        <translation>Wind %1 Knoten</translation>
    </message>
    <message>
        <source>, gusts %1</source>
        <translation>, Böen %1</translation>
    </message>
    <message>
        <source>, variable</source>
        <translation>, umlaufend</translation>
    </message>
    <message>
        <source> from %1°</source>
        <translation> aus %1°</translation>
    </message>
    <message>
        <source>No readings in this span</source>
        <translation>Keine Messwerte in diesem Zeitraum</translation>
    </message>
    <message>
        <source>Reference hand</source>
        <translation>Referenzzeiger</translation>
    </message>
    <message>
        <source>History graphs</source>
        <translation>Verlaufsdiagramme</translation>
    </message>
    <message>
        <source>Left and Right move along the readings</source>
        <translation>Pfeil links und rechts wechseln zwischen den Messwerten</translation>
    </message>
</context>
<context>
    <name>stormbell::HistoryLink</name>
    <message>
        <source>cannot read %1</source>
        <translation>%1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>reading %1 failed part-way; %2 reading was stored before</source>
        <translation>Lesen von %1 mittendrin fehlgeschlagen; zuvor wurde %2 Messwert gespeichert</translation>
    </message>
    <message>
        <source>reading %1 failed part-way; %2 readings were stored before</source>
        <translation>Lesen von %1 mittendrin fehlgeschlagen; zuvor wurden %2 Messwerte gespeichert</translation>
    </message>
</context>
<context>
    <name>stormbell::HistoryWindow</name>
    <message>
        <source>24 hours</source>
        <translation>24 Stunden</translation>
    </message>
    <message>
        <source>Import log…</source>
        <translation>Protokoll importieren …</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV exportieren …</translation>
    </message>
    <message>
        <source>Stormbell history</source>
        <translation>Stormbell – Verlauf</translation>
    </message>
    <message>
        <source>%1: %2 reading in the last %3</source>
        <translation>%1: %2 Messwert der letzten %3</translation>
    </message>
    <message>
        <source>%1: %2 readings in the last %3</source>
        <translation>%1: %2 Messwerte der letzten %3</translation>
    </message>
    <message>
        <source>The readings could not be written to %1</source>
        <translation>Die Messwerte konnten nicht in %1 gespeichert werden</translation>
    </message>
    <message>
        <source>%1 readings written to %2</source>
        <translation>%1 Messwerte in %2 gespeichert</translation>
    </message>
    <message>
        <source>Importing %1…</source>
        <translation>%1 wird importiert …</translation>
    </message>
    <message>
        <source>The import stopped: %1</source>
        <translation>Der Import wurde abgebrochen: %1</translation>
    </message>
    <message>
        <source>Import a report log</source>
        <translation>Berichtsprotokoll importieren</translation>
    </message>
    <message>
        <source>Report logs (*.LOG *.log);;All files (*)</source>
        <translation>Berichtsprotokolle (*.LOG *.log);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export the shown readings</source>
        <translation>Angezeigte Messwerte exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>3 days</source>
        <translation>3 Tage</translation>
    </message>
    <message>
        <source>7 days</source>
        <translation>7 Tage</translation>
    </message>
    <message>
        <source>30 days</source>
        <translation>30 Tage</translation>
    </message>
    <message>
        <source>1 year</source>
        <translation>1 Jahr</translation>
    </message>
    <message>
        <source>year</source>
        <translation>12 Monate</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>&amp;Station:</source>
        <translation>&amp;Station:</translation>
    </message>
    <message>
        <source>%1: %2 added, %3 already stored, %4 damaged entries skipped; stopped before the end</source>
        <translation>%1: %2 hinzugefügt, %3 bereits gespeichert, %4 beschädigte Einträge übersprungen; vor dem Ende abgebrochen</translation>
    </message>
    <message>
        <source>%1: %2 added, %3 already stored, %4 damaged entries skipped</source>
        <translation>%1: %2 hinzugefügt, %3 bereits gespeichert, %4 beschädigte Einträge übersprungen</translation>
    </message>
</context>
<context>
    <name>stormbell::OptionsDialog</name>
    <message>
        <source> METAR report </source>
        <translation> METAR-Bericht </translation>
    </message>
    <message>
        <source>Search stations: town, country or identifier</source>
        <translation>Station suchen: Ort, Land oder Kennung</translation>
    </message>
    <message>
        <source>Type a place to find its station; Down goes to the list, Return picks the highlighted row</source>
        <translation>Ort eingeben, um seine Station zu finden; Pfeil nach unten wechselt in die Liste, Eingabe wählt die markierte Zeile</translation>
    </message>
    <message>
        <source>Station </source>
        <translation>Station </translation>
    </message>
    <message>
        <source>not a station identifier — search the list above</source>
        <translation>keine Stationskennung – in der Liste oben suchen</translation>
    </message>
    <message>
        <source>Print Metar</source>
        <translation>METAR drucken</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Run on start</source>
        <translation>Beim Start abrufen</translation>
    </message>
    <message>
        <source>Storm alerts: a desktop notification for thunder or a sharp pressure fall</source>
        <translation>Unwetterwarnung bei Gewitter oder starkem Druckabfall</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Metrisch</translation>
    </message>
    <message>
        <source>FTP settings</source>
        <translation>FTP-Einstellungen</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Verlauf …</translation>
    </message>
    <message>
        <source>Last report</source>
        <translation>Letzter Bericht</translation>
    </message>
    <message>
        <source>Station list</source>
        <translation>Stationsliste</translation>
    </message>
    <message>
        <source>Find a station by name or identifier</source>
        <translation>Station nach Name oder Kennung suchen</translation>
    </message>
    <message>
        <source>Station identifier</source>
        <translation>Stationskennung</translation>
    </message>
    <message>
        <source>Log reports</source>
        <translation>Berichte protokollieren</translation>
    </message>
    <message>
        <source>Update interval in minutes</source>
        <translation>Aktualisierungsintervall in Minuten</translation>
    </message>
    <message>
        <source>Log: add every report fetched to METAR.LOG</source>
        <translation>Protokoll: jeden abgerufenen Bericht in METAR.LOG eintragen</translation>
    </message>
    <message>
        <source>Run on start: fetch a report as soon as the gauge starts</source>
        <translation>Beim Start abrufen: gleich nach dem Start einen Bericht abrufen</translation>
    </message>
    <message>
        <source>Storm alerts</source>
        <translation>Unwetterwarnung</translation>
    </message>
    <message>
        <source>Stormbell Options</source>
        <translation>Stormbell – Einstellungen</translation>
    </message>
    <message>
        <source>Where are you? Type a town or an airport code</source>
        <translation>Wo sind Sie? Ort oder Flughafenkennung eingeben</translation>
    </message>
    <message>
        <source>Timer: minutes between updates</source>
        <translation>Intervall: Minuten zwischen den Aktualisierungen</translation>
    </message>
    <message>
        <source>Display mode: the gauge&apos;s English or metric scales</source>
        <translation>Einheiten: imperiale oder metrische Skalen der Anzeige</translation>
    </message>
    <message>
        <source>The last report fetched, as the server sent it</source>
        <translation>Der zuletzt abgerufene Bericht, wie der Server ihn gesendet hat</translation>
    </message>
    <message>
        <source>Station: the identifier of the station the gauge shows</source>
        <translation>Station: die Kennung der angezeigten Station</translation>
    </message>
    <message>
        <source>Print Metar: print the last report</source>
        <translation>METAR drucken: den letzten Bericht drucken</translation>
    </message>
    <message>
        <source>FTP settings: the server the reports come from</source>
        <translation>FTP-Einstellungen: der Server, von dem die Berichte kommen</translation>
    </message>
    <message>
        <source>History: the readings stored for the station</source>
        <translation>Verlauf: die gespeicherten Messwerte der Station</translation>
    </message>
    <message>
        <source>The gauge&apos;s version</source>
        <translation>Version der Wetteranzeige</translation>
    </message>
</context>
<context>
    <name>stormbell::SpinEdit</name>
    <message>
        <source>Increase</source>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Verringern</translation>
    </message>
</context>
</TS>
