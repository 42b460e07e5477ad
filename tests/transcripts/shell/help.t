# 'h' writes the help text with no line break before it.
--- stdin
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
--- exit 0
