# Any answer but 1 resets to color 0f with no message; the one-character
# discard after the number leaves the rest of the line for the prompt.
--- stdin
i
1
0
i
1
7 h
--- stdout


Cosa vuoi fare?

Path: 
Impostazioni


Comandi:

Tema=1

Info=2


Path: 
Vuoi cambiare tema(1) o resettarlo(0)?
Path: 

Cosa vuoi fare?

Path: 
Impostazioni


Comandi:

Tema=1

Info=2


Path: 
Vuoi cambiare tema(1) o resettarlo(0)?
Path: 

Cosa vuoi fare?

Path: 
Per eseguire una comando ti basta seguire i seguenti passaggi:
1. srivi solo la lettera oppure numero del comando
2. inserisci i valori rischiesti o segui la procedura.

Se hai problemi visita il nostro sito oppure digita il comando 'helpsite'


Cosa vuoi fare?

Path: 
--- platform
color 0f
color 0f
--- expect color_data.txt noeol
color 0f
--- exit 0
