# 'q' divides the sum by the number of values.
--- stdin
q
4
1
2
3
4
--- stdout


Cosa vuoi fare?

Path: 
Inserisci quanti valori vuoi utilizzare: Valore: Valore: Valore: Valore: Risultato: 2.5

Cosa vuoi fare?

Path: 
--- platform
--- exit 0
