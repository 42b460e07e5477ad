=== A fresh directory: 'h', then '@' and 'v' list exactly h and @ under the heading; a second view lists each entry once and shows both @ lines.
--- dialogue
<PROMPT>{h}

Per eseguire una comando ti basta seguire i seguenti passaggi:
1. srivi solo la lettera oppure numero del comando
2. inserisci i valori rischiesti o segui la procedura.

Se hai problemi visita il nostro sito oppure digita il comando 'helpsite'
<PROMPT>{@}

Vuoi vedere(v) o cancellare(c) la cronologia?
Path: {v}

Cronologia delle funzioni: 

h
@
<PROMPT>{@}

Vuoi vedere(v) o cancellare(c) la cronologia?
Path: {v}

Cronologia delle funzioni: 

h
@
@
<PROMPT>
--- expect function_history.txt
h
@
@
=== Any single character but 'v' clears (V included): the file is left empty, and the next command line is its first entry.
--- given function_history.txt
old
--- dialogue
<PROMPT>{@}

Vuoi vedere(v) o cancellare(c) la cronologia?
Path: {V}

Fatto!
<PROMPT>{h}

Per eseguire una comando ti basta seguire i seguenti passaggi:
1. srivi solo la lettera oppure numero del comando
2. inserisci i valori rischiesti o segui la procedura.

Se hai problemi visita il nostro sito oppure digita il comando 'helpsite'
<PROMPT>{@}

Vuoi vedere(v) o cancellare(c) la cronologia?
Path: {c}

Fatto!
<PROMPT>
--- expect function_history.txt
=== Entries of earlier runs come first; a last line without line end counts, and an empty command line shows as an empty line.
--- given function_history.txt noeol
old1
old2
--- dialogue
<PROMPT>{}


Funzione non valida.Riprova

<PROMPT>{@}

Vuoi vedere(v) o cancellare(c) la cronologia?
Path: {v}

Cronologia delle funzioni: 

old1
old2

@
<PROMPT>
--- expect function_history.txt
old1
old2

@
=== Two characters, a blank and an empty answer are refused; the history is untouched.
--- given function_history.txt
old
--- dialogue
<PROMPT>{@}

Vuoi vedere(v) o cancellare(c) la cronologia?
Path: {vv}


Funzione non valida.Riprova

<PROMPT>{@}

Vuoi vedere(v) o cancellare(c) la cronologia?
Path: { }


Funzione non valida.Riprova

<PROMPT>{@}

Vuoi vedere(v) o cancellare(c) la cronologia?
Path: {}


Funzione non valida.Riprova

<PROMPT>
--- expect function_history.txt
old
@
@
@
