<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>usage: stormbell [--version | --help]
Opens the weather gauge. The red bar saves the settings and the window&apos;s place and quits;
closing the window any other way quits without saving.
</source>
        <translation>usage : stormbell [--version | --help]
Ouvre l’indicateur météo. La barre rouge enregistre les réglages et la position de la fenêtre,
puis quitte ; fermer la fenêtre autrement quitte sans enregistrer.
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
        <translation>d MMM &apos;à&apos; HH:mm</translation>
    </message>
    <message>
        <source>MMM d, HH:mm</source>
        <translation>d MMM &apos;à&apos; HH:mm</translation>
    </message>
    <message>
        <source>MMM d, yyyy HH:mm</source>
        <translation>d MMM yyyy &apos;à&apos; HH:mm</translation>
    </message>
    <message>
        <source>MMM d, yyyy, HH:mm</source>
        <translation>d MMM yyyy &apos;à&apos; HH:mm</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>%1 port %2</source>
        <translation>%1 port %2</translation>
    </message>
    <message>
        <source>Nothing was sent to %1: %2</source>
        <translation>Rien n’a été envoyé à %1 : %2</translation>
    </message>
    <message>
        <source>Could not connect to %1: %2</source>
        <translation>Connexion impossible à %1 : %2</translation>
    </message>
    <message>
        <source>Could not log in to %1: %2</source>
        <translation>Connexion refusée par %1 : %2</translation>
    </message>
    <message>
        <source>The directory %1 was not found on %2: %3</source>
        <translation>Le répertoire %1 est introuvable sur %2 : %3</translation>
    </message>
    <message>
        <source>Could not change to the directory %1 on %2: %3</source>
        <translation>Impossible d’accéder au répertoire %1 sur %2 : %3</translation>
    </message>
    <message>
        <source>%1, asked for %2 in %3, sent an empty report</source>
        <translation>%1, interrogé sur %2 dans %3, a envoyé un relevé vide</translation>
    </message>
    <message>
        <source>%1 was not found in %2 on %3: %4</source>
        <translation>%1 est introuvable dans %2 sur %3 : %4</translation>
    </message>
    <message>
        <source>%1 could not be fetched from %2 on %3: %4</source>
        <translation>Impossible de récupérer %1 depuis %2 sur %3 : %4</translation>
    </message>
    <message>
        <source>Logging out of %1 failed after %2 was fetched: %3</source>
        <translation>La déconnexion de %1 a échoué après la récupération de %2 : %3</translation>
    </message>
    <message>
        <source>%1 from %2 on %3 is not a decoded report: %4</source>
        <translation>%1 de %2 sur %3 n’est pas un relevé décodé : %4</translation>
    </message>
    <message>
        <source>%1 from %2 on %3 was not decoded: %4</source>
        <translation>%1 de %2 sur %3 n’a pas été décodé : %4</translation>
    </message>
    <message>
        <source>HTTPS is unavailable, so nothing can be fetched from %1: this program has no HTTPS client</source>
        <translation>HTTPS n’est pas disponible, rien ne peut donc être récupéré depuis %1 : ce programme n’a pas de client HTTPS</translation>
    </message>
    <message>
        <source>HTTPS is unavailable, so nothing can be fetched from %1: its module is not installed:%2</source>
        <translation>HTTPS n’est pas disponible, rien ne peut donc être récupéré depuis %1 : le module HTTPS n’est pas installé :%2</translation>
    </message>
    <message>
        <source>HTTPS is unavailable, so nothing can be fetched from %1: %2</source>
        <translation>HTTPS n’est pas disponible, rien ne peut donc être récupéré depuis %1 : %2</translation>
    </message>
</context>
<context>
    <name>GaugeMenu</name>
    <message>
        <source>Gauge menu</source>
        <translation>Menu de la station</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Options…</source>
        <translation>Options…</translation>
    </message>
    <message>
        <source>Set reference hand to current pressure</source>
        <translation>Placer l’aiguille de référence sur la pression actuelle</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historique…</translation>
    </message>
    <message>
        <source>Move with the keyboard</source>
        <translation>Déplacer au clavier</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Save and exit</source>
        <translation>Enregistrer et quitter</translation>
    </message>
    <message>
        <source>&amp;Recent stations</source>
        <translation>Stations &amp;récentes</translation>
    </message>
    <message>
        <source>No station picked yet</source>
        <translation>Aucune station choisie pour l’instant</translation>
    </message>
</context>
<context>
    <name>HistoryAside</name>
    <message>
        <source>The history %1 was damaged and was set aside as %2; a new history begins.</source>
        <translation>L’historique %1 était endommagé et a été mis de côté sous le nom %2 ; un nouvel historique commence.</translation>
    </message>
    <message>
        <source>The history %1 was damaged and was set aside as %2; a new history begins with the %3 reading still readable.</source>
        <translation>L’historique %1 était endommagé et a été mis de côté sous le nom %2 ; un nouvel historique commence avec la seule mesure encore lisible.</translation>
    </message>
    <message>
        <source>The history %1 was damaged and was set aside as %2; a new history begins with the %3 readings still readable.</source>
        <translation>L’historique %1 était endommagé et a été mis de côté sous le nom %2 ; un nouvel historique commence avec les %3 mesures encore lisibles.</translation>
    </message>
