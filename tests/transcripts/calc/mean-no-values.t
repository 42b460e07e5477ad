# 'q' with a count below 1 reads no value and prints a message.
--- stdin
q
0
q
-2
--- stdout


Cosa vuoi fare?

Path: 
Inserisci quanti valori vuoi utilizzare: Errore: inserire almeno un valore.


Cosa vuoi fare?

Path: 
Inserisci quanti valori vuoi utilizzare: Errore: inserire almeno un valore.


Cosa vuoi fare?

Path: 
--- platform
--- exit 0
