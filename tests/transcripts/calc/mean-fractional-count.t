# 'q' with a count of 2.5 asks for two values and divides by two.
--- stdin
q
2.5
1
2
--- stdout


Cosa vuoi fare?

Path: 
Inserisci quanti valori vuoi utilizzare: Valore: Valore: Risultato: 1.5

Cosa vuoi fare?

Path: 
--- platform
--- exit 0
