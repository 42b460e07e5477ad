# A last command line without a line end is still read; then the end of
# input ends the program with a line break and status 0.
--- stdin noeol
h
--- stdout


Cosa vuoi fare?

Path: 
Per eseguire una comando ti basta seguire i seguenti passaggi:
1. srivi solo la lettera oppure numero del comando
2. inserisci i valori rischiesti o segui la procedura.

Se hai problemi visita il nostro sito oppure digita il comando 'helpsite'


Cosa vuoi fare?

Path: 
--- platform
--- expect function_history.txt
h
--- exit 0
