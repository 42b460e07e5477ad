--- token SETTINGS noeol

Impostazioni


Comandi:

Tema=1

Info=2


Path: 
--- token THEME noeol

Vuoi cambiare tema(1) o resettarlo(0)?
Path: 
--- token INFO noeol

Info:

Privacy Policy = 1
Tearm and Conditions = 2
Info sul programma = 3

Path: 
=== Online, 'helpsite' and info choice 1 open their pages with nothing written, choice 4 probes and is refused. Theme: a non-number is asked again, 'blu' on 'giallo' runs color 9e; red on white is refused and runs nothing; '7 x' resets to color 0f with no message and leaves x for the prompt, which says goodbye and pauses.
--- dialogue
<PROMPT>{helpsite}

<PROMPT>{i}
<SETTINGS>{2}
<INFO>{1}
<PROMPT>{i}
<SETTINGS>{2}
<INFO>{4}

Funzione non valida.Riprova

<PROMPT>{i}
<SETTINGS>{1}
<THEME>{abc}

Errore riprova
Path: {1}

Inserisci il nome del colore del background
Path: {blu}

Ora quello del carattere
Path: {giallo}

<PROMPT>{i}
<SETTINGS>{1}
<THEME>{1}

Inserisci il nome del colore del background
Path: {rosso}

Ora quello del carattere
Path: {bianco}


Errore nella combinazione.

<PROMPT>{i}
<SETTINGS>{1}
<THEME>{7 x}
<PROMPT>
Ok,sto uscendo...

--- platform
probe www.example.com → reachable
open https://www.tavrik-terminal.it/feedback
probe www.example.com → reachable
open https://www.tavrik-terminal.it/privacy.md
probe www.example.com → reachable
colours 9e
colours 0f
wait for key
--- expect color_data.txt noeol
color 0f
=== Offline, 'helpsite' and an info page get the network error and open nothing; 12 at the info menu is refused without a probe; settings choice 3 is a wrong function; end of input at the theme question ends with a line break and status 0.
--- option reachable=no
--- dialogue
<PROMPT>{helpsite}



Errore di rete, collegati e riprova.

<PROMPT>{i}
<SETTINGS>{2}
<INFO>{1}


Errore di rete, collegati e riprova.

<PROMPT>{i}
<SETTINGS>{2}
<INFO>{12}


Funzione non valida.Riprova

<PROMPT>{i}
<SETTINGS>{3}

Funzione errata
<PROMPT>{i}
<SETTINGS>{1}
<THEME>
--- platform
probe www.example.com → unreachable
probe www.example.com → unreachable
