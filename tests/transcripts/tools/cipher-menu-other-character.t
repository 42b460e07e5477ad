# A single character other than 1 and 2 is refused the same way; the line
# end after it is discarded, so the next line is read as a command.
--- stdin
n
3
h
--- stdout


Cosa vuoi fare?

Path: 

Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: 

Scelta non valida.


Cosa vuoi fare?

Path: 
Per eseguire una comando ti basta seguire i seguenti passaggi:
1. srivi solo la lettera oppure numero del comando
2. inserisci i valori rischiesti o segui la procedura.

Se hai problemi visita il nostro sito oppure digita il comando 'helpsite'


Cosa vuoi fare?

Path: 
--- exit 0