</context>
<context>
    <name>HistoryNote</name>
    <message>
        <source>Pressure steady in 3 hours, from the history since %1 UTC</source>
        <translation>Pression stable en 3 heures, d’après l’historique depuis %1 UTC</translation>
    </message>
    <message>
        <source>Pressure falling %1 hPa (%2 inHg) in 3 hours, from the history since %3 UTC</source>
        <translation>Pression en baisse de %1 hPa (%2 inHg) en 3 heures, d’après l’historique depuis %3 UTC</translation>
    </message>
    <message>
        <source>Pressure rising %1 hPa (%2 inHg) in 3 hours, from the history since %3 UTC</source>
        <translation>Pression en hausse de %1 hPa (%2 inHg) en 3 heures, d’après l’historique depuis %3 UTC</translation>
    </message>
    <message>
        <source>The history could not be written: %1</source>
        <translation>L’historique n’a pas pu être enregistré : %1</translation>
    </message>
</context>
<context>
    <name>HistoryProblem</name>
    <message>
        <source>no data folder is known (neither XDG_DATA_HOME nor HOME is set)</source>
        <translation>aucun dossier de données n’est connu (ni XDG_DATA_HOME ni HOME n’est défini)</translation>
    </message>
    <message>
        <source>its report names no station or observation time</source>
        <translation>son relevé n’indique ni station ni heure d’observation</translation>
    </message>
    <message>
        <source>its observation time is before 1900 or more than a day ahead of the clock</source>
        <translation>son heure d’observation est antérieure à 1900 ou en avance de plus d’un jour sur l’horloge</translation>
    </message>
    <message>
        <source>an unexpected failure without a description</source>
        <translation>une erreur inattendue, sans description</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Cannot ASSIGN METAR.LOG.</source>
        <translation>Impossible d’assigner METAR.LOG (ASSIGN).</translation>
    </message>
    <message>
        <source>Cannot ASSIGN METAR.TMP.</source>
        <translation>Impossible d’assigner METAR.TMP (ASSIGN).</translation>
    </message>
    <message>
        <source>Cannot CREATE METAR.TMP.</source>
        <translation>Impossible de créer METAR.TMP (CREATE).</translation>
    </message>
    <message>
        <source>Cannot CREATE METAR.LOG.</source>
        <translation>Impossible de créer METAR.LOG (CREATE).</translation>
    </message>
    <message>
        <source>Cannot LOCK METAR.LOG.</source>
        <translation>Impossible de verrouiller METAR.LOG (LOCK).</translation>
    </message>
    <message>
        <source>Cannot replace METAR.LOG with METAR.TMP; both files were left as they are: </source>
        <translation>Impossible de remplacer METAR.LOG par METAR.TMP ; les deux fichiers restent inchangés : </translation>
    </message>
    <message>
        <source>Cannot read </source>
        <translation>Lecture impossible : </translation>
    </message>
    <message>
        <source>Cannot write </source>
        <translation>Écriture impossible : </translation>
    </message>
</context>
<context>
    <name>Printout</name>
    <message>
        <source>Cannot load the print support:</source>
        <translation>Impossible de charger la prise en charge de l’impression :</translation>
    </message>
    <message>
        <source>%1 local time (%2)</source>
        <translation>%1 heure locale (%2)</translation>
    </message>
    <message>
        <source>Unknown station</source>
        <translation>Station inconnue</translation>
    </message>
    <message>
        <source>Observed %1 UTC, %2</source>
        <translation>Observé le %1 UTC, %2</translation>
    </message>
    <message>
        <source>Observation time unknown</source>
        <translation>Heure d’observation inconnue</translation>
    </message>
    <message>
        <source>Printed %1</source>
        <translation>Imprimé le %1</translation>
    </message>
    <message>
        <source>Cannot start the print job</source>
        <translation>Impossible de lancer l’impression</translation>
    </message>
    <message>
        <source>%1 — page %2 of %3</source>
        <translation>%1 — page %2 sur %3</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>The report was not logged: %1</source>
        <translation>Le relevé n’a pas été journalisé : %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>The report is larger than 1 MiB; it was not decoded</source>
        <translation>Le relevé dépasse 1 Mio ; il n’a pas été décodé</translation>
    </message>
    <message>
        <source>The report is larger than 1 MiB (%1 bytes); it was not decoded</source>
        <translation>Le relevé dépasse 1 Mio (%1 octets) ; il n’a pas été décodé</translation>
    </message>
    <message>
        <source>The report holds none of the Wind, Temperature, Dew Point and Pressure lines</source>
        <translation>Le relevé ne contient aucune des lignes Wind, Temperature, Dew Point et Pressure</translation>
    </message>
    <message>
        <source>none of its first lines gives the observation time</source>
        <translation>aucune de ses premières lignes n’indique l’heure d’observation</translation>
    </message>
