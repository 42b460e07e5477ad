--- token BANNER
Tavrik Terminal
(c) 2026 Tavrik Terminal. Tutti i diritti riservati.

Premi '#' per la lista di comandi

Premi 'h' per aiuto


Attenzione:1) se inserisci male i comandi il sistema potrebbe non funzionare correttamente.
           2) bisogna inserire esclusivamente il dato (numero,lettera ecc..) richieto dal comando,
              altrimenti potrebbero verificarsi errori anomali o l'avvio di funzioni indesiderate (come il doppio avvio di una funzione).
In questi casi sarai costretto a riavviare il programma o chiuderlo e riaprirlo se non e' possibile riavviarlo.
=== Start-up runs the saved theme three times with two clears between; 'k' clears twice and writes the banner again; 'l' launches a new instance and ends at once.
--- given color_data.txt noeol
color 9e
--- dialogue whole
<BANNER><PROMPT>{k}

<BANNER><PROMPT>{l}

Riavviando...
--- platform whole
title Tavrik Terminal
colours 9e
clear
colours 9e
clear
colours 9e
clear
clear
new instance
=== A theme file holding anything but a colour pair (here a console command) is ignored: no restart, no page, no wait at start.
--- given color_data.txt
start Tavrik-Terminal.exe
--- dialogue
<PROMPT>{x}

Ok,sto uscendo...

--- platform whole
title Tavrik Terminal
clear
clear
wait for key
=== When no new instance can be started, 'l' says so after the restart line and the prompt comes back.
--- option newinstance=no
--- dialogue
<PROMPT>{l}

Riavviando...
Errore: impossibile riavviare il programma.
<PROMPT>{x}

Ok,sto uscendo...

--- platform
new instance → failed
wait for key
