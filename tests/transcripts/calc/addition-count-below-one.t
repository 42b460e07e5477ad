# 'a' with a count of 0 or below asks for no value and prints 0.
--- stdin
a
0
a
-4
--- stdout


Cosa vuoi fare?

Path: 
Inserisci quanti valori vuoi utilizzare: Risultato: 0

Cosa vuoi fare?

Path: 
Inserisci quanti valori vuoi utilizzare: Risultato: 0

Cosa vuoi fare?

Path: 
--- platform
--- exit 0