</context>
<context>
    <name>ServiceWords</name>
    <message>
        <source>clear</source>
        <translation>dégagé</translation>
    </message>
    <message>
        <source>mostly clear</source>
        <translation>peu nuageux</translation>
    </message>
    <message>
        <source>partly cloudy</source>
        <translation>partiellement nuageux</translation>
    </message>
    <message>
        <source>mostly cloudy</source>
        <translation>très nuageux</translation>
    </message>
    <message>
        <source>cloudy</source>
        <translation>nuageux</translation>
    </message>
    <message>
        <source>overcast</source>
        <translation>couvert</translation>
    </message>
    <message>
        <source>obscured</source>
        <translation>invisible</translation>
    </message>
    <message>
        <source>rain</source>
        <translation>pluie</translation>
    </message>
    <message>
        <source>light rain</source>
        <translation>pluie faible</translation>
    </message>
    <message>
        <source>moderate rain</source>
        <translation>pluie modérée</translation>
    </message>
    <message>
        <source>heavy rain</source>
        <translation>forte pluie</translation>
    </message>
    <message>
        <source>snow</source>
        <translation>neige</translation>
    </message>
    <message>
        <source>light snow</source>
        <translation>neige faible</translation>
    </message>
    <message>
        <source>moderate snow</source>
        <translation>neige modérée</translation>
    </message>
    <message>
        <source>heavy snow</source>
        <translation>forte neige</translation>
    </message>
    <message>
        <source>drizzle</source>
        <translation>bruine</translation>
    </message>
    <message>
        <source>light drizzle</source>
        <translation>bruine faible</translation>
    </message>
    <message>
        <source>moderate drizzle</source>
        <translation>bruine modérée</translation>
    </message>
    <message>
        <source>heavy drizzle</source>
        <translation>forte bruine</translation>
    </message>
    <message>
        <source>freezing rain</source>
        <translation>pluie verglaçante</translation>
    </message>
    <message>
        <source>light freezing rain</source>
        <translation>pluie verglaçante faible</translation>
    </message>
    <message>
        <source>heavy freezing rain</source>
        <translation>forte pluie verglaçante</translation>
    </message>
    <message>
        <source>freezing drizzle</source>
        <translation>bruine verglaçante</translation>
    </message>
    <message>
        <source>light freezing drizzle</source>
        <translation>bruine verglaçante faible</translation>
    </message>
    <message>
        <source>heavy freezing drizzle</source>
        <translation>forte bruine verglaçante</translation>
    </message>
    <message>
        <source>showers</source>
        <translation>averses</translation>
    </message>
    <message>
        <source>rain showers</source>
        <translation>averses de pluie</translation>
    </message>
    <message>
        <source>light rain showers</source>
        <translation>faibles averses de pluie</translation>
    </message>
    <message>
        <source>heavy rain showers</source>
        <translation>fortes averses de pluie</translation>
    </message>
    <message>
        <source>snow showers</source>
        <translation>averses de neige</translation>
    </message>
    <message>
        <source>light snow showers</source>
        <translation>faibles averses de neige</translation>
    </message>
    <message>
        <source>heavy snow showers</source>
        <translation>fortes averses de neige</translation>
    </message>
    <message>
        <source>snow grains</source>
        <translation>neige en grains</translation>
    </message>
    <message>
        <source>light snow grains</source>
        <translation>neige en grains faible</translation>
    </message>
    <message>
        <source>ice pellets</source>
        <translation>granules de glace</translation>
    </message>
    <message>
        <source>light ice pellets</source>
        <translation>faibles granules de glace</translation>
    </message>
    <message>
        <source>ice crystals</source>
        <translation>cristaux de glace</translation>
    </message>
    <message>
        <source>hail</source>
        <translation>grêle</translation>
    </message>
    <message>
        <source>small hail/snow pellets</source>
        <translation>grésil</translation>
    </message>
    <message>
        <source>precipitation</source>
        <translation>précipitations</translation>
    </message>
    <message>
        <source>light precipitation</source>
        <translation>précipitations faibles</translation>
    </message>
    <message>
        <source>unknown precipitation</source>
        <translation>précipitations indéterminées</translation>
    </message>
    <message>
        <source>thunder</source>
        <translation>orage</translation>
    </message>
    <message>
        <source>thunderstorm</source>
        <translation>orage</translation>
    </message>
    <message>
        <source>thunderstorms</source>
        <translation>orages</translation>
    </message>
    <message>
        <source>Lightning observed</source>
        <translation>éclairs observés</translation>
    </message>
    <message>
        <source>mist</source>
        <translation>brume</translation>
    </message>
    <message>
        <source>fog</source>
        <translation>brouillard</translation>
    </message>
    <message>
        <source>shallow fog</source>
        <translation>brouillard mince</translation>
    </message>
    <message>
        <source>partial fog</source>
        <translation>brouillard partiel</translation>
    </message>
    <message>
        <source>patches of fog</source>
        <translation>bancs de brouillard</translation>
    </message>
    <message>
        <source>freezing fog</source>
        <translation>brouillard givrant</translation>
    </message>
    <message>
        <source>haze</source>
        <translation>brume sèche</translation>
    </message>
    <message>
        <source>smoke</source>
        <translation>fumée</translation>
    </message>
    <message>
        <source>volcanic ash</source>
        <translation>cendres volcaniques</translation>
    </message>
    <message>
        <source>dust</source>
        <translation>poussière</translation>
    </message>
    <message>
        <source>widespread dust</source>
        <translation>poussière généralisée</translation>
    </message>
    <message>
        <source>blowing dust</source>
        <translation>chasse-poussière élevée</translation>
    </message>
    <message>
        <source>sand</source>
        <translation>sable</translation>
    </message>
    <message>
        <source>blowing sand</source>
        <translation>chasse-sable élevée</translation>
    </message>
    <message>
        <source>blowing snow</source>
        <translation>chasse-neige élevée</translation>
    </message>
    <message>
        <source>drifting snow</source>
        <translation>chasse-neige basse</translation>
    </message>
    <message>
        <source>low drifting snow</source>
        <translation>chasse-neige basse</translation>
    </message>
    <message>
        <source>spray</source>
        <translation>embruns</translation>
    </message>
    <message>
        <source>dust/sand whirls</source>
        <translation>tourbillons de poussière ou de sable</translation>
    </message>
    <message>
        <source>squalls</source>
        <translation>grains</translation>
    </message>
    <message>
        <source>funnel cloud</source>
        <translation>nuage en entonnoir</translation>
    </message>
    <message>
        <source>tornado</source>
        <translation>tornade</translation>
    </message>
    <message>
        <source>sandstorm</source>
        <translation>tempête de sable</translation>
    </message>
    <message>
        <source>duststorm</source>
        <translation>tempête de poussière</translation>
    </message>
    <message>
        <source>%1 in the vicinity</source>
        <translation>%1 à proximité</translation>
    </message>
    <message>
        <source>%1 mile(s)</source>
        <translation>%1 mille(s)</translation>
    </message>
    <message>
        <source>greater than %1 mile(s)</source>
        <translation>plus de %1 mille(s)</translation>
    </message>
    <message>
        <source>less than %1 mile(s)</source>
        <translation>moins de %1 mille(s)</translation>
    </message>
    <message>
        <source>; </source>
        <translation> ; </translation>
    </message>
