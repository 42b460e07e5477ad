# 's' always asks for the first value, also for a count of 1, 0 or -4.
--- stdin
s
1
7
s
0
4
s
-4
-9
--- stdout


Cosa vuoi fare?

Path: 
Inserisci quanti valori vuoi utilizzare: Valore: Risultato: 7

Cosa vuoi fare?

Path: 
Inserisci quanti valori vuoi utilizzare: Valore: Risultato: 4

Cosa vuoi fare?

Path: 
Inserisci quanti valori vuoi utilizzare: Valore: Risultato: -9

Cosa vuoi fare?

Path: 
--- platform
--- exit 0
