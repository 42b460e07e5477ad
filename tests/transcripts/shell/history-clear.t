# Any single character but 'v' clears (V included): the file is left empty,
# and the next command line is its first entry.
--- given function_history.txt
old
--- stdin
@
V
h
@
c
--- stdout


Cosa vuoi fare?

Path: 
Vuoi vedere(v) o cancellare(c) la cronologia?
Path: 
Fatto!


Cosa vuoi fare?

Path: 
Per eseguire una comando ti basta seguire i seguenti passaggi:
1. srivi solo la lettera oppure numero del comando
2. inserisci i valori rischiesti o segui la procedura.

Se hai problemi visita il nostro sito oppure digita il comando 'helpsite'


Cosa vuoi fare?

Path: 
Vuoi vedere(v) o cancellare(c) la cronologia?
Path: 
Fatto!


Cosa vuoi fare?

Path: 
--- platform
--- expect function_history.txt
--- exit 0