</context>
<context>
    <name>SessionBus</name>
    <message>
        <source>The session bus did not answer: started without screen reader support or desktop notifications.</source>
        <translation>Le bus de session n’a pas répondu : démarrage sans prise en charge des lecteurs d’écran ni notifications.</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>No folder for the settings was found: neither XDG_CONFIG_HOME nor HOME is an absolute path and the user has no home folder; the gauge starts with its default settings.</source>
        <translation>Aucun dossier pour les réglages n’a été trouvé : ni XDG_CONFIG_HOME ni HOME n’est un chemin absolu et l’utilisateur n’a pas de dossier personnel ; Stormbell démarre avec ses réglages par défaut.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file; the gauge starts with its default settings and does not save over the file.</source>
        <translation>Le fichier de réglages %1 n’est pas un fichier ordinaire ; Stormbell démarre avec ses réglages par défaut et n’écrase pas le fichier.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read (%2); the gauge starts with its default settings and does not save over the file.</source>
        <translation>Le fichier de réglages %1 ne peut pas être lu (%2) ; Stormbell démarre avec ses réglages par défaut et n’écrase pas le fichier.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read, nor set aside (%2); the gauge starts with its default settings and does not save over the file.</source>
        <translation>Le fichier de réglages %1 ne peut être ni lu ni mis de côté (%2) ; Stormbell démarre avec ses réglages par défaut et n’écrase pas le fichier.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read and was set aside as %2; the gauge starts with its default settings.</source>
        <translation>Le fichier de réglages %1 n’a pas pu être lu et a été mis de côté sous le nom %2 ; Stormbell démarre avec ses réglages par défaut.</translation>
    </message>
</context>
<context>
    <name>StationLine</name>
    <message>
        <source>%1 h old</source>
        <translation>il y a %1 h</translation>
    </message>
    <message>
        <source>%1 d old</source>
        <translation>il y a %1 j</translation>
    </message>
    <message>
        <source>update failed</source>
        <translation>échec du relevé</translation>
    </message>
    <message>
        <source>no reading yet</source>
        <translation>aucune mesure</translation>
    </message>
    <message>
        <source>time unknown</source>
        <translation>heure inconnue</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Accessing data</source>
        <translation>Accès aux données</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Échec de la mise à jour</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>StormAlert</name>
    <message>
        <source>Thunder or lightning: %1</source>
        <translation>Tonnerre ou éclairs : %1</translation>
    </message>
    <message>
        <source>Pressure falling %1 hPa in 3 hours</source>
        <translation>La pression baisse de %1 hPa en 3 heures</translation>
    </message>
    <message>
        <source>Pressure falling %1 hPa in 3 hours, from the history</source>
        <translation>La pression baisse de %1 hPa en 3 heures, d’après l’historique</translation>
    </message>
    <message>
        <source>Storm warning — %1</source>
        <translation>Alerte orage — %1</translation>
    </message>
    <message>
        <source>Observed %1, %2</source>
        <translation>Observation : %1, %2</translation>
    </message>
    <message>
        <source>the history could not note this alert: %1</source>
        <translation>l’historique n’a pas pu noter cette alerte : %1</translation>
    </message>
    <message>
        <source>this alert may be repeated after a restart: %1</source>
        <translation>cette alerte pourra se répéter après un redémarrage : %1</translation>
    </message>
