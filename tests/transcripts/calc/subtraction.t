# 's' subtracts every later value from the first.
--- stdin
s
3
10
3
2
--- stdout


Cosa vuoi fare?

Path: 
Inserisci quanti valori vuoi utilizzare: Valore: Valore: Valore: Risultato: 5

Cosa vuoi fare?

Path: 
--- platform
--- exit 0
