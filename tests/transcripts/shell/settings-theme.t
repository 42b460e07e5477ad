=== Theme 1, 'blu' and 'giallo': runs color 9e and stores exactly it.
--- dialogue
<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: {1}

Vuoi cambiare tema(1) o resettarlo(0)?
Path: {1}

Inserisci il nome del colore del background
Path: {blu}

Ora quello del carattere
Path: {giallo}

<PROMPT>
--- platform
color 9e
--- expect color_data.txt noeol
color 9e
=== Choice 3 is a wrong function; 12, a blank and an empty answer are refused.
--- dialogue
<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: {3}

Funzione errata
<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: {12}

Funzione non valida.Riprova

<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: { }

Funzione non valida.Riprova

<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: {}

Funzione non valida.Riprova

<PROMPT>
=== A non-number at the theme question is refused and asked again.
--- dialogue
<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: {1}

Vuoi cambiare tema(1) o resettarlo(0)?
Path: {abc}

Errore riprova
Path: {1}

Inserisci il nome del colore del background
Path: {verde}

Ora quello del carattere
Path: {blu}

<PROMPT>
--- platform
color 29
--- expect color_data.txt noeol
color 29
=== Capitals, blanks around a name and black are refused; nothing is run or written.
--- dialogue
<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: {1}

Vuoi cambiare tema(1) o resettarlo(0)?
Path: {1}

Inserisci il nome del colore del background
Path: {Blu}

Ora quello del carattere
Path: {giallo}


Errore nella combinazione.

<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: {1}

Vuoi cambiare tema(1) o resettarlo(0)?
Path: {1}

Inserisci il nome del colore del background
Path: {blu }

Ora quello del carattere
Path: {giallo}


Errore nella combinazione.

<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: {1}

Vuoi cambiare tema(1) o resettarlo(0)?
Path: {1}

Inserisci il nome del colore del background
Path: {nero}

Ora quello del carattere
Path: {rosso}


Errore nella combinazione.

<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: {1}

Vuoi cambiare tema(1) o resettarlo(0)?
Path: {1}

Inserisci il nome del colore del background
Path: {rosso}

Ora quello del carattere
Path: {nero}


Errore nella combinazione.

<PROMPT>
--- absent color_data.txt
=== Any answer but 1 resets to color 0f with no message; the one-character discard after the number leaves the rest of the line for the prompt.
--- dialogue
<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: {1}

Vuoi cambiare tema(1) o resettarlo(0)?
Path: {0}
<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: {1}

Vuoi cambiare tema(1) o resettarlo(0)?
Path: {7 h}
<PROMPT>
Per eseguire una comando ti basta seguire i seguenti passaggi:
1. srivi solo la lettera oppure numero del comando
2. inserisci i valori rischiesti o segui la procedura.

Se hai problemi visita il nostro sito oppure digita il comando 'helpsite'
<PROMPT>
--- platform
color 0f
color 0f
--- expect color_data.txt noeol
color 0f
=== White background with red text is allowed; red on white is refused and leaves the file alone.
--- dialogue
<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: {1}

Vuoi cambiare tema(1) o resettarlo(0)?
Path: {1}

Inserisci il nome del colore del background
Path: {bianco}

Ora quello del carattere
Path: {rosso}

<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: {1}

Vuoi cambiare tema(1) o resettarlo(0)?
Path: {1}

Inserisci il nome del colore del background
Path: {rosso}

Ora quello del carattere
Path: {bianco}


Errore nella combinazione.

<PROMPT>
--- platform
color fc
--- expect color_data.txt noeol
color fc
