# 'a' adds the values typed after the count; values may share a line.
--- stdin
a
3
1
2 3
--- stdout


Cosa vuoi fare?

Path: 
Inserisci quanti valori vuoi utilizzare: Valore: Valore: Valore: Risultato: 6

Cosa vuoi fare?

Path: 
--- platform
--- exit 0
