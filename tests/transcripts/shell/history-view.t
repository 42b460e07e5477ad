# A fresh directory: 'h', then '@' and 'v' list exactly h and @ under the
# heading; a second view lists each entry once and shows both @ lines.
--- stdin
h
@
v
@
v
--- stdout


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
Cronologia delle funzioni: 

h
@


Cosa vuoi fare?

Path: 
Vuoi vedere(v) o cancellare(c) la cronologia?
Path: 
Cronologia delle funzioni: 

h
@
@


Cosa vuoi fare?

Path: 
--- platform
--- expect function_history.txt
h
@
@
--- exit 0
