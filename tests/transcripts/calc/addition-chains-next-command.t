# "5 a" as the last answer: 5 is used, the blank after it is discarded and
# "a" reaches the prompt as the next command line, so the addition starts again.
--- stdin
a
1
5 a
1
2
--- stdout


Cosa vuoi fare?

Path: 
Inserisci quanti valori vuoi utilizzare: Valore: Risultato: 5

Cosa vuoi fare?

Path: 
Inserisci quanti valori vuoi utilizzare: Valore: Risultato: 2

Cosa vuoi fare?

Path: 
--- platform
--- expect function_history.txt
a
a
--- exit 0