</context>
<context>
    <name>Tooltip</name>
    <message>
        <source>; the weather service gives %1</source>
        <translation> ; le service météo indique %1</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1 minute</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>%1 hour</source>
        <translation>%1 heure</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 heures</translation>
    </message>
    <message>
        <source>%1 day</source>
        <translation>%1 jour</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>Pressure %1</source>
        <translation>Pression %1</translation>
    </message>
    <message>
        <source>%1, at the reference hand</source>
        <translation>%1, sur l’aiguille de référence</translation>
    </message>
    <message>
        <source>%1, %2 above the reference hand at %3</source>
        <translation>%1, %2 au-dessus de l’aiguille de référence à %3</translation>
    </message>
    <message>
        <source>%1, %2 below the reference hand at %3</source>
        <translation>%1, %2 en dessous de l’aiguille de référence à %3</translation>
    </message>
    <message>
        <source>%1 knot</source>
        <translation>%1 nœud</translation>
    </message>
    <message>
        <source>%1 knots</source>
        <translation>%1 nœuds</translation>
    </message>
    <message>
        <source>Wind variable at %1</source>
        <translation>Vent variable, %1</translation>
    </message>
    <message>
        <source>Wind calm</source>
        <translation>Vent calme</translation>
    </message>
    <message>
        <source>Wind from %1 (%2°) at %3</source>
        <translation>Vent de %1 (%2°), %3</translation>
    </message>
    <message>
        <source>Pressure falling %1 in 3 hours (%2)</source>
        <translation>Pression en baisse de %1 en 3 heures (%2)</translation>
    </message>
    <message>
        <source>Pressure rising %1 in 3 hours (%2)</source>
        <translation>Pression en hausse de %1 en 3 heures (%2)</translation>
    </message>
    <message>
        <source>Pressure steady %1 in 3 hours (%2)</source>
        <translation>Pression stable, %1 en 3 heures (%2)</translation>
    </message>
    <message>
        <source>Gusts to %1</source>
        <translation>Rafales jusqu’à %1</translation>
    </message>
    <message>
        <source>Visibility %1</source>
        <translation>Visibilité %1</translation>
    </message>
    <message>
        <source>Sky %1</source>
        <translation>Ciel %1</translation>
    </message>
    <message>
        <source>Weather %1</source>
        <translation>Temps %1</translation>
    </message>
    <message>
        <source>just now</source>
        <translation>à l’instant</translation>
    </message>
    <message>
        <source>%1 ago</source>
        <translation>il y a %1</translation>
    </message>
    <message>
        <source>The last update failed.</source>
        <translation>La dernière mise à jour a échoué.</translation>
    </message>
    <message>
        <source>The last update failed; these values are from an earlier reading.</source>
        <translation>La dernière mise à jour a échoué ; ces valeurs viennent d’une mesure précédente.</translation>
    </message>
    <message>
        <source>A network that blocks FTP can use https://tgftp.nws.noaa.gov in the FTP settings.</source>
        <translation>Un réseau qui bloque le FTP peut utiliser https://tgftp.nws.noaa.gov dans les réglages FTP.</translation>
    </message>
    <message>
        <source>The storm alert could not be shown: %1</source>
        <translation>L’alerte orage n’a pas pu être affichée : %1</translation>
    </message>
    <message>
        <source>Outdated: this observation is %1 old.</source>
        <translation>Périmé : cette observation date de %1.</translation>
    </message>
    <message>
        <source>No reading yet: the needles rest until the first update.</source>
        <translation>Aucune mesure pour l’instant : les aiguilles restent au repos jusqu’à la première mise à jour.</translation>
    </message>
    <message>
        <source>No reading yet in this run; these are the values shown when the gauge was last saved.</source>
        <translation>Aucune mesure depuis le lancement ; ce sont les valeurs affichées au dernier enregistrement.</translation>
    </message>
    <message>
        <source>Observed %1, %2</source>
        <translation>Observation : %1, %2</translation>
    </message>
    <message>
        <source>Observation time unknown</source>
        <translation>Heure d’observation inconnue</translation>
    </message>
    <message>
        <source>Fetched %1</source>
        <translation>Récupéré : %1</translation>
    </message>
    <message>
        <source>Temperature not reported</source>
        <translation>Température non signalée</translation>
    </message>
    <message>
        <source>Temperature %1</source>
        <translation>Température %1</translation>
    </message>
    <message>
        <source>Dew point not reported</source>
        <translation>Point de rosée non signalé</translation>
    </message>
    <message>
        <source>Dew point %1</source>
        <translation>Point de rosée %1</translation>
    </message>
    <message>
        <source>Heat index not reported</source>
        <translation>Indice de chaleur non signalé</translation>
    </message>
    <message>
        <source>Heat index %1</source>
        <translation>Indice de chaleur %1</translation>
    </message>
    <message>
        <source>Wind chill not reported</source>
        <translation>Refroidissement éolien non signalé</translation>
    </message>
    <message>
        <source>Wind chill %1</source>
        <translation>Refroidissement éolien %1</translation>
    </message>
    <message>
        <source>Humidity not reported</source>
        <translation>Humidité non signalée</translation>
    </message>
    <message>
        <source>Humidity %1</source>
        <translation>Humidité %1</translation>
    </message>
    <message>
        <source>Pressure not reported</source>
        <translation>Pression non signalée</translation>
    </message>
    <message>
        <source>Wind not reported</source>
        <translation>Vent non signalé</translation>
    </message>
    <message>
        <source>The update of %1 failed.</source>
        <translation>La mise à jour de %1 a échoué.</translation>
    </message>
    <message>
        <source>The update of %1 failed; these values are from an earlier reading of %2.</source>
        <translation>La mise à jour de %1 a échoué ; ces valeurs viennent d’une mesure précédente de %2.</translation>
    </message>
    <message>
        <source>The update of %1 failed; these values are from an earlier reading.</source>
        <translation>La mise à jour de %1 a échoué ; ces valeurs viennent d’une mesure précédente.</translation>
    </message>
    <message>
        <source>The service sent an older observation, of %1; the newer reading stays.</source>
        <translation>Le service a envoyé une observation plus ancienne (%1) ; la mesure plus récente est conservée.</translation>
    </message>
</context>
<context>
    <name>WindowParts</name>
    <message>
        <source>Up or + turns it on, Down or - turns it back</source>
        <translation>Haut ou + le fait avancer, Bas ou - le fait reculer</translation>
    </message>
    <message>
        <source>not fetching</source>
        <translation>aucune récupération</translation>
    </message>
    <message>
        <source>fetching</source>
        <translation>récupération en cours</translation>
    </message>
    <message>
        <source>no fetch failure</source>
        <translation>aucun échec de récupération</translation>
    </message>
    <message>
        <source>fetch failed</source>
        <translation>échec de la récupération</translation>
    </message>
    <message>
        <source>green lamp, lit while a report is fetched</source>
        <translation>voyant vert, allumé pendant la récupération d’un relevé</translation>
    </message>
    <message>
        <source>red lamp, lit when the last fetch failed</source>
        <translation>voyant rouge, allumé si la dernière récupération a échoué</translation>
    </message>
    <message>
        <source>Stormbell weather gauge</source>
        <translation>Station météo Stormbell</translation>
    </message>
    <message>
        <source>reference hand: left click turns on, right click turns back</source>
        <translation>aiguille de référence : clic gauche pour avancer, clic droit pour reculer</translation>
    </message>
    <message>
        <source>save and exit (closing the gauge any other way does not save the settings)</source>
        <translation>enregistrer et quitter (fermer autrement n’enregistre pas les réglages)</translation>
    </message>
    <message>
        <source>update now</source>
        <translation>mettre à jour</translation>
    </message>
    <message>
        <source>options</source>
        <translation>options</translation>
    </message>
    <message>
        <source>minimise</source>
        <translation>réduire</translation>
    </message>
    <message>
        <source>save and exit</source>
        <translation>enregistrer et quitter</translation>
    </message>
    <message>
        <source>moving: the arrow keys move it, Shift and an arrow by ten pixels; Return or Escape ends the move</source>
        <translation>déplacement : les flèches déplacent la fenêtre, avec Maj de dix pixels ; Entrée ou Échap termine le déplacement</translation>
    </message>
</context>
<context>
    <name>stormbell::DesktopNotifier</name>
    <message>
        <source>no session bus: %1</source>
        <translation>aucun bus de session : %1</translation>
    </message>
    <message>
        <source>the session bus did not answer at the start</source>
        <translation>le bus de session n’a pas répondu au démarrage</translation>
    </message>
</context>
<context>
    <name>stormbell::FtpSettingsDialog</name>
    <message>
        <source>FTP for NWS</source>
        <translation>FTP du NWS</translation>
    </message>
    <message>
        <source>Subdirectory</source>
        <translation>Sous-répertoire</translation>
    </message>
    <message>
        <source>Use Proxy</source>
        <translation>Utiliser un proxy</translation>
    </message>
    <message>
        <source>Proxy Port</source>
        <translation>Port du proxy</translation>
    </message>
    <message>
        <source>register new directories</source>
        <translation>enregistrer les répertoires</translation>
    </message>
    <message>
        <source>FTP server host name</source>
        <translation>Nom d’hôte du serveur FTP</translation>
    </message>
    <message>
        <source>Report directory on the server</source>
        <translation>Répertoire des relevés sur le serveur</translation>
    </message>
    <message>
        <source>Use proxy port</source>
        <translation>Utiliser le port du proxy</translation>
    </message>
    <message>
        <source>Proxy port</source>
        <translation>Port du proxy</translation>
    </message>
    <message>
        <source>FTP directories DO NOT CHANGE UNLESS YOU ARE CERTAIN!!!</source>
        <translation>Répertoires FTP – NE MODIFIEZ QU’EN CONNAISSANCE DE CAUSE !</translation>
    </message>
    <message>
        <source>FTP for NWS: the server the reports are fetched from</source>
        <translation>FTP du NWS : le serveur d’où viennent les relevés</translation>
    </message>
    <message>
        <source>Subdirectory: where the reports lie on the server</source>
        <translation>Sous-répertoire : l’emplacement des relevés sur le serveur</translation>
    </message>
    <message>
        <source>Use Proxy: connect on the proxy port instead of port 21</source>
        <translation>Utiliser un proxy : se connecter au port du proxy au lieu du port 21</translation>
    </message>
    <message>
        <source>Proxy Port: the port used instead of 21</source>
        <translation>Port du proxy : le port utilisé au lieu du 21</translation>
    </message>
    <message>
        <source>Takes the server and the subdirectory as they stand</source>
        <translation>Enregistre le serveur et le sous-répertoire tels quels</translation>
    </message>
</context>
<context>
    <name>stormbell::GaugeWindow</name>
    <message>
        <source>An unknown error occurred</source>
        <translation>Une erreur inconnue s’est produite</translation>
    </message>
    <message>
        <source>Fetching a report now.</source>
        <translation>Récupération d’un relevé en cours.</translation>
    </message>
</context>
<context>
    <name>stormbell::HistoryChart</name>
    <message>
        <source>Temperature and dew point, °C</source>
        <translation>Température et point de rosée, °C</translation>
    </message>
    <message>
        <source>Temperature and dew point, °F</source>
        <translation>Température et point de rosée, °F</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Dew point</source>
        <translation>Point de rosée</translation>
    </message>
    <message>
        <source>Pressure, kPa</source>
        <translation>Pression, kPa</translation>
    </message>
    <message>
        <source>Pressure, inHg</source>
        <translation>Pression, inHg</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Relative humidity, %</source>
        <translation>Humidité relative, %</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humidité</translation>
    </message>
    <message>
        <source>Wind speed and gusts, knots</source>
        <translation>Vitesse du vent et rafales, nœuds</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Vent</translation>
    </message>
    <message>
        <source>Gusts</source>
        <translation>Rafales</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>dim.</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>lun.</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>mar.</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>mer.</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>jeu.</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>ven.</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>sam.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>weekday and day of the month</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Temperature %1 %2</source>
        <translation>Température %1 %2</translation>
    </message>
    <message>
        <source>Dew point %1 %2</source>
        <translation>Point de rosée %1 %2</translation>
    </message>
    <message>
        <source>Humidity %1 %</source>
        <translation>Humidité %1 %</translation>
    </message>
    <message>
        <source>Pressure %1 %2</source>
        <translation>Pression %1 %2</translation>
    </message>
    <message>
        <source>Wind %1 knots</source>
        <translation>Vent %1 nœuds</translation>
    </message>
    <message>
        <source>, gusts %1</source>
        <translation>, rafales %1</translation>
    </message>
    <message>
        <source>, variable</source>
        <translation>, variable</translation>
    </message>
    <message>
        <source> from %1°</source>
        <translation> du %1°</translation>
    </message>
    <message>
        <source>No readings in this span</source>
        <translation>Aucune mesure sur cette période</translation>
    </message>
    <message>
        <source>Reference hand</source>
        <translation>Aiguille de référence</translation>
    </message>
    <message>
        <source>History graphs</source>
        <translation>Graphiques de l&apos;historique</translation>
    </message>
    <message>
        <source>Left and Right move along the readings</source>
        <translation>Les flèches gauche et droite parcourent les mesures</translation>
    </message>
</context>
<context>
    <name>stormbell::HistoryLink</name>
    <message>
        <source>cannot read %1</source>
        <translation>impossible de lire %1</translation>
    </message>
    <message>
        <source>reading %1 failed part-way; %2 reading was stored before</source>
        <translation>la lecture de %1 a échoué en cours de route ; %2 mesure avait été enregistrée auparavant</translation>
    </message>
    <message>
        <source>reading %1 failed part-way; %2 readings were stored before</source>
        <translation>la lecture de %1 a échoué en cours de route ; %2 mesures avaient été enregistrées auparavant</translation>
    </message>
</context>
<context>
    <name>stormbell::HistoryWindow</name>
    <message>
        <source>24 hours</source>
        <translation>24 heures</translation>
    </message>
    <message>
        <source>Import log…</source>
        <translation>Importer un journal…</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>Stormbell history</source>
        <translation>Historique de Stormbell</translation>
    </message>
    <message>
        <source>%1: %2 reading in the last %3</source>
        <translation>%1 : %2 mesure sur %3</translation>
    </message>
    <message>
        <source>%1: %2 readings in the last %3</source>
        <translation>%1 : %2 mesures sur %3</translation>
    </message>
    <message>
        <source>The readings could not be written to %1</source>
        <translation>Les mesures n’ont pas pu être écrites dans %1</translation>
    </message>
    <message>
        <source>%1 readings written to %2</source>
        <translation>%1 mesures écrites dans %2</translation>
    </message>
    <message>
        <source>Importing %1…</source>
        <translation>Importation de %1…</translation>
    </message>
    <message>
        <source>The import stopped: %1</source>
        <translation>L’importation s’est arrêtée : %1</translation>
    </message>
    <message>
        <source>Import a report log</source>
        <translation>Importer un journal de relevés</translation>
    </message>
    <message>
        <source>Report logs (*.LOG *.log);;All files (*)</source>
        <translation>Journaux de relevés (*.LOG *.log);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export the shown readings</source>
        <translation>Exporter les mesures affichées</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>3 days</source>
        <translation>3 jours</translation>
    </message>
    <message>
        <source>7 days</source>
        <translation>7 jours</translation>
    </message>
    <message>
        <source>30 days</source>
        <translation>30 jours</translation>
    </message>
    <message>
        <source>1 year</source>
        <translation>1 an</translation>
    </message>
    <message>
        <source>year</source>
        <translation>un an</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>&amp;Station:</source>
        <translation>&amp;Station :</translation>
    </message>
    <message>
        <source>%1: %2 added, %3 already stored, %4 damaged entries skipped; stopped before the end</source>
        <translation>%1 : %2 ajoutées, %3 déjà enregistrées, %4 entrées endommagées ignorées ; arrêté avant la fin</translation>
    </message>
    <message>
        <source>%1: %2 added, %3 already stored, %4 damaged entries skipped</source>
        <translation>%1 : %2 ajoutées, %3 déjà enregistrées, %4 entrées endommagées ignorées</translation>
    </message>
</context>
<context>
    <name>stormbell::OptionsDialog</name>
    <message>
        <source> METAR report </source>
        <translation> Relevé METAR </translation>
    </message>
    <message>
        <source>Search stations: town, country or identifier</source>
        <translation>Chercher une station : ville, pays ou indicatif</translation>
    </message>
    <message>
        <source>Type a place to find its station; Down goes to the list, Return picks the highlighted row</source>
        <translation>Saisissez un lieu pour trouver sa station ; Bas passe à la liste, Entrée choisit la ligne en surbrillance</translation>
    </message>
    <message>
        <source>Station </source>
        <translation>Station </translation>
    </message>
    <message>
        <source>not a station identifier — search the list above</source>
        <translation>pas un indicatif de station — cherchez dans la liste ci-dessus</translation>
    </message>
    <message>
        <source>Print Metar</source>
        <translation>Imprimer METAR</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Run on start</source>
        <translation>Au démarrage</translation>
    </message>
    <message>
        <source>Storm alerts: a desktop notification for thunder or a sharp pressure fall</source>
        <translation>Alerte orage : tonnerre ou forte baisse de pression</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Délai</translation>
    </message>
    <message>
        <source>Display mode</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Impériales</translation>
    </message>
    <message>
        <source>Metric</source>
        <translation>Métriques</translation>
    </message>
    <message>
        <source>FTP settings</source>
        <translation>Réglages FTP</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historique…</translation>
    </message>
    <message>
        <source>Last report</source>
        <translation>Dernier relevé</translation>
    </message>
    <message>
        <source>Station list</source>
        <translation>Liste des stations</translation>
    </message>
    <message>
        <source>Find a station by name or identifier</source>
        <translation>Chercher une station par nom ou indicatif</translation>
    </message>
    <message>
        <source>Station identifier</source>
        <translation>Indicatif de la station</translation>
    </message>
    <message>
        <source>Log reports</source>
        <translation>Journaliser les relevés</translation>
    </message>
    <message>
        <source>Update interval in minutes</source>
        <translation>Intervalle de mise à jour en minutes</translation>
    </message>
    <message>
        <source>Log: add every report fetched to METAR.LOG</source>
        <translation>Journal : ajouter chaque relevé récupéré à METAR.LOG</translation>
    </message>
    <message>
        <source>Run on start: fetch a report as soon as the gauge starts</source>
        <translation>Au démarrage : récupérer un relevé dès le lancement</translation>
    </message>
    <message>
        <source>Storm alerts</source>
        <translation>Alertes orage</translation>
    </message>
    <message>
        <source>Stormbell Options</source>
        <translation>Options de Stormbell</translation>
    </message>
    <message>
        <source>Where are you? Type a town or an airport code</source>
        <translation>Où êtes-vous ? Saisissez une ville ou un code d’aéroport</translation>
    </message>
    <message>
        <source>Timer: minutes between updates</source>
        <translation>Délai : minutes entre deux mises à jour</translation>
    </message>
    <message>
        <source>Display mode: the gauge&apos;s English or metric scales</source>
        <translation>Unités : échelles impériales ou métriques du cadran</translation>
    </message>
    <message>
        <source>The last report fetched, as the server sent it</source>
        <translation>Le dernier relevé récupéré, tel que le serveur l’a envoyé</translation>
    </message>
    <message>
        <source>Station: the identifier of the station the gauge shows</source>
        <translation>Station : l’indicatif de la station affichée</translation>
    </message>
    <message>
        <source>Print Metar: print the last report</source>
        <translation>Imprimer METAR : imprimer le dernier relevé</translation>
    </message>
    <message>
        <source>FTP settings: the server the reports come from</source>
        <translation>Réglages FTP : le serveur d’où viennent les relevés</translation>
    </message>
    <message>
        <source>History: the readings stored for the station</source>
        <translation>Historique : les mesures enregistrées pour la station</translation>
    </message>
    <message>
        <source>The gauge&apos;s version</source>
        <translation>Version de la station</translation>
    </message>
</context>
<context>
    <name>stormbell::SpinEdit</name>
    <message>
        <source>Increase</source>
        <translation>Augmenter</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Diminuer</translation>
    </message>
</context>
</TS>
